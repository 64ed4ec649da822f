#ifndef FIRMWAREFOLDER_H
#define FIRMWAREFOLDER_H

#include <QString>

// The folder where downloaded firmware files are kept and where the firmware upgrade looks
// first: "VARN Planner/firmware" in the user's data folder, created when missing.
QString firmwareFolder();

#endif
