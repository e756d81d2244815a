#include "app/MainFormLogic.h"
#include "run/HandlerBoundary.h"
#include "run/MainFormState.h"
#include "run/UserInteraction.h"
#include "import/Cursos/TControlCursos.h"
#include "tests/support/CentreDocuments.h"
#include "tests/support/QStringPrinter.h"
#include "tests/support/QtTestApp.h"
#include "tests/support/ScriptedInteraction.h"
#include "tests/support/TempWinePrefix.h"
#include "tests/support/VelarixIni.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>

#include <sys/wait.h>
#include <unistd.h>

using namespace centre_import;

namespace {
// A whole centre document of our own, in the shape of a GestIB export.
const QString sample = centreFixture(QStringLiteral("centre-escola.xml"));

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
} // namespace

TEST(StandardErrorText, AddsAFullStopOnlyAfterCharactersAboveIt)
{
    const struct {
        QString message;
        QString shown;
    } cases[] = {
        {QStringLiteral("x"), QStringLiteral("x.")},
        {QStringLiteral("x."), QStringLiteral("x.")},
        {QStringLiteral("x!"), QStringLiteral("x!")}, // '!' comes before '.'
        {QStringLiteral("x)"), QStringLiteral("x)")},
        {QStringLiteral("x/"), QStringLiteral("x/.")},
        {QString(), QString()},
        {QStringLiteral("Acció"), QStringLiteral("Acció.")},
    };
    for (const auto &c : cases)
        EXPECT_EQ(standardErrorText(c.message), c.shown) << c.message.toStdString();
}

TEST(LowerAsciiLetters, LowersOnlyAToZ)
{
    EXPECT_EQ(lowerAsciiLetters(QStringLiteral("EXPORTAR")), QStringLiteral("exportar"));
    EXPECT_EQ(lowerAsciiLetters(QStringLiteral("ImPoRtAr")), QStringLiteral("importar"));
    EXPECT_EQ(lowerAsciiLetters(QStringLiteral("ÀÉÑ@[Z]")), QStringLiteral("ÀÉÑ@[z]"));
    // The Kelvin sign lowers to "k" in Unicode, but it is no letter A to Z.
    EXPECT_EQ(lowerAsciiLetters(QStringLiteral("\u212A")), QStringLiteral("\u212A"));
}

// The process as the timetabling program sees it: start with parameters, let
// the window be shown (driven runs happen then), close it when the run did
// not, and read "Transformado" back.
struct DrivenCase {
    const char *name;
    QStringList parameters;
    std::optional<QString> fileChoice;
    bool runStarts;
    bool runCloses;
    std::optional<int> written;
};

TEST(DrivenMode, ParametersChooseTheRunAndTheResultWritten)
{
    const DrivenCase cases[] = {
        {"EXPORTAR x: driven, import finishes", {"EXPORTAR", "x"}, sample, true, true, 1},
        {"exportar x, dialog cancelled", {"exportar", "x"}, std::nullopt, true, true, -1},
        {"importar x, dialog cancelled", {"ImPoRtAr", "x"}, std::nullopt, true, true, 0},
        {"exportar alone: interactive", {"exportar"}, sample, false, false, std::nullopt},
        {"three parameters: interactive", {"exportar", "a", "b"}, sample, false, false, std::nullopt},
        {"no parameters: interactive", {}, sample, false, false, std::nullopt},
        {"abc def: driven, nothing runs", {"abc", "def"}, sample, false, false, 0},
    };
    qtTestApp();
    for (const DrivenCase &c : cases) {
        SCOPED_TRACE(c.name);
        TempWinePrefix prefix;
        const QString iniPath = prefix.prefix() + QStringLiteral("/Velarix.ini");
        MainFormState form;
        ScriptedInteraction ui;
        ui.fileChoices = {c.fileChoice};
        bool closed = false;
        ui.onCloseMainWindow = [&] {
            closed = runHandler(ui, [&] { FormClose(form, iniPath); });
        };

        FormCreate(form, c.parameters);
        EXPECT_TRUE(runHandler(ui, [&] { FormShow(form, ui, c.parameters, iniPath); }));
        EXPECT_EQ(closed, c.runCloses);
        if (!closed)
            FormClose(form, iniPath);

        EXPECT_EQ(form.ModoAutomatico, c.written ? 2 : 0);
        EXPECT_EQ(!ui.shown.empty() && ui.shown.front().kind == ScriptedInteraction::Shown::FileDialog, c.runStarts);
        EXPECT_EQ(ui.errors(), QStringList());
        EXPECT_EQ(readTransformado(iniPath), c.written);
    }
}

// The forced exit of the level and course dialog ends the run there: the
// close writes 0 once, and no "Proceso finalizado" follows.
TEST(DrivenMode, ForcedExitWritesZeroAndEndsTheRun)
{
    TempWinePrefix prefix;
    const QString iniPath = prefix.prefix() + QStringLiteral("/Velarix.ini");
    const QStringList parameters{QStringLiteral("exportar"), QStringLiteral("x")};
    MainFormState form;
    ScriptedInteraction ui;
    ui.fileChoices = {sample};
    ui.cursosPasses = {[](TControlCursos &dialog) { dialog.pressOk(); }, // a blank level: the check fails
                       [](TControlCursos &dialog) { dialog.pressForcedExit(); }};
    std::vector<std::optional<int>> written;
    ui.onCloseMainWindow = [&] {
        FormClose(form, iniPath);
        written.push_back(readTransformado(iniPath));
    };

    FormCreate(form, parameters);
    EXPECT_TRUE(runHandler(ui, [&] { FormShow(form, ui, parameters, iniPath); }));

    EXPECT_EQ(written, (std::vector<std::optional<int>>{0}));
    EXPECT_FALSE(ui.messages().contains(QStringLiteral("Proceso finalizado")));
}

// A driven run killed in the middle (here while the level and course dialog
// is open, four tables written) leaves "not done" for the timetabling program,
// never the success an earlier run left. The run goes on in a child process,
// which the test kills.
TEST(DrivenMode, ARunKilledInTheMiddleLeavesZero)
{
    TempWinePrefix prefix;
    const QString iniPath = prefix.prefix() + QStringLiteral("/Velarix.ini");
    const QString centre = prefix.prefix() + QStringLiteral("/centre.xml");
    for (const auto &[path, bytes] : {std::pair{iniPath, QByteArray("[Transformadores]\r\nTransformado=1\r\n")},
                                      std::pair{centre, QByteArray("<CENTRE><CURSOS><CURS codi=\"C1\" descripcio=\"1 ESO\">"
                                                                   "<GRUP codi=\"G1\" nom=\"A\"/></CURS></CURSOS></CENTRE>")}}) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    int inDialog[2];
    ASSERT_EQ(pipe(inDialog), 0);
    const pid_t child = fork();
    if (child == 0) {
        const QStringList parameters{QStringLiteral("exportar"), QStringLiteral("x")};
        MainFormState form;
        ScriptedInteraction ui;
        ui.fileChoices = {centre};
        ui.cursosPasses = {[&](TControlCursos &) {
            const char reached = 1;
            (void)!write(inDialog[1], &reached, 1);
            for (;;)
                pause();
        }};
        FormCreate(form, parameters);
        runHandler(ui, [&] { FormShow(form, ui, parameters, iniPath); });
        _exit(0);
    }
    close(inDialog[1]);
    char reached = 0;
    const bool inTheDialog = read(inDialog[0], &reached, 1) == 1;
    close(inDialog[0]);
    kill(child, SIGKILL);
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(inTheDialog) << "the run never reached the level and course dialog";
    EXPECT_TRUE(WIFSIGNALED(status));
    EXPECT_EQ(readTransformado(iniPath), 0);
}

TEST(DrivenMode, ResultGoesBesideTheExecutableWhateverTheWorkingFolder)
{
    qtTestApp();
    QTemporaryDir elsewhere;
    const QString before = QDir::currentPath();
    QDir::setCurrent(elsewhere.path());
    EXPECT_EQ(velarixIniPath(), QCoreApplication::applicationDirPath() + QStringLiteral("/Velarix.ini"));
    QDir::setCurrent(before);
}

TEST(DrivenMode, ClosingTwiceWritesTwiceAndTheLastValueStands)
{
    QTemporaryDir dir;
    const QString iniPath = dir.filePath(QStringLiteral("Velarix.ini"));
    MainFormState form;
    FormCreate(form, {QStringLiteral("exportar"), QStringLiteral("x")});

    FormClose(form, iniPath);
    EXPECT_EQ(readTransformado(iniPath), 0);
    form.ResultadoTransformacion = 1;
    FormClose(form, iniPath);
    EXPECT_EQ(readTransformado(iniPath), 1);
}

TEST(DrivenMode, AnExistingResultFileKeepsEveryOtherByte)
{
    QTemporaryDir dir;
    const QString iniPath = dir.filePath(QStringLiteral("Velarix.ini"));
    const QByteArray before = "; Velarix 18\r\n"
                              "[General]\r\n"
                              "Ruta=C:\\VX18\r\n"
                              "\r\n"
                              "[Transformadores]\r\n"
                              "Otro=5\r\n"
                              "transformado=3\r\n"
                              "; fin\r\n"
                              "[Ventana]\r\n"
                              "Ancho=800";
    QByteArray expected = before;
    expected.replace("transformado=3", "transformado=-1");
    {
        QFile file(iniPath);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(before);
    }
    MainFormState form;
    FormCreate(form, {QStringLiteral("exportar"), QStringLiteral("x")});
    form.ResultadoTransformacion = -1;

    FormClose(form, iniPath);

    EXPECT_EQ(readAll(iniPath), expected);
}

TEST(DrivenMode, AResultFileThatCannotBeWrittenIsReported)
{
    QTemporaryDir dir;
    // A regular file where the executable's folder should be.
    QFile blocker(dir.filePath(QStringLiteral("bin")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QString iniPath = dir.filePath(QStringLiteral("bin/Velarix.ini"));
    MainFormState form;
    FormCreate(form, {QStringLiteral("abc"), QStringLiteral("def")});
    ScriptedInteraction ui;

    EXPECT_FALSE(runHandler(ui, [&] { FormClose(form, iniPath); }));

    ASSERT_EQ(ui.errors().size(), 1);
    EXPECT_TRUE(ui.errors().front().startsWith(QStringLiteral("No se puede escribir en "))) << ui.errors().front().toStdString();
    EXPECT_TRUE(ui.errors().front().contains(QStringLiteral("Velarix.ini")));
}
