#include "import/CrearAulas.h"

#include "tests/import/ImportFixture.h"

#include <gtest/gtest.h>

using namespace centre_import;

namespace {

QString aules(const QString &body)
{
    return QStringLiteral("<CENTRE><AULES>") + body + QStringLiteral("</AULES></CENTRE>");
}

// An AULAT row as python3-dbf reads it: ABREV, NOMBRE, EDIFICIO, MAXALUM, CODI.
QStringList roomRow(const QString &abrev, const QString &nombre, const QString &codi)
{
    return {abrev, nombre, {}, {}, codi};
}

const QString longDescription = QStringLiteral("Laboratori de ciències naturals, biologia i geologia: planta baixa,"
                                               " edifici nou"); // 79 characters

struct RoomsCase {
    const char *name;
    QString document;
    QList<QStringList> rows;
};

const RoomsCase roomsCases[] = {
    {"the short code from the description, the name from both",
     aules("<AULA codi='12' descripcio='Aula de Musica'/><AULA codi='13' descripcio='Aula de musica 2'/>"),
     {roomRow("Aula de Mu", "(12) Aula de Musica", "12"), roomRow("Aula de m1", "(13) Aula de musica 2", "13")}},
    {"values trimmed; tabs and line breaks inside become blanks",
     aules("<AULA codi='\t2710 ' descripcio=' Biblioteca\ndel\tcentre\n'/>"),
     {roomRow("Biblioteca", "(2710) Biblioteca del centre", "2710")}},
    {"a composed name over 80 characters is cut, the description is not shortened first",
     aules("<AULA codi='2705' descripcio='" + longDescription + "'/>"),
     {roomRow("Laboratori", ("(2705) " + longDescription).left(80), "2705")}},
    {"codes cut to 60 characters",
     aules("<AULA codi='" + QString(70, QLatin1Char('9')) + "' descripcio='Pati'/><AULA codi='2' descripcio='Pati'/>"),
     {roomRow("Pati", "(" + QString(70, QLatin1Char('9')) + ") Pati", QString(60, QLatin1Char('9'))),
      roomRow("Pati1", "(2) Pati", "2")}},
    {"a code cut after a blank and the same text without it",
     aules("<AULA codi='1' descripcio='Taller de Tecnologia'/><AULA codi='2' descripcio='Taller de'/>"),
     {roomRow("Taller de", "(1) Taller de Tecnologia", "1"), roomRow("Taller de1", "(2) Taller de", "2")}},
    {"rooms without a description are numbered at once; missing attributes read empty",
     aules("<AULA codi='7' descripcio=''/><AULA codi='8'/><AULA/>"),
     {roomRow("1", "(7)", "7"), roomRow("2", "(8)", "8"), roomRow("3", "()", "")}},
    {"accents kept, outside code page 1252 stored as '?'",
     aules("<AULA codi='3' descripcio='Gimnàs · Sala Ω'/>"),
     {roomRow("Gimnàs · S", "(3) Gimnàs · Sala ?", "3")}},
    {"no rooms", QStringLiteral("<CENTRE><AULES/><AULA codi='1' descripcio='Fora'/></CENTRE>"), {}},
};

class RoomsTable : public testing::TestWithParam<RoomsCase> {};

TEST_P(RoomsTable, HoldsOneRowPerRoom)
{
    TempWinePrefix prefix;
    fixture::FormWithDocument form;
    fixture::loadDocument(form, GetParam().document);
    CrearAulas(*form.DocXML, form.workingFolder);
    EXPECT_EQ(fixture::readRows(prefix, QStringLiteral("AULAT")), GetParam().rows);
}

INSTANTIATE_TEST_SUITE_P(Documents, RoomsTable, testing::ValuesIn(roomsCases),
                         [](const testing::TestParamInfo<RoomsCase> &info) { return std::to_string(info.index); });

} // namespace
