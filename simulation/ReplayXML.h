#ifndef REPLAYXML_H
#define REPLAYXML_H

#include "Replay.h"

#include <QDomDocument>
#include <QDomElement>

// A dive of a DivingLog XML export: document element with "DBVersion", its "Logbook" with "Dive"
// elements, each with "ID", "Divedate", "Entrytime", "Place", "Depth" and a "Profile" of "P"
// samples ("Time" attribute in seconds, "Depth" element in metres). A DivingLog dive has no gas
// switches and no setpoints, and its configuration changes nothing.
//
// Also the base of ReplayUDDF, which keeps the document, the current dive, the sample window and
// the depth interpolation.
class ReplayXML : public Replay {
public:
    // Reads the whole file; a file that cannot be read or parsed leaves root null.
    ReplayXML(const QString& path, const char* docType);
    ~ReplayXML() override;

    QStringList diveList() const override;
    bool selectDive(const QString& entry) override;
    QString diveConfig(VARN_eeprom* config) override;
    int diveTime() const override;
    float diveDepth() const override;
    float depth(int t) const override;
    int gasChange(int t) const override;
    float setpointChange(int t) const override;

protected:
    // Reads the current dive's time and depth and starts its replay over.
    virtual void setupDiveInfo();
    // Moves the sample window to time t (seconds): cur is the last sample whose logged time t has
    // reached (the first sample before that), next the one after it.
    virtual void seek(int t) const;
    // Makes the first dive current; false when the file holds none.
    virtual bool setup();

    // "%1' @ %2m" of the current dive, the end of every dive-list entry.
    QString timeAndDepth() const;

    QDomDocument doc;
    QDomElement root;
    QDomElement dive;
    int duration = 0;        // seconds
    float maxDepth = 0;      // metres
    float profileScale = 1;  // metres per depth unit of the DivingLog profile

    // The sample window, moved by the const reading operations.
    mutable double t0 = 0;   // logged time of cur, seconds
    mutable QDomElement cur;
    mutable QDomElement next; // null after the last sample
    mutable double t1 = 0;   // logged time of next
    mutable float d0 = 0;    // metres at cur
    mutable float d1 = 0;    // metres at next
    mutable int lastT = 0;   // the time the window was last moved to

private:
    QDomElement firstDive() const;

    friend Replay* replayXML(const QString& path);
};

#endif
