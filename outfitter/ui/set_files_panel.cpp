#include "set_files_panel.h"

#include "ui_support/qt_text.h"

#include <QHeaderView>
#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace outfitter {

namespace {

enum Column { FileColumn, PlaceColumn, MeetsColumn, StateColumn };

QColor stateColour(LoadedState state) {
    switch (state) {
    case LoadedState::Changed:
    case LoadedState::Missing:
        return QColor(0xc0, 0x00, 0x00);
    default:
        return {};
    }
}

} // namespace

SetFilesPanel::SetFilesPanel(const SelectorSession& session, QWidget* parent)
    : QWidget(parent), session_(session), caption_(new QLabel(this)), files_(new QTreeWidget(this)) {
    setObjectName(u"SetFiles"_s);
    // The caption follows the pointer and the current row: a view, not a choice, so it goes unnamed
    // among the window's controls.
    caption_->setWordWrap(true);
    caption_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    files_->setObjectName(u"SetFilesList"_s);
    files_->setRootIsDecorated(false);
    files_->setUniformRowHeights(true);
    files_->setAlternatingRowColors(true);
    files_->setSelectionMode(QAbstractItemView::NoSelection);
    files_->setFocusPolicy(Qt::NoFocus);
    files_->setHeaderLabels({u"File"_s, u"Goes to"_s, u"Meets there"_s, u"Now"_s});
    // What a file meets can be long: the list scrolls sideways rather than cutting it short.
    files_->header()->setStretchLastSection(true);
    files_->setColumnWidth(FileColumn, 120);
    files_->setColumnWidth(PlaceColumn, 80);
    files_->setColumnWidth(MeetsColumn, 300);
    files_->setColumnWidth(StateColumn, 130);
    files_->setMinimumHeight(70);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(caption_);
    layout->addWidget(files_, 1);
    showSet(-1);
}

void SetFilesPanel::showSet(int row) {
    row_ = row;
    files_->clear();
    if (row < 0 || static_cast<std::size_t>(row) >= session_.browser().rows().size()) {
        row_ = -1;
        caption_->setText(u"Point at a set to see its files."_s);
        return;
    }
    const auto files = session_.setFiles(static_cast<std::size_t>(row));
    const auto shared = session_.sharedSummary(static_cast<std::size_t>(row));
    QString caption = u"%1 (%2): %3 %4"_s.arg(uisupport::fromNameBytes(files.set),
                                              files.loaded ? u"loaded"_s : u"not loaded"_s)
                          .arg(files.files.size())
                          .arg(files.files.size() == 1 ? u"file"_s : u"files"_s);
    if (!shared.empty())
        caption += u"; "_s + uisupport::fromNameBytes(shared);
    caption_->setText(caption);

    QList<QTreeWidgetItem*> items;
    items.reserve(static_cast<qsizetype>(files.files.size()));
    for (const auto& line : files.files) {
        auto* item = new QTreeWidgetItem;
        item->setText(FileColumn, uisupport::fromNameBytes(line.name));
        item->setText(PlaceColumn, QString::fromStdString(placeText(line.place)));
        const auto meets = uisupport::fromNameBytes(meetsText(line, files.loaded));
        item->setText(MeetsColumn, meets);
        item->setToolTip(MeetsColumn, meets);
        item->setText(StateColumn, QString::fromStdString(stateText(line)));
        if (const auto colour = stateColour(line.state); colour.isValid())
            item->setForeground(StateColumn, colour);
        if (!line.place)
            item->setForeground(FileColumn, files_->palette().color(QPalette::Disabled, QPalette::Text));
        items << item;
    }
    files_->addTopLevelItems(items);
    if (!files.problems.empty())
        emit problemsReported(uisupport::problemLines(files.problems));
}

QString SetFilesPanel::toolTipFor(int row) const {
    if (row < 0 || static_cast<std::size_t>(row) >= session_.browser().rows().size())
        return {};
    const auto shared = session_.sharedSummary(static_cast<std::size_t>(row));
    const auto& name = session_.browser().rows()[static_cast<std::size_t>(row)].name;
    if (shared.empty())
        return uisupport::fromNameBytes(name) + u": shares no file with a loaded set"_s;
    return uisupport::fromNameBytes(name) + u": "_s + uisupport::fromNameBytes(shared);
}

} // namespace outfitter
