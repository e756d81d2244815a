#include "cli/Command.h"

#include "cli/UsageError.h"
#include "platform/WinPath.h"

#include <QCoreApplication>

CommandReport Command::newReport() const
{
    CommandReport report;
    report.command = name();
    return report;
}

QString Command::centreDocument(const QStringList &arguments) const
{
    if (arguments.isEmpty())
        throw UsageError(QCoreApplication::translate("Command", "%1 necesita el archivo XML del centro").arg(name()));
    takeAtMost(arguments, 1);
    return winpath::toLocal(arguments.constFirst());
}

void Command::takeAtMost(const QStringList &arguments, qsizetype most)
{
    if (arguments.size() > most)
        throw UsageError(QCoreApplication::translate("Command", "sobra el argumento %1").arg(arguments.at(most)));
}

winpath::WorkingFolder CommandOptions::workingFolder() const
{
    return carpeta.isEmpty() ? winpath::WorkingFolder() : winpath::WorkingFolder(carpeta);
}
