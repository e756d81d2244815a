// Table engine throughput: appending and posting rows, against the floor of
// writing the same bytes with a plain buffered file write in the same
// iterations; and reading every field of every row.
#include "bench/Floor.h"

#include "platform/Dbf.h"
#include "platform/FieldDef.h"

#include <QByteArray>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

using dbf::FieldDef;
using dbf::FieldType;

// An ASIGNOMT-like row: 143 bytes with the deletion flag.
const std::vector<FieldDef> kFields = {
    {QStringLiteral("COD"), FieldType::String, 10},   {QStringLiteral("NOMBRE"), FieldType::String, 80},
    {QStringLiteral("CODI"), FieldType::String, 20},  {QStringLiteral("ESTAREA"), FieldType::Boolean, 0},
    {QStringLiteral("DNI"), FieldType::Integer, 0},   {QStringLiteral("HORAS"), FieldType::Float, 0},
};
constexpr int kRecordLength = 1 + 10 + 80 + 20 + 1 + 11 + 20;
constexpr int kHeaderLength = 32 + 32 * 6 + 1;

const QString kCod = QStringLiteral("COD");
const QString kNombre = QStringLiteral("NOMBRE");
const QString kCodi = QStringLiteral("CODI");
const QString kEstarea = QStringLiteral("ESTAREA");
const QString kDni = QStringLiteral("DNI");
const QString kHoras = QStringLiteral("HORAS");

// The values of each row, made before the clock runs so that only the engine is timed.
struct RowValues {
    std::vector<QString> cod, codi;
    explicit RowValues(int rows)
    {
        for (int i = 0; i < rows; ++i) {
            cod.push_back(QStringLiteral("LCL%1").arg(i % 1000));
            codi.push_back(QStringLiteral("2069%1").arg(i));
        }
    }
};

void writeTable(const QString &folder, const RowValues &values)
{
    const int rows = int(values.cod.size());
    dbf::Table table({}, folder, QStringLiteral("BENCH.DBF"), true);
    table.fieldDefs() = kFields;
    table.createTable();
    table.open();
    const QString name = QStringLiteral("Llengua catalana i literatura, 1r de batxillerat");
    for (int i = 0; i < rows; ++i) {
        table.append();
        table.setString(kCod, values.cod[std::size_t(i)]);
        table.setString(kNombre, name);
        table.setString(kCodi, values.codi[std::size_t(i)]);
        table.setBoolean(kEstarea, i % 2 == 0);
        table.setInteger(kDni, 43000000 + i);
        table.setFloat(kHoras, 3.5 + i % 7);
        table.post();
    }
    table.close();
}

// The floor: the same number of bytes through a buffered stdio file, one record at a time.
void plainBufferedWrite(const QByteArray &path, int rows)
{
    const QByteArray header(kHeaderLength, 'h');
    const QByteArray record(kRecordLength, 'r');
    std::FILE *file = std::fopen(path.constData(), "wb");
    std::fwrite(header.constData(), 1, std::size_t(header.size()), file);
    for (int i = 0; i < rows; ++i)
        std::fwrite(record.constData(), 1, std::size_t(record.size()), file);
    std::fputc(0x1A, file);
    std::fclose(file);
}

void BM_AppendAndPost(benchmark::State &state)
{
    const int rows = int(state.range(0));
    QTemporaryDir dir;
    const RowValues values(rows);
    const QByteArray plainPath = (dir.path() + QStringLiteral("/PLAIN.DAT")).toLocal8Bit();
    bench::pairWithFloor(state, [&] { writeTable(dir.path(), values); }, [&] { plainBufferedWrite(plainPath, rows); });
    state.SetItemsProcessed(state.iterations() * rows);
    state.SetBytesProcessed(state.iterations() * (kHeaderLength + qint64(rows) * kRecordLength));
}

void BM_OpenAndReadEveryField(benchmark::State &state)
{
    const int rows = int(state.range(0));
    QTemporaryDir dir;
    writeTable(dir.path(), RowValues(rows));
    for (auto _ : state) {
        dbf::Table table({}, dir.path(), QStringLiteral("BENCH.DBF"), false);
        table.open();
        for (table.first(); !table.eof(); table.next()) {
            benchmark::DoNotOptimize(table.asString(kCod));
            benchmark::DoNotOptimize(table.asString(kNombre));
            benchmark::DoNotOptimize(table.asString(kCodi));
            benchmark::DoNotOptimize(table.asBoolean(kEstarea));
            benchmark::DoNotOptimize(table.asInteger(kDni));
            benchmark::DoNotOptimize(table.asFloat(kHoras));
        }
        table.close();
    }
    state.SetItemsProcessed(state.iterations() * rows);
    state.SetBytesProcessed(state.iterations() * (kHeaderLength + qint64(rows) * kRecordLength));
}

} // namespace

// Two sizes a decade apart show that time grows linearly with the rows. Rates
// are per wall-clock second: the file system's share is part of the cost.
BENCHMARK(BM_AppendAndPost)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->UseManualTime();
BENCHMARK(BM_OpenAndReadEveryField)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();

BENCHMARK_MAIN();
