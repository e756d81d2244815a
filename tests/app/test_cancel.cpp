// Cancel in the file dialog that begins both runs ends the run there, even
// when an earlier run chose a file that a new run would take up again.
#include "app/MainFormLogic.h"
#include "run/MainFormState.h"
#include "export/TimetableExport.h"
#include "import/CentreImport.h"
#include "tests/export/ExportFolder.h"
#include "tests/export/SolucFixture.h"
#include "tests/support/QStringPrinter.h"
#include "tests/support/ScriptedInteraction.h"

#include <QDirIterator>

#include <gtest/gtest.h>

#include <functional>
#include <map>

using namespace centre_import;
using namespace timetable_export;

namespace {

// An outcome no run writes, to see whether a run writes one.
constexpr int untouchedResult = 5;

// Every file of drive C:, byte for byte.
std::map<QString, QByteArray> snapshot(const QString &driveC)
{
    std::map<QString, QByteArray> files;
    for (QDirIterator it(driveC, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories); it.hasNext();) {
        const QString path = it.next();
        files[path] = ExportFolder::contents(path);
    }
    return files;
}

struct CancelCase {
    const char *name;
    std::function<void(MainFormState &, ScriptedInteraction &)> run;
    QStringList parameters;
    QStringList messages;
    int result;
    int closeRequests;
};

void PrintTo(const CancelCase &c, std::ostream *os)
{
    *os << c.name;
}

const QStringList interactive;
const QStringList driven = {QStringLiteral("x"), QStringLiteral("y")};
const QStringList noFile = {QStringLiteral("No existe archivo")};

const CancelCase cancelCases[] = {
    {"import_interactive", BExportarClick, interactive, {}, untouchedResult, 0},
    {"import_driven", BExportarClick, driven, noFile, -1, 1},
    {"export_interactive", BImportarClick, interactive, {}, untouchedResult, 0},
    {"export_driven", BImportarClick, driven, noFile, 0, 1},
};

class CancelAfterAnEarlierChoice : public testing::TestWithParam<CancelCase> {};

// The working folder holds what both directions would rewrite: the tables the
// import re-creates (and the export reads) and an older "SolucioHorari.xml"
// beside a centre document that an earlier run chose.
TEST_P(CancelAfterAnEarlierChoice, TouchesNothingAndKeepsTheOutcome)
{
    const CancelCase &c = GetParam();
    ExportFolder folder;
    solucfixture::writeSchool(solucfixture::oneClassSchool());
    ExportFolder::write(folder.chosenFile(), "<CENTRE/>");
    ExportFolder::write(folder.output(), "an older timetable");
    const QString driveC = QDir::cleanPath(folder.folder() + QStringLiteral("/../.."));
    const auto before = snapshot(driveC);

    MainFormState form;
    FormCreate(form, c.parameters);
    form.ResultadoTransformacion = untouchedResult;
    form.ArchivoXML = folder.chosenFile();
    ScriptedInteraction ui;
    ui.fileChoices = {std::nullopt};

    c.run(form, ui);

    EXPECT_EQ(snapshot(driveC), before);
    EXPECT_EQ(ui.messages(), c.messages);
    EXPECT_EQ(ui.errors(), QStringList());
    EXPECT_EQ(form.ResultadoTransformacion, c.result);
    EXPECT_EQ(ui.closeRequests(), c.closeRequests);
    EXPECT_TRUE(ui.hourglassCalls.empty());
    EXPECT_TRUE(form.runButtonsEnabled);
    EXPECT_EQ(form.ArchivoXML, folder.chosenFile()) << "the earlier choice is kept for the next run";
}

INSTANTIATE_TEST_SUITE_P(Cases, CancelAfterAnEarlierChoice, testing::ValuesIn(cancelCases),
                         [](const testing::TestParamInfo<CancelCase> &info) { return std::string(info.param.name); });

} // namespace
