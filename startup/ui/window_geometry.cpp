#include "startup/ui/window_geometry.h"

#include "common/atomic_file.h"
#include "common/text_file.h"
#include "startup/program_start.h"

#include <QByteArray>
#include <QEvent>
#include <QObject>
#include <QWidget>

namespace eaw::startup {

namespace {

// Saves on every close: the window object outlives its closing, and a closed window may be shown again.
class GeometryKeeper final : public QObject {
  public:
    GeometryKeeper(QWidget& window, std::filesystem::path file)
        : QObject(&window), window_(window), file_(std::move(file)) {
        window.installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &window_ && event->type() == QEvent::Close) {
            const QByteArray text = window_.saveGeometry().toBase64();
            std::error_code ignored;
            std::filesystem::create_directories(file_.parent_path(), ignored);
            // A geometry that cannot be kept costs only the window's place next time.
            (void)common::writeFileAtomically(file_, std::string_view(text.constData(), text.size()));
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
    return window.restoreGeometry(
        QByteArray::fromBase64(QByteArray(bytes.value.data(), static_cast<qsizetype>(bytes.value.size()))));
}

} // namespace eaw::startup
