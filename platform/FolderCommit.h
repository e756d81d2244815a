#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// Replaces a set of files of one folder by the files of a staging folder on
// the same file system, all or nothing, keeping what it replaces.
//
// Each file is moved by rename, which the file system does whole: first the
// folder's file into the backup folder, then the staged file into the folder.
// Before the first rename a journal naming every move is written beside the
// files; if the program dies half-way, recoverFolderCommit at the next start
// finishes the moves, so the folder ends with the whole new set, never a mix.
// Staged files, the backup folder and the journal are flushed to disk before
// the first rename, the folders after the last.
namespace folder_commit {

// A failed commit or recovery; the message is the user's.
struct CommitPlan {
    QString folder;  // the folder whose files are replaced (local path)
    QString staging; // the new files, by the names they get in `folder`
    QString backup;  // where the replaced files go; made when missing
    // The names of the set, as new files are named. A name found in
    // `staging` replaces the folder's file of that name, whatever its letter
    // case; a name missing from `staging` only moves the folder's file (if
    // any) into the backup, since the new set has no such file.
    QStringList names;
};

// What the commit moved into the backup folder, by name; empty when the
// folder held none of the set.
QStringList commit(const CommitPlan &plan);

// The journal of a commit in progress in `folder`.
QString journalPath(const QString &folder);

// Finishes a commit that the journal of `folder` describes and that was cut
// short, then deletes the journal and the staging folder it names. Returns
// true when there was one to finish. A journal whose staging folder another
// process still holds (see holdStagingFolder) belongs to a commit in
// progress and is left alone.
bool recoverFolderCommit(const QString &folder);

// Tests only: called before each rename of a commit or recovery, counted from
// 0, so that a test can end the process at any of them.
void setBeforeRenameHook(std::function<void(int)> hook);

} // namespace folder_commit
