#pragma once

class UserInteraction;
struct MainFormState;

// Step 6 of the centre import: re-creates ASIGT and, when the user answers OK
// to the question, proposes one line per group and subject of the group's
// course, with the subject's hours read under the user's regional settings
// (the default QLocale) and their weekly session pattern. True when the user
// answered OK and the lines were proposed.
bool CrearLineasAsignaturas(MainFormState &form, UserInteraction &ui);
