#include "app/Help.h"

#include "app/SystemViewer.h"
#include "run/UserInteraction.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QString findHelp(const QString &programFolder, const QString &workingFolder, InterfaceLanguage language)
{
    const QString translatedManual = language == InterfaceLanguage::Spanish
        ? QString()
        : QDir(programFolder).filePath(installedTranslatedManualPage.arg(languageCode(language)));
    const QString candidates[]
        = {QDir(programFolder).filePath(helpFileName), QDir(workingFolder).filePath(helpFileName), translatedManual,
           QDir(programFolder).filePath(installedManualPage)};
    for (const QString &candidate : candidates) {
        if (candidate.isEmpty())
            continue;
        const QFileInfo file(candidate);
        if (file.isFile())
            return QDir::cleanPath(file.absoluteFilePath());
    }
    return {};
}

QUrl helpUrl(const QString &file, const QString &section)
{
    const QFileInfo help(file);
    if (section.isEmpty() || help.suffix().compare(QStringLiteral("html"), Qt::CaseInsensitive) != 0)
        return QUrl::fromLocalFile(file);
    // Some browsers drop the fragment of a file address; the section's own
    // page beside the manual leads there without one.
    const QFileInfo sectionPage(help.dir().filePath(section + QStringLiteral(".html")));
    if (sectionPage.isFile())
        return QUrl::fromLocalFile(sectionPage.absoluteFilePath());
    QUrl url = QUrl::fromLocalFile(file);
    url.setFragment(section);
    return url;
}

void showHelp(UserInteraction &ui, const QString &section)
{
    const QString file = findHelp(QCoreApplication::applicationDirPath(), QDir::currentPath());
    if (file.isEmpty()) {
        ui.showMessage(QCoreApplication::translate("Help", "No se encuentra el archivo de ayuda %1").arg(helpFileName));
        return;
    }
    SystemViewer::open(helpUrl(file, section), QCoreApplication::instance(), [&ui, file] {
        ui.showMessage(QCoreApplication::translate("Help", "No hay ningún visor para el archivo de ayuda %1")
                           .arg(QDir::toNativeSeparators(file)));
    });
}
