#include "DeviceConsole.h"
#include "DiveComputerEmulator.h"
#include "VARN_eeprom.h"
#include "devicetest.h"
#include "testutil.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTextBlock>
#include <QTextEdit>
#include <QThread>
#include <QTimer>
#include <QtTest>

using Fault = DiveComputerEmulator::Fault;
Q_DECLARE_METATYPE(DiveComputerEmulator::Fault)

namespace {

const int SIZE = 0x17F40;

// A firmware image: random bytes (0xC1 among them) with a stretch of unwritten 0xFF.
QByteArray firmware()
{
    QByteArray image(SIZE, '\0');
    QRandomGenerator random(42);
    for (int i = 0; i < SIZE; ++i)
        image[i] = char(random.bounded(256));
    image.replace(6400, 6400, QByteArray(6400, '\xFF'));
    return image;
}

// The image as the computer must hold it: a jump to the boot loader at 0, the image's own first
// eight bytes at the end of the firmware area.
QByteArray patched(const QByteArray& image)
{
    QByteArray expected = image;
    expected.replace(SIZE - 8, 8, image.left(8));
    expected.replace(0, 8, QByteArray("\xA0\xEF\xBF\xF0\x00\x00\x00\x00", 8));
    return expected;
}

unsigned char* bytes(QByteArray& image)
{
    return reinterpret_cast<unsigned char*>(image.data());
}

QString waiting(int attempt)
{
    return QString("Waiting for the dive computer's boot loader... (try %1 of 100)").arg(attempt);
}

// A computer whose upgrade was cut off at the block at address: it waits in its boot loader.
void cutOff(DiveComputerEmulator& computer, int address)
{
    computer.setFault(Fault::BootIgnoreFrame, address, 1);
    QByteArray image = firmware();
    bool blocksSent = false;
    QCOMPARE(thrownText([&] { VARN_eeprom::upgrade(computer.portPath(), bytes(image), image.size(), &blocksSent); }),
             QString::asprintf("Bad checksum at 0x%06X", address));
    QVERIFY(blocksSent);
    QVERIFY(computer.inBootLoader());
    computer.clearRecords();
}

// The console's last line each time it changed.
class ConsoleLines : public QObject {
public:
    explicit ConsoleLines(QTextEdit* console) : console(console)
    {
        connect(console, &QTextEdit::textChanged, this, [this] {
            const QString line = this->console->document()->lastBlock().text();
            lines << line;
            if (line == "  50%") {
                overwriteHalfway = this->console->overwriteMode();
                // The user clicks into the first line.
                this->console->moveCursor(QTextCursor::Start);
            }
        });
    }
    QTextEdit* console;
    QStringList lines;
    bool overwriteHalfway = false;
};

} // namespace

class TestFirmwareUpgrade : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void completeUpgrade();
    void withoutConsole();
    void syncAtThirdTry();
    void neverSyncs();
    void frameFaults_data();
    void frameFaults();
    void cutOffUpgradeFinished_data();
    void cutOffUpgradeFinished();
    void lateSecondSyncAnswer();
    void strayByteBeforeFrame();
    void tricklingBootLoader();
    void eventsDuringBlocks();
    void windowTimeIsNotTheBootLoaders();
    void progressAfterConsoleCleared();
    void plainLinesAfterUpgrade();
    void lineDeadAtStart();
    void lineDeadWhileSyncing();
    void wrongSize_data();
    void wrongSize();
    void missingPort();

private:
    const double shortPauses = 0.01;
};

void TestFirmwareUpgrade::initTestCase()
{
    SerialPort::pauseScale = shortPauses;
}

void TestFirmwareUpgrade::cleanup()
{
    DeviceConsole::setConsole(nullptr);
}

void TestFirmwareUpgrade::completeUpgrade()
{
    ScaledPauses pauses(1.0);
    DiveComputerEmulator computer;
    QTextEdit console;
    console.append("Starting VARN upgrade...");
    DeviceConsole::setConsole(&console);
    ConsoleLines seen(&console);

    const QByteArray original = firmware();
    QVERIFY(original.count('\xC1') > 100);
    QByteArray image = original;
    const int descriptors = openDescriptors();
    WindowGaps window;
    VARN_eeprom::upgrade(computer.portPath(), bytes(image), image.size());
    QCOMPARE(openDescriptors(), descriptors);
    // The window is served in the pauses of the sync and the blocks too.
    QVERIFY2(window.longest() <= 250, qPrintable(QString("%1 ms").arg(window.longest())));

    const QByteArray expected = patched(original);
    QCOMPARE(image, expected);
    QCOMPARE(computer.programMemory(), expected);
    QCOMPARE(computer.commands(), QByteArray("\xC1\xC1"));
    QVERIFY(!computer.inBootLoader());

    // Blocks 64, 128, ... 0x17F00 in order, block 0 last; each frame adds up to 0.
    const QVector<QByteArray> frames = computer.bootFrames();
    QCOMPARE(frames.size(), 1533);
    for (int i = 0; i < frames.size(); ++i) {
        const int address = i < 1532 ? 64 * (i + 1) : 0;
        const QByteArray& frame = frames[i];
        QCOMPARE(frame.size(), 69);
        QCOMPARE(frame.left(4),
                 QByteArray(1, char(address >> 16)) + char((address >> 8) & 0xFF) + char(address & 0xFF) + '\x40');
        QCOMPARE(frame.mid(4, 64), expected.mid(address, 64));
        unsigned char sum = 0;
        for (char c : frame)
            sum += (unsigned char)c;
        QCOMPARE(int(sum), 0);
    }
    QCOMPARE(frames[1531].left(4), QByteArray("\x01\x7F\x00\x40", 4));
    QCOMPARE(frames[1532].left(4), QByteArray("\x00\x00\x00\x40", 4));

    QStringList changes(waiting(1));
    for (int p = 0; p <= 100; ++p)
        changes << QString("  %1%").arg(p);
    QCOMPARE(seen.lines, changes);
    QCOMPARE(console.toPlainText(), "Starting VARN upgrade...\n" + waiting(1) + "\n  100%");
    QVERIFY(seen.overwriteHalfway);
    QVERIFY(!console.overwriteMode());
}

void TestFirmwareUpgrade::withoutConsole()
{
    DiveComputerEmulator computer;
    QByteArray image = firmware();
    VARN_eeprom::upgrade(computer.portPath(), bytes(image), image.size());
    QCOMPARE(computer.programMemory(), patched(firmware()));
}

void TestFirmwareUpgrade::syncAtThirdTry()
{
    DiveComputerEmulator computer;
    computer.setFault(Fault::BootSyncAtTry, 3);
    QByteArray image = firmware();
    VARN_eeprom::upgrade(computer.portPath(), bytes(image), image.size());
    QCOMPARE(computer.commands(), QByteArray(4, '\xC1'));
    QCOMPARE(computer.programMemory(), patched(firmware()));
}

void TestFirmwareUpgrade::neverSyncs()
{
    DiveComputerEmulator computer;
    computer.setFault(Fault::BootNeverSyncs);
    QTextEdit console;
    DeviceConsole::setConsole(&console);
    ConsoleLines seen(&console);
    QByteArray image = firmware();
    const int descriptors = openDescriptors();
    bool blocksSent = true;
    QCOMPARE(thrownText([&] { VARN_eeprom::upgrade(computer.portPath(), bytes(image), image.size(), &blocksSent); }),
             QString("Cannot sync firmware upgrade"));
    QCOMPARE(openDescriptors(), descriptors);
    QVERIFY(!blocksSent);
    // The first sync and a hundred tries.
    QCOMPARE(computer.commands(), QByteArray(101, '\xC1'));
    QVERIFY(computer.bootFrames().isEmpty());
    // One line, counting the tries.
    QStringList tries;
    for (int attempt = 1; attempt <= 100; ++attempt)
        tries << waiting(attempt);
    QCOMPARE(seen.lines, tries);
    QCOMPARE(console.toPlainText(), waiting(100));
}

void TestFirmwareUpgrade::frameFaults_data()
{
    QTest::addColumn<Fault>("fault");
    QTest::addColumn<int>("address");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("progress");
    QTest::newRow("first block rejected") << Fault::BootRejectFrame << 0x40 << "Bad checksum at 0x000040" << "  0%";
    QTest::newRow("block 0x1000 rejected") << Fault::BootRejectFrame << 0x1000 << "Bad checksum at 0x001000"
                                           << "  4%";
    QTest::newRow("block 0 rejected") << Fault::BootRejectFrame << 0 << "Bad checksum at 0x000000" << "  99%";
    QTest::newRow("last ascending block ignored") << Fault::BootIgnoreFrame << 0x17F00 << "Bad checksum at 0x017F00"
                                                  << "  99%";
    QTest::newRow("hung up after block 0x10000") << Fault::BootHangUp << 0x10000 << "Bad checksum at 0x010000"
                                                 << "  66%";
}

void TestFirmwareUpgrade::frameFaults()
{
    QFETCH(Fault, fault);
    QFETCH(int, address);
    QFETCH(QString, text);
    QFETCH(QString, progress);
    DiveComputerEmulator computer;
    computer.setFault(fault, address);
    QTextEdit console;
    DeviceConsole::setConsole(&console);
    QByteArray image = firmware();
    const int descriptors = openDescriptors();
    bool blocksSent = false;
    QCOMPARE(thrownText([&] { VARN_eeprom::upgrade(computer.portPath(), bytes(image), image.size(), &blocksSent); }),
             text);
    QCOMPARE(openDescriptors() + (fault == Fault::BootHangUp ? 1 : 0), descriptors);
    QVERIFY(blocksSent);
    QCOMPARE(console.toPlainText(), waiting(1) + "\n" + progress);
    QVERIFY(!console.overwriteMode());
    // Nothing was sent after the failed block.
    const QVector<QByteArray> frames = computer.bootFrames();
    const QByteArray last = frames.last();
    QCOMPARE((uchar(last[0]) << 16) | (uchar(last[1]) << 8) | uchar(last[2]), address);
    QCOMPARE(frames.size(), address ? address / 64 : 1533);
}

void TestFirmwareUpgrade::cutOffUpgradeFinished_data()
{
    QTest::addColumn<int>("address");
    QTest::newRow("at the first block") << 0x40;
    QTest::newRow("at block 0x1000") << 0x1000;
    QTest::newRow("at the last ascending block") << 0x17F00;
    QTest::newRow("at block 0") << 0;
}

// The computer answers the first sync of the next upgrade with "WK" as well: the second "WK"
// is no answer to the first block, and the upgrade writes the whole image.
void TestFirmwareUpgrade::cutOffUpgradeFinished()
{
    QFETCH(int, address);
    DiveComputerEmulator computer;
    cutOff(computer, address);

    QByteArray image = firmware();
    QCOMPARE(thrownText([&] { VARN_eeprom::upgrade(computer.portPath(), bytes(image), image.size()); }), QString());
    QCOMPARE(computer.commands(), QByteArray("\xC1\xC1"));
    QCOMPARE(computer.bootFrames().size(), 1533);
    QCOMPARE(computer.programMemory(), patched(firmware()));
    QVERIFY(!computer.inBootLoader());
}

// The waiting boot loader's answer to the first sync arrives after the answer to the second.
void TestFirmwareUpgrade::lateSecondSyncAnswer()
{
    DiveComputerEmulator computer;
    cutOff(computer, 0x1000);
    // Both sync answers, "WK" and "WK", come a byte every 25 ms: the second is still on its way
    // when the first has been read.
    computer.setFault(Fault::BootTrickle, 25, 2);
    QByteArray image = firmware();
    QCOMPARE(thrownText([&] { VARN_eeprom::upgrade(computer.portPath(), bytes(image), image.size()); }), QString());
    QCOMPARE(computer.bootFrames().size(), 1533);
    QCOMPARE(computer.programMemory(), patched(firmware()));
}

void TestFirmwareUpgrade::strayByteBeforeFrame()
{
    DiveComputerEmulator computer;
    computer.setFault(Fault::BootSurplus, 0x1000);
    QByteArray image = firmware();
    QCOMPARE(thrownText([&] { VARN_eeprom::upgrade(computer.portPath(), bytes(image), image.size()); }), QString());
    QCOMPARE(computer.bootFrames().size(), 1533);
    QCOMPARE(computer.programMemory(), patched(firmware()));
}

// Each answer comes just inside the read timeout: written to its end, the image would take more
// than five minutes. The blocks have a deadline from their number instead, and the computer is
// never told to restart into a half-written program.
void TestFirmwareUpgrade::tricklingBootLoader()
{
    DiveComputerEmulator computer;
    const int trickle = 100;
    computer.setFault(Fault::BootTrickle, trickle);
    QTextEdit console;
    DeviceConsole::setConsole(&console);
    QByteArray image = firmware();
    QElapsedTimer clock;
    clock.start();
    bool blocksSent = false;
    const QString text =
        thrownText([&] { VARN_eeprom::upgrade(computer.portPath(), bytes(image), image.size(), &blocksSent); });
    const qint64 elapsed = clock.elapsed();

    const QVector<QByteArray> frames = computer.bootFrames();
    QVERIFY(!frames.isEmpty());
    const QByteArray last = frames.last();
    const int address = (uchar(last[0]) << 16) | (uchar(last[1]) << 8) | uchar(last[2]);
    QCOMPARE(text, QString::asprintf("Bad checksum at 0x%06X", address));
    QVERIFY(blocksSent);
    QVERIFY2(frames.size() < 400, qPrintable(QString::number(frames.size())));
    QVERIFY(address != 0);
    QVERIFY(computer.inBootLoader());
    // The answers alone would have taken this long.
    QVERIFY2(elapsed < 1533 * trickle / 4, qPrintable(QString::number(elapsed)));
    QCOMPARE(console.document()->lastBlock().text(), QString("  %1%").arg(address * 100 / SIZE));
}

// A timer that comes due while the blocks are written runs before the next block: a slow boot
// loader takes seconds for one percent, and the window must not stand still meanwhile.
void TestFirmwareUpgrade::eventsDuringBlocks()
{
    DiveComputerEmulator computer;
    QTextEdit console;
    DeviceConsole::setConsole(&console);
    int framesWhenFired = -1;
    bool started = false;
    connect(&console, &QTextEdit::textChanged, this, [&] {
        if (!started && console.document()->lastBlock().text() == "  0%") {
            started = true;
            QTimer::singleShot(0, this, [&] { framesWhenFired = computer.bootFrames().size(); });
        }
    });
    QByteArray image = firmware();
    QCOMPARE(thrownText([&] { VARN_eeprom::upgrade(computer.portPath(), bytes(image), image.size()); }), QString());
    QVERIFY(started);
    QCOMPARE(framesWhenFired, 0);
    QCOMPARE(computer.programMemory(), patched(firmware()));
}

// A message box that the diver leaves open halfway holds the upgrade, but its time does not
// count against the boot loader: the upgrade goes on when the box is closed.
void TestFirmwareUpgrade::windowTimeIsNotTheBootLoaders()
{
    // About 2 s for the blocks, which take well under 1 s at these pauses.
    ScaledDeadlines deadlines(0.2);
    DiveComputerEmulator computer;
    QTextEdit console;
    DeviceConsole::setConsole(&console);
    bool held = false;
    connect(&console, &QTextEdit::textChanged, this, [&] {
        if (!held && console.document()->lastBlock().text() == "  50%") {
            held = true;
            QTimer::singleShot(0, this, [] { QThread::msleep(2500); });
        }
    });
    QByteArray image = firmware();
    QCOMPARE(thrownText([&] { VARN_eeprom::upgrade(computer.portPath(), bytes(image), image.size()); }), QString());
    QVERIFY(held);
    QCOMPARE(computer.programMemory(), patched(firmware()));
}

// Someone clears the Console halfway and writes a line of his own: the percentage goes on in a
// new line and never over his.
void TestFirmwareUpgrade::progressAfterConsoleCleared()
{
    DiveComputerEmulator computer;
    QTextEdit console;
    DeviceConsole::setConsole(&console);
    bool cleared = false;
    connect(&console, &QTextEdit::textChanged, this, [&] {
        if (!cleared && console.document()->lastBlock().text() == "  50%") {
            cleared = true;
            QTimer::singleShot(0, this, [&] {
                console.clear();
                console.append("CNS = 22%");
            });
        }
    });
    QByteArray image = firmware();
    QCOMPARE(thrownText([&] { VARN_eeprom::upgrade(computer.portPath(), bytes(image), image.size()); }), QString());
    QVERIFY(cleared);
    QCOMPARE(console.toPlainText(), QString("CNS = 22%\n  100%"));
}

// A refusal in italics came while the percentage went on: a plain line appended after the
// upgrade is plain.
void TestFirmwareUpgrade::plainLinesAfterUpgrade()
{
    DiveComputerEmulator computer;
    QTextEdit console;
    DeviceConsole::setConsole(&console);
    bool refused = false;
    connect(&console, &QTextEdit::textChanged, this, [&] {
        if (!refused && console.document()->lastBlock().text() == "  50%") {
            refused = true;
            QTimer::singleShot(0, this, [&] { console.append("<i>The dive computer is busy</i>"); });
        }
    });
    QByteArray image = firmware();
    QCOMPARE(thrownText([&] { VARN_eeprom::upgrade(computer.portPath(), bytes(image), image.size()); }), QString());
    QVERIFY(refused);
    console.append("CNS = 22%");
    QCOMPARE(console.toPlainText(), waiting(1) + "\n  100%\nThe dive computer is busy\nCNS = 22%");
    QVERIFY(!console.document()->lastBlock().begin().fragment().charFormat().fontItalic());
}

void TestFirmwareUpgrade::lineDeadAtStart()
{
    DiveComputerEmulator computer;
    // The cable is pulled while events are processed just after the port was opened.
    QTimer::singleShot(0, [&] { computer.hangUp(); });
    QByteArray image = firmware();
    const int descriptors = openDescriptors();
    QCOMPARE(thrownText([&] { VARN_eeprom::upgrade(computer.portPath(), bytes(image), image.size()); }),
             QString("Cannot start firmware upgrade"));
    QCOMPARE(openDescriptors(), descriptors - 1);
    QVERIFY(computer.received().isEmpty());
}

void TestFirmwareUpgrade::lineDeadWhileSyncing()
{
    // Real pauses: the cable is pulled during the half second after the first sync byte.
    ScaledPauses pauses(1.0);
    DiveComputerEmulator computer;
    const int descriptors = openDescriptors();
    QThread* cable = QThread::create([&] {
        while (computer.received().isEmpty())
            QThread::msleep(1);
        computer.hangUp();
    });
    cable->start();
    QByteArray image = firmware();
    const QString text = thrownText([&] { VARN_eeprom::upgrade(computer.portPath(), bytes(image), image.size()); });
    cable->wait();
    delete cable;
    QCOMPARE(text, QString("Write failed"));
    QCOMPARE(openDescriptors(), descriptors - 1);
    QCOMPARE(computer.received(), QByteArray("\xC1"));
}

void TestFirmwareUpgrade::wrongSize_data()
{
    QTest::addColumn<int>("size");
    QTest::newRow("empty") << 0;
    QTest::newRow("one byte short") << SIZE - 1;
    QTest::newRow("one byte over") << SIZE + 1;
}

void TestFirmwareUpgrade::wrongSize()
{
    QFETCH(int, size);
    DiveComputerEmulator computer;
    QByteArray image = firmware() + QByteArray(8, '\x11');
    const QByteArray before = image;
    QCOMPARE(thrownText([&] { VARN_eeprom::upgrade(computer.portPath(), bytes(image), size); }),
             QString("Firmware image is not 98112 bytes long"));
    QCOMPARE(image, before);
    QVERIFY(computer.received().isEmpty());
}

void TestFirmwareUpgrade::missingPort()
{
    QByteArray image = firmware();
    bool blocksSent = true;
    QCOMPARE(thrownText([&] { VARN_eeprom::upgrade("/dev/varn-missing", bytes(image), image.size(), &blocksSent); }),
             QString("Unable to open port"));
    QVERIFY(!blocksSent);
    // Patched before the port was opened.
    QCOMPARE(image, patched(firmware()));
}

QTEST_MAIN(TestFirmwareUpgrade)
#include "tst_firmwareupgrade.moc"
