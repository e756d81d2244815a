// The centre import never touches a table while another program holds one of
// those it re-creates, or CURSOST2: the whole run is refused first.
#include "run/MainFormState.h"
#include "import/CentreImport.h"
#include "platform/Dbf.h"
#include "tests/support/FolderSnapshot.h"
#include "tests/support/HeldTableRun.h"
#include "tests/support/LockHolder.h"
#include "tests/support/QStringPrinter.h"
#include "tests/support/ScriptedInteraction.h"
#include "tests/support/TempWinePrefix.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace centre_import;

namespace {

class ImportWithAHeldTable : public testing::TestWithParam<HeldTable> {};

} // namespace

TEST_P(ImportWithAHeldTable, IsRefusedBeforeAnyTableIsTouched)
{
    const HeldTable &c = GetParam();
    TempWinePrefix prefix;
    const QString centre = prefix.prefix() + QStringLiteral("/centre.xml");
    {
        QFile file(centre);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("<CENTRE><CURSOS><CURS codi=\"C1\" descripcio=\"1 ESO\"><GRUP codi=\"G1\" nom=\"A\"/></CURS>"
                   "</CURSOS></CENTRE>");
    }
    {
        // An earlier import leaves every table, MATIB's index and CURSOST2.
        MainFormState earlier;
        ScriptedInteraction ui;
        ui.fileChoices = {centre};
        BExportarClick(earlier, ui);
        ASSERT_EQ(ui.messages(), QStringList{QStringLiteral("Proceso finalizado")});
    }
    const auto before = snapshotFolder(prefix.vtemp());
    ASSERT_TRUE(before.contains(QLatin1String(c.table) + QStringLiteral(".DBF")));
    ASSERT_TRUE(before.contains(QStringLiteral("MATIB.MDX")));

    const LockHolder holder(prefix.vtempFile(QLatin1String(c.table) + QStringLiteral(".DBF")), c.kind);
    ASSERT_TRUE(holder.holding());
    expectRefusedForHeldTable(BExportarClick, centre, c.table);
    EXPECT_TRUE(snapshotFolder(prefix.vtemp()) == before) << "a table was written, replaced or deleted";
}

INSTANTIATE_TEST_SUITE_P(
    EveryTable, ImportWithAHeldTable,
    testing::Values(HeldTable{"ASIGNOMT", LockHolder::Kind::RecordExclusive},
                    HeldTable{"PROFT", LockHolder::Kind::RecordExclusive},
                    HeldTable{"AULAT", LockHolder::Kind::RecordExclusive},
                    HeldTable{"CURSOST", LockHolder::Kind::RecordExclusive},
                    HeldTable{"CURSOST2", LockHolder::Kind::RecordExclusive},
                    HeldTable{"GRUPOST", LockHolder::Kind::RecordExclusive},
                    HeldTable{"MATIB", LockHolder::Kind::RecordExclusive},
                    HeldTable{"ASIGT", LockHolder::Kind::RecordExclusive},
                    HeldTable{"DIASHORAST", LockHolder::Kind::RecordExclusive}),
    heldTableName);

INSTANTIATE_TEST_SUITE_P(
    EveryLock, ImportWithAHeldTable,
    testing::Values(HeldTable{"ASIGNOMT", LockHolder::Kind::RecordShared},
                    HeldTable{"ASIGNOMT", LockHolder::Kind::RecordPastTheEnd},
                    HeldTable{"GRUPOST", LockHolder::Kind::FlockExclusive},
                    HeldTable{"GRUPOST", LockHolder::Kind::FlockShared}),
    heldTableName);
