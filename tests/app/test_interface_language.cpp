// The window's language follows the user's: Catalan, with Qt's own texts in
// Catalan too, where the user's languages put Catalan before Spanish, and the
// Spanish texts otherwise. The runs write the same files in either language.
#include "app/Help.h"
#include "app/SpanishTranslations.h"
#include "app/TMForm.h"
#include "export/TimetableExport.h"
#include "import/CentreImport.h"
#include "import/Cursos/TControlCursos.h"
#include "run/InterfaceLanguage.h"
#include "run/MainFormState.h"
#include "tests/cli/CliProcess.h"
#include "tests/export/SolucFixture.h"
#include "tests/support/TypedLevels.h"
#include "tests/support/QStringPrinter.h"
#include "tests/support/QtTestApp.h"
#include "tests/support/ScriptedInteraction.h"

#include <QAbstractButton>
#include <QAbstractFileIconProvider>
#include <QFileSystemModel>
#include <QLibraryInfo>
#include <QHash>
#include <QLabel>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using centre_import::TControlCursos;
using Answer = UserInteraction::Answer;

namespace {

struct LanguageCase {
    const char *locale;
    InterfaceLanguage language;
};

const LanguageCase languageCases[] = {
    {"ca_ES", InterfaceLanguage::Catalan}, {"ca_ES_VALENCIA", InterfaceLanguage::Catalan},
    {"ca_AD", InterfaceLanguage::Catalan}, {"es_ES", InterfaceLanguage::Spanish},
    {"C", InterfaceLanguage::Spanish},     {"en_GB", InterfaceLanguage::Spanish},
    {"fr_FR", InterfaceLanguage::Spanish},
};

TEST(InterfaceLanguage, FromTheLocale)
{
    for (const LanguageCase &c : languageCases)
        EXPECT_EQ(interfaceLanguage(QLocale(QString::fromLatin1(c.locale))), c.language) << c.locale;
}

class InterfaceTexts : public testing::Test {
protected:
    static void SetUpTestSuite() { qtTestApp(); }
    void TearDown() override
    {
        installInterfaceLanguage(InterfaceLanguage::Spanish);
        installQtTranslations(InterfaceLanguage::Spanish);
    }
    static void speak(InterfaceLanguage language)
    {
        ASSERT_TRUE(installInterfaceLanguage(language));
        ASSERT_TRUE(installQtTranslations(language)) << "Qt's own translations were not found";
    }
};

TEST_F(InterfaceTexts, MainWindowCaptions)
{
    const struct {
        InterfaceLanguage language;
        QString title, exit, help, left;
    } cases[] = {
        {InterfaceLanguage::Catalan, "Exportar i importar dades entre Velarix i GestIB", "&Sortir", "F1 AJUDA",
         "Transformar dades des de GestIB cap a Velarix "},
        {InterfaceLanguage::Spanish, "Exportar e importar datos entre Velarix y GestIB", "&Salir", "F1 AYUDA",
         "Transformar datos desde GestIB hacia Velarix "},
    };
    for (const auto &c : cases) {
        speak(c.language);
        ScriptedInteraction user;
        TMForm form(user, {});
        EXPECT_EQ(form.windowTitle(), c.title);
        EXPECT_EQ(form.findChild<QAbstractButton *>(QStringLiteral("BClose"))->text(), c.exit);
        EXPECT_EQ(form.findChild<QAbstractButton *>(QStringLiteral("Button1"))->text(), c.help);
        EXPECT_EQ(form.findChild<QLabel *>(QStringLiteral("Label3"))->text(), c.left);
    }
}

// Whether a label shows its whole text within its own geometry: wrapped at
// blanks where it wraps, on one line where it does not.
bool showsWholeText(const QLabel &label)
{
    const QRect room = label.contentsRect();
    const int wrap = label.wordWrap() ? Qt::TextWordWrap : Qt::TextSingleLine;
    const QRect needed = QFontMetrics(label.font()).boundingRect(room, wrap | label.alignment(), label.text());
    return needed.width() <= room.width() && needed.height() <= room.height();
}

// No label of the main window loses its end, in either language, the note
// shown after a run included.
TEST_F(InterfaceTexts, MainWindowLabelsShowTheirWholeText)
{
    for (const InterfaceLanguage language : {InterfaceLanguage::Catalan, InterfaceLanguage::Spanish}) {
        speak(language);
        ScriptedInteraction user;
        TMForm form(user, {});
        const QList<QLabel *> labels = form.findChildren<QLabel *>();
        ASSERT_EQ(labels.size(), 4);
        for (const QLabel *label : labels)
            EXPECT_TRUE(showsWholeText(*label))
                << languageCode(language).toStdString() << " " << label->objectName().toStdString() << ": "
                << label->text().toStdString();
    }
}

TEST_F(InterfaceTexts, QtsOwnTextsFollow)
{
    speak(InterfaceLanguage::Catalan);
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel·la"));
    speak(InterfaceLanguage::Spanish);
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancelar"));
}

// The file dialog's type column names a folder in the interface's language,
// a text Qt 6 keeps where the system's Spanish catalogue does not have it.
TEST_F(InterfaceTexts, TheFileDialogNamesAFoldersType)
{
    const struct {
        const char *locale;
        QString folder;
    } cases[] = {{"es_ES", "Carpeta"}, {"en_GB", "Carpeta"}, {"ca_ES", "Carpeta"}};
    const QFileInfo folder(QDir::tempPath());
    for (const auto &c : cases) {
        SCOPED_TRACE(c.locale);
        const InterfaceLanguage language = interfaceLanguage(QLocale(QString::fromLatin1(c.locale)));
        const QString system = QStringLiteral("qtbase_") + languageCode(language) + QStringLiteral(".qm");
        if (!QFileInfo::exists(QDir(QLibraryInfo::path(QLibraryInfo::TranslationsPath)).filePath(system)))
            GTEST_SKIP() << "Qt's " << system.toStdString() << " is not installed (package qt6-translations-l10n)";
        speak(language);
        EXPECT_EQ(QAbstractFileIconProvider().type(folder), c.folder);
        QFileSystemModel model;
        EXPECT_EQ(model.type(model.index(folder.absoluteFilePath())), c.folder);
    }
}


// The files of the working folder without their dates, the run log apart.
QMap<QString, QByteArray> tables(const TempWinePrefix &prefix, QString *log)
{
    QMap<QString, QByteArray> files;
    const QMap<QString, QByteArray> all = cli::snapshot(prefix.vtemp());
    for (auto it = all.begin(); it != all.end(); ++it) {
        if (it.key() == u"TransTarquoIB.log")
            *log = QString::fromUtf8(cli::withoutDates(it.key(), it.value()));
        else
            files.insert(it.key(), cli::withoutDates(it.key(), it.value()));
    }
    return files;
}

TEST_F(InterfaceTexts, TheCentreImportWritesTheSameTablesInEitherLanguage)
{
    const struct {
        InterfaceLanguage language;
        QStringList questions;
        QString finished, logTitle;
    } cases[] = {
        {InterfaceLanguage::Catalan, {"Creació automàtica de Línies d'Assignatures"},
         "Procés finalitzat amb 2 avisos", "Importació del centre des de GestIB"},
        {InterfaceLanguage::Spanish, {"Creación automática de Líneas de Asignaturas"},
         "Proceso finalizado con 2 avisos", "Importación del centro desde GestIB"},
    };
    QMap<QString, QByteArray> written[2];
    for (int i = 0; i < 2; ++i) {
        speak(cases[i].language);
        TempWinePrefix prefix;
        MainFormState form;
        ScriptedInteraction user;
        user.fileChoices.push_back(QStringLiteral(TESTS_SOURCE_DIR "/data/cli/centre.xml"));
        user.answers = {Answer::Ok};
        user.cursosPasses.push_back(typingLevels(nivelesCsvAnswers()));
        centre_import::BExportarClick(form, user);
        EXPECT_EQ(user.messages(), QStringList{cases[i].finished});
        QStringList captions;
        for (const auto &shown : user.shown)
            if (shown.kind == ScriptedInteraction::Shown::Question)
                captions << shown.caption;
        EXPECT_EQ(captions, cases[i].questions);
        QString log;
        written[i] = tables(prefix, &log);
        EXPECT_TRUE(log.contains(cases[i].logTitle)) << log.toStdString();
    }
    ASSERT_TRUE(written[0].contains(QStringLiteral("GRUPOST.DBF")));
    EXPECT_EQ(written[0], written[1]);
}

TEST_F(InterfaceTexts, TheTimetableExportWritesTheSameDocumentInEitherLanguage)
{
    const struct {
        InterfaceLanguage language;
        QString finished, noFile;
    } cases[] = {
        {InterfaceLanguage::Catalan, "Procés finalitzat", "No existeix el fitxer"},
        {InterfaceLanguage::Spanish, "Proceso finalizado", "No existe archivo"},
    };
    QByteArray documents[2];
    for (int i = 0; i < 2; ++i) {
        speak(cases[i].language);
        TempWinePrefix prefix;
        solucfixture::School school = solucfixture::smallSchool();
        school.soluc = {{"1", "1", "ABC", "1ESO-A", "A01", "MAT1", ""}, {"3", "2", "ABC", "", "", "", "GUARDIA"}};
        solucfixture::writeSchool(school);
        QTemporaryDir folder;
        const QString chosen = folder.filePath(QStringLiteral("horari.xml"));
        cli::writeFile(chosen, {});
        MainFormState form;
        ScriptedInteraction user;
        user.fileChoices.push_back(chosen);
        user.fileChoices.push_back(folder.filePath(QStringLiteral("no-hi-es.xml")));
        timetable_export::BImportarClick(form, user);
        form.runButtonsEnabled = true;
        timetable_export::BImportarClick(form, user);
        EXPECT_EQ(user.messages(), (QStringList{cases[i].finished, cases[i].noFile}));
        documents[i] = cli::snapshot(folder.path()).value(QStringLiteral("SolucioHorari.xml"));
    }
    ASSERT_FALSE(documents[0].isEmpty());
    EXPECT_EQ(documents[0], documents[1]);
}

TEST(InterfaceHelp, TheManualOfTheInterfacesLanguage)
{
    QTemporaryDir prefix;
    QDir root(prefix.path());
    root.mkpath(QStringLiteral("bin"));
    for (const char *manual : {"share/transtarquoib/manual/index.html", "share/transtarquoib/manual/ca/index.html"}) {
        root.mkpath(QFileInfo(root.filePath(QLatin1String(manual))).path());
        QFile file(root.filePath(QLatin1String(manual)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    const QString bin = root.filePath(QStringLiteral("bin"));
    const QString work = root.filePath(QStringLiteral("work"));
    EXPECT_EQ(findHelp(bin, work, InterfaceLanguage::Catalan),
              root.filePath(QStringLiteral("share/transtarquoib/manual/ca/index.html")));
    EXPECT_EQ(findHelp(bin, work, InterfaceLanguage::Spanish),
              root.filePath(QStringLiteral("share/transtarquoib/manual/index.html")));
    QFile::remove(root.filePath(QStringLiteral("share/transtarquoib/manual/ca/index.html")));
    EXPECT_EQ(findHelp(bin, work, InterfaceLanguage::Catalan),
              root.filePath(QStringLiteral("share/transtarquoib/manual/index.html")))
        << "the Spanish manual where there is no Catalan one";
}

} // namespace
