#include "platform/Dbf.h"
#include "platform/DbfError.h"
#include "platform/FieldDef.h"
#include "tests/support/LockHolder.h"
#include "tests/support/TempWinePrefix.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

using dbf::DbfError;
using dbf::Table;

namespace {

// Another program: a child process that tries to open the table and exits
// with 0 when it could, 1 when it got an error, 2 on anything else.
int openInAnotherProcess(bool exclusive)
{
    const pid_t pid = fork();
    if (pid == 0) {
        int code = 2;
        try {
            Table table({}, QStringLiteral("C:\\VTEMP"), QStringLiteral("PROFT.DBF"), exclusive);
            table.open();
            code = 0;
        } catch (const DbfError &) {
            code = 1;
        } catch (...) {
        }
        _exit(code);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 3;
}

// A child that holds the table until told to let go through its pipe.
class Holder {
public:
    explicit Holder(bool exclusive)
    {
        int ready[2], release[2];
        EXPECT_EQ(pipe(ready), 0);
        EXPECT_EQ(pipe(release), 0);
        m_pid = fork();
        if (m_pid == 0) {
            close(release[1]); // so that the parent's close reaches the read below
            try {
                Table table({}, QStringLiteral("\\vtemp"), QStringLiteral("proft"), exclusive);
                table.open();
                char c = 1;
                (void)!write(ready[1], &c, 1);
                (void)!read(release[0], &c, 1);
            } catch (...) {
            }
            _exit(0);
        }
        close(ready[1]);
        close(release[0]);
        char c;
        EXPECT_EQ(read(ready[0], &c, 1), 1) << "the holder could not open the table";
        close(ready[0]);
        m_release = release[1];
    }
    ~Holder()
    {
        close(m_release); // the child's read returns and it exits
        waitpid(m_pid, nullptr, 0);
    }

private:
    pid_t m_pid = -1;
    int m_release = -1;
};

class DbfLocking : public testing::Test {
protected:
    void SetUp() override
    {
        Table table({}, QStringLiteral("C:\\VTEMP"), QStringLiteral("PROFT.DBF"), true);
        table.fieldDefs() = {{QStringLiteral("ABREV"), dbf::FieldType::String, 10}};
        table.createTable();
    }
    TempWinePrefix m_wine;
};

} // namespace

TEST_F(DbfLocking, AnotherProcessHoldingTheTableBlocksOpens)
{
    struct Case {
        bool holderExclusive, ourExclusive, opens;
    };
    for (const Case c : {Case{true, true, false}, Case{true, false, false}, Case{false, true, false},
                         Case{false, false, true}}) {
        SCOPED_TRACE(testing::Message() << c.holderExclusive << c.ourExclusive);
        Holder holder(c.holderExclusive);
        Table table(QStringLiteral("wwTableProfesor"), QStringLiteral("\\vtemp"), QStringLiteral("PROFT"), c.ourExclusive);
        if (c.opens) {
            EXPECT_NO_THROW(table.open());
            continue;
        }
        try {
            table.open();
            ADD_FAILURE() << "opened a table held by another process";
        } catch (const DbfError &e) {
            EXPECT_TRUE(e.message().contains(QStringLiteral("PROFT.DBF")));
            EXPECT_TRUE(e.message().contains(QStringLiteral("está en uso por otro programa")));
        }
        EXPECT_FALSE(table.isOpen());
    }
    Table table({}, QStringLiteral("\\vtemp"), QStringLiteral("PROFT"), true);
    EXPECT_NO_THROW(table.open()); // every holder has gone
}

TEST_F(DbfLocking, AnExclusiveTableIsHeldUntilClosed)
{
    Table table({}, QStringLiteral("\\vtemp"), QStringLiteral("PROFT"), true);
    table.open();
    EXPECT_EQ(openInAnotherProcess(true), 1);
    EXPECT_EQ(openInAnotherProcess(false), 1);
    table.close();
    EXPECT_EQ(openInAnotherProcess(true), 0);

    // Re-creating a table another program holds fails instead of emptying it under it.
    Holder holder(false);
    Table creator({}, QStringLiteral("C:\\VTEMP"), QStringLiteral("PROFT.DBF"), true);
    creator.fieldDefs() = {{QStringLiteral("ABREV"), dbf::FieldType::String, 10}};
    EXPECT_THROW(creator.createTable(), DbfError);
}

// What other programs hold, as they lock files on Linux: an exclusive open is
// refused whatever the lock, a shared open only by a lock that excludes
// readers. The flock cases are why the table layer takes a flock lock as well
// as its record lock: record locks do not see flock locks.
struct ForeignLockCase {
    LockHolder::Kind kind;
    bool sharedOpens;
};

class DbfForeignLock : public DbfLocking, public testing::WithParamInterface<ForeignLockCase> {};

TEST_P(DbfForeignLock, RefusesOpensItConflictsWith)
{
    const ForeignLockCase &c = GetParam();
    const LockHolder holder(m_wine.vtempFile(QStringLiteral("PROFT.DBF")), c.kind);
    ASSERT_TRUE(holder.holding());
    for (const bool exclusive : {true, false}) {
        SCOPED_TRACE(exclusive ? "exclusive open" : "shared open");
        Table table({}, QStringLiteral("\\vtemp"), QStringLiteral("PROFT"), exclusive);
        if (!exclusive && c.sharedOpens) {
            EXPECT_NO_THROW(table.open());
            continue;
        }
        EXPECT_THROW(table.open(), dbf::TableInUseError);
        EXPECT_FALSE(table.isOpen());
    }
}

// And the other way round: while we hold a table exclusively, no other
// program gets a lock on it of any kind, a Windows program under Wine included.
TEST_P(DbfForeignLock, AnotherProgramCannotLockATableWeHold)
{
    Table table({}, QStringLiteral("\\vtemp"), QStringLiteral("PROFT"), true);
    table.open();
    const LockHolder holder(m_wine.vtempFile(QStringLiteral("PROFT.DBF")), GetParam().kind);
    EXPECT_FALSE(holder.holding());
}

INSTANTIATE_TEST_SUITE_P(Kinds, DbfForeignLock,
                         testing::Values(ForeignLockCase{LockHolder::Kind::RecordExclusive, false},
                                         ForeignLockCase{LockHolder::Kind::RecordShared, true},
                                         ForeignLockCase{LockHolder::Kind::RecordPastTheEnd, false},
                                         ForeignLockCase{LockHolder::Kind::FlockExclusive, false},
                                         ForeignLockCase{LockHolder::Kind::FlockShared, true}),
                         [](const testing::TestParamInfo<ForeignLockCase> &info) {
                             return std::string(lockKindName(info.param.kind));
                         });

// Two objects sharing a table: a locate that first posts a pending record
// behind the other object's appends re-reads the table, and must then compare
// with the field as the re-read table lays it out (the sanitizer build sees a
// stale one).
TEST_F(DbfLocking, LocateAfterAnotherObjectAppendedToASharedTable)
{
    Table first({}, QStringLiteral("\\vtemp"), QStringLiteral("PROFT"), false);
    Table second({}, QStringLiteral("\\vtemp"), QStringLiteral("PROFT"), false);
    first.open();
    second.open();
    first.append();
    first.setString(QStringLiteral("ABREV"), QStringLiteral("MAT"));
    second.append();
    second.setString(QStringLiteral("ABREV"), QStringLiteral("BIO"));
    second.post();

    EXPECT_TRUE(first.locate(QStringLiteral("ABREV"), QStringLiteral("BIO")));
    EXPECT_TRUE(first.locate(QStringLiteral("ABREV"), QStringLiteral("MAT")));
    EXPECT_EQ(first.recordCount(), 2);
}
