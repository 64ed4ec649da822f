#include "ClosingGroupBox.h"
#include "DiveComputerEmulator.h"
#include "PlotInterface.h"
#include "VARN_Planner.h"
#include "devicetest.h"
#include "diverinput.h"
#include "pipewriter.h"
#include "scriptedwindow.h"
#include "simulationtest.h"
#include "temporarydefaults.h"

#include <QBuffer>
#include <QDateTime>
#include <QImageReader>
#include <QPainter>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTimer>
#include <QtTest>
#include <sys/stat.h>
#include <cstring>

using Fault = DiveComputerEmulator::Fault;
Q_DECLARE_METATYPE(DiveComputerEmulator::Fault)

namespace {

const int FIRMWARE_SIZE = 0x17F40;
const QString noPort =
    "No serial port is chosen for the dive computer: choose its port with Settings... (button or File menu).";
const QString refusal = "A simulation is running: try again when it has ended.";
const QString noAnswer =
    "The dive computer did not answer: check the cable, and that the computer is awake in its PC mode.";
const QString mayDiffer =
    "The dive computer may now hold settings other than the form's: download to see them, or upload again.";
const QString garbledAnswer = "The dive computer answered, but garbled, cut short or too long: check the cable, and "
                              "that no other program or device uses the port, then try again.";
const QString otherSender = "Something other than the dive computer keeps sending on this port: close the other "
                            "program or unplug the other device, and check the port chosen with Settings..., then "
                            "try again.";
const QString busyRefusal = "The dive computer is busy: try again when its transfer has ended.";
const QString sentNothing = "This try sent no firmware to the dive computer.";

QString notSent(const QString& name)
{
    return "'" + name + "' was not sent to the dive computer.";
}

QString cutOffEarlier(const QString& name)
{
    return "This try sent no firmware. The upgrade with '" + name
           + "' was cut off earlier: start the upgrade again with that file.";
}

QString waitsInBootLoader(const QString& name)
{
    return "The upgrade did not finish: the dive computer waits in its boot loader. Start the upgrade again "
           "with the same file, '"
           + name + "'.";
}

QString waitingLine(int attempt)
{
    return QString("Waiting for the dive computer's boot loader... (try %1 of 100)").arg(attempt);
}

// Two bytes of program at address 0: a file small enough to need no tool.
const QByteArray tinyHex = ":02000000A55AFF\n:00000001FF\n";

// Image offset of the value word of custom function n.
int cfValue(int n)
{
    return 128 + 256 * (n / 32) + 4 * (n % 32) + 2;
}

QByteArray raw(const VARN_eeprom& image)
{
    return QByteArray(reinterpret_cast<const char*>(image.bytes()), int(sizeof(VARN_eeprom)));
}

// A dive computer, serial 4321 with firmware 2.50, set up by its diver: trimix 21/35 with EAN50
// from 21 m and EAN80 from 6 m, closed circuit with gradient factors, a custom text, and a custom
// function that the form does not show.
VARN_eeprom computerImage()
{
    VARN_eeprom image;
    ubyte* b = image.bytes();
    b[0] = 0xE1;
    b[1] = 0x10;
    b[257] = 2;
    b[258] = 50;
    const int mixes[5][3] = {{21, 35, 0}, {50, 0, 21}, {80, 0, 6}, {32, 0, 30}, {10, 70, 0}};
    for (int i = 0; i < 5; ++i) {
        b[6 + 4 * i] = ubyte(mixes[i][0]);
        b[7 + 4 * i] = ubyte(mixes[i][1]);
        b[28 + i] = ubyte(mixes[i][2]);
    }
    b[27] = 0x07;
    b[33] = 1;
    b[34] = 5;
    b[36] = 70;
    b[37] = 120;
    b[38] = 130;
    b[64] = 1;
    std::memcpy(b + 65, "Deep & safe", 11);
    const int values[][2] = {{11, 120}, {12, 80}, {16, 15}, {18, 145}, {29, 6}, {32, 35}, {33, 80},
                             {39, 1},   {54, 1},  {55, 2},  {56, 25},  {57, 18}, {58, 3},  {70, 3}};
    for (const auto& v : values)
        b[cfValue(v[0])] = ubyte(v[1]);
    return image;
}

// Every spin box, check box and radio button of the window: what the form shows.
QVariantMap formValues(const QWidget* window)
{
    QVariantMap values;
    for (const QSpinBox* box : window->findChildren<QSpinBox*>())
        values[box->objectName()] = box->value();
    for (const QDoubleSpinBox* box : window->findChildren<QDoubleSpinBox*>())
        values[box->objectName()] = box->value();
    for (const QAbstractButton* button : window->findChildren<QAbstractButton*>())
        if (button->isCheckable())
            values[button->objectName()] = button->isChecked();
    return values;
}

// The diver's own setting on the form: trimix 18/45, EAN50 from 21 m, oxygen from 6 m, open
// circuit with gradient factors 30/85, and custom functions away from their defaults.
void typeDive(ScriptedWindow* w)
{
    w->gas_1->setChecked(true);
    w->O2_1->setValue(18);
    w->He_1->setValue(45);
    w->gas_2->setChecked(true);
    w->O2_2->setValue(50);
    w->depth_2->setValue(21);
    w->gas_3->setChecked(true);
    w->O2_3->setValue(100);
    w->depth_3->setValue(6);
    w->O2_4->setValue(28);
    w->depth_4->setValue(33);
    w->ocrMode->setChecked(true);
    w->gradientFactor->setChecked(true);
    w->ppo2_1->setValue(0.8);
    w->ppo2_2->setValue(1.1);
    w->ppo2_3->setValue(1.4);
    w->saturation->setValue(130);
    w->desaturation->setValue(70);
    w->deco_offset->setValue(2.5);
    w->ppO2High->setValue(1.55);
    w->last_stop->setValue(4);
    w->GF_low->setValue(30);
    w->GF_high->setValue(85);
    w->adjustSP->setChecked(false);
    w->shallow_first->setChecked(true);
    w->gas_switch_delay->setValue(1);
    w->bottomGasUsage->setValue(22);
    w->ascentGasUsage->setValue(16);
    w->extra_time->setValue(4);
}

// Where typeDive's values live in the image, and what they are there.
const int typedBytes[][2] = {
    {6, 18}, {7, 45}, {10, 50}, {11, 0}, {14, 100}, {15, 0}, {18, 28}, {19, 0}, {22, 21}, {23, 0}, // O2, He
    {27, 0x07},                                                   // gases 1 to 3 active
    {28, 0}, {29, 21}, {30, 6}, {31, 33}, {32, 0},                // change depths
    {33, 1},                                                      // first gas
    {34, 4},                                                      // open circuit, gradient factors
    {36, 80}, {37, 110}, {38, 140},                               // setpoints
    {cfValue(11), 130}, {cfValue(12), 70}, {cfValue(16), 25}, {cfValue(18), 155}, {cfValue(29), 4},
    {cfValue(32), 30}, {cfValue(33), 85}, {cfValue(39), 0}, {cfValue(54), 1}, {cfValue(55), 1},
    {cfValue(56), 22}, {cfValue(57), 16}, {cfValue(58), 4}};

// The first byte of an image that does not hold what typeDive put on the form; empty when all do.
QString typedMismatch(const QByteArray& image)
{
    for (const auto& typed : typedBytes)
        if (uchar(image[typed[0]]) != typed[1])
            return QString("byte %1 is %2, not %3").arg(typed[0]).arg(uchar(image[typed[0]])).arg(typed[1]);
    return QString();
}

// The date and time of a clock line; invalid when the line is none.
QDateTime clockLineTime(const QString& line)
{
    const QRegularExpressionMatch match =
        QRegularExpression("^Date and time set to (\\d\\d:\\d\\d:\\d\\d \\d\\d\\.\\d\\d\\.\\d{4})$").match(line);
    return match.hasMatch() ? QDateTime::fromString(match.captured(1), "hh:mm:ss dd.MM.yyyy") : QDateTime();
}

// The six clock bytes a date and time is sent as: hour, minute, second, month, day, year in its century.
QByteArray clockBytesOf(const QDateTime& when)
{
    const QDate d = when.date();
    const QTime t = when.time();
    return QByteArray() + char(t.hour()) + char(t.minute()) + char(t.second()) + char(d.month()) + char(d.day())
           + char(d.year() % 100);
}

// A display of four coloured quarters: red, blue / white, green.
QImage quarters()
{
    QImage screen(320, 240, QImage::Format_RGB16);
    QPainter painter(&screen);
    painter.fillRect(0, 0, 160, 120, QColor(255, 0, 0));
    painter.fillRect(160, 0, 160, 120, QColor(0, 0, 255));
    painter.fillRect(0, 120, 160, 120, Qt::white);
    painter.fillRect(160, 120, 160, 120, QColor(0, 255, 0));
    return screen;
}

// The colours of the quarters' middles in a picture of the screen scaled to width x height.
void checkQuarters(const QImage& picture, int tolerance)
{
    const int w = picture.width();
    const int h = picture.height();
    const QPoint middles[] = {{w / 4, h / 4}, {3 * w / 4, h / 4}, {w / 4, 3 * h / 4}, {3 * w / 4, 3 * h / 4}};
    const QColor colours[] = {QColor(255, 0, 0), QColor(0, 0, 255), QColor(255, 255, 255), QColor(0, 255, 0)};
    for (int i = 0; i < 4; ++i) {
        const QColor seen = picture.pixelColor(middles[i]);
        const QColor wanted = colours[i];
        QVERIFY2(qAbs(seen.red() - wanted.red()) <= tolerance && qAbs(seen.green() - wanted.green()) <= tolerance
                     && qAbs(seen.blue() - wanted.blue()) <= tolerance,
                 qPrintable(QString("quarter %1 is %2").arg(i).arg(seen.name())));
    }
}

// The firmware area as the computer must hold it after an upgrade with image.
QByteArray patched(const QByteArray& image)
{
    QByteArray expected = image;
    expected.replace(FIRMWARE_SIZE - 8, 8, image.left(8));
    expected.replace(0, 8, QByteArray("\xA0\xEF\xBF\xF0\x00\x00\x00\x00", 8));
    return expected;
}

bool writeFile(const QString& path, const QByteArray& content)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

} // namespace

// Runs an action whenever a widget receives an event of a type, before the widget handles it.
class EventWatch : public QObject {
public:
    EventWatch(QWidget* widget, QEvent::Type type, std::function<void()> action)
        : type(type), action(std::move(action))
    {
        widget->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == type)
            action();
        return false;
    }

private:
    QEvent::Type type;
    std::function<void()> action;
};

// The device actions through the real window, against the emulated computer on the port that
// the settings name.
class TestDeviceActions : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void download();
    void failedDownload_data();
    void failedDownload();
    void connectingDrawnBeforeTheComputerIsAsked();
    void upload_data();
    void upload();
    void failedUpload_data();
    void failedUpload();
    void clock();
    void clockFailures_data();
    void clockFailures();
    void screenDump_data();
    void screenDump();
    void screenDumpNotSaved();
    void screenDumpUnwritable();
    void screenDumpFailures_data();
    void screenDumpFailures();
    void firmwareUpgrade();
    void firmwareDialogCancelled();
    void badFirmwareFiles_data();
    void badFirmwareFiles();
    void firmwareWithoutPort();
    void firmwareWithoutProgram_data();
    void firmwareWithoutProgram();
    void firmwareNotRegularFile_data();
    void firmwareNotRegularFile();
    void firmwarePortMissing();
    void upgradeAfterCutOff();
    void retryAfterCutOffSendsNothing();
    void waitingForBootLoader();
    void refusedWhileUpgrading();
    void refusedWhileSimulating();
    void secondActionRefused();
    void inputDuringUpload();
    void typingDuringTransfer_data();
    void typingDuringTransfer();
    void boxesKeepTheirLookDuringTransfer_data();
    void boxesKeepTheirLookDuringTransfer();

private:
    QStringList lines() const { return window->textEdit->toPlainText().split('\n'); }
    QString html() const { return window->textEdit->toHtml(); }
    // The colour of the Console's text piece holding text; invalid when there is none.
    QColor colourOf(const QString& text) const;
    QString firmwareFolder() const { return dataHome.path() + "/VARN Planner/firmware"; }

    TemporaryDefaults dir;
    QTemporaryDir dataHome;
    ScriptedWindow* window = nullptr;
    // The random firmware image and objcopy's HEX text of it; the text is null without objcopy.
    QByteArray firmware;
    QByteArray firmwareHex;
};

// Per group box of the form, the height it is laid out at and whether it holds itself open.
using BoxLook = QMap<QString, QPair<int, bool>>;

BoxLook boxLook(const QWidget* window)
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    BoxLook look;
    for (const ClosingGroupBox* box : window->findChildren<ClosingGroupBox*>())
        look[box->objectName()] = {box->height(), box->maximumHeight() > 17};
    return look;
}

BoxLook withoutSetpoints(BoxLook look)
{
    look.remove("setpointGroup");
    return look;
}

// The open or folded states that the defaults file keeps.
QVariantMap storedBoxStates()
{
    QVariantMap states;
    settings->beginGroup("Interface");
    for (const QString& key : settings->childKeys())
        states[key] = settings->value(key);
    settings->endGroup();
    return states;
}

QColor TestDeviceActions::colourOf(const QString& text) const
{
    for (QTextBlock block = window->textEdit->document()->begin(); block.isValid(); block = block.next())
        for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it)
            if (it.fragment().text().contains(text))
                return it.fragment().charFormat().foreground().color();
    return QColor();
}

void TestDeviceActions::initTestCase()
{
    QVERIFY(dir.isValid());
    QVERIFY(dataHome.isValid());
    // The firmware folder is this test's own.
    qputenv("XDG_DATA_HOME", dataHome.path().toLocal8Bit());
    SerialPort::pauseScale = 0.01;

    firmware = QByteArray(FIRMWARE_SIZE, '\0');
    QRandomGenerator random(16);
    for (char& byte : firmware)
        byte = char(random.bounded(256));
    if (QStandardPaths::findExecutable("objcopy").isEmpty())
        return;
    const QString bin = dir.filePath("firmware.bin");
    const QString hex = dir.filePath("firmware.hex");
    QVERIFY(writeFile(bin, firmware));
    QProcess objcopy;
    objcopy.start("objcopy", {"-I", "binary", "-O", "ihex", bin, hex});
    QVERIFY(objcopy.waitForFinished(30000));
    QCOMPARE(objcopy.exitCode(), 0);
    QFile file(hex);
    QVERIFY(file.open(QIODevice::ReadOnly));
    firmwareHex = file.readAll();
    QVERIFY(firmwareHex.endsWith(":00000001FF\r\n"));
}

void TestDeviceActions::init()
{
    eeprom = VARN_eeprom();
    Settings::port.clear();
    Settings::autoSetDateTime = false;
    // Every window starts with its boxes open, as on a first start.
    settings->remove("Interface");
    window = new ScriptedWindow;
    // The firmware reader and the upgrade write into the main window's Console.
    mainWindow = window;
}

void TestDeviceActions::cleanup()
{
    mainWindow = nullptr;
    delete window;
    window = nullptr;
}

void TestDeviceActions::download()
{
    DiveComputerEmulator computer;
    computer.setImage(computerImage());
    Settings::port = computer.portPath();
    typeDive(window);

    window->downloadCFButton->click();

    QCOMPARE(lines(), QStringList({"Connecting " + computer.portPath(), "Reading VARN 4321 done."}));
    QCOMPARE(computer.commands(), QByteArray("gjm"));
    // The whole image, the parts the form does not show included.
    QCOMPARE(raw(eeprom), raw(computerImage()));

    // The form shows the computer's settings.
    const int o2[] = {21, 50, 80, 32, 10};
    const int he[] = {35, 0, 0, 0, 70};
    const int depth[] = {0, 21, 6, 30, 0};
    const bool active[] = {true, true, true, false, false};
    QSpinBox* const o2Boxes[] = {window->O2_1, window->O2_2, window->O2_3, window->O2_4, window->O2_5};
    QSpinBox* const heBoxes[] = {window->He_1, window->He_2, window->He_3, window->He_4, window->He_5};
    QSpinBox* const depthBoxes[] = {window->depth_1, window->depth_2, window->depth_3, window->depth_4,
                                    window->depth_5};
    QCheckBox* const gasBoxes[] = {window->gas_1, window->gas_2, window->gas_3, window->gas_4, window->gas_5};
    for (int i = 0; i < 5; ++i) {
        QCOMPARE(o2Boxes[i]->value(), o2[i]);
        QCOMPARE(heBoxes[i]->value(), he[i]);
        QCOMPARE(depthBoxes[i]->value(), depth[i]);
        QCOMPARE(gasBoxes[i]->isChecked(), active[i]);
    }
    QVERIFY(window->first_1->isChecked());
    QVERIFY(window->ccrMode->isChecked());
    QVERIFY(window->gradientFactor->isChecked());
    QCOMPARE(window->ppo2_1->value(), 0.7);
    QCOMPARE(window->ppo2_2->value(), 1.2);
    QCOMPARE(window->ppo2_3->value(), 1.3);
    QCOMPARE(window->saturation->value(), 120);
    QCOMPARE(window->desaturation->value(), 80);
    QCOMPARE(window->deco_offset->value(), 1.5);
    QCOMPARE(window->ppO2High->value(), 1.45);
    QCOMPARE(window->last_stop->value(), 6);
    QCOMPARE(window->GF_low->value(), 35);
    QCOMPARE(window->GF_high->value(), 80);
    QVERIFY(window->adjustSP->isChecked());
    QVERIFY(window->shallow_first->isChecked());
    QCOMPARE(window->gas_switch_delay->value(), 2);
    QCOMPARE(window->bottomGasUsage->value(), 25);
    QCOMPARE(window->ascentGasUsage->value(), 18);
    QCOMPARE(window->extra_time->value(), 3);

    // The menu entry does the same.
    computer.clearRecords();
    window->actionDownload->trigger();
    QCOMPARE(computer.commands(), QByteArray("gjm"));
    QCOMPARE(lines().size(), 4);
}

void TestDeviceActions::failedDownload_data()
{
    QTest::addColumn<QString>("port");
    QTest::addColumn<Fault>("fault");
    QTest::addColumn<int>("decoType");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QByteArray>("received");
    QTest::addColumn<bool>("talking");
    const QString failed = "FAILED: ";
    QTest::newRow("silent computer") << "emulator" << Fault::Silent << 5
                                     << QStringList({failed + "Downloading VARN configuration", noAnswer})
                                     << QByteArray(10, 'g') << false;
    QTest::newRow("answers too long") << "emulator" << Fault::Surplus << 5
                                      << QStringList({failed + "Downloading VARN configuration: garbled answer",
                                                      garbledAnswer})
                                      << QByteArray("gjm").repeated(10) << false;
    // Bytes all the time, from something else on the port: the computer is never asked.
    QTest::newRow("another device talks on the line")
        << "emulator" << Fault::None << 5
        << QStringList({failed + "Downloading VARN configuration: the line never falls silent", otherSender})
        << QByteArray() << true;
    QTest::newRow("unusable image") << "emulator" << Fault::None << 7 << QStringList(failed + "EEPROM: bad deco type")
                                    << QByteArray("gjm") << false;
    QTest::newRow("missing port") << "/dev/varn-missing" << Fault::None << 5
                                  << QStringList(failed + "Unable to open port") << QByteArray() << false;
    QTest::newRow("no port chosen") << "" << Fault::None << 5 << QStringList(failed + noPort) << QByteArray()
                                    << false;
}

void TestDeviceActions::failedDownload()
{
    QFETCH(QString, port);
    QFETCH(Fault, fault);
    QFETCH(int, decoType);
    QFETCH(QStringList, expected);
    QFETCH(QByteArray, received);
    QFETCH(bool, talking);
    // That line holds the download until its deadline, here a tenth of the program's.
    ScaledDeadlines deadlines(talking ? 0.1 : 1.0);
    DiveComputerEmulator computer;
    VARN_eeprom device = computerImage();
    device.decoType = ubyte(decoType);
    computer.setImage(device);
    // Surplus bytes after bank 1.
    computer.setFault(fault, 1);
    if (talking)
        computer.talk(5);
    Settings::port = port == "emulator" ? computer.portPath() : port;

    eeprom.gases[0].currentO2 = 32;
    eeprom.customTextOn = 1;
    const QByteArray before = raw(eeprom);
    typeDive(window);
    const QVariantMap shown = formValues(window);

    window->actionDownload->trigger();

    if (!port.isEmpty())
        expected.prepend("Connecting " + Settings::port);
    QCOMPARE(lines(), expected);
    QCOMPARE(colourOf("FAILED:"), QColor(Qt::red));
    QCOMPARE(raw(eeprom), before);
    QCOMPARE(formValues(window), shown);
    QCOMPARE(computer.received(), received);
}

void TestDeviceActions::connectingDrawnBeforeTheComputerIsAsked()
{
    DiveComputerEmulator computer;
    computer.setFault(Fault::Silent);
    Settings::port = computer.portPath();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    // What the computer had been asked when the Console was first drawn with the line.
    int askedWhenDrawn = -1;
    EventWatch paints(window->textEdit->viewport(), QEvent::Paint, [&] {
        if (askedWhenDrawn < 0 && window->textEdit->toPlainText().startsWith("Connecting"))
            askedWhenDrawn = computer.received().size();
    });

    window->downloadCFButton->click();

    QCOMPARE(askedWhenDrawn, 0);
    QCOMPARE(computer.received(), QByteArray(10, 'g'));
}

void TestDeviceActions::upload_data()
{
    QTest::addColumn<bool>("setClock");
    QTest::addColumn<bool>("lineDeadForClock");
    QTest::newRow("clock option off") << false << false;
    QTest::newRow("clock option on") << true << false;
    QTest::newRow("clock option on, line dead for the clock") << true << true;
}

void TestDeviceActions::upload()
{
    QFETCH(bool, setClock);
    QFETCH(bool, lineDeadForClock);
    DiveComputerEmulator computer;
    computer.setImage(computerImage());
    Settings::port = computer.portPath();
    Settings::autoSetDateTime = setClock;
    // Settings the form does not show: from the configuration, as the editor left them.
    eeprom.customTextOn = 1;
    std::memset(eeprom.customText, '}', sizeof eeprom.customText);
    std::memcpy(eeprom.customText, "Hello diver", 11);
    eeprom.cf(70).value = 5;
    const QByteArray notShown = raw(eeprom).mid(64, 26);
    typeDive(window);

    // The diver changes a value while the transfer runs; the reload at the end shows the computer's.
    QTimer::singleShot(0, window, [&] { window->GF_high->setValue(99); });
    QStringList linesAtReload;
    connect(window->GF_high, QOverload<int>::of(&QSpinBox::valueChanged), window, [&](int value) {
        if (value == 85)
            linesAtReload = lines();
    });
    if (lineDeadForClock) {
        // The cable is pulled once the configuration is written, while the clock opens the port.
        connect(window->textEdit, &QTextEdit::textChanged, window, [&] {
            if (window->textEdit->document()->lastBlock().text().startsWith("Programming"))
                QTimer::singleShot(0, window, [&] { computer.hangUp(); });
        });
    }

    const QDateTime before = QDateTime::currentDateTime();
    window->uploadCFButton->click();
    const QDateTime after = QDateTime::currentDateTime();

    // What the form showed is what the computer holds now.
    const QByteArray stored = raw(computer.image());
    QVERIFY2(typedMismatch(stored).isEmpty(), qPrintable(typedMismatch(stored)));
    QCOMPARE(stored.mid(64, 26), notShown);
    QCOMPARE(uchar(stored[cfValue(70)]), uchar(5));
    QCOMPARE(raw(eeprom), stored);

    QStringList expected = {"Connecting " + computer.portPath(), "Programming VARN 4321 done."};
    if (setClock && lineDeadForClock) {
        expected << "SYNC FAILED: Sync failed";
        QCOMPARE(colourOf("SYNC FAILED"), QColor(Qt::red));
    }
    if (setClock && !lineDeadForClock) {
        QCOMPARE(lines().size(), 3);
        const QDateTime sent = clockLineTime(lines().at(2));
        QVERIFY2(sent.isValid(), qPrintable(lines().at(2)));
        QVERIFY(sent >= before.addMSecs(-before.time().msec()) && sent <= after);
        QCOMPARE(computer.clockBytes(), clockBytesOf(sent));
        expected << lines().at(2);
    }
    QCOMPARE(lines(), expected);
    QCOMPARE(computer.commands(), QByteArray(setClock && !lineDeadForClock ? "gjmdingjmb" : "gjmdingjm"));

    // Reloaded last, after the clock line.
    QCOMPARE(window->GF_high->value(), 85);
    QCOMPARE(linesAtReload, expected);
}

void TestDeviceActions::failedUpload_data()
{
    QTest::addColumn<QString>("port");
    QTest::addColumn<Fault>("fault");
    QTest::addColumn<int>("parameter");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QStringList>("advice");
    QTest::addColumn<QByteArray>("commands");
    // The computer stores gas 1's O2 (image byte 6) wrongly once.
    QTest::newRow("read-back differs") << "emulator" << Fault::StoreDifferent << 6 << "Readback differ"
                                       << QStringList(mayDiffer) << QByteArray("gjmdingjm");
    QTest::newRow("silent computer") << "emulator" << Fault::Silent << 0 << "Downloading VARN configuration"
                                     << QStringList(noAnswer) << QByteArray();
    // The cable pulled after 50 bytes of bank 0: the second attempt cannot open the port.
    QTest::newRow("hung up in bank 0") << "emulator" << Fault::HangUpInBank << 50 << "Unable to open port"
                                       << QStringList(mayDiffer) << QByteArray("gjmd");
    QTest::newRow("missing port") << "/dev/varn-missing" << Fault::None << 0 << "Unable to open port"
                                  << QStringList() << QByteArray();
    QTest::newRow("no port chosen") << "" << Fault::None << 0 << noPort << QStringList() << QByteArray();
}

void TestDeviceActions::failedUpload()
{
    QFETCH(QString, port);
    QFETCH(Fault, fault);
    QFETCH(int, parameter);
    QFETCH(QString, message);
    QFETCH(QStringList, advice);
    QFETCH(QByteArray, commands);
    DiveComputerEmulator computer;
    computer.setImage(computerImage());
    computer.setFault(fault, parameter, fault == Fault::Silent ? -1 : 1);
    Settings::port = port == "emulator" ? computer.portPath() : port;
    Settings::autoSetDateTime = true;

    eeprom.gases[4].currentO2 = 40;
    const QByteArray before = raw(eeprom);
    typeDive(window);
    const QVariantMap shown = formValues(window);

    window->actionUploadCF->trigger();

    QStringList expected("FAILED: " + message);
    if (!port.isEmpty())
        expected.prepend("Connecting " + Settings::port);
    // The diver's words follow the link's text.
    QCOMPARE(lines(), expected + advice);
    QCOMPARE(colourOf("FAILED:"), QColor(Qt::red));
    for (const QString& line : advice)
        QCOMPARE(colourOf(line), QColor(Qt::black));
    // No clock, no reload, and the configuration as it was before the action.
    QCOMPARE(computer.commands(), commands);
    QCOMPARE(formValues(window), shown);
    QCOMPARE(raw(eeprom), before);
}

void TestDeviceActions::clock()
{
    DiveComputerEmulator computer;
    Settings::port = computer.portPath();
    const QDateTime before = QDateTime::currentDateTime();
    window->setDateTimeButton->click();
    const QDateTime after = QDateTime::currentDateTime();

    QCOMPARE(lines().size(), 1);
    const QDateTime sent = clockLineTime(lines().at(0));
    QVERIFY2(sent.isValid(), qPrintable(lines().at(0)));
    QVERIFY(sent >= before.addMSecs(-before.time().msec()) && sent <= after);
    QCOMPARE(computer.clockBytes(), clockBytesOf(sent));
    QCOMPARE(computer.commands(), QByteArray("b"));

    computer.clearRecords();
    window->setDateTimeAction->trigger();
    QCOMPARE(computer.commands(), QByteArray("b"));
    QCOMPARE(lines().size(), 2);
}

void TestDeviceActions::clockFailures_data()
{
    QTest::addColumn<QString>("port");
    QTest::addColumn<QString>("message");
    QTest::newRow("line dead") << "emulator" << "Sync failed";
    QTest::newRow("missing port") << "/dev/varn-missing" << "Unable to open port";
    QTest::newRow("no port chosen") << "" << noPort;
}

void TestDeviceActions::clockFailures()
{
    QFETCH(QString, port);
    QFETCH(QString, message);
    DiveComputerEmulator computer;
    Settings::port = port == "emulator" ? computer.portPath() : port;
    // The cable is pulled just after the port was opened.
    if (port == "emulator")
        QTimer::singleShot(0, window, [&] { computer.hangUp(); });
    window->setDateTimeAction->trigger();
    QCOMPARE(lines(), QStringList("SYNC FAILED: " + message));
    QCOMPARE(colourOf("SYNC FAILED"), QColor(Qt::red));
    QCOMPARE(colourOf(message), QColor(Qt::black));
}

void TestDeviceActions::screenDump_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("saved");
    QTest::addColumn<QByteArray>("format");
    QTest::newRow("no suffix") << "dump" << "dump.png" << QByteArray("png");
    QTest::newRow(".png") << "dump.png" << "dump.png" << QByteArray("png");
    QTest::newRow(".jpg") << "dump.jpg" << "dump.jpg" << QByteArray("jpeg");
    QTest::newRow(".jpeg") << "dump.jpeg" << "dump.jpeg" << QByteArray("jpeg");
    QTest::newRow(".tiff") << "dump.tiff" << "dump.tiff" << QByteArray("tiff");
    QTest::newRow(".PNG") << "dump.PNG" << "dump.PNG.png" << QByteArray("png");
    QTest::newRow(".JPG") << "dump.JPG" << "dump.JPG.png" << QByteArray("png");
    QTest::newRow(".TIFF") << "dump.TIFF" << "dump.TIFF.png" << QByteArray("png");
    QTest::newRow(".tif") << "dump.tif" << "dump.tif.png" << QByteArray("png");
}

void TestDeviceActions::screenDump()
{
    QFETCH(QString, answer);
    QFETCH(QString, saved);
    QFETCH(QByteArray, format);
    QTemporaryDir folder;
    DiveComputerEmulator computer;
    computer.setScreen(quarters());
    Settings::port = computer.portPath();
    window->saveAnswers << folder.filePath(answer);

    window->screenDumpButton->click();

    QCOMPARE(computer.commands(), QByteArray("l"));
    QCOMPARE(lines(), QStringList({"Connecting " + computer.portPath(), QString(QChar::ObjectReplacementCharacter)}));
    QCOMPARE(window->questions.size(), 1);
    QCOMPARE(window->questions[0].caption, QString("Save screen dump..."));
    QCOMPARE(window->questions[0].folder, QString());
    QCOMPARE(window->questions[0].filter, QString("Image (*.png *.jpeg *.jpg *.tiff)"));

    // The thumbnail, back from the Console's text.
    const QRegularExpressionMatch image =
        QRegularExpression("<img src=\"data:image/png;base64,([A-Za-z0-9+/=]+)\"").match(html());
    QVERIFY(image.hasMatch());
    QByteArray png = QByteArray::fromBase64(image.captured(1).toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
    QBuffer buffer(&png);
    QImageReader thumbnailReader(&buffer);
    QCOMPARE(thumbnailReader.format(), QByteArray("png"));
    const QImage thumbnail = thumbnailReader.read();
    QCOMPARE(thumbnail.size(), QSize(200, 150));
    checkQuarters(thumbnail, 0);

    // The full screen in the file, in the format of its suffix.
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList(saved));
    QImageReader fileReader(folder.filePath(saved));
    fileReader.setDecideFormatFromContent(true);
    QCOMPARE(fileReader.format(), format);
    const QImage file = fileReader.read();
    QCOMPARE(file.size(), QSize(320, 240));
    checkQuarters(file, format == "jpeg" ? 8 : 0);
}

void TestDeviceActions::screenDumpNotSaved()
{
    // A name made of the suffix alone would land in the working folder.
    QTemporaryDir folder;
    const QString working = QDir::currentPath();
    QVERIFY(QDir::setCurrent(folder.path()));
    DiveComputerEmulator computer;
    computer.setScreen(quarters());
    Settings::port = computer.portPath();

    window->screenDumpButton->click();
    QDir::setCurrent(working);

    QCOMPARE(window->questions.size(), 1);
    QVERIFY(QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).isEmpty());
    QCOMPARE(lines(), QStringList({"Connecting " + computer.portPath(), QString(QChar::ObjectReplacementCharacter)}));
    QVERIFY(html().contains("data:image/png;base64,"));
}

void TestDeviceActions::screenDumpUnwritable()
{
    QTemporaryDir folder;
    DiveComputerEmulator computer;
    computer.setScreen(quarters());
    Settings::port = computer.portPath();
    const QString name = folder.filePath("no folder/<b>dive</b> & co");
    window->saveAnswers << name;

    window->screenDumpButton->click();

    QCOMPARE(lines().size(), 3);
    QCOMPARE(lines().at(2), "Unable to save the screen dump to '" + name + ".png'.");
    QCOMPARE(colourOf("Unable to save"), QColor(Qt::red));
    QVERIFY(QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).isEmpty());
}

void TestDeviceActions::screenDumpFailures_data()
{
    QTest::addColumn<QString>("port");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("screen cut short") << "emulator" << QStringList({"Connecting %1", "FAILED: Dump screen failed"});
    QTest::newRow("missing port") << "/dev/varn-missing"
                                  << QStringList({"Connecting %1", "FAILED: Unable to open port"});
    QTest::newRow("no port chosen") << "" << QStringList("FAILED: " + noPort);
}

void TestDeviceActions::screenDumpFailures()
{
    QFETCH(QString, port);
    QFETCH(QStringList, expected);
    DiveComputerEmulator computer;
    computer.setScreen(quarters());
    computer.setFault(Fault::CutScreen, 1000);
    Settings::port = port == "emulator" ? computer.portPath() : port;
    window->saveAnswers << dir.filePath("never.png");

    window->screenDumpButton->click();

    if (!port.isEmpty())
        expected[0] = expected[0].arg(Settings::port);
    QCOMPARE(lines(), expected);
    QCOMPARE(colourOf("FAILED"), QColor(Qt::red));
    QVERIFY(window->questions.isEmpty());
    QVERIFY(!html().contains("<img"));
}

void TestDeviceActions::firmwareUpgrade()
{
    if (firmwareHex.isEmpty())
        QSKIP("objcopy (binutils) is not installed");
    QVERIFY(QDir().mkpath(firmwareFolder()));
    const QString file = firmwareFolder() + "/varn2_2.60.hex";
    QVERIFY(writeFile(file, firmwareHex));
    DiveComputerEmulator computer;
    Settings::port = computer.portPath();
    window->openAnswers << file;

    // The Console's last line at each change: the percentage rewritten in place.
    QStringList percentages;
    connect(window->textEdit, &QTextEdit::textChanged, window, [&] {
        const QString last = window->textEdit->document()->lastBlock().text();
        if (last.endsWith('%') && (percentages.isEmpty() || percentages.last() != last))
            percentages << last;
    });

    window->upgradeFWButton->click();

    QCOMPARE(window->questions.size(), 1);
    QCOMPARE(window->questions[0].caption, QString("Firmware..."));
    QCOMPARE(window->questions[0].folder, firmwareFolder());
    QCOMPARE(window->questions[0].filter, QString("*.hex"));

    const QByteArray memory = computer.programMemory();
    QCOMPARE(memory.left(8), QByteArray("\xA0\xEF\xBF\xF0\x00\x00\x00\x00", 8));
    QCOMPARE(memory.mid(0x17F38, 8), firmware.left(8));
    QCOMPARE(memory, patched(firmware));
    const QVector<QByteArray> frames = computer.bootFrames();
    QCOMPARE(frames.size(), FIRMWARE_SIZE / 64);
    QCOMPARE(frames.last().left(4), QByteArray("\x00\x00\x00\x40", 4));
    QVERIFY(!computer.inBootLoader());

    // 98112 bytes are 95.8 KiB and the whole area.
    QCOMPARE(lines(), QStringList({"Loading 'varn2_2.60.hex'", "95.8KB loaded (100.0% of firmware area)",
                                   "Connecting " + computer.portPath(), "Starting VARN upgrade...", waitingLine(1),
                                   "  100%", "VARN upgrade done. rebooting..."}));
    QStringList every;
    for (int p = 0; p <= 100; ++p)
        every << QString("  %1%").arg(p);
    QCOMPARE(percentages, every);
    QCOMPARE(colourOf("Starting VARN upgrade..."), QColor("orange"));
    QCOMPARE(colourOf("VARN upgrade done."), QColor("green"));
}

void TestDeviceActions::firmwareDialogCancelled()
{
    // A user who never had a firmware folder.
    QTemporaryDir fresh;
    const QByteArray saved = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", fresh.path().toLocal8Bit());
    DiveComputerEmulator computer;
    Settings::port = computer.portPath();
    const int descriptors = openDescriptors();

    window->upgradeFWButton->click();
    qputenv("XDG_DATA_HOME", saved);

    QCOMPARE(window->questions.size(), 1);
    QCOMPARE(window->questions[0].folder, fresh.path() + "/VARN Planner/firmware");
    QVERIFY(QFileInfo(fresh.path() + "/VARN Planner/firmware").isDir());
    QVERIFY(window->textEdit->document()->isEmpty());
    QVERIFY(computer.received().isEmpty());
    QCOMPARE(openDescriptors(), descriptors);
}

void TestDeviceActions::badFirmwareFiles_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("length");
    QTest::addColumn<QString>("message");
    const int middle = firmwareHex.indexOf('\n', firmwareHex.size() / 2) + 1;
    QTest::newRow("cut in the middle") << "cut <b>1 & co.hex" << middle << "Bad HEX format";
    QTest::newRow("cut before the end record")
        << "no end.hex" << firmwareHex.lastIndexOf(":00000001FF") << "Bad HEX format";
    QTest::newRow("empty") << "empty.hex" << 0 << "Bad HEX format";
    QTest::newRow("missing") << "gone & lost.hex" << -1 << "Can't open HEX file";
}

void TestDeviceActions::badFirmwareFiles()
{
    QFETCH(QString, name);
    QFETCH(int, length);
    QFETCH(QString, message);
    if (length > 0 && firmwareHex.isEmpty())
        QSKIP("objcopy (binutils) is not installed");
    QVERIFY(QDir().mkpath(firmwareFolder()));
    const QString file = firmwareFolder() + "/" + name;
    QFile::remove(file);
    if (length >= 0)
        QVERIFY(writeFile(file, firmwareHex.left(length)));
    DiveComputerEmulator computer;
    Settings::port = computer.portPath();
    window->openAnswers << file;
    const int descriptors = openDescriptors();

    window->upgradeFWButton->click();

    // Refused before the port was opened.
    QCOMPARE(lines(), QStringList({"Loading '" + name + "'", "UPGRADE FAILED: " + message, notSent(name)}));
    QCOMPARE(colourOf("UPGRADE FAILED"), QColor(Qt::red));
    QCOMPARE(colourOf(notSent(name)), QColor(Qt::red));
    QVERIFY(computer.received().isEmpty());
    QCOMPARE(openDescriptors(), descriptors);
}

void TestDeviceActions::firmwareWithoutPort()
{
    window->openAnswers << dir.filePath("any.hex");
    window->upgradeFWButton->click();
    QCOMPARE(lines(), QStringList("UPGRADE FAILED: " + noPort));
    QVERIFY(window->questions.isEmpty());
}

void TestDeviceActions::firmwareWithoutProgram_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("configuration and data EEPROM only")
        << "config <only> & eeprom.hex"
        << QByteArray(":020000040030CA\n:0E0000000102030405060708090A0B0C0D0E89\n"
                      ":0200000400F00A\n:04000000A1A2A3A472\n:00000001FF\n");
    QTest::newRow("end record only") << "end.hex" << QByteArray(":00000001FF\n");
    QTest::newRow("empty data records") << "empty records.hex"
                                        << QByteArray(":0000000000\n:00001000F0\n:00000001FF\n");
}

// A file that loads but gives the firmware area nothing would leave the computer without a program.
void TestDeviceActions::firmwareWithoutProgram()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    QVERIFY(QDir().mkpath(firmwareFolder()));
    const QString file = firmwareFolder() + "/" + name;
    QVERIFY(writeFile(file, content));
    DiveComputerEmulator computer;
    Settings::port = computer.portPath();
    window->openAnswers << file;
    const int descriptors = openDescriptors();

    window->upgradeFWButton->click();

    QCOMPARE(lines(), QStringList({"Loading '" + name + "'", "0.0KB loaded (0.0% of firmware area)",
                                   "UPGRADE FAILED: No data in HEX file", notSent(name)}));
    QCOMPARE(colourOf("UPGRADE FAILED"), QColor(Qt::red));
    QCOMPARE(colourOf(notSent(name)), QColor(Qt::red));
    QVERIFY(computer.received().isEmpty());
    QCOMPARE(openDescriptors(), descriptors);
}

void TestDeviceActions::firmwareNotRegularFile_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("fifo without a writer") << "fifo";
    QTest::newRow("folder") << "folder";
}

// Refused at once: opening a fifo would wait for a writer and hold the window for good.
void TestDeviceActions::firmwareNotRegularFile()
{
    QFETCH(QString, kind);
    QTemporaryDir folder;
    const QString name = kind + ".hex";
    const QString path = folder.filePath(name);
    // Should the action open the fifo all the same, a writer gives it a file and the test fails
    // instead of hanging.
    PipeWriter writer(path, tinyHex);
    if (kind == "fifo") {
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        writer.start();
    } else {
        QVERIFY(QDir().mkpath(path));
    }
    DiveComputerEmulator computer;
    Settings::port = computer.portPath();
    window->openAnswers << path;

    window->upgradeFWButton->click();

    QCOMPARE(lines(), QStringList({"Loading '" + name + "'", "UPGRADE FAILED: HEX file is not a regular file",
                                   notSent(name)}));
    QVERIFY(computer.received().isEmpty());
    QVERIFY(!writer.wrote);
}

void TestDeviceActions::firmwarePortMissing()
{
    const QString file = dir.filePath("tiny.hex");
    QVERIFY(writeFile(file, tinyHex));
    Settings::port = "/dev/varn-missing";
    window->openAnswers << file;

    window->upgradeFWButton->click();

    QCOMPARE(lines(), QStringList({"Loading 'tiny.hex'", "0.0KB loaded (0.0% of firmware area)",
                                   "Connecting /dev/varn-missing", "Starting VARN upgrade...",
                                   "UPGRADE FAILED: Unable to open port", sentNothing}));
    QCOMPARE(colourOf(sentNothing), QColor(Qt::red));
}

// At the real pauses: an upgrade cut off in the middle leaves the computer in its boot loader,
// and the same file, chosen again, finishes it.
void TestDeviceActions::upgradeAfterCutOff()
{
    if (firmwareHex.isEmpty())
        QSKIP("objcopy (binutils) is not installed");
    ScaledPauses pauses(1.0);
    QVERIFY(QDir().mkpath(firmwareFolder()));
    const QString file = firmwareFolder() + "/varn2_2.61.hex";
    QVERIFY(writeFile(file, firmwareHex));
    DiveComputerEmulator computer;
    Settings::port = computer.portPath();
    // The line drops at the block at 0x1000 (4% of the blocks).
    computer.setFault(Fault::BootIgnoreFrame, 0x1000, 1);
    window->openAnswers << file << file;

    window->upgradeFWButton->click();

    const QStringList start = {"Loading 'varn2_2.61.hex'", "95.8KB loaded (100.0% of firmware area)",
                               "Connecting " + computer.portPath(), "Starting VARN upgrade...", waitingLine(1)};
    const QStringList cut = start + QStringList({"  4%", "UPGRADE FAILED: Bad checksum at 0x001000",
                                                 waitsInBootLoader("varn2_2.61.hex")});
    QCOMPARE(lines(), cut);
    QCOMPARE(colourOf(waitsInBootLoader("varn2_2.61.hex")), QColor(Qt::red));
    QVERIFY(computer.inBootLoader());

    computer.clearRecords();
    // Once the boot loader has taken the first block, the blocks go at short pauses: over the
    // 30 s that they take at the real ones, a busy machine may hold this process longer than
    // the boot loader's answer may take.
    QTimer shortPauses;
    shortPauses.setInterval(0);
    QObject::connect(&shortPauses, &QTimer::timeout, [&] {
        if (!computer.bootFrames().isEmpty()) {
            SerialPort::pauseScale = 0.05;
            shortPauses.stop();
        }
    });
    shortPauses.start();
    window->upgradeFWButton->click();

    QCOMPARE(lines(), cut + start + QStringList({"  100%", "VARN upgrade done. rebooting..."}));
    QCOMPARE(computer.bootFrames().size(), FIRMWARE_SIZE / 64);
    QCOMPARE(computer.programMemory(), patched(firmware));
    QVERIFY(!computer.inBootLoader());
}

// The cable is pulled halfway through an upgrade, and the diver tries again before it is back,
// then with a damaged file, then with the adapter back under another name: no try sent
// anything, and each says how to finish the upgrade that was cut off. After a restart the
// window knows of no cut-off, and once an upgrade has finished it knows of none again: it says
// only that the try sent nothing, since the computer may be waiting in its boot loader all the same.
void TestDeviceActions::retryAfterCutOffSendsNothing()
{
    const QString file = dir.filePath("tiny & co.hex");
    QVERIFY(writeFile(file, tinyHex));
    const QString damaged = dir.filePath("damaged.hex");
    QVERIFY(writeFile(damaged, tinyHex.left(10)));
    const QStringList loaded = {"Loading 'tiny & co.hex'", "0.0KB loaded (0.0% of firmware area)"};
    auto started = [](const QString& port) { return QStringList({"Connecting " + port, "Starting VARN upgrade..."}); };
    const QString renamed = "/dev/varn-renamed";

    DiveComputerEmulator pulled;
    pulled.setFault(Fault::BootHangUp, 0xBFC0, 1);
    const QString port = pulled.portPath();
    Settings::port = port;
    window->openAnswers << file << file << damaged << file;
    window->upgradeFWButton->click();
    window->upgradeFWButton->click();
    window->upgradeFWButton->click();
    Settings::port = renamed;
    window->upgradeFWButton->click();

    QStringList expected = loaded + started(port)
                           + QStringList({waitingLine(1), "  50%", "UPGRADE FAILED: Bad checksum at 0x00BFC0",
                                          waitsInBootLoader("tiny & co.hex")})
                           + loaded + started(port)
                           + QStringList({"UPGRADE FAILED: Unable to open port", cutOffEarlier("tiny & co.hex"),
                                          "Loading 'damaged.hex'", "UPGRADE FAILED: Bad HEX format",
                                          cutOffEarlier("tiny & co.hex")})
                           + loaded + started(renamed)
                           + QStringList({"UPGRADE FAILED: Unable to open port", cutOffEarlier("tiny & co.hex")});
    QCOMPARE(lines(), expected);
    QCOMPARE(colourOf(cutOffEarlier("tiny & co.hex")), QColor(Qt::red));

    // The program started again, the computer still in its boot loader.
    cleanup();
    init();
    Settings::port = renamed;
    window->openAnswers << file;
    window->upgradeFWButton->click();
    QCOMPARE(lines(), loaded + started(renamed) + QStringList({"UPGRADE FAILED: Unable to open port", sentNothing}));

    // Another computer: cut off, finished, then refused at the sync.
    DiveComputerEmulator other;
    other.setFault(Fault::BootIgnoreFrame, 0x1000, 1);
    Settings::port = other.portPath();
    window->openAnswers << file << file << file;
    window->upgradeFWButton->click();
    window->upgradeFWButton->click();
    QVERIFY(!other.inBootLoader());
    other.setFault(Fault::BootNeverSyncs);
    window->upgradeFWButton->click();

    QCOMPARE(lines().mid(lines().size() - 7),
             loaded + started(other.portPath())
                 + QStringList({waitingLine(100), "UPGRADE FAILED: Cannot sync firmware upgrade", sentNothing}));
}

// A computer that never answers the sync: the window goes on meanwhile, shows what it waits
// for, and still refuses a second device action.
void TestDeviceActions::waitingForBootLoader()
{
    const QString file = dir.filePath("tiny.hex");
    QVERIFY(writeFile(file, tinyHex));
    DiveComputerEmulator computer;
    computer.setFault(Fault::BootNeverSyncs);
    Settings::port = computer.portPath();
    window->openAnswers << file;

    // The waiting line at each change, and one action the diver tries at the tenth try.
    QStringList waited;
    QTextBlock waiting;
    QString lineWhenClicked;
    connect(window->textEdit, &QTextEdit::textChanged, window, [&] {
        const QTextBlock last = window->textEdit->document()->lastBlock();
        if (!waiting.isValid() && last.text().startsWith("Waiting"))
            waiting = last;
        if (!waiting.isValid() || (!waited.isEmpty() && waited.last() == waiting.text()))
            return;
        waited << waiting.text();
        if (waiting.text() == waitingLine(10))
            QTimer::singleShot(0, window, [&] {
                lineWhenClicked = lines().last();
                window->downloadCFButton->click();
            });
    });

    window->upgradeFWButton->click();

    QStringList tries;
    for (int attempt = 1; attempt <= 100; ++attempt)
        tries << waitingLine(attempt);
    QCOMPARE(waited, tries);
    QCOMPARE(lineWhenClicked, waitingLine(10));
    QCOMPARE(lines(), QStringList({"Loading 'tiny.hex'", "0.0KB loaded (0.0% of firmware area)",
                                   "Connecting " + computer.portPath(), "Starting VARN upgrade...",
                                   waitingLine(100), busyRefusal, "UPGRADE FAILED: Cannot sync firmware upgrade",
                                   sentNothing}));
    QCOMPARE(computer.commands(), QByteArray(101, '\xC1'));
}

// While the blocks are written, every action that would clear or rewrite the Console, open a
// dialog or run long is refused with a line of its own, which the percentage leaves alone.
void TestDeviceActions::refusedWhileUpgrading()
{
    resetSimulation();
    const QString file = dir.filePath("tiny.hex");
    QVERIFY(writeFile(file, tinyHex));
    DiveComputerEmulator computer;
    Settings::port = computer.portPath();
    window->openAnswers << file;
    window->textEdit->append("CNS = 22%");

    QStringList percentages;
    QTextBlock progress;
    int refusals = 0;
    bool closed = true;
    connect(window->textEdit, &QTextEdit::textChanged, window, [&] {
        const QTextBlock last = window->textEdit->document()->lastBlock();
        if (last.text() == "  0%")
            progress = last;
        if (progress.isValid() && (percentages.isEmpty() || percentages.last() != progress.text()))
            percentages << progress.text();
        if (last.text() == "  50%" && refusals == 0) {
            refusals = -1;
            QTimer::singleShot(0, window, [&] {
                const int before = lines().size();
                window->simulateButton->click();
                window->ascentButton->click();
                window->gasVolumesButton->click();
                window->addRuntime->click();
                window->clearProfil->click();
                window->loadButton->click();
                window->saveButton->click();
                window->replayButton->click();
                emit window->replayListCB->activated(0);
                window->editCFButton->click();
                window->settingsButton->click();
                window->exitButton->click();
                closed = window->close();
                window->uploadCFButton->click();
                refusals = lines().size() - before;
            });
        }
    });

    window->upgradeFWButton->click();

    QCOMPARE(refusals, 14);
    QVERIFY(!closed);
    QStringList every;
    for (int p = 0; p <= 100; ++p)
        every << QString("  %1%").arg(p);
    QCOMPARE(percentages, every);
    QCOMPARE(lines(), QStringList({"CNS = 22%", "Loading 'tiny.hex'", "0.0KB loaded (0.0% of firmware area)",
                                   "Connecting " + computer.portPath(), "Starting VARN upgrade...", waitingLine(1),
                                   "  100%"})
                          + QVector<QString>(14, busyRefusal).toList()
                          + QStringList("VARN upgrade done. rebooting..."));
    // The refusals kept their own look; the percentage its own.
    QCOMPARE(colourOf(busyRefusal), QColor(Qt::black));
    QCOMPARE(colourOf("  100%"), QColor(Qt::black));
    // Nothing was run: no dialog, no simulation, no plot.
    QCOMPARE(window->questions.size(), 1);
    QCOMPARE(window->editorRuns, 0);
    QCOMPARE(window->settingsRuns, 0);
    QVERIFY(!PlotInterface::plot);
    QCOMPARE(::dive_time, -1);
    QCOMPARE(computer.bootFrames().size(), FIRMWARE_SIZE / 64);
    QCOMPARE(computer.commands(), QByteArray("\xC1\xC1"));
}

void TestDeviceActions::refusedWhileSimulating()
{
    resetSimulation();
    window->load(settings);
    DiveComputerEmulator computer;
    computer.setImage(computerImage());
    computer.setScreen(quarters());
    Settings::port = computer.portPath();
    window->openAnswers << dir.filePath("any.hex");
    window->saveAnswers << dir.filePath("screen.png");
    const QByteArray before = raw(eeprom);

    bool fired = false;
    QTimer::singleShot(0, window, [&] {
        fired = simulationRunning();
        window->downloadCFButton->click();
        window->actionDownload->trigger();
        window->uploadCFButton->click();
        window->actionUploadCF->trigger();
        window->setDateTimeButton->click();
        window->setDateTimeAction->trigger();
        window->screenDumpButton->click();
        window->upgradeFWButton->click();
    });
    window->actionSimulate->trigger();

    QVERIFY(fired);
    QCOMPARE(window->textEdit->toPlainText().count(refusal), 8);
    QVERIFY(!window->textEdit->toPlainText().contains("Connecting"));
    QVERIFY(computer.received().isEmpty());
    QVERIFY(window->questions.isEmpty());
    QCOMPARE(raw(eeprom).mid(256), before.mid(256));
    QCOMPARE(int(eeprom.serial), 0xFFFF);

    delete PlotInterface::plot;
    PlotInterface::plot = nullptr;
}

void TestDeviceActions::secondActionRefused()
{
    DiveComputerEmulator computer;
    computer.setImage(computerImage());
    computer.setScreen(quarters());
    Settings::port = computer.portPath();
    const QString tiny = dir.filePath("tiny.hex");
    QVERIFY(writeFile(tiny, tinyHex));
    window->openAnswers << tiny;
    window->saveAnswers << dir.filePath("screen.png");
    typeDive(window);

    // The diver tries every other device action while the upload runs.
    QStringList duringUpload;
    QTimer::singleShot(0, window, [&] {
        const int start = lines().size();
        window->downloadCFButton->click();
        window->uploadCFButton->click();
        window->setDateTimeButton->click();
        window->screenDumpButton->click();
        window->upgradeFWButton->click();
        duringUpload = lines().mid(start);
    });
    window->actionUploadCF->trigger();

    QCOMPARE(duringUpload, QVector<QString>(5, busyRefusal).toList());
    QCOMPARE(lines().last(), QString("Programming VARN 4321 done."));
    // Only the upload's bytes went over the line, and the computer holds what the form showed.
    QCOMPARE(computer.commands(), QByteArray("gjmdingjm"));
    const QByteArray stored = raw(computer.image());
    QVERIFY2(typedMismatch(stored).isEmpty(), qPrintable(typedMismatch(stored)));
    QCOMPARE(raw(eeprom), stored);
    // Neither the screen dump nor the upgrade asked anything.
    QVERIFY(window->questions.isEmpty());
}

// On a slow line, where a bank takes over a second, the diver asks for the Console's menu in
// the middle of the first bank, for the plot window's Save picture in the second and for a
// second upload in the last: the menu comes once the bank is whole, the other two are refused,
// and each bank is written once.
void TestDeviceActions::inputDuringUpload()
{
    DiveComputerEmulator computer;
    computer.setImage(computerImage());
    Settings::port = computer.portPath();
    typeDive(window);
    AfterCommands slowLine(computer, 3, [&] { computer.setFault(Fault::Trickle, 5, 3); });
    PlotInterface plotWindow;
    plotWindow.setup(true, 50);
    window->show();
    plotWindow.show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QVERIFY(QTest::qWaitForWindowExposed(&plotWindow));

    QStringList shown;
    SlowUser user(300, [&] {
        shown << QString("%1 after %2 banks")
                     .arg(QApplication::activePopupWidget() ? "menu" : "dialog")
                     .arg(computer.banksWritten().size());
    });
    // The middle of each bank, after the first read's three commands.
    AfterReceived menu(computer, 3 + 100, [&] { queueClick(window->textEdit->viewport(), Qt::RightButton); });
    AfterReceived save(computer, 3 + 253 + 100, [&] { queueClick(plotWindow.saveImage, Qt::LeftButton); });
    AfterReceived upload(computer, 3 + 2 * 253 + 100, [&] { queueClick(window->uploadCFButton, Qt::LeftButton); });
    window->uploadCFButton->click();

    QCOMPARE(shown, QStringList("menu after 1 banks"));
    QCOMPARE(lines(), QStringList({"Connecting " + computer.portPath(), busyRefusal, busyRefusal,
                                   "Programming VARN 4321 done."}));
    QCOMPARE(computer.banksWritten(), QVector<int>({0, 1, 2}));
    QCOMPARE(computer.commands(), QByteArray("gjmdingjm"));
    const QByteArray stored = raw(computer.image());
    QVERIFY2(typedMismatch(stored).isEmpty(), qPrintable(typedMismatch(stored)));
}

void TestDeviceActions::typingDuringTransfer_data()
{
    QTest::addColumn<bool>("upload");
    QTest::addColumn<int>("shownAfter");
    // The form's 30 goes to the computer, or the computer's 35 comes into the form.
    QTest::newRow("upload") << true << 30;
    QTest::newRow("download") << false << 35;
}

// What the diver types while a transfer runs would vanish when the form shows the computer's
// values at its end: the form takes no typing meanwhile, and shows it.
void TestDeviceActions::typingDuringTransfer()
{
    QFETCH(bool, upload);
    QFETCH(int, shownAfter);
    DiveComputerEmulator computer;
    computer.setImage(computerImage());
    Settings::port = computer.portPath();
    typeDive(window);
    bool enabledDuring = true;
    int valueDuring = 0;
    AfterCommands typing(computer, 1, [&] {
        enabledDuring = window->GF_low->isEnabled();
        window->GF_low->selectAll();
        QTest::keyClicks(window->GF_low, "40");
        valueDuring = window->GF_low->value();
    });
    (upload ? window->uploadCFButton : window->downloadCFButton)->click();

    QVERIFY(!enabledDuring);
    QCOMPARE(valueDuring, 30);
    QVERIFY(window->GF_low->isEnabled());
    QCOMPARE(window->GF_low->value(), shownAfter);
    QCOMPARE(lines().last(), QString(upload ? "Programming VARN 4321 done." : "Reading VARN 4321 done."));
}

void TestDeviceActions::boxesKeepTheirLookDuringTransfer_data()
{
    QTest::addColumn<bool>("upload");
    QTest::addColumn<Fault>("fault");
    QTest::addColumn<int>("parameter");
    QTest::addColumn<bool>("formCCR");
    QTest::addColumn<int>("computerDecoType");
    QTest::addColumn<int>("lookAtByte");
    QTest::addColumn<QString>("lastLine");
    const QString uploaded = "Programming VARN 4321 done.";
    const QString downloaded = "Reading VARN 4321 done.";
    // Deco types: 4 open circuit, 5 closed circuit, both with gradient factors.
    QTest::newRow("upload") << true << Fault::None << 0 << false << 5 << 3 + 100 << uploaded;
    QTest::newRow("download of the same circuit") << false << Fault::None << 0 << false << 4 << 1 << downloaded;
    QTest::newRow("download of a closed circuit") << false << Fault::None << 0 << false << 5 << 1 << downloaded;
    QTest::newRow("download of an open circuit") << false << Fault::None << 0 << true << 4 << 1 << downloaded;
    QTest::newRow("silent computer") << false << Fault::Silent << 0 << false << 5 << 2 << noAnswer;
    QTest::newRow("line cut in bank 0") << true << Fault::HangUpInBank << 50 << false << 5 << 3 + 20 << mayDiffer;
}

// While a transfer greys the form out, every box stays open or folded as the diver left it, its
// values readable; afterwards the setpoints fold or open with the circuit the form then shows.
void TestDeviceActions::boxesKeepTheirLookDuringTransfer()
{
    QFETCH(bool, upload);
    QFETCH(Fault, fault);
    QFETCH(int, parameter);
    QFETCH(bool, formCCR);
    QFETCH(int, computerDecoType);
    QFETCH(int, lookAtByte);
    QFETCH(QString, lastLine);
    DiveComputerEmulator computer;
    VARN_eeprom image = computerImage();
    image.decoType = ubyte(computerDecoType);
    computer.setImage(image);
    computer.setFault(fault, parameter, fault == Fault::Silent ? -1 : 1);
    Settings::port = computer.portPath();
    typeDive(window);
    window->ccrMode->setChecked(formCCR);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    // The diver folds the plot settings.
    window->plotGB->setFocus();
    QTest::keyClick(window->plotGB, Qt::Key_Space);
    QVERIFY(!window->plotGB->isChecked());

    const BoxLook before = boxLook(window);
    const QVariantMap stored = storedBoxStates();
    QCOMPARE(before["plotGB"].second, false);
    QCOMPARE(before["setpointGroup"].second, formCCR);
    QCOMPARE(before["decoGB"].second, true);
    QVERIFY(before["decoGB"].first > 17);
    QCOMPARE(stored["plotGB"].toBool(), false);
    QCOMPARE(stored["setpointGroup"].toBool(), true);

    BoxLook during;
    bool greyed = false;
    AfterReceived look(computer, lookAtByte, [&] {
        during = boxLook(window);
        greyed = !window->GF_low->isEnabled() && window->GF_low->isVisible();
    });
    (upload ? window->uploadCFButton : window->downloadCFButton)->click();

    QCOMPARE(lines().last(), lastLine);
    QVERIFY(greyed);
    QCOMPARE(during, before);
    QVERIFY(window->GF_low->isEnabled());
    const bool ccrAfter = !upload && fault == Fault::None ? computerDecoType == 5 : formCCR;
    QCOMPARE(window->ccrMode->isChecked(), ccrAfter);
    // Only a download that changes the circuit changes a box: the setpoints fold or open. The
    // column settles in more than one layout pass.
    QTRY_COMPARE(boxLook(window)["setpointGroup"].second, ccrAfter);
    QTRY_COMPARE(withoutSetpoints(boxLook(window)), withoutSetpoints(before));
    QCOMPARE(boxLook(window)["setpointGroup"].first == 17, !ccrAfter);
    QCOMPARE(storedBoxStates(), stored);
}

QTEST_MAIN(TestDeviceActions)
#include "tst_deviceactions.moc"
