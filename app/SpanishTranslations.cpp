#include "app/SpanishTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

bool installQtTranslations(InterfaceLanguage language)
{
    // Lives as long as the process: the application keeps only a pointer.
    static QTranslator qtbase;
    QCoreApplication::removeTranslator(&qtbase);
    if (!qtbase.load(QStringLiteral("qtbase_") + languageCode(language),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return false;
    return QCoreApplication::installTranslator(&qtbase);
}

bool installSpanishTranslations() { return installQtTranslations(InterfaceLanguage::Spanish); }
