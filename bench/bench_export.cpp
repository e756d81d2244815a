// The timetable export over a large school's tables at 2,000, 20,000 and
// 200,000 sessions, against its floor: read SOLUC.DBF and write the same
// bytes of "SolucioHorari.xml". The run must grow linearly with the sessions,
// stay within a small factor of the floor, and hold little more memory than
// the document it writes.
#include "bench/Floor.h"

#include "run/MainFormState.h"
#include "run/UserInteraction.h"
#include "export/TimetableExport.h"
#include "import/TableLayouts.h"
#include "tests/support/SolucLayout.h"
#include "tests/support/TableRows.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>
#include <memory>
#include <stdexcept>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

using namespace timetable_export;

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
    void closeMainWindow() override {}

private:
    QString m_file;
};

// The rows of a generated table, one QStringList per record.
QList<QStringList> rows(int count, const std::function<QStringList(int)> &row)
{
    QList<QStringList> result;
    result.reserve(count);
    for (int i = 0; i < count; ++i)
        result.append(row(i));
    return result;
}

// One generated solution in its own working folder, and the bytes the export
// writes for it (what the floor writes without looking anything up).
struct Solution {
    QTemporaryDir prefix;
    QString chosenFile;
    QByteArray output;

    void use() const { qputenv("WINEPREFIX", prefix.path().toLocal8Bit()); }
    QString outputPath() const { return QFileInfo(chosenFile).path() + QStringLiteral("/SolucioHorari.xml"); }
    QString solucPath() const { return prefix.path() + QStringLiteral("/drive_c/VTEMP/SOLUC.DBF"); }
    QString floorPath() const { return QFileInfo(chosenFile).path() + QStringLiteral("/floor.xml"); }
};

std::unique_ptr<Solution> generate(int records)
{
    auto s = std::make_unique<Solution>();
    s->use();
    const QString saga = s->prefix.path() + QStringLiteral("/drive_c/VTEMP/saga");
    QDir().mkpath(saga);
    s->chosenFile = saga + QStringLiteral("/horari.xml");
    QFile(s->chosenFile).open(QIODevice::WriteOnly);

    // The working tables have the import's layouts; the benchmark fills the
    // fields the export looks up.
    writeTableRows(QStringLiteral("PROFT"), centre_import::proftFields(),
                   rows(teachers, [](int i) { return QStringList{code("T", i), QStringLiteral("placa-%1").arg(i)}; }),
                   {QStringLiteral("ABREV"), QStringLiteral("CODI")});
    writeTableRows(QStringLiteral("GRUPOST"), centre_import::grupostFields(), rows(groups, [](int i) {
                       return QStringList{code("G", i), QStringLiteral("grup-%1").arg(i),
                                          QStringLiteral("curs-%1").arg(i / 4)};
                   }),
                   {QStringLiteral("ABREV"), QStringLiteral("CODI"), QStringLiteral("CODICURS")});
    writeTableRows(QStringLiteral("AULAT"), centre_import::aulatFields(),
                   rows(rooms, [](int i) { return QStringList{code("R", i), QStringLiteral("aula-%1").arg(i)}; }),
                   {QStringLiteral("ABREV"), QStringLiteral("CODI")});
    writeTableRows(QStringLiteral("ASIGNOMT"), centre_import::asignomtFields(),
                   rows(subjects, [](int i) { return QStringList{code("S", i), QStringLiteral("materia-%1").arg(i)}; }),
                   {QStringLiteral("COD"), QStringLiteral("CODI")});
    writeTableRows(QStringLiteral("DIASHORAST"), centre_import::diashorastFields(), rows(days * periods, [](int i) {
                       const int day = 1 + i / periods;
                       const int period = 1 + i % periods;
                       return QStringList{QString::number(day) + QString::number(period),
                                          QStringLiteral("dia-%1").arg(day), QStringLiteral("%1:00").arg(7 + period),
                                          QStringLiteral("55")};
                   }),
                   {QStringLiteral("DIHO"), QStringLiteral("DIA"), QStringLiteral("HORADESDE"), QStringLiteral("MINUTOS")});

    // Every 50th session unplaced, every 20th an activity, every 97th
    // teacher unknown: all paths of a session are taken.
    writeTableRows(QStringLiteral("SOLUC"), solucFields(), rows(records, [](int i) {
                       return QStringList{QString::number(i % 50 == 49 ? 0 : 1 + i % days),
                                          QString::number(1 + (i / days) % periods),
                                          i % 97 == 0 ? QStringLiteral("NOPE") : code("T", i % teachers),
                                          code("G", i % groups),
                                          code("R", i % rooms),
                                          code("S", i % subjects),
                                          i % 20 == 0 ? QStringLiteral("GUARDIA") : QString()};
                   }),
                   {QStringLiteral("DIA"), QStringLiteral("HORA"), QStringLiteral("PROF"), QStringLiteral("CODGRUPO"),
                    QStringLiteral("AULA"), QStringLiteral("ASIG"), QStringLiteral("TAREA")});
    return s;
}

void runExport(const Solution &s)
{
    MainFormState form;
    SilentInteraction ui(s.chosenFile);
    BImportarClick(form, ui);
    if (form.ResultadoTransformacion != 1)
        throw std::runtime_error("the export did not finish");
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

// The floor: SOLUC.DBF read whole, and the export's bytes written through a
// buffered file over the previous ones, as a program that had nothing to
// look up would do.
void floor(const Solution &s)
{
    const QByteArray soluc = s.solucPath().toLocal8Bit();
    std::FILE *in = std::fopen(soluc.constData(), "rb");
    std::vector<char> records(std::size_t(QFileInfo(s.solucPath()).size()));
    if (!in || std::fread(records.data(), 1, records.size(), in) != records.size())
        throw std::runtime_error("cannot read SOLUC.DBF");
    std::fclose(in);
    benchmark::DoNotOptimize(records.data());

    const QByteArray path = s.floorPath().toLocal8Bit();
    std::FILE *out = std::fopen(path.constData(), "wb");
    if (!out || std::fwrite(s.output.constData(), 1, std::size_t(s.output.size()), out) != std::size_t(s.output.size())
        || std::fclose(out) != 0)
        throw std::runtime_error("cannot write the floor's output");
}

// What the export's safe save adds to the floor: waiting until the bytes
// are on disk, before the new file may take the older one's place.
void makeFloorDurable(const Solution &s)
{
    const int fd = ::open(s.floorPath().toLocal8Bit().constData(), O_WRONLY);
    if (fd < 0 || ::fdatasync(fd) != 0 || ::close(fd) != 0)
        throw std::runtime_error("cannot make the floor's output durable");
}

// One solution per size, generated and exported once before anything is timed.
const Solution &solution(int records)
{
    static std::map<int, std::unique_ptr<Solution>> solutions;
    auto &s = solutions[records];
    if (!s) {
        s = generate(records);
        runExport(*s);
        s->output = contents(s->outputPath());
        if (s->output.isEmpty()) {
            std::fprintf(stderr, "the export wrote nothing for %d records\n", records);
            std::abort();
        }
    }
    s->use();
    return *s;
}

void BM_Export(benchmark::State &state)
{
    const Solution &s = solution(int(state.range(0)));
    bench::pairWithFloor(state, [&s] { runExport(s); }, [&s] { floor(s); }, [&s] { makeFloorDurable(s); });
    bench::reportPeakMemory(state, {s.prefix.path().toStdString(), s.chosenFile.toStdString()}, s.output.size());
    state.SetComplexityN(state.range(0));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

BENCHMARK(BM_Export)
    ->Arg(2000)
    ->Arg(20000)
    ->Arg(200000)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Complexity(benchmark::oN);

} // namespace

// A peak-memory child: one export of the solution in the given WINEPREFIX.
int main(int argc, char **argv)
{
    return bench::benchmarkMain(argc, argv, [](const std::vector<std::string> &arguments) {
        qputenv("WINEPREFIX", QByteArray::fromStdString(arguments.at(0)));
        MainFormState form;
        SilentInteraction ui(QString::fromStdString(arguments.at(1)));
        BImportarClick(form, ui);
        if (form.ResultadoTransformacion != 1)
            std::exit(1);
    });
}
