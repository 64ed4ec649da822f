// The whole simulation as the planner window runs it: Simulate of a dive, then Ascent to the
// surface, writing into a console. The argument says which plot windows there are: 0 none,
// 1 both windows with all seven dive curves enabled but hidden, 2 the same windows shown
// (offscreen), so that every redraw paints. Peak memory is reported with each.

#include "PlotInterface.h"
#include "Profile.h"
#include "VARN_Planner.h"
#include "VARN_eeprom.h"
#include "p2_deco.h"

#include <QTextEdit>
#include <benchmark/benchmark.h>
#include <sys/resource.h>

namespace {

// The planner window's initial dive: 72 m for 41 minutes on air, ZH-L16 with 110/90 %.
void configureInitialDive()
{
    eeprom = VARN_eeprom();
}

// 72 m for 41 minutes on 18/45, 50 % from 21 m and oxygen from 6 m, GF 30/85.
void configureTrimixDive()
{
    eeprom = VARN_eeprom();
    eeprom.decoType = 4;
    eeprom.cf(32).value = 30;
    eeprom.cf(33).value = 85;
    eeprom.gases[0].currentO2 = 18;
    eeprom.gases[0].currentHe = 45;
    eeprom.gases[1].currentO2 = 50;
    eeprom.changeDepth[1] = 21;
    eeprom.gases[2].currentO2 = 100;
    eeprom.changeDepth[2] = 6;
    eeprom.activeGases = 0x07;
}

double peakMegabytes()
{
    rusage usage;
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024.0;
}

// Both windows as the planner window makes them, every curve option ticked.
struct PlotWindows {
    PlotInterface traces;
    PlotInterface tissues;

    explicit PlotWindows(bool shown)
    {
        traces.setup(true, 72);
        tissues.setup(false, 72);
        for (Profile* curve : {traces.depthCurve, traces.ceilingCurve, traces.leadingCurve, traces.gfCurve,
                               traces.ppO2Curve, traces.cnsCurve, traces.ndlCurve})
            curve->enabled = true;
        if (shown) {
            traces.show();
            tissues.show();
        }
        PlotInterface::plot = &traces;
        PlotInterface::cptPlot = &tissues;
    }
    ~PlotWindows()
    {
        PlotInterface::plot = nullptr;
        PlotInterface::cptPlot = nullptr;
    }
};

void runSimulation(benchmark::State& state, void (*configure)())
{
    configure();
    int_I_pres_surface = 1013;
    QTextEdit console;
    const int plots = int(state.range(0));
    QScopedPointer<PlotWindows> windows(plots > 0 ? new PlotWindows(plots == 2) : nullptr);

    for (auto _ : state) {
        simulate(&console, -10, 10, 41, 72, nullptr);
        ascent(&console, 0, 10);
        benchmark::DoNotOptimize(dive_time);

        // Each dive on a cleared plot, as after the window's Clear.
        if (windows) {
            state.PauseTiming();
            windows->traces.delRuntime();
            state.ResumeTiming();
        }
    }
    state.counters["peak_MB"] = peakMegabytes();
}

void BM_SimulateInitialDive(benchmark::State& state)
{
    runSimulation(state, configureInitialDive);
}

void BM_SimulateTrimixDive(benchmark::State& state)
{
    runSimulation(state, configureTrimixDive);
}

} // namespace

BENCHMARK(BM_SimulateInitialDive)->ArgName("plots")->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SimulateTrimixDive)->ArgName("plots")->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
