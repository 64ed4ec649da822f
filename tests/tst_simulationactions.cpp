#include "ProfileImpl.h"
#include "VARN_Planner.h"
#include "replayrun.h"
#include "scriptedwindow.h"
#include "simulationtest.h"
#include "temporarydefaults.h"

#include <QRegularExpression>
#include <QSettings>
#include <QtTest>
#include <qwt_plot.h>
#include <qwt_plot_curve.h>
#include <qwt_plot_marker.h>

// The planner end to end: the form set as a user sets it, the simulation, ascent, gas volume,
// runtime and plot actions triggered by their actions and buttons, and the Console read back.
class TestSimulationActions : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void clearWithoutWindowDoesNothing();
    void addRuntimeFirstCreatesTheWindow();
    void simulatePlannedDive_data();
    void simulatePlannedDive();
    void nextSegmentContinuesTheDive();
    void ascentToTheSurface();
    void ascentTakesTheFormSpeed();
    void gasVolumes_data();
    void gasVolumes();
    void runtimesAndClear();
    void runtimeNeedsAFinishedPlan();
    void ascentNeedsADive();
    void noNoFlyTimeWithoutDesaturation();
    void repetitiveDiveIntervalAtTheSurface();
    void tissuesPlotIsFed();
    void tissuesRangeFollowsTheDeepestDive();
    void tissuesRangeCoversALoggedDive();
    void replayedDive();
    void replayedSetpointsAreLabelled();
    void replayModeWithoutLogPlansTheDive();
    void valuesTheEngineRefuses_data();
    void valuesTheEngineRefuses();
    void refusedSegmentKeepsTheDiveReport();
    void unusedGasIsNotChecked();
    void actionsDuringARunAreRefused();

private:
    TemporaryDefaults dir;
    ScriptedWindow* window = nullptr;
    QString console() const { return window->textEdit->toPlainText(); }
    void setTrimixDive();
};

void TestSimulationActions::initTestCase()
{
    QVERIFY(dir.isValid());
}

void TestSimulationActions::init()
{
    resetSimulation();
    window = new ScriptedWindow;
    // The planning values of a first run.
    window->load(settings);
}

void TestSimulationActions::cleanup()
{
    delete window->replay;
    delete window;
    window = nullptr;
    delete PlotInterface::plot;
    PlotInterface::plot = nullptr;
    delete PlotInterface::cptPlot;
    PlotInterface::cptPlot = nullptr;
}

// Trimix 18/45 with EAN50 from 21 m and oxygen from 6 m, gradient factors 30/85, 60 m for 25 min.
void TestSimulationActions::setTrimixDive()
{
    window->gradientFactor->setChecked(true);
    window->GF_low->setValue(30);
    window->GF_high->setValue(85);
    window->O2_1->setValue(18);
    window->He_1->setValue(45);
    window->gas_2->setChecked(true);
    window->O2_2->setValue(50);
    window->depth_2->setValue(21);
    window->gas_3->setChecked(true);
    window->O2_3->setValue(100);
    window->depth_3->setValue(6);
    window->dive_depth->setValue(60);
    window->dive_time->setValue(25);
}

void TestSimulationActions::clearWithoutWindowDoesNothing()
{
    QVERIFY(!PlotInterface::plot);
    window->clearProfil->click();
    QVERIFY(!PlotInterface::plot);
    QCOMPARE(console(), QString());
}

void TestSimulationActions::addRuntimeFirstCreatesTheWindow()
{
    QVERIFY(!PlotInterface::plot);
    window->actionSimulate->trigger();
    // Simulate made the window, hidden while no curve is ticked.
    QVERIFY(PlotInterface::plot);
    QVERIFY(!PlotInterface::plot->isVisible());
    const QScopedPointer<PlotInterface> first(PlotInterface::plot);
    PlotInterface::plot = nullptr;

    window->addRuntime->click();
    PlotInterface* plot = PlotInterface::plot;
    QVERIFY(plot);
    QVERIFY(plot->isVisible());
    QCOMPARE(plot->windowTitle(), QString("Dive profile"));
    QCOMPARE(plot->depthCurves.size(), 1);
    QVERIFY(plot->qwtPlot->title().text().startsWith("Dive traces"));
}

void TestSimulationActions::simulatePlannedDive_data()
{
    QTest::addColumn<QString>("trigger");
    QTest::newRow("menu action") << "actionSimulate";
    QTest::newRow("button") << "simulateButton";
}

void TestSimulationActions::simulatePlannedDive()
{
    QFETCH(QString, trigger);
    setTrimixDive();
    window->press_surface->setValue(913);
    if (trigger == "actionSimulate")
        window->actionSimulate->trigger();
    else
        window->simulateButton->click();

    const QString text = console();
    QVERIFY2(text.startsWith("Bühlmann ZH-L16C-1a 2002 with GRADIENT FACTOR decompression:"), qPrintable(text));
    QVERIFY(text.contains("*  GF_low (CF32) = 30 %"));
    QVERIFY(text.contains("*  GF_high (CF33) = 85 %"));
    QVERIFY(text.contains("*  dive started at Pamb = 913 mbar"));
    QVERIFY(text.contains("*  First gas#1 = 18/45"));
    QVERIFY(text.contains("*  Deco gas#2 = 50/0 at 21 m"));
    QVERIFY(text.contains("*  Deco gas#3 = 100/0 at 6 m"));
    QVERIFY(text.contains(QRegularExpression("0:00 +60\\.0m DESCENT DONE")));
    // The plan at the end of the bottom time, its stops down to the surface, the TTS.
    QVERIFY(text.contains(QRegularExpression("\\n +25:0\\d +60\\.0m Deco:")));
    const QStringList stops = text.split('\n').filter(QRegularExpression("^\\t *\\d+ m :\\t +\\d+ '\\t +\\d+ '"));
    QVERIFY2(stops.size() >= 5, qPrintable(text));
    QVERIFY(stops.first().startsWith("\t"));
    QVERIFY(text.contains(QRegularExpression("\\t 0 m :\\t--- '\\t +\\d+ '")));
    QVERIFY(text.contains(QRegularExpression("\\tTTS =\\t\\d+ '")));
    QVERIFY(text.contains(QRegularExpression("\\tCNS =\\t\\d+%")));
    QCOMPARE(int(int_I_pres_surface), 913);
    QCOMPARE(int(int_I_divemins), 25);
}

void TestSimulationActions::nextSegmentContinuesTheDive()
{
    window->actionSimulate->trigger();
    const QString first = console();
    window->interval->setValue(0);
    window->dive_depth->setValue(30);
    window->dive_time->setValue(10);
    window->actionSimulate->trigger();
    const QString text = console();
    QVERIFY(text.startsWith(first));
    QVERIFY(text.contains("==================================="));
    // Back up from 45 m to 30 m, then the plan after the second segment.
    QVERIFY(text.contains(QRegularExpression("30\\.0m ASCENT DONE")));
    QVERIFY(text.contains(QRegularExpression("\\n +3\\d:\\d\\d +30\\.0m Deco:")));
}

void TestSimulationActions::ascentToTheSurface()
{
    setTrimixDive();
    window->actionSimulate->trigger();
    window->actionAscent->trigger();
    const QString text = console();
    QVERIFY(text.contains(QRegularExpression("STOP = \\d+ '")));
    QVERIFY(text.contains(QRegularExpression(" 0\\.0m ASCENT DONE")));
    QVERIFY(text.contains(QRegularExpression(" 0\\.0m Desat = ")));
    QVERIFY(text.contains("50/0"));
    QCOMPARE(engineDepth(), 0.0f);

    // From the surface, Ascent has nowhere to go but stays there.
    window->ascentButton->click();
    QCOMPARE(engineDepth(), 0.0f);
}

void TestSimulationActions::ascentTakesTheFormSpeed()
{
    window->actionSimulate->trigger();
    window->ascent->setValue(0);
    window->actionAscent->trigger();
    QVERIFY(console().contains("Ascent speed must be above 0 m/min"));
    QVERIFY(shownInRed(*window->textEdit, "Ascent speed must be above 0 m/min"));
    QCOMPARE(qRound(engineDepth()), 45);
}

void TestSimulationActions::gasVolumes_data()
{
    QTest::addColumn<bool>("ccr");
    QTest::newRow("open circuit") << false;
    QTest::newRow("closed circuit bail-out") << true;
}

void TestSimulationActions::gasVolumes()
{
    QFETCH(bool, ccr);
    setTrimixDive();
    if (ccr)
        window->ccrMode->setChecked(true);
    window->bottomGasUsage->setValue(25);
    window->actionSimulate->trigger();
    window->gasVolumesButton->click();

    const QString text = console();
    QVERIFY(text.contains(ccr ? "==== BAIL-OUT runtime ====" : "==== OC Runtime ===="));
    QVERIFY(text.contains("Depth                         = 60 m"));
    QVERIFY(text.contains("Bottom time                   = 25 min"));
    QVERIFY(text.contains("Bottom gas consumption (CF56) = 25 l/min"));
    const QRegularExpression bottomGas("Gas#1 \\( 18/45\\) = +(\\d+)");
    const QRegularExpression decoGas("Gas#2 \\( 50/00\\) = +(\\d+)");
    QVERIFY2(text.contains(bottomGas), qPrintable(text));
    QVERIFY(text.contains(decoGas));
    QVERIFY(bottomGas.match(text).captured(1).toInt() > decoGas.match(text).captured(1).toInt());
}

void TestSimulationActions::runtimesAndClear()
{
    setTrimixDive();
    window->depthGraph->setChecked(true);
    window->ceilGraph->setChecked(true);
    window->simulateButton->click();
    PlotInterface* plot = PlotInterface::plot;
    QVERIFY(plot->isVisible());
    QVERIFY(plot->depthCurve->enabled && plot->ceilingCurve->enabled);
    QVERIFY(!plot->gfCurve->enabled);
    const int drawn = plot->depthCurves.size();
    QVERIFY(drawn >= 2);

    window->addRuntime->click();
    QCOMPARE(plot->depthCurves.size(), drawn + 1);
    auto* runtime = static_cast<ProfileImpl*>(plot->depthCurves.last());
    QVERIFY2(runtime->curve.title().text().startsWith("OC GF 30/85: 25 ' @ 60 m"),
             qPrintable(runtime->curve.title().text()));
    QVERIFY(runtime->curve.dataSize() > 5);
    QCOMPARE(runtime->curve.plot(), plot->qwtPlot);

    // A second plan after Gas volumes, drawn beside the first.
    window->dive_time->setValue(20);
    window->actionGasVolumes->trigger();
    window->actionAddRuntime->trigger();
    QCOMPARE(plot->depthCurves.size(), drawn + 2);

    window->actionClearProfil->trigger();
    QVERIFY(plot->depthCurves.isEmpty());
    QVERIFY(plot->extraCurves.isEmpty());
    QVERIFY(plot->qwtPlot->itemList(QwtPlotItem::Rtti_PlotCurve).isEmpty());

    // Plotting goes on after a Clear.
    window->interval->setValue(-10);
    window->simulateButton->click();
    QVERIFY(!plot->depthCurves.isEmpty());
    QVERIFY(!plot->qwtPlot->itemList(QwtPlotItem::Rtti_PlotCurve).isEmpty());
}

void TestSimulationActions::runtimeNeedsAFinishedPlan()
{
    const QString simulateFirst = "No finished plan to draw: simulate first";
    // Nothing simulated yet: no plan, no window, no made-up curve.
    window->addRuntime->click();
    QCOMPARE(console(), simulateFirst);
    QVERIFY(shownInRed(*window->textEdit, simulateFirst));
    QVERIFY(!PlotInterface::plot);
    // Nor after an Ascent with no dive to ascend from.
    window->actionAscent->trigger();
    window->addRuntime->click();
    QVERIFY(console().endsWith("\n" + simulateFirst));

    window->actionSimulate->trigger();
    window->actionAddRuntime->trigger();
    PlotInterface* plot = PlotInterface::plot;
    QCOMPARE(plot->depthCurves.size(), 1);
    QVERIFY(!console().contains(simulateFirst));

    // At the surface the engine holds no plan of the dive any more: the diver is told why.
    window->actionAscent->trigger();
    window->addRuntime->click();
    const QString ascentEnded = "No plan to draw: the ascent ended the plan; simulate again to draw a runtime";
    QVERIFY(console().endsWith("\n" + ascentEnded));
    QVERIFY(shownInRed(*window->textEdit, ascentEnded));
    QCOMPARE(plot->depthCurves.size(), 1);

    // Gas volumes plan afresh from where the dive stands: that plan can be drawn.
    window->actionSimulate->trigger();
    window->actionGasVolumes->trigger();
    window->addRuntime->click();
    QVERIFY(!console().contains(simulateFirst));
    QCOMPARE(plot->depthCurves.size(), 2);

    // A run that the engine stops leaves no plan either: 10 % oxygen near the surface.
    window->O2_1->setValue(10);
    window->He_1->setValue(50);
    window->dive_depth->setValue(1);
    window->actionSimulate->trigger();
    QVERIFY(console().contains("Simulation stopped at 1.0 m: "));
    window->addRuntime->click();
    QVERIFY(console().endsWith("\nNo plan to draw: the last run stopped before its plan was finished"));
    QCOMPARE(plot->depthCurves.size(), 2);
}

void TestSimulationActions::ascentNeedsADive()
{
    window->ascentButton->click();
    QCOMPARE(console(), QString("No dive to ascend from: simulate first"));
    QVERIFY(shownInRed(*window->textEdit, "No dive to ascend from"));
    QCOMPARE(dive_time, -1);

    window->actionSimulate->trigger();
    window->actionAscent->trigger();
    QVERIFY(console().contains(QRegularExpression("\\n +\\d+:\\d\\d +0\\.0m ASCENT DONE")));
    QVERIFY(!console().contains(":-"));
}

// Saturated at the surface, the diver has nothing to give off: a desaturation time of 0 and
// no no-fly time at all.
void TestSimulationActions::noNoFlyTimeWithoutDesaturation()
{
    window->dive_depth->setValue(0);
    window->dive_time->setValue(5);
    window->actionSimulate->trigger();
    QVERIFY2(consoleLines(*window->textEdit).contains("  0:00   0.0m Desat"), qPrintable(console()));
    QVERIFY(!console().contains("NoFly"));

    // After a dive both are there.
    window->dive_depth->setValue(30);
    window->dive_time->setValue(20);
    window->actionSimulate->trigger();
    window->actionAscent->trigger();
    QVERIFY2(console().contains(QRegularExpression(" 0\\.0m NoFly = +\\d+")), qPrintable(console()));
    QVERIFY(console().contains(QRegularExpression(" 0\\.0m Desat = +\\d+")));
}

void TestSimulationActions::repetitiveDiveIntervalAtTheSurface()
{
    window->depthGraph->setChecked(true);
    window->actionSimulate->trigger();
    window->interval->setValue(30);
    window->dive_depth->setValue(20);
    window->dive_time->setValue(10);
    window->actionSimulate->trigger();

    QList<QwtPlotCurve*> depthCurves;
    for (QwtPlotItem* item : PlotInterface::plot->qwtPlot->itemList(QwtPlotItem::Rtti_PlotCurve)) {
        if (item->title().text() == "depth")
            depthCurves << static_cast<QwtPlotCurve*>(item);
    }
    // First dive, climb before the interval, second dive.
    QCOMPARE(depthCurves.size(), 3);
    const QwtPlotCurve* second = depthCurves.last();
    // 30 minutes at the surface, then straight down to 20 m.
    QCOMPARE(second->sample(0), QPointF(0, 0));
    QCOMPARE(second->sample(1), QPointF(30, 0));
    QCOMPARE(second->sample(2), QPointF(30, 20));
    QCOMPARE(second->sample(int(second->dataSize()) - 1).y(), 20.0);
}

void TestSimulationActions::tissuesPlotIsFed()
{
    window->pressurePlot->click();
    PlotInterface* tissues = PlotInterface::cptPlot;
    QVERIFY(tissues && tissues->isVisible());
    for (Profile* tissue : tissues->tissueCurves)
        QCOMPARE(int(static_cast<ProfileImpl*>(tissue)->curve.dataSize()), 0);

    window->actionSimulate->trigger();
    for (Profile* tissue : tissues->tissueCurves)
        QVERIFY(static_cast<ProfileImpl*>(tissue)->curve.dataSize() > 10);
    // The fastest compartment is nearly saturated at the bottom: its last point lies near
    // the ambient pressure of 45 m.
    const QwtSeriesData<QPointF>* fast = static_cast<ProfileImpl*>(tissues->tissueCurves.first())->curve.data();
    const QPointF last = fast->sample(fast->size() - 1);
    QVERIFY2(qAbs(last.x() - (1.013 + 45 * 0.09985)) < 0.1, qPrintable(QString::number(last.x())));
}

// The tissues plot shows pressures up to the ambient pressure of the deepest dive it draws.
void TestSimulationActions::tissuesRangeFollowsTheDeepestDive()
{
    window->dive_depth->setValue(30);
    window->pressurePlot->click();
    PlotInterface* tissues = PlotInterface::cptPlot;
    QwtPlot* plot = tissues->qwtPlot;
    auto top = [plot] { return plot->axisScaleDiv(QwtPlot::xBottom).upperBound(); };
    // Surface 1.013 bar plus a tenth of a bar per metre.
    QCOMPARE(top(), 1.013 + 3.0);

    window->dive_depth->setValue(100);
    window->actionSimulate->trigger();
    QCOMPARE(top(), 1.013 + 10.0);
    QCOMPARE(plot->axisScaleDiv(QwtPlot::yLeft).upperBound(), 1.013 + 10.0);
    // Every point of the dive lies inside, and so do the lines drawn to the top.
    for (Profile* tissue : tissues->tissueCurves) {
        const QRectF points = static_cast<ProfileImpl*>(tissue)->curve.boundingRect();
        QVERIFY(points.right() <= top());
        QVERIFY(points.bottom() <= top());
    }
    int linesToTheTop = 0;
    for (QwtPlotItem* item : plot->itemList(QwtPlotItem::Rtti_PlotCurve)) {
        const QwtPlotCurve* line = static_cast<QwtPlotCurve*>(item);
        if (line->dataSize() == 2) {
            QCOMPARE(line->sample(0).x(), 1.013);
            QCOMPARE(line->sample(1).x(), top());
            ++linesToTheTop;
        }
    }
    // The ambient-pressure line and the 16 M-value lines.
    QCOMPARE(linesToTheTop, 17);

    // A new dive at another surface pressure draws only itself.
    window->press_surface->setValue(913);
    window->dive_depth->setValue(20);
    window->actionSimulate->trigger();
    QCOMPARE(top(), 0.913 + 2.0);
    // A deeper segment of the same dive widens the plot; a shallower one keeps it.
    window->interval->setValue(0);
    window->dive_depth->setValue(40);
    window->actionSimulate->trigger();
    QCOMPARE(top(), 0.913 + 4.0);
    window->dive_depth->setValue(10);
    window->actionSimulate->trigger();
    QCOMPARE(top(), 0.913 + 4.0);
}

void TestSimulationActions::tissuesRangeCoversALoggedDive()
{
    window->replayModeCB->setChecked(true);
    window->openAnswers << replayFixture("divinglog-dives.xml");
    window->replayButton->click();
    // The log's 31.5 m shows as 31 m in the depth box.
    QCOMPARE(window->dive_depth->value(), 31);
    window->pressurePlot->click();
    window->actionSimulate->trigger();

    // Its deepest points at 31.5 m lie inside: the plot reaches the next whole metre.
    QwtPlot* plot = PlotInterface::cptPlot->qwtPlot;
    QCOMPARE(plot->axisScaleDiv(QwtPlot::xBottom).upperBound(), 1.013 + 3.2);
    const QRectF fast = static_cast<ProfileImpl*>(PlotInterface::cptPlot->tissueCurves.first())->curve.boundingRect();
    QVERIFY2(fast.right() > 1.013 + 3.1, qPrintable(QString::number(fast.right())));
}

void TestSimulationActions::replayedDive()
{
    window->replayModeCB->setChecked(true);
    window->openAnswers << replayFixture("divinglog-dives.xml");
    window->replayButton->click();
    QCOMPARE(window->dive_time->value(), 46);
    QCOMPARE(window->dive_depth->value(), 31);

    window->actionSimulate->trigger();
    const QString text = console();
    // The logged dive, not a planned one: no descent, and the run ends at the log's end.
    QVERIFY(!text.contains("DESCENT DONE"));
    QVERIFY2(text.contains(QRegularExpression("\\n +46:00 +0\\.0m ")), qPrintable(text));

    // Another dive of the log replays that dive.
    window->replayListCB->setCurrentIndex(1);
    emit window->replayListCB->activated(1);
    QCOMPARE(window->dive_time->value(), 1);
    window->simulateButton->click();
    QVERIFY(console().contains(QRegularExpression("\\n +1:00 +0\\.0m ")));
    QVERIFY(!console().contains(QRegularExpression("\\n +46:00 ")));
}

// A closed-circuit log's setpoint changes are marked on the depth curve where they happen.
void TestSimulationActions::replayedSetpointsAreLabelled()
{
    window->depthGraph->setChecked(true);
    window->replayModeCB->setChecked(true);
    window->openAnswers << QString(VARN_FIXTURE_DIR "/simulation/switches.uddf");
    window->replayButton->click();
    window->replayListCB->setCurrentIndex(1);
    emit window->replayListCB->activated(1);
    QVERIFY(window->ccrMode->isChecked());
    window->actionSimulate->trigger();
    QVERIFY(console().contains("SWITCH Setpoint 0.7 -> 1.3"));

    QStringList labels;
    for (QwtPlotItem* item : PlotInterface::plot->qwtPlot->itemList(QwtPlotItem::Rtti_PlotMarker)) {
        const QwtPlotMarker* marker = static_cast<QwtPlotMarker*>(item);
        if (marker->title().text().startsWith("SP"))
            labels << QString("%1 at %2 min, %3 m").arg(marker->title().text()).arg(marker->xValue()).arg(marker->yValue());
    }
    // Logged 0.7 bar at the start and 1.3 bar at 5 minutes and 20 m.
    QCOMPARE(labels, QStringList({"SP0.70 at 0 min, 0 m", "SP1.30 at 5 min, 20 m"}));
}

void TestSimulationActions::replayModeWithoutLogPlansTheDive()
{
    window->replayModeCB->setChecked(true);
    QVERIFY(!window->replay);
    window->actionSimulate->trigger();
    QVERIFY(console().contains(QRegularExpression("45\\.0m DESCENT DONE")));
}

void TestSimulationActions::valuesTheEngineRefuses_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("refusal");
    QTest::addColumn<bool>("everyAction");

    // The engine surfaces only strictly between 800 and 1100 mbar.
    QTest::newRow("700 mbar") << "press_surface" << 700 << "Surface pressure must be above 800 mbar" << true;
    QTest::newRow("800 mbar") << "press_surface" << 800 << "Surface pressure must be above 800 mbar" << true;
    QTest::newRow("1100 mbar") << "press_surface" << 1100 << "Surface pressure must be below 1100 mbar" << true;
    // Less than 5 % oxygen leaves more than 95 % inert gas; 0/55 breaks no other rule of the row.
    QTest::newRow("first gas 0/55") << "O2_1" << 0 << "Gas 1 has less than 5 % O2" << true;
    QTest::newRow("deco gas 4/0") << "O2_2" << 4 << "Gas 2 has less than 5 % O2" << true;
    // 50/96: no nitrogen left, and more helium than the engine takes.
    QTest::newRow("deco gas 50/96") << "He_2" << 96 << "Gas 2 has more than 100 % O2 and He together" << true;
    // 1020 + trunc(130 x 99.85) = 14000 mbar, beyond the engine's 14 bar; 129 m gives 13900.
    // Only Simulate takes the diver there.
    QTest::newRow("130 m at 1020 mbar") << "dive_depth" << 130
                                        << "Dive depth must be at most 129 m at a surface pressure of 1020 mbar" << false;
}

// A value that the engine would refuse is refused by the window, in the diver's words, before
// anything is computed; the plan of the earlier run is no longer shown as if it were the result.
void TestSimulationActions::valuesTheEngineRefuses()
{
    QFETCH(QString, box);
    QFETCH(int, value);
    QFETCH(QString, refusal);
    QFETCH(bool, everyAction);

    window->gas_2->setChecked(true);
    window->O2_2->setValue(50);
    window->depth_2->setValue(21);
    window->press_surface->setValue(1020);
    window->dive_depth->setValue(40);
    window->actionSimulate->trigger();
    QVERIFY(console().contains("*  dive started at Pamb = 1020 mbar"));
    const int clock = dive_time;
    const float depth = engineDepth();

    window->findChild<QSpinBox*>(box)->setValue(value);
    if (everyAction) {
        // Gas volumes and Ascent continue from the dive: they leave it where it is.
        window->actionGasVolumes->trigger();
        window->actionAscent->trigger();
        QVERIFY(console().endsWith("\nNo gas volumes: " + refusal + "\nNo ascent: " + refusal));
        QVERIFY(shownInRed(*window->textEdit, "No ascent: " + refusal));
        QCOMPARE(dive_time, clock);
        QCOMPARE(engineDepth(), depth);
    }
    window->simulateButton->click();

    // A new dive would have cleared the Console: the refusal takes its place.
    QCOMPARE(console(), "Not simulated: " + refusal);
    QVERIFY(shownInRed(*window->textEdit, "Not simulated: " + refusal));
    QCOMPARE(dive_time, clock);
    // Nor can the earlier plan be drawn as if it were this run's.
    window->addRuntime->click();
    QVERIFY(console().endsWith("\nNo plan to draw: the last action was refused"));
    QVERIFY(!console().contains("p2_deco"));

    if (!everyAction) {
        // The depth box does not take the diver anywhere in these two.
        window->actionGasVolumes->trigger();
        window->actionAscent->trigger();
        QVERIFY(console().contains("==== OC Runtime ===="));
        QVERIFY(console().contains(QRegularExpression(" 0\\.0m ASCENT DONE")));
    }
}

void TestSimulationActions::refusedSegmentKeepsTheDiveReport()
{
    window->actionSimulate->trigger();
    const QString dive = console();
    window->interval->setValue(0);
    window->press_surface->setValue(800);
    window->actionSimulate->trigger();
    // The segment would have been appended to the dive: so is its refusal.
    QCOMPARE(console(), dive + "\nNot simulated: Surface pressure must be above 800 mbar");

    window->press_surface->setValue(900);
    window->actionSimulate->trigger();
    QVERIFY(console().contains("==================================="));
    QVERIFY(console().contains(QRegularExpression("\\n +\\d+:\\d\\d +45\\.0m Deco:|45\\.0m NDL")));
}

void TestSimulationActions::unusedGasIsNotChecked()
{
    // Gas 4 is neither ticked nor the first gas: the engine never breathes it.
    window->O2_4->setValue(0);
    window->He_4->setValue(100);
    window->actionSimulate->trigger();
    QVERIFY2(console().contains(QRegularExpression("45\\.0m DESCENT DONE")), qPrintable(console()));
    QVERIFY(!console().contains("Gas 4"));
}

void TestSimulationActions::actionsDuringARunAreRefused()
{
    window->depthGraph->setChecked(true);
    window->replayModeCB->setChecked(true);
    window->openAnswers << replayFixture("divinglog-dives.xml");
    window->replayButton->click();
    Replay* source = window->replay;
    // A planned dive of the logged dive's time and depth, then a second segment.
    window->replayModeCB->setChecked(false);
    window->editor = [](CF_Editor_Interface*) { return int(QDialog::Accepted); };
    window->actionSimulate->trigger();
    PlotInterface* plot = PlotInterface::plot;
    const int curvesBefore = plot->depthCurves.size();
    window->interval->setValue(0);

    // The user acts while the second segment runs.
    bool fired = false;
    int seenDuringRun = -1;
    QTimer::singleShot(0, [&] {
        fired = simulationRunning();
        window->clearProfil->click();
        window->simulateButton->click();
        window->actionAscent->trigger();
        window->gasVolumesButton->click();
        window->addRuntime->click();
        window->pressurePlot->click();
        window->editCFButton->click();
        window->replayModeCB->setChecked(true);
        window->openAnswers << replayFixture("uddf-groups.uddf");
        window->replayButton->click();
        window->replayListCB->setCurrentIndex(2);
        emit window->replayListCB->activated(2);
        window->openAnswers << dir.filePath("none.div");
        window->loadButton->click();
        window->saveAnswers << dir.filePath("during.div");
        window->saveButton->click();
        window->exitButton->click();
        seenDuringRun = plot->depthCurves.size();
    });
    window->actionSimulate->trigger();

    QVERIFY(fired);
    QCOMPARE(console().count("A simulation is running: try again when it has ended."), 12);
    // Nothing was touched: curves, source, dive list, dialogs, windows.
    QVERIFY(seenDuringRun >= curvesBefore);
    QVERIFY(plot->depthCurves.size() > curvesBefore);
    QVERIFY(plot->isVisible());
    QVERIFY(!PlotInterface::cptPlot);
    QCOMPARE(window->replay, source);
    QCOMPARE(window->replayListCB->currentIndex(), 0);
    QCOMPARE(window->replayLE->text(), QString("replay/divinglog-dives.xml"));
    QCOMPARE(window->editorRuns, 0);
    QCOMPARE(window->questions.size(), 1);
    QCOMPARE(window->openAnswers.size(), 2);
    QVERIFY(!QFile::exists(dir.filePath("during.div")));
    // The run itself ended normally with the plan of the second segment.
    QCOMPARE(console().count("==================================="), 1);
    QCOMPARE(console().count(QRegularExpression("\\n +\\d+:\\d\\d +31\\.0m Deco:")), 2);

    // Once it has ended, the same actions go through.
    window->clearProfil->click();
    QVERIFY(plot->depthCurves.isEmpty());
    window->replayModeCB->setChecked(false);
    window->simulateButton->click();
    QCOMPARE(console().count("A simulation is running"), 12);
    QCOMPARE(console().count("==================================="), 2);
}

QTEST_MAIN(TestSimulationActions)
#include "tst_simulationactions.moc"
