#include "platform/WholeFile.h"

#include <QSaveFile>

std::optional<QString> writeWholeFile(const QString &path, const QByteArray &bytes)
{
    // commit() misses a failure of its own final flush (a full disk or a file
    // size limit gives a short write), so the data is flushed and checked first.
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush() && file.commit())
        return std::nullopt;
    const QString reason = file.errorString();
    return reason.isEmpty() ? QStringLiteral("escritura incompleta") : reason;
}
