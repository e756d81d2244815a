#include "import/CrearGrupos.h"

#include "platform/DbfError.h"
#include "platform/FieldDef.h"
#include "tests/import/ImportFixture.h"
#include "tests/support/MdxReader.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace centre_import;

using fixture::activityRow;
using fixture::subjectRow;

namespace {

const QString longCode = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXY"); // 25 characters; CODI keeps 20
const QString longDescription = QString(100, QLatin1Char('d'));

struct GroupsCase {
    const char *name;
    QList<QStringList> cursost; // CODI, DESCRIPCIO, NIVEL, CURSO as the dialog left them
    QString cursos;             // the CURS elements of the document
    QList<QStringList> asignomt;
    QList<QStringList> grupost; // expected rows, all nine fields
    QList<QStringList> matib;   // expected rows
    QStringList levels;         // expected DENIVEL + "/" + DECURSO of each ASIGNOMT row
};

const GroupsCase groupsCases[] = {
    {"course without a CURSOST row",
     {{"101", "1r ESO", "ESO", "1"}},
     R"(<CURS codi="999" descripcio="Altre"><GRUP codi="G1" nom="A"/></CURS>)",
     {subjectRow("MAT", "999")},
     {{"A", "", "", "", "A", "(G1)  - A", "0", "G1", "999"}},
     {{"MAT", "MAT", "Nom MAT", "", ""}},
     {"/"}},
    {"course code over 20 characters",
     {{longCode.left(20), "Llarg", "ESO", "2"}},
     R"(<CURS codi=")" + longCode + R"("><GRUP codi="G2" nom="B"/></CURS>)",
     {subjectRow("FIS", longCode)},
     {{"B", "", "", "", "B", "(G2)  - B", "0", "G2", longCode.left(20)}},
     {{"FIS", "FIS", "Nom FIS", "", ""}},
     {"/"}},
    {"short codes across courses, long names cut by the table",
     {{"101", "1r ESO", "ESO", "1"}, {"102", "1r ESO bis", "ESO", "1"}, {"201", longDescription, "BATX", "2"}},
     R"(<CURS codi="101"><GRUP codi="G1" nom="A"/></CURS>
        <CURS codi="102"><GRUP codi="G2" nom="A"/></CURS>
        <CURS codi="201"><GRUP codi="G3" nom="CIENCIES"/><GRUP codi="G4" nom="CIENCIES"/>
                         <GRUP codi="G5" nom="CIENCIES"/></CURS>)",
     {},
     {{"ESO1A", "", "ESO", "1", "A", "(G1) 1r ESO - A", "0", "G1", "101"},
      {"ESO1A1", "", "ESO", "1", "A", "(G2) 1r ESO bis - A", "0", "G2", "102"},
      {"BATX2CIEES", "", "BATX", "2", "CI", ("(G3) " + longDescription).left(80), "0", "G3", "201"},
      {"BATX2CIEN1", "", "BATX", "2", "CI", ("(G4) " + longDescription).left(80), "0", "G4", "201"},
      {"BATX2CIEN2", "", "BATX", "2", "CI", ("(G5) " + longDescription).left(80), "0", "G5", "201"}},
     {},
     {}},
    {"course without groups",
     {{"103", "3r ESO", "ESO", "3"}},
     R"(<CURS codi="103" descripcio="3r ESO"/>)",
     {subjectRow("LAT", "103")},
     {},
     {},
     {"/"}},
    {"several groups give one MATIB row, the first CURSOST row wins",
     {{"101", "1r ESO", "ESO", "1"}, {"101", "repetit", "XX", "9"}},
     R"(<CURS codi="101"><GRUP codi="G1" nom="A"/><GRUP codi="G2" nom="B"/><GRUP codi="G3" nom="C"/></CURS>)",
     {subjectRow("MAT", "101"), subjectRow("ANG", "101")},
     {{"ESO1A", "", "ESO", "1", "A", "(G1) 1r ESO - A", "0", "G1", "101"},
      {"ESO1B", "", "ESO", "1", "B", "(G2) 1r ESO - B", "0", "G2", "101"},
      {"ESO1C", "", "ESO", "1", "C", "(G3) 1r ESO - C", "0", "G3", "101"}},
     {{"MAT", "MAT", "Nom MAT", "ESO", "1"}, {"ANG", "ANG", "Nom ANG", "ESO", "1"}},
     {"ESO/1", "ESO/1"}},
    {"activities find no group",
     {{"101", "1r ESO", "ESO", "1"}},
     R"(<CURS codi="101"><GRUP codi="G1" nom="A"/></CURS>)",
     {subjectRow("MAT", "101"), activityRow("GUA"), activityRow("PAT")},
     {{"ESO1A", "", "ESO", "1", "A", "(G1) 1r ESO - A", "0", "G1", "101"}},
     {{"MAT", "MAT", "Nom MAT", "ESO", "1"}},
     {"ESO/1", "/", "/"}},
    {"activities take the group of a course without code",
     {{"", "Sense codi", "ACT", "1"}},
     R"(<CURS codi="" descripcio="Sense codi"><GRUP codi="G9" nom="X"/></CURS>)",
     {activityRow("GUA"), subjectRow("MAT", "101")},
     {{"ACT1X", "", "ACT", "1", "X", "(G9) Sense codi - X", "0", "G9", ""}},
     {{"GUA", "GUA", "Activitat GUA", "ACT", "1"}},
     {"ACT/1", "/"}},
    {"empty ASIGNOMT",
     {{"101", "1r ESO", "ESO", "1"}},
     R"(<CURS codi="101"><GRUP codi="G1" nom="A"/></CURS>)",
     {},
     {{"ESO1A", "", "ESO", "1", "A", "(G1) 1r ESO - A", "0", "G1", "101"}},
     {},
     {}},
};

QString centreDocument(const QString &cursos)
{
    return QStringLiteral("<CENTRE><CURSOS>") + cursos + QStringLiteral("</CURSOS></CENTRE>");
}

void writeInputs(fixture::FormWithDocument &form, const QList<QStringList> &cursost, const QString &cursos,
                 const QList<QStringList> &asignomt)
{
    fixture::writeTable(QStringLiteral("CURSOST"), cursosFields(), cursost);
    fixture::writeTable(QStringLiteral("ASIGNOMT"), asignomtFields(), asignomt);
    fixture::loadDocument(form, centreDocument(cursos));
}

QStringList levels(const QList<QStringList> &asignomt)
{
    QStringList out;
    for (const QStringList &row : asignomt)
        out << row.at(7) + QLatin1Char('/') + row.at(8);
    return out;
}

// ASIGNOMT rows with DENIVEL and DECURSO left out: what the step must not touch.
QList<QStringList> withoutLevels(QList<QStringList> rows)
{
    for (QStringList &row : rows)
        row = row.mid(0, 7);
    return rows;
}

} // namespace

TEST(CrearGrupos, WritesGroupsLevelSubjectsAndLevelsOfSubjects)
{
    for (const GroupsCase &c : groupsCases) {
        SCOPED_TRACE(c.name);
        TempWinePrefix prefix;
        fixture::FormWithDocument form;
        writeInputs(form, c.cursost, c.cursos, c.asignomt);

        CrearGrupos(*form.DocXML, form.takeTableCursos(), form.wwTableGrupos, form.wwTableNomAsg, form.workingFolder);

        EXPECT_EQ(fixture::readRows(prefix, "GRUPOST"), c.grupost);
        EXPECT_EQ(fixture::readRows(prefix, "MATIB"), c.matib);
        const QList<QStringList> asignomt = fixture::readRows(prefix, "ASIGNOMT");
        EXPECT_EQ(levels(asignomt), c.levels);
        EXPECT_EQ(withoutLevels(asignomt), withoutLevels(fixture::asStored(c.asignomt, asignomtFields())));
    }
}

TEST(CrearGrupos, ReplacesTablesWithTheirLayoutsAndIndexesMatibByAbrev)
{
    TempWinePrefix prefix;
    fixture::FormWithDocument form;
    // Leftovers of an earlier import: a GRUPOST index, and MATIB rows.
    fixture::writeTable("GRUPOST", grupostFields(), {fixture::groupRow("OLD", "X", "1", "A", "1")});
    QFile(prefix.vtempFile("GRUPOST.MDX")).open(QIODevice::WriteOnly);
    fixture::writeTable("MATIB", {{"ABREV", dbf::FieldType::String, 10}}, {{"OLD"}});
    const QStringList keys = {"MAT", "BIO", "MAT", "ANG", "BIO", "FRANCES2", "MAT"};
    QList<QStringList> asignomt;
    for (const QString &key : keys)
        asignomt << subjectRow(key, "101");
    // An activity among them gets no MATIB row: MATIB's record numbers are not ASIGNOMT's.
    asignomt.insert(2, activityRow("GUA"));
    writeInputs(form, {{"101", "1r ESO", "ESO", "1"}}, R"(<CURS codi="101"><GRUP codi="G1" nom="A"/></CURS>)",
                asignomt);

    CrearGrupos(*form.DocXML, form.takeTableCursos(), form.wwTableGrupos, form.wwTableNomAsg, form.workingFolder);

    EXPECT_EQ(fixture::readFields(prefix, "GRUPOST"),
              QStringList({"ABREV C 10", "TURNO C 1", "NIVEL C 5", "CURSO C 3", "GRUPO C 2", "DESCRIP C 80",
                           "MARCO C 1", "CODI C 20", "CODICURS C 20"}));
    EXPECT_EQ(fixture::readFields(prefix, "MATIB"),
              QStringList({"ABREV C 10", "ABREV8 C 10", "NOMBRE C 80", "NIVEL C 5", "CURSO C 3"}));
    EXPECT_FALSE(QFile::exists(prefix.vtempFile("GRUPOST.MDX")));
    EXPECT_EQ(fixture::column(fixture::readRows(prefix, "MATIB"), 0), keys);

    // The index, read by a reader of its own: one entry per record, keys ascending,
    // equal keys in record order.
    std::vector<MdxLeafEntry> expected;
    for (int i = 0; i < keys.size(); ++i)
        expected.push_back({keys[i].leftJustified(10).toStdString(), static_cast<std::uint32_t>(i + 1)});
    std::sort(expected.begin(), expected.end(),
              [](const MdxLeafEntry &a, const MdxLeafEntry &b) { return std::tie(a.key, a.recNo) < std::tie(b.key, b.recNo); });
    const MdxReader reader(prefix.vtempFile("MATIB.MDX").toStdString());
    const MdxTagInfo tag = reader.readTag("ABREV");
    EXPECT_EQ(tag.keyExpression, "ABREV");
    EXPECT_EQ(tag.keyLength, 10);
    EXPECT_EQ(tag.entries, expected);
}

TEST(CrearGrupos, EmptyAsignomtGivesAnEmptyIndexedMatib)
{
    TempWinePrefix prefix;
    fixture::FormWithDocument form;
    writeInputs(form, {}, {}, {});

    CrearGrupos(*form.DocXML, form.takeTableCursos(), form.wwTableGrupos, form.wwTableNomAsg, form.workingFolder);

    EXPECT_TRUE(fixture::readRows(prefix, "MATIB").isEmpty());
    const MdxTagInfo tag = MdxReader(prefix.vtempFile("MATIB.MDX").toStdString()).readTag("ABREV");
    EXPECT_TRUE(tag.entries.empty());
}

TEST(CrearGrupos, ReleasesCursostSoThatALaterImportReadsItAgain)
{
    TempWinePrefix prefix;
    fixture::FormWithDocument form;
    const QString document = R"(<CURS codi="101"><GRUP codi="G1" nom="A"/></CURS>)";

    // An import that fails while reading CURSOST, which lacks a field.
    fixture::writeTable("CURSOST", {{"CODI", dbf::FieldType::String, 20}}, {{"101"}});
    fixture::writeTable("ASIGNOMT", asignomtFields(), {subjectRow("MAT", "101")});
    fixture::loadDocument(form, centreDocument(document));
    EXPECT_THROW(CrearGrupos(*form.DocXML, form.takeTableCursos(), form.wwTableGrupos, form.wwTableNomAsg, form.workingFolder), dbf::DbfError);
    EXPECT_FALSE(form.wwTableCursos);

    // Two more imports in the same process, with the levels changed in between.
    for (const QString &nivel : {QStringLiteral("ESO"), QStringLiteral("BAT")}) {
        SCOPED_TRACE(nivel.toStdString());
        writeInputs(form, {{"101", "1r", nivel, "1"}}, document, {subjectRow("MAT", "101")});

        CrearGrupos(*form.DocXML, form.takeTableCursos(), form.wwTableGrupos, form.wwTableNomAsg, form.workingFolder);

        EXPECT_FALSE(form.wwTableCursos);
        EXPECT_FALSE(form.wwTableGrupos.isOpen());
        EXPECT_FALSE(form.wwTableNomAsg.isOpen());
        EXPECT_EQ(fixture::readRows(prefix, "GRUPOST").value(0).value(2), nivel);
        EXPECT_EQ(levels(fixture::readRows(prefix, "ASIGNOMT")), QStringList{nivel + "/1"});
    }
}
