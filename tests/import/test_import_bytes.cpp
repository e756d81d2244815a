// The tables a whole centre import writes, byte for byte, against copies
// written by an earlier, checked build: a change to how rows are gathered or
// written must leave every byte the timetabling program reads as it was.
#include "import/CentreImport.h"
#include "run/MainFormState.h"
#include "tests/support/GoldenBytes.h"
#include "tests/support/ScriptedInteraction.h"
#include "tests/support/TempWinePrefix.h"

#include <gtest/gtest.h>

using namespace centre_import;

namespace {

const QString dataFolder = QStringLiteral(TESTS_SOURCE_DIR "/data/import");

// The day of the last update, in every table's header.
const golden::Masks tableDate = {{1, 3}};
// The index's two dates in its file header, and its tag's date (tag header at page 4).
const golden::Masks indexDates = {{1, 3}, {44, 3}, {4 * 512 + 257, 3}};

struct WrittenFile {
    const char *name;
    const golden::Masks *dates;
};

void PrintTo(const WrittenFile &file, std::ostream *os) { *os << file.name; }

const std::vector<WrittenFile> writtenFiles = {
    {"ASIGNOMT.DBF", &tableDate}, {"PROFT.DBF", &tableDate},   {"AULAT.DBF", &tableDate},
    {"CURSOST.DBF", &tableDate},  {"CURSOST2.DBF", &tableDate}, {"GRUPOST.DBF", &tableDate},
    {"MATIB.DBF", &tableDate},    {"MATIB.MDX", &indexDates},  {"ASIGT.DBF", &tableDate},
    {"DIASHORAST.DBF", &tableDate},
};

// One import of tests/data/import/centre.xml: the dialog filled with "ESO"
// and each row's number, the proposed subject lines accepted. The document
// has clashing short names, accents, markup characters, a course without
// groups, subjects of no course and enough subjects for a two-level index.
class ImportBytes : public testing::TestWithParam<WrittenFile> {
protected:
    static void SetUpTestSuite()
    {
        prefix = new TempWinePrefix;
        MainFormState form;
        ScriptedInteraction user;
        user.fileChoices.push_back(dataFolder + QStringLiteral("/centre.xml"));
        user.answers = {UserInteraction::Answer::Ok};
        BExportarClick(form, user);
        // Short codes differ from their base in four tables.
        finished = user.messages() == QStringList{QStringLiteral("Proceso finalizado con 4 avisos")}
                   && user.errors().isEmpty();
    }
    static void TearDownTestSuite() { delete prefix; }

    static TempWinePrefix *prefix;
    static bool finished;
};

TempWinePrefix *ImportBytes::prefix = nullptr;
bool ImportBytes::finished = false;

TEST_P(ImportBytes, SameAsStoredCopy)
{
    ASSERT_TRUE(finished) << "the import did not finish";
    const WrittenFile &file = GetParam();
    const QString name = QString::fromLatin1(file.name);
    golden::expectSameBytes(readFileBytes(prefix->vtempFile(name)), dataFolder + QStringLiteral("/tables/") + name,
                            *file.dates);
}

INSTANTIATE_TEST_SUITE_P(Files, ImportBytes, testing::ValuesIn(writtenFiles),
                         [](const testing::TestParamInfo<WrittenFile> &info) {
                             std::string name = info.param.name;
                             name[name.find('.')] = '_';
                             return name;
                         });

} // namespace
