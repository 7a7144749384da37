#include "sortie/ui/scenario_frame.h"

#include "common/problem.h"
#include "sortie/ui/twips.h"
#include "ui_support/click_label.h"
#include "ui_support/picture.h"
#include "ui_support/qt_text.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace sortie::ui {

namespace {

constexpr int kScenarioSpacingTwips = 600;

uisupport::ClickLabel* actionLabel(const char* name, const QString& caption, QWidget* parent) {
    auto* label = new uisupport::ClickLabel(QString::fromLatin1(name), caption, parent);
    label->setStyleSheet(u"QLabel { color: #FFFF80; font-weight: bold; font-size: 14pt;"
                         " border: 2px solid #FFFF80; padding: 4px 10px; }"_s);
    label->setCursor(Qt::PointingHandCursor);
    return label;
}

} // namespace

ScenarioFrame::ScenarioFrame(MissionBuilder& model, QWidget* parent) : QGroupBox(parent), model_(model) {
    setObjectName(u"Frame11"_s);
    setTitle(u"Choose your scenario"_s);
    setAutoFillBackground(true);
    setStyleSheet(u"#Frame11 { background: #1C2A3A; color: white; font-weight: bold; font-size: 12pt; }"
                  " #Frame11 QLabel { color: white; }"_s);
    const ScenarioSetup& s = model_.scenario().setup();

    auto* layout = new QHBoxLayout(this);
    auto* image1 = new QLabel(this);
    image1->setObjectName(u"Image1"_s);
    if (const QPixmap picture = uisupport::pictureFromBytes(s.framePicture()); !picture.isNull())
        image1->setPixmap(picture.scaled(620, 520, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    image1->setAlignment(Qt::AlignCenter);
    // With the list beside it the frame stays within a 1280-pixel screen.
    image1->setFixedWidth(640);
    layout->addWidget(image1);

    // Everything the player needs stays within the left 1230 pixels of the window.
    auto* rightHolder = new QWidget(this);
    rightHolder->setFixedWidth(560);
    auto* right = new QVBoxLayout(rightHolder);
    right->setContentsMargins(0, 0, 0, 0);
    auto* frame12 = new QFrame(this);
    frame12->setObjectName(u"Frame12"_s);
    frame12->setFrameShape(QFrame::Box);
    frame12->setStyleSheet(u"#Frame12 { background: #101820; }"_s);
    buildScenarioList(frame12);
    right->addWidget(frame12, 1);

    chosenFolder_ = new QLabel(this);
    chosenFolder_->setObjectName(u"Label36"_s);
    chosenFolder_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    right->addWidget(chosenFolder_);

    auto* table = new QGridLayout();
    table->setHorizontalSpacing(10);
    for (std::size_t i = 0; i < kScenarioFileRows; ++i) {
        auto* name = new QLabel(QString::fromLatin1(kScenarioFileNames[i].data(),
                                                    static_cast<qsizetype>(kScenarioFileNames[i].size())),
                                this);
        name->setObjectName(u"Label31"_s);
        name->setProperty("index", static_cast<int>(i));
        auto* path = new QLabel(this);
        path->setObjectName(u"Label32"_s);
        path->setProperty("index", static_cast<int>(i));
        path->setStyleSheet(u"QLabel { color: #C0D8FF; font-weight: normal; font-size: 9pt; }"_s);
        table->addWidget(name, static_cast<int>(i), 0);
        table->addWidget(path, static_cast<int>(i), 1);
        filePaths_[i] = path;
    }
    table->setColumnStretch(1, 1);
    right->addLayout(table);

    auto* actions = new QHBoxLayout();
    continueAction_ = actionLabel("Label33", QString::fromLatin1(kScenarioOkCaption), this);
    connect(continueAction_, &uisupport::ClickLabel::clicked, this, &ScenarioFrame::continueClicked);
    auto* label22 = actionLabel("Label22", u"EXIT"_s, this);
    connect(label22, &uisupport::ClickLabel::clicked, this, &ScenarioFrame::exitClicked);
    actions->addWidget(continueAction_);
    actions->addSpacing(40);
    actions->addWidget(label22);
    actions->addStretch();
    right->addLayout(actions);

    auto* label29 = new QLabel(uisupport::fromPath(common::pathFromText(s.gameFolderText())), this);
    label29->setObjectName(u"Label29"_s);
    label29->setStyleSheet(u"QLabel { font-weight: normal; font-size: 9pt; }"_s);
    right->addWidget(label29);
    layout->addWidget(rightHolder);
    layout->addStretch();
    sync();
}

void ScenarioFrame::buildScenarioList(QWidget* frame12) {
    const auto& captions = model_.scenario().setup().scenarioCaptions();
    frame12->setMinimumHeight(px(kScenarioSpacingTwips) * static_cast<int>(captions.size()) + 16);
    for (std::size_t k = 0; k < captions.size(); ++k) {
        auto* label = new uisupport::ClickLabel(u"Label35"_s, uisupport::fromNameBytes(captions[k]), frame12,
                                                static_cast<int>(k));
        label->move(8, 8 + px(kScenarioSpacingTwips) * static_cast<int>(k));
        label->setCursor(Qt::PointingHandCursor);
        label->adjustSize();
        label->installEventFilter(this);
        label->raise();
        // With no scenario the one label only names the folder that was searched.
        if (k < model_.scenario().setup().scenarioCount()) {
            const int index = static_cast<int>(k);
            connect(label, &uisupport::ClickLabel::clicked, this, [this, index] {
                model_.scenario().choose(index);
                emit changed();
            });
        }
        scenarioLabels_.push_back(label);
    }
}

bool ScenarioFrame::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonDblClick) {
        for (std::size_t k = 0; k < scenarioLabels_.size() && k < model_.scenario().setup().scenarioCount();
             ++k)
            if (watched == scenarioLabels_[k]) {
                model_.scenario().choose(static_cast<int>(k));
                emit changed();
                emit continueClicked();
                return true;
            }
    }
    return QGroupBox::eventFilter(watched, event);
}

void ScenarioFrame::showBusy(bool busy) {
    continueAction_->setText(QString::fromLatin1(busy ? kScenarioBusyCaption : kScenarioOkCaption));
    continueAction_->repaint();
}

void ScenarioFrame::sync() {
    const ScenarioSetup& s = model_.scenario().setup();
    for (std::size_t k = 0; k < scenarioLabels_.size(); ++k) {
        const bool chosen = static_cast<int>(k) == s.chosen();
        scenarioLabels_[k]->setStyleSheet(chosen ? u"QLabel { color: #FF0000; font-size: 13pt; }"_s
                                                 : u"QLabel { color: #FFFFFF; font-size: 13pt; }"_s);
        scenarioLabels_[k]->adjustSize();
    }
    chosenFolder_->setText(QDir::toNativeSeparators(uisupport::fromNameBytes(s.chosenFolderText())));
    for (std::size_t i = 0; i < kScenarioFileRows; ++i)
        filePaths_[i]->setText(QDir::toNativeSeparators(uisupport::fromNameBytes(s.filePaths()[i])));
}

} // namespace sortie::ui
