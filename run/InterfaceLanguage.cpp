#include "run/InterfaceLanguage.h"

#include <QCoreApplication>
#include <QTranslator>

namespace {
InterfaceLanguage current = InterfaceLanguage::Spanish;

// Lives as long as the process: the application keeps only a pointer.
QTranslator &catalogue()
{
    static QTranslator translator;
    return translator;
}
} // namespace

InterfaceLanguage interfaceLanguage(const QLocale &locale)
{
    for (const QString &name : locale.uiLanguages()) {
        const QLocale::Language language = QLocale(name).language();
        if (language == QLocale::Catalan)
            return InterfaceLanguage::Catalan;
        if (language == QLocale::Spanish)
            return InterfaceLanguage::Spanish;
    }
    return InterfaceLanguage::Spanish;
}

QString languageCode(InterfaceLanguage language)
{
    return language == InterfaceLanguage::Catalan ? QStringLiteral("ca") : QStringLiteral("es");
}

InterfaceLanguage currentInterfaceLanguage() { return current; }

bool installInterfaceLanguage(InterfaceLanguage language)
{
    QCoreApplication::removeTranslator(&catalogue());
    current = InterfaceLanguage::Spanish;
    if (language == InterfaceLanguage::Spanish)
        return true;
    // The catalogue is built into the program, so no installed file can be missing or stale.
    if (!catalogue().load(QStringLiteral(":/translations/transtarquoib_%1.qm").arg(languageCode(language)))
        || !QCoreApplication::installTranslator(&catalogue()))
        return false;
    current = language;
    return true;
}
