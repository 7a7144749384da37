// Writes the demo pictures as BMP and JPEG files.

#include "make_demo_game/image_files.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace demo {
namespace {

void putLe16(std::string& out, unsigned value) {
    out.push_back(static_cast<char>(value & 0xFFU));
    out.push_back(static_cast<char>((value >> 8) & 0xFFU));
}

void putLe32(std::string& out, std::uint32_t value) {
    putLe16(out, value & 0xFFFFU);
    putLe16(out, value >> 16);
}

void putBe16(std::string& out, unsigned value) {
    out.push_back(static_cast<char>((value >> 8) & 0xFFU));
    out.push_back(static_cast<char>(value & 0xFFU));
}

// Appends bits most significant first, stuffing a zero byte after every 0xFF as JPEG requires.
class BitWriter final {
  public:
    explicit BitWriter(std::string& out) : out_(out) {}

    void put(unsigned bits, int count) {
        for (int i = count - 1; i >= 0; --i) {
            current_ = static_cast<unsigned>((current_ << 1) | ((bits >> i) & 1U));
            if (++filled_ == 8) {
                emit();
            }
        }
    }

    void flush() {
        while (filled_ != 0) {
            put(1, 1); // pad with one-bits
        }
    }

  private:
    void emit() {
        out_.push_back(static_cast<char>(current_ & 0xFFU));
        if ((current_ & 0xFFU) == 0xFFU) {
            out_.push_back('\0');
        }
        current_ = 0;
        filled_ = 0;
    }

    std::string& out_;
    unsigned current_ = 0;
    int filled_ = 0;
};

// DC difference categories 0 to 11, coded with the usual luminance table lengths.
constexpr std::array<std::uint8_t, 16> kDcBits = {0, 1, 5, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0};

struct Code {
    unsigned bits = 0;
    int length = 0;
};

std::array<Code, 12> canonicalDcCodes() {
    std::array<Code, 12> codes{};
    unsigned code = 0;
    std::size_t symbol = 0;
    for (int length = 1; length <= 16; ++length) {
        for (int i = 0; i < kDcBits[static_cast<std::size_t>(length - 1)]; ++i) {
            codes[symbol++] = {code++, length};
        }
        code <<= 1;
    }
    return codes;
}

void putDcDifference(BitWriter& bits, const std::array<Code, 12>& codes, int diff) {
    const int magnitude = std::abs(diff);
    int category = 0;
    while ((1 << category) <= magnitude) {
        ++category;
    }
    bits.put(codes[static_cast<std::size_t>(category)].bits,
             codes[static_cast<std::size_t>(category)].length);
    if (category > 0) {
        const int value = diff >= 0 ? diff : diff + (1 << category) - 1;
        bits.put(static_cast<unsigned>(value), category);
    }
}

} // namespace

std::string encodeBmp(const Canvas& canvas) {
    const auto& colours = palette();
    const std::uint32_t paletteBytes = static_cast<std::uint32_t>(colours.size()) * 4;
    const std::uint32_t rowBytes = (static_cast<std::uint32_t>(canvas.width()) + 3U) & ~3U;
    const std::uint32_t imageBytes = rowBytes * static_cast<std::uint32_t>(canvas.height());
    const std::uint32_t dataOffset = 14 + 40 + paletteBytes;

    std::string out;
    out.reserve(dataOffset + imageBytes);
    out += "BM";
    putLe32(out, dataOffset + imageBytes);
    putLe32(out, 0);
    putLe32(out, dataOffset);
    putLe32(out, 40);
    putLe32(out, static_cast<std::uint32_t>(canvas.width()));
    putLe32(out, static_cast<std::uint32_t>(canvas.height()));
    putLe16(out, 1);
    putLe16(out, 8);
    putLe32(out, 0); // no compression
    putLe32(out, imageBytes);
    putLe32(out, 2835); // 72 dots per inch
    putLe32(out, 2835);
    putLe32(out, static_cast<std::uint32_t>(colours.size()));
    putLe32(out, 0);
    for (const Rgb& c : colours) {
        out.push_back(static_cast<char>(c.b));
        out.push_back(static_cast<char>(c.g));
        out.push_back(static_cast<char>(c.r));
        out.push_back('\0');
    }
    for (int y = canvas.height() - 1; y >= 0; --y) {
        for (int x = 0; x < canvas.width(); ++x) {
            out.push_back(static_cast<char>(canvas.at(x, y)));
        }
        out.append(rowBytes - static_cast<std::uint32_t>(canvas.width()), '\0');
    }
    return out;
}

std::string encodeJpeg(const Canvas& canvas) {
    const int width = canvas.width();
    const int height = canvas.height();
    std::string out;
    out += "\xFF\xD8";
    // JFIF header.
    out += "\xFF\xE0";
    putBe16(out, 16);
    out.append("JFIF\0", 5);
    out += "\x01\x01";
    out.push_back('\0');
    putBe16(out, 1);
    putBe16(out, 1);
    out.append(2, '\0');
    // One quantisation table of eights: the DC coefficient (8 x block mean) quantises to the mean.
    out += "\xFF\xDB";
    putBe16(out, 67);
    out.push_back('\0');
    out.append(64, '\x08');
    // Frame: 8-bit samples, three components, each 1 x 1 sampled with table 0.
    out += "\xFF\xC0";
    putBe16(out, 17);
    out.push_back('\x08');
    putBe16(out, static_cast<unsigned>(height));
    putBe16(out, static_cast<unsigned>(width));
    out.push_back('\x03');
    for (char id = 1; id <= 3; ++id) {
        out.push_back(id);
        out.push_back('\x11');
        out.push_back('\0');
    }
    // Huffman tables: DC categories, and an AC table whose only symbol is end-of-block (code "0").
    out += "\xFF\xC4";
    putBe16(out, 2 + 17 + 12 + 17 + 1);
    out.push_back('\x00');
    for (const std::uint8_t b : kDcBits) {
        out.push_back(static_cast<char>(b));
    }
    for (char symbol = 0; symbol < 12; ++symbol) {
        out.push_back(symbol);
    }
    out.push_back('\x10');
    out.push_back('\x01');
    out.append(15, '\0');
    out.push_back('\0');
    // Scan header.
    out += "\xFF\xDA";
    putBe16(out, 12);
    out.push_back('\x03');
    for (char id = 1; id <= 3; ++id) {
        out.push_back(id);
        out.push_back('\0');
    }
    out.push_back('\0');
    out.push_back('\x3F');
    out.push_back('\0');

    const auto codes = canonicalDcCodes();
    const auto& colours = palette();
    BitWriter bits(out);
    std::array<int, 3> previous{0, 0, 0};
    for (int by = 0; by < (height + 7) / 8; ++by) {
        for (int bx = 0; bx < (width + 7) / 8; ++bx) {
            std::array<double, 3> sum{0, 0, 0};
            for (int y = 0; y < 8; ++y) {
                for (int x = 0; x < 8; ++x) {
                    const int sx = std::min(bx * 8 + x, width - 1);
                    const int sy = std::min(by * 8 + y, height - 1);
                    const Rgb c = colours[static_cast<std::size_t>(canvas.at(sx, sy))];
                    sum[0] += 0.299 * c.r + 0.587 * c.g + 0.114 * c.b;
                    sum[1] += -0.168736 * c.r - 0.331264 * c.g + 0.5 * c.b + 128.0;
                    sum[2] += 0.5 * c.r - 0.418688 * c.g - 0.081312 * c.b + 128.0;
                }
            }
            for (std::size_t k = 0; k < 3; ++k) {
                const int dc = std::clamp(static_cast<int>(std::lround(sum[k] / 64.0 - 128.0)), -128, 127);
                putDcDifference(bits, codes, dc - previous[k]);
                previous[k] = dc;
                bits.put(0, 1); // end of block
            }
        }
    }
    bits.flush();
    out += "\xFF\xD9";
    return out;
}

} // namespace demo
