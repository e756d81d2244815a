#pragma once

#include "run/WorkingFolder.h"
#include "platform/Dbf.h"
#include "platform/FieldDef.h"

#include <QString>

#include <memory>
#include <vector>

namespace centre_import {

// How every step re-creates a table it writes, in the working folder the run
// gives it (`folder`): delete C:\VTEMP\<name>.DBF and C:\VTEMP\<name>.MDX where they exist (the outcome is not examined), make the
// step's own table object over "C:\VTEMP" and "<name>.DBF", define the fields
// (and index) in their order, and create the table. The object comes back
// closed; the step opens, fills and closes it, and discards it.
std::unique_ptr<dbf::Table> recreateTable(const winpath::WorkingFolder &folder, const QString &name, const std::vector<dbf::FieldDef> &fields,
                                          const std::vector<dbf::IndexDef> &indexes = {});

} // namespace centre_import
