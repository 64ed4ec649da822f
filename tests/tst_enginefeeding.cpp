#include "EngineFeeding.h"
#include "VARN_eeprom.h"
#include "p2_deco.h"

#include <QtTest>

class TestEngineFeeding : public QObject {
    Q_OBJECT

private slots:
    void init();
    void ambientPressure_data();
    void ambientPressure();
    void openCircuitPpO2_data();
    void openCircuitPpO2();
    void fixedSetpoint_data();
    void fixedSetpoint();
    void adjustedSetpointIsFloorCappedByAmbient();
    void setupCopiesConfiguration();
    void setupModelAndSetpoint_data();
    void setupModelAndSetpoint();
    void setupGuardsRichMixes();
    void setupResetsCurrentGas();
    void damagedFirstGasStaysInRecords();
    void bestGas_data();
    void bestGas();
};

void TestEngineFeeding::init()
{
    eeprom = VARN_eeprom();
    int_I_pres_surface = 1013;
    char_I_N2_ratio = 79;
    char_I_He_ratio = 0;
    char_I_const_ppO2 = 0;
}

void TestEngineFeeding::ambientPressure_data()
{
    QTest::addColumn<int>("surface");
    QTest::addColumn<float>("depth");
    QTest::addColumn<int>("pressure");

    QTest::newRow("surface") << 1013 << 0.0f << 1013;
    QTest::newRow("10 m truncates 998.5") << 1013 << 10.0f << 2011;
    QTest::newRow("30.5 m") << 1013 << 30.5f << 4058;
    QTest::newRow("fraction truncated") << 1013 << 0.019f << 1014;
    QTest::newRow("altitude lake") << 850 << 20.0f << 850 + 1997;
}

void TestEngineFeeding::ambientPressure()
{
    QFETCH(int, surface);
    QFETCH(float, depth);
    QFETCH(int, pressure);

    int_I_pres_surface = (unsigned short)surface;
    setup_pres(depth);
    QCOMPARE(int(int_I_pres_respiration), pressure);
}

void TestEngineFeeding::openCircuitPpO2_data()
{
    QTest::addColumn<int>("surface");
    QTest::addColumn<float>("depth");
    QTest::addColumn<int>("n2");
    QTest::addColumn<int>("he");
    QTest::addColumn<int>("ppO2");

    QTest::newRow("air at the surface") << 1013 << 0.0f << 79 << 0 << 21;
    QTest::newRow("air at 10 m rounds 42.23") << 1013 << 10.0f << 79 << 0 << 42;
    QTest::newRow("oxygen at 2600 mbar clamps to 255") << 2600 << 0.0f << 0 << 0 << 255;
    QTest::newRow("trimix 18/45 at 72 m") << 1013 << 72.0f << 37 << 45 << 148;
    QTest::newRow("rounds half up") << 850 << 0.0f << 50 << 0 << 43;
}

void TestEngineFeeding::openCircuitPpO2()
{
    QFETCH(int, surface);
    QFETCH(float, depth);
    QFETCH(int, n2);
    QFETCH(int, he);
    QFETCH(int, ppO2);

    int_I_pres_surface = (unsigned short)surface;
    char_I_N2_ratio = (unsigned char)n2;
    char_I_He_ratio = (unsigned char)he;
    setup_pres(depth);
    QCOMPARE(int(char_I_actual_ppO2), ppO2);
}

void TestEngineFeeding::fixedSetpoint_data()
{
    QTest::addColumn<float>("depth");
    QTest::addColumn<int>("replayedSetpoint");

    QTest::newRow("surface, above ambient") << 0.0f << 130;
    QTest::newRow("40 m") << 40.0f << 130;
    QTest::newRow("after a replayed setpoint") << 20.0f << 70;
}

void TestEngineFeeding::fixedSetpoint()
{
    QFETCH(float, depth);
    QFETCH(int, replayedSetpoint);

    eeprom.decoType = 2;
    eeprom.setpoints[0] = 130;
    eeprom.cf(39).value = 0;
    char_I_const_ppO2 = (unsigned char)replayedSetpoint;
    setup_pres(depth);
    QCOMPARE(int(char_I_actual_ppO2), 130);
}

void TestEngineFeeding::adjustedSetpointIsFloorCappedByAmbient()
{
    eeprom.decoType = 5;
    eeprom.setpoints[0] = 130;
    eeprom.cf(39).value = 1;
    char_I_const_ppO2 = 130;

    setup_pres(0);
    QCOMPARE(int(char_I_actual_ppO2), 101);

    setup_pres(20);
    QCOMPARE(int(char_I_actual_ppO2), 130);

    // Deep enough, the diluent alone breathes more than the setpoint.
    setup_pres(70);
    QCOMPARE(int(char_I_actual_ppO2), 168);

    // Open circuit: only the ambient cap.
    eeprom.decoType = 0;
    char_I_const_ppO2 = 0;
    char_I_N2_ratio = 0;
    setup_pres(0);
    QCOMPARE(int(char_I_actual_ppO2), 101);
}

void TestEngineFeeding::setupCopiesConfiguration()
{
    eeprom.cf(11).value = 0x0178; // only the low byte reaches the engine
    eeprom.cf(12).value = 85;
    eeprom.cf(16).value = 7;
    eeprom.cf(29).value = 6;
    eeprom.cf(32).value = 35;
    eeprom.cf(33).value = 80;
    eeprom.gases[1].currentO2 = 50;
    eeprom.gases[2].currentO2 = 18;
    eeprom.gases[2].currentHe = 45;
    eeprom.gases[3].currentO2 = 100;
    eeprom.changeDepth[1] = 21;
    eeprom.changeDepth[2] = 40;
    eeprom.changeDepth[3] = 6;
    eeprom.activeGases = 0x0B; // gases 1, 2 and 4: gas 3 is inactive
    eeprom.firstGas = 3;
    char_I_dive_interval = 9;

    VARN_setup(true);

    QCOMPARE(int(char_I_saturation_multiplier), 0x78);
    QCOMPARE(int(char_I_desaturation_multiplier), 85);
    QCOMPARE(int(char_I_deco_distance), 7);
    QCOMPARE(int(char_I_depth_last_deco), 6);
    QCOMPARE(int(char_I_GF_Low_percentage), 35);
    QCOMPARE(int(char_I_GF_High_percentage), 80);
    QCOMPARE(int(char_I_dive_interval), 0);

    const int he[NUM_GAS] = {0, 0, 45, 0, 0};
    const int n2[NUM_GAS] = {79, 50, 37, 0, 79};
    const int change[NUM_GAS] = {0, 21, 0, 6, 0};
    for (int i = 0; i < NUM_GAS; ++i) {
        QCOMPARE(int(char_I_deco_He_ratio[i]), he[i]);
        QCOMPARE(int(char_I_deco_N2_ratio[i]), n2[i]);
        QCOMPARE(int(char_I_deco_gas_change[i]), change[i]);
    }
    QCOMPARE(int(char_I_first_gas), 3);
    QCOMPARE(int(char_I_current_gas), 3);
    QCOMPARE(int(char_I_N2_ratio), 37);
    QCOMPARE(int(char_I_He_ratio), 45);
}

void TestEngineFeeding::setupModelAndSetpoint_data()
{
    QTest::addColumn<int>("decoType");
    QTest::addColumn<int>("model");
    QTest::addColumn<int>("setpoint");

    QTest::newRow("OC ZH-L16") << 0 << 0 << 0;
    QTest::newRow("CC ZH-L16") << 2 << 0 << 120;
    QTest::newRow("OC GF") << 4 << 1 << 0;
    QTest::newRow("CC GF") << 5 << 1 << 120;
}

void TestEngineFeeding::setupModelAndSetpoint()
{
    QFETCH(int, decoType);
    QFETCH(int, model);
    QFETCH(int, setpoint);

    eeprom.decoType = (ubyte)decoType;
    eeprom.setpoints[0] = 120;
    char_I_deco_model = 7;
    char_I_const_ppO2 = 99;
    VARN_setup(false);
    QCOMPARE(int(char_I_deco_model), model);
    QCOMPARE(int(char_I_const_ppO2), setpoint);
}

void TestEngineFeeding::setupGuardsRichMixes()
{
    eeprom.gases[0].currentO2 = 60;
    eeprom.gases[0].currentHe = 50;
    VARN_setup(true);
    QCOMPARE(int(char_I_deco_N2_ratio[0]), 0);
    QCOMPARE(int(char_I_N2_ratio), 0);
    QCOMPARE(int(char_I_He_ratio), 50);
}

void TestEngineFeeding::setupResetsCurrentGas()
{
    eeprom.firstGas = 2;
    char_I_current_gas = 5;
    char_I_N2_ratio = 0;
    VARN_setup(false);
    QCOMPARE(int(char_I_current_gas), 2);
    QCOMPARE(int(char_I_N2_ratio), 79);
}

void TestEngineFeeding::damagedFirstGasStaysInRecords()
{
    eeprom.firstGas = 9;
    eeprom.gases[0].currentO2 = 32;
    VARN_setup(true);
    QCOMPARE(int(char_I_first_gas), 1);
    QCOMPARE(int(char_I_N2_ratio), 68);
    QCOMPARE(::bestGas(30), 1);
}

void TestEngineFeeding::bestGas_data()
{
    QTest::addColumn<int>("active");
    QTest::addColumn<QList<int>>("changes");
    QTest::addColumn<int>("first");
    QTest::addColumn<float>("depth");
    QTest::addColumn<int>("gas");

    const QList<int> twoDecoGases = {0, 21, 6, 0, 0};
    QTest::newRow("deep: first gas") << 0x07 << twoDecoGases << 1 << 30.0f << 1;
    QTest::newRow("just below a change depth") << 0x07 << twoDecoGases << 1 << 21.05f << 2;
    QTest::newRow("0.2 m below a change depth") << 0x07 << twoDecoGases << 1 << 21.2f << 1;
    QTest::newRow("shallowest wins") << 0x07 << twoDecoGases << 1 << 6.0f << 3;
    QTest::newRow("between") << 0x07 << twoDecoGases << 1 << 10.0f << 2;
    QTest::newRow("equal depths: higher number") << 0x0B << QList<int>{0, 6, 0, 6, 0} << 1 << 5.0f << 4;
    QTest::newRow("active without change depth") << 0x03 << QList<int>{0, 0, 0, 0, 0} << 1 << 0.0f << 1;
    QTest::newRow("inactive with change depth") << 0x01 << QList<int>{0, 21, 0, 0, 0} << 1 << 3.0f << 1;
    QTest::newRow("surface, nothing offered") << 0x00 << QList<int>{0, 0, 0, 0, 0} << 3 << 0.0f << 3;
    QTest::newRow("first gas with change depth") << 0x05 << QList<int>{40, 0, 20, 0, 0} << 3 << 30.0f << 1;
}

void TestEngineFeeding::bestGas()
{
    QFETCH(int, active);
    QFETCH(QList<int>, changes);
    QFETCH(int, first);
    QFETCH(float, depth);
    QFETCH(int, gas);

    eeprom.activeGases = (ubyte)active;
    for (int i = 0; i < NUM_GAS; ++i)
        eeprom.changeDepth[i] = (ubyte)changes.at(i);
    eeprom.firstGas = (ubyte)first;
    QCOMPARE(::bestGas(depth), gas);
}

QTEST_GUILESS_MAIN(TestEngineFeeding)
#include "tst_enginefeeding.moc"
