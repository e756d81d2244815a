#include "platform/DbfValue.h"

#include "platform/DbfError.h"

#include <QCoreApplication>
#include <QDate>
#include <QDateTime>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <optional>
#include <string_view>

namespace dbf::value {
namespace {

std::string_view rawBytes(const FieldLayout &field, const char *record)
{
    return {record + field.offset, std::size_t(field.length)};
}

// Text fields are padded with blanks at the end (or zero bytes, by some engines).
std::string_view withoutPadding(std::string_view s)
{
    while (!s.empty() && (s.back() == ' ' || s.back() == '\0'))
        s.remove_suffix(1);
    return s;
}

std::string_view trimmed(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\0'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\0'))
        s.remove_suffix(1);
    return s;
}

bool allZero(std::string_view s)
{
    return std::all_of(s.begin(), s.end(), [](char c) { return c == '\0'; });
}

std::optional<double> parseNumber(std::string_view s)
{
    if (!s.empty() && s.front() == '+')
        s.remove_prefix(1);
    // Most numbers of the tables are small whole numbers (days, periods):
    // those are read without the general parser, exactly as it would.
    if (!s.empty() && s.size() <= 15 && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        long long whole = 0;
        for (const char c : s)
            whole = whole * 10 + (c - '0');
        return double(whole);
    }
    double v = 0;
    const auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (s.empty() || error != std::errc() || end != s.data() + s.size() || !std::isfinite(v))
        return std::nullopt;
    return v;
}

// dBase 7 binary fields are big-endian and transformed so that their bytes
// sort in numeric order: integers have the sign bit flipped, doubles have the
// sign bit flipped when positive and every bit inverted when negative.
std::uint64_t bigEndian(std::string_view s)
{
    std::uint64_t v = 0;
    for (char c : s)
        v = v << 8 | static_cast<unsigned char>(c);
    return v;
}

std::optional<long long> binaryLong(std::string_view s)
{
    if (s.size() != 4 || allZero(s))
        return std::nullopt;
    return static_cast<std::int32_t>(std::uint32_t(bigEndian(s)) ^ 0x80000000u);
}

std::optional<double> binaryDouble(std::string_view s)
{
    if (s.size() != 8 || allZero(s))
        return std::nullopt;
    std::uint64_t bits = bigEndian(s);
    bits = (bits & 0x8000000000000000ull) ? bits & ~0x8000000000000000ull : ~bits;
    double v;
    std::memcpy(&v, &bits, sizeof v);
    return v;
}

// Shortest decimal text that reads back as the same number, never exponent
// or "-0", into `text`, reusing its storage.
void writeShortestText(double v, QString &text)
{
    char buffer[400];
    char *const end = v == 0 ? std::copy_n("0", 1, buffer)
                                   : std::to_chars(buffer, buffer + sizeof buffer, v, std::chars_format::fixed).ptr;
    text.resize(end - buffer);
    std::transform(buffer, end, text.data(), [](char c) { return QChar::fromLatin1(c); });
}

QString shortestText(double v)
{
    QString text;
    writeShortestText(v, text);
    return text;
}

// The field as a number, nullopt when blank; throws when it holds no number.
std::optional<double> numeric(const FieldLayout &field, const char *record, const DbfCodePage &codePage,
                              const QString &path)
{
    const std::string_view raw = rawBytes(field, record);
    switch (field.type) {
    case 'I':
    case '+':
        if (const auto v = binaryLong(raw))
            return double(*v);
        return std::nullopt;
    case 'O':
        return binaryDouble(raw);
    case 'L':
        if (const QString t = text(field, record, codePage); !t.isEmpty())
            return t == QLatin1String("True") ? 1.0 : 0.0;
        return std::nullopt;
    default:
        break;
    }
    const std::string_view t = trimmed(raw);
    if (t.empty())
        return std::nullopt;
    if (const auto v = parseNumber(t))
        return v;
    throw DbfError(
        QCoreApplication::translate("DbfValue", "El campo %1 de la tabla %2 contiene \"%3\", que no es un número")
            .arg(field.name, path, text(field, record, codePage)));
}

[[noreturn]] void notWritable(const FieldLayout &field, const QString &path)
{
    throw DbfError(
        QCoreApplication::translate(
            "DbfValue",
            "No se puede escribir el campo %1 de la tabla %2: los campos de tipo %3 son aquí de solo lectura")
            .arg(field.name, path, QChar::fromLatin1(field.type)));
}

void store(const FieldLayout &field, char *record, std::string_view bytes, bool rightAligned)
{
    char *at = record + field.offset;
    std::memset(at, ' ', std::size_t(field.length));
    const std::size_t n = std::min(bytes.size(), std::size_t(field.length));
    // An empty value has no bytes to copy, and its data pointer may be null.
    if (n > 0)
        std::memcpy(rightAligned ? at + field.length - n : at, bytes.data(), n);
}

// `shown` gives the number as the message shows it, made only when the
// number does not fit: a table being filled stores many numbers.
template <typename Shown>
void storeNumberText(const FieldLayout &field, char *record, std::string_view digits, const Shown &shown,
                     const QString &path)
{
    if (digits.size() > std::size_t(field.length))
        throw DbfError(QCoreApplication::translate(
                           "DbfValue", "El valor %1 no cabe en el campo %2 (anchura %3, %4 decimales) de la tabla %5")
                           .arg(shown(), field.name)
                           .arg(field.length)
                           .arg(field.decimals)
                           .arg(path));
    store(field, record, digits, true);
}

bool isNumericType(char type) { return type == 'N' || type == 'F'; }

} // namespace

QString text(const FieldLayout &field, const char *record, const DbfCodePage &codePage)
{
    QString t;
    readText(field, record, codePage, t);
    return t;
}

void readText(const FieldLayout &field, const char *record, const DbfCodePage &codePage, QString &into)
{
    const std::string_view raw = rawBytes(field, record);
    switch (field.type) {
    case 'N':
    case 'F': {
        const std::string_view t = trimmed(raw);
        if (const auto v = parseNumber(t))
            writeShortestText(*v, into);
        else
            into = QString::fromLatin1(t.data(), qsizetype(t.size()));
        return;
    }
    case 'L':
        switch (raw.front()) {
        case 'T': case 't': case 'Y': case 'y':
            into = QStringLiteral("True");
            return;
        case 'F': case 'f': case 'N': case 'n':
            into = QStringLiteral("False");
            return;
        default:
            into.clear();
            return;
        }
    case 'D': {
        const QDate date = QDate::fromString(QString::fromLatin1(raw.data(), qsizetype(raw.size())),
                                             QStringLiteral("yyyyMMdd"));
        into = date.isValid() ? date.toString(Qt::ISODate) : QString();
        return;
    }
    case 'I':
    case '+':
        if (const auto v = binaryLong(raw))
            into = QString::number(*v);
        else
            into.clear();
        return;
    case 'O':
        if (const auto v = binaryDouble(raw))
            into = shortestText(*v);
        else
            into.clear();
        return;
    case '@': {
        // Milliseconds since the start of 1 January 0001, that day being day 1.
        // Written so that NaN, which fails every comparison, is refused too.
        const auto ms = binaryDouble(raw);
        if (!ms || !(*ms >= 0 && *ms <= 4e14)) {
            into.clear();
            return;
        }
        const auto total = static_cast<long long>(*ms);
        const QDate date = QDate(1, 1, 1).addDays(total / 86400000 - 1);
        into = QDateTime(date, QTime::fromMSecsSinceStartOfDay(int(total % 86400000))).toString(Qt::ISODate);
        return;
    }
    case 'M':
    case 'B':
    case 'G':
    case 'P':
        into.clear(); // memo contents live in another file and are not read
        return;
    default: {
        const std::string_view t = withoutPadding(raw);
        codePage.decode(t.data(), qsizetype(t.size()), into);
        return;
    }
    }
}

double number(const FieldLayout &field, const char *record, const DbfCodePage &codePage, const QString &path)
{
    return numeric(field, record, codePage, path).value_or(0.0);
}

long long wholeNumber(const FieldLayout &field, const char *record, const DbfCodePage &codePage, const QString &path)
{
    // Integer text is read exactly, beyond the 53 bits a double keeps.
    const std::string_view t = trimmed(rawBytes(field, record));
    long long whole = 0;
    if (field.type != 'I' && field.type != '+' && field.type != 'O' && !t.empty()) {
        const std::string_view digits = t.front() == '+' ? t.substr(1) : t;
        const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), whole);
        if (error == std::errc() && end == digits.data() + digits.size())
            return whole;
    }
    const double v = number(field, record, codePage, path);
    if (!(std::fabs(v) < 9.2e18))
        throw DbfError(QCoreApplication::translate(
                           "DbfValue", "El campo %1 de la tabla %2 contiene %3, que no es un número entero admitido")
                           .arg(field.name, path, shortestText(v)));
    return std::llrint(v); // halves to even, as the BDE rounds
}

bool boolean(const FieldLayout &field, const char *record, const DbfCodePage &codePage, const QString &path)
{
    if (field.type == 'L')
        return text(field, record, codePage) == QLatin1String("True");
    if (field.type == 'C') {
        const QString t = text(field, record, codePage).trimmed();
        if (t.isEmpty())
            return false;
        const QChar c = t.front().toUpper();
        if (c == u'T' || c == u'Y')
            return true;
        if (c == u'F' || c == u'N')
            return false;
        throw DbfError(QCoreApplication::translate(
                           "DbfValue", "El campo %1 de la tabla %2 contiene \"%3\", que no es un valor lógico")
                           .arg(field.name, path, t));
    }
    return number(field, record, codePage, path) != 0;
}

void setText(const FieldLayout &field, char *record, QStringView text, const DbfCodePage &codePage, const QString &path)
{
    if (field.type == 'C') {
        char *at = record + field.offset;
        const qsizetype n = codePage.encode(text, at, field.length);
        std::memset(at + n, ' ', std::size_t(field.length - n));
        return;
    }
    const QString t = text.trimmed().toString();
    if (t.isEmpty() && (isNumericType(field.type) || field.type == 'L')) {
        store(field, record, {}, false);
        return;
    }
    if (isNumericType(field.type)) {
        const QByteArray latin = t.toLatin1();
        const auto v = parseNumber({latin.constData(), std::size_t(latin.size())});
        if (!v)
            throw DbfError(
                QStringLiteral("\"%1\" no es un número para el campo %2 de la tabla %3").arg(t, field.name, path));
        setNumber(field, record, *v, path);
        return;
    }
    if (field.type == 'L') {
        const QChar c = t.front().toUpper();
        if (c != u'T' && c != u'Y' && c != u'F' && c != u'N')
            throw DbfError(QStringLiteral("\"%1\" no es un valor lógico para el campo %2 de la tabla %3")
                               .arg(t, field.name, path));
        setBoolean(field, record, c == u'T' || c == u'Y', path);
        return;
    }
    notWritable(field, path);
}

void setNumber(const FieldLayout &field, char *record, double number, const QString &path)
{
    if (field.type == 'L')
        return setBoolean(field, record, number != 0, path);
    if (!std::isfinite(number))
        throw DbfError(QCoreApplication::translate(
                           "DbfValue", "No se puede guardar un número no válido en el campo %1 de la tabla %2")
                           .arg(field.name, path));
    if (!isNumericType(field.type) && field.type != 'C')
        notWritable(field, path);
    if (field.type == 'C') {
        const QByteArray t = shortestText(number).toLatin1();
        return storeNumberText(field, record, {t.constData(), std::size_t(t.size())},
                                [&t] { return QString::fromLatin1(t); }, path);
    }
    char buffer[400];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, number, std::chars_format::fixed, field.decimals);
    std::string_view digits(buffer, std::size_t(result.ptr - buffer));
    // Rounding may leave "-0.00"; a negative zero is written as zero.
    if (digits.front() == '-' && digits.find_first_not_of("-0.") == std::string_view::npos)
        digits.remove_prefix(1);
    storeNumberText(field, record, digits, [number] { return shortestText(number); }, path);
}

void setWholeNumber(const FieldLayout &field, char *record, long long number, const QString &path)
{
    if (!isNumericType(field.type) && field.type != 'C')
        return setNumber(field, record, double(number), path);
    char buffer[64];
    char *end = std::to_chars(buffer, buffer + 24, number).ptr;
    if (isNumericType(field.type) && field.decimals > 0) {
        *end++ = '.';
        for (int i = 0; i < field.decimals && end < buffer + sizeof buffer; ++i)
            *end++ = '0';
    }
    const std::string_view digits(buffer, std::size_t(end - buffer));
    storeNumberText(field, record, digits, [number] { return QString::number(number); }, path);
}

void setBoolean(const FieldLayout &field, char *record, bool value, const QString &path)
{
    switch (field.type) {
    case 'L':
    case 'C':
        return store(field, record, value ? "T" : "F", false);
    case 'N':
    case 'F':
        return setWholeNumber(field, record, value ? 1 : 0, path);
    default:
        notWritable(field, path);
    }
}

} // namespace dbf::value
