// The table reader on arbitrary files: every field of every record is read
// in every way a caller may read it. A damaged file may raise DbfError, never
// anything worse.
#include "platform/Dbf.h"
#include "platform/DbfError.h"
#include "platform/FieldDef.h"
#include "tests/fuzz/FuzzWorkspace.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzWorkspace &workspace = FuzzWorkspace::instance();
    FuzzWorkspace::write(workspace.vtemp() + QStringLiteral("/FUZZ.DBF"), data, size);
    try {
        dbf::Table table({}, QStringLiteral("C:\\VTEMP"), QStringLiteral("FUZZ"), false);
        table.open();
        for (table.first(); !table.eof(); table.next()) {
            for (const dbf::FieldDef &field : table.fields()) {
                (void)table.asString(field.name);
                try {
                    (void)table.asInteger(field.name);
                    (void)table.asFloat(field.name);
                    (void)table.asBoolean(field.name);
                } catch (const dbf::DbfError &) {
                    // a value that is no number or logical: the next field is read all the same
                }
            }
        }
        (void)table.locate(table.fields().front().name, QStringLiteral("X"));
    } catch (const dbf::DbfError &) {
    }
    return 0;
}
