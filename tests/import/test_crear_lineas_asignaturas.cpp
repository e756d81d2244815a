#include "import/CrearLineasAsignaturas.h"

#include "platform/FieldDef.h"
#include "tests/import/ImportFixture.h"
#include "tests/support/ScriptedInteraction.h"

#include <gtest/gtest.h>

#include <QLocale>

using namespace centre_import;

using fixture::activityRow;
using fixture::groupRow;
using fixture::subjectRow;

namespace {

// The user's regional settings for one test; the earlier ones come back after it.
class RegionalSettings {
public:
    explicit RegionalSettings(const QLocale &locale) : m_previous(QLocale()) { QLocale::setDefault(locale); }
    ~RegionalSettings() { QLocale::setDefault(m_previous); }

private:
    QLocale m_previous;
};

const QString thirteenOnes(13, QLatin1Char('1'));

struct StepRun {
    TempWinePrefix prefix;
    MainFormState form;
    ScriptedInteraction user;
};

// Writes the step's input tables (PROFT and AULAT empty), runs it with the given answer and returns
// ASIGT's rows as python3-dbf reads them.
QList<QStringList> runStep(StepRun &run, const QList<QStringList> &grupost, const QList<QStringList> &asignomt,
                           UserInteraction::Answer answer = UserInteraction::Answer::Ok)
{
    fixture::writeTable("GRUPOST", grupostFields(), grupost);
    fixture::writeTable("ASIGNOMT", asignomtFields(), asignomt);
    fixture::writeTable("PROFT", {{"ABREV", dbf::FieldType::String, 10}}, {});
    fixture::writeTable("AULAT", {{"ABREV", dbf::FieldType::String, 10}}, {});
    run.user.answers.push_back(answer);
    CrearLineasAsignaturas(run.form.wwTableGrupos, run.form.wwTableProfesor, run.form.wwTableAulas, run.form.wwTableNomAsg, run.user,
                           run.form.workingFolder);
    return fixture::readRows(run.prefix, "ASIGT");
}

// CASIG, CGRUP, HORAS (in shortest form) and SESIONES of each line.
QList<QStringList> hoursOfLines(const QList<QStringList> &lines)
{
    QList<QStringList> out;
    for (const QStringList &line : lines) {
        const QString horas = line.at(8).isEmpty() ? QString() : QString::number(line.at(8).toDouble());
        out << QStringList{line.at(0), line.at(2), horas, line.at(9)};
    }
    return out;
}

} // namespace

TEST(CrearLineasAsignaturas, AsksTheQuestionAndLeavesEveryTableClosed)
{
    StepRun run;
    runStep(run, {groupRow("ESO1A", "ESO", "1", "A", "101")}, {subjectRow("MAT", "101")});

    ASSERT_EQ(run.user.shown.size(), 1u);
    const ScriptedInteraction::Shown &q = run.user.shown.front();
    EXPECT_EQ(q.kind, ScriptedInteraction::Shown::Question);
    EXPECT_EQ(q.caption, QStringLiteral("Creación automática de Líneas de Asignaturas"));
    EXPECT_EQ(q.text, QStringLiteral("¿Quiere crear automáticamente las Líneas de Asignaturas \n\r"
                                     "que esta aplicación estime necesarias para cada Grupo? \n\r"
                                     "Seguramente se crearán más líneas de las necesarias, \n\r"
                                     "pero podrá eliminar las que considere innecesarias. \n\r"
                                     "                            ¿Crear Líneas?"));
    EXPECT_EQ(q.buttons, UserInteraction::Buttons::OkCancel);
    EXPECT_EQ(q.defaultButton, UserInteraction::Answer::Ok);
    EXPECT_EQ(q.icon, UserInteraction::Icon::Warning);
    for (const dbf::Table *t : {&run.form.wwTableGrupos, &run.form.wwTableProfesor, &run.form.wwTableAulas,
                                &run.form.wwTableNomAsg})
        EXPECT_FALSE(t->isOpen()) << t->componentName().toStdString();
}

TEST(CrearLineasAsignaturas, AnyAnswerButOkLeavesAsigtReCreatedAndEmpty)
{
    for (const UserInteraction::Answer answer : {UserInteraction::Answer::Cancel, UserInteraction::Answer::Closed}) {
        SCOPED_TRACE(static_cast<int>(answer));
        StepRun run;
        fixture::writeTable("ASIGT", {{"CASIG", dbf::FieldType::String, 10}}, {{"OLD"}});
        QFile(run.prefix.vtempFile("ASIGT.MDX")).open(QIODevice::WriteOnly);

        EXPECT_TRUE(runStep(run, {groupRow("ESO1A", "ESO", "1", "A", "101")}, {subjectRow("MAT", "101")}, answer)
                        .isEmpty());

        EXPECT_EQ(fixture::readFields(run.prefix, "ASIGT"), QStringList({"CASIG C 10", "CPROF C 10", "CGRUP C 10", "CAULA C 10", "TURNO C 1",
                                       "NIVEL C 5", "CURSO C 3", "GRUPO C 2", "HORAS N 20", "SESIONES C 20",
                                       "NCONEX C 4", "CTAREA C 10"}));
        EXPECT_FALSE(QFile::exists(run.prefix.vtempFile("ASIGT.MDX")));
    }
}

TEST(CrearLineasAsignaturas, ProposesEverySubjectOfEachGroupsCourseGroupByGroup)
{
    StepRun run;
    QList<QStringList> asignomt;
    for (const QString cod : {"MAT", "CAT", "ANG", "BIO", "FIS"})
        asignomt << subjectRow(cod, "101");
    asignomt.insert(2, subjectRow("LLA", "102")); // a course without a group: no line
    asignomt << activityRow("GUA") << activityRow("PAT");
    const QList<QStringList> grupost = {
        groupRow("ESO1A", "ESO", "1", "A", "101"),
        groupRow("BAT1A", "BAT", "1", "A", "103"), // a course without subjects: no line
        groupRow("ESO1B", "ESO", "1", "B", "101"),
        groupRow("TUT", "ACT", "", "T", ""), // a group without course takes the activities
    };

    const QList<QStringList> lines = runStep(run, grupost, asignomt);

    QList<QStringList> expected;
    for (const char *group : {"A", "B"})
        for (const QString cod : {"MAT", "CAT", "ANG", "BIO", "FIS"})
            expected << QStringList{cod, "", QStringLiteral("ESO1") + group, "", "", "ESO", "1", group, "4", "1111", "", ""};
    for (const QString cod : {"GUA", "PAT"})
        expected << QStringList{cod, "", "TUT", "", "", "ACT", "", "T", "4", "1111", "", ""};
    EXPECT_EQ(lines, expected);
}

TEST(CrearLineasAsignaturas, HoursFollowTheRegionalDecimalSeparator)
{
    struct HoursCase {
        QString horas;
        QStringList decimalComma; // HORAS and SESIONES as stored
        QStringList decimalPoint;
    };
    const QList<HoursCase> cases = {
        {"4", {"4", "1111"}, {"4", "1111"}},
        {"13", {"13", thirteenOnes}, {"13", thirteenOnes}},
        {"14", {"14", "1" + thirteenOnes}, {"14", "1" + thirteenOnes}},
        {"15", {"15", "2" + thirteenOnes}, {"15", "2" + thirteenOnes}},
        {"120", {"120", "107" + thirteenOnes}, {"120", "107" + thirteenOnes}},
        {"0", {"0", ""}, {"0", ""}},
        {"-3", {"-3", ""}, {"-3", ""}},
        {"-0.5", {"-0.5", ""}, {"1", "1"}},
        {"0.5", {"0.5", "1"}, {"1", "1"}},
        {"2.5", {"2.5", "111"}, {"1", "1"}},
        {"2,5", {"2.5", "111"}, {"1", "1"}},
        {"12.2", {"12.2", thirteenOnes}, {"1", "1"}},
        // A thousands separator is no decimal separator: not 1500 hours.
        {"1.500", {"1.5", "11"}, {"1", "1"}},
        // The pattern follows the hours as stored, with four decimals.
        {"2.00001", {"2", "11"}, {"1", "1"}},
        {"abc", {"1", "1"}, {"1", "1"}},
        {"inf", {"1", "1"}, {"1", "1"}},
        {"nan", {"1", "1"}, {"1", "1"}},
        {"", {"", ""}, {"", ""}},
    };
    QList<QStringList> asignomt;
    for (int i = 0; i < cases.size(); ++i)
        asignomt << subjectRow(QStringLiteral("S%1").arg(i), "101", cases[i].horas);

    for (const bool comma : {true, false}) {
        SCOPED_TRACE(comma ? "decimal comma" : "decimal point");
        const RegionalSettings regional(comma ? QLocale(QLocale::Spanish, QLocale::Spain)
                                              : QLocale(QLocale::English, QLocale::UnitedStates));
        StepRun run;
        const QList<QStringList> lines = runStep(run, {groupRow("ESO1A", "ESO", "1", "A", "101")}, asignomt);

        QList<QStringList> expected;
        for (int i = 0; i < cases.size(); ++i)
            expected << QStringList{QStringLiteral("S%1").arg(i), "ESO1A"}
                            + (comma ? cases[i].decimalComma : cases[i].decimalPoint);
        EXPECT_EQ(hoursOfLines(lines), expected);
    }
}
