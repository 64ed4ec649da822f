#include "Replay.h"

bool Replay::breakOnStop = true;
bool Replay::gasSwitch = true;
bool Replay::setpoint = true;
bool Replay::breakOnSwitch = false;
bool Replay::breakOnSetpoint = false;

Replay::~Replay() = default;

ReadProgress::~ReadProgress() = default;
