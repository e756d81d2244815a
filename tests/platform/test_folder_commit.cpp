// A set of files replaced all at once: after a commit, a commit killed at any
// rename and finished by the recovery, or a commit whose rename fails, the
// folder holds exactly the old set or exactly the new one, and the backup
// exactly what was replaced, under its published name only once it is whole.
#include "platform/Error.h"
#include "platform/FolderCommit.h"
#include "platform/StagingFolder.h"
#include "tests/support/FolderSnapshot.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>

#include <sys/wait.h>
#include <unistd.h>

namespace {

using Contents = QMap<QString, QByteArray>;

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

Contents contentsOf(const QString &folder)
{
    Contents contents;
    for (const auto &[name, state] : snapshotFolder(folder).asKeyValueRange())
        contents.insert(name, state.bytes);
    return contents;
}

// The old set in the folder (with another file the commit must not touch,
// and one name in other letter case), the new set staged beside it.
struct Sets {
    QTemporaryDir root;
    QString folder = root.filePath(QStringLiteral("VTEMP"));
    QString staging = root.filePath(QStringLiteral("VTEMP/.staging"));
    QString backup = root.filePath(QStringLiteral("VTEMP/.staging/copia"));
    QString published = root.filePath(QStringLiteral("VTEMP/Copias/uno"));
    QStringList names = {QStringLiteral("A.DBF"), QStringLiteral("B.DBF"), QStringLiteral("B.MDX"),
                         QStringLiteral("C.DBF"), QStringLiteral("D.DBF")};
    Contents oldSet = {{QStringLiteral("A.DBF"), "old a"},
                       {QStringLiteral("b.dbf"), "old b"},
                       {QStringLiteral("B.MDX"), "old index"}};
    // D.DBF is new; B.MDX has no successor and only leaves the folder.
    Contents newSet = {{QStringLiteral("A.DBF"), "new a"},
                       {QStringLiteral("B.DBF"), "new b"},
                       {QStringLiteral("C.DBF"), "new c"},
                       {QStringLiteral("D.DBF"), "new d"}};
    Contents untouched = {{QStringLiteral("SOLUC.DBF"), "solution"}};

    Sets()
    {
        QDir().mkpath(staging);
        for (const auto &[name, bytes] : oldSet.asKeyValueRange())
            writeFile(QDir(folder).filePath(name), bytes);
        for (const auto &[name, bytes] : untouched.asKeyValueRange())
            writeFile(QDir(folder).filePath(name), bytes);
        for (const auto &[name, bytes] : newSet.asKeyValueRange())
            writeFile(QDir(staging).filePath(name), bytes);
    }

    folder_commit::CommitPlan plan() const { return {folder, staging, backup, published, names, {}, {}}; }

    Contents withUntouched(Contents set) const
    {
        set.insert(untouched);
        return set;
    }

    void expectNewSetCommitted() const
    {
        EXPECT_EQ(contentsOf(folder), withUntouched(newSet));
        EXPECT_EQ(contentsOf(published), oldSet);
        EXPECT_FALSE(QFile::exists(folder_commit::journalPath(folder)));
        EXPECT_FALSE(QFileInfo::exists(staging));
    }
};

TEST(FolderCommit, ReplacesTheSetAndKeepsWhatItReplaced)
{
    Sets sets;
    const folder_commit::CommitResult result = folder_commit::commit(sets.plan());
    EXPECT_EQ(result.replaced, (QStringList{QStringLiteral("A.DBF"), QStringLiteral("b.dbf"), QStringLiteral("B.MDX")}));
    EXPECT_EQ(result.backup, sets.published);
    sets.expectNewSetCommitted();
}

TEST(FolderCommit, BackupIsDescribedWhenTheSetDoesNotDescribeItself)
{
    // A set without a description gets the one given; a set that carries its
    // own moves it into the backup, and the one given is not written.
    for (const bool setHasOne : {false, true}) {
        SCOPED_TRACE(setHasOne);
        Sets sets;
        sets.names << QStringLiteral("NOTE.TXT");
        if (setHasOne) {
            sets.oldSet.insert(QStringLiteral("note.txt"), "the set's own");
            writeFile(QDir(sets.folder).filePath(QStringLiteral("note.txt")), "the set's own");
        }
        folder_commit::CommitPlan plan = sets.plan();
        plan.descriptionName = QStringLiteral("NOTE.TXT");
        plan.description = "described";
        folder_commit::commit(plan);
        Contents expected = sets.oldSet;
        if (!setHasOne)
            expected.insert(QStringLiteral("NOTE.TXT"), "described");
        EXPECT_EQ(contentsOf(sets.published), expected);
    }
}

TEST(FolderCommit, PublishedNameTakenMeanwhileGetsANumber)
{
    Sets sets;
    QDir().mkpath(sets.published);
    writeFile(QDir(sets.published).filePath(QStringLiteral("OTHER")), "someone else's");
    EXPECT_EQ(folder_commit::commit(sets.plan()).backup, sets.published + QStringLiteral(" (2)"));
    EXPECT_EQ(contentsOf(sets.published + QStringLiteral(" (2)")), sets.oldSet);
    EXPECT_EQ(contentsOf(sets.published).size(), 1);
}

TEST(FolderCommit, NothingToReplaceMakesNoBackup)
{
    Sets sets;
    sets.names = {QStringLiteral("X.DBF")};
    const folder_commit::CommitResult result = folder_commit::commit(sets.plan());
    EXPECT_TRUE(result.replaced.isEmpty());
    EXPECT_TRUE(result.backup.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(sets.backup));
    EXPECT_FALSE(QFileInfo::exists(sets.published));
    EXPECT_EQ(contentsOf(sets.folder), sets.withUntouched(sets.oldSet));
}

TEST(FolderCommit, LinkIsReplacedNotItsTarget)
{
    Sets sets;
    const QString target = sets.root.filePath(QStringLiteral("elsewhere.dbf"));
    writeFile(target, "linked table");
    ASSERT_TRUE(QFile::remove(QDir(sets.folder).filePath(QStringLiteral("A.DBF"))));
    ASSERT_TRUE(QFile::link(target, QDir(sets.folder).filePath(QStringLiteral("A.DBF"))));
    folder_commit::commit(sets.plan());
    EXPECT_EQ(contentsOf(sets.folder).value(QStringLiteral("A.DBF")), QByteArray("new a"));
    EXPECT_TRUE(QFileInfo(QDir(sets.published).filePath(QStringLiteral("A.DBF"))).isSymLink());
    QFile kept(target);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), QByteArray("linked table"));
}

TEST(FolderCommit, UnreadableJournalIsDropped)
{
    Sets sets;
    writeFile(folder_commit::journalPath(sets.folder), "not a journal");
    EXPECT_FALSE(folder_commit::recoverFolderCommit(sets.folder));
    EXPECT_FALSE(QFile::exists(folder_commit::journalPath(sets.folder)));
    EXPECT_EQ(contentsOf(sets.folder), sets.withUntouched(sets.oldSet));
}

// Five moves into the backup or out of staging, two of them for B, and the
// backup's publishing: eight renames.
constexpr int kRenames = 8;

class KilledCommit : public testing::TestWithParam<int> {};

// A child commits and is killed just before rename `k`; the next start's
// recovery finishes the commit.
TEST_P(KilledCommit, RecoveryFinishesIt)
{
    Sets sets;
    const int k = GetParam();
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        folder_commit::setBeforeRenameHook([k](int rename) {
            if (rename == k)
                ::raise(SIGKILL);
        });
        try {
            folder_commit::commit(sets.plan());
        } catch (...) {
            _exit(2);
        }
        _exit(0);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    if (k < kRenames) {
        ASSERT_TRUE(WIFSIGNALED(status));
        EXPECT_TRUE(QFile::exists(folder_commit::journalPath(sets.folder)));
        EXPECT_FALSE(QFileInfo::exists(sets.published)) << "no backup by its name before it is whole";
        EXPECT_TRUE(folder_commit::recoverFolderCommit(sets.folder));
    } else {
        ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    sets.expectNewSetCommitted();
    EXPECT_FALSE(folder_commit::recoverFolderCommit(sets.folder));
}

INSTANTIATE_TEST_SUITE_P(AtEachRename, KilledCommit, testing::Range(0, kRenames + 1));

class FailedRename : public testing::TestWithParam<int> {};

// A rename that fails during the commit (here the test's hook fails rename
// `k` as the system would) is undone: the folder is as it was, byte for byte
// and file for file, and the error reaches the caller.
TEST_P(FailedRename, LeavesTheFolderAsItWas)
{
    Sets sets;
    const auto before = snapshotFolder(sets.folder);
    const int k = GetParam();
    folder_commit::setBeforeRenameHook([k](int rename) {
        if (rename == k)
            throw Error(Error::Kind::Table, QStringLiteral("No se puede mover"));
    });
    EXPECT_THROW(folder_commit::commit(sets.plan()), Error);
    folder_commit::setBeforeRenameHook({});
    EXPECT_EQ(snapshotFolder(sets.folder), before);
    EXPECT_FALSE(QFile::exists(folder_commit::journalPath(sets.folder)));
    EXPECT_EQ(contentsOf(sets.staging), sets.newSet);
    EXPECT_FALSE(QFileInfo::exists(sets.published)) << "a failed commit publishes no backup";
}

INSTANTIATE_TEST_SUITE_P(AtEachRename, FailedRename, testing::Range(0, kRenames));

TEST(StagingFolder, CleanUpLeavesHeldFoldersAlone)
{
    QTemporaryDir root;
    const QString parent = root.path();
    QDir().mkpath(QDir(parent).filePath(QStringLiteral(".run-abandoned")));
    writeFile(QDir(parent).filePath(QStringLiteral(".run-abandoned/T.DBF")), "half");
    StagingFolder live(parent, QStringLiteral(".run-"));
    QDir().mkpath(QDir(parent).filePath(QStringLiteral("Copias")));

    removeAbandonedStagingFolders(parent, QStringLiteral(".run-"));
    EXPECT_FALSE(QFileInfo::exists(QDir(parent).filePath(QStringLiteral(".run-abandoned"))));
    EXPECT_TRUE(QFileInfo(live.path()).isDir());
    EXPECT_TRUE(QFileInfo(QDir(parent).filePath(QStringLiteral("Copias"))).isDir());
}

TEST(StagingFolder, GoesWithItsObjectUnlessReleased)
{
    QTemporaryDir root;
    QString dropped, kept;
    {
        StagingFolder a(root.path(), QStringLiteral(".run-"));
        StagingFolder b(root.path(), QStringLiteral(".run-"));
        dropped = a.path();
        kept = b.path();
        b.release();
    }
    EXPECT_FALSE(QFileInfo::exists(dropped));
    EXPECT_TRUE(QFileInfo(kept).isDir());
}

} // namespace
