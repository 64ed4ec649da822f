#include "ProfileImpl.h"
#include "VARN_Planner.h"
#include "simulationtest.h"
#include "testutil.h"

#include <QTimer>
#include <QtTest>
#include <qwt_plot_curve.h>
#include <qwt_plot_marker.h>
#include <qwt_scale_engine.h>
#include <qwt_symbol.h>

namespace {

QList<Profile**> currentSlots(PlotInterface* window)
{
    return {&window->depthCurve, &window->ceilingCurve, &window->leadingCurve, &window->gfCurve,
            &window->ppO2Curve, &window->cnsCurve, &window->ndlCurve};
}

QList<QwtPlotCurve*> curvesTitled(QwtPlot* plot, const QString& pattern)
{
    QList<QwtPlotCurve*> curves;
    const QRegularExpression title("^" + pattern + "$");
    for (QwtPlotItem* item : plot->itemList(QwtPlotItem::Rtti_PlotCurve)) {
        if (title.match(item->title().text()).hasMatch())
            curves << static_cast<QwtPlotCurve*>(item);
    }
    return curves;
}

QList<QwtPlotMarker*> gasLabels(QwtPlot* plot)
{
    QList<QwtPlotMarker*> labels;
    for (QwtPlotItem* item : plot->itemList(QwtPlotItem::Rtti_PlotMarker)) {
        QwtPlotMarker* marker = static_cast<QwtPlotMarker*>(item);
        if (marker->symbol())
            labels << marker;
    }
    return labels;
}

int pointCount(const QList<QwtPlotCurve*>& curves)
{
    int count = 0;
    for (const QwtPlotCurve* curve : curves)
        count += int(curve->dataSize());
    return count;
}

// No slot may hold a curve that a Clear would delete.
bool slotsAreFresh(PlotInterface* window)
{
    for (Profile** slot : currentSlots(window)) {
        if (!*slot || window->depthCurves.contains(*slot) || window->extraCurves.contains(*slot))
            return false;
    }
    return true;
}

class FailingLog : public Replay {
public:
    QStringList diveList() const override { return {"1 failing"}; }
    bool selectDive(int) override { return true; }
    QString diveConfig(VARN_eeprom*) override { return QString(); }
    int diveTime() const override { return 600; }
    float diveDepth() const override { return 20; }
    float depth(int t) const override
    {
        if (t >= 130)
            throw "Bad UDDF structure";
        return qMin(t * 0.5f, 20.0f);
    }
    int gasChange(int) const override { return 0; }
    float setpointChange(int) const override { return 0; }
};

} // namespace

class TestSimulationPlots : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void newDiveCurves();
    void tissueCurves();
    void ascentCurvesAndLabels();
    void disabledCurvesDrawNothing();
    void repetitiveDiveClockFollowsDepthCurve();
    void clearAfterRun();
    void runtimeOfSimulatedPlan();
    void actionsDuringRun_data();
    void actionsDuringRun();
    void replayFailureEndsCurves();
    void engineRefusalEndsCurves();

private:
    // The seven curve options of the planner window, all ticked unless told otherwise.
    void enableCurves(bool enabled = true);

    QTextEdit console;
    QScopedPointer<PlotInterface> traces;
    QScopedPointer<PlotInterface> tissues;
};

void TestSimulationPlots::init()
{
    resetSimulation();
    console.clear();
    traces.reset(new PlotInterface);
    traces->setup(true, 30);
    tissues.reset(new PlotInterface);
    tissues->setup(false, 30);
    PlotInterface::plot = traces.data();
    PlotInterface::cptPlot = tissues.data();
    enableCurves();
}

void TestSimulationPlots::cleanup()
{
    PlotInterface::plot = nullptr;
    PlotInterface::cptPlot = nullptr;
    traces.reset();
    tissues.reset();
}

void TestSimulationPlots::enableCurves(bool enabled)
{
    for (Profile** slot : currentSlots(traces.data()))
        (*slot)->enabled = enabled;
}

void TestSimulationPlots::newDiveCurves()
{
    simulate(&console, -10, 10, 20, 30, nullptr);
    QwtPlot* plot = traces->qwtPlot;
    const int steps = dive_time / 2;

    const QList<QwtPlotCurve*> depth = curvesTitled(plot, "depth");
    QCOMPARE(depth.size(), 1);
    // From the surface, then one point per step at the bottom.
    QCOMPARE(int(depth.first()->dataSize()), 1 + steps);
    QCOMPARE(depth.first()->sample(0), QPointF(0, 0));
    QCOMPARE(depth.first()->sample(1), QPointF(0, 30));
    QCOMPARE(depth.first()->sample(steps).y(), 30.0);
    QCOMPARE(float(depth.first()->sample(steps).x()), (dive_time - 2) / 60.0f);

    for (const char* title : {"ceiling", "GF", "ppO2", "CNS", "NDL/Stop"}) {
        const QList<QwtPlotCurve*> curves = curvesTitled(plot, title);
        QCOMPARE(curves.size(), 1);
        QCOMPARE(int(curves.first()->dataSize()), steps);
    }
    const QList<QwtPlotCurve*> leading = curvesTitled(plot, "C\\d+");
    QVERIFY(!leading.isEmpty());
    QCOMPARE(pointCount(leading), steps);
    QCOMPARE(float(curvesTitled(plot, "ppO2").first()->sample(10).y()), 0.84f);
    QCOMPARE(curvesTitled(plot, "ceiling").first()->sample(0).y(), 0.0);
    QCOMPARE(curvesTitled(plot, "CNS").first()->yAxis(), int(QwtPlot::yRight));
    QVERIFY(plot->axisScaleEngine(QwtPlot::yLeft)->testAttribute(QwtScaleEngine::Inverted));

    const QList<QwtPlotMarker*> labels = gasLabels(plot);
    QCOMPARE(labels.size(), 1);
    QCOMPARE(labels.first()->title().text(), QString("\tGas1:Air"));
    QCOMPARE(labels.first()->value(), QPointF(0, 0));

    QCOMPARE(traces->depthCurves.size(), 2);
    QCOMPARE(traces->extraCurves.size(), 4 + leading.size());
    QVERIFY(slotsAreFresh(traces.data()));
    for (Profile** slot : currentSlots(traces.data()))
        QVERIFY((*slot)->enabled);
}

void TestSimulationPlots::tissueCurves()
{
    simulate(&console, -10, 10, 10, 30, nullptr);
    const int steps = dive_time / 2;

    for (int i = 0; i < NUM_COMP; ++i) {
        const QwtPlotCurve& curve = dynamic_cast<ProfileImpl*>(tissues->tissue(i))->curve;
        // After the reset at the surface, after the descent, then every step.
        QCOMPARE(int(curve.dataSize()), 2 + steps);
        QCOMPARE(float(curve.sample(0).x()), 1.013f);
        // Cleared to air at the surface.
        QVERIFY(qAbs(curve.sample(0).y() - 0.7902 * (1.013 - 0.0627)) < 1e-5);
        QCOMPARE(float(curve.sample(1).x()), 4.008f);
        QCOMPARE(float(curve.sample(1 + steps).y()), pres_tissue_N2[i] + pres_tissue_He[i]);
    }
    // The new dive is marked with its gas at the surface on the first compartment's curve.
    ProfileImpl* first = dynamic_cast<ProfileImpl*>(tissues->tissue(0));
    QCOMPARE(first->markers.size(), 1);
    QCOMPARE(first->markers.first()->title().text(), QString("\tGas1:Air"));
    QCOMPARE(first->markers.first()->value(), QPointF(1.013f, 0.25f));

    // A continued dive leaves the tissues plot as it is and feeds it on.
    simulate(&console, 0, 10, 2, 30, nullptr);
    QCOMPARE(int(dynamic_cast<ProfileImpl*>(tissues->tissue(0))->curve.dataSize()), 2 + steps + 1 + 60);
    QCOMPARE(first->markers.size(), 1);
}

void TestSimulationPlots::ascentCurvesAndLabels()
{
    eeprom.decoType = 4;
    configureDecoGases();
    simulate(&console, -10, 10, 25, 40, nullptr);
    const int start = dive_time;
    ascent(&console, 0, 10);
    QwtPlot* plot = traces->qwtPlot;

    const QList<QwtPlotCurve*> depth = curvesTitled(plot, "depth");
    QCOMPARE(depth.size(), 2);
    const QwtPlotCurve* climb = depth.last();
    const int steps = (dive_time - start) / 2;
    // A point per step and a last one at the surface.
    QCOMPARE(int(climb->dataSize()), steps + 1);
    QCOMPARE(climb->sample(0), QPointF(start / 60.0f, 40));
    QCOMPARE(float(climb->sample(steps).x()), dive_time / 60.0f);
    QVERIFY(climb->sample(steps).y() < 0.05);
    QCOMPARE(pointCount(curvesTitled(plot, "GF")), start / 2 + steps + 1);

    QStringList labels;
    for (QwtPlotMarker* label : gasLabels(plot))
        labels << QString("%1 at %2 m").arg(label->title().text().mid(1)).arg(label->yValue());
    QCOMPARE(labels, QStringList({"Gas1:Air at 0 m", "Gas2:Nx50 at 21 m", "Gas3:Nx100 at 6 m"}));

    ProfileImpl* first = dynamic_cast<ProfileImpl*>(tissues->tissue(0));
    QCOMPARE(first->markers.size(), 3);
    QCOMPARE(first->markers.at(1)->yValue(), 0.5);
    QCOMPARE(first->markers.at(1)->title().text(), QString("\tGas2:Nx50"));
    QCOMPARE(float(first->markers.at(2)->xValue()), (1013 + int(6 * 99.85f)) * 0.001f);
    QVERIFY(slotsAreFresh(traces.data()));
}

void TestSimulationPlots::disabledCurvesDrawNothing()
{
    enableCurves(false);
    simulate(&console, -10, 10, 20, 30, nullptr);
    ascent(&console, 0, 10);

    QVERIFY(traces->qwtPlot->itemList(QwtPlotItem::Rtti_PlotCurve).isEmpty());
    QVERIFY(traces->depthCurves.isEmpty());
    QVERIFY(traces->extraCurves.isEmpty());
    for (Profile** slot : currentSlots(traces.data()))
        QVERIFY(*slot && !(*slot)->enabled);
}

void TestSimulationPlots::repetitiveDiveClockFollowsDepthCurve()
{
    simulate(&console, -10, 10, 20, 30, nullptr);
    simulate(&console, 30, 10, 10, 15, nullptr);

    // The interval is drawn at the surface, where it is spent, and the new dive's clock starts
    // after it with the descent.
    QCOMPARE(dive_time, 1800 + 600);
    const QwtPlotCurve* depth = curvesTitled(traces->qwtPlot, "depth").last();
    QCOMPARE(depth->sample(0), QPointF(0, 0));
    QCOMPARE(depth->sample(1), QPointF(30, 0));
    QCOMPARE(depth->sample(2), QPointF(30, 15));
    const QwtPlotMarker* label = gasLabels(traces->qwtPlot).last();
    QCOMPARE(label->value(), QPointF(30, 0));
    QVERIFY(consoleLines(console).filter(QRegularExpression("^ 40:00  15\\.0m NDL = ")).size() == 1);
}

void TestSimulationPlots::clearAfterRun()
{
    simulate(&console, -10, 10, 20, 30, nullptr);
    ascent(&console, 0, 10);
    traces->delRuntime();

    QVERIFY(traces->qwtPlot->itemList(QwtPlotItem::Rtti_PlotCurve).isEmpty());
    QVERIFY(gasLabels(traces->qwtPlot).isEmpty());
    QVERIFY(slotsAreFresh(traces.data()));

    simulate(&console, -10, 10, 5, 20, nullptr);
    QCOMPARE(curvesTitled(traces->qwtPlot, "depth").size(), 1);
    QCOMPARE(traces->depthCurves.size(), 2);
}

void TestSimulationPlots::runtimeOfSimulatedPlan()
{
    eeprom.decoType = 4;
    simulate(&console, -10, 10, 25, 40, nullptr);
    traces->setup(true, 40);
    traces->addRuntime(int_I_divemins, 40);

    const QList<QwtPlotCurve*> runtimes = curvesTitled(traces->qwtPlot, "OC GF 30/90: \\d+ ' @ 40 m\\n\\tTTS  = \\d+\\n\\tTotal= \\d+");
    QCOMPARE(runtimes.size(), 1);
    const QwtPlotCurve* runtime = runtimes.first();
    QVERIFY(runtime->title().text().contains(QString("TTS  = %1\n").arg(int_O_ascenttime)));
    const QPointF surfacing = runtime->sample(int(runtime->dataSize()) - 1);
    QCOMPARE(surfacing.y(), 0.0);
    // The drawn plan reaches the surface about when the engine's time to surface says.
    QVERIFY(qAbs(surfacing.x() - (int_I_divemins + int_O_ascenttime)) < 2);
}

void TestSimulationPlots::actionsDuringRun_data()
{
    QTest::addColumn<QString>("action");
    QTest::newRow("simulate") << "simulate";
    QTest::newRow("ascent") << "ascent";
    QTest::newRow("gas volumes") << "gas volumes";
}

void TestSimulationPlots::actionsDuringRun()
{
    QFETCH(QString, action);

    simulate(&console, -10, 10, 25, 40, nullptr);
    int ticks = 0;
    bool alwaysRunning = true;
    QTimer timer;
    connect(&timer, &QTimer::timeout, [&] {
        alwaysRunning = alwaysRunning && simulationRunning();
        // A Clear arriving meanwhile must not leave the run feeding deleted curves.
        if (++ticks % 50 == 1)
            traces->delRuntime();
    });
    timer.start(0);
    if (action == "simulate")
        simulate(&console, 0, 10, 10, 30, nullptr);
    else if (action == "ascent")
        ascent(&console, 0, 10);
    else
        gas_volume(&console, 25, 40);
    timer.stop();

    QVERIFY(ticks > 0);
    QVERIFY(alwaysRunning);
    QVERIFY(!simulationRunning());
    QVERIFY(slotsAreFresh(traces.data()));
    traces->delRuntime();
    QVERIFY(traces->qwtPlot->itemList(QwtPlotItem::Rtti_PlotCurve).isEmpty());
}

void TestSimulationPlots::replayFailureEndsCurves()
{
    FailingLog log;
    QCOMPARE(thrownText([&] { simulate(&console, -10, 10, 10, 20, &log); }), QString("Bad UDDF structure"));

    QVERIFY(slotsAreFresh(traces.data()));
    const QList<QwtPlotCurve*> depth = curvesTitled(traces->qwtPlot, "depth");
    QCOMPARE(depth.size(), 1);
    QCOMPARE(int(depth.first()->dataSize()), 1 + 65);
    // The tissues plot shows every point it was given.
    QCOMPARE(int(dynamic_cast<ProfileImpl*>(tissues->tissue(3))->curve.dataSize()), 2 + 65);

    traces->delRuntime();
    QVERIFY(traces->qwtPlot->itemList(QwtPlotItem::Rtti_PlotCurve).isEmpty());
    simulate(&console, -10, 10, 2, 10, nullptr);
    QCOMPARE(curvesTitled(traces->qwtPlot, "depth").size(), 1);
}

void TestSimulationPlots::engineRefusalEndsCurves()
{
    eeprom.gases[0].currentO2 = 10;
    eeprom.gases[0].currentHe = 70;
    simulate(&console, -10, 10, 15, 60, nullptr);
    ascent(&console, 0, 10);

    QVERIFY(consoleLines(console).last().startsWith("Ascent stopped at "));
    QVERIFY(slotsAreFresh(traces.data()));
    QCOMPARE(curvesTitled(traces->qwtPlot, "depth").size(), 2);
    traces->delRuntime();
    QVERIFY(traces->qwtPlot->itemList(QwtPlotItem::Rtti_PlotCurve).isEmpty());
}

QTEST_MAIN(TestSimulationPlots)
#include "tst_simulationplots.moc"
