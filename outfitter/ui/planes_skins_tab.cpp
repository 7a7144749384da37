#include "planes_skins_tab.h"

#include <QVBoxLayout>

namespace outfitter {

PlanesSkinsTab::PlanesSkinsTab(QWidget* parent) : QWidget(parent) {
    new QVBoxLayout(this);
}

void PlanesSkinsTab::setPlaneSetPanel(QWidget* panel) {
    auto* box = static_cast<QVBoxLayout*>(layout());
    box->addWidget(panel, 0, Qt::AlignLeft | Qt::AlignTop);
    box->addStretch(1);
}

} // namespace outfitter
