// The command speaks the user's language, Catalan or else Spanish, as Qt reads
// it from LANGUAGE, LC_ALL, LC_MESSAGES and LANG; what it writes is the same
// in every language, but for the run log, which speaks it too.
#include "tests/cli/CliProcess.h"
#include "tests/export/SolucFixture.h"
#include "tests/support/QStringPrinter.h"

#include <gtest/gtest.h>

#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

namespace {

const QString centre = cli::data(QStringLiteral("centre.xml"));
const QString levels = cli::data(QStringLiteral("niveles.csv"));

struct LocaleCase {
    const char *name;
    QStringList variables;
    bool catalan;
};

// LC_ALL is emptied in each case so that only the variables named decide.
const LocaleCase localeCases[] = {
    {"CatalanLang", {"LANG=ca_ES.UTF-8", "LC_ALL=", "LANGUAGE="}, true},
    {"SpanishLang", {"LANG=es_ES.UTF-8", "LC_ALL=", "LANGUAGE="}, false},
    {"CLocale", {"LANG=C", "LC_ALL=", "LANGUAGE="}, false},
    {"OtherLanguageFallsBackToSpanish", {"LANG=fr_FR.UTF-8", "LC_ALL=", "LANGUAGE="}, false},
    {"CatalanFirstInLanguage", {"LANG=en_GB.UTF-8", "LC_ALL=", "LANGUAGE=ca:es"}, true},
    {"SpanishBeforeCatalanInLanguage", {"LANG=ca_ES.UTF-8", "LC_ALL=", "LANGUAGE=es:ca"}, false},
    {"CatalanLcAllOverLang", {"LANG=es_ES.UTF-8", "LC_ALL=ca_ES.UTF-8", "LANGUAGE="}, true},
};

class CliLanguage : public testing::TestWithParam<LocaleCase> {};

TEST_P(CliLanguage, HelpAndUsageErrors)
{
    const LocaleCase &c = GetParam();
    const cli::Result help = cli::run({"--help"}, QDir::currentPath(), {}, c.variables);
    ASSERT_EQ(help.status, 0);
    EXPECT_TRUE(help.out.startsWith(c.catalan ? QStringLiteral("Ús: transtarquoib-cli ORDRE FITXER [OPCIONS]\n")
                                              : QStringLiteral("Uso: transtarquoib-cli ORDEN ARCHIVO [OPCIONES]\n")))
        << help.out.toStdString();

    const cli::Result wrong = cli::run({"exportar"}, QDir::currentPath(), {}, c.variables);
    EXPECT_EQ(wrong.status, 2);
    EXPECT_EQ(wrong.err, c.catalan ? QStringLiteral("transtarquoib-cli: exportar necessita el fitxer XML del centre\n"
                                                    "Provau «transtarquoib-cli --help».\n")
                                   : QStringLiteral("transtarquoib-cli: exportar necesita el archivo XML del centro\n"
                                                    "Pruebe «transtarquoib-cli --help».\n"));
}

INSTANTIATE_TEST_SUITE_P(Locales, CliLanguage, testing::ValuesIn(localeCases),
                         [](const testing::TestParamInfo<LocaleCase> &info) { return std::string(info.param.name); });

// Every key of a JSON object and of the objects within it, as paths.
QStringList keyPaths(const QJsonObject &object, const QString &prefix = {})
{
    QStringList paths;
    for (auto it = object.begin(); it != object.end(); ++it) {
        paths << prefix + it.key();
        if (it.value().isObject())
            paths << keyPaths(it.value().toObject(), prefix + it.key() + u'/');
    }
    return paths;
}

const QStringList catalan = {"LANG=ca_ES.UTF-8", "LC_ALL=", "LANGUAGE="};
const QStringList spanish = {"LANG=es_ES.UTF-8", "LC_ALL=", "LANGUAGE="};
const QStringList cLocale = {"LANG=C", "LC_ALL=", "LANGUAGE="};

TEST(CliLanguageRuns, TheCentreImportWritesTheSameTablesInEveryLanguage)
{
    QMap<QString, QByteArray> written[3];
    QString log[3];
    const QStringList *locales[] = {&catalan, &spanish, &cLocale};
    for (int i = 0; i < 3; ++i) {
        QTemporaryDir folder;
        const cli::Result result = cli::run({"exportar", centre, "--niveles", levels, "--carpeta", folder.path()},
                                            QDir::currentPath(), {}, *locales[i]);
        ASSERT_EQ(result.status, 0) << result.err.toStdString();
        const QMap<QString, QByteArray> files = cli::snapshot(folder.path());
        for (auto it = files.begin(); it != files.end(); ++it) {
            if (it.key() == u"TransTarquoIB.log")
                log[i] = QString::fromUtf8(cli::withoutDates(it.key(), it.value()));
            else
                written[i].insert(it.key(), cli::withoutDates(it.key(), it.value()));
        }
        EXPECT_TRUE(
            result.err.contains(i == 0 ? QStringLiteral("Procés finalitzat") : QStringLiteral("Proceso finalizado")))
            << result.err.toStdString();
    }
    ASSERT_TRUE(written[0].contains(QStringLiteral("GRUPOST.DBF")) && written[0].contains(QStringLiteral("MATIB.MDX")));
    EXPECT_EQ(written[0], written[1]);
    EXPECT_EQ(written[1], written[2]);
    EXPECT_TRUE(log[0].contains(QStringLiteral("Importació del centre des de GestIB"))) << log[0].toStdString();
    EXPECT_TRUE(log[1].contains(QStringLiteral("Importación del centro desde GestIB"))) << log[1].toStdString();
    EXPECT_EQ(log[1], log[2]);
}

TEST(CliLanguageRuns, FailuresGiveTheirReasonsInTheLanguage)
{
    TempWinePrefix prefix(TempWinePrefix::WorkingFolder::Absent); // without tables
    QTemporaryDir folder;
    const cli::Result ca = cli::run({"importar", folder.path()}, QDir::currentPath(), {}, catalan);
    EXPECT_EQ(ca.status, 1);
    EXPECT_EQ(ca.err, QStringLiteral("transtarquoib-cli: No es pot obrir la taula C:\\vtemp\\SOLUC.DBF: no existeix el "
                                     "fitxer o la carpeta\n"));
    const cli::Result es = cli::run({"importar", folder.path()}, QDir::currentPath(), {}, cLocale);
    EXPECT_EQ(es.status, 1);
    EXPECT_EQ(es.err, QStringLiteral("transtarquoib-cli: No se puede abrir la tabla C:\\vtemp\\SOLUC.DBF: no existe el "
                                     "archivo o la carpeta\n"));
}

TEST(CliLanguageRuns, TheTimetableExportWritesTheSameDocumentInEveryLanguage)
{
    TempWinePrefix prefix;
    solucfixture::School school = solucfixture::smallSchool();
    school.soluc = {{"1", "1", "ABC", "1ESO-A", "A01", "MAT1", ""},
                    {"2", "3.5", "NOSUCH", "2ESO-B", "LAB", "CAS1", ""},
                    {"3", "2", "ABC", "", "", "", "GUARDIA"}};
    solucfixture::writeSchool(school);

    QByteArray documents[3];
    const QStringList *locales[] = {&catalan, &spanish, &cLocale};
    for (int i = 0; i < 3; ++i) {
        QTemporaryDir folder;
        const cli::Result result = cli::run({"importar", folder.path()}, QDir::currentPath(), {}, *locales[i]);
        ASSERT_EQ(result.status, 0) << result.err.toStdString();
        documents[i] = cli::snapshot(folder.path()).value(QStringLiteral("SolucioHorari.xml"));
        EXPECT_TRUE(result.err.contains(i == 0 ? QStringLiteral("Procés finalitzat amb 1 avís")
                                               : QStringLiteral("Proceso finalizado con 1 aviso")))
            << result.err.toStdString();
        EXPECT_TRUE(result.out.contains(i == 0 ? QStringLiteral("amb un professor (PROF) que no és a PROFT")
                                               : QStringLiteral("cuyo profesor (PROF) no está en PROFT")))
            << result.out.toStdString();
    }
    ASSERT_FALSE(documents[0].isEmpty());
    EXPECT_EQ(documents[0], documents[1]);
    EXPECT_EQ(documents[1], documents[2]);

    // Scripts read --json by its keys, which stay the same in every language.
    QStringList keys[2];
    const QStringList *jsonLocales[] = {&catalan, &spanish};
    for (int i = 0; i < 2; ++i) {
        QTemporaryDir folder;
        const cli::Result result =
            cli::run({"importar", folder.path(), "--json"}, QDir::currentPath(), {}, *jsonLocales[i]);
        ASSERT_EQ(result.status, 0) << result.err.toStdString();
        keys[i] = keyPaths(QJsonDocument::fromJson(result.out.toUtf8()).object());
    }
    EXPECT_TRUE(keys[0].contains(QStringLiteral("resumen/sinCorrespondencia/profesor/aviso")))
        << keys[0].join(u' ').toStdString();
    EXPECT_EQ(keys[0], keys[1]);
}

} // namespace
