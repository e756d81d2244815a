#include "app/SpanishTranslations.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QTranslator>

bool installQtTranslations(InterfaceLanguage language)
{
    // Live as long as the process: the application keeps only pointers.
    static QTranslator supplement;
    static QTranslator qtbase;
    QCoreApplication::removeTranslator(&supplement);
    QCoreApplication::removeTranslator(&qtbase);
    // The system's Spanish catalogue was written for Qt 5 and lacks texts Qt 6
    // moved, such as the file dialog's "Folder"; ours fills them in. Installed
    // first, so that the system's catalogue wins wherever it has a text.
    const QString ours = QStringLiteral(":/translations/qtbase_supplement_%1.qm").arg(languageCode(language));
    if (QFile::exists(ours) && supplement.load(ours))
        QCoreApplication::installTranslator(&supplement);
    if (!qtbase.load(QStringLiteral("qtbase_") + languageCode(language),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return false;
    return QCoreApplication::installTranslator(&qtbase);
}

bool installSpanishTranslations() { return installQtTranslations(InterfaceLanguage::Spanish); }
