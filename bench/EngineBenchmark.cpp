// findBirthStar against the floor of its method: the 27 sines it cannot avoid (25 lunar terms, two in the
// sidereal correction), taken of arguments of the same size. Beside it starPeriod, which evaluates the longitude a few
// dozen times: it brackets both crossings in two-hour steps and halves each bracket down to a second.
#include "engine/Ephemeris.h"
#include "engine/LunarTerms.h"
#include "engine/StarPeriod.h"

#include <benchmark/benchmark.h>
#include <cmath>
#include <random>
#include <vector>

namespace {

constexpr std::size_t sampleCount = 4096;

std::vector<BirthData> birthsAcrossOfferedYears()
{
    std::mt19937 random(1901);
    std::vector<BirthData> births(sampleCount);
    for (BirthData& birth : births) {
        birth.year = static_cast<std::int16_t>(std::uniform_int_distribution(1901, 2050)(random));
        birth.month = static_cast<std::int16_t>(std::uniform_int_distribution(1, 12)(random));
        birth.day = static_cast<std::int16_t>(std::uniform_int_distribution(1, 28)(random));
        birth.hour = static_cast<std::int16_t>(std::uniform_int_distribution(0, 23)(random));
        birth.minute = static_cast<std::int16_t>(std::uniform_int_distribution(0, 59)(random));
        birth.zoneHours = static_cast<std::int16_t>(std::uniform_int_distribution(0, 12)(random));
        birth.longitudeDegrees = static_cast<std::int16_t>(std::uniform_int_distribution(0, 179)(random));
        birth.isEast = std::uniform_int_distribution(0, 1)(random) == 1;
    }
    return births;
}

// The 27 sine arguments the method takes for each birth, in radians: the 25 lunar terms exactly, and two of the
// size of the correction's node and solar arguments.
std::vector<double> sineArgumentsOf(const std::vector<BirthData>& births)
{
    std::vector<double> arguments;
    arguments.reserve(births.size() * 27);
    for (const BirthData& birth : births) {
        const double t = centuriesSinceJ2000(birth);
        const FundamentalArguments fundamental = fundamentalArguments(t);
        for (const LunarTerm& term : lunarTerms) {
            arguments.push_back(termArgument(term, fundamental));
        }
        arguments.push_back((125.044555 - 1934.1361849 * t) * degreesToRadians);
        arguments.push_back((280.466449 + 36000.7698231 * t) * degreesToRadians);
    }
    return arguments;
}

void findBirthStarAcrossOfferedYears(benchmark::State& state)
{
    const std::vector<BirthData> births = birthsAcrossOfferedYears();
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(findBirthStar(births[i]));
        i = (i + 1) % births.size();
    }
}

void starPeriodAcrossOfferedYears(benchmark::State& state)
{
    const std::vector<BirthData> births = birthsAcrossOfferedYears();
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(starPeriod(births[i]));
        i = (i + 1) % births.size();
    }
}

void floorOf27Sines(benchmark::State& state)
{
    const std::vector<double> arguments = sineArgumentsOf(birthsAcrossOfferedYears());
    std::size_t i = 0;
    for (auto _ : state) {
        double sum = 0.0;
        for (std::size_t k = 0; k < 27; ++k) {
            sum += std::sin(arguments[i + k]);
        }
        benchmark::DoNotOptimize(sum);
        i = (i + 27) % arguments.size();
    }
}

} // namespace

BENCHMARK(findBirthStarAcrossOfferedYears);
BENCHMARK(starPeriodAcrossOfferedYears);
BENCHMARK(floorOf27Sines);

BENCHMARK_MAIN();
