#include "PlotFeeding.h"

#include "EngineFeeding.h"
#include "PlotInterface.h"
#include "Profile.h"
#include "StatusLine.h"
#include "VARN_Planner.h"
#include "p2_deco.h"

#include <QElapsedTimer>
#include <cmath>
#include <qwt_plot.h>

namespace {

// Repainting a long dive's curves at every whole minute costs more than the steps between:
// during a phase a window is repainted at whole minutes, but at most every 40 ms of real time.
// The end of a phase always repaints.
bool repaintDue(QElapsedTimer& lastRepaint)
{
    if (dive_time % 60 != 0 || (lastRepaint.isValid() && lastRepaint.elapsed() < 40))
        return false;
    lastRepaint.start();
    return true;
}

QElapsedTimer tracesRepaint;
QElapsedTimer tissuesRepaint;

// Every plotted time is the run clock in minutes.
float clockMinutes()
{
    return dive_time / 60.0f;
}

} // namespace

Profile* DiveCurves::curve(Slot slot)
{
    PlotInterface* window = PlotInterface::plot;
    if (!window)
        return nullptr;
    switch (slot) {
    case Depth: return window->depthCurve;
    case Leading: return window->leadingCurve;
    case Ceiling: return window->ceilingCurve;
    case GF: return window->gfCurve;
    case PPO2: return window->ppO2Curve;
    case CNS: return window->cnsCurve;
    case NDL: return window->ndlCurve;
    }
    return nullptr;
}

bool DiveCurves::depthEnabled()
{
    Profile* depth = curve(Depth);
    return depth && depth->enabled;
}

void DiveCurves::begin(Slot slot, const QString& title, float rightMax)
{
    if (Profile* profile = curve(slot))
        profile->begin(title, rightMax);
}

void DiveCurves::beginLeading(int compartment, float rightMax)
{
    PlotInterface* window = PlotInterface::plot;
    if (!window)
        return;
    window->addCurve(window->leadingCurve);
    window->leadingCurve->begin(QString("C%1").arg(compartment + 1), rightMax);
}

void DiveCurves::addPoints(float depth)
{
    if (!PlotInterface::plot)
        return;

    const int lead = char_O_gtissue_no;
    const float values[] = {
        depth,
        pres_tissue_N2[lead] + pres_tissue_He[lead],
        float(char_O_first_deco_depth),
        float(char_O_gradient_factor),
        char_I_actual_ppO2 * 0.01f,
        float(char_O_CNS_fraction),
        float(char_O_nullzeit >= 1 && char_O_nullzeit <= 239 ? char_O_nullzeit : char_O_first_deco_time),
    };
    const float x = clockMinutes();
    for (int slot = Depth; slot <= NDL; ++slot) {
        if (Profile* profile = curve(Slot(slot)))
            profile->addPoint(x, values[slot]);
    }
}

void DiveCurves::addDepthPoint(float depth)
{
    if (Profile* profile = curve(Depth))
        profile->addPoint(clockMinutes(), depth);
}

void DiveCurves::addGasLabel(float depth, int gas)
{
    if (Profile* profile = curve(Depth))
        profile->addLabel(clockMinutes(), depth, gas);
}

void DiveCurves::addTextLabel(float depth, const QString& text, QColor color)
{
    if (Profile* profile = curve(Depth))
        profile->addLabel(clockMinutes(), depth, text, color, false);
}

void DiveCurves::endAll()
{
    // Ending replaces the curve in its slot: each is looked up afresh.
    for (Slot slot : {Depth, Leading, Ceiling, GF, PPO2, CNS, NDL}) {
        if (Profile* profile = curve(slot))
            profile->end();
    }
}

void DiveCurves::replot()
{
    if (PlotInterface::plot)
        PlotInterface::plot->qwtPlot->replot();
}

void DiveCurves::replotAtMinute()
{
    if (PlotInterface::plot && repaintDue(tracesRepaint))
        PlotInterface::plot->qwtPlot->replot();
}

PlotInterface* TissueCurves::window()
{
    PlotInterface* window = PlotInterface::cptPlot;
    return window && window->tissueCurves.size() == NUM_COMP ? window : nullptr;
}

void TissueCurves::addMarker(float ambientBar, float y, int gas)
{
    if (PlotInterface* tissues = window())
        tissues->addTissueMarker(ambientBar, y, gas);
}

void TissueCurves::fitRange(int depth, bool newDive)
{
    PlotInterface* tissues = window();
    if (tissues && (newDive || depth > tissues->tissueRange()))
        tissues->setTissueRange(depth);
}

void dumpTissues()
{
    PlotInterface* tissues = TissueCurves::window();
    if (!tissues)
        return;
    // A logged dive may go deeper than the depth it was started with.
    TissueCurves::fitRange(int(std::ceil(engineDepth() - 0.05f)), false);
    const float ambient = int_I_pres_respiration * 0.001f;
    for (int i = 0; i < NUM_COMP; ++i)
        tissues->tissue(i)->addPoint(ambient, pres_tissue_N2[i] + pres_tissue_He[i]);
    if (repaintDue(tissuesRepaint))
        tissues->qwtPlot->replot();
}

void endTissues()
{
    PlotInterface* tissues = TissueCurves::window();
    if (!tissues)
        return;
    for (int i = 0; i < NUM_COMP; ++i)
        tissues->tissue(i)->flush();
    tissues->qwtPlot->replot();
}

void resetTissues()
{
    PlotInterface* tissues = TissueCurves::window();
    if (!tissues)
        return;
    for (int i = 0; i < NUM_COMP; ++i)
        tissues->tissue(i)->reset();
    tissues->qwtPlot->replot();
}
