#include "general_settings_tab.h"

#include "ini_editor_panel.h"
#include "qiv_form_texts.h"
#include "settings_texts.h"
#include "ui_support/picture.h"
#include "ui_support/qt_text.h"
#include "user_settings_panel.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
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

GeneralSettingsTab::GeneralSettingsTab(SelectorSession& session, QWidget* parent)
    : QWidget(parent), session_(session), userSettings_(new UserSettingsPanel(this)),
      iniEdit_(new QPushButton(texts::kIniEdit, this)), iniEditor_(new IniEditorPanel(this)),
      eawDirLabel_(new QLabel(this)), widthLabel_(resolutionLabel(0, this)),
      heightLabel_(resolutionLabel(1, this)), credits_(new QLabel(texts::kLinksCaption, this)),
      newPicture_(new QLabel(this)) {
    eawDirLabel_->setObjectName(u"EAWDirLabel"_s);
    eawDirLabel_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    credits_->setObjectName(u"Label3"_s);
    credits_->setWordWrap(true);
    newPicture_->setObjectName(u"Image3"_s);
    newPicture_->setFixedSize(320, 240);
    newPicture_->setAlignment(Qt::AlignCenter);
    newPicture_->setFrameShape(QFrame::StyledPanel);

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

    iniEdit_->setObjectName(u"IniEdit"_s);
    iniEditor_->hide();
    // Hidden, the editor keeps its room so the settings above it do not move.
    auto policy = iniEditor_->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    iniEditor_->setSizePolicy(policy);

    auto* left = new QVBoxLayout;
    left->addLayout(facts);
    left->addWidget(links);
    left->addWidget(newPicture_, 0, Qt::AlignLeft);
    left->addStretch(1);

    auto* right = new QVBoxLayout;
    right->addWidget(userSettings_);
    right->addWidget(iniEdit_, 0, Qt::AlignLeft);
    right->addWidget(iniEditor_, 1);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(right, 1);

    connect(userSettings_, &UserSettingsPanel::saveRequested, this, &GeneralSettingsTab::inisave);
    connect(iniEdit_, &QPushButton::clicked, this, &GeneralSettingsTab::IniEdit);
    connect(iniEditor_, &IniEditorPanel::saveRequested, this, &GeneralSettingsTab::InSaver);
}

void GeneralSettingsTab::showStartup(const StartupResult& startup) {
    eawDirLabel_->setText(uisupport::fromPath(startup.gameFolder));
    credits_->setText(texts::kCredits);
    const QScreen* screen = QGuiApplication::primaryScreen();
    // The screen's own pixels: a scaled desktop reports a smaller logical size.
    const QSize size = screen ? (QSizeF(screen->size()) * screen->devicePixelRatio()).toSize() : QSize();
    widthLabel_->setText(QString::number(size.width()));
    heightLabel_->setText(QString::number(size.height()));
    uisupport::showPicture(newPicture_, startup.newPicture);
    userSettings_->setValues(session_.settings().values());
}

void GeneralSettingsTab::inisave(int key) {
    const auto save = session_.saveSettings(
        userSettings_->values(), key >= 0 ? std::optional(static_cast<std::size_t>(key)) : std::nullopt);
    const auto& outcome = save.outcome;
    using Status = IniSaveOutcome::Status;
    if (outcome.status == Status::NotReady)
        emit problemsReported({texts::kIniNotSavedRefreshing});
    if (outcome.refusal)
        emit problemsReported({refusalText(*outcome.refusal)});
    if (outcome.status == Status::Saved)
        emit problemsReported({texts::kIniSaved.arg(uisupport::fromGameBytes(save.lines))});
    report(outcome.problem);
}

QString GeneralSettingsTab::refusalText(const IniRefusal& refusal) const {
    const QString box = uisupport::fromGameBytes(kIniKeys[refusal.key].label);
    const QString value = uisupport::fromGameBytes(refusal.value);
    switch (refusal.reason) {
    case IniRefusal::Reason::NotWholeNumber:
        return texts::kIniNotWholeNumber.arg(box, value);
    case IniRefusal::Reason::TooLarge:
        return texts::kIniTooLarge.arg(box, value).arg(kIniValueLimit);
    case IniRefusal::Reason::OutOfRange:
        break;
    }
    return texts::kIniOutOfRange.arg(box, value).arg(refusal.lowest).arg(refusal.highest);
}

void GeneralSettingsTab::IniEdit() {
    const auto shown = session_.settings().IniEdit();
    iniEditor_->showText(shown.text);
    report(shown.problem);
}

void GeneralSettingsTab::InSaver() {
    const auto outcome = session_.saveIniText(iniEditor_->text());
    if (outcome.status == IniSaveOutcome::Status::Saved) {
        userSettings_->setValues(session_.settings().values());
        emit problemsReported({texts::kIniFreeTextSaved});
    }
    report(outcome.problem);
}

void GeneralSettingsTab::report(const std::optional<common::Problem>& problem) {
    if (problem)
        emit problemsReported({uisupport::fromProblem(*problem)});
}

} // namespace outfitter
