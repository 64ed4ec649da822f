#include "FormLimits.h"

namespace {

// The engine's ambient pressure for a depth: 99.85 mbar per metre, truncated.
int ambientMbar(int metres, int surfaceMbar)
{
    return surfaceMbar + int(metres * 99.85f);
}

// The engine takes the pressure in bar as a float and refuses 14.0 and above.
const int ambientLimitMbar = 14000;

// The deepest whole metre whose ambient pressure the engine accepts at this surface pressure.
int deepestDepth(int surfaceMbar)
{
    int metres = 0;
    while (ambientMbar(metres + 1, surfaceMbar) < ambientLimitMbar)
        ++metres;
    return metres;
}

} // namespace

QString FormLimits::surfacePressure(int mbar)
{
    if (mbar <= 800)
        return tr("Surface pressure must be above 800 mbar");
    if (mbar >= 1100)
        return tr("Surface pressure must be below 1100 mbar");
    return QString();
}

QString FormLimits::gasMix(int gas, int o2Percent, int hePercent)
{
    if (o2Percent < 5)
        return tr("Gas %1 has less than 5 % O2").arg(gas);
    if (o2Percent + hePercent > 100)
        return tr("Gas %1 has more than 100 % O2 and He together").arg(gas);
    return QString();
}

QString FormLimits::depth(int metres, int surfaceMbar)
{
    if (ambientMbar(metres, surfaceMbar) < ambientLimitMbar)
        return QString();
    return tr("Dive depth must be at most %1 m at a surface pressure of %2 mbar")
        .arg(deepestDepth(surfaceMbar))
        .arg(surfaceMbar);
}
