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
    void tissuesPlotIsFed();
    void replayedDive();
    void replayModeWithoutLogPlansTheDive();
    void surfacePressureTheEngineRefuses_data();
    void surfacePressureTheEngineRefuses();
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

void TestSimulationActions::replayModeWithoutLogPlansTheDive()
{
    window->replayModeCB->setChecked(true);
    QVERIFY(!window->replay);
    window->actionSimulate->trigger();
    QVERIFY(console().contains(QRegularExpression("45\\.0m DESCENT DONE")));
}

void TestSimulationActions::surfacePressureTheEngineRefuses_data()
{
    QTest::addColumn<int>("pressure");
    QTest::newRow("800 mbar") << 800;
    QTest::newRow("1100 mbar") << 1100;
}

void TestSimulationActions::surfacePressureTheEngineRefuses()
{
    QFETCH(int, pressure);
    const QString refusal = "p2_deco: 800 < int_I_pres_surface && int_I_pres_surface < 1100";

    // A dive at the surface reaches the desaturation at once.
    window->press_surface->setValue(pressure);
    window->dive_depth->setValue(0);
    window->actionSimulate->trigger();
    QVERIFY2(shownInRed(*window->textEdit, refusal), qPrintable(console()));
    QVERIFY(!simulationRunning());

    // A dive, then the ascent to the surface.
    window->dive_depth->setValue(30);
    window->dive_time->setValue(15);
    window->actionSimulate->trigger();
    QVERIFY(console().contains(QRegularExpression("30\\.0m DESCENT DONE")));
    window->actionAscent->trigger();
    QVERIFY(console().contains(QRegularExpression(" 0\\.0m ASCENT DONE")));
    QVERIFY(shownInRed(*window->textEdit, refusal));

    // The program goes on: the same dive at sea level.
    window->press_surface->setValue(1013);
    window->actionSimulate->trigger();
    window->actionAscent->trigger();
    QVERIFY(!console().contains(refusal));
    QVERIFY(console().contains(QRegularExpression(" 0\\.0m Desat = ")));
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
