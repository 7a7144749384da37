#pragma once
// The small dialog shown before a set is added: where it comes from, the proposed name and the
// category it goes under (the descriptions of "qiv.ini" with their letters). Nothing is written
// until the player says OK.

#include "outfitter/session/selector_session.h"

#include <QDialog>
#include <QString>

#include <functional>
#include <optional>
#include <string>

class QComboBox;
class QLabel;
class QLineEdit;

namespace outfitter {

class AddSetDialog final : public QDialog {
    Q_OBJECT
  public:
    AddSetDialog(const QString& source, const CategoryTable& categories, const std::string& letter,
                 const QString& name, QWidget* parent = nullptr);

    std::string letter() const;
    QString name() const;
    void setName(const QString& name);
    // Chooses the category of `letter`; false when "qiv.ini" has none.
    bool chooseLetter(const std::string& letter);

    // Shows the dialog, or hands it to the answer a test gave; true for OK.
    bool ask();
    // The next dialog is not shown: `answer` fills it in and says OK (true) or Cancel (tests).
    static void setNextAnswer(std::function<bool(AddSetDialog&)> answer);

  private:
    const CategoryTable& categories_;
    QLineEdit* name_;
    QComboBox* category_;
};

} // namespace outfitter
