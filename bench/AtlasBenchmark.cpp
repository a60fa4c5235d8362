// The birth-place atlas as the city box will use it. The first query reads the whole atlas; it is set against the
// floor of that work, reading the compressed resource and uncompressing it. Later queries are set against a plain
// scan of every folded name. Each ratio comes from timings interleaved in the same iterations.
#include "entry/PlaceAtlas.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>

#include <algorithm>
#include <benchmark/benchmark.h>
#include <fstream>
#include <memory>
#include <vector>

namespace {

// What a user types into the city box: two letters, more of a name, one letter (the widest range), a full name.
const QStringList typedTexts
    = {QStringLiteral("pu"),    QStringLiteral("sao p"), QStringLiteral("lon"), QStringLiteral("s"),
       QStringLiteral("kathm"), QStringLiteral("new y"), QStringLiteral("ma"),  QStringLiteral("zurich")};

qint64 uncompressTheResource()
{
    QFile file(PlaceAtlas::builtInFileName);
    file.open(QIODevice::ReadOnly);
    return qUncompress(file.readAll()).size();
}

// Resident and file-backed pages of this process, in KiB (/proc/self/statm counts pages).
struct Resident
{
    long residentKiB = 0;
    long sharedKiB = 0;
};

Resident resident()
{
    std::ifstream statm("/proc/self/statm");
    long size = 0;
    long residentPages = 0;
    long sharedPages = 0;
    statm >> size >> residentPages >> sharedPages;
    return {residentPages * 4, sharedPages * 4};
}

// The very first load in this process, when none of the atlas's pages has been touched: time and memory kept.
void firstLoadAndQueryInProcess(benchmark::State& state)
{
    std::unique_ptr<PlaceAtlas> atlas;
    for (auto _ : state) {
        const Resident before = resident();
        QElapsedTimer timer;
        timer.start();
        atlas = std::make_unique<PlaceAtlas>();
        benchmark::DoNotOptimize(atlas->matching(u"pu").size());
        state.SetIterationTime(static_cast<double>(timer.nsecsElapsed()) * 1e-9);
        const Resident after = resident();
        state.counters["residentMiB"] = static_cast<double>(after.residentKiB - before.residentKiB) / 1024.0;
        state.counters["fileBackedMiB"] = static_cast<double>(after.sharedKiB - before.sharedKiB) / 1024.0;
    }
}

// Load and first query again and again, each time with the uncompressing alone timed just before it.
void loadAndFirstQuery(benchmark::State& state)
{
    double atlasSeconds = 0.0;
    double yardstickSeconds = 0.0;
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        benchmark::DoNotOptimize(uncompressTheResource());
        yardstickSeconds += static_cast<double>(timer.nsecsElapsed()) * 1e-9;

        auto atlas = std::make_unique<PlaceAtlas>();
        timer.restart();
        benchmark::DoNotOptimize(atlas->matching(u"pu").size());
        const double seconds = static_cast<double>(timer.nsecsElapsed()) * 1e-9;
        atlasSeconds += seconds;
        state.SetIterationTime(seconds);
        atlas.reset(); // freeing is not part of the load
    }
    state.counters["uncompressMs"] = yardstickSeconds * 1e3 / static_cast<double>(state.iterations());
    state.counters["xUncompress"] = atlasSeconds / yardstickSeconds;
}

// The plain way: fold every name and alternative once, then test each against the typed text and sort the finds.
class LinearScan
{
public:
    explicit LinearScan(const PlaceAtlas& atlas)
    {
        for (qsizetype row = 0; row < atlas.placeCount(); ++row) {
            const Place place = atlas.place(row);
            m_names.push_back({PlaceAtlas::foldForMatching(place.city), row});
            if (!place.asciiName.isEmpty()) {
                m_names.push_back({PlaceAtlas::foldForMatching(place.asciiName), row});
            }
        }
    }

    std::vector<qsizetype> matchingRows(const QString& typed, std::size_t limit) const
    {
        const QString folded = PlaceAtlas::foldForMatching(typed);
        std::vector<qsizetype> rows;
        for (const auto& [name, row] : m_names) {
            if (name.startsWith(folded)) {
                rows.push_back(row);
            }
        }
        std::sort(rows.begin(), rows.end());
        rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
        rows.resize(std::min(rows.size(), limit));
        return rows;
    }

private:
    std::vector<std::pair<QString, qsizetype>> m_names;
};

// Queries on a loaded atlas, each set of them timed against the same set through the plain scan.
void laterQueries(benchmark::State& state)
{
    PlaceAtlas atlas;
    atlas.load();
    const LinearScan scan(atlas);
    double atlasSeconds = 0.0;
    double scanSeconds = 0.0;
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        for (const QString& typed : typedTexts) {
            benchmark::DoNotOptimize(scan.matchingRows(typed, 12).size());
        }
        scanSeconds += static_cast<double>(timer.nsecsElapsed()) * 1e-9;

        timer.restart();
        for (const QString& typed : typedTexts) {
            benchmark::DoNotOptimize(atlas.matching(typed).size());
        }
        const double seconds = static_cast<double>(timer.nsecsElapsed()) * 1e-9;
        atlasSeconds += seconds;
        state.SetIterationTime(seconds / static_cast<double>(typedTexts.size()));
    }
    state.counters["scanUsPerQuery"] = scanSeconds * 1e6 / static_cast<double>(state.iterations() * typedTexts.size());
    state.counters["xScan"] = atlasSeconds / scanSeconds;
}

} // namespace

BENCHMARK(firstLoadAndQueryInProcess)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(loadAndFirstQuery)->Iterations(20)->UseManualTime()->Unit(benchmark::kMillisecond);
// A fixed count: the untimed plain scan costs some thirty times the timed queries, and would stretch the run.
BENCHMARK(laterQueries)->Iterations(300)->UseManualTime()->Unit(benchmark::kMicrosecond);

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    Q_INIT_RESOURCE(atlas); // the yardstick reads the resource without an atlas, which would register it
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
