#include "import/ImportFigures.h"

#include "import/ImportSummary.h"
#include "import/ImportedTables.h"
#include "import/CourseLevels.h"
#include "import/RecreateTable.h"
#include "platform/Dbf.h"
#include "platform/DbfError.h"
#include "platform/WinPath.h"

namespace centre_import {

namespace {

QList<CourseLevel> readCourseLevels(dbf::Table &cursos)
{
    QList<CourseLevel> courses;
    for (cursos.first(); !cursos.eof(); cursos.next())
        courses << CourseLevel{{cursos.asString(QStringLiteral("CODI")), cursos.asString(QStringLiteral("DESCRIPCIO"))},
                               cursos.asString(QStringLiteral("NIVEL")),
                               cursos.asString(QStringLiteral("CURSO"))};
    return courses;
}

} // namespace

void readBackImportFigures(ImportSummary &summary, const winpath::WorkingFolder &folder)
{
    for (const QString &name : importedTables()) {
        const QString file = name + QStringLiteral(".DBF");
        // A missing table holds no rows: CURSOST2 is only made by a confirmed dialog.
        if (!winpath::fileExists(folder.fileInFolder(working_folder::path, file))) {
            summary.tableRows.append({name, 0});
            continue;
        }
        dbf::Table table;
        table.setFolder(working_folder::path);
        table.setWorkingFolder(folder);
        table.setTableName(file);
        table.setExclusive(false);
        try {
            table.open();
            const int rows = table.recordCount();
            if (name == QStringLiteral("CURSOST")) {
                const QList<CourseLevel> courses = readCourseLevels(table);
                summary.coursesWithoutLevel = coursesWithoutLevel(courses);
                summary.levelCollisions = levelCollisions(courses);
            }
            table.close();
            summary.tableRows.append({name, rows});
        } catch (const dbf::DbfError &) {
            summary.tableRows.append({name, -1});
        }
    }
}

} // namespace centre_import
