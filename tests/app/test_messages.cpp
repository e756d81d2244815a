// Every message the program itself words, shown by the run that shows it, as
// the user reads it in the standard error report: in Spanish. Where the reason
// comes from libxml2 or the operating system, only the program's own sentence
// around it is fixed.
#include "app/MainFormLogic.h"
#include "run/HandlerBoundary.h"
#include "run/MainFormState.h"
#include "export/TimetableExport.h"
#include "import/CentreImport.h"
#include "platform/WinPath.h"
#include "tests/support/QStringPrinter.h"
#include "tests/support/ScriptedInteraction.h"
#include "tests/support/TempWinePrefix.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <functional>

using namespace centre_import;
using namespace timetable_export;

namespace {

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write test fixture " + path.toStdString());
}

QString native(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

// A file as the timetabling program under Wine names it.
QString windows(const QString &path)
{
    return winpath::toWindows(path);
}

struct MessageCase {
    const char *name;
    // Prepares the working folder and runs; returns the message expected,
    // whole or, when `reasonFollows`, up to the reason that follows it.
    std::function<QString(const TempWinePrefix &, MainFormState &, ScriptedInteraction &)> run;
    bool reasonFollows;
};

void PrintTo(const MessageCase &c, std::ostream *os)
{
    *os << c.name;
}

// A centre import of the given document.
std::function<QString(const TempWinePrefix &, MainFormState &, ScriptedInteraction &)>
importOf(const QByteArray &document, const std::function<QString(const QString &file, const TempWinePrefix &)> &expected,
         const std::function<void(const TempWinePrefix &)> &prepare = {})
{
    return [=](const TempWinePrefix &prefix, MainFormState &form, ScriptedInteraction &ui) {
        const QString file = prefix.prefix() + QStringLiteral("/centre.xml");
        writeFile(file, document);
        if (prepare)
            prepare(prefix);
        ui.fileChoices.push_back(file);
        runHandler(ui, [&] { BExportarClick(form, ui); });
        return expected(file, prefix);
    };
}

const MessageCase messageCases[] = {
    {"DocumentOfAnotherKind",
     importOf("<HORARI><SESSIONS/></HORARI>",
              [](const QString &file, const TempWinePrefix &) {
                  return QStringLiteral("%1 no es un documento de centro de GestIB: su elemento raíz es HORARI, no CENTRE.")
                      .arg(windows(file));
              }),
     false},
    {"DocumentNotWellFormed",
     importOf("<CENTRE>\n  <CURSOS>\n</CENTRE>\n",
              [](const QString &file, const TempWinePrefix &) {
                  return QStringLiteral("Error en %1, línea 3, columna 10: ").arg(windows(file));
              }),
     true},
    {"WorkingFolderIsAFile",
     importOf("<CENTRE/>",
              [](const QString &, const TempWinePrefix &) {
                  return QStringLiteral("No se puede crear una carpeta de trabajo provisional en C:\\VTEMP: ");
              },
              [](const TempWinePrefix &prefix) {
                  QDir(prefix.vtemp()).removeRecursively();
                  writeFile(prefix.driveC() + QStringLiteral("/VTEMP"), "not a folder");
              }),
     true},
    {"SolutionTableNotADbaseTable",
     [](const TempWinePrefix &prefix, MainFormState &form, ScriptedInteraction &ui) {
         const QString soluc = prefix.vtempFile(QStringLiteral("SOLUC.DBF"));
         writeFile(soluc, QByteArray(200, 'x'));
         ui.fileChoices.push_back(prefix.vtempFile(QStringLiteral("horari.xml")));
         writeFile(ui.fileChoices.front().value(), "<HORARI/>");
         runHandler(ui, [&] { BImportarClick(form, ui); });
         return QStringLiteral("No se puede abrir la tabla C:\\VTEMP\\SOLUC.DBF: no es una tabla dBase.");
     },
     false},
    {"ResultFileCannotBeWritten",
     [](const TempWinePrefix &prefix, MainFormState &form, ScriptedInteraction &ui) {
         writeFile(prefix.prefix() + QStringLiteral("/bin"), "a file where the program's folder should be");
         const QString iniPath = prefix.prefix() + QStringLiteral("/bin/Velarix.ini");
         FormCreate(form, {QStringLiteral("exportar"), QStringLiteral("x")});
         runHandler(ui, [&] { FormClose(form, iniPath); });
         return QStringLiteral("No se puede escribir en %1.").arg(native(iniPath));
     },
     false},
};

class Messages : public testing::TestWithParam<MessageCase> {};

TEST_P(Messages, AreShownInSpanish)
{
    const MessageCase &c = GetParam();
    TempWinePrefix prefix;
    MainFormState form;
    ScriptedInteraction ui;

    const QString expected = c.run(prefix, form, ui);

    ASSERT_EQ(ui.errors().size(), 1) << "the run must end with one error report";
    const QString shown = ui.errors().front();
    if (c.reasonFollows) {
        EXPECT_TRUE(shown.startsWith(expected)) << shown.toStdString();
        EXPECT_GT(shown.size(), expected.size() + 1) << "the reason is missing: " << shown.toStdString();
    } else {
        EXPECT_EQ(shown, expected);
    }
}

INSTANTIATE_TEST_SUITE_P(Runs, Messages, testing::ValuesIn(messageCases),
                         [](const testing::TestParamInfo<MessageCase> &info) { return std::string(info.param.name); });

} // namespace
