// Draws the demo's pictures: previews, skins, backgrounds and the option-board pictures.

#include "make_demo_game/pictures.h"

#include <cstdlib>

namespace demo {
namespace {

void scenery(Canvas& c, Scene scene, int horizon) {
    switch (scene) {
    case Scene::Channel:
        c.bands(0, horizon, {Colour::Sky, Colour::PaleSky});
        c.bands(horizon, c.height(), {Colour::Sea, Colour::DeepSea});
        c.fillEllipse(c.width() / 5, horizon, c.width() / 4, c.height() / 12, Colour::Land);
        c.fillEllipse(c.width() * 4 / 5, horizon + 4, c.width() / 3, c.height() / 14, Colour::Forest);
        break;
    case Scene::Desert:
        c.bands(0, horizon, {Colour::PaleSky, Colour::Cream});
        c.bands(horizon, c.height(), {Colour::Sand, Colour::Khaki});
        c.fillEllipse(c.width() * 3 / 4, horizon / 3, c.height() / 10, c.height() / 10, Colour::Yellow);
        break;
    case Scene::Night:
        c.bands(0, horizon, {Colour::Navy, Colour::DeepSea});
        c.bands(horizon, c.height(), {Colour::DarkGrey, Colour::Black});
        for (int i = 0; i < 40; ++i) {
            c.set((i * 53) % c.width(), (i * 29) % horizon, Colour::White);
        }
        break;
    case Scene::Winter:
        c.bands(0, horizon, {Colour::Grey, Colour::PaleSky});
        c.bands(horizon, c.height(), {Colour::White, Colour::Cream});
        break;
    case Scene::Cockpit:
        c.bands(0, c.height(), {Colour::DarkGrey, Colour::Black});
        for (int i = 0; i < 6; ++i) {
            const int cx = c.width() / 7 * (i + 1);
            c.fillEllipse(cx, horizon, c.width() / 18, c.width() / 18, Colour::White);
            c.fillEllipse(cx, horizon, c.width() / 22, c.width() / 22, Colour::Black);
            c.line(cx, horizon, cx + c.width() / 30, horizon - c.width() / 40, 2, Colour::Yellow);
        }
        break;
    }
}

void poster(Canvas& c, const std::vector<std::string>& lines, int top, int scale, Colour colour) {
    int y = top;
    for (const std::string& line : lines) {
        c.caption(c.width() / 2, y, line, Canvas::fittingScale(line, c.width() - 24, scale), colour,
                  Colour::Black);
        y += Canvas::textHeight(scale) + scale * 4;
    }
}

} // namespace

Canvas previewPicture(const std::string& caption, Scene scene) {
    Canvas c(240, 160, Colour::Sky);
    scenery(c, scene, 96);
    c.aircraft(120, 62, 110, scene == Scene::Desert ? Colour::Khaki : Colour::Forest, Colour::Red);
    const int scale = Canvas::fittingScale(caption, 228, 2);
    c.fillRect(0, 130, 240, 30, Colour::Navy);
    c.caption(120, 145 - Canvas::textHeight(scale) / 2, caption, scale, Colour::Yellow, Colour::Black);
    return c;
}

Canvas sceneryPicture(const std::string& word, Scene scene) {
    Canvas c(320, 160, Colour::Sky);
    scenery(c, scene, 104);
    c.aircraft(232, 48, 120, Colour::DarkGrey, Colour::Red);
    const std::string shortWord = word.substr(0, 6);
    const int x = (320 - Canvas::textWidth(shortWord, 8)) / 2 / 8 * 8;
    c.text(x, 96, shortWord, 8, Colour::Yellow);
    return c;
}

Canvas skinPicture(const std::string& name, Colour body, Colour marking) {
    Canvas c(200, 200, Colour::PaleSky);
    c.aircraft(100, 92, 170, body, marking);
    const int scale = Canvas::fittingScale(name, 190, 2);
    c.caption(100, 180 - Canvas::textHeight(scale) / 2, name, scale, Colour::Navy, Colour::White);
    return c;
}

Canvas boardPicture() {
    Canvas c(460, 650, Colour::Navy);
    c.bands(0, 650, {Colour::Navy, Colour::DeepSea, Colour::Sea});
    c.frame(6, 6, 448, 638, 4, Colour::Yellow);
    c.aircraft(230, 305, 200, Colour::Grey, Colour::Red);
    poster(c, {"SINGLE", "MISSION", "BUILDER"}, 40, 6, Colour::Yellow);
    poster(c,
           {"POINT AT THE BOARD:", "AIRCRAFT ON THE LEFT,", "OPTIONS ON THE RIGHT.", "",
            "CLICK AN OPTION ROW", "FOR ITS NEXT VALUE.", "", "PICK TARGET AND BASE", "ON THE MAP PAGE."},
           390, 2, Colour::White);
    return c;
}

Canvas rolesPicture() {
    Canvas c(460, 650, Colour::Navy);
    c.bands(0, 650, {Colour::DeepSea, Colour::Navy});
    c.frame(6, 6, 448, 638, 4, Colour::Cream);
    poster(c, {"AIRCRAFT", "ROLES"}, 30, 5, Colour::Yellow);
    const struct {
        const char* name;
        Colour colour;
    } roles[] = {{"MY AIRCRAFT", Colour::Yellow},
                 {"MY SUPPORT AIRCRAFT", Colour::Land},
                 {"ENEMY PRIMARY", Colour::Red},
                 {"ENEMY SECONDARY", Colour::Sand}};
    int y = 150;
    for (const auto& role : roles) {
        c.fillRect(30, y, 400, 52, Colour::DarkGrey);
        c.frame(30, y, 400, 52, 3, role.colour);
        c.aircraft(66, y + 26, 48, role.colour, Colour::Black);
        c.caption(260, y + 19, role.name, Canvas::fittingScale(role.name, 310, 2), Colour::White,
                  Colour::Black);
        y += 66;
    }
    poster(c,
           {"LEFT CLICK: GIVE THE", "AIRCRAFT TO THE ROLE", "RIGHT CLICK: NEXT ROLE",
            "MIDDLE BUTTON:", "SHOW ALL AIRCRAFT"},
           430, 2, Colour::White);
    return c;
}

Canvas optionRowPicture(const std::string& name) {
    // The name as large as it fits: on one line, or split at the blank nearest the middle.
    std::vector<std::vector<std::string>> layouts = {{name}};
    std::size_t split = std::string::npos;
    for (std::size_t i = 0; i < name.size(); ++i) {
        if (name[i] == ' ' && (split == std::string::npos ||
                               std::abs(static_cast<int>(i) - static_cast<int>(name.size()) / 2) <
                                   std::abs(static_cast<int>(split) - static_cast<int>(name.size()) / 2))) {
            split = i;
        }
    }
    if (split != std::string::npos) {
        layouts.push_back({name.substr(0, split), name.substr(split + 1)});
    }
    std::vector<std::string> best;
    int bestScale = 0;
    for (const auto& lines : layouts) {
        int scale = 8;
        const auto fits = [&lines](int s) {
            const int count = static_cast<int>(lines.size());
            bool ok = count * 7 * s + (count - 1) * 3 * s <= 124;
            for (const std::string& line : lines) {
                ok = ok && Canvas::textWidth(line, s) <= 420;
            }
            return ok;
        };
        while (scale > 1 && !fits(scale)) {
            --scale;
        }
        if (scale > bestScale) {
            bestScale = scale;
            best = lines;
        }
    }
    Canvas c(450, 150, Colour::Navy);
    c.bands(0, 150, {Colour::Navy, Colour::DeepSea});
    c.frame(3, 3, 444, 144, 3, Colour::Yellow);
    const int count = static_cast<int>(best.size());
    int y = (150 - (count * 7 * bestScale + (count - 1) * 3 * bestScale)) / 2;
    for (const std::string& line : best) {
        c.caption(225, y, line, bestScale, Colour::Yellow, Colour::Black);
        y += 10 * bestScale;
    }
    return c;
}

} // namespace demo
