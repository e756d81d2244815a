// The centre document read in one pass into the records the steps use,
// against the same document loaded whole and selected by element paths as
// the steps selected it before: the same records in the same order, and the
// same refusals with the same messages.
#include "import/CentreDocument.h"
#include "platform/XmlDocument.h"
#include "platform/XmlError.h"
#include "run/Trimming.h"
#include "tests/support/CentreDocuments.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <gtest/gtest.h>

using namespace centre_import;

namespace {

// The attribute's text as the stream read trims it; a missing one reads as empty.
QString readTrimmed(const xml::AttributeMap &attributes, const QString &name)
{
    return trimControl(attributes.getNamedItem(name).text());
}

// Calls read(element, its attribute map) for every element of the selection, in document order.
template <class Read>
void forEachElement(const xml::NodeList &selection, Read read)
{
    for (int i = 0; i < selection.length(); ++i) {
        const xml::Node element = selection.item(i);
        read(element, element.attributes());
    }
}

// What the steps read, as text: one line per record, each list in order.
QStringList describe(const CentreDocument &d)
{
    QStringList lines{QStringLiteral("root ") + d.root, QStringLiteral("centre ") + d.codi + u'|' + d.any};
    for (const Materia &m : d.materies)
        lines << QStringLiteral("MATERIA ") + QStringList{m.codi, m.curs, m.descripcio, m.curta}.join(u'|');
    for (const Activitat &a : d.activitats)
        lines << QStringLiteral("ACTIVITAT ") + QStringList{a.codi, a.descripcio, a.curta}.join(u'|');
    for (const Placa &p : d.places)
        lines << QStringLiteral("PLACA ") + QStringList{p.codi, p.descripcio, p.curta}.join(u'|');
    for (const Aula &a : d.aules)
        lines << QStringLiteral("AULA ") + QStringList{a.codi, a.descripcio}.join(u'|');
    for (const Curs &c : d.cursos) {
        lines << QStringLiteral("CURS ") + QStringList{c.codi, c.descripcio}.join(u'|');
        for (const Grup &g : c.grups)
            lines << QStringLiteral("  GRUP ") + QStringList{g.codi, g.nom}.join(u'|');
    }
    return lines;
}

// The same records from the loaded tree, selected by the steps' paths.
CentreDocument fromTree(const xml::Document &doc)
{
    CentreDocument d;
    d.root = doc.documentElement().nodeName();
    const xml::AttributeMap centre = doc.documentElement().attributes();
    d.codi = centre.getNamedItem(QStringLiteral("codi")).text().trimmed();
    d.any = centre.getNamedItem(QStringLiteral("any")).text().trimmed();
    const auto read = [](const xml::AttributeMap &a, const char *name) { return readTrimmed(a, QString::fromLatin1(name)); };
    forEachElement(doc.selectNodes(QStringLiteral("/CENTRE/MATERIES/MATERIA")), [&](const xml::Node &, const xml::AttributeMap &a) {
        d.materies.push_back({read(a, "codi"), read(a, "curs"), read(a, "descripcio"), read(a, "curta")});
    });
    forEachElement(doc.selectNodes(QStringLiteral("/CENTRE/ACTIVITATS/ACTIVITAT")), [&](const xml::Node &, const xml::AttributeMap &a) {
        d.activitats.push_back({read(a, "codi"), read(a, "descripcio"), read(a, "curta")});
    });
    forEachElement(doc.selectNodes(QStringLiteral("/CENTRE/PLACES/PLACA")), [&](const xml::Node &, const xml::AttributeMap &a) {
        d.places.push_back({read(a, "codi"), read(a, "descripcio"), read(a, "curta")});
    });
    forEachElement(doc.selectNodes(QStringLiteral("/CENTRE/AULES/AULA")), [&](const xml::Node &, const xml::AttributeMap &a) {
        d.aules.push_back({read(a, "codi"), read(a, "descripcio")});
    });
    forEachElement(doc.selectNodes(QStringLiteral("/CENTRE/CURSOS/CURS")), [&](const xml::Node &curs, const xml::AttributeMap &a) {
        Curs c{read(a, "codi"), read(a, "descripcio"), {}};
        forEachElement(curs.selectNodes(QStringLiteral("GRUP")), [&](const xml::Node &, const xml::AttributeMap &g) {
            c.grups.push_back({read(g, "codi"), read(g, "nom")});
        });
        d.cursos.push_back(std::move(c));
    });
    return d;
}

QByteArray utf16(const QString &text)
{
    QStringEncoder encoder(QStringEncoder::Utf16LE, QStringEncoder::Flag::WriteBom);
    return encoder(text);
}

QByteArray latin1(const QString &text)
{
    return text.toLatin1();
}

const QString sections = QStringLiteral(
    "<CURSOS><CURS codi=' 62 ' descripcio='1r ESO'><GRUP codi='g1' nom='A'/><GRUP codi='g2' nom=' B\t'/></CURS>"
    "<CURS codi='63' descripcio='2n ESO'/></CURSOS>"
    "<AULES><AULA codi='1' descripcio='Aula 1'/></AULES>"
    "<PLACES><PLACA codi='p1' descripcio='Matemàtiques' curta='MAT'/></PLACES>"
    "<ACTIVITATS><ACTIVITAT codi='TUT' descripcio='Tutoria' curta='TUT'/></ACTIVITATS>"
    "<MATERIES><MATERIA codi='1' curs='62' descripcio='Català' curta='CAT'/></MATERIES>");

QByteArray centre(const QString &body, const QString &prolog = {})
{
    return (prolog + QStringLiteral("<CENTRE codi=' 07001 ' any='2024'>") + body + QStringLiteral("</CENTRE>")).toUtf8();
}

struct SameRecordsCase {
    const char *name;
    QByteArray bytes;
};

void PrintTo(const SameRecordsCase &c, std::ostream *os) { *os << c.name; }

const SameRecordsCase sameRecordsCases[] = {
    {"sections in another order", centre(sections)},
    {"repeated sections", centre(sections + QStringLiteral("<CURSOS><CURS codi='64'><GRUP codi='g9'/></CURS></CURSOS>"
                                                          "<MATERIES><MATERIA codi='2' curta='X'/></MATERIES>") + sections)},
    {"same names at other depths",
     centre(QStringLiteral("<MATERIA codi='top' curta='T'/><GRUP codi='gtop'/>"
                           "<AULES><MATERIA codi='inRooms'/><AULA codi='a1'><AULA codi='nested'/></AULA></AULES>"
                           "<CURSOS><GRUP codi='gx'/><CURS codi='c1'><GRUP codi='g1'><GRUP codi='deep'/></GRUP>"
                           "<X><GRUP codi='underX'/></X></CURS></CURSOS>"
                           "<X><CURSOS><CURS codi='elsewhere'/></CURSOS></X>"
                           "<MATERIES><X><MATERIA codi='deeper'/></X><CURS codi='inSubjects'/></MATERIES>"))},
    {"prefixed and lower-case names",
     centre(QStringLiteral("<x:MATERIES xmlns:x='urn:x'><x:MATERIA codi='p'/><MATERIA codi='q'/></x:MATERIES>"
                           "<materies><MATERIA codi='lower'/></materies>"
                           "<MATERIES xmlns='urn:d'><MATERIA codi='default' x:curta='no' xmlns:x='urn:x'/></MATERIES>"))},
    {"attributes missing", centre(QStringLiteral("<MATERIES><MATERIA/><MATERIA codi='1'/></MATERIES>"
                                                  "<CURSOS><CURS><GRUP/></CURS></CURSOS><PLACES><PLACA curta='c'/></PLACES>"))},
    {"comments, processing instructions and text between elements",
     centre(QStringLiteral("<!-- c --><?pi x?>text<MATERIES><!-- <MATERIA codi='no'/> --><?pi?>"
                           "<MATERIA codi='1'>inside<![CDATA[<MATERIA codi='cdata'/>]]></MATERIA>\n\t"
                           "<MATERIA codi='2'/></MATERIES><![CDATA[x]]>"),
            QStringLiteral("<?xml version='1.0'?><!-- before --><?pi before?>"))},
    {"references in attribute values",
     centre(QStringLiteral("<MATERIES><MATERIA codi='&amp;&lt;&#233;&#x20AC;' descripcio='&e;&t; fi &quot;' "
                           "curta='a&#9;b&#10;' curs='&e;'>&e;</MATERIA></MATERIES>"),
            QStringLiteral("<!DOCTYPE CENTRE [<!ENTITY e \"Educació\tFísica\"><!ENTITY t \"&e;!\">]>"))},
    {"byte-order mark", "\xEF\xBB\xBF" + centre(sections)},
    {"UTF-16 with declaration",
     utf16(QString::fromUtf8(centre(sections, QStringLiteral("<?xml version='1.0' encoding='UTF-16'?>\n"))))},
    {"ISO-8859-1 declared",
     latin1(QString::fromUtf8(centre(QStringLiteral("<AULES><AULA codi='1' descripcio='Educació física · pati'/></AULES>"),
                                     QStringLiteral("<?xml version='1.0' encoding='ISO-8859-1'?>\n"))))},
    {"another root", "<HORARI><MATERIES><MATERIA codi='1'/></MATERIES></HORARI>"},
    {"blanks and controls trimmed", centre(QStringLiteral("<AULES><AULA codi=' \t1\r\n ' descripcio='&#9; a &#10;'/></AULES>"))},
};

class SameRecords : public testing::TestWithParam<SameRecordsCase> {};

TEST_P(SameRecords, AsTheTreeSelectedByPath)
{
    const SameRecordsCase &c = GetParam();
    xml::Document tree;
    tree.loadBytes(c.bytes, QStringLiteral("centre.xml"));
    const QStringList expected = describe(fromTree(tree));
    EXPECT_EQ(describe(readCentreDocument(c.bytes, QStringLiteral("centre.xml"))), expected);
}

INSTANTIATE_TEST_SUITE_P(Documents, SameRecords, testing::ValuesIn(sameRecordsCases));

void expectSameRecordsOfFiles(const QStringList &files)
{
    for (const QString &file : files) {
        SCOPED_TRACE(file.toStdString());
        xml::Document tree;
        tree.load(file);
        EXPECT_EQ(describe(readCentreDocument(file)), describe(fromTree(tree)));
    }
}

TEST(SameRecordsOfFiles, OurDocuments)
{
    expectSameRecordsOfFiles({centreFixture(QStringLiteral("centre-escola.xml")),
                              centreFixture(QStringLiteral("centre-escola-seguent.xml")),
                              QStringLiteral(TESTS_SOURCE_DIR "/data/import/centre.xml")});
}

TEST(SameRecordsOfFiles, TheRealExports)
{
    SKIP_WITHOUT_GESTIB_SAMPLES();
    expectSameRecordsOfFiles(
        {gestibSample(QStringLiteral("centre-2018.xml")), gestibSample(QStringLiteral("centre-2019-variant.xml"))});
}

// Every document the load refuses, the one-pass read refuses with the same message.
TEST(SameRefusals, AsTheLoad)
{
    QByteArray laughs = "<!DOCTYPE A [<!ENTITY l0 \"lol\">";
    for (int i = 1; i < 10; ++i)
        laughs += "<!ENTITY l" + QByteArray::number(i) + " \""
            + QByteArray("&l" + QByteArray::number(i - 1) + ";").repeated(10) + "\">";
    laughs += "]>\n";
    const QByteArray cases[] = {
        "<CENTRE>\n  <CURSOS>\n  </CURS>\n</CENTRE>",
        "<CENTRE>\n<AULA descripcio=\"&nbsp;\"/></CENTRE>",
        "<!DOCTYPE CENTRE SYSTEM \"centre.dtd\">\n<CENTRE x=\"&nbsp;\"/>",
        "<CENTRE>\n<AULA codi=\"1\" codi=\"2\"/></CENTRE>",
        "<CENTRE>\n<AULA descripcio=\"\xFF\xFE\"/></CENTRE>",
        "<?xml version=\"1.0\" encoding=\"windows-1252\"?>\n<CENTRE>\n<AULA descripcio=\"\x81\"/></CENTRE>",
        "<?xml version=\"1.0\" encoding=\"x-unknown\"?>\n<CENTRE/>",
        "<?xml version=\"1.0\" encoding=\"UTF-16\"?>\n<CENTRE/>",
        "<CENTRE>\n<AULA descripcio=\"a<b\"/></CENTRE>",
        "<CENTRE>\n<AULA codi=1/></CENTRE>",
        "<CENTRE>\n<AULA descripcio=\"Física & Química\"/></CENTRE>",
        "<CENTRE/>\n<CENTRE/>",
        "<CENTRE>\n<CURSOS/>\n",
        "",
        "  \r\n\t\n",
        "CODI;NIVEL;CURSO\n62;ESO;1\n",
        QByteArray("PK\x03\x04\x14\x00\x00\x00", 8),
        "<CENTRE>\n<AULA descripcio=\"a\x01\"/></CENTRE>",
        laughs + "<A v=\"&l9;\"/>",
        laughs + "<A>&l9;</A>",
        "<!DOCTYPE A [<!ENTITY a \"&b;\"><!ENTITY b \"&a;\">]>\n<A>&a;</A>",
        "<!DOCTYPE A [<!ENTITY a \"x&a;\">]>\n<A v=\"&a;\"/>",
        "<!DOCTYPE A [<!ENTITY b \"" + QByteArray(50000, 'x') + "\">]>\n<A v=\"" + QByteArray("&b;").repeated(20000) + "\"/>",
        "<!DOCTYPE A [<!ENTITY b \"" + QByteArray(50000, 'x') + "\">]>\n<CENTRE><X v=\"" + QByteArray("&b;").repeated(20000)
            + "\"/></CENTRE>",
        "<!DOCTYPE A [<!ENTITY s SYSTEM \"/etc/passwd\">]>\n<A v=\"&s;\"/>",
        QByteArray("<A>").repeated(300) + QByteArray("</A>").repeated(300),
        "<A v=\"" + QByteArray(10'000'001, 'x') + "\"/>",
        "<A" + QByteArray(50'001, 'x') + "/>",
        "<A><!--" + QByteArray(10'000'001, 'x') + "--></A>",
        "<CENTRE><MATERIES><MATERIA codi='1'/></MATERIES>\n<MATERIES></CENTRE>",
    };
    for (const QByteArray &bytes : cases) {
        SCOPED_TRACE(bytes.left(80).toStdString());
        QString loadMessage;
        try {
            xml::Document tree;
            tree.loadBytes(bytes, QStringLiteral("centre.xml"));
        } catch (const xml::XmlError &e) {
            loadMessage = e.message();
        }
        ASSERT_FALSE(loadMessage.isEmpty()) << "the load takes it";
        try {
            readCentreDocument(bytes, QStringLiteral("centre.xml"));
            ADD_FAILURE() << "no error";
        } catch (const xml::XmlError &e) {
            EXPECT_EQ(e.message().toStdString(), loadMessage.toStdString());
        }
    }
}

} // namespace
