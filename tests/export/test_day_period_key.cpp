// The period number and day-period key by which a session finds its
// DIASHORAST row.
#include "export/DayPeriodKey.h"
#include "export/ExportError.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <string>

using namespace timetable_export;

namespace {

struct PeriodCase {
    double hora;
    bool halfHourMode;
    long long period;
};

void PrintTo(const PeriodCase &c, std::ostream *os)
{
    *os << "HORA " << c.hora << (c.halfHourMode ? " in half hours" : " in hours");
}

class Period : public testing::TestWithParam<PeriodCase> {};

TEST_P(Period, Number)
{
    EXPECT_EQ(periodNumber(GetParam().hora, GetParam().halfHourMode), GetParam().period);
}

INSTANTIATE_TEST_SUITE_P(Cases, Period,
                         testing::Values(PeriodCase{3, false, 3}, PeriodCase{12, false, 12}, PeriodCase{1, true, 1},
                                         PeriodCase{1.5, true, 2}, PeriodCase{2, true, 3}, PeriodCase{2.5, true, 4},
                                         PeriodCase{3, true, 5}, PeriodCase{2.25, true, 4}, PeriodCase{0.5, true, 0},
                                         PeriodCase{12.5, true, 24}),
                         [](const testing::TestParamInfo<PeriodCase> &info) {
                             // "HORA_2_5_in_half_hours": a test name takes letters, digits and '_' only.
                             std::string hora = std::to_string(info.param.hora);
                             hora.erase(hora.find_last_not_of('0') + 1);
                             if (hora.back() == '.')
                                 hora.pop_back();
                             std::replace(hora.begin(), hora.end(), '.', '_');
                             return "HORA_" + hora + (info.param.halfHourMode ? "_in_half_hours" : "_in_hours");
                         });

TEST(Period, HoraWithoutAnExactIntegerPartIsAnError)
{
    for (const double hora : {1e300, -1e300, std::numeric_limits<double>::infinity(),
                              std::numeric_limits<double>::quiet_NaN()})
        EXPECT_THROW(periodNumber(hora, true), ExportError) << hora;
}

QString keyOf(QStringView dayText, long long period)
{
    QString key = QStringLiteral("a longer key of an earlier session");
    writeDayPeriodKey(dayText, period, key);
    return key;
}

TEST(DayPeriodKey, DayTextThenPeriodWithoutSeparator)
{
    EXPECT_EQ(keyOf(u"2", 5), QStringLiteral("25"));
    EXPECT_EQ(keyOf(u"1", 12), keyOf(u"11", 2));
    EXPECT_EQ(keyOf(u"5", 1234567890123), QStringLiteral("51234567890123"));
}

} // namespace
