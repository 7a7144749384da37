#include "ui_support/picture.h"

#include "ui_support/qt_text.h"

#include <QImageReader>
#include <QLabel>

namespace uisupport {

QPixmap loadPicture(const std::filesystem::path& file) {
    QImageReader reader(fromName(file));
    reader.setDecideFormatFromContent(true);
    return QPixmap::fromImage(reader.read());
}

QPixmap pictureFromBytes(std::string_view bytes) {
    QPixmap pixmap;
    if (!bytes.empty())
        pixmap.loadFromData(reinterpret_cast<const uchar*>(bytes.data()), static_cast<uint>(bytes.size()));
    return pixmap;
}

void showPicture(QLabel* label, const std::optional<std::filesystem::path>& file) {
    label->clear();
    if (!file)
        return;
    const QPixmap picture = loadPicture(*file);
    if (picture.isNull())
        return;
    label->setPixmap(picture.scaled(label->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

} // namespace uisupport
