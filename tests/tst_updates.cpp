#include "DeviceConsole.h"
#include "Updates.h"
#include "devicetest.h"
#include "loopbackhttp.h"
#include "scriptedwindow.h"
#include "temporarydefaults.h"

#include <QDir>
#include <QDirIterator>
#include <QNetworkReply>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QtTest>

#include <ctime>

namespace {

const QByteArray programPath = "/updates/Updates.mac.txt";
const QByteArray firmwareTextPath = "/autofirmware/firmware.txt";
const QByteArray firmwarePath = "/autofirmware/varn2.hex";

QDateTime utc(int year, int month, int day, int hour = 12)
{
    return QDateTime(QDate(year, month, day), QTime(hour, 0), Qt::UTC);
}

QString isoDay(const QDate& day)
{
    return day.toString("yyyy-MM-dd");
}

// One Intel HEX record: count, 16-bit offset, type, data and the two's complement checksum.
QByteArray record(int type, int offset, const QByteArray& data)
{
    QByteArray bytes;
    bytes.append(char(data.size()));
    bytes.append(char(offset >> 8));
    bytes.append(char(offset & 0xFF));
    bytes.append(char(type));
    bytes.append(data);
    int sum = 0;
    for (char byte : bytes)
        sum += uchar(byte);
    bytes.append(char(-sum & 0xFF));
    return ':' + bytes.toHex().toUpper() + "\r\n";
}

QByteArray endRecord()
{
    return record(1, 0, QByteArray());
}

// A firmware file: pseudo-random program bytes at 0x0000 and past 64 KiB, below the area's end
// at 0x17F40, written in 16-byte records.
QByteArray firmwareHex(quint32 seed)
{
    QRandomGenerator generator(seed);
    QByteArray text;
    for (int offset = 0; offset < 0x120; offset += 16) {
        QByteArray data(16, 0);
        for (char& byte : data)
            byte = char(generator.bounded(256));
        text += record(0, offset, data);
    }
    text += record(4, 0, QByteArray::fromHex("0001"));
    text += record(0, 0x7F00, QByteArray::fromHex("0102030405060708090A0B0C0D0E0F10"));
    return text + endRecord();
}

} // namespace

Q_DECLARE_METATYPE(LoopbackHttp::Answer)

// The version check against a web server on loopback, through the real window and its
// defaults file, with downloads going to a temporary data folder.
class TestUpdates : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void firstCheckGivesTheProgramNotice();
    void requestsCarryTheQuery_data();
    void requestsCarryTheQuery();
    void noSecondNoticeTheSameDay();
    void laterDayNeedsAnotherDate_data();
    void laterDayNeedsAnotherDate();
    void onlyAnOkReplyCounts_data();
    void onlyAnOkReplyCounts();
    void missingLastModifiedGivesOneNotice();
    void firmwareVersionFromTheText_data();
    void firmwareVersionFromTheText();
    void firmwareFileKeptByteForByte();
    void invalidFirmwareNeitherKeptNorAnnounced_data();
    void invalidFirmwareNeitherKeptNorAnnounced();
    void secondFirmwareNoticeGivesOneFileAndOneNotice();
    void unwritableFolderReported();
    void storedVersionCheckedBeforeItNamesAFile_data();
    void storedVersionCheckedBeforeItNamesAFile();
    void silentServerAbandoned();
    void failedDownloadIsFetchedAtTheNextCheck_data();
    void failedDownloadIsFetchedAtTheNextCheck();
    void republishedFileIsNotFetchedAgain();
    void menuCheckTellsWhatCameOfIt_data();
    void menuCheckTellsWhatCameOfIt();
    void clickDuringACheckGetsItsAnswers_data();
    void clickDuringACheckGetsItsAnswers();
    void noticeWaitsForTheTransfer();

private:
    TemporaryDefaults* defaults = nullptr;
    QTemporaryDir* data = nullptr;
    LoopbackHttp* server = nullptr;
    ScriptedWindow* window = nullptr;

    QString firmwareFile(const QString& version) const
    {
        return data->path() + "/VARN Planner/firmware/varn2_" + version + ".hex";
    }
    // Every file below the data folder.
    QStringList dataFiles() const;
    // The keys the checks wrote (the server keys are the test's own, the window keeps others).
    QStringList storedKeys() const;
    QByteArray defaultsText() const;
    void serveProgram(const QDateTime& lastModified);
    void serveFirmware(const QByteArray& text, const QDateTime& textDate, const QByteArray& hex,
                       const QDateTime& hexDate);
    // Runs a check as the start-up runs it, silent, or from the Help menu, and waits until every
    // reply has been handled and every checker but the firmware downloader has gone.
    bool check();
    bool checkFromTheMenu();
    bool waitForReplies();
    // The next check comes on a later day: the days of the last notices move one day back.
    void aDayLater();
    // The Console's lines, in no set order (the two servers answer in either order).
    QStringList consoleLines() const;
};

void TestUpdates::initTestCase()
{
    // Fourteen hours ahead of UTC: a server's late evening is already tomorrow here.
    qputenv("TZ", "Pacific/Kiritimati");
    tzset();
    // A server key not read must not send a check out on the network: a closed port here.
    Updates::setDefaultServers(QUrl("http://127.0.0.1:1"), QUrl("http://127.0.0.1:1"));
}

void TestUpdates::init()
{
    defaults = new TemporaryDefaults;
    QVERIFY(defaults->isValid());
    // Marks in the folder's name show whether paths reach the Console as text.
    data = new QTemporaryDir(QDir::tempPath() + "/varn data <&>-XXXXXX");
    QVERIFY(data->isValid());
    qputenv("XDG_DATA_HOME", data->path().toLocal8Bit());
    server = new LoopbackHttp;
    QVERIFY(server->isListening());
    settings->setValue("Updates/programServer", server->base());
    settings->setValue("Updates/firmwareServer", server->base());
    window = new ScriptedWindow;
}

void TestUpdates::cleanup()
{
    delete window;
    window = nullptr;
    delete server;
    server = nullptr;
    delete data;
    data = nullptr;
    delete defaults;
    defaults = nullptr;
}

QStringList TestUpdates::dataFiles() const
{
    QStringList files;
    QDirIterator it(data->path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << it.next().mid(data->path().size());
    return files;
}

QStringList TestUpdates::storedKeys() const
{
    QStringList keys = settings->allKeys().filter(QRegularExpression("^Updates/"));
    keys.removeAll("Updates/programServer");
    keys.removeAll("Updates/firmwareServer");
    return keys;
}

QByteArray TestUpdates::defaultsText() const
{
    settings->sync();
    QFile file(defaults->filePath("defaults.ini"));
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

void TestUpdates::serveProgram(const QDateTime& lastModified)
{
    server->answers[programPath] = {200, "VARN Planner 451\n", lastModified, {}, false};
}

void TestUpdates::serveFirmware(const QByteArray& text, const QDateTime& textDate, const QByteArray& hex,
                                const QDateTime& hexDate)
{
    server->answers[firmwareTextPath] = {200, text, textDate, {}, false};
    server->answers[firmwarePath] = {200, hex, hexDate, {}, false};
}

bool TestUpdates::check()
{
    window->checkUpdates(false);
    return waitForReplies();
}

bool TestUpdates::checkFromTheMenu()
{
    window->checkUpdatesAction->trigger();
    return waitForReplies();
}

void TestUpdates::aDayLater()
{
    const QString yesterday = isoDay(QDate::currentDate().addDays(-1));
    for (const QString& key : storedKeys())
        if (key.endsWith("/asked"))
            settings->setValue(key, yesterday);
}

QStringList TestUpdates::consoleLines() const
{
    QStringList lines = window->textEdit->toPlainText().split('\n', Qt::SkipEmptyParts);
    lines.sort();
    return lines;
}

bool TestUpdates::waitForReplies()
{
    return QTest::qWaitFor(
        [this] {
            for (Updates* checker : window->findChildren<Updates*>())
                if (checker != window->firmwareDownloader)
                    return false;
            return window->findChildren<QNetworkReply*>().isEmpty();
        },
        10000);
}

void TestUpdates::firstCheckGivesTheProgramNotice()
{
    serveProgram(utc(2024, 3, 5, 23));
    QVERIFY(check());

    QCOMPARE(window->messages.size(), 1);
    QCOMPARE(window->messages[0].icon, QMessageBox::Information);
    QCOMPARE(window->messages[0].title, QString("New version..."));
    QCOMPARE(window->messages[0].text,
             "A new version of <i>VARN Planner</i> is available. Please consider upgrading from the website:"
             "<br>&nbsp;&nbsp;&nbsp;<a href='"
                 + server->base() + "/wp'>127.0.0.1</a>");

    // Dates as ISO text in the file, the server's day in UTC.
    const QByteArray text = defaultsText();
    QVERIFY2(text.contains("VARN-Planner\\last=2024-03-05\n"), text.constData());
    QVERIFY2(text.contains("VARN-Planner\\asked=" + isoDay(QDate::currentDate()).toLatin1() + "\n"), text.constData());
    // The firmware text was not there: nothing of the firmware check is kept.
    QCOMPARE(storedKeys(), QStringList({"Updates/VARN-Planner/asked", "Updates/VARN-Planner/last"}));
    QCOMPARE(server->requests.size(), 2);
    QCOMPARE(window->findChildren<Updates*>().size(), 0);
}

void TestUpdates::requestsCarryTheQuery_data()
{
    QTest::addColumn<QVariant>("serial");
    QTest::addColumn<QVariant>("firmware");
    QTest::addColumn<QByteArray>("firmwareQuery");
    QTest::addColumn<QByteArray>("downloadQuery");

    QTest::newRow("no device read yet") << QVariant() << QVariant() << QByteArray("version=450&arch=mac&serial=&firmware=")
                                        << QByteArray("serial=");
    // As the configuration stores them: the serial as a number, the version as text.
    QTest::newRow("device read") << QVariant(1234) << QVariant("2.50")
                                 << QByteArray("version=450&arch=mac&serial=1234&firmware=2.50")
                                 << QByteArray("serial=1234");
    QTest::newRow("unknown serial") << QVariant(65535) << QVariant("2.5")
                                    << QByteArray("version=450&arch=mac&serial=65535&firmware=2.5")
                                    << QByteArray("serial=65535");
}

void TestUpdates::requestsCarryTheQuery()
{
    QFETCH(QVariant, serial);
    QFETCH(QVariant, firmware);
    QFETCH(QByteArray, firmwareQuery);
    QFETCH(QByteArray, downloadQuery);
    if (serial.isValid())
        settings->setValue("VARN/serial", serial);
    if (firmware.isValid())
        settings->setValue("VARN/firmware", firmware);
    serveFirmware("Firmware 2.51\n", utc(2024, 3, 5), firmwareHex(1), utc(2024, 3, 4));

    QVERIFY(check());
    QTRY_COMPARE(window->messages.size(), 1);

    // The two checks ask at once, in no set order.
    QCOMPARE(server->requests.size(), 3);
    const QList<LoopbackHttp::Request> program = server->requestsFor(programPath);
    QCOMPARE(program.size(), 1);
    QCOMPARE(program[0].method, QByteArray("GET"));
    QCOMPARE(program[0].query, QByteArray("version=450&arch=mac"));
    const QList<LoopbackHttp::Request> firmwareText = server->requestsFor(firmwareTextPath);
    QCOMPARE(firmwareText.size(), 1);
    QCOMPARE(firmwareText[0].method, QByteArray("GET"));
    QCOMPARE(firmwareText[0].query, firmwareQuery);
    const QList<LoopbackHttp::Request> download = server->requestsFor(firmwarePath);
    QCOMPARE(download.size(), 1);
    QCOMPARE(download[0].method, QByteArray("GET"));
    QCOMPARE(download[0].query, downloadQuery);
}

void TestUpdates::noSecondNoticeTheSameDay()
{
    serveProgram(utc(2024, 3, 5));
    QVERIFY(check());
    QCOMPARE(window->messages.size(), 1);

    // Published again the same day: asked, but no notice and the old date kept.
    serveProgram(utc(2024, 4, 1));
    QVERIFY(check());
    QCOMPARE(server->requestsFor(programPath).size(), 2);
    QCOMPARE(window->messages.size(), 1);
    QCOMPARE(settings->value("Updates/VARN-Planner/last").toString(), QString("2024-03-05"));
}

void TestUpdates::laterDayNeedsAnotherDate_data()
{
    QTest::addColumn<QDateTime>("published");
    QTest::addColumn<bool>("notice");

    QTest::newRow("same date") << utc(2024, 3, 5, 8) << false;
    QTest::newRow("next day") << utc(2024, 3, 6) << true;
    QTest::newRow("earlier date") << utc(2023, 12, 31) << true;
}

void TestUpdates::laterDayNeedsAnotherDate()
{
    QFETCH(QDateTime, published);
    QFETCH(bool, notice);
    const QString yesterday = isoDay(QDate::currentDate().addDays(-1));
    settings->setValue("Updates/VARN-Planner/last", "2024-03-05");
    settings->setValue("Updates/VARN-Planner/asked", yesterday);
    serveProgram(published);

    QVERIFY(check());
    QCOMPARE(window->messages.size(), notice ? 1 : 0);
    QCOMPARE(settings->value("Updates/VARN-Planner/last").toString(),
             notice ? isoDay(published.date()) : QString("2024-03-05"));
    QCOMPARE(settings->value("Updates/VARN-Planner/asked").toString(),
             notice ? isoDay(QDate::currentDate()) : yesterday);
}

void TestUpdates::onlyAnOkReplyCounts_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("moreHeaders");

    QTest::newRow("404") << 404 << QByteArray();
    QTest::newRow("500") << 500 << QByteArray();
    QTest::newRow("301") << 301 << QByteArray("Location: /moved.txt\r\n");
    QTest::newRow("203") << 203 << QByteArray();
}

void TestUpdates::onlyAnOkReplyCounts()
{
    QFETCH(int, status);
    QFETCH(QByteArray, moreHeaders);
    // Each body would be news if it were the resource.
    server->answers[programPath] = {status, "VARN Planner 451\n", utc(2024, 3, 5), moreHeaders, false};
    server->answers[firmwareTextPath] = {status, "Firmware 2.51\n", utc(2024, 3, 5), moreHeaders, false};
    server->answers[firmwarePath] = {200, firmwareHex(1), utc(2024, 3, 5), {}, false};
    server->answers["/moved.txt"] = {200, "Firmware 2.51\n", utc(2024, 3, 5), {}, false};

    QVERIFY(check());
    QCOMPARE(server->requests.size(), 2);
    QVERIFY(window->messages.isEmpty());
    QCOMPARE(storedKeys(), QStringList());
    QCOMPARE(dataFiles(), QStringList());
    QCOMPARE(window->findChildren<Updates*>().size(), 0);
}

void TestUpdates::missingLastModifiedGivesOneNotice()
{
    serveProgram(QDateTime());
    QVERIFY(check());
    QCOMPARE(window->messages.size(), 1);
    QVERIFY(defaultsText().contains("VARN-Planner\\last=\n"));

    // The empty date reads back as the same missing date: no notice on a later day.
    settings->setValue("Updates/VARN-Planner/asked", isoDay(QDate::currentDate().addDays(-1)));
    QVERIFY(check());
    QCOMPARE(server->requestsFor(programPath).size(), 2);
    QCOMPARE(window->messages.size(), 1);
}

void TestUpdates::firmwareVersionFromTheText_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("version");

    QTest::newRow("Firmware 2.51") << QByteArray("VARN2\r\nFirmware 2.51\r\nreleased\r\n") << "2.51";
    QTest::newRow("firmware   3.00") << QByteArray("current firmware   3.00 (stable)") << "3.00";
    QTest::newRow("Firmware 2.5") << QByteArray("Firmware 2.5\n") << QString();
    QTest::newRow("FIRMWARE 2.51") << QByteArray("FIRMWARE 2.51\n") << QString();
    QTest::newRow("Firmware 12.345") << QByteArray("Firmware 12.345\n") << "12.34";
    QTest::newRow("second line counts") << QByteArray("Firmware 2.5\nFirmware 2.52\n") << "2.52";
    QTest::newRow("no blank") << QByteArray("Firmware2.51\n") << QString();
}

void TestUpdates::firmwareVersionFromTheText()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, version);
    const QByteArray hex = firmwareHex(2);
    serveFirmware(text, utc(2024, 3, 5), hex, utc(2024, 3, 5));

    QVERIFY(check());
    if (version.isNull()) {
        QCOMPARE(server->requests.size(), 2);
        QVERIFY(!settings->contains("Updates/firmware/version"));
        QCOMPARE(dataFiles(), QStringList());
        // The firmware text itself was news: its dates are kept.
        QCOMPARE(settings->value("Updates/firmware/last").toString(), QString("2024-03-05"));
        return;
    }
    QTRY_COMPARE(window->messages.size(), 1);
    QCOMPARE(settings->value("Updates/firmware/version").toString(), version);
    QCOMPARE(server->requestsFor(firmwarePath).size(), 1);
    QCOMPARE(dataFiles(), QStringList("/VARN Planner/firmware/varn2_" + version + ".hex"));
    QCOMPARE(window->messages[0].title, "Firmware " + version + " available...");
}

void TestUpdates::firmwareFileKeptByteForByte()
{
    // A file of that name from before is replaced.
    QVERIFY(QDir().mkpath(data->path() + "/VARN Planner/firmware"));
    QFile old(firmwareFile("2.51"));
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write(firmwareHex(99) + firmwareHex(98));
    old.close();
    // Checking the download writes nothing into the Console, wherever it is.
    QTextEdit deviceConsole;
    DeviceConsole::setConsole(&deviceConsole);

    const QByteArray hex = firmwareHex(3);
    serveFirmware("Firmware 2.51\n", utc(2024, 3, 5), hex, utc(2024, 2, 20));
    QVERIFY(check());
    QTRY_COMPARE(window->messages.size(), 1);

    QCOMPARE(window->messages[0].icon, QMessageBox::Information);
    QCOMPARE(window->messages[0].title, QString("Firmware 2.51 available..."));
    QCOMPARE(window->messages[0].text,
             QString("Version 2.51 of the <i>VARN</i> firmware is available. Please consider upgrading your computer..."));
    QFile file(firmwareFile("2.51"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), hex);
    QCOMPARE(dataFiles(), QStringList("/VARN Planner/firmware/varn2_2.51.hex"));

    QCOMPARE(settings->value("Updates/firmware/2.51/last").toString(), QString("2024-02-20"));
    QCOMPARE(settings->value("Updates/firmware/2.51/asked").toString(), isoDay(QDate::currentDate()));
    QCOMPARE(window->textEdit->toPlainText(), QString());
    QCOMPARE(deviceConsole.toPlainText(), QString());
    QCOMPARE(DeviceConsole::console(), &deviceConsole);
    DeviceConsole::setConsole(nullptr);

    // The downloader stays for the run; the two checkers have gone.
    const QList<Updates*> left = window->findChildren<Updates*>();
    QCOMPARE(left.size(), 1);
    QCOMPARE(left[0]->objectName(), QString("firmware/2.51"));
}

void TestUpdates::invalidFirmwareNeitherKeptNorAnnounced_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QString>("fault");

    const QByteArray hex = firmwareHex(4);
    QTest::newRow("web page") << QByteArray("<html><body>Firmware 2.51</body></html>\n") << "Bad HEX format";
    QTest::newRow("empty") << QByteArray() << "Bad HEX format";
    QTest::newRow("cut short") << hex.left(hex.size() / 2) << "Bad HEX format";
    QTest::newRow("no end record") << hex.left(hex.size() - endRecord().size()) << "Bad HEX format";
    QByteArray badSum = hex;
    badSum[badSum.indexOf("\r\n") - 1] = badSum[badSum.indexOf("\r\n") - 1] == '0' ? '1' : '0';
    QTest::newRow("checksum") << badSum << "Bad HEX checksum";
    QTest::newRow("past the firmware area")
        << record(4, 0, QByteArray::fromHex("0001")) + record(0, 0x7F40, QByteArray::fromHex("99")) + endRecord()
        << "BAD HEX address";
    QTest::newRow("nothing but the end") << endRecord() << "No data in HEX file";
}

void TestUpdates::invalidFirmwareNeitherKeptNorAnnounced()
{
    QFETCH(QByteArray, body);
    QFETCH(QString, fault);
    serveFirmware("Firmware 2.51\n", utc(2024, 3, 5), body, utc(2024, 3, 5));
    const QByteArray warning = "Firmware 2.51 download ignored: " + fault.toLatin1();
    QTest::ignoreMessage(QtWarningMsg, warning.constData());

    QVERIFY(check());
    QCOMPARE(server->requestsFor(firmwarePath).size(), 1);
    QVERIFY(window->messages.isEmpty());
    QCOMPARE(dataFiles(), QStringList());
    QCOMPARE(window->textEdit->toPlainText(), QString());
    // A broken release is not fetched every day: its dates are kept as for a file kept.
    QCOMPARE(settings->value("Updates/firmware/last").toString(), QString("2024-03-05"));
    QCOMPARE(settings->value("Updates/firmware/2.51/last").toString(), QString("2024-03-05"));
}

void TestUpdates::secondFirmwareNoticeGivesOneFileAndOneNotice()
{
    const QByteArray first = firmwareHex(5);
    serveFirmware("Firmware 2.51\n", utc(2024, 3, 5), first, utc(2024, 3, 5));
    QVERIFY(check());
    QTRY_COMPARE(window->messages.size(), 1);

    // Later in the same run, on another day, another firmware is published.
    const QString yesterday = isoDay(QDate::currentDate().addDays(-1));
    settings->setValue("Updates/firmware/asked", yesterday);
    settings->setValue("Updates/firmware/2.51/asked", yesterday);
    const QByteArray second = firmwareHex(6);
    serveFirmware("Firmware 2.52\n", utc(2024, 4, 9), second, utc(2024, 4, 9));
    QVERIFY(check());
    QTRY_COMPARE(window->messages.size(), 2);
    QTest::qWait(50);
    QCOMPARE(window->messages.size(), 2);
    QCOMPARE(window->messages[1].title, QString("Firmware 2.52 available..."));

    QCOMPARE(server->requestsFor(firmwarePath).size(), 2);
    QFile firstFile(firmwareFile("2.51"));
    QVERIFY(firstFile.open(QIODevice::ReadOnly));
    QCOMPARE(firstFile.readAll(), first);
    QFile secondFile(firmwareFile("2.52"));
    QVERIFY(secondFile.open(QIODevice::ReadOnly));
    QCOMPARE(secondFile.readAll(), second);
    QCOMPARE(window->findChildren<Updates*>().size(), 1);
}

void TestUpdates::unwritableFolderReported()
{
    // A file where the firmware folder should be.
    QVERIFY(QDir().mkpath(data->path() + "/VARN Planner"));
    QFile blocker(data->path() + "/VARN Planner/firmware");
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    serveFirmware("Firmware 2.51\n", utc(2024, 3, 5), firmwareHex(7), utc(2024, 3, 5));
    QVERIFY(check());
    QTRY_VERIFY(!window->textEdit->toPlainText().isEmpty());

    QCOMPARE(window->textEdit->toPlainText(),
             "The new firmware 2.51 could not be saved: unable to write to '" + firmwareFile("2.51") + "'.");
    QVERIFY(window->textEdit->toHtml().contains("color:#ff0000"));
    QVERIFY(window->messages.isEmpty());
    QCOMPARE(dataFiles(), QStringList("/VARN Planner/firmware"));

    // With the folder free again, the next check keeps the file.
    QVERIFY(QFile::remove(data->path() + "/VARN Planner/firmware"));
    aDayLater();
    QVERIFY(check());
    QTRY_COMPARE(window->messages.size(), 1);
    QCOMPARE(dataFiles(), QStringList("/VARN Planner/firmware/varn2_2.51.hex"));
}

void TestUpdates::storedVersionCheckedBeforeItNamesAFile_data()
{
    QTest::addColumn<QString>("version");

    QTest::newRow("suffix") << "2.51-beta";
    QTest::newRow("one decimal") << "2.5";
    QTest::newRow("trailing blank") << "2.51 ";
    QTest::newRow("path") << "2.51/../../../x";
    QTest::newRow("empty") << "";
}

// The version of the last firmware notice comes back from the defaults file, which anyone may
// have changed in between.
void TestUpdates::storedVersionCheckedBeforeItNamesAFile()
{
    QFETCH(QString, version);
    settings->setValue("Updates/firmware/version", version);
    const QByteArray warning = "Firmware download ignored: bad version '" + version.toLatin1() + "'";
    QTest::ignoreMessage(QtWarningMsg, warning.constData());

    window->newFirmwareDownload(firmwareHex(8));
    QVERIFY(window->messages.isEmpty());
    QCOMPARE(dataFiles(), QStringList());
}

void TestUpdates::silentServerAbandoned()
{
    Updates::setTransferTimeout(300);
    server->answers[programPath] = {200, "VARN Planner 451\n", utc(2024, 3, 5), {}, true};
    server->answers[firmwareTextPath] = {200, "Firmware 2.51\n", utc(2024, 3, 5), {}, true};

    const bool ended = check();
    Updates::setTransferTimeout(30000);
    QVERIFY(ended);
    QCOMPARE(server->requests.size(), 2);
    QVERIFY(window->messages.isEmpty());
    QCOMPARE(storedKeys(), QStringList());
}

void TestUpdates::failedDownloadIsFetchedAtTheNextCheck_data()
{
    QTest::addColumn<LoopbackHttp::Answer>("failure");

    const QByteArray hex = firmwareHex(9);
    LoopbackHttp::Answer unavailable{503, "<html>Busy</html>", {}, {}, false};
    QTest::newRow("503") << unavailable;
    QTest::newRow("404") << LoopbackHttp::Answer{404, "<html>Not found</html>", {}, {}, false};
    LoopbackHttp::Answer dropped;
    dropped.drop = true;
    QTest::newRow("connection dropped") << dropped;
    QTest::newRow("cut short") << LoopbackHttp::Answer{200, hex.left(hex.size() / 2), utc(2024, 3, 4), {}, true};
}

// The release is fetched again at the next check until its file is kept, whatever the dates
// the server gives.
void TestUpdates::failedDownloadIsFetchedAtTheNextCheck()
{
    QFETCH(LoopbackHttp::Answer, failure);
    Updates::setTransferTimeout(300);
    serveFirmware("Firmware 2.51\n", utc(2024, 3, 5), QByteArray(), QDateTime());
    server->answers[firmwarePath] = failure;
    const bool checked = check();
    Updates::setTransferTimeout(30000);
    QVERIFY(checked);
    // Qt's client asks once more when the server closes without a word.
    const int asked = server->requestsFor(firmwarePath).size();
    QVERIFY(asked >= 1);
    QVERIFY(window->messages.isEmpty());
    QCOMPARE(dataFiles(), QStringList());
    QVERIFY(!settings->contains("Updates/firmware/last"));
    QVERIFY(!settings->contains("Updates/firmware/2.51/last"));

    // A later day, the same announcement, the file served.
    aDayLater();
    const QByteArray hex = firmwareHex(9);
    serveFirmware("Firmware 2.51\n", utc(2024, 3, 5), hex, utc(2024, 3, 4));
    QVERIFY(check());
    QTRY_COMPARE(window->messages.size(), 1);
    QCOMPARE(server->requestsFor(firmwarePath).size(), asked + 1);
    QCOMPARE(window->messages[0].title, QString("Firmware 2.51 available..."));
    QFile file(firmwareFile("2.51"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), hex);
    // Kept now: the announcement's dates too.
    QCOMPARE(settings->value("Updates/firmware/last").toString(), QString("2024-03-05"));
    QCOMPARE(settings->value("Updates/firmware/asked").toString(), isoDay(QDate::currentDate()));
    QCOMPARE(settings->value("Updates/firmware/2.51/last").toString(), QString("2024-03-04"));
}

// An announcement published again with the file already kept fetches nothing more, then or later.
void TestUpdates::republishedFileIsNotFetchedAgain()
{
    const QByteArray hex = firmwareHex(10);
    serveFirmware("Firmware 2.51\n", utc(2024, 3, 5), hex, utc(2024, 3, 4));
    QVERIFY(check());
    QTRY_COMPARE(window->messages.size(), 1);

    aDayLater();
    serveFirmware("Firmware 2.51\n", utc(2024, 3, 9), hex, utc(2024, 3, 4));
    QVERIFY(check());
    QCOMPARE(server->requestsFor(firmwarePath).size(), 2);
    QCOMPARE(window->messages.size(), 1);
    QCOMPARE(settings->value("Updates/firmware/last").toString(), QString("2024-03-09"));

    aDayLater();
    QVERIFY(check());
    QCOMPARE(server->requestsFor(firmwareTextPath).size(), 3);
    QCOMPARE(server->requestsFor(firmwarePath).size(), 2);
    QCOMPARE(window->messages.size(), 1);
}

void TestUpdates::menuCheckTellsWhatCameOfIt_data()
{
    QTest::addColumn<QString>("situation");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QStringList>("red");

    QTest::newRow("nothing new") << "nothing new"
                                 << QStringList({"Check updates: no new VARN firmware.",
                                                 "Check updates: no new version of VARN Planner."})
                                 << QStringList();
    QTest::newRow("both new") << "both new"
                              << QStringList({"Check updates: VARN firmware 2.51 is available, saved as %1.",
                                              "Check updates: a new version of VARN Planner is available."})
                              << QStringList();
    QTest::newRow("servers unreachable")
        << "unreachable"
        << QStringList({"Check updates: the VARN Planner web site 127.0.0.1 could not be reached.",
                        "Check updates: the firmware web site 127.0.0.1 could not be reached."})
        << QStringList({"Check updates: the VARN Planner web site 127.0.0.1 could not be reached.",
                        "Check updates: the firmware web site 127.0.0.1 could not be reached."});
    const QString failed = "Check updates: VARN firmware 2.51 is announced but could not be downloaded from "
                           "127.0.0.1; the next check tries again.";
    QTest::newRow("download fails") << "download fails"
                                    << QStringList({failed, "Check updates: no new version of VARN Planner."})
                                    << QStringList({failed});
    const QString unfit =
        "Check updates: VARN firmware 2.51 is announced but the file served is no firmware (Bad HEX format): it "
        "was not kept.";
    QTest::newRow("no firmware file") << "no firmware file"
                                      << QStringList({unfit, "Check updates: no new version of VARN Planner."})
                                      << QStringList({unfit});
    QTest::newRow("no version named") << "no version named"
                                      << QStringList({"Check updates: no new VARN firmware.",
                                                      "Check updates: no new version of VARN Planner."})
                                      << QStringList();
}

// Help > Check updates says in the Console what came of each check; the same check at start-up
// says nothing.
void TestUpdates::menuCheckTellsWhatCameOfIt()
{
    QFETCH(QString, situation);
    QFETCH(QStringList, lines);
    QFETCH(QStringList, red);

    const auto serve = [&] {
        serveProgram(utc(2024, 3, 5));
        serveFirmware("Firmware 2.51\n", utc(2024, 3, 5), firmwareHex(11), utc(2024, 3, 4));
        if (situation == "nothing new") {
            for (const char* name : {"VARN-Planner", "firmware"})
                settings->setValue(QString("Updates/%1/last").arg(name), "2024-03-05");
        } else if (situation == "unreachable") {
            settings->setValue("Updates/programServer", "http://127.0.0.1:1");
            settings->setValue("Updates/firmwareServer", "http://127.0.0.1:1");
        } else if (situation == "download fails") {
            server->answers[firmwarePath] = {503, "<html>Busy</html>", {}, {}, false};
            settings->setValue("Updates/VARN-Planner/last", "2024-03-05");
        } else if (situation == "no firmware file") {
            server->answers[firmwarePath] = {200, "<html>Moved</html>", utc(2024, 3, 4), {}, false};
            settings->setValue("Updates/VARN-Planner/last", "2024-03-05");
            QTest::ignoreMessage(QtWarningMsg, "Firmware 2.51 download ignored: Bad HEX format");
        } else if (situation == "no version named") {
            server->answers[firmwareTextPath] = {200, "Firmware soon\n", utc(2024, 3, 5), {}, false};
            settings->setValue("Updates/VARN-Planner/last", "2024-03-05");
        }
    };

    // At start-up: silent.
    serve();
    QVERIFY(check());
    QCOMPARE(window->textEdit->toPlainText(), QString());

    // The same from the menu, with the dates as they were.
    delete window;
    window = new ScriptedWindow;
    settings->clear();
    settings->setValue("Updates/programServer", server->base());
    settings->setValue("Updates/firmwareServer", server->base());
    QDir(data->path()).removeRecursively();
    QVERIFY(QDir().mkpath(data->path()));
    serve();
    QVERIFY(checkFromTheMenu());
    QStringList expected;
    for (const QString& line : lines)
        expected << (line.contains("%1") ? line.arg(firmwareFile("2.51")) : line);
    expected.sort();
    QCOMPARE(consoleLines(), expected);
    const QString html = window->textEdit->toHtml();
    for (const QString& line : expected)
        QCOMPARE(html.contains("<span style=\" color:#ff0000;\">" + line.toHtmlEscaped() + "</span>"),
                 red.contains(line));

    // However it ended, the check is over: the next one asks again and answers each part once more.
    QVERIFY(checkFromTheMenu());
    QCOMPARE(consoleLines().size(), 2 * expected.size());
    QVERIFY(!consoleLines().contains("Check updates: a check is already under way; its results follow."));
}

void TestUpdates::clickDuringACheckGetsItsAnswers_data()
{
    QTest::addColumn<bool>("startUp");
    QTest::addColumn<bool>("downloading");
    QTest::addColumn<QStringList>("lines");

    const QString underWay = "Check updates: a check is already under way; its results follow.";
    const QString program = "Check updates: a new version of VARN Planner is available.";
    const QString firmware = "Check updates: VARN firmware 2.51 is available, saved as %1.";
    QTest::newRow("menu twice") << false << false << QStringList({underWay, program, firmware});
    QTest::newRow("menu again while downloading") << false << true << QStringList({program, underWay, firmware});
    // The check at start-up is silent: what it found before the click is told at the click.
    QTest::newRow("menu twice during the start-up check")
        << true << false << QStringList({underWay, underWay, program, firmware});
    QTest::newRow("menu twice while the start-up check downloads")
        << true << true << QStringList({underWay, program, underWay, firmware});
}

// A check asked for while one is under way starts none: the Console holds one answer of each
// kind, and the firmware file is fetched once.
void TestUpdates::clickDuringACheckGetsItsAnswers()
{
    QFETCH(bool, startUp);
    QFETCH(bool, downloading);
    QFETCH(QStringList, lines);
    const QByteArray hex = firmwareHex(12);
    serveProgram(utc(2024, 3, 5));
    serveFirmware("Firmware 2.51\n", utc(2024, 3, 5), hex, utc(2024, 3, 4));
    // The firmware file is held back: the download is under way at the clicks, and the
    // program's answer comes first.
    server->answers[firmwarePath].hold = true;

    if (startUp)
        window->checkUpdates(false);
    else
        window->checkUpdatesAction->trigger();
    if (downloading) {
        QTRY_COMPARE(server->requestsFor(firmwarePath).size(), 1);
        QTRY_COMPARE(window->messages.size(), 1);
    }
    window->checkUpdatesAction->trigger();
    if (startUp)
        window->checkUpdatesAction->trigger();
    QTRY_COMPARE(window->messages.size(), 1);
    QTRY_VERIFY(!server->requestsFor(firmwarePath).isEmpty());
    server->answers[firmwarePath].hold = false;
    server->release();
    QVERIFY(waitForReplies());

    QStringList expected;
    for (const QString& line : lines)
        expected << (line.contains("%1") ? line.arg(firmwareFile("2.51")) : line);
    QCOMPARE(window->textEdit->toPlainText().split('\n'), expected);
    QCOMPARE(server->requestsFor(programPath).size(), 1);
    QCOMPARE(server->requestsFor(firmwareTextPath).size(), 1);
    QCOMPARE(server->requestsFor(firmwarePath).size(), 1);
    QCOMPARE(window->messages.size(), 2);
    QCOMPARE(window->messages[0].title, QString("New version..."));
    QCOMPARE(window->messages[1].title, QString("Firmware 2.51 available..."));
    QFile file(firmwareFile("2.51"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), hex);
}

QTEST_MAIN(TestUpdates)

// The answer comes while the diver uploads the configuration: its box would hold the upload in
// the middle of a bank, and comes up once the upload has ended.
void TestUpdates::noticeWaitsForTheTransfer()
{
    serveProgram(utc(2024, 3, 5, 23));
    server->answers[programPath].hold = true;
    ScaledPauses pauses(0.2);
    DiveComputerEmulator computer;
    VARN_eeprom device;
    device.serial = 4321;
    device.firmwareMajor = 2;
    device.firmwareMinor = 50;
    computer.setImage(device);
    Settings::port = computer.portPath();
    // Answered once the computer has taken the command of bank 0.
    AfterCommands answer(computer, 4, [this] { server->release(); });

    window->checkUpdates(false);
    window->actionUploadCF->trigger();
    Settings::port.clear();
    QVERIFY(window->textEdit->toPlainText().contains("Programming VARN 4321 done."));
    QCOMPARE(computer.banksWritten(), QVector<int>({0, 1, 2}));

    QVERIFY(waitForReplies());
    QTRY_COMPARE(window->messages.size(), 1);
    QCOMPARE(window->messages[0].title, QString("New version..."));
    QVERIFY(!window->messages[0].duringTransfer);
}

#include "tst_updates.moc"
