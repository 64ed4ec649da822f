// The form and the configuration image kept in step: setup copies the form into the image,
// reload shows the image in the form.

#include "VARN_Planner_Interface.h"

#include "PlotInterface.h"
#include "Profile.h"
#include "Replay.h"
#include "VARN_eeprom.h"
#include "p2_deco.h"

namespace {

// Only the value word of a custom function is written; its default word stays as it came.
void setCustomFunction(int n, int value)
{
    eeprom.cf(n).value = word((unsigned short)(value & 0xFFFF));
}

int customFunction(int n)
{
    return (unsigned short)eeprom.cf(n).value;
}

} // namespace

void VARN_Planner_Interface::setup()
{
    formToConfiguration();

    if (!PlotInterface::plot) {
        PlotInterface::plot = new PlotInterface;
        titleWindows();
        PlotInterface::plot->setup(true, dive_depth->value());
    }

    // With no curve ticked the window is left as it is, and so are its curves' flags.
    const QCheckBox* const curveBoxes[] = {depthGraph, ceilGraph, leadGraph, gfGraph, ppO2Graph, cnsGraph, ndlGraph};
    bool anyCurve = false;
    for (const QCheckBox* box : curveBoxes)
        anyCurve = anyCurve || box->isChecked();
    if (anyCurve) {
        PlotInterface* plot = PlotInterface::plot;
        plot->show();
        Profile* const curves[] = {plot->depthCurve, plot->ceilingCurve, plot->leadingCurve, plot->gfCurve,
                                   plot->ppO2Curve, plot->cnsCurve, plot->ndlCurve};
        for (int i = 0; i < 7; ++i)
            curves[i]->enabled = curveBoxes[i]->isChecked();
        plot->raise();
    }
}

void VARN_Planner_Interface::formToConfiguration()
{
    eeprom.firstGas = 5;
    for (int i = 0; i < 4; ++i) {
        if (gasRows[i].first->isChecked()) {
            eeprom.firstGas = ubyte(i + 1);
            break;
        }
    }

    eeprom.activeGases = 0;
    for (int i = 0; i < 5; ++i) {
        const GasRow& row = gasRows[i];
        if (row.active->isChecked())
            eeprom.activeGases |= ubyte(1 << i);
        eeprom.gases[i].currentO2 = ubyte(row.o2->value());
        eeprom.gases[i].currentHe = ubyte(row.he->value());
        eeprom.changeDepth[i] = ubyte(row.depth->value());
    }

    const QDoubleSpinBox* const setpoints[] = {ppo2_1, ppo2_2, ppo2_3};
    for (int i = 0; i < 3; ++i)
        eeprom.setpoints[i] = ubyte(qRound(setpoints[i]->value() * 100));

    if (ocrMode->isChecked())
        eeprom.decoType = gradientFactor->isChecked() ? 4 : 0;
    else
        eeprom.decoType = gradientFactor->isChecked() ? 5 : 2;

    setCustomFunction(11, saturation->value());
    setCustomFunction(12, desaturation->value());
    setCustomFunction(16, qRound(deco_offset->value() * 10));
    setCustomFunction(18, qRound(ppO2High->value() * 100));
    setCustomFunction(29, last_stop->value());
    setCustomFunction(32, GF_low->value());
    setCustomFunction(33, GF_high->value());
    setCustomFunction(39, adjustSP->isChecked() ? 1 : 0);
    setCustomFunction(54, shallow_first->isChecked() ? 1 : 0);
    setCustomFunction(55, gas_switch_delay->value());
    setCustomFunction(56, bottomGasUsage->value());
    setCustomFunction(57, ascentGasUsage->value());
    setCustomFunction(58, extra_time->value());

    int_I_pres_surface = (unsigned short)press_surface->value();

    Replay::breakOnStop = replayBreakOnStopCB->isChecked();
    Replay::gasSwitch = replayGasSwitchCB->isChecked();
    Replay::breakOnSwitch = replayBreakOnSwitchCB->isChecked();
    Replay::setpoint = replaySetpointCB->isChecked();
    Replay::breakOnSetpoint = replayBreakOnSetpointCB->isChecked();
}

// Each widget set here runs the form's own wiring: gas texts, setpoint group, factor boxes.
void VARN_Planner_Interface::reload()
{
    for (int i = 0; i < 5; ++i) {
        const GasRow& row = gasRows[i];
        row.active->setChecked(eeprom.activeGases & (1 << i));
        row.o2->setValue(eeprom.gases[i].currentO2);
        row.he->setValue(eeprom.gases[i].currentHe);
        row.depth->setValue(eeprom.changeDepth[i]);
    }

    if (eeprom.firstGas >= 1 && eeprom.firstGas <= 5)
        gasRows[eeprom.firstGas - 1].first->setChecked(true);

    QDoubleSpinBox* const setpoints[] = {ppo2_1, ppo2_2, ppo2_3};
    for (int i = 0; i < 3; ++i)
        setpoints[i]->setValue(eeprom.setpoints[i] * 0.01);

    (eeprom.isCCR() ? ccrMode : ocrMode)->setChecked(true);
    (eeprom.isGF() ? gradientFactor : buhlmann)->setChecked(true);

    saturation->setValue(customFunction(11));
    desaturation->setValue(customFunction(12));
    deco_offset->setValue(customFunction(16) * 0.1);
    ppO2High->setValue(customFunction(18) * 0.01);
    last_stop->setValue(customFunction(29));
    GF_low->setValue(customFunction(32));
    GF_high->setValue(customFunction(33));
    adjustSP->setChecked(customFunction(39) != 0);
    shallow_first->setChecked(customFunction(54) != 0);
    gas_switch_delay->setValue(customFunction(55));
    bottomGasUsage->setValue(customFunction(56));
    ascentGasUsage->setValue(customFunction(57));
    extra_time->setValue(customFunction(58));

    replayBreakOnStopCB->setChecked(Replay::breakOnStop);
    replayGasSwitchCB->setChecked(Replay::gasSwitch);
    replayBreakOnSwitchCB->setChecked(Replay::breakOnSwitch);
    replaySetpointCB->setChecked(Replay::setpoint);
    replayBreakOnSetpointCB->setChecked(Replay::breakOnSetpoint);
}
