// When posted records reach the file: a table opened exclusively gathers them,
// one opened shared writes each post through. Either way nothing posted is
// lost, and every byte ends as a record-by-record write would leave it.
#include "platform/Dbf.h"
#include "platform/DbfError.h"
#include "platform/FieldDef.h"
#include "tests/support/MdxReader.h"
#include "tests/support/PyDbf.h"
#include "tests/support/TempWinePrefix.h"

#include <QFile>

#include <gtest/gtest.h>

#include <stdexcept>

using dbf::FieldDef;
using dbf::FieldType;
using dbf::Table;

namespace {

const std::vector<FieldDef> kFields = {
    {QStringLiteral("COD"), FieldType::String, 10},
    {QStringLiteral("NOMBRE"), FieldType::String, 80},
    {QStringLiteral("HORAS"), FieldType::Float, 0},
};

// 1 + 10 + 80 + 20 bytes a record: 5000 of them fill several write blocks.
constexpr int kManyRows = 5000;

QString code(int row) { return QStringLiteral("C%1").arg(row); }

void createTable(const QString &name)
{
    Table table({}, QStringLiteral("C:\\VTEMP"), name, true);
    table.fieldDefs() = kFields;
    table.createTable();
}

void appendRow(Table &table, int row)
{
    table.append();
    table.setString(QStringLiteral("COD"), code(row));
    table.setString(QStringLiteral("NOMBRE"), QStringLiteral("Fila número %1").arg(row));
    table.setFloat(QStringLiteral("HORAS"), row % 7 + 0.5);
    table.post();
}

QStringList expectedRow(int row)
{
    return {code(row), QStringLiteral("Fila número %1").arg(row), QString::number(row % 7 + 0.5)};
}

QList<QStringList> rowsOnDisk(const TempWinePrefix &wine, const QString &name)
{
    return pythonDbfRows(readWithPythonDbf(wine.vtempFile(name)));
}

QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

// A run that ends by an error unwinds past its table objects: what they
// gathered is written as they go, appended rows and edits alike.
TEST(DbfBuffered, RowsPostedBeforeAnErrorAreOnDisk)
{
    TempWinePrefix wine;
    createTable(QStringLiteral("FALLO.DBF"));
    try {
        Table table({}, QStringLiteral("C:\\VTEMP"), QStringLiteral("FALLO.DBF"), true);
        table.open();
        for (int row = 0; row < 3; ++row)
            appendRow(table, row);
        table.first();
        table.edit();
        table.setString(QStringLiteral("NOMBRE"), QStringLiteral("Editada"));
        table.post();
        throw std::runtime_error("the run fails here");
    } catch (const std::runtime_error &) {
    }
    QList<QStringList> expected = {expectedRow(0), expectedRow(1), expectedRow(2)};
    expected[0][1] = QStringLiteral("Editada");
    EXPECT_EQ(rowsOnDisk(wine, QStringLiteral("FALLO.DBF")), expected);
}

// Before the user is asked anything, a program the user switches to must
// find every posted row, while the run still holds its tables.
TEST(DbfBuffered, FlushAllWritesWhatOpenTablesGathered)
{
    TempWinePrefix wine;
    createTable(QStringLiteral("UNA.DBF"));
    createTable(QStringLiteral("OTRA.DBF"));
    Table one({}, QStringLiteral("C:\\VTEMP"), QStringLiteral("UNA.DBF"), true);
    Table other({}, QStringLiteral("C:\\VTEMP"), QStringLiteral("OTRA.DBF"), true);
    one.open();
    other.open();
    appendRow(one, 1);
    appendRow(other, 2);
    appendRow(other, 3);

    Table::flushAll();

    EXPECT_EQ(rowsOnDisk(wine, QStringLiteral("UNA.DBF")), QList<QStringList>{expectedRow(1)});
    EXPECT_EQ(rowsOnDisk(wine, QStringLiteral("OTRA.DBF")), (QList<QStringList>{expectedRow(2), expectedRow(3)}));
}

// Another program may read a shared table at any moment.
TEST(DbfBuffered, SharedTableShowsEachPostToAnotherProcess)
{
    TempWinePrefix wine;
    createTable(QStringLiteral("COMPART.DBF"));
    Table table({}, QStringLiteral("C:\\VTEMP"), QStringLiteral("COMPART.DBF"), false);
    table.open();
    QList<QStringList> expected;
    for (int row = 0; row < 3; ++row) {
        appendRow(table, row);
        expected << expectedRow(row);
        ASSERT_EQ(rowsOnDisk(wine, QStringLiteral("COMPART.DBF")), expected) << "after post " << row;
    }
    table.first();
    table.edit();
    table.setString(QStringLiteral("COD"), QStringLiteral("EDIT"));
    table.post();
    expected[0][0] = QStringLiteral("EDIT");
    EXPECT_EQ(rowsOnDisk(wine, QStringLiteral("COMPART.DBF")), expected);
}

// Rows over several blocks, read again while the table is still open (the
// engine reads back what it has gathered), edited, and closed: the file is the
// same, byte for byte, as the one a shared table writes record by record.
TEST(DbfBuffered, GatheredWritesLeaveTheSameBytesAsWriteThrough)
{
    TempWinePrefix wine;
    const auto fill = [](const QString &name, bool exclusive) {
        createTable(name);
        Table table({}, QStringLiteral("C:\\VTEMP"), name, exclusive);
        table.open();
        for (int row = 0; row < kManyRows; ++row)
            appendRow(table, row);
        EXPECT_EQ(table.recordCount(), kManyRows);
        EXPECT_EQ(table.asString(QStringLiteral("COD")), code(kManyRows - 1)) << "the last posted row is current";
        int seen = 0;
        for (table.first(); !table.eof(); table.next()) {
            if (seen % 1000 == 0) {
                table.edit();
                table.setString(QStringLiteral("NOMBRE"), QStringLiteral("Editada %1").arg(seen));
                table.post();
            }
            ++seen;
        }
        EXPECT_EQ(seen, kManyRows);
        appendRow(table, kManyRows);
        table.close();
    };
    fill(QStringLiteral("JUNTAS.DBF"), true);
    fill(QStringLiteral("UNAAUNA.DBF"), false);

    const QList<QStringList> rows = rowsOnDisk(wine, QStringLiteral("JUNTAS.DBF"));
    ASSERT_EQ(rows.size(), kManyRows + 1);
    EXPECT_EQ(rows[1000][1], QStringLiteral("Editada 1000"));
    EXPECT_EQ(rows[kManyRows], expectedRow(kManyRows));
    // Only the header's date of the last update could differ, and both were written today.
    EXPECT_EQ(bytesOf(wine.vtempFile(QStringLiteral("JUNTAS.DBF"))),
              bytesOf(wine.vtempFile(QStringLiteral("UNAAUNA.DBF"))));
}

// Reading rows back, or reading the table again, while the table is open does
// not make the table forget its index: the close still rebuilds it and
// announces it in the header.
TEST(DbfBuffered, IndexIsRebuiltAfterRowsWereReadBack)
{
    TempWinePrefix wine;
    {
        Table table({}, QStringLiteral("C:\\VTEMP"), QStringLiteral("INDICE.DBF"), true);
        table.fieldDefs() = kFields;
        table.indexDefs() = {{QStringLiteral("COD"), QStringLiteral("COD")}};
        table.createTable();
        table.open();
        for (int row = 3; row > 0; --row)
            appendRow(table, row);
        table.first();
        EXPECT_EQ(table.asString(QStringLiteral("COD")), code(3));
        table.refresh();
        EXPECT_EQ(table.recordCount(), 3);
        table.close();
    }
    EXPECT_EQ(bytesOf(wine.vtempFile(QStringLiteral("INDICE.DBF"))).at(28), '\x01');
    const MdxTagInfo tag = MdxReader(wine.vtempFile(QStringLiteral("INDICE.MDX")).toStdString()).readTag("COD");
    EXPECT_EQ(tag.entries, expectedMdxEntries({"C3        ", "C2        ", "C1        "}));
}

// A table is read a block at a time: a walk backwards from the end, a
// locate that goes back to the first block, and an edit there after the
// last block was read all see and keep every row, and the index of a table
// over several blocks lists every row.
TEST(DbfBuffered, TableLargerThanABlockReadsEveryRowInAnyOrder)
{
    TempWinePrefix wine;
    {
        Table table({}, QStringLiteral("C:\\VTEMP"), QStringLiteral("GRANDE.DBF"), true);
        table.fieldDefs() = kFields;
        table.indexDefs() = {{QStringLiteral("COD"), QStringLiteral("COD")}};
        table.createTable();
        table.open();
        for (int row = 0; row < kManyRows; ++row)
            appendRow(table, row);
        table.close();
    }
    Table table({}, QStringLiteral("C:\\VTEMP"), QStringLiteral("GRANDE.DBF"), true);
    table.open();
    ASSERT_EQ(table.recordCount(), kManyRows);
    int row = kManyRows;
    for (table.last(); !table.bof(); table.prior())
        ASSERT_EQ(table.asString(QStringLiteral("COD")), code(--row)) << "walking backwards";
    EXPECT_EQ(row, 0);

    table.last();
    ASSERT_TRUE(table.locate(QStringLiteral("COD"), code(7)));
    EXPECT_EQ(table.recNo(), 8);
    table.edit();
    table.setString(QStringLiteral("NOMBRE"), QStringLiteral("Editada"));
    table.post();
    ASSERT_TRUE(table.locate(QStringLiteral("COD"), code(kManyRows - 1)));
    EXPECT_FALSE(table.locate(QStringLiteral("COD"), code(kManyRows)));
    appendRow(table, kManyRows);
    table.close();

    const QList<QStringList> rows = rowsOnDisk(wine, QStringLiteral("GRANDE.DBF"));
    ASSERT_EQ(rows.size(), kManyRows + 1);
    EXPECT_EQ(rows[7][1], QStringLiteral("Editada"));
    EXPECT_EQ(rows[kManyRows - 1], expectedRow(kManyRows - 1));
    EXPECT_EQ(rows[kManyRows], expectedRow(kManyRows));
    const MdxTagInfo tag = MdxReader(wine.vtempFile(QStringLiteral("GRANDE.MDX")).toStdString()).readTag("COD");
    EXPECT_EQ(tag.entries.size(), std::size_t(kManyRows + 1));
}

// Every record's deletion flag is checked when the table opens, in the last
// block as in the first; a table another program cuts short while it is
// read is refused, not read as blank rows.
TEST(DbfBuffered, DamageAndTruncationBeyondTheFirstBlockAreRefused)
{
    TempWinePrefix wine;
    createTable(QStringLiteral("DANADA.DBF"));
    {
        Table table({}, QStringLiteral("C:\\VTEMP"), QStringLiteral("DANADA.DBF"), true);
        table.open();
        for (int row = 0; row < kManyRows; ++row)
            appendRow(table, row);
    }
    const QString path = wine.vtempFile(QStringLiteral("DANADA.DBF"));
    QByteArray bytes = bytesOf(path);
    const int headerLength = quint8(bytes[8]) | quint8(bytes[9]) << 8;
    const int recordLength = quint8(bytes[10]) | quint8(bytes[11]) << 8;
    bytes[headerLength + 4321 * recordLength] = '\0';
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    Table damaged({}, QStringLiteral("C:\\VTEMP"), QStringLiteral("DANADA.DBF"), true);
    try {
        damaged.open();
        FAIL() << "a damaged record was accepted";
    } catch (const dbf::DbfError &e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("el registro 4322 no empieza"))) << e.message().toStdString();
    }
    EXPECT_FALSE(damaged.isOpen());

    bytes[headerLength + 4321 * recordLength] = ' ';
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    Table shared({}, QStringLiteral("C:\\VTEMP"), QStringLiteral("DANADA.DBF"), false);
    shared.open();
    ASSERT_TRUE(QFile::resize(path, headerLength + 100 * recordLength));
    try {
        shared.first(); // the open read the records up to the last block
        shared.asString(QStringLiteral("COD"));
        FAIL() << "rows cut off were read";
    } catch (const dbf::DbfError &e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("otro programa la ha acortado"))) << e.message().toStdString();
    }
}
