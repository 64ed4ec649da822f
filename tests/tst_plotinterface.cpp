#include "CrossHair.h"
#include "PlotInterface.h"
#include "ProfileImpl.h"
#include "VARN_eeprom.h"
#include "p2_deco.h"

#include <QtTest>
#include <qwt_legend.h>
#include <qwt_legend_label.h>
#include <qwt_picker_machine.h>
#include <qwt_plot_layout.h>
#include <qwt_plot_marker.h>
#include <qwt_scale_engine.h>

namespace {

ProfileImpl* impl(Profile* curve)
{
    return dynamic_cast<ProfileImpl*>(curve);
}

QList<Profile**> slotsOf(PlotInterface& w)
{
    return {&w.depthCurve, &w.ceilingCurve, &w.leadingCurve, &w.gfCurve, &w.ppO2Curve, &w.cnsCurve, &w.ndlCurve};
}

QList<QwtPlotMarker*> markersOf(QwtPlot* plot)
{
    QList<QwtPlotMarker*> markers;
    for (QwtPlotItem* item : plot->itemList(QwtPlotItem::Rtti_PlotMarker))
        markers << static_cast<QwtPlotMarker*>(item);
    return markers;
}

bool inLegend(QwtPlot* plot, QwtPlotItem* item)
{
    QwtLegend* legend = qobject_cast<QwtLegend*>(plot->legend());
    return !legend->legendWidgets(plot->itemToInfo(item)).isEmpty();
}

// Rendered as rich text, the markup takes no room of its own.
bool isRichText(const QwtText& text)
{
    const QFont font;
    return text.textSize(font).width() < QwtText(text.text(), QwtText::PlainText).textSize(font).width();
}

ProfileImpl* runtimeCurve(PlotInterface& w)
{
    ProfileImpl* curve = new ProfileImpl(&w);
    curve->enabled = true;
    curve->curve.attach(w.qwtPlot);
    w.depthCurves.append(curve);
    return curve;
}

} // namespace

class TestPlotInterface : public QObject {
    Q_OBJECT

private slots:
    void init();
    void newWindow();
    void form();
    void closeOnlyHides();
    void colorMapStops_data();
    void colorMapStops();
    void subtitle_data();
    void subtitle();
    void setupDiveTraces();
    void setupAgainKeepsBegunCurves();
    void setupAgainInstallsNothingTwice();
    void setStyle_data();
    void setStyle();
    void addCurveOnEmptySlot();
    void tissuesPlotAxes();
    void tissueCurves();
    void ambientLineAndSurfaceMark();
    void mValueLines();
    void crossHairShowsTimeAndDepth();
    void crossHairActiveWhileDragging();
};

void TestPlotInterface::init()
{
    eeprom = VARN_eeprom();
    int_I_pres_surface = 1013;
}

void TestPlotInterface::newWindow()
{
    PlotInterface w;
    QVERIFY(w.depthCurves.isEmpty());
    QVERIFY(w.extraCurves.isEmpty());
    QVERIFY(w.tissueCurves.isEmpty());
    for (Profile** slot : slotsOf(w))
        QVERIFY(!*slot);
    QVERIFY(!w.parent());
    QVERIFY(w.windowFlags().testFlag(Qt::WindowSystemMenuHint));
    QVERIFY(w.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(qobject_cast<QwtLegend*>(w.qwtPlot->legend()));
    QCOMPARE(w.qwtPlot->plotLayout()->legendPosition(), QwtPlot::RightLegend);
    QVERIFY(w.qwtPlot->itemList().isEmpty());
    QVERIFY(!PlotInterface::plot);
    QVERIFY(!PlotInterface::cptPlot);
}

void TestPlotInterface::form()
{
    PlotInterface w;
    QCOMPARE(w.objectName(), QString("PlotDialog"));
    QCOMPARE(w.size(), QSize(640, 441));
    QVERIFY(w.windowTitle().isEmpty());
    QCOMPARE(w.saveImage->text(), QString("Save image..."));
    QCOMPARE(w.buttonBox->standardButtons(), QDialogButtonBox::Close);
    QCOMPARE(w.buttonBox->sizePolicy().horizontalPolicy(), QSizePolicy::Maximum);
    QCOMPARE(w.buttonBox->sizePolicy().verticalPolicy(), QSizePolicy::Fixed);

    int row, column, rowSpan, columnSpan;
    w.gridLayout->getItemPosition(w.gridLayout->indexOf(w.qwtPlot), &row, &column, &rowSpan, &columnSpan);
    QCOMPARE(QList<int>({row, column, rowSpan, columnSpan}), QList<int>({0, 0, 1, 3}));
    w.gridLayout->getItemPosition(w.gridLayout->indexOf(w.saveImage), &row, &column, &rowSpan, &columnSpan);
    QCOMPARE(QList<int>({row, column}), QList<int>({1, 1}));
    w.gridLayout->getItemPosition(w.gridLayout->indexOf(w.buttonBox), &row, &column, &rowSpan, &columnSpan);
    QCOMPARE(QList<int>({row, column}), QList<int>({1, 2}));
    QCOMPARE(w.gridLayout->itemAtPosition(1, 0), static_cast<QLayoutItem*>(w.horizontalSpacer));
    QCOMPARE(w.horizontalSpacer->sizeHint(), QSize(40, 20));
}

void TestPlotInterface::closeOnlyHides()
{
    PlotInterface w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QTest::mouseClick(w.buttonBox->button(QDialogButtonBox::Close), Qt::LeftButton);
    QVERIFY(!w.isVisible());
    w.show();
    QVERIFY(w.isVisible());
}

void TestPlotInterface::colorMapStops_data()
{
    QTest::addColumn<double>("ratio");
    QTest::addColumn<QColor>("color");
    QTest::newRow("0") << 0.0 << QColor(Qt::red);
    QTest::newRow("0.25") << 0.25 << QColor(Qt::yellow);
    QTest::newRow("0.5") << 0.5 << QColor(Qt::green);
    QTest::newRow("0.75") << 0.75 << QColor(Qt::blue);
    QTest::newRow("1") << 1.0 << QColor(Qt::magenta);
    QTest::newRow("0.625") << 0.625 << QColor(0, 128, 128);
}

void TestPlotInterface::colorMapStops()
{
    QFETCH(double, ratio);
    QFETCH(QColor, color);
    PlotInterface w;
    const QColor got = w.colorMap.color(QwtInterval(0, 1), ratio);
    QVERIFY2(qAbs(got.red() - color.red()) <= 1 && qAbs(got.green() - color.green()) <= 1
                 && qAbs(got.blue() - color.blue()) <= 1,
             qPrintable(got.name()));
}

void TestPlotInterface::subtitle_data()
{
    QTest::addColumn<float>("halfTime");
    QTest::addColumn<QString>("model");
    QTest::newRow("1a") << 4.0f << " (1a)";
    QTest::newRow("1b") << 5.0f << " (1b)";
}

void TestPlotInterface::subtitle()
{
    QFETCH(float, halfTime);
    QFETCH(QString, model);
    QCOMPARE(PlotInterface::subtitle(halfTime),
             "<br>\nVARN Planner <font size='-1'><i>v450 beta 1</i> - firmware <i>2.50 (release)</i>"
             " - ZH-L16C 2002"
                 + model + "</font>");
}

void TestPlotInterface::setupDiveTraces()
{
    PlotInterface w;
    w.setup(true, 40);

    QList<Profile*> curves;
    for (Profile** slot : slotsOf(w)) {
        ProfileImpl* curve = impl(*slot);
        QVERIFY(curve);
        QVERIFY(!curve->enabled);
        QCOMPARE(curve->owner, &w);
        QVERIFY(!curve->curve.plot());
        QVERIFY(!curves.contains(curve));
        curves << curve;
    }
    QVERIFY(w.depthCurves.isEmpty());
    QVERIFY(w.extraCurves.isEmpty());
    QVERIFY(w.tissueCurves.isEmpty());

    const QwtText title = w.qwtPlot->title();
    QCOMPARE(title.text(), "Dive traces" + PlotInterface::subtitle(buhlmann_ht[0][0]));
    QVERIFY(title.text().endsWith(" (1a)</font>"));
    QVERIFY(isRichText(title));
    QCOMPARE(w.qwtPlot->axisTitle(QwtPlot::yLeft).text(), QString("Depth [m]"));
    QCOMPARE(w.qwtPlot->axisTitle(QwtPlot::xBottom).text(), QString("time [min]"));

    const QList<QwtPlotMarker*> markers = markersOf(w.qwtPlot);
    QCOMPARE(markers.size(), 1);
    QCOMPARE(markers.first()->lineStyle(), QwtPlotMarker::HLine);
    QCOMPARE(markers.first()->yValue(), 0.0);
    QCOMPARE(markers.first()->linePen().style(), Qt::DashLine);
    QCOMPARE(markers.first()->linePen().color(), QColor(Qt::black));
    QVERIFY(markers.first()->linePen().isCosmetic());
    QVERIFY(w.qwtPlot->itemList(QwtPlotItem::Rtti_PlotCurve).isEmpty());
}

void TestPlotInterface::setupAgainKeepsBegunCurves()
{
    PlotInterface w;
    w.setup(true, 40);
    Profile* depth = w.depthCurve;
    Profile* ppO2 = w.ppO2Curve;
    Profile* cns = w.cnsCurve;
    for (Profile* curve : {depth, ppO2}) {
        curve->enabled = true;
        curve->begin("curve", 4);
        curve->addPoint(0, 1);
        curve->addPoint(0.5f, 2);
    }

    w.setup(true, 40);

    QCOMPARE(w.depthCurves, QList<Profile*>{depth});
    QCOMPARE(w.extraCurves, QList<Profile*>{ppO2});
    QCOMPARE(impl(depth)->curve.dataSize(), size_t(2));
    QCOMPARE(impl(ppO2)->curve.dataSize(), size_t(2));
    QCOMPARE(w.qwtPlot->itemList(QwtPlotItem::Rtti_PlotCurve).size(), 2);
    QVERIFY(w.depthCurve != depth && w.depthCurve->enabled);
    QVERIFY(w.ppO2Curve != ppO2 && w.ppO2Curve->enabled);
    QVERIFY(w.cnsCurve != cns && !w.cnsCurve->enabled);
    for (Profile** slot : slotsOf(w)) {
        QVERIFY(!w.depthCurves.contains(*slot));
        QVERIFY(!w.extraCurves.contains(*slot));
    }
}

// The dive traces window is set up again before every Add runtime.
void TestPlotInterface::setupAgainInstallsNothingTwice()
{
    PlotInterface w;
    for (int i = 0; i < 3; ++i)
        w.setup(true, 40);
    QCOMPARE(w.qwtPlot->canvas()->findChildren<CrossHair*>().size(), 1);
    QCOMPARE(markersOf(w.qwtPlot).size(), 1);
}

void TestPlotInterface::setStyle_data()
{
    QTest::addColumn<QList<QColor>>("colors");
    QTest::newRow("1") << QList<QColor>{Qt::red};
    QTest::newRow("2") << QList<QColor>{Qt::red, Qt::magenta};
    QTest::newRow("3") << QList<QColor>{Qt::red, Qt::green, Qt::magenta};
    QTest::newRow("5") << QList<QColor>{Qt::red, Qt::yellow, Qt::green, Qt::blue, Qt::magenta};
}

void TestPlotInterface::setStyle()
{
    QFETCH(QList<QColor>, colors);
    PlotInterface w;
    w.setup(true, 40);
    for (int i = 0; i < colors.size(); ++i)
        runtimeCurve(w);

    w.setStyle();

    for (int k = 0; k < colors.size(); ++k) {
        const QPen pen = impl(w.depthCurves.at(k))->curve.pen();
        QCOMPARE(pen.color(), colors.at(k));
        QCOMPARE(pen.widthF(), 1.0);
        QCOMPARE(pen.style(), Qt::SolidLine);
        QCOMPARE(pen.capStyle(), Qt::SquareCap);
        QCOMPARE(pen.joinStyle(), Qt::BevelJoin);
    }
}

void TestPlotInterface::addCurveOnEmptySlot()
{
    PlotInterface w;
    Profile* slot = nullptr;
    w.addCurve(slot);
    QVERIFY(impl(slot));
    QVERIFY(!slot->enabled);
    QCOMPARE(impl(slot)->owner, &w);
    delete slot;
}

void TestPlotInterface::tissuesPlotAxes()
{
    PlotInterface w;
    w.setup(false, 40);
    QwtPlot* plot = w.qwtPlot;
    QCOMPARE(plot->title().text(), "Tissues plot" + PlotInterface::subtitle(buhlmann_ht[0][0]));
    QVERIFY(isRichText(plot->title()));
    QCOMPARE(plot->axisTitle(QwtPlot::xBottom).text(), QString("P. ambient (absolute, millibar)"));
    QCOMPARE(plot->axisTitle(QwtPlot::yLeft).text(), QString("P. tissue (N2+He, millibar)"));
    QCOMPARE(plot->axisScaleDiv(QwtPlot::xBottom).lowerBound(), 0.7);
    QVERIFY(qFuzzyCompare(plot->axisScaleDiv(QwtPlot::xBottom).upperBound(), 5.013));
    QCOMPARE(plot->axisScaleDiv(QwtPlot::yLeft).lowerBound(), 0.0);
    QVERIFY(qFuzzyCompare(plot->axisScaleDiv(QwtPlot::yLeft).upperBound(), 5.013));
    QVERIFY(!plot->axisScaleEngine(QwtPlot::yLeft)->testAttribute(QwtScaleEngine::Inverted));
    QVERIFY(!plot->axisEnabled(QwtPlot::yRight));
    for (Profile** slot : slotsOf(w))
        QVERIFY(!*slot);
    QCOMPARE(plot->itemList(QwtPlotItem::Rtti_PlotCurve).size(), 33);
    QCOMPARE(plot->canvas()->findChildren<CrossHair*>().size(), 1);
}

void TestPlotInterface::tissueCurves()
{
    PlotInterface w;
    w.setup(false, 40);
    QCOMPARE(w.tissueCurves.size(), 16);
    QCOMPARE(w.extraCurves.size(), 33);
    QVERIFY(w.depthCurves.isEmpty());
    QCOMPARE(w.tissue(0), w.tissueCurves.first());
    QCOMPARE(w.tissue(15), w.tissueCurves.last());
    QCOMPARE(impl(w.tissue(0))->curve.title().text(), QString("C1+C17"));
    QCOMPARE(impl(w.tissue(15))->curve.title().text(), QString("C16+C32"));

    for (int i = 0; i < 16; ++i) {
        ProfileImpl* tissue = impl(w.tissue(i));
        QCOMPARE(w.extraCurves.at(i), tissue);
        QVERIFY(tissue->enabled);
        QCOMPARE(tissue->curve.plot(), w.qwtPlot);
        QCOMPARE(tissue->curve.yAxis(), int(QwtPlot::yLeft));
        QCOMPARE(tissue->curve.title().text(), QString("C%1+C%2").arg(i + 1).arg(i + 17));
        QCOMPARE(tissue->curve.pen().color(), w.colorMap.color(QwtInterval(0, 15), i));
        QCOMPARE(tissue->curve.pen().widthF(), 1.1);
        QCOMPARE(tissue->curve.pen().style(), Qt::SolidLine);
        QCOMPARE(tissue->curve.pen().capStyle(), Qt::SquareCap);
        QCOMPARE(tissue->curve.pen().joinStyle(), Qt::BevelJoin);
        QVERIFY(tissue->curve.testRenderHint(QwtPlotItem::RenderAntialiased));
        QVERIFY(inLegend(w.qwtPlot, &tissue->curve));
    }
    QCOMPARE(impl(w.tissue(0))->curve.pen().color(), QColor(Qt::red));
    QCOMPARE(impl(w.tissue(15))->curve.pen().color(), QColor(Qt::magenta));

    // Fed as the simulation feeds them: reset, points, flush; never begun.
    ProfileImpl* first = impl(w.tissue(0));
    first->reset();
    first->addPoint(1.013f, 0.75f);
    first->addPoint(5.013f, 2.5f);
    first->flush();
    QCOMPARE(first->curve.dataSize(), size_t(2));
    QCOMPARE(first->curve.sample(1), QPointF(double(5.013f), 2.5));
}

void TestPlotInterface::ambientLineAndSurfaceMark()
{
    PlotInterface w;
    w.setup(false, 40);
    ProfileImpl* ambient = impl(w.extraCurves.at(16));
    QCOMPARE(ambient->curve.title().text(), QString("GF = 0"));
    QVERIFY(!ambient->enabled);
    QCOMPARE(ambient->curve.dataSize(), size_t(2));
    QCOMPARE(ambient->curve.sample(0), QPointF(1.013, 1.013));
    QCOMPARE(ambient->curve.sample(1), QPointF(5.013, 5.013));
    QCOMPARE(ambient->curve.pen().color(), QColor(Qt::black));
    QCOMPARE(ambient->curve.pen().style(), Qt::DashDotLine);
    QCOMPARE(ambient->curve.pen().widthF(), 1.0);
    QVERIFY(inLegend(w.qwtPlot, &ambient->curve));

    QCOMPARE(ambient->markers.size(), 1);
    QwtPlotMarker* surface = ambient->markers.first();
    QCOMPARE(markersOf(w.qwtPlot), QList<QwtPlotMarker*>{surface});
    QCOMPARE(surface->lineStyle(), QwtPlotMarker::VLine);
    QCOMPARE(surface->xValue(), 1.013);
    QCOMPARE(surface->linePen().style(), Qt::DotLine);
    QCOMPARE(surface->linePen().widthF(), 0.5);
    QCOMPARE(surface->label().text(), QString("Surface"));
    QCOMPARE(surface->labelOrientation(), Qt::Vertical);
    QCOMPARE(surface->labelAlignment(), Qt::AlignBottom | Qt::AlignLeft);
}

void TestPlotInterface::mValueLines()
{
    int_I_pres_surface = 900;
    PlotInterface w;
    w.setup(false, 20);
    const double surface = 0.9;
    const double bottom = 2.9;
    for (int i = 0; i < 16; ++i) {
        ProfileImpl* line = impl(w.extraCurves.at(17 + i));
        const double a = buhlmann_ab[i][0];
        const double b = buhlmann_ab[i][1];
        QVERIFY(line->curve.title().isEmpty());
        QCOMPARE(line->curve.dataSize(), size_t(2));
        QCOMPARE(line->curve.sample(0), QPointF(surface, surface / b + a));
        QCOMPARE(line->curve.sample(1), QPointF(bottom, bottom / b + a));
        QCOMPARE(line->curve.pen().color(), impl(w.tissue(i))->curve.pen().color());
        QCOMPARE(line->curve.pen().style(), Qt::DashDotLine);
        QCOMPARE(line->curve.pen().widthF(), 1.0);
        QVERIFY(!line->curve.testItemAttribute(QwtPlotItem::Legend));
        QVERIFY(!inLegend(w.qwtPlot, &line->curve));
        QCOMPARE(line->curve.plot(), w.qwtPlot);
    }
    QVERIFY(qFuzzyCompare(w.qwtPlot->axisScaleDiv(QwtPlot::xBottom).upperBound(), bottom));
}

void TestPlotInterface::crossHairShowsTimeAndDepth()
{
    PlotInterface w;
    w.setup(true, 40);
    w.qwtPlot->setAxisScale(QwtPlot::xBottom, 0, 60);
    w.qwtPlot->setAxisScale(QwtPlot::yLeft, 0, 40);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.qwtPlot->replot();

    CrossHair* crossHair = w.qwtPlot->canvas()->findChild<CrossHair*>();
    QVERIFY(crossHair);
    QCOMPARE(crossHair->plot, w.qwtPlot);
    QCOMPARE(crossHair->xAxis(), int(QwtPlot::xBottom));
    QCOMPARE(crossHair->yAxis(), int(QwtPlot::yLeft));
    QCOMPARE(crossHair->rubberBand(), QwtPicker::CrossRubberBand);
    QCOMPARE(crossHair->trackerMode(), QwtPicker::ActiveOnly);

    const QPoint pos(w.qwtPlot->canvas()->width() / 3, w.qwtPlot->canvas()->height() / 4);
    const double minutes = w.qwtPlot->invTransform(QwtPlot::xBottom, pos.x());
    const double depth = w.qwtPlot->invTransform(QwtPlot::yLeft, pos.y());
    QVERIFY(minutes > 15 && minutes < 25);
    const QwtText text = crossHair->trackerText(pos);
    QCOMPARE(text.text(), QString("%1' %2m").arg(minutes, 0, 'f', 1).arg(depth, 0, 'f', 1));
}

void TestPlotInterface::crossHairActiveWhileDragging()
{
    PlotInterface w;
    w.setup(true, 40);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    CrossHair* crossHair = w.qwtPlot->canvas()->findChild<CrossHair*>();
    QWidget* canvas = w.qwtPlot->canvas();
    QVERIFY(!crossHair->isActive());
    QTest::mousePress(canvas, Qt::LeftButton, Qt::NoModifier, QPoint(50, 50));
    QVERIFY(crossHair->isActive());
    QTest::mouseRelease(canvas, Qt::LeftButton, Qt::NoModifier, QPoint(60, 50));
    QVERIFY(!crossHair->isActive());
}

QTEST_MAIN(TestPlotInterface)
#include "tst_plotinterface.moc"
