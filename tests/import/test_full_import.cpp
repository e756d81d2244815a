#include "import/CentreImport.h"

#include "tests/import/ImportFixture.h"
#include "tests/support/CentreDocuments.h"
#include "tests/support/MdxReader.h"
#include "tests/support/ScriptedInteraction.h"

#include <gtest/gtest.h>

#include <QSet>

using namespace centre_import;

using Answer = UserInteraction::Answer;

namespace {

// The real school's courses in document order, as the scripted user fills
// them: level ESO, course number the row's.
const QList<QStringList> realCourses = {
    {"62", "1r ESO", "ESO", "1"},  {"66", "1r Batx.", "ESO", "2"}, {"67", "2n batx.", "ESO", "3"},
    {"94", "3r ESO", "ESO", "4"},  {"95", "4t ESO", "ESO", "5"},   {"563", "2n ESO", "ESO", "6"},
    {"7051", "IFC31", "ESO", "7"}, {"7837", "IFC21", "ESO", "8"},
};

// Runs a whole centre import of the file as the user would: the file chosen,
// the dialog filled and confirmed, the given answers to the questions; it
// ends with `finished`.
void importCentre(MainFormState &form, const QString &file, const std::deque<Answer> &answers,
                  const QString &finished)
{
    ScriptedInteraction user;
    user.fileChoices.push_back(file);
    user.answers = answers;

    BExportarClick(form, user);

    EXPECT_EQ(user.errors(), QStringList());
    EXPECT_EQ(user.messages(), QStringList{finished});
    EXPECT_TRUE(user.answers.empty()) << "a question was not asked";
    EXPECT_EQ(user.hourglassDepth, 0);
}

// A teacher's and a room's short codes of our school differ from their base.
const QString ourSchoolFinished = QStringLiteral("Proceso finalizado con 2 avisos");

QStringList names(const QStringList &fields)
{
    QStringList out;
    for (const QString &field : fields)
        out << field.section(QLatin1Char(' '), 0, 0);
    return out;
}

// The fields of every working table, whatever the document.
void expectWorkingTableLayouts(const TempWinePrefix &prefix)
{
    EXPECT_EQ(names(fixture::readFields(prefix, "ASIGNOMT")),
              QStringList({"COD", "CODLARGO", "NOMBRE", "CODI", "HORAS", "CODICURS", "ESTAREA", "DENIVEL", "DECURSO"}));
    EXPECT_EQ(names(fixture::readFields(prefix, "PROFT")), QStringList({"ABREV", "NOMBRE", "DEPART", "DNI", "CODI", "EMAIL"}));
    EXPECT_EQ(names(fixture::readFields(prefix, "AULAT")), QStringList({"ABREV", "NOMBRE", "EDIFICIO", "MAXALUM", "CODI"}));
    EXPECT_EQ(names(fixture::readFields(prefix, "CURSOST")), QStringList({"CODI", "DESCRIPCIO", "NIVEL", "CURSO"}));
    EXPECT_EQ(names(fixture::readFields(prefix, "CURSOST2")), QStringList({"CODI", "DESCRIPCIO", "NIVEL", "CURSO"}));
    EXPECT_EQ(fixture::readFields(prefix, "GRUPOST"),
              QStringList({"ABREV C 10", "TURNO C 1", "NIVEL C 5", "CURSO C 3", "GRUPO C 2", "DESCRIP C 80",
                           "MARCO C 1", "CODI C 20", "CODICURS C 20"}));
    EXPECT_EQ(fixture::readFields(prefix, "MATIB"),
              QStringList({"ABREV C 10", "ABREV8 C 10", "NOMBRE C 80", "NIVEL C 5", "CURSO C 3"}));
    EXPECT_EQ(names(fixture::readFields(prefix, "ASIGT")),
              QStringList({"CASIG", "CPROF", "CGRUP", "CAULA", "TURNO", "NIVEL", "CURSO", "GRUPO", "HORAS",
                           "SESIONES", "NCONEX", "CTAREA"}));
    EXPECT_EQ(names(fixture::readFields(prefix, "DIASHORAST")),
              QStringList({"DIHO", "CODDIHO", "DIA", "TEXTODIA", "HORA", "TEXTOHOR", "HORADESDE", "HORAHASTA",
                           "MINUTOS", "MARCO", "MARCOXML"}));
}

// The line that the lines step proposes for a subject and a group of level ESO.
QStringList line(const QString &casig, const QString &curso, const QString &grupo)
{
    return {casig, "", "ESO" + curso + grupo, "", "", "ESO", curso, grupo, "4", "1111", "", ""};
}

void expectUnique(const QStringList &codes, const char *what)
{
    EXPECT_EQ(QSet<QString>(codes.begin(), codes.end()).size(), codes.size()) << what << ": " << codes.join(',').toStdString();
}

} // namespace

// Our own school, in the shapes of a real export: accents, "·" and "'",
// a post without "descripcio", a room name given twice, a course without groups.
const QList<QStringList> ourCourses = {
    {"71", "1r ESO", "ESO", "1"}, {"84", "2n Batx.", "ESO", "2"}, {"905", "Formació bàsica", "ESO", "3"}};

TEST(FullImport, OurSchoolBecomesTheNineWorkingTables)
{
    TempWinePrefix prefix;
    MainFormState form;
    importCentre(form, centreFixture("centre-escola.xml"), {Answer::Ok}, ourSchoolFinished);

    expectWorkingTableLayouts(prefix);
    EXPECT_EQ(fixture::readRows(prefix, "ASIGNOMT"),
              QList<QStringList>({
                  {"Catalana1r", "Catalana1r", "Llengua catalana i literatura · 1r", "3000001", "4", "71", "False", "ESO", "1"},
                  {"Matemàtiq1", "Matemàtiq1", "Matemàtiques", "3000002", "4", "71", "False", "ESO", "1"},
                  {"Hist. art", "Hist. art", "Història de l'art", "3000003", "4", "84", "False", "ESO", "2"},
                  {"12", "Guàrdia", "Guàrdia", "12", "4", "", "True", "", ""},
                  {"14", "Atenció a", "Atenció a pares, mares o tutors legals", "14", "4", "", "True", "", ""},
                  {"15", "*Prefectur", "*Dedicació a prefectura d'estudis", "15", "4", "", "True", "", ""},
              }));
    EXPECT_EQ(fixture::readRows(prefix, "PROFT"),
              QList<QStringList>({
                  {"?VAC1", "?VAC1", "?VAC1", "", "5101", ""},
                  {"MAT1", "PROVA01, NOM", "PROVA01, NOM", "", "5102", ""},
                  {"CAT1", "PROVAÇ02, NOM", "PROVAÇ02, NOM", "", "5103", ""},
                  {"INT1 FIS", "", "", "", "5104", ""},
                  {"mat11", "PROVA03, NOM", "PROVA03, NOM", "", "5105", ""},
              }));
    EXPECT_EQ(fixture::readRows(prefix, "AULAT"),
              QList<QStringList>({
                  {"Pati", "(801) Pati", "", "", "801"},
                  {"Pati1", "(802) Pati", "", "", "802"},
                  {"1-04 (MÚS)", "(803) 1-04 (MÚS)", "", "", "803"},
              }));
    EXPECT_EQ(fixture::readRows(prefix, "CURSOST"), ourCourses);
    EXPECT_EQ(fixture::readRows(prefix, "CURSOST2"), ourCourses);
    EXPECT_EQ(fixture::readRows(prefix, "GRUPOST"),
              QList<QStringList>({
                  {"ESO1A", "", "ESO", "1", "A", "(600101) 1r ESO - A", "0", "600101", "71"},
                  {"ESO1B", "", "ESO", "1", "B", "(600102) 1r ESO - B", "0", "600102", "71"},
                  {"ESO2A", "", "ESO", "2", "A", "(600201) 2n Batx. - A", "0", "600201", "84"},
              }));
    EXPECT_EQ(fixture::readRows(prefix, "MATIB"),
              QList<QStringList>({{"Catalana1r", "Catalana1r", "Llengua catalana i literatura · 1r", "ESO", "1"},
                                  {"Matemàtiq1", "Matemàtiq1", "Matemàtiques", "ESO", "1"},
                                  {"Hist. art", "Hist. art", "Història de l'art", "ESO", "2"}}));
    const MdxTagInfo tag = MdxReader(prefix.vtempFile("MATIB.MDX").toStdString()).readTag("ABREV");
    // Keys in the table's code page (windows-1252: "à" is 0xE0), in key order.
    EXPECT_EQ(tag.entries, std::vector<MdxLeafEntry>({{"Catalana1r", 1}, {"Hist. art ", 3}, {"Matem\xE0tiq1", 2}}));
    EXPECT_EQ(fixture::readRows(prefix, "ASIGT"),
              QList<QStringList>({line("Catalana1r", "1", "A"), line("Matemàtiq1", "1", "A"),
                                  line("Catalana1r", "1", "B"), line("Matemàtiq1", "1", "B"),
                                  line("Hist. art", "2", "A")}));
    EXPECT_TRUE(fixture::readRows(prefix, "DIASHORAST").isEmpty());
}

TEST(FullImport, OurSchoolsNextImportRecoversTheLevelsAndReplacesTheRest)
{
    TempWinePrefix prefix;
    {
        MainFormState form;
        importCentre(form, centreFixture("centre-escola.xml"), {Answer::Ok}, ourSchoolFinished);
    }
    MainFormState form;
    // Yes to recovering last year's levels, which leaves nothing blank; Cancel to the lines.
    // No rooms; and of the set it replaces: another school year, fewer than
    // half the subjects and teachers, and the subject lines left out.
    importCentre(form, centreFixture("centre-escola-seguent.xml"), {Answer::Yes, Answer::Cancel},
                 QStringLiteral("Proceso finalizado con 5 avisos"));

    EXPECT_EQ(fixture::readRows(prefix, "CURSOST"), ourCourses);
    EXPECT_EQ(fixture::column(fixture::readRows(prefix, "GRUPOST"), 7), QStringList({"610101", "610102", "610201"}));
    EXPECT_EQ(fixture::column(fixture::readRows(prefix, "ASIGNOMT"), 7), QStringList({"ESO", "ESO"}));
    EXPECT_EQ(fixture::column(fixture::readRows(prefix, "MATIB"), 0), QStringList({"Catalana1r", "Tec1"}));
    EXPECT_EQ(fixture::column(fixture::readRows(prefix, "PROFT"), 4), QStringList({"5201", "5202"}));
    EXPECT_TRUE(fixture::readRows(prefix, "AULAT").isEmpty());
    EXPECT_TRUE(fixture::readRows(prefix, "ASIGT").isEmpty());
}

TEST(FullImport, ARealSchoolBecomesTheNineWorkingTables)
{
    SKIP_WITHOUT_GESTIB_SAMPLES();
    TempWinePrefix prefix;
    MainFormState form;
    importCentre(form, gestibSample("centre-2018.xml"), {Answer::Ok}, QStringLiteral("Proceso finalizado"));
    expectWorkingTableLayouts(prefix);

    const QList<QStringList> asignomt = fixture::readRows(prefix, "ASIGNOMT");
    ASSERT_EQ(asignomt.size(), 3 + 49);
    EXPECT_EQ(asignomt[0], QStringList({"111", "111", "Biologia i geologia - A-1E", "1111110", "4", "62", "False", "ESO", "1"}));
    EXPECT_EQ(asignomt[3], QStringList({"40", "Altres act", "Altres activitats complementàries", "40", "4", "", "True", "", ""}));
    expectUnique(fixture::column(asignomt, 0), "ASIGNOMT.COD");

    const QList<QStringList> proft = fixture::readRows(prefix, "PROFT");
    ASSERT_EQ(proft.size(), 70);
    EXPECT_EQ(proft[0], QStringList({"?NO1", "?NO1", "?NO1", "", "8071", ""}));
    expectUnique(fixture::column(proft, 0), "PROFT.ABREV");

    const QList<QStringList> aulat = fixture::readRows(prefix, "AULAT");
    ASSERT_EQ(aulat.size(), 35);
    EXPECT_EQ(aulat[0], QStringList({"BIB", "(2710) BIB", "", "", "2710"}));
    expectUnique(fixture::column(aulat, 0), "AULAT.ABREV");

    EXPECT_EQ(fixture::readRows(prefix, "CURSOST"), realCourses);
    EXPECT_EQ(fixture::readRows(prefix, "CURSOST2"), realCourses);

    const QList<QStringList> grupost = fixture::readRows(prefix, "GRUPOST");
    ASSERT_EQ(grupost.size(), 29);
    EXPECT_EQ(grupost.first(), QStringList({"ESO1A", "", "ESO", "1", "A", "(394267) 1r ESO - A", "0", "394267", "62"}));
    EXPECT_EQ(grupost.last(), QStringList({"ESO8F", "", "ESO", "8", "F", "(394441) IFC21 - F", "0", "394441", "7837"}));
    expectUnique(fixture::column(grupost, 0), "GRUPOST.ABREV");

    EXPECT_EQ(fixture::readRows(prefix, "MATIB"),
              QList<QStringList>({{"111", "111", "Biologia i geologia - A-1E", "ESO", "1"},
                                  {"222", "222", "Biologia i geologia - B-1E", "ESO", "1"},
                                  {"333", "333", "Biologia i geologia - C-1E", "ESO", "1"}}));
    const MdxTagInfo tag = MdxReader(prefix.vtempFile("MATIB.MDX").toStdString()).readTag("ABREV");
    EXPECT_EQ(tag.entries,
              std::vector<MdxLeafEntry>({{"111       ", 1}, {"222       ", 2}, {"333       ", 3}}));

    // The four groups of 1r ESO, each with the course's three subjects.
    const QList<QStringList> asigt = fixture::readRows(prefix, "ASIGT");
    QList<QStringList> lines;
    for (const QString grupo : {"A", "B", "C", "D"})
        for (const QString casig : {"111", "222", "333"})
            lines << line(casig, "1", grupo);
    EXPECT_EQ(asigt, lines);

    EXPECT_TRUE(fixture::readRows(prefix, "DIASHORAST").isEmpty());
}

TEST(FullImport, NextYearsImportRecoversTheLevelsAndReplacesTheRest)
{
    SKIP_WITHOUT_GESTIB_SAMPLES();
    TempWinePrefix prefix;
    {
        MainFormState form;
        importCentre(form, gestibSample("centre-2018.xml"), {Answer::Ok}, QStringLiteral("Proceso finalizado"));
    }
    MainFormState form;
    // Yes to recovering last year's levels, which leaves nothing blank; Cancel to the lines.
    // No rooms; and of the set it replaces: fewer than half the subjects,
    // and the subject lines left out.
    importCentre(form, gestibSample("centre-2019-variant.xml"), {Answer::Yes, Answer::Cancel},
                 QStringLiteral("Proceso finalizado con 3 avisos"));

    EXPECT_EQ(fixture::readRows(prefix, "CURSOST"), realCourses);
    EXPECT_EQ(fixture::readRows(prefix, "GRUPOST").size(), 29);
    EXPECT_EQ(fixture::column(fixture::readRows(prefix, "ASIGNOMT"), 7), QStringList({"ESO", "ESO", "ESO", "ESO"}));
    EXPECT_EQ(fixture::column(fixture::readRows(prefix, "MATIB"), 0), QStringList({"111", "222", "333", "NOVA"}));
    EXPECT_TRUE(fixture::readRows(prefix, "AULAT").isEmpty());
    EXPECT_TRUE(fixture::readRows(prefix, "ASIGT").isEmpty());
}
