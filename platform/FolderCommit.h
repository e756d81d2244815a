#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// Replaces a set of files of one folder by the files of a staging folder on
// the same file system, all or nothing, keeping what it replaces.
//
// Each file is moved by rename, which the file system does whole: first the
// folder's file into the backup being gathered, then the staged file into the
// folder. Before the first rename a journal naming every move is written
// beside the files; if the program dies half-way, recoverFolderCommit at the
// next start finishes the moves, so the folder ends with the whole new set,
// never a mix. The backup is gathered inside the staging folder and takes its
// published name by one last rename, so that a backup under that name always
// holds everything the commit replaced; one cut short before its journal goes
// with the abandoned staging folder. Staged files, the backup and the journal
// are flushed to disk before the first rename, the folders after the last.
namespace folder_commit {

// What a commit replaces, by what, and where the replaced files go.
struct CommitPlan {
    QString folder;  // the folder whose files are replaced (local path)
    QString staging; // the new files, by the names they get in `folder`
    // Where the replaced files are gathered: a folder to be made inside
    // `staging`, so that a run that dies before its journal leaves no
    // backup behind.
    QString backup;
    // The name the backup gets once it holds everything: a folder that does
    // not exist yet, on the same file system; its parent is made when
    // missing. When a folder of that name appears meanwhile, " (2)", " (3)"...
    // is added.
    QString publishedBackup;
    // The names of the set, as new files are named. A name found in
    // `staging` replaces the folder's file of that name, whatever its letter
    // case; a name missing from `staging` only moves the folder's file (if
    // any) into the backup, since the new set has no such file.
    QStringList names;
    // A file written into the backup before anything moves, under
    // `descriptionName`, when the folder holds no file of that name to move
    // there (empty: none): what the backup is, for a set that does not
    // describe itself.
    QString descriptionName;
    QByteArray description;
};

struct CommitResult {
    QStringList replaced; // what moved into the backup, by name; empty when the folder held none of the set
    QString backup;       // the published backup's path; empty when nothing was replaced
};

// A failed commit raises Error with the message the user reads; the folder is
// then as it was, or, when even putting it back failed, its journal is left
// for recoverFolderCommit.
CommitResult commit(const CommitPlan &plan);

// The journal of a commit in progress in `folder`.
QString journalPath(const QString &folder);

// Finishes a commit that the journal of `folder` describes and that was cut
// short, its backup published, then deletes the journal and the staging
// folder it names. Returns true when there was one to finish. A journal
// whose staging folder another process still holds (stagingFolderHeld)
// belongs to a commit in progress and is left alone.
bool recoverFolderCommit(const QString &folder);

// Tests only: called before each rename of a commit or recovery, counted from
// 0, so that a test can end the process at any of them.
void setBeforeRenameHook(std::function<void(int)> hook);

} // namespace folder_commit
