// The whole centre import of a large school at 1x, 10x and 100x its size,
// with the level and course dialog filled and the subject lines accepted,
// against its floor: load the document with libxml2, visit every attribute,
// and write the same bytes of the tables and the index; and against a
// second floor that reads the document with libxml2's stream reader instead,
// holding no tree. Each floor is also reported followed by what its safe
// commit needs at the least (x_durable_floor). Also the one-pass read of the
// document into the import's records alone, and steps 5 and 6 (groups, level
// subjects, subject lines) on their own.

#include "bench/CentreGenerator.h"
#include "bench/CentreWorkspace.h"
#include "bench/Floor.h"

#include "run/MainFormState.h"
#include "import/ImportInteraction.h"
#include "import/CentreDocument.h"
#include "import/CentreImport.h"
#include "import/CompareSets.h"
#include "import/CrearGrupos.h"
#include "import/ImportedTables.h"
#include "import/CrearLineasAsignaturas.h"
#include "import/Cursos/TControlCursos.h"
#include "platform/WinPath.h"

#include <benchmark/benchmark.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <libxml/parser.h>
#include <libxml/tree.h>
#include <libxml/xmlreader.h>

#include <cstdio>
#include <cstring>

#include <fcntl.h>
#include <unistd.h>

#include <map>
#include <memory>
#include <stdexcept>

using namespace centre_import;

namespace {

// The user of a first import: picks the file, gives every course the level
// and number its description names ("2n Batx." is BATX 2), refuses an earlier
// import's answers and accepts the proposed lines.
class BenchInteraction : public centre_import::ImportInteraction {
public:
    explicit BenchInteraction(QString file) : m_file(std::move(file)) {}

    std::optional<QString> chooseOpenFile(const OpenFileDialog &) override { return m_file; }
    void showMessage(const QString &) override {}
    void showSummary(const QString &, const RunSummary &) override {}
    Answer ask(const Question &question) override
    {
        return question.buttons == Buttons::OkCancel ? Answer::Ok : Answer::No;
    }
    void showError(const QString &text) override { throw std::runtime_error(text.toStdString()); }
    void setHourglass(bool) override {}
    void showControlCursos(TControlCursos &dialog) override
    {
        dialog.FormShow();
        dialog.enterGrid();
        TableDataSource &grid = dialog.wwDataSource1;
        for (int row = 0; row < grid.recordCount(); ++row) {
            const QStringList words = grid.text(row, QStringLiteral("DESCRIPCIO")).split(QLatin1Char(' '));
            grid.moveTo(row);
            grid.setText(QStringLiteral("NIVEL"), words.value(1).remove(QLatin1Char('.')).toUpper());
            grid.setText(QStringLiteral("CURSO"), words.value(0).left(1));
        }
        dialog.pressOk();
    }
    void closeMainWindow() override {}

private:
    QString m_file;
};

int rowsOf(const QString &table)
{
    dbf::Table t(QString(), QStringLiteral("C:\\VTEMP"), table, false);
    t.open();
    return t.recordCount();
}

// The rows the import wrote, counted in the tables it left.
void countRows(benchmark::State &state)
{
    state.SetComplexityN(state.range(0));
    state.counters["GRUPOST"] = rowsOf(QStringLiteral("GRUPOST"));
    state.counters["ASIGNOMT"] = rowsOf(QStringLiteral("ASIGNOMT"));
    state.counters["ASIGT"] = rowsOf(QStringLiteral("ASIGT"));
}

void BM_ParseDocument(benchmark::State &state)
{
    const bench::Workspace &w = bench::workspace(int(state.range(0)));
    for (auto _ : state) {
        const centre_import::CentreDocument document = centre_import::readCentreDocument(w.file());
        benchmark::DoNotOptimize(document);
    }
    state.SetComplexityN(state.range(0));
}

void runImport(const bench::Workspace &w)
{
    MainFormState form;
    BenchInteraction user(w.file());
    BExportarClick(form, user);
    if (form.ResultadoTransformacion != 1)
        throw std::runtime_error("the import did not finish");
}

// What the import writes: its tables and the indexes its steps make.
QStringList writtenFiles()
{
    QStringList files;
    for (const centre_import::ImportedTable &table : centre_import::importedTableSet()) {
        files << table.name + QStringLiteral(".DBF");
        if (table.writesIndex)
            files << table.name + QStringLiteral(".MDX");
    }
    return files;
}

struct Written {
    QString name;
    QByteArray bytes;
};

// The files one import of the scale wrote, read once before anything is timed.
const std::vector<Written> &writtenBy(const bench::Workspace &w, int scale)
{
    static std::map<int, std::vector<Written>> written;
    std::vector<Written> &files = written[scale];
    if (files.empty()) {
        runImport(w);
        for (const QString &name : writtenFiles()) {
            QFile file(w.prefix() + QStringLiteral("/drive_c/VTEMP/") + name);
            if (!file.open(QIODevice::ReadOnly))
                throw std::runtime_error("the import did not write " + name.toStdString());
            files.push_back({name, file.readAll()});
        }
    }
    return files;
}

// Every attribute value of the elements from `node` on, and of their
// descendants, in document order.
void visitAttributes(xmlNodePtr node, std::size_t &characters)
{
    for (; node != nullptr; node = node->next) {
        if (node->type != XML_ELEMENT_NODE)
            continue;
        for (xmlAttrPtr attr = node->properties; attr != nullptr; attr = attr->next) {
            for (xmlNodePtr text = attr->children; text != nullptr; text = text->next)
                characters += std::strlen(reinterpret_cast<const char *>(text->content));
        }
        visitAttributes(node->children, characters);
    }
}

// The same bytes written through buffered files.
void writeFloorFiles(const bench::Workspace &w, const std::vector<Written> &files)
{
    const QString folder = w.prefix() + QStringLiteral("/floor");
    QDir().mkpath(folder);
    for (const Written &file : files) {
        const QByteArray path = (folder + QLatin1Char('/') + file.name).toLocal8Bit();
        std::FILE *out = std::fopen(path.constData(), "wb");
        if (!out || std::fwrite(file.bytes.constData(), 1, std::size_t(file.bytes.size()), out) != std::size_t(file.bytes.size())
            || std::fclose(out) != 0)
            throw std::runtime_error("cannot write the floor's files");
    }
}

void syncPath(const QString &path)
{
    const int fd = ::open(path.toLocal8Bit().constData(), O_RDONLY);
    if (fd < 0 || ::fsync(fd) != 0 || ::close(fd) != 0)
        throw std::runtime_error("cannot make the floor's files durable");
}

// What the import's safe commit adds to the floor's writes, at the least:
// waiting until every file is on disk, renaming each into the place of the
// one before it, and waiting until both folders record the renames. (The
// import also writes and removes a journal, and keeps the replaced tables.)
void makeFloorDurable(const bench::Workspace &w, const std::vector<Written> &files)
{
    const QString folder = w.prefix() + QStringLiteral("/floor");
    const QString placed = w.prefix() + QStringLiteral("/floor-placed");
    QDir().mkpath(placed);
    for (const Written &file : files)
        syncPath(folder + QLatin1Char('/') + file.name);
    for (const Written &file : files) {
        const QByteArray from = (folder + QLatin1Char('/') + file.name).toLocal8Bit();
        const QByteArray to = (placed + QLatin1Char('/') + file.name).toLocal8Bit();
        if (std::rename(from.constData(), to.constData()) != 0)
            throw std::runtime_error("cannot place the floor's files");
    }
    syncPath(folder);
    syncPath(placed);
}

// The floor: the document loaded by libxml2, every attribute's value of
// every element visited, and the same bytes written.
void floor(const bench::Workspace &w, const std::vector<Written> &files)
{
    xmlDocPtr doc = xmlReadFile(w.file().toLocal8Bit().constData(), nullptr, XML_PARSE_NONET);
    if (doc == nullptr)
        throw std::runtime_error("libxml2 cannot load the document");
    std::size_t characters = 0;
    visitAttributes(xmlDocGetRootElement(doc), characters);
    benchmark::DoNotOptimize(characters);
    xmlFreeDoc(doc);
    writeFloorFiles(w, files);
}

// The second floor: the document read once by libxml2's stream reader, no
// tree kept, every attribute's value of every element visited, and the same
// bytes written.
void streamFloor(const bench::Workspace &w, const std::vector<Written> &files)
{
    xmlTextReaderPtr reader = xmlReaderForFile(w.file().toLocal8Bit().constData(), nullptr, XML_PARSE_NONET);
    if (reader == nullptr)
        throw std::runtime_error("libxml2 cannot read the document");
    std::size_t characters = 0;
    int read = 0;
    while ((read = xmlTextReaderRead(reader)) == 1) {
        if (xmlTextReaderNodeType(reader) != XML_READER_TYPE_ELEMENT)
            continue;
        for (xmlAttrPtr attr = xmlTextReaderCurrentNode(reader)->properties; attr != nullptr; attr = attr->next) {
            for (xmlNodePtr text = attr->children; text != nullptr; text = text->next)
                characters += std::strlen(reinterpret_cast<const char *>(text->content));
        }
    }
    xmlFreeTextReader(reader);
    if (read != 0)
        throw std::runtime_error("libxml2 cannot read the document");
    benchmark::DoNotOptimize(characters);
    writeFloorFiles(w, files);
}

void BM_FullImport(benchmark::State &state)
{
    const int scale = int(state.range(0));
    const bench::Workspace &w = bench::workspace(scale);
    const std::vector<Written> &files = writtenBy(w, scale);
    qsizetype outputBytes = 0;
    for (const Written &file : files)
        outputBytes += file.bytes.size();
    bench::pairWithFloor(
        state, [&w] { runImport(w); }, [&w, &files] { floor(w, files); }, [&w, &files] { makeFloorDurable(w, files); });
    bench::reportPeakMemory(state, {w.prefix().toStdString(), w.file().toStdString()}, outputBytes);
    countRows(state);
}

// The same run against the second floor, the stream read alone.
void BM_FullImportAgainstStreamFloor(benchmark::State &state)
{
    const int scale = int(state.range(0));
    const bench::Workspace &w = bench::workspace(scale);
    const std::vector<Written> &files = writtenBy(w, scale);
    bench::pairWithFloor(
        state, [&w] { runImport(w); }, [&w, &files] { streamFloor(w, files); },
        [&w, &files] { makeFloorDurable(w, files); });
    state.SetComplexityN(scale);
}

// What a re-import adds to tell what changed: the comparison of the replaced
// set with the new one by code, table by table, on its own, and its share of
// a whole import that replaces a set (as every timed import here does but
// the first).
void BM_CompareReplacedSet(benchmark::State &state)
{
    const bench::Workspace &w = bench::workspace(int(state.range(0)));
    runImport(w);
    QElapsedTimer timer;
    timer.start();
    runImport(w);
    const double importNs = double(timer.nsecsElapsed());
    const QString folder = winpath::toLocal(QStringLiteral("C:\\VTEMP"));
    double compareNs = 0;
    int runs = 0;
    for (auto _ : state) {
        timer.restart();
        benchmark::DoNotOptimize(compareSets(folder, folder));
        compareNs += double(timer.nsecsElapsed());
        ++runs;
    }
    state.counters["share_of_import"] = compareNs / runs / importNs;
    state.SetComplexityN(state.range(0));
}

// Steps 5 and 6 again on the tables of an import done beforehand: their share
// of the whole run, and that their look-ups keep them linear.
void BM_GroupsAndLines(benchmark::State &state)
{
    const bench::Workspace &w = bench::workspace(int(state.range(0)));
    MainFormState form;
    BenchInteraction user(w.file());
    BExportarClick(form, user);
    const CentreDocument DocXML = readCentreDocument(w.file());
    for (auto _ : state) {
        CrearGrupos(DocXML, form.takeTableCursos(), form.wwTableGrupos, form.wwTableNomAsg, form.workingFolder);
        CrearLineasAsignaturas(form.wwTableGrupos, form.wwTableProfesor, form.wwTableAulas, form.wwTableNomAsg, user,
                               form.workingFolder);
    }
    countRows(state);
}

} // namespace

BENCHMARK(BM_ParseDocument)->Arg(1)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);
BENCHMARK(BM_FullImport)->Arg(1)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond)->UseManualTime()->Complexity(benchmark::oN);
BENCHMARK(BM_FullImportAgainstStreamFloor)->Arg(1)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond)->UseManualTime()->Complexity(benchmark::oN);
BENCHMARK(BM_CompareReplacedSet)->Arg(1)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);
BENCHMARK(BM_GroupsAndLines)->Arg(1)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);

// A peak-memory child: one import of the document in the given WINEPREFIX.
int main(int argc, char **argv)
{
    return bench::benchmarkMain(argc, argv, [](const std::vector<std::string> &arguments) {
        qputenv("WINEPREFIX", QByteArray::fromStdString(arguments.at(0)));
        MainFormState form;
        BenchInteraction user(QString::fromStdString(arguments.at(1)));
        BExportarClick(form, user);
        if (form.ResultadoTransformacion != 1)
            std::exit(1);
    });
}
