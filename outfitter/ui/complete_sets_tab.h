#pragma once
// The "Complete Sets" tab: the category list, the set grid, the summary of what is loaded, the
// pictures and the package area.

#include "outfitter/core/selector_startup.h"

#include <QWidget>

class QLabel;
class QListWidget;
class QTableWidget;

namespace outfitter {

class CompleteSetsTab final : public QWidget {
    Q_OBJECT
  public:
    explicit CompleteSetsTab(QWidget* parent = nullptr);

    void showStartup(const StartupResult& startup);

  private:
    void chooseCategory(int position);

    QListWidget* list3_;
    QLabel* label6_;
    QTableWidget* unigrid_;
    QLabel* label33_;
    QLabel* label8_;
    QLabel* myImage_;
    QLabel* label29_;
    QLabel* image4_;
    CategoryTable categories_;
};

} // namespace outfitter
