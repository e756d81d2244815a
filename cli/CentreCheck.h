#pragma once

#include "cli/CommandReport.h"

#include <QString>

#include <vector>

namespace xml {
class Document;
}

// What comprobar finds in the tables a centre import has just written to the
// working folder.

// Every subject, teacher, room and group whose short code is not the code it
// would get on its own, in the order the import gave them. Each element of
// the centre document the import read is paired with the row the import wrote for it;
// the code it would get on its own comes from the same rule with nothing
// given before it.
std::vector<CommandReport::CodeChange> numberedShortCodes(const xml::Document &document);

// The codes of the sessions of the SOLUC table at `solucLocalPath` that the
// timetable export would not find: teachers (PROF) in PROFT, groups
// (CODGRUPO) in GRUPOST, rooms (AULA) in AULAT, subjects (ASIG) in ASIGNOMT.
// As in the export, a session without a day is left out, an activity's
// session (TAREA given) names only its teacher, and an empty code names nothing.
std::vector<CommandReport::AbsentCode> absentSessionCodes(const QString &solucLocalPath);
