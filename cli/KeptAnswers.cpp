#include "cli/KeptAnswers.h"

#include "run/WorkingFolder.h"
#include "platform/Dbf.h"
#include "platform/WinPath.h"

QHash<QString, LevelAnswer> readKeptAnswers(const winpath::WorkingFolder &workingFolder,
                                            QList<centre_import::KeptLevel> *levels)
{
    const QString name = QStringLiteral("CURSOST2.DBF");
    QHash<QString, LevelAnswer> kept;
    if (!winpath::fileExists(workingFolder.fileInFolder(working_folder::path, name)))
        return kept;
    // Opened shared, as the dialog opens it: the table is only read.
    dbf::Table table({}, working_folder::path, name, false, workingFolder);
    table.open();
    for (table.first(); !table.eof(); table.next()) {
        const QString codi = table.asString(QStringLiteral("CODI"));
        if (levels)
            *levels << centre_import::KeptLevel{table.asString(QStringLiteral("DESCRIPCIO")),
                                                table.asString(QStringLiteral("NIVEL"))};
        if (!kept.contains(codi))
            kept.insert(codi, {table.asString(QStringLiteral("NIVEL")), table.asString(QStringLiteral("CURSO"))});
    }
    table.close();
    return kept;
}
