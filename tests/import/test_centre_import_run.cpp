#include "run/MainFormState.h"
#include "import/CentreImport.h"
#include "import/Cursos/TControlCursos.h"
#include "tests/import/ImportFixture.h"
#include "platform/Error.h"
#include "platform/WinPath.h"
#include "import/CentreDocument.h"
#include "tests/support/CentreDocuments.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/QStringPrinter.h"
#include "tests/support/ScriptedInteraction.h"
#include "tests/support/TempWinePrefix.h"

#include <QDir>
#include <QFile>

#include <optional>

#include <gtest/gtest.h>

using namespace centre_import;

namespace {
// A whole centre document of our own, in the shape of a GestIB export.
const QString sample = centreFixture(QStringLiteral("centre-escola.xml"));
const QByteArray sentinel = "a table an earlier import left behind";

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// A working folder whose ASIGNOMT.DBF is a sentinel: any run that touches a
// table wipes it first.
class CentreImportRun : public ::testing::Test {
protected:
    void SetUp() override { writeFile(prefix.vtempFile(QStringLiteral("ASIGNOMT.DBF")), sentinel); }
    bool tablesUntouched() const { return readAll(prefix.vtempFile(QStringLiteral("ASIGNOMT.DBF"))) == sentinel; }
    QString localFile(const QString &name, const QByteArray &bytes)
    {
        const QString path = prefix.prefix() + QLatin1Char('/') + name;
        writeFile(path, bytes);
        return path;
    }
    // The error a refused run raises; none when it raised none.
    std::optional<Error> runError()
    {
        try {
            BExportarClick(form, ui);
        } catch (const Error &e) {
            return e;
        }
        return std::nullopt;
    }

    TempWinePrefix prefix;
    MainFormState form;
    ScriptedInteraction ui;
};
} // namespace

TEST_F(CentreImportRun, OffersTheGestibFileDialog)
{
    BExportarClick(form, ui);
    EXPECT_EQ(ui.lastFileDialog.title, QStringLiteral("Seleccionar Archivo XML obtenido de GESTIB"));
    EXPECT_EQ(ui.lastFileDialog.filter, QStringLiteral("*.xml|*.xml"));
    EXPECT_EQ(ui.lastFileDialog.defaultExtension, QStringLiteral("xml"));
    // The existing VTEMP folder is found whatever the case of its name.
    EXPECT_EQ(QDir::cleanPath(ui.lastFileDialog.initialFolder), prefix.vtemp() + QStringLiteral("/saga"));
}

// Each case: what the dialog answers, the file confirmed in an earlier run,
// and what the run must then show and keep.
struct NoFileCase {
    const char *name;
    std::optional<QString> choice;
    QString earlier;
    QString expectedArchivo;
    QStringList messages;
};

TEST_F(CentreImportRun, NoFileEndsTheRunBeforeAnyTable)
{
    const QString missing = prefix.prefix() + QStringLiteral("/no-such-file.xml");
    const QString gone = prefix.prefix() + QStringLiteral("/deleted-since.xml");
    const NoFileCase cases[] = {
        {"cancel in the first run", std::nullopt, QString(), QString(), {}},
        {"typed name that does not exist", missing, QString(), missing, {QStringLiteral("No existe archivo")}},
        {"cancel after an earlier file that is gone", std::nullopt, gone, gone, {}},
    };
    for (const NoFileCase &c : cases) {
        SCOPED_TRACE(c.name);
        MainFormState run;
        ScriptedInteraction user;
        run.ArchivoXML = c.earlier;
        run.ResultadoTransformacion = 7;
        user.fileChoices = {c.choice};

        BExportarClick(run, user);

        EXPECT_EQ(user.messages(), c.messages);
        EXPECT_EQ(run.ArchivoXML, c.expectedArchivo);
        EXPECT_EQ(run.ResultadoTransformacion, 7) << "interactive use keeps the outcome";
        EXPECT_EQ(user.closeRequests(), 0);
        EXPECT_TRUE(user.hourglassCalls.empty());
        EXPECT_TRUE(run.runButtonsEnabled);
        EXPECT_TRUE(tablesUntouched());
    }
}

TEST_F(CentreImportRun, NoFileInDrivenModeReportsMinusOneAndCloses)
{
    form.ModoAutomatico = 2;
    int resultWhenClosed = 0;
    ui.onCloseMainWindow = [&] { resultWhenClosed = form.ResultadoTransformacion; };

    BExportarClick(form, ui);

    EXPECT_EQ(ui.messages(), QStringList{QStringLiteral("No existe archivo")});
    EXPECT_EQ(ui.shown.back().kind, ScriptedInteraction::Shown::Close) << "closes after the message";
    EXPECT_EQ(ui.closeRequests(), 1);
    EXPECT_EQ(resultWhenClosed, -1);
    EXPECT_TRUE(tablesUntouched());
}

TEST_F(CentreImportRun, FinishedRunDisablesTheButtons)
{
    ui.fileChoices = {sample};

    BExportarClick(form, ui);

    EXPECT_EQ(form.ArchivoXML, sample);
    EXPECT_EQ(ui.hourglassCalls, (std::vector<bool>{true, false}));
    EXPECT_EQ(ui.errors(), QStringList());
    EXPECT_EQ(ui.messages().last(), QStringLiteral("Proceso finalizado con 2 avisos")) << "a teacher's and a room's short codes differ";
    EXPECT_EQ(form.ResultadoTransformacion, 1);
    EXPECT_FALSE(form.runButtonsEnabled);
    EXPECT_EQ(ui.closeRequests(), 0) << "interactive use leaves the window open";
}

// Cancel means leave the tables alone, even with a file at hand from an
// earlier run.
TEST_F(CentreImportRun, CancelAfterAnEarlierChoiceEndsTheRun)
{
    form.ArchivoXML = sample;

    BExportarClick(form, ui);

    EXPECT_EQ(form.ArchivoXML, sample);
    EXPECT_EQ(ui.messages(), QStringList());
    EXPECT_EQ(form.ResultadoTransformacion, 0);
    EXPECT_TRUE(tablesUntouched());
}

TEST_F(CentreImportRun, FinishedDrivenRunClosesAfterTheMessageWithOne)
{
    form.ModoAutomatico = 2;
    ui.fileChoices = {sample};
    int resultWhenClosed = 0;
    ui.onCloseMainWindow = [&] { resultWhenClosed = form.ResultadoTransformacion; };

    BExportarClick(form, ui);

    ASSERT_GE(ui.shown.size(), 2u);
    EXPECT_EQ(ui.shown[ui.shown.size() - 2].text, QStringLiteral("Proceso finalizado con 2 avisos"));
    EXPECT_EQ(ui.shown.back().kind, ScriptedInteraction::Shown::Close);
    EXPECT_EQ(resultWhenClosed, 1);
}

TEST_F(CentreImportRun, MalformedFileIsRefusedBeforeAnyTable)
{
    const QString path = localFile(QStringLiteral("broken.xml"), "<CENTRE>\n  <CURSOS>\n</CENTRE>\n");
    ui.fileChoices = {path};

    const std::optional<Error> refused = runError();

    ASSERT_TRUE(refused);
    EXPECT_EQ(refused->kind(), Error::Kind::Document);
    const QString error = refused->message();
    EXPECT_TRUE(error.contains(QStringLiteral("broken.xml"))) << error.toStdString();
    EXPECT_TRUE(error.contains(QStringLiteral("línea 3"))) << error.toStdString();
    EXPECT_TRUE(error.contains(QStringLiteral("columna"))) << error.toStdString();
    EXPECT_TRUE(tablesUntouched());
    EXPECT_TRUE(ui.hourglassCalls.empty());
    EXPECT_TRUE(ui.messages().isEmpty());
    EXPECT_TRUE(form.runButtonsEnabled);
}

TEST_F(CentreImportRun, DocumentOfAnotherKindIsRefusedBeforeAnyTable)
{
    const QString path = localFile(QStringLiteral("SolucioHorari.xml"), "<HORARI><SESSIONS/></HORARI>");
    ui.fileChoices = {path};
    form.ResultadoTransformacion = 7;

    const std::optional<Error> refused = runError();

    ASSERT_TRUE(refused);
    EXPECT_EQ(refused->kind(), Error::Kind::RefusedDocument);
    EXPECT_EQ(refused->message(),
              QStringLiteral("%1 no es un documento de centro de GestIB: su elemento raíz es HORARI, no CENTRE")
                  .arg(winpath::toWindows(path)));
    EXPECT_TRUE(tablesUntouched());
    EXPECT_TRUE(ui.hourglassCalls.empty());
    EXPECT_EQ(form.ResultadoTransformacion, 7);
}

TEST_F(CentreImportRun, ErrorInAStepEndsTheRunWithThePointerBackToNormal)
{
    form.ModoAutomatico = 2;
    form.ResultadoTransformacion = 7;
    ui.fileChoices = {sample};
    {
        // No file may grow past its first bytes: the first table cannot be created.
        const FileSizeLimit limit(100);
        EXPECT_ANY_THROW(BExportarClick(form, ui));
    }

    EXPECT_EQ(ui.hourglassCalls, (std::vector<bool>{true, false}));
    EXPECT_TRUE(ui.messages().isEmpty()) << "no Proceso finalizado";
    EXPECT_EQ(form.ResultadoTransformacion, 7);
    EXPECT_TRUE(form.runButtonsEnabled);
    EXPECT_EQ(ui.closeRequests(), 0) << "the window stays open, in driven mode too";
}

namespace {
// Two courses with a group each, so that every later step would write rows.
const QByteArray smallCentre = R"(<CENTRE>
<MATERIES><MATERIA codi="M1" curs="101" descripcio="Matemàtiques" curta="MAT"/></MATERIES>
<CURSOS>
<CURS codi="101" descripcio="1r ESO"><GRUP codi="G1" nom="A"/></CURS>
<CURS codi="102" descripcio="2n ESO"><GRUP codi="G2" nom="A"/></CURS>
</CURSOS>
</CENTRE>)";

// The user leaves the levels blank and presses OK: the check fails.
void okWithBlanks(TControlCursos &dialog)
{
    dialog.pressOk();
}

void forceExit(TControlCursos &dialog)
{
    dialog.pressForcedExit();
}

struct ForcedExitCase {
    const char *name;
    bool formResult; // an earlier import in this process already failed a pass
    std::vector<std::function<void(TControlCursos &)>> passes;
};
} // namespace

// The forced exit leaves the levels incomplete: no later step may write
// groups, subjects by level or lines from them, nothing of the import is
// written (as the dialog warns), nothing may say the process finished, and
// the timetabling program must read 0.
TEST(CentreImportForcedExit, RunsNoLaterStepAndReportsZero)
{
    const ForcedExitCase cases[] = {
        {"in the first pass", true, {forceExit}},
        {"in a later pass", false, {okWithBlanks, okWithBlanks, forceExit}},
    };
    const QStringList laterTables = {"GRUPOST.DBF", "MATIB.DBF", "MATIB.MDX", "ASIGT.DBF", "DIASHORAST.DBF"};
    for (const ForcedExitCase &c : cases) {
        SCOPED_TRACE(c.name);
        TempWinePrefix prefix;
        for (const QString &table : laterTables)
            writeFile(prefix.vtempFile(table), sentinel + table.toLatin1());
        const QString document = prefix.prefix() + QStringLiteral("/centre.xml");
        writeFile(document, smallCentre);
        MainFormState form;
        form.ModoAutomatico = 2;
        form.result = c.formResult;
        ScriptedInteraction ui;
        ui.fileChoices = {document};
        ui.cursosPasses.assign(c.passes.begin(), c.passes.end());
        std::vector<int> written;
        ui.onCloseMainWindow = [&] { written.push_back(form.ResultadoTransformacion); };

        BExportarClick(form, ui);

        EXPECT_TRUE(ui.cursosPasses.empty());
        for (const QString &table : laterTables)
            EXPECT_EQ(readAll(prefix.vtempFile(table)), sentinel + table.toLatin1()) << table.toStdString();
        EXPECT_FALSE(ui.messages().contains(QStringLiteral("Proceso finalizado")));
        EXPECT_TRUE(ui.questions().isEmpty()) << "no subject-lines question";
        EXPECT_EQ(written, std::vector<int>{0}) << "closed once, with 0";
        EXPECT_EQ(ui.shown.back().kind, ScriptedInteraction::Shown::Close);
        EXPECT_EQ(ui.hourglassDepth, 0);
        EXPECT_TRUE(form.runButtonsEnabled);
        // Nor is anything of the run before the dialog left in the working folder.
        QStringList sentinels = laterTables;
        sentinels.sort();
        EXPECT_EQ(QDir(prefix.vtemp()).entryList(QDir::Files, QDir::Name), sentinels);
    }
}
