#include "run/RunLog.h"

#include "run/RunSummary.h"
#include "run/WorkingFolder.h"
#include "platform/SystemReason.h"
#include "platform/WinPath.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <cerrno>

#include <fcntl.h>
#include <unistd.h>

QString runLogPath(const winpath::WorkingFolder &workingFolder)
{
    return workingFolder.fileInFolder(working_folder::path, QStringLiteral("TransTarquoIB.log"));
}

QString appendToRunLog(const winpath::WorkingFolder &workingFolder, const RunSummary &summary, const QDateTime &when)
{
    const QString path = runLogPath(workingFolder);
    // Windows line ends: the log is read with the tools of the timetabling program's system.
    const QString eol = QStringLiteral("\r\n");
    QString entry = when.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")) + QStringLiteral("  ") + summary.title() + eol;
    for (const QString &line : summary.details())
        entry += QStringLiteral("  ") + line + eol;
    entry += eol;
    const QByteArray bytes = entry.toUtf8();

    winpath::ensureFolder(QFileInfo(path).path());
    // One write to a file opened for appending: the entry lands whole after
    // the others, even if another run appends at the same time.
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0)
        return QCoreApplication::translate("RunLog", "No se puede abrir %1: %2").arg(winpath::toWindows(path), systemReason(errno));
    const ssize_t written = ::write(fd, bytes.constData(), std::size_t(bytes.size()));
    const int error = written < 0 ? errno : ENOSPC; // a short write: the disk or the size limit ran out
    ::close(fd);
    if (written != bytes.size())
        return QCoreApplication::translate("RunLog", "No se puede escribir en %1: %2").arg(winpath::toWindows(path), systemReason(error));
    return {};
}
