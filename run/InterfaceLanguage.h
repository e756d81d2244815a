#pragma once

#include <QLocale>
#include <QString>

// The languages the interface speaks. Spanish is the language of the source
// texts, so it needs no catalogue and is what every other language falls back to.
enum class InterfaceLanguage { Spanish, Catalan };

// The interface's language for a locale: the first of Catalan or Spanish among
// its languages in the user's order of preference (for the system's locale,
// LANGUAGE, then LC_ALL, LC_MESSAGES and LANG), Spanish when neither is there.
InterfaceLanguage interfaceLanguage(const QLocale &locale = QLocale::system());

// The language's two-letter code, as translation files and manual folders are named.
QString languageCode(InterfaceLanguage language);

// The language the interface was last set to (Spanish until then).
InterfaceLanguage currentInterfaceLanguage();

// Sets the language of this process's texts: loads our catalogue for it (none
// for Spanish), replacing the one loaded before. Returns false, leaving the
// texts in Spanish, when the catalogue cannot be loaded.
bool installInterfaceLanguage(InterfaceLanguage language);
