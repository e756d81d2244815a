#include "platform/DbfCodePage.h"

#include "platform/Cp1252.h"

#include <algorithm>
#include <array>
#include <utility>

namespace dbf {
namespace {

// Language driver bytes of dBase, FoxPro and the BDE and the code pages they name.
constexpr std::array<std::pair<std::uint8_t, const char *>, 62> kDrivers = {{
    {0x01, "IBM437"}, {0x02, "IBM850"}, {0x03, "windows-1252"}, {0x04, "macintosh"},
    {0x08, "IBM865"}, {0x09, "IBM437"}, {0x0A, "IBM850"}, {0x0B, "IBM437"},
    {0x0D, "IBM437"}, {0x0E, "IBM850"}, {0x0F, "IBM437"}, {0x10, "IBM850"},
    {0x11, "IBM437"}, {0x12, "IBM850"}, {0x13, "Shift_JIS"}, {0x14, "IBM850"},
    {0x15, "IBM437"}, {0x16, "IBM850"}, {0x17, "IBM865"}, {0x18, "IBM437"},
    {0x19, "IBM437"}, {0x1A, "IBM850"}, {0x1B, "IBM437"}, {0x1C, "IBM863"},
    {0x1D, "IBM850"}, {0x1F, "IBM852"}, {0x22, "IBM852"}, {0x23, "IBM852"},
    {0x24, "IBM860"}, {0x25, "IBM850"}, {0x26, "IBM866"}, {0x37, "IBM850"},
    {0x40, "IBM852"}, {0x4D, "GBK"}, {0x4E, "windows-949"}, {0x4F, "Big5"},
    {0x50, "windows-874"}, {0x57, "windows-1252"}, {0x58, "windows-1252"}, {0x59, "windows-1252"},
    {0x64, "IBM852"}, {0x65, "IBM866"}, {0x66, "IBM865"}, {0x67, "IBM861"},
    {0x6A, "IBM737"}, {0x6B, "IBM857"}, {0x78, "Big5"}, {0x79, "windows-949"},
    {0x7A, "GBK"}, {0x7B, "Shift_JIS"}, {0x7C, "windows-874"}, {0x7D, "windows-1255"},
    {0x7E, "windows-1256"}, {0x86, "IBM737"}, {0x87, "IBM852"}, {0x88, "IBM857"},
    {0xC8, "windows-1250"}, {0xC9, "windows-1251"}, {0xCA, "windows-1254"}, {0xCB, "windows-1253"},
    {0xCC, "windows-1257"}, {0x96, "x-mac-cyrillic"},
}};

const char *codecName(std::uint8_t languageDriver)
{
    for (const auto &[id, name] : kDrivers) {
        if (id == languageDriver)
            return name;
    }
    return "windows-1252";
}

} // namespace

DbfCodePage::DbfCodePage(std::uint8_t languageDriver)
{
    const QByteArray name = codecName(languageDriver);
    if (name == "windows-1252")
        return;
    m_decoder = QStringDecoder(name.constData());
    m_encoder = QStringEncoder(name.constData());
    // A page this Qt build cannot convert is read as 1252 rather than refused.
    m_is1252 = !m_decoder.isValid() || !m_encoder.isValid();
}

QString DbfCodePage::decode(const char *bytes, qsizetype size) const
{
    QString text;
    decode(bytes, size, text);
    return text;
}

void DbfCodePage::decode(const char *bytes, qsizetype size, QString &text) const
{
    if (m_is1252)
        return cp1252::decode(bytes, size, text);
    m_decoder.resetState();
    text = m_decoder.decode(QByteArrayView(bytes, size));
}

qsizetype DbfCodePage::encode(QStringView text, char *out, qsizetype maxBytes) const
{
    if (m_is1252)
        return cp1252::encode(text, out, maxBytes);
    // Character by character, so that a multi-byte character is never cut in two.
    QByteArray bytes;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype n = (text[i].isHighSurrogate() && i + 1 < text.size()) ? 2 : 1;
        m_encoder.resetState();
        QByteArray one = m_encoder.encode(text.mid(i, n));
        if (m_encoder.hasError() || one.isEmpty())
            one = "?";
        if (bytes.size() + one.size() > maxBytes)
            break;
        bytes += one;
        i += n - 1;
    }
    std::copy(bytes.cbegin(), bytes.cend(), out);
    return bytes.size();
}

} // namespace dbf
