#pragma once

#include <QString>

// The timetabling program's working folder, by the names the converter's
// parts have always given it. They all reach the same folder (the path layer
// maps each of them there), but each part keeps its own spelling, since a
// table component's folder shows in its messages.
namespace working_folder {

// The folder the steps create their tables in, and where the converter's
// own files (the kept level answers, the run log) live.
inline const QString path = QStringLiteral("C:\\VTEMP");
// The main window's table components: VTEMP at the root of the current drive.
inline const QString components = QStringLiteral("\\vtemp");
// The level dialog's CURSOST component reaches it the same way, in capitals.
inline const QString dialogCourses = QStringLiteral("\\VTEMP");
// Where the file dialog opens, GestIB's exports being saved there.
inline const QString gestibExports = QStringLiteral("c:\\vtemp\\saga");

} // namespace working_folder
