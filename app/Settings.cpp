#include "Settings.h"

QString Settings::language;
QString Settings::port;
bool Settings::verboseSim = false;
bool Settings::autoSetDateTime = true;

QSettings* settings = nullptr;
