// The look-up the export asks for every session: over a table of many codes,
// each code finds the first record that holds it, and nothing else does.
#include "export/FirstMatchIndex.h"
#include "platform/Dbf.h"
#include "platform/FieldDef.h"
#include "tests/support/QStringPrinter.h"
#include "tests/support/TempWinePrefix.h"

#include <gtest/gtest.h>

using timetable_export::FirstMatchIndex;

namespace {

// ABREV, CODI rows: a thousand codes (many more than share a slot of the
// index), then the same codes again with other values, and a row without code.
void writeRooms(int codes)
{
    dbf::Table table({}, QStringLiteral("C:\\VTEMP"), QStringLiteral("AULAT"), true);
    table.fieldDefs() = {{QStringLiteral("ABREV"), dbf::FieldType::String, 10},
                         {QStringLiteral("CODI"), dbf::FieldType::String, 20}};
    table.createTable();
    table.open();
    const auto row = [&table](const QString &abrev, const QString &codi) {
        table.append();
        table.setString(QStringLiteral("ABREV"), abrev);
        table.setString(QStringLiteral("CODI"), codi);
        table.post();
    };
    for (int i = 0; i < codes; ++i)
        row(QStringLiteral("A%1").arg(i), QStringLiteral("first-%1").arg(i));
    for (int i = 0; i < codes; ++i)
        row(QStringLiteral("A%1").arg(i), QStringLiteral("later-%1").arg(i));
    row(QString(), QStringLiteral("no code"));
    table.close();
}

} // namespace

TEST(FirstMatchIndex, ManyCodesFindTheirFirstRecordAndNothingElse)
{
    TempWinePrefix wine;
    constexpr int codes = 1000;
    writeRooms(codes);
    dbf::Table aulas({}, QStringLiteral("C:\\VTEMP"), QStringLiteral("AULAT"), true);
    aulas.open();
    const FirstMatchIndex index(aulas, QStringLiteral("ABREV"), {QStringLiteral("CODI")});

    for (int i = 0; i < codes; ++i) {
        const QStringList *values = index.find(QStringLiteral("A%1").arg(i));
        ASSERT_NE(values, nullptr) << i;
        EXPECT_EQ(*values, QStringList{QStringLiteral("first-%1").arg(i)});
    }
    for (const QString &absent : {QStringLiteral("a1"), QStringLiteral("A1 "), QStringLiteral("A1000"), QString()})
        EXPECT_EQ(index.find(absent), nullptr) << absent.toStdString();
    EXPECT_EQ(index.none(), QStringList{QString()});
}
