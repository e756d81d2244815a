#include "import/CrearGrupos.h"

#include "run/OpenTables.h"
#include "import/CentreDocument.h"
#include "import/FirstRowByKey.h"
#include "import/RecreateTable.h"
#include "import/TableLayouts.h"
#include "import/ShortCodes.h"

#include <QHash>

namespace centre_import {

namespace {

struct Course {
    QString nivel;
    QString curso;
    QString descripcio;
};

struct LevelAndCourse {
    QString nivel;
    QString curso;
};

// The courses component goes with this function, also when an error ends it:
// a later import in this process must read the CURSOST that its own courses
// step writes, not a table held from here.
QList<ShortCodeChange> writeGroups(const CentreDocument &DocXML, const std::unique_ptr<dbf::Table> wwTableCursos,
                                   const winpath::WorkingFolder &folder)
{
    const std::unique_ptr<dbf::Table> grupos = recreateTable(folder, QStringLiteral("GRUPOST"), grupostFields());
    OpenTables tables({grupos.get()});
    CodeList codes;
    QHash<QString, Course> coursesByCodi;

    // CURSOST is opened for the first course and stays open for the others.
    if (!DocXML.cursos.empty()) {
        tables.open(*wwTableCursos);
        coursesByCodi = firstRowByKey<Course>(*wwTableCursos, QStringLiteral("CODI"), [](const dbf::Table &row) {
            return Course{row.asString(QStringLiteral("NIVEL")), row.asString(QStringLiteral("CURSO")),
                          row.asString(QStringLiteral("DESCRIPCIO"))};
        });
    }

    for (const Curs &curs : DocXML.cursos) {
        const QString &courseCode = curs.codi;
        // A course without a CURSOST row (or whose code is longer than CODI
        // keeps) has its groups written with an empty level, course and description.
        const Course course = coursesByCodi.value(courseCode);

        for (const auto &[groupCode, groupName] : curs.grups) {
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

    // GRUPOST first, then CURSOST.
    tables.close();
    return codes.changes();
}

// MATIB lists each subject once with the level and course of its course's
// first group, and ASIGNOMT keeps the same pair in DENIVEL and DECURSO.
void writeLevelSubjects(dbf::Table &wwTableGrupos, dbf::Table &wwTableNomAsg,
                                   const winpath::WorkingFolder &folder)
{
    const std::unique_ptr<dbf::Table> matib = recreateTable(
        folder, QStringLiteral("MATIB"), matibFields(), {dbf::IndexDef{QStringLiteral("ABREV"), QStringLiteral("ABREV")}});
    OpenTables tables({matib.get(), &wwTableGrupos, &wwTableNomAsg});

    const QHash<QString, LevelAndCourse> firstGroupByCourse =
        firstRowByKey<LevelAndCourse>(wwTableGrupos, QStringLiteral("CODICURS"), [](const dbf::Table &row) {
            return LevelAndCourse{row.asString(QStringLiteral("NIVEL")), row.asString(QStringLiteral("CURSO"))};
        });

    for (wwTableNomAsg.first(); !wwTableNomAsg.eof(); wwTableNomAsg.next()) {
        const auto group = firstGroupByCourse.constFind(wwTableNomAsg.asString(QStringLiteral("CODICURS")));
        if (group == firstGroupByCourse.constEnd())
            continue;

        matib->append();
        matib->setString(QStringLiteral("ABREV"), wwTableNomAsg.asString(QStringLiteral("COD")));
        matib->setString(QStringLiteral("ABREV8"), wwTableNomAsg.asString(QStringLiteral("CODLARGO")));
        matib->setString(QStringLiteral("NOMBRE"), wwTableNomAsg.asString(QStringLiteral("NOMBRE")));
        matib->setString(QStringLiteral("NIVEL"), group->nivel);
        matib->setString(QStringLiteral("CURSO"), group->curso);
        matib->post();

        wwTableNomAsg.edit();
        wwTableNomAsg.setString(QStringLiteral("DENIVEL"), group->nivel);
        wwTableNomAsg.setString(QStringLiteral("DECURSO"), group->curso);
        wwTableNomAsg.post();
    }

    tables.close();
}

} // namespace

QList<ShortCodeChange> CrearGrupos(const CentreDocument &DocXML, std::unique_ptr<dbf::Table> wwTableCursos,
                                   dbf::Table &wwTableGrupos, dbf::Table &wwTableNomAsg,
                                   const winpath::WorkingFolder &folder)
{
    QList<ShortCodeChange> changes = writeGroups(DocXML, std::move(wwTableCursos), folder);
    writeLevelSubjects(wwTableGrupos, wwTableNomAsg, folder);
    return changes;
}

} // namespace centre_import
