#include "PlotInterface.h"

#include "CrossHair.h"
#include "ProfileImpl.h"
#include "Version.h"
#include "p2_deco.h"

#include <QSet>
#include <qwt_legend.h>
#include <qwt_plot_marker.h>

PlotInterface* PlotInterface::plot = nullptr;
PlotInterface* PlotInterface::cptPlot = nullptr;

namespace {

QPen linePen(const QColor& color, double width, Qt::PenStyle style)
{
    return QPen(QBrush(color), width, style, Qt::SquareCap, Qt::BevelJoin);
}

} // namespace

PlotInterface::PlotInterface()
    : QDialog(nullptr, Qt::WindowSystemMenuHint | Qt::WindowMaximizeButtonHint),
      colorMap(Qt::red, Qt::magenta, QwtColorMap::RGB)
{
    setupUi(this);
    // A window beside the main window: closing the main window ends the program anyway.
    setAttribute(Qt::WA_QuitOnClose, false);
    qwtPlot->insertLegend(new QwtLegend, QwtPlot::RightLegend);
    colorMap.addColorStop(0.25, Qt::yellow);
    colorMap.addColorStop(0.5, Qt::green);
    colorMap.addColorStop(0.75, Qt::blue);
}

// The plot deletes every item still attached when it goes, but each curve holds its plot
// curve by value and deletes its own markers: the curves must go first, and only once.
PlotInterface::~PlotInterface()
{
    QSet<Profile*> curves;
    for (const QList<Profile*>* list : {&depthCurves, &extraCurves, &tissueCurves}) {
        for (Profile* curve : *list)
            curves.insert(curve);
    }
    for (Profile* curve : {depthCurve, ceilingCurve, leadingCurve, gfCurve, ppO2Curve, cnsCurve, ndlCurve})
        curves.insert(curve);
    qDeleteAll(curves);
}

QString PlotInterface::subtitle(float firstHalfTime)
{
    QString text = QString("VARN Planner")
                   + QString(" <font size='-1'><i>v%1%2</i> - firmware <i>%3.%4%5</i>")
                         .arg(QString::number(Version::program), QString(" beta %1").arg(Version::beta),
                              QString::number(Version::firmwareMajor), QString::number(Version::firmwareMinor), " (release)");
    text += " - ZH-L16C 2002";
    text += firstHalfTime == 4.0f ? " (1a)" : " (1b)";
    return "<br>\n" + text + "</font>";
}

void PlotInterface::setup(bool diveTraces, int maxDepth)
{
    // One picker for the window's life: several would draw several crosses.
    if (!crossHair)
        crossHair = new CrossHair(qwtPlot);

    if (diveTraces)
        setupDiveTraces();
    else
        setupTissues(maxDepth);
}

void PlotInterface::setupDiveTraces()
{
    for (Profile** slot : {&depthCurve, &gfCurve, &ppO2Curve, &cnsCurve, &ndlCurve, &ceilingCurve, &leadingCurve})
        addCurve(*slot);

    showTitles();

    if (!surfaceLine) {
        QPen pen(Qt::DashLine);
        pen.setCosmetic(true);
        surfaceLine = new QwtPlotMarker;
        surfaceLine->setLineStyle(QwtPlotMarker::HLine);
        surfaceLine->setLinePen(pen);
        surfaceLine->setYValue(0);
        surfaceLine->attach(qwtPlot);
    }
}

void PlotInterface::setupTissues(int maxDepth)
{
    const QwtInterval compartments(0, NUM_COMP - 1);

    tissueCurves.clear();
    for (int i = 0; i < NUM_COMP; ++i) {
        ProfileImpl* tissue = new ProfileImpl(this);
        tissue->enabled = true;
        tissue->curve.setTitle(QString("C%1+C%2").arg(i + 1).arg(i + 1 + NUM_COMP));
        QPen pen = linePen(colorMap.color(compartments, i), 1.1, Qt::SolidLine);
        tissue->curve.setPen(pen);
        tissue->curve.setRenderHint(QwtPlotItem::RenderAntialiased);
        tissue->curve.attach(qwtPlot);
        extraCurves.append(tissue);
        tissueCurves.append(tissue);
    }

    ambientLine = new ProfileImpl(this);
    ambientLine->curve.setTitle("GF = 0");
    ambientLine->curve.setPen(linePen(Qt::black, 1.0, Qt::DashDotLine));
    ambientLine->curve.setRenderHint(QwtPlotItem::RenderAntialiased);
    ambientLine->curve.attach(qwtPlot);
    extraCurves.append(ambientLine);

    surfaceMark = new QwtPlotMarker;
    surfaceMark->setLineStyle(QwtPlotMarker::VLine);
    surfaceMark->setLinePen(QPen(QBrush(Qt::black), 0.5, Qt::DotLine));
    surfaceMark->setLabelOrientation(Qt::Vertical);
    surfaceMark->setLabelAlignment(Qt::AlignBottom | Qt::AlignLeft);
    surfaceMark->attach(qwtPlot);
    ambientLine->markers.append(surfaceMark);
    showTitles();

    mValueLines.clear();
    for (int i = 0; i < NUM_COMP; ++i) {
        ProfileImpl* mValue = new ProfileImpl(this);
        extraCurves.append(mValue);
        mValueLines.append(mValue);
        mValue->curve.setPen(linePen(colorMap.color(compartments, i), 1.0, Qt::DashDotLine));
        mValue->curve.setRenderHint(QwtPlotItem::RenderAntialiased);
        mValue->curve.setItemAttribute(QwtPlotItem::Legend, false);
        mValue->curve.attach(qwtPlot);
    }

    setTissueRange(maxDepth);
}

// The texts of the plot kind that this window shows, in the current language.
void PlotInterface::showTitles()
{
    if (ambientLine) {
        qwtPlot->setTitle(QwtText(tr("Tissues plot", "Plot title") + subtitle(buhlmann_ht[0][0]), QwtText::RichText));
        qwtPlot->setAxisTitle(QwtPlot::xBottom, tr("P. ambient (absolute, millibar)", "Plot axis"));
        qwtPlot->setAxisTitle(QwtPlot::yLeft, tr("P. tissue (N2+He, millibar)", "Plot axis"));
        surfaceMark->setLabel(QwtText(tr("Surface", "Plot label")));
    } else if (depthCurve) {
        qwtPlot->setTitle(QwtText(tr("Dive traces", "Plot title") + subtitle(buhlmann_ht[0][0]), QwtText::RichText));
        qwtPlot->setAxisTitle(QwtPlot::yLeft, tr("Depth [m]", "Plot axis"));
        qwtPlot->setAxisTitle(QwtPlot::xBottom, tr("time [min]", "Plot axis"));
    }
    if (rightAxisUnit)
        qwtPlot->setAxisTitle(QwtPlot::yRight, tr(rightAxisUnit, "Plot axis"));
}

void PlotInterface::setRightAxisUnit(const char* unit)
{
    rightAxisUnit = unit;
    qwtPlot->setAxisTitle(QwtPlot::yRight, tr(unit, "Plot axis"));
}

// An open window follows a change of language at once, as the main window does; the labels of
// curves already drawn stay as they were drawn.
void PlotInterface::changeEvent(QEvent* e)
{
    if (e->type() == QEvent::LanguageChange) {
        // The form clears the window title, which the main window gives and translates.
        const QString title = windowTitle();
        retranslateUi(this);
        setWindowTitle(title);
        showTitles();
        qwtPlot->replot();
    }
    QDialog::changeEvent(e);
}

void PlotInterface::setTissueRange(int maxDepth)
{
    if (!ambientLine)
        return;
    tissueDepth = maxDepth;
    const double surface = int_I_pres_surface * 0.001;
    const double bottom = surface + maxDepth / 10.0;

    ambientLine->curve.setSamples(QVector<double>{surface, bottom}, QVector<double>{surface, bottom});
    surfaceMark->setXValue(surface);
    qwtPlot->setAxisScale(QwtPlot::xBottom, 0.7, bottom);
    qwtPlot->setAxisScale(QwtPlot::yLeft, 0, bottom);
    for (int i = 0; i < NUM_COMP; ++i) {
        const double a = buhlmann_ab[i][0];
        const double b = buhlmann_ab[i][1];
        mValueLines.at(i)->curve.setSamples(QVector<double>{surface, bottom},
                                           QVector<double>{surface / b + a, bottom / b + a});
    }

    qwtPlot->replot();
}

void PlotInterface::setStyle()
{
    // Qwt colours a zero-width interval black: a single curve must still be red.
    const QwtInterval range(0, qMax(depthCurves.size() - 1, 1));
    for (int k = 0; k < depthCurves.size(); ++k) {
        if (ProfileImpl* curve = dynamic_cast<ProfileImpl*>(depthCurves.at(k)))
            curve->curve.setPen(linePen(colorMap.color(range, k), 1.0, Qt::SolidLine));
    }
}

void PlotInterface::addCurve(Profile*& slot)
{
    ProfileImpl* old = dynamic_cast<ProfileImpl*>(slot);
    ProfileImpl* fresh = new ProfileImpl(this);
    if (old) {
        slot = nullptr;
        fresh->enabled = old->enabled;
        old->end();
    }
    slot = fresh;
    // A curve that was never drawn is in no list: nothing else refers to it any more.
    if (old && !isListed(old))
        delete old;
}

bool PlotInterface::isListed(Profile* curve) const
{
    return depthCurves.contains(curve) || extraCurves.contains(curve) || tissueCurves.contains(curve);
}

Profile* PlotInterface::tissue(int i)
{
    return tissueCurves.at(i);
}
