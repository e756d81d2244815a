#include "import/CrearAsignaturas.h"
#include "import/CrearAulas.h"
#include "import/CrearProfesores.h"
#include "import/CentreDocument.h"

#include "run/MainFormState.h"
#include "tests/support/CentreDocuments.h"
#include "tests/support/PyDbf.h"
#include "tests/support/TempWinePrefix.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QSet>

using namespace centre_import;

namespace {

// The first three steps over whole centre documents, ours and the real
// exports: every element gets a row, and every short code is given once,
// ignoring case, and never empty.
struct CentreCase {
    const char *name;
    const char *file;
    bool realExport; // one of the real exports, read only where they are at hand
    int subjectsAndActivities;
    int posts;
    int rooms;
};

const CentreCase centreCases[] = {
    {"OurSchool", "centre-escola.xml", false, 3 + 3, 5, 3},
    {"OurSchoolNextYear", "centre-escola-seguent.xml", false, 2, 2, 0}, // no ACTIVITATS and no AULES
    {"Real2018", "centre-2018.xml", true, 3 + 49, 70, 35},
    {"Real2019Variant", "centre-2019-variant.xml", true, 4, 70, 0}, // no ACTIVITATS and no AULES
};

struct TableCase {
    const char *name;
    QStringList layout; // name, type and length of each field
};

const TableCase tables[] = {
    {"ASIGNOMT",
     {"COD C 10", "CODLARGO C 10", "NOMBRE C 80", "CODI C 20", "HORAS C 8", "CODICURS C 20", "ESTAREA L 1",
      "DENIVEL C 5", "DECURSO C 3"}},
    {"PROFT", {"ABREV C 10", "NOMBRE C 80", "DEPART C 40", "DNI N 11", "CODI C 40", "EMAIL C 100"}},
    {"AULAT", {"ABREV C 10", "NOMBRE C 80", "EDIFICIO C 1", "MAXALUM N 11", "CODI C 60"}},
};

QStringList layoutOf(const QJsonObject &dump)
{
    QStringList layout;
    for (const QJsonValue &field : dump.value(QStringLiteral("fields")).toArray())
        layout << QStringLiteral("%1 %2 %3")
                      .arg(field[QStringLiteral("name")].toString(), field[QStringLiteral("type")].toString())
                      .arg(field[QStringLiteral("length")].toInt());
    return layout;
}

class Centres : public testing::TestWithParam<CentreCase> {};

TEST_P(Centres, GiveEveryElementARowAndAUniqueCode)
{
    const CentreCase &sample = GetParam();
    if (sample.realExport)
        SKIP_WITHOUT_GESTIB_SAMPLES();
    const QString file = QString::fromUtf8(sample.file);
    TempWinePrefix prefix;
    CentreDocument document = readCentreDocument(sample.realExport ? gestibSample(file) : centreFixture(file));

    CrearAsignaturas(document, winpath::WorkingFolder());
    CrearProfesores(document, winpath::WorkingFolder());
    CrearAulas(document, winpath::WorkingFolder());

    const int rowCounts[] = {sample.subjectsAndActivities, sample.posts, sample.rooms};
    for (std::size_t t = 0; t < std::size(tables); ++t) {
        const QJsonObject dump = readWithPythonDbf(prefix.vtempFile(QString::fromUtf8(tables[t].name) + ".DBF"));
        EXPECT_EQ(layoutOf(dump), tables[t].layout) << tables[t].name;
        const QList<QStringList> rows = pythonDbfRows(dump);
        EXPECT_EQ(rows.size(), rowCounts[t]) << tables[t].name;

        QSet<QString> codes;
        for (const QStringList &row : rows) {
            EXPECT_FALSE(row.at(0).isEmpty()) << tables[t].name;
            EXPECT_FALSE(codes.contains(row.at(0).toCaseFolded())) << tables[t].name << " " << row.at(0).toStdString();
            codes.insert(row.at(0).toCaseFolded());
        }
    }
}

INSTANTIATE_TEST_SUITE_P(GestIB, Centres, testing::ValuesIn(centreCases),
                         [](const testing::TestParamInfo<CentreCase> &info) { return std::string(info.param.name); });

} // namespace
