#include "export/RequireCompleteTable.h"

#include "export/ExportError.h"
#include "platform/Dbf.h"
#include "platform/WinPath.h"

#include <QCoreApplication>

namespace timetable_export {

void requireCompleteTable(const dbf::Table &table)
{
    const dbf::Table::StoredRecords stored = table.storedRecords();
    if (stored.complete >= stored.counted)
        return;
    throw ExportError(
        QCoreApplication::translate("TimetableExport",
                                    "La tabla %1 está incompleta (registros según su cabecera: %2; registros "
                                    "completos en el archivo: %3). No se ha escrito nada.")
            .arg(winpath::toWindows(table.localPath()))
            .arg(stored.counted)
            .arg(stored.complete));
}

} // namespace timetable_export
