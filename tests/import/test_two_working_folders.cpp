// Runs on two working folders in one process: each run carries the folder it
// works on, so a run started while another is half-way (its tables staged,
// the level dialog open) writes only into its own folder, and neither
// touches the usual C:\VTEMP.
#include "run/MainFormState.h"
#include "run/RunLog.h"
#include "import/CentreImport.h"
#include "import/ImportedTables.h"
#include "tests/support/CentreDocuments.h"
#include "tests/support/FolderSnapshot.h"
#include "tests/support/PyDbf.h"
#include "tests/support/QStringPrinter.h"
#include "tests/support/ScriptedInteraction.h"
#include "tests/support/TempWinePrefix.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <tuple>

#include <gtest/gtest.h>

using namespace centre_import;

namespace {

// The rows of each imported table of `folder`, as python3-dbf reads them.
QMap<QString, int> rowsIn(const QString &folder)
{
    QMap<QString, int> rows;
    for (const QString &table : importedTables())
        rows.insert(table, int(pythonDbfRows(readWithPythonDbf(QDir(folder).filePath(table + QStringLiteral(".DBF"))))
                                   .size()));
    return rows;
}

// The files of `folder` that are not hidden: a finished run leaves no
// staging folder behind.
QStringList visibleFiles(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
}

} // namespace

TEST(TwoWorkingFolders, ARunInsideAnotherWritesOnlyItsOwnFolder)
{
    TempWinePrefix prefix;
    const auto usualBefore = snapshotFolder(prefix.vtemp());
    QTemporaryDir first, second;
    ASSERT_TRUE(first.isValid() && second.isValid());

    MainFormState secondForm{winpath::WorkingFolder(second.path())};
    ScriptedInteraction secondUser;
    secondUser.fileChoices = {centreFixture(QStringLiteral("centre-escola-seguent.xml"))};

    MainFormState firstForm{winpath::WorkingFolder(first.path())};
    ScriptedInteraction firstUser;
    firstUser.fileChoices = {centreFixture(QStringLiteral("centre-escola.xml"))};
    // While the first run's level dialog is open, with its tables half
    // written in its staging folder, the second run goes from start to end.
    firstUser.cursosPasses = {[&](TControlCursos &dialog) {
        BExportarClick(secondForm, secondUser);
        ScriptedInteraction::defaultCursosPass(dialog);
    }};
    BExportarClick(firstForm, firstUser);

    ASSERT_EQ(secondUser.errors(), QStringList());
    ASSERT_EQ(firstUser.errors(), QStringList());
    EXPECT_EQ(secondForm.ResultadoTransformacion, 1);
    EXPECT_EQ(firstForm.ResultadoTransformacion, 1);

    // Each folder holds its own centre's tables, its manifest and its log.
    ASSERT_TRUE(firstUser.importSummary && secondUser.importSummary);
    for (const auto &[form, user, folder] :
         {std::tuple{&firstForm, &firstUser, first.path()}, std::tuple{&secondForm, &secondUser, second.path()}}) {
        QMap<QString, int> expected;
        for (const ImportSummary::TableRows &t : user->importSummary->tableRows)
            expected.insert(t.table, t.rows);
        EXPECT_EQ(rowsIn(folder), expected) << folder.toStdString();
        EXPECT_TRUE(QFileInfo::exists(runLogPath(form->workingFolder))) << folder.toStdString();
        EXPECT_TRUE(QFileInfo(runLogPath(form->workingFolder)).path() == folder);
        for (const QString &name : visibleFiles(folder))
            EXPECT_FALSE(name.startsWith(u'.')) << name.toStdString();
    }
    EXPECT_NE(rowsIn(first.path()), rowsIn(second.path())) << "two centres, two sets";
    EXPECT_TRUE(snapshotFolder(prefix.vtemp()) == usualBefore) << "the usual working folder stays as it was";
}
