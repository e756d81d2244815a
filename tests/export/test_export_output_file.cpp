// The "SolucioHorari.xml" the export replaces: held by another program, it is
// not replaced; a write that fails keeps the older one and says why, in
// Spanish, naming the file as the timetabling program does.
#include "run/MainFormState.h"
#include "export/TimetableExport.h"
#include "platform/DbfError.h"
#include "platform/XmlError.h"
#include "tests/export/ExportFolder.h"
#include "tests/export/SolucFixture.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/FolderSnapshot.h"
#include "tests/support/LockHolder.h"
#include "tests/support/QStringPrinter.h"
#include "tests/support/ScriptedInteraction.h"

#include <gtest/gtest.h>

#include <optional>

using namespace timetable_export;

namespace {

constexpr int untouchedResult = 5;
const QByteArray older = "<HORARI><SESSIONS><SESSIO placa=\"older\"/></SESSIONS></HORARI>";

// Runs the export in driven mode over the one-class school, the folder
// holding an older timetable; returns the error's message, and checks that
// the run reported nothing else.
template <class RunError>
QString failedExport(const ExportFolder &folder, const std::optional<rlim_t> &sizeLimit = std::nullopt)
{
    MainFormState form;
    form.ModoAutomatico = 2;
    form.ResultadoTransformacion = untouchedResult;
    ScriptedInteraction ui;
    ui.fileChoices = {folder.chosenFile()};
    QString error;
    try {
        std::optional<FileSizeLimit> limit;
        if (sizeLimit)
            limit.emplace(*sizeLimit);
        BImportarClick(form, ui);
        ADD_FAILURE() << "the export finished";
    } catch (const RunError &e) {
        error = e.message();
    }
    EXPECT_TRUE(ui.messages().isEmpty());
    EXPECT_EQ(form.ResultadoTransformacion, untouchedResult);
    EXPECT_EQ(ui.closeRequests(), 0);
    return error;
}

class ExportWithTheOlderTimetableHeld : public testing::TestWithParam<LockHolder::Kind> {};

} // namespace

TEST_P(ExportWithTheOlderTimetableHeld, IsRefusedWithNothingWritten)
{
    ExportFolder folder;
    solucfixture::writeSchool(solucfixture::oneClassSchool());
    ExportFolder::write(folder.output(), older);
    const auto before = snapshotFolder(folder.folder());
    const LockHolder holder(folder.output(), GetParam());
    ASSERT_TRUE(holder.holding());

    // The kind the command line answers with status 5, as for a held table.
    EXPECT_EQ(failedExport<dbf::TableInUseError>(folder),
              QStringLiteral("El archivo C:\\VTEMP\\saga\\SolucioHorari.xml está en uso por otro programa. Cierre ese "
                             "programa y vuelva a intentarlo; no se ha modificado nada."));
    EXPECT_TRUE(snapshotFolder(folder.folder()) == before) << "the older timetable was replaced or a file was left";
}

INSTANTIATE_TEST_SUITE_P(EveryLock, ExportWithTheOlderTimetableHeld,
                         testing::Values(LockHolder::Kind::RecordExclusive, LockHolder::Kind::RecordShared,
                                         LockHolder::Kind::RecordPastTheEnd, LockHolder::Kind::OfdExclusive,
                                         LockHolder::Kind::OfdShared, LockHolder::Kind::FlockExclusive,
                                         LockHolder::Kind::FlockShared),
                         [](const testing::TestParamInfo<LockHolder::Kind> &info) {
                             return std::string(lockKindName(info.param));
                         });

// Once the other program lets go, the same export replaces the older file.
TEST(ExportOutputFile, ReplacesTheOlderTimetableOnceReleased)
{
    ExportFolder folder;
    solucfixture::writeSchool(solucfixture::oneClassSchool());
    ExportFolder::write(folder.output(), older);
    {
        const LockHolder holder(folder.output(), LockHolder::Kind::FlockShared);
        ASSERT_TRUE(holder.holding());
        failedExport<dbf::TableInUseError>(folder);
    }
    MainFormState form;
    ScriptedInteraction ui;
    ui.fileChoices = {folder.chosenFile()};
    BImportarClick(form, ui);
    EXPECT_EQ(ui.messages(), QStringList{QStringLiteral("Proceso finalizado")});
    EXPECT_NE(ExportFolder::contents(folder.output()), older);
}

// A file size limit stops the write midway, as a full disk does: the message
// keeps the system's reason, and the older timetable stays whole.
TEST(ExportOutputFile, AFailedWriteKeepsTheOlderTimetableAndSaysWhy)
{
    ExportFolder folder;
    solucfixture::writeSchool(solucfixture::oneClassSchool());
    ExportFolder::write(folder.output(), older);

    EXPECT_EQ(failedExport<xml::XmlError>(folder, 16),
              QStringLiteral("No se puede escribir C:\\VTEMP\\saga\\SolucioHorari.xml: el archivo supera el tamaño "
                             "máximo permitido"));
    EXPECT_EQ(ExportFolder::contents(folder.output()), older);
    EXPECT_EQ(QDir(folder.folder()).entryList(QDir::Files | QDir::Hidden).size(), 2) << "a temporary file was left";
}
