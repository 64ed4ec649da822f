#include "PlannerApplication.h"
#include "PlotInterface.h"
#include "Replay.h"
#include "Settings.h"
#include "StatusLine.h"
#include "VARN_eeprom.h"
#include "p2_deco.h"
#include "pipewriter.h"
#include "replayrun.h"
#include "scriptedwindow.h"
#include "temporarydefaults.h"
#include "testutil.h"

#include <QDir>
#include <QProgressDialog>
#include <QSettings>
#include <QtTest>
#include <sys/stat.h>

// The replay source of the main window: opening a dive log through the replay button, the
// dive list, choosing a dive, which sets the planning values and the configuration, and
// simulating it. Run under the planner's application object: no failure of a log may reach the
// handler around the event loop.
class TestReplayActions : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void opensDivingLogAndSelectsFirstDive();
    void choosingAnotherDive();
    void uddfDiveSetsModeAndGases();
    void typedValuesSurviveChoosingADive();
    void diveTimeRoundsUpDepthTruncates_data();
    void diveTimeRoundsUpDepthTruncates();
    void unreadableFileClosesTheLog_data();
    void unreadableFileClosesTheLog();
    void cancelClosesTheLogSilently();
    void diveWithoutSamplesIsReportedAndNotReplayed();
    void unreplayableDiveLeavesNoPlanToDraw();
    void rebreatherLogOpensTenTimes();
    void realDivesReplayWholeOrAreMarked_data();
    void realDivesReplayWholeOrAreMarked();
    void replayModeOffGivesTheBoxesBack();
    void parametersLoadedOverALogDoNotShortenTheReplay();
    void longLogIsReplayedWhole();
    void switchToASkippedMixIsIgnored();
    void fileTextsShowAsTheyStand();
    void badNumbersNeverReachTheForm();
    void deepFileIsRefusedAndTheWindowGoesOn();
    void pipeIsRefused();
    void duplicateIdsEachReplayThemselves();
    void longReadShowsProgress();
    void searchForTheFaultShowsProgress();

private:
    TemporaryDefaults dir;
    ScriptedWindow* window = nullptr;
    QString console() const { return window->textEdit->toPlainText(); }
    PlannerApplication* app() const { return static_cast<PlannerApplication*>(qApp); }
    void open(const QString& fileName);
    // The user picks entry index of the dive list.
    void choose(int index);
    void simulate();
    QString writeDivingLog(const QString& name, int seconds, const QString& depth);
};

namespace {

QString realLog(const QString& name)
{
    return QDir(VARN_TESTDATA_DIR).filePath(name);
}

// The entry of the dive list as the window shows one that cannot be replayed.
QString marked(const QString& entry, const QString& reason)
{
    return QString("%1 (cannot be replayed: %2)").arg(entry, reason);
}

} // namespace

void TestReplayActions::initTestCase()
{
    QVERIFY(dir.isValid());
}

void TestReplayActions::init()
{
    eeprom = VARN_eeprom();
    dive_time = -1;
    PlotInterface::plot = nullptr;
    PlotInterface::cptPlot = nullptr;
    window = new ScriptedWindow;
    window->replayModeCB->setChecked(true);
    // No curve ticked: no plot window is drawn.
    for (QCheckBox* curve : {window->depthGraph, window->ceilGraph, window->leadGraph, window->gfGraph,
                             window->ppO2Graph, window->cnsGraph, window->ndlGraph})
        curve->setChecked(false);
}

void TestReplayActions::cleanup()
{
    QCOMPARE(app()->escapedFailures(), 0);
    QVERIFY(!console().contains("Unhandled exception"));
    delete window->replay;
    delete window;
    window = nullptr;
    delete PlotInterface::plot;
    PlotInterface::plot = nullptr;
}

// The user presses the replay button and picks fileName.
void TestReplayActions::open(const QString& fileName)
{
    window->openAnswers << fileName;
    QTest::mouseClick(window->replayButton, Qt::LeftButton);
}

void TestReplayActions::choose(int index)
{
    window->replayListCB->setCurrentIndex(index);
    emit window->replayListCB->activated(index);
}

void TestReplayActions::simulate()
{
    QTest::mouseClick(window->simulateButton, Qt::LeftButton);
}

QString TestReplayActions::writeDivingLog(const QString& name, int seconds, const QString& depth)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QString();
    file.write(QString("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                       "<Divinglog DBVersion=\"3.0\"><Logbook><Dive ID=\"1\">"
                       "<Divedate>2012-01-02</Divedate><Entrytime>10:00</Entrytime><Place>Test</Place>"
                       "<Depth>%2</Depth><ProfileInt>10</ProfileInt><Profile>"
                       "<P Time=\"0\"><Depth>0</Depth></P><P Time=\"%1\"><Depth>%2</Depth></P>"
                       "</Profile></Dive></Logbook></Divinglog>\n")
                   .arg(seconds)
                   .arg(depth)
                   .toUtf8());
    return path;
}

void TestReplayActions::opensDivingLogAndSelectsFirstDive()
{
    QVERIFY(window->replayButton->isEnabled());
    open(replayFixture("divinglog-dives.xml"));

    QCOMPARE(window->questions.size(), 1);
    QCOMPARE(window->questions[0].caption, QString("Replay dive profile"));
    QCOMPARE(window->questions[0].folder, QString());
    QCOMPARE(window->questions[0].filter,
             QString("Profile data (*.xml *.uddf);;DivingLog 5 (*.xml);;UDDF 2 or 3 (*.uddf);;"));

    QVERIFY(window->replay);
    QCOMPARE(window->replay->diveTime(), 2712);
    QCOMPARE(window->replayLE->text(), QString("replay/divinglog-dives.xml"));
    QStringList entries;
    for (int i = 0; i < window->replayListCB->count(); ++i)
        entries << window->replayListCB->itemText(i);
    QCOMPARE(entries, QStringList({
                          "007 - 2011-05-14 10:32 Reef - 45' @ 31.5m",
                          "123 - 2011-05-15 09:00 Wall - 1' @ 20.0m",
                          "008 - 2011-05-16 14:00 Bay - 0' @ 15.0m",
                          marked("009 - 2011-05-17 08:00 Pier - 0' @ 12.0m", "the log holds no samples for it"),
                          "011 - %2 %1 Blue %2 Hole %1 - 1' @ 6.0m",
                      }));
    QCOMPARE(window->replayListCB->currentIndex(), 0);

    // 2712 s is 45.2 minutes: rounded up. 31.5 m: truncated.
    QCOMPARE(window->dive_time->value(), 46);
    QCOMPARE(window->dive_depth->value(), 31);
    QVERIFY(!window->dive_time->isEnabled());
    QVERIFY(!window->dive_depth->isEnabled());
    QVERIFY(console().contains("DivingLog DB 3.0 dive"));
}

void TestReplayActions::choosingAnotherDive()
{
    open(replayFixture("divinglog-dives.xml"));
    Replay* source = window->replay;

    window->replayListCB->setCurrentIndex(1);
    emit window->replayListCB->activated(1);
    QCOMPARE(window->replay, source);
    QCOMPARE(window->replay->diveTime(), 40);
    QCOMPARE(window->dive_time->value(), 1);
    QCOMPARE(window->dive_depth->value(), 20);
    QVERIFY(!window->dive_time->isEnabled());
    QCOMPARE(console().count("DivingLog DB 3.0 dive"), 2);

    // The replay itself follows the chosen dive.
    const ReplayRun run = runReplay(*window->replay, 40);
    QCOMPARE(run.depths.at(5), 10.0f);
    QCOMPARE(run.depths.at(10), 20.0f);
}

void TestReplayActions::uddfDiveSetsModeAndGases()
{
    QScopedPointer<Replay> reference(replayUDDF(replayFixture("uddf-config.uddf")));
    QVERIFY(reference);
    QVERIFY(reference->selectDive(0));
    const int minutes = (reference->diveTime() + 59) / 60;
    const int metres = int(reference->diveDepth());

    QVERIFY(window->ocrMode->isChecked());
    window->O2_2->setValue(32);
    open(replayFixture("uddf-config.uddf"));
    QCOMPARE(window->replayLE->text(), QString("replay/uddf-config.uddf"));
    QCOMPARE(window->dive_time->value(), minutes);
    QCOMPARE(window->dive_depth->value(), metres);
    QVERIFY(console().contains("This is a CCR dive."));

    // The dive's mode and mixes went into the image, and the form shows them.
    QVERIFY(eeprom.isCCR());
    QVERIFY(window->ccrMode->isChecked());
    QVERIFY(window->setpointGroup->isEnabled());
    QVERIFY(window->first_1->isChecked());
    QCOMPARE(window->O2_1->value(), 21);
    QCOMPARE(window->O2_2->value(), 50);
    QCOMPARE(window->gas_2->isChecked(), bool(eeprom.activeGases & 2));
}

void TestReplayActions::typedValuesSurviveChoosingADive()
{
    window->GF_low->setValue(45);
    window->saturation->setValue(150);
    window->gas_3->setChecked(true);
    open(replayFixture("divinglog-dives.xml"));
    QCOMPARE(window->GF_low->value(), 45);
    QCOMPARE(window->saturation->value(), 150);
    QVERIFY(window->gas_3->isChecked());
}

void TestReplayActions::diveTimeRoundsUpDepthTruncates_data()
{
    QTest::addColumn<int>("seconds");
    QTest::addColumn<QString>("depth");
    QTest::addColumn<int>("minutes");
    QTest::addColumn<int>("metres");
    QTest::newRow("61 s, 45.9 m") << 61 << "45.9" << 2 << 45;
    QTest::newRow("60 s, 45.0 m") << 60 << "45.0" << 1 << 45;
    QTest::newRow("59 s, 0.5 m") << 59 << "0.5" << 1 << 0;
    QTest::newRow("3600 s, 129.99 m") << 3600 << "129.99" << 60 << 129;
}

void TestReplayActions::diveTimeRoundsUpDepthTruncates()
{
    QFETCH(int, seconds);
    QFETCH(QString, depth);
    QFETCH(int, minutes);
    QFETCH(int, metres);
    open(writeDivingLog("timing.xml", seconds, depth));
    QVERIFY(window->replay);
    QCOMPARE(window->replay->diveTime(), seconds);
    QCOMPARE(window->dive_time->value(), minutes);
    QCOMPARE(window->dive_depth->value(), metres);
}

void TestReplayActions::unreadableFileClosesTheLog_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("reason");
    QTest::newRow("not a dive log") << replayFixture("not-a-dive-log.xml")
                                    << "'not-a-dive-log.xml': it holds no dive of a DivingLog XML log";
    // The fixture's five lines end in the middle of its dive.
    QTest::newRow("truncated")
        << replayFixture("truncated.xml")
        << "'truncated.xml': it is not a complete, well-formed XML file (the fault is at line 5)";
    QTest::newRow("no dive") << replayFixture("divinglog-empty.xml")
                             << "'divinglog-empty.xml': it holds no dive of a DivingLog XML log";
    QTest::newRow("no UDDF dive") << replayFixture("uddf-empty.uddf")
                                  << "'uddf-empty.uddf': it holds no dive of a UDDF log";
    QTest::newRow("missing file") << replayFixture("no-such-file.uddf") << "'no-such-file.uddf': it does not exist";
    QTest::newRow("unknown encoding") << replayFixture("form-unknown-encoding.xml")
                                      << "'form-unknown-encoding.xml': its text encoding x-unknown is unknown";
    QTest::newRow("entities") << replayFixture("divinglog-laughs.xml")
                              << "'divinglog-laughs.xml': it declares XML entities, which dive logs do not use";
    QTest::newRow("text file") << QString(VARN_FIXTURE_DIR "/../CMakeLists.txt")
                               << "'CMakeLists.txt': its name ends neither in .xml nor in .uddf";
    QTest::newRow("upper-case XML") << "upper" << "'DIVES.XML': its name ends neither in .xml nor in .uddf";
}

void TestReplayActions::unreadableFileClosesTheLog()
{
    QFETCH(QString, fileName);
    QFETCH(QString, reason);
    if (fileName == "upper") {
        fileName = dir.filePath("DIVES.XML");
        QFile::remove(fileName);
        QVERIFY(QFile::copy(replayFixture("divinglog-dives.xml"), fileName));
    }

    open(replayFixture("divinglog-dives.xml"));
    QVERIFY(window->replay);
    window->replayButton->setChecked(true);

    QTest::ignoreMessage(QtWarningMsg, "Unable to read dive profile");
    open(fileName);
    QVERIFY(!window->replay);
    QCOMPARE(window->replayLE->text(), QString());
    QCOMPARE(window->replayListCB->count(), 0);
    QVERIFY(!window->replayButton->isChecked());
    QVERIFY(window->dive_time->isEnabled());
    QVERIFY(window->dive_depth->isEnabled());
    QVERIFY2(console().endsWith("Unable to read dive profile " + reason), qPrintable(console()));
    QVERIFY(window->textEdit->toHtml().contains("color:#ff0000"));
}

void TestReplayActions::cancelClosesTheLogSilently()
{
    open(replayFixture("uddf-groups.uddf"));
    QVERIFY(window->replay);
    const QString before = console();

    QTest::mouseClick(window->replayButton, Qt::LeftButton);
    QVERIFY(!window->replay);
    QCOMPARE(window->replayListCB->count(), 0);
    QCOMPARE(window->replayLE->text(), QString());
    QVERIFY(window->dive_time->isEnabled());
    QCOMPARE(console(), before);
}

void TestReplayActions::diveWithoutSamplesIsReportedAndNotReplayed()
{
    open(replayFixture("divinglog-dives.xml"));
    QCOMPARE(window->dive_time->value(), 46);
    window->dive_time->setEnabled(true);
    QTest::mouseClick(window->replayModeCB, Qt::LeftButton);
    window->dive_time->setValue(33);
    window->dive_depth->setValue(27);
    QTest::mouseClick(window->replayModeCB, Qt::LeftButton);

    choose(3);
    // Named and explained in red; the planning values are the user's, and free to change.
    const QString line = "Dive 009 - 2011-05-17 08:00 Pier - 0' @ 12.0m cannot be replayed: "
                         "the log holds no samples for it.";
    QVERIFY2(console().endsWith(line), qPrintable(console()));
    QVERIFY(window->textEdit->toHtml().contains("color:#ff0000"));
    QCOMPARE(window->dive_time->value(), 33);
    QCOMPARE(window->dive_depth->value(), 27);
    QVERIFY(window->dive_time->isEnabled());
    QVERIFY(window->dive_depth->isEnabled());

    // Simulate says so again and runs nothing.
    simulate();
    QVERIFY(console().endsWith(line + "\n" + line));
    QCOMPARE(dive_time, -1);

    // Another dive of the same file is still usable.
    choose(0);
    QCOMPARE(window->dive_time->value(), 46);
    QVERIFY(!window->dive_time->isEnabled());
}

// A Simulate that could not replay its dive computed nothing: the plan of the dive before is not
// drawn as if it were this one's.
void TestReplayActions::unreplayableDiveLeavesNoPlanToDraw()
{
    open(replayFixture("divinglog-dives.xml"));
    choose(3);
    QTest::mouseClick(window->replayModeCB, Qt::LeftButton);
    window->dive_time->setValue(10);
    window->dive_depth->setValue(20);
    simulate();
    // The planned dive ran.
    QVERIFY(dive_time > 0);

    QTest::mouseClick(window->replayModeCB, Qt::LeftButton);
    simulate();
    QVERIFY(console().endsWith("cannot be replayed: the log holds no samples for it."));
    QTest::mouseClick(window->addRuntime, Qt::LeftButton);
    QVERIFY2(console().endsWith("\nNo plan to draw: the last action was refused"), qPrintable(console()));
    QVERIFY(PlotInterface::plot->depthCurves.isEmpty());

    // A dive replayed to its end leaves its plan to draw.
    choose(0);
    window->replayBreakOnStopCB->setChecked(false);
    simulate();
    QTest::mouseClick(window->addRuntime, Qt::LeftButton);
    QCOMPARE(PlotInterface::plot->depthCurves.size(), 1);
}

// The rebreather log's first dive has no samples; its second is a 104-minute dive to 60.4 m.
void TestReplayActions::rebreatherLogOpensTenTimes()
{
    if (!QFile::exists(realLog("apd-inspiration-ccr.uddf")))
        QSKIP("No real dive logs beside the checkout");
    for (int i = 0; i < 10; ++i) {
        open(realLog("apd-inspiration-ccr.uddf"));
        QVERIFY(window->replay);
        QCOMPARE(window->replayListCB->itemText(0),
                 marked("001 - --/-- --:-- - 0' @ 0.0m", "the log holds no samples for it"));
        QCOMPARE(window->replayListCB->currentIndex(), 1);
        QCOMPARE(window->dive_time->value(), 104);
        QCOMPARE(window->dive_depth->value(), 60);
        QVERIFY(window->ccrMode->isChecked());
        QVERIFY(console().endsWith("Gas#2:   48% nx o2=48%, he=0%\n2 setpoint(s) outside 0.16..2.55 bar skipped.")
                || console().contains("Gas#2:   48% nx o2=48%, he=0%"));

        // The dive without samples, chosen and simulated.
        choose(0);
        simulate();
        QCOMPARE(console().count("Dive 001 - --/-- --:-- - 0' @ 0.0m cannot be replayed"), 2 * (i + 1));
    }
    QCOMPARE(dive_time, -1);

    choose(1);
    window->replayBreakOnStopCB->setChecked(false);
    simulate();
    QVERIFY(dive_time >= 6240);
    QVERIFY(window->isEnabled());
}

void TestReplayActions::realDivesReplayWholeOrAreMarked_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QList<int>>("marked");

    QTest::newRow("DivingLog XML") << "divinglog-5.08-metric.xml" << QList<int>();
    QTest::newRow("DivingLog XML, imperial") << "divinglog-5.08-imperial.xml" << QList<int>();
    QTest::newRow("DivingLog UDDF") << "divinglog-5.08.uddf" << QList<int>();
    QTest::newRow("AP rebreather") << "apd-inspiration-ccr.uddf" << QList<int>({0});
    QTest::newRow("Oceanic") << "oceanic-10-dives.uddf" << QList<int>();
    QTest::newRow("Shearwater OC") << "shearwater-peregrine-oc.uddf" << QList<int>();
    QTest::newRow("Shearwater CCR") << "shearwater-perdix-ccr.uddf" << QList<int>();
}

void TestReplayActions::realDivesReplayWholeOrAreMarked()
{
    QFETCH(QString, file);
    QFETCH(QList<int>, marked);
    if (!QFile::exists(realLog(file)))
        QSKIP("No real dive logs beside the checkout");

    open(realLog(file));
    QVERIFY(window->replay);
    const QStringList entries = window->replay->diveList();
    QCOMPARE(window->replayListCB->count(), entries.size());
    QCOMPARE(window->replayListCB->currentIndex(), marked.contains(0) ? 1 : 0);
    window->replayBreakOnStopCB->setChecked(false);
    window->interval->setValue(-10);
    for (int i = 0; i < entries.size(); ++i) {
        const QString item = window->replayListCB->itemText(i);
        choose(i);
        simulate();
        if (marked.contains(i)) {
            QVERIFY2(item.startsWith(entries.at(i) + " (cannot be replayed: "), qPrintable(item));
            QVERIFY(console().endsWith("Dive " + entries.at(i) + " cannot be replayed: the log holds no samples for it."));
            continue;
        }
        QCOMPARE(item, entries.at(i));
        QVERIFY2(!console().contains("cannot be replayed"), qPrintable(console()));
        // The whole logged dive, from its start.
        QVERIFY2(dive_time >= window->replay->diveTime() && dive_time <= window->replay->diveTime() + 60 + 20000,
                 qPrintable(QString("%1 s of %2 s").arg(dive_time).arg(window->replay->diveTime())));
        QVERIFY(console().contains("..."));
    }
}

void TestReplayActions::replayModeOffGivesTheBoxesBack()
{
    open(replayFixture("divinglog-dives.xml"));
    QVERIFY(!window->dive_time->isEnabled());
    QVERIFY(!window->dive_depth->isEnabled());

    QTest::mouseClick(window->replayModeCB, Qt::LeftButton);
    QVERIFY(!window->replayModeCB->isChecked());
    QVERIFY(window->dive_time->isEnabled());
    QVERIFY(window->dive_depth->isEnabled());
    QVERIFY(window->replayButton->isEnabled());
    // Planning another dive needs nothing else.
    window->dive_time->setValue(25);
    simulate();
    QVERIFY(console().contains("DESCENT DONE"));
    QCOMPARE(dive_time >= 25 * 60, true);

    QTest::mouseClick(window->replayModeCB, Qt::LeftButton);
    QVERIFY(!window->dive_time->isEnabled());
    QVERIFY(!window->dive_depth->isEnabled());
}

void TestReplayActions::parametersLoadedOverALogDoNotShortenTheReplay()
{
    open(replayFixture("divinglog-dives.xml"));
    const QString parameters = dir.filePath("short.div");
    {
        QSettings file(parameters, QSettings::IniFormat);
        file.setValue("Deco/model", 4);
        file.setValue("Dive/bottom_time", 20);
        file.setValue("Dive/bottom_depth", 45);
    }
    window->openAnswers << parameters;
    QTest::mouseClick(window->loadButton, Qt::LeftButton);
    QCOMPARE(window->dive_time->value(), 20);
    QCOMPARE(window->dive_depth->value(), 45);

    window->replayBreakOnStopCB->setChecked(false);
    simulate();
    // The log lasts 2712 s, rounded up to 46 minutes.
    QVERIFY2(dive_time >= 2760, qPrintable(QString::number(dive_time)));
    QVERIFY(console().contains("The replay follows the log's 46 min, not the 20 min of the form."));
    QVERIFY(console().contains("The replay follows the log's depths (deepest 31 m), not the 45 m of the form."));
}

void TestReplayActions::longLogIsReplayedWhole()
{
    // 320 minutes: more than the bottom time box can hold.
    open(writeDivingLog("long.xml", 19200, "5"));
    QCOMPARE(window->dive_time->value(), window->dive_time->maximum());
    simulate();
    QVERIFY2(dive_time >= 19200, qPrintable(QString::number(dive_time)));
    QVERIFY(console().contains(QString("The replay follows the log's 320 min, not the %1 min of the form.")
                                   .arg(window->dive_time->maximum())));
    QVERIFY(!console().contains("depths (deepest"));
}

// The log switches to a mix of 150 % oxygen and to one it never defines; the user's gas 2 is an
// inactive EAN50 that the log must not make the diver breathe.
void TestReplayActions::switchToASkippedMixIsIgnored()
{
    window->gas_2->setChecked(false);
    window->O2_2->setValue(50);
    window->depth_2->setValue(21);
    window->replayGasSwitchCB->setChecked(true);
    open(replayFixture("uddf-markup.uddf"));
    QVERIFY(console().contains("Gas#2 skipped: implausible mix."));
    QVERIFY(!window->gas_2->isChecked());
    QVERIFY(!window->gas_3->isChecked());

    simulate();
    const QStringList switches = console().split('\n').filter("SWITCH");
    QVERIFY2(switches.size() == 1, qPrintable(console()));
    QVERIFY2(switches.first().startsWith("  0:00   0.0m SWITCH Gas#1 -> Gas#1"), qPrintable(switches.first()));
    QVERIFY(console().contains("Gas#2 of the log has no gas set up (its mix was skipped or the gas is off): "
                               "switch ignored"));
    QVERIFY(console().contains("Gas#3 of the log has no gas set up (its mix was skipped or the gas is off): "
                               "switch ignored"));
    QCOMPARE(int(char_I_current_gas), 1);
    QCOMPARE(int(char_I_N2_ratio), 79);
}

void TestReplayActions::fileTextsShowAsTheyStand()
{
    open(replayFixture("uddf-markup.uddf"));
    QVERIFY2(console().contains("Reading UDDF <b>3.2</b> dive"), qPrintable(console()));
    QVERIFY(console().contains("Gas#1: <font color='red' size='+5'>SAFE TO SKIP STOPS</font> o2=21%, he=0%"));
    QVERIFY(console().contains("Gas#2: Кислород o2=150%, he=0%"));

    // A dive named with markup, that cannot be replayed (the Console folds the blank of the
    // missing entry time into one).
    open(replayFixture("divinglog-ids.xml"));
    QCOMPARE(window->replayListCB->itemText(4),
             marked("006 - 2012-01-05  <i>Reef</i> - 0' @ 8.0m", "the log holds no samples for it"));
    choose(4);
    QVERIFY2(console().endsWith("Dive 006 - 2012-01-05 <i>Reef</i> - 0' @ 8.0m cannot be replayed: "
                               "the log holds no samples for it."),
             qPrintable(console()));
}

void TestReplayActions::badNumbersNeverReachTheForm()
{
    open(replayFixture("uddf-bad-numbers.uddf"));
    QCOMPARE(window->replayListCB->currentIndex(), 0);
    QCOMPARE(window->dive_time->value(), 8);
    QCOMPARE(window->dive_depth->value(), 18);
    QVERIFY(console().contains("5 depth(s) missing or implausible: taken from the samples around them."));
    QCOMPARE(window->replayListCB->itemText(1),
             marked("002 - --/-- --:-- - 0' @ 0.0m", "the log holds no samples for it"));
    simulate();
    QVERIFY(!console().contains("inf", Qt::CaseInsensitive));
    QVERIFY(!console().contains("nan", Qt::CaseInsensitive));
    QVERIFY(dive_time >= 480);
}

void TestReplayActions::deepFileIsRefusedAndTheWindowGoesOn()
{
    const QString path = dir.filePath("deep.uddf");
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        // Around a dive that would open if the nest were not refused.
        file.write("<uddf>" + QByteArray("<a>").repeated(30000) + QByteArray("</a>").repeated(30000)
                   + "<profiledata><repetitiongroup><dive><samples>"
                     "<waypoint><divetime>0</divetime><depth>0</depth></waypoint>"
                     "<waypoint><divetime>60</divetime><depth>10</depth></waypoint>"
                     "</samples></dive></repetitiongroup></profiledata></uddf>");
    }
    QTest::ignoreMessage(QtWarningMsg, "Unable to read dive profile");
    open(path);
    QVERIFY(!window->replay);
    QVERIFY(console().endsWith("Unable to read dive profile 'deep.uddf': its elements are nested deeper than 256 levels"));

    open(replayFixture("uddf-groups.uddf"));
    QVERIFY(window->replay);
    QCOMPARE(window->dive_time->value(), 10);
}

void TestReplayActions::pipeIsRefused()
{
    const QString path = dir.filePath("pipe.uddf");
    QVERIFY(::mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
    QFile fixture(replayFixture("uddf-groups.uddf"));
    QVERIFY(fixture.open(QIODevice::ReadOnly));
    PipeWriter writer(path, fixture.readAll());
    writer.start();

    QTest::ignoreMessage(QtWarningMsg, "Unable to read dive profile");
    open(path);
    writer.stop = true;
    writer.wait();
    QVERIFY(!writer.wrote);
    QVERIFY(!window->replay);
    QVERIFY(console().endsWith("Unable to read dive profile 'pipe.uddf': it is not a regular file"));
    QFile::remove(path);
}

void TestReplayActions::duplicateIdsEachReplayThemselves()
{
    open(replayFixture("divinglog-ids.xml"));
    window->replayBreakOnStopCB->setChecked(false);
    for (int i = 3; i >= 0; --i) {
        choose(i);
        QCOMPARE(window->dive_time->value(), 10 * (i + 1));
        simulate();
        // Each dive runs its own time; its last step, 2 s before the end, nears its own greatest depth.
        const int seconds = 600 * (i + 1);
        QCOMPARE(dive_time, seconds);
        const float metres[] = {10, 20, 15, 12};
        const float last = float(double(seconds - 2) / seconds) * metres[i];
        QCOMPARE(int(int_I_pres_respiration), 1013 + int(last * 99.85f));
    }
}

namespace {

// The window with no delay before a read shows its progress.
class ImpatientWindow : public ScriptedWindow {
protected:
    int readProgressDelayMs() const override { return 0; }
};

// What the user sees while the window opens a log: the label and the value of the progress dialog
// each time the window's events are served. The dialog keeps them flowing.
struct Shown {
    QString label;
    int value;
};

QList<Shown> openWatched(ImpatientWindow& window, const QString& path)
{
    QList<Shown> shown;
    QTimer watcher;
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        QProgressDialog* progress = window.findChild<QProgressDialog*>();
        if (progress && progress->isVisible()) {
            shown << Shown{progress->labelText(), progress->value()};
            QCOMPARE(progress->maximum(), 1000);
            QVERIFY(progress->windowModality() != Qt::NonModal);
        }
    });
    watcher.start(0);
    window.openAnswers << path;
    window.replayFileSlot();
    return shown;
}

// A log of samples every 2 s on some megabytes; the last one's depth can be replaced.
QByteArray longLog(int samples, const QByteArray& lastDepth)
{
    QByteArray xml = "<uddf version=\"3.2.0\"><profiledata><repetitiongroup><dive><samples>\n";
    for (int i = 0; i < samples; ++i)
        xml += "<waypoint><divetime>" + QByteArray::number(2 * i) + "</divetime><depth>"
               + (i == samples - 1 ? lastDepth : QByteArray("10.00")) + "</depth></waypoint>\n";
    xml += "</samples></dive></repetitiongroup></profiledata></uddf>\n";
    return xml;
}

} // namespace

void TestReplayActions::longReadShowsProgress()
{
    const QString path = dir.filePath("long read.uddf");
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(longLog(60000, "10.00"));
    }

    ImpatientWindow impatient;
    const QList<Shown> shown = openWatched(impatient, path);

    QVERIFY(impatient.replay);
    QVERIFY2(shown.size() >= 2, qPrintable(QString::number(shown.size())));
    for (int i = 1; i < shown.size(); ++i)
        QVERIFY(shown.at(i).value > shown.at(i - 1).value);
    QVERIFY(shown.last().value < 1000);
    QCOMPARE(shown.last().label, QString("Reading %1 ...").arg(QDir::toNativeSeparators(path)));
    // Gone once the log is open.
    QVERIFY(!impatient.findChild<QProgressDialog*>());
    delete impatient.replay;
}

void TestReplayActions::searchForTheFaultShowsProgress()
{
    // The Latin-1 letter in the last sample is found at the end of the file, which is then parsed
    // again for a fault before it.
    const QString path = dir.filePath("broken read.uddf");
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(longLog(60000, "1\xE9""0"));
    }

    ImpatientWindow impatient;
    const QList<Shown> shown = openWatched(impatient, path);

    QVERIFY(!impatient.replay);
    QVERIFY(impatient.textEdit->toPlainText().contains("(the fault is at line 60001)"));
    // The bar starts again under a label that says why, and goes on moving meanwhile.
    const QString reading = QString("Reading %1 ...").arg(QDir::toNativeSeparators(path));
    const QString looking = QString("Looking for the fault in %1 ...").arg(QDir::toNativeSeparators(path));
    int search = 0;
    while (search < shown.size() && shown.at(search).label == reading)
        ++search;
    QVERIFY2(search >= 2, qPrintable(QString::number(search)));
    QVERIFY2(shown.size() - search >= 3, qPrintable(QString::number(shown.size() - search)));
    QCOMPARE(shown.at(search).value, 0);
    for (int i = 1; i < shown.size(); ++i) {
        QCOMPARE(shown.at(i).label, i < search ? reading : looking);
        if (i != search)
            QVERIFY(shown.at(i).value > shown.at(i - 1).value);
    }
    QVERIFY(!impatient.findChild<QProgressDialog*>());
}

int main(int argc, char* argv[])
{
    PlannerApplication app(argc, argv);
    TestReplayActions test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_replayactions.moc"
