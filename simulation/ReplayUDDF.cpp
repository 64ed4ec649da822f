#include "ReplayUDDF.h"

#include "ConsoleText.h"
#include "DiveLogFields.h"
#include "LogXmlReader.h"
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
int centibarOf(const QByteArray& text)
{
    const double pascal = number(text);
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

// A log of many mixes lists no more of them than a diver can read: the computer has five gases.
const int listedGases = 20;

// Whole percentages that fit a gas record: some O2, nothing negative, at most 100 % in all.
bool plausibleMix(float o2, float he)
{
    if (!(o2 >= 0.5f && o2 < 100.5f && he > -0.5f && he < 100.5f))
        return false;
    return qRound(o2) + qRound(he) <= 100;
}

} // namespace

Replay* replayUDDF(const QString& path, ReadProgress* progress, QString* problem)
{
    return ReplayUDDF::open(new ReplayUDDF, "UDDF", path, progress, problem);
}

ReplayUDDF::ReplayUDDF() = default;

ReplayUDDF::~ReplayUDDF() = default;

int ReplayUDDF::mixIndex(const QString& id)
{
    const auto found = indexOfMixId.constFind(id);
    if (found != indexOfMixId.constEnd())
        return found.value();
    indexOfMixId.insert(id, mixIds.size());
    mixIds << id;
    return mixIds.size() - 1;
}

bool ReplayUDDF::read(LogXmlReader& xml)
{
    if (!xml.readChild())
        return false;
    version = xml.attribute("version");
    bool haveMixes = false, haveProfiles = false;
    while (xml.readChild()) {
        if (!haveMixes && xml.is("gasdefinitions")) {
            haveMixes = true;
            readMixes(xml);
        } else if (!haveProfiles && xml.is("profiledata")) {
            haveProfiles = true;
            readProfiles(xml);
        } else {
            xml.skip();
        }
    }
    return true;
}

void ReplayUDDF::readMixes(LogXmlReader& xml)
{
    while (xml.readChild()) {
        if (!xml.is("mix")) {
            xml.skip();
            continue;
        }
        Mix mix{xml.attribute("id"), QString(), 0, 0};
        bool haveName = false, haveO2 = false, haveHe = false;
        while (xml.readChild()) {
            if (!haveName && xml.is("name")) {
                haveName = true;
                mix.name = xml.text();
            } else if (!haveO2 && xml.is("o2")) {
                haveO2 = true;
                mix.o2 = float(number(xml.numberText()));
            } else if (!haveHe && xml.is("he")) {
                haveHe = true;
                mix.he = float(number(xml.numberText()));
            } else {
                xml.skip();
            }
        }
        mixes << mix;
    }
}

void ReplayUDDF::readProfiles(LogXmlReader& xml)
{
    while (xml.readChild()) {
        if (!xml.is("repetitiongroup")) {
            xml.skip();
            continue;
        }
        while (xml.readChild()) {
            if (xml.is("dive"))
                dives << readDive(xml);
            else
                xml.skip();
        }
    }
}

LoggedDive ReplayUDDF::readDive(LogXmlReader& xml)
{
    LoggedDive dive;
    QString dateTime;
    int year = 0, month = 0, day = 0, hour = 0, minute = 0;
    QByteArray afterDepth, ownDepth;
    bool haveBefore = false, haveDate = false, haveTime = false, haveAfter = false, haveDepth = false,
         haveSamples = false;
    while (xml.readChild()) {
        if (!haveBefore && xml.is("informationbeforedive")) {
            haveBefore = true;
            bool haveDateTime = false;
            while (xml.readChild()) {
                if (!haveDateTime && xml.is("datetime")) {
                    haveDateTime = true;
                    dateTime = xml.text().trimmed();
                } else {
                    xml.skip();
                }
            }
        } else if (!haveDate && xml.is("date")) {
            haveDate = true;
            bool y = false, m = false, d = false;
            while (xml.readChild()) {
                if (!y && xml.is("year")) {
                    y = true;
                    year = integer(xml.numberText());
                } else if (!m && xml.is("month")) {
                    m = true;
                    month = integer(xml.numberText());
                } else if (!d && xml.is("day")) {
                    d = true;
                    day = integer(xml.numberText());
                } else {
                    xml.skip();
                }
            }
        } else if (!haveTime && xml.is("time")) {
            haveTime = true;
            bool h = false, m = false;
            while (xml.readChild()) {
                if (!h && xml.is("hour")) {
                    h = true;
                    hour = integer(xml.numberText());
                } else if (!m && xml.is("minute")) {
                    m = true;
                    minute = integer(xml.numberText());
                } else {
                    xml.skip();
                }
            }
        } else if (!haveAfter && xml.is("informationafterdive")) {
            haveAfter = true;
            bool haveGreatest = false;
            while (xml.readChild()) {
                if (!haveGreatest && xml.is("greatestdepth")) {
                    haveGreatest = true;
                    afterDepth = xml.numberText();
                } else {
                    xml.skip();
                }
            }
        } else if (!haveDepth && xml.is("greatestdepth")) {
            haveDepth = true;
            ownDepth = xml.numberText();
        } else if (!haveSamples && xml.is("samples")) {
            haveSamples = true;
            readSamples(xml, dive);
        } else {
            xml.skip();
        }
    }

    dive.fillMissingDepths();
    dive.duration = dive.samples.isEmpty() ? 0 : wholeSeconds(dive.samples.last().time);

    // UDDF 3 logs the greatest depth after the dive, UDDF 2 in the dive itself.
    float logged = depthOf(afterDepth);
    if (!(logged > 0))
        logged = depthOf(ownDepth);
    dive.unusableDepth = !(logged > 0) && ((std::isnan(depthOf(afterDepth)) && !afterDepth.trimmed().isEmpty())
                                            || (std::isnan(depthOf(ownDepth)) && !ownDepth.trimmed().isEmpty()));
    dive.depth = logged > 0 ? logged : dive.deepestSample();

    QDateTime when = QDateTime::fromString(dateTime, Qt::ISODate);
    if (!when.isValid()) {
        const QDate date(year, month, day);
        const QTime time(hour, minute);
        if (date.isValid() && time.isValid())
            when = QDateTime(date, time, Qt::UTC);
    }
    dive.entry = QString::asprintf("%03d - ", dives.size() + 1)
                 + (when.isValid() ? when.toString("MM/dd hh:mm") : QString("--/-- --:--")) + " - "
                 + dive.timeAndDepth();
    return dive;
}

void ReplayUDDF::readSamples(LogXmlReader& xml, LoggedDive& dive)
{
    bool first = true;
    while (xml.readChild()) {
        if (!xml.is("waypoint")) {
            xml.skip();
            continue;
        }
        LoggedDive::Sample sample;
        sample.time = std::nan("");
        sample.depth = std::nanf("");
        bool haveTime = false, haveDepth = false, haveMix = false, haveSetpoint = false, haveMode = false;
        while (xml.readChild()) {
            if (!haveTime && xml.is("divetime")) {
                haveTime = true;
                sample.time = timeOf(xml.numberText());
            } else if (!haveDepth && xml.is("depth")) {
                haveDepth = true;
                sample.depth = depthOf(xml.numberText());
            } else if (!haveMix && xml.is("switchmix")) {
                haveMix = true;
                const QString ref = xml.attribute("ref");
                if (!ref.isEmpty())
                    sample.mix = mixIndex(ref);
                xml.skip();
            } else if (!haveSetpoint && xml.is("setpo2")) {
                haveSetpoint = true;
                const int centibar = centibarOf(xml.numberText());
                if (centibar > 0)
                    sample.setpoint = (unsigned char)centibar;
                else
                    ++dive.skippedSetpoints;
            } else if (first && !haveMode && xml.is("divemode")) {
                haveMode = true;
                dive.mode = xml.attribute("type");
                xml.skip();
            } else {
                xml.skip();
            }
        }
        first = false;
        if (std::isnan(sample.time)) {
            ++dive.missingTimes;
            continue;
        }
        if (std::isnan(sample.depth))
            ++dive.missingDepths;
        dive.samples << sample;
    }
}

bool ReplayUDDF::selectDive(int index)
{
    if (!ReplayXML::selectDive(index))
        return false;
    // The dive's mixes get their gas numbers in order of first use.
    gasOfMix.fill(0, mixIds.size());
    int gases = 0;
    for (const LoggedDive::Sample& s : dive().samples) {
        if (s.mix >= 0 && gasOfMix.at(s.mix) == 0)
            gasOfMix[s.mix] = ++gases;
    }
    return true;
}

QString ReplayUDDF::diveConfig(VARN_eeprom* config)
{
    QString report = QObject::tr("Reading UDDF %1 dive\n").arg(version);

    const QVector<LoggedDive::Sample>& samples = dive().samples;
    maxDepth = dive().deepestSample();
    bool spansTime = false;
    for (const LoggedDive::Sample& s : samples)
        spansTime = spansTime || s.time > samples.first().time;

    cur = -1;
    seek(0);
    if (!spansTime)
        throw "Bad UDDF sampling";

    const QString& mode = dive().mode;
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
        if (config)
            report += (config->isCCR() ? ConsoleText::tr("Dive mode unknown: the form's closed circuit mode is kept.")
                                       : ConsoleText::tr("Dive mode unknown: the form's open circuit mode is kept."))
                      + '\n';
    }

    if (config) {
        config->activeGases = 0;
        config->firstGas = 1;
    }
    int unlisted = 0;
    for (const Mix& mix : mixes) {
        const int index = indexOfMixId.value(mix.id, -1);
        const int gas = index < 0 ? 0 : gasOfMix.at(index);
        if (gas == 0)
            continue;
        if (gas > listedGases) {
            ++unlisted;
            continue;
        }
        float o2 = mix.o2;
        float he = mix.he;
        if (o2 < 2) {
            o2 *= 100;
            he *= 100;
        }
        report += QString("%1#%2: %3 o2=%4%, he=%5%\n")
                      .arg(QObject::tr("Gas"), QString::number(gas), mix.name.rightJustified(8),
                           QString::number(o2, 'g', 6), QString::number(he, 'g', 6));
        if (!plausibleMix(o2, he)) {
            report += QObject::tr("Gas#%1 skipped: implausible mix.\n").arg(gas);
            continue;
        }
        if (config && gas <= 5) {
            config->gases[gas - 1].currentO2 = ubyte(qRound(o2));
            config->gases[gas - 1].currentHe = ubyte(qRound(he));
            config->activeGases |= ubyte(1 << (gas - 1));
        }
    }

    if (unlisted > 0)
        report += ConsoleText::tr("%n more mix(es) not listed: the computer has five gases.", nullptr, unlisted) + '\n';
    if (dive().skippedSetpoints > 0)
        report += QObject::tr("%n setpoint(s) outside 0.16..2.55 bar skipped.\n", nullptr, dive().skippedSetpoints);
    return report + dive().unusableValues();
}

void ReplayUDDF::restart() const
{
    pendingMix = -1;
    pendingSetpoint = 0;
}

void ReplayUDDF::enter(const LoggedDive::Sample& sample) const
{
    if (sample.mix >= 0)
        pendingMix = sample.mix;
    if (sample.setpoint > 0)
        pendingSetpoint = barOf(sample.setpoint);
}

void ReplayUDDF::seek(int t) const
{
    if (dive().samples.isEmpty())
        throw "Bad UDDF structure";
    ReplayXML::seek(t);
}

int ReplayUDDF::gasChange(int t) const
{
    seek(t);
    if (pendingMix < 0)
        return 0;
    const int gas = gasOfMix.at(pendingMix);
    pendingMix = -1;
    return gas;
}

float ReplayUDDF::setpointChange(int t) const
{
    seek(t);
    const float bar = pendingSetpoint;
    pendingSetpoint = 0;
    return bar;
}
