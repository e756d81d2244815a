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
    solucfixture::School school = solucfixture::smallSchool();
    school.soluc = {{"1", "2", "ABC", "1ESO-A", "A01", "MAT1", ""}};
    solucfixture::writeSchool(school);
    ExportFolder::write(folder.output(), "<HORARI><SESSIONS/></HORARI>");
    const QString vtemp = QFileInfo(folder.folder()).path();
    const auto tablesBefore = snapshotFolder(vtemp);
    const auto outputBefore = snapshotFolder(folder.folder());

    const LockHolder holder(vtemp + QLatin1Char('/') + QLatin1String(c.table) + QStringLiteral(".DBF"), c.kind);
    ASSERT_TRUE(holder.holding());
    expectRefusedForHeldTable(BImportarClick, folder.chosenFile(), c.table);
    EXPECT_TRUE(snapshotFolder(vtemp) == tablesBefore);
    EXPECT_TRUE(snapshotFolder(folder.folder()) == outputBefore) << "SolucioHorari.xml was written";
}

INSTANTIATE_TEST_SUITE_P(
    EveryTable, ExportWithAHeldTable,
    testing::Values(HeldTable{"SOLUC", LockHolder::Kind::RecordExclusive},
                    HeldTable{"PROFT", LockHolder::Kind::RecordExclusive},
                    HeldTable{"AULAT", LockHolder::Kind::RecordExclusive},
                    HeldTable{"ASIGNOMT", LockHolder::Kind::RecordExclusive},
                    HeldTable{"GRUPOST", LockHolder::Kind::RecordExclusive},
                    HeldTable{"DIASHORAST", LockHolder::Kind::RecordExclusive}),
    heldTableName);

INSTANTIATE_TEST_SUITE_P(
    EveryLock, ExportWithAHeldTable,
    testing::Values(HeldTable{"SOLUC", LockHolder::Kind::RecordShared},
                    HeldTable{"SOLUC", LockHolder::Kind::RecordPastTheEnd},
                    HeldTable{"SOLUC", LockHolder::Kind::FlockExclusive},
                    HeldTable{"SOLUC", LockHolder::Kind::FlockShared}),
    heldTableName);
