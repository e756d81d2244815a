#include "app/SystemViewer.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QPointer>
#include <QProcess>
#include <QStandardPaths>

#include <utility>

namespace {
const QString fileScheme = QStringLiteral("file");
QPointer<SystemViewer> installed;

// What to do should the address being opened find no program. QDesktopServices
// calls its handler directly, with no room for more than the address, so the
// caller leaves it here just before; a handler of a test's own takes none.
struct Pending {
    QPointer<QObject> context;
    std::function<void()> noProgram;
};
Pending pending;
} // namespace

SystemViewer::SystemViewer(QObject *parent)
    : QObject(parent)
{
}

void SystemViewer::install()
{
    if (installed || QStandardPaths::findExecutable(QStringLiteral("xdg-open")).isEmpty())
        return;
    installed = new SystemViewer(QCoreApplication::instance());
    QDesktopServices::setUrlHandler(fileScheme, installed, "openUrl");
}

void SystemViewer::uninstall()
{
    if (!installed)
        return;
    QDesktopServices::unsetUrlHandler(fileScheme);
    delete installed;
}

void SystemViewer::open(const QUrl &url, QObject *context, std::function<void()> noProgram)
{
    pending = {context, std::move(noProgram)};
    const bool handedOn = QDesktopServices::openUrl(url);
    Pending left = std::exchange(pending, {});
    if (!handedOn && left.context && left.noProgram)
        left.noProgram();
}

void SystemViewer::openUrl(const QUrl &url)
{
    Pending waiting = std::exchange(pending, {});
    auto *xdgOpen = new QProcess(this);
    // Its complaints still reach standard error, for whoever reads it.
    xdgOpen->setProcessChannelMode(QProcess::ForwardedChannels);
    const auto failed = [waiting] {
        if (waiting.context && waiting.noProgram)
            waiting.noProgram();
    };
    connect(xdgOpen, &QProcess::errorOccurred, this, [xdgOpen, failed](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart)
            return;
        failed();
        xdgOpen->deleteLater();
    });
    // xdg-open answers 0 once a program has the file, and more than 0 when it
    // found none or the one it found failed.
    connect(xdgOpen, &QProcess::finished, this, [xdgOpen, failed](int exitCode, QProcess::ExitStatus status) {
        if (status != QProcess::NormalExit || exitCode != 0)
            failed();
        xdgOpen->deleteLater();
    });
    xdgOpen->start(QStandardPaths::findExecutable(QStringLiteral("xdg-open")), {url.toString(QUrl::FullyEncoded)});
}
