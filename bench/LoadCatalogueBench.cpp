// Time to load the task catalogue: the shipped file, and generated files of 12 500 to 100 000 records to
// show that the load grows linearly with the file.
//
//   cmake --build build --target koltest_bench && ./build/bench/koltest_bench

#include "catalogue/LoadCatalogue.h"

#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

// One record of each section, in file order; {n} makes each record's text different.
const std::array<QStringList, 9> sampleRecords = {{
    {"Element{n}*Elementvariante{n}", "E{n}"},
    {"{n}", "silbe{n}*silbenvariante{n}"},
    {"Verbindung {n}", "123.4", "Ca(OH)2"},
    {"Begriff {n}", "Eine Definition mit ungefähr sechzig Zeichen, Nummer {n}."},
    {"Teilchen-Ion {n}", "-2"},
    {"Eine Aussage über Chemie, die stimmt oder nicht, Nummer {n}.", "J"},
    {"@2H2+@1O2=@2H2O"},
    {"Natrium*Kalium", "chlorid{n}", "NaCl"},
    {"Wie viel mol sind {n} g Wasser?", "2.0"},
}};

QString generatedCatalogue(int records)
{
    QStringList lines;
    const int perSection = records / 9;
    for (std::size_t section = 0; section < sampleRecords.size(); ++section) {
        const int count = section == 0 ? records - 8 * perSection : perSection;
        lines << QStringLiteral("Abschnitt %1").arg(section + 1) << QStringLiteral("#");
        for (int n = 1; n <= count; ++n) {
            for (const QString& line : sampleRecords[section])
                lines << QString(line).replace(QStringLiteral("{n}"), QString::number(n));
            if (n == count / 2)
                lines << QStringLiteral("\u00e6\u00e6");
        }
        lines << QStringLiteral("@");
    }
    return lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

void loadRepeatedly(benchmark::State& state, const QString& path)
{
    CatalogueArrays arrays;
    for (auto _ : state) {
        const CatalogueLoad load = LoadCatalogue(path, arrays);
        benchmark::DoNotOptimize(load);
        if (load.extent != CatalogueExtent::Whole)
            state.SkipWithError("the catalogue could not be read to its end");
    }
}

void BM_LoadShippedCatalogue(benchmark::State& state)
{
    loadRepeatedly(state, QStringLiteral(KOLTEST_SHIPPED_DATA "/koltest.dat"));
}
BENCHMARK(BM_LoadShippedCatalogue)->Unit(benchmark::kMillisecond);

void BM_LoadGeneratedCatalogue(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("koltest.dat"));
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    QStringEncoder windows1252("windows-1252");
    file.write(windows1252(generatedCatalogue(static_cast<int>(state.range(0)))));
    file.close();
    loadRepeatedly(state, path);
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_LoadGeneratedCatalogue)
    ->Arg(12500)
    ->Arg(25000)
    ->Arg(50000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

} // namespace
