#ifndef ENGINEFEEDING_H
#define ENGINEFEEDING_H

// Between the configuration image and the engine's inputs. Gas numbers count from 1.

// Copies model, gradient factors, multipliers, gases and setpoint 1 into the engine and makes
// the first gas the current one. The flag (a new dive starts) changes nothing.
void VARN_setup(bool newDive);

// Ambient pressure and inspired ppO2 for a depth in metres, from the gas and setpoint that
// the engine's inputs hold now.
void setup_pres(float depth);

// The depth in metres that the engine's ambient pressure stands for.
float engineDepth();

// The open-circuit gas to breathe at a depth: the active gas with the shallowest change depth
// still reachable, else the first gas.
int bestGas(float depth);

// The configured first gas, 1..5 even in a damaged image.
int firstGas();

// Nitrogen percent of gas record 1..5; 0 for a mix of more than 100 % oxygen and helium.
unsigned char gasNitrogen(int gas);

#endif
