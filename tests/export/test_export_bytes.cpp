// "SolucioHorari.xml" byte for byte, against copies written by an earlier,
// checked build: GestIB reads this file, so a change to how the document is
// produced must leave escaping, attribute order and layout exactly as they were.
#include "tests/export/ExportRun.h"
#include "tests/support/GoldenBytes.h"

#include <gtest/gtest.h>

#include <functional>

using namespace timetable_export;

namespace {

using solucfixture::School;

struct Case {
    const char *name; // also the stored file: tests/data/export/<name>.xml
    solucfixture::Rows soluc; // DIA, HORA, PROF, CODGRUPO, AULA, ASIG, TAREA
    std::function<void(School &)> adjust = [](School &) {};
};

void PrintTo(const Case &c, std::ostream *os) { *os << c.name; }

const std::vector<Case> cases = {
    {"no_sessions", {}},
    {"only_unplaced_sessions", {{"0", "1", "ABC", "1ESO-A", "A01", "MAT1", ""}}},
    {"one_session", {{"2", "5", "XYZ", "2ESO-B", "LAB", "CAS1", ""}}},
    {"classes_and_an_activity",
     {{"1", "3", "ABC", "1ESO-A", "A01", "MAT1", ""}, {"2", "4", "ABC", "1ESO-A", "A01", "MAT1", "GUARDIA"},
      {"3", "1", "XYZ", "2ESO-B", "LAB", "CAS1", "   "}}},
    {"half_hour_mode",
     {{"1", "1", "ABC", "1ESO-A", "", "", ""}, {"1", "1.5", "ABC", "", "A01", "", ""},
      {"0", "2.5", "XYZ", "", "", "", ""}, {"1", "3", "XYZ", "", "", "CAS1", ""}}},
    {"failed_look_ups_give_empty_attributes",
     {{"4", "9", "NOPE", "NOPE", "NOPE", "NOPE", ""}, {"1", "1", "ABC", "NOPE", "LAB", "NOPE", ""},
      {"9", "1", "", "", "", "", ""}}},
    {"markup_accents_and_line_breaks_in_values",
     {{"1", "1", "ESC", "ESC", "ESC", "ESC", ""}, {"1", "2", "ESC", "", "", "", "G&<>\"'"},
      {"1", "3", "ESC", "", "", "", "\t"}},
     [](School &s) {
         solucfixture::addCodedEsc(s, "a&b \"q\" <x> 'y'", "Grup\té>", "Curs àñ·\n2", "Aula ç €\r\n",
                                   "Matèria Ñ]]>");
     }},
};

class ExportBytes : public testing::TestWithParam<Case> {};

TEST_P(ExportBytes, SameAsStoredCopy)
{
    const Case &c = GetParam();
    ExportFolder folder;
    ASSERT_TRUE(finishedOnce(exportSmallSchool(folder, c.soluc, c.adjust)));
    golden::expectSameBytes(ExportFolder::contents(folder.output()),
                            QStringLiteral(TESTS_SOURCE_DIR "/data/export/%1.xml").arg(QLatin1String(c.name)));
}

INSTANTIATE_TEST_SUITE_P(Cases, ExportBytes, testing::ValuesIn(cases),
                         [](const testing::TestParamInfo<Case> &info) { return std::string(info.param.name); });

} // namespace
