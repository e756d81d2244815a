#pragma once

#include "run/BackupManifest.h"
#include "platform/WinPath.h"

#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

// The backups of replaced working tables: one folder per replaced set in
// "C:\VTEMP\Copias", named by the date and time of the replacement
// ("2026-12-11 09.30.05"), which also sorts them. A backup is whole: the
// commit gathers it elsewhere and gives it its name only once it holds the
// whole replaced set and its manifest. A folder so named without a manifest
// is not a backup; only the newest whole ones are kept.
namespace backups {

inline constexpr int kept = 10;

struct Backup {
    QString name; // the folder's name: its date and time
    QString path; // local path
    BackupManifest manifest;
};

// The backups of the working folder `workingFolder`, whose functions below
// all take it first.

// The local path of "C:\VTEMP\Copias".
QString folder(const winpath::WorkingFolder &workingFolder);

// A new backup folder's local path for a replacement at `when`, not yet
// made; a second replacement within the same second gets " (2)" and so on.
QString newFolder(const winpath::WorkingFolder &workingFolder, const QDateTime &when);

// Whether the folder at `path` is a whole backup: named as one, with its manifest.
bool isWhole(const QString &path);

// A backup's path as the user's programs name it: "C:\VTEMP\Copias\<name>"
// while the working folder is the usual one, else the local path.
QString shownPath(const winpath::WorkingFolder &workingFolder, const QString &localPath);

// The whole backups, newest first.
QList<Backup> list(const winpath::WorkingFolder &workingFolder);

// The names of the folders in "Copias" that are not whole backups, which
// nothing uses.
QStringList strayFolders(const winpath::WorkingFolder &workingFolder);

// Removes all but the `kept` newest whole backups.
void keepNewest(const winpath::WorkingFolder &workingFolder);

// What an earlier version left in "Copias": a folder named as a backup that
// a run cut short left empty goes; one that holds tables but no manifest
// (it replaced a set that had none) gets one, rows counted, no centre.
void tidy(const winpath::WorkingFolder &workingFolder);

// The set of tables in `folder` as it stands: centre, school year and
// document from its manifest (empty without one), rows counted from the
// tables' headers. None when the folder holds none of the tables.
std::optional<BackupManifest> describeSet(const QString &folder, const QStringList &tables);

// The manifest of a set of tables in `folder` that has none (tables from
// before manifests, or from another program): rows counted from the tables'
// headers, no centre.
BackupManifest describeUnknownSet(const QString &folder, const QStringList &tables);

} // namespace backups
