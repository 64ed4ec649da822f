#include "VARN_eeprom.h"

#include <cstring>

namespace {

// The labels are translated where the editor shows them, in the context named here.
constexpr CF_DefaultTable makeDefaults()
{
    CF_DefaultTable t{};
    t.rows[0] = CF_Default(CF_CENTI, 100, 50, 250, QT_TRANSLATE_NOOP("CF menu (15 char max)", "Start Dive [m]"));
    t.rows[1] = CF_Default(CF_CENTI, 30, 10, 100, QT_TRANSLATE_NOOP("CF menu (15 char max)", "End Dive [m]"));
    t.rows[2] = CF_Default(CF_TIME, 240, 0, 600, QT_TRANSLATE_NOOP("CF menu (15 char max)", "End Delay [sec]"));
    t.rows[3] = CF_Default(CF_TIME, 120, 30, 240, QT_TRANSLATE_NOOP("CF menu (15 char max)", "Power Off [min]"));
    t.rows[4] = CF_Default(CF_TIME, 5, 1, 30, QT_TRANSLATE_NOOP("CF menu (15 char max)", "Pre-menu [min]"));
    t.rows[5] = CF_Default(CF_INT8, 7, 3, 18, QT_TRANSLATE_NOOP("CF menu (15 char max)", "velocity[m/min]"));
    t.rows[6] = CF_Default(CF_INT15, 1160, 950, 0, QT_TRANSLATE_NOOP("CF menu (15 char max)", "Wake-up  [mbar]"));
    t.rows[7] = CF_Default(CF_INT15, 1080, 1080, 0, QT_TRANSLATE_NOOP("CF menu (15 char max)", "max.Surf.[mbar]"));
    t.rows[8] = CF_Default(CF_PERCENT, 20, 1, 99, QT_TRANSLATE_NOOP("CF menu (15 char max)", "GF display [%]"));
    t.rows[9] = CF_Default(CF_PERCENT, 20, 1, 22, QT_TRANSLATE_NOOP("CF menu (15 char max)", "min. O2 Dis.[%]"));
    t.rows[10] = CF_Default(CF_TIME, 45, 5, 60, QT_TRANSLATE_NOOP("CF menu (15 char max)", "Dive menus[min]"));
    t.rows[11] = CF_Default(CF_PERCENT, 110, 110, 200, QT_TRANSLATE_NOOP("CF menu (15 char max)", "Saturate x [%]"));
    t.rows[12] = CF_Default(CF_PERCENT, 90, 50, 90, QT_TRANSLATE_NOOP("CF menu (15 char max)", "Desaturate x[%]"));
    t.rows[13] = CF_Default(CF_PERCENT, 60, 60, 100, QT_TRANSLATE_NOOP("CF menu (15 char max)", "NoFly Ratio [%]"));
    t.rows[14] = CF_Default(CF_PERCENT, 100, 50, 100, QT_TRANSLATE_NOOP("CF menu (15 char max)", "GF alarm 1 [%]"));
    t.rows[15] = CF_Default(CF_PERCENT, 10, 0, 100, QT_TRANSLATE_NOOP("CF menu (15 char max)", "CNSshow surf[%]"));
    t.rows[16] = CF_Default(CF_DECI, 10, 0, 10, QT_TRANSLATE_NOOP("CF menu (15 char max)", "Deco Offset [m]"));
    t.rows[17] = CF_Default(CF_CENTI, 19, 19, 21, QT_TRANSLATE_NOOP("CF menu (15 char max)", "ppO2 low [bar]"));
    t.rows[18] = CF_Default(CF_CENTI, 160, 0, 160, QT_TRANSLATE_NOOP("CF menu (15 char max)", "ppO2 high [bar]"));
    t.rows[19] = CF_Default(CF_CENTI, 140, 0, 150, QT_TRANSLATE_NOOP("CF menu (15 char max)", "ppO2 show [bar]"));
    t.rows[20] = CF_Default(CF_INT8, 10, 1, 120, QT_TRANSLATE_NOOP("CF menu (15 char max)", "sampling rate"));
    t.rows[21] = CF_Default(CF_INT8, 6, 0, 15, QT_TRANSLATE_NOOP("CF menu (15 char max)", "Divisor Temp"));
    t.rows[22] = CF_Default(CF_INT8, 6, 0, 15, QT_TRANSLATE_NOOP("CF menu (15 char max)", "Divisor Decodat"));
    t.rows[23] = CF_Default(CF_INT8, 6, 0, 15, QT_TRANSLATE_NOOP("CF menu (15 char max)", "Divisor GF"));
    t.rows[24] = CF_Default(CF_INT8, 0, 0, 15, QT_TRANSLATE_NOOP("CF menu (15 char max)", "Divisor ppO2"));
    t.rows[25] = CF_Default(CF_INT8, 0, 0, 15, QT_TRANSLATE_NOOP("CF menu (15 char max)", "Divisor Debug"));
    t.rows[26] = CF_Default(CF_INT8, 12, 0, 15, QT_TRANSLATE_NOOP("CF menu (15 char max)", "Divisor CNS"));
    t.rows[27] = CF_Default(CF_PERCENT, 20, 5, 75, QT_TRANSLATE_NOOP("CF menu (15 char max)", "CNSshow dive[%]"));
    t.rows[28] = CF_Default(CF_INT15, 0, 0, 0, QT_TRANSLATE_NOOP("CF menu (15 char max)", "Logbook offset"));
    t.rows[29] = CF_Default(CF_INT8, 3, 2, 6, QT_TRANSLATE_NOOP("CF menu (15 char max)", "Last Deco at[m]"));
    t.rows[30] = CF_Default(CF_TIME, 10, 1, 15, QT_TRANSLATE_NOOP("CF menu (15 char max)", "End Apnoe [h]"));
    t.rows[31] = CF_Default(CF_BOOL, 0, 0, 0, QT_TRANSLATE_NOOP("CF menu (15 char max)", "Show Batt.Volts"));
    t.rows[32] = CF_Default(CF_PERCENT, 30, 5, 90, QT_TRANSLATE_NOOP("CF menu (15 char max)", "GF Low [%]"));
    t.rows[33] = CF_Default(CF_PERCENT, 90, 30, 95, QT_TRANSLATE_NOOP("CF menu (15 char max)", "GF High [%]"));
    t.rows[34] = CF_Default(CF_COLOR, 199, 0, 0, QT_TRANSLATE_NOOP("CF menu (15 char max)", "Color# Battery "));
    t.rows[35] = CF_Default(CF_COLOR, 255, 0, 0, QT_TRANSLATE_NOOP("CF menu (15 char max)", "Color# Standard"));
    t.rows[36] = CF_Default(CF_COLOR, 62, 0, 0, QT_TRANSLATE_NOOP("CF menu (15 char max)", "Color# Divemask"));
    t.rows[37] = CF_Default(CF_COLOR, 224, 0, 0, QT_TRANSLATE_NOOP("CF menu (15 char max)", "Color# Warnings"));
    t.rows[38] = CF_Default(CF_BOOL, 0, 0, 0, QT_TRANSLATE_NOOP("CF menu (15 char max)", "Divemode secs. "));
    t.rows[39] = CF_Default(CF_BOOL, 0, 0, 0, QT_TRANSLATE_NOOP("CF menu (15 char max)", "Adjust fixed SP"));
    t.rows[40] = CF_Default(CF_BOOL, 1, 0, 0, QT_TRANSLATE_NOOP("CF menu (15 char max)", "Warn Ceiling"));
    t.rows[41] = CF_Default(CF_BOOL, 1, 0, 0, QT_TRANSLATE_NOOP("CF menu (15 char max)", "Mix type icons"));
    t.rows[42] = CF_Default(CF_BOOL, 1, 0, 0, QT_TRANSLATE_NOOP("CF menu (15 char max)", "Blink BetterGas"));
    t.rows[43] = CF_Default(CF_INT15, 13000, 0, 13000, QT_TRANSLATE_NOOP("CF menu (15 char max)", "DepthWarn[mbar]"));
    t.rows[44] = CF_Default(CF_PERCENT, 101, 50, 101, QT_TRANSLATE_NOOP("CF menu (15 char max)", "CNS warning [%]"));
    t.rows[45] = CF_Default(CF_PERCENT, 101, 50, 101, QT_TRANSLATE_NOOP("CF menu (15 char max)", "GF warning [%]"));
    t.rows[46] = CF_Default(CF_CENTI, 161, 100, 161, QT_TRANSLATE_NOOP("CF menu (15 char max)", "ppO2 warn [bar]"));
    t.rows[47] = CF_Default(CF_INT8, 15, 7, 20, QT_TRANSLATE_NOOP("CF menu (15 char max)", "Vel.warn[m/min]"));
    t.rows[48] = CF_Default(CF_TIME | CF_SIGNED, 0, (unsigned short)-120, 120, QT_TRANSLATE_NOOP("CF menu (15 char max)", "Time offset/day"));
    t.rows[49] = CF_Default(CF_BOOL, 0, 0, 0, QT_TRANSLATE_NOOP("CF menu (15 char max)", "Show altimeter"));
    t.rows[50] = CF_Default(CF_BOOL, 0, 0, 0, QT_TRANSLATE_NOOP("CF menu (15 char max)", "Show Log-Marker"));
    t.rows[51] = CF_Default(CF_BOOL, 1, 0, 0, QT_TRANSLATE_NOOP("CF menu (15 char max)", "Show Stopwatch"));
    t.rows[52] = CF_Default(CF_BOOL, 0, 0, 0, QT_TRANSLATE_NOOP("CF menu (15 char max)", "ShowTissueGraph"));
    t.rows[53] = CF_Default(CF_BOOL, 0, 0, 0, QT_TRANSLATE_NOOP("CF menu (15 char max)", "Show Lead.Tiss."));
    t.rows[54] = CF_Default(CF_BOOL, 0, 0, 0, QT_TRANSLATE_NOOP("CF menu (15 char max)", "ShallowStop 1st"));
    t.rows[55] = CF_Default(CF_INT8, 0, 0, 10, QT_TRANSLATE_NOOP("CF menu (15 char max)", "Gas switch[min]"));
    t.rows[56] = CF_Default(CF_INT15, 20, 5, 50, QT_TRANSLATE_NOOP("CF menu (15 char max)", "BottomGas[/min]"));
    t.rows[57] = CF_Default(CF_INT15, 20, 5, 50, QT_TRANSLATE_NOOP("CF menu (15 char max)", "AscentGas[/min]"));
    t.rows[58] = CF_Default(CF_INT8, 0, 0, 10, QT_TRANSLATE_NOOP("CF menu (15 char max)", "Future TTS[min]"));
    t.rows[59] = CF_Default(CF_INT15, 0, 0, 0, QT_TRANSLATE_NOOP("CF menu (15 char max)", "Cave Bail Alarm"));
    t.rows[60] = CF_Default(CF_BOOL, 0, 0, 0, QT_TRANSLATE_NOOP("CF menu (15 char max)", "Graph. Velocity"));
    t.rows[61] = CF_Default(CF_BOOL, 0, 0, 0, QT_TRANSLATE_NOOP("CF menu (15 char max)", "Show pSCR ppO2"));
    t.rows[62] = CF_Default(CF_PERCENT, 4, 0, 100, QT_TRANSLATE_NOOP("CF menu (15 char max)", "pSCR O2 Drop[%]"));
    t.rows[63] = CF_Default(CF_INT8, 10, 0, 100, QT_TRANSLATE_NOOP("CF menu (15 char max)", "pSCR lung ratio"));
    t.rows[64] = CF_Default(CF_COLOR, 74, 0, 0, QT_TRANSLATE_NOOP("CF menu (15 char max)", "Color# inactive"));
    t.rows[65] = CF_Default(CF_BOOL, 0, 0, 0, QT_TRANSLATE_NOOP("CF menu (15 char max)", "Use safety stop"));
    for (int n = 66; n < CF_COUNT; ++n)
        t.rows[n] = CF_Default(CF_INT15, 0, 0, 0, QT_TRANSLATE_NOOP("CF menu (15 char max)", "unused"));
    return t;
}

} // namespace

constexpr CF_DefaultTable custom_functions_defaults = makeDefaults();

VARN_eeprom eeprom;

VARN_eeprom::VARN_eeprom()
{
    std::memset(bytes(), 0, sizeof(VARN_eeprom));
    serial = 0xFFFF;
    firmwareMajor = 2;
    firmwareMinor = 20;
    logbookVersion = 21;
    for (int i = 0; i < 5; ++i) {
        gases[i].currentO2 = gases[i].defaultO2 = 21;
        gases[i].currentHe = gases[i].defaultHe = 0;
        changeDepth[i] = 0;
    }
    gas6.currentO2 = 21;
    gas6.currentHe = 0;
    salinity = 100;
    firstGas = 1;
    for (ubyte& sp : setpoints)
        sp = 100;
    recordBlock.first = StampedWord{5000, {5, 1, 12}};
    recordBlock.second = StampedWord{200, {9, 1, 11}};
    recordBlock.third = 0;
    recordBlock.fourth = 0;
    recordBlock.fifth = StampedWord{300, {9, 1, 11}};
    recordBlock.sixth = StampedWord{50, {9, 1, 11}};
    presetByte = 64;
    for (int n = 0; n < CF_COUNT; ++n)
        cf(n).defaultValue = cf(n).value = custom_functions_defaults[n].defaultValue;
}

CF& VARN_eeprom::cf(int n)
{
    CF* const banks[3] = {cfBank0, cfBank1, cfBank2};
    return banks[n / 32][n % 32];
}

const CF& VARN_eeprom::cf(int n) const
{
    return const_cast<VARN_eeprom*>(this)->cf(n);
}

void VARN_eeprom::check() const
{
    if (serial != 0xFFFF && (serial < 100 || serial > 10000))
        throw "EEPROM: bad serial";
    if (firmwareMajor < 1 || firmwareMajor > 3 || firmwareMinor > 99)
        throw "EEPROM: bad firmware version";
    if (decoType > 6)
        throw "EEPROM: bad deco type";
}

void VARN_eeprom::copy(const VARN_eeprom& other)
{
    if (other.customTextOn) {
        customTextOn = 1;
        std::strncpy(reinterpret_cast<char*>(customText), reinterpret_cast<const char*>(other.customText),
                     sizeof customText);
    } else {
        customTextOn = 0;
        std::memset(customText, '}', sizeof customText);
    }
    decoType = other.decoType;
    salinity = other.salinity;
    for (int i = 0; i < 5; ++i) {
        changeDepth[i] = other.changeDepth[i];
        gases[i].currentO2 = other.gases[i].currentO2;
        gases[i].currentHe = other.gases[i].currentHe;
    }
    gas6 = other.gas6;
    firstGas = other.firstGas;
    activeGases = other.activeGases;
    for (int i = 0; i < 3; ++i)
        setpoints[i] = other.setpoints[i];
    for (int n = 0; n < CF_COUNT; ++n)
        cf(n).value = other.cf(n).value;
    check();
}

QString VARN_eeprom::toHtml() const
{
    return QString();
}

bool VARN_eeprom::isCCR() const
{
    return decoType == 2 || decoType == 5;
}

bool VARN_eeprom::isGF() const
{
    return decoType == 4 || decoType == 5;
}

void VARN_eeprom::setCCR(bool ccr)
{
    decoType = ccr ? (isGF() ? 5 : 2) : (isGF() ? 4 : 0);
}
