// The timetable export is refused, with nothing written, while another
// program holds one of the six tables it reads.
#include "run/MainFormState.h"
#include "export/TimetableExport.h"
#include "platform/Dbf.h"
#include "tests/export/ExportFolder.h"
#include "tests/export/SolucFixture.h"
#include "tests/support/FolderSnapshot.h"
#include "tests/support/HeldTableRun.h"
#include "tests/support/LockHolder.h"
#include "tests/support/QStringPrinter.h"
#include "tests/support/ScriptedInteraction.h"

#include <gtest/gtest.h>

using namespace timetable_export;

namespace {

class ExportWithAHeldTable : public testing::TestWithParam<HeldTable> {};

} // namespace

TEST_P(ExportWithAHeldTable, IsRefusedWithNothingWritten)
{
    const HeldTable &c = GetParam();
    ExportFolder folder;
    solucfixture::writeSchool(solucfixture::oneClassSchool());
    ExportFolder::write(folder.output(), "<HORARI><SESSIONS/></HORARI>");
    const QString vtemp = QFileInfo(folder.folder()).path();
    expectRefusedWhileHeld(BImportarClick, folder.chosenFile(), vtemp, c, {vtemp, folder.folder()});
}

INSTANTIATE_TEST_SUITE_P(EveryTable, ExportWithAHeldTable,
                         testing::ValuesIn(eachTableHeld({"SOLUC", "PROFT", "AULAT", "ASIGNOMT", "GRUPOST",
                                                          "DIASHORAST"})),
                         heldTableName);

INSTANTIATE_TEST_SUITE_P(EveryLock, ExportWithAHeldTable, testing::ValuesIn(otherLocks("SOLUC", "SOLUC")),
                         heldTableName);
