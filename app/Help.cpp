#include "app/Help.h"

#include "run/UserInteraction.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

QString findHelpFile()
{
    for (const QString &folder : {QCoreApplication::applicationDirPath(), QDir::currentPath()}) {
        const QFileInfo file(QDir(folder).filePath(helpFileName));
        if (file.isFile())
            return file.absoluteFilePath();
    }
    return {};
}

void showHelp(UserInteraction &ui)
{
    const QString file = findHelpFile();
    if (file.isEmpty()) {
        ui.showMessage(QStringLiteral("No se encuentra el archivo de ayuda %1").arg(helpFileName));
        return;
    }
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(file)))
        ui.showMessage(QStringLiteral("No hay ningún visor para el archivo de ayuda %1")
                           .arg(QDir::toNativeSeparators(file)));
}
