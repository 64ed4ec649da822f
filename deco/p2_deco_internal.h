#ifndef P2_DECO_INTERNAL_H
#define P2_DECO_INTERNAL_H

// Steps of the engine that its tests call directly, because no input that an entry point accepts
// reaches all of their cases.

// An equivalent depth (EAD, END) as published: 0 below 0 m or above 245.5 m, else to the nearest
// metre. Below 14 bar of ambient pressure the real step never computes one above about 170 m.
unsigned char nearest_or_zero(float metres);

#endif
