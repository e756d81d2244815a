#include "platform/SystemReason.h"

#include <cerrno>
#include <cstring>

#include <QCoreApplication>

QString systemReason(int error)
{
    switch (error) {
    case ENOENT:
        return QCoreApplication::translate("SystemReason", "no existe el archivo o la carpeta");
    case EACCES:
    case EPERM:
        return QCoreApplication::translate("SystemReason", "no hay permiso para acceder al archivo o a su carpeta");
    case EISDIR:
        return QCoreApplication::translate("SystemReason", "es una carpeta, no un archivo");
    case ENOTDIR:
        return QCoreApplication::translate("SystemReason", "una parte de la ruta no es una carpeta");
    case ENOSPC:
        return QCoreApplication::translate("SystemReason", "el disco está lleno");
    case EDQUOT:
        return QCoreApplication::translate("SystemReason",
                                           "se ha agotado el espacio de disco permitido a este usuario");
    case EFBIG:
        return QCoreApplication::translate("SystemReason", "el archivo supera el tamaño máximo permitido");
    case EROFS:
        return QCoreApplication::translate("SystemReason", "el disco es de solo lectura");
    case EBUSY:
    case ETXTBSY:
    case EAGAIN:
        return QCoreApplication::translate("SystemReason", "el archivo está en uso por otro programa");
    case ENAMETOOLONG:
        return QCoreApplication::translate("SystemReason", "la ruta del archivo es demasiado larga");
    case EIO:
        return QCoreApplication::translate("SystemReason", "error de lectura o escritura en el disco");
    case EMFILE:
    case ENFILE:
        return QCoreApplication::translate("SystemReason", "hay demasiados archivos abiertos");
    case ENOMEM:
        return QCoreApplication::translate("SystemReason", "falta memoria");
    case EEXIST:
        return QCoreApplication::translate("SystemReason", "ya existe un archivo con ese nombre");
    case ELOOP:
        return QCoreApplication::translate("SystemReason", "la ruta tiene demasiados enlaces simbólicos");
    case EINVAL:
        return QCoreApplication::translate("SystemReason", "el sistema no admite la operación sobre este archivo");
    default:
        break;
    }
    // The system's text is in whatever language its locale gives; ours comes first.
    return QCoreApplication::translate("SystemReason", "error del sistema %1 (%2)")
        .arg(error)
        .arg(QString::fromLocal8Bit(std::strerror(error)));
}
