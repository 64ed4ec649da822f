#include "DiveComputerEmulator.h"
#include "VARN_eeprom.h"
#include "devicetest.h"
#include "diverinput.h"
#include "testutil.h"

#include <QDateTime>
#include <QDialog>
#include <QPushButton>
#include <QSpinBox>
#include <QElapsedTimer>
#include <QImage>
#include <QRandomGenerator>
#include <QThread>
#include <QTimer>
#include <QtTest>
#include <cstring>
#include <functional>

using Fault = DiveComputerEmulator::Fault;
Q_DECLARE_METATYPE(DiveComputerEmulator::Fault)

namespace {
// What is wrong with the line while the window's work is timed.
enum class Line { Silent, Talking, Trickled, LateAnswers };
// What the user asks for while a bank is being written.
enum class Input { Menu, Dialog, LongHandler, SecondUpload };
}
Q_DECLARE_METATYPE(Line)
Q_DECLARE_METATYPE(Input)

namespace {

QByteArray raw(const VARN_eeprom& image)
{
    return QByteArray(reinterpret_cast<const char*>(image.bytes()), int(sizeof(VARN_eeprom)));
}

// A dive computer's image: every byte random, then a valid serial, firmware and deco type.
VARN_eeprom computerImage(int major, int minor, quint32 seed)
{
    VARN_eeprom image;
    QRandomGenerator random(seed);
    for (size_t i = 0; i < sizeof(VARN_eeprom); ++i)
        image.bytes()[i] = ubyte(random.bounded(256));
    image.bytes()[0] = 0xE1; // serial 4321
    image.bytes()[1] = 0x10;
    image.bytes()[257] = ubyte(major);
    image.bytes()[258] = ubyte(minor);
    image.bytes()[34] = 2;
    return image;
}

// A computer whose bank 0, read in bank 1's place, still passes the image check: serial 500 and
// a reserved word of 0x0010 make firmware 1.16 of it, a computer without bank 2.
VARN_eeprom lateWakingComputer()
{
    VARN_eeprom image = computerImage(2, 30, 43);
    const ubyte lead[4] = {0xF4, 0x01, 0x10, 0x00};
    std::memcpy(image.bytes(), lead, 4);
    return image;
}

// The user's image: the defaults with every user setting changed, many of them to bytes that
// are also commands of the computer ('d', 'g', 'n', 0xC1 ...).
VARN_eeprom userImage()
{
    VARN_eeprom image;
    ubyte* b = image.bytes();
    for (int i = 0; i < 5; ++i) {
        b[6 + 4 * i] = ubyte(30 + i);  // current O2
        b[7 + 4 * i] = ubyte(10 + i);  // current He
        b[28 + i] = ubyte(6 * i);      // change depth
    }
    b[24] = 32;
    b[25] = 0xC1;
    b[26] = 103;
    b[27] = 0x0B;
    b[33] = 2;
    b[34] = 5;
    b[36] = 100;
    b[37] = 103;
    b[38] = 110;
    b[64] = 1;
    std::memcpy(b + 65, "Deep & safe", 11);
    for (int n = 0; n < 96; ++n) {
        const int at = 128 + 256 * (n / 32) + 4 * (n % 32) + 2;
        b[at] = ubyte(n % 2 ? 0xC1 : 'd' + n);
        b[at + 1] = ubyte(n);
    }
    return image;
}

// Image offsets of the user settings that an upload lays over the computer's image.
QVector<int> userOffsets()
{
    QVector<int> offsets;
    for (int i = 0; i < 5; ++i)
        offsets << 6 + 4 * i << 7 + 4 * i;
    for (int o = 24; o <= 34; ++o)
        offsets << o;
    offsets << 36 << 37 << 38;
    for (int o = 64; o <= 89; ++o)
        offsets << o;
    for (int n = 0; n < 96; ++n) {
        const int at = 128 + 256 * (n / 32) + 4 * (n % 32) + 2;
        offsets << at << at + 1;
    }
    return offsets;
}

// The computer's image once the first `banks` banks of the user's image have been written.
QByteArray written(const VARN_eeprom& computer, const VARN_eeprom& user, int banks)
{
    QByteArray expected = raw(computer);
    const QByteArray settings = raw(user);
    for (int o : userOffsets())
        if (o / 256 < banks)
            expected[o] = settings[o];
    return expected;
}

// Downloads into image (operation 0) or uploads it (1): the text thrown, empty on success.
QString transfer(int operation, VARN_eeprom& image, const QString& port)
{
    return thrownText([&] {
        if (operation == 0)
            image.download(port);
        else
            image.upload(port);
    });
}

} // namespace

class TestDeviceTransfer : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void download_data();
    void download();
    void downloadFailures_data();
    void downloadFailures();
    void downloadCheck_data();
    void downloadCheck();
    void upload_data();
    void upload();
    void uploadFailures_data();
    void uploadFailures();
    void readBackFails();
    void strayBytes_data();
    void strayBytes();
    void strayBytesInReadBack();
    void staleBytes_data();
    void staleBytes();
    void windowTimeIsNotTheComputers();
    void lateAnswers_data();
    void lateAnswers();
    void lateAnswerAfterAFailedDownload();
    void restOfACutShortAnswer_data();
    void restOfACutShortAnswer();
    void trickle_data();
    void trickle();
    void pauses();
    void portFailures_data();
    void portFailures();
    void secondOperationRefused_data();
    void secondOperationRefused();
    void windowServed_data();
    void windowServed();
    void inputDuringBankWrite_data();
    void inputDuringBankWrite();

private:
    // Pauses of the program times this; a few tests run at the real pauses.
    const double shortPauses = 0.05;
};

void TestDeviceTransfer::initTestCase()
{
    SerialPort::pauseScale = shortPauses;
}

void TestDeviceTransfer::download_data()
{
    QTest::addColumn<int>("major");
    QTest::addColumn<int>("minor");
    QTest::addColumn<bool>("defaultStart");
    QTest::addColumn<int>("silentCommands");
    QTest::addColumn<bool>("realPauses");
    QTest::newRow("2.22") << 2 << 22 << true << 0 << false;
    QTest::newRow("3.0") << 3 << 0 << true << 0 << false;
    QTest::newRow("2.21") << 2 << 21 << true << 0 << false;
    QTest::newRow("1.90") << 1 << 90 << true << 0 << false;
    QTest::newRow("2.21 over an edited image") << 2 << 21 << false << 0 << false;
    QTest::newRow("2.22, two silent attempts, real pauses") << 2 << 22 << true << 2 << true;
}

void TestDeviceTransfer::download()
{
    QFETCH(int, major);
    QFETCH(int, minor);
    QFETCH(bool, defaultStart);
    QFETCH(int, silentCommands);
    QFETCH(bool, realPauses);
    ScaledPauses pauses(realPauses ? 1.0 : shortPauses);
    DiveComputerEmulator computer;
    const VARN_eeprom device = computerImage(major, minor, 7);
    computer.setImage(device);
    if (silentCommands)
        computer.setFault(Fault::Silent, 0, silentCommands);

    VARN_eeprom image;
    if (!defaultStart)
        image = userImage();
    const QByteArray start = raw(image);
    const int descriptors = openDescriptors();
    image.download(computer.portPath());
    QCOMPARE(openDescriptors(), descriptors);

    const bool bank2 = major > 2 || (major == 2 && minor >= 22);
    QByteArray expected = raw(device);
    if (!bank2) {
        // Bank 2 stays as it was, each custom function 64..95 taking its own default word.
        expected.replace(512, 256, start.mid(512, 256));
        for (int at = 640; at < 768; at += 4) {
            expected[at + 2] = start[at];
            expected[at + 3] = start[at + 1];
        }
    }
    QCOMPARE(raw(image), expected);
    QCOMPARE(computer.received(), QByteArray(silentCommands, 'g') + (bank2 ? "gjm" : "gj"));
}

void TestDeviceTransfer::downloadFailures_data()
{
    QTest::addColumn<Fault>("fault");
    QTest::addColumn<int>("parameter");
    QTest::addColumn<int>("times");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("received");
    const QString failed = "Downloading VARN configuration";
    const QString garbled = "Downloading VARN configuration: garbled answer";
    // Ten attempts, each asking for bank 0 first.
    QTest::newRow("silent") << Fault::Silent << 0 << -1 << failed << QByteArray(10, 'g');
    // Answers, but not the banks asked for.
    QTest::newRow("garbage") << Fault::Garbage << 0 << -1 << garbled << QByteArray(10, 'g');
    QTest::newRow("short banks") << Fault::ShortBank << 255 << -1 << garbled << QByteArray(10, 'g');
    QTest::newRow("one short bank") << Fault::ShortBank << 100 << 1 << QString() << QByteArray("ggjm");
    QTest::newRow("nine silent attempts") << Fault::Silent << 0 << 9 << QString()
                                          << QByteArray(9, 'g') + "gjm";
}

void TestDeviceTransfer::downloadFailures()
{
    QFETCH(Fault, fault);
    QFETCH(int, parameter);
    QFETCH(int, times);
    QFETCH(QString, text);
    QFETCH(QByteArray, received);
    DiveComputerEmulator computer;
    const VARN_eeprom device = computerImage(2, 30, 11);
    computer.setImage(device);
    computer.setFault(fault, parameter, times);

    VARN_eeprom image = userImage();
    const QByteArray before = raw(image);
    const int descriptors = openDescriptors();
    QCOMPARE(thrownText([&] { image.download(computer.portPath()); }), text);
    QCOMPARE(openDescriptors(), descriptors);
    QCOMPARE(raw(image), text.isEmpty() ? raw(device) : before);
    QCOMPARE(computer.received(), received);
}

void TestDeviceTransfer::downloadCheck_data()
{
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("serial 99") << 0 << 99 << "EEPROM: bad serial";
    QTest::newRow("serial 10001") << 0 << 10001 << "EEPROM: bad serial";
    QTest::newRow("firmware 4") << 257 << 4 << "EEPROM: bad firmware version";
    QTest::newRow("firmware 2.100") << 258 << 100 << "EEPROM: bad firmware version";
    QTest::newRow("deco type 7") << 34 << 7 << "EEPROM: bad deco type";
}

void TestDeviceTransfer::downloadCheck()
{
    QFETCH(int, offset);
    QFETCH(int, value);
    QFETCH(QString, text);
    DiveComputerEmulator computer;
    VARN_eeprom device = computerImage(2, 22, 3);
    device.bytes()[offset] = ubyte(value & 0xFF);
    if (offset == 0)
        device.bytes()[1] = ubyte(value >> 8);
    computer.setImage(device);

    VARN_eeprom image;
    const QByteArray before = raw(image);
    const int descriptors = openDescriptors();
    QCOMPARE(thrownText([&] { image.download(computer.portPath()); }), text);
    QCOMPARE(openDescriptors(), descriptors);
    QCOMPARE(raw(image), before);
    // A received image that fails its check is not asked for again.
    QCOMPARE(computer.commands().count('g'), 1);
}

void TestDeviceTransfer::upload_data()
{
    QTest::addColumn<int>("minor");
    QTest::addColumn<bool>("realPauses");
    QTest::newRow("2.22") << 22 << false;
    QTest::newRow("2.21") << 21 << false;
    QTest::newRow("2.50, real pauses") << 50 << true;
}

void TestDeviceTransfer::upload()
{
    QFETCH(int, minor);
    QFETCH(bool, realPauses);
    ScaledPauses pauses(realPauses ? 1.0 : shortPauses);
    DiveComputerEmulator computer;
    const VARN_eeprom device = computerImage(2, minor, 5);
    computer.setImage(device);

    VARN_eeprom image = userImage();
    const VARN_eeprom user = image;
    const int descriptors = openDescriptors();
    image.upload(computer.portPath());
    QCOMPARE(openDescriptors(), descriptors);

    const bool bank2 = minor >= 22;
    const QByteArray stored = raw(computer.image());
    QCOMPARE(stored, written(device, user, bank2 ? 3 : 2));
    for (int bank = 0; bank < 3; ++bank)
        QCOMPARE(stored.mid(256 * bank, 4), raw(device).mid(256 * bank, 4));
    QCOMPARE(computer.banksWritten(), bank2 ? QVector<int>({0, 1, 2}) : QVector<int>({0, 1}));
    QCOMPARE(computer.commands(), QByteArray(bank2 ? "gjmdingjm" : "gjdigj"));

    // The image now holds what the computer holds: serial and firmware included.
    QCOMPARE(int(image.serial), 4321);
    if (bank2) {
        QCOMPARE(raw(image), stored);
    } else {
        // Bank 2 was neither written nor read back; the user's custom functions 64..95 stay.
        QCOMPARE(raw(image).left(512), stored.left(512));
        QCOMPARE(raw(image).mid(512), raw(user).mid(512));
    }
}

void TestDeviceTransfer::uploadFailures_data()
{
    QTest::addColumn<Fault>("fault");
    QTest::addColumn<int>("parameter");
    QTest::addColumn<int>("times");
    QTest::addColumn<int>("decoType");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("commands");
    QTest::addColumn<bool>("settingsSent");
    const QString writeFailed = "Uploading VARN configuration";
    QTest::newRow("wrong echo once") << Fault::WrongEcho << 0 << 1 << 5 << QString()
                                     << QByteArray("gjmddingjm") << true;
    QTest::newRow("wrong echo") << Fault::WrongEcho << 0 << -1 << 5 << writeFailed << QByteArray("gjmdd") << false;
    QTest::newRow("line dropped once") << Fault::DropLine << 100 << 1 << 5 << QString()
                                       << QByteArray("gjmddingjm") << true;
    QTest::newRow("line dropped") << Fault::DropLine << 100 << -1 << 5 << writeFailed << QByteArray("gjmdd") << true;
    QTest::newRow("line dropped at the last byte") << Fault::DropLine << 251 << -1 << 5 << writeFailed
                                                   << QByteArray("gjmdd") << true;
    // The cable pulled: the second attempt cannot open the port again.
    QTest::newRow("hung up in bank 0") << Fault::HangUpInBank << 50 << 1 << 5 << "Unable to open port"
                                       << QByteArray("gjmd") << true;
    QTest::newRow("stores another byte") << Fault::StoreDifferent << 300 << 1 << 5 << "Readback differ"
                                         << QByteArray("gjmdingjm") << true;
    QTest::newRow("stores another byte in bank 2") << Fault::StoreDifferent << 700 << 1 << 5 << "Readback differ"
                                                   << QByteArray("gjmdingjm") << true;
    QTest::newRow("silent") << Fault::Silent << 0 << -1 << 5 << "Downloading VARN configuration" << QByteArray()
                            << false;
    QTest::newRow("unusable settings") << Fault::None << 0 << 0 << 7 << "EEPROM: bad deco type"
                                       << QByteArray("gjm") << false;
}

void TestDeviceTransfer::uploadFailures()
{
    QFETCH(Fault, fault);
    QFETCH(int, parameter);
    QFETCH(int, times);
    QFETCH(int, decoType);
    QFETCH(QString, text);
    QFETCH(QByteArray, commands);
    QFETCH(bool, settingsSent);
    DiveComputerEmulator computer;
    const VARN_eeprom device = computerImage(2, 22, 9);
    computer.setImage(device);
    computer.setFault(fault, parameter, times);

    VARN_eeprom image = userImage();
    image.decoType = ubyte(decoType);
    const VARN_eeprom user = image;
    const int descriptors = openDescriptors();
    bool sent = !settingsSent;
    QCOMPARE(thrownText([&] { image.upload(computer.portPath(), &sent); }), text);
    // A computer that hung up closed its own end of the line.
    QCOMPARE(openDescriptors(), descriptors - (fault == Fault::HangUpInBank ? 1 : 0));
    QCOMPARE(sent, settingsSent);
    if (!commands.isEmpty())
        QCOMPARE(computer.commands(), commands);
    if (text.isEmpty()) {
        QCOMPARE(raw(computer.image()), written(device, user, 3));
        QCOMPARE(raw(image), raw(computer.image()));
    } else {
        QCOMPARE(raw(image), raw(user));
    }
    if (!settingsSent)
        QCOMPARE(raw(computer.image()), raw(device));
}

void TestDeviceTransfer::readBackFails()
{
    DiveComputerEmulator computer;
    const VARN_eeprom device = computerImage(2, 22, 13);
    computer.setImage(device);
    // Once the port is open for writing, the computer starts sending short banks.
    AfterCommands writing(computer, 3, [&] { computer.setFault(Fault::ShortBank, 10); });

    VARN_eeprom image = userImage();
    const VARN_eeprom user = image;
    QCOMPARE(thrownText([&] { image.upload(computer.portPath()); }),
             QString("Downloading VARN configuration: garbled answer"));
    QCOMPARE(raw(image), raw(user));
    // Written, but not confirmed.
    QCOMPARE(raw(computer.image()), written(device, user, 3));
}

void TestDeviceTransfer::strayBytes_data()
{
    QTest::addColumn<int>("minor");
    QTest::addColumn<int>("bank");
    QTest::addColumn<int>("times");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("received");
    const QString failed = "Downloading VARN configuration: garbled answer";
    // Three surplus bytes shift the banks after them, or trail the last one.
    QTest::newRow("after bank 0 of three") << 30 << 0 << -1 << failed << QByteArray("gjm").repeated(10);
    QTest::newRow("after bank 1 of three") << 30 << 1 << -1 << failed << QByteArray("gjm").repeated(10);
    QTest::newRow("after bank 2, the last") << 30 << 2 << -1 << failed << QByteArray("gjm").repeated(10);
    QTest::newRow("after bank 1 of two, the last") << 21 << 1 << -1 << failed << QByteArray("gj").repeated(10);
    QTest::newRow("after bank 1 of three, once") << 30 << 1 << 1 << QString() << QByteArray("gjmgjm");
    QTest::newRow("after bank 1 of two, once") << 21 << 1 << 1 << QString() << QByteArray("gjgj");
}

void TestDeviceTransfer::strayBytes()
{
    QFETCH(int, minor);
    QFETCH(int, bank);
    QFETCH(int, times);
    QFETCH(QString, text);
    QFETCH(QByteArray, received);
    DiveComputerEmulator computer;
    const VARN_eeprom device = computerImage(2, minor, 19);
    computer.setImage(device);
    computer.setFault(Fault::Surplus, bank, times);

    VARN_eeprom image;
    const QByteArray before = raw(image);
    QCOMPARE(thrownText([&] { image.download(computer.portPath()); }), text);
    QCOMPARE(computer.received(), received);
    if (!text.isEmpty()) {
        QCOMPARE(raw(image), before);
        return;
    }
    // The attempt after the stray bytes reads the image as the computer holds it.
    QCOMPARE(raw(image).left(512), raw(device).left(512));
    if (minor >= 22)
        QCOMPARE(raw(image), raw(device));
}

void TestDeviceTransfer::strayBytesInReadBack()
{
    DiveComputerEmulator computer;
    const VARN_eeprom device = computerImage(2, 30, 41);
    computer.setImage(device);
    // Once the banks are written, every bank 2 the computer sends has a tail.
    AfterCommands written(computer, 6, [&] { computer.setFault(Fault::Surplus, 2); });

    VARN_eeprom image = userImage();
    const VARN_eeprom user = image;
    QCOMPARE(thrownText([&] { image.upload(computer.portPath()); }),
             QString("Downloading VARN configuration: garbled answer"));
    QCOMPARE(raw(image), raw(user));
    QCOMPARE(computer.commands(), "gjmdin" + QByteArray("gjm").repeated(10));
}

void TestDeviceTransfer::staleBytes_data()
{
    QTest::addColumn<int>("operation");
    QTest::addColumn<int>("commandsBefore");
    QTest::addColumn<QByteArray>("commands");
    // Junk reaches the line while the operation lets the window work: after the port was opened
    // for the first read, or in the pause after bank 0 was written.
    QTest::newRow("before a download") << 0 << 0 << QByteArray("gjm");
    QTest::newRow("before an upload") << 1 << 0 << QByteArray("gjmdingjm");
    QTest::newRow("between banks written") << 1 << 4 << QByteArray("gjmdingjm");
}

void TestDeviceTransfer::staleBytes()
{
    QFETCH(int, operation);
    QFETCH(int, commandsBefore);
    QFETCH(QByteArray, commands);
    DiveComputerEmulator computer;
    const VARN_eeprom device = computerImage(2, 40, 23);
    computer.setImage(device);
    AfterCommands junk(computer, commandsBefore, [&] { computer.sendUnasked(QByteArray(5, '\xA5')); });

    VARN_eeprom image = userImage();
    const VARN_eeprom user = image;
    if (operation == 0) {
        image.download(computer.portPath());
        QCOMPARE(raw(image), raw(device));
    } else {
        image.upload(computer.portPath());
        QCOMPARE(raw(computer.image()), written(device, user, 3));
    }
    // Dropped before the next command: no attempt failed for them.
    QCOMPARE(computer.commands(), commands);
}

// The window may take its time while a download lets it work (a dialog the diver opened):
// that time is not the computer's.
void TestDeviceTransfer::windowTimeIsNotTheComputers()
{
    ScaledDeadlines deadlines(0.1);
    DiveComputerEmulator computer;
    const VARN_eeprom device = computerImage(2, 40, 37);
    computer.setImage(device);
    // Longer than the whole download may take, at a tenth of 10 s.
    QTimer::singleShot(0, [] { QThread::msleep(1500); });
    VARN_eeprom image;
    image.download(computer.portPath());
    QCOMPARE(raw(image), raw(device));
    QCOMPARE(computer.commands(), QByteArray("gjm"));
}

void TestDeviceTransfer::lateAnswers_data()
{
    QTest::addColumn<int>("operation");
    QTest::addColumn<int>("commandsBefore");
    QTest::addColumn<QVector<int>>("delays");
    // Each bank read of the download (or of the upload's first read, or of its read-back) is
    // answered that many ms late, in the order asked; an answer later than the read timeout
    // comes after its attempt has given up.
    const QVector<QVector<int>> download = {
        {420, 0, 250}, {250, 0, 250}, {350, 0, 250}, {500, 0, 250}, {600, 0, 250}, {630, 0, 250}, {600},
        {0, 600},      {0, 0, 600},   {0, 420, 0, 250}, {300, 300, 300, 300, 300}, {100, 100, 100},
        // Up to nearly 2 s late, past where the wait for a late answer once ended (0.7 s).
        {720, 0, 250}, {1900, 0, 250}, {0, 800, 0, 0, 324}, {0, 1000, 0, 300},
    };
    // The upload reads as the download does: the patterns that fooled it, for both its reads.
    const QVector<QVector<int>> firstRead = {{420, 0, 250}, {600, 0, 250}, {0, 420, 0, 250}, {0, 0, 600},
                                             {898, 0, 504, 0}};
    const QVector<QVector<int>> readBack = {{420, 0, 250}, {600, 0, 250}, {0, 420, 0, 250}, {0, 0, 600},
                                            {0, 0, 1250}};
    const char* const operations[] = {"download", "upload, first read", "upload, read-back"};
    for (int operation = 0; operation < 3; ++operation)
        for (const QVector<int>& delays : operation == 0 ? download : operation == 1 ? firstRead : readBack) {
            QStringList shown;
            for (int delay : delays)
                shown << QString::number(delay);
            QTest::addRow("%s, %s ms", operations[operation], qPrintable(shown.join(' ')))
                << operation << (operation == 2 ? 6 : 0) << delays;
        }
}

// A computer slow to wake: however late its answers come, a download returns its exact image or
// fails, and an upload leaves it holding its old image or the uploaded one, never a mixture.
void TestDeviceTransfer::lateAnswers()
{
    QFETCH(int, operation);
    QFETCH(int, commandsBefore);
    QFETCH(QVector<int>, delays);
    ScaledPauses real(1.0);
    DiveComputerEmulator computer;
    const VARN_eeprom device = lateWakingComputer();
    computer.setImage(device);
    AfterCommands late(computer, commandsBefore, [&] { computer.setReadDelays(delays); });

    VARN_eeprom image = userImage();
    const VARN_eeprom user = image;
    const int descriptors = openDescriptors();
    const QString text = transfer(operation, image, computer.portPath());
    QCOMPARE(openDescriptors(), descriptors);
    // The delays end: the attempts that follow them are answered as they should be.
    QCOMPARE(text, QString());
    if (operation == 0) {
        QCOMPARE(raw(image), raw(device));
    } else {
        QCOMPARE(raw(computer.image()), written(device, user, 3));
        QCOMPARE(raw(image), raw(computer.image()));
    }
}

// A download runs out of time while an answer is still on its way, and the diver tries again at
// once: that answer is not the new download's.
void TestDeviceTransfer::lateAnswerAfterAFailedDownload()
{
    ScaledPauses real(1.0);
    DiveComputerEmulator computer;
    const VARN_eeprom device = lateWakingComputer();
    computer.setImage(device);
    computer.setReadDelays({0, 1100, 0, 300});
    VARN_eeprom image;
    {
        ScaledDeadlines deadlines(0.1);
        QCOMPARE(thrownText([&] { image.download(computer.portPath()); }),
                 QString("Downloading VARN configuration"));
    }
    QCOMPARE(thrownText([&] { image.download(computer.portPath()); }), QString());
    QCOMPARE(raw(image), raw(device));
}

void TestDeviceTransfer::restOfACutShortAnswer_data()
{
    QTest::addColumn<int>("bank");
    QTest::addColumn<int>("cutAt");
    QTest::addColumn<int>("restAfter");
    QTest::newRow("bank 0 cut at 100, the rest 0.7 s later") << 0 << 100 << 700;
    QTest::newRow("bank 0 cut at 200, the rest 1.2 s later") << 0 << 200 << 1200;
    QTest::newRow("bank 1 cut at 10, the rest 1.9 s later") << 1 << 10 << 1900;
}

// A bank read is cut short and its rest comes long after the read has given up: the attempt
// after it does not take that rest for its own answer.
void TestDeviceTransfer::restOfACutShortAnswer()
{
    QFETCH(int, bank);
    QFETCH(int, cutAt);
    QFETCH(int, restAfter);
    ScaledPauses real(1.0);
    DiveComputerEmulator computer;
    const VARN_eeprom device = lateWakingComputer();
    computer.setImage(device);
    computer.setFault(Fault::SplitBank, cutAt, 1);
    QVector<int> delays(bank, 0);
    computer.setReadDelays(delays << restAfter);

    VARN_eeprom image;
    QCOMPARE(transfer(0, image, computer.portPath()), QString());
    QCOMPARE(raw(image), raw(device));
    // One attempt more, once the rest has come: none took it for an answer of its own.
    QCOMPARE(computer.commands(), QByteArray("gjm").left(bank + 1) + "gjm");
}

void TestDeviceTransfer::trickle_data()
{
    QTest::addColumn<int>("operation");
    QTest::addColumn<int>("commandsBefore");
    QTest::addColumn<int>("deadline");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("commands");
    const QString downloadFailed = "Downloading VARN configuration";
    // Deadlines at a tenth of the program's: 10 s for a download, 15 s for a bank written.
    QTest::newRow("download") << 0 << 0 << 1000 << downloadFailed << QByteArray("g");
    QTest::newRow("upload, first read") << 1 << 0 << 1000 << downloadFailed << QByteArray("g");
    // Out of time at bank 0: no second attempt.
    QTest::newRow("upload, bank written") << 1 << 3 << 1500 << "Uploading VARN configuration"
                                          << QByteArray("gjmd");
    QTest::newRow("upload, read-back") << 1 << 6 << 1000 << downloadFailed << QByteArray("gjmding");
}

void TestDeviceTransfer::trickle()
{
    QFETCH(int, operation);
    QFETCH(int, commandsBefore);
    QFETCH(int, deadline);
    QFETCH(QString, text);
    QFETCH(QByteArray, commands);
    ScaledDeadlines deadlines(0.1);
    DiveComputerEmulator computer;
    const VARN_eeprom device = computerImage(2, 30, 29);
    computer.setImage(device);
    // A byte every 50 ms is well inside the read timeout: a bank takes 13 s.
    AfterCommands trickling(computer, commandsBefore, [&] { computer.setFault(Fault::Trickle, 50); });

    VARN_eeprom image = userImage();
    const QByteArray before = raw(image);
    const int descriptors = openDescriptors();
    QElapsedTimer elapsed;
    elapsed.start();
    QCOMPARE(transfer(operation, image, computer.portPath()), text);
    const qint64 took = elapsed.elapsed();
    QCOMPARE(openDescriptors(), descriptors);
    QCOMPARE(raw(image), before);
    QCOMPARE(computer.commands(), commands);
    // Not before its deadline, and not long after it: what the upload did before is quick.
    QVERIFY2(took >= deadline, qPrintable(QString("%1 ms").arg(took)));
    QVERIFY2(took < deadline + 5000, qPrintable(QString("%1 ms").arg(took)));
}

void TestDeviceTransfer::pauses()
{
    ScaledPauses real(1.0);
    DiveComputerEmulator computer;
    const VARN_eeprom device = computerImage(2, 30, 31);
    computer.setImage(device);
    // The first attempt goes unanswered.
    computer.setFault(Fault::Silent, 0, 1);
    VARN_eeprom image = userImage();
    image.upload(computer.portPath());

    // The emulator notes a byte when its thread reads it, which may be a little after it came:
    // the gap before it may look shorter by that much.
    const qint64 wakeUp = 20000;
    const QByteArray received = computer.received();
    const QVector<qint64> at = computer.receivedTimes();
    QCOMPARE(received.left(4), QByteArray("ggjm"));
    QCOMPARE(at.size(), received.size());
    // Unanswered for a read timeout of 200 ms, then 200 ms before the next attempt.
    QVERIFY2(at[1] - at[0] >= 400000 - wakeUp, qPrintable(QString::number(at[1] - at[0])));
    // After each bank written, and before the read-back, one second.
    const int bank1 = received.indexOf('i', 5);
    const int bank2 = received.indexOf('n', bank1 + 253);
    const int readBack = received.lastIndexOf('g');
    QCOMPARE(bank1, 4 + 1 + 252);
    QCOMPARE(bank2, bank1 + 1 + 252);
    QCOMPARE(readBack, bank2 + 1 + 252);
    for (int command : {bank1, bank2, readBack})
        QVERIFY2(at[command] - at[command - 1] >= 1000000 - wakeUp,
                 qPrintable(QString("before %1: %2 us").arg(received[command]).arg(at[command] - at[command - 1])));
}

void TestDeviceTransfer::portFailures_data()
{
    QTest::addColumn<QString>("port");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("operation");
    const char* const names[] = {"download", "upload", "clock", "screen dump", "firmware"};
    for (int operation = 0; operation < 5; ++operation) {
        QTest::addRow("%s, missing", names[operation]) << "/dev/varn-missing" << "Unable to open port" << operation;
        QTest::addRow("%s, not a terminal", names[operation]) << "null" << "Unable to configure port" << operation;
    }
}

void TestDeviceTransfer::portFailures()
{
    QFETCH(QString, port);
    QFETCH(QString, text);
    QFETCH(int, operation);
    VARN_eeprom image = userImage();
    const QByteArray before = raw(image);
    QByteArray firmware(VARN_eeprom::FIRMWARE_SIZE, '\x5A');
    const std::function<void()> operations[] = {
        [&] { image.download(port); },
        [&] { image.upload(port); },
        [&] { VARN_eeprom::setDateTime(port, QDateTime::currentDateTime()); },
        [&] { image.dumpScreen(port); },
        [&] { VARN_eeprom::upgrade(port, reinterpret_cast<unsigned char*>(firmware.data()), firmware.size()); },
    };
    const int descriptors = openDescriptors();
    QCOMPARE(thrownText(operations[operation]), text);
    QCOMPARE(openDescriptors(), descriptors);
    QCOMPARE(raw(image), before);

    // The failed operation has ended: the next one may start.
    DiveComputerEmulator computer;
    computer.setImage(computerImage(2, 22, 1));
    image.download(computer.portPath());
    QCOMPARE(int(image.serial), 4321);
}

void TestDeviceTransfer::secondOperationRefused_data()
{
    QTest::addColumn<int>("operation");
    QTest::newRow("download") << 0;
    QTest::newRow("upload") << 1;
    QTest::newRow("clock") << 2;
    QTest::newRow("screen dump") << 3;
    QTest::newRow("firmware") << 4;
}

void TestDeviceTransfer::secondOperationRefused()
{
    QFETCH(int, operation);
    DiveComputerEmulator computer;
    const VARN_eeprom device = computerImage(2, 22, 17);
    computer.setImage(device);
    computer.setScreenStream(QByteArray(4 * 320, '\xFF'));

    VARN_eeprom other = userImage();
    const QByteArray otherBefore = raw(other);
    QByteArray firmware(VARN_eeprom::FIRMWARE_SIZE, '\x5A');
    const QByteArray firmwareBefore = firmware;
    const QString port = computer.portPath();
    const std::function<void()> operations[] = {
        [&] { other.download(port); },
        [&] { other.upload(port); },
        [&] { VARN_eeprom::setDateTime(port, QDateTime::currentDateTime()); },
        [&] { other.dumpScreen(port); },
        [&] { VARN_eeprom::upgrade(port, reinterpret_cast<unsigned char*>(firmware.data()), firmware.size()); },
    };
    // The user starts another operation while the upload processes events.
    QStringList refusals;
    QTimer::singleShot(0, [&] { refusals << thrownText(operations[operation]); });

    VARN_eeprom image = userImage();
    const VARN_eeprom user = image;
    image.upload(port);
    QCOMPARE(refusals, QStringList("The dive computer is busy"));
    QCOMPARE(computer.commands(), QByteArray("gjmdingjm"));
    QCOMPARE(raw(computer.image()), written(device, user, 3));
    QCOMPARE(raw(other), otherBefore);
    QCOMPARE(firmware, firmwareBefore);

    // Afterwards the line is free again.
    operations[operation]();
}

QTEST_MAIN(TestDeviceTransfer)
void TestDeviceTransfer::windowServed_data()
{
    QTest::addColumn<int>("operation");
    QTest::addColumn<Line>("line");
    QTest::addColumn<int>("commandsBefore");
    QTest::addColumn<double>("deadlines");
    QTest::addColumn<QString>("text");
    const QString unanswered = "Downloading VARN configuration";
    // Those that run until the deadline at a tenth of the program's: 1 s for a download, 1.5 s
    // for a bank written.
    QTest::newRow("download, silent computer") << 0 << Line::Silent << 0 << 0.1 << unanswered;
    QTest::newRow("download, another device talks on the line")
        << 0 << Line::Talking << 0 << 0.1 << unanswered + ": the line never falls silent";
    QTest::newRow("download, trickled answer") << 0 << Line::Trickled << 0 << 0.1 << unanswered;
    QTest::newRow("download, late answers") << 0 << Line::LateAnswers << 0 << 1.0 << QString();
    QTest::newRow("upload, trickled bank write")
        << 1 << Line::Trickled << 3 << 0.1 << QString("Uploading VARN configuration");
}

// The window is served while the link waits on the computer, whatever the computer does: the
// link's waits serve it every 0.1 s, and its pauses too.
void TestDeviceTransfer::windowServed()
{
    QFETCH(int, operation);
    QFETCH(Line, line);
    QFETCH(int, commandsBefore);
    QFETCH(double, deadlines);
    QFETCH(QString, text);
    ScaledPauses real(1.0);
    ScaledDeadlines scaled(deadlines);
    DiveComputerEmulator computer;
    computer.setImage(lateWakingComputer());
    AfterCommands fault(computer, commandsBefore, [&] {
        switch (line) {
        case Line::Silent:
            computer.setFault(Fault::Silent);
            break;
        case Line::Talking:
            computer.talk(5);
            break;
        case Line::Trickled:
            computer.setFault(Fault::Trickle, 50);
            break;
        case Line::LateAnswers:
            computer.setReadDelays({720, 0, 250});
            break;
        }
    });
    VARN_eeprom image = userImage();
    WindowGaps window;
    QCOMPARE(transfer(operation, image, computer.portPath()), text);
    const qint64 longest = window.longest();
    QVERIFY2(longest <= 250, qPrintable(QString("%1 ms").arg(longest)));
}

void TestDeviceTransfer::inputDuringBankWrite_data()
{
    QTest::addColumn<Input>("input");
    QTest::addColumn<int>("bank");
    QTest::newRow("a spin box's menu, bank 0") << Input::Menu << 0;
    QTest::newRow("a dialog, bank 1") << Input::Dialog << 1;
    QTest::newRow("a handler that takes 0.3 s, bank 0") << Input::LongHandler << 0;
    QTest::newRow("a second upload, last bank") << Input::SecondUpload << 2;
}

// On a slow line, where a bank takes over a second: what the user asks for in the middle of a
// bank waits until the bank has gone out whole, is then done, and the computer holds the
// uploaded image. A second upload asked for then is refused, as the first still runs.
void TestDeviceTransfer::inputDuringBankWrite()
{
    QFETCH(Input, input);
    QFETCH(int, bank);
    DiveComputerEmulator computer;
    const VARN_eeprom device = computerImage(2, 30, 31);
    computer.setImage(device);
    // The bank asked in answers a byte every 5 ms.
    AfterCommands slowLine(computer, 3 + bank, [&] { computer.setFault(Fault::Trickle, 5, 1); });

    QWidget window;
    QSpinBox spinBox(&window);
    QPushButton button(&window);
    QWidget* clicked = input == Input::Menu ? static_cast<QWidget*>(&spinBox) : &button;
    window.resize(200, 100);
    clicked->setGeometry(10, 10, 100, 30);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    // How many banks were whole when the user's request was done.
    QVector<int> doneAfter;
    QString refusal;
    VARN_eeprom image = userImage();
    QObject::connect(&button, &QPushButton::clicked, [&] {
        switch (input) {
        case Input::Dialog: {
            QDialog dialog(&window);
            dialog.exec();
            break;
        }
        case Input::LongHandler:
            doneAfter << computer.banksWritten().size();
            QThread::msleep(300);
            break;
        case Input::SecondUpload: {
            VARN_eeprom other = userImage();
            doneAfter << computer.banksWritten().size();
            refusal = transfer(1, other, computer.portPath());
            break;
        }
        case Input::Menu:
            break;
        }
    });
    // Three times as long as the computer waits for the rest of a command it has begun.
    SlowUser user(300, [&] { doneAfter << computer.banksWritten().size(); });
    // Bank b begins after the first read's three commands and the 253 bytes of each bank before.
    AfterReceived asking(computer, 3 + 253 * bank + 100,
                         [&] { queueClick(clicked, input == Input::Menu ? Qt::RightButton : Qt::LeftButton); });

    QCOMPARE(transfer(1, image, computer.portPath()), QString());
    QCOMPARE(computer.banksWritten(), QVector<int>({0, 1, 2}));
    QCOMPARE(raw(computer.image()), written(device, userImage(), 3));
    QCOMPARE(computer.commands(), QByteArray("gjmdingjm"));
    QCOMPARE(doneAfter, QVector<int>({bank + 1}));
    if (input == Input::SecondUpload)
        QCOMPARE(refusal, QString("The dive computer is busy"));
}

#include "tst_devicetransfer.moc"
