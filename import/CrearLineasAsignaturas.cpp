#include "import/CrearLineasAsignaturas.h"

#include "run/OpenTables.h"
#include "run/UserInteraction.h"
#include "import/RecreateTable.h"
#include "import/TableLayouts.h"

#include <QCoreApplication>
#include <QHash>
#include <QLocale>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>
#include <vector>

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
    question.topic = UserInteraction::Topic::CreateLines;
    question.caption
        = QCoreApplication::translate("CrearLineasAsignaturas", "Creación automática de Líneas de Asignaturas");
    question.text = lines.join(QStringLiteral("\n\r"));
    question.buttons = UserInteraction::Buttons::OkCancel;
    question.defaultButton = UserInteraction::Answer::Ok;
    question.icon = UserInteraction::Icon::Warning;
    return question;
}

// A subject's hours are converted once, not once for each of its course's
// groups.
struct Subject {
    std::size_t course; // the order in which its course first appears
    QString cod;
    std::optional<double> hours; // none for an empty HORAS text
};

// ASIGNOMT's subjects in table order, grouped by course: each course's
// subjects follow each other, and `ranges` gives where, so that every group
// finds its course's subjects without a walk of the whole table, and a large
// centre's subjects are held once, in one array.
struct SubjectsByCourse {
    std::vector<Subject> subjects;
    QHash<QString, std::pair<std::size_t, std::size_t>> ranges; // CODICURS -> [begin, end) of subjects
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

SubjectsByCourse subjectsByCourse(dbf::Table &asignaturas, const QLocale &regional)
{
    QHash<QString, std::size_t> courseNumbers;
    // A centre's subjects have a handful of different HORAS texts: each is
    // converted once.
    QHash<QString, double> hoursByText;
    SubjectsByCourse byCourse;
    byCourse.subjects.reserve(std::size_t(asignaturas.recordCount()));
    const auto hoursOf = [&](const QString &text) {
        auto hours = hoursByText.constFind(text);
        if (hours == hoursByText.cend())
            hours = hoursByText.insert(text, hoursFromText(text, regional));
        return *hours;
    };
    QString horas;
    for (asignaturas.first(); !asignaturas.eof(); asignaturas.next()) {
        asignaturas.readString(QStringLiteral("HORAS"), horas);
        const QString codicurs = asignaturas.asString(QStringLiteral("CODICURS"));
        auto course = courseNumbers.constFind(codicurs);
        if (course == courseNumbers.cend())
            course = courseNumbers.insert(codicurs, std::size_t(courseNumbers.size()));
        byCourse.subjects.push_back(
            Subject{*course, asignaturas.asString(QStringLiteral("COD")),
                    horas.isEmpty() ? std::nullopt : std::optional(hoursOf(horas))});
    }
    // A stable sort keeps each course's subjects in table order.
    std::stable_sort(byCourse.subjects.begin(), byCourse.subjects.end(),
                     [](const Subject &a, const Subject &b) { return a.course < b.course; });
    std::vector<std::size_t> starts(std::size_t(courseNumbers.size()) + 1, byCourse.subjects.size());
    for (std::size_t i = byCourse.subjects.size(); i-- > 0;)
        starts[byCourse.subjects[i].course] = i;
    for (auto it = courseNumbers.cbegin(); it != courseNumbers.cend(); ++it)
        byCourse.ranges.insert(it.key(), {starts[it.value()], starts[it.value() + 1]});
    return byCourse;
}

void appendLines(dbf::Table &lineas, dbf::Table &grupos, dbf::Table &asignaturas, const QLocale &regional)
{
    const SubjectsByCourse byCourse = subjectsByCourse(asignaturas, regional);
    // The session pattern follows the hours as the field holds them (blank
    // reads 0), so it is worked out once for each value the field is given.
    QHash<double, QString> patterns;
    for (grupos.first(); !grupos.eof(); grupos.next()) {
        // The teacher, room, connection and task stay blank for the user to fill.
        const auto course = byCourse.ranges.constFind(grupos.asString(QStringLiteral("CODICURS")));
        if (course == byCourse.ranges.cend())
            continue;
        const QString abrev = grupos.asString(QStringLiteral("ABREV"));
        const QString turno = grupos.asString(QStringLiteral("TURNO"));
        const QString nivel = grupos.asString(QStringLiteral("NIVEL"));
        const QString curso = grupos.asString(QStringLiteral("CURSO"));
        const QString grupo = grupos.asString(QStringLiteral("GRUPO"));
        for (std::size_t i = course->first; i < course->second; ++i) {
            const Subject &subject = byCourse.subjects[i];
            lineas.append();
            lineas.setString(QStringLiteral("CASIG"), subject.cod);
            lineas.setString(QStringLiteral("CGRUP"), abrev);
            lineas.setString(QStringLiteral("TURNO"), turno);
            lineas.setString(QStringLiteral("NIVEL"), nivel);
            lineas.setString(QStringLiteral("CURSO"), curso);
            lineas.setString(QStringLiteral("GRUPO"), grupo);
            if (subject.hours)
                lineas.setFloat(QStringLiteral("HORAS"), *subject.hours);
            const double given = subject.hours.value_or(0.0);
            auto pattern = patterns.constFind(given);
            if (pattern == patterns.cend())
                pattern = patterns.insert(given, sessionPattern(std::ceil(lineas.asFloat(QStringLiteral("HORAS")))));
            lineas.setString(QStringLiteral("SESIONES"), *pattern);
            lineas.post();
        }
    }
}

} // namespace

bool CrearLineasAsignaturas(dbf::Table &wwTableGrupos, dbf::Table &wwTableProfesor, dbf::Table &wwTableAulas,
                            dbf::Table &wwTableNomAsg, UserInteraction &ui, const winpath::WorkingFolder &folder)
{
    const std::unique_ptr<dbf::Table> lineas = recreateTable(folder, QStringLiteral("ASIGT"), asigtFields());
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
