#include "sortie/ui/map_render.h"

#include "common/atomic_file.h"
#include "sortie/core/mission_builder.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>

namespace sortie::ui {

QImage toImage(const MapPicture& picture) {
    const QImage view(reinterpret_cast<const uchar*>(picture.pixels().data()), picture.width(),
                      picture.height(), picture.width() * static_cast<int>(sizeof(Pixel)),
                      QImage::Format_RGB32);
    return view.copy();
}

std::optional<std::string> renderMap(const std::filesystem::path& gameFolder, const BuildSettings& settings,
                                     const std::filesystem::path& file) {
    MissionBuilder builder(gameFolder, settings);
    builder.start();
    // The same road as the map page's first visit.
    if (!builder.map().build() || !builder.map().FrontLine(0))
        return builder.messages().back();

    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!toImage(builder.map().theatreMap().picture()).save(&buffer, "PNG"))
        return "The map picture cannot be encoded as PNG";
    if (auto problem = common::writeFileAtomically(
            file, std::string_view(png.constData(), static_cast<std::size_t>(png.size()))))
        return problem->text();
    return std::nullopt;
}

} // namespace sortie::ui
