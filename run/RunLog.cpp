#include "run/RunLog.h"

#include "run/RunSummary.h"
#include "run/WorkingFolder.h"
#include "platform/WinPath.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

QString runLogPath()
{
    return winpath::fileInFolder(working_folder::path, QStringLiteral("TransTarquoIB.log"));
}

QString appendToRunLog(const RunSummary &summary, const QDateTime &when)
{
    const QString path = runLogPath();
    // Windows line ends: the log is read with the tools of the timetabling program's system.
    const QString eol = QStringLiteral("\r\n");
    QString entry = when.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")) + QStringLiteral("  ") + summary.title() + eol;
    for (const QString &line : summary.details())
        entry += QStringLiteral("  ") + line + eol;
    entry += eol;
    const QByteArray bytes = entry.toUtf8();

    winpath::ensureFolder(QFileInfo(path).path());
    QFile log(path);
    if (!log.open(QIODevice::WriteOnly | QIODevice::Append))
        return QCoreApplication::translate("RunLog", "No se puede abrir %1: %2").arg(path, log.errorString());
    if (log.write(bytes) != bytes.size() || !log.flush())
        return QCoreApplication::translate("RunLog", "No se puede escribir en %1: %2").arg(path, log.errorString());
    return {};
}
