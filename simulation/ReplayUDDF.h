#ifndef REPLAYUDDF_H
#define REPLAYUDDF_H

#include "ReplayXML.h"

#include <QList>

// A dive of a UDDF 2 or 3 file: the "dive" elements of every "repetitiongroup" of "profiledata",
// numbered from 1 in file order, each with "waypoint" samples ("divetime" in seconds, "depth" in
// metres, "switchmix" by "ref" to a "mix" of "gasdefinitions", "setpo2" in pascal, and the
// "divemode" of the first waypoint). diveConfig sets the mode and the gases 1..5 of the
// configuration from the mixes that the dive switches to, numbered in order of first use.
class ReplayUDDF : public ReplayXML {
public:
    explicit ReplayUDDF(const QString& path);
    ~ReplayUDDF() override;

    QStringList diveList() const override;
    bool selectDive(const QString& entry) override;
    QString diveConfig(VARN_eeprom* config) override;
    int gasChange(int t) const override;
    float setpointChange(int t) const override;

protected:
    void setupDiveInfo() override;
    void seek(int t) const override;
    bool setup() override;

private:
    QList<QDomElement> dives() const;
    QDomElement firstWaypoint() const;
    // Takes the switch and the setpoint of a waypoint that the window enters.
    void latch(const QDomElement& waypoint) const;

    QStringList mixRefs;           // mix ids in order of first use: position + 1 is the gas number
    mutable QString pendingMix;    // switched to and not yet reported
    mutable float pendingSetpoint = 0; // bar, recorded and not yet reported

    friend Replay* replayUDDF(const QString& path);
};

#endif
