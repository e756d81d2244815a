#include "import/ImportedTables.h"

#include "import/TableLayouts.h"

#include <QCoreApplication>

namespace centre_import {

const std::vector<ImportedTable> &importedTableSet()
{
    static const std::vector<ImportedTable> tables = {
        {QStringLiteral("ASIGNOMT"), asignomtFields, QT_TRANSLATE_NOOP("ImportSummary", "asignaturas y actividades"),
         QT_TRANSLATE_NOOP("ImportSummary", "ni asignaturas ni actividades"), QStringLiteral("NOMBRE")},
        {QStringLiteral("PROFT"), proftFields, QT_TRANSLATE_NOOP("ImportSummary", "profesores"),
         QT_TRANSLATE_NOOP("ImportSummary", "profesores"), QStringLiteral("NOMBRE")},
        {QStringLiteral("AULAT"), aulatFields, QT_TRANSLATE_NOOP("ImportSummary", "aulas"),
         QT_TRANSLATE_NOOP("ImportSummary", "aulas"), QStringLiteral("NOMBRE")},
        {QStringLiteral("CURSOST"), cursosFields, QT_TRANSLATE_NOOP("ImportSummary", "cursos"),
         QT_TRANSLATE_NOOP("ImportSummary", "cursos"), QStringLiteral("DESCRIPCIO")},
        {QStringLiteral("CURSOST2"), cursosFields, QT_TRANSLATE_NOOP("ImportSummary", "niveles y cursos guardados"),
         nullptr, {}, false, false, true},
        {QStringLiteral("GRUPOST"), grupostFields, QT_TRANSLATE_NOOP("ImportSummary", "grupos"),
         QT_TRANSLATE_NOOP("ImportSummary", "grupos"), QStringLiteral("DESCRIP")},
        {QStringLiteral("MATIB"), matibFields, QT_TRANSLATE_NOOP("ImportSummary", "asignaturas por nivel y curso"),
         nullptr, {}, false, true},
        {QStringLiteral("ASIGT"), asigtFields, QT_TRANSLATE_NOOP("ImportSummary", "líneas de asignaturas"), nullptr,
         {}, true},
        {QStringLiteral("DIASHORAST"), diashorastFields, QT_TRANSLATE_NOOP("ImportSummary", "días y horas"), nullptr,
         {}, true},
    };
    return tables;
}

const ImportedTable *importedTable(const QString &name)
{
    for (const ImportedTable &table : importedTableSet())
        if (table.name == name)
            return &table;
    return nullptr;
}

const QStringList &importedTables()
{
    static const QStringList names = [] {
        QStringList out;
        for (const ImportedTable &table : importedTableSet())
            out << table.name;
        return out;
    }();
    return names;
}

QStringList replacedFiles()
{
    QStringList files;
    for (const ImportedTable &table : importedTableSet()) {
        files << table.name + QStringLiteral(".DBF");
        if (!table.keepsIndex)
            files << table.name + QStringLiteral(".MDX");
    }
    return files;
}

QString tableContents(const QString &name)
{
    const ImportedTable *table = importedTable(name);
    return table ? QCoreApplication::translate("ImportSummary", table->contents) : QString();
}

} // namespace centre_import
