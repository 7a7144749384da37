#include "startup/ui/window_geometry.h"

#include "common/atomic_file.h"
#include "common/text_file.h"
#include "startup/program_start.h"

#include <QEvent>
#include <QGuiApplication>
#include <QObject>
#include <QRect>
#include <QScreen>
#include <QWidget>

#include <optional>
#include <sstream>
#include <string>

namespace eaw::startup {

namespace {

// The window's own area (frame left out), kept as plain numbers: "x y width height maximised". Given
// back with setGeometry, which places that area itself, so the window does not walk down the screen
// by its title bar's height from one run to the next as a frame-relative position does.
struct KeptGeometry {
    QRect area;
    bool maximised = false;
};

std::string geometryText(const QWidget& window) {
    const QRect area = window.normalGeometry().isValid() ? window.normalGeometry() : window.geometry();
    std::ostringstream out;
    out << area.x() << ' ' << area.y() << ' ' << area.width() << ' ' << area.height() << ' '
        << (window.isMaximized() ? 1 : 0) << "\n";
    return out.str();
}

std::optional<KeptGeometry> readGeometry(const std::string& text) {
    std::istringstream in(text);
    int x = 0, y = 0, width = 0, height = 0, maximised = 0;
    if (!(in >> x >> y >> width >> height >> maximised) || width <= 0 || height <= 0)
        return std::nullopt;
    return KeptGeometry{QRect(x, y, width, height), maximised != 0};
}

// The whole area, message line and all, within the work area of one present screen.
bool liesOnAScreen(const QRect& area) {
    for (const QScreen* screen : QGuiApplication::screens())
        if (screen->availableGeometry().contains(area))
            return true;
    return false;
}

// Saves on every close: the window object outlives its closing, and a closed window may be shown again.
class GeometryKeeper final : public QObject {
  public:
    GeometryKeeper(QWidget& window, std::filesystem::path file)
        : QObject(&window), window_(window), file_(std::move(file)) {
        window.installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &window_ && event->type() == QEvent::Close) {
            std::error_code ignored;
            std::filesystem::create_directories(file_.parent_path(), ignored);
            // A geometry that cannot be kept costs only the window's place next time.
            (void)common::writeFileAtomically(file_, geometryText(window_));
        }
        return false;
    }

  private:
    QWidget& window_;
    std::filesystem::path file_;
};

} // namespace

std::filesystem::path windowGeometryFile(std::string_view program) {
    const std::filesystem::path folder = rememberedFolderFile().parent_path();
    if (folder.empty())
        return {};
    return folder / (std::string(program) + ".geometry");
}

bool rememberWindowGeometry(QWidget& window, const std::filesystem::path& file) {
    if (file.empty())
        return false;
    new GeometryKeeper(window, file);
    const auto bytes = common::readFileBytes(file);
    if (!bytes.ok() || bytes.value.empty())
        return false;
    const auto kept = readGeometry(std::string(bytes.value.begin(), bytes.value.end()));
    // A place partly off every screen (a screen unplugged, a smaller one, a window left hanging over
    // an edge) is not taken: the window keeps the place it chose itself.
    if (!kept || !liesOnAScreen(kept->area))
        return false;
    window.setGeometry(kept->area);
    if (kept->maximised)
        window.setWindowState(window.windowState() | Qt::WindowMaximized);
    return true;
}

} // namespace eaw::startup
