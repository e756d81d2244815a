// Building and saving documents, checked with python's XML parser as an
// independent reader.
#include "platform/WinPath.h"
#include "platform/XmlDocument.h"

#include "tests/support/CentreDocuments.h"
#include "tests/support/FailedWholeFileWrite.h"
#include "tests/support/FileBytes.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include <functional>
#include <optional>

using xml::Document;
using xml::XmlError;

namespace {

// The tree as python's ElementTree reads it: tag, attributes in file order,
// text, tail and children.
const char *pythonTreeScript = R"(
import json, sys, xml.etree.ElementTree as ET
def tree(e):
    return {"tag": e.tag, "attributes": [[k, v] for k, v in e.attrib.items()],
            "text": e.text or "", "tail": e.tail or "", "children": [tree(c) for c in e]}
print(json.dumps(tree(ET.parse(sys.argv[1]).getroot())))
)";

QJsonObject readWithPython(const QString &path)
{
    QProcess python;
    python.start(QStringLiteral("/usr/bin/python3"), {QStringLiteral("-c"), QString::fromUtf8(pythonTreeScript), path});
    if (!python.waitForFinished(30000) || python.exitCode() != 0)
        throw std::runtime_error("python could not read " + path.toStdString() + ": "
                                 + python.readAllStandardError().toStdString());
    return QJsonDocument::fromJson(python.readAllStandardOutput()).object();
}

QJsonObject element(const QString &tag, const QList<std::pair<QString, QString>> &attributes,
                    const QJsonArray &children = {})
{
    QJsonArray pairs;
    for (const auto &[name, value] : attributes)
        pairs.append(QJsonArray{name, value});
    return {{"tag", tag}, {"attributes", pairs}, {"text", ""}, {"tail", ""}, {"children", children}};
}

const QList<std::pair<QString, QString>> sessionOne = {
    {"placa", "8071"},
    {"curs", "62"},
    {"grup", "620001"},
    {"dia", "1"},
    {"hora", "8:00"},
    {"durada", "55"},
    {"aula", "A&B <1> \"x\" 'y'"},
    {"materia", "tab\there\nLF\rCR\r\nCRLF  "},
    {"activitat", "Pati · àé €"},
};
const QList<std::pair<QString, QString>> sessionTwo = {
    {"placa", "8072"}, {"curs", ""},     {"grup", ""},     {"dia", "5"},          {"hora", "13:45"},
    {"durada", "25"},  {"aula", ""},     {"materia", ""},  {"activitat", "GUARDIA"},
};

// The timetable document as the export builds it: the activity's session
// gets its course cleared again after all nine attributes are set.
Document timetable()
{
    Document doc;
    doc.appendChild(doc.createElement(QStringLiteral("HORARI")));
    doc.selectSingleNode(QStringLiteral("/HORARI")).appendChild(doc.createElement(QStringLiteral("SESSIONS")));
    xml::Node sessions = doc.selectSingleNode(QStringLiteral("/HORARI/SESSIONS"));
    for (const auto *attributes : {&sessionOne, &sessionTwo}) {
        xml::Node sessio = doc.createElement(QStringLiteral("SESSIO"));
        for (const auto &[name, value] : *attributes)
            sessio.setAttribute(name, name == QLatin1String("curs") ? QStringLiteral("stale") : value);
        sessio.setAttribute(QStringLiteral("curs"), attributes->at(1).second);
        sessions.appendChild(sessio);
    }
    return doc;
}

TEST(XmlSave, TimetableDocumentBytes)
{
    const QByteArray expected =
        "<HORARI><SESSIONS>"
        "<SESSIO placa=\"8071\" curs=\"62\" grup=\"620001\" dia=\"1\" hora=\"8:00\" durada=\"55\" "
        "aula=\"A&amp;B &lt;1&gt; &quot;x&quot; 'y'\" materia=\"tab&#9;here&#10;LF&#13;CR&#13;&#10;CRLF  \" "
        "activitat=\"Pati \xC2\xB7 \xC3\xA0\xC3\xA9 \xE2\x82\xAC\"/>"
        "<SESSIO placa=\"8072\" curs=\"\" grup=\"\" dia=\"5\" hora=\"13:45\" durada=\"25\" aula=\"\" materia=\"\" "
        "activitat=\"GUARDIA\"/>"
        "</SESSIONS></HORARI>\n";
    EXPECT_EQ(timetable().toBytes(), expected);
}

TEST(XmlSave, IndependentReaderSeesTheTreeAsBuilt)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("SolucioHorari.xml"));
    timetable().save(path);

    const QJsonObject expected = element(
        "HORARI", {}, {element("SESSIONS", {}, {element("SESSIO", sessionOne), element("SESSIO", sessionTwo)})});
    EXPECT_EQ(readWithPython(path), expected);
    EXPECT_TRUE(readFileBytes(path).startsWith("<HORARI>")) << "no XML declaration, no byte-order mark";

    Document reread;
    reread.load(path);
    const xml::NodeList sessions = reread.selectNodes(QStringLiteral("/HORARI/SESSIONS/SESSIO"));
    ASSERT_EQ(sessions.length(), 2);
    for (const auto &[name, value] : sessionOne)
        EXPECT_EQ(sessions.item(0).attributes().getNamedItem(name).text(), value) << name.toStdString();
}

TEST(XmlSave, SetAttributeAppendsNewOnesAndKeepsThePlaceOfOldOnes)
{
    const struct {
        const char *name;
        QList<std::pair<QString, QString>> sets;
        QList<std::pair<QString, QString>> attributes;
    } cases[] = {
        {"new ones in order", {{"b", "1"}, {"a", "2"}, {"c", "3"}}, {{"b", "1"}, {"a", "2"}, {"c", "3"}}},
        {"first one set again", {{"a", "1"}, {"b", "2"}, {"a", "9"}}, {{"a", "9"}, {"b", "2"}}},
        {"middle one emptied", {{"a", "1"}, {"b", "2"}, {"c", "3"}, {"b", ""}, {"d", "4"}},
         {{"a", "1"}, {"b", ""}, {"c", "3"}, {"d", "4"}}},
    };
    QTemporaryDir dir;
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        Document doc;
        xml::Node root = doc.createElement(QStringLiteral("SESSIO"));
        for (const auto &[name, value] : c.sets)
            root.setAttribute(name, value);
        doc.appendChild(root);
        const QString path = dir.filePath(QStringLiteral("a.xml"));
        doc.save(path);
        EXPECT_EQ(readWithPython(path), element("SESSIO", c.attributes));
    }
}

TEST(XmlSave, ElementsAppendedBeforeTheirParentIsInTheTree)
{
    Document doc;
    xml::Node horari = doc.createElement(QStringLiteral("HORARI"));
    xml::Node sessions = doc.createElement(QStringLiteral("SESSIONS"));
    horari.appendChild(sessions);
    sessions.appendChild(doc.createElement(QStringLiteral("SESSIO")));
    xml::Node detached = doc.createElement(QStringLiteral("NEVER-APPENDED"));
    detached.appendChild(doc.createElement(QStringLiteral("INSIDE")));
    EXPECT_TRUE(doc.documentElement().isNull());
    doc.appendChild(horari);
    EXPECT_EQ(doc.selectNodes(QStringLiteral("/HORARI/SESSIONS/SESSIO")).length(), 1);
    EXPECT_EQ(doc.toBytes(), QByteArray("<HORARI><SESSIONS><SESSIO/></SESSIONS></HORARI>\n"));
}

void expectSavedAsTheSameTree(const QString &original)
{
    QTemporaryDir dir;
    const QString copy = dir.filePath(QStringLiteral("copy.xml"));
    Document doc;
    doc.load(original);
    doc.save(copy);
    EXPECT_EQ(readWithPython(copy), readWithPython(original)) << original.toStdString();
}

TEST(XmlSave, LoadedCentreSavesAsTheSameTree)
{
    expectSavedAsTheSameTree(centreFixture(QStringLiteral("centre-escola.xml")));
    expectSavedAsTheSameTree(centreFixture(QStringLiteral("centre-escola-seguent.xml")));
}

TEST(XmlSave, LoadedExportSavesAsTheSameTree)
{
    SKIP_WITHOUT_GESTIB_SAMPLES();
    expectSavedAsTheSameTree(gestibSample(QStringLiteral("centre-2018.xml")));
}

TEST(XmlSave, SaveReplacesAnOlderFileWhole)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("SolucioHorari.xml"));
    writeFileBytes(path, "<HORARI><SESSIONS>" + QByteArray("<SESSIO placa=\"old\"/>").repeated(100) + "</SESSIONS></HORARI>");
    Document doc;
    doc.appendChild(doc.createElement(QStringLiteral("HORARI")));
    doc.save(path);
    EXPECT_EQ(readFileBytes(path), QByteArray("<HORARI/>\n"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"SolucioHorari.xml"});
}

TEST(XmlSave, FailedSaveKeepsTheOldFileAndNamesTheFile)
{
    expectFailedWritesKeepTheOldFile<XmlError>(
        QStringLiteral("SolucioHorari.xml"), "<HORARI><SESSIONS><SESSIO placa=\"old\"/></SESSIONS></HORARI>",
        [](const QString &path) { timetable().save(path); },
        [](const XmlError &e, const QString &path) {
            EXPECT_TRUE(e.message().contains(winpath::toWindows(path))) << e.what();
        });
}

TEST(XmlSave, DocumentWithoutRootIsNotSaved)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("SolucioHorari.xml"));
    Document empty;
    EXPECT_EQ(empty.toBytes(), QByteArray());
    EXPECT_THROW(empty.save(path), XmlError);
    EXPECT_FALSE(QFile::exists(path));
}

TEST(XmlSave, BuildingMistakesAreErrors)
{
    Document other;
    const xml::Node stranger = other.createElement(QStringLiteral("SESSIO"));
    const struct {
        const char *name;
        std::function<void(Document &doc, xml::Node &root)> act;
    } cases[] = {
        {"element name starting with a digit", [](Document &doc, xml::Node &) { doc.createElement(QStringLiteral("1A")); }},
        {"empty element name", [](Document &doc, xml::Node &) { doc.createElement(QString()); }},
        {"attribute name with a blank", [](Document &, xml::Node &root) { root.setAttribute(QStringLiteral("a b"), QStringLiteral("1")); }},
        {"control character in a value", [](Document &, xml::Node &root) { root.setAttribute(QStringLiteral("a"), QStringLiteral("x\x01")); }},
        {"U+FFFF in a value", [](Document &, xml::Node &root) { root.setAttribute(QStringLiteral("a"), QString(QChar(0xFFFF))); }},
        {"second root element", [](Document &doc, xml::Node &) { doc.appendChild(doc.createElement(QStringLiteral("HORARI"))); }},
        {"element of another document", [&](Document &, xml::Node &root) { root.appendChild(stranger); }},
        {"element into itself", [](Document &, xml::Node &root) { root.appendChild(root); }},
        {"ancestor into its child",
         [](Document &doc, xml::Node &root) {
             xml::Node child = doc.createElement(QStringLiteral("SESSIONS"));
             root.appendChild(child);
             child.appendChild(root);
         }},
        {"no element", [](Document &, xml::Node &root) { root.appendChild(xml::Node()); }},
        {"attribute of no element", [](Document &, xml::Node &) { xml::Node().setAttribute(QStringLiteral("a"), QString()); }},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        Document doc;
        xml::Node root = doc.createElement(QStringLiteral("HORARI"));
        doc.appendChild(root);
        EXPECT_THROW(c.act(doc, root), XmlError);
        EXPECT_TRUE(doc.toBytes().startsWith("<HORARI")) << "the document stays whole";
    }
}

} // namespace
