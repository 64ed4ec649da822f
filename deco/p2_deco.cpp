// The decompression engine: tissue model, ceilings, no-stop time, stop planner, CNS clock,
// surface routines and gas volumes, computed exactly as the dive computer computes them.
//
// Arithmetic follows the firmware: values are single-precision floats in bar; products with the
// double constants (10.015 m/bar, 0.09985 bar/m, 0.9985 bar per climbing minute, 0.0627 bar water
// vapour, 0.7902 nitrogen in air) are formed in double and stored back as float; whole-number
// outputs are formed by adding 0.5 and dropping the fraction.

#include "p2_deco.h"
#include "p2_deco_internal.h"
#include "VARN_eeprom.h"

#include <cmath>
#include <cstring>

// A broken condition refuses the entry point; the text is the condition exactly as written here.
#define REQUIRE(cond)                        \
    do {                                     \
        if (!(cond))                         \
            throw "p2_deco: " #cond;         \
    } while (0)

// Stop minutes a plan may hold: a full table of the longest stops.
static const unsigned short MAX_STOP_MINUTES = NUM_STOPS * 255;

// ---------------------------------------------------------------------------------------------
// Module state

// Working copies of the inputs, bar or fractions.
static float pres_respiration;
static float pres_surface;
static float N2_ratio, He_ratio;            // gas breathed now
static float calc_N2_ratio, calc_He_ratio;  // gas of the simulated ascent
static float const_ppO2;
static float float_deco_distance;
static float float_saturation_multiplier, float_desaturation_multiplier;
static float GF_low, GF_high, GF_delta;
static unsigned char deco_gas_change[NUM_GAS];  // m, switch depths offered at the present depth

// Step scratch.
static float ppN2, ppHe;  // inspired pressures of the current step
static float pres_diluent;
static float temp_deco;   // ambient pressure of the simulated diver
static float temp_tissue;
static float calc_lead_tissue_limit, sim_lead_tissue_limit;
static unsigned char sim_lead_tissue_no;
static unsigned char ci;
static float var_N2_a, var_N2_b, var_He_a, var_He_b;
static float var_N2_e, var_He_e;
static float var_N2_ht, var_He_ht;

// Vault: one saved level of the real tissues and the CNS fraction.
static float pres_tissue_N2_vault[NUM_COMP], pres_tissue_He_vault[NUM_COMP];
static float cns_vault;

// Planner.
static unsigned char temp_depth_limit;  // m
static unsigned char internal_deco_depth[NUM_STOPS];
static unsigned char internal_deco_time[NUM_STOPS];
static unsigned short internal_deco_minutes;     // all stop minutes of the plan, fitted or not
static unsigned char internal_deco_truncated;    // the plan has stops the table cannot show
static unsigned short sim_dive_mins;
static unsigned char sim_gas_last_used;   // 1..5, 0 = the mix of char_I_N2_ratio/char_I_He_ratio
static unsigned char sim_gas_last_depth;  // m, 0 = none taken yet
static unsigned short sim_gas_delay;      // sim_dive_mins until which a switch stop lasts
static unsigned char backup_gas_used, backup_gas_depth;
static unsigned short backup_gas_delay;
static unsigned char low_depth;           // m, deepest first stop since the last clear
static float locked_GF_step;

static float CNS_fraction;

// ---------------------------------------------------------------------------------------------
// Refusal: an entry point runs as a whole or leaves the engine as it found it.

// Everything the engine writes, inputs it borrows included.
#define ENGINE_STATE(X)                                                                        \
    X(pres_respiration) X(pres_surface) X(N2_ratio) X(He_ratio) X(calc_N2_ratio)               \
    X(calc_He_ratio) X(const_ppO2) X(float_deco_distance) X(float_saturation_multiplier)       \
    X(float_desaturation_multiplier) X(GF_low) X(GF_high) X(GF_delta) X(deco_gas_change)       \
    X(ppN2) X(ppHe) X(pres_diluent) X(temp_deco) X(temp_tissue) X(calc_lead_tissue_limit)      \
    X(sim_lead_tissue_limit) X(sim_lead_tissue_no) X(ci) X(var_N2_a) X(var_N2_b) X(var_He_a)   \
    X(var_He_b) X(var_N2_e) X(var_He_e) X(var_N2_ht) X(var_He_ht) X(pres_tissue_N2_vault)      \
    X(pres_tissue_He_vault) X(cns_vault) X(temp_depth_limit) X(internal_deco_depth)            \
    X(internal_deco_time) X(internal_deco_minutes) X(internal_deco_truncated) X(sim_dive_mins) \
    X(sim_gas_last_used) X(sim_gas_last_depth) X(sim_gas_delay) X(backup_gas_used)             \
    X(backup_gas_depth) X(backup_gas_delay) X(low_depth) X(locked_GF_step) X(CNS_fraction)     \
    X(pres_tissue_N2) X(pres_tissue_He) X(sim_pres_tissue_N2) X(sim_pres_tissue_He)            \
    X(char_I_actual_ppO2) X(char_I_deco_model) X(char_I_step_is_1min) X(int_I_temp)            \
    X(char_O_deco_status) X(char_O_nullzeit) X(char_O_deco_depth) X(char_O_deco_time)          \
    X(char_O_first_deco_depth) X(char_O_first_deco_time) X(char_O_deco_table_truncated)        \
    X(int_O_ascenttime) X(int_O_extra_ascenttime) X(char_O_deco_last_stop)                     \
    X(char_O_gradient_factor) X(char_O_relative_gradient_GF) X(char_O_gtissue_no)              \
    X(int_O_gtissue_limit) X(int_O_gtissue_press) X(char_O_EAD) X(char_O_END) X(char_O_diluent) \
    X(char_O_flush_ppO2) X(char_O_CNS_fraction) X(int_O_desaturation_time)                     \
    X(char_O_tissue_N2_saturation) X(char_O_tissue_He_saturation) X(int_O_gas_volumes)

#define STATE_SIZE(v) +sizeof(v)
#define STATE_SAVE(v) std::memcpy(p, &(v), sizeof(v)), p += sizeof(v);
#define STATE_RESTORE(v) std::memcpy(&(v), p, sizeof(v)), p += sizeof(v);

static unsigned char saved_state[0 ENGINE_STATE(STATE_SIZE)];

static void save_engine_state()
{
    unsigned char* p = saved_state;
    ENGINE_STATE(STATE_SAVE)
}

static void restore_engine_state()
{
    const unsigned char* p = saved_state;
    ENGINE_STATE(STATE_RESTORE)
}

// The status is restored like everything else: a plan being computed when a call is refused,
// the simulated gases it has taken and the backups it restores when it finishes, goes on with
// the next call as if the refused one had never been made, and a pending clear stays pending.
static void guarded(void (*step)())
{
    save_engine_state();
    try {
        step();
    } catch (const char*) {
        restore_engine_state();
        throw;
    }
}

// ---------------------------------------------------------------------------------------------
// Host function

short read_custom_function(unsigned char n)
{
    const int index = (n & 0x20) ? 32 + (n & 0x1F) : (n & 0x1F);
    return eeprom.cf(index).value.lo;
}

// ---------------------------------------------------------------------------------------------
// Coefficients

static void read_buhlmann_coefficients()
{
    REQUIRE(ci < NUM_COMP);
    var_N2_a = buhlmann_ab[ci][0];
    var_N2_b = buhlmann_ab[ci][1];
    var_He_a = buhlmann_ab[ci][2];
    var_He_b = buhlmann_ab[ci][3];
}

static void read_buhlmann_times(int period)
{
    REQUIRE(ci < NUM_COMP);
    const float(*factors)[2] = period == PERIOD_10MIN ? e10min : period == PERIOD_1MIN ? e1min : e2secs;
    var_N2_e = factors[ci][0];
    var_He_e = factors[ci][1];
}

static void read_buhlmann_ht()
{
    REQUIRE(ci < NUM_COMP);
    var_N2_ht = buhlmann_ht[ci][0];
    var_He_ht = buhlmann_ht[ci][1];
    REQUIRE(4.0 <= var_N2_ht && var_N2_ht <= 635.0);
    REQUIRE(1.5099 <= var_He_ht && var_He_ht <= 240.03);
}

// ---------------------------------------------------------------------------------------------
// Tissues

static void temp_tissue_safety()
{
    REQUIRE(0.0 < float_desaturation_multiplier && float_desaturation_multiplier <= 1.0);
    REQUIRE(1.0 <= float_saturation_multiplier && float_saturation_multiplier <= 2.0);
    if (char_I_deco_model == 0)
        temp_tissue *= temp_tissue < 0 ? float_desaturation_multiplier : float_saturation_multiplier;
}

static void load_tissues(float N2[NUM_COMP], float He[NUM_COMP], int period)
{
    REQUIRE(0.00 <= ppN2 && ppN2 < 11.2);
    REQUIRE(0.00 <= ppHe && ppHe < 12.6);
    for (ci = 0; ci < NUM_COMP; ++ci) {
        read_buhlmann_times(period);
        temp_tissue = (ppN2 - N2[ci]) * var_N2_e;
        temp_tissue_safety();
        N2[ci] += temp_tissue;
        temp_tissue = (ppHe - He[ci]) * var_He_e;
        temp_tissue_safety();
        He[ci] += temp_tissue;
    }
}

static void calc_tissue(int period)
{
    load_tissues(pres_tissue_N2, pres_tissue_He, period);
}

static void sim_tissue(int period)
{
    load_tissues(sim_pres_tissue_N2, sim_pres_tissue_He, period);
}

// Mixed a and b of compartment ci for the given pressures, left in var_N2_a and var_N2_b.
static void mix_coefficients(float N2, float He)
{
    read_buhlmann_coefficients();
    const float P = N2 + He;
    var_N2_a = (var_N2_a * N2 + var_He_a * He) / P;
    var_N2_b = (var_N2_b * N2 + var_He_b * He) / P;
}

// Ceiling of compartment ci (absolute bar, at least 0) at gradient factor g.
static float compartment_ceiling(float N2, float He, float g)
{
    mix_coefficients(N2, He);
    const float P = N2 + He;
    const float ceiling = char_I_deco_model == 0
        ? (P - var_N2_a) * var_N2_b
        : (P - var_N2_a * g) / (g / var_N2_b + 1 - g);
    return ceiling < 0 ? 0 : ceiling;
}

static void calc_limit()
{
    char_O_gtissue_no = 255;
    calc_lead_tissue_limit = 0;
    for (ci = 0; ci < NUM_COMP; ++ci) {
        const float ceiling = compartment_ceiling(pres_tissue_N2[ci], pres_tissue_He[ci], GF_high);
        if (ceiling > calc_lead_tissue_limit) {
            calc_lead_tissue_limit = ceiling;
            char_O_gtissue_no = ci;
        }
    }
    REQUIRE(char_O_gtissue_no < NUM_COMP);
    REQUIRE(0.0 <= calc_lead_tissue_limit && calc_lead_tissue_limit <= 14.0);
}

static void sim_limit(float GF_current)
{
    REQUIRE(0.0 < GF_current && GF_current <= 1.0f);
    sim_lead_tissue_no = 0;
    sim_lead_tissue_limit = 0;
    for (ci = 0; ci < NUM_COMP; ++ci) {
        const float ceiling = compartment_ceiling(sim_pres_tissue_N2[ci], sim_pres_tissue_He[ci], GF_current);
        if (ceiling > sim_lead_tissue_limit) {
            sim_lead_tissue_limit = ceiling;
            sim_lead_tissue_no = ci;
        }
    }
    REQUIRE(sim_lead_tissue_no < NUM_COMP);
    REQUIRE(0.0 <= sim_lead_tissue_limit && sim_lead_tissue_limit <= 14.0);
}

static void calc_hauptroutine_data_input()
{
    pres_respiration = int_I_pres_respiration * 0.001;
    pres_surface = int_I_pres_surface * 0.001;
    N2_ratio = char_I_N2_ratio * 0.01;
    He_ratio = char_I_He_ratio * 0.01;
    float_deco_distance = char_I_deco_distance * 0.01;

    // A gas whose switch depth lies more than 1.5 m below the diver is not offered.
    const int depth_mbar = int_I_pres_respiration - int_I_pres_surface;
    for (int i = 0; i < NUM_GAS; ++i) {
        const int change = char_I_deco_gas_change[i];
        deco_gas_change[i] = change != 0 && change * 100 < depth_mbar + 150 ? change : 0;
    }

    const_ppO2 = char_I_const_ppO2 * 0.01;
    float_desaturation_multiplier = char_I_desaturation_multiplier * 0.01;
    float_saturation_multiplier = char_I_saturation_multiplier * 0.01;
    GF_low = char_I_GF_Low_percentage * 0.01;
    GF_high = char_I_GF_High_percentage * 0.01;
    GF_delta = GF_high - GF_low;
}

unsigned char nearest_or_zero(float metres)
{
    return metres < 0 || metres > 245.5 ? 0 : (unsigned char)(metres + 0.5);
}

static void calc_hauptroutine_update_tissues()
{
    REQUIRE(0.00 <= N2_ratio && N2_ratio <= 1.00);
    REQUIRE(0.00 <= He_ratio && He_ratio <= 1.00);
    REQUIRE((N2_ratio + He_ratio) <= 0.95);
    REQUIRE(0.800 < pres_respiration && pres_respiration < 14.0);

    pres_diluent = pres_respiration;
    if (char_I_const_ppO2 != 0) {
        float flush = pres_respiration * (1 - N2_ratio - He_ratio);
        // A diluent without inert gas makes the loop pure oxygen: no inert pressure at all.
        const float inert = N2_ratio + He_ratio;
        pres_diluent = inert > 0 ? (pres_respiration - const_ppO2) / inert : 0;
        if (pres_diluent < 0)
            pres_diluent = 0;
        if (pres_diluent > pres_respiration)
            pres_diluent = pres_respiration;
        char_O_diluent = (unsigned char)(pres_diluent / pres_respiration * 100 + 0.5);
        if (flush > 2.545)
            flush = 2.55;
        if (flush < 0)
            flush = 0;
        char_O_flush_ppO2 = (unsigned char)(flush * 100 + 0.5);
    }

    if (pres_diluent > 0.0627) {
        ppN2 = N2_ratio * (pres_diluent - 0.0627);
        ppHe = He_ratio * (pres_diluent - 0.0627);
        const float EAD = ((ppN2 / 0.7902 + 0.0627) - pres_surface) * 10.015;
        const float END = (pres_respiration - ppHe - pres_surface) * 10.015;
        char_O_EAD = nearest_or_zero(EAD);
        char_O_END = nearest_or_zero(END);
    } else {
        ppN2 = 0;
        ppHe = 0;
        char_O_EAD = 0;
        char_O_END = 0;
    }

    calc_tissue(char_I_step_is_1min ? PERIOD_1MIN : PERIOD_2SEC);

    calc_limit();
    int_O_gtissue_limit = (unsigned short)(calc_lead_tissue_limit * 1000);
    int_O_gtissue_press = (unsigned short)((pres_tissue_N2[char_O_gtissue_no] + pres_tissue_He[char_O_gtissue_no]) * 1000);
}

static void calc_gradient_factor()
{
    REQUIRE(char_O_gtissue_no < NUM_COMP);
    REQUIRE(0.800 <= pres_respiration && pres_respiration < 14.0);

    ci = char_O_gtissue_no;
    const float N2 = pres_tissue_N2[ci];
    const float He = pres_tissue_He[ci];
    const float P = N2 + He;

    float gf = 0;
    if (pres_respiration < P) {
        float limit = calc_lead_tissue_limit;
        if (char_I_deco_model != 0) {
            mix_coefficients(N2, He);
            limit = (P - var_N2_a) * var_N2_b;
        }
        gf = (P - pres_respiration) / (P - limit) * 100;
        if (gf > 254.5)
            gf = 255;
        if (gf < 0)
            gf = 0;
    }
    char_O_gradient_factor = (unsigned char)(gf + 0.5);

    if (char_I_deco_model == 0) {
        char_O_relative_gradient_GF = char_O_gradient_factor;
        return;
    }

    // The factor allowed here slides from GF_low at the deepest first stop to GF_high at the surface.
    const float depth_pressure = pres_respiration - pres_surface;
    const float low_pressure = low_depth * 0.09985;
    float allowed;
    if (low_depth <= 2 || pres_respiration <= pres_surface)
        allowed = GF_high;
    else if (depth_pressure >= low_pressure)
        allowed = GF_low;
    else
        allowed = GF_low + GF_delta * (low_pressure - depth_pressure) / low_pressure;

    float relative = gf / allowed;
    if (relative < 0)
        relative = 0;
    if (relative > 254.5)
        relative = 255;
    char_O_relative_gradient_GF = (unsigned char)(relative + 0.5);
}

// Inspired pressures of the simulated diver at temp_deco, breathing the simulated gas.
static void sim_alveolar_presures()
{
    float p = temp_deco;
    if (temp_deco > pres_surface)
        p += float_deco_distance;
    if (char_I_const_ppO2 != 0) {
        const float inert = calc_N2_ratio + calc_He_ratio;
        p = inert > 0 ? (p - const_ppO2) / inert : 0;
        if (temp_deco < p)
            p = temp_deco;
    }
    if (p > 0.0627) {
        ppN2 = calc_N2_ratio * (p - 0.0627);
        ppHe = calc_He_ratio * (p - 0.0627);
    } else {
        ppN2 = 0;
        ppHe = 0;
    }
    REQUIRE(0.0 <= ppN2 && ppN2 < 14.0);
    REQUIRE(0.0 <= ppHe && ppHe < 14.0);
}

static void calc_nullzeit()
{
    temp_deco = pres_respiration;
    sim_alveolar_presures();
    char_O_nullzeit = 240;

    for (ci = 0; ci < NUM_COMP; ++ci) {
        float N2 = pres_tissue_N2[ci];
        float He = pres_tissue_He[ci];
        float P = N2 + He;
        int step = 10;
        read_buhlmann_times(PERIOD_10MIN);
        int t = 0;
        while (t < char_O_nullzeit) {
            mix_coefficients(N2, He);
            float M = pres_surface / var_N2_b + var_N2_a;
            if (char_I_deco_model != 0)
                M = (M - pres_surface) * GF_high + pres_surface;

            float dN2 = (ppN2 - N2) * var_N2_e;
            float dHe = (ppHe - He) * var_He_e;
            if (char_I_deco_model == 0) {
                dN2 *= float_saturation_multiplier;
                dHe *= float_saturation_multiplier;
            }

            if (M >= P && M >= P + dN2 + dHe) {
                N2 += dN2;
                He += dHe;
                P = N2 + He;
                t += step;
            } else if (step == 10) {
                step = 1;
                read_buhlmann_times(PERIOD_1MIN);
            } else {
                if (M > P)
                    t += (int)((M - P) / (dN2 + dHe) + 0.5);
                break;
            }
        }
        if (t < char_O_nullzeit)
            char_O_nullzeit = (unsigned char)t;
    }
}

static void clear_deco_table()
{
    std::memset(internal_deco_depth, 0, sizeof internal_deco_depth);
    std::memset(internal_deco_time, 0, sizeof internal_deco_time);
    internal_deco_minutes = 0;
    internal_deco_truncated = 0;
}

static void clear_tissue()
{
    N2_ratio = 0.7902;
    pres_respiration = int_I_pres_respiration * 0.001;
    // Tissues cleared at no ambient pressure would hold negative pressures.
    REQUIRE(0.800 < pres_respiration && pres_respiration < 14.0);
    for (int i = 0; i < NUM_COMP; ++i) {
        pres_tissue_N2[i] = 0.7902 * (pres_respiration - 0.0627);
        pres_tissue_He[i] = 0;
    }
    clear_deco_table();
    char_O_deco_status = DECO_STATUS_DONE;
    char_O_nullzeit = 0;
    int_O_ascenttime = 0;
    char_O_gradient_factor = 0;
    char_O_relative_gradient_GF = 0;
    calc_lead_tissue_limit = 0;
    char_O_gtissue_no = 0;
}

static void update_startvalues()
{
    std::memcpy(sim_pres_tissue_N2, pres_tissue_N2, sizeof sim_pres_tissue_N2);
    std::memcpy(sim_pres_tissue_He, pres_tissue_He, sizeof sim_pres_tissue_He);
    sim_lead_tissue_limit = 0;
    sim_lead_tissue_no = 255;
}

// ---------------------------------------------------------------------------------------------
// Gases of the simulated ascent

static void gas_switch_find_current()
{
    REQUIRE(0 < char_I_current_gas && char_I_current_gas <= (NUM_GAS+1));
    if (char_I_current_gas == NUM_GAS + 1) {
        sim_gas_last_used = 0;
        return;
    }
    sim_gas_last_used = char_I_current_gas;
    if (char_I_deco_gas_change[char_I_current_gas - 1] != 0)
        sim_gas_last_depth = char_I_deco_gas_change[char_I_current_gas - 1];
}

static void gas_switch_set()
{
    REQUIRE(sim_gas_last_used <= NUM_GAS);
    if (sim_gas_last_used == 0) {
        calc_N2_ratio = N2_ratio;
        calc_He_ratio = He_ratio;
    } else {
        calc_N2_ratio = char_I_deco_N2_ratio[sim_gas_last_used - 1] * 0.01;
        calc_He_ratio = char_I_deco_He_ratio[sim_gas_last_used - 1] * 0.01;
    }
    REQUIRE(0.0 <= calc_N2_ratio && calc_N2_ratio <= 0.95);
    REQUIRE(0.0 <= calc_He_ratio && calc_He_ratio <= 0.95);
    REQUIRE((calc_N2_ratio + calc_He_ratio) <= 1.00);
}

// Takes the deepest gas usable at temp_depth_limit that is shallower than the last one taken.
// Returns 1 when the diver must stop for the switch delay (at temp_depth_limit, the switch depth).
// A switch depth must beat switch_deco, which starts at 0: a gas offered at 0 m is never taken.
static unsigned char gas_switch_deepest()
{
    unsigned char switch_deco = 0;
    unsigned char switch_gas = 0;
    if (char_I_const_ppO2 == 0) {
        for (int j = 0; j < NUM_GAS; ++j) {
            const unsigned char change = deco_gas_change[j];
            if (change >= temp_depth_limit
                && (sim_gas_last_depth == 0 || change < sim_gas_last_depth) && change > switch_deco) {
                switch_deco = change;
                switch_gas = (unsigned char)(j + 1);
            }
        }
    }
    if (switch_gas == 0) {
        sim_gas_delay = 0;
        return 0;
    }

    REQUIRE(!sim_gas_last_depth || sim_gas_last_depth > switch_deco);
    // The delay of the last switch has run out before the next one.
    REQUIRE(sim_gas_delay <= sim_dive_mins);
    sim_gas_last_depth = switch_deco;
    sim_gas_last_used = switch_gas;
    const short delay = read_custom_function(55);
    sim_gas_delay = (unsigned short)(sim_dive_mins + delay);
    if (delay == 0)
        return 0;
    temp_depth_limit = switch_deco;
    return 1;
}

// ---------------------------------------------------------------------------------------------
// Stop planner

static void sim_extra_time()
{
    for (int i = read_custom_function(58); i > 0; --i) {
        ++sim_dive_mins;
        sim_tissue(PERIOD_1MIN);
    }
}

static void sim_ascent_to_first_stop()
{
    update_startvalues();
    clear_deco_table();
    temp_deco = pres_respiration;

    // The future plan first stays the extra minutes at the present depth, on the present gas.
    if (char_O_deco_status & DECO_STATUS_EXTRA_TIME)
        sim_extra_time();

    if (sim_dive_mins < sim_gas_delay)
        return;
    for (;;) {
        const float before = temp_deco;
        temp_deco -= 0.9985;
        if (temp_deco < pres_surface)
            temp_deco = pres_surface;

        sim_limit(GF_low);
        if (sim_lead_tissue_limit > temp_deco) {
            temp_deco = before;
            return;
        }

        temp_depth_limit = (unsigned char)((temp_deco - pres_surface) * 10.015 + 0.5);
        if (temp_depth_limit == 0) {
            temp_deco = pres_surface;
            return;
        }
        if (gas_switch_deepest()) {
            temp_deco = temp_depth_limit * 0.09985 + pres_surface;
            return;
        }

        ++sim_dive_mins;
        sim_alveolar_presures();
        sim_tissue(PERIOD_1MIN);
    }
}

// Nonzero when the diver must stay at temp_depth_limit for this minute; otherwise temp_depth_limit
// is the depth one minute of climbing can reach.
static unsigned char calc_nextdecodepth()
{
    const float depth = (temp_deco - pres_surface) * 10.015;
    REQUIRE(depth >= -0.2);
    const float reach = depth > 10 ? depth - 10 : 0;

    if (char_I_deco_model == 0) {
        sim_limit(1.0f);
        if (sim_lead_tissue_limit - pres_surface >= 0) {
            const int k = (int)((sim_lead_tissue_limit - pres_surface) * 3.3383333 + 0.99);
            temp_depth_limit = k == 1 ? char_I_depth_last_deco : (unsigned char)(3 * k);
            return 1 | gas_switch_deepest();
        }
        temp_depth_limit = 0;
        return gas_switch_deepest();
    }

    sim_limit(GF_low);
    if (sim_lead_tissue_limit > pres_surface) {
        const float ceiling_depth = (sim_lead_tissue_limit - pres_surface) * 10.015;
        if (!(reach > ceiling_depth)) {
            int first_stop = 3 * (int)(ceiling_depth * 0.333333 + 0.99999);
            REQUIRE(first_stop < 128);
            if (first_stop == 3)
                first_stop = char_I_depth_last_deco;
            if (first_stop > low_depth) {
                low_depth = (unsigned char)first_stop;
                locked_GF_step = GF_delta / first_stop;
            }

            int d = first_stop;
            while (d != 0 && reach < d) {
                const int next_stop = char_I_depth_last_deco >= d ? 0 : d == 6 ? char_I_depth_last_deco : d - 3;
                REQUIRE(next_stop < low_depth);
                sim_limit(GF_high - next_stop * locked_GF_step);
                if (next_stop * 0.09985 + pres_surface <= sim_lead_tissue_limit) {
                    temp_depth_limit = (unsigned char)d;
                    return 1 | gas_switch_deepest();
                }
                d = next_stop;
            }
        }
    }
    temp_depth_limit = (unsigned char)reach;
    return gas_switch_deepest();
}

// One stop minute at temp_depth_limit. Returns 0 when the plan can hold no more stop minutes.
// Stops that no longer fit the table still count toward the time to surface.
static unsigned char update_deco_table()
{
    REQUIRE(temp_depth_limit < 128);
    REQUIRE(temp_depth_limit > 0);
    if (internal_deco_minutes >= MAX_STOP_MINUTES) {
        internal_deco_truncated = 1;
        return 0;
    }
    ++internal_deco_minutes;

    for (int x = 0; x < NUM_STOPS; ++x) {
        REQUIRE(!internal_deco_depth[x] || temp_depth_limit <= (internal_deco_depth[x]& 0x7F));
        if ((internal_deco_depth[x] & 0x7F) == temp_depth_limit && internal_deco_time[x] < 255) {
            ++internal_deco_time[x];
            return 1;
        }
        if (internal_deco_depth[x] == 0) {
            internal_deco_depth[x] = temp_depth_limit;
            if (sim_gas_delay >= sim_dive_mins)
                internal_deco_depth[x] |= DECO_STOP_SWITCH_FLAG;
            internal_deco_time[x] = 1;
            return 1;
        }
    }
    internal_deco_truncated = 1;
    return 1;
}

static void copy_deco_table()
{
    char_O_first_deco_depth = internal_deco_depth[0] & 0x7F;
    char_O_first_deco_time = internal_deco_time[0];
    char_O_deco_table_truncated = internal_deco_truncated;

    if (!(read_custom_function(54) & 1)) {
        std::memcpy(char_O_deco_depth, internal_deco_depth, sizeof char_O_deco_depth);
        std::memcpy(char_O_deco_time, internal_deco_time, sizeof char_O_deco_time);
        return;
    }

    // Shallowest stop first.
    int used = NUM_STOPS;
    while (used > 0 && internal_deco_depth[used - 1] == 0)
        --used;
    for (int x = 0; x < NUM_STOPS; ++x) {
        char_O_deco_depth[x] = x < used ? internal_deco_depth[used - 1 - x] : 0;
        char_O_deco_time[x] = x < used ? internal_deco_time[used - 1 - x] : 0;
    }
}

static void calc_ascenttime()
{
    float ascent = pres_respiration - pres_surface + 0.7;
    if (ascent < 0)
        ascent = 0;
    const unsigned short minutes = (unsigned short)((unsigned short)(ascent + 0.99) + internal_deco_minutes);
    if (char_O_deco_status == DECO_STATUS_RUNNING)
        int_O_ascenttime = minutes;
    else
        int_O_extra_ascenttime = minutes;
}

// Up to 16 simulated minutes of the plan.
static void calc_hauptroutine_calc_deco()
{
    for (int i = 0; i < 16; ++i) {
        if (sim_dive_mins < sim_gas_delay) {
            temp_depth_limit = (unsigned char)((temp_deco - pres_surface) * 10.015 + 0.5);
            if (!update_deco_table())
                goto finished;
        } else if (calc_nextdecodepth()) {
            if (temp_depth_limit == 0)
                goto finished;
            temp_deco = temp_depth_limit * 0.09985 + pres_surface;
            if (!update_deco_table())
                goto finished;
        } else {
            temp_deco -= 0.9985;
            if (temp_deco <= pres_surface)
                goto finished;
        }

        ++sim_dive_mins;
        gas_switch_set();
        sim_alveolar_presures();
        sim_tissue(PERIOD_1MIN);
    }
    char_O_deco_last_stop = temp_depth_limit;
    return;

finished:
    if (char_O_deco_status == DECO_STATUS_RUNNING)
        copy_deco_table();
    calc_ascenttime();
    char_O_deco_status = DECO_STATUS_DONE;
    char_O_deco_last_stop = 0;
}

static void calc_hauptroutine()
{
    calc_hauptroutine_data_input();
    calc_hauptroutine_update_tissues();
    calc_gradient_factor();

    switch (char_O_deco_status) {
    case DECO_STATUS_CLEAR:
        clear_deco_table();
        copy_deco_table();
        int_O_ascenttime = 0;
        int_O_extra_ascenttime = 0;
        char_O_nullzeit = 0;
        char_O_deco_status = DECO_STATUS_DONE;
        low_depth = 0;
        locked_GF_step = 0;
        sim_gas_last_used = sim_gas_last_depth = 0;
        sim_gas_delay = 0;
        backup_gas_used = backup_gas_depth = 0;
        backup_gas_delay = 0;
        sim_dive_mins = 0;
        break;

    case DECO_STATUS_START:
    case DECO_STATUS_EXTRA_TIME | DECO_STATUS_START:
        sim_dive_mins = int_I_divemins;
        gas_switch_find_current();
        gas_switch_set();
        backup_gas_used = sim_gas_last_used;
        backup_gas_depth = sim_gas_last_depth;
        backup_gas_delay = sim_gas_delay;
        sim_ascent_to_first_stop();
        char_O_deco_status = (char_O_deco_status & DECO_STATUS_EXTRA_TIME) | DECO_STATUS_RUNNING;
        break;

    case DECO_STATUS_RUNNING:
    case DECO_STATUS_EXTRA_TIME | DECO_STATUS_RUNNING:
        calc_hauptroutine_calc_deco();
        if ((char_O_deco_status & 3) == 0) {
            sim_gas_last_used = backup_gas_used;
            sim_gas_last_depth = backup_gas_depth;
            sim_gas_delay = backup_gas_delay;
        }
        break;

    default:
        gas_switch_find_current();
        gas_switch_set();
        calc_nullzeit();
        if (char_O_nullzeit != 0) {
            char_O_deco_status = DECO_STATUS_DONE;
            clear_deco_table();
            copy_deco_table();
            char_O_deco_last_stop = 0;
        } else {
            char_O_deco_status = DECO_STATUS_START;
        }
        break;
    }
}

// ---------------------------------------------------------------------------------------------
// Surface

static void calc_desaturation_time()
{
    REQUIRE(800 < int_I_pres_surface && int_I_pres_surface < 1100);
    REQUIRE(0 < char_I_desaturation_multiplier && char_I_desaturation_multiplier <= 100);

    N2_ratio = 0.7902;
    pres_surface = int_I_pres_surface * 0.001;
    ppN2 = 0.7902 * (pres_surface - 0.0627);
    int_O_desaturation_time = 0;
    float_desaturation_multiplier = char_I_desaturation_multiplier * 0.007042;

    for (ci = 0; ci < NUM_COMP; ++ci) {
        read_buhlmann_ht();

        // Until the nitrogen excess over the surface ppN2 has fallen to 5 % of it.
        const float p = pres_tissue_N2[ci];
        const float x = p > ppN2 ? (ppN2 * 1.05 - p) / (ppN2 - p) : 0;
        float halves_N2 = 0;
        float t_N2 = 0;
        if (0 < x && x < 1) {
            halves_N2 = std::log(1.0 - x) / -0.6931;
            t_N2 = var_N2_ht * halves_N2 / float_desaturation_multiplier;
        }

        // Until the helium is below 0.1 bar.
        const float h = pres_tissue_He[ci];
        const float y = h > 0.1 ? (h - 0.1) / h : 0;
        float halves_He = 0;
        float t_He = 0;
        if (0 < y && y < 1) {
            halves_He = std::log(1.0 - y) / -0.6931;
            t_He = var_He_ht * halves_He / float_desaturation_multiplier;
        }

        const unsigned short t = (unsigned short)(t_N2 > t_He ? t_N2 : t_He);
        if (t > int_O_desaturation_time)
            int_O_desaturation_time = t;

        const float N2_saturation = halves_N2 * 20 + 80;
        const float He_saturation = halves_He * 20 + 80;
        char_O_tissue_N2_saturation[ci] = N2_saturation > 255 ? 255 : N2_saturation < 0 ? 0 : (unsigned char)N2_saturation;
        char_O_tissue_He_saturation[ci] = He_saturation > 255 ? 255 : He_saturation < 0 ? 0 : (unsigned char)He_saturation;
    }
}

// Air at the surface pressure, with the surface desaturation factor.
static void breathe_surface_air()
{
    N2_ratio = 0.7902;
    pres_surface = int_I_pres_surface * 0.001;
    pres_respiration = pres_surface;
    ppN2 = 0.7902 * (pres_surface - 0.0627);
    ppHe = 0;
    float_desaturation_multiplier = char_I_desaturation_multiplier * 0.007042;
    float_saturation_multiplier = char_I_saturation_multiplier * 0.01;
}

static void calc_wo_deco_step_1_min()
{
    REQUIRE(800 < int_I_pres_surface && int_I_pres_surface < 1100);
    REQUIRE(800 < int_I_pres_respiration && int_I_pres_respiration < 1100);
    REQUIRE(100 <= char_I_saturation_multiplier && char_I_saturation_multiplier < 200);
    REQUIRE(0 < char_I_desaturation_multiplier && char_I_desaturation_multiplier <= 100);

    breathe_surface_air();
    calc_tissue(PERIOD_1MIN);
    clear_deco_table();
    char_O_deco_status = DECO_STATUS_CLEAR;
    char_O_nullzeit = 0;
    int_O_ascenttime = 0;
    int_O_extra_ascenttime = 0;
    calc_gradient_factor();
    calc_desaturation_time();
}

static void calc_dive_interval()
{
    breathe_surface_air();
    // Both multipliers act at the surface, whatever the dive's model.
    const unsigned char model = char_I_deco_model;
    char_I_deco_model = 0;
    for (int i = 0; i < char_I_dive_interval; ++i) {
        calc_tissue(PERIOD_10MIN);
        CNS_fraction *= 0.92587471;  // 10 minutes of a 90-minute half-time
    }
    char_I_deco_model = model;

    REQUIRE(0.0 <= CNS_fraction && CNS_fraction <= 2.56);
    char_O_CNS_fraction = (unsigned char)(CNS_fraction * 100 + 0.5);
}

// ---------------------------------------------------------------------------------------------
// Oxygen toxicity

static void calc_CNS_fraction()
{
    REQUIRE(0.0 <= CNS_fraction && CNS_fraction <= 2.56);
    REQUIRE(char_I_actual_ppO2 > 15);

    const int units = char_I_step_is_1min == 1 ? 30 : char_I_step_is_1min == 2 ? 300 : 1;
    const int p = char_I_actual_ppO2;
    double increase;
    if (p < 50)
        increase = 0;
    else if (p < 60)
        increase = double(units) / (54000 - 540 * p);
    else if (p < 70)
        increase = double(units) / (48600 - 450 * p);
    else if (p < 80)
        increase = double(units) / (42300 - 360 * p);
    else if (p < 90)
        increase = double(units) / (35100 - 270 * p);
    else if (p < 110)
        increase = double(units) / (27000 - 180 * p);
    else if (p < 150)
        increase = double(units) / (17100 - 90 * p);
    else if (p < 160)
        increase = double(units) / (37350 - 225 * p);
    else if (p < 165)
        increase = units * 0.000755;
    else if (p < 170)
        increase = units * 0.00102;
    else if (p < 175)
        increase = units * 0.00136;
    else if (p < 180)
        increase = units * 0.0018;
    else if (p < 185)
        increase = units * 0.00237;
    else if (p < 190)
        increase = units * 0.0031;
    else if (p < 195)
        increase = units * 0.00401;
    else if (p < 200)
        increase = units * 0.00517;
    else if (p < 230)
        increase = units * 0.0209;
    else
        increase = units * 0.0482;
    CNS_fraction = CNS_fraction + increase;

    if (CNS_fraction > 2.5)
        CNS_fraction = 2.55;
    if (CNS_fraction < 0)
        CNS_fraction = 0;
    char_O_CNS_fraction = (unsigned char)(CNS_fraction * 100 + 0.5);
}

// ppO2 of the simulated gas at a depth, clamped and rounded for the CNS step.
static void set_planned_ppO2(int depth)
{
    float ppO2 = (pres_surface + depth * 0.09985) * (1 - calc_N2_ratio - calc_He_ratio);
    if (ppO2 < 0)
        ppO2 = 0;
    if (ppO2 > 2.5)
        ppO2 = 2.55;
    char_I_actual_ppO2 = (unsigned char)(ppO2 * 100 + 0.5);
}

static void planned_CNS_minutes(int minutes)
{
    for (; minutes > 0; --minutes) {
        ++sim_dive_mins;
        calc_CNS_fraction();
    }
}

static void calc_CNS_planning()
{
    const unsigned char saved_last_depth = sim_gas_last_depth;
    const unsigned char saved_last_used = sim_gas_last_used;
    const unsigned short saved_delay = sim_gas_delay;
    const unsigned short saved_mins = sim_dive_mins;
    const unsigned char saved_ppO2 = char_I_actual_ppO2;

    char_I_step_is_1min = 1;
    sim_gas_last_used = char_I_first_gas;
    sim_gas_last_depth = 0;
    gas_switch_set();

    if (char_I_const_ppO2 != 0) {
        char_I_actual_ppO2 = char_I_const_ppO2;
        planned_CNS_minutes(int_O_ascenttime);
    } else {
        set_planned_ppO2(char_I_bottom_depth);
        planned_CNS_minutes((int)(char_I_bottom_depth * 0.1 + 0.5));

        // Deepest stop first, whichever way the table is published.
        const bool reversed = read_custom_function(54) & 1;
        for (int k = 0; k < NUM_STOPS; ++k) {
            const int i = reversed ? NUM_STOPS - 1 - k : k;
            if (char_O_deco_time[i] == 0)
                continue;
            const int depth = char_O_deco_depth[i] & 0x7F;
            temp_depth_limit = (unsigned char)depth;
            if (char_O_deco_depth[i] & DECO_STOP_SWITCH_FLAG) {
                gas_switch_deepest();
                gas_switch_set();
            }
            set_planned_ppO2(depth);
            planned_CNS_minutes(char_O_deco_time[i]);
        }
    }

    char_I_step_is_1min = 0;
    sim_gas_last_depth = saved_last_depth;
    sim_gas_last_used = saved_last_used;
    sim_gas_delay = saved_delay;
    sim_dive_mins = saved_mins;
    char_I_actual_ppO2 = saved_ppO2;
}

static void calc_CNS_decrease_15min()
{
    REQUIRE(0.0 <= CNS_fraction && CNS_fraction <= 2.56);
    CNS_fraction *= 0.890899;  // 15 minutes of a 90-minute half-time
    char_O_CNS_fraction = (unsigned char)(CNS_fraction * 100 + 0.5);
}

static void calc_percentage()
{
    REQUIRE(60 <= char_I_temp && char_I_temp <= 100);
    REQUIRE(int_I_temp < 5760);
    int_I_temp = (unsigned short)(int_I_temp * char_I_temp * 0.01);
}

// ---------------------------------------------------------------------------------------------
// Gas volumes

// The gas breathed at a depth: the shallowest switch depth that is deeper than it (qualifies()).
template <typename Qualifies>
static int gas_at(int g, Qualifies qualifies)
{
    for (int j = 1; j <= NUM_GAS; ++j)
        if (qualifies(char_I_deco_gas_change[j - 1])
            && (char_I_deco_gas_change[g - 1] == 0 || char_I_deco_gas_change[j - 1] < char_I_deco_gas_change[g - 1]))
            g = j;
    return g;
}

static void calc_gas_volumes()
{
    float volume[NUM_GAS] = {0, 0, 0, 0, 0};
    REQUIRE(1 <= char_I_first_gas && char_I_first_gas <= NUM_GAS);
    int g = char_I_first_gas;

    const int bottom_rate = read_custom_function(56);
    const int ascent_rate = read_custom_function(57);
    const int bottom = char_I_bottom_depth;
    const int first_stop = char_O_first_deco_depth;

    // The bottom phase of a closed-circuit dive is breathed from the loop.
    if (char_I_const_ppO2 == 0 && bottom_rate > 0)
        volume[g - 1] = (bottom * 0.1 + 1) * char_I_bottom_time * bottom_rate;

    if (read_custom_function(55) == 0)
        g = gas_at(g, [first_stop](int change) { return change > first_stop; });
    if (ascent_rate > 0)
        volume[g - 1] += (bottom * 0.1 + 1) * (bottom - first_stop) * 0.1 * ascent_rate;

    // Deepest stop first; each stop also pays the climb to the next shallower one.
    const bool reversed = read_custom_function(54) & 1;
    for (int k = 0; k < NUM_STOPS; ++k) {
        const int i = reversed ? NUM_STOPS - 1 - k : k;
        if (char_O_deco_time[i] == 0) {
            if (reversed)
                continue;
            break;
        }
        const int d = char_O_deco_depth[i] & 0x7F;
        const int t = char_O_deco_time[i];
        const int next = reversed ? i - 1 : i + 1;
        const int travel = next < 0 || next >= NUM_STOPS ? d : d - (char_O_deco_depth[next] & 0x7F);

        g = gas_at(g, [d](int change) { return change >= d; });
        if (ascent_rate > 0)
            volume[g - 1] += (d * 0.1 + 1) * t * ascent_rate + (d * 0.1 + 1) * travel * 0.1 * ascent_rate;
        else
            volume[g - 1] = 65535;
    }

    for (int j = 0; j < NUM_GAS; ++j)
        int_O_gas_volumes[j] = volume[j] > 65534 ? 0xFFFF : (unsigned short)(volume[j] + 0.5);
}

// ---------------------------------------------------------------------------------------------
// Entry points

void deco_calc_hauptroutine()
{
    guarded([] {
        calc_hauptroutine();
        int_O_desaturation_time = 0xFFFF;  // valid only until the next dive step
    });
}

void deco_clear_tissue()
{
    guarded(clear_tissue);
}

void deco_calc_tissue()
{
    guarded(calc_hauptroutine_update_tissues);
}

void deco_calc_wo_deco_step_1_min()
{
    guarded(calc_wo_deco_step_1_min);
}

void deco_calc_dive_interval()
{
    guarded(calc_dive_interval);
}

void deco_calc_desaturation_time()
{
    guarded(calc_desaturation_time);
}

void deco_clear_CNS_fraction()
{
    CNS_fraction = 0;
    char_O_CNS_fraction = 0;
}

void deco_calc_CNS_fraction()
{
    guarded(calc_CNS_fraction);
}

void deco_calc_CNS_planning()
{
    guarded(calc_CNS_planning);
}

void deco_calc_CNS_decrease_15min()
{
    guarded(calc_CNS_decrease_15min);
}

void deco_calc_percentage()
{
    guarded(calc_percentage);
}

void deco_gas_volumes()
{
    guarded(calc_gas_volumes);
}

void deco_push_tissues_to_vault()
{
    cns_vault = CNS_fraction;
    std::memcpy(pres_tissue_N2_vault, pres_tissue_N2, sizeof pres_tissue_N2_vault);
    std::memcpy(pres_tissue_He_vault, pres_tissue_He, sizeof pres_tissue_He_vault);
}

void deco_pull_tissues_from_vault()
{
    CNS_fraction = cns_vault;
    std::memcpy(pres_tissue_N2, pres_tissue_N2_vault, sizeof pres_tissue_N2);
    std::memcpy(pres_tissue_He, pres_tissue_He_vault, sizeof pres_tissue_He);
    char_O_CNS_fraction = (unsigned char)(CNS_fraction * 100 + 0.5);
}
