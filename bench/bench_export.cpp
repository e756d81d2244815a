// The timetable export over a large school's tables, against a baseline that
// does the same reading and writing without any look-up: the run must grow
// linearly with the sessions and stay within a small factor of the baseline.
#include "run/MainFormState.h"
#include "run/UserInteraction.h"
#include "export/SolucioHorari.h"
#include "export/TimetableExport.h"
#include "platform/Dbf.h"
#include "platform/XmlDocument.h"

#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <vector>

namespace {

// A large school: its look-up tables, and the codes a solution names.
constexpr int teachers = 110;
constexpr int groups = 51;
constexpr int rooms = 83;
constexpr int subjects = 640;
constexpr int days = 5;
constexpr int periods = 12;

QString code(const char *prefix, int n)
{
    return QStringLiteral("%1%2").arg(QLatin1String(prefix)).arg(n, 3, 10, QLatin1Char('0'));
}

// The user, silent: picks the given file and confirms everything.
class SilentInteraction : public UserInteraction {
public:
    explicit SilentInteraction(QString file)
        : m_file(std::move(file))
    {
    }
    std::optional<QString> chooseOpenFile(const OpenFileDialog &) override { return m_file; }
    void showMessage(const QString &) override {}
    void showSummary(const QString &, const RunSummary &) override {}
    Answer ask(const Question &) override { return Answer::Ok; }
    void showError(const QString &) override {}
    void setHourglass(bool) override {}
    void showControlCursos(TControlCursos &) override {}
    void closeMainWindow() override {}

private:
    QString m_file;
};

struct Column {
    const char *name;
    dbf::FieldType type;
    int width;
};

void writeTable(const QString &name, const std::vector<Column> &columns, int rows,
                const std::function<QStringList(int)> &row)
{
    dbf::Table table;
    table.setFolder(QStringLiteral("C:\\VTEMP"));
    table.setTableName(name);
    for (const Column &c : columns)
        table.fieldDefs().push_back({QString::fromLatin1(c.name), c.type, c.width});
    table.createTable();
    table.open();
    for (int i = 0; i < rows; ++i) {
        const QStringList values = row(i);
        table.append();
        for (std::size_t f = 0; f < columns.size(); ++f) {
            const QString field = QString::fromLatin1(columns[f].name);
            if (columns[f].type == dbf::FieldType::Integer)
                table.setInteger(field, values[qsizetype(f)].toLongLong());
            else if (columns[f].type == dbf::FieldType::Float)
                table.setFloat(field, values[qsizetype(f)].toDouble());
            else
                table.setString(field, values[qsizetype(f)]);
        }
        table.post();
    }
    table.close();
}

// One generated solution in its own working folder, with the sessions the
// export must write for it (what the baseline writes without looking up).
struct Solution {
    QTemporaryDir prefix;
    QString chosenFile;
    std::vector<Sessio> sessions;

    void use() const { qputenv("WINEPREFIX", prefix.path().toLocal8Bit()); }
    QString output() const { return QFileInfo(chosenFile).path() + QStringLiteral("/SolucioHorari.xml"); }
};

std::unique_ptr<Solution> generate(int records)
{
    auto s = std::make_unique<Solution>();
    s->use();
    const QString saga = s->prefix.path() + QStringLiteral("/drive_c/VTEMP/saga");
    QDir().mkpath(saga);
    s->chosenFile = saga + QStringLiteral("/horari.xml");
    QFile(s->chosenFile).open(QIODevice::WriteOnly);

    writeTable(QStringLiteral("PROFT"), {{"ABREV", dbf::FieldType::String, 10}, {"CODI", dbf::FieldType::String, 40}},
               teachers, [](int i) { return QStringList{code("T", i), QStringLiteral("placa-%1").arg(i)}; });
    writeTable(QStringLiteral("GRUPOST"),
               {{"ABREV", dbf::FieldType::String, 10}, {"CODI", dbf::FieldType::String, 20},
                {"CODICURS", dbf::FieldType::String, 20}},
               groups, [](int i) {
                   return QStringList{code("G", i), QStringLiteral("grup-%1").arg(i), QStringLiteral("curs-%1").arg(i / 4)};
               });
    writeTable(QStringLiteral("AULAT"), {{"ABREV", dbf::FieldType::String, 10}, {"CODI", dbf::FieldType::String, 60}},
               rooms, [](int i) { return QStringList{code("R", i), QStringLiteral("aula-%1").arg(i)}; });
    writeTable(QStringLiteral("ASIGNOMT"), {{"COD", dbf::FieldType::String, 10}, {"CODI", dbf::FieldType::String, 20}},
               subjects, [](int i) { return QStringList{code("S", i), QStringLiteral("materia-%1").arg(i)}; });
    writeTable(QStringLiteral("DIASHORAST"),
               {{"DIHO", dbf::FieldType::String, 10}, {"DIA", dbf::FieldType::String, 20},
                {"HORADESDE", dbf::FieldType::String, 8}, {"MINUTOS", dbf::FieldType::String, 8}},
               days * periods, [](int i) {
                   const int day = 1 + i / periods;
                   const int period = 1 + i % periods;
                   return QStringList{QString::number(day) + QString::number(period), QStringLiteral("dia-%1").arg(day),
                                      QStringLiteral("%1:00").arg(7 + period), QStringLiteral("55")};
               });

    // Every 50th session unplaced, every 20th an activity, every 97th
    // teacher unknown: all paths of a session are taken.
    const auto sessionRow = [](int i) {
        const int day = i % 50 == 49 ? 0 : 1 + i % days;
        const int period = 1 + (i / days) % periods;
        return QStringList{QString::number(day),
                           QString::number(period),
                           i % 97 == 0 ? QStringLiteral("NOPE") : code("T", i % teachers),
                           code("G", i % groups),
                           code("R", i % rooms),
                           code("S", i % subjects),
                           i % 20 == 0 ? QStringLiteral("GUARDIA") : QString()};
    };
    writeTable(QStringLiteral("SOLUC"),
               {{"DIA", dbf::FieldType::Integer, 0}, {"HORA", dbf::FieldType::Float, 0},
                {"PROF", dbf::FieldType::String, 10}, {"CODGRUPO", dbf::FieldType::String, 10},
                {"AULA", dbf::FieldType::String, 10}, {"ASIG", dbf::FieldType::String, 10},
                {"TAREA", dbf::FieldType::String, 10}},
               records, sessionRow);

    for (int i = 0; i < records; ++i) {
        const QStringList r = sessionRow(i);
        if (r[0] == u"0")
            continue;
        const int day = r[0].toInt();
        const int period = r[1].toInt();
        const bool teacherKnown = r[2] != u"NOPE";
        s->sessions.push_back({teacherKnown ? QStringLiteral("placa-%1").arg(i % teachers) : QString(),
                               QStringLiteral("curs-%1").arg((i % groups) / 4), QStringLiteral("grup-%1").arg(i % groups),
                               QStringLiteral("dia-%1").arg(day), QStringLiteral("%1:00").arg(7 + period),
                               QStringLiteral("55"), QStringLiteral("aula-%1").arg(i % rooms),
                               QStringLiteral("materia-%1").arg(i % subjects), r[6]});
    }
    return s;
}

// Reads every record's seven fields as the export does and writes the
// document it writes, with the looked-up values known beforehand.
void baseline(const Solution &s)
{
    dbf::Table soluc(QStringLiteral("wwTableSoluc"), QStringLiteral("\\vtemp"), QStringLiteral("SOLUC"), true);
    soluc.open();
    xml::Document document;
    SolucioHorari horari(document);
    std::size_t next = 0;
    for (soluc.first(); !soluc.eof(); soluc.next()) {
        const long long dia = soluc.asInteger(QStringLiteral("DIA"));
        benchmark::DoNotOptimize(soluc.asString(QStringLiteral("DIA")));
        benchmark::DoNotOptimize(soluc.asFloat(QStringLiteral("HORA")));
        benchmark::DoNotOptimize(soluc.asString(QStringLiteral("PROF")));
        benchmark::DoNotOptimize(soluc.asString(QStringLiteral("CODGRUPO")));
        benchmark::DoNotOptimize(soluc.asString(QStringLiteral("AULA")));
        benchmark::DoNotOptimize(soluc.asString(QStringLiteral("ASIG")));
        benchmark::DoNotOptimize(soluc.asString(QStringLiteral("TAREA")));
        if (dia != 0)
            horari.append(s.sessions[next++]);
    }
    soluc.close();
    document.save(s.output());
}

void runExport(const Solution &s)
{
    MainFormState form;
    SilentInteraction ui(s.chosenFile);
    BImportarClick(form, ui);
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

// One solution per size, generated once; the export and the baseline are
// checked to write the same bytes before either is timed.
const Solution &solution(int records)
{
    static std::map<int, std::unique_ptr<Solution>> solutions;
    auto &s = solutions[records];
    if (!s) {
        s = generate(records);
        runExport(*s);
        const QByteArray exported = contents(s->output());
        baseline(*s);
        if (exported != contents(s->output()) || exported.isEmpty()) {
            std::fprintf(stderr, "export and baseline differ for %d records\n", records);
            std::abort();
        }
    }
    s->use();
    return *s;
}

void BM_Export(benchmark::State &state)
{
    const Solution &s = solution(int(state.range(0)));
    for (auto _ : state)
        runExport(s);
    state.SetComplexityN(state.range(0));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_Baseline(benchmark::State &state)
{
    const Solution &s = solution(int(state.range(0)));
    for (auto _ : state)
        baseline(s);
    state.SetComplexityN(state.range(0));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

BENCHMARK(BM_Export)->Arg(2000)->Arg(20000)->Arg(200000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);
BENCHMARK(BM_Baseline)->Arg(2000)->Arg(20000)->Arg(200000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);

} // namespace

BENCHMARK_MAIN();
