#include "platform/Dbf.h"
#include "platform/DbfError.h"
#include "platform/FieldDef.h"
#include "tests/support/PyDbf.h"
#include "tests/support/QStringPrinter.h"
#include "tests/support/TempWinePrefix.h"

#include <gtest/gtest.h>

using dbf::DbfError;
using dbf::FieldType;
using dbf::Table;
using State = dbf::Table::State;

namespace {

const QString kCode = QStringLiteral("CODI");
const QString kLevel = QStringLiteral("NIVEL");

// CURSOST-like table with the given codes, opened by a step-like object.
class DbfNavigation : public testing::Test {
protected:
    void create(const QStringList &codes)
    {
        Table table({}, QStringLiteral("C:\\VTEMP"), QStringLiteral("CURSOST.DBF"), true);
        table.fieldDefs() = {{kCode, FieldType::String, 20}, {kLevel, FieldType::String, 5}};
        table.createTable();
        table.open();
        for (const QString &code : codes) {
            table.append();
            table.setString(kCode, code);
            table.post();
        }
        table.close();
    }

    QStringList codes(Table &table)
    {
        QStringList result;
        for (table.first(); !table.eof(); table.next())
            result << table.asString(kCode);
        return result;
    }

    QStringList codesOnDisk() const
    {
        QStringList result;
        for (const QStringList &row : pythonDbfRows(readWithPythonDbf(m_wine.vtempFile(QStringLiteral("CURSOST.DBF")))))
            result << row.first();
        return result;
    }

    TempWinePrefix m_wine;
    Table m_table{QStringLiteral("wwTableCursosT"), QStringLiteral("\\VTEMP"), QStringLiteral("CURSOST.DBF"), false};
};

} // namespace

TEST_F(DbfNavigation, MovesOverTheRecordsInOrder)
{
    create({"A", "B", "C", "D", "E"});
    m_table.open();
    EXPECT_EQ(m_table.recordCount(), 5);
    EXPECT_TRUE(m_table.bof());
    EXPECT_EQ(m_table.recNo(), 1);

    struct Step {
        std::function<int(Table &)> move;
        int moved;
        const char *code;
        bool bof, eof;
    };
    const std::vector<Step> steps = {
        {[](Table &t) { t.next(); return 0; }, 0, "B", false, false},
        {[](Table &t) { return t.moveBy(2); }, 2, "D", false, false},
        {[](Table &t) { return t.moveBy(10); }, 1, "E", false, true},
        {[](Table &t) { t.prior(); return 0; }, 0, "D", false, false},
        {[](Table &t) { return t.moveBy(-10); }, -3, "A", true, false},
        {[](Table &t) { t.prior(); return 0; }, 0, "A", true, false},
        {[](Table &t) { t.last(); return 0; }, 0, "E", false, false},
        {[](Table &t) { t.next(); return 0; }, 0, "E", false, true},
        {[](Table &t) { t.first(); return 0; }, 0, "A", true, false},
        {[](Table &t) { return t.moveBy(0); }, 0, "A", true, false},
    };
    for (std::size_t i = 0; i < steps.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(steps[i].move(m_table), steps[i].moved);
        EXPECT_EQ(m_table.asString(kCode), QString::fromLatin1(steps[i].code));
        EXPECT_EQ(m_table.bof(), steps[i].bof);
        EXPECT_EQ(m_table.eof(), steps[i].eof);
        EXPECT_EQ(m_table.recNo(), steps[i].code[0] - 'A' + 1);
    }
}

TEST_F(DbfNavigation, EmptyTableReadsBlankAndEditAppends)
{
    create({});
    m_table.open();
    EXPECT_TRUE(m_table.eof());
    EXPECT_TRUE(m_table.bof());
    EXPECT_EQ(m_table.recNo(), 0);
    EXPECT_EQ(m_table.asString(kCode), QString());
    EXPECT_EQ(m_table.asInteger(kCode), 0);
    m_table.next();
    EXPECT_TRUE(m_table.eof());

    m_table.edit();
    EXPECT_EQ(m_table.state(), State::Insert);
    m_table.setString(kCode, QStringLiteral("NEW"));
    m_table.post();
    EXPECT_EQ(m_table.state(), State::Browse);
    EXPECT_EQ(codes(m_table), QStringList{"NEW"});
}

// Moving on while a record is being edited or inserted writes it, as post would.
TEST_F(DbfNavigation, MovingOnPostsTheBuffer)
{
    create({"A", "B", "C"});
    m_table.open();
    const std::vector<std::function<void(Table &)>> moves = {
        [](Table &t) { t.next(); },  [](Table &t) { t.prior(); }, [](Table &t) { t.first(); },
        [](Table &t) { t.last(); },  [](Table &t) { t.moveBy(1); }, [](Table &t) { t.refresh(); },
        [](Table &t) { t.append(); t.cancel(); },
    };
    for (std::size_t i = 0; i < moves.size(); ++i) {
        m_table.first();
        m_table.next();
        m_table.edit();
        EXPECT_EQ(m_table.state(), State::Edit);
        m_table.setString(kLevel, QStringLiteral("L%1").arg(i));
        moves[i](m_table);
        EXPECT_EQ(m_table.state(), State::Browse);
        m_table.first();
        m_table.next();
        EXPECT_EQ(m_table.asString(kLevel), QStringLiteral("L%1").arg(i)) << i;
    }
    EXPECT_EQ(pythonDbfRows(readWithPythonDbf(m_table.localPath()))[1], (QStringList{"B", "L6"}));
}

TEST_F(DbfNavigation, CancelDiscardsTheBuffer)
{
    create({"A", "B"});
    m_table.open();
    m_table.last();
    m_table.edit();
    m_table.setString(kCode, QStringLiteral("CHANGED"));
    EXPECT_EQ(m_table.asString(kCode), QStringLiteral("CHANGED"));
    m_table.cancel();
    EXPECT_EQ(m_table.asString(kCode), QStringLiteral("B"));

    m_table.append();
    m_table.setString(kCode, QStringLiteral("DROPPED"));
    m_table.cancel();
    m_table.append();
    m_table.cancel();
    EXPECT_EQ(m_table.recordCount(), 2);
    EXPECT_EQ(m_table.asString(kCode), QStringLiteral("B"));
    m_table.close();
    EXPECT_EQ(codesOnDisk(), (QStringList{"A", "B"}));
}

// Posted rows are in the file, header count included, before the table
// closes once the gathered records are written (as before any question);
// the record still being edited is not.
TEST_F(DbfNavigation, PostedRowsAreOnDiskBeforeClose)
{
    create({});
    Table step({}, QStringLiteral("C:\\VTEMP"), QStringLiteral("CURSOST.DBF"), true);
    step.open();
    for (const char *code : {"1ESO", "2ESO"}) {
        step.append();
        step.setString(kCode, QString::fromLatin1(code));
        step.post();
    }
    step.append();
    step.setString(kCode, QStringLiteral("UNPOSTED"));
    Table::flushAll();
    EXPECT_EQ(codesOnDisk(), (QStringList{"1ESO", "2ESO"}));
    step.first();
    step.edit();
    step.setString(kCode, QStringLiteral("3ESO"));
    step.post();
    Table::flushAll();
    EXPECT_EQ(codesOnDisk(), (QStringList{"3ESO", "2ESO", "UNPOSTED"}));
}

TEST_F(DbfNavigation, RefreshSeesOtherWritersAndKeepsThePosition)
{
    create({"A", "B", "C"});
    m_table.open();
    m_table.moveBy(1);
    Table other({}, QStringLiteral("C:\\VTEMP"), QStringLiteral("CURSOST"), false);
    other.open();
    other.last();
    other.edit();
    other.setString(kLevel, QStringLiteral("ESO"));
    other.post();
    m_table.refresh();
    EXPECT_EQ(m_table.asString(kCode), QStringLiteral("B"));
    m_table.last();
    EXPECT_EQ(m_table.asString(kLevel), QStringLiteral("ESO"));
}

// Two shared users appending in turn keep each other's rows.
TEST_F(DbfNavigation, SharedAppendsKeepEachOther)
{
    create({"A"});
    Table other({}, QStringLiteral("C:\\VTEMP"), QStringLiteral("CURSOST"), false);
    m_table.open();
    other.open();
    for (const auto &[table, code] : {std::pair{&m_table, "M1"}, {&other, "O1"}, {&m_table, "M2"}}) {
        table->append();
        table->setString(kCode, QString::fromLatin1(code));
        table->post();
    }
    EXPECT_EQ(codesOnDisk(), (QStringList{"A", "M1", "O1", "M2"}));
    EXPECT_EQ(codes(m_table), (QStringList{"A", "M1", "O1", "M2"}));
}

TEST_F(DbfNavigation, LocateFindsTheFirstExactMatch)
{
    create({"1ESO", "2ESO", "1eso", "2ESO"});
    m_table.open();
    m_table.last();
    m_table.edit();
    m_table.setString(kLevel, QStringLiteral("LAST"));
    EXPECT_TRUE(m_table.locate(kCode, QStringLiteral("2ESO")));
    EXPECT_EQ(m_table.recNo(), 2);
    EXPECT_EQ(m_table.asString(kLevel), QString());
    EXPECT_TRUE(m_table.locate(kCode, QStringLiteral("1eso")));
    EXPECT_EQ(m_table.recNo(), 3);
    EXPECT_FALSE(m_table.locate(kCode, QStringLiteral("1ES")));
    EXPECT_FALSE(m_table.locate(kCode, QStringLiteral("1ESO ")));
    EXPECT_EQ(m_table.recNo(), 3);
    EXPECT_TRUE(m_table.locate(kLevel, QStringLiteral("LAST")));
    EXPECT_EQ(m_table.recNo(), 4);
}

TEST_F(DbfNavigation, MisuseGivesClearErrors)
{
    create({"A"});
    EXPECT_THROW(m_table.first(), DbfError);
    EXPECT_EQ(m_table.recordCount(), 0);
    m_table.open();
    m_table.next();
    m_table.open(); // already open: nothing changes
    EXPECT_TRUE(m_table.eof());
    EXPECT_THROW(m_table.setString(kCode, QStringLiteral("X")), DbfError);
    EXPECT_THROW(m_table.asString(QStringLiteral("MISSING")), DbfError);
    EXPECT_NO_THROW(m_table.asString(QStringLiteral("nivel"))) << "field names are found whatever their case";
}

TEST_F(DbfNavigation, CreateTableOnAnOpenObjectReplacesTheTable)
{
    create({"A"});
    Table table({}, QStringLiteral("C:\\VTEMP"), QStringLiteral("CURSOST.DBF"), true);
    table.fieldDefs() = {{kCode, FieldType::String, 20}, {kLevel, FieldType::String, 5}};
    table.open();
    table.createTable();
    EXPECT_FALSE(table.isOpen());
    table.open();
    EXPECT_EQ(table.recordCount(), 0);
}
