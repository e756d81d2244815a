#pragma once

#include "platform/WinPath.h"

class UserInteraction;
namespace dbf {
class Table;
}

namespace centre_import {

// Step 6 of the centre import: re-creates ASIGT and, when the user answers OK
// to the question, proposes one line per group of GRUPOST (wwTableGrupos) and
// subject of ASIGNOMT (wwTableNomAsg) of the group's course, with the
// subject's hours read under the user's regional settings (the default
// QLocale) and their weekly session pattern. PROFT and AULAT are only opened.
// True when the user answered OK and the lines were proposed.
bool CrearLineasAsignaturas(dbf::Table &wwTableGrupos, dbf::Table &wwTableProfesor, dbf::Table &wwTableAulas,
                            dbf::Table &wwTableNomAsg, UserInteraction &ui, const winpath::WorkingFolder &folder);

} // namespace centre_import
