#include "picture.h"

#include <QImageReader>
#include <QLabel>
#include <QPixmap>

namespace outfitter {

void showPicture(QLabel* label, const std::optional<std::filesystem::path>& file) {
    label->clear();
    if (!file)
        return;
    // The format comes from the content: "newpic" and "mypic" carry no extension.
    QImageReader reader(QString::fromLocal8Bit(file->string()));
    reader.setDecideFormatFromContent(true);
    const QImage image = reader.read();
    if (image.isNull())
        return;
    label->setPixmap(
        QPixmap::fromImage(image).scaled(label->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

} // namespace outfitter
