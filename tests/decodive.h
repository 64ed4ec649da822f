#ifndef DECODIVE_H
#define DECODIVE_H

// Drives the decompression engine alone, the way the simulation does: the inputs filled from a
// dive description and the configuration image, the diver moved in 2-second steps.

#include "VARN_eeprom.h"
#include "p2_deco.h"

struct DiveGas {
    int o2;           // %
    int he;           // %
    int changeDepth;  // m, 0 = not a switch gas
};

struct DiveSetup {
    int depth = 40;       // m
    int bottomTime = 30;  // min
    bool gradientFactors = true;
    int gfLow = 30;       // %
    int gfHigh = 85;      // %
    int setpoint = 0;     // cbar, 0 = open circuit
    int lastStop = 3;     // m
    int surfacePressure = 1013;  // mbar
    int gasCount = 1;
    DiveGas gases[NUM_GAS] = {{21, 0, 0}};
};

// 72 m for 41 minutes on 18/45, 50 % from 21 m and oxygen from 6 m, GF 30/85.
inline DiveSetup trimixDive()
{
    DiveSetup dive;
    dive.depth = 72;
    dive.bottomTime = 41;
    dive.gasCount = 3;
    dive.gases[0] = {18, 45, 0};
    dive.gases[1] = {50, 0, 21};
    dive.gases[2] = {100, 0, 6};
    return dive;
}

inline int nitrogenOf(const DiveGas& gas)
{
    return gas.o2 + gas.he > 100 ? 0 : 100 - gas.o2 - gas.he;
}

// Engine inputs of a dive; the multipliers and the deco offset come from the configuration image.
inline void setupEngine(const DiveSetup& dive)
{
    int_I_pres_surface = (unsigned short)dive.surfacePressure;
    char_I_saturation_multiplier = eeprom.cf(11).value.lo;
    char_I_desaturation_multiplier = eeprom.cf(12).value.lo;
    char_I_deco_distance = eeprom.cf(16).value.lo;
    char_I_depth_last_deco = (unsigned char)dive.lastStop;
    char_I_GF_Low_percentage = (unsigned char)dive.gfLow;
    char_I_GF_High_percentage = (unsigned char)dive.gfHigh;
    char_I_deco_model = dive.gradientFactors ? 1 : 0;
    char_I_const_ppO2 = (unsigned char)dive.setpoint;
    char_I_dive_interval = 0;
    for (int i = 0; i < NUM_GAS; ++i) {
        const bool used = i < dive.gasCount;
        char_I_deco_He_ratio[i] = used ? (unsigned char)dive.gases[i].he : 0;
        char_I_deco_N2_ratio[i] = used ? (unsigned char)nitrogenOf(dive.gases[i]) : 0;
        char_I_deco_gas_change[i] = used ? (unsigned char)dive.gases[i].changeDepth : 0;
    }
    char_I_first_gas = 1;
    char_I_current_gas = 1;
    char_I_N2_ratio = char_I_deco_N2_ratio[0];
    char_I_He_ratio = char_I_deco_He_ratio[0];
    char_I_step_is_1min = 0;
}

// Ambient pressure and inspired ppO2 of a depth in metres, for the gas breathed now.
inline void setDepth(float metres)
{
    int_I_pres_respiration = (unsigned short)(int_I_pres_surface + (int)(metres * 99.85f));
    if (char_I_const_ppO2 != 0) {
        char_I_actual_ppO2 = char_I_const_ppO2;
        return;
    }
    float p = (100 - char_I_N2_ratio - char_I_He_ratio) * int_I_pres_respiration * 0.001f;
    if (p < 0)
        p = 0;
    int ppO2 = p > 254.5f ? 255 : (int)(p + 0.5f);
    if (ppO2 > int_I_pres_respiration / 10)
        ppO2 = int_I_pres_respiration / 10;
    char_I_actual_ppO2 = (unsigned char)ppO2;
}

// The open-circuit gas for a depth: the shallowest switch depth at or below the diver.
inline int bestGas(const DiveSetup& dive, float metres)
{
    int best = 1;
    int bestDepth = 0;
    for (int i = 0; i < dive.gasCount; ++i) {
        const int d = dive.gases[i].changeDepth;
        if (d != 0 && metres <= d + 0.1f && (bestDepth == 0 || d <= bestDepth)) {
            best = i + 1;
            bestDepth = d;
        }
    }
    return best;
}

inline void switchGas(const DiveSetup& dive, int gas)
{
    char_I_N2_ratio = (unsigned char)nitrogenOf(dive.gases[gas - 1]);
    char_I_He_ratio = (unsigned char)dive.gases[gas - 1].he;
    char_I_current_gas = (unsigned char)gas;
}

// One 2-second dive step.
inline void diveStep(int& diveTime)
{
    int_I_divemins = (unsigned short)(diveTime / 60);
    deco_calc_hauptroutine();
    deco_calc_CNS_fraction();
    diveTime += 2;
}

// A new dive at the surface with clear tissues, then straight down to the bottom depth.
inline void startDive(const DiveSetup& dive)
{
    setupEngine(dive);
    setDepth(0);
    deco_clear_tissue();
    deco_clear_CNS_fraction();
    char_O_deco_status = DECO_STATUS_CLEAR;
    setDepth((float)dive.depth);
}

// The bottom phase: the bottom time, then on until the engine has finished its plan.
inline void stayAtBottom(const DiveSetup& dive, int& diveTime)
{
    for (int t = 0; t < dive.bottomTime * 60 || char_O_deco_status != DECO_STATUS_DONE; t += 2)
        diveStep(diveTime);
}

// The whole bottom phase of a dive from the surface; returns the dive time in seconds.
inline int diveToFinalPlan(const DiveSetup& dive)
{
    int diveTime = 0;
    startDive(dive);
    stayAtBottom(dive, diveTime);
    return diveTime;
}

// Climbs at 10 m/min to the surface, waiting at the first stop and switching to the best gas;
// afterStep() runs after every dive step.
template <typename AfterStep>
inline void ascendToSurface(const DiveSetup& dive, int& diveTime, AfterStep afterStep)
{
    float depth = (int_I_pres_respiration - int_I_pres_surface) / 99.85f;
    int gas = char_I_current_gas;
    while (depth > 0.05f && diveTime <= 29999) {
        const int best = bestGas(dive, depth);
        if (dive.setpoint == 0 && best != gas) {
            gas = best;
            switchGas(dive, gas);
            setDepth(depth);
        }
        if (depth > char_O_first_deco_depth) {
            depth -= 10 / 30.0f;
            if (depth < char_O_first_deco_depth)
                depth = char_O_first_deco_depth;
            if (depth < 0)
                depth = 0;
            setDepth(depth);
        }
        diveStep(diveTime);
        afterStep();
    }
}

inline void ascendToSurface(const DiveSetup& dive, int& diveTime)
{
    ascendToSurface(dive, diveTime, [] {});
}

#endif
