#include "general_settings_tab.h"

#include "picture.h"
#include "qiv_form_texts.h"
#include "qt_text.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace outfitter {

namespace {

QLabel* resolutionLabel(int index, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(u"Label18"_s);
    label->setProperty("index", index);
    return label;
}

} // namespace

GeneralSettingsTab::GeneralSettingsTab(QWidget* parent)
    : QWidget(parent), eawDirLabel_(new QLabel(this)), widthLabel_(resolutionLabel(0, this)),
      heightLabel_(resolutionLabel(1, this)), credits_(new QLabel(texts::kLinksCaption, this)),
      image3_(new QLabel(this)) {
    eawDirLabel_->setObjectName(u"EAWDirLabel"_s);
    eawDirLabel_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    credits_->setObjectName(u"Label3"_s);
    credits_->setWordWrap(true);
    image3_->setObjectName(u"Image3"_s);
    image3_->setFixedSize(320, 240);
    image3_->setAlignment(Qt::AlignCenter);
    image3_->setFrameShape(QFrame::StyledPanel);

    auto* facts = new QGridLayout;
    facts->addWidget(new QLabel(texts::kGameFolder, this), 0, 0);
    facts->addWidget(eawDirLabel_, 0, 1, 1, 4);
    facts->addWidget(new QLabel(texts::kResolution, this), 1, 0);
    facts->addWidget(widthLabel_, 1, 1);
    facts->addWidget(new QLabel(u"x"_s, this), 1, 2);
    facts->addWidget(heightLabel_, 1, 3);
    facts->setColumnStretch(4, 1);

    auto* links = new QGroupBox(texts::kLinksCaption, this);
    auto* linksLayout = new QVBoxLayout(links);
    linksLayout->addWidget(credits_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(facts);
    layout->addWidget(links);
    layout->addWidget(image3_, 0, Qt::AlignLeft);
    layout->addStretch(1);
}

void GeneralSettingsTab::showStartup(const StartupResult& startup) {
    eawDirLabel_->setText(fromPath(startup.gameFolder));
    credits_->setText(texts::kCredits);
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize size = screen ? screen->size() : QSize();
    widthLabel_->setText(QString::number(size.width()));
    heightLabel_->setText(QString::number(size.height()));
    showPicture(image3_, startup.newPicture);
}

} // namespace outfitter
