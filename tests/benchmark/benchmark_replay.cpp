// Opening large dive logs: a 200 MB UDDF file of 2 million waypoints, and a dive that switches
// among 100,000 distinct mixes. Each is opened as the planner window opens a log (read, list,
// select the first dive, its configuration), once by the replay source alone (the switches also
// replayed over the whole dive) and once through the window's replay button. The 200 MB file is
// also refused, broken where its refusal costs most. Peak memory of the process is reported with
// each: run one benchmark at a time (--benchmark_filter) to read it.

#include "Replay.h"
#include "VARN_eeprom.h"
#include "scriptedwindow.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <sys/resource.h>

namespace {

const int largeLogWaypoints = 2000000;
const int switchedMixes = 100000;

double peakMegabytes()
{
    rusage usage;
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024.0;
}

QTemporaryDir& folder()
{
    static QTemporaryDir dir;
    return dir;
}

// A waypoint every quarter second of a 139-hour dive, each about 100 bytes as dive computers
// write them. The broken one holds a comment left open after its first line, so that the rest of
// it is one comment, and on its last line a Latin-1 letter in a file that declares UTF-8: the
// reader refuses it at its end, then parses the whole of it again for a fault before that letter.
QString largeLog(bool broken)
{
    const QString path = folder().filePath(broken ? "broken.uddf" : "large.uddf");
    if (QFile::exists(path))
        return path;
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n");
    if (broken)
        file.write("<!-- left open\n");
    file.write("<uddf version=\"3.2.0\">\n"
               "<gasdefinitions><mix id=\"air\"><name>air</name><o2>0.21</o2><he>0</he></mix></gasdefinitions>\n"
               "<profiledata><repetitiongroup id=\"g\"><dive id=\"d\">\n"
               "<informationafterdive><greatestdepth>40.0</greatestdepth></informationafterdive><samples>\n");
    QByteArray chunk;
    for (int i = 0; i < largeLogWaypoints; ++i) {
        chunk += "<waypoint><divetime>" + QByteArray::number(i * 0.25, 'f', 2) + "</divetime><depth>"
                 + QByteArray::number(30 + (i % 100) * 0.1, 'f', 2) + "</depth><temperature>290.15</temperature>";
        if (i == 0)
            chunk += "<divemode type=\"opencircuit\"/><switchmix ref=\"air\"/>";
        chunk += "</waypoint>\n";
        if (chunk.size() > (1 << 20)) {
            file.write(chunk);
            chunk.clear();
        }
    }
    chunk += "</samples></dive></repetitiongroup></profiledata></uddf>\n";
    if (broken)
        chunk += "<notes>Plong\xE9""e</notes>\n";
    file.write(chunk);
    return path;
}

// One dive switching to another of 100,000 mixes every 4 s.
QString switchingLog()
{
    const QString path = folder().filePath("switches.uddf");
    if (QFile::exists(path))
        return path;
    QByteArray xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<uddf version=\"3.2.0\">\n<gasdefinitions>\n";
    for (int i = 0; i < switchedMixes; ++i)
        xml += "<mix id=\"mix" + QByteArray::number(i) + "\"><name>EAN" + QByteArray::number(22 + i % 70)
               + "</name><o2>0." + QByteArray::number(22 + i % 70) + "</o2></mix>\n";
    xml += "</gasdefinitions>\n<profiledata><repetitiongroup id=\"g\"><dive id=\"d\"><samples>\n";
    for (int i = 0; i < switchedMixes; ++i)
        xml += "<waypoint><divetime>" + QByteArray::number(4 * i) + "</divetime><depth>20</depth><switchmix ref=\"mix"
               + QByteArray::number(i) + "\"/></waypoint>\n";
    xml += "</samples></dive></repetitiongroup></profiledata></uddf>\n";
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(xml);
    return path;
}

void openAndConfigure(benchmark::State& state, const QString& path, bool replay)
{
    for (auto _ : state) {
        Replay* source = replayUDDF(path);
        if (!source) {
            state.SkipWithError("the log does not open");
            return;
        }
        benchmark::DoNotOptimize(source->diveList());
        source->selectDive(0);
        VARN_eeprom config;
        benchmark::DoNotOptimize(source->diveConfig(&config));
        if (replay) {
            int switches = 0;
            source->depth(0);
            for (int t = 0; t <= source->diveTime(); t += 2) {
                source->depth(t);
                switches += source->gasChange(t) != 0;
                source->setpointChange(t);
            }
            state.counters["switches"] = switches;
        }
        delete source;
    }
    state.counters["peak_MB"] = peakMegabytes();
}

void openThroughWindow(benchmark::State& state, const QString& path)
{
    ScriptedWindow window;
    window.replayModeCB->setChecked(true);
    for (auto _ : state) {
        window.openAnswers << path;
        window.replayFileSlot();
        if (!window.replay) {
            state.SkipWithError("the log does not open");
            return;
        }
    }
    delete window.replay;
    window.replay = nullptr;
    state.counters["peak_MB"] = peakMegabytes();
}

void BM_OpenLargeLog(benchmark::State& state)
{
    openAndConfigure(state, largeLog(false), false);
}

void BM_WindowOpensLargeLog(benchmark::State& state)
{
    openThroughWindow(state, largeLog(false));
}

void BM_RefuseBrokenLargeLog(benchmark::State& state)
{
    const QString path = largeLog(true);
    // The Latin-1 letter's line: the header's 6 lines, one per waypoint, the end of the document.
    const QString problem = QString("it is not a complete, well-formed XML file (the fault is at line %1)")
                                .arg(largeLogWaypoints + 8);
    for (auto _ : state) {
        QString why;
        Replay* source = replayUDDF(path, nullptr, &why);
        delete source;
        if (why != problem) {
            const QByteArray error = ("refused otherwise: " + why).toUtf8();
            state.SkipWithError(error.constData());
            return;
        }
    }
    state.counters["peak_MB"] = peakMegabytes();
}

void BM_OpenAndReplaySwitches(benchmark::State& state)
{
    openAndConfigure(state, switchingLog(), true);
}

void BM_WindowOpensSwitches(benchmark::State& state)
{
    openThroughWindow(state, switchingLog());
}

} // namespace

BENCHMARK(BM_OpenLargeLog)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_WindowOpensLargeLog)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_RefuseBrokenLargeLog)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_OpenAndReplaySwitches)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_WindowOpensSwitches)->Unit(benchmark::kMillisecond)->Iterations(5);
