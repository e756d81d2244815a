#include "run/OpenTables.h"
#include "platform/Dbf.h"
#include "platform/DbfError.h"
#include "platform/FieldDef.h"
#include "tests/support/TempWinePrefix.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {
void writeTable(const QString &name)
{
    dbf::Table table;
    table.setFolder(QStringLiteral("C:\\VTEMP"));
    table.setTableName(name);
    table.fieldDefs() = {{QStringLiteral("ABREV"), dbf::FieldType::String, 10}};
    table.createTable();
}

dbf::Table component(const char *name)
{
    return dbf::Table(QString(), QStringLiteral("\\vtemp"), QLatin1String(name), true);
}

// Whether another component could hold the table now, as the timetabling program would.
bool canBeHeld(const char *name)
{
    dbf::Table other = component(name);
    try {
        other.open();
        return true;
    } catch (const dbf::DbfError &) {
        return false;
    }
}
} // namespace

// A run that fails must not keep its tables open: they would hold their files
// against the timetabling program, and a later run in the same process would
// work on a table as it was before the steps re-created it.
TEST(OpenTables, ReleasesTheTablesWhenTheRunEndsOrFails)
{
    TempWinePrefix prefix;
    writeTable(QStringLiteral("ASIGNOMT"));
    writeTable(QStringLiteral("CURSOST"));

    for (const bool fails : {false, true}) {
        SCOPED_TRACE(fails ? "failed run" : "finished run");
        dbf::Table asignomt = component("ASIGNOMT");
        dbf::Table cursost = component("CURSOST");
        try {
            OpenTables tables({&asignomt});
            tables.open(cursost);
            EXPECT_TRUE(asignomt.isOpen());
            EXPECT_TRUE(cursost.isOpen());
            EXPECT_FALSE(canBeHeld("ASIGNOMT"));
            if (fails)
                throw std::runtime_error("step failed");
            tables.close();
            EXPECT_FALSE(asignomt.isOpen());
            EXPECT_FALSE(cursost.isOpen());
        } catch (const std::runtime_error &) {
        }
        EXPECT_FALSE(asignomt.isOpen());
        EXPECT_FALSE(cursost.isOpen());
        EXPECT_TRUE(canBeHeld("ASIGNOMT"));
        EXPECT_TRUE(canBeHeld("CURSOST"));
    }
}

// A table that cannot be opened ends the run at once, and the ones opened
// before it are released with it.
TEST(OpenTables, FailedOpenReleasesTheTablesOpenedBefore)
{
    TempWinePrefix prefix;
    writeTable(QStringLiteral("SOLUC"));
    writeTable(QStringLiteral("PROFT"));
    dbf::Table soluc = component("SOLUC");
    dbf::Table proft = component("PROFT");
    dbf::Table missing = component("AULAT");

    EXPECT_THROW(OpenTables({&soluc, &proft, &missing}, {&soluc, &missing, &proft}), dbf::DbfError);

    EXPECT_FALSE(soluc.isOpen());
    EXPECT_FALSE(proft.isOpen());
    EXPECT_TRUE(canBeHeld("SOLUC"));
    EXPECT_TRUE(canBeHeld("PROFT"));
}
