// Whole centre imports of several documents, every written file against the
// bytes an earlier, checked build wrote: how the document is read may change,
// what the timetabling program reads may not. Our own documents' tables are
// stored whole; of the real GestIB exports, which stay outside the project,
// only a digest of each file is kept.
#include "import/CentreImport.h"
#include "run/MainFormState.h"
#include "tests/support/CentreDocuments.h"
#include "tests/support/GoldenBytes.h"
#include "tests/support/ScriptedInteraction.h"
#include "tests/support/TempWinePrefix.h"

#include <QCryptographicHash>

#include <gtest/gtest.h>

using namespace centre_import;

namespace {

const QString goldenFolder = QStringLiteral(TESTS_SOURCE_DIR "/data/import/golden");

// The day of the last update, in every table's header.
const golden::Masks tableDate = {{1, 3}};
// The index's two dates in its file header, and its tag's date (tag header at page 4).
const golden::Masks indexDates = {{1, 3}, {44, 3}, {4 * 512 + 257, 3}};

const std::vector<std::pair<QString, const golden::Masks *>> writtenFiles = {
    {QStringLiteral("ASIGNOMT.DBF"), &tableDate}, {QStringLiteral("PROFT.DBF"), &tableDate},
    {QStringLiteral("AULAT.DBF"), &tableDate},    {QStringLiteral("CURSOST.DBF"), &tableDate},
    {QStringLiteral("CURSOST2.DBF"), &tableDate}, {QStringLiteral("GRUPOST.DBF"), &tableDate},
    {QStringLiteral("MATIB.DBF"), &tableDate},    {QStringLiteral("MATIB.MDX"), &indexDates},
    {QStringLiteral("ASIGT.DBF"), &tableDate},    {QStringLiteral("DIASHORAST.DBF"), &tableDate},
};

struct GoldenImport {
    const char *name;     // the folder of its stored tables, or its key in the digests
    const char *document; // in tests/data, or among the real exports
    bool realExport;
};

void PrintTo(const GoldenImport &import, std::ostream *os) { *os << import.document; }

const GoldenImport goldenImports[] = {
    {"escola", "centre-escola.xml", false},
    {"escola-seguent", "centre-escola-seguent.xml", false},
    {"sample-2018", "centre-2018.xml", true},
    {"sample-2019", "centre-2019-variant.xml", true},
};

// The stored digests of the real exports' files: "<import> <file> <sha256>" a line.
QHash<QString, QByteArray> storedDigests()
{
    QHash<QString, QByteArray> digests;
    for (const QByteArray &line : readFileBytes(goldenFolder + QStringLiteral("/samples.sha256")).split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.size() == 3)
            digests.insert(QString::fromLatin1(fields[0] + ' ' + fields[1]), fields[2]);
    }
    return digests;
}

class ImportGolden : public testing::TestWithParam<GoldenImport> {};

// The dialog filled as the scripted user fills it (level "ESO", each row's
// number), the proposed subject lines accepted, in a working folder of its own.
TEST_P(ImportGolden, EveryFileAsStored)
{
    const GoldenImport &import = GetParam();
    if (import.realExport)
        SKIP_WITHOUT_GESTIB_SAMPLES();
    const QString document = import.realExport ? gestibSample(QString::fromLatin1(import.document))
                                               : centreFixture(QString::fromLatin1(import.document));
    TempWinePrefix prefix;
    MainFormState form;
    ScriptedInteraction user;
    user.fileChoices.push_back(document);
    user.answers = {UserInteraction::Answer::Ok};
    BExportarClick(form, user);
    ASSERT_EQ(user.errors(), QStringList());
    ASSERT_EQ(user.messages().size(), 1);
    ASSERT_TRUE(user.messages().first().startsWith(QStringLiteral("Proceso finalizado"))) << user.messages().first().toStdString();

    const QString name = QString::fromLatin1(import.name);
    const QHash<QString, QByteArray> digests = storedDigests();
    for (const auto &[file, dates] : writtenFiles) {
        SCOPED_TRACE(file.toStdString());
        const QByteArray written = readFileBytes(prefix.vtempFile(file));
        if (!import.realExport) {
            golden::expectSameBytes(written, goldenFolder + QLatin1Char('/') + name + QLatin1Char('/') + file, *dates);
            continue;
        }
        const QByteArray digest =
            QCryptographicHash::hash(golden::masked(written, *dates), QCryptographicHash::Sha256).toHex();
        EXPECT_EQ(digests.value(name + QLatin1Char(' ') + file).toStdString(), digest.toStdString())
            << "stored line: " << name.toStdString() << ' ' << file.toStdString() << ' ' << digest.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Documents, ImportGolden, testing::ValuesIn(goldenImports),
                         [](const testing::TestParamInfo<GoldenImport> &info) {
                             std::string name = info.param.name;
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });

} // namespace
