#ifndef P2_DECO_H
#define P2_DECO_H

// The dive computer's decompression engine: Buehlmann ZH-L16 with 16 nitrogen and helium
// compartments, plain (with saturation multipliers) or with gradient factors.
// Procedural by design, like the firmware it mirrors: the caller writes the char_I_/int_I_
// inputs, calls an argument-less deco_ entry point and reads the char_O_/int_O_ outputs.
// "char" is unsigned 8-bit, "int" unsigned 16-bit.
//
// An entry point whose inputs break one of its conditions changes nothing, char_O_deco_status
// and a plan being computed included, and throws a static text "p2_deco: <condition>".

#define NUM_COMP 16
#define NUM_GAS 5
#define NUM_STOPS 32

#define PERIOD_2SEC 0
#define PERIOD_1MIN 1
#define PERIOD_10MIN 2

#define DECO_STATUS_DONE 0
#define DECO_STATUS_RUNNING 1
#define DECO_STATUS_START 2
#define DECO_STATUS_CLEAR 3
#define DECO_STATUS_EXTRA_TIME 4

#define DECO_STOP_SWITCH_FLAG 0x80

// Inputs
extern unsigned short int_I_pres_surface;      // mbar
extern unsigned short int_I_pres_respiration;  // mbar
extern unsigned short int_I_divemins;          // min
extern unsigned short int_I_temp;              // min, in/out of deco_calc_percentage
extern unsigned char char_I_temp;              // %, for deco_calc_percentage
extern unsigned char char_I_actual_ppO2;       // cbar
extern unsigned char char_I_N2_ratio;          // %
extern unsigned char char_I_He_ratio;          // %
extern unsigned char char_I_const_ppO2;        // cbar, 0 = open circuit
extern unsigned char char_I_saturation_multiplier;    // %
extern unsigned char char_I_desaturation_multiplier;  // %
extern unsigned char char_I_deco_distance;     // dm
extern unsigned char char_I_depth_last_deco;   // m
extern unsigned char char_I_GF_Low_percentage;   // %
extern unsigned char char_I_GF_High_percentage;  // %
extern unsigned char char_I_deco_model;        // 0 = ZH-L16, else gradient factors
extern unsigned char char_I_dive_interval;     // 10 min
extern unsigned char char_I_deco_He_ratio[NUM_GAS];   // %
extern unsigned char char_I_deco_N2_ratio[NUM_GAS];   // %
extern unsigned char char_I_deco_gas_change[NUM_GAS]; // m, 0 = not a switch gas
extern unsigned char char_I_first_gas;         // 1..5
extern unsigned char char_I_current_gas;       // 1..5, 6 = char_I_N2_ratio/char_I_He_ratio
extern unsigned char char_I_bottom_depth;      // m
extern unsigned char char_I_bottom_time;       // min
extern unsigned char char_I_step_is_1min;

// Outputs
extern unsigned char char_O_deco_status;
extern unsigned char char_O_nullzeit;                 // min
extern unsigned char char_O_deco_depth[NUM_STOPS];    // m, bit 7 = switch-delay stop
extern unsigned char char_O_deco_time[NUM_STOPS];     // min
extern unsigned char char_O_first_deco_depth;         // m
extern unsigned char char_O_first_deco_time;          // min
extern unsigned char char_O_deco_table_truncated;     // 1 = the plan has more stops than the table shows
extern unsigned short int_O_ascenttime;               // min
extern unsigned short int_O_extra_ascenttime;         // min
extern unsigned char char_O_deco_last_stop;           // m
extern unsigned char char_O_gradient_factor;          // %
extern unsigned char char_O_relative_gradient_GF;     // %
extern unsigned char char_O_gtissue_no;
extern unsigned short int_O_gtissue_limit;            // mbar
extern unsigned short int_O_gtissue_press;            // mbar
extern unsigned char char_O_EAD;                      // m
extern unsigned char char_O_END;                      // m
extern unsigned char char_O_diluent;                  // %
extern unsigned char char_O_flush_ppO2;               // cbar
extern unsigned char char_O_CNS_fraction;             // %
extern unsigned short int_O_desaturation_time;        // min
extern unsigned char char_O_tissue_N2_saturation[NUM_COMP];
extern unsigned char char_O_tissue_He_saturation[NUM_COMP];
extern unsigned short int_O_gas_volumes[NUM_GAS];     // l

// Tissues, bar
extern float pres_tissue_N2[NUM_COMP];
extern float pres_tissue_He[NUM_COMP];
extern float sim_pres_tissue_N2[NUM_COMP];
extern float sim_pres_tissue_He[NUM_COMP];

// Coefficients: N2 a, N2 b, He a, He b; half-times N2, He (min); saturation factors N2, He.
extern const float buhlmann_ab[NUM_COMP][4];
extern const float buhlmann_ht[NUM_COMP][2];
extern const float e2secs[NUM_COMP][2];
extern const float e1min[NUM_COMP][2];
extern const float e10min[NUM_COMP][2];

// Entry points
void deco_calc_hauptroutine();
void deco_clear_tissue();
void deco_calc_tissue();
void deco_calc_wo_deco_step_1_min();
void deco_calc_dive_interval();
void deco_calc_desaturation_time();
void deco_clear_CNS_fraction();
void deco_calc_CNS_fraction();
void deco_calc_CNS_planning();
void deco_calc_CNS_decrease_15min();
void deco_calc_percentage();
void deco_gas_volumes();
void deco_push_tissues_to_vault();
void deco_pull_tissues_from_vault();

// Host function: low byte of the value of custom function n in the global configuration image.
short read_custom_function(unsigned char n);

#endif
