#include "ReplayUDDF.h"
#include "DiveLogFields.h"
#include "VARN_eeprom.h"

#include <QDateTime>
#include <QObject>
#include <QtMath>
#include <cmath>

using namespace DiveLogFields;

namespace {

// Setpoints outside what the engine's centibar byte and a breathable loop allow are not replayed.
const int lowestSetpoint = 16;  // centibar
const int highestSetpoint = 255;

// The whole centibar of a setpo2 in pascal, 0 when it is outside the plausible range.
int centibarOf(double pascal)
{
    if (pascal < (lowestSetpoint - 0.5) * 1000 || pascal >= (highestSetpoint + 0.5) * 1000)
        return 0;
    return qRound(pascal / 1000);
}

// Never below the exact value, so that truncating bar * 100 gives the centibar back.
float barOf(int centibar)
{
    float bar = centibar / 100.0f;
    if (double(bar) * 100 < centibar)
        bar = std::nextafter(bar, 3.0f);
    return bar;
}

// Whole percentages that fit a gas record: some O2, nothing negative, at most 100 % in all.
bool plausibleMix(float o2, float he)
{
    if (!(o2 >= 0.5f && o2 < 100.5f && he > -0.5f && he < 100.5f))
        return false;
    return qRound(o2) + qRound(he) <= 100;
}

QString startOf(const QDomElement& dive)
{
    QDateTime when = QDateTime::fromString(
        text(dive.firstChildElement("informationbeforedive"), "datetime").trimmed(), Qt::ISODate);
    if (!when.isValid()) {
        const QDomElement date = dive.firstChildElement("date");
        const QDomElement time = dive.firstChildElement("time");
        const QDate day(integer(date, "year"), integer(date, "month"), integer(date, "day"));
        const QTime clock(integer(time, "hour"), integer(time, "minute"));
        if (day.isValid() && clock.isValid())
            when = QDateTime(day, clock, Qt::UTC);
    }
    return when.isValid() ? when.toString("MM/dd hh:mm") : QString("--/-- --:--");
}

} // namespace

Replay* replayUDDF(const QString& path)
{
    ReplayUDDF* source = new ReplayUDDF(path);
    if (source->setup())
        return source;
    delete source;
    return nullptr;
}

ReplayUDDF::ReplayUDDF(const QString& path)
    : ReplayXML(path, "uddf")
{
}

ReplayUDDF::~ReplayUDDF() = default;

QList<QDomElement> ReplayUDDF::dives() const
{
    QList<QDomElement> all;
    for (QDomElement group = root.firstChildElement("profiledata").firstChildElement("repetitiongroup");
         !group.isNull(); group = group.nextSiblingElement("repetitiongroup")) {
        for (QDomElement d = group.firstChildElement("dive"); !d.isNull(); d = d.nextSiblingElement("dive"))
            all << d;
    }
    return all;
}

QDomElement ReplayUDDF::firstWaypoint() const
{
    return dive.firstChildElement("samples").firstChildElement("waypoint");
}

bool ReplayUDDF::setup()
{
    try {
        const QList<QDomElement> all = dives();
        if (all.isEmpty())
            return false;
        dive = all.first();
        setupDiveInfo();
        return true;
    } catch (...) {
        return false;
    }
}

void ReplayUDDF::setupDiveInfo()
{
    const QDomElement samples = dive.firstChildElement("samples");
    duration = wholeSeconds(number(samples.lastChildElement("waypoint"), "divetime"));
    maxDepth = number(dive.firstChildElement("informationafterdive"), "greatestdepth");
    if (maxDepth == 0)
        maxDepth = number(dive, "greatestdepth");

    mixRefs.clear();
    for (QDomElement w = firstWaypoint(); !w.isNull(); w = w.nextSiblingElement("waypoint")) {
        const QString ref = w.firstChildElement("switchmix").attribute("ref");
        if (!ref.isEmpty() && !mixRefs.contains(ref))
            mixRefs << ref;
    }

    // The window of the previous dive must not leak into this one.
    cur = QDomElement();
    next = QDomElement();
    pendingMix.clear();
    pendingSetpoint = 0;
}

QStringList ReplayUDDF::diveList() const
{
    // Each dive is read through the current-dive state, so the last one stays current.
    ReplayUDDF* self = const_cast<ReplayUDDF*>(this);
    QStringList entries;
    int n = 1;
    for (const QDomElement& d : dives()) {
        self->dive = d;
        self->setupDiveInfo();
        entries << QString::asprintf("%03d - ", n++) + startOf(d) + " - " + timeAndDepth();
    }
    return entries;
}

bool ReplayUDDF::selectDive(const QString& entry)
{
    const int n = integer(entry.section(' ', 0, 0));
    const QList<QDomElement> all = dives();
    if (n < 1 || n > all.size())
        return false;
    dive = all.at(n - 1);
    setupDiveInfo();
    return true;
}

QString ReplayUDDF::diveConfig(VARN_eeprom* config)
{
    QString report = QObject::tr("Reading UDDF %1 dive\n").arg(root.attribute("version"));

    maxDepth = 0;
    const double start = number(firstWaypoint(), "divetime");
    bool spansTime = false;
    int skippedSetpoints = 0;
    for (QDomElement w = firstWaypoint(); !w.isNull(); w = w.nextSiblingElement("waypoint")) {
        maxDepth = qMax(maxDepth, float(number(w, "depth")));
        spansTime = spansTime || number(w, "divetime") > start;
        const QDomElement setpo2 = w.firstChildElement("setpo2");
        if (!setpo2.isNull() && centibarOf(number(setpo2.text())) == 0)
            ++skippedSetpoints;
    }

    cur = QDomElement();
    seek(0);
    if (!spansTime)
        throw "Bad UDDF sampling";

    const QString mode = firstWaypoint().firstChildElement("divemode").attribute("type");
    if (mode == "closedcircuit") {
        report += QObject::tr("This is a CCR dive.") + '\n';
        if (config)
            config->setCCR(true);
    } else if (mode == "opencircuit") {
        report += QObject::tr("This is an OC dive.") + '\n';
        if (config)
            config->setCCR(false);
    } else {
        report += QObject::tr("Unknown OC/CCR mode.") + '\n';
    }

    if (config) {
        config->activeGases = 0;
        config->firstGas = 1;
    }
    for (QDomElement mix = root.firstChildElement("gasdefinitions").firstChildElement("mix");
         !mix.isNull(); mix = mix.nextSiblingElement("mix")) {
        const int i = mixRefs.indexOf(mix.attribute("id"));
        if (i < 0)
            continue;
        float o2 = number(mix, "o2");
        float he = number(mix, "he");
        if (o2 < 2) {
            o2 *= 100;
            he *= 100;
        }
        report += QString("%1#%2: %3 o2=%4%, he=%5%\n")
                      .arg(QObject::tr("Gas"), QString::number(i + 1), text(mix, "name").rightJustified(8),
                           QString::number(o2, 'g', 6), QString::number(he, 'g', 6));
        if (!plausibleMix(o2, he)) {
            report += QObject::tr("Gas#%1 skipped: implausible mix.\n").arg(i + 1);
            continue;
        }
        if (config && i <= 4) {
            config->gases[i].currentO2 = ubyte(qRound(o2));
            config->gases[i].currentHe = ubyte(qRound(he));
            config->activeGases |= ubyte(1 << i);
        }
    }

    if (skippedSetpoints > 0)
        report += QObject::tr("%n setpoint(s) outside 0.16..2.55 bar skipped.\n", nullptr, skippedSetpoints);
    return report;
}

void ReplayUDDF::latch(const QDomElement& waypoint) const
{
    const QString ref = waypoint.firstChildElement("switchmix").attribute("ref");
    if (!ref.isEmpty())
        pendingMix = ref;
    const QDomElement setpo2 = waypoint.firstChildElement("setpo2");
    if (!setpo2.isNull()) {
        const int centibar = centibarOf(number(setpo2.text()));
        if (centibar > 0)
            pendingSetpoint = barOf(centibar);
    }
}

void ReplayUDDF::seek(int t) const
{
    if (cur.isNull() || t < lastT) {
        pendingMix.clear();
        pendingSetpoint = 0;
        cur = firstWaypoint();
        if (cur.isNull())
            throw "Bad UDDF structure";
        next = cur.nextSiblingElement("waypoint");
        latch(cur);
    }
    // By logged time, not by position: samples may share a time, come irregularly or step back.
    while (!next.isNull() && number(next, "divetime") <= t) {
        cur = next;
        next = next.nextSiblingElement("waypoint");
        latch(cur);
    }
    lastT = t;
    t0 = number(cur, "divetime");
    t1 = number(next, "divetime");
    d0 = number(cur, "depth");
    d1 = number(next, "depth");
}

int ReplayUDDF::gasChange(int t) const
{
    seek(t);
    if (pendingMix.isEmpty())
        return 0;
    const int gas = mixRefs.indexOf(pendingMix) + 1;
    pendingMix.clear();
    return gas;
}

float ReplayUDDF::setpointChange(int t) const
{
    seek(t);
    const float bar = pendingSetpoint;
    pendingSetpoint = 0;
    return bar;
}
