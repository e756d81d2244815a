#pragma once

#include <QString>

// Why a path given on the command line cannot be used, found before the run
// so that the message names the path and the real cause: a path too long for
// the system is not a missing file.
enum class PathKind { File, Folder };

// 0 when the path leads to an existing file or folder of the kind wanted;
// otherwise the system's error number (ENOENT, ENAMETOOLONG, EACCES...), or
// EISDIR for a folder where a file is wanted and ENOTDIR for a file where a
// folder is wanted.
int pathError(const QString &localPath, PathKind kind);

// The cause in Spanish words of our own, whatever the machine's language;
// an error we have no words for in the system's.
QString pathErrorText(int error);

// What the command says of the file it was given when it cannot use it:
// "No existe archivo: <path>" when there is none, as the window says it, and
// otherwise the path and the cause.
QString unusableFileText(const QString &localPath);
