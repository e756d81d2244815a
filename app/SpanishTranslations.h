#pragma once

#include "run/InterfaceLanguage.h"

// Qt's own texts (the buttons of message boxes, the file dialog) are loaded in
// the interface's language, so that no dialog mixes languages: Catalan for a
// Catalan interface, otherwise Spanish whatever the user's locale; the texts
// the system's catalogue lacks come from one built into the program. Replaces
// the ones loaded before. Returns whether the system's Qt translations were
// found; without them those texts stay in English and the program works all
// the same.
bool installQtTranslations(InterfaceLanguage language);

// The same for the Spanish interface.
bool installSpanishTranslations();
