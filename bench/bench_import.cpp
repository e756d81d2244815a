// The first three steps of the centre import (subjects and activities,
// teachers, rooms) over a large school's document at 1x, 10x and 100x its
// size, next to the parse of the same document alone. The short names clash
// often, so the short-code search is part of what is measured.

#include "bench/CentreGenerator.h"
#include "bench/CentreWorkspace.h"

#include "import/CrearAsignaturas.h"
#include "import/CrearAulas.h"
#include "import/CrearProfesores.h"
#include "import/ShortCodes.h"
#include "import/CentreDocument.h"
#include "platform/XmlDocument.h"

#include <benchmark/benchmark.h>

#include <QFile>
#include <QTemporaryDir>

#include <map>
#include <memory>
#include <stdexcept>

using namespace centre_import;

namespace {

void countElements(benchmark::State &state)
{
    const bench::CentreSize size = bench::largeSchool(int(state.range(0)));
    state.SetComplexityN(state.range(0));
    state.counters["elements"] = size.subjects + size.activities + size.posts + size.rooms;
}

void BM_ParseCentreDocument(benchmark::State &state)
{
    const bench::Workspace &w = bench::workspace(int(state.range(0)));
    for (auto _ : state) {
        xml::Document document;
        document.load(w.file());
        benchmark::DoNotOptimize(document);
    }
    countElements(state);
}

void BM_SubjectsTeachersRooms(benchmark::State &state)
{
    const bench::Workspace &w = bench::workspace(int(state.range(0)));
    const CentreDocument document = readCentreDocument(w.file());
    for (auto _ : state) {
        // The steps let go of the records they write.
        state.PauseTiming();
        CentreDocument DocXML = document;
        state.ResumeTiming();
        CrearAsignaturas(DocXML, winpath::WorkingFolder());
        CrearProfesores(DocXML, winpath::WorkingFolder());
        CrearAulas(DocXML, winpath::WorkingFolder());
    }
    countElements(state);
}

// The worst case of the short-code search: every subject has the same short
// name, so the k-th one is the stem's k-th clash.
void BM_ShortCodesOfOneName(benchmark::State &state)
{
    const QString curta = QStringLiteral("Matemàtiques");
    for (auto _ : state) {
        CodeList codes;
        for (int i = 0; i < state.range(0); ++i)
            benchmark::DoNotOptimize(subjectShortCode(codes, curta));
    }
    state.SetComplexityN(state.range(0));
}

BENCHMARK(BM_ParseCentreDocument)->Arg(1)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);
BENCHMARK(BM_SubjectsTeachersRooms)->Arg(1)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);
BENCHMARK(BM_ShortCodesOfOneName)->Arg(640)->Arg(6400)->Arg(64000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);

} // namespace

BENCHMARK_MAIN();
