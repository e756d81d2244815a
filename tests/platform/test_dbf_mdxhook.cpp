#include "platform/Dbf.h"
#include "platform/FieldDef.h"
#include "tests/support/MdxReader.h"
#include "tests/support/TempWinePrefix.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using dbf::FieldType;
using dbf::Table;

namespace {

void createMatib(const QStringList &codes)
{
    Table table({}, QStringLiteral("C:\\VTEMP"), QStringLiteral("MATIB.DBF"), true);
    table.fieldDefs() = {{QStringLiteral("ABREV"), FieldType::String, 10}, {QStringLiteral("NOMBRE"), FieldType::String, 80}};
    table.indexDefs() = {{QStringLiteral("ABREV"), QStringLiteral("ABREV")}};
    table.createTable();
    table.open();
    for (const QString &code : codes) {
        table.append();
        table.setString(QStringLiteral("ABREV"), code);
        table.post();
    }
    table.close();
}

std::vector<MdxLeafEntry> indexEntries(const QString &path)
{
    return MdxReader(path.toStdString()).readTag("ABREV").entries;
}

} // namespace

// Any object that changes an indexed table, not only the one that defined the
// index, leaves the index matching the records when it closes.
TEST(DbfMdxHook, EveryCloseAfterAChangeRebuildsTheIndex)
{
    TempWinePrefix wine;
    createMatib({"MAT", "BIO", "EF"});
    Table component(QStringLiteral("wwTableMatib"), QStringLiteral("\\vtemp"), QStringLiteral("matib"), true);
    component.open();
    component.first();
    component.edit();
    component.setString(QStringLiteral("ABREV"), QStringLiteral("ZZZ"));
    component.post();
    component.append();
    component.setString(QStringLiteral("ABREV"), QStringLiteral("BIO"));
    component.post();
    component.close();
    EXPECT_EQ(indexEntries(wine.vtempFile(QStringLiteral("MATIB.MDX"))),
              expectedMdxEntries({"ZZZ       ", "BIO       ", "EF        ", "BIO       "}));
}

// An index file that exists under another letter case is the one replaced.
TEST(DbfMdxHook, ReplacesTheIndexWhateverItsCase)
{
    TempWinePrefix wine;
    createMatib({"MAT"});
    ASSERT_TRUE(QFile::rename(wine.vtempFile(QStringLiteral("MATIB.MDX")), wine.vtempFile(QStringLiteral("matib.mdx"))));
    Table table({}, QStringLiteral("C:\\VTEMP"), QStringLiteral("MATIB.DBF"), true);
    table.open();
    table.append();
    table.setString(QStringLiteral("ABREV"), QStringLiteral("ANG"));
    table.post();
    table.close();
    EXPECT_EQ(QDir(wine.vtemp()).entryList(QDir::Files), (QStringList{"MATIB.DBF", "matib.mdx"}));
    EXPECT_EQ(indexEntries(wine.vtempFile(QStringLiteral("matib.mdx"))), expectedMdxEntries({"MAT       ", "ANG       "}));
}
