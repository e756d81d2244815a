// Documents written element by element: the same bytes as a whole document
// saved by xml::Document, and the older file whole whenever writing fails.
#include "platform/WinPath.h"
#include "platform/XmlDocument.h"
#include "platform/XmlStreamWriter.h"

#include "tests/support/FileBytes.h"
#include "tests/support/FileSizeLimit.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <functional>
#include <optional>

using xml::Document;
using xml::StreamWriter;
using xml::XmlError;

namespace {

struct Tree {
    QString name;
    QList<std::pair<QString, QString>> attributes;
    QList<Tree> children;
};

void build(Document &doc, xml::Node parent, const Tree &tree, bool isRoot)
{
    xml::Node element = doc.createElement(tree.name);
    for (const auto &[name, value] : tree.attributes)
        element.setAttribute(name, value);
    for (const Tree &child : tree.children)
        build(doc, element, child, false);
    if (isRoot)
        doc.appendChild(element);
    else
        parent.appendChild(element);
}

void stream(StreamWriter &writer, const Tree &tree)
{
    writer.startElement(tree.name);
    for (const auto &[name, value] : tree.attributes)
        writer.attribute(name, value);
    for (const Tree &child : tree.children)
        stream(writer, child);
    writer.endElement();
}

Tree sessio(const QString &placa, const QString &value)
{
    return {"SESSIO", {{"placa", placa}, {"curs", ""}, {"aula", value}}, {}};
}

// Enough sessions (about 60 bytes each) that the writer hands the file
// several of its 256 KiB blocks.
constexpr int kSeveralBlocks = 15000;

Tree manySessions(int count)
{
    Tree sessions{"SESSIONS", {}, {}};
    for (int i = 0; i < count; ++i)
        sessions.children << sessio(QString::number(i), QStringLiteral("Aula %1 · àé €").arg(i));
    return {"HORARI", {}, {sessions}};
}

struct Case {
    const char *name;
    Tree tree;
};

void PrintTo(const Case &c, std::ostream *os) { *os << c.name; }

const std::vector<Case> cases = {
    {"empty_root", {"HORARI", {}, {}}},
    {"empty_sessions", {"HORARI", {}, {{"SESSIONS", {}, {}}}}},
    {"markup_and_line_breaks",
     {"HORARI", {}, {{"SESSIONS", {}, {sessio("A&B <1> \"x\" 'y'", "tab\there\nLF\rCR\r\nCRLF  ]]>")}}}}},
    {"characters_beyond_ascii",
     {"HORARI", {}, {{"SESSIONS", {}, {sessio("Pati · àé €", QString::fromUtf8("\xF0\x9F\x98\x80 \xEF\xBF\xBD"))}}}}},
    {"attributes_on_an_element_with_children",
     {"A", {{"x", "1"}}, {{"B", {{"y", ""}}, {{"C", {}, {}}}}, {"D", {}, {}}}}},
    {"several_blocks", manySessions(kSeveralBlocks)},
};

class StreamedBytes : public testing::TestWithParam<Case> {};

TEST_P(StreamedBytes, SameAsTheSavedDocument)
{
    QTemporaryDir dir;
    const Tree &tree = GetParam().tree;
    Document doc;
    build(doc, {}, tree, true);
    const QString path = dir.filePath(QStringLiteral("streamed.xml"));
    StreamWriter writer(path);
    stream(writer, tree);
    writer.commit();
    EXPECT_EQ(readFileBytes(path), doc.toBytes());
}

INSTANTIATE_TEST_SUITE_P(Trees, StreamedBytes, testing::ValuesIn(cases),
                         [](const testing::TestParamInfo<Case> &info) { return std::string(info.param.name); });

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
