#include "import/RecreateTable.h"

#include "platform/WinPath.h"

std::unique_ptr<dbf::Table> recreateTable(const QString &name, const std::vector<dbf::FieldDef> &fields,
                                          const std::vector<dbf::IndexDef> &indexes)
{
    const QString base = workingFolder + QLatin1Char('\\') + name;
    if (winpath::fileExists(base + QStringLiteral(".DBF")))
        winpath::deleteFile(base + QStringLiteral(".DBF"));
    if (winpath::fileExists(base + QStringLiteral(".MDX")))
        winpath::deleteFile(base + QStringLiteral(".MDX"));

    auto table = std::make_unique<dbf::Table>();
    table->setFolder(workingFolder);
    table->setTableName(name + QStringLiteral(".DBF"));
    table->fieldDefs() = fields;
    table->indexDefs() = indexes;
    table->createTable();
    return table;
}
