#include "world_settings_tab.h"

#include "qiv_form_texts.h"
#include "ui_support/name_items.h"
#include "ui_support/qt_text.h"

#include "outfitter/sets/music_switch.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace outfitter {

WorldSettingsTab::WorldSettingsTab(QWidget* parent)
    : QWidget(parent), list4_(new QListWidget(this)), label11_(new QLabel(this)) {
    list4_->setObjectName(u"List4"_s);
    list4_->setFixedSize(260, 200);
    label11_->setObjectName(u"Label11"_s);

    auto* music = new QGroupBox(this);
    auto* current = new QHBoxLayout;
    current->addWidget(new QLabel(texts::kCurrentMusic, music));
    current->addWidget(label11_, 1);
    auto* musicLayout = new QVBoxLayout(music);
    musicLayout->addLayout(current);
    musicLayout->addWidget(new QLabel(texts::kMusicFolders, music));
    musicLayout->addWidget(list4_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(music, 0, Qt::AlignLeft);
    layout->addStretch(1);

    connect(list4_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { switchMusic(item->text()); });
}

void WorldSettingsTab::showStartup(const StartupResult& startup) {
    gameFolder_ = startup.gameFolder;
    showMusic(startup.music);
}

void WorldSettingsTab::showMusic(const MusicList& music) {
    list4_->clear();
    for (const auto& name : music.available)
        uisupport::addNameItem(list4_, name);
    label11_->setText(uisupport::fromNameBytes(music.current));
    label11_->setProperty("nameBytes", uisupport::nameBytesData(music.current));
}

void WorldSettingsTab::switchMusic(const QString& chosen) {
    std::string chosenBytes = uisupport::toNameBytes(chosen);
    for (int i = 0; i < list4_->count(); ++i)
        if (list4_->item(i)->text() == chosen)
            chosenBytes = uisupport::nameBytes(list4_->item(i));
    const auto result = outfitter::switchMusic(
        gameFolder_, chosenBytes, uisupport::nameBytesOf(label11_->property("nameBytes"), label11_->text()));
    showMusic(result.music);
    QStringList lines;
    for (const auto& problem : result.problems)
        lines << uisupport::fromProblem(problem);
    if (!lines.isEmpty())
        emit problemsReported(lines);
}

} // namespace outfitter
