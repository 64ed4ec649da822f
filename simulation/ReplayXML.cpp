#include "ReplayXML.h"

#include "ConsoleText.h"
#include "DiveLogFields.h"
#include "LogXmlReader.h"

#include <QObject>
#include <QScopedPointer>
#include <cmath>
#include <limits>

using namespace DiveLogFields;

namespace {

const double feetPerMetre = 1 / 0.3048;

// DivingLog's imperial export writes the profile in feet but the dive's depth in metres, with
// nothing to tell them apart: a profile about 3.28 times deeper than the dive is in feet.
float profileScaleOf(const LoggedDive& dive, float loggedDepth)
{
    if (!(loggedDepth > 0))
        return 1;
    float deepest = 0;
    for (const LoggedDive::Sample& s : dive.samples) {
        if (!std::isnan(s.depth))
            deepest = qMax(deepest, s.depth);
    }
    const double ratio = deepest / loggedDepth;
    return qAbs(ratio - feetPerMetre) <= 0.02 * feetPerMetre ? 0.3048f : 1.0f;
}

// A profile depth before its unit is known: in metres or in feet.
float profileDepth(const QByteArray& text)
{
    double value = 0;
    return readNumber(text, &value) && plausibleDepth(value * 0.3048) ? float(value)
                                                                       : std::numeric_limits<float>::quiet_NaN();
}

} // namespace

Replay* replayXML(const QString& path, ReadProgress* progress, QString* problem)
{
    return ReplayXML::open(new ReplayXML, "DivingLog XML", path, progress, problem);
}

Replay* ReplayXML::open(ReplayXML* source, const QString& kind, const QString& path, ReadProgress* progress,
                        QString* problem)
{
    QScopedPointer<ReplayXML> opened(source);
    QString why;
    LogXmlReader xml(progress);
    if (!xml.open(path)) {
        why = xml.problem();
    } else {
        const bool read = opened->read(xml);
        if (!xml.finish())
            why = xml.problem();
        else if (!read || opened->dives.isEmpty())
            why = ConsoleText::tr("it holds no dive of a %1 log").arg(kind);
    }
    if (!why.isEmpty()) {
        if (problem)
            *problem = why;
        return nullptr;
    }
    opened->selectDive(0);
    return opened.take();
}

ReplayXML::ReplayXML() = default;

ReplayXML::~ReplayXML() = default;

bool ReplayXML::read(LogXmlReader& xml)
{
    if (!xml.readChild())
        return false;
    version = xml.attribute("DBVersion");
    bool logbook = false;
    while (xml.readChild()) {
        if (logbook || !xml.is("Logbook")) {
            xml.skip();
            continue;
        }
        logbook = true;
        while (xml.readChild()) {
            if (xml.is("Dive"))
                dives << readDive(xml);
            else
                xml.skip();
        }
    }
    return true;
}

LoggedDive ReplayXML::readDive(LogXmlReader& xml)
{
    LoggedDive dive;
    const int id = integer(xml.attribute("ID").toUtf8());
    QString date, time, place;
    QByteArray depthText;
    bool haveDate = false, haveTime = false, havePlace = false, haveDepth = false, haveProfile = false;
    while (xml.readChild()) {
        if (!haveDate && xml.is("Divedate")) {
            haveDate = true;
            date = xml.text();
        } else if (!haveTime && xml.is("Entrytime")) {
            haveTime = true;
            time = xml.text();
        } else if (!havePlace && xml.is("Place")) {
            havePlace = true;
            place = xml.text();
        } else if (!haveDepth && xml.is("Depth")) {
            haveDepth = true;
            depthText = xml.numberText();
        } else if (!haveProfile && xml.is("Profile")) {
            haveProfile = true;
            readProfile(xml, dive);
        } else {
            xml.skip();
        }
    }

    const float logged = depthOf(depthText);
    dive.unusableDepth = std::isnan(logged) && !depthText.trimmed().isEmpty();
    const float scale = profileScaleOf(dive, logged);
    for (LoggedDive::Sample& s : dive.samples) {
        s.depth *= scale;
        if (!std::isnan(s.depth) && !plausibleDepth(s.depth))
            s.depth = std::numeric_limits<float>::quiet_NaN();
        if (std::isnan(s.depth))
            ++dive.missingDepths;
    }
    dive.fillMissingDepths();
    profileScales << scale;

    dive.duration = dive.samples.isEmpty() ? 0 : wholeSeconds(dive.samples.last().time);
    dive.depth = logged > 0 ? logged : dive.deepestSample();
    dive.entry = QString::asprintf("%03d - ", id) + QString("%1 %2 %3 - ").arg(date, time, place) + dive.timeAndDepth();
    return dive;
}

void ReplayXML::readProfile(LogXmlReader& xml, LoggedDive& dive)
{
    while (xml.readChild()) {
        if (!xml.is("P")) {
            xml.skip();
            continue;
        }
        LoggedDive::Sample sample;
        sample.time = timeOf(xml.attribute("Time").toUtf8());
        sample.depth = std::numeric_limits<float>::quiet_NaN();
        bool haveDepth = false;
        while (xml.readChild()) {
            if (!haveDepth && xml.is("Depth")) {
                haveDepth = true;
                sample.depth = profileDepth(xml.numberText());
            } else {
                xml.skip();
            }
        }
        if (std::isnan(sample.time))
            ++dive.missingTimes;
        else
            dive.samples << sample;
    }
}

QStringList ReplayXML::diveList() const
{
    QStringList entries;
    entries.reserve(dives.size());
    for (const LoggedDive& d : dives)
        entries << d.entry;
    return entries;
}

bool ReplayXML::selectDive(int index)
{
    if (index < 0 || index >= dives.size())
        return false;
    current = index;
    maxDepth = dives.at(index).depth;
    cur = -1;
    lastT = 0;
    restart();
    return true;
}

QString ReplayXML::diveConfig(VARN_eeprom*)
{
    if (dive().samples.isEmpty())
        throw "No samples in this dive";
    QString report = QObject::tr("DivingLog DB %1 dive\n").arg(version);
    if (profileScales.at(current) != 1)
        report += QObject::tr("Profile depths read as feet.\n");
    report += ConsoleText::tr("The log names no gases: the gases of the form are used.") + '\n';
    return report + dive().unusableValues();
}

int ReplayXML::diveTime() const
{
    return dive().duration;
}

float ReplayXML::diveDepth() const
{
    return maxDepth;
}

void ReplayXML::restart() const
{
}

void ReplayXML::enter(const LoggedDive::Sample&) const
{
}

void ReplayXML::seek(int t) const
{
    const QVector<LoggedDive::Sample>& samples = dive().samples;
    if (samples.isEmpty())
        return;
    if (cur < 0 || t < lastT) {
        cur = 0;
        restart();
        enter(samples.at(0));
    }
    // By logged time, not by position: samples may share a time, come irregularly or step back.
    while (cur + 1 < samples.size() && samples.at(cur + 1).time <= t) {
        ++cur;
        enter(samples.at(cur));
    }
    lastT = t;
}

float ReplayXML::depth(int t) const
{
    seek(t);
    const QVector<LoggedDive::Sample>& samples = dive().samples;
    if (samples.isEmpty())
        return 0;
    const LoggedDive::Sample& a = samples.at(cur);
    // The window guarantees a.time < t < b.time here, also where logged times repeat or go back.
    if (cur + 1 >= samples.size() || t <= a.time)
        return a.depth;
    const LoggedDive::Sample& b = samples.at(cur + 1);
    const float f = float((t - a.time) / (b.time - a.time));
    return (1 - f) * a.depth + f * b.depth;
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
