#include "LoggedDive.h"

#include "ConsoleText.h"

#include <cmath>

namespace {

// The depth at time t on the straight line between two samples.
float between(const LoggedDive::Sample& a, const LoggedDive::Sample& b, double t)
{
    const double span = b.time - a.time;
    const double f = span > 0 ? qBound(0.0, (t - a.time) / span, 1.0) : 0.0;
    return float((1 - f) * a.depth + f * b.depth);
}

} // namespace

void LoggedDive::fillMissingDepths()
{
    int before = -1; // the last sample with a depth
    for (int i = 0; i < samples.size(); ++i) {
        if (std::isnan(samples[i].depth))
            continue;
        for (int j = before + 1; j < i; ++j)
            samples[j].depth = before < 0 ? samples[i].depth : between(samples[before], samples[i], samples[j].time);
        before = i;
    }
    if (before < 0) {
        samples.clear();
        return;
    }
    for (int j = before + 1; j < samples.size(); ++j)
        samples[j].depth = samples[before].depth;
}

float LoggedDive::deepestSample() const
{
    float deepest = 0;
    for (const Sample& s : samples)
        deepest = qMax(deepest, s.depth);
    return deepest;
}

QString LoggedDive::timeAndDepth() const
{
    return QString("%1' @ %2m").arg(QString::number(duration / 60.0f, 'f', 0), QString::number(depth, 'f', 1));
}

QString LoggedDive::unusableValues() const
{
    QString report;
    if (unusableDepth)
        report += ConsoleText::tr("The logged greatest depth is missing or implausible: the deepest sample is used.")
                  + '\n';
    if (missingTimes > 0)
        report += ConsoleText::tr("%n sample(s) without a usable time left out.", nullptr, missingTimes) + '\n';
    if (missingDepths > 0)
        report += ConsoleText::tr("%n depth(s) missing or implausible: taken from the samples around them.",
                                  nullptr, missingDepths)
                  + '\n';
    return report;
}
