#include "DiveComputerEmulator.h"
#include "SerialPort.h"

#include <QThread>
#include <QtTest>

using namespace SerialPort;

// The emulated computer's records are what the tests of the device code compare against: they
// must hold every byte the host has sent by the time the host's call returns.
class TestEmulatorRecords : public QObject {
    Q_OBJECT

private slots:
    void bytesJustSent();
    void clockJustBeforeHangUp();
};

void TestEmulatorRecords::bytesJustSent()
{
    DiveComputerEmulator computer;
    const int fd = openPort(computer.portPath());
    QByteArray sent;
    for (int i = 0; i < 300; ++i) {
        // Not a command: nothing is answered, so nothing but the record shows the byte.
        QVERIFY(sendBytes(fd, "x", 1));
        sent += 'x';
        QCOMPARE(computer.received(), sent);
    }
    closePort(fd);
}

void TestEmulatorRecords::clockJustBeforeHangUp()
{
    DiveComputerEmulator computer;
    for (int i = 0; i < 100; ++i) {
        // As the clock setting sends them, then the port closed at once.
        const int fd = openPort(computer.portPath());
        const char clock[7] = {'b', char(i % 24), 30, 0, 12, 10, char(i)};
        QVERIFY(sendBytes(fd, clock, 1));
        QThread::msleep(5);
        QVERIFY(sendBytes(fd, clock + 1, 6));
        closePort(fd);
        QCOMPARE(computer.clockBytes(), QByteArray(clock + 1, 6));
        QCOMPARE(computer.commands(), QByteArray(i + 1, 'b'));
    }
}

QTEST_MAIN(TestEmulatorRecords)
#include "tst_emulatorrecords.moc"
