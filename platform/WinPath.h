#pragma once

#include <QString>

// Windows paths as the timetabling program and the converter name them
// ("C:\VTEMP\ASIGNOMT.DBF", "\vtemp"), or as a user or a Windows caller
// under Wine types them ("Z:\home\ana\centre.xml"). On Windows they are used
// as written. Elsewhere each drive is what a Windows program under Wine sees:
// the link $WINEPREFIX/dosdevices/x: (default prefix ~/.wine), so C: is
// normally drive_c and Z: the root "/"; without a dosdevices folder C: is
// $WINEPREFIX/drive_c. A path without a drive is on drive C:. Existing files
// and folders are found whatever the letter case of their names, as Windows
// and Wine do; parts that do not exist yet keep the case in which they are
// written.
namespace winpath {

// Whether the path is a Windows path: it starts with a drive letter and a
// colon ("Z:\tmp", "c:"), or with a single backslash (a folder at the root of
// the current drive).
bool isWindowsPath(const QString &path);

// The local path for a Windows path. A path that is not a Windows path
// (no drive letter and no leading backslash) is returned unchanged.
QString toLocal(const QString &windowsPath);

// The Windows path by which a Windows program under Wine reaches the local
// path: below a drive's folder (dosdevices link, or drive_c for C:) it is on
// that drive, the deepest drive winning ("C:\VTEMP\SOLUC.DBF"); anything
// else is on Z:, the root. Messages name files this way, as the timetabling
// program and its users do. On Windows the path as written.
QString toWindows(const QString &localPath);

// The local path of the file `name` in the Windows folder `folder`
// ("C:\VTEMP" + "ASIGNOMT.DBF").
QString fileInFolder(const QString &windowsFolder, const QString &name);

// Whether a file exists at the (Windows or local) path; a link counts by its target.
bool fileExists(const QString &path);

// Deletes the file at the (Windows or local) path; true when it is gone.
bool deleteFile(const QString &path);

// Creates the folder and its parents when missing (used before a table is created).
void ensureFolder(const QString &localFolder);

// The timetabling program's working folder as one run reaches it. A run
// names its tables and files as that program does ("C:\VTEMP\ASIGNOMT.DBF",
// "\vtemp", "\VTEMP", in any letter case); this says where those names lead:
// where drive C: puts them, or another local folder (the staging folder a run
// writes into, a folder named on the command line). Every other path is
// mapped as the free functions above map it. A value: two runs on two folders
// each carry their own.
class WorkingFolder {
public:
    // "C:\VTEMP" where drive C: puts it.
    WorkingFolder() = default;
    // The working folder's names lead to `localFolder` instead.
    explicit WorkingFolder(const QString &localFolder);

    // Whether the names lead somewhere other than drive C:'s "VTEMP".
    bool isMoved() const { return !m_moved.isEmpty(); }
    // The local path of "C:\VTEMP".
    QString local() const;

    // As the free functions of the same names, with the working folder's
    // names leading here.
    QString toLocal(const QString &windowsPath) const;
    QString fileInFolder(const QString &windowsFolder, const QString &name) const;
    bool fileExists(const QString &path) const;
    bool deleteFile(const QString &path) const;

private:
    QString m_moved; // empty where drive C: puts it
};

} // namespace winpath
