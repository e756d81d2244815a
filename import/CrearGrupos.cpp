#include "import/CrearGrupos.h"

#include "run/MainFormState.h"
#include "import/CentreDocument.h"
#include "import/RecreateTable.h"
#include "import/ShortCodes.h"

#include <QHash>

namespace {

const std::vector<dbf::FieldDef> grupostFields = {
    {QStringLiteral("ABREV"), dbf::FieldType::String, 10},
    {QStringLiteral("TURNO"), dbf::FieldType::String, 1},
    {QStringLiteral("NIVEL"), dbf::FieldType::String, 5},
    {QStringLiteral("CURSO"), dbf::FieldType::String, 3},
    {QStringLiteral("GRUPO"), dbf::FieldType::String, 2},
    {QStringLiteral("DESCRIP"), dbf::FieldType::String, 80},
    {QStringLiteral("MARCO"), dbf::FieldType::String, 1},
    {QStringLiteral("CODI"), dbf::FieldType::String, 20},
    {QStringLiteral("CODICURS"), dbf::FieldType::String, 20},
};

const std::vector<dbf::FieldDef> matibFields = {
    {QStringLiteral("ABREV"), dbf::FieldType::String, 10},
    {QStringLiteral("ABREV8"), dbf::FieldType::String, 10},
    {QStringLiteral("NOMBRE"), dbf::FieldType::String, 80},
    {QStringLiteral("NIVEL"), dbf::FieldType::String, 5},
    {QStringLiteral("CURSO"), dbf::FieldType::String, 3},
};

struct Course {
    QString nivel;
    QString curso;
    QString descripcio;
};

struct LevelAndCourse {
    QString nivel;
    QString curso;
};

// The rows of an open table by the text of one field, read in one pass. Where
// several rows share a key the first one stays, as a walk from the first row
// that stops at the first match would find it. Each course or subject is then
// looked up in constant time instead of by a walk of the whole table.
template <class Row, class ReadRow>
QHash<QString, Row> firstRowByKey(dbf::Table &table, const QString &keyField, ReadRow readRow)
{
    QHash<QString, Row> rows;
    for (table.first(); !table.eof(); table.next()) {
        const QString key = table.asString(keyField);
        if (!rows.contains(key))
            rows.insert(key, readRow(table));
    }
    return rows;
}

// Releases the main window's CURSOST component when the groups are written,
// and also when an error ends the step: a later import in this process must
// read the CURSOST that its own courses step writes, not a table held from here.
class CursosRelease {
public:
    explicit CursosRelease(MainFormState &form) : m_form(form) {}
    ~CursosRelease() { m_form.wwTableCursos.reset(); }
    CursosRelease(const CursosRelease &) = delete;
    CursosRelease &operator=(const CursosRelease &) = delete;

private:
    MainFormState &m_form;
};

QList<ShortCodeChange> writeGroups(MainFormState &form)
{
    const std::unique_ptr<dbf::Table> grupos = recreateTable(QStringLiteral("GRUPOST"), grupostFields);
    grupos->open();
    CodeList codes;

    dbf::Table &cursos = form.tableCursos();
    const CursosRelease release(form);
    QHash<QString, Course> coursesByCodi;

    const int courseCount = selectCentreNodes(form, QStringLiteral("/CENTRE/CURSOS/CURS"));
    if (courseCount > 0) {
        cursos.open();
        coursesByCodi = firstRowByKey<Course>(cursos, QStringLiteral("CODI"), [](const dbf::Table &row) {
            return Course{row.asString(QStringLiteral("NIVEL")), row.asString(QStringLiteral("CURSO")),
                          row.asString(QStringLiteral("DESCRIPCIO"))};
        });
    }

    for (int i = 0; i < courseCount; ++i) {
        takeCentreNode(form, i);
        const QString courseCode = readTrimmed(form.AtributosNodo, QStringLiteral("codi"));
        // A course without a CURSOST row (or whose code is longer than CODI
        // keeps) has its groups written with an empty level, course and description.
        const Course course = coursesByCodi.value(courseCode);

        form.ListaGrupos = form.NodoActual.selectNodes(QStringLiteral("GRUP"));
        const int groupCount = form.ListaGrupos.length();
        for (int j = 0; j < groupCount; ++j) {
            form.NodoGrupo = form.ListaGrupos.item(j);
            form.AtributosGrupo = form.NodoGrupo.attributes();
            const QString groupCode = readTrimmed(form.AtributosGrupo, QStringLiteral("codi"));
            const QString groupName = readTrimmed(form.AtributosGrupo, QStringLiteral("nom"));
            const QString abrev = groupShortCode(codes, course.nivel, course.curso, groupName);

            grupos->append();
            grupos->setString(QStringLiteral("ABREV"), abrev);
            grupos->setString(QStringLiteral("NIVEL"), course.nivel);
            grupos->setString(QStringLiteral("CURSO"), course.curso);
            grupos->setString(QStringLiteral("GRUPO"), groupName);
            grupos->setString(QStringLiteral("DESCRIP"), QLatin1Char('(') + groupCode + QStringLiteral(") ")
                                                             + course.descripcio + QStringLiteral(" - ") + groupName);
            grupos->setString(QStringLiteral("MARCO"), QStringLiteral("0"));
            grupos->setString(QStringLiteral("CODI"), groupCode);
            grupos->setString(QStringLiteral("CODICURS"), courseCode);
            grupos->post();
        }
    }

    grupos->close();
    cursos.close();
    return codes.changes();
}

// MATIB lists each subject once with the level and course of its course's
// first group, and ASIGNOMT keeps the same pair in DENIVEL and DECURSO.
void writeLevelSubjects(MainFormState &form)
{
    const std::unique_ptr<dbf::Table> matib = recreateTable(
        QStringLiteral("MATIB"), matibFields, {dbf::IndexDef{QStringLiteral("ABREV"), QStringLiteral("ABREV")}});
    matib->open();

    dbf::Table &grupos = form.wwTableGrupos;
    dbf::Table &asignaturas = form.wwTableNomAsg;
    grupos.open();
    asignaturas.open();

    const QHash<QString, LevelAndCourse> firstGroupByCourse =
        firstRowByKey<LevelAndCourse>(grupos, QStringLiteral("CODICURS"), [](const dbf::Table &row) {
            return LevelAndCourse{row.asString(QStringLiteral("NIVEL")), row.asString(QStringLiteral("CURSO"))};
        });

    for (asignaturas.first(); !asignaturas.eof(); asignaturas.next()) {
        const auto group = firstGroupByCourse.constFind(asignaturas.asString(QStringLiteral("CODICURS")));
        if (group == firstGroupByCourse.constEnd())
            continue;

        matib->append();
        matib->setString(QStringLiteral("ABREV"), asignaturas.asString(QStringLiteral("COD")));
        matib->setString(QStringLiteral("ABREV8"), asignaturas.asString(QStringLiteral("CODLARGO")));
        matib->setString(QStringLiteral("NOMBRE"), asignaturas.asString(QStringLiteral("NOMBRE")));
        matib->setString(QStringLiteral("NIVEL"), group->nivel);
        matib->setString(QStringLiteral("CURSO"), group->curso);
        matib->post();

        asignaturas.edit();
        asignaturas.setString(QStringLiteral("DENIVEL"), group->nivel);
        asignaturas.setString(QStringLiteral("DECURSO"), group->curso);
        asignaturas.post();
    }

    matib->close();
    grupos.close();
    asignaturas.close();
}

} // namespace

QList<ShortCodeChange> CrearGrupos(MainFormState &form)
{
    QList<ShortCodeChange> changes = writeGroups(form);
    writeLevelSubjects(form);
    return changes;
}
