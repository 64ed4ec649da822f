// The engine alone, stepped every 2 seconds as the simulation steps it, through whole dives:
// each iteration is one dive from the surface until its final plan is done, with the plan's
// CNS forecast and gas volumes.

#include "decodive.h"

#include <benchmark/benchmark.h>

namespace {

// The planner window's initial dive: 72 m for 41 minutes on air, ZH-L16 with 110/90 %.
DiveSetup initialDive()
{
    DiveSetup dive;
    dive.depth = 72;
    dive.bottomTime = 41;
    dive.gradientFactors = false;
    return dive;
}

// 40 m for 30 minutes on air, GF 30/85.
DiveSetup airDive()
{
    return DiveSetup();
}

void runDive(benchmark::State& state, const DiveSetup& dive)
{
    eeprom = VARN_eeprom();
    for (auto _ : state) {
        benchmark::DoNotOptimize(diveToFinalPlan(dive));

        deco_push_tissues_to_vault();
        char_I_bottom_depth = (unsigned char)dive.depth;
        char_I_bottom_time = (unsigned char)dive.bottomTime;
        deco_calc_CNS_planning();
        deco_pull_tissues_from_vault();
        deco_gas_volumes();
        benchmark::DoNotOptimize(int_O_ascenttime);
    }
}

void BM_InitialDive(benchmark::State& state)
{
    runDive(state, initialDive());
}

void BM_TrimixDive(benchmark::State& state)
{
    runDive(state, trimixDive());
}

void BM_AirDive(benchmark::State& state)
{
    runDive(state, airDive());
}

}

BENCHMARK(BM_InitialDive)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TrimixDive)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AirDive)->Unit(benchmark::kMillisecond);
