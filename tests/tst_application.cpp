#include "PlannerApplication.h"
#include "PlotInterface.h"
#include "Replay.h"
#include "Settings.h"
#include "VARN_Planner_Interface.h"
#include "VARN_eeprom.h"
#include "ClosingGroupBox.h"
#include "DiveComputerEmulator.h"
#include "Updates.h"
#include "loopbackhttp.h"
#include "columncheck.h"
#include "replayrun.h"
#include "scriptedwindow.h"
#include "testutil.h"

#include <QAbstractTextDocumentLayout>
#include <QScreen>
#include <QSettings>
#include <QTextBlock>
#include <QSplashScreen>
#include <QTemporaryDir>
#include <QtTest>

// Start-up, the guarded event loop and shutdown, run in this process with a temporary home
// folder, as the program's main runs them.
class TestApplication : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();
    void firstRunClosedByTitleBarSavesReadableDefaults();
    void sizeAndSplitterComeBack();
    void heightIsClampedToScreen();
    void widthIsClampedToScreen();
    void planReadableAtFirstRunSize();
    void widthGoesToTheConsole();
    void nothingInTheColumnCutsItsText();
    void closingTheWindowEndsTheProgramWhateverElseIsOpen();
    void failedConfigurationSaveKeepsWindowKeys();
    void firstRunShowsDefaultsAndNextRunTheSavedForm();
    void startUpReadsTheOptions_data();
    void startUpReadsTheOptions();
    void failureTextsShowAsTheyStand();
    void escapedFailuresAreReportedUntilTheTenth();
    void startUpChecksForUpdates();
    void computerKnownAfterRestarts();

private:
    QTemporaryDir* home = nullptr;
    // Every start-up asks for updates: here, never out on the network.
    LoopbackHttp* webServers = nullptr;
    QString defaultsFile() const { return home->filePath(".VARN_Planner_Defaults.ini"); }
    PlannerApplication* app() const { return static_cast<PlannerApplication*>(qApp); }
    // Closes the window the way the title-bar button does, once the event loop runs.
    int runUntilClosed();
    // Runs the guarded event loop; a loop that does not end in time gives -1.
    int runGuarded();
    // The window, its About splash and help go, as they do when the process ends.
    void endRun();
    // The start-up's defaults file and a main window whose message boxes are recorded, not shown;
    // the window goes with the test.
    ScriptedWindow* startScripted();
    QScopedPointer<ScriptedWindow> scripted;
};

void TestApplication::initTestCase()
{
    webServers = new LoopbackHttp;
    QVERIFY(webServers->isListening());
    Updates::setDefaultServers(webServers->base(), webServers->base());
}

void TestApplication::cleanupTestCase()
{
    delete webServers;
    webServers = nullptr;
}

void TestApplication::init()
{
    home = new QTemporaryDir;
    QVERIFY(home->isValid());
    qputenv("HOME", home->path().toLocal8Bit());
    eeprom = VARN_eeprom();
}

void TestApplication::cleanup()
{
    if (settings) {
        delete settings;
        settings = nullptr;
    }
    if (scripted && mainWindow == scripted.data())
        mainWindow = nullptr;
    scripted.reset();
    endRun();
    delete home;
    home = nullptr;
}

void TestApplication::endRun()
{
    if (mainWindow) {
        delete mainWindow->splash;
        delete mainWindow->helpBrowser;
        delete mainWindow;
        mainWindow = nullptr;
    }
}

int TestApplication::runGuarded()
{
    QTimer guard;
    guard.setSingleShot(true);
    connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(-1); });
    guard.start(5000);
    return app()->run();
}

ScriptedWindow* TestApplication::startScripted()
{
    settings = new QSettings(defaultsFile(), QSettings::IniFormat, app());
    scripted.reset(new ScriptedWindow);
    mainWindow = scripted.data();
    mainWindow->load(settings);
    mainWindow->show();
    return scripted.data();
}

int TestApplication::runUntilClosed()
{
    QTimer::singleShot(0, mainWindow, [] { mainWindow->close(); });
    return runGuarded();
}

void TestApplication::firstRunClosedByTitleBarSavesReadableDefaults()
{
    QVERIFY(!QFile::exists(defaultsFile()));
    app()->startUp();
    QVERIFY(settings);
    QCOMPARE(settings->fileName(), defaultsFile());
    QVERIFY(mainWindow->isVisible());
    QVERIFY(mainWindow->splash);
    QVERIFY(!mainWindow->splash->isVisible());
    // As wide as asked, unless the button strip needs more at this font size.
    QCOMPARE(mainWindow->width(), qMax(1032, mainWindow->minimumSizeHint().width()));
    QCOMPARE(mainWindow->height(), qMin(600, app()->primaryScreen()->availableGeometry().height()));

    QCOMPARE(runUntilClosed(), 0);
    app()->shutDown();
    QVERIFY(!settings);

    QSettings file(defaultsFile(), QSettings::IniFormat);
    QCOMPARE(file.status(), QSettings::NoError);
    QCOMPARE(file.value("Interface/width").toInt(), mainWindow->width());
    QCOMPARE(file.value("Interface/height").toInt(), mainWindow->height());
    QVERIFY(!file.value("Interface/splitter").toByteArray().isEmpty());
    QCOMPARE(file.value("Interface/decoGB").toBool(), true);
    QCOMPARE(file.value("Deco/model").toInt(), 0);

    // The configuration reads back whole.
    VARN_eeprom readBack;
    readBack.serial = 1234;
    QCOMPARE(thrownText([&] { readBack.load(&file); }), QString());
    const VARN_eeprom defaults;
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(readBack.bytes()), 768).mid(2),
             QByteArray(reinterpret_cast<const char*>(defaults.bytes()), 768).mid(2));
}

// The offscreen screen is narrower than the window can be: every width comes back as the
// window's least; the height and the splitter come back as left.
void TestApplication::sizeAndSplitterComeBack()
{
    app()->startUp();
    const QSize size(mainWindow->minimumSizeHint().width(), 500);
    mainWindow->resize(size);
    QTRY_COMPARE(mainWindow->size(), size);
    // The Console dragged shut.
    const int total = mainWindow->splitter->sizes().at(0) + mainWindow->splitter->sizes().at(1);
    mainWindow->splitter->setSizes({total, 0});
    const QList<int> moved = mainWindow->splitter->sizes();
    QCOMPARE(moved.at(1), 0);
    QCOMPARE(runUntilClosed(), 0);
    app()->shutDown();
    endRun();

    app()->startUp();
    QCOMPARE(mainWindow->size(), size);
    QTRY_COMPARE(mainWindow->splitter->sizes(), moved);
    QCOMPARE(runUntilClosed(), 0);
    app()->shutDown();
}

void TestApplication::heightIsClampedToScreen()
{
    const int available = app()->primaryScreen()->availableGeometry().height();
    {
        QSettings file(defaultsFile(), QSettings::IniFormat);
        file.setValue("Interface/width", 1100);
        file.setValue("Interface/height", available + 1400);
    }
    app()->startUp();
    QCOMPARE(mainWindow->height(), available);
    // The width is clamped too, but the window is never narrower than its least width.
    const int screen = app()->primaryScreen()->availableGeometry().width();
    QCOMPARE(mainWindow->width(), qMax(qMin(1100, screen), mainWindow->minimumSizeHint().width()));
}

// A damaged or hand-edited width would give a window wider than any screen can paint.
void TestApplication::widthIsClampedToScreen()
{
    {
        QSettings file(defaultsFile(), QSettings::IniFormat);
        file.setValue("Interface/width", 16777215);
    }
    app()->startUp();
    QCoreApplication::processEvents();
    // No wider than the screen, unless the window cannot be narrower.
    const int screen = app()->primaryScreen()->availableGeometry().width();
    QCOMPARE(mainWindow->width(), qMax(screen, mainWindow->minimumSizeHint().width()));
    QVERIFY(!mainWindow->grab().isNull());
    QCOMPARE(runUntilClosed(), 0);
    app()->shutDown();
}

// At the size of the first run, no line of a plan wraps in the Console.
void TestApplication::planReadableAtFirstRunSize()
{
    app()->startUp();
    // Trimix with two deco gases: stop lines with gas switches, the widest plan lines.
    mainWindow->gradientFactor->setChecked(true);
    mainWindow->O2_1->setValue(18);
    mainWindow->He_1->setValue(45);
    mainWindow->gas_2->setChecked(true);
    mainWindow->O2_2->setValue(50);
    mainWindow->depth_2->setValue(21);
    mainWindow->gas_3->setChecked(true);
    mainWindow->O2_3->setValue(100);
    mainWindow->depth_3->setValue(6);
    mainWindow->dive_depth->setValue(60);
    mainWindow->dive_time->setValue(25);
    mainWindow->extra_time->setValue(5);
    mainWindow->simulateButton->click();
    QCoreApplication::processEvents();

    QTextDocument* console = mainWindow->textEdit->document();
    console->documentLayout()->documentSize();
    QStringList wrapped;
    int planLines = 0;
    bool plan = false;
    for (QTextBlock block = console->begin(); block.isValid(); block = block.next()) {
        plan = plan || block.text() == "OC gas list:";
        if (!plan)
            continue;
        ++planLines;
        if (block.layout()->lineCount() > 1)
            wrapped << block.text();
    }
    QVERIFY2(planLines > 15, qPrintable(console->toPlainText()));
    QVERIFY(console->toPlainText().contains("(SWITCH Gas#1 -> Gas#2)"));
    QVERIFY2(wrapped.isEmpty(), qPrintable(wrapped.join('|')));
    QCOMPARE(runUntilClosed(), 0);
    app()->shutDown();
}

void TestApplication::widthGoesToTheConsole()
{
    app()->startUp();
    const QList<int> before = mainWindow->splitter->sizes();
    mainWindow->resize(mainWindow->width() + 200, mainWindow->height());
    QTRY_COMPARE(mainWindow->splitter->sizes().at(1), before.at(1) + 200);
    QCOMPARE(mainWindow->splitter->sizes().at(0), before.at(0));

    // With the application's style sheet too, the column holds its widest group box.
    for (QGroupBox* box : mainWindow->scrollAreaWidgetContents->findChildren<QGroupBox*>(QString(), Qt::FindDirectChildrenOnly))
        QVERIFY2(mainWindow->scrollArea->minimumWidth() >= box->minimumSizeHint().width(), qPrintable(box->objectName()));
}

// The style sheet's 11-point font is larger on Linux than where the form was laid out:
// no input, label or button may cut its text, also with the group-box column at its narrowest.
void TestApplication::nothingInTheColumnCutsItsText()
{
    app()->startUp();
    int inputs = 0;
    const QStringList cut = cutColumnInputs(mainWindow, &inputs);
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(", ")));
    QVERIFY(inputs > 30);
}

// Help, the plots and the About splash are helpers of the main window: they never keep a
// program running whose main window the diver has closed.
void TestApplication::closingTheWindowEndsTheProgramWhateverElseIsOpen()
{
    app()->startUp();
    mainWindow->helpSlot();
    mainWindow->aboutSlot();
    mainWindow->depthGraph->setChecked(true);
    mainWindow->simulateSlot();
    mainWindow->pressureDiagramSlot();
    QVERIFY(mainWindow->helpBrowser->isVisible());
    QVERIFY(PlotInterface::plot && PlotInterface::plot->isVisible());
    QVERIFY(PlotInterface::cptPlot && PlotInterface::cptPlot->isVisible());

    QCOMPARE(runUntilClosed(), 0);
    app()->shutDown();
    PlotInterface::plot->hide();
    PlotInterface::cptPlot->hide();
}

void TestApplication::failedConfigurationSaveKeepsWindowKeys()
{
    app()->startUp();
    eeprom.serial = 5;
    QCOMPARE(runUntilClosed(), 0);
    QTest::ignoreMessage(QtWarningMsg, "Configuration not saved: EEPROM: bad serial");
    app()->shutDown();

    QSettings file(defaultsFile(), QSettings::IniFormat);
    QCOMPARE(file.value("Interface/width").toInt(), mainWindow->width());
    QCOMPARE(file.value("Interface/height").toInt(), mainWindow->height());
    QVERIFY(file.contains("Interface/splitter"));
    QVERIFY(!file.contains("Deco/model"));
    // The planning values and replay options are the user's too.
    QCOMPARE(file.value("Dive/bottom_time").toInt(), mainWindow->dive_time->value());
    QCOMPARE(file.value("Replay/breakOnStop").toString(), QString("true"));
}

void TestApplication::firstRunShowsDefaultsAndNextRunTheSavedForm()
{
    app()->startUp();
    // The defaults of the window parameters, not the form's own initial values.
    QCOMPARE(mainWindow->press_surface->value(), 1013);
    QCOMPARE(mainWindow->ascent->value(), 10);
    QCOMPARE(mainWindow->dive_time->value(), 20);
    QCOMPARE(mainWindow->dive_depth->value(), 45);
    QVERIFY(mainWindow->replayBreakOnStopCB->isChecked());
    QVERIFY(mainWindow->replayGasSwitchCB->isChecked());
    QVERIFY(!mainWindow->replayBreakOnSwitchCB->isChecked());
    QVERIFY(mainWindow->replaySetpointCB->isChecked());
    QVERIFY(!mainWindow->replayBreakOnSetpointCB->isChecked());
    QVERIFY(mainWindow->ocrMode->isChecked());
    QVERIFY(mainWindow->first_1->isChecked());
    QCOMPARE(mainWindow->ppO2High->value(), 1.6);

    // Typed, never simulated, and the window closed by its title-bar button.
    mainWindow->dive_time->setValue(31);
    mainWindow->dive_depth->setValue(62);
    mainWindow->gradientFactor->setChecked(true);
    mainWindow->GF_low->setValue(25);
    mainWindow->replayBreakOnSwitchCB->setChecked(true);
    mainWindow->gas_2->setChecked(true);
    mainWindow->O2_2->setValue(50);
    mainWindow->depth_2->setValue(21);
    QCOMPARE(runUntilClosed(), 0);
    app()->shutDown();

    {
        QSettings file(defaultsFile(), QSettings::IniFormat);
        QCOMPARE(file.value("Dive/bottom_time").toInt(), 31);
        QCOMPARE(file.value("Dive/bottom_depth").toInt(), 62);
        QCOMPARE(file.value("Dive/pressure").toInt(), 1013);
        QCOMPARE(file.value("Dive/ascent_speed").toInt(), 10);
        QCOMPARE(file.value("Replay/breakOnSwitch").toString(), QString("true"));
        QCOMPARE(file.value("Deco/model").toInt(), 4);
        QCOMPARE(file.value("CF32/value").toInt(), 25);
    }

    eeprom = VARN_eeprom();
    Replay::breakOnSwitch = false;
    endRun();
    app()->startUp();
    QCOMPARE(mainWindow->dive_time->value(), 31);
    QCOMPARE(mainWindow->dive_depth->value(), 62);
    QVERIFY(mainWindow->gradientFactor->isChecked());
    QCOMPARE(mainWindow->GF_low->value(), 25);
    QVERIFY(mainWindow->replayBreakOnSwitchCB->isChecked());
    QVERIFY(mainWindow->gas_2->isChecked());
    QCOMPARE(mainWindow->O2_2->value(), 50);
    QCOMPARE(mainWindow->depth_2->value(), 21);
    QCOMPARE(mainWindow->mod_2->text(), QString("MOD:22m, EAD:10m, END:21m"));
    QCOMPARE(runUntilClosed(), 0);
    app()->shutDown();
}

// A failed plot export names its file: with markup and letters beyond Latin-1 in it. The
// failure counts as the first of the run.
void TestApplication::failureTextsShowAsTheyStand()
{
    startScripted();
    QCOMPARE(app()->escapedFailures(), 0);
    PlotInterface plot;
    const QString name = QDir::toNativeSeparators(home->filePath("Погружение <b>7</b>/dive.svg"));
    // The export fails inside an event, as it does behind its button; the window closes after.
    QTimer::singleShot(0, [&] { plot.saveImageAs(name, "SVG file (*.svg)"); });
    QTimer::singleShot(0, [] { mainWindow->close(); });
    QCOMPARE(runGuarded(), 0);
    QCOMPARE(app()->escapedFailures(), 1);
    const QString console = mainWindow->textEdit->toPlainText();
    QVERIFY2(console.startsWith("Unhandled exception: Cannot write " + name + ": "), qPrintable(console));
}

// The user chose a dive that cannot be replayed, then the program had to end: it says so, and
// the values it saves are those the user had, not the failed dive's.
void TestApplication::escapedFailuresAreReportedUntilTheTenth()
{
    ScriptedWindow* window = startScripted();
    // One went by in the test before.
    QCOMPARE(app()->escapedFailures(), 1);

    window->dive_time->setValue(33);
    window->dive_depth->setValue(27);
    window->replayModeCB->setChecked(true);
    const QString log = home->filePath("no samples.xml");
    {
        QFile file(log);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("<Divinglog><Logbook><Dive ID=\"4\"><Depth>12</Depth><Profile/></Dive></Logbook></Divinglog>");
    }
    window->openAnswers << log;
    QTest::mouseClick(window->replayButton, Qt::LeftButton);
    QVERIFY(window->replay);
    QVERIFY(window->textEdit->toPlainText().endsWith("cannot be replayed: the log holds no samples for it."));
    QCOMPARE(app()->escapedFailures(), 1);
    window->textEdit->clear();

    // A slot that throws, reached through a click as the user makes it.
    QPushButton failing("fail", mainWindow);
    connect(&failing, &QPushButton::clicked, [] { throw "Bad UDDF structure"; });
    failing.show();

    int afterFailures = 0;
    QTimer::singleShot(0, [&] {
        for (int i = 0; i < 3; ++i)
            QTest::mouseClick(&failing, Qt::LeftButton);
        QTimer::singleShot(0, [] { throw "Readback differ"; });
        // The program stays usable: later events are still delivered.
        QTimer::singleShot(10, [&] {
            afterFailures = app()->escapedFailures();
            mainWindow->close();
        });
    });
    QCOMPARE(runGuarded(), 0);
    QCOMPARE(afterFailures, 5);

    const QString console = mainWindow->textEdit->toHtml();
    QCOMPARE(console.count("Unhandled exception: Bad UDDF structure"), 3);
    QCOMPARE(console.count("Unhandled exception: Readback differ"), 1);
    QCOMPARE(mainWindow->textEdit->toPlainText().split('\n').size(), 4);

    // Five more go by; the tenth ends the loop without anyone quitting it.
    mainWindow->show();
    for (int i = 0; i < 5; ++i)
        QTimer::singleShot(i, [] { throw "Sync failed"; });
    QCOMPARE(runGuarded(), int(PlannerApplication::escapedFailureExitCode));
    QCOMPARE(app()->escapedFailures(), 10);
    QCOMPARE(mainWindow->textEdit->toPlainText().count("Unhandled exception: Sync failed"), 5);
    QVERIFY(mainWindow->textEdit->toHtml().contains("color:#ff0000"));
    // The user is told before the window goes, once.
    QCOMPARE(window->messages.size(), 1);
    QCOMPARE(window->messages.first().icon, QMessageBox::Critical);
    QCOMPARE(window->messages.first().text,
             QString("VARN Planner met 10 failures it could not handle and ends now. "
                     "The values of the form are saved; the Console is lost."));

    // The loop is not entered again; shutdown still saves, the user's values.
    QCOMPARE(app()->run(), -666);
    app()->shutDown();
    QSettings file(defaultsFile(), QSettings::IniFormat);
    QCOMPARE(file.value("Interface/width").toInt(), mainWindow->width());
    QCOMPARE(file.value("Dive/bottom_time").toInt(), 33);
    QCOMPARE(file.value("Dive/bottom_depth").toInt(), 27);
    delete window->replay;
    window->replay = nullptr;
}

void TestApplication::startUpReadsTheOptions_data()
{
    QTest::addColumn<QString>("verbose");
    QTest::addColumn<bool>("verboseSim");
    QTest::newRow("verbose") << "true" << true;
    QTest::newRow("not verbose") << "false" << false;
    QTest::newRow("no key") << QString() << false;
}

void TestApplication::startUpReadsTheOptions()
{
    QFETCH(QString, verbose);
    QFETCH(bool, verboseSim);
    {
        QSettings file(defaultsFile(), QSettings::IniFormat);
        if (!verbose.isNull())
            file.setValue("Dive/verbose", verbose);
        file.setValue("VARN/port", "ttyUSB3");
        file.setValue("VARN/autoSetDateTime", false);
        file.setValue("Interface/lang", "IT");
        file.setValue("Dive/bottom_time", 2);
        file.setValue("Dive/bottom_depth", 12);
    }
    // Values a start-up that reads nothing would leave.
    Settings::verboseSim = !verboseSim;
    Settings::autoSetDateTime = true;
    Settings::port.clear();
    Settings::language.clear();

    app()->startUp();
    QCOMPARE(Settings::verboseSim, verboseSim);
    QCOMPARE(Settings::port, QString("ttyUSB3"));
    QCOMPARE(Settings::autoSetDateTime, false);
    QCOMPARE(Settings::language, QString("IT"));

    mainWindow->simulateButton->click();
    const QStringList lines = mainWindow->textEdit->toPlainText().split('\n');
    // Verbose: a plan at each 2-second step of the two bottom minutes but the first, which only
    // clears the old plan, and the final plan; otherwise only the final plan, after "...".
    QCOMPARE(lines.filter(QRegularExpression("12\\.0m NDL = ")).size(), verboseSim ? 60 : 1);
    QCOMPARE(lines.contains("..."), !verboseSim);

    // The option outlives the configuration save at exit.
    QCOMPARE(runUntilClosed(), 0);
    app()->shutDown();
    QSettings file(defaultsFile(), QSettings::IniFormat);
    QCOMPARE(file.value("Dive/verbose").toString(), verbose);
    QCOMPARE(file.value("VARN/port").toString(), QString("ttyUSB3"));
}

void TestApplication::startUpChecksForUpdates()
{
    {
        QSettings file(defaultsFile(), QSettings::IniFormat);
        file.setValue("VARN/serial", 4321);
        file.setValue("VARN/firmware", "2.51");
    }
    webServers->requests.clear();
    app()->startUp();
    QTRY_COMPARE(webServers->requests.size(), 2);

    const QList<LoopbackHttp::Request> program = webServers->requestsFor("/updates/Updates.mac.txt");
    QCOMPARE(program.size(), 1);
    QCOMPARE(program[0].query, QByteArray("version=450&arch=mac"));
    const QList<LoopbackHttp::Request> firmware = webServers->requestsFor("/autofirmware/firmware.txt");
    QCOMPARE(firmware.size(), 1);
    QCOMPARE(firmware[0].query, QByteArray("version=450&arch=mac&serial=4321&firmware=2.51"));
}

// The version check asks for the diver's computer, whichever run last read it.
void TestApplication::computerKnownAfterRestarts()
{
    DiveComputerEmulator computer;
    VARN_eeprom device;
    device.serial = 4321;
    device.firmwareMinor = 51;
    computer.setImage(device);
    {
        QSettings file(defaultsFile(), QSettings::IniFormat);
        file.setValue("VARN/port", computer.portPath());
    }
    app()->startUp();
    mainWindow->downloadCFButton->click();
    QVERIFY(mainWindow->textEdit->toPlainText().endsWith("Reading VARN 4321 done."));
    // Quit: the event loop may no longer run after the test before, and needs not.
    mainWindow->close();
    app()->shutDown();

    // Two more runs, each in a new process: the configuration starts from its defaults.
    for (int run = 2; run <= 3; ++run) {
        endRun();
        eeprom = VARN_eeprom();
        webServers->requests.clear();
        app()->startUp();
        QTRY_COMPARE(webServers->requestsFor("/autofirmware/firmware.txt").size(), 1);
        QCOMPARE(webServers->requestsFor("/autofirmware/firmware.txt")[0].query,
                 QByteArray("version=450&arch=mac&serial=4321&firmware=2.51"));
        mainWindow->close();
        app()->shutDown();
    }
}

int main(int argc, char* argv[])
{
    PlannerApplication app(argc, argv);
    TestApplication test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_application.moc"
