#pragma once

// The whole interface is Spanish, so Qt's own texts (the buttons of message
// boxes, the file dialog) are loaded in Spanish too, whatever the user's
// locale. Returns whether Qt's Spanish translations were found; without them
// those texts stay in English and the program works all the same.
bool installSpanishTranslations();
