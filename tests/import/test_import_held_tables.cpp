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
        ASSERT_EQ(ui.messages(), QStringList{QStringLiteral("Proceso finalizado con 3 avisos")}) << "no subjects, teachers or rooms";
    }
    const auto before = snapshotFolder(prefix.vtemp());
    ASSERT_TRUE(before.contains(QLatin1String(c.table) + QStringLiteral(".DBF")));
    ASSERT_TRUE(before.contains(QStringLiteral("MATIB.MDX")));

    expectRefusedWhileHeld(BExportarClick, centre, prefix.vtemp(), c, {prefix.vtemp()});
}

INSTANTIATE_TEST_SUITE_P(EveryTable, ImportWithAHeldTable,
                         testing::ValuesIn(eachTableHeld({"ASIGNOMT", "PROFT", "AULAT", "CURSOST", "CURSOST2",
                                                          "GRUPOST", "MATIB", "ASIGT", "DIASHORAST"})),
                         heldTableName);

INSTANTIATE_TEST_SUITE_P(EveryLock, ImportWithAHeldTable, testing::ValuesIn(otherLocks("ASIGNOMT", "GRUPOST")),
                         heldTableName);
