#include "import/ImportSummary.h"

#include "import/ImportedTables.h"

#include <QCoreApplication>
#include <QHash>
#include <QJsonArray>

#include <algorithm>

using centre_import::tableContents;

namespace {

QString courseText(const CourseRef &course)
{
    return QStringLiteral("%1 - %2").arg(course.codi, course.descripcio);
}

QJsonObject courseJson(const CourseRef &course)
{
    return {{QStringLiteral("codi"), course.codi}, {QStringLiteral("descripcio"), course.descripcio}};
}

// "1 curso", "3 cursos".
QString counted(qsizetype count, const QString &one, const QString &many)
{
    return QStringLiteral("%1 %2").arg(count).arg(count == 1 ? one : many);
}

// What the user can do about short codes that differ from their base: those
// of groups come from the levels given in the dialog, the others from GestIB.
QString shortCodeRemedy(const QString &table)
{
    if (table == u"GRUPOST")
        return QCoreApplication::translate(
            "ImportSummary",
            "para otras, dé a sus cursos NIVEL distintos en el diálogo de niveles y cursos y "
            "repita la importación");
    return QCoreApplication::translate("ImportSummary",
                                       "para otras, cambie esos nombres cortos en GestIB y repita la importación");
}

} // namespace

void ImportSummary::addShortCodeChanges(const QString &table, QList<ShortCodeChange> changes)
{
    // A large centre changes tens of thousands of codes: the list is taken
    // over, or grown once, rather than copied change by change.
    for (ShortCodeChange &change : changes)
        change.table = table;
    if (shortCodeChanges.isEmpty()) {
        shortCodeChanges = std::move(changes);
        return;
    }
    shortCodeChanges.reserve(shortCodeChanges.size() + changes.size());
    shortCodeChanges.append(changes);
}

namespace {
// Where the user finds what the import replaced, and how to put it back.
QString undoHint(const QString &backup)
{
    if (backup.isEmpty())
        return {};
    return QCoreApplication::translate("ImportSummary",
                                       " Lo sustituido está en la copia %1; se puede deshacer la importación con "
                                       "«Deshacer esta importación» o con transtarquoib-cli restaurar.")
        .arg(backup);
}
} // namespace

int ImportSummary::rowsOf(const QString &table) const
{
    for (const TableRows &t : tableRows)
        if (t.table == table)
            return t.rows;
    return -1;
}

QString ImportSummary::title() const
{
    return QCoreApplication::translate("ImportSummary", "Importación del centro desde GestIB");
}

QStringList ImportSummary::lines() const
{
    QStringList out;
    out << QCoreApplication::translate("ImportSummary", "Documento: %1").arg(document);
    out << QCoreApplication::translate("ImportSummary", "Filas de cada tabla:");
    for (const TableRows &t : tableRows) {
        const QString rows = t.rows < 0 ? QCoreApplication::translate("ImportSummary", "no se ha podido leer")
                                        : QString::number(t.rows);
        const int before = replaced ? replaced->rowsOf(t.table) : -1;
        out << (before < 0 ? QStringLiteral("    %1 (%2): %3").arg(t.table, tableContents(t.table), rows)
                           : QCoreApplication::translate("ImportSummary", "    %1 (%2): %3 (antes %4)")
                                 .arg(t.table, tableContents(t.table), rows)
                                 .arg(before));
    }
    if (checkOnly)
        out << (subjectLinesCreated
                    ? QCoreApplication::translate("ImportSummary", "Líneas de asignaturas: se crearían")
                    : QCoreApplication::translate("ImportSummary",
                                                  "Líneas de asignaturas: no se crearían (ASIGT quedaría vacía)"));
    else
        out << (subjectLinesCreated ? QCoreApplication::translate("ImportSummary", "Líneas de asignaturas: creadas")
                                    : QCoreApplication::translate("ImportSummary",
                                                                  "Líneas de asignaturas: no creadas (ASIGT queda vacía)"));
    if (!backup.isEmpty())
        out << QCoreApplication::translate("ImportSummary", "Copia de las tablas sustituidas: %1").arg(backup);
    if (!codeChanges.isEmpty()) {
        out << QCoreApplication::translate("ImportSummary", "Cambios respecto a las tablas sustituidas:");
        out << codeChangeLines(codeChanges);
    }

    QStringList changes;
    for (const ShortCodeChange &c : shortCodeChanges)
        changes << QStringLiteral("%1: %2 → %3").arg(c.table, c.base, c.code);
    out << QCoreApplication::translate("ImportSummary", "Abreviaturas distintas de su base: %1").arg(changes.size());
    out << listed(changes);

    QStringList withoutLevel;
    for (const CourseRef &course : coursesWithoutLevel)
        withoutLevel << courseText(course);
    out << QCoreApplication::translate("ImportSummary", "Cursos sin NIVEL o sin CURSO: %1").arg(withoutLevel.size());
    out << listed(withoutLevel);

    QStringList collisions;
    for (const LevelCollision &c : levelCollisions)
        collisions << QCoreApplication::translate("ImportSummary", "%1 y %2 (%3)")
                          .arg(courseText(c.course), courseText(c.earlier), c.prefix);
    out << QCoreApplication::translate("ImportSummary",
                                       "Cursos con los mismos 5 primeros caracteres de NIVEL y el mismo CURSO: %1")
               .arg(collisions.size());
    out << listed(collisions);
    return out;
}

QStringList ImportSummary::warnings() const
{
    QStringList out;
    if (!coursesWithoutLevel.isEmpty())
        out << QCoreApplication::translate(
                   "ImportSummary",
                   "%1 sin NIVEL o sin CURSO (véase la lista abajo): repita la importación y complete "
                   "su NIVEL y su CURSO en el diálogo de niveles y cursos.")
                   .arg(counted(coursesWithoutLevel.size(), QCoreApplication::translate("ImportSummary", "curso"),
                                QCoreApplication::translate("ImportSummary", "cursos")));
    if (!levelCollisions.isEmpty())
        out << QCoreApplication::translate(
                   "ImportSummary",
                   "%1 con los mismos 5 primeros caracteres de NIVEL y el mismo CURSO que otro (véase la "
                   "lista abajo): sus grupos reciben los mismos códigos; repita la importación y distinga "
                   "sus NIVEL en el diálogo de niveles y cursos.")
                   .arg(counted(levelCollisions.size(), QCoreApplication::translate("ImportSummary", "curso"),
                                QCoreApplication::translate("ImportSummary", "cursos")));

    // One line per table, in the order the steps met them.
    QStringList tables;
    QHash<QString, int> changes;
    for (const ShortCodeChange &c : shortCodeChanges) {
        if (!changes.contains(c.table))
            tables << c.table;
        ++changes[c.table];
    }
    for (const QString &table : tables)
        out << QCoreApplication::translate("ImportSummary",
                                           "%1 (%2): %3 (véase «Abreviaturas distintas de su base»); %4.")
                   .arg(table, tableContents(table),
                        counted(changes.value(table),
                                QCoreApplication::translate("ImportSummary", "abreviatura distinta de su base"),
                                QCoreApplication::translate("ImportSummary", "abreviaturas distintas de su base")),
                        shortCodeRemedy(table));

    for (const centre_import::ImportedTable &table : centre_import::importedTableSet())
        if (table.missingSection && rowsOf(table.name) == 0)
            out << QCoreApplication::translate(
                       "ImportSummary",
                       "%1 (%2): 0, el documento no trae %3; compruebe la exportación del centro en "
                       "GestIB y repita la importación.")
                       .arg(table.name, tableContents(table.name),
                            QCoreApplication::translate("ImportSummary", table.missingSection));
    out << replacementWarnings();
    return out;
}

QStringList ImportSummary::replacementWarnings() const
{
    QStringList out;
    if (!createdFolder.isEmpty())
        out << QCoreApplication::translate("ImportSummary",
                                           "La carpeta de trabajo no existía y se ha creado en %1: compruebe que "
                                           "es la que usa Velarix.")
                   .arg(createdFolder);
    if (!replaced)
        return out;
    const QString hint = undoHint(backup);
    if (!replaced->codi.isEmpty() && replaced->codi != codi)
        out << QCoreApplication::translate("ImportSummary",
                                           "Las tablas sustituidas eran de otro centro (%1; este documento es de "
                                           "%2): compruebe que ha elegido el archivo de su centro.%3")
                   .arg(replaced->codi, codi, hint);
    else if (!replaced->any.isEmpty() && replaced->any != any)
        out << QCoreApplication::translate("ImportSummary",
                                           "Las tablas sustituidas eran de otro curso escolar (%1; este documento "
                                           "es de %2): compruebe que ha elegido la exportación de este curso.%3")
                   .arg(replaced->any, any, hint);
    for (const TableRows &t : tableRows) {
        const int before = replaced->rowsOf(t.table);
        if (before <= 0 || t.rows < 0)
            continue;
        // What the timetabling program writes after an import, which no import brings back.
        const centre_import::ImportedTable *imported = centre_import::importedTable(t.table);
        const bool filledByVelarix = imported && imported->filledByTimetabler && t.rows < before;
        // An emptied section table is warned of above.
        const bool halved = t.rows * 2 < before && !(t.rows == 0 && imported && imported->missingSection);
        if (!filledByVelarix && !halved)
            continue;
        const QString table = tableContents(t.table), was = QString::number(before), now = QString::number(t.rows);
        out << (filledByVelarix
                    ? QCoreApplication::translate("ImportSummary",
                                                  "%1 (%2) tenía %3 filas, que Velarix pudo haber completado, y ahora "
                                                  "tiene %4: se han perdido %5.%6")
                          .arg(t.table, table, was, now, QString::number(before - t.rows), hint)
                    : QCoreApplication::translate("ImportSummary",
                                                  "%1 (%2) tenía %3 filas y ahora tiene %4, menos de la mitad: "
                                                  "compruebe que el documento de GestIB está completo.%5")
                          .arg(t.table, table, was, now, hint));
    }
    return out;
}

QStringList ImportSummary::codeChangeLines(const QList<CodeChanges> &changes)
{
    QStringList out;
    for (const CodeChanges &c : changes) {
        out << QCoreApplication::translate("ImportSummary", "    %1 (%2): %3, %4, %5 con otro nombre")
                   .arg(c.table, tableContents(c.table),
                        counted(c.added, QCoreApplication::translate("ImportSummary", "nuevo"),
                                QCoreApplication::translate("ImportSummary", "nuevos")),
                        counted(c.gone, QCoreApplication::translate("ImportSummary", "desaparecido"),
                                QCoreApplication::translate("ImportSummary", "desaparecidos")),
                        QString::number(c.renamed));
        for (const CodeChanges::Entry &e : c.firstAdded)
            out << QStringLiteral("        + %1 %2").arg(e.codi, e.name);
        for (const CodeChanges::Entry &e : c.firstGone)
            out << QStringLiteral("        - %1 %2").arg(e.codi, e.name);
        for (const CodeChanges::Entry &e : c.firstRenamed)
            out << QStringLiteral("        ~ %1 %2 → %3").arg(e.codi, e.earlierName, e.name);
    }
    return out;
}

QJsonArray ImportSummary::codeChangesJson(const QList<CodeChanges> &changes)
{
    const auto entries = [](const QList<CodeChanges::Entry> &list, bool renamed) {
        QJsonArray array;
        for (const CodeChanges::Entry &e : list) {
            QJsonObject entry{{QStringLiteral("codi"), e.codi}, {QStringLiteral("nombre"), e.name}};
            if (renamed)
                entry.insert(QStringLiteral("nombreAnterior"), e.earlierName);
            array.append(entry);
        }
        return array;
    };
    QJsonArray out;
    for (const CodeChanges &c : changes)
        out.append(QJsonObject{{QStringLiteral("tabla"), c.table},
                               {QStringLiteral("nuevos"), c.added},
                               {QStringLiteral("desaparecidos"), c.gone},
                               {QStringLiteral("otroNombre"), c.renamed},
                               {QStringLiteral("primerosNuevos"), entries(c.firstAdded, false)},
                               {QStringLiteral("primerosDesaparecidos"), entries(c.firstGone, false)},
                               {QStringLiteral("primerosOtroNombre"), entries(c.firstRenamed, true)}});
    return out;
}

QJsonObject ImportSummary::toJson() const
{
    QJsonObject rows;
    for (const TableRows &t : tableRows)
        rows.insert(t.table, t.rows < 0 ? QJsonValue() : QJsonValue(t.rows));

    QJsonArray changes;
    for (const ShortCodeChange &c : shortCodeChanges)
        changes.append(QJsonObject{{QStringLiteral("tabla"), c.table},
                                   {QStringLiteral("base"), c.base},
                                   {QStringLiteral("codigo"), c.code}});

    QJsonArray withoutLevel;
    for (const CourseRef &course : coursesWithoutLevel)
        withoutLevel.append(courseJson(course));

    QJsonArray collisions;
    for (const LevelCollision &c : levelCollisions)
        collisions.append(QJsonObject{{QStringLiteral("curso"), courseJson(c.course)},
                                      {QStringLiteral("anterior"), courseJson(c.earlier)},
                                      {QStringLiteral("prefijo"), c.prefix}});

    QJsonValue replacedJson;
    if (replaced) {
        QJsonObject before;
        for (const auto &[table, rows] : replaced->rows)
            before.insert(table, rows < 0 ? QJsonValue() : QJsonValue(rows));
        replacedJson = QJsonObject{{QStringLiteral("centroAnterior"), replaced->codi},
                                   {QStringLiteral("cursoAnterior"), replaced->any},
                                   {QStringLiteral("filasAntes"), before},
                                   {QStringLiteral("porTabla"), codeChangesJson(codeChanges)}};
    }

    // The run named as the command and the timetabling program's parameter
    // name it: from that program's side, taking GestIB's data in is "exportar".
    return {{QStringLiteral("proceso"), QStringLiteral("exportar")},
            {QStringLiteral("cambios"), replacedJson},
            {QStringLiteral("carpetaCreada"), createdFolder.isEmpty() ? QJsonValue() : QJsonValue(createdFolder)},
            {QStringLiteral("documento"), document},
            {QStringLiteral("filas"), rows},
            {QStringLiteral("lineasCreadas"), subjectLinesCreated},
            {QStringLiteral("copia"), backup.isEmpty() ? QJsonValue() : QJsonValue(backup)},
            {QStringLiteral("abreviaturasCambiadas"), changes},
            {QStringLiteral("cursosSinNivel"), withoutLevel},
            {QStringLiteral("nivelesCoincidentes"), collisions}};
}
