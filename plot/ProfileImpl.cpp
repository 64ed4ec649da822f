#include "ProfileImpl.h"

#include "PlotInterface.h"
#include "VARN_eeprom.h"
#include "p2_deco.h"

#include <qwt_plot.h>
#include <qwt_plot_marker.h>
#include <qwt_scale_engine.h>
#include <qwt_symbol.h>

namespace {

const int reservedPoints = 1000;

// Units of the right axis that a language changes; the plot window translates them, also again
// after a change of language.
struct AxisUnit {
    const char* source;
    const char* comment;
};
const AxisUnit minutesUnit = QT_TRANSLATE_NOOP3("PlotInterface", "[min]", "Plot axis");
const AxisUnit barUnit = QT_TRANSLATE_NOOP3("PlotInterface", "[Bar]", "Plot axis");

QPen solidPen(const QColor& color)
{
    return QPen(QBrush(color), 1.0, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin);
}

// The mix of gas record n (1..5) as the label shows it.
QString mixText(int gas)
{
    const GasRecord& record = eeprom.gases[gas - 1];
    const int o2 = record.currentO2;
    const int he = record.currentHe;
    if (he != 0)
        return QString(o2 + he == 100 ? "Hx%1/%2" : "Tx%1/%2").arg(o2).arg(he);
    if (o2 == 21)
        return PlotInterface::tr("Air", "Plot label");
    return QString("Nx%1").arg(o2);
}

} // namespace

QColor ProfileImpl::gasColor(int gas)
{
    static const QColor colors[6] = {Qt::white, Qt::green, Qt::red, Qt::yellow, Qt::magenta, Qt::cyan};
    return gas >= 1 && gas <= 6 ? colors[gas - 1] : QColor(Qt::black);
}

ProfileImpl::ProfileImpl(PlotInterface* owner)
    : owner(owner)
{
    x.reserve(reservedPoints);
    y.reserve(reservedPoints);
}

ProfileImpl::~ProfileImpl()
{
    qDeleteAll(markers);
}

void ProfileImpl::begin(const QString& title, float rightMax)
{
    if (!enabled)
        return;

    QwtPlot* plot = owner->qwtPlot;
    curve.setTitle(title);
    curve.attach(plot);
    curve.setRenderHint(QwtPlotItem::RenderAntialiased);

    if (this == owner->depthCurve || this == owner->ceilingCurve) {
        plot->axisScaleEngine(QwtPlot::yLeft)->setAttribute(QwtScaleEngine::Inverted, true);
        if (!owner->depthCurves.contains(this))
            owner->depthCurves.append(this);
    } else {
        plot->enableAxis(QwtPlot::yRight, true);
        curve.setAxes(QwtPlot::xBottom, QwtPlot::yRight);
        if (rightMax > 0)
            plot->setAxisScale(QwtPlot::yRight, 0, rightMax);
        else
            plot->setAxisAutoScale(QwtPlot::yRight);
        if (!owner->extraCurves.contains(this))
            owner->extraCurves.append(this);
        styleRightAxisCurve(title);
    }
    reset();
}

// Pen and right-axis title by the slot that holds the curve; a curve in no slot keeps its own.
void ProfileImpl::styleRightAxisCurve(const QString& title)
{
    if (this == owner->gfCurve) {
        curve.setPen(solidPen(Qt::black));
        owner->setRightAxisUnit("[%]");
        addLimitLine(eeprom.cf(32).value, PlotInterface::tr("GF_low", "Plot label"));
        addLimitLine(eeprom.cf(33).value, PlotInterface::tr("GF_high", "Plot label"));
    } else if (this == owner->cnsCurve) {
        curve.setPen(solidPen(Qt::red));
        owner->setRightAxisUnit("[%]");
    } else if (this == owner->ndlCurve) {
        curve.setPen(solidPen(Qt::darkRed));
        owner->setRightAxisUnit(minutesUnit.source);
    } else if (this == owner->ppO2Curve) {
        curve.setPen(solidPen(Qt::blue));
        owner->setRightAxisUnit(barUnit.source);
    } else if (this == owner->leadingCurve) {
        // Same colour as the compartment's curve in the tissues plot.
        const int compartment = title.mid(title.indexOf('C') + 1).toInt();
        curve.setPen(solidPen(owner->colorMap.color(QwtInterval(1, 16), compartment)));
        owner->setRightAxisUnit(barUnit.source);
    }
}

void ProfileImpl::addLimitLine(double value, const QString& label)
{
    QwtPlotMarker* line = new QwtPlotMarker;
    line->setAxes(QwtPlot::xBottom, QwtPlot::yRight);
    line->setLineStyle(QwtPlotMarker::HLine);
    line->setLinePen(QPen(QBrush(Qt::black), 0.5, Qt::DotLine, Qt::SquareCap, Qt::BevelJoin));
    line->setYValue(value);
    line->setLabel(QwtText(label));
    line->setLabelAlignment(Qt::AlignRight | Qt::AlignTop);
    line->attach(owner->qwtPlot);
    markers.append(line);
}

void ProfileImpl::reset()
{
    x.clear();
    y.clear();
    x.reserve(reservedPoints);
    y.reserve(reservedPoints);
    curve.setSamples(x, y);
}

void ProfileImpl::addPoint(float px, float py)
{
    if (!enabled)
        return;

    x.append(px);
    y.append(py);
    // Redrawing every step would copy the whole curve each time: only at whole minutes.
    const int seconds = int(px * 60.0f);
    if (seconds % 60 == 0) {
        curve.setSamples(x, y);
        owner->setStyle();
    }
}

void ProfileImpl::addLabel(float px, float py, int gas)
{
    if (!enabled)
        return;

    QString text;
    if (eeprom.isCCR()) {
        text = "\t" + PlotInterface::tr("Setpoint:%1", "Plot label").arg(char_I_const_ppO2 * 0.01, 0, 'f', 2);
    } else {
        text = "\t" + PlotInterface::tr("Gas%1:", "Plot label").arg(gas);
        // Only the five gas records have a mix to show.
        if (gas >= 1 && gas <= NUM_GAS)
            text += mixText(gas);
    }
    addLabel(px, py, text, gasColor(gas), false);
}

void ProfileImpl::addLabel(float px, float py, const QString& text, QColor color, bool rightAxis)
{
    if (!enabled)
        return;

    QwtPlotMarker* label = new QwtPlotMarker;
    markers.append(label);
    label->setValue(px, py);
    label->setAxes(QwtPlot::xBottom, rightAxis ? QwtPlot::yRight : QwtPlot::yLeft);
    label->setSymbol(new QwtSymbol(QwtSymbol::DTriangle, QBrush(Qt::black), QPen(color), QSize(10, 10)));
    label->attach(owner->qwtPlot);
    label->setTitle(text);
    label->setItemAttribute(QwtPlotItem::Legend, true);
}

void ProfileImpl::flush()
{
    if (!enabled)
        return;

    curve.setSamples(x, y);
    owner->setStyle();
}

void ProfileImpl::end()
{
    if (enabled) {
        flush();
        if (Profile** slot = currentSlot()) {
            // Ends this curve once more, now in no slot, which empties its vectors; the
            // window may delete a curve that nothing lists, so this one is not touched again.
            owner->addCurve(*slot);
            return;
        }
    }
    x.clear();
    y.clear();
}

Profile** ProfileImpl::currentSlot() const
{
    Profile** const currentSlots[] = {&owner->depthCurve, &owner->leadingCurve, &owner->gfCurve,
                               &owner->ceilingCurve, &owner->ppO2Curve, &owner->cnsCurve,
                               &owner->ndlCurve};
    for (Profile** slot : currentSlots) {
        if (*slot == this)
            return slot;
    }
    return nullptr;
}
