#include "platform/SystemReason.h"

#include <cerrno>
#include <cstring>

QString systemReason(int error)
{
    switch (error) {
    case ENOENT:
        return QStringLiteral("no existe el archivo o la carpeta");
    case EACCES:
    case EPERM:
        return QStringLiteral("no hay permiso para acceder al archivo o a su carpeta");
    case EISDIR:
        return QStringLiteral("es una carpeta, no un archivo");
    case ENOTDIR:
        return QStringLiteral("una parte de la ruta no es una carpeta");
    case ENOSPC:
        return QStringLiteral("el disco está lleno");
    case EDQUOT:
        return QStringLiteral("se ha agotado el espacio de disco permitido a este usuario");
    case EFBIG:
        return QStringLiteral("el archivo supera el tamaño máximo permitido");
    case EROFS:
        return QStringLiteral("el disco es de solo lectura");
    case EBUSY:
    case ETXTBSY:
    case EAGAIN:
        return QStringLiteral("el archivo está en uso por otro programa");
    case ENAMETOOLONG:
        return QStringLiteral("la ruta del archivo es demasiado larga");
    case EIO:
        return QStringLiteral("error de lectura o escritura en el disco");
    case EMFILE:
    case ENFILE:
        return QStringLiteral("hay demasiados archivos abiertos");
    case ENOMEM:
        return QStringLiteral("falta memoria");
    case EEXIST:
        return QStringLiteral("ya existe un archivo con ese nombre");
    case ELOOP:
        return QStringLiteral("la ruta tiene demasiados enlaces simbólicos");
    case EINVAL:
        return QStringLiteral("el sistema no admite la operación sobre este archivo");
    default:
        break;
    }
    // The system's text is in whatever language its locale gives; ours comes first.
    return QStringLiteral("error del sistema %1 (%2)").arg(error).arg(QString::fromLocal8Bit(std::strerror(error)));
}
