// The full theatre map build (a 640 x 320 "eaw.tm", 1,000 targets, one front line) into the picture
// the map page shows, beside the naive way: one QPainter point of pen width 11 per land tile.
// Run with --benchmark_repetitions=9 and compare the medians.

#include "sortie/map/theatre_map.h"
#include "sortie/map/tile_map.h"

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPen>

#include <benchmark/benchmark.h>

#include <cmath>
#include <string>

namespace {

// A coast with bays, islands and lakes: about two thirds land.
std::string theatreTiles() {
    std::string tiles(640 * 320, '\0');
    for (int r = 0; r < 320; ++r)
        for (int c = 0; c < 640; ++c) {
            const double coast = 150 + 40 * std::sin(c / 37.0) + 12 * std::sin(c / 5.0);
            const bool channel = std::abs(r - coast) < 25 + 10 * std::sin(c / 11.0);
            const bool lake = ((c * 7 + r * 13) % 97) < 9;
            tiles[static_cast<std::size_t>(r * 640 + c)] =
                static_cast<char>(channel || lake ? 66 : (c + r) % 4);
        }
    return tiles;
}

sortie::TargetGrid targetGrid() {
    sortie::TargetGrid Tg;
    for (int k = 0; k < 1000; ++k) {
        sortie::TargetGrid::Row row{};
        const int vx = (k * 977) % 2560 + 128;
        const int vy = (k * 613) % 1280 + 128;
        row[3] = std::to_string(vx % 256);
        row[4] = std::to_string((vx / 256 + 253) % 256);
        row[7] = std::to_string(vy % 256);
        row[8] = std::to_string(228 + vy / 256);
        row[sortie::kTgCheckColumn] = k % 5 == 0 ? "64" : "0";
        row[sortie::kTgNameColumn] = "Target " + std::to_string(k);
        Tg.rows.push_back(row);
    }
    return Tg;
}

std::string frontLine() {
    std::string set;
    for (int p = 0; p < 29; ++p) {
        const int vx = 80 * p + 200, vy = 600 + 30 * (p % 5);
        set += std::string{'\0', '\0', static_cast<char>(vx % 256), static_cast<char>((vx / 256 + 253) % 256),
                           '\0', '\0', static_cast<char>(vy % 256), static_cast<char>(228 + vy / 256)};
        set.append(12, '\0');
    }
    set += std::string(8, '\xFF') + std::string(12, '\0');
    return set;
}

void BM_MapBuild(benchmark::State& state) {
    const std::string tiles = theatreTiles();
    const std::string lines = frontLine();
    sortie::TargetGrid Tg = targetGrid();
    sortie::TheatreMap map;
    for (auto _ : state) {
        map.buildFrom(tiles, Tg);
        map.FrontLineFrom(lines, 0);
        benchmark::DoNotOptimize(map.picture().pixels().data());
    }
}
BENCHMARK(BM_MapBuild)->Unit(benchmark::kMillisecond);

void BM_NaivePainterPoints(benchmark::State& state) {
    const std::string tiles = theatreTiles();
    QImage image(sortie::kMapWidth, sortie::kMapHeight, QImage::Format_RGB32);
    for (auto _ : state) {
        image.fill(QColor(0xD0, 0xE0, 0xF0));
        QPainter painter(&image);
        painter.setPen(QPen(QColor(0xC0, 0xFF, 0xC0), 11, Qt::SolidLine, Qt::RoundCap));
        for (std::size_t n = 0; n < tiles.size(); ++n)
            if (sortie::isLandTile(static_cast<std::uint8_t>(tiles[n])))
                painter.drawPoint(static_cast<int>(4 * (n % 640) + 2), static_cast<int>(4 * (n / 640) + 2));
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_NaivePainterPoints)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
