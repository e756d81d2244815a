#pragma once

#include "run/InterfaceLanguage.h"

#include <QString>
#include <QUrl>

class UserInteraction;

// The application's help file, a bare name without folder.
inline const QString helpFileName = QStringLiteral("GestIB.chm");

// Our own user manual's first page, relative to the folder of the installed
// program (bin/): it goes with the program's data, where no packaging rule
// that leaves out documentation can drop it.
inline const QString installedManualPage = QStringLiteral("../share/transtarquoib/manual/index.html");
// The manual in another language than Spanish, in a folder of the language's code.
inline const QString installedTranslatedManualPage = QStringLiteral("../share/transtarquoib/manual/%1/index.html");

// The manual's section on the level and course dialog.
inline const QString cursosHelpSection = QStringLiteral("cursos");

// The help to open: the help file beside the program, else in the working
// folder, else our installed manual in the interface's language, else the
// Spanish one; empty when there is none of them.
QString findHelp(const QString &programFolder, const QString &workingFolder,
                 InterfaceLanguage language = currentInterfaceLanguage());

// Where to open the help file found: our HTML manual at the given section,
// through the section's own page beside it where there is one; compiled HTML
// help has no portable way to open a given topic, so it opens at its start.
QUrl helpUrl(const QString &file, const QString &section);

// Opens the help found for this process, at `section` where the help allows
// it, with the system's viewer for it. When there is no help or no viewer,
// the user is told so; of a viewer that fails, once it has failed.
void showHelp(UserInteraction &ui, const QString &section = {});
