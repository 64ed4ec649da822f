#include "EngineFeeding.h"

#include "VARN_eeprom.h"
#include "p2_deco.h"

namespace {

unsigned char lowByte(int cfNumber)
{
    return (unsigned char)(eeprom.cf(cfNumber).value & 0xFF);
}

// A mix richer than 100 % has no nitrogen, never a wrapped share.
unsigned char nitrogen(const GasRecord& gas)
{
    const int sum = gas.currentO2 + gas.currentHe;
    return sum > 100 ? 0 : (unsigned char)(100 - sum);
}

bool isActive(int gas)
{
    return eeprom.activeGases & (1 << (gas - 1));
}

} // namespace

unsigned char gasNitrogen(int gas)
{
    return nitrogen(eeprom.gases[gas - 1]);
}

int firstGas()
{
    const int gas = eeprom.firstGas;
    return gas >= 1 && gas <= NUM_GAS ? gas : 1;
}

float engineDepth()
{
    return (int_I_pres_respiration - int_I_pres_surface) / 99.85f;
}

void setup_pres(float depth)
{
    // 99.85 mbar per metre, truncated: the dive computer's own conversion.
    int_I_pres_respiration = (unsigned short)(int_I_pres_surface + int(depth * 99.85f));

    if (eeprom.isCCR() && eeprom.cf(39).value == 0) {
        // A fixed setpoint is breathed exactly, even above ambient.
        char_I_actual_ppO2 = eeprom.setpoints[0];
        return;
    }

    float p = (100 - char_I_N2_ratio - char_I_He_ratio) * int_I_pres_respiration * 0.001f;
    if (p < 0)
        p = 0;
    int ppO2 = p > 254.5f ? 255 : int(p + 0.5f);
    if (ppO2 < char_I_const_ppO2)
        ppO2 = char_I_const_ppO2;
    const int ambient = int_I_pres_respiration / 10;
    if (ppO2 > ambient)
        ppO2 = ambient;
    char_I_actual_ppO2 = (unsigned char)ppO2;
}

void VARN_setup(bool)
{
    char_I_saturation_multiplier = lowByte(11);
    char_I_desaturation_multiplier = lowByte(12);
    char_I_deco_distance = lowByte(16);
    char_I_depth_last_deco = lowByte(29);
    char_I_GF_Low_percentage = lowByte(32);
    char_I_GF_High_percentage = lowByte(33);

    char_I_deco_model = eeprom.isGF() ? 1 : 0;
    char_I_const_ppO2 = eeprom.isCCR() ? eeprom.setpoints[0] : 0;
    char_I_dive_interval = 0;

    for (int i = 0; i < NUM_GAS; ++i) {
        char_I_deco_He_ratio[i] = eeprom.gases[i].currentHe;
        char_I_deco_N2_ratio[i] = nitrogen(eeprom.gases[i]);
        char_I_deco_gas_change[i] = isActive(i + 1) ? eeprom.changeDepth[i] : 0;
    }

    const int first = firstGas();
    char_I_first_gas = (unsigned char)first;
    char_I_N2_ratio = nitrogen(eeprom.gases[first - 1]);
    char_I_He_ratio = eeprom.gases[first - 1].currentHe;
    char_I_current_gas = char_I_first_gas;
}

int bestGas(float depth)
{
    int best = firstGas();
    int bestDepth = 0;
    for (int gas = 1; gas <= NUM_GAS; ++gas) {
        const int change = eeprom.changeDepth[gas - 1];
        if (!isActive(gas) || change == 0 || !(depth <= float(change) + 0.1f))
            continue;
        // The shallowest change depth wins; on a tie the higher gas number.
        if (bestDepth == 0 || change <= bestDepth) {
            best = gas;
            bestDepth = change;
        }
    }
    return best;
}
