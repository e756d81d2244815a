#include "platform/DbfLayout.h"

#include "platform/DbfError.h"

#include <algorithm>

#include <QCoreApplication>

namespace dbf {
namespace {

constexpr int kHeaderSize = 32;        // dBase III+ / IV / 5
constexpr int kLevel7HeaderSize = 68;  // dBase 7
constexpr int kDescriptorSize = 32;
constexpr int kLevel7DescriptorSize = 48;
constexpr char kHeaderEnd = 0x0D;
constexpr char kFileEnd = 0x1A;
constexpr char kLive = ' ';
constexpr char kDeleted = '*';
constexpr std::uint8_t kLanguageDriver1252 = 0x57; // the BDE's default ANSI driver

unsigned byteAt(const QByteArray &data, qsizetype i) { return static_cast<unsigned char>(data[i]); }
unsigned le16(const QByteArray &data, qsizetype i) { return byteAt(data, i) | byteAt(data, i + 1) << 8; }
std::uint32_t le32(const QByteArray &data, qsizetype i)
{
    return le16(data, i) | std::uint32_t(le16(data, i + 2)) << 16;
}

void putLe16(QByteArray &data, qsizetype i, unsigned v)
{
    data[i] = char(v & 0xFF);
    data[i + 1] = char(v >> 8 & 0xFF);
}

void putLe32(QByteArray &data, qsizetype i, std::uint32_t v)
{
    putLe16(data, i, v & 0xFFFF);
    putLe16(data, i + 2, v >> 16);
}

void putDate(QByteArray &data, qsizetype i, QDate date)
{
    data[i] = char(std::clamp(date.year() - 1900, 0, 255));
    data[i + 1] = char(date.month());
    data[i + 2] = char(date.day());
}

[[noreturn]] void damaged(const QString &path, const QString &what)
{
    throw DbfError(
        QCoreApplication::translate("DbfLayout", "No se puede abrir la tabla %1: el archivo está dañado (%2)")
            .arg(path, what));
}

// Level 3 is dBase III+/IV/5, level 4 dBase 7; the high bit and bit 3 only
// say that a memo file goes with the table. FoxPro and SQL tables set other bits.
int levelOf(std::uint8_t version)
{
    if ((version & 0x70) != 0)
        return 0;
    const int level = version & 0x07;
    return (level == 3 || level == 4) ? level : 0;
}

QString fieldName(const QByteArray &file, qsizetype at, int maxLength)
{
    int n = 0;
    while (n < maxLength && file[at + n] != '\0')
        ++n;
    return QString::fromLatin1(file.constData() + at, n).trimmed();
}

struct StoredType {
    char letter;
    int length;
    int decimals;
};

StoredType storedType(const FieldDef &def, const QString &path)
{
    switch (def.type) {
    case FieldType::Boolean:
        return {'L', 1, 0};
    case FieldType::Integer:
        return {'N', 11, 0}; // what the BDE makes of a 32-bit integer at dBase IV level
    case FieldType::Float:
        return {'N', 20, 4}; // and of a floating-point number
    case FieldType::String:
        break;
    }
    if (def.width < 1 || def.width > 254)
        throw DbfError(QCoreApplication::translate(
                           "DbfLayout",
                           "No se puede crear la tabla %1: el campo %2 tiene una anchura de %3 (se admite de 1 a 254)")
                           .arg(path, def.name)
                           .arg(def.width));
    return {'C', def.width, 0};
}

} // namespace

TableLayout readLayout(const QByteArray &file, qint64 fileSize, const QString &path)
{
    Q_ASSERT(file.size() >= std::min<qint64>(fileSize, kLongestHeader));
    if (fileSize < kHeaderSize)
        throw DbfError(
            QCoreApplication::translate(
                "DbfLayout", "No se puede abrir la tabla %1: no es una tabla dBase (el archivo es demasiado corto)")
                .arg(path));
    TableLayout layout;
    layout.version = std::uint8_t(byteAt(file, 0));
    const int level = levelOf(layout.version);
    if (level == 0)
        throw DbfError(
            QCoreApplication::translate("DbfLayout", "No se puede abrir la tabla %1: no es una tabla dBase").arg(path));
    const int headerSize = level == 4 ? kLevel7HeaderSize : kHeaderSize;
    const int descriptorSize = level == 4 ? kLevel7DescriptorSize : kDescriptorSize;
    if (fileSize < headerSize)
        damaged(path, QCoreApplication::translate("DbfLayout", "la cabecera está incompleta"));

    const std::uint32_t claimedRecords = le32(file, 4);
    layout.headerLength = int(le16(file, 8));
    layout.recordLength = int(le16(file, 10));
    layout.hasProductionIndex = byteAt(file, 28) == 0x01;
    layout.languageDriver = std::uint8_t(byteAt(file, 29));
    if (layout.headerLength < headerSize + descriptorSize || layout.headerLength > fileSize)
        damaged(path, QCoreApplication::translate("DbfLayout", "la longitud de la cabecera no corresponde al archivo"));
    if (layout.recordLength < 2)
        damaged(path, QCoreApplication::translate("DbfLayout", "la longitud del registro es incorrecta"));

    int offset = 1; // after the deletion flag
    qsizetype at = headerSize;
    for (; at + descriptorSize <= layout.headerLength && file[at] != kHeaderEnd; at += descriptorSize) {
        FieldLayout field;
        if (level == 4) {
            field.name = fieldName(file, at, 32);
            field.type = file[at + 32];
            field.length = int(byteAt(file, at + 33));
            field.decimals = int(byteAt(file, at + 34));
            field.indexed = byteAt(file, at + 37) == 0x01;
        } else {
            field.name = fieldName(file, at, 11);
            field.type = file[at + 11];
            field.length = int(byteAt(file, at + 16));
            field.decimals = int(byteAt(file, at + 17));
            field.indexed = byteAt(file, at + 31) == 0x01;
        }
        if (field.name.isEmpty() || field.length == 0)
            damaged(path,
                    QCoreApplication::translate("DbfLayout", "el campo %1 no tiene nombre o anchura")
                        .arg(layout.fields.size() + 1));
        field.offset = offset;
        offset += field.length;
        if (offset > layout.recordLength)
            damaged(path, QCoreApplication::translate("DbfLayout", "los campos no caben en la longitud del registro"));
        layout.fields.push_back(field);
    }
    if (layout.fields.empty())
        damaged(path, QCoreApplication::translate("DbfLayout", "no hay ningún campo definido"));
    // A header that ends before its terminator and whose fields leave part of
    // the record undescribed was cut short: the fields after the cut would
    // read as missing, and the records from the wrong place.
    const bool terminated = at < layout.headerLength && file[at] == kHeaderEnd;
    if (!terminated && offset < layout.recordLength)
        damaged(path,
                QCoreApplication::translate("DbfLayout", "la cabecera se corta antes del final de la lista de campos"));

    // The header's count is authoritative, but only complete records are read.
    const qint64 present = (fileSize - layout.headerLength) / layout.recordLength;
    layout.recordCount = std::uint32_t(std::min<qint64>(claimedRecords, present));
    layout.countedRecords = claimedRecords;
    return layout;
}

// Every record starts with a blank (live) or '*' (deleted). Anything else
// (a run of NUL bytes, records read from the wrong offset) is no record at
// all: reading such a table as empty or as garbage would pass damage on.
void requireDeletionFlags(const char *records, std::uint32_t first, std::uint32_t count, int recordLength,
                          const QString &path)
{
    for (std::uint32_t i = 0; i < count; ++i) {
        const char flag = records[qsizetype(i) * recordLength];
        if (flag != kLive && flag != kDeleted)
            throw DbfError(
                QCoreApplication::translate("DbfLayout",
                                            "No se puede abrir la tabla %1: el archivo está dañado (el registro %2 no "
                                            "empieza con la marca de registro vigente o borrado)")
                    .arg(path)
                    .arg(first + i + 1));
    }
}

QByteArray newTableFile(const std::vector<FieldDef> &defs, int indexedField, QDate today, const QString &path)
{
    if (defs.empty() || defs.size() > 255)
        throw DbfError(
            QCoreApplication::translate("DbfLayout", "No se puede crear la tabla %1: necesita de 1 a 255 campos")
                .arg(path));
    const int headerLength = kHeaderSize + kDescriptorSize * int(defs.size()) + 1;
    QByteArray file(headerLength + 1, '\0');
    int recordLength = 1;
    for (std::size_t i = 0; i < defs.size(); ++i) {
        const FieldDef &def = defs[i];
        const QByteArray name = def.name.toUpper().toLatin1();
        if (name.isEmpty() || name.size() > 10 || def.name.toUpper() != QString::fromLatin1(name))
            throw DbfError(QCoreApplication::translate(
                               "DbfLayout", "No se puede crear la tabla %1: \"%2\" no es un nombre de campo válido")
                               .arg(path, def.name));
        const StoredType stored = storedType(def, path);
        const qsizetype at = kHeaderSize + kDescriptorSize * qsizetype(i);
        std::copy(name.begin(), name.end(), file.begin() + at);
        file[at + 11] = stored.letter;
        file[at + 16] = char(stored.length);
        file[at + 17] = char(stored.decimals);
        file[at + 31] = char(int(i) == indexedField ? 0x01 : 0x00);
        recordLength += stored.length;
    }
    if (recordLength > 0xFFFF)
        throw DbfError(
            QCoreApplication::translate("DbfLayout", "No se puede crear la tabla %1: el registro es demasiado largo")
                .arg(path));
    file[0] = 0x03; // dBase IV without memo
    putDate(file, 1, today);
    putLe16(file, 8, unsigned(headerLength));
    putLe16(file, 10, unsigned(recordLength));
    file[28] = char(indexedField >= 0 ? 0x01 : 0x00);
    file[29] = char(kLanguageDriver1252);
    file[headerLength - 1] = kHeaderEnd;
    file[headerLength] = kFileEnd;
    return file;
}

QByteArray headerUpdate(QDate today, std::uint32_t recordCount)
{
    QByteArray bytes(7, '\0');
    putDate(bytes, 0, today);
    putLe32(bytes, 3, recordCount);
    return bytes;
}

void setUpdatedCount(QByteArray &update, std::uint32_t recordCount) { putLe32(update, 3, recordCount); }

} // namespace dbf
