#include "DiveComputerEmulator.h"
#include "VARN_eeprom.h"
#include "devicetest.h"
#include "testutil.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <QTimer>
#include <QtTest>

using Fault = DiveComputerEmulator::Fault;
Q_DECLARE_METATYPE(DiveComputerEmulator::Fault)

namespace {

const int WIDTH = 320;
const int HEIGHT = 240;

quint16 rgb565(const QImage& screen, int x, int y)
{
    return reinterpret_cast<const quint16*>(screen.constScanLine(y))[x];
}

// What the display shows for a 16-bit colour: each component scaled to 0..255, rounded down.
QRgb shown(quint16 colour)
{
    return qRgb((colour >> 11) * 255 / 31, ((colour >> 5) & 0x3F) * 255 / 63, (colour & 0x1F) * 255 / 31);
}

// A display with long and short runs of black, white and colours: the bottom rows end the
// columns in white (x < 100), in a colour (x < 200) and in black (the rest).
QImage testScreen()
{
    QImage screen(WIDTH, HEIGHT, QImage::Format_RGB16);
    screen.fill(Qt::black);
    QPainter painter(&screen);
    painter.fillRect(10, 20, 60, 100, Qt::white);
    painter.fillRect(80, 0, 40, 240, QColor(255, 0, 0));
    painter.fillRect(130, 30, 30, 80, QColor(0, 0, 255));
    painter.fillRect(0, 200, 100, 40, Qt::white);
    painter.fillRect(100, 180, 100, 60, QColor(0, 255, 0));
    painter.end();
    // A gradient of distinct colours: runs of one pixel.
    for (int x = 220; x < 300; ++x)
        for (int y = 40; y < 140; ++y)
            reinterpret_cast<quint16*>(screen.scanLine(y))[x] = quint16((x * 613 + y * 97) | 0x0821);
    return screen;
}

// A stream whose every column is white, each one sent as more white than fits.
QByteArray whiteColumns(int columns)
{
    return QByteArray(4 * columns, '\xFF');
}

} // namespace

class TestClockScreen : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void clockBytes_data();
    void clockBytes();
    void clockOnDeadLine();
    void clockPause();
    void screenDump();
    void screenColours_data();
    void screenColours();
    void screenStreams_data();
    void screenStreams();
    void screenDumpFailures_data();
    void screenDumpFailures();
    void staleBytesBeforeScreenDump();
    void tricklingScreen();
    void windowServed_data();
    void windowServed();
};

void TestClockScreen::initTestCase()
{
    SerialPort::pauseScale = 0.05;
}

void TestClockScreen::clockBytes_data()
{
    QTest::addColumn<QDateTime>("when");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("8 Dec 2026 23:54:55") << QDateTime(QDate(2026, 12, 8), QTime(23, 54, 55))
                                         << QByteArray("\x62\x17\x36\x37\x0C\x08\x1A", 7);
    QTest::newRow("1 Jan 2000 midnight") << QDateTime(QDate(2000, 1, 1), QTime(0, 0, 0))
                                         << QByteArray("\x62\x00\x00\x00\x01\x01\x00", 7);
    QTest::newRow("31 Jul 2099 09:05:07") << QDateTime(QDate(2099, 7, 31), QTime(9, 5, 7))
                                          << QByteArray("\x62\x09\x05\x07\x07\x1F\x63", 7);
}

void TestClockScreen::clockBytes()
{
    QFETCH(QDateTime, when);
    QFETCH(QByteArray, bytes);
    DiveComputerEmulator computer;
    const int descriptors = openDescriptors();
    VARN_eeprom::setDateTime(computer.portPath(), when);
    QCOMPARE(openDescriptors(), descriptors);
    QCOMPARE(computer.received(), bytes);
    QCOMPARE(computer.commands(), QByteArray("b"));
    QCOMPARE(computer.clockBytes(), bytes.mid(1));
}

void TestClockScreen::clockOnDeadLine()
{
    DiveComputerEmulator computer;
    // The cable is pulled just after the port was opened, while events are processed.
    QTimer::singleShot(0, [&] { computer.hangUp(); });
    const int descriptors = openDescriptors();
    QCOMPARE(thrownText([&] { VARN_eeprom::setDateTime(computer.portPath(), QDateTime::currentDateTime()); }),
             QString("Sync failed"));
    // Less the computer's own end of the line.
    QCOMPARE(openDescriptors(), descriptors - 1);
}

void TestClockScreen::clockPause()
{
    ScaledPauses real(1.0);
    DiveComputerEmulator computer;
    // While the clock processes events after opening the port: the emulator is then quick to
    // note the command.
    QTimer::singleShot(0, [&] { computer.waitForHost(); });
    VARN_eeprom::setDateTime(computer.portPath(), QDateTime(QDate(2026, 12, 8), QTime(23, 54, 55)));
    const QVector<qint64> at = computer.receivedTimes();
    QCOMPARE(computer.received().size(), 7);
    QCOMPARE(at.size(), 7);
    // 5 ms between the command and the clock bytes. The emulator's thread may be late in noting
    // the command, by milliseconds on a busy machine; without the pause the bytes come together.
    QVERIFY2(at[1] - at[0] >= 2500, qPrintable(QString("%1 us").arg(at[1] - at[0])));
}

void TestClockScreen::screenDump()
{
    DiveComputerEmulator computer;
    const QImage source = testScreen();
    computer.setScreen(source);
    VARN_eeprom image;
    const int descriptors = openDescriptors();
    const QImage screen = image.dumpScreen(computer.portPath());
    QCOMPARE(openDescriptors(), descriptors);
    QCOMPARE(screen.size(), QSize(WIDTH, HEIGHT));
    QCOMPARE(screen.format(), QImage::Format_RGB32);
    for (int x = 0; x < WIDTH; ++x)
        for (int y = 0; y < HEIGHT; ++y)
            if (screen.pixel(x, y) != shown(rgb565(source, x, y)))
                QFAIL(qPrintable(QString("pixel %1,%2 is %3, not %4")
                                     .arg(x)
                                     .arg(y)
                                     .arg(screen.pixel(x, y), 8, 16)
                                     .arg(shown(rgb565(source, x, y)), 8, 16)));
    QCOMPARE(computer.commands(), QByteArray("l"));

    // The stream did send runs reaching past their column, of each kind.
    const QByteArray stream = DiveComputerEmulator::encodeScreen(source);
    QVERIFY(stream.count('\xFF') >= 50);
    QVERIFY(stream.count('\xBF') >= 50);
    QVERIFY(stream.count('\x7F') >= 60);
}

void TestClockScreen::screenColours_data()
{
    QTest::addColumn<int>("colour");
    QTest::addColumn<int>("red");
    QTest::addColumn<int>("green");
    QTest::addColumn<int>("blue");
    QTest::newRow("pure red") << 0xF800 << 255 << 0 << 0;
    QTest::newRow("pure green") << 0x07E0 << 0 << 255 << 0;
    QTest::newRow("pure blue") << 0x001F << 0 << 0 << 255;
    QTest::newRow("middle grey") << 0x8410 << 131 << 129 << 131;
    QTest::newRow("least of each") << 0x0821 << 8 << 4 << 8;
    QTest::newRow("white as a colour") << 0xFFFF << 255 << 255 << 255;
    QTest::newRow("black as a colour") << 0x0000 << 0 << 0 << 0;
}

void TestClockScreen::screenColours()
{
    QFETCH(int, colour);
    QFETCH(int, red);
    QFETCH(int, green);
    QFETCH(int, blue);
    DiveComputerEmulator computer;
    // Column 0: the colour over the whole column, sent as four colour runs of 64; then white.
    QByteArray stream;
    for (int run = 0; run < 4; ++run)
        stream += QByteArray("\xBF", 1) + char(colour >> 8) + char(colour & 0xFF);
    computer.setScreenStream(stream + whiteColumns(WIDTH - 1));
    const QImage screen = VARN_eeprom().dumpScreen(computer.portPath());
    QCOMPARE(screen.pixel(0, 0), qRgb(red, green, blue));
    QCOMPARE(screen.pixel(0, 239), qRgb(red, green, blue));
    QCOMPARE(screen.pixel(1, 0), qRgb(255, 255, 255));
}

void TestClockScreen::screenStreams_data()
{
    QTest::addColumn<QByteArray>("stream");
    // Column x, from y = 0 down: runs of (length, colour).
    QTest::addColumn<QVector<QVector<QPair<int, QRgb>>>>("columns");
    const QRgb black = qRgb(0, 0, 0);
    const QRgb white = qRgb(255, 255, 255);
    const QRgb red = qRgb(255, 0, 0);
    QTest::newRow("128 and 112 black") << QByteArray("\x7F\x6F", 2) + whiteColumns(WIDTH - 1)
                                       << QVector<QVector<QPair<int, QRgb>>>{{{240, black}}, {{240, white}}};
    QTest::newRow("six red") << QByteArray("\x85\xF8\x00\x7F\x69", 5) + whiteColumns(WIDTH - 1)
                             << QVector<QVector<QPair<int, QRgb>>>{{{6, red}, {234, black}}, {{240, white}}};
    QTest::newRow("white past the column")
        << QByteArray("\x7F\x65\xFF\x85\xF8\x00\xFF\xFF\xFF\xFF", 10) + whiteColumns(WIDTH - 2)
        << QVector<QVector<QPair<int, QRgb>>>{{{230, black}, {10, white}}, {{6, red}, {234, white}},
                                              {{240, white}}};
    QTest::newRow("64 white, then black") << QByteArray("\xFF\x7F\x2F", 3) + whiteColumns(WIDTH - 1)
                                          << QVector<QVector<QPair<int, QRgb>>>{{{64, white}, {176, black}},
                                                                                {{240, white}}};
    QTest::newRow("black past the column") << QByteArray("\xC0\x7F\x7F\xC4", 4) + whiteColumns(WIDTH - 1)
                                           << QVector<QVector<QPair<int, QRgb>>>{{{1, white}, {239, black}},
                                                                                 {{240, white}}};
    QTest::newRow("colour past the column")
        << QByteArray("\x7F\x6E\xBF\xF8\x00\x80\x00\x1F", 8) + whiteColumns(WIDTH - 1)
        << QVector<QVector<QPair<int, QRgb>>>{{{239, black}, {1, red}}, {{1, qRgb(0, 0, 255)}, {239, white}}};
}

void TestClockScreen::screenStreams()
{
    QFETCH(QByteArray, stream);
    using Column = QVector<QPair<int, QRgb>>;
    QFETCH(QVector<Column>, columns);
    DiveComputerEmulator computer;
    computer.setScreenStream(stream);
    const QImage screen = VARN_eeprom().dumpScreen(computer.portPath());
    for (int x = 0; x < columns.size(); ++x) {
        int y = 0;
        for (const auto& run : columns[x])
            for (int i = 0; i < run.first; ++i, ++y)
                QCOMPARE(QString::number(screen.pixel(x, y), 16), QString::number(run.second, 16));
        QCOMPARE(y, HEIGHT);
    }
    for (int x = columns.size(); x < WIDTH; ++x)
        QCOMPARE(screen.pixel(x, 100), qRgb(255, 255, 255));
}

void TestClockScreen::screenDumpFailures_data()
{
    QTest::addColumn<Fault>("fault");
    QTest::addColumn<int>("parameter");
    QTest::addColumn<int>("times");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("received");
    const QString failed = "Dump screen failed";
    QTest::newRow("cut inside a column") << Fault::CutScreen << 500 << -1 << failed << QByteArray("ll");
    QTest::newRow("cut inside a colour") << Fault::CutScreen << 1 << -1 << failed << QByteArray("ll");
    QTest::newRow("cut before the last column") << Fault::CutScreen << -1 << -1 << failed << QByteArray("ll");
    QTest::newRow("cut once") << Fault::CutScreen << 500 << 1 << QString() << QByteArray("ll");
    QTest::newRow("wrong echo") << Fault::WrongEcho << 0 << -1 << failed << QByteArray("ll");
    QTest::newRow("silent") << Fault::Silent << 0 << -1 << failed << QByteArray("ll");
    QTest::newRow("garbage") << Fault::Garbage << 0 << -1 << failed << QByteArray("ll");
}

void TestClockScreen::screenDumpFailures()
{
    QFETCH(Fault, fault);
    QFETCH(int, parameter);
    QFETCH(int, times);
    QFETCH(QString, text);
    QFETCH(QByteArray, received);
    DiveComputerEmulator computer;
    const QImage source = testScreen();
    computer.setScreen(source);
    // A parameter of -1 cuts the last byte of the stream.
    if (parameter < 0)
        parameter = DiveComputerEmulator::encodeScreen(source).size() - 1;
    else if (parameter == 1)
        parameter = DiveComputerEmulator::encodeScreen(source).indexOf('\xBF') + 2;
    computer.setFault(fault, parameter, times);
    VARN_eeprom image;
    const int descriptors = openDescriptors();
    QImage screen;
    QCOMPARE(thrownText([&] { screen = image.dumpScreen(computer.portPath()); }), text);
    QCOMPARE(openDescriptors(), descriptors);
    QCOMPARE(computer.received(), received);
    if (text.isEmpty())
        QCOMPARE(screen.pixel(0, 239), shown(rgb565(source, 0, 239)));
}

void TestClockScreen::staleBytesBeforeScreenDump()
{
    DiveComputerEmulator computer;
    const QImage source = testScreen();
    computer.setScreen(source);
    // Junk reaches the line after the port was opened, before the screen is asked for.
    QTimer::singleShot(0, [&] { computer.sendUnasked(QByteArray(3, 'l')); });
    const QImage screen = VARN_eeprom().dumpScreen(computer.portPath());
    // Dropped: the junk is taken neither for the echo nor for the screen, and one attempt does.
    QCOMPARE(computer.received(), QByteArray("l"));
    for (int x = 0; x < WIDTH; ++x)
        for (int y = 0; y < HEIGHT; ++y)
            if (screen.pixel(x, y) != shown(rgb565(source, x, y)))
                QFAIL(qPrintable(QString("pixel %1,%2 differs").arg(x).arg(y)));
}

void TestClockScreen::tricklingScreen()
{
    // At a tenth of the program's deadline of 30 s.
    ScaledDeadlines deadlines(0.1);
    const qint64 deadline = 3000;
    DiveComputerEmulator computer;
    computer.setScreen(testScreen());
    // A byte every 50 ms, well inside the read timeout: the whole screen would take minutes.
    computer.setFault(Fault::Trickle, 50);
    // The window's own work while the screen comes in.
    WindowGaps window;

    const int descriptors = openDescriptors();
    QElapsedTimer elapsed;
    elapsed.start();
    QCOMPARE(thrownText([&] { VARN_eeprom().dumpScreen(computer.portPath()); }), QString("Dump screen failed"));
    const qint64 took = elapsed.elapsed();
    QCOMPARE(openDescriptors(), descriptors);
    // Out of time in the first attempt: not asked again.
    QCOMPARE(computer.received(), QByteArray("l"));
    QVERIFY2(took >= deadline, qPrintable(QString("%1 ms").arg(took)));
    QVERIFY2(took < deadline + 5000, qPrintable(QString("%1 ms").arg(took)));
    // While the screen comes in, not only once after the port was opened.
    QVERIFY2(window.longest() <= 250, qPrintable(QString("%1 ms").arg(window.longest())));
}

void TestClockScreen::windowServed_data()
{
    QTest::addColumn<bool>("clock");
    QTest::addColumn<Fault>("fault");
    QTest::addColumn<QString>("text");
    QTest::newRow("clock") << true << Fault::None << QString();
    QTest::newRow("screen dump") << false << Fault::None << QString();
    QTest::newRow("screen dump, silent computer") << false << Fault::Silent << QString("Dump screen failed");
}

// The window is served while the clock is set or the screen is read, at the real pauses,
// whatever the computer does.
void TestClockScreen::windowServed()
{
    QFETCH(bool, clock);
    QFETCH(Fault, fault);
    QFETCH(QString, text);
    ScaledPauses real(1.0);
    DiveComputerEmulator computer;
    computer.setScreen(testScreen());
    computer.setFault(fault);
    WindowGaps window;
    QCOMPARE(thrownText([&] {
                 if (clock)
                     VARN_eeprom::setDateTime(computer.portPath(), QDateTime::currentDateTime());
                 else
                     VARN_eeprom().dumpScreen(computer.portPath());
             }),
             text);
    QVERIFY2(window.longest() <= 250, qPrintable(QString("%1 ms").arg(window.longest())));
}

QTEST_MAIN(TestClockScreen)
#include "tst_clockscreen.moc"
