#include "platform/FolderCommit.h"

#include "platform/Error.h"
#include "platform/StagingFolder.h"
#include "platform/SystemReason.h"
#include "platform/WholeFile.h"
#include "platform/WinPath.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>

#include <fcntl.h>
#include <unistd.h>

namespace folder_commit {

namespace {

const QString journalName = QStringLiteral("TransTarquoIB.journal");
const QByteArray journalMagic = QByteArrayLiteral("TransTarquoIB commit 1");

std::function<void(int)> &beforeRenameHook()
{
    static std::function<void(int)> hook;
    return hook;
}

// One move of the commit: the folder's file `oldName` (empty: none) goes to
// the backup, then the staged file `newName` (when `staged`) takes its place.
struct Move {
    QString oldName;
    QString newName;
    bool staged = false;
};

struct Journal {
    QString folder;
    QString staging;
    QString backup;
    QString published; // empty: the backup keeps the name it was gathered under
    QList<Move> moves;
};

[[noreturn]] void fail(const QString &what, const QString &path, int error)
{
    throw Error(Error::Kind::Table,
                QStringLiteral("%1 %2: %3").arg(what, winpath::toWindows(path), systemReason(error)));
}

// Puts what the file or folder holds (a folder: its entries) on the disk.
void syncToDisk(const QString &path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        fail(QCoreApplication::translate("FolderCommit", "No se puede abrir"), path, errno);
    const bool synced = ::fsync(fd) == 0;
    const int error = errno;
    ::close(fd);
    if (!synced)
        fail(QCoreApplication::translate("FolderCommit", "No se puede guardar en el disco"), path, error);
}

// The entry of `folder` named `name` whatever its letter case, as Windows
// programs find it; empty when there is none.
QString existingEntry(const QString &folder, const QString &name)
{
    const QDir dir(folder);
    if (QFileInfo(dir.filePath(name)).isSymLink() || QFileInfo::exists(dir.filePath(name)))
        return name;
    const QStringList entries = dir.entryList(QDir::Files | QDir::System | QDir::Hidden);
    for (const QString &entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return entry;
    }
    return {};
}

bool present(const QString &path) { return QFileInfo(path).isSymLink() || QFileInfo::exists(path); }

int renameCount = 0;

// Renames within one file system; a link is moved as a link.
void move(const QString &from, const QString &to)
{
    const int rename = renameCount++;
    if (const auto &hook = beforeRenameHook())
        hook(rename);
    if (::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) != 0)
        fail(QCoreApplication::translate("FolderCommit", "No se puede mover %1 a").arg(winpath::toWindows(from)), to,
             errno);
}

// Each move is done only as far as it is not done yet, so that a recovery
// can run the journal again from the start after any rename.
void applyMoves(const Journal &journal)
{
    const QDir folder(journal.folder), staging(journal.staging), backup(journal.backup);
    for (const Move &m : journal.moves) {
        const bool newStillStaged = m.staged && present(staging.filePath(m.newName));
        if (m.staged && !newStillStaged)
            continue; // this move is complete
        if (!m.oldName.isEmpty() && present(folder.filePath(m.oldName)) && !present(backup.filePath(m.oldName)))
            move(folder.filePath(m.oldName), backup.filePath(m.oldName));
        if (newStillStaged)
            move(staging.filePath(m.newName), folder.filePath(m.newName));
    }
    syncToDisk(journal.folder);
    if (QFileInfo(journal.backup).isDir())
        syncToDisk(journal.backup);
}

// Gives the gathered backup, now whole, its published name; returns that
// path, empty when there is no backup to publish (nothing was replaced, or
// it is published already).
QString publishBackup(const Journal &journal)
{
    if (journal.published.isEmpty() || !QFileInfo(journal.backup).isDir())
        return {};
    QString target = journal.published;
    for (int n = 2; present(target); ++n)
        target = journal.published + QStringLiteral(" (%1)").arg(n);
    move(journal.backup, target);
    return target;
}

// Runs the journal to its end: every move, then the backup published.
void finish(const Journal &journal)
{
    applyMoves(journal);
    if (!publishBackup(journal).isEmpty())
        syncToDisk(QFileInfo(journal.published).absolutePath());
}

// Puts back what `apply` did so far, last move first, when a rename failed
// during the commit itself (no program died): the folder is as it was.
void undo(const Journal &journal)
{
    const QDir folder(journal.folder), staging(journal.staging), backup(journal.backup);
    for (auto m = journal.moves.crbegin(); m != journal.moves.crend(); ++m) {
        if (m->staged && !present(staging.filePath(m->newName)) && present(folder.filePath(m->newName)))
            move(folder.filePath(m->newName), staging.filePath(m->newName));
        if (!m->oldName.isEmpty() && present(backup.filePath(m->oldName)) && !present(folder.filePath(m->oldName)))
            move(backup.filePath(m->oldName), folder.filePath(m->oldName));
    }
    syncToDisk(journal.folder);
}

QByteArray serialise(const Journal &journal)
{
    QByteArray text = journalMagic + '\n';
    text += "folder\t" + journal.folder.toUtf8() + '\n';
    text += "staging\t" + journal.staging.toUtf8() + '\n';
    text += "backup\t" + journal.backup.toUtf8() + '\n';
    if (!journal.published.isEmpty())
        text += "publish\t" + journal.published.toUtf8() + '\n';
    for (const Move &m : journal.moves)
        text += (m.staged ? "replace\t" : "remove\t") + m.oldName.toUtf8() + '\t' + m.newName.toUtf8() + '\n';
    return text;
}

std::optional<Journal> parse(const QByteArray &text)
{
    const QList<QByteArray> lines = text.split('\n');
    if (lines.size() < 4 || lines[0] != journalMagic)
        return std::nullopt;
    Journal journal;
    for (const QByteArray &line : lines.mid(1)) {
        const QList<QByteArray> fields = line.split('\t');
        const QString first = fields.size() > 1 ? QString::fromUtf8(fields[1]) : QString();
        if (fields[0] == "folder" && fields.size() == 2)
            journal.folder = first;
        else if (fields[0] == "staging" && fields.size() == 2)
            journal.staging = first;
        else if (fields[0] == "backup" && fields.size() == 2)
            journal.backup = first;
        else if (fields[0] == "publish" && fields.size() == 2)
            journal.published = first;
        else if ((fields[0] == "replace" || fields[0] == "remove") && fields.size() == 3)
            journal.moves.append({first, QString::fromUtf8(fields[2]), fields[0] == "replace"});
        else if (!line.isEmpty())
            return std::nullopt;
    }
    if (journal.folder.isEmpty() || journal.staging.isEmpty() || journal.backup.isEmpty())
        return std::nullopt;
    return journal;
}

void removeJournal(const Journal &journal)
{
    QFile::remove(journalPath(journal.folder));
    syncToDisk(journal.folder);
    QDir(journal.staging).removeRecursively();
}

} // namespace

QString journalPath(const QString &folder) { return QDir(folder).filePath(journalName); }

CommitResult commit(const CommitPlan &plan)
{
    Journal journal{plan.folder, plan.staging, plan.backup, plan.publishedBackup, {}};
    CommitResult result;
    for (const QString &name : plan.names) {
        const QString old = existingEntry(plan.folder, name);
        const bool staged = present(QDir(plan.staging).filePath(name));
        if (old.isEmpty() && !staged)
            continue;
        journal.moves.append({old, name, staged});
        if (!old.isEmpty())
            result.replaced << old;
        if (staged)
            syncToDisk(QDir(plan.staging).filePath(name));
    }
    if (journal.moves.isEmpty())
        return result;

    // A backup only for a set that replaces something.
    if (!result.replaced.isEmpty()) {
        if (!QDir().mkpath(plan.backup))
            fail(QCoreApplication::translate("FolderCommit", "No se puede crear la carpeta"), plan.backup, errno);
        const bool described = std::any_of(result.replaced.cbegin(), result.replaced.cend(), [&](const QString &name) {
            return name.compare(plan.descriptionName, Qt::CaseInsensitive) == 0;
        });
        if (!plan.descriptionName.isEmpty() && !described) {
            const QString path = QDir(plan.backup).filePath(plan.descriptionName);
            if (const std::optional<QString> problem = writeWholeFile(path, plan.description))
                throw Error(Error::Kind::Table, QCoreApplication::translate("FolderCommit", "No se puede escribir %1: %2")
                                                    .arg(winpath::toWindows(path), *problem));
        }
        syncToDisk(plan.backup);
        const QString publishedIn = QFileInfo(plan.publishedBackup).absolutePath();
        if (!QDir().mkpath(publishedIn))
            fail(QCoreApplication::translate("FolderCommit", "No se puede crear la carpeta"), publishedIn, errno);
        syncToDisk(QFileInfo(publishedIn).absolutePath());
    }
    // The journal is written in the staging folder and moved in whole: a run
    // killed while writing it leaves the pieces there, where the next start's
    // clean-up of abandoned staging folders removes them.
    const QString stagedJournal = QDir(plan.staging).filePath(journalName);
    if (const std::optional<QString> problem = writeWholeFile(stagedJournal, serialise(journal)))
        throw Error(Error::Kind::Table, QCoreApplication::translate("FolderCommit", "No se puede escribir %1: %2")
                                            .arg(winpath::toWindows(journalPath(plan.folder)), *problem));
    syncToDisk(plan.staging);
    if (::rename(QFile::encodeName(stagedJournal).constData(), QFile::encodeName(journalPath(plan.folder)).constData()) != 0)
        fail(QStringLiteral("No se puede mover %1 a").arg(winpath::toWindows(stagedJournal)), journalPath(plan.folder),
             errno);
    syncToDisk(plan.folder);

    // From here on the journal stands for the new set: if the program dies,
    // the next start's recovery finishes it. A rename that fails, the
    // backup's publishing included, is undone here; only if that fails too
    // is the recovery left to finish it.
    try {
        applyMoves(journal);
        result.backup = publishBackup(journal);
    } catch (const Error &) {
        undo(journal);
        QFile::remove(journalPath(plan.folder));
        syncToDisk(plan.folder);
        throw;
    }
    if (!result.backup.isEmpty())
        syncToDisk(QFileInfo(result.backup).absolutePath());
    removeJournal(journal);
    return result;
}

bool recoverFolderCommit(const QString &folder)
{
    QFile file(journalPath(folder));
    if (!file.exists())
        return false;
    if (!file.open(QIODevice::ReadOnly))
        fail(QCoreApplication::translate("FolderCommit", "No se puede leer"), file.fileName(), EACCES);
    const std::optional<Journal> journal = parse(file.readAll());
    file.close();
    if (!journal) {
        // A journal cut short was never complete, and so no rename was made.
        QFile::remove(journalPath(folder));
        return false;
    }
    if (stagingFolderHeld(journal->staging))
        return false;
    finish(*journal);
    removeJournal(*journal);
    return true;
}

void setBeforeRenameHook(std::function<void(int)> hook)
{
    beforeRenameHook() = std::move(hook);
    renameCount = 0;
}

} // namespace folder_commit
