#include "VARN_eeprom.h"
#include "testutil.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>
#include <cstring>
#include <memory>

class TestSettings : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir;
    int files = 0;

    // A settings file holding exactly the given INI text.
    std::unique_ptr<QSettings> iniFile(const QByteArray& text)
    {
        const QString path = dir.filePath(QString("f%1.ini").arg(++files));
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly))
            qFatal("cannot write fixture");
        f.write(text);
        f.close();
        return std::make_unique<QSettings>(path, QSettings::IniFormat);
    }

    static QString loadFailure(VARN_eeprom& e, const QSettings* s)
    {
        return thrownText([&] { e.load(s); });
    }

    static VARN_eeprom sampleImage()
    {
        VARN_eeprom e;
        e.decoType = 5;
        e.salinity = 103;
        for (int i = 0; i < 5; ++i) {
            e.gases[i].currentO2 = ubyte(21 + 10 * i);
            e.gases[i].currentHe = ubyte(5 * i);
            e.changeDepth[i] = ubyte(i ? 40 - 6 * i : 0);
        }
        e.activeGases = 0x1B;
        e.firstGas = 2;
        e.gas6 = ManualGas{36, 12};
        e.setpoints[0] = 70;
        e.setpoints[1] = 130;
        e.setpoints[2] = 255;
        e.customTextOn = 1;
        memcpy(e.customText, "Diver Joe", 9);
        memset(e.customText + 9, '}', 16);
        for (int n = 0; n < CF_COUNT; ++n)
            e.cf(n).value = word((unsigned short)(n * 677 + 1));
        e.cf(48).value = word((unsigned short)-60);
        return e;
    }

private slots:
    void roundTrip();
    void savedKeys();
    void computerIdentity_data();
    void computerIdentity();
    void emptyFileLoadsDefaults();
    void currentLayoutValues_data();
    void currentLayoutValues();
    void customText_data();
    void customText();
    void customTextOffRemovesKey();
    void firstGas();
    void olderLayout();
    void olderLayoutDefaults();
    void olderLayoutWinsOverCurrentKeys();
    void olderLayoutModes_data();
    void olderLayoutModes();
    void saveConvertsOlderLayout();
    void invalidImageIsNotSaved();
    void invalidImageIsNotLoaded();
    void unwritableFileIsAFailure();
    void formatErrorOfTheFileIsNoWriteFailure_data();
    void formatErrorOfTheFileIsNoWriteFailure();
    void writeFailureAfterFormatErrorIsAFailure();
    void fileThatTakesNoWriteIsAFailure();
    void resavedFileTakesNewGroups_data();
    void resavedFileTakesNewGroups();
};

void TestSettings::roundTrip()
{
    const VARN_eeprom original = sampleImage();
    auto s = iniFile("");
    original.save(s.get());

    // Read back through a fresh settings object on the same file.
    QSettings again(s->fileName(), QSettings::IniFormat);
    VARN_eeprom loaded;
    memset(loaded.customText, 0, 25);
    QVERIFY(loaded.load(&again));

    QCOMPARE(loaded.decoType, original.decoType);
    QCOMPARE(loaded.salinity, original.salinity);
    QCOMPARE(loaded.activeGases, original.activeGases);
    QCOMPARE(loaded.firstGas, original.firstGas);
    QCOMPARE(loaded.gas6.currentO2, original.gas6.currentO2);
    QCOMPARE(loaded.gas6.currentHe, original.gas6.currentHe);
    for (int i = 0; i < 5; ++i) {
        QCOMPARE(loaded.gases[i].currentO2, original.gases[i].currentO2);
        QCOMPARE(loaded.gases[i].currentHe, original.gases[i].currentHe);
        QCOMPARE(loaded.changeDepth[i], original.changeDepth[i]);
    }
    for (int i = 0; i < 3; ++i)
        QCOMPARE(loaded.setpoints[i], original.setpoints[i]);
    QCOMPARE(loaded.customTextOn, ubyte(1));
    QCOMPARE(memcmp(loaded.customText, original.customText, 25), 0);
    for (int n = 0; n < CF_COUNT; ++n)
        QCOMPARE((unsigned short)loaded.cf(n).value, (unsigned short)original.cf(n).value);
}

void TestSettings::savedKeys()
{
    VARN_eeprom e = sampleImage();
    e.serial = 4711;
    e.firmwareMinor = 5;
    e.cf(7).defaultValue = 999;
    auto s = iniFile("");
    e.save(s.get());
    QCOMPARE(s->value("VARN/serial").toString(), QString("4711"));
    QCOMPARE(s->value("VARN/firmware").toString(), QString("2.5"));
    QCOMPARE(s->value("VARN/text").toString(), QString("Diver Joe"));
    QCOMPARE(s->value("Deco/model").toInt(), 5);
    QCOMPARE(s->value("Gas1/first").toString(), QString("yes"));
    QVERIFY(!s->contains("Gas0/first"));
    QCOMPARE(s->value("Gas0/active").toString(), QString("yes"));
    QCOMPARE(s->value("Gas2/active").toString(), QString("no"));
    QCOMPARE(s->value("Gas3/depth").toInt(), 22);
    QCOMPARE(s->value("Gas4/default/O2").toInt(), 21);
    QCOMPARE(s->value("Gas4/current/O2").toInt(), 61);
    QCOMPARE(s->value("Gas6/current/He").toInt(), 12);
    QVERIFY(!s->childGroups().contains("Gas5"));
    QCOMPARE(s->value("Setpoint2/ppO2").toInt(), 255);
    QCOMPARE(s->value("CF48/value").toInt(), 65476);
    QCOMPARE(s->value("CF7/default").toInt(), 999);

    e.firmwareMinor = 50;
    e.serial = 4712;
    e.save(s.get());
    QCOMPARE(s->value("VARN/firmware").toString(), QString("2.50"));
    QCOMPARE(s->value("VARN/serial").toString(), QString("4712"));
}

void TestSettings::computerIdentity_data()
{
    QTest::addColumn<int>("serial");
    QTest::addColumn<int>("major");
    QTest::addColumn<int>("minor");
    QTest::addColumn<QString>("savedSerial");
    QTest::addColumn<QString>("savedFirmware");
    // Loaded from the file into a fresh image: the image knows no computer.
    QTest::newRow("not loaded") << -1 << -1 << -1 << "4321" << "2.51";
    QTest::newRow("not loaded, other firmware") << 0xFFFF << 3 << 0 << "4321" << "2.51";
    // Read from a computer.
    QTest::newRow("downloaded") << 1234 << 3 << 0 << "1234" << "3.0";
    QTest::newRow("downloaded, same computer") << 4321 << 2 << 52 << "4321" << "2.52";
}

void TestSettings::computerIdentity()
{
    QFETCH(int, serial);
    QFETCH(int, major);
    QFETCH(int, minor);
    QFETCH(QString, savedSerial);
    QFETCH(QString, savedFirmware);
    auto s = iniFile("");
    VARN_eeprom computer = sampleImage();
    computer.serial = 4321;
    computer.firmwareMinor = 51;
    computer.save(s.get());

    VARN_eeprom e;
    QCOMPARE(loadFailure(e, s.get()), QString());
    QCOMPARE(int(e.serial), 0xFFFF);
    if (serial >= 0) {
        e.serial = word((unsigned short)serial);
        e.firmwareMajor = ubyte(major);
        e.firmwareMinor = ubyte(minor);
    }
    e.save(s.get());
    const QSettings file(s->fileName(), QSettings::IniFormat);
    QCOMPARE(file.value("VARN/serial").toString(), savedSerial);
    QCOMPARE(file.value("VARN/firmware").toString(), savedFirmware);
}

void TestSettings::emptyFileLoadsDefaults()
{
    VARN_eeprom e = sampleImage();
    e.firstGas = 4;
    auto s = iniFile("");
    QCOMPARE(loadFailure(e, s.get()), QString("EEPROM: bad deco type"));
    QCOMPARE(e.decoType, ubyte(255));
    QCOMPARE(e.customTextOn, ubyte(0));
    QCOMPARE(e.activeGases, ubyte(0));
    QCOMPARE(e.firstGas, ubyte(4));
    QCOMPARE(e.salinity, ubyte(100));
    for (int i = 0; i < 5; ++i) {
        QCOMPARE(e.changeDepth[i], ubyte(0));
        QCOMPARE(e.gases[i].currentO2, ubyte(21));
        QCOMPARE(e.gases[i].currentHe, ubyte(0));
    }
    QCOMPARE(e.gas6.currentO2, ubyte(21));
    QCOMPARE(e.gas6.currentHe, ubyte(0));
    for (int i = 0; i < 3; ++i)
        QCOMPARE(e.setpoints[i], ubyte(100));
    for (int n = 0; n < CF_COUNT; ++n)
        QCOMPARE(e.cf(n).value, custom_functions_defaults[n].defaultValue);
}

void TestSettings::currentLayoutValues_data()
{
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<int>("decoType");
    QTest::addColumn<int>("o2");
    QTest::addColumn<int>("active");
    QTest::addColumn<int>("cf33");
    QTest::addColumn<QString>("failure");
    QTest::newRow("plain") << QByteArray("[Deco]\nmodel=4\n[Gas0]\nactive=yes\ncurrent\\O2=32\n[CF33]\nvalue=85\n")
                           << 4 << 32 << 1 << 85 << QString();
    QTest::newRow("Yes is not yes") << QByteArray("[Deco]\nmodel=0\n[Gas0]\nactive=Yes\n") << 0 << 21 << 0 << 90 << QString();
    QTest::newRow("true is not yes") << QByteArray("[Deco]\nmodel=0\n[Gas0]\nactive=true\n") << 0 << 21 << 0 << 90 << QString();
    QTest::newRow("non-numeric reads 0") << QByteArray("[Deco]\nmodel=2\n[Gas0]\ncurrent\\O2=lots\n[CF33]\nvalue=x\n")
                                         << 2 << 0 << 0 << 0 << QString();
    QTest::newRow("wraps to the byte") << QByteArray("[Deco]\nmodel=256\n[Gas0]\ncurrent\\O2=300\n") << 0 << 44 << 0 << 90 << QString();
    QTest::newRow("wraps to the word") << QByteArray("[Deco]\nmodel=1\n[CF33]\nvalue=65537\n") << 1 << 21 << 0 << 1 << QString();
    QTest::newRow("negative wraps") << QByteArray("[Deco]\nmodel=3\n[CF33]\nvalue=-1\n") << 3 << 21 << 0 << 65535 << QString();
    QTest::newRow("263 is type 7") << QByteArray("[Deco]\nmodel=263\n") << 7 << 21 << 0 << 90 << "EEPROM: bad deco type";
    QTest::newRow("decimal model reads 0") << QByteArray("[Deco]\nmodel=1.5\n") << 0 << 21 << 0 << 90 << QString();
}

void TestSettings::currentLayoutValues()
{
    QFETCH(QByteArray, ini);
    QFETCH(int, decoType);
    QFETCH(int, o2);
    QFETCH(int, active);
    QFETCH(int, cf33);
    QFETCH(QString, failure);
    VARN_eeprom e;
    auto s = iniFile(ini);
    QCOMPARE(loadFailure(e, s.get()), failure);
    QCOMPARE(int(e.decoType), decoType);
    QCOMPARE(int(e.gases[0].currentO2), o2);
    QCOMPARE(int(e.activeGases), active);
    QCOMPARE(int((unsigned short)e.cf(33).value), cf33);
}

void TestSettings::customText_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("savedText");
    QTest::addColumn<int>("loadedFlag");
    QTest::addColumn<QByteArray>("loadedBytes");
    QTest::newRow("leading brace saves empty, loads off")
        << QByteArray(25, '}') << QString("") << 0 << QByteArray(25, '}');
    QTest::newRow("brace in the middle cuts")
        << QByteArray("AB}CD").append(QByteArray(20, '}')) << QString("AB") << 1
        << QByteArray("AB").append(QByteArray(23, '}'));
    QTest::newRow("full 25 characters")
        << QByteArray("ABCDEFGHIJKLMNOPQRSTUVWXY") << QString("ABCDEFGHIJKLMNOPQRSTUVWXY") << 1
        << QByteArray("ABCDEFGHIJKLMNOPQRSTUVWXY");
}

void TestSettings::customText()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, savedText);
    QFETCH(int, loadedFlag);
    QFETCH(QByteArray, loadedBytes);
    VARN_eeprom e;
    e.customTextOn = 1;
    memcpy(e.customText, bytes.constData(), 25);
    auto s = iniFile("");
    e.save(s.get());
    QCOMPARE(s->value("VARN/text").toString(), savedText);
    VARN_eeprom back;
    memset(back.customText, '}', 25);
    back.load(s.get());
    QCOMPARE(int(back.customTextOn), loadedFlag);
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(back.customText), 25), loadedBytes);

    // Texts of other lengths in the file: long ones are cut, short ones padded.
    auto longer = iniFile("[Deco]\nmodel=0\n[VARN]\ntext=123456789012345678901234567890\n");
    back.load(longer.get());
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(back.customText), 25), QByteArray("1234567890123456789012345"));
    auto shorter = iniFile("[Deco]\nmodel=0\n[VARN]\ntext=abc\n");
    back.load(shorter.get());
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(back.customText), 25), QByteArray("abc").append(QByteArray(22, '}')));
}

void TestSettings::customTextOffRemovesKey()
{
    auto s = iniFile("[VARN]\ntext=old text\n");
    VARN_eeprom e;
    e.save(s.get());
    QVERIFY(!s->contains("VARN/text"));
    VARN_eeprom back;
    back.customTextOn = 1;
    back.load(s.get());
    QCOMPARE(back.customTextOn, ubyte(0));
}

void TestSettings::firstGas()
{
    VARN_eeprom e;
    e.firstGas = 0;
    auto s = iniFile("");
    e.save(s.get());
    for (int i = 0; i < 5; ++i)
        QVERIFY(!s->contains(QString("Gas%1/first").arg(i)));
    VARN_eeprom back;
    back.firstGas = 3;
    back.load(s.get());
    QCOMPARE(back.firstGas, ubyte(3));

    auto two = iniFile("[Deco]\nmodel=0\n[Gas1]\nfirst=yes\n[Gas3]\nfirst=yes\n");
    back.load(two.get());
    QCOMPARE(back.firstGas, ubyte(4));
}

void TestSettings::olderLayout()
{
    auto s = iniFile("Mode=OCR\n"
                     "[Gas]\n1\\on=true\n1\\O2=32\n1\\He=0\n1\\depth=0\n"
                     "2\\on=false\n2\\O2=50\n2\\He=0\n2\\depth=21\n"
                     "3\\on=no\n3\\O2=100\n3\\depth=6\n"
                     "4\\on=false\n5\\on=0\nfirst=1\nswitch_delay=2\n"
                     "[SetPoint]\n1\\ppO2=1.15\n2\\ppO2=0.7\n3\\ppO2=1.3\n"
                     "[GradientFactor]\non=true\nlow=25\nhigh=80\n"
                     "[Buhlmann]\nsat=120\ndesat=80\noffset=0.5\nlast_stop=6\n"
                     "[Dive]\nppO2High=1.4\nshallow_first=true\nbottom_usage=22.7\nascent_usage=17.2\nextra_time=3\n");
    VARN_eeprom e;
    e.load(s.get());
    // Qt's booleans: "no" is true, "false" and "0" are false.
    QCOMPARE(int(e.activeGases), 0x05);
    QCOMPARE(e.gases[0].currentO2, ubyte(32));
    QCOMPARE(e.gases[1].currentO2, ubyte(50));
    QCOMPARE(e.changeDepth[1], ubyte(21));
    QCOMPARE(e.gases[2].currentO2, ubyte(100));
    QCOMPARE(e.gases[3].currentO2, ubyte(21));
    QCOMPARE(e.setpoints[0], ubyte(114));
    QCOMPARE(e.setpoints[1], ubyte(70));
    QCOMPARE(e.setpoints[2], ubyte(130));
    QCOMPARE(e.decoType, ubyte(4));
    QCOMPARE(int(e.cf(11).value), 120);
    QCOMPARE(int(e.cf(12).value), 80);
    QCOMPARE(int(e.cf(18).value), 140);
    QCOMPARE(int(e.cf(16).value), 5);
    QCOMPARE(int(e.cf(29).value), 6);
    QCOMPARE(int(e.cf(32).value), 25);
    QCOMPARE(int(e.cf(33).value), 80);
    QCOMPARE(int(e.cf(54).value), 1);
    QCOMPARE(int(e.cf(55).value), 2);
    QCOMPARE(int(e.cf(56).value), 22);
    QCOMPARE(int(e.cf(57).value), 17);
    QCOMPARE(int(e.cf(58).value), 3);
}

void TestSettings::olderLayoutDefaults()
{
    VARN_eeprom e;
    for (int n = 0; n < CF_COUNT; ++n)
        e.cf(n).value = 7777;
    e.salinity = 42;
    auto s = iniFile("Mode=CCR\n");
    e.load(s.get());
    QCOMPARE(int(e.activeGases), 0x1F);
    QCOMPARE(e.firstGas, ubyte(1));
    QCOMPARE(e.decoType, ubyte(2));
    for (int i = 0; i < 3; ++i)
        QCOMPARE(e.setpoints[i], ubyte(100));
    for (int n : {11, 12, 16, 18, 29, 32, 33, 54, 55, 56, 57, 58})
        QCOMPARE(e.cf(n).value, custom_functions_defaults[n].defaultValue);
    // Fields the older layout never held keep their values.
    QCOMPARE(int(e.cf(17).value), 7777);
    QCOMPARE(e.salinity, ubyte(42));
}

void TestSettings::olderLayoutWinsOverCurrentKeys()
{
    auto s = iniFile("Mode=OCR\n[Deco]\nmodel=5\n[Gas0]\ncurrent\\O2=99\n[CF33]\nvalue=44\n");
    VARN_eeprom e;
    e.load(s.get());
    QCOMPARE(e.decoType, ubyte(0));
    QCOMPARE(e.gases[0].currentO2, ubyte(21));
    QCOMPARE(int(e.cf(33).value), 90);
}

void TestSettings::olderLayoutModes_data()
{
    QTest::addColumn<QByteArray>("mode");
    QTest::addColumn<QByteArray>("gf");
    QTest::addColumn<int>("decoType");
    QTest::newRow("OCR") << QByteArray("OCR") << QByteArray("false") << 0;
    QTest::newRow("OCR GF") << QByteArray("OCR") << QByteArray("true") << 4;
    QTest::newRow("ocr is closed circuit") << QByteArray("ocr") << QByteArray("false") << 2;
    QTest::newRow("CCR GF") << QByteArray("CCR") << QByteArray("1") << 5;
}

void TestSettings::olderLayoutModes()
{
    QFETCH(QByteArray, mode);
    QFETCH(QByteArray, gf);
    QFETCH(int, decoType);
    auto s = iniFile("Mode=" + mode + "\n[GradientFactor]\non=" + gf + "\n");
    VARN_eeprom e;
    e.load(s.get());
    QCOMPARE(int(e.decoType), decoType);
}

void TestSettings::saveConvertsOlderLayout()
{
    auto s = iniFile("Mode=OCR\n"
                     "[Gas]\n1\\O2=32\nfirst=1\n"
                     "[SetPoint]\n1\\ppO2=1.2\n"
                     "[GradientFactor]\non=true\n"
                     "[Buhlmann]\nsat=120\n"
                     "[Dive]\nppO2High=1.4\nshallow_first=true\nbottom_usage=22\nascent_usage=17\nextra_time=3\n"
                     "pressure=1013\nverbose=true\nbottom_depth=40\n"
                     "[Interface]\nwidth=900\n");
    VARN_eeprom e;
    e.load(s.get());
    e.save(s.get());
    QSettings again(s->fileName(), QSettings::IniFormat);
    QVERIFY(!again.contains("Mode"));
    for (const char* group : {"Gas", "SetPoint", "Buhlmann", "GradientFactor"})
        QVERIFY2(!again.childGroups().contains(group), group);
    for (const char* key : {"Dive/ppO2High", "Dive/shallow_first", "Dive/bottom_usage", "Dive/ascent_usage", "Dive/extra_time"})
        QVERIFY2(!again.contains(key), key);
    QCOMPARE(again.value("Dive/pressure").toInt(), 1013);
    QCOMPARE(again.value("Dive/verbose").toString(), QString("true"));
    QCOMPARE(again.value("Dive/bottom_depth").toInt(), 40);
    QCOMPARE(again.value("Interface/width").toInt(), 900);
    QCOMPARE(again.value("Gas0/current/O2").toInt(), 32);
    QCOMPARE(again.value("Deco/model").toInt(), 4);

    VARN_eeprom back;
    back.load(&again);
    QCOMPARE(back.gases[0].currentO2, ubyte(32));
    QCOMPARE(back.setpoints[0], ubyte(120));
    QCOMPARE(int(back.cf(54).value), 1);
}

void TestSettings::invalidImageIsNotSaved()
{
    auto s = iniFile("Mode=OCR\n[Dive]\nextra_time=3\n");
    VARN_eeprom e;
    e.serial = 12;
    QCOMPARE(thrownText([&] { e.save(s.get()); }), QString("EEPROM: bad serial"));
    QSettings again(s->fileName(), QSettings::IniFormat);
    QCOMPARE(again.allKeys().size(), 2);
    QCOMPARE(again.value("Mode").toString(), QString("OCR"));
}

void TestSettings::invalidImageIsNotLoaded()
{
    auto s = iniFile("[Deco]\nmodel=4\n[Gas0]\ncurrent\\O2=50\n");
    VARN_eeprom e;
    e.firmwareMajor = 9;
    const VARN_eeprom before = e;
    QCOMPARE(loadFailure(e, s.get()), QString("EEPROM: bad firmware version"));
    QCOMPARE(memcmp(e.bytes(), before.bytes(), 768), 0);
}

void TestSettings::unwritableFileIsAFailure()
{
    // A settings file below a regular file can never be written, even by root.
    QFile blocker(dir.filePath("blocker"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QSettings s(dir.filePath("blocker/defaults.ini"), QSettings::IniFormat);
    VARN_eeprom e;
    QCOMPARE(thrownText([&] { e.save(&s); }), QString("Unable to write the settings file"));
}

void TestSettings::formatErrorOfTheFileIsNoWriteFailure_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("group without its bracket") << QByteArray("[Deco\nmodel=4\n[Dive]\npressure=900\n");
    QTest::newRow("lone bracket at the end") << QByteArray("[Dive]\npressure=900\n[\n");
}

// The settings object keeps the format error it met while reading the file: the save that
// rewrites the file is still a success, and the file reads cleanly afterwards.
void TestSettings::formatErrorOfTheFileIsNoWriteFailure()
{
    QFETCH(QByteArray, text);
    auto s = iniFile(text);
    QCOMPARE(s->status(), QSettings::FormatError);
    const VARN_eeprom original = sampleImage();

    QCOMPARE(thrownText([&] { original.save(s.get()); }), QString());

    QSettings again(s->fileName(), QSettings::IniFormat);
    QCOMPARE(again.status(), QSettings::NoError);
    QCOMPARE(again.value("Dive/pressure").toInt(), 900);
    VARN_eeprom loaded;
    QVERIFY(loaded.load(&again));
    QCOMPARE(loaded.decoType, original.decoType);
    QCOMPARE(loaded.firstGas, original.firstGas);
    QCOMPARE(loaded.gases[4].currentO2, original.gases[4].currentO2);
    QCOMPARE(loaded.setpoints[2], original.setpoints[2]);
    for (int n = 0; n < CF_COUNT; ++n)
        QCOMPARE((unsigned short)loaded.cf(n).value, (unsigned short)original.cf(n).value);
}

// A file read with a format error whose folder has gone since: the write fails although the
// settings object had an error before it.
void TestSettings::writeFailureAfterFormatErrorIsAFailure()
{
    QVERIFY(QDir(dir.path()).mkdir("gone"));
    const QString path = dir.filePath("gone/defaults.ini");
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("[Deco\nmodel=4\n");
    f.close();
    QSettings s(path, QSettings::IniFormat);
    QCOMPARE(s.status(), QSettings::FormatError);

    QVERIFY(QDir(dir.filePath("gone")).removeRecursively());
    QFile blocker(dir.filePath("gone"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    const VARN_eeprom e;
    QCOMPARE(thrownText([&] { e.save(&s); }), QString("Unable to write the settings file"));
}

// A file that opens for writing in a folder where no file can be created: the settings object
// cannot replace it, and the file itself reads without error.
void TestSettings::fileThatTakesNoWriteIsAFailure()
{
    const QString path("/proc/self/comm");
    if (!QFile::exists(path))
        QSKIP("no /proc/self/comm on this system");
    QSettings s(path, QSettings::IniFormat);
    QVERIFY(s.isWritable());
    QCOMPARE(s.status(), QSettings::NoError);

    const VARN_eeprom e;
    QCOMPARE(thrownText([&] { e.save(&s); }), QString("Unable to write the settings file"));
}

void TestSettings::resavedFileTakesNewGroups_data()
{
    QTest::addColumn<int>("firstBefore");
    QTest::addColumn<int>("firstAfter");
    QTest::newRow("first gas moves from 3 to 1") << 3 << 1;
    QTest::newRow("first gas moves from 5 to 2") << 5 << 2;
    QTest::newRow("first gas moves from 2 to 4") << 2 << 4;
}

// Each gas and setpoint group is written anew: a file saved again holds only what the second
// save wrote there, so a first gas that moved reloads as moved, and keys the program does not
// write vanish from those groups.
void TestSettings::resavedFileTakesNewGroups()
{
    QFETCH(int, firstBefore);
    QFETCH(int, firstAfter);
    auto s = iniFile("[Setpoint1]\nnote=old\n[Gas3]\nnote=old\n[CF7]\nnote=kept\n");
    VARN_eeprom e;
    e.firstGas = ubyte(firstBefore);
    e.save(s.get());
    e.firstGas = ubyte(firstAfter);
    e.save(s.get());

    QSettings again(s->fileName(), QSettings::IniFormat);
    VARN_eeprom back;
    back.load(&again);
    QCOMPARE(int(back.firstGas), firstAfter);
    QVERIFY(!again.contains("Setpoint1/note"));
    QVERIFY(!again.contains("Gas3/note"));
    QCOMPARE(again.value("CF7/note").toString(), QString("kept"));
}

QTEST_APPLESS_MAIN(TestSettings)
#include "tst_settings.moc"
