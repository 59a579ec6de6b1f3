#include "qt_canvas/drawing_text.h"

#include <QStringDecoder>
#include <array>
#include <optional>

namespace {

constexpr std::size_t kTextLimit = 255;

// Windows-1252 differs from Latin-1 in 0x80..0x9F; its five unassigned bytes stay as they are.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

std::optional<QString> Utf8(std::string_view bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
    if (decoder.hasError()) {
        return std::nullopt;
    }
    return text;
}

// The length of a UTF-8 sequence that its lead byte announces, or 0 for no lead byte.
std::size_t SequenceLength(unsigned char lead) {
    return lead >= 0xF0 && lead <= 0xF4  ? 4
           : lead >= 0xE0                ? 3
           : lead >= 0xC2 && lead < 0xE0 ? 2
                                         : 0;
}

}  // namespace

QString DrawingText(std::string_view bytes) {
    if (const auto text = Utf8(bytes)) {
        return *text;
    }
    if (bytes.size() == kTextLimit) {
        // Up to three bytes at the end may be the start of a character the limit cut.
        for (std::size_t cut = 1; cut <= 3 && cut < bytes.size(); ++cut) {
            const auto lead = static_cast<unsigned char>(bytes[bytes.size() - cut]);
            if ((lead & 0xC0) == 0x80) {
                continue;
            }
            if (SequenceLength(lead) > cut) {
                if (const auto text = Utf8(bytes.substr(0, bytes.size() - cut))) {
                    return *text;
                }
            }
            break;
        }
    }
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size()));
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        text += byte >= 0x80 && byte < 0xA0 ? QChar(kHighControls[byte - 0x80]) : QChar(byte);
    }
    return text;
}
