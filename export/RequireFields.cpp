#include "export/RequireFields.h"

#include "platform/Dbf.h"

namespace timetable_export {

void requireFields(const dbf::Table &table, const QStringList &fields)
{
    // Reading a field is what raises the layer's error, with the component's
    // name in front; on an empty table a present field just reads empty text.
    for (const QString &field : fields)
        table.asString(field);
}

} // namespace timetable_export
