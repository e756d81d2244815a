#include "platform/Dbf.h"
#include "platform/DbfError.h"
#include "platform/FieldDef.h"
#include "tests/support/PyDbf.h"
#include "tests/support/QStringPrinter.h"
#include "tests/support/TempWinePrefix.h"

#include <QDate>
#include <QFile>

#include <cmath>
#include <functional>
#include <limits>
#include <optional>
#include <utility>

#include <gtest/gtest.h>

using dbf::DbfError;
using dbf::FieldDef;
using dbf::FieldType;
using dbf::Table;

namespace {

const std::vector<FieldDef> kAllTypes = {
    {QStringLiteral("TEXTO"), FieldType::String, 30},
    {QStringLiteral("LOGICO"), FieldType::Boolean, 0},
    {QStringLiteral("ENTERO"), FieldType::Integer, 0},
    {QStringLiteral("REAL"), FieldType::Float, 0},
};

void createAllTypes(const QString &name)
{
    Table table({}, QStringLiteral("C:\\VTEMP"), name, true);
    table.fieldDefs() = kAllTypes;
    table.createTable();
}

} // namespace

// What each kind of value reads back as, after a write, a post and a reopen.
TEST(DbfRoundTrip, ValuesReadBackAsWritten)
{
    TempWinePrefix wine;
    createAllTypes(QStringLiteral("TIPOS.DBF"));
    const QString catalan = QStringLiteral("ç à è é í ï ò ó ú ü · l·l");
    struct Row {
        QString text;
        std::optional<bool> logical;
        std::optional<long long> whole;
        std::optional<double> real;
        QString expectedText, expectedLogical, expectedWhole, expectedReal;
    };
    const std::vector<Row> rows = {
        {QStringLiteral("ABC"), true, 2, 2.5, QStringLiteral("ABC"), QStringLiteral("True"), QStringLiteral("2"), QStringLiteral("2.5")},
        {QStringLiteral("  lead"), false, -7, -0.25, QStringLiteral("  lead"), QStringLiteral("False"), QStringLiteral("-7"), QStringLiteral("-0.25")},
        {QStringLiteral("a text that is cut after thirty characters"), {}, {}, {}, QStringLiteral("a text that is cut after thirt"), {}, {}, {}},
        {QStringLiteral("ł€✓😀x"), {}, 2147483647, 123456789012345.12, QStringLiteral("?€??x"), {}, QStringLiteral("2147483647"), QStringLiteral("123456789012345.12")},
        {catalan, {}, 0, -0.00001, catalan, {}, QStringLiteral("0"), QStringLiteral("0")},
        {QString(), {}, {}, 1.23456, QString(), {}, {}, QStringLiteral("1.2346")},
    };
    {
        Table table({}, QStringLiteral("C:\\VTEMP"), QStringLiteral("TIPOS"), true);
        table.open();
        for (const Row &row : rows) {
            table.append();
            table.setString(QStringLiteral("TEXTO"), row.text);
            if (row.logical)
                table.setBoolean(QStringLiteral("LOGICO"), *row.logical);
            if (row.whole)
                table.setInteger(QStringLiteral("ENTERO"), *row.whole);
            if (row.real)
                table.setFloat(QStringLiteral("REAL"), *row.real);
            table.post();
        }
        table.close();
    }
    Table table({}, QStringLiteral("\\vtemp"), QStringLiteral("tipos"), false);
    table.open();
    ASSERT_EQ(table.recordCount(), int(rows.size()));
    table.first();
    // One text read into again and again, as a pass over many records does:
    // a shorter value after a longer one must not keep the longer one's tail.
    QString reused;
    for (const Row &row : rows) {
        ASSERT_FALSE(table.eof());
        for (const auto &[field, expected] : {std::pair{QStringLiteral("TEXTO"), row.expectedText},
                                              std::pair{QStringLiteral("LOGICO"), row.expectedLogical},
                                              std::pair{QStringLiteral("ENTERO"), row.expectedWhole},
                                              std::pair{QStringLiteral("REAL"), row.expectedReal}}) {
            EXPECT_EQ(table.asString(field), expected) << field.toStdString();
            table.readString(field, reused);
            EXPECT_EQ(reused, expected) << field.toStdString();
        }
        EXPECT_EQ(table.asInteger(QStringLiteral("ENTERO")), row.whole.value_or(0));
        EXPECT_EQ(table.asBoolean(QStringLiteral("LOGICO")), row.logical.value_or(false));
        table.next();
    }
    EXPECT_TRUE(table.eof());
}

TEST(DbfRoundTrip, MissingFieldNamesComponent)
{
    TempWinePrefix wine;
    createAllTypes(QStringLiteral("TIPOS.DBF"));
    Table named(QStringLiteral("wwTableSoluc"), QStringLiteral("\\vtemp"), QStringLiteral("TIPOS"), true);
    named.open();
    try {
        named.asString(QStringLiteral("TAREA"));
        FAIL() << "no error";
    } catch (const DbfError &e) {
        EXPECT_EQ(e.message(), QStringLiteral("wwTableSoluc: no existe el campo 'TAREA'"));
    }
    named.close();
    Table unnamed({}, QStringLiteral("C:\\VTEMP"), QStringLiteral("TIPOS.DBF"), true);
    unnamed.open();
    try {
        unnamed.asFloat(QStringLiteral("TAREA"));
        FAIL() << "no error";
    } catch (const DbfError &e) {
        EXPECT_EQ(e.message(), QStringLiteral("no existe el campo 'TAREA'"));
    }
}

namespace {

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return file.readAll();
}

} // namespace

// The bytes of a new table and of one record, as dBase IV engines expect them.
TEST(DbfRoundTrip, WritesDbaseIvBytes)
{
    TempWinePrefix wine;
    Table table({}, QStringLiteral("C:\\VTEMP"), QStringLiteral("BYTES"), true);
    table.fieldDefs() = {{QStringLiteral("nom"), FieldType::String, 5}, {QStringLiteral("OK"), FieldType::Boolean, 0},
                         {QStringLiteral("N"), FieldType::Integer, 0}, {QStringLiteral("F"), FieldType::Float, 0}};
    table.createTable();
    const QByteArray empty = fileBytes(wine.vtempFile(QStringLiteral("BYTES.DBF")));
    const QDate today = QDate::currentDate();
    ASSERT_EQ(empty.size(), 32 + 4 * 32 + 1 + 1);
    EXPECT_EQ(empty.left(12), QByteArray("\x03", 1) + char(today.year() - 1900) + char(today.month()) + char(today.day())
                                  + QByteArray("\0\0\0\0\xA1\0\x26\0", 8));
    EXPECT_EQ(empty.mid(12, 20), QByteArray(16, '\0') + QByteArray("\0\x57\0\0", 4));
    const QByteArray descriptors = empty.mid(32, 4 * 32);
    struct Descriptor {
        const char *name;
        char type;
        int length, decimals;
    };
    const Descriptor expected[] = {{"NOM", 'C', 5, 0}, {"OK", 'L', 1, 0}, {"N", 'N', 11, 0}, {"F", 'N', 20, 4}};
    for (int i = 0; i < 4; ++i) {
        const QByteArray d = descriptors.mid(32 * i, 32);
        EXPECT_EQ(d.left(11), QByteArray(expected[i].name).leftJustified(11, '\0'));
        EXPECT_EQ(d[11], expected[i].type);
        EXPECT_EQ(d[16], char(expected[i].length));
        EXPECT_EQ(d[17], char(expected[i].decimals));
        EXPECT_EQ(d.mid(18), QByteArray(14, '\0'));
    }
    EXPECT_EQ(empty.right(2), QByteArray("\x0D\x1A"));

    table.open();
    table.append();
    table.setString(QStringLiteral("NOM"), QStringLiteral("ab"));
    table.setBoolean(QStringLiteral("OK"), true);
    table.setInteger(QStringLiteral("N"), -7);
    table.setFloat(QStringLiteral("F"), 2.5);
    table.post();
    table.append();
    table.setFloat(QStringLiteral("F"), -0.00004);
    table.post();
    table.close();
    const QByteArray one = fileBytes(table.localPath());
    EXPECT_EQ(one.mid(4, 4), QByteArray("\x02\0\0\0", 4));
    EXPECT_EQ(one.mid(161), QByteArray(" ab   T         -7              2.5000") + QByteArray(" ").leftJustified(18, ' ')
                                + QByteArray("0.0000").rightJustified(20, ' ') + '\x1A');
}

// Numbers that do not fit their field are refused, naming it, and never cut.
TEST(DbfRoundTrip, RefusesNumbersThatDoNotFit)
{
    TempWinePrefix wine;
    createAllTypes(QStringLiteral("TIPOS.DBF"));
    Table table({}, QStringLiteral("C:\\VTEMP"), QStringLiteral("TIPOS"), true);
    table.open();
    table.append();
    struct Case {
        std::function<void()> write;
        bool fits;
        const char *field;
    };
    const double inf = std::numeric_limits<double>::infinity();
    const std::vector<Case> cases = {
        {[&] { table.setInteger(QStringLiteral("ENTERO"), 99999999999LL); }, true, "ENTERO"},
        {[&] { table.setInteger(QStringLiteral("ENTERO"), -9999999999LL); }, true, "ENTERO"},
        {[&] { table.setInteger(QStringLiteral("ENTERO"), 100000000000LL); }, false, "ENTERO"},
        {[&] { table.setInteger(QStringLiteral("ENTERO"), -10000000000LL); }, false, "ENTERO"},
        {[&] { table.setFloat(QStringLiteral("REAL"), 99999999999999.5); }, true, "REAL"},
        {[&] { table.setFloat(QStringLiteral("REAL"), 1e15); }, false, "REAL"},
        {[&] { table.setFloat(QStringLiteral("REAL"), std::nan("")); }, false, "REAL"},
        {[&] { table.setFloat(QStringLiteral("REAL"), -inf); }, false, "REAL"},
        {[&] { table.setString(QStringLiteral("REAL"), QStringLiteral("2,5")); }, false, "REAL"},
        {[&] { table.setString(QStringLiteral("LOGICO"), QStringLiteral("maybe")); }, false, "LOGICO"},
    };
    for (std::size_t i = 0; i < cases.size(); ++i) {
        if (cases[i].fits) {
            EXPECT_NO_THROW(cases[i].write()) << i;
            continue;
        }
        try {
            cases[i].write();
            ADD_FAILURE() << "accepted case " << i;
        } catch (const DbfError &e) {
            EXPECT_TRUE(e.message().contains(QString::fromLatin1(cases[i].field))) << e.message().toStdString();
            EXPECT_TRUE(e.message().contains(QStringLiteral("C:\\VTEMP\\TIPOS.DBF"))) << e.message().toStdString();
        }
    }
    EXPECT_EQ(table.asString(QStringLiteral("ENTERO")), QStringLiteral("-9999999999"));
    EXPECT_EQ(table.asString(QStringLiteral("REAL")), QStringLiteral("99999999999999.5"));
}

// Text written into number and logical fields, and blank text, as the dialog's grid writes them.
TEST(DbfRoundTrip, TextIntoAnyField)
{
    TempWinePrefix wine;
    createAllTypes(QStringLiteral("TIPOS.DBF"));
    Table table({}, QStringLiteral("C:\\VTEMP"), QStringLiteral("TIPOS"), true);
    table.open();
    table.append();
    const std::vector<std::pair<const char *, const char *>> cases = {
        {"ENTERO", " 42 "}, {"REAL", "-3.25"}, {"LOGICO", "True"}, {"TEXTO", "x"},
    };
    for (const auto &[field, text] : cases)
        table.setString(QString::fromLatin1(field), QString::fromLatin1(text));
    table.post();
    EXPECT_EQ(table.asString(QStringLiteral("ENTERO")), QStringLiteral("42"));
    EXPECT_EQ(table.asFloat(QStringLiteral("REAL")), -3.25);
    EXPECT_TRUE(table.asBoolean(QStringLiteral("LOGICO")));
    table.edit();
    for (const auto &[field, text] : cases)
        table.setString(QString::fromLatin1(field), QString());
    table.post();
    for (const auto &[field, text] : cases)
        EXPECT_EQ(table.asString(QString::fromLatin1(field)), QString()) << field;
}
