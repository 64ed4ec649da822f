#include "DeviceConsole.h"
#include "HexFile.h"
#include "devicetest.h"
#include "pipewriter.h"
#include "testutil.h"

#include <QProcess>
#include <QProgressBar>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextEdit>
#include <QtTest>
#include <sys/stat.h>

#include <unistd.h>

namespace {

// The dive computer's program memory below its boot loader.
const int areaSize = 0x17F40;

// The firmware area as a load should leave it: 0xFF except where bytes are given.
class Area {
public:
    Area() : bytes(areaSize, char(0xFF)) {}
    Area& at(int address, std::initializer_list<int> values)
    {
        for (int value : values)
            bytes[address++] = char(value);
        return *this;
    }
    Area& at(int address, const QByteArray& values)
    {
        bytes.replace(address, values.size(), values);
        return *this;
    }
    QByteArray bytes;
};

QByteArray randomImage(int size, quint32 seed)
{
    QRandomGenerator generator(seed);
    QByteArray image(size, 0);
    for (char& byte : image)
        byte = char(generator.bounded(256));
    return image;
}

QByteArray areaOf(HexFile& hex)
{
    return QByteArray(reinterpret_cast<const char*>(hex.data()), int(hex.size()));
}

// The file without its last line.
QByteArray withoutLastLine(const QByteArray& text)
{
    return text.left(text.lastIndexOf('\n', text.size() - 2) + 1);
}

} // namespace

class TestHexFile : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void allocateFills();
    void objcopyImages_data();
    void objcopyImages();
    void objcopyStartAddressRefused();
    void configurationAndEepromSkipped();
    void records_data();
    void records();
    void badRecords_data();
    void badRecords();
    void cutFilesRefused_data();
    void cutFilesRefused();
    void unopenableFile_data();
    void unopenableFile();
    void notRegularFile_data();
    void notRegularFile();
    void hasData_data();
    void hasData();
    void progressBarFollowsLines();
    void fileClosedAfterLoad();
    void loadsWithoutConsole();
    void summaryInPlainLook();

private:
    QString writeFile(const QByteArray& content);
    // objcopy's Intel HEX text of image, with the given extra options; null when it failed.
    QByteArray objcopy(const QByteArray& image, const QStringList& options);
    bool haveObjcopy() const;

    QTemporaryDir dir;
    QTextEdit console;
    int files = 0;
    // objcopy's text of the whole firmware area of randomImage(areaSize, 1); null without objcopy.
    QByteArray firmwareHex;
};

void TestHexFile::initTestCase()
{
    QVERIFY(dir.isValid());
    DeviceConsole::setConsole(&console);
    if (haveObjcopy()) {
        firmwareHex = objcopy(randomImage(areaSize, 1), {});
        QVERIFY(!firmwareHex.isEmpty());
    }
}

void TestHexFile::init()
{
    console.clear();
}

bool TestHexFile::haveObjcopy() const
{
    return !QStandardPaths::findExecutable("objcopy").isEmpty();
}

QString TestHexFile::writeFile(const QByteArray& content)
{
    const QString path = dir.filePath(QString("file%1.hex").arg(++files));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

QByteArray TestHexFile::objcopy(const QByteArray& image, const QStringList& options)
{
    const QString bin = writeFile(image);
    const QString hex = bin + ".ihex";
    QProcess process;
    process.start("objcopy", QStringList{"-I", "binary", "-O", "ihex"} + options + QStringList{bin, hex});
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit
        || process.exitCode() != 0) {
        qWarning() << "objcopy failed:" << process.readAllStandardError();
        return QByteArray();
    }
    QFile file(hex);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

void TestHexFile::allocateFills()
{
    HexFile hex;
    QCOMPARE(hex.size(), quint64(0));
    QVERIFY(hex.allocate(70000, 0x5A));
    QCOMPARE(hex.size(), quint64(70000));
    QCOMPARE(areaOf(hex), QByteArray(70000, 0x5A));
}

void TestHexFile::objcopyImages_data()
{
    QTest::addColumn<int>("imageSize");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<int>("address");
    QTest::addColumn<QString>("summary");

    // 98112 / 1024 = 95.81; 65536 x 100 / 98112 = 66.80; 32576 / 1024 = 31.81 and
    // 32576 x 100 / 98112 = 33.20; 100 / 1024 = 0.098 and 100 x 100 / 98112 = 0.102.
    QTest::newRow("whole firmware area") << areaSize << QStringList() << 0
                                         << "95.8KB loaded (100.0% of firmware area)";
    QTest::newRow("64 KiB") << 65536 << QStringList() << 0 << "64.0KB loaded (66.8% of firmware area)";
    QTest::newRow("above 64 KiB") << 32576 << QStringList{"--change-section-address", ".data+0x10000"}
                                  << 0x10000 << "31.8KB loaded (33.2% of firmware area)";
    QTest::newRow("up to the last byte, unaligned")
        << 100 << QStringList{"--change-section-address", ".data+0x17EDC"} << 0x17EDC
        << "0.1KB loaded (0.1% of firmware area)";
}

void TestHexFile::objcopyImages()
{
    QFETCH(int, imageSize);
    QFETCH(QStringList, options);
    QFETCH(int, address);
    QFETCH(QString, summary);
    if (!haveObjcopy())
        QSKIP("objcopy (binutils) is not installed");

    const QByteArray image = randomImage(imageSize, quint32(imageSize));
    const QByteArray text = objcopy(image, options);
    QVERIFY(!text.isEmpty());

    HexFile hex;
    hex.allocate(areaSize, 0xFF);
    hex.load(writeFile(text), nullptr);
    QCOMPARE(areaOf(hex), Area().at(address, image).bytes);
    QCOMPARE(console.toPlainText(), summary);
}

// objcopy's --change-addresses also moves the start address, which it writes as a start segment
// address record: the reader knows no such record, after storing every data record before it.
void TestHexFile::objcopyStartAddressRefused()
{
    if (!haveObjcopy())
        QSKIP("objcopy (binutils) is not installed");
    const QByteArray image = randomImage(32576, 7);
    const QByteArray text = objcopy(image, {"--change-addresses", "0x10000"});
    QVERIFY(text.contains("\n:04000003"));

    HexFile hex;
    hex.allocate(areaSize, 0xFF);
    QCOMPARE(thrownText([&] { hex.load(writeFile(text), nullptr); }), QString("Bad HEX subtype"));
    QCOMPARE(areaOf(hex), Area().at(0x10000, image).bytes);
    QCOMPARE(console.toPlainText(), QString());
}

// A file for the processor carries its configuration words at 0x300000 and its data EEPROM at
// 0xF00000 beside the program: neither belongs to the firmware area nor counts in the summary.
void TestHexFile::configurationAndEepromSkipped()
{
    if (!haveObjcopy())
        QSKIP("objcopy (binutils) is not installed");
    const QByteArray configuration =
        objcopy(randomImage(14, 2), {"--change-section-address", ".data+0x300000"});
    const QByteArray eeprom = objcopy(randomImage(256, 3), {"--change-section-address", ".data+0xF00000"});
    QVERIFY(configuration.startsWith(":020000040030CA"));
    QVERIFY(eeprom.startsWith(":0200000400F00A"));

    HexFile hex;
    hex.allocate(areaSize, 0xFF);
    hex.load(writeFile(withoutLastLine(firmwareHex) + withoutLastLine(configuration) + eeprom), nullptr);
    QCOMPARE(areaOf(hex), randomImage(areaSize, 1));
    QCOMPARE(console.toPlainText(), QString("95.8KB loaded (100.0% of firmware area)"));
}

void TestHexFile::records_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QByteArray>("expected");

    const QByteArray end = ":00000001FF\n";
    QTest::newRow("LF line ends") << ":0400000001020304F2\n" + end << Area().at(0, {1, 2, 3, 4}).bytes;
    QTest::newRow("CR LF line ends") << QByteArray(":0400000001020304F2\r\n:00000001FF\r\n")
                                     << Area().at(0, {1, 2, 3, 4}).bytes;
    QTest::newRow("no line end after the end record") << QByteArray(":0400000001020304F2\n:00000001FF")
                                                      << Area().at(0, {1, 2, 3, 4}).bytes;
    QTest::newRow("lines after the end record ignored")
        << end + "not a record\n:0400000001020304F2\n" << Area().bytes;
    QTest::newRow("lower-case digits") << ":04000000deadbeefc4\n" + end
                                       << Area().at(0, {0xDE, 0xAD, 0xBE, 0xEF}).bytes;
    QTest::newRow("linear base 0x0001") << ":020000040001F9\n:02001000AABB89\n" + end
                                        << Area().at(0x10010, {0xAA, 0xBB}).bytes;
    QTest::newRow("segment base 0x1000") << ":020000021000EC\n:02001000AABB89\n" + end
                                         << Area().at(0x10010, {0xAA, 0xBB}).bytes;
    QTest::newRow("segment base 0x0100 is 0x1000") << ":020000020100FB\n:01001000AA45\n" + end
                                                   << Area().at(0x1010, {0xAA}).bytes;
    QTest::newRow("offset runs past 64 KiB") << ":02FFFF00AABB9B\n" + end
                                             << Area().at(0xFFFF, {0xAA, 0xBB}).bytes;
    QTest::newRow("last byte of the area") << ":020000040001F9\n:017F3F0099A8\n" + end
                                           << Area().at(0x17F3F, {0x99}).bytes;
    QTest::newRow("configuration words skipped")
        << ":020000040030CA\n:0E0000000102030405060708090A0B0C0D0E89\n" + end << Area().bytes;
    QTest::newRow("data EEPROM skipped") << ":0200000400F00A\n:04000000A1A2A3A472\n" + end << Area().bytes;
    QTest::newRow("base back to zero after a skipped area")
        << ":020000040030CA\n:04000000A1A2A3A472\n:020000040000FA\n:0400000001020304F2\n" + end
        << Area().at(0, {1, 2, 3, 4}).bytes;
    QTest::newRow("0xFF written again") << ":01000000FF00\n:01000000AA55\n" + end << Area().at(0, {0xAA}).bytes;
    QTest::newRow("empty data record") << ":0000000000\n" + end << Area().bytes;
}

void TestHexFile::records()
{
    QFETCH(QByteArray, content);
    QFETCH(QByteArray, expected);
    HexFile hex;
    hex.allocate(areaSize, 0xFF);
    hex.load(writeFile(content), nullptr);
    QCOMPARE(areaOf(hex), expected);
    QCOMPARE(console.toPlainText(), QString("0.0KB loaded (0.0% of firmware area)"));
}

void TestHexFile::badRecords_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("expected");

    const QByteArray data = ":0400000001020304F2\n";
    const QByteArray end = ":00000001FF\n";
    const QByteArray stored = Area().at(0, {1, 2, 3, 4}).bytes;
    const QByteArray blank = Area().bytes;
    const QString format = "Bad HEX format";

    QTest::newRow("no colon") << "0400000001020304F2\n" + end << format << blank;
    QTest::newRow("semicolon for the colon") << ";0400000001020304F2\n" + end << format << blank;
    QTest::newRow("blank before the colon") << " " + data + end << format << blank;
    QTest::newRow("empty line") << data + "\n" + end << format << stored;
    QTest::newRow("empty CR LF line") << data + "\r\n" + end << format << stored;
    QTest::newRow("colon alone") << ":\n" + end << format << blank;
    QTest::newRow("fields cut short") << ":00000001\n" + end << format << blank;
    QTest::newRow("odd digit count") << ":0400000001020304F20\n" + end << format << blank;
    QTest::newRow("letter in the data") << ":04000000010G0304F2\n" + end << format << blank;
    QTest::newRow("letter in the checksum") << ":0400000001020304FG\n" + end << format << blank;
    QTest::newRow("NUL in the record") << QByteArray(":04000000\0" "1020304F2\n", 20) + end << format << blank;
    QTest::newRow("byte above ASCII") << ":04000000\xC3\xA9" "020304F2\n" + end << format << blank;
    QTest::newRow("blank after the checksum") << ":0400000001020304F2 \n" + end << format << blank;
    QTest::newRow("CR alone ends no line") << QByteArray(":0400000001020304F2\r:00000001FF\r") << format << blank;
    // Both add up to 0 with the line end counting as 0: only their lengths give them away.
    QTest::newRow("count beyond the line") << ":0500000001020304F1\n" + end << format << blank;
    QTest::newRow("count short of the line") << ":0300000001020304F3\n" + end << format << blank;
    QTest::newRow("count far beyond the line") << ":FF00000001F0\n" + end << format << blank;
    QTest::newRow("no end record") << data << format << stored;
    QTest::newRow("empty file") << QByteArray() << format << blank;
    QTest::newRow("line end only") << QByteArray("\n") << format << blank;
    QTest::newRow("cut inside a record") << data + ":0400" << format << stored;
    QTest::newRow("cut inside the end record") << data + ":00000001F" << format << stored;
    QTest::newRow("cut between CR and LF") << data + ":00000001FF\r" << format << stored;

    QTest::newRow("checksum off by one") << ":0400000001020304F3\n" + end << "Bad HEX checksum" << blank;
    QTest::newRow("end record checksum") << data + ":00000001FE\n" << "Bad HEX checksum" << stored;
    QTest::newRow("skipped record checksum") << ":020000040030CA\n:04000000A1A2A3A473\n" + end
                                             << "Bad HEX checksum" << blank;

    QTest::newRow("first byte past the area") << ":020000040001F9\n:017F400099A7\n" + end
                                              << "BAD HEX address" << blank;
    QTest::newRow("record across the end") << ":020000040001F9\n:027F3F0011220D\n" + end
                                           << "BAD HEX address" << Area().at(0x17F3F, {0x11}).bytes;
    QTest::newRow("linear base 0x0002") << ":020000040002F8\n:0100000055AA\n" + end << "BAD HEX address"
                                        << blank;
    QTest::newRow("linear base 0x0031") << ":020000040031C9\n:0100000055AA\n" + end << "BAD HEX address"
                                        << blank;
    QTest::newRow("segment base 0x2000") << ":020000022000DC\n:0100000055AA\n" + end << "BAD HEX address"
                                         << blank;
    QTest::newRow("offset past the area") << ":020000040001F9\n:02FFFF00AABB9B\n" + end
                                          << "BAD HEX address" << blank;

    QTest::newRow("same byte twice") << ":01000000AA55\n:01000000BB44\n" + end << "Double write"
                                     << Area().at(0, {0xAA}).bytes;
    QTest::newRow("same value twice") << ":01000000AA55\n:01000000AA55\n" + end << "Double write"
                                      << Area().at(0, {0xAA}).bytes;
    QTest::newRow("overlap stops the load") << ":02000000AABB99\n:01000100CC32\n:01000200DD20\n" + end
                                            << "Double write" << Area().at(0, {0xAA, 0xBB}).bytes;

    const QString segment = "Bad HEX Segment Address record";
    QTest::newRow("segment record of 3 bytes") << data + ":03000002100000EB\n" + end << segment << stored;
    QTest::newRow("segment record of 1 byte") << ":0100000210ED\n" + end << segment << blank;
    QTest::newRow("segment record with offset") << ":020001021000EB\n" + end << segment << blank;

    const QString linear = "Bad HEX Extended Linear Address Record";
    QTest::newRow("linear record of 3 bytes") << ":03000004000100F8\n" + end << linear << blank;
    QTest::newRow("linear record of 1 byte") << ":0100000400FB\n" + end << linear << blank;
    QTest::newRow("linear record with offset") << ":020001040001F8\n" + end << linear << blank;

    QTest::newRow("start segment address") << data + ":0400000310000000E9\n" + end << "Bad HEX subtype" << stored;
    QTest::newRow("start linear address") << ":0400000500300000C7\n" + end << "Bad HEX subtype" << blank;
    QTest::newRow("type 6") << ":00000006FA\n" + end << "Bad HEX subtype" << blank;
    QTest::newRow("type 0xFF") << ":000000FF01\n" + end << "Bad HEX subtype" << blank;
}

// Every fault stops the load with its text; what the records before it stored stays, nothing
// after it is read, and no summary appears.
void TestHexFile::badRecords()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, text);
    QFETCH(QByteArray, expected);
    HexFile hex;
    hex.allocate(areaSize, 0xFF);
    QCOMPARE(thrownText([&] { hex.load(writeFile(content), nullptr); }), text);
    QCOMPARE(areaOf(hex), expected);
    QCOMPARE(console.toPlainText(), QString());
}

// A real firmware file cut anywhere must never pass for a firmware whose rest is blank.
void TestHexFile::cutFilesRefused_data()
{
    QTest::addColumn<int>("length");
    const int lineEnd = firmwareHex.indexOf('\n', firmwareHex.size() / 2);
    QTest::newRow("after a line in the middle") << lineEnd + 1;
    QTest::newRow("inside a line in the middle") << lineEnd + 8;
    QTest::newRow("before the end record") << withoutLastLine(firmwareHex).size();
    QTest::newRow("inside the end record") << firmwareHex.size() - 3;
    QTest::newRow("nothing left") << 0;
}

void TestHexFile::cutFilesRefused()
{
    QFETCH(int, length);
    if (firmwareHex.isEmpty())
        QSKIP("objcopy (binutils) is not installed");
    HexFile hex;
    hex.allocate(areaSize, 0xFF);
    QCOMPARE(thrownText([&] { hex.load(writeFile(firmwareHex.left(length)), nullptr); }),
             QString("Bad HEX format"));
    QCOMPARE(console.toPlainText(), QString());
}

void TestHexFile::unopenableFile_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("missing") << "missing";
    QTest::newRow("unreadable") << "unreadable";
}

void TestHexFile::unopenableFile()
{
    QFETCH(QString, kind);
    QString path = dir.filePath("absent.hex");
    if (kind == "unreadable") {
        if (geteuid() == 0)
            QSKIP("root reads every file");
        path = writeFile(":00000001FF\n");
        QVERIFY(QFile::setPermissions(path, QFileDevice::WriteOwner));
    }
    HexFile hex;
    hex.allocate(areaSize, 0xFF);
    QCOMPARE(thrownText([&] { hex.load(path, nullptr); }), QString("Can't open HEX file"));
    QCOMPARE(areaOf(hex), Area().bytes);
    QCOMPARE(console.toPlainText(), QString());
}

void TestHexFile::notRegularFile_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("fifo without a writer") << "fifo";
    QTest::newRow("folder") << "folder";
    QTest::newRow("device") << "device";
    QTest::newRow("link to a fifo") << "link";
}

// Refused before it is opened: a fifo would wait for a writer, a device might never end.
void TestHexFile::notRegularFile()
{
    QFETCH(QString, kind);
    QString path = dir.filePath(kind + ".hex");
    // Should the reader open the fifo all the same, a writer gives it a file and the test fails
    // instead of hanging.
    const QString fifo = dir.filePath(kind + ".fifo");
    PipeWriter writer(fifo, ":00000001FF\n");
    if (kind == "fifo" || kind == "link") {
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        writer.start();
        if (kind == "fifo")
            path = fifo;
        else
            QVERIFY(QFile::link(fifo, path));
    } else if (kind == "folder") {
        QVERIFY(QDir().mkpath(path));
    } else {
        path = "/dev/null";
    }
    HexFile hex;
    hex.allocate(areaSize, 0xFF);
    QCOMPARE(thrownText([&] { hex.load(path, nullptr); }), QString("HEX file is not a regular file"));
    QCOMPARE(areaOf(hex), Area().bytes);
    QCOMPARE(console.toPlainText(), QString());
    QVERIFY(!writer.wrote);
}

void TestHexFile::hasData_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("data");
    const QByteArray end = ":00000001FF\n";
    QTest::newRow("end record only") << end << false;
    QTest::newRow("empty data records") << ":0000000000\n:00001000F0\n" + end << false;
    QTest::newRow("configuration words and data EEPROM only")
        << ":020000040030CA\n:0E0000000102030405060708090A0B0C0D0E89\n:0200000400F00A\n:04000000A1A2A3A472\n"
               + end
        << false;
    QTest::newRow("erased bytes only") << ":02000000FFFF00\n" + end << false;
    QTest::newRow("one byte at the start") << ":0100000000FF\n" + end << true;
    QTest::newRow("one byte at the end of the area") << ":020000040001F9\n:017F3F0099A8\n" + end << true;
}

void TestHexFile::hasData()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, data);
    HexFile hex;
    hex.allocate(areaSize, 0xFF);
    hex.load(writeFile(content), nullptr);
    QCOMPARE(hex.hasData(), data);
}

// The bar runs over the file's bytes, stands at the start of each record as it is read, and is
// reset at the end; the lines after the end record are not read.
void TestHexFile::progressBarFollowsLines()
{
    const QByteArray first = ":0400000001020304F2\r\n";  // 21 bytes
    const QByteArray second = ":02001000AABB89\r\n";     // 17 bytes
    const QByteArray content = first + second + ":00000001FF\r\n" + "not read\n";
    QCOMPARE(content.size(), 21 + 17 + 13 + 9);

    QProgressBar bar;
    QSignalSpy values(&bar, &QProgressBar::valueChanged);
    HexFile hex;
    hex.allocate(areaSize, 0xFF);
    hex.load(writeFile(content), &bar);
    QCOMPARE(bar.minimum(), 0);
    QCOMPARE(bar.maximum(), 60);
    QCOMPARE(values.size(), 3);
    QCOMPARE(values.at(0).at(0).toInt(), 0);
    QCOMPARE(values.at(1).at(0).toInt(), 21);
    QCOMPARE(values.at(2).at(0).toInt(), 38);
    QCOMPARE(bar.value(), -1);
}

// The file is let go once it is read, while the buffer lives on for the upgrade.
void TestHexFile::fileClosedAfterLoad()
{
    const QDir descriptors("/proc/self/fd");
    if (!descriptors.exists())
        QSKIP("no /proc/self/fd to list open files");
    const QString path = writeFile(":0400000001020304F2\n:00000001FF\n");
    const QString target = QFileInfo(path).canonicalFilePath();
    HexFile hex;
    hex.allocate(areaSize, 0xFF);
    hex.load(path, nullptr);
    const auto open = descriptors.entryInfoList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot);
    for (const QFileInfo& descriptor : open)
        QVERIFY2(descriptor.symLinkTarget() != target, qPrintable(descriptor.fileName()));
}

void TestHexFile::loadsWithoutConsole()
{
    DeviceConsole::setConsole(nullptr);
    HexFile hex;
    hex.allocate(areaSize, 0xFF);
    hex.load(writeFile(":0400000001020304F2\n:00000001FF\n"), nullptr);
    DeviceConsole::setConsole(&console);
    QCOMPARE(areaOf(hex), Area().at(0, {1, 2, 3, 4}).bytes);
    QCOMPARE(console.toPlainText(), QString());
}

// The line before is a refusal in red italics, and a line above it was rewritten since (which
// makes the Console's own cursor take up the look of the text before it): the summary does not
// take that look.
void TestHexFile::summaryInPlainLook()
{
    console.append("Waiting");
    console.append("<i><font color='red'>Refused</font></i>");
    QTextCursor first(console.document());
    first.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    first.insertText("Still waiting", QTextCharFormat());
    HexFile hex;
    hex.allocate(areaSize, 0xFF);
    hex.load(writeFile(":0400000001020304F2\n:00000001FF\n"), nullptr);
    const QTextBlock last = console.document()->lastBlock();
    QCOMPARE(last.text(), QString("0.0KB loaded (0.0% of firmware area)"));
    const QTextCharFormat look = last.begin().fragment().charFormat();
    QVERIFY(!look.fontItalic());
    QVERIFY(!look.hasProperty(QTextFormat::ForegroundBrush));
}

QTEST_MAIN(TestHexFile)
#include "tst_hexfile.moc"
