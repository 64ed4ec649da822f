#ifndef SETTINGS_H
#define SETTINGS_H

#include <QString>

class QSettings;

// The program's options, one value each for the whole run.
class Settings {
public:
    static QString language;
    static QString port;
    static bool verboseSim;
    static bool autoSetDateTime;
};

// The defaults file in the user's home folder; created first in main and deleted last.
extern QSettings* settings;

#endif
