// The core work of one Accept, and each piece of it alone.
#include "character.h"
#include "integer_field.h"
#include "summary.h"

#include <benchmark/benchmark.h>

#include <array>
#include <string>

using namespace zarvin;

namespace {

// The texts of the five fields, in the order Accept reads them.
const std::array<std::string, 5> fieldTexts = {"41", "9", "5", "20", "7"};

void BM_ParseIntegerField(benchmark::State& state) {
    for (auto _ : state)
        for (const std::string& text : fieldTexts)
            benchmark::DoNotOptimize(parseIntegerField(text));
    state.SetItemsProcessed(state.iterations() * fieldTexts.size());
}
BENCHMARK(BM_ParseIntegerField);

void BM_ComputeStats(benchmark::State& state) {
    CharacterSheet sheet{7, 20, 5, 9, 41};
    for (auto _ : state) {
        benchmark::DoNotOptimize(sheet);
        benchmark::DoNotOptimize(computeStats(CharacterClass::Warrior, sheet));
    }
}
BENCHMARK(BM_ComputeStats);

void BM_BuildCalculationResult(benchmark::State& state) {
    const StatBlock stats = computeStats(CharacterClass::Warrior, {7, 20, 5, 9, 41});
    for (auto _ : state)
        benchmark::DoNotOptimize(buildCalculationResult(CharacterClass::Warrior, stats));
}
BENCHMARK(BM_BuildCalculationResult);

void BM_OneAccept(benchmark::State& state) {
    for (auto _ : state) {
        CharacterSheet sheet{};
        sheet.agility = parseIntegerField(fieldTexts[0]);
        sheet.intellect = parseIntegerField(fieldTexts[1]);
        sheet.strength = parseIntegerField(fieldTexts[2]);
        sheet.endurance = parseIntegerField(fieldTexts[3]);
        sheet.level = parseIntegerField(fieldTexts[4]);
        const StatBlock stats = computeStats(CharacterClass::Warrior, sheet);
        benchmark::DoNotOptimize(buildCalculationResult(CharacterClass::Warrior, stats));
    }
}
BENCHMARK(BM_OneAccept);

} // namespace

BENCHMARK_MAIN();
