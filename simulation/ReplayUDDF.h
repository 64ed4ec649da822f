#ifndef REPLAYUDDF_H
#define REPLAYUDDF_H

#include "ReplayXML.h"

#include <QHash>

// A dive of a UDDF 2 or 3 file: the "dive" elements of every "repetitiongroup" of "profiledata",
// numbered from 1 in file order, each with "waypoint" samples ("divetime" in seconds, "depth" in
// metres, "switchmix" by "ref" to a "mix" of "gasdefinitions", "setpo2" in pascal, and the
// "divemode" of the first waypoint). diveConfig sets the mode and the gases 1..5 of the
// configuration from the mixes that the dive switches to, numbered in order of first use.
class ReplayUDDF : public ReplayXML {
public:
    ~ReplayUDDF() override;

    bool selectDive(int index) override;
    QString diveConfig(VARN_eeprom* config) override;
    int gasChange(int t) const override;
    float setpointChange(int t) const override;

protected:
    bool read(LogXmlReader& xml) override;
    void seek(int t) const override;
    void restart() const override;
    void enter(const LoggedDive::Sample& sample) const override;

private:
    struct Mix {
        QString id;
        QString name;
        float o2;
        float he;
    };

    ReplayUDDF();
    void readMixes(LogXmlReader& xml);
    void readProfiles(LogXmlReader& xml);
    LoggedDive readDive(LogXmlReader& xml);
    void readSamples(LogXmlReader& xml, LoggedDive& dive);
    int mixIndex(const QString& id);

    QVector<Mix> mixes;          // of "gasdefinitions", in file order
    QStringList mixIds;          // every mix id the samples switch to; a sample holds its index
    QHash<QString, int> indexOfMixId;

    QVector<int> gasOfMix;       // per index of mixIds: its gas number in the current dive, 0 if unused
    mutable int pendingMix = -1; // index of the mix switched to and not yet reported
    mutable float pendingSetpoint = 0; // bar, recorded and not yet reported

    friend Replay* replayUDDF(const QString& path, ReadProgress* progress, QString* problem);
};

#endif
