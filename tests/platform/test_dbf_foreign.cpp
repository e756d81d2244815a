#include "platform/Dbf.h"
#include "platform/FieldDef.h"
#include "tests/support/QStringPrinter.h"
#include "tests/support/TempWinePrefix.h"

#include <QFile>
#include <QProcess>

#include <functional>

#include <gtest/gtest.h>

using dbf::FieldType;
using dbf::Table;

namespace {

// One row's values, joined by '|'.
QString joined(const QStringList &fields, const std::function<QString(const QString &)> &value)
{
    QStringList values;
    for (const QString &f : fields)
        values << value(f);
    return values.join(u'|');
}

QStringList rowsOf(Table &table, const QStringList &fields)
{
    QStringList rows;
    for (table.first(); !table.eof(); table.next())
        rows << joined(fields, [&](const QString &f) { return table.asString(f); });
    return rows;
}

// A dBase III table written by python3-dbf: C, N, F, L and D fields, a
// deleted record and a blank one.
QByteArray pythonDbaseIII(const QString &path)
{
    const char *script = R"(
import dbf, datetime, sys
t = dbf.Table(sys.argv[1], 'NOM C(12); QTY N(5,0); PREU F(9,3); OK L; DATA D', dbf_type='db3', codepage='cp1252')
t.open(dbf.READ_WRITE)
t.append(('Caçà l·l', 12, -2.5, True, datetime.date(2024, 9, 15)))
t.append(('esborrat', 1, 1.0, False, None))
t.append(())
t.append(('Últim', -40, 1234.125, False, None))
with t[1] as r:
    dbf.delete(r)
t.close()
)";
    QProcess python;
    python.start(QStringLiteral("/usr/bin/python3"), {QStringLiteral("-c"), QString::fromUtf8(script), path});
    EXPECT_TRUE(python.waitForFinished(60000));
    EXPECT_EQ(python.exitCode(), 0) << python.readAllStandardError().toStdString();
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return file.readAll();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray le(unsigned value, int size)
{
    QByteArray bytes;
    for (int i = 0; i < size; ++i)
        bytes.append(char(value >> (8 * i) & 0xFF));
    return bytes;
}

// A dBase 7 table with memo, built byte by byte: 68-byte header with the
// language driver name, 48-byte descriptors, a field-properties area.
QByteArray handMadeDbase7()
{
    struct Field {
        const char *name;
        char type;
        int length;
    };
    const Field fields[] = {{"NOM", 'C', 10}, {"NUM", 'I', 4}, {"VAL", 'O', 8},
                            {"AUTO", '+', 4}, {"MOMENT", '@', 8}, {"NOTES", 'M', 10}};
    const QByteArray properties(20, '\0');
    const int headerLength = 68 + 48 * 6 + 1 + int(properties.size());
    const int recordLength = 1 + 10 + 4 + 8 + 4 + 8 + 10;
    QByteArray file(68, '\0');
    file[0] = char(0x8C);
    file.replace(1, 3, QByteArray::fromHex("7c090f"));
    file.replace(4, 4, le(4, 4));
    file.replace(8, 2, le(unsigned(headerLength), 2));
    file.replace(10, 2, le(unsigned(recordLength), 2));
    file[29] = char(0x57);
    file.replace(32, 8, "DBWINUS0");
    for (const Field &f : fields) {
        QByteArray descriptor(48, '\0');
        descriptor.replace(0, int(qstrlen(f.name)), f.name);
        descriptor[32] = f.type;
        descriptor[33] = char(f.length);
        file += descriptor;
    }
    file += '\x0D';
    file += properties;
    const auto record = [](char flag, const char *name, const char *num, const char *val, const char *autoinc,
                           const char *notes) {
        return flag + QByteArray(name).leftJustified(10, ' ') + QByteArray::fromHex(num) + QByteArray::fromHex(val)
               + QByteArray::fromHex(autoinc) + QByteArray(8, '\0') + QByteArray(notes).rightJustified(10, ' ');
    };
    file += record(' ', "Jaume", "8000002a", "c00a000000000000", "80000001", "1");
    file += record('*', "Esborrat", "80000000", "c000000000000000", "80000002", "");
    file += record(' ', "Ona", "7ffffff9", "401fffffffffffff", "80000003", "");
    file += record(' ', "", "00000000", "0000000000000000", "80000004", "");
    file += '\x1A';
    return file;
}

} // namespace

// Whatever dBase level and language driver the header carries, the values read
// the same; a code page other than 1252 is decoded by its own table.
TEST(DbfForeign, ReadsPythonDbfTablesWithAnyHeaderLevel)
{
    TempWinePrefix wine;
    const QByteArray original = pythonDbaseIII(wine.vtempFile(QStringLiteral("P3.DBF")));
    ASSERT_GT(original.size(), 32);
    struct Case {
        unsigned char version, languageDriver;
        const char *firstName, *lastName;
    };
    const Case cases[] = {
        {0x03, 0x03, "Caçà l·l", "Últim"}, {0x8B, 0x58, "Caçà l·l", "Últim"}, {0x83, 0x59, "Caçà l·l", "Últim"},
        {0x03, 0x00, "Caçà l·l", "Últim"}, {0x03, 0x57, "Caçà l·l", "Últim"}, {0x03, 0xC8, "Caçŕ l·l", "Últim"},
        {0x03, 0x02, "CaþÓ lÀl", "┌ltim"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << int(c.version) << ' ' << int(c.languageDriver));
        QByteArray bytes = original;
        bytes[0] = char(c.version);
        bytes[29] = char(c.languageDriver);
        writeFile(wine.vtempFile(QStringLiteral("P3V.DBF")), bytes);
        Table table({}, QStringLiteral("C:\\VTEMP"), QStringLiteral("P3V"), false);
        table.open();
        ASSERT_EQ(table.recordCount(), 3);
        const QStringList expected = {QString::fromUtf8(c.firstName) + QStringLiteral("|12|-2.5|True|2024-09-15"),
                                      QStringLiteral("||||"),
                                      QString::fromUtf8(c.lastName)
                                          + QStringLiteral("|-40|1234.125|False|")};
        EXPECT_EQ(rowsOf(table, {"NOM", "QTY", "PREU", "OK", "DATA"}), expected);
        table.last();
        EXPECT_EQ(table.asInteger(QStringLiteral("QTY")), -40);
        EXPECT_DOUBLE_EQ(table.asFloat(QStringLiteral("PREU")), 1234.125);
        EXPECT_FALSE(table.asBoolean(QStringLiteral("OK")));
        table.prior();
        EXPECT_EQ(table.asInteger(QStringLiteral("QTY")), 0);
        EXPECT_EQ(table.asFloat(QStringLiteral("PREU")), 0.0);
    }
}

TEST(DbfForeign, FieldsReportTheStoredTypes)
{
    TempWinePrefix wine;
    pythonDbaseIII(wine.vtempFile(QStringLiteral("P3.DBF")));
    Table table({}, QStringLiteral("C:\\VTEMP"), QStringLiteral("P3"), false);
    table.open();
    const std::vector<dbf::FieldDef> fields = table.fields();
    ASSERT_EQ(fields.size(), 5u);
    const std::vector<std::pair<FieldType, int>> expected = {
        {FieldType::String, 12}, {FieldType::Integer, 0}, {FieldType::Float, 0}, {FieldType::Boolean, 0}, {FieldType::String, 8}};
    for (std::size_t i = 0; i < fields.size(); ++i) {
        EXPECT_EQ(fields[i].type, expected[i].first) << i;
        EXPECT_EQ(fields[i].width, expected[i].second) << i;
    }
}

TEST(DbfForeign, ReadsBinaryFieldsOfDbase7)
{
    TempWinePrefix wine;
    writeFile(wine.vtempFile(QStringLiteral("SOLUC.DBF")), handMadeDbase7());
    Table table(QStringLiteral("wwTableSoluc"), QStringLiteral("\\vtemp"), QStringLiteral("SOLUC"), true);
    table.open();
    EXPECT_EQ(table.recordCount(), 3);
    EXPECT_EQ(rowsOf(table, {"NOM", "NUM", "VAL", "AUTO", "MOMENT", "NOTES"}),
              (QStringList{"Jaume|42|3.25|1||", "Ona|-7|-0.5|3||", "|||4||"}));
    table.first();
    EXPECT_EQ(table.asInteger(QStringLiteral("NUM")), 42);
    EXPECT_DOUBLE_EQ(table.asFloat(QStringLiteral("VAL")), 3.25);
    table.next();
    EXPECT_EQ(table.asInteger(QStringLiteral("num")), -7);
    EXPECT_DOUBLE_EQ(table.asFloat(QStringLiteral("VAL")), -0.5);
    EXPECT_TRUE(table.locate(QStringLiteral("AUTO"), QStringLiteral("4")));
    EXPECT_EQ(table.asInteger(QStringLiteral("NUM")), 0);
    EXPECT_EQ(table.asFloat(QStringLiteral("VAL")), 0.0);
    EXPECT_FALSE(table.locate(QStringLiteral("NOM"), QStringLiteral("Esborrat")));
}
