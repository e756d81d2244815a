#include "import/RecreateTable.h"

#include "platform/DbfError.h"
#include "platform/DbfFile.h"
#include "platform/WinPath.h"

namespace centre_import {

namespace {
// Deletes the file where it exists, holding `lock` on it meanwhile. Only a
// file held by another program stops the run; the outcome of the deletion
// itself is not examined, and a file that cannot be opened is left to the
// create that follows.
void deleteUnlessHeld(const winpath::WorkingFolder &folder, const QString &windowsPath, dbf::DbfFile &lock)
{
    if (!folder.fileExists(windowsPath))
        return;
    try {
        lock.open(folder.toLocal(windowsPath), dbf::DbfFile::Lock::Exclusive);
    } catch (const dbf::TableInUseError &) {
        throw;
    } catch (const dbf::DbfError &) {
    }
    folder.deleteFile(windowsPath);
}
} // namespace

std::unique_ptr<dbf::Table> recreateTable(const winpath::WorkingFolder &folder, const QString &name, const std::vector<dbf::FieldDef> &fields,
                                          const std::vector<dbf::IndexDef> &indexes)
{
    const QString base = working_folder::path + QLatin1Char('\\') + name;
    {
        // A file another program holds is never deleted: each is locked
        // exclusively first, which fails while another program holds it, and
        // stays locked until it is gone.
        dbf::DbfFile oldTable, oldIndex;
        deleteUnlessHeld(folder, base + QStringLiteral(".DBF"), oldTable);
        deleteUnlessHeld(folder, base + QStringLiteral(".MDX"), oldIndex);
    }

    auto table = std::make_unique<dbf::Table>();
    table->setFolder(working_folder::path);
    table->setWorkingFolder(folder);
    table->setTableName(name + QStringLiteral(".DBF"));
    table->fieldDefs() = fields;
    table->indexDefs() = indexes;
    table->createTable();
    return table;
}

} // namespace centre_import
