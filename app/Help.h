#pragma once

#include <QString>

class UserInteraction;

// The application's help file, a bare name without folder.
inline const QString helpFileName = QStringLiteral("GestIB.chm");

// The help file beside the executable, else in the working directory;
// empty when it is in neither.
QString findHelpFile();

// Opens the help file with the system's viewer for it. Compiled HTML help has
// no portable way to open a given topic, so the file opens at its start. When
// there is no such file or no viewer, the user is told so.
void showHelp(UserInteraction &ui);
