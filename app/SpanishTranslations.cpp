#include "app/SpanishTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

bool installSpanishTranslations()
{
    // Lives as long as the process: the application keeps only a pointer.
    static QTranslator qtbase;
    if (!qtbase.load(QStringLiteral("qtbase_es"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return false;
    return QCoreApplication::installTranslator(&qtbase);
}
