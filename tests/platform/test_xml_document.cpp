// Reading documents: encodings, selection by element paths, attribute values,
// malformed input and safe parsing.
#include "platform/WinPath.h"
#include "platform/XmlDocument.h"
#include "platform/XmlError.h"
#include "platform/XmlParser.h"
#include "tests/support/CentreDocuments.h"
#include "tests/support/QStringPrinter.h"
#include "tests/support/TempWinePrefix.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStringList>
#include <QTemporaryDir>

#include <cstdio>
#include <memory>
#include <fcntl.h>
#include <unistd.h>

using xml::Document;
using xml::XmlError;

namespace {

QString writeFile(const QTemporaryDir &dir, const QString &name, const QByteArray &bytes)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write test fixture");
    return path;
}

QByteArray utf16(const QString &text, bool bigEndian)
{
    QByteArray bytes;
    for (const QChar c : QString(QChar(0xFEFF)) + text) {
        const char high = char(c.unicode() >> 8);
        const char low = char(c.unicode() & 0xFF);
        bytes += bigEndian ? QByteArray{&high, 1} + QByteArray{&low, 1} : QByteArray{&low, 1} + QByteArray{&high, 1};
    }
    return bytes;
}

QString attribute(const xml::Node &node, const QString &name)
{
    return node.attributes().getNamedItem(name).text();
}

// The "codi" of every element on a path, in the order selected.
QStringList codes(const xml::NodeList &list)
{
    QStringList result;
    for (int i = 0; i < list.length(); ++i)
        result << attribute(list.item(i), QStringLiteral("codi"));
    return result;
}

// What libxml2 would print on its own goes to stderr; this keeps it for a look.
class StderrCapture {
public:
    StderrCapture()
    {
        std::fflush(stderr);
        m_saved = dup(STDERR_FILENO);
        std::FILE *file = std::tmpfile();
        m_file = file;
        dup2(fileno(file), STDERR_FILENO);
    }
    ~StderrCapture()
    {
        release();
        std::fclose(m_file);
    }
    QByteArray text()
    {
        release();
        std::rewind(m_file);
        QByteArray bytes;
        char buffer[512];
        for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, m_file)) > 0;)
            bytes.append(buffer, qsizetype(n));
        return bytes;
    }

private:
    void release()
    {
        if (m_saved < 0)
            return;
        std::fflush(stderr);
        dup2(m_saved, STDERR_FILENO);
        close(m_saved);
        m_saved = -1;
    }
    int m_saved = -1;
    std::FILE *m_file = nullptr;
};

// ----------------------------------------------------------------------------
// Encodings: every form real exports come in, and the declared 8-bit ones.

struct EncodingCase {
    const char *name;
    QByteArray bytes;
    QString descripcio;
};

const QString accented = QStringLiteral("Català · 1r d'ESO (A/B) €");
const QString latin1Accented = QStringLiteral("Català · 1r d'ESO (A/B) ¤");

QString centre(const QString &descripcio, const QString &declaration = {})
{
    return declaration + QStringLiteral("<CENTRE codi=\"C1\"><MATERIES><MATERIA codi=\"M1\" descripcio=\"%1\"/></MATERIES></CENTRE>")
                             .arg(descripcio);
}

const QByteArray indented = "\xEF\xBB\xBF<CENTRE codi=\"C1\">\n"
                            "    <MATERIES>\n"
                            "\t<MATERIA\n"
                            "        codi=\"M1\"\n"
                            "        descripcio=\"Catal\xC3\xA0 \xC2\xB7 1r d'ESO (A/B) \xE2\x82\xAC\"\n"
                            "    />\n"
                            "    </MATERIES>\n"
                            "</CENTRE>\n";

std::vector<EncodingCase> encodingCases()
{
    const QString utf8Decl = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n");
    return {
        {"UTF-8 without BOM or declaration", centre(accented).toUtf8(), accented},
        {"UTF-8 with BOM, no declaration", "\xEF\xBB\xBF" + centre(accented).toUtf8(), accented},
        {"UTF-8 with BOM and declaration", "\xEF\xBB\xBF" + centre(accented, utf8Decl).toUtf8(), accented},
        {"UTF-8 with declaration, no BOM", centre(accented, utf8Decl).toUtf8(), accented},
        {"UTF-8 indented, one attribute a line", indented, accented},
        {"UTF-16 little-endian with BOM and declaration",
         utf16(centre(accented, QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-16\"?>")), false), accented},
        {"UTF-16 big-endian with BOM, no declaration", utf16(centre(accented), true), accented},
        {"ISO-8859-1 declared",
         centre(latin1Accented, QStringLiteral("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n")).toLatin1(),
         latin1Accented},
        {"windows-1252 declared",
         "<?xml version=\"1.0\" encoding=\"windows-1252\"?>\n<CENTRE codi=\"C1\"><MATERIES><MATERIA codi=\"M1\" "
         "descripcio=\"Catal\xE0 \xB7 1r d'ESO (A/B) \x80\"/></MATERIES></CENTRE>",
         accented},
    };
}

TEST(XmlDocumentEncodings, EveryFormReadsTheSameValues)
{
    for (const EncodingCase &c : encodingCases()) {
        SCOPED_TRACE(c.name);
        Document doc;
        ASSERT_NO_THROW(doc.loadBytes(c.bytes, QStringLiteral("centre.xml")));
        EXPECT_EQ(doc.documentElement().nodeName(), QStringLiteral("CENTRE"));
        const xml::NodeList materies = doc.selectNodes(QStringLiteral("/CENTRE/MATERIES/MATERIA"));
        ASSERT_EQ(materies.length(), 1);
        EXPECT_EQ(attribute(materies.item(0), QStringLiteral("codi")), QStringLiteral("M1"));
        EXPECT_EQ(attribute(materies.item(0), QStringLiteral("descripcio")), c.descripcio);
    }
}

// ----------------------------------------------------------------------------
// Whole centre documents: our own in the shapes GestIB exports come in (a
// byte-order mark and no declaration, one attribute per line, a tab-indented
// line, a single line with a declaration, missing sections), and the real
// exports where they are at hand.

struct SectionCount {
    const char *path;
    int count;
};

void expectSectionCounts(const QString &file, std::initializer_list<SectionCount> counts)
{
    Document doc;
    doc.load(file);
    for (const SectionCount &c : counts)
        EXPECT_EQ(doc.selectNodes(QString::fromLatin1(c.path)).length(), c.count) << file.toStdString() << " " << c.path;
}

int groupCount(const Document &doc)
{
    const xml::NodeList cursos = doc.selectNodes(QStringLiteral("/CENTRE/CURSOS/CURS"));
    int groups = 0;
    for (int i = 0; i < cursos.length(); ++i)
        groups += cursos.item(i).selectNodes(QStringLiteral("GRUP")).length();
    return groups;
}

TEST(XmlDocumentCentres, OurDocumentsLoadWithEverySection)
{
    expectSectionCounts(centreFixture(QStringLiteral("centre-escola.xml")),
                        {{"/CENTRE/MATERIES/MATERIA", 3},
                         {"/CENTRE/ACTIVITATS/ACTIVITAT", 3},
                         {"/CENTRE/PLACES/PLACA", 5},
                         {"/CENTRE/AULES/AULA", 3},
                         {"/CENTRE/CURSOS/CURS", 3}});
    expectSectionCounts(centreFixture(QStringLiteral("centre-escola-seguent.xml")),
                        {{"/CENTRE/MATERIES/MATERIA", 2},
                         {"/CENTRE/ACTIVITATS/ACTIVITAT", 0},
                         {"/CENTRE/AULES/AULA", 0},
                         {"/CENTRE/PLACES/PLACA", 2},
                         {"/CENTRE/CURSOS/CURS", 3}});
}

TEST(XmlDocumentCentres, ValuesOfOurDocuments)
{
    Document doc;
    doc.load(centreFixture(QStringLiteral("centre-escola.xml")));

    const xml::NodeList places = doc.selectNodes(QStringLiteral("/CENTRE/PLACES/PLACA"));
    EXPECT_EQ(attribute(places.item(2), QStringLiteral("descripcio")), QStringLiteral("PROVAÇ02, NOM"));
    EXPECT_EQ(attribute(places.item(2), QStringLiteral("curta")), QStringLiteral("CAT1"));
    EXPECT_FALSE(places.item(3).attributes().getNamedItem(QStringLiteral("descripcio")).exists());
    EXPECT_EQ(attribute(places.item(3), QStringLiteral("curta")), QStringLiteral("INT1 FIS 1/2"));

    const xml::NodeList materies = doc.selectNodes(QStringLiteral("/CENTRE/MATERIES/MATERIA"));
    EXPECT_EQ(attribute(materies.item(0), QStringLiteral("descripcio")), QStringLiteral("Llengua catalana i literatura · 1r"));
    EXPECT_EQ(attribute(materies.item(1), QStringLiteral("codi")), QStringLiteral("3000002")) << "the tab-indented element";
    EXPECT_EQ(attribute(materies.item(2), QStringLiteral("descripcio")), QStringLiteral("Història de l'art"));
    EXPECT_EQ(attribute(doc.selectNodes(QStringLiteral("/CENTRE/ACTIVITATS/ACTIVITAT")).item(2), QStringLiteral("curta")),
              QStringLiteral("*Prefectura d'estudis"));
    EXPECT_EQ(groupCount(doc), 3);

    doc.load(centreFixture(QStringLiteral("centre-escola-seguent.xml")));
    const xml::NodeList next = doc.selectNodes(QStringLiteral("/CENTRE/MATERIES/MATERIA"));
    EXPECT_EQ(attribute(next.item(1), QStringLiteral("codi")), QStringLiteral("3100004"));
    EXPECT_EQ(attribute(next.item(1), QStringLiteral("descripcio")), QStringLiteral("Tecnologia i digitalització"));
    EXPECT_EQ(groupCount(doc), 3);
}

TEST(XmlDocumentSamples, RealExportsLoadWithEverySection)
{
    SKIP_WITHOUT_GESTIB_SAMPLES();
    expectSectionCounts(gestibSample(QStringLiteral("centre-2018.xml")),
                        {{"/CENTRE/MATERIES/MATERIA", 3},
                         {"/CENTRE/ACTIVITATS/ACTIVITAT", 49},
                         {"/CENTRE/PLACES/PLACA", 70},
                         {"/CENTRE/AULES/AULA", 35},
                         {"/CENTRE/CURSOS/CURS", 8}});
    expectSectionCounts(gestibSample(QStringLiteral("centre-2019-variant.xml")),
                        {{"/CENTRE/MATERIES/MATERIA", 4},
                         {"/CENTRE/ACTIVITATS/ACTIVITAT", 0},
                         {"/CENTRE/AULES/AULA", 0},
                         {"/CENTRE/PLACES/PLACA", 70},
                         {"/CENTRE/CURSOS/CURS", 8}});
}

TEST(XmlDocumentSamples, ValuesOfTheRealExports)
{
    SKIP_WITHOUT_GESTIB_SAMPLES();
    Document doc;
    doc.load(gestibSample(QStringLiteral("centre-2018.xml")));

    const xml::NodeList places = doc.selectNodes(QStringLiteral("/CENTRE/PLACES/PLACA"));
    EXPECT_EQ(attribute(places.item(1), QStringLiteral("descripcio")), QStringLiteral("COGNOM01, NOM"));
    EXPECT_EQ(attribute(places.item(1), QStringLiteral("curta")), QStringLiteral("GIH1"));
    bool foundCedilla = false;
    for (int i = 0; i < places.length(); ++i)
        foundCedilla |= attribute(places.item(i), QStringLiteral("codi")) == QStringLiteral("8129")
            && attribute(places.item(i), QStringLiteral("descripcio")) == QStringLiteral("COGNOMÇ23, NOM");
    EXPECT_TRUE(foundCedilla);
    EXPECT_EQ(groupCount(doc), 29);

    doc.load(gestibSample(QStringLiteral("centre-2019-variant.xml")));
    const xml::NodeList materies = doc.selectNodes(QStringLiteral("/CENTRE/MATERIES/MATERIA"));
    EXPECT_EQ(attribute(materies.item(3), QStringLiteral("codi")), QStringLiteral("9999999"));
    EXPECT_EQ(attribute(materies.item(3), QStringLiteral("descripcio")), QStringLiteral("NOVA SUBMATERIA"));
}

// ----------------------------------------------------------------------------
// Selection by element paths.

const QByteArray selectionFixture = R"(<CENTRE>
  <MATERIES><MATERIA codi="1"/><MATERIA codi="2"/></MATERIES>
  <GRUP codi="g0"/>
  <MATERIES><MATERIA codi="3"/><ALTRE><MATERIA codi="x"/></ALTRE></MATERIES>
  <CURSOS>
    <GRUP codi="gx"/>
    <CURS codi="c1"><GRUP codi="g1"/><!-- a comment --><GRUP codi="g2"/></CURS>
    <CURS codi="c2"/>
    <CURS codi="c3"><GRUP codi="g3"/><ALTRE><GRUP codi="gy"/></ALTRE></CURS>
  </CURSOS>
  <materies><MATERIA codi="lower"/></materies>
</CENTRE>)";

class XmlDocumentSelection : public ::testing::Test {
protected:
    void SetUp() override { m_doc.loadBytes(selectionFixture, QStringLiteral("centre.xml")); }
    Document m_doc;
};

TEST_F(XmlDocumentSelection, AbsolutePathsSelectInDocumentOrder)
{
    const struct {
        const char *path;
        QStringList codes;
    } cases[] = {
        {"/CENTRE/MATERIES/MATERIA", {"1", "2", "3"}},
        {"/CENTRE/CURSOS/CURS", {"c1", "c2", "c3"}},
        {"/CENTRE/GRUP", {"g0"}},
        {"/CENTRE/CURSOS/GRUP", {"gx"}},
        {"/CENTRE/materies/MATERIA", {"lower"}},
        {"/centre/MATERIES/MATERIA", {}},
        {"/CENTRE/MATERIES/materia", {}},
        {"/CENTRE/AULES/AULA", {}},
        {"/MATERIES/MATERIA", {}},
        {"/CENTRE", {""}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(codes(m_doc.selectNodes(QString::fromLatin1(c.path))), c.codes);
    }
}

TEST_F(XmlDocumentSelection, ChildNameSelectsOnlyThatElementsChildren)
{
    const xml::NodeList cursos = m_doc.selectNodes(QStringLiteral("/CENTRE/CURSOS/CURS"));
    ASSERT_EQ(cursos.length(), 3);
    const QStringList expected[] = {{"g1", "g2"}, {}, {"g3"}};
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(codes(cursos.item(i).selectNodes(QStringLiteral("GRUP"))), expected[i]) << "course " << i;
}

TEST_F(XmlDocumentSelection, SingleNodeAndItemsOutOfRange)
{
    EXPECT_EQ(attribute(m_doc.selectSingleNode(QStringLiteral("/CENTRE/CURSOS/CURS")), QStringLiteral("codi")),
              QStringLiteral("c1"));
    EXPECT_TRUE(m_doc.selectSingleNode(QStringLiteral("/CENTRE/AULES")).isNull());

    const xml::NodeList materies = m_doc.selectNodes(QStringLiteral("/CENTRE/MATERIES/MATERIA"));
    for (const int i : {-1, 3}) {
        const xml::Node none = materies.item(i);
        EXPECT_TRUE(none.isNull());
        EXPECT_EQ(none.nodeName(), QString());
        EXPECT_FALSE(none.attributes().getNamedItem(QStringLiteral("codi")).exists());
        EXPECT_EQ(none.selectNodes(QStringLiteral("GRUP")).length(), 0);
    }
}

TEST_F(XmlDocumentSelection, PathsBeyondElementNamesAreRefused)
{
    for (const char *path : {"//MATERIA", "/CENTRE//MATERIA", "/CENTRE/MATERIES/"}) {
        SCOPED_TRACE(path);
        EXPECT_THROW(m_doc.selectNodes(QString::fromLatin1(path)), XmlError);
    }
}

TEST_F(XmlDocumentSelection, SelectedNodesOutliveTheirDocument)
{
    xml::NodeList cursos;
    xml::Node first;
    {
        Document doc;
        doc.loadBytes(selectionFixture, QStringLiteral("other.xml"));
        cursos = doc.selectNodes(QStringLiteral("/CENTRE/CURSOS/CURS"));
        first = doc.documentElement();
    }
    m_doc.loadBytes("<CENTRE/>", QStringLiteral("small.xml"));
    EXPECT_EQ(codes(cursos), (QStringList{"c1", "c2", "c3"}));
    EXPECT_EQ(codes(cursos.item(2).selectNodes(QStringLiteral("GRUP"))), QStringList{"g3"});
    EXPECT_EQ(first.nodeName(), QStringLiteral("CENTRE"));
}

// ----------------------------------------------------------------------------
// Attribute values as XML normalises them.

TEST(XmlDocumentAttributes, ValuesAreNormalisedAsXmlRequires)
{
    const struct {
        const char *name;
        QByteArray literal;
        QString value;
    } cases[] = {
        {"blanks around are kept", "  M1  ", "  M1  "},
        {"tab", "a\tb", "a b"},
        {"line feed", "a\nb", "a b"},
        {"carriage return and line feed", "a\r\nb", "a b"},
        {"carriage return", "a\rb", "a b"},
        {"character references to white space", "a&#9;b&#10;c&#13;d", "a\tb\nc\rd"},
        {"predefined entities", "&amp;&lt;&gt;&quot;&apos;", "&<>\"'"},
        {"numeric character references", "&#x20AC;&#233;&#xB7;", "€é·"},
        {"entity of the DOCTYPE", "[&e;]", "[x y z]"},
        {"nested entities of the DOCTYPE", "&f;", "(x y z)"},
        {"empty", "", ""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const QByteArray bytes = "<!DOCTYPE A [<!ENTITY e \"x&#9;y\nz\"><!ENTITY f \"(&e;)\">]>\n<A v=\"" + c.literal + "\"/>";
        Document doc;
        doc.loadBytes(bytes, QStringLiteral("a.xml"));
        const xml::AttributeNode v = doc.documentElement().attributes().getNamedItem(QStringLiteral("v"));
        EXPECT_TRUE(v.exists());
        EXPECT_EQ(v.text(), c.value);
    }
}

TEST(XmlDocumentAttributes, MissingAttributeReadsAsEmptyText)
{
    Document doc;
    doc.loadBytes("<PLACA codi=\"8071\" curta=\"\"/>", QStringLiteral("a.xml"));
    const xml::AttributeMap map = doc.documentElement().attributes();
    EXPECT_FALSE(map.getNamedItem(QStringLiteral("descripcio")).exists());
    EXPECT_EQ(map.getNamedItem(QStringLiteral("descripcio")).text(), QString());
    EXPECT_FALSE(map.getNamedItem(QStringLiteral("CODI")).exists()) << "attribute names are case-sensitive";
    EXPECT_TRUE(map.getNamedItem(QStringLiteral("curta")).exists());
}

// ----------------------------------------------------------------------------
// Documents that are not well-formed.

// Words of libxml2's or the system's English reports, which must not reach
// the user where we have words of our own.
bool soundsEnglish(const QString &message)
{
    static const QRegularExpression english(
        QStringLiteral("\\b(not|expected|found|the|is|are|too|long|detected|loop|error|such|file|directory|"
                       "invalid|redefined|mismatch|allowed|Unknown|Premature|Extra|Start|Document|Entity)\\b"));
    return english.match(message).hasMatch();
}

TEST(XmlDocumentMalformed, EachFaultNamesFileLineColumnAndReasonInSpanish)
{
    const struct {
        const char *name;
        QByteArray bytes;
        int line;
        int column;
        const char *reason;
    } cases[] = {
        {"mismatched end tag", "<CENTRE>\n  <CURSOS>\n  </CURS>\n</CENTRE>", 3, 10,
         "la etiqueta de cierre </CURS> no corresponde a <CURSOS>, abierta en la línea 2"},
        {"undefined entity", "<CENTRE>\n<AULA descripcio=\"&nbsp;\"/></CENTRE>", 2, 25, "la entidad «&nbsp;» no está definida"},
        {"undefined entity under an external DTD", "<!DOCTYPE CENTRE SYSTEM \"centre.dtd\">\n<CENTRE x=\"&nbsp;\"/>", 2, 18,
         "la entidad «&nbsp;» no está definida"},
        {"duplicate attribute", "<CENTRE>\n<AULA codi=\"1\" codi=\"2\"/></CENTRE>", 2, 24,
         "el atributo «codi» aparece dos veces en el mismo elemento"},
        {"bytes invalid in UTF-8", "<CENTRE>\n<AULA descripcio=\"\xFF\xFE\"/></CENTRE>", 2, 19,
         "el texto no está en UTF-8 y el documento no declara en qué codificación está"},
        {"byte undefined in windows-1252",
         "<?xml version=\"1.0\" encoding=\"windows-1252\"?>\n<CENTRE>\n<AULA descripcio=\"\x81\"/></CENTRE>", 3, 19,
         "el texto contiene bytes que no son válidos en la codificación que declara el documento"},
        {"unknown encoding", "<?xml version=\"1.0\" encoding=\"x-unknown\"?>\n<CENTRE/>", 1, 41,
         "la codificación «x-unknown» que declara el documento no está admitida"},
        {"UTF-16 declared over UTF-8 bytes", "<?xml version=\"1.0\" encoding=\"UTF-16\"?>\n<CENTRE/>", 1, 38,
         "la codificación que declara el documento no corresponde a su contenido"},
        {"less-than in attribute", "<CENTRE>\n<AULA descripcio=\"a<b\"/></CENTRE>", 2, 20,
         "el valor de un atributo contiene «<» (debe escribirse &lt;)"},
        {"unquoted attribute", "<CENTRE>\n<AULA codi=1/></CENTRE>", 2, 12, "el valor de un atributo no está entre comillas"},
        {"ampersand alone", "<CENTRE>\n<AULA descripcio=\"Física & Química\"/></CENTRE>", 2, 27,
         "un «&» no empieza ninguna referencia (debe escribirse &amp;)"},
        {"text after the root element", "<CENTRE/>\n<CENTRE/>", 2, 1, "hay más contenido después del final del elemento raíz"},
        {"unclosed root element", "<CENTRE>\n<CURSOS/>\n", 3, 1,
         "el documento termina sin cerrar el elemento <CENTRE>, abierto en la línea 1"},
        {"empty file", "", 1, 1, "el archivo está vacío"},
        {"blanks only", "  \r\n\t\n", 3, 1, "el archivo está vacío"},
        {"plain text", "CODI;NIVEL;CURSO\n62;ESO;1\n", 1, 1, "el archivo no es un documento XML: no empieza con un elemento"},
        {"a zip archive", QByteArray("PK\x03\x04\x14\x00\x00\x00", 8), 1, 1,
         "el archivo no es un documento XML: no empieza con un elemento"},
        {"control character", "<CENTRE>\n<AULA descripcio=\"a\x01\"/></CENTRE>", 2, 20,
         "el documento contiene un carácter que XML no admite"},
    };
    QTemporaryDir dir;
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = writeFile(dir, QStringLiteral("centre.xml"), c.bytes);
        StderrCapture stderrCapture;
        try {
            Document doc;
            doc.load(path);
            ADD_FAILURE() << "no error";
        } catch (const XmlError &e) {
            EXPECT_EQ(e.message(), QStringLiteral("Error en %1, línea %2, columna %3: %4")
                                       .arg(winpath::toWindows(path))
                                       .arg(c.line)
                                       .arg(c.column)
                                       .arg(QString::fromUtf8(c.reason)));
            EXPECT_FALSE(soundsEnglish(e.message())) << e.what();
        }
        EXPECT_EQ(stderrCapture.text(), QByteArray()) << "libxml2 must not print on its own";
    }
}

// A report we have no words for keeps libxml2's own after ours.
TEST(XmlDocumentMalformed, AReasonWithoutOurWordsFollowsOurSentence)
{
    Document doc;
    try {
        doc.loadBytes("<CENTRE><!-- a -- b --></CENTRE>", QStringLiteral("centre.xml"));
        ADD_FAILURE() << "no error";
    } catch (const XmlError &e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral(": el documento no es XML bien formado ("))) << e.what();
    }
}

TEST(XmlDocumentMalformed, FileThatCannotBeReadNamesTheFileAndTheReason)
{
    QTemporaryDir dir;
    const struct {
        const char *name;
        QString path;
        const char *reason;
    } cases[] = {
        {"missing", dir.filePath(QStringLiteral("absent.xml")), "no existe el archivo o la carpeta"},
        {"a folder", dir.path(), "es una carpeta, no un archivo"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        try {
            Document doc;
            doc.load(c.path);
            ADD_FAILURE() << "no error";
        } catch (const XmlError &e) {
            EXPECT_EQ(e.message(), QStringLiteral("No se puede leer %1: %2").arg(winpath::toWindows(c.path), QString::fromUtf8(c.reason)));
        }
    }
}

TEST(XmlDocumentMalformed, FailedLoadLeavesThePreviousDocument)
{
    QTemporaryDir dir;
    Document doc;
    doc.load(writeFile(dir, QStringLiteral("good.xml"), "<CENTRE codi=\"C1\"/>"));
    EXPECT_THROW(doc.load(writeFile(dir, QStringLiteral("bad.xml"), "<CENTRE>")), XmlError);
    EXPECT_EQ(attribute(doc.documentElement(), QStringLiteral("codi")), QStringLiteral("C1"));
}

// ----------------------------------------------------------------------------
// Safe parsing: nothing outside the file is read, and entities cannot blow up.
// A document read from memory is parsed the same way; named as a file beside
// the secret, a relative reference would reach it if anything were loaded.

// Loads the bytes as centre.xml in `dir`, from that file or from memory.
void loadAs(Document &doc, const QTemporaryDir &dir, const QByteArray &bytes, bool fromMemory)
{
    const QString path = writeFile(dir, QStringLiteral("centre.xml"), bytes);
    if (fromMemory)
        doc.loadBytes(bytes, path);
    else
        doc.load(path);
}

// The whole tree that the safe parse of centre.xml in `dir` leaves, as
// libxml2 writes it out: text read from outside the file would show there.
QByteArray parsedTree(const QTemporaryDir &dir, const QByteArray &bytes)
{
    const QString path = writeFile(dir, QStringLiteral("centre.xml"), bytes);
    const std::unique_ptr<xmlDoc, decltype(&xmlFreeDoc)> doc(xml::parseDocument(path, bytes), &xmlFreeDoc);
    xmlChar *text = nullptr;
    int size = 0;
    xmlDocDumpMemory(doc.get(), &text, &size);
    const QByteArray tree(reinterpret_cast<const char *>(text), size);
    xmlFree(text);
    return tree;
}

TEST(XmlDocumentSafety, NothingOutsideTheFileIsLoaded)
{
    QTemporaryDir dir;
    writeFile(dir, QStringLiteral("secret.txt"), "SECRET");
    writeFile(dir, QStringLiteral("centre.dtd"),
              "<!ATTLIST CENTRE codi CDATA \"FROM-DTD\">\n<!ENTITY secret SYSTEM \"secret.txt\">\n");
    const QByteArray cases[] = {
        "<!DOCTYPE CENTRE [<!ENTITY secret SYSTEM \"secret.txt\">]>\n<CENTRE><AULA>&secret;</AULA></CENTRE>",
        "<!DOCTYPE CENTRE SYSTEM \"centre.dtd\">\n<CENTRE/>",
        "<!DOCTYPE CENTRE [<!ENTITY % dtd SYSTEM \"centre.dtd\"> %dtd;]>\n<CENTRE/>",
        "<!DOCTYPE CENTRE SYSTEM \"http://127.0.0.1:9/centre.dtd\">\n<CENTRE/>",
    };
    for (const QByteArray &bytes : cases) {
        SCOPED_TRACE(bytes.constData());
        const QByteArray tree = parsedTree(dir, bytes);
        EXPECT_FALSE(tree.contains("SECRET")) << tree.constData();
        for (const bool fromMemory : {false, true}) {
            SCOPED_TRACE(fromMemory ? "memory" : "file");
            Document doc;
            loadAs(doc, dir, bytes, fromMemory);
            EXPECT_FALSE(doc.documentElement().attributes().getNamedItem(QStringLiteral("codi")).exists());
        }
    }
}

TEST(XmlDocumentSafety, ExternalEntityInAnAttributeIsAnError)
{
    QTemporaryDir dir;
    writeFile(dir, QStringLiteral("secret.txt"), "SECRET");
    for (const bool fromMemory : {false, true}) {
        SCOPED_TRACE(fromMemory ? "memory" : "file");
        Document doc;
        EXPECT_THROW(loadAs(doc, dir,
                            "<!DOCTYPE CENTRE [<!ENTITY secret SYSTEM \"secret.txt\">]>\n"
                            "<CENTRE codi=\"&secret;\"/>",
                            fromMemory),
                     XmlError);
    }
}

TEST(XmlDocumentSafety, EntityExpansionCannotBlowUp)
{
    QByteArray laughs = "<!DOCTYPE A [<!ENTITY l0 \"lol\">";
    for (int i = 1; i < 10; ++i)
        laughs += "<!ENTITY l" + QByteArray::number(i) + " \"" + QByteArray("&l" + QByteArray::number(i - 1) + ";").repeated(10)
            + "\">";
    laughs += "]>\n";
    // One 50 kB entity referenced 20000 times: a 1 GB attribute from a 1 MB file.
    const QByteArray quadratic = "<!DOCTYPE A [<!ENTITY b \"" + QByteArray(50000, 'x') + "\">]>\n<A v=\""
        + QByteArray("&b;").repeated(20000) + "\"/>";
    const QByteArray cases[] = {laughs + "<A v=\"&l9;\"/>", laughs + "<A>&l9;</A>", quadratic};
    for (const QByteArray &bytes : cases) {
        SCOPED_TRACE(bytes.left(60).constData());
        Document doc;
        EXPECT_THROW(doc.loadBytes(bytes, QStringLiteral("a.xml")), XmlError);
    }
}

// Documents made to exhaust the reader: each is refused with a reason of our
// own in Spanish, naming the file as the user's programs name it.
TEST(XmlDocumentSafety, HostileDocumentsAreRefusedInSpanish)
{
    QByteArray laughs = "<!DOCTYPE A [<!ENTITY l0 \"lol\">";
    for (int i = 1; i < 10; ++i)
        laughs += "<!ENTITY l" + QByteArray::number(i) + " \"" + QByteArray("&l" + QByteArray::number(i - 1) + ";").repeated(10)
            + "\">";
    laughs += "]>\n";
    const QByteArray loop = "<!DOCTYPE A [<!ENTITY a \"&b;\"><!ENTITY b \"&a;\">]>\n";
    const struct {
        const char *name;
        QByteArray bytes;
        const char *reason;
    } cases[] = {
        {"billion laughs in an attribute", laughs + "<A v=\"&l9;\"/>", "crecen sin medida"},
        {"billion laughs in text", laughs + "<A>&l9;</A>", "crecen sin medida"},
        {"entities referring to each other", loop + "<A>&a;</A>", "se repiten a sí mismas"},
        {"an entity referring to itself in an attribute", "<!DOCTYPE A [<!ENTITY a \"x&a;\">]>\n<A v=\"&a;\"/>",
         "se repiten a sí mismas"},
        {"quadratic blow-up in an attribute",
         "<!DOCTYPE A [<!ENTITY b \"" + QByteArray(50000, 'x') + "\">]>\n<A v=\"" + QByteArray("&b;").repeated(20000) + "\"/>",
         "dan más texto del admitido"},
        {"external entity in an attribute", "<!DOCTYPE A [<!ENTITY s SYSTEM \"/etc/passwd\">]>\n<A v=\"&s;\"/>",
         "la entidad externa «&s;», que no se lee por seguridad"},
        {"elements nested 300 deep", QByteArray("<A>").repeated(300) + QByteArray("</A>").repeated(300),
         "los elementos están anidados a más de 256 niveles"},
        {"attribute value of 10 MB", "<A v=\"" + QByteArray(10'000'001, 'x') + "\"/>", "el valor de un atributo es demasiado largo"},
        {"element name of 50 kB", "<A" + QByteArray(50'001, 'x') + "/>", "un nombre de elemento o de atributo es demasiado largo"},
        {"comment of 10 MB", "<A><!--" + QByteArray(10'000'001, 'x') + "--></A>", "un comentario es demasiado largo"},
    };
    TempWinePrefix wine;
    const QString path = wine.vtempFile(QStringLiteral("centre.xml"));
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(c.bytes);
        file.close();
        try {
            Document doc;
            doc.load(path);
            ADD_FAILURE() << "no error";
        } catch (const XmlError &e) {
            EXPECT_TRUE(e.message().startsWith(QStringLiteral("Error en C:\\VTEMP\\centre.xml, línea "))) << e.what();
            EXPECT_TRUE(e.message().contains(QString::fromUtf8(c.reason))) << e.what();
            EXPECT_FALSE(soundsEnglish(e.message())) << e.what();
        }
    }
}

} // namespace
