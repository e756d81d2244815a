#include "import/CentreImport.h"

#include "tests/import/ImportFixture.h"
#include "tests/support/MdxReader.h"
#include "tests/support/ScriptedInteraction.h"

#include <gtest/gtest.h>

#include <QSet>

using Answer = UserInteraction::Answer;

namespace {

const QString sample2018 = QStringLiteral(GESTIB_SAMPLES_DIR "/centre-2018.xml");
const QString sample2019 = QStringLiteral(GESTIB_SAMPLES_DIR "/centre-2019-variant.xml");

// The school's courses in document order, as the scripted user fills them:
// level ESO, course number the row's.
const QList<QStringList> courses = {
    {"62", "1r ESO", "ESO", "1"},  {"66", "1r Batx.", "ESO", "2"}, {"67", "2n batx.", "ESO", "3"},
    {"94", "3r ESO", "ESO", "4"},  {"95", "4t ESO", "ESO", "5"},   {"563", "2n ESO", "ESO", "6"},
    {"7051", "IFC31", "ESO", "7"}, {"7837", "IFC21", "ESO", "8"},
};

// Runs a whole centre import of the file as the user would: the file chosen,
// the dialog filled and confirmed, the given answers to the questions.
void importCentre(MainFormState &form, const QString &file, const std::deque<Answer> &answers)
{
    ScriptedInteraction user;
    user.fileChoices.push_back(file);
    user.answers = answers;

    BExportarClick(form, user);

    EXPECT_EQ(user.errors(), QStringList());
    EXPECT_EQ(user.messages(), QStringList{"Proceso finalizado"});
    EXPECT_TRUE(user.answers.empty()) << "a question was not asked";
    EXPECT_EQ(user.hourglassDepth, 0);
}

QStringList names(const QStringList &fields)
{
    QStringList out;
    for (const QString &field : fields)
        out << field.section(QLatin1Char(' '), 0, 0);
    return out;
}

void expectUnique(const QStringList &codes, const char *what)
{
    EXPECT_EQ(QSet<QString>(codes.begin(), codes.end()).size(), codes.size()) << what << ": " << codes.join(',').toStdString();
}

} // namespace

TEST(FullImport, ARealSchoolBecomesTheNineWorkingTables)
{
    TempWinePrefix prefix;
    MainFormState form;
    importCentre(form, sample2018, {Answer::Ok});

    const QList<QStringList> asignomt = fixture::readRows(prefix, "ASIGNOMT");
    EXPECT_EQ(names(fixture::readFields(prefix, "ASIGNOMT")),
              QStringList({"COD", "CODLARGO", "NOMBRE", "CODI", "HORAS", "CODICURS", "ESTAREA", "DENIVEL", "DECURSO"}));
    ASSERT_EQ(asignomt.size(), 3 + 49);
    EXPECT_EQ(asignomt[0], QStringList({"111", "111", "Biologia i geologia - A-1E", "1111110", "4", "62", "False", "ESO", "1"}));
    EXPECT_EQ(asignomt[3], QStringList({"40", "Altres act", "Altres activitats complementàries", "40", "4", "", "True", "", ""}));
    expectUnique(fixture::column(asignomt, 0), "ASIGNOMT.COD");

    const QList<QStringList> proft = fixture::readRows(prefix, "PROFT");
    EXPECT_EQ(names(fixture::readFields(prefix, "PROFT")), QStringList({"ABREV", "NOMBRE", "DEPART", "DNI", "CODI", "EMAIL"}));
    ASSERT_EQ(proft.size(), 70);
    EXPECT_EQ(proft[0], QStringList({"?NO1", "?NO1", "?NO1", "", "8071", ""}));
    expectUnique(fixture::column(proft, 0), "PROFT.ABREV");

    const QList<QStringList> aulat = fixture::readRows(prefix, "AULAT");
    EXPECT_EQ(names(fixture::readFields(prefix, "AULAT")), QStringList({"ABREV", "NOMBRE", "EDIFICIO", "MAXALUM", "CODI"}));
    ASSERT_EQ(aulat.size(), 35);
    EXPECT_EQ(aulat[0], QStringList({"BIB", "(2710) BIB", "", "", "2710"}));
    expectUnique(fixture::column(aulat, 0), "AULAT.ABREV");

    EXPECT_EQ(names(fixture::readFields(prefix, "CURSOST")), QStringList({"CODI", "DESCRIPCIO", "NIVEL", "CURSO"}));
    EXPECT_EQ(fixture::readRows(prefix, "CURSOST"), courses);
    EXPECT_EQ(names(fixture::readFields(prefix, "CURSOST2")), QStringList({"CODI", "DESCRIPCIO", "NIVEL", "CURSO"}));
    EXPECT_EQ(fixture::readRows(prefix, "CURSOST2"), courses);

    const QList<QStringList> grupost = fixture::readRows(prefix, "GRUPOST");
    EXPECT_EQ(fixture::readFields(prefix, "GRUPOST"),
              QStringList({"ABREV C 10", "TURNO C 1", "NIVEL C 5", "CURSO C 3", "GRUPO C 2", "DESCRIP C 80",
                           "MARCO C 1", "CODI C 20", "CODICURS C 20"}));
    ASSERT_EQ(grupost.size(), 29);
    EXPECT_EQ(grupost.first(), QStringList({"ESO1A", "", "ESO", "1", "A", "(394267) 1r ESO - A", "0", "394267", "62"}));
    EXPECT_EQ(grupost.last(), QStringList({"ESO8F", "", "ESO", "8", "F", "(394441) IFC21 - F", "0", "394441", "7837"}));
    expectUnique(fixture::column(grupost, 0), "GRUPOST.ABREV");

    EXPECT_EQ(fixture::readFields(prefix, "MATIB"),
              QStringList({"ABREV C 10", "ABREV8 C 10", "NOMBRE C 80", "NIVEL C 5", "CURSO C 3"}));
    EXPECT_EQ(fixture::readRows(prefix, "MATIB"),
              QList<QStringList>({{"111", "111", "Biologia i geologia - A-1E", "ESO", "1"},
                                  {"222", "222", "Biologia i geologia - B-1E", "ESO", "1"},
                                  {"333", "333", "Biologia i geologia - C-1E", "ESO", "1"}}));
    const MdxTagInfo tag = MdxReader(prefix.vtempFile("MATIB.MDX").toStdString()).readTag("ABREV");
    EXPECT_EQ(tag.entries,
              std::vector<MdxLeafEntry>({{"111       ", 1}, {"222       ", 2}, {"333       ", 3}}));

    // The four groups of 1r ESO, each with the course's three subjects.
    const QList<QStringList> asigt = fixture::readRows(prefix, "ASIGT");
    EXPECT_EQ(names(fixture::readFields(prefix, "ASIGT")),
              QStringList({"CASIG", "CPROF", "CGRUP", "CAULA", "TURNO", "NIVEL", "CURSO", "GRUPO", "HORAS",
                           "SESIONES", "NCONEX", "CTAREA"}));
    QList<QStringList> lines;
    for (const QString grupo : {"A", "B", "C", "D"})
        for (const QString casig : {"111", "222", "333"})
            lines << QStringList{casig, "", "ESO1" + grupo, "", "", "ESO", "1", grupo, "4", "1111", "", ""};
    EXPECT_EQ(asigt, lines);

    EXPECT_EQ(names(fixture::readFields(prefix, "DIASHORAST")),
              QStringList({"DIHO", "CODDIHO", "DIA", "TEXTODIA", "HORA", "TEXTOHOR", "HORADESDE", "HORAHASTA",
                           "MINUTOS", "MARCO", "MARCOXML"}));
    EXPECT_TRUE(fixture::readRows(prefix, "DIASHORAST").isEmpty());
}

TEST(FullImport, NextYearsImportRecoversTheLevelsAndReplacesTheRest)
{
    TempWinePrefix prefix;
    {
        MainFormState form;
        importCentre(form, sample2018, {Answer::Ok});
    }
    MainFormState form;
    // Yes to recovering last year's levels, which leaves nothing blank; Cancel to the lines.
    importCentre(form, sample2019, {Answer::Yes, Answer::Cancel});

    EXPECT_EQ(fixture::readRows(prefix, "CURSOST"), courses);
    EXPECT_EQ(fixture::readRows(prefix, "GRUPOST").size(), 29);
    EXPECT_EQ(fixture::column(fixture::readRows(prefix, "ASIGNOMT"), 7), QStringList({"ESO", "ESO", "ESO", "ESO"}));
    EXPECT_EQ(fixture::column(fixture::readRows(prefix, "MATIB"), 0), QStringList({"111", "222", "333", "NOVA"}));
    EXPECT_TRUE(fixture::readRows(prefix, "AULAT").isEmpty());
    EXPECT_TRUE(fixture::readRows(prefix, "ASIGT").isEmpty());
}
