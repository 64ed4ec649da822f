// Saving and loading the configuration image in INI settings files.

#include "VARN_eeprom.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <cmath>
#include <cstring>

namespace {

// Values are narrowed to their field by keeping the low bits; what is not a number reads as 0.
int readInt(const QSettings* s, const QString& key, int def, unsigned mask)
{
    return int(s->value(key, def).toLongLong() & mask);
}

ubyte readByte(const QSettings* s, const QString& key, int def)
{
    return ubyte(readInt(s, key, def, 0xFF));
}

word readWord(const QSettings* s, const QString& key, int def)
{
    return word((unsigned short)readInt(s, key, def, 0xFFFF));
}

// A real number of the older layout: scaled, truncated toward zero, then narrowed.
int readScaled(const QSettings* s, const QString& key, double def, double scale, unsigned mask)
{
    const double v = std::trunc(s->value(key, def).toDouble() * scale);
    if (!std::isfinite(v))
        return 0;
    return int((long long)std::fmod(v, 65536.0) & mask);
}

bool readYes(const QSettings* s, const QString& key)
{
    return s->value(key, "no").toString() == QLatin1String("yes");
}

// Whether the file holds every key of the settings object with its value. Settings objects on
// one file share what they hold in memory, so the file is read through a copy.
bool fileHolds(const QSettings* s)
{
    const QTemporaryDir folder;
    const QString copy = folder.filePath("copy");
    if (!folder.isValid() || !QFile::copy(s->fileName(), copy))
        return false;
    const QSettings file(copy, s->format());
    const QStringList keys = s->allKeys();
    for (const QString& key : keys)
        if (file.value(key).toString() != s->value(key).toString())
            return false;
    return true;
}

const char* const olderDiveKeys[] = {
    "Dive/ppO2High", "Dive/shallow_first", "Dive/bottom_usage", "Dive/ascent_usage", "Dive/extra_time",
};

} // namespace

const char* const settingsWriteFailure = "Unable to write the settings file";

void VARN_eeprom::save(QSettings* s) const
{
    check();

    s->remove("Mode");
    for (const char* group : {"Gas", "SetPoint", "Buhlmann", "GradientFactor"})
        s->remove(group);
    for (const char* key : olderDiveKeys)
        s->remove(key);

    // Load never reads the computer's identity: an image that did not come from a computer
    // leaves the one in the file for the version check.
    if (serial != 0xFFFF) {
        s->setValue("VARN/serial", (unsigned short)serial);
        s->setValue("VARN/firmware", QString("%1.%2").arg(firmwareMajor).arg(firmwareMinor));
    }
    if (customTextOn) {
        QString text = QString::fromLatin1(reinterpret_cast<const char*>(customText), sizeof customText);
        const int cut = text.indexOf(QLatin1Char('}'));
        if (cut >= 0)
            text.truncate(cut);
        s->setValue("VARN/text", text);
    } else {
        s->remove("VARN/text");
    }
    s->setValue("Deco/model", decoType);
    s->setValue("Deco/salinity", salinity);

    for (int i = 0; i < 5; ++i) {
        const QString group = QString("Gas%1").arg(i);
        s->remove(group);
        if (firstGas == i + 1)
            s->setValue(group + "/first", "yes");
        s->setValue(group + "/active", (activeGases & (1 << i)) ? "yes" : "no");
        s->setValue(group + "/depth", changeDepth[i]);
        s->setValue(group + "/default/O2", gases[i].defaultO2);
        s->setValue(group + "/default/He", gases[i].defaultHe);
        s->setValue(group + "/current/O2", gases[i].currentO2);
        s->setValue(group + "/current/He", gases[i].currentHe);
    }
    s->setValue("Gas6/current/O2", gas6.currentO2);
    s->setValue("Gas6/current/He", gas6.currentHe);

    for (int i = 0; i < 3; ++i) {
        const QString group = QString("Setpoint%1").arg(i);
        s->remove(group);
        s->setValue(group + "/ppO2", setpoints[i]);
    }

    for (int n = 0; n < CF_COUNT; ++n) {
        s->setValue(QString("CF%1/value").arg(n), (unsigned short)cf(n).value);
        s->setValue(QString("CF%1/default").arg(n), (unsigned short)cf(n).defaultValue);
    }

    // The settings object keeps the first error it met, a format error of the file it read
    // included: then only the file tells whether this write reached it.
    s->sync();
    if (s->status() != QSettings::NoError && !fileHolds(s))
        throw settingsWriteFailure;
}

bool VARN_eeprom::load(const QSettings* s)
{
    check();

    activeGases = 0;

    const QString text = s->value("VARN/text", QString()).toString();
    customTextOn = text.isEmpty() ? 0 : 1;
    if (!text.isEmpty()) {
        const QByteArray latin1 = (text + QString(sizeof customText, QLatin1Char('}'))).toLatin1();
        std::memcpy(customText, latin1.constData(), sizeof customText);
    }

    const QString mode = s->value("Mode", QString()).toString();
    if (!mode.isEmpty()) {
        for (int i = 1; i <= 5; ++i) {
            const QString gas = QString("Gas/%1/").arg(i);
            if (s->value(gas + "on", true).toBool())
                activeGases |= ubyte(1 << (i - 1));
            gases[i - 1].currentO2 = readByte(s, gas + "O2", 21);
            gases[i - 1].currentHe = readByte(s, gas + "He", 0);
            changeDepth[i - 1] = readByte(s, gas + "depth", 0);
        }
        firstGas = readByte(s, "Gas/first", 1);
        for (int i = 0; i < 3; ++i)
            setpoints[i] = ubyte(readScaled(s, QString("SetPoint/%1/ppO2").arg(i + 1), 1.0, 100, 0xFF));

        const bool gf = s->value("GradientFactor/on", false).toBool();
        if (mode == QLatin1String("OCR"))
            decoType = gf ? 4 : 0;
        else
            decoType = gf ? 5 : 2;

        cf(11).value = readWord(s, "Buhlmann/sat", 110);
        cf(12).value = readWord(s, "Buhlmann/desat", 90);
        cf(18).value = word((unsigned short)readScaled(s, "Dive/ppO2High", 1.6, 100, 0xFFFF));
        cf(16).value = word((unsigned short)readScaled(s, "Buhlmann/offset", 1.0, 10, 0xFFFF));
        cf(29).value = readWord(s, "Buhlmann/last_stop", 3);
        cf(32).value = readWord(s, "GradientFactor/low", 30);
        cf(33).value = readWord(s, "GradientFactor/high", 90);
        cf(54).value = word(s->value("Dive/shallow_first", false).toBool() ? 1 : 0);
        cf(55).value = readWord(s, "Gas/switch_delay", 0);
        cf(56).value = word((unsigned short)readScaled(s, "Dive/bottom_usage", 20.0, 1, 0xFFFF));
        cf(57).value = word((unsigned short)readScaled(s, "Dive/ascent_usage", 20.0, 1, 0xFFFF));
        cf(58).value = readWord(s, "Dive/extra_time", 0);
    } else {
        decoType = readByte(s, "Deco/model", -1);
        salinity = readByte(s, "Deco/salinity", 100);
        for (int i = 0; i < 5; ++i) {
            const QString group = QString("Gas%1/").arg(i);
            if (readYes(s, group + "first"))
                firstGas = ubyte(i + 1);
            if (readYes(s, group + "active"))
                activeGases |= ubyte(1 << i);
            changeDepth[i] = readByte(s, group + "depth", 0);
            gases[i].currentO2 = readByte(s, group + "current/O2", 21);
            gases[i].currentHe = readByte(s, group + "current/He", 0);
        }
        gas6.currentO2 = readByte(s, "Gas6/current/O2", 21);
        gas6.currentHe = readByte(s, "Gas6/current/He", 0);
        for (int i = 0; i < 3; ++i)
            setpoints[i] = readByte(s, QString("Setpoint%1/ppO2").arg(i), 100);
        for (int n = 0; n < CF_COUNT; ++n)
            cf(n).value = readWord(s, QString("CF%1/value").arg(n), custom_functions_defaults[n].defaultValue);
    }

    check();
    return true;
}
