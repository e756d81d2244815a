// What "SolucioHorari.xml" holds for a given solution and look-up tables,
// as python's XML parser reads it back.
#include "tests/export/ExportRun.h"
#include "tests/export/XmlTree.h"

#include <gtest/gtest.h>

#include <functional>

using namespace timetable_export;

namespace {

using solucfixture::Rows;
using solucfixture::School;
using Sessions = std::vector<QStringList>;

// dia, hora and durada of the small school's DIASHORAST row for a day and period.
QStringList slot(int day, int period)
{
    return solucfixture::diaHora(day, period).mid(1);
}

const QStringList noSlot{QString(), QString(), QString()};

QStringList sessio(const char *placa, const char *curs, const char *grup, const QStringList &diaHora, const char *aula,
                   const char *materia, const QString &activitat = {})
{
    return QStringList{QString::fromUtf8(placa), QString::fromUtf8(curs), QString::fromUtf8(grup)} + diaHora
        + QStringList{QString::fromUtf8(aula), QString::fromUtf8(materia), activitat};
}

struct Case {
    const char *name;
    Rows soluc; // DIA, HORA, PROF, CODGRUPO, AULA, ASIG, TAREA
    Sessions expected;
    std::function<void(School &)> adjust = [](School &) {}; // rows a case adds to the small school
};

const std::vector<Case> cases = {
    {"classes_in_record_order",
     {{"1", "3", "ABC", "1ESO-A", "A01", "MAT1", ""}, {"2", "5", "XYZ", "2ESO-B", "LAB", "CAS1", ""}},
     {sessio("P-ABC", "C-1ESO", "G-1A", slot(1, 3), "R-A01", "S-MAT1"),
      sessio("P-XYZ", "C-2ESO", "G-2B", slot(2, 5), "R-LAB", "S-CAS1")}},
    {"half_hours_number_two_periods_per_hour",
     {{"1", "1", "ABC", "", "", "", ""}, {"1", "1.5", "ABC", "", "", "", ""}, {"1", "2", "ABC", "", "", "", ""},
      {"1", "2.5", "ABC", "", "", "", ""}},
     {sessio("P-ABC", "", "", slot(1, 1), "", ""), sessio("P-ABC", "", "", slot(1, 2), "", ""),
      sessio("P-ABC", "", "", slot(1, 3), "", ""), sessio("P-ABC", "", "", slot(1, 4), "", "")}},
    {"fraction_on_an_unplaced_record_still_means_half_hours",
     {{"1", "2", "ABC", "", "", "", ""}, {"0", "4.5", "XYZ", "", "", "", ""}},
     {sessio("P-ABC", "", "", slot(1, 3), "", "")}},
    {"unplaced_records_are_passed_over",
     {{"0", "1", "ABC", "1ESO-A", "A01", "MAT1", ""}, {"3", "6", "XYZ", "", "", "", ""}},
     {sessio("P-XYZ", "", "", slot(3, 6), "", "")}},
    {"day_1_period_12_and_day_11_period_2_share_key_112",
     {{"1", "12", "", "", "", "", ""}, {"11", "2", "", "", "", "", ""}},
     {sessio("", "", "", {"Dia 1", "18:00", "50"}, "", ""), sessio("", "", "", {"Dia 1", "18:00", "50"}, "", "")},
     [](School &s) {
         s.diashorast.push_back({"112", "Dia 1", "18:00", "50"});
         s.diashorast.push_back({"112", "Dia 11", "08:10", "45"});
     }},
    {"failed_look_ups_leave_their_attributes_empty_in_place",
     {{"4", "9", "NOPE", "NOPE", "NOPE", "NOPE", ""}, {"1", "1", "ABC", "NOPE", "LAB", "NOPE", ""},
      {"1", "2", "NOPE", "2ESO-B", "NOPE", "MAT1", ""}},
     {sessio("", "", "", noSlot, "", ""), sessio("P-ABC", "", "", slot(1, 1), "R-LAB", ""),
      sessio("", "C-2ESO", "G-2B", slot(1, 2), "", "S-MAT1")}},
    {"activity_has_no_course_group_room_or_subject",
     {{"2", "4", "ABC", "1ESO-A", "A01", "MAT1", "GUARDIA"}},
     {sessio("P-ABC", "", "", slot(2, 4), "", "", QStringLiteral("GUARDIA"))}},
    {"activity_code_is_written_as_read",
     {{"2", "4", "ABC", "1ESO-A", "A01", "MAT1", " G 1"}},
     {sessio("P-ABC", "", "", slot(2, 4), "", "", QStringLiteral(" G 1"))}},
    {"blank_or_control_character_tarea_is_a_class",
     {{"2", "4", "ABC", "1ESO-A", "A01", "MAT1", "     "}, {"2", "5", "ABC", "1ESO-A", "A01", "MAT1", "\t"}},
     {sessio("P-ABC", "C-1ESO", "G-1A", slot(2, 4), "R-A01", "S-MAT1"),
      sessio("P-ABC", "C-1ESO", "G-1A", slot(2, 5), "R-A01", "S-MAT1", QStringLiteral("\t"))}},
    {"codes_match_case_sensitively",
     {{"1", "1", "abc", "1eso-a", "a01", "mat1", ""}},
     {sessio("", "", "", slot(1, 1), "", "")}},
    {"first_of_two_records_with_the_same_code_wins",
     {{"1", "1", "ABC", "1ESO-A", "A01", "MAT1", ""}},
     {sessio("P-ABC", "C-1ESO", "G-1A", slot(1, 1), "R-A01", "S-MAT1")},
     [](School &s) {
         s.proft.push_back({"ABC", "P-LATE"});
         s.grupost.push_back({"1ESO-A", "G-LATE", "C-LATE"});
         s.aulat.push_back({"A01", "R-LATE"});
         s.asignomt.push_back({"MAT1", "S-LATE"});
         s.diashorast.push_back({"11", "LATE", "LATE", "LATE"});
     }},
    {"blank_codes_name_nothing_even_beside_rows_without_code",
     {{"1", "1", "", "", "", "", ""}, {"1", "2", "   ", "ABC", "", "", ""}},
     {sessio("", "", "", slot(1, 1), "", ""), sessio("", "", "", slot(1, 2), "", "")},
     [](School &s) {
         s.proft.insert(s.proft.begin(), {"", "P-NONE"});
         s.grupost.insert(s.grupost.begin(), {"", "G-NONE", "C-NONE"});
         s.aulat.insert(s.aulat.begin(), {"", "R-NONE"});
         s.asignomt.insert(s.asignomt.begin(), {"", "S-NONE"});
     }},
    {"no_records_give_empty_sessions", {}, {}},
    {"only_unplaced_records_give_empty_sessions", {{"0", "1", "ABC", "1ESO-A", "A01", "MAT1", ""}}, {}},
    {"markup_and_accents_come_back_unchanged",
     {{"1", "1", "ESC", "ESC", "ESC", "ESC", ""}, {"1", "2", "ESC", "", "", "", "Guàrdia &<"}},
     {sessio("a&b \"q\" <x> 'y'", "Curs àñ·", "Grup é>", slot(1, 1), "Aula ç €", "Matèria Ñ"),
      sessio("a&b \"q\" <x> 'y'", "", "", slot(1, 2), "", "", QStringLiteral("Guàrdia &<"))},
     [](School &s) { solucfixture::addCodedEsc(s, "a&b \"q\" <x> 'y'", "Grup é>", "Curs àñ·", "Aula ç €", "Matèria Ñ"); }},
};

void PrintTo(const Case &c, std::ostream *os)
{
    *os << c.name;
}

class SolucioHorariContent : public testing::TestWithParam<Case> {};

TEST_P(SolucioHorariContent, WholeTreeAsPythonReadsIt)
{
    const Case &c = GetParam();
    ExportFolder folder;
    ASSERT_TRUE(finishedOnce(exportSmallSchool(folder, c.soluc, c.adjust)));
    const QJsonObject written = xmltree::read(folder.output());
    const QJsonObject expected = xmltree::horari(c.expected);
    EXPECT_EQ(written, expected) << "written:\n"
                                 << xmltree::show(written).toStdString() << "expected:\n"
                                 << xmltree::show(expected).toStdString();
}

INSTANTIATE_TEST_SUITE_P(Cases, SolucioHorariContent, testing::ValuesIn(cases),
                         [](const testing::TestParamInfo<Case> &info) { return std::string(info.param.name); });

} // namespace
