#ifndef TEMPORARYDEFAULTS_H
#define TEMPORARYDEFAULTS_H

#include "Settings.h"

#include <QSettings>
#include <QTemporaryDir>

// The defaults-file global on a file of a temporary folder for as long as this object lives;
// the folder also takes the test's other files.
class TemporaryDefaults {
public:
    TemporaryDefaults() { settings = new QSettings(dir.filePath("defaults.ini"), QSettings::IniFormat); }
    ~TemporaryDefaults()
    {
        delete settings;
        settings = nullptr;
    }
    bool isValid() const { return dir.isValid(); }
    QString filePath(const QString& name) const { return dir.filePath(name); }

private:
    QTemporaryDir dir;
    Q_DISABLE_COPY(TemporaryDefaults)
};

#endif
