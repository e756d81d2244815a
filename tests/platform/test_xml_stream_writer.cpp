// Documents written element by element: the exact bytes, the tree as
// python's XML parser reads it back (an independent reader), and the older
// file whole whenever writing fails.
#include "platform/WinPath.h"
#include "platform/XmlError.h"
#include "platform/XmlStreamWriter.h"

#include "tests/support/FailedWholeFileWrite.h"
#include "tests/support/FileBytes.h"
#include "tests/support/FileSizeLimit.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include <functional>
#include <optional>
#include <stdexcept>

using xml::StreamWriter;
using xml::XmlError;

namespace {

struct Tree {
    QString name;
    QList<std::pair<QString, QString>> attributes;
    QList<Tree> children;
};

void stream(StreamWriter &writer, const Tree &tree)
{
    writer.startElement(tree.name);
    for (const auto &[name, value] : tree.attributes)
        writer.attribute(name, value);
    for (const Tree &child : tree.children)
        stream(writer, child);
    writer.endElement();
}

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
    if (!python.waitForFinished(60000) || python.exitCode() != 0)
        throw std::runtime_error("python could not read " + path.toStdString() + ": "
                                 + python.readAllStandardError().toStdString());
    return QJsonDocument::fromJson(python.readAllStandardOutput()).object();
}

// What python must read back for a tree we wrote: no text anywhere.
QJsonObject expectedTree(const Tree &tree)
{
    QJsonArray attributes;
    for (const auto &[name, value] : tree.attributes)
        attributes.append(QJsonArray{name, value});
    QJsonArray children;
    for (const Tree &child : tree.children)
        children.append(expectedTree(child));
    return {{"tag", tree.name}, {"attributes", attributes}, {"text", ""}, {"tail", ""}, {"children", children}};
}

Tree sessio(const QString &placa, const QString &value)
{
    return {"SESSIO", {{"placa", placa}, {"curs", ""}, {"aula", value}}, {}};
}

// Two sessions as the export writes them, nine attributes each.
Tree timetable()
{
    const Tree one{"SESSIO",
                   {{"placa", "8071"},
                    {"curs", "62"},
                    {"grup", "620001"},
                    {"dia", "1"},
                    {"hora", "8:00"},
                    {"durada", "55"},
                    {"aula", "A&B <1> \"x\" 'y'"},
                    {"materia", "tab\there\nLF\rCR\r\nCRLF  "},
                    {"activitat", "Pati · àé €"}},
                   {}};
    const Tree two{"SESSIO",
                   {{"placa", "8072"}, {"curs", ""}, {"grup", ""}, {"dia", "5"}, {"hora", "13:45"},
                    {"durada", "25"}, {"aula", ""}, {"materia", ""}, {"activitat", "GUARDIA"}},
                   {}};
    return {"HORARI", {}, {{"SESSIONS", {}, {one, two}}}};
}

const QByteArray timetableBytes =
    "<HORARI><SESSIONS>"
    "<SESSIO placa=\"8071\" curs=\"62\" grup=\"620001\" dia=\"1\" hora=\"8:00\" durada=\"55\" "
    "aula=\"A&amp;B &lt;1&gt; &quot;x&quot; 'y'\" materia=\"tab&#9;here&#10;LF&#13;CR&#13;&#10;CRLF  \" "
    "activitat=\"Pati \xC2\xB7 \xC3\xA0\xC3\xA9 \xE2\x82\xAC\"/>"
    "<SESSIO placa=\"8072\" curs=\"\" grup=\"\" dia=\"5\" hora=\"13:45\" durada=\"25\" aula=\"\" materia=\"\" "
    "activitat=\"GUARDIA\"/>"
    "</SESSIONS></HORARI>\n";

// Enough sessions (about 60 bytes each) that the writer hands the file
// several of its 256 KiB blocks.
constexpr int kSeveralBlocks = 15000;

QString manySessionsAula(int i) { return QStringLiteral("Aula %1 · àé €").arg(i); }

Tree manySessions(int count)
{
    Tree sessions{"SESSIONS", {}, {}};
    for (int i = 0; i < count; ++i)
        sessions.children << sessio(QString::number(i), manySessionsAula(i));
    return {"HORARI", {}, {sessions}};
}

QByteArray manySessionsBytes(int count)
{
    QByteArray bytes = "<HORARI><SESSIONS>";
    for (int i = 0; i < count; ++i)
        bytes += "<SESSIO placa=\"" + QByteArray::number(i) + "\" curs=\"\" aula=\"" + manySessionsAula(i).toUtf8()
                 + "\"/>";
    return bytes + "</SESSIONS></HORARI>\n";
}

struct Case {
    const char *name;
    Tree tree;
    QByteArray bytes;
};

void PrintTo(const Case &c, std::ostream *os) { *os << c.name; }

const std::vector<Case> cases = {
    {"empty_root", {"HORARI", {}, {}}, "<HORARI/>\n"},
    {"empty_sessions", {"HORARI", {}, {{"SESSIONS", {}, {}}}}, "<HORARI><SESSIONS/></HORARI>\n"},
    {"markup_and_line_breaks",
     {"HORARI", {}, {{"SESSIONS", {}, {sessio("A&B <1> \"x\" 'y'", "tab\there\nLF\rCR\r\nCRLF  ]]>")}}}},
     "<HORARI><SESSIONS><SESSIO placa=\"A&amp;B &lt;1&gt; &quot;x&quot; 'y'\" curs=\"\" "
     "aula=\"tab&#9;here&#10;LF&#13;CR&#13;&#10;CRLF  ]]&gt;\"/></SESSIONS></HORARI>\n"},
    {"characters_beyond_ascii",
     {"HORARI", {}, {{"SESSIONS", {}, {sessio("Pati · àé €", QString::fromUtf8("\xF0\x9F\x98\x80 \xEF\xBF\xBD"))}}}},
     "<HORARI><SESSIONS><SESSIO placa=\"Pati \xC2\xB7 \xC3\xA0\xC3\xA9 \xE2\x82\xAC\" curs=\"\" "
     "aula=\"\xF0\x9F\x98\x80 \xEF\xBF\xBD\"/></SESSIONS></HORARI>\n"},
    {"attributes_on_an_element_with_children",
     {"A", {{"x", "1"}}, {{"B", {{"y", ""}}, {{"C", {}, {}}}}, {"D", {}, {}}}},
     "<A x=\"1\"><B y=\"\"><C/></B><D/></A>\n"},
    {"timetable", timetable(), timetableBytes},
    {"several_blocks", manySessions(kSeveralBlocks), manySessionsBytes(kSeveralBlocks)},
};

class StreamedDocument : public testing::TestWithParam<Case> {};

TEST_P(StreamedDocument, BytesAndTheTreeAnIndependentReaderSees)
{
    QTemporaryDir dir;
    const Case &c = GetParam();
    const QString path = dir.filePath(QStringLiteral("SolucioHorari.xml"));
    StreamWriter writer(path);
    stream(writer, c.tree);
    writer.commit();
    EXPECT_EQ(readFileBytes(path), c.bytes);
    EXPECT_EQ(readWithPython(path), expectedTree(c.tree));
}

INSTANTIATE_TEST_SUITE_P(Trees, StreamedDocument, testing::ValuesIn(cases),
                         [](const testing::TestParamInfo<Case> &info) { return std::string(info.param.name); });

TEST(StreamWriter, CommitReplacesAnOlderFileWhole)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("SolucioHorari.xml"));
    writeFileBytes(path, "<HORARI><SESSIONS>" + QByteArray("<SESSIO placa=\"old\"/>").repeated(100) + "</SESSIONS></HORARI>");
    StreamWriter writer(path);
    writer.startElement(QStringLiteral("HORARI"));
    writer.endElement();
    writer.commit();
    EXPECT_EQ(readFileBytes(path), QByteArray("<HORARI/>\n"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"SolucioHorari.xml"});
}

TEST(StreamWriter, FailedWritesKeepTheOldFileAndNameTheFile)
{
    expectFailedWritesKeepTheOldFile<XmlError>(
        QStringLiteral("SolucioHorari.xml"), "<HORARI><SESSIONS><SESSIO placa=\"old\"/></SESSIONS></HORARI>",
        [](const QString &path) {
            StreamWriter writer(path);
            stream(writer, timetable());
            writer.commit();
        },
        [](const XmlError &e, const QString &path) {
            EXPECT_TRUE(e.message().contains(winpath::toWindows(path))) << e.what();
        });
}

// However writing ends early, the older file stays as it was, and no
// temporary file is left beside it.
TEST(StreamWriter, FailureLeavesTheOlderFileWhole)
{
    const QByteArray older = "<HORARI><SESSIONS><SESSIO placa=\"older\"/></SESSIONS></HORARI>\n";
    const struct {
        const char *name;
        std::function<void(StreamWriter &)> write;
        bool limitSize;
    } cases[] = {
        {"run fails before the end",
         [](StreamWriter &w) {
             stream(w, manySessions(kSeveralBlocks));
             throw std::runtime_error("the run fails");
         },
         false},
        {"character XML cannot hold",
         [](StreamWriter &w) {
             w.startElement(QStringLiteral("SESSIO"));
             w.attribute(QStringLiteral("placa"), QStringLiteral("bell\x07"));
         },
         false},
        {"element left open", [](StreamWriter &w) { w.startElement(QStringLiteral("HORARI")); w.commit(); }, false},
        {"disk full midway",
         [](StreamWriter &w) {
             stream(w, manySessions(kSeveralBlocks));
             w.commit();
         },
         true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("SolucioHorari.xml"));
        writeFileBytes(path, older);
        try {
            std::optional<FileSizeLimit> limit;
            if (c.limitSize)
                limit.emplace(64 * 1024 + 100);
            StreamWriter writer(path);
            c.write(writer);
            ADD_FAILURE() << "no error";
        } catch (const XmlError &e) {
            if (c.limitSize) {
                EXPECT_EQ(e.message(), QStringLiteral("No se puede escribir %1: el archivo supera el tamaño máximo permitido")
                                           .arg(winpath::toWindows(path)));
            }
        } catch (const std::runtime_error &) {
        }
        EXPECT_EQ(readFileBytes(path), older);
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"SolucioHorari.xml"});
    }
}

TEST(StreamWriter, BuildingMistakesAreErrors)
{
    const struct {
        const char *name;
        std::function<void(StreamWriter &)> act;
    } cases[] = {
        {"element name starting with a digit", [](StreamWriter &w) { w.startElement(QStringLiteral("1A")); }},
        {"empty element name", [](StreamWriter &w) { w.startElement(QString()); }},
        {"attribute name with a blank",
         [](StreamWriter &w) { w.attribute(QStringLiteral("a b"), QStringLiteral("1")); }},
        {"control character in a value", [](StreamWriter &w) { w.attribute(QStringLiteral("a"), QStringLiteral("x\x01")); }},
        {"U+FFFF in a value", [](StreamWriter &w) { w.attribute(QStringLiteral("a"), QString(QChar(0xFFFF))); }},
        {"attribute after a child",
         [](StreamWriter &w) {
             w.startElement(QStringLiteral("SESSIONS"));
             w.endElement();
             w.attribute(QStringLiteral("a"), QString());
         }},
        {"end of no element",
         [](StreamWriter &w) {
             w.endElement();
             w.endElement();
         }},
    };
    QTemporaryDir dir;
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        StreamWriter writer(dir.filePath(QStringLiteral("SolucioHorari.xml")));
        writer.startElement(QStringLiteral("HORARI"));
        EXPECT_THROW(c.act(writer), XmlError);
    }
}

TEST(StreamWriter, MissingFolderIsAnErrorNamingTheFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("missing/SolucioHorari.xml"));
    try {
        StreamWriter writer(path);
        ADD_FAILURE() << "no error";
    } catch (const XmlError &e) {
        EXPECT_EQ(e.message(), QStringLiteral("No se puede escribir %1: no existe el archivo o la carpeta")
                                   .arg(winpath::toWindows(path)));
    }
}

} // namespace
