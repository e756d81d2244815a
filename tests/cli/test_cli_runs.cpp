#include "import/CentreImport.h"
#include "import/Cursos/TControlCursos.h"
#include "export/TimetableExport.h"
#include "run/MainFormState.h"
#include "tests/cli/CliProcess.h"
#include "tests/export/SolucFixture.h"
#include "tests/support/TypedLevels.h"
#include "tests/support/PyDbf.h"
#include "tests/support/QStringPrinter.h"
#include "tests/support/ScriptedInteraction.h"

#include <gtest/gtest.h>

#include <QHash>
#include <QTemporaryDir>

using namespace centre_import;
using namespace timetable_export;

using Answer = UserInteraction::Answer;

namespace {

const QString centre = cli::data(QStringLiteral("centre.xml"));
const QString levels = cli::data(QStringLiteral("niveles.csv"));


void expectSameFiles(const QString &expectedFolder, const QString &actualFolder)
{
    const QMap<QString, QByteArray> expected = cli::snapshot(expectedFolder);
    const QMap<QString, QByteArray> actual = cli::snapshot(actualFolder);
    ASSERT_EQ(actual.keys(), expected.keys());
    ASSERT_TRUE(expected.contains(QStringLiteral("GRUPOST.DBF")) && expected.contains(QStringLiteral("MATIB.MDX")));
    for (const QString &name : expected.keys())
        EXPECT_EQ(cli::withoutDates(name, actual.value(name)), cli::withoutDates(name, expected.value(name)))
            << name.toStdString();
}

QList<QStringList> rows(const TempWinePrefix &prefix, const QString &table)
{
    return pythonDbfRows(readWithPythonDbf(prefix.vtempFile(table + QStringLiteral(".DBF"))));
}

} // namespace

TEST(CliRuns, TheCentreImportWritesTheTablesTheWindowWrites)
{
    TempWinePrefix prefix;
    MainFormState form;
    ScriptedInteraction user;
    user.fileChoices.push_back(centre);
    user.answers = {Answer::Ok}; // the subject lines
    user.cursosPasses.push_back(typingLevels(nivelesCsvAnswers()));
    BExportarClick(form, user);
    ASSERT_EQ(user.messages(), QStringList{"Proceso finalizado con 2 avisos"}) << "a subject's and a teacher's short codes differ";

    QTemporaryDir command;
    const cli::Result result =
        cli::run({"exportar", centre, "--niveles", levels, "--carpeta", command.path()});
    ASSERT_EQ(result.status, 0) << result.err.toStdString();
    expectSameFiles(prefix.vtemp(), command.path());
}

TEST(CliRuns, TheTimetableExportWritesTheDocumentTheWindowWrites)
{
    TempWinePrefix prefix;
    solucfixture::School school = solucfixture::smallSchool();
    school.soluc = {{"1", "1", "ABC", "1ESO-A", "A01", "MAT1", ""},
                    {"2", "3.5", "XYZ", "2ESO-B", "LAB", "CAS1", ""},
                    {"0", "2", "XYZ", "2ESO-B", "LAB", "CAS1", ""},
                    {"3", "2", "ABC", "", "", "", "GUARDIA"}};
    solucfixture::writeSchool(school);

    QTemporaryDir window;
    const QString chosen = window.filePath(QStringLiteral("horari.xml"));
    cli::writeFile(chosen, {});
    MainFormState form;
    ScriptedInteraction user;
    user.fileChoices.push_back(chosen);
    BImportarClick(form, user);
    ASSERT_EQ(user.messages(), QStringList{"Proceso finalizado"});
    const QByteArray expected = cli::snapshot(window.path()).value(QStringLiteral("SolucioHorari.xml"));
    ASSERT_FALSE(expected.isEmpty());

    // The folder itself, or any file in it, as the window's file dialog gives one.
    QTemporaryDir byFolder;
    const cli::Result folderRun = cli::run({"importar", byFolder.path()});
    ASSERT_EQ(folderRun.status, 0) << folderRun.err.toStdString();
    EXPECT_EQ(cli::snapshot(byFolder.path()).value(QStringLiteral("SolucioHorari.xml")), expected);

    const cli::Result fileRun = cli::run({"importar", chosen});
    ASSERT_EQ(fileRun.status, 0) << fileRun.err.toStdString();
    EXPECT_EQ(cli::snapshot(window.path()).value(QStringLiteral("SolucioHorari.xml")), expected);
}

TEST(CliRuns, ACourseWithoutLevelStopsTheImportBeforeTheGroups)
{
    TempWinePrefix prefix;
    const cli::Result result =
        cli::run({"exportar", centre, "--niveles", cli::data(QStringLiteral("niveles-falta-201.csv"))});

    EXPECT_EQ(result.status, 3);
    EXPECT_TRUE(result.err.contains(QStringLiteral("201\t1r Batxillerat"))) << result.err.toStdString();
    EXPECT_FALSE(result.err.contains(QStringLiteral("101\t"))) << result.err.toStdString();
    EXPECT_FALSE(QFile::exists(prefix.vtempFile(QStringLiteral("GRUPOST.DBF"))));
    EXPECT_FALSE(QFile::exists(prefix.vtempFile(QStringLiteral("CURSOST2.DBF"))));
}

TEST(CliRuns, LevelsComeBackFromTheEarlierImportUnlessTheFileGivesOthers)
{
    TempWinePrefix prefix;
    ASSERT_EQ(cli::run({"exportar", centre, "--niveles", levels}).status, 0);

    QTemporaryDir scratch;
    const QString changed = cli::writeFile(scratch.filePath(QStringLiteral("niveles.csv")), "101;ESOA;1\n");
    const cli::Result recovered = cli::run({"exportar", centre, "--niveles", changed});
    ASSERT_EQ(recovered.status, 0) << recovered.err.toStdString();
    const QList<QStringList> expected = {
        {"101", "1r ESO", "ESOA", "1"}, {"102", "2n ESO", "ESO", "2"}, {"201", "1r Batxillerat", "BATX", "1"}};
    EXPECT_EQ(rows(prefix, QStringLiteral("CURSOST")), expected);
    EXPECT_EQ(rows(prefix, QStringLiteral("CURSOST2")), expected);

    // No to the recovery forgets the earlier answers, as the dialog's No
    // does, but only for a run that finishes: this one stops for the blank
    // levels and keeps them.
    EXPECT_EQ(cli::run({"exportar", centre, "--no-recuperar"}).status, 3);
    EXPECT_EQ(rows(prefix, QStringLiteral("CURSOST2")), expected);
}
