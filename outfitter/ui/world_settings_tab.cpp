#include "world_settings_tab.h"

#include "qiv_form_texts.h"
#include "ui_support/name_items.h"
#include "ui_support/qt_text.h"

#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace outfitter {

WorldSettingsTab::WorldSettingsTab(SelectorSession& session, QWidget* parent)
    : QWidget(parent), session_(session), musicList_(new QListWidget(this)), activeMusic_(new QLabel(this)) {
    musicList_->setObjectName(u"List4"_s);
    musicList_->setFixedSize(260, 200);
    activeMusic_->setObjectName(u"Label11"_s);

    auto* music = new QGroupBox(this);
    auto* current = new QHBoxLayout;
    current->addWidget(new QLabel(texts::kCurrentMusic, music));
    current->addWidget(activeMusic_, 1);
    auto* musicLayout = new QVBoxLayout(music);
    musicLayout->addLayout(current);
    musicLayout->addWidget(new QLabel(texts::kMusicFolders, music));
    musicLayout->addWidget(musicList_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(music, 0, Qt::AlignLeft);
    layout->addStretch(1);

    connect(musicList_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { switchMusic(item->text()); });
    musicList_->installEventFilter(this);
    musicList_->viewport()->installEventFilter(this);
}

bool WorldSettingsTab::eventFilter(QObject* watched, QEvent* event) {
    if (watched == musicList_->viewport()) {
        // The first click of a double-click has switched and written the list anew; the second
        // would land on whatever name moved under the pointer.
        if (event->type() == QEvent::MouseButtonDblClick) {
            swallowRelease_ = true;
            return true;
        }
        if (event->type() == QEvent::MouseButtonRelease && swallowRelease_) {
            swallowRelease_ = false;
            return true;
        }
        if (event->type() == QEvent::MouseButtonPress)
            swallowRelease_ = false;
    } else if (watched == musicList_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && musicList_->currentItem()) {
            switchMusic(musicList_->currentItem()->text());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void WorldSettingsTab::showStartup() {
    showMusic(session_.music());
}

void WorldSettingsTab::showMusic(const MusicList& music) {
    musicList_->clear();
    for (const auto& name : music.available)
        uisupport::addNameItem(musicList_, name);
    activeMusic_->setText(uisupport::fromNameBytes(music.current));
}

void WorldSettingsTab::switchMusic(const QString& chosen) {
    std::string chosenBytes = uisupport::toNameBytes(chosen);
    for (int i = 0; i < musicList_->count(); ++i)
        if (musicList_->item(i)->text() == chosen)
            chosenBytes = uisupport::nameBytes(musicList_->item(i));
    const auto result = session_.switchMusic(chosenBytes);
    showMusic(result.music);
    QStringList lines;
    for (const auto& problem : result.problems)
        lines << uisupport::fromProblem(problem);
    if (!lines.isEmpty())
        emit problemsReported(lines);
}

} // namespace outfitter
