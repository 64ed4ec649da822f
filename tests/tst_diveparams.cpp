#include "Replay.h"
#include "Settings.h"
#include "VARN_eeprom.h"
#include "pipewriter.h"
#include "scriptedwindow.h"
#include "testutil.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

// Dive parameter files: the Load and Save slots with their dialogs and folder keys, and the
// window's load and save of a settings file.
class TestDiveParams : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void saveThenLoadGivesBackTheForm();
    void savedFileHoldsItsKeys();
    void replayOptionsKeptApart_data();
    void replayOptionsKeptApart();
    void loadWithoutDiveKeysGivesDefaults();
    void fileThatIsNoParameterFileIsRefused_data();
    void fileThatIsNoParameterFileIsRefused();
    void olderLayoutIsAParameterFile();
    void damagedFileRefusedAtEveryLoad();
    void namedPipeIsNeverOpened();
    void savedNameGetsItsSuffix_data();
    void savedNameGetsItsSuffix();
    void saveDialogAsksBeforeReplacingTheSuffixedFile();
    void outOfRangePressureIsClamped();
    void loadReplacesEverything();
    void cancelledDialogsChangeNothing();
    void unwritableFileIsReported();
    void failedImageCheckKeepsWindowParameters();
    void savingOverFileWithFormatError();
    void fileThatTakesNoWriteIsReported();
    void setpointGroupFollowsLoadedMode_data();
    void setpointGroupFollowsLoadedMode();

private:
    QTemporaryDir* dir = nullptr;
    ScriptedWindow* window = nullptr;
    QString path(const QString& name) const { return dir->filePath(name); }
};

namespace {

// Every widget that a parameter file keeps, by object name, with its shown value.
QStringList formState(VARN_Planner_Interface* w)
{
    static const char* const names[] = {
        "gas_1", "gas_2", "gas_3", "gas_4", "gas_5", "first_1", "first_2", "first_3", "first_4", "first_5",
        "O2_1", "O2_2", "O2_3", "O2_4", "O2_5", "He_1", "He_2", "He_3", "He_4", "He_5",
        "depth_1", "depth_2", "depth_3", "depth_4", "depth_5", "ppo2_1", "ppo2_2", "ppo2_3",
        "ocrMode", "ccrMode", "buhlmann", "gradientFactor", "saturation", "desaturation", "deco_offset",
        "ppO2High", "last_stop", "GF_low", "GF_high", "adjustSP", "shallow_first", "gas_switch_delay",
        "bottomGasUsage", "ascentGasUsage", "extra_time", "press_surface", "ascent", "dive_time", "dive_depth",
        "replayBreakOnStopCB", "replayGasSwitchCB", "replayBreakOnSwitchCB", "replaySetpointCB",
        "replayBreakOnSetpointCB"};
    QStringList state;
    for (const char* name : names) {
        QObject* o = w->findChild<QObject*>(name);
        if (auto* button = qobject_cast<QAbstractButton*>(o))
            state << QString("%1 %2").arg(name).arg(button->isChecked());
        else if (auto* box = qobject_cast<QAbstractSpinBox*>(o))
            state << QString("%1 %2").arg(name, box->text());
        else
            state << QString("%1 missing").arg(name);
    }
    return state;
}

// A form where every kept widget differs from its initial and default value.
void fillForm(VARN_Planner_Interface* w)
{
    w->first_2->setChecked(true);
    QCheckBox* const gas[] = {w->gas_1, w->gas_2, w->gas_3, w->gas_4, w->gas_5};
    QSpinBox* const o2[] = {w->O2_1, w->O2_2, w->O2_3, w->O2_4, w->O2_5};
    QSpinBox* const he[] = {w->He_1, w->He_2, w->He_3, w->He_4, w->He_5};
    QSpinBox* const depth[] = {w->depth_1, w->depth_2, w->depth_3, w->depth_4, w->depth_5};
    for (int i = 0; i < 5; ++i) {
        gas[i]->setChecked(i != 3);
        o2[i]->setValue(15 + 10 * i);
        he[i]->setValue(35 - 5 * i);
        depth[i]->setValue(60 - 11 * i);
    }
    w->ppo2_1->setValue(1.2);
    w->ppo2_2->setValue(0.7);
    w->ppo2_3->setValue(1.4);
    w->ccrMode->setChecked(true);
    w->gradientFactor->setChecked(true);
    w->saturation->setValue(120);
    w->desaturation->setValue(80);
    w->deco_offset->setValue(2.3);
    w->ppO2High->setValue(1.42);
    w->last_stop->setValue(5);
    w->GF_low->setValue(35);
    w->GF_high->setValue(70);
    w->adjustSP->setChecked(true);
    w->shallow_first->setChecked(true);
    w->gas_switch_delay->setValue(2);
    w->bottomGasUsage->setValue(17);
    w->ascentGasUsage->setValue(13);
    w->extra_time->setValue(4);
    w->press_surface->setValue(950);
    w->ascent->setValue(9);
    w->dive_time->setValue(33);
    w->dive_depth->setValue(51);
    w->replayBreakOnStopCB->setChecked(false);
    w->replayGasSwitchCB->setChecked(false);
    w->replayBreakOnSwitchCB->setChecked(true);
    w->replaySetpointCB->setChecked(false);
    w->replayBreakOnSetpointCB->setChecked(true);
}

} // namespace

void TestDiveParams::init()
{
    dir = new QTemporaryDir;
    QVERIFY(dir->isValid());
    qputenv("HOME", dir->path().toLocal8Bit());
    settings = new QSettings(path(".VARN_Planner_Defaults.ini"), QSettings::IniFormat);
    eeprom = VARN_eeprom();
    Replay::breakOnStop = Replay::gasSwitch = Replay::setpoint = true;
    Replay::breakOnSwitch = Replay::breakOnSetpoint = false;
    window = new ScriptedWindow;
}

void TestDiveParams::cleanup()
{
    delete window;
    window = nullptr;
    delete settings;
    settings = nullptr;
    delete dir;
    dir = nullptr;
}

void TestDiveParams::saveThenLoadGivesBackTheForm()
{
    QVERIFY(QDir().mkpath(path("dives")));
    fillForm(window);
    window->interval->setValue(20);
    window->depthGraph->setChecked(true);
    const QStringList saved = formState(window);

    window->saveAnswers << path("dives/deep.div");
    window->saveDiveSlot();
    QCOMPARE(window->questions.size(), 1);
    QCOMPARE(window->questions[0].caption, QString("Save all parameters..."));
    QCOMPARE(window->questions[0].folder, QDir::homePath());
    QCOMPARE(window->questions[0].filter, QString("Dives params (*.div)"));
    QVERIFY(QFile::exists(path("dives/deep.div")));
    QCOMPARE(settings->value("Planner/savePath").toString(), path("dives") + "/.");

    // Everything changes, then the file comes back.
    VARN_Planner_Interface fresh;
    window->first_1->setChecked(true);
    window->ocrMode->setChecked(true);
    window->buhlmann->setChecked(true);
    for (QAbstractButton* box : window->findChildren<QCheckBox*>())
        box->setChecked(!box->isChecked());
    for (QSpinBox* box : window->findChildren<QSpinBox*>())
        box->setValue(fresh.findChild<QSpinBox*>(box->objectName())->value());
    for (QDoubleSpinBox* box : window->findChildren<QDoubleSpinBox*>())
        box->setValue(fresh.findChild<QDoubleSpinBox*>(box->objectName())->value());
    window->interval->setValue(40);
    QVERIFY(formState(window) != saved);
    const bool depthGraph = window->depthGraph->isChecked();

    window->openAnswers << path("dives/deep.div");
    window->loadDiveSlot();
    QCOMPARE(window->questions.size(), 2);
    QCOMPARE(window->questions[1].caption, QString("Load dive parameters..."));
    QCOMPARE(window->questions[1].folder, QCoreApplication::applicationDirPath());
    QCOMPARE(window->questions[1].filter, QString("Dives params (*.div)"));
    QCOMPARE(settings->value("Planner/loadPath").toString(), path("dives") + "/.");

    QCOMPARE(formState(window), saved);
    // Not kept in files: the interval and the curve boxes stay as they are.
    QCOMPARE(window->interval->value(), 40);
    QCOMPARE(window->depthGraph->isChecked(), depthGraph);

    // The next dialogs start in the remembered folders.
    window->saveDiveSlot();
    window->loadDiveSlot();
    QCOMPARE(window->questions[2].folder, path("dives") + "/.");
    QCOMPARE(window->questions[3].folder, path("dives") + "/.");
}

void TestDiveParams::savedFileHoldsItsKeys()
{
    fillForm(window);
    window->saveAnswers << path("keys.div");
    window->saveDiveSlot();

    QSettings file(path("keys.div"), QSettings::IniFormat);
    QCOMPARE(file.value("Dive/pressure").toInt(), 950);
    QCOMPARE(file.value("Dive/ascent_speed").toInt(), 9);
    QCOMPARE(file.value("Dive/bottom_time").toInt(), 33);
    QCOMPARE(file.value("Dive/bottom_depth").toInt(), 51);
    QCOMPARE(file.value("Replay/breakOnStop").toString(), QString("false"));
    QCOMPARE(file.value("Replay/gasSwitch").toString(), QString("false"));
    QCOMPARE(file.value("Replay/breakOnSwitch").toString(), QString("true"));
    QCOMPARE(file.value("Replay/setpoint").toString(), QString("false"));
    QCOMPARE(file.value("Replay/breakOnSetpoint").toString(), QString("true"));
    QCOMPARE(file.value("Deco/model").toInt(), 5);
    QCOMPARE(file.value("CF18/value").toInt(), 142);
    QCOMPARE(file.value("CF16/value").toInt(), 23);
    QCOMPARE(file.value("Setpoint0/ppO2").toInt(), 120);
    QCOMPARE(file.value("Gas1/first").toString(), QString("yes"));
    // None of the defaults file's own keys.
    for (const QString& key : file.allKeys())
        QVERIFY2(!key.startsWith("Interface/") && !key.startsWith("Planner/"), qPrintable(key));
}

void TestDiveParams::replayOptionsKeptApart_data()
{
    QTest::addColumn<int>("option");
    const char* const names[] = {"breakOnStop", "gasSwitch", "breakOnSwitch", "setpoint", "breakOnSetpoint"};
    for (int i = 0; i < 5; ++i)
        QTest::newRow(names[i]) << i;
}

// Each replay option goes to its own key and comes back into its own box: one ticked alone, then
// one left alone unticked.
void TestDiveParams::replayOptionsKeptApart()
{
    QFETCH(int, option);
    const QStringList keys = {"Replay/breakOnStop", "Replay/gasSwitch", "Replay/breakOnSwitch", "Replay/setpoint",
                              "Replay/breakOnSetpoint"};
    QCheckBox* const boxes[] = {window->replayBreakOnStopCB, window->replayGasSwitchCB,
                                window->replayBreakOnSwitchCB, window->replaySetpointCB,
                                window->replayBreakOnSetpointCB};
    // The setpoint options are open in closed circuit only.
    window->ccrMode->setChecked(true);
    for (bool alone : {true, false}) {
        for (int i = 0; i < 5; ++i)
            boxes[i]->setChecked((i == option) == alone);
        const QString name = path(QString("replay%1.div").arg(alone));
        window->saveAnswers << name;
        window->saveDiveSlot();
        {
            const QSettings file(name, QSettings::IniFormat);
            for (int i = 0; i < 5; ++i)
                QVERIFY2(file.value(keys[i]).toString() == ((i == option) == alone ? "true" : "false"),
                         qPrintable(keys[i]));
        }

        for (int i = 0; i < 5; ++i)
            boxes[i]->setChecked((i == option) != alone);
        window->openAnswers << name;
        window->loadDiveSlot();
        for (int i = 0; i < 5; ++i)
            QVERIFY2(boxes[i]->isChecked() == ((i == option) == alone), qPrintable(boxes[i]->objectName()));
    }
}

void TestDiveParams::loadWithoutDiveKeysGivesDefaults()
{
    {
        QSettings file(path("model.div"), QSettings::IniFormat);
        file.setValue("Deco/model", 4);
    }
    fillForm(window);
    window->openAnswers << path("model.div");
    window->loadDiveSlot();

    QCOMPARE(window->press_surface->value(), 1013);
    QCOMPARE(window->ascent->value(), 10);
    QCOMPARE(window->dive_time->value(), 20);
    QCOMPARE(window->dive_depth->value(), 45);
    QVERIFY(Replay::breakOnStop && Replay::gasSwitch && Replay::setpoint);
    QVERIFY(!Replay::breakOnSwitch && !Replay::breakOnSetpoint);
    QVERIFY(window->replayBreakOnStopCB->isChecked());
    QVERIFY(!window->replayBreakOnSwitchCB->isChecked());
    // Everything else of the image comes from its defaults.
    QCOMPARE(int(eeprom.decoType), 4);
    QVERIFY(window->ocrMode->isChecked());
    QVERIFY(window->gradientFactor->isChecked());
    QVERIFY(window->first_1->isChecked());
    QVERIFY(!window->gas_2->isChecked());
    QCOMPARE(window->textEdit->toPlainText(), QString());
}

void TestDiveParams::fileThatIsNoParameterFileIsRefused_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("reason");

    // Written before the load; no content: nothing is written.
    QTest::newRow("no longer there") << "gone.div" << QByteArray() << "no longer exists";
    QTest::newRow("a folder") << "folder.div" << QByteArray() << "cannot be read";
    QTest::newRow("planning values only") << "window.div"
                                          << QByteArray("[Dive]\npressure=900\nbottom_depth=25\n")
                                          << "is not a dive parameter file";
    QTest::newRow("broken section") << "broken.div" << QByteArray("[Deco\nmodel=4\n") << "is not a dive parameter file";
    QTest::newRow("a picture") << "picture.div" << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16)
                               << "is not a dive parameter file";
    QTest::newRow("another program's settings") << "other & <odd>.div" << QByteArray("[General]\nmodel=4\n")
                                                << "is not a dive parameter file";
}

// A diver who picks the wrong file keeps the setup on the form and in the configuration; the
// exit would otherwise save the empty configuration over the defaults.
void TestDiveParams::fileThatIsNoParameterFileIsRefused()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    QFETCH(QString, reason);

    const QString fileName = path(name);
    if (name == "folder.div") {
        QVERIFY(QDir().mkpath(fileName));
    } else if (!content.isEmpty()) {
        QFile file(fileName);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    fillForm(window);
    eeprom.serial = 4321;
    window->setup();
    const QStringList form = formState(window);
    const QByteArray image(reinterpret_cast<const char*>(eeprom.bytes()), 768);

    window->openAnswers << fileName;
    window->loadDiveSlot();

    QCOMPARE(formState(window), form);
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(eeprom.bytes()), 768), image);
    QCOMPARE(window->textEdit->toPlainText(), QString("'%1' %2: nothing was loaded").arg(fileName, reason));
    QVERIFY(window->textEdit->toHtml().contains("color:#ff0000"));
    // The folder is remembered all the same: the diver looks there again.
    QCOMPARE(settings->value("Planner/loadPath").toString(), dir->path() + "/.");
}

void TestDiveParams::olderLayoutIsAParameterFile()
{
    {
        QSettings file(path("old.div"), QSettings::IniFormat);
        file.setValue("Mode", "CCR");
        file.setValue("Gas/2/O2", 50);
    }
    window->openAnswers << path("old.div");
    window->loadDiveSlot();
    QVERIFY(window->ccrMode->isChecked());
    QCOMPARE(window->O2_2->value(), 50);
    QCOMPARE(window->textEdit->toPlainText(), QString());
}

// The settings library keeps what it parsed of a file for the next reader of the same file, and
// only the first reader learns of a format error: a damaged file is refused at every load.
void TestDiveParams::damagedFileRefusedAtEveryLoad()
{
    window->dive_depth->setValue(33);
    window->saveAnswers << path("damaged.div");
    window->saveDiveSlot();
    {
        QFile file(path("damaged.div"));
        QVERIFY(file.open(QIODevice::Append));
        file.write("[Broken\nvalue=1\n");
    }
    // Damaged, yet with every key of a parameter file (probed through a copy).
    QVERIFY(QFile::copy(path("damaged.div"), path("probe.ini")));
    {
        const QSettings probe(path("probe.ini"), QSettings::IniFormat);
        QCOMPARE(probe.status(), QSettings::FormatError);
        QCOMPARE(probe.value("Dive/bottom_depth").toInt(), 33);
        QVERIFY(probe.contains("Deco/model"));
    }

    fillForm(window);
    const QStringList form = formState(window);
    for (int load = 1; load <= 3; ++load) {
        window->textEdit->clear();
        window->openAnswers << path("damaged.div");
        window->loadDiveSlot();
        QCOMPARE(window->textEdit->toPlainText(),
                 QString("'%1' is not a dive parameter file: nothing was loaded").arg(path("damaged.div")));
        QVERIFY2(formState(window) == form, qPrintable(QString("load %1").arg(load)));
    }
}

// Opening a named pipe waits for a writer: the window would hang for good. Here a writer stands
// by with a whole parameter file, so that a load that opened the pipe would take it.
void TestDiveParams::namedPipeIsNeverOpened()
{
    window->dive_depth->setValue(33);
    window->saveAnswers << path("saved.div");
    window->saveDiveSlot();
    QFile saved(path("saved.div"));
    QVERIFY(saved.open(QIODevice::ReadOnly));
    const QString pipe = path("pipe.div");
    QCOMPARE(mkfifo(QFile::encodeName(pipe).constData(), 0644), 0);
    PipeWriter writer(pipe, saved.readAll());
    writer.start();

    fillForm(window);
    const QStringList form = formState(window);
    window->openAnswers << pipe;
    window->loadDiveSlot();
    QCOMPARE(window->textEdit->toPlainText(), QString("'%1' cannot be read: nothing was loaded").arg(pipe));
    QCOMPARE(formState(window), form);
    QVERIFY(!writer.wrote);
}

void TestDiveParams::outOfRangePressureIsClamped()
{
    {
        QSettings file(path("low.div"), QSettings::IniFormat);
        file.setValue("Deco/model", 0);
        file.setValue("Dive/pressure", 500);
        file.setValue("Dive/bottom_depth", 400);
    }
    window->openAnswers << path("low.div");
    window->loadDiveSlot();
    QCOMPARE(window->press_surface->value(), 700);
    QCOMPARE(window->dive_depth->value(), 130);

    window->saveAnswers << path("low.div");
    window->saveDiveSlot();
    QSettings file(path("low.div"), QSettings::IniFormat);
    QCOMPARE(file.value("Dive/pressure").toInt(), 700);
    QCOMPARE(file.value("Dive/bottom_depth").toInt(), 130);
}

void TestDiveParams::loadReplacesEverything()
{
    // A file saved from the defaults, loaded over a downloaded image and a filled form.
    window->saveAnswers << path("plain.div");
    window->saveDiveSlot();
    const QStringList plain = formState(window);

    fillForm(window);
    eeprom.serial = 2000;
    eeprom.cf(80).value = 3;
    window->openAnswers << path("plain.div");
    window->loadDiveSlot();
    QCOMPARE(formState(window), plain);
    QCOMPARE(int(eeprom.serial), 0xFFFF);
    QCOMPARE(int(eeprom.cf(80).value), int(VARN_eeprom().cf(80).value));
}

void TestDiveParams::cancelledDialogsChangeNothing()
{
    settings->setValue("Planner/loadPath", "/somewhere/.");
    fillForm(window);
    const QStringList before = formState(window);
    const VARN_eeprom image = eeprom;

    window->loadDiveSlot();
    window->saveDiveSlot();
    QCOMPARE(window->questions.size(), 2);
    QCOMPARE(window->questions[0].folder, QString("/somewhere/."));
    QCOMPARE(formState(window), before);
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(eeprom.bytes()), 768),
             QByteArray(reinterpret_cast<const char*>(image.bytes()), 768));
    QCOMPARE(settings->value("Planner/loadPath").toString(), QString("/somewhere/."));
    QVERIFY(!settings->contains("Planner/savePath"));
    QVERIFY(QDir(dir->path()).entryList(QStringList("*.div"), QDir::Files).isEmpty());
}

void TestDiveParams::unwritableFileIsReported()
{
    // A plain file where the folder should be: nothing can be written below it.
    QFile blocker(path("blocker"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QString target = path("blocker/dive.div");

    window->saveAnswers << target;
    QTest::ignoreMessage(QtWarningMsg, qPrintable(QString("Unable to write to '%1'.").arg(target)));
    window->saveDiveSlot();
    QCOMPARE(settings->value("Planner/savePath").toString(), path("blocker") + "/.");
    QVERIFY(!QFile::exists(target));
    QVERIFY(window->textEdit->toPlainText().contains(QString("Unable to write to '%1'.").arg(target)));
    QVERIFY(window->textEdit->toHtml().contains("color:#ff0000"));
}

void TestDiveParams::savedNameGetsItsSuffix_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("written");

    QTest::newRow("no suffix") << "deep" << "deep.div";
    QTest::newRow("dotted name") << "deep.v2" << "deep.v2.div";
    QTest::newRow("with suffix") << "deep.div" << "deep.div";
    // The load dialog's filter takes the suffix in any letter case.
    QTest::newRow("upper-case suffix") << "deep.DIV" << "deep.DIV";
}

void TestDiveParams::savedNameGetsItsSuffix()
{
    QFETCH(QString, typed);
    QFETCH(QString, written);

    window->dive_depth->setValue(33);
    window->saveAnswers << path(typed);
    window->saveDiveSlot();
    QCOMPARE(QDir(dir->path()).entryList(QDir::Files), QStringList({written}));
    // The load dialog finds it by its filter, and it loads.
    QVERIFY(QDir::match(QString("*.div"), written));
    window->dive_depth->setValue(77);
    window->openAnswers << path(written);
    window->loadDiveSlot();
    QCOMPARE(window->dive_depth->value(), 33);
}

// The real save dialog: a name typed without the suffix gets it there, so that the dialog asks
// before the file with the suffix is replaced.
void TestDiveParams::saveDialogAsksBeforeReplacingTheSuffixedFile()
{
    {
        QFile kept(path("deep.div"));
        QVERIFY(kept.open(QIODevice::WriteOnly));
        kept.write("keep me");
    }
    VARN_Planner_Interface real;
    QString asked;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        QCOMPARE(QDir(dialog->directory()).canonicalPath(), QDir(dir->path()).canonicalPath());
        dialog->selectFile("deep");
        QTimer::singleShot(0, [&, dialog] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box) {
                asked = box->text();
                box->button(QMessageBox::No)->click();
            }
            QTimer::singleShot(0, dialog, &QFileDialog::reject);
        });
        // Its Save button.
        QMetaObject::invokeMethod(dialog, "accept");
    });
    real.saveDiveSlot();

    QVERIFY2(asked.contains("deep.div"), qPrintable(asked));
    QFile kept(path("deep.div"));
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), QByteArray("keep me"));
}

// The image check's text still travels on to the window's handler, but the window's own keys
// are in the file.
void TestDiveParams::failedImageCheckKeepsWindowParameters()
{
    fillForm(window);
    eeprom.serial = 5;
    window->saveAnswers << path("bad.div");
    QCOMPARE(thrownText([&] { window->saveDiveSlot(); }), QString("EEPROM: bad serial"));
    QSettings file(path("bad.div"), QSettings::IniFormat);
    QCOMPARE(file.value("Dive/pressure").toInt(), 950);
    QCOMPARE(file.value("Dive/ascent_speed").toInt(), 9);
    QCOMPARE(file.value("Dive/bottom_time").toInt(), 33);
    QCOMPARE(file.value("Dive/bottom_depth").toInt(), 51);
    QCOMPARE(file.value("Replay/breakOnSwitch").toString(), QString("true"));
    QCOMPARE(file.value("Replay/gasSwitch").toString(), QString("false"));
    QVERIFY(!file.contains("VARN/serial"));
    QVERIFY(!file.contains("Deco/model"));
    QVERIFY(file.childGroups().filter(QRegularExpression("^(Gas|CF)")).isEmpty());
}

// A file that the settings library read with a format error is saved over as any other: nothing
// is reported, and loading it gives back the whole form.
void TestDiveParams::savingOverFileWithFormatError()
{
    QFile broken(path("broken.div"));
    QVERIFY(broken.open(QIODevice::WriteOnly));
    broken.write("[Deco\nmodel=4\n[Dive]\npressure=900\n");
    broken.close();
    // Probed through a copy: settings objects on one file share what they have read.
    QVERIFY(QFile::copy(path("broken.div"), path("probe.ini")));
    QCOMPARE(QSettings(path("probe.ini"), QSettings::IniFormat).status(), QSettings::FormatError);

    fillForm(window);
    const QStringList saved = formState(window);
    window->saveAnswers << path("broken.div");
    QCOMPARE(thrownText([&] { window->saveDiveSlot(); }), QString());
    QVERIFY2(!window->textEdit->toPlainText().contains("Unable to write"), qPrintable(window->textEdit->toPlainText()));

    delete window;
    eeprom = VARN_eeprom();
    window = new ScriptedWindow;
    window->openAnswers << path("broken.div");
    window->loadDiveSlot();
    QCOMPARE(formState(window), saved);
}

// A file that opens for writing in a folder where no file can be created passes the check of
// the slot but takes nothing: the Console names it.
void TestDiveParams::fileThatTakesNoWriteIsReported()
{
    // A parameter file's name that leads to a file that opens for writing but takes no new text.
    if (!QFile::exists("/proc/self/comm"))
        QSKIP("no /proc/self/comm on this system");
    const QString target = path("comm.div");
    QVERIFY(QFile::link("/proc/self/comm", target));
    window->saveAnswers << target;
    QTest::ignoreMessage(QtWarningMsg, qPrintable(QString("Unable to write to '%1'.").arg(target)));
    QCOMPARE(thrownText([&] { window->saveDiveSlot(); }), QString());
    QVERIFY(window->textEdit->toPlainText().contains(QString("Unable to write to '%1'.").arg(target)));
    QVERIFY(window->textEdit->toHtml().contains("color:#ff0000"));
}

void TestDiveParams::setpointGroupFollowsLoadedMode_data()
{
    QTest::addColumn<bool>("savedCCR");
    QTest::addColumn<bool>("formCCR");
    QTest::newRow("closed circuit into open circuit") << true << false;
    QTest::newRow("open circuit into closed circuit") << false << true;
    QTest::newRow("closed circuit into closed circuit") << true << true;
}

void TestDiveParams::setpointGroupFollowsLoadedMode()
{
    QFETCH(bool, savedCCR);
    QFETCH(bool, formCCR);

    (savedCCR ? window->ccrMode : window->ocrMode)->setChecked(true);
    window->O2_1->setValue(10);
    window->He_1->setValue(50);
    window->ppo2_1->setValue(1.2);
    window->ppo2_3->setValue(1.5);
    window->saveAnswers << path("mode.div");
    window->saveDiveSlot();

    (formCCR ? window->ccrMode : window->ocrMode)->setChecked(true);
    window->O2_1->setValue(21);
    window->He_1->setValue(0);
    window->ppo2_1->setValue(1.0);
    window->ppo2_3->setValue(0.8);

    window->openAnswers << path("mode.div");
    window->loadDiveSlot();
    QCOMPARE(window->ccrMode->isChecked(), savedCCR);
    QCOMPARE(window->setpointGroup->isEnabled(), savedCCR);
    for (QDoubleSpinBox* box : {window->ppo2_1, window->ppo2_2, window->ppo2_3})
        QCOMPARE(box->isEnabled(), savedCCR);
    QCOMPARE(window->replaySetpointCB->isEnabled(), savedCCR);
    QCOMPARE(window->ppo2_1->text(), QString("1.2 bar"));
    QCOMPARE(window->ppo2_3->text(), QString("1.5 bar"));
    QCOMPARE(window->mod_sp1->text(), QString("Dil:10/50, CCR max depth:90m, EAD:41m, END:40m"));
}

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    TestDiveParams test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_diveparams.moc"
