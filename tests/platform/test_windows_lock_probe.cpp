#include "platform/Dbf.h"
#include "platform/DbfFile.h"
#include "platform/FieldDef.h"
#include "tests/support/LockHolder.h"
#include "tests/support/TempWinePrefix.h"
#include "tests/support/WineLockProbe.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>

using dbf::DbfFile;

// A dBase engine under Wine takes a table with an open of share mode 0 and
// LockFile; these tests run such a Windows program against tables our layer
// holds. They need Wine and the probe, which scripts/wine-check provides.
namespace {

struct HeldCase {
    const char *name;
    std::optional<DbfFile::Lock> held; // how our layer holds the table; none: not at all
    bool windowsCanLock;
};

void PrintTo(const HeldCase &c, std::ostream *os) { *os << c.name; }

class WindowsLockProbe : public testing::TestWithParam<HeldCase> {
protected:
    void SetUp() override
    {
        if (const QString missing = wineLockProbeMissing(); !missing.isEmpty())
            GTEST_SKIP() << missing.toStdString();
        // A real table in the working folder of the test's own prefix, which
        // Wine never sees as drive C: the probe reaches it through Z:.
        dbf::Table table({}, QStringLiteral("C:\\VTEMP"), QStringLiteral("GRUPOST.DBF"), true);
        table.fieldDefs() = {{QStringLiteral("ABREV"), dbf::FieldType::String, 10}};
        table.createTable();
        table.open();
        table.append();
        table.setString(QStringLiteral("ABREV"), QStringLiteral("1A"));
        table.post();
    }

    QString path() const { return m_wine.vtempFile(QStringLiteral("GRUPOST.DBF")); }

    TempWinePrefix m_wine;
};

TEST_P(WindowsLockProbe, LocksTheTableOnlyWhenOurLayerDoesNotHoldIt)
{
    const HeldCase c = GetParam();
    DbfFile file;
    if (c.held)
        file.open(path(), *c.held);
    EXPECT_EQ(windowsProgramCanLock(path()), std::optional<bool>(c.windowsCanLock));
}

INSTANTIATE_TEST_SUITE_P(Tables, WindowsLockProbe,
                         testing::Values(HeldCase{"free", std::nullopt, true},
                                         HeldCase{"held_exclusive", DbfFile::Lock::Exclusive, false},
                                         HeldCase{"held_shared", DbfFile::Lock::Shared, false}),
                         [](const testing::TestParamInfo<HeldCase> &info) { return std::string(info.param.name); });

TEST_F(WindowsLockProbe, ClosingTheTableLetsTheWindowsProgramIn)
{
    DbfFile file;
    file.open(path(), DbfFile::Lock::Exclusive);
    ASSERT_EQ(windowsProgramCanLock(path()), std::optional<bool>(false));
    file.close();
    EXPECT_EQ(windowsProgramCanLock(path()), std::optional<bool>(true));
}

// Why the table layer takes a record lock besides flock: Wine's LockFile
// becomes a POSIX record lock, which a flock alone does not stop.
TEST_F(WindowsLockProbe, AFlockAloneDoesNotStopTheWindowsProgram)
{
    const LockHolder holder(path(), LockHolder::Kind::FlockExclusive);
    ASSERT_TRUE(holder.holding());
    EXPECT_EQ(windowsProgramCanLock(path()), std::optional<bool>(true));
}

TEST_F(WindowsLockProbe, AMissingFileIsAnErrorNotAnAnswer)
{
    EXPECT_THROW(windowsProgramCanLock(m_wine.vtempFile(QStringLiteral("NADA.DBF"))), std::runtime_error);
}

} // namespace
