#include "platform/DbfValue.h"
#include "tests/support/QStringPrinter.h"

#include <QByteArray>

#include <cmath>
#include <cstring>
#include <limits>

#include <gtest/gtest.h>

using dbf::FieldLayout;

namespace {

const QString path = QStringLiteral("T.DBF");

// A dBase 7 timestamp as stored: the double's bits, big-endian, with the sign
// bit flipped for a positive value and every bit inverted for a negative one.
QByteArray timestampBytes(double milliseconds)
{
    std::uint64_t bits;
    std::memcpy(&bits, &milliseconds, sizeof bits);
    bits = (bits & 0x8000000000000000ull) ? ~bits : bits ^ 0x8000000000000000ull;
    QByteArray bytes(8, '\0');
    for (int i = 7; i >= 0; --i, bits >>= 8)
        bytes[i] = char(bits & 0xFF);
    return bytes;
}

struct TimestampCase {
    const char *name;
    QByteArray stored;
    const char *text;
};

class DbfValueTimestamp : public testing::TestWithParam<TimestampCase> {};

struct EmptyValueCase {
    const char *name;
    char type;
    int length;
    const char *value;
};

class DbfValueEmpty : public testing::TestWithParam<EmptyValueCase> {};

} // namespace

// Only a timestamp between day 1 and the year 12000 reads as a date and
// time; anything else, NaN and infinities included, reads as empty.
TEST_P(DbfValueTimestamp, ReadsAsDateTimeOrEmpty)
{
    const TimestampCase &c = GetParam();
    const FieldLayout field{QStringLiteral("MOMENT"), '@', 1, 8, 0, false};
    const QByteArray record = ' ' + c.stored;
    EXPECT_EQ(dbf::value::text(field, record.constData(), dbf::DbfCodePage(0x57)), QString::fromLatin1(c.text));
}

INSTANTIATE_TEST_SUITE_P(
    Values, DbfValueTimestamp,
    testing::Values(TimestampCase{"eight_FF_bytes_NaN", QByteArray(8, '\xFF'), ""},
                    TimestampCase{"negative_NaN", timestampBytes(-std::numeric_limits<double>::quiet_NaN()), ""},
                    TimestampCase{"infinity", timestampBytes(std::numeric_limits<double>::infinity()), ""},
                    TimestampCase{"minus_infinity", timestampBytes(-std::numeric_limits<double>::infinity()), ""},
                    TimestampCase{"null", QByteArray(8, '\0'), ""},
                    TimestampCase{"negative", timestampBytes(-1000), ""},
                    TimestampCase{"beyond_the_year_12000", timestampBytes(5e14), ""},
                    TimestampCase{"first_day", timestampBytes(86400000), "0001-01-01T00:00:00"},
                    TimestampCase{"afternoon", timestampBytes(86400000.0 * 738778 + 52200000), "2023-09-15T14:30:00"}),
    [](const testing::TestParamInfo<TimestampCase> &info) { return std::string(info.param.name); });

// An empty or blank value leaves a numeric or logical field blank, whatever
// it held before.
TEST_P(DbfValueEmpty, LeavesTheFieldBlank)
{
    const EmptyValueCase &c = GetParam();
    const FieldLayout field{QStringLiteral("F"), c.type, 1, c.length, c.type == 'L' ? 0 : 2, false};
    QByteArray record(1 + c.length, 'X');
    dbf::value::setText(field, record.data(), QString::fromLatin1(c.value), dbf::DbfCodePage(0x57), path);
    EXPECT_EQ(record.mid(1), QByteArray(c.length, ' '));
    EXPECT_EQ(dbf::value::text(field, record.constData(), dbf::DbfCodePage(0x57)), QString());
}

INSTANTIATE_TEST_SUITE_P(Values, DbfValueEmpty,
                         testing::Values(EmptyValueCase{"numeric_empty", 'N', 8, ""},
                                         EmptyValueCase{"numeric_blank", 'N', 8, "   "},
                                         EmptyValueCase{"float_empty", 'F', 20, ""},
                                         EmptyValueCase{"float_blank", 'F', 20, " \t"},
                                         EmptyValueCase{"logical_empty", 'L', 1, ""},
                                         EmptyValueCase{"logical_blank", 'L', 1, " "}),
                         [](const testing::TestParamInfo<EmptyValueCase> &info) { return std::string(info.param.name); });
