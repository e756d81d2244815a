#include "import/CrearAsignaturas.h"

#include "tests/import/ImportFixture.h"

#include <gtest/gtest.h>

#include <QFile>

using namespace centre_import;

namespace {

QString centre(const QString &body)
{
    return QStringLiteral("<CENTRE>") + body + QStringLiteral("</CENTRE>");
}

// Rows as python3-dbf reads them: COD, CODLARGO, NOMBRE, CODI, HORAS,
// CODICURS, ESTAREA, DENIVEL, DECURSO.
QStringList subject(const QString &cod, const QString &codlargo, const QString &nombre, const QString &codi,
                    const QString &codicurs)
{
    return {cod, codlargo, nombre, codi, QStringLiteral("4"), codicurs, QStringLiteral("False"), {}, {}};
}

QStringList activity(const QString &cod, const QString &codlargo, const QString &nombre, const QString &codi)
{
    return {cod, codlargo, nombre, codi, QStringLiteral("4"), {}, QStringLiteral("True"), {}, {}};
}

const QString longText = QStringLiteral("Llengua castellana i literatura, grup de reforç del primer cicle d'ESO, tarda"
                                        " (2n quadrimestre)"); // 96 characters

struct SubjectsCase {
    const char *name;
    QString document;
    QList<QStringList> rows;
};

const SubjectsCase subjectsCases[] = {
    {"values trimmed; tabs and line breaks inside become blanks",
     centre("<MATERIES><MATERIA codi='  M1  ' curs=' 62\t' descripcio='\tLlengua\tcatalana\ni literatura\n'"
            " curta='&#9;LCL &#13;'/></MATERIES>"),
     {subject("LCL", "LCL", "Llengua catalana i literatura", "M1", "62")}},
    {"long values cut to their fields; the long code keeps the last character",
     centre("<MATERIES><MATERIA codi='1234567890123456789012345' curs='ABCDEFGHIJKLMNOPQRSTUVW'"
            " descripcio=\"" + longText + "\" curta='ABCDEFGHIJK'/></MATERIES>"
            "<ACTIVITATS><ACTIVITAT codi='ACT-1234567890-LONG' descripcio='Guàrdia' curta='ABCDEFGHIJK'/>"
            "</ACTIVITATS>"),
     {subject("ABCDEFGHIK", "ABCDEFGHIK", longText.left(80), "12345678901234567890", "ABCDEFGHIJKLMNOPQRST"),
      activity("ACT-123456", "ABCDEFGHIJ", "Guàrdia", "ACT-1234567890-LONG")}},
    {"subjects differing in case are numbered but keep their own long code",
     centre("<MATERIES><MATERIA codi='1' curs='62' descripcio='Matemàtiques' curta='Matematiques'/>"
            "<MATERIA codi='2' curs='63' descripcio='MATEMÀTIQUES' curta='MATEMATIQUES'/>"
            "<MATERIA codi='3' curs='64' descripcio='Àlgebra' curta='Àlg'/>"
            "<MATERIA codi='4' curs='64' descripcio='àlgebra' curta='àlg'/></MATERIES>"),
     {subject("Matematiqs", "Matematiqs", "Matemàtiques", "1", "62"),
      subject("MATEMATIQ1", "MATEMATIQS", "MATEMÀTIQUES", "2", "63"),
      subject("Àlg", "Àlg", "Àlgebra", "3", "64"),
      subject("àlg1", "àlg", "àlgebra", "4", "64")}},
    {"an activity and a subject with the same code both keep it; activities come last",
     centre("<ACTIVITATS><ACTIVITAT codi='TUT' descripcio='Tutoria' curta='Tutoria'/></ACTIVITATS>"
            "<MATERIES><MATERIA codi='7001' curs='62' descripcio='Tutoria de grup' curta='TUT'/></MATERIES>"),
     {subject("TUT", "TUT", "Tutoria de grup", "7001", "62"), activity("TUT", "Tutoria", "Tutoria", "TUT")}},
    {"two MATERIES sections, the first one first",
     centre("<MATERIES><MATERIA codi='1' curs='62' descripcio='Física' curta='FIS'/></MATERIES>"
            "<ACTIVITATS/>"
            "<MATERIES><MATERIA codi='2' curs='62' descripcio='Química' curta='FIS'/></MATERIES>"),
     {subject("FIS", "FIS", "Física", "1", "62"), subject("FIS1", "FIS", "Química", "2", "62")}},
    {"missing attributes read as empty text; empty curtas are numbered at once",
     centre("<MATERIES><MATERIA codi='1'/><MATERIA descripcio='Sense curta' curta=''/></MATERIES>"
            "<ACTIVITATS><ACTIVITAT/></ACTIVITATS>"),
     {subject("1", "", "", "1", ""), subject("2", "", "Sense curta", "", ""), activity("", "", "", "")}},
    {"elements on other paths are not read",
     centre("<MATERIA codi='X' curta='X'/><AULES><MATERIA codi='Y' curta='Y'/></AULES>"
            "<MATERIES><MATERIES><MATERIA codi='Z' curta='Z'/></MATERIES></MATERIES>"),
     {}},
    {"an empty document", centre({}), {}},
    {"a root element in lower case", QStringLiteral("<centre><MATERIES><MATERIA codi='1'/></MATERIES></centre>"), {}},
};

class SubjectsTable : public testing::TestWithParam<SubjectsCase> {};

TEST_P(SubjectsTable, HoldsTheSubjectsThenTheActivities)
{
    TempWinePrefix prefix;
    fixture::FormWithDocument form;
    fixture::loadDocument(form, GetParam().document);
    CrearAsignaturas(*form.DocXML, form.workingFolder);
    EXPECT_EQ(fixture::readRows(prefix, QStringLiteral("ASIGNOMT")), GetParam().rows);
}

INSTANTIATE_TEST_SUITE_P(Documents, SubjectsTable, testing::ValuesIn(subjectsCases),
                         [](const testing::TestParamInfo<SubjectsCase> &info) { return std::to_string(info.index); });

// Whatever an earlier import left, its index file included, is gone.
TEST(SubjectsTable, ReplacesAnEarlierTableAndItsIndex)
{
    TempWinePrefix prefix;
    fixture::writeTable(QStringLiteral("ASIGNOMT"), asignomtFields(),
                        {fixture::subjectRow(QStringLiteral("OLD"), QStringLiteral("62"))});
    QFile mdx(prefix.vtempFile(QStringLiteral("ASIGNOMT.MDX")));
    ASSERT_TRUE(mdx.open(QIODevice::WriteOnly));
    mdx.write("left by the timetabling program");
    mdx.close();

    fixture::FormWithDocument form;
    fixture::loadDocument(form, centre("<MATERIES><MATERIA codi='1' curs='62' descripcio='Física' curta='FIS'/></MATERIES>"));
    CrearAsignaturas(*form.DocXML, form.workingFolder);

    EXPECT_FALSE(QFile::exists(prefix.vtempFile(QStringLiteral("ASIGNOMT.MDX"))));
    EXPECT_EQ(fixture::readRows(prefix, QStringLiteral("ASIGNOMT")),
              QList<QStringList>{subject("FIS", "FIS", "Física", "1", "62")});
}

} // namespace
