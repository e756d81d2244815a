#include "tests/support/WineLockProbe.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include <stdexcept>

namespace {

// A warm prefix answers in well under a second; this only bounds a hung Wine.
constexpr int kProbeTimeoutMs = 60000;

QString probeProgram() { return qEnvironmentVariable("TRANSTARQUOIB_LOCK_PROBE"); }
QString probePrefix() { return qEnvironmentVariable("TRANSTARQUOIB_PROBE_WINEPREFIX"); }

QString wineProgram()
{
    const QString named = qEnvironmentVariable("TRANSTARQUOIB_WINE");
    if (!named.isEmpty())
        return named;
    const QString onPath = QStandardPaths::findExecutable(QStringLiteral("wine64"));
    if (!onPath.isEmpty())
        return onPath;
    const QString debian = QStringLiteral("/usr/lib/wine/wine64");
    return QFileInfo(debian).isExecutable() ? debian : QString();
}

// The Windows name of a local file under Wine: drive Z: is the Linux root.
QString windowsName(const QString &localPath)
{
    return QStringLiteral("Z:") + QFileInfo(localPath).absoluteFilePath().replace(QLatin1Char('/'), QLatin1Char('\\'));
}

} // namespace

QString wineLockProbeMissing()
{
    QStringList missing;
    if (probeProgram().isEmpty() || !QFileInfo::exists(probeProgram()))
        missing << QStringLiteral("TRANSTARQUOIB_LOCK_PROBE (the cross-compiled tests/wine/lockprobe.exe)");
    // A folder is a prefix once Wine has put its Windows folder there.
    if (probePrefix().isEmpty() || !QFileInfo(probePrefix() + QStringLiteral("/drive_c/windows")).isDir())
        missing << QStringLiteral("TRANSTARQUOIB_PROBE_WINEPREFIX (a Wine prefix set up by wineboot)");
    if (wineProgram().isEmpty())
        missing << QStringLiteral("wine64");
    if (missing.isEmpty())
        return {};
    return QStringLiteral("the Windows lock probe needs %1; scripts/wine-check provides them")
        .arg(missing.join(QStringLiteral(", ")));
}

std::optional<bool> windowsProgramCanLock(const QString &localPath)
{
    if (!wineLockProbeMissing().isEmpty())
        return std::nullopt;

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("WINEPREFIX"), probePrefix());
    environment.insert(QStringLiteral("WINEDEBUG"), QStringLiteral("-all"));
    environment.insert(QStringLiteral("WINEDLLOVERRIDES"), QStringLiteral("mscoree,mshtml="));
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));

    QProcess probe;
    probe.setProcessEnvironment(environment);
    probe.setProcessChannelMode(QProcess::MergedChannels);
    probe.start(wineProgram(), {probeProgram(), windowsName(localPath)});
    const bool finished = probe.waitForFinished(kProbeTimeoutMs);
    if (!finished && probe.state() != QProcess::NotRunning) {
        probe.kill();
        probe.waitForFinished();
    }
    if (finished && probe.exitStatus() == QProcess::NormalExit && (probe.exitCode() == 0 || probe.exitCode() == 1))
        return probe.exitCode() == 0;
    const std::string why = finished && probe.exitStatus() == QProcess::NormalExit
        ? "status " + std::to_string(probe.exitCode())
        : probe.errorString().toStdString();
    throw std::runtime_error("the Windows lock probe on " + localPath.toStdString() + " did not answer (" + why
                             + "): " + probe.readAll().toStdString());
}
