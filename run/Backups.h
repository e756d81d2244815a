#pragma once

#include "run/BackupManifest.h"

#include <QDateTime>
#include <QList>
#include <QString>

// The backups of replaced working tables: one folder per replaced set in
// "C:\VTEMP\Copias", named by the date and time of the replacement
// ("2026-12-11 09.30.05"), which also sorts them. Only the newest are kept.
namespace backups {

inline constexpr int kept = 10;

struct Backup {
    QString name; // the folder's name: its date and time
    QString path; // local path
    BackupManifest manifest;
};

// The local path of "C:\VTEMP\Copias".
QString folder();

// A new backup folder's local path for a replacement at `when`, not yet
// made; a second replacement within the same second gets " (2)" and so on.
QString newFolder(const QDateTime &when);

// A backup's path as the user's programs name it: "C:\VTEMP\Copias\<name>"
// while the working folder is the usual one, else the local path.
QString shownPath(const QString &localPath);

// The backups, newest first.
QList<Backup> list();

// Removes all but the `kept` newest backups.
void keepNewest();

// The manifest of a backup that has none (tables from before manifests, or
// from another program): rows counted from its tables, no centre.
void describeUnknownSet(const QString &backupPath, const QStringList &tables);

} // namespace backups
