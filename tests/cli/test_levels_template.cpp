#include "cli/LevelsFile.h"
#include "cli/LevelsTemplate.h"
#include "platform/Error.h"
#include "platform/XmlDocument.h"
#include "tests/support/QStringPrinter.h"

#include <gtest/gtest.h>

namespace {

// Courses as GestIB writes them, and the awkward ones: a description with ';'
// and quotes, a code that two courses share, a course without groups, one
// without code, and codes that differ from a kept one only in letter case.
const QByteArray centre = R"xml(<?xml version="1.0" encoding="UTF-8"?>
<CENTRE codi="T" any="2026"><CURSOS>
  <CURS codi="101" descripcio="1r ESO"><GRUP codi="1" nom="A"/><GRUP codi="2" nom=" B "/></CURS>
  <CURS codi="102" descripcio="2n ESO; grup &quot;PMAR&quot;"><GRUP codi="3" nom="A"/></CURS>
  <CURS codi="AB1" descripcio="1r Batxillerat"><GRUP codi="4" nom="A"/></CURS>
  <CURS codi="301" descripcio="Aula Enllaç"/>
  <CURS codi="" descripcio="Sense codi"><GRUP codi="5" nom="X"/></CURS>
  <CURS codi="101" descripcio="1r ESO (tarda)"><GRUP codi="6" nom="C"/></CURS>
</CURSOS></CENTRE>)xml";

LevelsTemplate templateOf(const QHash<QString, LevelAnswer> &kept, bool suggest,
                          const QList<centre_import::KeptLevel> &school = {})
{
    const centre_import::CentreDocument document = centre_import::readCentreDocument(centre, QStringLiteral("centre.xml"));
    return levelsTemplate(document, QStringLiteral("centre.xml"), kept, suggest, centre_import::SchoolLevels(school));
}

QStringList lines(const QByteArray &text)
{
    EXPECT_TRUE(text.startsWith("\xEF\xBB\xBF")) << "no byte order mark";
    EXPECT_TRUE(text.endsWith("\r\n"));
    QStringList out = QString::fromUtf8(text.mid(3)).split(QStringLiteral("\r\n"));
    out.removeLast();
    return out;
}

struct TemplateCase {
    const char *name;
    QHash<QString, LevelAnswer> kept;
    bool suggest;
    QStringList expected; // the lines after the header
    QList<centre_import::KeptLevel> school = {}; // the levels kept in CURSOST2
};

class LevelsTemplateText : public testing::TestWithParam<TemplateCase> {};

TEST_P(LevelsTemplateText, IsEveryCourseFilledAsTheDialogWouldBe)
{
    const TemplateCase &c = GetParam();
    const QStringList written = lines(levelsTemplateText(templateOf(c.kept, c.suggest, c.school)));
    ASSERT_FALSE(written.isEmpty());
    EXPECT_EQ(written.first(), QStringLiteral("CODI;NIVEL;CURSO;DESCRIPCIO;GRUPOS"));
    EXPECT_EQ(written.mid(1), c.expected);
}

const QHash<QString, LevelAnswer> keptAnswers = {
    {"101", {"ESO", "1"}}, {"ab1", {"BATX", "1"}}, {"301", {"AE", ""}}, {"999", {"OTRO", "9"}}};

INSTANTIATE_TEST_SUITE_P(
    Cli, LevelsTemplateText,
    testing::Values(
        TemplateCase{"Blank",
                     {},
                     false,
                     {"101;;;1r ESO;A, B, C", R"(102;;;"2n ESO; grup ""PMAR""";A)", "AB1;;;1r Batxillerat;A",
                      "301;;;Aula Enllaç;"}},
        // Recovery matches the whole code, letter case included: "ab1" is not AB1.
        TemplateCase{"KeptAnswers",
                     keptAnswers,
                     false,
                     {"101;ESO;1;1r ESO;A, B, C", R"(102;;;"2n ESO; grup ""PMAR""";A)", "AB1;;;1r Batxillerat;A",
                      "301;AE;;Aula Enllaç;"}},
        TemplateCase{"Proposals",
                     {},
                     true,
                     {"101;ESO;1;1r ESO;A, B, C", R"(102;ESO;2;"2n ESO; grup ""PMAR""";A)",
                      "AB1;BATXI;1;1r Batxillerat;A", "301;;;Aula Enllaç;"}},
        // Proposals only fill the cells the kept answers left empty.
        TemplateCase{"KeptAnswersFirstThenProposals",
                     {{"101", {"ESOA", ""}}, {"102", {"", "9"}}},
                     true,
                     {"101;ESOA;1;1r ESO;A, B, C", R"(102;ESO;9;"2n ESO; grup ""PMAR""";A)",
                      "AB1;BATXI;1;1r Batxillerat;A", "301;;;Aula Enllaç;"}},
        // The school's own levels: by the same description but for the
        // ordinal (1r ESO, 1r Batxillerat), else by the word read (2n ESO; ...).
        TemplateCase{"ProposalsInTheSchoolsLevels",
                     {},
                     true,
                     {"101;SEC;1;1r ESO;A, B, C", R"(102;SEC;2;"2n ESO; grup ""PMAR""";A)",
                      "AB1;BAT;1;1r Batxillerat;A", "301;;;Aula Enllaç;"},
                     {{"2n Batxillerat", "BAT"}, {"3r ESO", "SEC"}}},
        // Without --sugerir the school's levels propose nothing either.
        TemplateCase{"SchoolsLevelsOnlyWhenSuggesting",
                     {},
                     false,
                     {"101;;;1r ESO;A, B, C", R"(102;;;"2n ESO; grup ""PMAR""";A)", "AB1;;;1r Batxillerat;A",
                      "301;;;Aula Enllaç;"},
                     {{"2n Batxillerat", "BAT"}, {"3r ESO", "SEC"}}}),
    [](const testing::TestParamInfo<TemplateCase> &info) { return std::string(info.param.name); });

TEST(LevelsTemplate, NamesTheCoursesItLeavesOutAndCountsTheIncompleteOnes)
{
    const LevelsTemplate levels = templateOf(keptAnswers, false);
    EXPECT_EQ(levels.withoutCode, QStringList{"Sense codi"});
    EXPECT_EQ(levels.incomplete(), 3);
}

// Whatever the template holds, --niveles reads the same codes and values back.
TEST(LevelsTemplate, ReadsBackAsTheLevelsFile)
{
    const LevelsTemplate levels = templateOf(keptAnswers, true);
    const QHash<QString, LevelAnswer> read = parseLevels(levelsTemplateText(levels), QStringLiteral("niveles.csv"));
    ASSERT_EQ(read.size(), qsizetype(levels.rows.size()));
    for (const TemplateRow &row : levels.rows) {
        ASSERT_TRUE(read.contains(row.codi)) << row.codi.toStdString();
        EXPECT_EQ(read.value(row.codi).nivel, row.nivel);
        EXPECT_EQ(read.value(row.codi).curso, row.curso);
    }
}

TEST(LevelsTemplate, RefusesADocumentThatIsNoCentre)
{
    const centre_import::CentreDocument document
        = centre_import::readCentreDocument("<HORARI><SESSIONS/></HORARI>", QStringLiteral("horari.xml"));
    try {
        levelsTemplate(document, QStringLiteral("horari.xml"), {}, false);
        FAIL() << "accepted";
    } catch (const Error &e) {
        EXPECT_EQ(e.kind(), Error::Kind::RefusedDocument);
        EXPECT_TRUE(e.message().contains(QStringLiteral("horari.xml"))) << e.message().toStdString();
    }
}

} // namespace
