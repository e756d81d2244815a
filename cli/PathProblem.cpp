#include "cli/PathProblem.h"

#include "platform/SystemReason.h"

#include <QCoreApplication>
#include <QFile>

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

int pathError(const QString &localPath, PathKind kind)
{
    const QByteArray path = QFile::encodeName(localPath);
    struct stat status {};
    if (path.isEmpty())
        return ENOENT;
    if (::stat(path.constData(), &status) != 0)
        return errno;
    const bool isFolder = S_ISDIR(status.st_mode);
    if (kind == PathKind::File && isFolder)
        return EISDIR;
    if (kind == PathKind::Folder && !isFolder)
        return ENOTDIR;
    if (kind == PathKind::File && ::access(path.constData(), R_OK) != 0)
        return errno;
    return 0;
}

QString pathErrorText(int error)
{
    switch (error) {
    case ENOENT: return QCoreApplication::translate("PathProblem", "no existe");
    case ENAMETOOLONG: return QCoreApplication::translate("PathProblem", "la ruta es demasiado larga para el sistema");
    case EISDIR: return QCoreApplication::translate("PathProblem", "es una carpeta, no un archivo");
    case ENOTDIR:
        return QCoreApplication::translate("PathProblem", "no es una carpeta, o una parte de la ruta no lo es");
    case EACCES:
    case EPERM: return QCoreApplication::translate("PathProblem", "no hay permiso de acceso o de lectura");
    case ELOOP: return QCoreApplication::translate("PathProblem", "la ruta tiene demasiados enlaces simbólicos");
    default: return systemReason(error);
    }
}

QString unusableFileText(const QString &localPath)
{
    const int error = pathError(localPath, PathKind::File);
    if (error == ENOENT || error == 0)
        return QCoreApplication::translate("PathProblem", "No existe archivo: %1").arg(localPath);
    return QCoreApplication::translate("PathProblem", "No se puede usar el archivo %1: %2")
        .arg(localPath, pathErrorText(error));
}
