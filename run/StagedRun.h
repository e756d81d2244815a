#pragma once

#include "run/TablesHold.h"
#include "platform/StagingFolder.h"
#include "platform/WinPath.h"

#include <QString>
#include <QStringList>

// A run that replaces a set of the working folder's files all at once, or
// not at all. The run writes its tables into a fresh staging folder beside
// the working folder, reached through folder(): there the working folder's
// names ("C:\VTEMP" by any of its spellings) lead to the staging folder. The
// working folder's own files of the set are held meanwhile, so no other
// program can take them. commit() puts the whole new set in place and keeps
// the replaced files in a backup; an object that goes without a commit (an
// error, a cancel, a forced exit) leaves the working folder as it was, byte
// for byte.
class StagedRun {
public:
    // `names`: the files of the set ("ASIGNOMT.DBF", "MATIB.MDX", ...);
    // `carried`: those of them that the run reads before it rewrites them,
    // copied into the staging folder first.
    StagedRun(const winpath::WorkingFolder &workingFolder, const QStringList &names, const QStringList &carried);
    ~StagedRun();
    StagedRun(const StagedRun &) = delete;
    StagedRun &operator=(const StagedRun &) = delete;

    // The staging folder's local path.
    QString stagingPath() const { return m_staging.path(); }
    // The working folder as the run's steps reach it: the staging folder.
    winpath::WorkingFolder folder() const { return winpath::WorkingFolder(m_staging.path()); }

    // Replaces the working folder's set by the staged one, which `manifest`
    // (a BackupManifest's text) describes. `tables` are the set's tables, counted in the manifest of a
    // replaced set that had none. Returns the local path of the backup of
    // what was replaced, empty when the working folder held none of the set.
    QString commit(const QByteArray &manifest, const QStringList &tables);

    // The prefix of staging folders' names, for the clean-up at start.
    static const QString stagingPrefix;

private:
    winpath::WorkingFolder m_workingFolder;
    QString m_folder; // the working folder's local path
    QStringList m_names;
    TablesHold m_hold;
    StagingFolder m_staging;
};
