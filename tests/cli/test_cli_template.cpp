#include "import/CentreImport.h"
#include "import/Cursos/TControlCursos.h"
#include "run/MainFormState.h"
#include "tests/cli/CliProcess.h"
#include "tests/support/TypedLevels.h"
#include "tests/support/LockHolder.h"
#include "tests/support/QStringPrinter.h"
#include "tests/support/ScriptedInteraction.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

#include <QHash>
#include <QTemporaryDir>

using namespace centre_import;

using Answer = UserInteraction::Answer;

namespace {

const QString centre = cli::data(QStringLiteral("centre.xml"));
const QString levels = cli::data(QStringLiteral("niveles.csv"));

// The next year's export of centre.xml's school: the same courses, a course
// whose description has ';' and quotes, and a new one.
const QByteArray nextYear = R"xml(<?xml version="1.0" encoding="UTF-8"?>
<CENTRE codi="TEST01" any="2027">
  <CURSOS>
    <CURS codi="101" descripcio="1r ESO"><GRUP codi="6001" nom="A"/><GRUP codi="6002" nom="B"/></CURS>
    <CURS codi="102" descripcio="2n ESO; &quot;PMAR&quot;"><GRUP codi="6003" nom="A"/></CURS>
    <CURS codi="201" descripcio="1r Batxillerat"><GRUP codi="6004" nom="A"/></CURS>
    <CURS codi="301" descripcio="1r FP Bàsica"><GRUP codi="6005" nom="A"/></CURS>
  </CURSOS>
  <MATERIES>
    <MATERIA codi="9001" curs="101" descripcio="Matemàtiques 1r ESO" curta="MAT"/>
    <MATERIA codi="9004" curs="301" descripcio="Taller" curta="TAL"/>
  </MATERIES>
  <PLACES><PLACA codi="8001" descripcio="Matemàtiques 1" curta="MATES"/></PLACES>
  <AULES><AULA codi="7001" descripcio="Aula 1"/></AULES>
</CENTRE>
)xml";


// The centre import in the window, the user answering as `answers` says.
void importInTheWindow(const QString &document, std::deque<Answer> answers,
                       const std::function<void(TControlCursos &)> &pass)
{
    MainFormState form;
    ScriptedInteraction user;
    user.fileChoices.push_back(document);
    user.answers = std::move(answers);
    user.cursosPasses.push_back(pass);
    BExportarClick(form, user);
    ASSERT_EQ(user.messages().size(), 1) << user.errors().join('\n').toStdString();
    ASSERT_TRUE(user.messages().first().startsWith(QStringLiteral("Proceso finalizado")));
}

// What a technician types into the template's empty cells: "CODI;;;" becomes "CODI;NIVEL;CURSO;".
void fillIn(const QString &path, const QHash<QString, QStringList> &answers)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QByteArray text = file.readAll();
    file.close();
    for (auto it = answers.cbegin(); it != answers.cend(); ++it) {
        const QByteArray blank = "\r\n" + it.key().toUtf8() + ";;;";
        ASSERT_TRUE(text.contains(blank)) << it.key().toStdString() << " is not blank in:\n" << text.toStdString();
        text.replace(blank, "\r\n" + QStringList({it.key(), it.value().at(0), it.value().at(1), {}}).join(';').toUtf8());
    }
    cli::writeFile(path, text);
}

// The files of a working folder; the backups' folders are named by the time
// of the run, and the log names them (in its summary and its warnings) as the
// window or --carpeta shows them.
QMap<QString, QByteArray> workingFiles(const QString &folder)
{
    static const QRegularExpression backupTime(QStringLiteral("\\d{4}-\\d\\d-\\d\\d \\d\\d\\.\\d\\d\\.\\d\\d"));
    QMap<QString, QByteArray> files;
    for (const auto &[name, bytes] : cli::snapshot(folder).asKeyValueRange()) {
        QByteArray content = bytes;
        if (name == QLatin1String("TransTarquoIB.log"))
            content = QString::fromUtf8(bytes)
                          .remove(QRegularExpression(QStringLiteral("  Copia de las tablas sustituidas: [^\r]*\r\n")))
                          .replace(QRegularExpression(QStringLiteral("en la copia [^;]*;")),
                                   QStringLiteral("en la copia (backup);"))
                          .toUtf8();
        files.insert(QString(name).replace(backupTime, QStringLiteral("(time)")), content);
    }
    return files;
}

void expectSameFiles(const QString &expectedFolder, const QString &actualFolder)
{
    const QMap<QString, QByteArray> expected = workingFiles(expectedFolder);
    QMap<QString, QByteArray> actual = workingFiles(actualFolder);
    actual.remove(QStringLiteral("niveles.csv"));
    ASSERT_EQ(actual.keys(), expected.keys());
    for (const QString &name : expected.keys())
        EXPECT_EQ(cli::withoutDates(name, actual.value(name)), cli::withoutDates(name, expected.value(name)))
            << name.toStdString();
}

} // namespace

// Two imports in a row, the second of a document with a new course: by hand
// in the window's dialog (the second recovering the first's answers), and by
// the template, filled in and given back to exportar. The tables are the same.
TEST(CliTemplate, FilledInAndGivenBackWritesTheTablesTheDialogWrites)
{
    TempWinePrefix prefix;
    QTemporaryDir documents;
    const QString second = cli::writeFile(documents.filePath(QStringLiteral("centre-2027.xml")), nextYear);
    QTemporaryDir command;
    const QString levelsFile = QDir(command.path()).filePath(QStringLiteral("niveles.csv"));
    const QStringList inCommandFolder{"--carpeta", command.path()};

    const QHash<QString, QStringList> firstAnswers = {{"101", {"ESO", "1"}}, {"102", {"ESO", "2"}}, {"201", {"BATX", "1"}}};
    importInTheWindow(centre, {Answer::Ok}, typingLevels(firstAnswers));
    ASSERT_EQ(cli::run(QStringList{"plantilla", centre, "-o", levelsFile} + inCommandFolder).status, 0);
    fillIn(levelsFile, firstAnswers);
    const cli::Result first = cli::run(QStringList{"exportar", centre, "--niveles", levelsFile} + inCommandFolder);
    ASSERT_EQ(first.status, 0) << first.err.toStdString();
    expectSameFiles(prefix.vtemp(), command.path());

    // The kept answers come back in the template; the new course gets the
    // proposal that the user in the window types as it stands.
    importInTheWindow(second, {Answer::Yes, Answer::Ok}, typingLevels({{"301", {"FP", "1"}}}));
    const cli::Result proposed =
        cli::run(QStringList{"plantilla", second, "--salida", levelsFile, "--sugerir"} + inCommandFolder);
    ASSERT_EQ(proposed.status, 0) << proposed.err.toStdString();
    const cli::Result again = cli::run(QStringList{"exportar", second, "--niveles", levelsFile} + inCommandFolder);
    ASSERT_EQ(again.status, 0) << again.err.toStdString();
    expectSameFiles(prefix.vtemp(), command.path());
}

TEST(CliTemplate, HoldsTheKeptAnswersAndTouchesNothing)
{
    TempWinePrefix prefix;
    ASSERT_EQ(cli::run({"exportar", centre, "--niveles", levels}).status, 0);
    const QMap<QString, QByteArray> before = cli::snapshot(prefix.vtemp());
    QTemporaryDir documents;
    const QString second = cli::writeFile(documents.filePath(QStringLiteral("centre-2027.xml")), nextYear);

    const cli::Result shown = cli::run({"plantilla", second});
    ASSERT_EQ(shown.status, 0) << shown.err.toStdString();
    const QString expected = QStringLiteral("CODI;NIVEL;CURSO;DESCRIPCIO;GRUPOS\r\n"
                                            "101;ESO;1;1r ESO;A, B\r\n"
                                            "102;ESO;2;\"2n ESO; \"\"PMAR\"\"\";A\r\n"
                                            "201;BATX;1;1r Batxillerat;A\r\n"
                                            "301;;;1r FP Bàsica;A\r\n");
    EXPECT_EQ(shown.out, expected);
    EXPECT_TRUE(shown.err.contains(QStringLiteral("4 cursos, 1 sin nivel o sin curso"))) << shown.err.toStdString();
    EXPECT_FALSE(shown.err.contains(QStringLiteral("--sugerir"))) << shown.err.toStdString();

    // --sugerir fills the new course and says that nothing is left to type.
    const cli::Result suggested = cli::run({"plantilla", second, "--sugerir"});
    ASSERT_EQ(suggested.status, 0) << suggested.err.toStdString();
    EXPECT_TRUE(suggested.out.contains(QStringLiteral("301;FP;1;1r FP Bàsica;A\r\n"))) << suggested.out.toStdString();
    EXPECT_TRUE(suggested.err.contains(QStringLiteral("--sugerir ha propuesto todo lo que faltaba")))
        << suggested.err.toStdString();

    // -o writes the same text after a byte order mark, named by a Windows path too.
    ASSERT_EQ(cli::run({"plantilla", second, "-o", "C:\\niveles.csv"}).status, 0);
    QFile file(QDir(prefix.driveC()).filePath(QStringLiteral("niveles.csv")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "\xEF\xBB\xBF" + expected.toUtf8());
    EXPECT_EQ(cli::snapshot(prefix.vtemp()), before);
}

// The kept answers are read as the dialog reads them: another program that
// holds CURSOST2 stops the template with the status of a held table.
TEST(CliTemplate, IsFiveWhileTheKeptAnswersAreHeld)
{
    TempWinePrefix prefix;
    ASSERT_EQ(cli::run({"exportar", centre, "--niveles", levels}).status, 0);
    const LockHolder holder(prefix.vtempFile(QStringLiteral("CURSOST2.DBF")), LockHolder::Kind::RecordExclusive);
    ASSERT_TRUE(holder.holding());
    const cli::Result result = cli::run({"plantilla", centre});
    EXPECT_EQ(result.status, 5) << result.err.toStdString();
    EXPECT_TRUE(result.out.isEmpty()) << result.out.toStdString();
    EXPECT_TRUE(result.err.contains(QStringLiteral("CURSOST2"))) << result.err.toStdString();
}

// -o naming the centre document itself is refused before anything is written.
TEST(CliTemplate, NeverWritesOverTheCentreDocument)
{
    TempWinePrefix prefix;
    QTemporaryDir documents;
    const QString document = cli::writeFile(documents.filePath(QStringLiteral("centre.xml")), nextYear);
    const cli::Result result = cli::run({"plantilla", document, "-o", documents.path() + QStringLiteral("/./centre.xml")});
    EXPECT_EQ(result.status, 2) << result.err.toStdString();
    EXPECT_TRUE(result.err.contains(QStringLiteral("es el propio documento del centro"))) << result.err.toStdString();
    EXPECT_EQ(cli::snapshot(documents.path()).value(QStringLiteral("centre.xml")), nextYear);
}

// The closing count names one course in the singular.
TEST(CliTemplate, CountsTheCourses)
{
    const struct {
        const char *name;
        const char *courses;
        QString count;
    } cases[] = {
        {"one", R"(<CURS codi="101" descripcio="1r ESO"/>)", "Plantilla de niveles: 1 curso, 1 sin nivel o sin curso."},
        {"two", R"(<CURS codi="101" descripcio="1r ESO"/><CURS codi="102" descripcio="2n ESO"/>)",
         "Plantilla de niveles: 2 cursos, 2 sin nivel o sin curso."},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        TempWinePrefix prefix;
        QTemporaryDir documents;
        const QString document = cli::writeFile(
            documents.filePath(QStringLiteral("centre.xml")),
            QByteArray("<CENTRE codi=\"TEST01\" any=\"2026\"><CURSOS>") + c.courses + "</CURSOS></CENTRE>");
        const cli::Result shown = cli::run({"plantilla", document});
        ASSERT_EQ(shown.status, 0) << shown.err.toStdString();
        EXPECT_TRUE(shown.err.contains(c.count + u'\n')) << shown.err.toStdString();
    }
}
