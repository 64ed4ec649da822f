#include "ReplayXML.h"
#include "DiveLogFields.h"

#include <QFile>
#include <QObject>

using namespace DiveLogFields;

namespace {

const double feetPerMetre = 1 / 0.3048;

// DivingLog's imperial export writes the profile in feet but the dive's depth in metres, with
// nothing to tell them apart: a profile about 3.28 times deeper than the dive is in feet.
float profileScaleOf(const QDomElement& dive, float maxDepth)
{
    if (maxDepth <= 0)
        return 1;
    float deepest = 0;
    for (QDomElement p = dive.firstChildElement("Profile").firstChildElement("P"); !p.isNull();
         p = p.nextSiblingElement("P"))
        deepest = qMax(deepest, float(number(p, "Depth")));
    const double ratio = deepest / maxDepth;
    return qAbs(ratio - feetPerMetre) <= 0.02 * feetPerMetre ? 0.3048f : 1.0f;
}

double sampleTime(const QDomElement& p)
{
    return number(p.attribute("Time"));
}

} // namespace

Replay* replayXML(const QString& path)
{
    ReplayXML* source = new ReplayXML(path, "Divinglog");
    if (source->setup())
        return source;
    delete source;
    return nullptr;
}

ReplayXML::ReplayXML(const QString& path, const char* docType)
    : doc(docType)
{
    QFile file(path);
    if (file.open(QIODevice::ReadOnly) && doc.setContent(&file))
        root = doc.documentElement();
}

ReplayXML::~ReplayXML() = default;

QDomElement ReplayXML::firstDive() const
{
    return root.firstChildElement("Logbook").firstChildElement("Dive");
}

bool ReplayXML::setup()
{
    try {
        dive = firstDive();
        if (dive.isNull())
            return false;
        setupDiveInfo();
        return true;
    } catch (...) {
        return false;
    }
}

void ReplayXML::setupDiveInfo()
{
    const QDomElement profile = dive.firstChildElement("Profile");
    duration = wholeSeconds(sampleTime(profile.lastChildElement("P")));
    maxDepth = number(dive, "Depth");
    profileScale = profileScaleOf(dive, maxDepth);
    cur = QDomElement();
    seek(0);
}

QString ReplayXML::timeAndDepth() const
{
    return QString("%1' @ %2m").arg(QString::number(duration / 60.0f, 'f', 0),
                                    QString::number(maxDepth, 'g', 6));
}

QStringList ReplayXML::diveList() const
{
    // Each dive is read through the current-dive state, so the last one stays current.
    ReplayXML* self = const_cast<ReplayXML*>(this);
    QStringList entries;
    for (QDomElement d = firstDive(); !d.isNull(); d = d.nextSiblingElement("Dive")) {
        self->dive = d;
        self->setupDiveInfo();
        entries << QString::asprintf("%03d - ", integer(d.attribute("ID")))
                       + QString("%1 %2 %3 - ").arg(text(d, "Divedate"), text(d, "Entrytime"), text(d, "Place"))
                       + timeAndDepth();
    }
    return entries;
}

bool ReplayXML::selectDive(const QString& entry)
{
    const int id = integer(entry.section(' ', 0, 0));
    for (QDomElement d = firstDive(); !d.isNull(); d = d.nextSiblingElement("Dive")) {
        if (integer(d.attribute("ID")) == id) {
            dive = d;
            setupDiveInfo();
            return true;
        }
    }
    return false;
}

QString ReplayXML::diveConfig(VARN_eeprom*)
{
    if (dive.firstChildElement("Profile").firstChildElement("P").isNull())
        throw "No samples in this dive";
    QString report = QObject::tr("DivingLog DB %1 dive\n").arg(root.attribute("DBVersion"));
    if (profileScale != 1)
        report += QObject::tr("Profile depths read as feet.\n");
    return report;
}

int ReplayXML::diveTime() const
{
    return duration;
}

float ReplayXML::diveDepth() const
{
    return maxDepth;
}

void ReplayXML::seek(int t) const
{
    if (cur.isNull() || t < lastT) {
        cur = dive.firstChildElement("Profile").firstChildElement("P");
        next = cur.nextSiblingElement("P");
    }
    while (!next.isNull() && sampleTime(next) <= t) {
        cur = next;
        next = next.nextSiblingElement("P");
    }
    lastT = t;
    t0 = sampleTime(cur);
    t1 = sampleTime(next);
    d0 = number(cur, "Depth") * profileScale;
    d1 = number(next, "Depth") * profileScale;
}

float ReplayXML::depth(int t) const
{
    seek(t);
    // The window guarantees t0 < t < t1 here, also where logged times repeat or go back.
    if (next.isNull() || t <= t0)
        return d0;
    const float f = float((t - t0) / (t1 - t0));
    return (1 - f) * d0 + f * d1;
}

int ReplayXML::gasChange(int t) const
{
    seek(t);
    return 0;
}

float ReplayXML::setpointChange(int t) const
{
    seek(t);
    return 0;
}
