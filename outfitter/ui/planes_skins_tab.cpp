#include "planes_skins_tab.h"

#include <QVBoxLayout>

namespace outfitter {

PlanesSkinsTab::PlanesSkinsTab(QWidget* parent) : QWidget(parent) {
    new QVBoxLayout(this);
}

} // namespace outfitter
