#include "VARN_eeprom.h"
#include "testutil.h"

#include <QtTest>
#include <cstring>

class TestEeprom : public QObject {
    Q_OBJECT

private slots:
    void defaultsBytes();
    void recordBlockDefaults();
    void customFunctionPositions_data();
    void customFunctionPositions();
    void customFunctionTable_data();
    void customFunctionTable();
    void wordIsLowByteFirst();
    void check_data();
    void check();
    void setCCR_data();
    void setCCR();
    void copyTakesUserSettingsOnly();
    void copyCustomText_data();
    void copyCustomText();
    void copyEndsWithCheck();
    void wholeImageAssignment();
};

void TestEeprom::defaultsBytes()
{
    const VARN_eeprom e;
    const ubyte* b = e.bytes();
    QCOMPARE(b[0], ubyte(0xFF));
    QCOMPARE(b[1], ubyte(0xFF));
    QCOMPARE(b[2], ubyte(0));
    for (int i = 0; i < 5; ++i) {
        QCOMPARE(b[4 + 4 * i], ubyte(21));
        QCOMPARE(b[5 + 4 * i], ubyte(0));
        QCOMPARE(b[6 + 4 * i], ubyte(21));
        QCOMPARE(b[7 + 4 * i], ubyte(0));
        QCOMPARE(b[28 + i], ubyte(0));
    }
    QCOMPARE(b[24], ubyte(21));
    QCOMPARE(b[25], ubyte(0));
    QCOMPARE(b[26], ubyte(100));
    QCOMPARE(b[27], ubyte(0));
    QCOMPARE(b[33], ubyte(1));
    QCOMPARE(b[34], ubyte(0));
    QCOMPARE(b[36], ubyte(100));
    QCOMPARE(b[37], ubyte(100));
    QCOMPARE(b[38], ubyte(100));
    QCOMPARE(b[64], ubyte(0));
    for (int i = 65; i < 90; ++i)
        QCOMPARE(b[i], ubyte(0));
    QCOMPARE(b[92], ubyte(64));
    QCOMPARE(b[256], ubyte(21));
    QCOMPARE(b[257], ubyte(2));
    QCOMPARE(b[258], ubyte(20));
    // Reserved areas stay zero.
    for (int i = 259; i < 384; ++i)
        QCOMPARE(b[i], ubyte(0));
    for (int i = 512; i < 640; ++i)
        QCOMPARE(b[i], ubyte(0));
    e.check();
}

void TestEeprom::recordBlockDefaults()
{
    const VARN_eeprom e;
    const ubyte expected[24] = {
        0x88, 0x13, 5, 1, 12,  // 5000
        200, 0, 9, 1, 11,      // 200
        0, 0, 0, 0,
        0x2C, 0x01, 9, 1, 11,  // 300
        50, 0, 9, 1, 11,       // 50
    };
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(e.bytes() + 40), 24),
             QByteArray(reinterpret_cast<const char*>(expected), 24));
}

void TestEeprom::customFunctionPositions_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("offset");
    QTest::newRow("CF0") << 0 << 128;
    QTest::newRow("CF31") << 31 << 252;
    QTest::newRow("CF32") << 32 << 384;
    QTest::newRow("CF54") << 54 << 472;
    QTest::newRow("CF63") << 63 << 508;
    QTest::newRow("CF64") << 64 << 640;
    QTest::newRow("CF95") << 95 << 764;
}

void TestEeprom::customFunctionPositions()
{
    QFETCH(int, n);
    QFETCH(int, offset);
    VARN_eeprom e;
    QCOMPARE(reinterpret_cast<ubyte*>(&e.cf(n)) - e.bytes(), std::ptrdiff_t(offset));
    const unsigned short def = custom_functions_defaults[n].defaultValue;
    QCOMPARE(e.bytes()[offset], ubyte(def & 0xFF));
    QCOMPARE(e.bytes()[offset + 1], ubyte(def >> 8));
    QCOMPARE(e.bytes()[offset + 2], ubyte(def & 0xFF));
    QCOMPARE(e.bytes()[offset + 3], ubyte(def >> 8));
    e.cf(n).value = 0xBEEF;
    QCOMPARE(e.bytes()[offset + 2], ubyte(0xEF));
    QCOMPARE(e.bytes()[offset + 3], ubyte(0xBE));
}

void TestEeprom::customFunctionTable_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("label");
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("def");
    QTest::addColumn<int>("min");
    QTest::addColumn<int>("max");
    // The whole table: label, type, default, minimum and maximum of every custom function
    // (minimum -120 of CF48 as the stored word).
    QTest::newRow("CF0") << 0 << "Start Dive [m]" << int(CF_CENTI) << 100 << 50 << 250;
    QTest::newRow("CF1") << 1 << "End Dive [m]" << int(CF_CENTI) << 30 << 10 << 100;
    QTest::newRow("CF2") << 2 << "End Delay [sec]" << int(CF_TIME) << 240 << 0 << 600;
    QTest::newRow("CF3") << 3 << "Power Off [min]" << int(CF_TIME) << 120 << 30 << 240;
    QTest::newRow("CF4") << 4 << "Pre-menu [min]" << int(CF_TIME) << 5 << 1 << 30;
    QTest::newRow("CF5") << 5 << "velocity[m/min]" << int(CF_INT8) << 7 << 3 << 18;
    QTest::newRow("CF6") << 6 << "Wake-up  [mbar]" << int(CF_INT15) << 1160 << 950 << 0;
    QTest::newRow("CF7") << 7 << "max.Surf.[mbar]" << int(CF_INT15) << 1080 << 1080 << 0;
    QTest::newRow("CF8") << 8 << "GF display [%]" << int(CF_PERCENT) << 20 << 1 << 99;
    QTest::newRow("CF9") << 9 << "min. O2 Dis.[%]" << int(CF_PERCENT) << 20 << 1 << 22;
    QTest::newRow("CF10") << 10 << "Dive menus[min]" << int(CF_TIME) << 45 << 5 << 60;
    QTest::newRow("CF11") << 11 << "Saturate x [%]" << int(CF_PERCENT) << 110 << 110 << 200;
    QTest::newRow("CF12") << 12 << "Desaturate x[%]" << int(CF_PERCENT) << 90 << 50 << 90;
    QTest::newRow("CF13") << 13 << "NoFly Ratio [%]" << int(CF_PERCENT) << 60 << 60 << 100;
    QTest::newRow("CF14") << 14 << "GF alarm 1 [%]" << int(CF_PERCENT) << 100 << 50 << 100;
    QTest::newRow("CF15") << 15 << "CNSshow surf[%]" << int(CF_PERCENT) << 10 << 0 << 100;
    QTest::newRow("CF16") << 16 << "Deco Offset [m]" << int(CF_DECI) << 10 << 0 << 10;
    QTest::newRow("CF17") << 17 << "ppO2 low [bar]" << int(CF_CENTI) << 19 << 19 << 21;
    QTest::newRow("CF18") << 18 << "ppO2 high [bar]" << int(CF_CENTI) << 160 << 0 << 160;
    QTest::newRow("CF19") << 19 << "ppO2 show [bar]" << int(CF_CENTI) << 140 << 0 << 150;
    QTest::newRow("CF20") << 20 << "sampling rate" << int(CF_INT8) << 10 << 1 << 120;
    QTest::newRow("CF21") << 21 << "Divisor Temp" << int(CF_INT8) << 6 << 0 << 15;
    QTest::newRow("CF22") << 22 << "Divisor Decodat" << int(CF_INT8) << 6 << 0 << 15;
    QTest::newRow("CF23") << 23 << "Divisor GF" << int(CF_INT8) << 6 << 0 << 15;
    QTest::newRow("CF24") << 24 << "Divisor ppO2" << int(CF_INT8) << 0 << 0 << 15;
    QTest::newRow("CF25") << 25 << "Divisor Debug" << int(CF_INT8) << 0 << 0 << 15;
    QTest::newRow("CF26") << 26 << "Divisor CNS" << int(CF_INT8) << 12 << 0 << 15;
    QTest::newRow("CF27") << 27 << "CNSshow dive[%]" << int(CF_PERCENT) << 20 << 5 << 75;
    QTest::newRow("CF28") << 28 << "Logbook offset" << int(CF_INT15) << 0 << 0 << 0;
    QTest::newRow("CF29") << 29 << "Last Deco at[m]" << int(CF_INT8) << 3 << 2 << 6;
    QTest::newRow("CF30") << 30 << "End Apnoe [h]" << int(CF_TIME) << 10 << 1 << 15;
    QTest::newRow("CF31") << 31 << "Show Batt.Volts" << int(CF_BOOL) << 0 << 0 << 0;
    QTest::newRow("CF32") << 32 << "GF Low [%]" << int(CF_PERCENT) << 30 << 5 << 90;
    QTest::newRow("CF33") << 33 << "GF High [%]" << int(CF_PERCENT) << 90 << 30 << 95;
    QTest::newRow("CF34") << 34 << "Color# Battery " << int(CF_COLOR) << 199 << 0 << 0;
    QTest::newRow("CF35") << 35 << "Color# Standard" << int(CF_COLOR) << 255 << 0 << 0;
    QTest::newRow("CF36") << 36 << "Color# Divemask" << int(CF_COLOR) << 62 << 0 << 0;
    QTest::newRow("CF37") << 37 << "Color# Warnings" << int(CF_COLOR) << 224 << 0 << 0;
    QTest::newRow("CF38") << 38 << "Divemode secs. " << int(CF_BOOL) << 0 << 0 << 0;
    QTest::newRow("CF39") << 39 << "Adjust fixed SP" << int(CF_BOOL) << 0 << 0 << 0;
    QTest::newRow("CF40") << 40 << "Warn Ceiling" << int(CF_BOOL) << 1 << 0 << 0;
    QTest::newRow("CF41") << 41 << "Mix type icons" << int(CF_BOOL) << 1 << 0 << 0;
    QTest::newRow("CF42") << 42 << "Blink BetterGas" << int(CF_BOOL) << 1 << 0 << 0;
    QTest::newRow("CF43") << 43 << "DepthWarn[mbar]" << int(CF_INT15) << 13000 << 0 << 13000;
    QTest::newRow("CF44") << 44 << "CNS warning [%]" << int(CF_PERCENT) << 101 << 50 << 101;
    QTest::newRow("CF45") << 45 << "GF warning [%]" << int(CF_PERCENT) << 101 << 50 << 101;
    QTest::newRow("CF46") << 46 << "ppO2 warn [bar]" << int(CF_CENTI) << 161 << 100 << 161;
    QTest::newRow("CF47") << 47 << "Vel.warn[m/min]" << int(CF_INT8) << 15 << 7 << 20;
    QTest::newRow("CF48") << 48 << "Time offset/day" << int(CF_TIME | CF_SIGNED) << 0 << 0xFF88 << 120;
    QTest::newRow("CF49") << 49 << "Show altimeter" << int(CF_BOOL) << 0 << 0 << 0;
    QTest::newRow("CF50") << 50 << "Show Log-Marker" << int(CF_BOOL) << 0 << 0 << 0;
    QTest::newRow("CF51") << 51 << "Show Stopwatch" << int(CF_BOOL) << 1 << 0 << 0;
    QTest::newRow("CF52") << 52 << "ShowTissueGraph" << int(CF_BOOL) << 0 << 0 << 0;
    QTest::newRow("CF53") << 53 << "Show Lead.Tiss." << int(CF_BOOL) << 0 << 0 << 0;
    QTest::newRow("CF54") << 54 << "ShallowStop 1st" << int(CF_BOOL) << 0 << 0 << 0;
    QTest::newRow("CF55") << 55 << "Gas switch[min]" << int(CF_INT8) << 0 << 0 << 10;
    QTest::newRow("CF56") << 56 << "BottomGas[/min]" << int(CF_INT15) << 20 << 5 << 50;
    QTest::newRow("CF57") << 57 << "AscentGas[/min]" << int(CF_INT15) << 20 << 5 << 50;
    QTest::newRow("CF58") << 58 << "Future TTS[min]" << int(CF_INT8) << 0 << 0 << 10;
    QTest::newRow("CF59") << 59 << "Cave Bail Alarm" << int(CF_INT15) << 0 << 0 << 0;
    QTest::newRow("CF60") << 60 << "Graph. Velocity" << int(CF_BOOL) << 0 << 0 << 0;
    QTest::newRow("CF61") << 61 << "Show pSCR ppO2" << int(CF_BOOL) << 0 << 0 << 0;
    QTest::newRow("CF62") << 62 << "pSCR O2 Drop[%]" << int(CF_PERCENT) << 4 << 0 << 100;
    QTest::newRow("CF63") << 63 << "pSCR lung ratio" << int(CF_INT8) << 10 << 0 << 100;
    QTest::newRow("CF64") << 64 << "Color# inactive" << int(CF_COLOR) << 74 << 0 << 0;
    QTest::newRow("CF65") << 65 << "Use safety stop" << int(CF_BOOL) << 0 << 0 << 0;
    for (int n = 66; n < 96; ++n)
        QTest::newRow(qPrintable(QString("CF%1").arg(n))) << n << "unused" << int(CF_INT15) << 0 << 0 << 0;
}

void TestEeprom::customFunctionTable()
{
    QFETCH(int, n);
    QFETCH(QString, label);
    QFETCH(int, type);
    QFETCH(int, def);
    QFETCH(int, min);
    QFETCH(int, max);
    const CF_Default& row = custom_functions_defaults[n];
    QCOMPARE(QString::fromLatin1(row.label), label);
    QCOMPARE(row.type, type);
    QCOMPARE(int((unsigned short)row.defaultValue), def);
    QCOMPARE(int((unsigned short)row.min), min);
    QCOMPARE(int((unsigned short)row.max), max);
    // The label is zero-padded to its 18 bytes.
    for (int i = label.size(); i < 18; ++i)
        QCOMPARE(row.label[i], '\0');
}

void TestEeprom::wordIsLowByteFirst()
{
    VARN_eeprom e;
    e.bytes()[0] = 0x34;
    e.bytes()[1] = 0x12;
    QCOMPARE((unsigned short)e.serial, (unsigned short)0x1234);
    QCOMPARE(short((unsigned short)custom_functions_defaults[48].min), short(-120));
}

void TestEeprom::check_data()
{
    QTest::addColumn<int>("serial");
    QTest::addColumn<int>("major");
    QTest::addColumn<int>("minor");
    QTest::addColumn<int>("decoType");
    QTest::addColumn<QString>("failure");
    QTest::newRow("defaults") << 0xFFFF << 2 << 20 << 0 << QString();
    QTest::newRow("serial 99") << 99 << 2 << 20 << 0 << "EEPROM: bad serial";
    QTest::newRow("serial 100") << 100 << 2 << 20 << 0 << QString();
    QTest::newRow("serial 10000") << 10000 << 2 << 20 << 0 << QString();
    QTest::newRow("serial 10001") << 10001 << 2 << 20 << 0 << "EEPROM: bad serial";
    QTest::newRow("serial 0") << 0 << 2 << 20 << 0 << "EEPROM: bad serial";
    QTest::newRow("major 0") << 0xFFFF << 0 << 20 << 0 << "EEPROM: bad firmware version";
    QTest::newRow("major 4") << 0xFFFF << 4 << 20 << 0 << "EEPROM: bad firmware version";
    QTest::newRow("minor 100") << 0xFFFF << 2 << 100 << 0 << "EEPROM: bad firmware version";
    QTest::newRow("1.0") << 0xFFFF << 1 << 0 << 0 << QString();
    QTest::newRow("3.99") << 0xFFFF << 3 << 99 << 0 << QString();
    QTest::newRow("type 6") << 0xFFFF << 2 << 20 << 6 << QString();
    QTest::newRow("type 7") << 0xFFFF << 2 << 20 << 7 << "EEPROM: bad deco type";
    QTest::newRow("type 255") << 0xFFFF << 2 << 20 << 255 << "EEPROM: bad deco type";
    QTest::newRow("serial before type") << 5 << 2 << 20 << 7 << "EEPROM: bad serial";
    QTest::newRow("firmware before type") << 100 << 0 << 20 << 7 << "EEPROM: bad firmware version";
}

void TestEeprom::check()
{
    QFETCH(int, serial);
    QFETCH(int, major);
    QFETCH(int, minor);
    QFETCH(int, decoType);
    QFETCH(QString, failure);
    VARN_eeprom e;
    e.serial = (unsigned short)serial;
    e.firmwareMajor = ubyte(major);
    e.firmwareMinor = ubyte(minor);
    e.decoType = ubyte(decoType);
    const QByteArray before(reinterpret_cast<const char*>(e.bytes()), 768);
    QCOMPARE(thrownText([&] { e.check(); }), failure);
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(e.bytes()), 768), before);
}

void TestEeprom::setCCR_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("ccr");
    QTest::addColumn<int>("result");
    for (int t = 0; t <= 6; ++t) {
        const bool gf = t == 4 || t == 5;
        QTest::addRow("%d to CCR", t) << t << true << (gf ? 5 : 2);
        QTest::addRow("%d to OC", t) << t << false << (gf ? 4 : 0);
    }
}

void TestEeprom::setCCR()
{
    QFETCH(int, type);
    QFETCH(bool, ccr);
    QFETCH(int, result);
    VARN_eeprom e;
    e.decoType = ubyte(type);
    e.setCCR(ccr);
    QCOMPARE(int(e.decoType), result);
    QCOMPARE(e.isCCR(), ccr);
    QCOMPARE(e.isGF(), type == 4 || type == 5);
}

void TestEeprom::copyTakesUserSettingsOnly()
{
    VARN_eeprom src;
    src.serial = 1234;
    src.reservedWord = 77;
    for (int i = 0; i < 5; ++i) {
        src.gases[i].defaultO2 = ubyte(30 + i);
        src.gases[i].defaultHe = ubyte(10 + i);
        src.gases[i].currentO2 = ubyte(50 + i);
        src.gases[i].currentHe = ubyte(20 + i);
        src.changeDepth[i] = ubyte(3 * i + 3);
    }
    src.gas6 = ManualGas{32, 5};
    src.salinity = 103;
    src.activeGases = 0x15;
    src.firstGas = 3;
    src.decoType = 5;
    src.setpoints[0] = 70;
    src.setpoints[1] = 120;
    src.setpoints[2] = 140;
    src.presetByte = 9;
    src.logbookVersion = 3;
    src.firmwareMajor = 3;
    src.bytes()[100] = 0x5A;
    for (int n = 0; n < CF_COUNT; ++n) {
        src.cf(n).value = word((unsigned short)(1000 + n));
        src.cf(n).defaultValue = word((unsigned short)(2000 + n));
    }

    VARN_eeprom dst;
    const VARN_eeprom original = dst;
    dst.copy(src);

    QCOMPARE((unsigned short)dst.serial, (unsigned short)0xFFFF);
    QCOMPARE((unsigned short)dst.reservedWord, (unsigned short)0);
    for (int i = 0; i < 5; ++i) {
        QCOMPARE(dst.gases[i].defaultO2, ubyte(21));
        QCOMPARE(dst.gases[i].defaultHe, ubyte(0));
        QCOMPARE(dst.gases[i].currentO2, ubyte(50 + i));
        QCOMPARE(dst.gases[i].currentHe, ubyte(20 + i));
        QCOMPARE(dst.changeDepth[i], ubyte(3 * i + 3));
    }
    QCOMPARE(dst.gas6.currentO2, ubyte(32));
    QCOMPARE(dst.gas6.currentHe, ubyte(5));
    QCOMPARE(dst.salinity, ubyte(103));
    QCOMPARE(dst.activeGases, ubyte(0x15));
    QCOMPARE(dst.firstGas, ubyte(3));
    QCOMPARE(dst.decoType, ubyte(5));
    QCOMPARE(dst.setpoints[1], ubyte(120));
    QCOMPARE(dst.presetByte, ubyte(64));
    QCOMPARE(dst.logbookVersion, ubyte(21));
    QCOMPARE(dst.firmwareMajor, ubyte(2));
    QCOMPARE(dst.bytes()[100], ubyte(0));
    QCOMPARE(memcmp(&dst.recordBlock, &original.recordBlock, sizeof dst.recordBlock), 0);
    for (int n = 0; n < CF_COUNT; ++n) {
        QCOMPARE((unsigned short)dst.cf(n).value, (unsigned short)(1000 + n));
        QCOMPARE(dst.cf(n).defaultValue, original.cf(n).defaultValue);
    }
}

void TestEeprom::copyCustomText_data()
{
    QTest::addColumn<int>("flag");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("expectedFlag");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("off") << 0 << QByteArray("HELLO") << 0 << QByteArray(25, '}');
    QTest::newRow("flag 7 is on") << 7 << QByteArray("ABCDEFGHIJKLMNOPQRSTUVWXY") << 1
                                  << QByteArray("ABCDEFGHIJKLMNOPQRSTUVWXY");
    QTest::newRow("stops at zero") << 1 << QByteArray("abc\0xyz", 7) << 1 << QByteArray("abc").append(QByteArray(22, '\0'));
}

void TestEeprom::copyCustomText()
{
    QFETCH(int, flag);
    QFETCH(QByteArray, text);
    QFETCH(int, expectedFlag);
    QFETCH(QByteArray, expected);
    VARN_eeprom src;
    src.customTextOn = ubyte(flag);
    memset(src.customText, 'Z', 25);
    memcpy(src.customText, text.constData(), size_t(qMin(text.size(), 25)));
    VARN_eeprom dst;
    memset(dst.customText, 'Q', 25);
    dst.copy(src);
    QCOMPARE(int(dst.customTextOn), expectedFlag);
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(dst.customText), 25), expected);
}

void TestEeprom::copyEndsWithCheck()
{
    VARN_eeprom src;
    src.decoType = 9;
    src.setpoints[0] = 55;
    VARN_eeprom dst;
    QCOMPARE(thrownText([&] { dst.copy(src); }), QString("EEPROM: bad deco type"));
    // The image was already changed when the final check threw.
    QCOMPARE(dst.decoType, ubyte(9));
    QCOMPARE(dst.setpoints[0], ubyte(55));
}

void TestEeprom::wholeImageAssignment()
{
    VARN_eeprom a;
    a.serial = 4321;
    a.cf(95).value = 7;
    a.bytes()[600] = 0x42;
    VARN_eeprom b;
    b = a;
    QCOMPARE(memcmp(a.bytes(), b.bytes(), 768), 0);
}

QTEST_APPLESS_MAIN(TestEeprom)
#include "tst_eeprom.moc"
