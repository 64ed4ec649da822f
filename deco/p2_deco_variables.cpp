// The engine's interface variables: zero at program start, as on the dive computer.

#include "p2_deco.h"


// Inputs
unsigned short int_I_pres_surface;
unsigned short int_I_pres_respiration;
unsigned short int_I_divemins;
unsigned short int_I_temp;
unsigned char char_I_temp;
unsigned char char_I_actual_ppO2;
unsigned char char_I_N2_ratio;
unsigned char char_I_He_ratio;
unsigned char char_I_const_ppO2;
unsigned char char_I_saturation_multiplier;
unsigned char char_I_desaturation_multiplier;
unsigned char char_I_deco_distance;
unsigned char char_I_depth_last_deco;
unsigned char char_I_GF_Low_percentage;
unsigned char char_I_GF_High_percentage;
unsigned char char_I_deco_model;
unsigned char char_I_dive_interval;
unsigned char char_I_deco_He_ratio[NUM_GAS];
unsigned char char_I_deco_N2_ratio[NUM_GAS];
unsigned char char_I_deco_gas_change[NUM_GAS];
unsigned char char_I_first_gas;
unsigned char char_I_current_gas;
unsigned char char_I_bottom_depth;
unsigned char char_I_bottom_time;
unsigned char char_I_step_is_1min;

// Outputs
unsigned char char_O_deco_status;
unsigned char char_O_nullzeit;
unsigned char char_O_deco_depth[NUM_STOPS];
unsigned char char_O_deco_time[NUM_STOPS];
unsigned char char_O_first_deco_depth;
unsigned char char_O_first_deco_time;
unsigned char char_O_deco_table_truncated;
unsigned short int_O_ascenttime;
unsigned short int_O_extra_ascenttime;
unsigned char char_O_deco_last_stop;
unsigned char char_O_gradient_factor;
unsigned char char_O_relative_gradient_GF;
unsigned char char_O_gtissue_no;
unsigned short int_O_gtissue_limit;
unsigned short int_O_gtissue_press;
unsigned char char_O_EAD;
unsigned char char_O_END;
unsigned char char_O_diluent;
unsigned char char_O_flush_ppO2;
unsigned char char_O_CNS_fraction;
unsigned short int_O_desaturation_time;
unsigned char char_O_tissue_N2_saturation[NUM_COMP];
unsigned char char_O_tissue_He_saturation[NUM_COMP];
unsigned short int_O_gas_volumes[NUM_GAS];

// Tissues, bar
float pres_tissue_N2[NUM_COMP];
float pres_tissue_He[NUM_COMP];
float sim_pres_tissue_N2[NUM_COMP];
float sim_pres_tissue_He[NUM_COMP];
