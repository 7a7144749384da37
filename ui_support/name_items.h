#pragma once
// List entries that show a file or folder name and hand back the name's own bytes when chosen.

#include "ui_support/qt_text.h"

#include <QListWidget>

#include <string>
#include <string_view>

namespace uisupport {

inline QListWidgetItem* addNameItem(QListWidget* list, std::string_view bytes) {
    auto* item = new QListWidgetItem(fromNameBytes(bytes), list);
    item->setData(Qt::UserRole, nameBytesData(bytes));
    return item;
}

inline std::string nameBytes(const QListWidgetItem* item) {
    return nameBytesOf(item->data(Qt::UserRole), item->text());
}

} // namespace uisupport
