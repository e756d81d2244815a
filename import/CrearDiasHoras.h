#pragma once

#include "platform/WinPath.h"

namespace centre_import {

// Step 7 of the centre import: re-creates DIASHORAST empty and closed; the
// timetabling program fills in the days and periods itself.
void CrearDiasHoras(const winpath::WorkingFolder &folder);

} // namespace centre_import
