#ifndef VERSION_H
#define VERSION_H

// The program's build number and the firmware version whose engine it runs, as the About text
// and the plot titles show them.
namespace Version {
constexpr int program = 450;
constexpr int beta = 1;
constexpr int firmwareMajor = 2;
constexpr int firmwareMinor = 50;
}

#endif
