// A centre import replaces the working tables all at once or not at all, and
// keeps what it replaced: over a folder that holds an earlier import, a run
// that does not finish leaves every file as it was (bytes and inodes), a
// finished one leaves the whole new set and a backup of the whole old one,
// which restoreBackup brings back byte for byte.
#include "run/Backups.h"
#include "run/MainFormState.h"
#include "run/RestoreBackup.h"
#include "run/RunLog.h"
#include "run/WorkingFolderRecovery.h"
#include "import/CentreImport.h"
#include "import/ImportedTables.h"
#include "import/Cursos/TControlCursos.h"
#include "platform/DbfError.h"
#include "platform/Error.h"
#include "platform/FolderCommit.h"
#include "platform/SystemReason.h"
#include "tests/support/CentreDocuments.h"
#include "tests/support/FileBytes.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/FolderSnapshot.h"
#include "tests/support/LockHolder.h"
#include "tests/support/MdxReader.h"
#include "tests/support/PyDbf.h"
#include "tests/support/QStringPrinter.h"
#include "tests/support/ScriptedInteraction.h"
#include "tests/support/TempWinePrefix.h"
#include "tests/support/WineLockProbe.h"

#include <QDir>
#include <QElapsedTimer>
#include <QSet>
#include <QRandomGenerator>

#include <gtest/gtest.h>

#include <csignal>

#include <sys/wait.h>
#include <unistd.h>

using namespace centre_import;
using Answer = UserInteraction::Answer;

namespace {

const QString runLogName = QStringLiteral("TransTarquoIB.log");

QString firstCentre() { return centreFixture(QStringLiteral("centre-escola.xml")); }
QString nextCentre() { return centreFixture(QStringLiteral("centre-escola-seguent.xml")); }

// A whole import of `file` as a user answers it: every blank level filled,
// kept answers recovered, subject lines created.
ImportSummary importFinished(const QString &file)
{
    MainFormState form;
    ScriptedInteraction ui;
    ui.fileChoices = {file};
    ui.answers = {Answer::Yes, Answer::Yes};
    BExportarClick(form, ui);
    EXPECT_EQ(ui.errors(), QStringList());
    EXPECT_EQ(ui.messages().size(), 1);
    EXPECT_TRUE(ui.messages().value(0).startsWith(QStringLiteral("Proceso finalizado")));
    return ui.importSummary.value_or(ImportSummary());
}

// The working tables and their manifest, without the run log (which only a
// finished run appends to) and without the folders inside.
QMap<QString, FileState> workingSet(const QString &vtemp)
{
    QMap<QString, FileState> files = snapshotFolder(vtemp);
    files.remove(runLogName);
    return files;
}

QMap<QString, QByteArray> bytesOf(const QMap<QString, FileState> &files)
{
    QMap<QString, QByteArray> bytes;
    for (const auto &[name, state] : files.asKeyValueRange())
        bytes.insert(name, state.bytes);
    return bytes;
}

QStringList entriesOf(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

// ---------------------------------------------------------------------------
// A finished run.

TEST(AllOrNothingImport, FinishedRunReplacesTheSetAndKeepsTheOldOne)
{
    TempWinePrefix prefix;
    EXPECT_TRUE(importFinished(firstCentre()).backup.isEmpty()) << "nothing to keep in an empty folder";
    const auto first = workingSet(prefix.vtemp());
    ASSERT_TRUE(first.contains(QStringLiteral("MATIB.MDX")));
    ASSERT_TRUE(first.contains(QStringLiteral("TransTarquoIB-tablas.txt")));

    const ImportSummary summary = importFinished(nextCentre());
    ASSERT_EQ(backups::list(winpath::WorkingFolder()).size(), 1);
    const backups::Backup backup = backups::list(winpath::WorkingFolder()).first();
    EXPECT_EQ(summary.backup, QStringLiteral("C:\\VTEMP\\Copias\\") + backup.name) << "named as Windows names it";
    EXPECT_EQ(bytesOf(snapshotFolder(backup.path)), bytesOf(first)) << "the backup holds the whole earlier set";
    EXPECT_NE(bytesOf(workingSet(prefix.vtemp())), bytesOf(first));
    EXPECT_TRUE(QString::fromUtf8(readFileBytes(prefix.vtempFile(runLogName))).contains(summary.backup));

    // Only the set, the log and the backups' folder: no staging folder, no journal.
    EXPECT_EQ(entriesOf(prefix.vtemp()).filter(QStringLiteral("TransTarquoIB")),
              (QStringList{QStringLiteral("TransTarquoIB-tablas.txt"), runLogName}));
    EXPECT_EQ(backup.manifest.codi, QStringLiteral("ESC0001"));
    EXPECT_GT(backup.manifest.totalRows(), 0);
}

TEST(AllOrNothingImport, ElevenImportsKeepTheTenNewestBackups)
{
    TempWinePrefix prefix;
    QStringList backupsMade;
    for (int i = 0; i < 11; ++i) {
        const QString backup = importFinished(i % 2 ? firstCentre() : nextCentre()).backup;
        if (!backup.isEmpty())
            backupsMade << backup.section(QLatin1Char('\\'), -1);
    }
    ASSERT_EQ(backupsMade.size(), 10);
    importFinished(firstCentre());
    QStringList listed;
    for (const backups::Backup &backup : backups::list(winpath::WorkingFolder()))
        listed << backup.name;
    ASSERT_EQ(listed.size(), backups::kept);
    EXPECT_FALSE(listed.contains(backupsMade.first())) << "the oldest goes";
    EXPECT_TRUE(listed.contains(backupsMade.last()));
}

TEST(AllOrNothingImport, RestoreBringsBackTheReplacedSetByteForByte)
{
    TempWinePrefix prefix;
    importFinished(firstCentre());
    const auto first = workingSet(prefix.vtemp());
    importFinished(nextCentre());
    const auto second = workingSet(prefix.vtemp());

    const QString newest = backups::list(winpath::WorkingFolder()).first().path;
    const QString keptSecond = restoreBackup(winpath::WorkingFolder(), newest, replacedFiles(), importedTables());
    EXPECT_EQ(bytesOf(workingSet(prefix.vtemp())), bytesOf(first));
    EXPECT_EQ(bytesOf(snapshotFolder(keptSecond)), bytesOf(second)) << "what the restore replaced is kept too";
    EXPECT_EQ(bytesOf(snapshotFolder(newest)), bytesOf(first)) << "the restored backup stays";
}

TEST(AllOrNothingImport, RestoreIsRefusedWhileATableIsHeld)
{
    TempWinePrefix prefix;
    importFinished(firstCentre());
    importFinished(nextCentre());
    const auto before = snapshotFolder(prefix.vtemp());
    const LockHolder holder(prefix.vtempFile(QStringLiteral("GRUPOST.DBF")), LockHolder::Kind::RecordPastTheEnd);
    ASSERT_TRUE(holder.holding());
    EXPECT_THROW(restoreBackup(winpath::WorkingFolder(), backups::list(winpath::WorkingFolder()).first().path, replacedFiles(), importedTables()),
                 dbf::TableInUseError);
    EXPECT_EQ(snapshotFolder(prefix.vtemp()), before);
}

TEST(AllOrNothingImport, OnlyWholeBackupsAreListedRestoredOrCounted)
{
    TempWinePrefix prefix;
    importFinished(firstCentre());
    importFinished(nextCentre());
    const backups::Backup whole = backups::list(winpath::WorkingFolder()).first();
    // What earlier versions could leave: an empty folder of a run cut short,
    // a backup of a set that had no manifest, and something of the user's.
    const QDir copias(backups::folder(winpath::WorkingFolder()));
    ASSERT_TRUE(copias.mkdir(QStringLiteral("2030-01-01 00.00.00")));
    ASSERT_TRUE(copias.mkdir(QStringLiteral("2029-01-01 00.00.00")));
    ASSERT_TRUE(QFile::copy(prefix.vtempFile(QStringLiteral("CURSOST.DBF")),
                            copias.filePath(QStringLiteral("2029-01-01 00.00.00/CURSOST.DBF"))));
    ASSERT_TRUE(copias.mkpath(QStringLiteral("2031-01-01 00.00.00 notas/x")));
    EXPECT_EQ(backups::list(winpath::WorkingFolder()).size(), 1) << "neither the empty folder nor the undescribed one is a backup";

    const auto before = snapshotFolder(prefix.vtemp());
    for (const QString &name : {QStringLiteral("2030-01-01 00.00.00"), QStringLiteral("2031-01-01 00.00.00 notas")}) {
        SCOPED_TRACE(name.toStdString());
        EXPECT_THROW(restoreBackup(winpath::WorkingFolder(), copias.filePath(name), replacedFiles(), importedTables()), dbf::DbfError);
        EXPECT_EQ(snapshotFolder(prefix.vtemp()), before);
    }

    // The next start removes the empty one and describes the other.
    recoverWorkingFolder(winpath::WorkingFolder());
    EXPECT_FALSE(copias.exists(QStringLiteral("2030-01-01 00.00.00")));
    const QList<backups::Backup> listed = backups::list(winpath::WorkingFolder());
    ASSERT_EQ(listed.size(), 2);
    EXPECT_EQ(listed.first().name, QStringLiteral("2029-01-01 00.00.00"));
    const BackupManifest working =
        BackupManifest::fromText(readFileBytes(prefix.vtempFile(BackupManifest::fileName)));
    const auto cursost = std::find_if(working.rows.cbegin(), working.rows.cend(),
                                      [](const auto &row) { return row.first == QLatin1String("CURSOST"); });
    ASSERT_NE(cursost, working.rows.cend());
    EXPECT_EQ(listed.first().manifest.rows, (QList<QPair<QString, int>>{*cursost})) << "rows counted from the table";
    EXPECT_EQ(listed.last().name, whole.name);
    EXPECT_EQ(backups::strayFolders(winpath::WorkingFolder()), QStringList{QStringLiteral("2031-01-01 00.00.00 notas")});
}

// A rename that fails during the commit of an import or of a restore (as a
// full disk or a vanished folder makes it fail) leaves the working folder as
// it was and adds no backup, now or at the next start.
TEST(AllOrNothingImport, FailedRenameAddsNoBackup)
{
    const int renames = 2 * int(replacedFiles().size() + 1) + 1;
    for (const bool restoring : {false, true}) {
        int failures = 0;
        for (int k = 0; k < renames; ++k) {
            SCOPED_TRACE(testing::Message() << (restoring ? "restore, rename " : "import, rename ") << k);
            TempWinePrefix prefix;
            importFinished(firstCentre());
            if (restoring)
                importFinished(nextCentre());
            const auto before = snapshotFolder(prefix.vtemp());
            const auto backupsBefore = snapshotFolder(backups::folder(winpath::WorkingFolder()));
            const qsizetype listed = backups::list(winpath::WorkingFolder()).size();
            folder_commit::setBeforeRenameHook([k](int rename) {
                if (rename == k)
                    throw Error(Error::Kind::Table, QStringLiteral("No se puede mover: no queda espacio"));
            });
            bool failed = false;
            try {
                if (restoring) {
                    restoreBackup(winpath::WorkingFolder(), backups::list(winpath::WorkingFolder()).first().path, replacedFiles(), importedTables());
                } else {
                    MainFormState form;
                    ScriptedInteraction ui;
                    ui.fileChoices = {nextCentre()};
                    ui.answers = {Answer::Yes, Answer::Yes};
                    BExportarClick(form, ui);
                }
            } catch (const Error &) {
                failed = true;
            }
            folder_commit::setBeforeRenameHook({});
            if (!failed)
                continue; // the commit had fewer renames
            ++failures;
            recoverWorkingFolder(winpath::WorkingFolder());
            EXPECT_EQ(snapshotFolder(prefix.vtemp()), before);
            EXPECT_EQ(backups::list(winpath::WorkingFolder()).size(), listed);
            EXPECT_EQ(backups::strayFolders(winpath::WorkingFolder()), QStringList());
            EXPECT_EQ(bytesOf(snapshotFolder(backups::folder(winpath::WorkingFolder()))), bytesOf(backupsBefore));
        }
        EXPECT_GT(failures, 10) << "a commit renames each file of the set";
    }
}

// ---------------------------------------------------------------------------
// Runs that do not finish leave the folder as it was.

// The limit of the case that sets one, lifted once its run has ended.
std::optional<FileSizeLimit> sizeLimit;

struct UnfinishedCase {
    const char *name;
    // Sets the user up to end the run early, or sets up what makes it fail.
    std::function<void(ScriptedInteraction &)> script;
};

class UnfinishedImport : public testing::TestWithParam<UnfinishedCase> {};

TEST_P(UnfinishedImport, LeavesTheWorkingFolderByteForByte)
{
    TempWinePrefix prefix;
    importFinished(firstCentre());
    const auto before = snapshotFolder(prefix.vtemp());
    const QStringList entries = entriesOf(prefix.vtemp());

    MainFormState form;
    form.ModoAutomatico = 2;
    ScriptedInteraction ui;
    ui.fileChoices = {nextCentre()};
    GetParam().script(ui);
    try {
        BExportarClick(form, ui);
    } catch (const Error &) {
    }
    sizeLimit.reset();
    EXPECT_FALSE(ui.messages().contains(QStringLiteral("Proceso finalizado")));
    EXPECT_NE(form.ResultadoTransformacion, 1);
    EXPECT_TRUE(snapshotFolder(prefix.vtemp()) == before) << "a file was written, replaced, created or deleted";
    EXPECT_EQ(entriesOf(prefix.vtemp()), entries) << "no staging folder or journal is left";
}

const UnfinishedCase unfinishedCases[] = {
    {"ForcedExit",
     [](ScriptedInteraction &ui) {
         ui.cursosPasses = {[](TControlCursos &d) { d.pressOk(); }, [](TControlCursos &d) { d.pressForcedExit(); }};
     }},
    // The No deletes the kept answers at once, but only in the staging folder.
    {"NoToRecoveryThenForcedExit",
     [](ScriptedInteraction &ui) {
         ui.answers = {Answer::No, Answer::No};
         ui.cursosPasses = {[](TControlCursos &d) { d.pressOk(); }, [](TControlCursos &d) { d.pressForcedExit(); }};
     }},
    {"FileSizeLimitMidStaging",
     [](ScriptedInteraction &ui) {
         ui.cursosPasses = {[](TControlCursos &d) {
             ScriptedInteraction::defaultCursosPass(d);
             // Later tables cannot grow past a few bytes: the next step fails.
             sizeLimit.emplace(200);
         }};
         ui.answers = {Answer::Yes, Answer::Yes};
     }},
    {"CancelledFileDialog", [](ScriptedInteraction &ui) { ui.fileChoices = {std::nullopt}; }},
};

INSTANTIATE_TEST_SUITE_P(Ways, UnfinishedImport, testing::ValuesIn(unfinishedCases),
                         [](const testing::TestParamInfo<UnfinishedCase> &info) { return std::string(info.param.name); });

// The very first write of a run (CURSOST2 copied into the staging folder)
// says why it failed, as every later one does.
TEST(AllOrNothingImport, FailedFirstWriteSaysWhy)
{
    TempWinePrefix prefix;
    importFinished(firstCentre());
    const auto before = snapshotFolder(prefix.vtemp());
    MainFormState form;
    ScriptedInteraction ui;
    ui.fileChoices = {nextCentre()};
    QString message;
    {
        const FileSizeLimit limit(1);
        try {
            BExportarClick(form, ui);
        } catch (const Error &e) {
            message = e.message();
        }
    }
    EXPECT_TRUE(message.contains(QStringLiteral("CURSOST2.DBF"))) << message.toStdString();
    EXPECT_TRUE(message.endsWith(systemReason(EFBIG))) << message.toStdString();
    EXPECT_EQ(snapshotFolder(prefix.vtemp()), before);
}

// ---------------------------------------------------------------------------
// The hold: no other program takes a file of the set while the dialog waits.

TEST(AllOrNothingImport, OtherProgramsCannotLockTheSetWhileTheDialogWaits)
{
    TempWinePrefix prefix;
    importFinished(firstCentre());

    const QStringList held = {QStringLiteral("ASIGNOMT.DBF"), QStringLiteral("PROFT.DBF"), QStringLiteral("GRUPOST.DBF"),
                              QStringLiteral("MATIB.DBF"),    QStringLiteral("MATIB.MDX"), QStringLiteral("DIASHORAST.DBF"),
                              QStringLiteral("CURSOST2.DBF")};
    const LockHolder::Kind kinds[] = {LockHolder::Kind::RecordExclusive, LockHolder::Kind::RecordShared,
                                      LockHolder::Kind::RecordPastTheEnd, LockHolder::Kind::FlockExclusive,
                                      LockHolder::Kind::FlockShared};
    MainFormState form;
    ScriptedInteraction ui;
    ui.fileChoices = {nextCentre()};
    ui.answers = {Answer::Yes, Answer::Yes};
    ui.cursosPasses = {[&](TControlCursos &dialog) {
        for (const QString &name : held) {
            for (const LockHolder::Kind kind : kinds) {
                const LockHolder other(prefix.vtempFile(name), kind);
                EXPECT_FALSE(other.holding()) << name.toStdString() << " " << lockKindName(kind);
            }
        }
        ScriptedInteraction::defaultCursosPass(dialog);
    }};
    BExportarClick(form, ui);
    EXPECT_EQ(ui.summaryDetails.isEmpty(), false) << "the run finished";

    const LockHolder afterwards(prefix.vtempFile(QStringLiteral("GRUPOST.DBF")), LockHolder::Kind::RecordExclusive);
    EXPECT_TRUE(afterwards.holding()) << "the hold ends with the run";
}

// What a dBase engine under Wine does: open with share mode 0 and LockFile.
// Only where scripts/wine-check provides the Windows probe.
TEST(AllOrNothingImport, WindowsProgramCannotLockATableWhileTheDialogWaits)
{
    if (const QString missing = wineLockProbeMissing(); !missing.isEmpty())
        GTEST_SKIP() << missing.toStdString();
    TempWinePrefix prefix;
    importFinished(firstCentre());
    ASSERT_EQ(windowsProgramCanLock(prefix.vtempFile(QStringLiteral("GRUPOST.DBF"))), true) << "free before the run";

    MainFormState form;
    ScriptedInteraction ui;
    ui.fileChoices = {nextCentre()};
    ui.answers = {Answer::Yes, Answer::Yes};
    ui.cursosPasses = {[&](TControlCursos &dialog) {
        for (const char *table : {"GRUPOST.DBF", "ASIGNOMT.DBF", "MATIB.MDX", "CURSOST2.DBF"})
            EXPECT_EQ(windowsProgramCanLock(prefix.vtempFile(QLatin1String(table))), false) << table;
        ScriptedInteraction::defaultCursosPass(dialog);
    }};
    BExportarClick(form, ui);
    EXPECT_FALSE(ui.summaryDetails.isEmpty()) << "the run finished";
    EXPECT_EQ(windowsProgramCanLock(prefix.vtempFile(QStringLiteral("GRUPOST.DBF"))), true) << "free after the run";
}

TEST(AllOrNothingImport, HeldIndexRefusesTheRunBeforeAnythingIsTouched)
{
    TempWinePrefix prefix;
    importFinished(firstCentre());
    const auto before = snapshotFolder(prefix.vtemp());
    const LockHolder holder(prefix.vtempFile(QStringLiteral("MATIB.MDX")), LockHolder::Kind::FlockExclusive);
    ASSERT_TRUE(holder.holding());
    MainFormState form;
    ScriptedInteraction ui;
    ui.fileChoices = {nextCentre()};
    EXPECT_THROW(BExportarClick(form, ui), dbf::TableInUseError);
    EXPECT_EQ(snapshotFolder(prefix.vtemp()), before);
}

// ---------------------------------------------------------------------------
// Killed runs: the folder afterwards, once the next start has recovered it,
// holds exactly the old set or exactly the new one.

// The set as an import of the next centre over the first leaves it, and the
// set before it; the manifests are left out, as they carry the time.
struct ReferenceSets {
    QMap<QString, QByteArray> before;
    QMap<QString, QByteArray> after;
};

QMap<QString, QByteArray> withoutManifest(QMap<QString, QByteArray> set)
{
    set.remove(QStringLiteral("TransTarquoIB-tablas.txt"));
    return set;
}

ReferenceSets referenceSets()
{
    TempWinePrefix prefix;
    importFinished(firstCentre());
    ReferenceSets sets;
    sets.before = withoutManifest(bytesOf(workingSet(prefix.vtemp())));
    importFinished(nextCentre());
    sets.after = withoutManifest(bytesOf(workingSet(prefix.vtemp())));
    // Every table of the new set reads with an independent reader, and the index is whole.
    for (const QString &name : sets.after.keys()) {
        if (name.endsWith(QLatin1String(".DBF"))) {
            EXPECT_NO_THROW(readWithPythonDbf(prefix.vtempFile(name))) << name.toStdString();
        }
    }
    EXPECT_NO_THROW(MdxReader(prefix.vtempFile(QStringLiteral("MATIB.MDX")).toStdString()).readTag("ABREV"));
    return sets;
}

// A child that imports the next centre, the user answering at once;
// `beforeRename` may end it at a rename of the commit. Returns its pid.
pid_t importInChild(const std::function<void(int)> &beforeRename)
{
    const pid_t child = fork();
    if (child != 0)
        return child;
    folder_commit::setBeforeRenameHook(beforeRename);
    try {
        MainFormState form;
        ScriptedInteraction ui;
        ui.fileChoices = {nextCentre()};
        ui.answers = {Answer::Yes, Answer::Yes};
        BExportarClick(form, ui);
    } catch (...) {
        _exit(2);
    }
    _exit(0);
}

// Waits for the child: true when it ended, by itself or killed.
bool ended(pid_t child)
{
    int status = 0;
    return waitpid(child, &status, 0) == child;
}

enum class Outcome { Old, New, Mixed };

// After the next start's recovery: the old set and no backup, or the new set
// and one whole backup of the old; nothing else in the backups' folder.
Outcome outcomeAfterRecovery(const TempWinePrefix &prefix, const ReferenceSets &sets)
{
    EXPECT_NO_THROW(recoverWorkingFolder(winpath::WorkingFolder()));
    const auto now = withoutManifest(bytesOf(workingSet(prefix.vtemp())));
    EXPECT_EQ(entriesOf(prefix.vtemp()).filter(QStringLiteral(".TransTarquoIB")), QStringList())
        << "staging folders are cleaned at the next start";
    EXPECT_FALSE(QFile::exists(folder_commit::journalPath(prefix.vtemp())));
    EXPECT_EQ(backups::strayFolders(winpath::WorkingFolder()), QStringList()) << "only whole backups in Copias";
    const QList<backups::Backup> kept = backups::list(winpath::WorkingFolder());
    if (now == sets.before) {
        EXPECT_TRUE(kept.isEmpty()) << "a run that did not replace anything adds no backup";
        return Outcome::Old;
    }
    if (now == sets.after) {
        EXPECT_EQ(kept.size(), 1);
        if (!kept.isEmpty()) {
            EXPECT_EQ(withoutManifest(bytesOf(snapshotFolder(kept.first().path))), sets.before);
        }
        return Outcome::New;
    }
    // Which files are of which set, to tell what went wrong.
    QSet<QString> names(now.keyBegin(), now.keyEnd());
    names += QSet<QString>(sets.before.keyBegin(), sets.before.keyEnd());
    names += QSet<QString>(sets.after.keyBegin(), sets.after.keyEnd());
    for (const QString &name : names) {
        const char *which = !now.contains(name)                        ? "missing"
                            : now.value(name) == sets.after.value(name)  ? "new"
                            : now.value(name) == sets.before.value(name) ? "old"
                                                                         : "neither";
        ADD_FAILURE() << name.toStdString() << ": " << which;
    }
    return Outcome::Mixed;
}

TEST(KilledImport, AtEachRenameOfTheCommitEndsWhollyNew)
{
    const ReferenceSets sets = referenceSets();
    // Each file of the set moves out and its successor in: at most two renames a file.
    const int renames = 2 * int(sets.after.size() + 1);
    for (int k = 0; k <= renames; ++k) {
        SCOPED_TRACE(k);
        TempWinePrefix prefix;
        importFinished(firstCentre());
        const pid_t child = importInChild([k](int rename) {
            if (rename == k)
                ::raise(SIGKILL);
        });
        ASSERT_GE(child, 0);
        ASSERT_TRUE(ended(child));
        EXPECT_EQ(outcomeAfterRecovery(prefix, sets), Outcome::New);
    }
}

// A restore killed at any rename of its commit is finished by the next
// start: the backed-up set is back whole, and of backups there are exactly
// the one restored and a whole one of what it replaced.
TEST(KilledRestore, AtEachRenameEndsWhollyRestored)
{
    const int renames = 2 * int(replacedFiles().size() + 1) + 1;
    for (int k = 0; k <= renames; ++k) {
        SCOPED_TRACE(k);
        TempWinePrefix prefix;
        importFinished(firstCentre());
        const auto first = bytesOf(workingSet(prefix.vtemp()));
        importFinished(nextCentre());
        const auto second = bytesOf(workingSet(prefix.vtemp()));
        const QString restored = backups::list(winpath::WorkingFolder()).first().path;

        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            folder_commit::setBeforeRenameHook([k](int rename) {
                if (rename == k)
                    ::raise(SIGKILL);
            });
            try {
                restoreBackup(winpath::WorkingFolder(), restored, replacedFiles(), importedTables());
            } catch (...) {
                _exit(2);
            }
            _exit(0);
        }
        ASSERT_TRUE(ended(child));
        EXPECT_NO_THROW(recoverWorkingFolder(winpath::WorkingFolder()));
        EXPECT_EQ(bytesOf(workingSet(prefix.vtemp())), first);
        const QList<backups::Backup> kept = backups::list(winpath::WorkingFolder());
        ASSERT_EQ(kept.size(), 2);
        EXPECT_EQ(kept.last().path, restored);
        EXPECT_EQ(bytesOf(snapshotFolder(kept.first().path)), second) << "what the restore replaced, whole";
        EXPECT_EQ(backups::strayFolders(winpath::WorkingFolder()), QStringList());
    }
}

TEST(KilledImport, AtRandomMomentsEndsWhollyOldOrWhollyNew)
{
    const ReferenceSets sets = referenceSets();
    // How long an undisturbed run takes, to spread the kills over it.
    qint64 runMicroseconds = 0;
    {
        TempWinePrefix prefix;
        importFinished(firstCentre());
        QElapsedTimer timer;
        timer.start();
        const pid_t child = importInChild({});
        ASSERT_GE(child, 0);
        ASSERT_TRUE(ended(child));
        runMicroseconds = timer.nsecsElapsed() / 1000;
    }
    // More trials by hand: TRANSTARQUOIB_KILL_TRIALS=400.
    const int trials = qEnvironmentVariableIntValue("TRANSTARQUOIB_KILL_TRIALS") > 0
                           ? qEnvironmentVariableIntValue("TRANSTARQUOIB_KILL_TRIALS")
                           : 40;
    int old = 0, renewed = 0;
    for (int trial = 0; trial < trials; ++trial) {
        SCOPED_TRACE(trial);
        TempWinePrefix prefix;
        importFinished(firstCentre());
        const pid_t child = importInChild({});
        ASSERT_GE(child, 0);
        ::usleep(useconds_t(QRandomGenerator::global()->bounded(runMicroseconds * 11 / 10 + 1)));
        ::kill(child, SIGKILL);
        ASSERT_TRUE(ended(child));
        const Outcome outcome = outcomeAfterRecovery(prefix, sets);
        EXPECT_NE(outcome, Outcome::Mixed);
        old += outcome == Outcome::Old;
        renewed += outcome == Outcome::New;
    }
    std::printf("killed imports: %d ended old, %d new, %d mixed\n", old, renewed, trials - old - renewed);
}

} // namespace
