#include "PlotInterface.h"
#include "Profile.h"
#include "Replay.h"
#include "VARN_Planner_Interface.h"
#include "VARN_eeprom.h"
#include "p2_deco.h"
#include "plotwindows.h"

#include <QtTest>

// The form and the configuration image kept in step: setup (form to image) and reload (image
// to form), field by field, with their roundings, the deco type rule and the plot and replay
// flags.
class TestFormConfig : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void customFunctionsBothWays_data();
    void customFunctionsBothWays();
    void gasRowsBothWays();
    void firstGas_data();
    void firstGas();
    void reloadLeavesFirstGasOutOfRange_data();
    void reloadLeavesFirstGasOutOfRange();
    void setpointsRoundToCentibar_data();
    void setpointsRoundToCentibar();
    void decoType_data();
    void decoType();
    void otherDecoTypesShowAsPlainOpenCircuit_data();
    void otherDecoTypesShowAsPlainOpenCircuit();
    void outOfRangeValueIsClampedThenWritten();
    void unpairedFieldsAndDefaultWordsStay();
    void surfacePressureAndReplayOptions();
    void reloadLeavesPlanningValues();
    void diveTracesWindowAndCurveFlags();

private:
    VARN_Planner_Interface* window = nullptr;
};

namespace {

QSpinBox* intBox(VARN_Planner_Interface* w, int cf)
{
    switch (cf) {
    case 11: return w->saturation;
    case 12: return w->desaturation;
    case 29: return w->last_stop;
    case 32: return w->GF_low;
    case 33: return w->GF_high;
    case 55: return w->gas_switch_delay;
    case 56: return w->bottomGasUsage;
    case 57: return w->ascentGasUsage;
    case 58: return w->extra_time;
    }
    return nullptr;
}

// Sets the widget that stands for custom function cf to the form value v.
void setWidget(VARN_Planner_Interface* w, int cf, double v)
{
    if (cf == 16)
        w->deco_offset->setValue(v);
    else if (cf == 18)
        w->ppO2High->setValue(v);
    else if (cf == 39)
        w->adjustSP->setChecked(v != 0);
    else if (cf == 54)
        w->shallow_first->setChecked(v != 0);
    else
        intBox(w, cf)->setValue(int(v));
}

double widgetValue(VARN_Planner_Interface* w, int cf)
{
    if (cf == 16)
        return w->deco_offset->value();
    if (cf == 18)
        return w->ppO2High->value();
    if (cf == 39)
        return w->adjustSP->isChecked();
    if (cf == 54)
        return w->shallow_first->isChecked();
    return intBox(w, cf)->value();
}

int cfValue(int n)
{
    return (unsigned short)eeprom.cf(n).value;
}

} // namespace

void TestFormConfig::init()
{
    eeprom = VARN_eeprom();
    window = new VARN_Planner_Interface;
}

void TestFormConfig::cleanup()
{
    delete window;
    window = nullptr;
    deletePlotWindows();
}

void TestFormConfig::customFunctionsBothWays_data()
{
    QTest::addColumn<int>("cf");
    QTest::addColumn<double>("formValue");
    QTest::addColumn<int>("stored");
    QTest::addColumn<double>("otherFormValue");

    QTest::newRow("saturation") << 11 << 150.0 << 150 << 100.0;
    QTest::newRow("desaturation") << 12 << 70.0 << 70 << 100.0;
    QTest::newRow("deco offset 1.5 m") << 16 << 1.5 << 15 << 0.0;
    QTest::newRow("deco offset 2.7 m") << 16 << 2.7 << 27 << 3.0;
    QTest::newRow("ppO2 high 1.13 bar") << 18 << 1.13 << 113 << 1.6;
    QTest::newRow("ppO2 high 1.29 bar") << 18 << 1.29 << 129 << 1.0;
    QTest::newRow("last stop") << 29 << 6.0 << 6 << 3.0;
    QTest::newRow("GF low") << 32 << 25.0 << 25 << 50.0;
    QTest::newRow("GF high") << 33 << 75.0 << 75 << 95.0;
    QTest::newRow("adjust setpoint on") << 39 << 1.0 << 1 << 0.0;
    QTest::newRow("adjust setpoint off") << 39 << 0.0 << 0 << 1.0;
    QTest::newRow("shallow stop first") << 54 << 1.0 << 1 << 0.0;
    QTest::newRow("gas switch delay") << 55 << 3.0 << 3 << 0.0;
    QTest::newRow("bottom usage") << 56 << 35.0 << 35 << 99.0;
    QTest::newRow("ascent usage") << 57 << 12.0 << 12 << 0.0;
    QTest::newRow("extra time") << 58 << 7.0 << 7 << 0.0;
}

void TestFormConfig::customFunctionsBothWays()
{
    QFETCH(int, cf);
    QFETCH(double, formValue);
    QFETCH(int, stored);
    QFETCH(double, otherFormValue);

    setWidget(window, cf, formValue);
    window->setup();
    QCOMPARE(cfValue(cf), stored);

    // The form changes; reload brings back what the image holds, shown at the widget's scale.
    setWidget(window, cf, otherFormValue);
    window->reload();
    QCOMPARE(widgetValue(window, cf), formValue);
    window->setup();
    QCOMPARE(cfValue(cf), stored);
}

void TestFormConfig::gasRowsBothWays()
{
    QCheckBox* const gas[] = {window->gas_1, window->gas_2, window->gas_3, window->gas_4, window->gas_5};
    QSpinBox* const o2[] = {window->O2_1, window->O2_2, window->O2_3, window->O2_4, window->O2_5};
    QSpinBox* const he[] = {window->He_1, window->He_2, window->He_3, window->He_4, window->He_5};
    QSpinBox* const depth[] = {window->depth_1, window->depth_2, window->depth_3, window->depth_4,
                               window->depth_5};

    // Unticked rows are written too.
    for (int i = 0; i < 5; ++i) {
        gas[i]->setChecked(i == 1 || i == 4);
        o2[i]->setValue(10 + i);
        he[i]->setValue(40 + i);
        depth[i]->setValue(20 + i);
    }
    window->setup();
    QCOMPARE(int(eeprom.activeGases), 0x12);
    for (int i = 0; i < 5; ++i) {
        QCOMPARE(int(eeprom.gases[i].currentO2), 10 + i);
        QCOMPARE(int(eeprom.gases[i].currentHe), 40 + i);
        QCOMPARE(int(eeprom.changeDepth[i]), 20 + i);
        QCOMPARE(int(eeprom.gases[i].defaultO2), 21);
    }

    for (QCheckBox* box : gas)
        box->setChecked(false);
    window->setup();
    QCOMPARE(int(eeprom.activeGases), 0);
    QCOMPARE(int(eeprom.gases[4].currentO2), 14);

    eeprom.activeGases = 0x0D;
    for (int i = 0; i < 5; ++i) {
        eeprom.gases[i].currentO2 = ubyte(50 + i);
        eeprom.gases[i].currentHe = ubyte(i);
        eeprom.changeDepth[i] = ubyte(9 - i);
    }
    window->reload();
    for (int i = 0; i < 5; ++i) {
        QCOMPARE(gas[i]->isChecked(), bool(0x0D & (1 << i)));
        QCOMPARE(o2[i]->value(), 50 + i);
        QCOMPARE(he[i]->value(), i);
        QCOMPARE(depth[i]->value(), 9 - i);
    }
    // The form's wiring ran: row 3's text shows its new mix at its change depth.
    QCOMPARE(window->mod_3->text(), QString("MOD:%1m, EAD:%2m, END:%3m").arg(21, 2).arg(0, 2).arg(7, 2));
}

void TestFormConfig::firstGas_data()
{
    QTest::addColumn<int>("checked");
    QTest::addColumn<int>("stored");
    for (int n = 1; n <= 5; ++n)
        QTest::newRow(qPrintable(QString("first %1").arg(n))) << n << n;
}

void TestFormConfig::firstGas()
{
    QFETCH(int, checked);
    QFETCH(int, stored);
    QRadioButton* const first[] = {window->first_1, window->first_2, window->first_3, window->first_4,
                                   window->first_5};
    first[checked - 1]->setChecked(true);
    window->setup();
    QCOMPARE(int(eeprom.firstGas), stored);

    window->first_1->setChecked(true);
    window->reload();
    QVERIFY(first[checked - 1]->isChecked());

    // None of the first four ticked gives 5, whatever the fifth shows.
    for (QRadioButton* button : first)
        button->setAutoExclusive(false);
    for (QRadioButton* button : first)
        button->setChecked(false);
    window->setup();
    QCOMPARE(int(eeprom.firstGas), 5);
}

void TestFormConfig::reloadLeavesFirstGasOutOfRange_data()
{
    QTest::addColumn<int>("firstGas");
    QTest::newRow("0") << 0;
    QTest::newRow("6") << 6;
    QTest::newRow("255") << 255;
}

void TestFormConfig::reloadLeavesFirstGasOutOfRange()
{
    QFETCH(int, firstGas);
    window->first_3->setChecked(true);
    eeprom.firstGas = ubyte(firstGas);
    window->reload();
    QVERIFY(window->first_3->isChecked());
    QVERIFY(!window->first_1->isChecked());
}

void TestFormConfig::setpointsRoundToCentibar_data()
{
    QTest::addColumn<double>("bar");
    QTest::addColumn<int>("centibar");
    QTest::newRow("1.3") << 1.3 << 130;
    QTest::newRow("0.7") << 0.7 << 70;
    QTest::newRow("1.1") << 1.1 << 110;
    QTest::newRow("1.6") << 1.6 << 160;
    QTest::newRow("0.4") << 0.4 << 40;
}

void TestFormConfig::setpointsRoundToCentibar()
{
    QFETCH(double, bar);
    QFETCH(int, centibar);
    QDoubleSpinBox* const boxes[] = {window->ppo2_1, window->ppo2_2, window->ppo2_3};
    for (int i = 0; i < 3; ++i) {
        for (QDoubleSpinBox* box : boxes)
            box->setValue(1.0);
        boxes[i]->setValue(bar);
        window->setup();
        for (int j = 0; j < 3; ++j)
            QCOMPARE(int(eeprom.setpoints[j]), j == i ? centibar : 100);
    }

    eeprom.setpoints[0] = ubyte(centibar);
    eeprom.setpoints[1] = 50;
    eeprom.setpoints[2] = 120;
    window->reload();
    QCOMPARE(window->ppo2_1->value(), bar);
    QCOMPARE(window->ppo2_2->value(), 0.5);
    QCOMPARE(window->ppo2_3->value(), 1.2);
}

void TestFormConfig::decoType_data()
{
    QTest::addColumn<bool>("ccr");
    QTest::addColumn<bool>("gf");
    QTest::addColumn<int>("decoType");
    QTest::newRow("open circuit, Buhlmann") << false << false << 0;
    QTest::newRow("open circuit, gradient factors") << false << true << 4;
    QTest::newRow("closed circuit, Buhlmann") << true << false << 2;
    QTest::newRow("closed circuit, gradient factors") << true << true << 5;
}

void TestFormConfig::decoType()
{
    QFETCH(bool, ccr);
    QFETCH(bool, gf);
    QFETCH(int, decoType);

    (ccr ? window->ccrMode : window->ocrMode)->setChecked(true);
    (gf ? window->gradientFactor : window->buhlmann)->setChecked(true);
    window->setup();
    QCOMPARE(int(eeprom.decoType), decoType);

    (ccr ? window->ocrMode : window->ccrMode)->setChecked(true);
    (gf ? window->buhlmann : window->gradientFactor)->setChecked(true);
    window->reload();
    QCOMPARE(window->ccrMode->isChecked(), ccr);
    QCOMPARE(window->ocrMode->isChecked(), !ccr);
    QCOMPARE(window->gradientFactor->isChecked(), gf);
    QCOMPARE(window->buhlmann->isChecked(), !gf);
    // The wiring of the model group ran too.
    QCOMPARE(window->GF_low->isEnabled(), gf);
    QCOMPARE(window->saturation->isEnabled(), !gf);
    QCOMPARE(window->setpointGroup->isEnabled(), ccr);
}

void TestFormConfig::otherDecoTypesShowAsPlainOpenCircuit_data()
{
    QTest::addColumn<int>("decoType");
    QTest::newRow("1") << 1;
    QTest::newRow("3") << 3;
    QTest::newRow("6") << 6;
    QTest::newRow("255") << 255;
}

void TestFormConfig::otherDecoTypesShowAsPlainOpenCircuit()
{
    QFETCH(int, decoType);
    window->ccrMode->setChecked(true);
    window->gradientFactor->setChecked(true);
    eeprom.decoType = ubyte(decoType);
    window->reload();
    QVERIFY(window->ocrMode->isChecked());
    QVERIFY(window->buhlmann->isChecked());
    window->setup();
    QCOMPARE(int(eeprom.decoType), 0);
}

void TestFormConfig::outOfRangeValueIsClampedThenWritten()
{
    eeprom.cf(29).value = 2;
    eeprom.cf(11).value = 0xFFFF;
    eeprom.cf(18).value = 250;
    window->reload();
    QCOMPARE(window->last_stop->value(), 3);
    QCOMPARE(window->saturation->value(), 200);
    QCOMPARE(window->ppO2High->value(), 1.6);
    window->setup();
    QCOMPARE(cfValue(29), 3);
    QCOMPARE(cfValue(11), 200);
    QCOMPARE(cfValue(18), 160);
}

void TestFormConfig::unpairedFieldsAndDefaultWordsStay()
{
    eeprom.serial = 1234;
    eeprom.salinity = 103;
    eeprom.gas6.currentO2 = 40;
    eeprom.customTextOn = 1;
    eeprom.cf(17).value = 77;
    eeprom.cf(80).value = 5;
    eeprom.gases[2].defaultO2 = 32;
    const VARN_eeprom before = eeprom;

    window->saturation->setValue(130);
    window->setup();
    QCOMPARE(cfValue(11), 130);
    for (int n = 0; n < CF_COUNT; ++n)
        QCOMPARE(int(eeprom.cf(n).defaultValue), int(before.cf(n).defaultValue));
    QCOMPARE(int(eeprom.serial), 1234);
    QCOMPARE(int(eeprom.salinity), 103);
    QCOMPARE(int(eeprom.gas6.currentO2), 40);
    QCOMPARE(int(eeprom.customTextOn), 1);
    QCOMPARE(cfValue(17), 77);
    QCOMPARE(cfValue(80), 5);
    QCOMPARE(int(eeprom.gases[2].defaultO2), 32);
}

void TestFormConfig::surfacePressureAndReplayOptions()
{
    window->press_surface->setValue(913);
    QCheckBox* const boxes[] = {window->replayBreakOnStopCB, window->replayGasSwitchCB, window->replayBreakOnSwitchCB,
                                window->replaySetpointCB, window->replayBreakOnSetpointCB};
    bool* const statics[] = {&Replay::breakOnStop, &Replay::gasSwitch, &Replay::breakOnSwitch, &Replay::setpoint,
                             &Replay::breakOnSetpoint};
    for (int i = 0; i < 5; ++i) {
        for (int j = 0; j < 5; ++j)
            boxes[j]->setChecked(j == i);
        window->setup();
        for (int j = 0; j < 5; ++j)
            QCOMPARE(*statics[j], j == i);

        for (int j = 0; j < 5; ++j)
            *statics[j] = j != i;
        window->reload();
        for (int j = 0; j < 5; ++j)
            QCOMPARE(boxes[j]->isChecked(), j != i);
    }
    QCOMPARE(int(int_I_pres_surface), 913);
}

void TestFormConfig::reloadLeavesPlanningValues()
{
    window->interval->setValue(30);
    window->dive_time->setValue(12);
    window->dive_depth->setValue(33);
    window->ascent->setValue(9);
    window->press_surface->setValue(900);
    window->replayModeCB->setChecked(true);
    window->cnsGraph->setChecked(true);
    window->reload();
    QCOMPARE(window->interval->value(), 30);
    QCOMPARE(window->dive_time->value(), 12);
    QCOMPARE(window->dive_depth->value(), 33);
    QCOMPARE(window->ascent->value(), 9);
    QCOMPARE(window->press_surface->value(), 900);
    QVERIFY(window->replayModeCB->isChecked());
    QVERIFY(window->cnsGraph->isChecked());
}

// The dive traces window, once made, lives on: later setups find it.
void TestFormConfig::diveTracesWindowAndCurveFlags()
{
    QVERIFY(!PlotInterface::plot);
    window->setup();
    QVERIFY(PlotInterface::plot);
    PlotInterface* plot = PlotInterface::plot;
    QCOMPARE(plot->windowTitle(), QString("Dive profile"));
    QVERIFY(!plot->isVisible());
    QVERIFY(plot->depthCurve);

    // No curve ticked: the window stays hidden, the flags as they were.
    for (Profile* curve : {plot->depthCurve, plot->ceilingCurve, plot->ndlCurve})
        curve->enabled = true;
    window->setup();
    QVERIFY(!plot->isVisible());
    QVERIFY(plot->depthCurve->enabled && plot->ceilingCurve->enabled && plot->ndlCurve->enabled);

    QCheckBox* const boxes[] = {window->depthGraph, window->ceilGraph, window->leadGraph, window->gfGraph,
                                window->ppO2Graph, window->cnsGraph, window->ndlGraph};
    Profile* const curves[] = {plot->depthCurve, plot->ceilingCurve, plot->leadingCurve, plot->gfCurve,
                               plot->ppO2Curve, plot->cnsCurve, plot->ndlCurve};
    for (int i = 0; i < 7; ++i) {
        for (int j = 0; j < 7; ++j)
            boxes[j]->setChecked(j == i);
        window->setup();
        QVERIFY(plot->isVisible());
        for (int j = 0; j < 7; ++j)
            QCOMPARE(curves[j]->enabled, j == i);
        QCOMPARE(PlotInterface::plot, plot);
    }

    // Unticking every box leaves the last flags.
    plot->hide();
    window->ndlGraph->setChecked(false);
    window->setup();
    QVERIFY(!plot->isVisible());
    QVERIFY(plot->ndlCurve->enabled);
}

QTEST_MAIN(TestFormConfig)
#include "tst_formconfig.moc"
