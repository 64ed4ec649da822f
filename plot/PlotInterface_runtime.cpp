#include "PlotInterface.h"

#include "EngineFeeding.h"
#include "ProfileImpl.h"
#include "VARN_eeprom.h"
#include "p2_deco.h"

#include <qwt_plot_marker.h>
#include <qwt_scale_engine.h>

namespace {

int cfValue(int n)
{
    return eeprom.cf(n).value;
}

QString runtimeTitle(float bottomMinutes, float depth)
{
    QString title = eeprom.isCCR() ? "CCR " : "OC ";
    if (eeprom.isGF())
        title += QString("GF %1/%2:").arg(cfValue(32), 2, 10, QChar('0')).arg(cfValue(33), 2, 10, QChar('0'));
    else
        title += QString("Bh %1%/%2%:").arg(cfValue(12)).arg(cfValue(11));
    title += QString(" %1 ' @ %2 m").arg(bottomMinutes, 0, 'g', 6).arg(depth, 0, 'g', 6);
    const float total = int_O_ascenttime + bottomMinutes;
    title += "\n\t" + PlotInterface::tr("TTS  = %1", "Plot label").arg(int_O_ascenttime) + "\n\t"
             + PlotInterface::tr("Total= %2", "Plot label").arg(total, 0, 'g', 6);
    return title;
}

} // namespace

void PlotInterface::addRuntime(float bottomMinutes, float depth)
{
    ProfileImpl* runtime = new ProfileImpl(this);
    depthCurves.append(runtime);
    runtime->enabled = true;
    runtime->curve.setTitle(runtimeTitle(bottomMinutes, depth));
    runtime->curve.setLegendAttribute(QwtPlotCurve::LegendShowLine, true);
    runtime->curve.setRenderHint(QwtPlotItem::RenderAntialiased, true);
    runtime->curve.attach(qwtPlot);
    qwtPlot->axisScaleEngine(QwtPlot::yLeft)->setAttribute(QwtScaleEngine::Inverted, true);

    const bool ccr = eeprom.isCCR();
    const bool bailOut = ccr && char_I_const_ppO2 == 0;
    const bool shallowFirst = read_custom_function(54) & 1;
    const bool switchDelay = cfValue(55) != 0;

    QVector<double> xs;
    QVector<double> ys;
    auto addPoint = [&](float x, float y) {
        xs.append(x);
        ys.append(y);
    };

    float run = bottomMinutes;
    float d = depth;
    addPoint(0, 0);
    if (!bailOut)
        addGasMarker(runtime, 0, 0, firstGas());

    // The surface interval comes first, the descent is drawn straight down.
    const float t0 = 10.0f * char_I_dive_interval;
    addPoint(t0, 0);
    addPoint(t0, d);
    addPoint(t0 + run, d);
    addDecostopMarker(runtime, t0 + run, d, int(run));

    int gas = bestGas(d);
    if (bailOut)
        addGasMarker(runtime, t0 + run, d, gas);

    for (int i = 0; i < NUM_STOPS; ++i) {
        // Deepest stop first in either table order.
        int k = i;
        if (shallowFirst) {
            while (i <= NUM_STOPS - 2 && char_O_deco_depth[NUM_STOPS - 1 - i] == 0)
                ++i;
            k = NUM_STOPS - 1 - i;
        }
        const int stop = char_O_deco_depth[k] & ~DECO_STOP_SWITCH_FLAG;
        const int minutes = char_O_deco_time[k];
        if (d == 0)
            break;

        run += (d - stop) * 0.1f;
        d = stop;
        addPoint(t0 + run, d);
        if (stop > 0)
            addDecostopMarker(runtime, t0 + run, d, minutes);

        const bool switched = switchDelay ? (char_O_deco_depth[k] & DECO_STOP_SWITCH_FLAG) != 0
                                          : char_I_const_ppO2 == 0 && bestGas(d) != gas;
        if (switched) {
            gas = bestGas(d);
            addGasMarker(runtime, t0 + run, d, gas);
        }

        run += minutes;
        addPoint(t0 + run, d);
    }

    run += d * 0.1f;
    addPoint(t0 + run, 0);

    runtime->curve.setSamples(xs, ys);
    setStyle();
    qwtPlot->replot();
}

void PlotInterface::addGasMarker(Profile* curve, float x, float y, int gas)
{
    QString text = "\t" + tr("Gas%1:", "Plot label").arg(gas);
    // Only the five gas records have a mix to show.
    if (gas >= 1 && gas <= NUM_GAS) {
        const GasRecord& mix = eeprom.gases[gas - 1];
        const int o2 = mix.currentO2;
        const int he = mix.currentHe;
        if (he != 0)
            text += (o2 + he == 100 ? tr("Hx%1/%2", "Plot label") : tr("Tx%1/%2", "Plot label")).arg(o2).arg(he);
        else if (o2 == 21)
            text += tr("Air", "Plot label");
        else
            text += tr("Nx%1", "Plot label").arg(o2);
    }
    if (eeprom.isCCR()) {
        if (char_I_const_ppO2 != 0)
            text = "\t" + tr("Setpoint:%1", "Plot label").arg(char_I_const_ppO2 * 0.01, 0, 'f', 2);
        else
            text += tr(" (Bail)", "Plot label");
    }
    curve->addLabel(x, y, text, ProfileImpl::gasColor(gas), false);
}

void PlotInterface::addTissueMarker(float x, float y, int gas)
{
    if (!extraCurves.isEmpty())
        addGasMarker(extraCurves.first(), x, y, gas);
}

void PlotInterface::addDecostopMarker(Profile* curve, float x, float y, int minutes)
{
    ProfileImpl* owner = dynamic_cast<ProfileImpl*>(curve);
    if (!owner)
        return;
    QwtPlotMarker* label = new QwtPlotMarker;
    label->setValue(x, y);
    label->setLabel(QwtText(QString("%1 '").arg(minutes), QwtText::AutoText));
    label->setLabelAlignment(Qt::AlignTop | Qt::AlignLeft);
    label->attach(qwtPlot);
    owner->markers.append(label);
}

void PlotInterface::addEndMarker(Profile* curve, int tts, int total)
{
    ProfileImpl* owner = dynamic_cast<ProfileImpl*>(curve);
    if (!owner)
        return;
    QwtPlotMarker* label = new QwtPlotMarker;
    label->setValue(total, 3.0);
    label->setLabel(QwtText(tr("TTS  =%1", "Plot label").arg(tts) + "\n" + tr("Total=%2", "Plot label").arg(total),
                            QwtText::AutoText));
    label->setLabelAlignment(Qt::AlignBottom | Qt::AlignLeft);
    label->attach(qwtPlot);
    owner->markers.append(label);
}

void PlotInterface::delRuntime()
{
    // A run still feeding its curves keeps going on fresh ones: no slot may hold a deleted curve.
    for (Profile** slot : {&depthCurve, &ceilingCurve, &leadingCurve, &gfCurve, &ppO2Curve, &cnsCurve, &ndlCurve}) {
        if (*slot && (depthCurves.contains(*slot) || extraCurves.contains(*slot))) {
            ProfileImpl* fresh = new ProfileImpl(this);
            fresh->enabled = (*slot)->enabled;
            *slot = fresh;
        }
    }

    for (Profile* curve : depthCurves)
        delete curve;
    depthCurves.clear();
    qwtPlot->enableAxis(QwtPlot::yRight, false);
    for (Profile* curve : extraCurves)
        delete curve;
    extraCurves.clear();
    qwtPlot->replot();
}
