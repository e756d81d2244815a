#include "run/BackupManifest.h"

#include <QCoreApplication>
#include <QStringList>

const QString BackupManifest::fileName = QStringLiteral("TransTarquoIB-tablas.txt");

namespace {
const QString dateFormat = QStringLiteral("yyyy-MM-dd HH:mm:ss");
}

QByteArray BackupManifest::toText() const
{
    // INI form with Windows line ends, to be read by a person on either system.
    QString text = QStringLiteral("[Importacion]\r\n");
    text += QStringLiteral("documento=%1\r\n").arg(document);
    text += QStringLiteral("centro=%1\r\n").arg(codi);
    text += QStringLiteral("curso=%1\r\n").arg(any);
    text += QStringLiteral("fecha=%1\r\n").arg(written.toString(dateFormat));
    text += QStringLiteral("[Filas]\r\n");
    for (const auto &[table, count] : rows)
        text += QStringLiteral("%1=%2\r\n").arg(table).arg(count);
    return text.toUtf8();
}

BackupManifest BackupManifest::fromText(const QByteArray &text)
{
    BackupManifest manifest;
    bool inRows = false;
    for (QString line : QString::fromUtf8(text).split(u'\n')) {
        line = line.trimmed();
        if (line.startsWith(u'[')) {
            inRows = line == QLatin1String("[Filas]");
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (equals < 0)
            continue;
        const QString key = line.left(equals);
        const QString value = line.mid(equals + 1);
        if (inRows)
            manifest.rows.append({key, value.toInt()});
        else if (key == QLatin1String("documento"))
            manifest.document = value;
        else if (key == QLatin1String("centro"))
            manifest.codi = value;
        else if (key == QLatin1String("curso"))
            manifest.any = value;
        else if (key == QLatin1String("fecha"))
            manifest.written = QDateTime::fromString(value, dateFormat);
    }
    return manifest;
}

QString BackupManifest::centre() const
{
    if (codi.isEmpty() && any.isEmpty())
        return QCoreApplication::translate("BackupManifest", "centro desconocido");
    return QStringList{codi, any}.join(u' ').trimmed();
}

int BackupManifest::totalRows() const
{
    int total = 0;
    for (const auto &entry : rows)
        total += qMax(entry.second, 0);
    return total;
}

int BackupManifest::rowsOf(const QString &table) const
{
    for (const auto &[name, count] : rows)
        if (name == table)
            return count;
    return -1;
}
