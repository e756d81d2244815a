#pragma once

#include "platform/FieldDef.h"

#include <vector>

namespace centre_import {

// The layouts of the working tables the centre import writes, field by field
// in their order. The steps create the tables with them; whatever writes such
// a table for a test writes the same one, so a changed width or type reaches
// both at once.

// ASIGNOMT: subjects and activities.
const std::vector<dbf::FieldDef> &asignomtFields();
// PROFT: teachers.
const std::vector<dbf::FieldDef> &proftFields();
// AULAT: rooms.
const std::vector<dbf::FieldDef> &aulatFields();
// CURSOST: courses with the level and course number the user gives them.
// CURSOST2 has the same fields, so that it keeps CURSOST's values as they
// were stored.
const std::vector<dbf::FieldDef> &cursosFields();
// GRUPOST: groups.
const std::vector<dbf::FieldDef> &grupostFields();
// MATIB: subjects by level and course.
const std::vector<dbf::FieldDef> &matibFields();
// ASIGT: subject lines.
const std::vector<dbf::FieldDef> &asigtFields();
// DIASHORAST: days and periods, which the timetabling program fills in.
const std::vector<dbf::FieldDef> &diashorastFields();

} // namespace centre_import
