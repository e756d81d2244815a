// A MATIB-like table with its index on ABREV, written through the table engine:
// the production index must hold every row's key, the table must announce
// it, and python3-dbf must still read the table.
#include "platform/Dbf.h"
#include "platform/FieldDef.h"
#include "tests/support/MdxReader.h"
#include "tests/support/PyDbf.h"
#include "tests/support/TempWinePrefix.h"

#include <QFile>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr int kAbrevWidth = 10;

// Short codes with repeats, some in lower case and some with letters that code
// page 1252 puts above 0x7F (Latin-1 characters have the same bytes there).
QString codeOfRow(int row)
{
    static const QStringList stems = {QStringLiteral("MAT"), QStringLiteral("\u00C0LG"), QStringLiteral("bio"),
                                      QStringLiteral("\u00C7AT"), QStringLiteral("EF"), QStringLiteral("l\u00B7l")};
    return stems[row % stems.size()] + QString::number((row * 37) % (row / 4 + 1));
}

std::string storedKey(const QString &code)
{
    return (code.toLatin1() + QByteArray(kAbrevWidth - code.size(), ' ')).toStdString();
}

void defineMatib(dbf::Table &table)
{
    table.fieldDefs() = {{QStringLiteral("ABREV"), dbf::FieldType::String, kAbrevWidth},
                         {QStringLiteral("ABREV8"), dbf::FieldType::String, 10},
                         {QStringLiteral("NOMBRE"), dbf::FieldType::String, 80},
                         {QStringLiteral("NIVEL"), dbf::FieldType::String, 5},
                         {QStringLiteral("CURSO"), dbf::FieldType::String, 3}};
    table.indexDefs() = {{QStringLiteral("ABREV"), QStringLiteral("ABREV")}};
}

// Appends rows first..last-1 to the open table, posting each.
void appendRows(dbf::Table &table, int first, int last, std::vector<std::string> &keys)
{
    for (int row = first; row < last; ++row) {
        table.append();
        table.setString(QStringLiteral("ABREV"), codeOfRow(row));
        table.setString(QStringLiteral("NOMBRE"), QStringLiteral("Row %1").arg(row + 1));
        table.post();
        keys.push_back(storedKey(codeOfRow(row)));
    }
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        ADD_FAILURE() << "cannot read " << path.toStdString();
    return f.readAll();
}

void expectIndexHolds(const TempWinePrefix &wine, const std::vector<std::string> &keys)
{
    const MdxReader reader(wine.vtempFile(QStringLiteral("MATIB.MDX")).toStdString());
    EXPECT_EQ(reader.tableName(), "MATIB");
    const MdxTagInfo tag = reader.readTag("ABREV");
    EXPECT_EQ(tag.keyExpression, "ABREV");
    EXPECT_EQ(tag.keyLength, kAbrevWidth);
    EXPECT_EQ(tag.entries, expectedMdxEntries(keys));
}

class MatibIndexTest : public ::testing::TestWithParam<int> {
protected:
    TempWinePrefix m_wine;
};

TEST_P(MatibIndexTest, IndexHoldsEveryRowAndTheTableAnnouncesIt)
{
    const int rows = GetParam();
    std::vector<std::string> keys;
    {
        dbf::Table table(QString(), QStringLiteral("C:\\VTEMP"), QStringLiteral("MATIB.DBF"), true);
        defineMatib(table);
        table.createTable();
        table.open();
        appendRows(table, 0, rows, keys);
        table.close();
    }
    expectIndexHolds(m_wine, keys);

    const QString dbfPath = m_wine.vtempFile(QStringLiteral("MATIB.DBF"));
    const QByteArray header = readAll(dbfPath);
    ASSERT_GT(header.size(), 32 + 2 * 32);
    EXPECT_EQ(header[28], 0x01) << "production index flag";
    EXPECT_EQ(header[32 + 31], 0x01) << "ABREV is the indexed field";
    EXPECT_EQ(header[64 + 31], 0x00) << "ABREV8 is not indexed";

    const QList<QStringList> pyRows = pythonDbfRows(readWithPythonDbf(dbfPath));
    ASSERT_EQ(pyRows.size(), rows);
    for (int row = 0; row < rows; ++row)
        ASSERT_EQ(pyRows[row].value(0), codeOfRow(row)) << "row " << row + 1;
}

INSTANTIATE_TEST_SUITE_P(RowCounts, MatibIndexTest, ::testing::Values(0, 1, 63, 64, 4100),
                         [](const auto &info) { return "Rows" + std::to_string(info.param); });

// Rows appended after a reopen reach the index when the table closes again.
TEST(MatibIndexReopenTest, RowsAddedLaterAreIndexed)
{
    TempWinePrefix wine;
    std::vector<std::string> keys;
    dbf::Table table(QString(), QStringLiteral("C:\\VTEMP"), QStringLiteral("MATIB.DBF"), true);
    defineMatib(table);
    table.createTable();
    for (const int upTo : {63, 64, 200}) {
        table.open();
        appendRows(table, static_cast<int>(keys.size()), upTo, keys);
        table.close();
        expectIndexHolds(wine, keys);
    }
}

} // namespace
