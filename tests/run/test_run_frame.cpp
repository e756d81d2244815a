#include "run/MainFormState.h"
#include "run/RunFrame.h"
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
} // namespace

// A run that fails must not keep the window's components open: they would hold
// their tables against the timetabling program, and a later run in the same
// process would work on the table as it was before the steps re-created it.
TEST(CloseTablesOnError, ReleasesTheComponentsOnlyWhenTheRunFails)
{
    TempWinePrefix prefix;
    writeTable(QStringLiteral("ASIGNOMT"));
    writeTable(QStringLiteral("CURSOST"));

    for (const bool fails : {false, true}) {
        SCOPED_TRACE(fails ? "failed run" : "run that goes on");
        MainFormState form;
        form.wwTableNomAsg.open();
        form.tableCursos().open();
        try {
            const CloseTablesOnError guard(form);
            if (fails)
                throw std::runtime_error("step failed");
        } catch (const std::runtime_error &) {
        }
        EXPECT_EQ(form.wwTableNomAsg.isOpen(), !fails);
        EXPECT_EQ(form.tableCursos().isOpen(), !fails);

        // Released tables can be held again, as the timetabling program would.
        if (fails) {
            dbf::Table other(QString(), QStringLiteral("C:\\VTEMP"), QStringLiteral("ASIGNOMT"), true);
            EXPECT_NO_THROW(other.open());
        }
    }
}
