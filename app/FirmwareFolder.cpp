#include "FirmwareFolder.h"

#include <QDir>
#include <QStandardPaths>

QString firmwareFolder()
{
    const QString folder =
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/VARN Planner/firmware";
    QDir().mkpath(folder);
    return folder;
}
