#include "import/CrearLineasAsignaturas.h"

#include "run/OpenTables.h"
#include "run/UserInteraction.h"
#include "import/RecreateTable.h"
#include "import/TableLayouts.h"

#include <QCoreApplication>
#include <QHash>
#include <QLocale>
#include <QStringList>

#include <cmath>
#include <optional>

namespace centre_import {

namespace {

UserInteraction::Question createLinesQuestion()
{
    // Lines end in a blank and are joined by LF CR, as in every message of the converter.
    const QStringList lines = {
        QCoreApplication::translate("CrearLineasAsignaturas",
                                    "¿Quiere crear automáticamente las Líneas de Asignaturas "),
        QCoreApplication::translate("CrearLineasAsignaturas",
                                    "que esta aplicación estime necesarias para cada Grupo? "),
        QCoreApplication::translate("CrearLineasAsignaturas", "Seguramente se crearán más líneas de las necesarias, "),
        QCoreApplication::translate("CrearLineasAsignaturas", "pero podrá eliminar las que considere innecesarias. "),
        QString(28, QLatin1Char(' ')) + QCoreApplication::translate("CrearLineasAsignaturas", "¿Crear Líneas?"),
    };
    UserInteraction::Question question;
    question.caption
        = QCoreApplication::translate("CrearLineasAsignaturas", "Creación automática de Líneas de Asignaturas");
    question.text = lines.join(QStringLiteral("\n\r"));
    question.buttons = UserInteraction::Buttons::OkCancel;
    question.defaultButton = UserInteraction::Answer::Ok;
    question.icon = UserInteraction::Icon::Warning;
    return question;
}

// A subject's hours depend on the subject alone, so they are converted once,
// not once for each of its course's groups; the session pattern is kept from
// its first line, where it is read back from the field as stored.
struct Subject {
    QString cod;
    std::optional<double> hours; // none for an empty HORAS text
    std::optional<QString> sesiones;
};

// The user's regional number settings, with grouping separators refused:
// "1.000" is no thousand hours but a text that does not convert.
QLocale regionalHoursSettings()
{
    QLocale regional;
    regional.setNumberOptions(regional.numberOptions() | QLocale::RejectGroupSeparator);
    return regional;
}

// A point is first turned into a comma, so "2.5" is 2.5 only where the comma is
// the decimal separator. A text that is no finite number counts as 1 hour.
double hoursFromText(QString text, const QLocale &regional)
{
    text.replace(QLatin1Char('.'), QLatin1Char(','));
    bool ok = false;
    const double hours = regional.toDouble(text, &ok);
    return ok && std::isfinite(hours) ? hours : 1.0;
}

// One weekly session per hour: up to 13 hours a "1" per hour; from 14 on, the
// hours over 13 in digits followed by thirteen ones.
QString sessionPattern(double roundedUpHours)
{
    if (roundedUpHours <= 0)
        return {};
    if (roundedUpHours <= 13)
        return QString(static_cast<qsizetype>(roundedUpHours), QLatin1Char('1'));
    return QString::number(roundedUpHours - 13, 'f', 0) + QString(13, QLatin1Char('1'));
}

// ASIGNOMT's subjects by their course code, each list in table order, read in
// one pass so that every group finds its course's subjects without a walk of
// the whole table.
QHash<QString, QList<Subject>> subjectsByCourse(dbf::Table &asignaturas, const QLocale &regional)
{
    QHash<QString, QList<Subject>> subjects;
    for (asignaturas.first(); !asignaturas.eof(); asignaturas.next()) {
        const QString horas = asignaturas.asString(QStringLiteral("HORAS"));
        subjects[asignaturas.asString(QStringLiteral("CODICURS"))].append(
            Subject{asignaturas.asString(QStringLiteral("COD")),
                    horas.isEmpty() ? std::nullopt : std::optional(hoursFromText(horas, regional)), std::nullopt});
    }
    return subjects;
}

void appendLines(dbf::Table &lineas, dbf::Table &grupos, dbf::Table &asignaturas, const QLocale &regional)
{
    QHash<QString, QList<Subject>> subjects = subjectsByCourse(asignaturas, regional);
    for (grupos.first(); !grupos.eof(); grupos.next()) {
        const QString abrev = grupos.asString(QStringLiteral("ABREV"));
        const QString turno = grupos.asString(QStringLiteral("TURNO"));
        const QString nivel = grupos.asString(QStringLiteral("NIVEL"));
        const QString curso = grupos.asString(QStringLiteral("CURSO"));
        const QString grupo = grupos.asString(QStringLiteral("GRUPO"));
        const QString codicurs = grupos.asString(QStringLiteral("CODICURS"));

        // The teacher, room, connection and task stay blank for the user to fill.
        const auto course = subjects.find(codicurs);
        if (course == subjects.end())
            continue;
        for (Subject &subject : *course) {
            lineas.append();
            lineas.setString(QStringLiteral("CASIG"), subject.cod);
            lineas.setString(QStringLiteral("CGRUP"), abrev);
            lineas.setString(QStringLiteral("TURNO"), turno);
            lineas.setString(QStringLiteral("NIVEL"), nivel);
            lineas.setString(QStringLiteral("CURSO"), curso);
            lineas.setString(QStringLiteral("GRUPO"), grupo);
            if (subject.hours)
                lineas.setFloat(QStringLiteral("HORAS"), *subject.hours);
            // The pattern follows the hours as the field holds them (blank reads 0).
            if (!subject.sesiones)
                subject.sesiones = sessionPattern(std::ceil(lineas.asFloat(QStringLiteral("HORAS"))));
            lineas.setString(QStringLiteral("SESIONES"), *subject.sesiones);
            lineas.post();
        }
    }
}

} // namespace

bool CrearLineasAsignaturas(dbf::Table &wwTableGrupos, dbf::Table &wwTableProfesor, dbf::Table &wwTableAulas,
                            dbf::Table &wwTableNomAsg, UserInteraction &ui)
{
    const std::unique_ptr<dbf::Table> lineas = recreateTable(QStringLiteral("ASIGT"), asigtFields());
    // Nothing is read from PROFT and AULAT, but opening them exclusively makes
    // the step fail at once while another program holds them.
    OpenTables tables({lineas.get(), &wwTableGrupos, &wwTableProfesor, &wwTableAulas, &wwTableNomAsg});
    wwTableGrupos.first();

    // The user may look at the tables in another program while the question waits.
    dbf::Table::flushAll();
    const bool create = ui.ask(createLinesQuestion()) == UserInteraction::Answer::Ok;
    if (create)
        appendLines(*lineas, wwTableGrupos, wwTableNomAsg, regionalHoursSettings());

    tables.close();
    return create;
}

} // namespace centre_import
