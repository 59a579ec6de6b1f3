#include "app/glyphs.h"

#include <QImage>
#include <QPixmap>
#include <array>

namespace {

using Picture = std::array<const char*, 16>;

// One character per pixel: a hex digit names a colour of the 16-colour palette, '.' is clear.
constexpr std::array<QRgb, 16> kPalette = {
    0xFF000000, 0xFF800000, 0xFF008000, 0xFF808000, 0xFF000080, 0xFF800080, 0xFF008080, 0xFFC0C0C0,
    0xFF808080, 0xFFFF0000, 0xFF00FF00, 0xFFFFFF00, 0xFF0000FF, 0xFFFF00FF, 0xFF00FFFF, 0xFFFFFFFF,
};

constexpr Picture kOpenFolder = {
    "................", "................", "................", ".0000...........",
    "0BBBB0000000....", "0BBBBBBBBBBB0...", "0BBBBBBBBBBB0...", "0BBB00000000000.",
    "0BB0333333333330", "0B0333333333330.", "00333333333330..", "0000000000000...",
    "................", "................", "................", "................",
};

constexpr Picture kDiskette = {
    "................", ".00000000000000.", ".04FFFFFFFFFF40.", ".04FFFFFFFFFF40.",
    ".04F00000000F40.", ".04FFFFFFFFFF40.", ".04F00000000F40.", ".04FFFFFFFFFF40.",
    ".04444444444440.", ".04477777777440.", ".04477007777440.", ".04477007777440.",
    ".04477777777440.", ".00000000000000.", "................", "................",
};

constexpr Picture kPrinter = {
    "................", "....00000000....", "....0FFFFFF0....", "....0F0000F0....",
    "....0FFFFFF0....", "..000000000000..", ".0FFFFFFFFFFFF0.", ".0FFFFFFFFFF2F0.",
    ".0FFFFFFFFFFFF0.", ".00000000000000.", ".0F0000000000F0.", ".00FFFFFFFFFF00.",
    "...0FFFFFFFF0...", "...0000000000...", "................", "................",
};

QImage Paint(const Picture& picture) {
    QImage image(16, 16, QImage::Format_ARGB32);
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            // cppcheck takes the string's character for its address.
            // cppcheck-suppress AssignmentAddressToInteger
            const char c = picture[static_cast<std::size_t>(y)][x];
            const int index = c >= '0' && c <= '9'   ? c - '0'
                              : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                                     : -1;
            image.setPixel(x, y, index < 0 ? 0u : kPalette[static_cast<std::size_t>(index)]);
        }
    }
    return image;
}

}  // namespace

QIcon GlyphIcon(Glyph glyph) {
    switch (glyph) {
        case Glyph::OpenFolder:
            return QIcon(QPixmap::fromImage(Paint(kOpenFolder)));
        case Glyph::Diskette:
            return QIcon(QPixmap::fromImage(Paint(kDiskette)));
        case Glyph::Printer:
            return QIcon(QPixmap::fromImage(Paint(kPrinter)));
        case Glyph::None:
            break;
    }
    return {};
}
