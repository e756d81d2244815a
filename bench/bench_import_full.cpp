// The whole centre import of a large school at 1x, 10x and 100x its size,
// with the level and course dialog filled and the subject lines accepted,
// next to the parse of the same document alone; and steps 5 and 6 (groups,
// level subjects, subject lines) on their own.

#include "bench/CentreGenerator.h"
#include "bench/CentreWorkspace.h"

#include "run/MainFormState.h"
#include "run/UserInteraction.h"
#include "import/CentreImport.h"
#include "import/CrearGrupos.h"
#include "import/CrearLineasAsignaturas.h"
#include "import/Cursos/TControlCursos.h"
#include "platform/XmlDocument.h"

#include <benchmark/benchmark.h>

#include <QFile>
#include <QTemporaryDir>

#include <map>
#include <memory>
#include <stdexcept>

namespace {

// The user of a first import: picks the file, gives every course the level
// and number its description names ("2n Batx." is BATX 2), refuses an earlier
// import's answers and accepts the proposed lines.
class BenchInteraction : public UserInteraction {
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
        xml::Document document;
        document.load(w.file());
        benchmark::DoNotOptimize(document);
    }
    state.SetComplexityN(state.range(0));
}

void BM_FullImport(benchmark::State &state)
{
    const bench::Workspace &w = bench::workspace(int(state.range(0)));
    for (auto _ : state) {
        MainFormState form;
        BenchInteraction user(w.file());
        BExportarClick(form, user);
        if (form.ResultadoTransformacion != 1)
            state.SkipWithError("the import did not finish");
    }
    countRows(state);
}

// Steps 5 and 6 again on the tables of an import done beforehand: their share
// of the whole run, and that their look-ups keep them linear.
void BM_GroupsAndLines(benchmark::State &state)
{
    const bench::Workspace &w = bench::workspace(int(state.range(0)));
    MainFormState form;
    BenchInteraction user(w.file());
    BExportarClick(form, user);
    for (auto _ : state) {
        CrearGrupos(form);
        CrearLineasAsignaturas(form, user);
    }
    countRows(state);
}

} // namespace

BENCHMARK(BM_ParseDocument)->Arg(1)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);
BENCHMARK(BM_FullImport)->Arg(1)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);
BENCHMARK(BM_GroupsAndLines)->Arg(1)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);

BENCHMARK_MAIN();
