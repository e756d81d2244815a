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

// Puts the working folder "C:\VTEMP" (also named "\VTEMP", from the root of
// the current drive) at another local folder for the rest of the process, so
// that a run started from the command line can work on any folder while the
// runs keep naming their tables as the timetabling program does. An empty
// folder brings back the usual mapping.
void setWorkingFolder(const QString &localFolder);
// The folder set by setWorkingFolder, empty when the usual mapping holds.
QString movedWorkingFolder();

} // namespace winpath
