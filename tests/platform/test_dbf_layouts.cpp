#include "import/TableLayouts.h"
#include "platform/Dbf.h"
#include "platform/FieldDef.h"
#include "tests/support/PyDbf.h"
#include "tests/support/QStringPrinter.h"
#include "tests/support/SolucLayout.h"
#include "tests/support/TempWinePrefix.h"

#include <QJsonArray>

#include <gtest/gtest.h>

using dbf::FieldDef;
using dbf::FieldType;
using dbf::Table;

namespace {

struct Layout {
    const char *table;
    std::vector<FieldDef> fields;
};

// The working tables the converter writes, and the timetable solution it reads.
const std::vector<Layout> kLayouts = {
    {"ASIGNOMT", centre_import::asignomtFields()},
    {"PROFT", centre_import::proftFields()},
    {"AULAT", centre_import::aulatFields()},
    {"CURSOST", centre_import::cursosFields()},
    {"CURSOST2", centre_import::cursosFields()},
    {"GRUPOST", centre_import::grupostFields()},
    {"MATIB", centre_import::matibFields()},
    {"ASIGT", centre_import::asigtFields()},
    {"DIASHORAST", centre_import::diashorastFields()},
    {"SOLUC", solucFields()},
};

// One row of values for every field: Catalan text longer than most widths,
// a logical, a negative whole number and a number with an exact fraction.
void fillRow(Table &table, const std::vector<FieldDef> &fields, int row)
{
    for (const FieldDef &f : fields) {
        switch (f.type) {
        case FieldType::String:
            table.setString(f.name, QStringLiteral("Çàèéíïòóúü·l·l %1 %2 ").arg(f.name).arg(row).repeated(4));
            break;
        case FieldType::Boolean:
            table.setBoolean(f.name, row % 2 == 0);
            break;
        case FieldType::Integer:
            table.setInteger(f.name, -123456789 + row);
            break;
        case FieldType::Float:
            table.setFloat(f.name, 1234.75 + row);
            break;
        }
    }
}

class DbfLayouts : public testing::TestWithParam<Layout> {};

} // namespace

// python3-dbf, an independent reader, sees the fields and values we wrote,
// including a row left blank.
TEST_P(DbfLayouts, PythonDbfReadsWhatWeWrite)
{
    const Layout &layout = GetParam();
    TempWinePrefix wine;
    Table table({}, QStringLiteral("C:\\VTEMP"), QString::fromLatin1(layout.table) + QStringLiteral(".DBF"), true);
    table.fieldDefs() = layout.fields;
    table.createTable();
    table.open();
    for (int row = 1; row <= 3; ++row) {
        table.append();
        if (row != 2)
            fillRow(table, layout.fields, row);
        table.post();
    }
    QList<QStringList> ours;
    for (table.first(); !table.eof(); table.next()) {
        QStringList values;
        for (const FieldDef &f : layout.fields)
            values << table.asString(f.name);
        ours << values;
    }
    table.close();

    const QJsonObject dump = readWithPythonDbf(table.localPath());
    EXPECT_EQ(dump.value(QStringLiteral("codepage")).toString().left(5), QStringLiteral("cp125"));
    const QJsonArray fields = dump.value(QStringLiteral("fields")).toArray();
    ASSERT_EQ(fields.size(), qsizetype(layout.fields.size()));
    for (std::size_t i = 0; i < layout.fields.size(); ++i) {
        const FieldDef &def = layout.fields[i];
        const QJsonObject field = fields[qsizetype(i)].toObject();
        const auto [type, length, decimals] =
            def.type == FieldType::String    ? std::tuple('C', def.width, 0)
            : def.type == FieldType::Boolean ? std::tuple('L', 1, 0)
            : def.type == FieldType::Integer ? std::tuple('N', 11, 0)
                                             : std::tuple('N', 20, 4);
        EXPECT_EQ(field.value(QStringLiteral("name")).toString(), def.name);
        EXPECT_EQ(field.value(QStringLiteral("type")).toString(), QString(QChar::fromLatin1(type))) << def.name.toStdString();
        EXPECT_EQ(field.value(QStringLiteral("length")).toInt(), length) << def.name.toStdString();
        EXPECT_EQ(field.value(QStringLiteral("decimals")).toInt(), decimals) << def.name.toStdString();
    }
    const QList<QStringList> theirs = pythonDbfRows(dump);
    ASSERT_EQ(theirs.size(), 3);
    EXPECT_EQ(theirs, ours);
    for (std::size_t i = 0; i < layout.fields.size(); ++i) {
        const FieldDef &def = layout.fields[i];
        const QString expected = def.type == FieldType::String
            ? QStringLiteral("Çàèéíïòóúü·l·l %1 3 ").arg(def.name).repeated(4).left(def.width).trimmed()
            : def.type == FieldType::Boolean ? QStringLiteral("False")
            : def.type == FieldType::Integer ? QStringLiteral("-123456786")
                                             : QStringLiteral("1237.75");
        EXPECT_EQ(theirs[2][qsizetype(i)], expected) << def.name.toStdString();
        EXPECT_EQ(theirs[1][qsizetype(i)], QString()) << def.name.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(WorkingTables, DbfLayouts, testing::ValuesIn(kLayouts),
                         [](const testing::TestParamInfo<Layout> &info) { return std::string(info.param.table); });
