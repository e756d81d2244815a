#include "run/ImportSummary.h"

#include <QHash>
#include <QJsonArray>

namespace {

// What each table holds, as a user who does not know the table names reads it.
QString tableContents(const QString &table)
{
    static const QHash<QString, QString> contents = {
        {QStringLiteral("ASIGNOMT"), QStringLiteral("asignaturas y actividades")},
        {QStringLiteral("PROFT"), QStringLiteral("profesores")},
        {QStringLiteral("AULAT"), QStringLiteral("aulas")},
        {QStringLiteral("CURSOST"), QStringLiteral("cursos")},
        {QStringLiteral("CURSOST2"), QStringLiteral("niveles y cursos guardados")},
        {QStringLiteral("GRUPOST"), QStringLiteral("grupos")},
        {QStringLiteral("MATIB"), QStringLiteral("asignaturas por nivel y curso")},
        {QStringLiteral("ASIGT"), QStringLiteral("líneas de asignaturas")},
        {QStringLiteral("DIASHORAST"), QStringLiteral("días y horas")},
    };
    return contents.value(table);
}

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

// The tables that one section of the centre document fills alone, and what
// the document lacks when one of them is empty.
struct SectionTable {
    QString table;
    QString missing;
};
const QList<SectionTable> sectionTables = {
    {QStringLiteral("ASIGNOMT"), QStringLiteral("ni asignaturas ni actividades")},
    {QStringLiteral("PROFT"), QStringLiteral("profesores")},
    {QStringLiteral("AULAT"), QStringLiteral("aulas")},
    {QStringLiteral("CURSOST"), QStringLiteral("cursos")},
    {QStringLiteral("GRUPOST"), QStringLiteral("grupos")},
};

// What the user can do about short codes that differ from their base: those
// of groups come from the levels given in the dialog, the others from GestIB.
QString shortCodeRemedy(const QString &table)
{
    if (table == u"GRUPOST")
        return QStringLiteral("para otras, dé a sus cursos NIVEL distintos en el diálogo de niveles y cursos y "
                              "repita la importación");
    return QStringLiteral("para otras, cambie esos nombres cortos en GestIB y repita la importación");
}

} // namespace

void ImportSummary::addShortCodeChanges(const QString &table, const QList<ShortCodeChange> &changes)
{
    for (ShortCodeChange change : changes) {
        change.table = table;
        shortCodeChanges.append(change);
    }
}

int ImportSummary::rowsOf(const QString &table) const
{
    for (const TableRows &t : tableRows)
        if (t.table == table)
            return t.rows;
    return -1;
}

QString ImportSummary::title() const
{
    return QStringLiteral("Importación del centro desde GestIB");
}

QStringList ImportSummary::lines() const
{
    QStringList out;
    out << QStringLiteral("Documento: %1").arg(document);
    out << QStringLiteral("Filas de cada tabla:");
    for (const TableRows &t : tableRows) {
        const QString rows = t.rows < 0 ? QStringLiteral("no se ha podido leer") : QString::number(t.rows);
        out << QStringLiteral("    %1 (%2): %3").arg(t.table, tableContents(t.table), rows);
    }
    out << (subjectLinesCreated ? QStringLiteral("Líneas de asignaturas: creadas")
                                : QStringLiteral("Líneas de asignaturas: no creadas (ASIGT queda vacía)"));
    if (!backup.isEmpty())
        out << QStringLiteral("Copia de las tablas sustituidas: %1").arg(backup);

    QStringList changes;
    for (const ShortCodeChange &c : shortCodeChanges)
        changes << QStringLiteral("%1: %2 → %3").arg(c.table, c.base, c.code);
    out << QStringLiteral("Abreviaturas distintas de su base: %1").arg(changes.size());
    out << listed(changes);

    QStringList withoutLevel;
    for (const CourseRef &course : coursesWithoutLevel)
        withoutLevel << courseText(course);
    out << QStringLiteral("Cursos sin NIVEL o sin CURSO: %1").arg(withoutLevel.size());
    out << listed(withoutLevel);

    QStringList collisions;
    for (const LevelCollision &c : levelCollisions)
        collisions << QStringLiteral("%1 y %2 (%3)").arg(courseText(c.course), courseText(c.earlier), c.prefix);
    out << QStringLiteral("Cursos con los mismos 5 primeros caracteres de NIVEL y el mismo CURSO: %1")
               .arg(collisions.size());
    out << listed(collisions);
    return out;
}

QStringList ImportSummary::warnings() const
{
    QStringList out;
    if (!coursesWithoutLevel.isEmpty())
        out << QStringLiteral("%1 sin NIVEL o sin CURSO (véase la lista abajo): repita la importación y complete "
                              "su NIVEL y su CURSO en el diálogo de niveles y cursos.")
                   .arg(counted(coursesWithoutLevel.size(), QStringLiteral("curso"), QStringLiteral("cursos")));
    if (!levelCollisions.isEmpty())
        out << QStringLiteral("%1 con los mismos 5 primeros caracteres de NIVEL y el mismo CURSO que otro (véase la "
                              "lista abajo): sus grupos reciben los mismos códigos; repita la importación y distinga "
                              "sus NIVEL en el diálogo de niveles y cursos.")
                   .arg(counted(levelCollisions.size(), QStringLiteral("curso"), QStringLiteral("cursos")));

    // One line per table, in the order the steps met them.
    QStringList tables;
    QHash<QString, int> changes;
    for (const ShortCodeChange &c : shortCodeChanges) {
        if (!changes.contains(c.table))
            tables << c.table;
        ++changes[c.table];
    }
    for (const QString &table : tables)
        out << QStringLiteral("%1 (%2): %3 (véase «Abreviaturas distintas de su base»); %4.")
                   .arg(table, tableContents(table),
                        counted(changes.value(table), QStringLiteral("abreviatura distinta de su base"),
                                QStringLiteral("abreviaturas distintas de su base")),
                        shortCodeRemedy(table));

    for (const SectionTable &section : sectionTables)
        if (rowsOf(section.table) == 0)
            out << QStringLiteral("%1 (%2): 0, el documento no trae %3; compruebe la exportación del centro en "
                                  "GestIB y repita la importación.")
                       .arg(section.table, tableContents(section.table), section.missing);
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

    return {{QStringLiteral("proceso"), QStringLiteral("exportar")},
            {QStringLiteral("documento"), document},
            {QStringLiteral("filas"), rows},
            {QStringLiteral("lineasCreadas"), subjectLinesCreated},
            {QStringLiteral("copia"), backup.isEmpty() ? QJsonValue() : QJsonValue(backup)},
            {QStringLiteral("abreviaturasCambiadas"), changes},
            {QStringLiteral("cursosSinNivel"), withoutLevel},
            {QStringLiteral("nivelesCoincidentes"), collisions}};
}
