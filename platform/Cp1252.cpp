#include "platform/Cp1252.h"

#include <algorithm>
#include <array>

namespace dbf::cp1252 {
namespace {

// Bytes 0x80-0x9F; every other byte has the code point of the same value.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char encodeChar(char32_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<char>(c);
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == c)
            return static_cast<char>(0x80 + i);
    }
    return '?';
}

} // namespace

QString decode(const char *bytes, qsizetype size)
{
    QString text;
    decode(bytes, size, text);
    return text;
}

void decode(const char *bytes, qsizetype size, QString &text)
{
    text.resize(size);
    QChar *out = text.data();
    for (qsizetype i = 0; i < size; ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        out[i] = (b >= 0x80 && b < 0xA0) ? QChar(kHighControls[b - 0x80]) : QChar(b);
    }
}

qsizetype encode(QStringView text, char *out, qsizetype maxBytes)
{
    // Most text is ASCII, one byte per character as it stands: that much is
    // copied without the checks below.
    const qsizetype plain = std::min(text.size(), maxBytes);
    qsizetype n = 0;
    while (n < plain && text[n].unicode() < 0x80) {
        out[n] = static_cast<char>(text[n].unicode());
        ++n;
    }
    for (qsizetype i = n; i < text.size() && n < maxBytes; ++i) {
        char32_t c = text[i].unicode();
        // A character beyond the basic plane is one character: one '?'.
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            c = QChar::surrogateToUcs4(text[i], text[i + 1]);
            ++i;
        }
        out[n++] = encodeChar(c);
    }
    return n;
}

QByteArray encode(QStringView text, qsizetype maxBytes)
{
    QByteArray bytes(std::min(text.size(), maxBytes), Qt::Uninitialized);
    bytes.truncate(encode(text, bytes.data(), bytes.size()));
    return bytes;
}

} // namespace dbf::cp1252
