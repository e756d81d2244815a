#include "cli/WorkingTables.h"

#include "platform/Dbf.h"
#include "platform/WinPath.h"

namespace {
const QString workingFolder = QStringLiteral("C:\\VTEMP");
}

QStringList importTables()
{
    return {QStringLiteral("ASIGNOMT"), QStringLiteral("PROFT"),  QStringLiteral("AULAT"),
            QStringLiteral("CURSOST"),  QStringLiteral("GRUPOST"), QStringLiteral("MATIB"),
            QStringLiteral("ASIGT"),    QStringLiteral("DIASHORAST")};
}

std::optional<int> countRecords(const QString &name)
{
    const QString file = name + QStringLiteral(".DBF");
    if (!winpath::fileExists(winpath::fileInFolder(workingFolder, file)))
        return std::nullopt;
    dbf::Table table(QString(), workingFolder, file, false);
    table.open();
    return table.recordCount();
}

QSet<QString> fieldValues(dbf::Table &table, const QString &field)
{
    QSet<QString> values;
    for (table.first(); !table.eof(); table.next())
        values.insert(table.asString(field));
    return values;
}
