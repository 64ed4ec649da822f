#ifndef REPLAYXML_H
#define REPLAYXML_H

#include "LoggedDive.h"
#include "Replay.h"

class LogXmlReader;

// A dive of a DivingLog XML export: document element with "DBVersion", its "Logbook" with "Dive"
// elements, each with "ID", "Divedate", "Entrytime", "Place", "Depth" and a "Profile" of "P"
// samples ("Time" attribute in seconds, "Depth" element in metres). A DivingLog dive has no gas
// switches and no setpoints, and its configuration changes nothing.
//
// Also the base of ReplayUDDF, which keeps the dives, the current dive, the sample window and the
// depth interpolation.
class ReplayXML : public Replay {
public:
    ~ReplayXML() override;

    QStringList diveList() const override;
    bool selectDive(int index) override;
    QString diveConfig(VARN_eeprom* config) override;
    int diveTime() const override;
    float diveDepth() const override;
    float depth(int t) const override;
    int gasChange(int t) const override;
    float setpointChange(int t) const override;

protected:
    ReplayXML();

    // Reads the whole file into dives; false when it is no log of this kind.
    virtual bool read(LogXmlReader& xml);
    // Moves the sample window to time t (seconds): cur is the last sample whose logged time t has
    // reached (the first sample before that).
    virtual void seek(int t) const;
    // The window starts over at the first sample, or enters one more sample.
    virtual void restart() const;
    virtual void enter(const LoggedDive::Sample& sample) const;

    const LoggedDive& dive() const { return dives.at(current); }

    // A source of the given kind (its log format named by kind) for the file at path, or null
    // with the reason in problem.
    static Replay* open(ReplayXML* source, const QString& kind, const QString& path, ReadProgress* progress,
                        QString* problem);

    QVector<LoggedDive> dives;
    QString version;       // the file's version attribute
    int current = 0;
    float maxDepth = 0;    // metres, what diveDepth() answers

    // The sample window, moved by the const reading operations.
    mutable int cur = -1;  // -1 before the first seek
    mutable int lastT = 0; // the time the window was last moved to

private:
    LoggedDive readDive(LogXmlReader& xml);
    void readProfile(LogXmlReader& xml, LoggedDive& dive);

    QVector<float> profileScales; // metres per profile depth unit, per dive

    friend Replay* replayXML(const QString& path, ReadProgress* progress, QString* problem);
};

#endif
