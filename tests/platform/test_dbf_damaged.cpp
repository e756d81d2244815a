#include "platform/Dbf.h"
#include "platform/DbfError.h"
#include "platform/FieldDef.h"
#include "tests/support/TempWinePrefix.h"

#include <QFile>

#include <gtest/gtest.h>

#include <functional>

using dbf::DbfError;
using dbf::FieldType;
using dbf::Table;

namespace {

// Our three-record table: NOM C(10), QTY N(11,0); header 32 + 2*32 + 1 = 97
// bytes, records of 22 bytes.
QByteArray goodTable(const TempWinePrefix &wine)
{
    Table table({}, QStringLiteral("C:\\VTEMP"), QStringLiteral("BASE.DBF"), true);
    table.fieldDefs() = {{QStringLiteral("NOM"), FieldType::String, 10}, {QStringLiteral("QTY"), FieldType::Integer, 0}};
    table.createTable();
    table.open();
    for (int i = 1; i <= 3; ++i) {
        table.append();
        table.setString(QStringLiteral("NOM"), QStringLiteral("ROW%1").arg(i));
        table.setInteger(QStringLiteral("QTY"), i);
        table.post();
    }
    table.close();
    QFile file(wine.vtempFile(QStringLiteral("BASE.DBF")));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return file.readAll();
}

void setLe(QByteArray &bytes, int at, unsigned value, int size)
{
    for (int i = 0; i < size; ++i)
        bytes[at + i] = char(value >> (8 * i) & 0xFF);
}

struct DamageCase {
    const char *name;
    std::function<void(QByteArray &)> damage;
    int records;          // live records read, or -1 when opening must fail
    const char *message;  // part of the error
};

const DamageCase kCases[] = {
    {"empty file", [](QByteArray &b) { b.clear(); }, -1, "no es una tabla dBase"},
    {"truncated header", [](QByteArray &b) { b.truncate(20); }, -1, "no es una tabla dBase"},
    {"header cut in the descriptors", [](QByteArray &b) { b.truncate(50); }, -1, "dañado"},
    {"text file", [](QByteArray &b) { b = "<?xml version=\"1.0\"?>\n<CENTRE/>\n" + QByteArray(200, ' '); }, -1, "no es una tabla dBase"},
    {"FoxPro table", [](QByteArray &b) { b[0] = char(0x30); }, -1, "no es una tabla dBase"},
    {"header length beyond the file", [](QByteArray &b) { setLe(b, 8, 60000, 2); }, -1, "longitud de la cabecera"},
    {"header length too small", [](QByteArray &b) { setLe(b, 8, 12, 2); }, -1, "longitud de la cabecera"},
    {"record length zero", [](QByteArray &b) { setLe(b, 10, 0, 2); }, -1, "longitud del registro"},
    {"fields overflow the record", [](QByteArray &b) { setLe(b, 10, 15, 2); }, -1, "no caben"},
    {"field width overflows", [](QByteArray &b) { b[32 + 32 + 16] = char(250); }, -1, "no caben"},
    {"field without width", [](QByteArray &b) { b[32 + 16] = 0; }, -1, "no tiene nombre o anchura"},
    {"no field at all", [](QByteArray &b) { b[32] = 0x0D; }, -1, "ningún campo"},
    {"record count beyond the file", [](QByteArray &b) { setLe(b, 4, 1000, 4); }, 3, nullptr},
    {"record count at its maximum", [](QByteArray &b) { setLe(b, 4, 0xFFFFFFFF, 4); }, 3, nullptr},
    {"last record cut short", [](QByteArray &b) { b.truncate(97 + 22 * 2 + 5); }, 2, nullptr},
    {"records missing entirely", [](QByteArray &b) { b.truncate(97); }, 0, nullptr},
    {"no header terminator", [](QByteArray &b) { b[96] = 'X'; }, 3, nullptr},
    {"header length inside the descriptors", [](QByteArray &b) { setLe(b, 8, 70, 2); }, -1, "la cabecera se corta"},
    {"header length between two descriptors", [](QByteArray &b) { setLe(b, 8, 64, 2); }, -1, "la cabecera se corta"},
    {"records of NUL bytes", [](QByteArray &b) { b.replace(97, 22 * 3, QByteArray(22 * 3, '\0')); }, -1, "el registro 1 no"},
    {"third record without its flag", [](QByteArray &b) { b[97 + 22 * 2] = 'R'; }, -1, "el registro 3 no"},
    {"deleted record", [](QByteArray &b) { b[97 + 22] = '*'; }, 2, nullptr},
    {"record longer than its fields", [](QByteArray &b) { setLe(b, 10, 30, 2); }, 2, nullptr},
    {"dBase III header marked as dBase 7", [](QByteArray &b) { b[0] = 0x04; }, -1, "dañado"},
    {"text in a number", [](QByteArray &b) { b.replace(97 + 11, 11, "        abc"); }, 3, nullptr},
};

void PrintTo(const DamageCase &c, std::ostream *os) { *os << c.name; }

class DbfDamaged : public testing::TestWithParam<DamageCase> {};

} // namespace

// A damaged file gives an error naming it, or only the records really there;
// every value of those records reads without running out of the file.
TEST_P(DbfDamaged, ErrorOrOnlyWhatIsThere)
{
    const DamageCase &c = GetParam();
    TempWinePrefix wine;
    QByteArray bytes = goodTable(wine);
    c.damage(bytes);
    const QString path = wine.vtempFile(QStringLiteral("DAMAGED.DBF"));
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    Table table({}, QStringLiteral("C:\\VTEMP"), QStringLiteral("DAMAGED"), true);
    if (c.records < 0) {
        try {
            table.open();
            FAIL() << "opened";
        } catch (const DbfError &e) {
            EXPECT_TRUE(e.message().startsWith(QStringLiteral("No se puede abrir la tabla C:\\VTEMP\\DAMAGED.DBF: ")))
                << e.message().toStdString();
            EXPECT_TRUE(e.message().contains(QString::fromUtf8(c.message))) << e.message().toStdString();
        }
        EXPECT_FALSE(table.isOpen());
        return;
    }
    table.open();
    EXPECT_EQ(table.recordCount(), c.records);
    int seen = 0;
    for (table.first(); !table.eof(); table.next(), ++seen) {
        for (const dbf::FieldDef &f : table.fields()) {
            (void)table.asString(f.name);
            try {
                (void)table.asFloat(f.name);
                (void)table.asInteger(f.name);
                (void)table.asBoolean(f.name);
            } catch (const DbfError &e) {
                EXPECT_TRUE(e.message().contains(QStringLiteral("C:\\VTEMP\\DAMAGED.DBF"))) << e.message().toStdString();
            }
        }
    }
    EXPECT_EQ(seen, c.records);
    // Appending to a table whose header claimed more than it held writes
    // after the records really there.
    table.append();
    table.post();
    EXPECT_EQ(table.recordCount(), c.records + 1);
}

INSTANTIATE_TEST_SUITE_P(Files, DbfDamaged, testing::ValuesIn(kCases), [](const testing::TestParamInfo<DamageCase> &info) {
    std::string name = info.param.name;
    std::replace(name.begin(), name.end(), ' ', '_');
    return name;
});
