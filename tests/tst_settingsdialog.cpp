#include "PlannerApplication.h"
#include "PlotInterface.h"
#include "Settings.h"
#include "VARN_eeprom.h"
#include "columncheck.h"
#include "scriptedwindow.h"
#include "temporarydefaults.h"

#include <QAbstractItemView>
#include <QTextBrowser>
#include <QLibraryInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>
#include <qwt_plot_marker.h>

#include <sys/stat.h>
#include <unistd.h>

// The settings dialog opened through the main window's settings action, as a user meets it: the
// options read from and written to a temporary defaults file, the port list over a folder of
// test devices, and the language switched with the test translations beside this program.
class TestSettingsDialog : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void form_data();
    void form();
    void languageList();
    void storedOptionsShownAndKeptByOk_data();
    void storedOptionsShownAndKeptByOk();
    void pickingTheShownLanguageChoosesIt();
    void okStoresTheChoices();
    void cancelRestoresStoredOptions();
    void resetEmptiesTheFileAndShowsDefaults();
    void portScan_data();
    void portScan();
    void eachOpeningBuildsAFreshDialog();
    void chosenLanguageTakesEffectAtOnce();
    void cancelBringsTheStoredLanguageBack();
    void windowsBesideTheMainWindowFollowAtOnce();
    void qtOwnTranslations_data();
    void qtOwnTranslations();
    void columnFollowsWiderTranslations();
    void nothingCut_data();
    void nothingCut();

private:
    TemporaryDefaults dir;
    QTemporaryDir* devices = nullptr;
    ScriptedWindow* window = nullptr;

    // Opens the dialog through the settings action; `act` plays the user on the shown dialog,
    // which is then left with the button `leave`.
    void runDialog(const std::function<void(Settings*)>& act, QDialogButtonBox::StandardButton leave);
    // Creates a device entry in the test folder: "fifo", "read-only fifo", "file" or "folder".
    void addDevice(const QString& name, const QString& kind);
    // The stored options as a fresh reader of the file sees them.
    QVariant stored(const QString& key) const;
};

namespace {

const QString warningText =
    "<font color='red'>Warning</font>: no port - Did you installed the "
    "<a href='http://www.ftdichip.com/Drivers/VCP.htm'>FTDI VCP</a> driver ?";

// Chooses a language as the user does, by keys on the list: each step is the user's choice.
void chooseLanguage(Settings* dialog, int index)
{
    while (dialog->languageMenu->currentIndex() > index)
        QTest::keyClick(dialog->languageMenu, Qt::Key_Up);
    while (dialog->languageMenu->currentIndex() < index)
        QTest::keyClick(dialog->languageMenu, Qt::Key_Down);
}

// What Qt's own file of the system says for the Cancel button, read here without the program.
QString systemCancelText(const QString& code)
{
    QTranslator translator;
    if (!translator.load("qt_" + code, QLibraryInfo::location(QLibraryInfo::TranslationsPath)))
        return QString();
    return translator.translate("QPlatformTheme", "Cancel");
}

QStringList items(const QComboBox* box)
{
    QStringList list;
    for (int i = 0; i < box->count(); ++i)
        list << box->itemText(i);
    return list;
}

} // namespace

void TestSettingsDialog::initTestCase()
{
    QVERIFY(dir.isValid());
    // The test translations are compiled beside this program.
    QVERIFY(QFile::exists(QCoreApplication::applicationDirPath() + "/varn_planner_DE.qm"));
}

void TestSettingsDialog::init()
{
    settings->clear();
    eeprom = VARN_eeprom();
    devices = new QTemporaryDir;
    QVERIFY(devices->isValid());
    Settings::setPortFolder(devices->path());
    Settings::reload(nullptr);
    window = new ScriptedWindow;
}

void TestSettingsDialog::cleanup()
{
    delete window;
    window = nullptr;
    delete devices;
    devices = nullptr;
    // The next test starts in English.
    settings->clear();
    Settings::reload(nullptr);
    QCoreApplication::processEvents();
}

void TestSettingsDialog::runDialog(const std::function<void(Settings*)>& act, QDialogButtonBox::StandardButton leave)
{
    window->settingsDialog = [&](Settings* dialog) {
        dialog->show();
        act(dialog);
        QTest::mouseClick(dialog->buttonBox->button(leave), Qt::LeftButton);
        return dialog->result();
    };
    const int runs = window->settingsRuns;
    window->actionSettings->trigger();
    QCOMPARE(window->settingsRuns, runs + 1);
}

void TestSettingsDialog::addDevice(const QString& name, const QString& kind)
{
    const QByteArray path = QFile::encodeName(devices->filePath(name));
    if (kind == "fifo")
        QCOMPARE(mkfifo(path.constData(), 0666), 0);
    else if (kind == "read-only fifo")
        QCOMPARE(mkfifo(path.constData(), 0444), 0);
    else if (kind == "file")
        QVERIFY(QFile(path).open(QIODevice::WriteOnly));
    else if (kind == "folder")
        QVERIFY(QDir().mkdir(path));
    else
        QFAIL(qPrintable("unknown kind " + kind));
}

QVariant TestSettingsDialog::stored(const QString& key) const
{
    settings->sync();
    return QSettings(settings->fileName(), QSettings::IniFormat).value(key);
}

void TestSettingsDialog::form_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("columns");

    QTest::newRow("label") << "label" << 0 << 0 << 1;
    QTest::newRow("languageMenu") << "languageMenu" << 0 << 1 << 1;
    QTest::newRow("label_2") << "label_2" << 1 << 0 << 1;
    QTest::newRow("portMenu") << "portMenu" << 1 << 1 << 1;
    QTest::newRow("noPortLabel") << "noPortLabel" << 2 << 0 << 3;
    QTest::newRow("line_4") << "line_4" << 3 << 0 << 3;
    QTest::newRow("autoSetDateTimeCB") << "autoSetDateTimeCB" << 5 << 0 << 3;
    QTest::newRow("verboseSimulationCB") << "verboseSimulationCB" << 6 << 0 << 3;
    QTest::newRow("line_3") << "line_3" << 7 << 0 << 3;
}

void TestSettingsDialog::form()
{
    QFETCH(QString, name);
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(int, columns);

    Settings dialog(window);
    QCOMPARE(dialog.objectName(), QString("Settings"));
    QCOMPARE(dialog.windowTitle(), QString("VARN Planner settings"));
    QCOMPARE(dialog.parentWidget(), window);
    auto* widget = dialog.findChild<QWidget*>(name);
    QVERIFY(widget);
    int r, c, rows, cols;
    dialog.gridLayout->getItemPosition(dialog.gridLayout->indexOf(widget), &r, &c, &rows, &cols);
    QCOMPARE(QList<int>({r, c, rows, cols}), QList<int>({row, column, 1, columns}));
    // The buttons share the last row, reset first.
    QCOMPARE(dialog.horizontalLayout->indexOf(dialog.resetSettingsPB), 0);
    QCOMPARE(dialog.horizontalLayout->indexOf(dialog.buttonBox), 1);
    QCOMPARE(dialog.buttonBox->standardButtons(), QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    QCOMPARE(dialog.autoSetDateTimeCB->text(), QString("Auto setup of date && time"));
    QCOMPARE(dialog.autoSetDateTimeCB->toolTip(),
             QString("If checked, any configuration upload will also setup date and time."));
    QVERIFY(dialog.noPortLabel->openExternalLinks());
    QCOMPARE(dialog.noPortLabel->textFormat(), Qt::RichText);
}

void TestSettingsDialog::languageList()
{
    Settings dialog(window);
    const QStringList texts = {"Deutsch", "English", "Español", "Français", "Italiano"};
    const QStringList flags = {"german", "english", "spanish", "french", "italian"};
    QCOMPARE(items(dialog.languageMenu), texts);
    for (int i = 0; i < texts.size(); ++i) {
        const QImage flag(":/icons/Icons/" + flags.at(i) + ".png");
        QVERIFY2(!flag.isNull(), qPrintable(flags.at(i)));
        QCOMPARE(dialog.languageMenu->itemIcon(i).pixmap(flag.size()).toImage().convertToFormat(QImage::Format_ARGB32),
                 flag.convertToFormat(QImage::Format_ARGB32));
    }

    // Each entry's code, as its choice stores it.
    const QStringList codes = {"DE", "EN", "ES", "FR", "IT"};
    for (int i = 0; i < codes.size(); ++i) {
        runDialog([&](Settings* d) { chooseLanguage(d, i); }, QDialogButtonBox::Ok);
        QCOMPARE(stored("Interface/lang").toString(), codes.at(i));
        QCOMPARE(Settings::language, codes.at(i));
    }
}

void TestSettingsDialog::storedOptionsShownAndKeptByOk_data()
{
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<QStringList>("fifos");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("languageText");
    QTest::addColumn<QStringList>("ports");
    QTest::addColumn<QString>("port");
    QTest::addColumn<bool>("verbose");
    QTest::addColumn<bool>("clock");

    // This program runs in the locale en_US.
    QTest::newRow("nothing stored") << QStringList() << QStringList() << "US" << "English" << QStringList() << ""
                                    << false << true;
    QTest::newRow("everything stored")
        << QStringList({"Interface/lang=FR", "VARN/port=tty.usbserial-A1", "Dive/verbose=true",
                        "VARN/autoSetDateTime=false"})
        << QStringList({"ttyUSB0", "tty.usbserial-A1"}) << "FR" << "Français"
        << QStringList({"tty.usbserial-A1", "ttyUSB0"}) << "tty.usbserial-A1" << true << false;
    QTest::newRow("language outside the list") << QStringList({"Interface/lang=PT", "Dive/verbose=false"})
                                               << QStringList() << "PT" << "English" << QStringList() << ""
                                               << false << true;
    QTest::newRow("port unplugged") << QStringList({"Interface/lang=DE", "VARN/port=ttyUSB7"})
                                    << QStringList({"ttyUSB0", "ttyUSB10"}) << "DE" << "Deutsch"
                                    << QStringList({"ttyUSB0", "ttyUSB10", "ttyUSB7"}) << "ttyUSB7" << false << true;
    QTest::newRow("no port chosen") << QStringList({"Interface/lang=IT", "VARN/port="})
                                    << QStringList({"ttyACM1", "ttyACM0"}) << "IT" << "Italiano"
                                    << QStringList({"ttyACM0", "ttyACM1"}) << "" << false << true;
}

void TestSettingsDialog::storedOptionsShownAndKeptByOk()
{
    QFETCH(QStringList, keys);
    QFETCH(QStringList, fifos);
    QFETCH(QString, language);
    QFETCH(QString, languageText);
    QFETCH(QStringList, ports);
    QFETCH(QString, port);
    QFETCH(bool, verbose);
    QFETCH(bool, clock);

    for (const QString& key : keys)
        settings->setValue(key.section('=', 0, 0), key.section('=', 1));
    for (const QString& fifo : fifos)
        addDevice(fifo, "fifo");

    runDialog(
        [&](Settings* d) {
            // Filling the dialog chose no language.
            QCOMPARE(Settings::language, language);
            QCOMPARE(d->languageMenu->currentText(), languageText);
            QCOMPARE(items(d->portMenu), ports);
            QCOMPARE(d->portMenu->currentText(), port);
            QCOMPARE(d->portMenu->currentIndex(), ports.indexOf(port));
            QCOMPARE(d->verboseSimulationCB->isChecked(), verbose);
            QCOMPARE(d->autoSetDateTimeCB->isChecked(), clock);
        },
        QDialogButtonBox::Ok);
    if (QTest::currentTestFailed())
        return;

    QCOMPARE(stored("Interface/lang").toString(), language);
    QCOMPARE(stored("VARN/port").toString(), port);
    QCOMPARE(stored("Dive/verbose").toString(), QString(verbose ? "true" : "false"));
    QCOMPARE(stored("VARN/autoSetDateTime").toString(), QString(clock ? "true" : "false"));
    QCOMPARE(Settings::language, language);
    QCOMPARE(Settings::port, port);
    QCOMPARE(Settings::verboseSim, verbose);
    QCOMPARE(Settings::autoSetDateTime, clock);
}

// Picking the entry the list already shows is a choice too: the locale's US becomes EN.
void TestSettingsDialog::pickingTheShownLanguageChoosesIt()
{
    runDialog(
        [&](Settings* d) {
            QCOMPARE(d->languageMenu->currentText(), QString("English"));
            d->languageMenu->showPopup();
            QAbstractItemView* list = d->languageMenu->view();
            QTRY_VERIFY(list->isVisible());
            QCOMPARE(list->currentIndex().row(), 1);
            QTest::keyClick(list, Qt::Key_Return);
            QTRY_VERIFY(!list->isVisible());
            QCOMPARE(Settings::language, QString("EN"));
        },
        QDialogButtonBox::Ok);
    QCOMPARE(stored("Interface/lang").toString(), QString("EN"));
}

void TestSettingsDialog::okStoresTheChoices()
{
    addDevice("ttyUSB0", "fifo");
    addDevice("ttyACM1", "fifo");
    runDialog(
        [&](Settings* d) {
            QCOMPARE(d->portMenu->currentIndex(), -1);
            d->portMenu->setFocus();
            QTest::keyClick(d->portMenu, Qt::Key_Down);
            QTest::keyClick(d->portMenu, Qt::Key_Down);
            QCOMPARE(d->portMenu->currentText(), QString("ttyUSB0"));
            QTest::mouseClick(d->verboseSimulationCB, Qt::LeftButton);
            QTest::mouseClick(d->autoSetDateTimeCB, Qt::LeftButton);
            chooseLanguage(d, 2);
            // Nothing is stored before OK.
            QVERIFY(!stored("Interface/lang").isValid());
            QVERIFY(!Settings::verboseSim);
        },
        QDialogButtonBox::Ok);

    QCOMPARE(stored("Interface/lang").toString(), QString("ES"));
    QCOMPARE(stored("VARN/port").toString(), QString("ttyUSB0"));
    QCOMPARE(stored("Dive/verbose").toString(), QString("true"));
    QCOMPARE(stored("VARN/autoSetDateTime").toString(), QString("false"));
    QCOMPARE(Settings::language, QString("ES"));
    QCOMPARE(Settings::port, QString("ttyUSB0"));
    QVERIFY(Settings::verboseSim);
    QVERIFY(!Settings::autoSetDateTime);
}

void TestSettingsDialog::cancelRestoresStoredOptions()
{
    settings->setValue("Interface/lang", "IT");
    settings->setValue("VARN/port", "ttyACM1");
    settings->setValue("Dive/verbose", false);
    settings->setValue("VARN/autoSetDateTime", true);
    addDevice("ttyACM1", "fifo");
    addDevice("ttyUSB0", "fifo");
    Settings::reload(nullptr);

    runDialog(
        [&](Settings* d) {
            d->portMenu->setCurrentIndex(items(d->portMenu).indexOf("ttyUSB0"));
            QTest::mouseClick(d->verboseSimulationCB, Qt::LeftButton);
            QTest::mouseClick(d->autoSetDateTimeCB, Qt::LeftButton);
            chooseLanguage(d, 0);
            QCOMPARE(Settings::language, QString("DE"));
        },
        QDialogButtonBox::Cancel);

    QCOMPARE(Settings::language, QString("IT"));
    QCOMPARE(Settings::port, QString("ttyACM1"));
    QVERIFY(!Settings::verboseSim);
    QVERIFY(Settings::autoSetDateTime);
    QCOMPARE(stored("Interface/lang").toString(), QString("IT"));
    QCOMPARE(stored("VARN/port").toString(), QString("ttyACM1"));
    QCOMPARE(stored("Dive/verbose").toString(), QString("false"));

    // The next opening shows the stored options again.
    runDialog(
        [&](Settings* d) {
            QCOMPARE(d->languageMenu->currentText(), QString("Italiano"));
            QCOMPARE(d->portMenu->currentText(), QString("ttyACM1"));
            QVERIFY(!d->verboseSimulationCB->isChecked());
            QVERIFY(d->autoSetDateTimeCB->isChecked());
        },
        QDialogButtonBox::Cancel);

    // Escape is a Cancel too.
    window->settingsDialog = [](Settings* d) {
        d->show();
        chooseLanguage(d, 0);
        QTest::keyClick(d, Qt::Key_Escape);
        return d->result();
    };
    window->settingsSlot();
    QCOMPARE(Settings::language, QString("IT"));
}

void TestSettingsDialog::resetEmptiesTheFileAndShowsDefaults()
{
    settings->setValue("Interface/lang", "DE");
    settings->setValue("VARN/port", "ttyUSB0");
    settings->setValue("Dive/verbose", true);
    settings->setValue("VARN/autoSetDateTime", false);
    settings->setValue("Dive/bottom_time", 33);
    settings->setValue("Dive/bottom_depth", 51);
    settings->setValue("Replay/breakOnSwitch", true);
    settings->setValue("Planner/savePath", "/tmp/.");
    settings->setValue("Updates/firmware/version", "2.60");
    settings->setValue("Deco/model", 4);
    settings->setValue("Gas1/current/O2", 50);
    settings->setValue("Gas1/depth", 21);
    settings->setValue("Gas0/first", "yes");
    settings->setValue("Gas1/active", "yes");
    window->load(settings);
    Settings::reload(nullptr);
    QVERIFY(window->gradientFactor->isChecked());
    QVERIFY(window->gas_2->isChecked());
    QCOMPARE(window->dive_time->value(), 33);
    QTRY_COMPARE(window->decoGB->title(), QString("[DE] Decompression Model:"));

    window->show();
    window->setMinimumSize(1500, 980);
    window->setMaximumSize(1500, 980);
    QTRY_COMPARE(window->size(), QSize(1500, 980));

    QStringList afterReset;
    runDialog(
        [&](Settings* d) {
            QTest::mouseClick(d->resetSettingsPB, Qt::LeftButton);
            afterReset = QSettings(settings->fileName(), QSettings::IniFormat).allKeys();

            // The dialog shows the defaults; the language follows the locale.
            QVERIFY(!d->verboseSimulationCB->isChecked());
            QVERIFY(d->autoSetDateTimeCB->isChecked());
            QCOMPARE(d->portMenu->count(), 0);
            QCOMPARE(Settings::language, QString("US"));
            QCOMPARE(Settings::port, QString());
            QVERIFY(!Settings::verboseSim);
            QVERIFY(Settings::autoSetDateTime);
            // A language outside the list leaves the list's choice alone.
            QCOMPARE(d->languageMenu->currentText(), QString("Deutsch"));
            QVERIFY(d->isVisible());
        },
        QDialogButtonBox::Cancel);
    if (QTest::currentTestFailed())
        return;

    // What the user had stored is gone, on disk as well.
    for (const char* key : {"Interface/lang", "VARN/port", "Dive/verbose", "VARN/autoSetDateTime",
                            "Dive/bottom_time", "Dive/bottom_depth", "Replay/breakOnSwitch", "Planner/savePath",
                            "Updates/firmware/version", "Deco/model", "Gas1/current/O2"})
        QVERIFY2(!afterReset.contains(key), key);
    // Cancel after a reset keeps the file empty of options.
    QVERIFY(!stored("Interface/lang").isValid());
    QVERIFY(!stored("Dive/verbose").isValid());

    // The window shows the defaults, as on a first start, so the save at exit keeps the reset.
    QCOMPARE(window->dive_time->value(), 20);
    QCOMPARE(window->dive_depth->value(), 45);
    QVERIFY(!window->replayBreakOnSwitchCB->isChecked());
    QVERIFY(!window->gradientFactor->isChecked());
    QVERIFY(!window->gas_2->isChecked());
    window->formToConfiguration();
    const VARN_eeprom defaults;
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(eeprom.bytes()), 768).mid(2),
             QByteArray(reinterpret_cast<const char*>(defaults.bytes()), 768).mid(2));

    // The window's limits are lifted and it takes its natural size; its texts are English again.
    QCOMPARE(window->maximumSize(), QSize(32767, 32767));
    QVERIFY(window->width() < 1500);
    QVERIFY(window->height() < 980);
    QTRY_COMPARE(window->decoGB->title(), QString("Decompression Model:"));

    // OK after a reset writes the four options again.
    runDialog([](Settings* d) { QTest::mouseClick(d->resetSettingsPB, Qt::LeftButton); }, QDialogButtonBox::Ok);
    QCOMPARE(stored("Interface/lang").toString(), QString("US"));
    QCOMPARE(stored("VARN/port").toString(), QString());
    QCOMPARE(stored("Dive/verbose").toString(), QString("false"));
    QCOMPARE(stored("VARN/autoSetDateTime").toString(), QString("true"));
}

void TestSettingsDialog::portScan_data()
{
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QString>("storedPort");
    QTest::addColumn<QStringList>("ports");
    QTest::addColumn<QString>("current");
    QTest::addColumn<bool>("warning");

    const QStringList mixed = {
        "fifo tty.usbserial-A1", "fifo cu.usbserial-A1B2", "fifo ttyUSB0", "fifo ttyACM1",
        // Other devices, names that only look alike, and entries that are no device.
        "fifo ttyS0", "fifo usbserial-A1B2", "fifo xttyUSB0", "fifo TTY.USBSERIAL-Z", "fifo console",
        "file tty.usbserial-file", "file ttyUSB1", "folder ttyACM5", "folder cu.usbserial-dir",
        // Not writable: the scan skips it (root writes everything, so only for other users).
        "read-only fifo ttyUSB4"};
    QTest::newRow("adapters among other entries")
        << mixed << "" << QStringList({"cu.usbserial-A1B2", "tty.usbserial-A1", "ttyACM1", "ttyUSB0"}) << "" << false;
    QTest::newRow("stored port present") << mixed << "ttyACM1"
                                         << QStringList({"cu.usbserial-A1B2", "tty.usbserial-A1", "ttyACM1", "ttyUSB0"})
                                         << "ttyACM1" << false;
    QTest::newRow("stored port absent, sorted in")
        << QStringList({"fifo ttyUSB0", "fifo ttyACM1"}) << "ttyACM0" << QStringList({"ttyACM0", "ttyACM1", "ttyUSB0"})
        << "ttyACM0" << false;
    QTest::newRow("character order") << QStringList({"fifo ttyUSB2", "fifo ttyUSB10", "fifo cu.usbserial-b"})
                                     << "cu.usbserial-B" << QStringList({"cu.usbserial-B", "cu.usbserial-b", "ttyUSB10", "ttyUSB2"})
                                     << "cu.usbserial-B" << false;
    QTest::newRow("no adapter") << QStringList({"fifo ttyS0", "file ttyUSB0"}) << "" << QStringList() << "" << true;
    QTest::newRow("no adapter, stored port kept")
        << QStringList({"fifo ttyS0"}) << "tty.usbserial-OLD" << QStringList({"tty.usbserial-OLD"})
        << "tty.usbserial-OLD" << true;
    QTest::newRow("empty folder") << QStringList() << "" << QStringList() << "" << true;
}

void TestSettingsDialog::portScan()
{
    QFETCH(QStringList, entries);
    QFETCH(QString, storedPort);
    QFETCH(QStringList, ports);
    QFETCH(QString, current);
    QFETCH(bool, warning);

    for (const QString& entry : entries) {
        const QString kind = entry.section(' ', 0, -2);
        if (kind == "read-only fifo" && geteuid() == 0)
            continue;
        addDevice(entry.section(' ', -1), kind);
    }
    settings->setValue("VARN/port", storedPort);
    Settings::reload(nullptr);

    runDialog(
        [&](Settings* d) {
            QCOMPARE(items(d->portMenu), ports);
            QCOMPARE(d->portMenu->currentText(), current);
            QCOMPARE(d->noPortLabel->text(), warning ? warningText : QString());
        },
        QDialogButtonBox::Ok);
    QCOMPARE(stored("VARN/port").toString(), current);
    QCOMPARE(Settings::port, current);
}

void TestSettingsDialog::eachOpeningBuildsAFreshDialog()
{
    QList<QPointer<Settings>> seen;
    QList<QWidget*> parents;
    bool firstGoneBeforeSecond = false;
    window->settingsDialog = [&](Settings* d) {
        seen << d;
        parents << d->parentWidget();
        firstGoneBeforeSecond = seen.first().isNull();
        d->reject();
        return d->result();
    };
    window->settingsButton->click();
    window->actionSettings->trigger();
    QCOMPARE(seen.size(), 2);
    QVERIFY(firstGoneBeforeSecond);
    QVERIFY(!seen.at(1));
    QCOMPARE(parents, QList<QWidget*>({window, window}));
}

void TestSettingsDialog::chosenLanguageTakesEffectAtOnce()
{
    window->show();
    window->gas_2->setChecked(true);
    window->O2_2->setValue(50);
    window->depth_2->setValue(21);
    QCOMPARE(window->mod_2->text(), QString("MOD:22m, EAD:10m, END:21m"));
    QCOMPARE(window->menuFile->title(), QString("&File"));

    runDialog(
        [&](Settings* d) {
            chooseLanguage(d, 0);
            // The window follows while the dialog is still open.
            QTRY_COMPARE(window->menuFile->title(), QString("[DE] &File"));
            QCOMPARE(window->decoGB->title(), QString("[DE] Decompression Model:"));
            QCOMPARE(window->actionLoad->text(), QString("[DE] &Load..."));
            QCOMPARE(window->mod_2->text(), QString("[DE] Maximum operating depth 22m, EAD:10m, END:21m"));
            // The open dialog follows too.
            QCOMPARE(d->label->text(), QString("[DE] Language:"));
            QCOMPARE(d->resetSettingsPB->text(), QString("[DE] Reset all settings"));
            QVERIFY(d->noPortLabel->text().startsWith("<font color='red'>[DE] Warning</font>"));
        },
        QDialogButtonBox::Ok);
    QCOMPARE(stored("Interface/lang").toString(), QString("DE"));

    // The Console's next lines are in the new language.
    window->dive_time->setValue(2);
    window->dive_depth->setValue(12);
    window->simulateSlot();
    QCOMPARE(window->textEdit->toPlainText().count("[DE] *  last stop (CF29) = "), 1);

    // A new dialog is built in the new language.
    runDialog(
        [&](Settings* d) {
            QCOMPARE(d->windowTitle(), QString("[DE] VARN Planner settings"));
            QCOMPARE(d->label->text(), QString("[DE] Language:"));
            QCOMPARE(d->label_2->text(), QString("[DE] Communication port:"));
            QCOMPARE(d->verboseSimulationCB->text(), QString("[DE] Verbose simulations"));
            QCOMPARE(d->resetSettingsPB->text(), QString("[DE] Reset all settings"));
            QCOMPARE(d->autoSetDateTimeCB->text(), QString("[DE] Auto setup of date && time"));
            QCOMPARE(d->autoSetDateTimeCB->toolTip(),
                     QString("[DE] If checked, any configuration upload will also setup date and time."));
            QVERIFY(d->noPortLabel->text().startsWith("<font color='red'>[DE] Warning</font>: [DE] no port - "
                                                      "[DE] Did you installed the <a href="));
            QCOMPARE(d->languageMenu->currentText(), QString("Deutsch"));
        },
        QDialogButtonBox::Cancel);
    QCOMPARE(window->menuFile->title(), QString("[DE] &File"));
}

void TestSettingsDialog::cancelBringsTheStoredLanguageBack()
{
    window->show();
    runDialog(
        [&](Settings* d) {
            chooseLanguage(d, 0);
            QTRY_COMPARE(window->menuFile->title(), QString("[DE] &File"));
        },
        QDialogButtonBox::Cancel);
    QCOMPARE(Settings::language, QString("US"));
    QTRY_COMPARE(window->menuFile->title(), QString("&File"));
    QCOMPARE(window->decoGB->title(), QString("Decompression Model:"));
    QVERIFY(!stored("Interface/lang").isValid());

    window->simulateSlot();
    QVERIFY(window->textEdit->toPlainText().contains("\n*  last stop (CF29) = "));
    QVERIFY(!window->textEdit->toPlainText().contains("[DE]"));

    // With a stored language, Cancel brings that one back, not English.
    settings->setValue("Interface/lang", "DE");
    Settings::reload(nullptr);
    QTRY_COMPARE(window->menuFile->title(), QString("[DE] &File"));
    runDialog(
        [&](Settings* d) {
            chooseLanguage(d, 1);
            QTRY_COMPARE(window->menuFile->title(), QString("&File"));
        },
        QDialogButtonBox::Cancel);
    QTRY_COMPARE(window->menuFile->title(), QString("[DE] &File"));
}

// The two plot windows and help, open beside the main window, take the new language while the
// dialog is still open, and the old one back on Cancel: titles, buttons and plot axes.
void TestSettingsDialog::windowsBesideTheMainWindowFollowAtOnce()
{
    window->show();
    window->ppO2Graph->setChecked(true);
    window->dive_time->setValue(2);
    window->dive_depth->setValue(12);
    window->simulateSlot();
    window->addRuntimeSlot();
    window->pressureDiagramSlot();
    window->helpSlot();
    PlotInterface* traces = PlotInterface::plot;
    PlotInterface* tissues = PlotInterface::cptPlot;
    QVERIFY(traces && tissues && window->helpBrowser);

    // What each window shows, the title of the plot up to its subtitle.
    const auto shown = [&] {
        QStringList texts;
        for (PlotInterface* plot : {traces, tissues}) {
            QwtPlot* p = plot->qwtPlot;
            texts << plot->windowTitle() << plot->saveImage->text() << p->title().text().section("<br>", 0, 0)
                  << p->axisTitle(QwtPlot::xBottom).text() << p->axisTitle(QwtPlot::yLeft).text();
        }
        texts << traces->qwtPlot->axisTitle(QwtPlot::yRight).text() << window->helpBrowser->windowTitle();
        const QList<QwtPlotItem*> marks = tissues->qwtPlot->itemList(QwtPlotItem::Rtti_PlotMarker);
        for (QwtPlotItem* mark : marks)
            texts << static_cast<QwtPlotMarker*>(mark)->label().text();
        return texts;
    };
    const QStringList english = {"Dive profile", "Save image...", "Dive traces", "time [min]", "Depth [m]",
                                 "Tissues plot", "Save image...", "Tissues plot", "P. ambient (absolute, millibar)",
                                 "P. tissue (N2+He, millibar)", "[Bar]", "VARN Planner help", "Surface"};
    QCOMPARE(shown(), english);
    QStringList german;
    for (const QString& text : english)
        german << "[DE] " + text;

    runDialog(
        [&](Settings* d) {
            chooseLanguage(d, 0);
            QTRY_COMPARE(shown(), german);
        },
        QDialogButtonBox::Cancel);
    QTRY_COMPARE(shown(), english);
}

void TestSettingsDialog::qtOwnTranslations_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("cancel");

    // Beside this program only in lower case: it comes before the system's Italian.
    QTest::newRow("Italiano") << 4 << "[it] Cancel";
    // From the system's folder, where Qt's files are in lower case.
    QTest::newRow("Deutsch") << 0 << systemCancelText("de");
    QTest::newRow("Français") << 3 << systemCancelText("fr");
}

void TestSettingsDialog::qtOwnTranslations()
{
    QFETCH(int, index);
    QFETCH(QString, cancel);
    if (cancel.isEmpty())
        QSKIP("Qt's own translations are not installed (qttranslations5-l10n)");
    QVERIFY(cancel != "Cancel");

    runDialog(
        [&](Settings* d) {
            QCOMPARE(d->buttonBox->button(QDialogButtonBox::Cancel)->text(), QString("Cancel"));
            chooseLanguage(d, index);
            // The standard buttons follow at once.
            QTRY_COMPARE(d->buttonBox->button(QDialogButtonBox::Cancel)->text(), cancel);
        },
        QDialogButtonBox::Cancel);
    QTRY_COMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QString("Cancel"));
}

// The gas texts' room is measured in the window's language: a longer translation widens the column.
void TestSettingsDialog::columnFollowsWiderTranslations()
{
    window->show();
    window->gas_2->setChecked(true);
    window->O2_2->setValue(50);
    window->depth_2->setValue(21);
    window->resize(window->minimumSizeHint().width(), window->height());
    window->splitter->setSizes({0, window->width()});
    runDialog([](Settings* d) { chooseLanguage(d, 0); }, QDialogButtonBox::Ok);
    QTRY_COMPARE(window->mod_2->text(), QString("[DE] Maximum operating depth 22m, EAD:10m, END:21m"));
    window->resize(window->minimumSizeHint().width(), window->height());
    window->splitter->setSizes({0, window->width()});
    QTRY_COMPARE(window->scrollArea->width(), window->scrollArea->minimumWidth());
    // Contents wider than the column would be clipped at its right edge.
    const QWidget* viewport = window->scrollArea->viewport();
    QTRY_VERIFY(window->scrollAreaWidgetContents->width() <= viewport->width());
    for (QLabel* mod : {window->mod_1, window->mod_2, window->mod_3, window->mod_4, window->mod_5}) {
        const int right = mod->mapTo(viewport, QPoint(mod->width(), 0)).x();
        QVERIFY2(mod->width() >= mod->sizeHint().width() && right <= viewport->width(),
                 qPrintable(QString("%1 %2 < %3 or right edge %4 > %5").arg(mod->objectName()).arg(mod->width())
                                .arg(mod->sizeHint().width()).arg(right).arg(viewport->width())));
    }
}

void TestSettingsDialog::nothingCut_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<bool>("devices");
    QTest::addColumn<bool>("chosenInTheDialog");
    QTest::newRow("English, no port") << "EN" << false << false;
    QTest::newRow("English, ports") << "EN" << true << false;
    QTest::newRow("test translation, no port") << "DE" << false << false;
    QTest::newRow("test translation, ports") << "DE" << true << false;
    // Longer texts come into a dialog already laid out.
    QTest::newRow("test translation chosen, no port") << "DE" << false << true;
    QTest::newRow("test translation chosen, ports") << "DE" << true << true;
}

void TestSettingsDialog::nothingCut()
{
    QFETCH(QString, language);
    QFETCH(bool, devices);
    QFETCH(bool, chosenInTheDialog);
    settings->setValue("Interface/lang", chosenInTheDialog ? "EN" : language);
    Settings::reload(nullptr);
    if (devices) {
        addDevice("tty.usbserial-FTB6SPL3", "fifo");
        addDevice("ttyUSB0", "fifo");
        settings->setValue("VARN/port", "tty.usbserial-FTB6SPL3");
    }

    runDialog(
        [&](Settings* d) {
            QVERIFY(QTest::qWaitForWindowExposed(d));
            if (chosenInTheDialog) {
                chooseLanguage(d, 0);
                QTRY_COMPARE(d->label->text(), QString("[DE] Language:"));
                QCoreApplication::processEvents();
            }
            const QStringList cut = cutTexts(d);
            QVERIFY2(cut.isEmpty(), qPrintable(cut.join(", ")));
            // Nor when the user makes the dialog as small as it goes.
            d->resize(d->minimumSize());
            QCoreApplication::processEvents();
            const QStringList cutSmallest = cutTexts(d);
            QVERIFY2(cutSmallest.isEmpty(), qPrintable("smallest: " + cutSmallest.join(", ")));
            // The flags show in the list.
            QVERIFY(!d->languageMenu->itemIcon(d->languageMenu->currentIndex()).isNull());
            QVERIFY(d->languageMenu->iconSize().width() >= 16);
        },
        QDialogButtonBox::Cancel);
}

int main(int argc, char* argv[])
{
    // The system language of this program: one that is not in the language list.
    qputenv("LC_ALL", "en_US.UTF-8");
    // The program's application object: its style sheet sizes the texts.
    PlannerApplication app(argc, argv);
    TestSettingsDialog test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_settingsdialog.moc"
