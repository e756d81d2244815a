#include "import/CrearProfesores.h"

#include "tests/import/ImportFixture.h"

#include <gtest/gtest.h>

using namespace centre_import;

namespace {

QString places(const QString &body)
{
    return QStringLiteral("<CENTRE><PLACES>") + body + QStringLiteral("</PLACES></CENTRE>");
}

// A PROFT row as python3-dbf reads it: ABREV, NOMBRE, DEPART, DNI, CODI, EMAIL.
QStringList teacher(const QString &abrev, const QString &nombre, const QString &codi)
{
    return {abrev, nombre, nombre.left(40), {}, codi, {}};
}

// A description whose 76th character, when it is longer than 80, is the only
// 'X', and whose last five are "12345".
QString description(int length)
{
    QString text = QStringLiteral("COGNOMÇ01 COGNOM02, NOM; ");
    while (text.size() < length - 5)
        text += QLatin1Char(text.size() == 75 ? 'X' : char('a' + text.size() % 26));
    return text + QStringLiteral("12345");
}

struct TeachersCase {
    const char *name;
    QString document;
    QList<QStringList> rows;
};

const TeachersCase teachersCases[] = {
    {"values trimmed; tabs and line breaks inside become blanks",
     places("<PLACA codi=' 8072\n' descripcio='\tCOGNOM01,\tNOM\nSEGON ' curta='  GIH1  '/>"),
     {teacher("GIH1", "COGNOM01, NOM SEGON", "8072")}},
    {"descriptions over 80 characters keep their first 75 and last 5",
     places("<PLACA codi='1' descripcio='" + description(80) + "' curta='A'/>"
            "<PLACA codi='2' descripcio='" + description(81) + "' curta='B'/>"
            "<PLACA codi='3' descripcio='" + description(120) + "' curta='C'/>"),
     {teacher("A", description(80), "1"),
      {"B", description(81).left(75) + "12345", description(81).left(40), {}, "2", {}},
      {"C", description(120).left(75) + "12345", description(120).left(40), {}, "3", {}}}},
    {"codes cut to 40 characters, curtas to 9 when longer than 10",
     places("<PLACA codi='" + QString(45, QLatin1Char('7')) + "' descripcio='INT1 ECO 1/2' curta='RODRIGUEZ M'/>"
            "<PLACA codi='2' descripcio='INT2 ECO 1/2' curta='Rodriguez X'/>"),
     {teacher("RODRIGUEZ", "INT1 ECO 1/2", QString(40, QLatin1Char('7'))),
      teacher("Rodriguez1", "INT2 ECO 1/2", "2")}},
    {"posts with the same ten-character curta get different codes",
     places("<PLACA codi='1' descripcio='A' curta='MARTINEZAB'/><PLACA codi='2' descripcio='B' curta='MARTINEZAB'/>"
            "<PLACA codi='3' descripcio='C' curta='martinezab'/>"),
     {teacher("MARTINEZAB", "A", "1"), teacher("MARTINEZB1", "B", "2"), teacher("martinezb2", "C", "3")}},
    {"posts without curta are numbered from P1, missing attributes read empty",
     places("<PLACA codi='1' descripcio='?NO1' curta=''/><PLACA codi='2'/><PLACA/>"),
     {teacher("P1", "?NO1", "1"), teacher("P2", "", "2"), teacher("P3", "", "")}},
    {"accents kept", places("<PLACA codi='9' descripcio='COGNOMÇ05, NOM' curta='ÇAM'/>"),
     {teacher("ÇAM", "COGNOMÇ05, NOM", "9")}},
    {"no teaching posts", QStringLiteral("<CENTRE><PLACES/><PLACA codi='1' curta='X'/></CENTRE>"), {}},
};

class TeachersTable : public testing::TestWithParam<TeachersCase> {};

TEST_P(TeachersTable, HoldsOneRowPerPost)
{
    TempWinePrefix prefix;
    fixture::FormWithDocument form;
    fixture::loadDocument(form, GetParam().document);
    CrearProfesores(*form.DocXML, form.workingFolder);
    EXPECT_EQ(fixture::readRows(prefix, QStringLiteral("PROFT")), GetParam().rows);
}

INSTANTIATE_TEST_SUITE_P(Documents, TeachersTable, testing::ValuesIn(teachersCases),
                         [](const testing::TestParamInfo<TeachersCase> &info) { return std::to_string(info.index); });

} // namespace
