#include "PlotInterface.h"
#include "ProfileImpl.h"
#include "VARN_eeprom.h"
#include "p2_deco.h"

#include <QtTest>
#include <qwt_legend.h>
#include <qwt_legend_label.h>
#include <qwt_plot_marker.h>
#include <qwt_scale_engine.h>
#include <qwt_symbol.h>

namespace {

ProfileImpl* impl(Profile* curve)
{
    return dynamic_cast<ProfileImpl*>(curve);
}

QStringList legendTexts(QwtPlot* plot, QwtPlotItem* item)
{
    QStringList texts;
    QwtLegend* legend = qobject_cast<QwtLegend*>(plot->legend());
    for (QWidget* widget : legend->legendWidgets(plot->itemToInfo(item)))
        texts << static_cast<QwtLegendLabel*>(widget)->data().title().text();
    return texts;
}

} // namespace

Q_DECLARE_METATYPE(Qt::GlobalColor)

class TestProfile : public QObject {
    Q_OBJECT

private slots:
    void init();
    void disabledCurveRecordsNothing();
    void disabledCurveEnabledBeforeEnd();
    void beginDepthCurvesInvertLeftAxis_data();
    void beginDepthCurvesInvertLeftAxis();
    void beginRightAxisScale_data();
    void beginRightAxisScale();
    void rightAxisStyleBySlot_data();
    void rightAxisStyleBySlot();
    void lastBegunCurveDecidesRightAxis();
    void gfCurveOwnsLimitLines();
    void beginTwiceListsOnce();
    void addPointRedrawsAtWholeMinutes_data();
    void addPointRedrawsAtWholeMinutes();
    void resetEmptiesEvenWhenDisabled();
    void flushDrawsAndRecolours();
    void gasLabel_data();
    void gasLabel();
    void gasLabelOutsideGasRecords_data();
    void gasLabelOutsideGasRecords();
    void textLabelOnRightAxis();
    void endHandsSlotToFreshCurve();
    void endOfCurveInNoSlot();
    void deletingCurveRemovesItsItems();

private:
    PlotInterface* window = nullptr;
    QScopedPointer<PlotInterface> holder;
};

void TestProfile::init()
{
    eeprom = VARN_eeprom();
    char_I_const_ppO2 = 0;
    holder.reset(new PlotInterface);
    window = holder.data();
    window->setup(true, 40);
}

void TestProfile::disabledCurveRecordsNothing()
{
    ProfileImpl* depth = impl(window->depthCurve);
    QVERIFY(depth);
    QVERIFY(!depth->enabled);
    depth->begin("depth", 40);
    depth->addPoint(0, 0);
    depth->addPoint(1, 30);
    depth->addLabel(1, 30, 1);
    depth->addLabel(1, 30, "SP1.30", Qt::black, false);
    depth->flush();

    QVERIFY(!depth->curve.plot());
    QVERIFY(depth->x.isEmpty());
    QVERIFY(depth->y.isEmpty());
    QVERIFY(depth->markers.isEmpty());
    QVERIFY(window->depthCurves.isEmpty());
    QVERIFY(window->qwtPlot->itemList(QwtPlotItem::Rtti_PlotCurve).isEmpty());
    QVERIFY(window->qwtPlot->itemList(QwtPlotItem::Rtti_PlotMarker).size() == 1);

    depth->end();
    QVERIFY(window->depthCurve);
    QVERIFY(window->depthCurve == depth);
    QVERIFY(!window->depthCurve->enabled);
}

// The flag may change between begin and end (the main window writes it during a run):
// ending an enabled curve that was never drawn must hand the slot on cleanly.
void TestProfile::disabledCurveEnabledBeforeEnd()
{
    Profile* before = window->gfCurve;
    before->begin("GF", 100);
    before->enabled = true;
    before->addPoint(0.5f, 40);
    before->end();

    QVERIFY(window->gfCurve != before);
    QVERIFY(window->gfCurve->enabled);
    QVERIFY(window->extraCurves.isEmpty());
    QVERIFY(window->qwtPlot->itemList(QwtPlotItem::Rtti_PlotCurve).isEmpty());
}

void TestProfile::beginDepthCurvesInvertLeftAxis_data()
{
    QTest::addColumn<bool>("ceiling");
    QTest::newRow("depth") << false;
    QTest::newRow("ceiling") << true;
}

void TestProfile::beginDepthCurvesInvertLeftAxis()
{
    QFETCH(bool, ceiling);
    ProfileImpl* curve = impl(ceiling ? window->ceilingCurve : window->depthCurve);
    QwtPlot* plot = window->qwtPlot;
    QVERIFY(!plot->axisScaleEngine(QwtPlot::yLeft)->testAttribute(QwtScaleEngine::Inverted));

    curve->enabled = true;
    curve->begin(ceiling ? "ceiling" : "depth", 40);

    QVERIFY(plot->axisScaleEngine(QwtPlot::yLeft)->testAttribute(QwtScaleEngine::Inverted));
    QCOMPARE(curve->curve.plot(), plot);
    QCOMPARE(curve->curve.title().text(), QString(ceiling ? "ceiling" : "depth"));
    QCOMPARE(curve->curve.yAxis(), int(QwtPlot::yLeft));
    QVERIFY(curve->curve.testRenderHint(QwtPlotItem::RenderAntialiased));
    QCOMPARE(window->depthCurves, QList<Profile*>{curve});
    QVERIFY(window->extraCurves.isEmpty());
    QVERIFY(!plot->axisEnabled(QwtPlot::yRight));
    QCOMPARE(legendTexts(plot, &curve->curve), QStringList{curve->curve.title().text()});
}

void TestProfile::beginRightAxisScale_data()
{
    QTest::addColumn<float>("rightMax");
    QTest::newRow("autoscale") << 0.0f;
    QTest::newRow("fixed") << 100.0f;
}

void TestProfile::beginRightAxisScale()
{
    QFETCH(float, rightMax);
    QwtPlot* plot = window->qwtPlot;
    ProfileImpl* cns = impl(window->cnsCurve);
    cns->enabled = true;
    cns->begin("CNS", rightMax);
    cns->addPoint(0, 12);
    cns->addPoint(1, 37);
    plot->replot();

    QVERIFY(plot->axisEnabled(QwtPlot::yRight));
    QCOMPARE(cns->curve.yAxis(), int(QwtPlot::yRight));
    QCOMPARE(cns->curve.xAxis(), int(QwtPlot::xBottom));
    QCOMPARE(window->extraCurves, QList<Profile*>{cns});
    const QwtScaleDiv& scale = plot->axisScaleDiv(QwtPlot::yRight);
    if (rightMax > 0) {
        QVERIFY(!plot->axisAutoScale(QwtPlot::yRight));
        QCOMPARE(scale.lowerBound(), 0.0);
        QCOMPARE(scale.upperBound(), 100.0);
    } else {
        QVERIFY(plot->axisAutoScale(QwtPlot::yRight));
        QVERIFY(scale.lowerBound() <= 12 && scale.lowerBound() > 0);
        QVERIFY(scale.upperBound() >= 37 && scale.upperBound() < 100);
    }
}

void TestProfile::rightAxisStyleBySlot_data()
{
    QTest::addColumn<QString>("slot");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QColor>("color");
    QTest::addColumn<QString>("axisTitle");
    QTest::newRow("GF") << "gf" << "GF" << QColor(Qt::black) << "[%]";
    QTest::newRow("CNS") << "cns" << "CNS" << QColor(Qt::red) << "[%]";
    QTest::newRow("NDL") << "ndl" << "NDL/Stop" << QColor(Qt::darkRed) << "[min]";
    QTest::newRow("ppO2") << "ppO2" << "ppO2" << QColor(Qt::blue) << "[Bar]";
    QTest::newRow("C1") << "leading" << "C1" << QColor(Qt::red) << "[Bar]";
    QTest::newRow("C16") << "leading" << "C16" << QColor(Qt::magenta) << "[Bar]";
    // Compartment 6 of 1..16 is a third of the way from yellow to green.
    QTest::newRow("C6") << "leading" << "C6" << QColor(170, 255, 0) << "[Bar]";
}

void TestProfile::rightAxisStyleBySlot()
{
    QFETCH(QString, slot);
    QFETCH(QString, title);
    QFETCH(QColor, color);
    QFETCH(QString, axisTitle);
    Profile* const curves[] = {window->gfCurve, window->cnsCurve, window->ndlCurve, window->ppO2Curve,
                               window->leadingCurve};
    const QStringList names = {"gf", "cns", "ndl", "ppO2", "leading"};
    ProfileImpl* curve = impl(curves[names.indexOf(slot)]);
    curve->enabled = true;
    curve->begin(title, 0);

    const QPen pen = curve->curve.pen();
    QCOMPARE(pen.color().rgb(), color.rgb());
    QCOMPARE(pen.widthF(), 1.0);
    QCOMPARE(pen.style(), Qt::SolidLine);
    QCOMPARE(pen.capStyle(), Qt::SquareCap);
    QCOMPARE(pen.joinStyle(), Qt::BevelJoin);
    QCOMPARE(window->qwtPlot->axisTitle(QwtPlot::yRight).text(), axisTitle);
    QCOMPARE(curve->curve.title().text(), title);
}

void TestProfile::lastBegunCurveDecidesRightAxis()
{
    QwtPlot* plot = window->qwtPlot;
    for (Profile* curve : {window->gfCurve, window->ppO2Curve, window->ndlCurve})
        curve->enabled = true;
    window->gfCurve->begin("GF", 100);
    window->ppO2Curve->begin("ppO2", 4);
    plot->replot();
    QCOMPARE(plot->axisTitle(QwtPlot::yRight).text(), QString("[Bar]"));
    QCOMPARE(plot->axisScaleDiv(QwtPlot::yRight).upperBound(), 4.0);
    window->ndlCurve->begin("NDL/Stop", 0);
    QCOMPARE(plot->axisTitle(QwtPlot::yRight).text(), QString("[min]"));
    QVERIFY(plot->axisAutoScale(QwtPlot::yRight));
    QCOMPARE(window->extraCurves.size(), 3);
}

void TestProfile::gfCurveOwnsLimitLines()
{
    eeprom.cf(32).value = 35;
    eeprom.cf(33).value = 85;
    ProfileImpl* gf = impl(window->gfCurve);
    gf->enabled = true;
    gf->begin("GF", 100);

    QCOMPARE(gf->markers.size(), 2);
    const double values[] = {35, 85};
    const QString labels[] = {"GF_low", "GF_high"};
    for (int i = 0; i < 2; ++i) {
        QwtPlotMarker* line = gf->markers.at(i);
        QCOMPARE(line->plot(), window->qwtPlot);
        QCOMPARE(line->lineStyle(), QwtPlotMarker::HLine);
        QCOMPARE(line->yValue(), values[i]);
        QCOMPARE(line->yAxis(), int(QwtPlot::yRight));
        QCOMPARE(line->label().text(), labels[i]);
        QCOMPARE(line->labelAlignment(), Qt::AlignRight | Qt::AlignTop);
        QCOMPARE(line->linePen().color(), QColor(Qt::black));
        QCOMPARE(line->linePen().widthF(), 0.5);
        QCOMPARE(line->linePen().style(), Qt::DotLine);
    }
}

// A run that stopped before its end leaves its curves listed; beginning again must not list twice.
void TestProfile::beginTwiceListsOnce()
{
    for (Profile* curve : {window->depthCurve, window->ppO2Curve}) {
        curve->enabled = true;
        curve->begin("x", 4);
        curve->begin("x", 4);
    }
    QCOMPARE(window->depthCurves.size(), 1);
    QCOMPARE(window->extraCurves.size(), 1);
    QCOMPARE(window->qwtPlot->itemList(QwtPlotItem::Rtti_PlotCurve).size(), 2);
}

void TestProfile::addPointRedrawsAtWholeMinutes_data()
{
    QTest::addColumn<float>("x");
    QTest::addColumn<bool>("redraws");
    QTest::newRow("0 min") << 0.0f << true;
    QTest::newRow("1 min") << 1.0f << true;
    QTest::newRow("1.5 min") << 1.5f << false;
    QTest::newRow("58 s") << 58.0f / 60 << false;
    QTest::newRow("41 min") << 41.0f << true;
    QTest::newRow("2 s past 41 min") << 41.0f + 2.0f / 60 << false;
}

void TestProfile::addPointRedrawsAtWholeMinutes()
{
    QFETCH(float, x);
    QFETCH(bool, redraws);
    ProfileImpl* depth = impl(window->depthCurve);
    depth->enabled = true;
    depth->begin("depth", 40);
    depth->addPoint(0.5f, 10);
    QCOMPARE(depth->curve.dataSize(), size_t(0));
    QCOMPARE(depth->x.size(), 1);

    depth->addPoint(x, 20);
    QCOMPARE(depth->x, (QVector<double>{0.5, x}));
    QCOMPARE(depth->y, (QVector<double>{10, 20}));
    QCOMPARE(depth->curve.dataSize(), size_t(redraws ? 2 : 0));
    if (redraws) {
        QCOMPARE(depth->curve.sample(1), QPointF(x, 20));
        QCOMPARE(depth->curve.pen().color(), QColor(Qt::red));
    }
}

void TestProfile::resetEmptiesEvenWhenDisabled()
{
    ProfileImpl* depth = impl(window->depthCurve);
    depth->enabled = true;
    depth->begin("depth", 40);
    depth->addPoint(0, 0);
    depth->addPoint(1, 10);
    QCOMPARE(depth->curve.dataSize(), size_t(2));

    depth->enabled = false;
    depth->reset();
    QVERIFY(depth->x.isEmpty());
    QVERIFY(depth->y.isEmpty());
    QVERIFY(depth->x.capacity() >= 1000);
    QCOMPARE(depth->curve.dataSize(), size_t(0));
}

void TestProfile::flushDrawsAndRecolours()
{
    ProfileImpl* depth = impl(window->depthCurve);
    ProfileImpl* ceiling = impl(window->ceilingCurve);
    for (ProfileImpl* curve : {depth, ceiling}) {
        curve->enabled = true;
        curve->begin("c", 40);
        curve->addPoint(0.5f, 3);
    }
    QCOMPARE(depth->curve.dataSize(), size_t(0));
    depth->flush();
    QCOMPARE(depth->curve.dataSize(), size_t(1));
    QCOMPARE(depth->curve.pen().color(), QColor(Qt::red));
    QCOMPARE(ceiling->curve.pen().color(), QColor(Qt::magenta));
    QCOMPARE(ceiling->curve.dataSize(), size_t(0));
}

void TestProfile::gasLabel_data()
{
    QTest::addColumn<int>("gas");
    QTest::addColumn<int>("o2");
    QTest::addColumn<int>("he");
    QTest::addColumn<int>("decoType");
    QTest::addColumn<int>("setpoint");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QColor>("color");
    QTest::newRow("air") << 1 << 21 << 0 << 0 << 0 << "\tGas1:Air" << QColor(Qt::white);
    QTest::newRow("nitrox") << 2 << 32 << 0 << 4 << 0 << "\tGas2:Nx32" << QColor(Qt::green);
    QTest::newRow("trimix") << 3 << 21 << 35 << 0 << 0 << "\tGas3:Tx21/35" << QColor(Qt::red);
    QTest::newRow("heliox") << 4 << 10 << 90 << 0 << 0 << "\tGas4:Hx10/90" << QColor(Qt::yellow);
    QTest::newRow("oxygen") << 5 << 100 << 0 << 0 << 0 << "\tGas5:Nx100" << QColor(Qt::magenta);
    QTest::newRow("CCR") << 1 << 21 << 0 << 2 << 130 << "\tSetpoint:1.30" << QColor(Qt::white);
    QTest::newRow("CCR GF") << 2 << 21 << 0 << 5 << 125 << "\tSetpoint:1.25" << QColor(Qt::green);
    QTest::newRow("CCR bail-out") << 3 << 50 << 0 << 2 << 0 << "\tSetpoint:0.00" << QColor(Qt::red);
}

void TestProfile::gasLabel()
{
    QFETCH(int, gas);
    QFETCH(int, o2);
    QFETCH(int, he);
    QFETCH(int, decoType);
    QFETCH(int, setpoint);
    QFETCH(QString, text);
    QFETCH(QColor, color);
    eeprom.gases[gas - 1].currentO2 = ubyte(o2);
    eeprom.gases[gas - 1].currentHe = ubyte(he);
    eeprom.decoType = ubyte(decoType);
    char_I_const_ppO2 = ubyte(setpoint);

    ProfileImpl* depth = impl(window->depthCurve);
    depth->enabled = true;
    depth->begin("depth", 40);
    depth->addLabel(12.5f, 30, gas);

    QCOMPARE(depth->markers.size(), 1);
    QwtPlotMarker* label = depth->markers.first();
    QCOMPARE(label->title().text(), text);
    QCOMPARE(label->value(), QPointF(12.5, 30));
    QCOMPARE(label->yAxis(), int(QwtPlot::yLeft));
    QCOMPARE(label->plot(), window->qwtPlot);
    QCOMPARE(label->lineStyle(), QwtPlotMarker::NoLine);
    QVERIFY(label->label().isEmpty());
    const QwtSymbol* symbol = label->symbol();
    QVERIFY(symbol);
    QCOMPARE(symbol->style(), QwtSymbol::DTriangle);
    QCOMPARE(symbol->size(), QSize(10, 10));
    QCOMPARE(symbol->brush().color(), QColor(Qt::black));
    QCOMPARE(symbol->brush().style(), Qt::SolidPattern);
    QCOMPARE(symbol->pen().color(), color);
    QVERIFY(label->testItemAttribute(QwtPlotItem::Legend));
    QCOMPARE(legendTexts(window->qwtPlot, label), QStringList{text});
}

// The caller promises 1..5; anything else must still never read beyond the gas records.
void TestProfile::gasLabelOutsideGasRecords_data()
{
    QTest::addColumn<int>("gas");
    QTest::addColumn<QColor>("color");
    QTest::newRow("0") << 0 << QColor(Qt::black);
    QTest::newRow("6") << 6 << QColor(Qt::cyan);
    QTest::newRow("7") << 7 << QColor(Qt::black);
    QTest::newRow("-1") << -1 << QColor(Qt::black);
    QTest::newRow("200") << 200 << QColor(Qt::black);
}

void TestProfile::gasLabelOutsideGasRecords()
{
    QFETCH(int, gas);
    QFETCH(QColor, color);
    ProfileImpl* depth = impl(window->depthCurve);
    depth->enabled = true;
    depth->begin("depth", 40);
    depth->addLabel(0, 0, gas);
    QCOMPARE(depth->markers.size(), 1);
    QCOMPARE(depth->markers.first()->title().text(), QString("\tGas%1:").arg(gas));
    QCOMPARE(depth->markers.first()->symbol()->pen().color(), color);
}

void TestProfile::textLabelOnRightAxis()
{
    ProfileImpl* ppO2 = impl(window->ppO2Curve);
    ppO2->enabled = true;
    ppO2->begin("ppO2", 4);
    ppO2->addLabel(3, 1.3f, "SP1.30", Qt::blue, true);
    QwtPlotMarker* label = ppO2->markers.first();
    QCOMPARE(label->yAxis(), int(QwtPlot::yRight));
    QCOMPARE(label->xAxis(), int(QwtPlot::xBottom));
    QCOMPARE(label->symbol()->pen().color(), QColor(Qt::blue));
    QCOMPARE(legendTexts(window->qwtPlot, label), QStringList{"SP1.30"});
}

void TestProfile::endHandsSlotToFreshCurve()
{
    ProfileImpl* depth = impl(window->depthCurve);
    depth->enabled = true;
    depth->begin("depth", 40);
    for (int step = 0; step <= 45; ++step)
        depth->addPoint(step * 2 / 60.0f, qMin(step, 30));
    QCOMPARE(depth->curve.dataSize(), size_t(31));

    depth->end();

    QCOMPARE(depth->curve.dataSize(), size_t(46));
    QCOMPARE(depth->curve.plot(), window->qwtPlot);
    QVERIFY(depth->x.isEmpty());
    QVERIFY(depth->y.isEmpty());
    QCOMPARE(window->depthCurves, QList<Profile*>{depth});
    ProfileImpl* fresh = impl(window->depthCurve);
    QVERIFY(fresh && fresh != depth);
    QVERIFY(fresh->enabled);
    QVERIFY(!fresh->curve.plot());
    QVERIFY(!window->depthCurves.contains(fresh));

    // The next run draws beside the ended one.
    fresh->begin("depth", 40);
    QCOMPARE(window->depthCurves, (QList<Profile*>{depth, fresh}));
    QCOMPARE(window->qwtPlot->itemList(QwtPlotItem::Rtti_PlotCurve).size(), 2);
}

void TestProfile::endOfCurveInNoSlot()
{
    ProfileImpl* runtime = new ProfileImpl(window);
    window->depthCurves.append(runtime);
    runtime->enabled = true;
    runtime->curve.attach(window->qwtPlot);
    runtime->addPoint(0.5f, 3);
    Profile* const before[] = {window->depthCurve, window->ceilingCurve, window->leadingCurve, window->gfCurve,
                              window->ppO2Curve, window->cnsCurve, window->ndlCurve};

    runtime->end();

    QCOMPARE(runtime->curve.dataSize(), size_t(1));
    QVERIFY(runtime->x.isEmpty());
    Profile* const after[] = {window->depthCurve, window->ceilingCurve, window->leadingCurve, window->gfCurve,
                                    window->ppO2Curve, window->cnsCurve, window->ndlCurve};
    for (int i = 0; i < 7; ++i)
        QCOMPARE(after[i], before[i]);
}

void TestProfile::deletingCurveRemovesItsItems()
{
    QwtPlot* plot = window->qwtPlot;
    ProfileImpl* gf = impl(window->gfCurve);
    gf->enabled = true;
    gf->begin("GF", 100);
    gf->addLabel(1, 50, "label", Qt::green, true);
    gf->end();
    QCOMPARE(plot->itemList(QwtPlotItem::Rtti_PlotCurve).size(), 1);
    QCOMPARE(plot->itemList(QwtPlotItem::Rtti_PlotMarker).size(), 4);

    window->extraCurves.removeOne(gf);
    delete gf;

    QVERIFY(plot->itemList(QwtPlotItem::Rtti_PlotCurve).isEmpty());
    QCOMPARE(plot->itemList(QwtPlotItem::Rtti_PlotMarker).size(), 1);
}

QTEST_MAIN(TestProfile)
#include "tst_profile.moc"
