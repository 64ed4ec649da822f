#include "PlotInterface.h"
#include "ProfileImpl.h"
#include "VARN_eeprom.h"
#include "p2_deco.h"

#include <QtTest>
#include <qwt_legend.h>
#include <qwt_plot_curve.h>
#include <qwt_plot_marker.h>
#include <qwt_scale_engine.h>
#include <qwt_symbol.h>

namespace {

struct Stop {
    int depth;
    int minutes;
    bool switchStop;
};

// The published stop table, deepest first, or shallowest first as custom function 54 asks.
void publish(const QList<Stop>& stops, bool shallowFirst = false)
{
    for (int i = 0; i < NUM_STOPS; ++i)
        char_O_deco_depth[i] = char_O_deco_time[i] = 0;
    for (int i = 0; i < stops.size(); ++i) {
        const Stop& stop = shallowFirst ? stops.at(stops.size() - 1 - i) : stops.at(i);
        char_O_deco_depth[i] = (unsigned char)(stop.depth | (stop.switchStop ? DECO_STOP_SWITCH_FLAG : 0));
        char_O_deco_time[i] = (unsigned char)stop.minutes;
    }
    char_O_first_deco_depth = stops.isEmpty() ? 0 : (unsigned char)stops.first().depth;
}

QList<QwtPlotCurve*> curvesOf(QwtPlot* plot)
{
    QList<QwtPlotCurve*> curves;
    for (QwtPlotItem* item : plot->itemList(QwtPlotItem::Rtti_PlotCurve))
        curves << static_cast<QwtPlotCurve*>(item);
    return curves;
}

QList<QwtPlotMarker*> markersOf(QwtPlot* plot)
{
    QList<QwtPlotMarker*> markers;
    for (QwtPlotItem* item : plot->itemList(QwtPlotItem::Rtti_PlotMarker))
        markers << static_cast<QwtPlotMarker*>(item);
    return markers;
}

QString pointsOf(const QwtPlotCurve* curve)
{
    QStringList points;
    for (size_t i = 0; i < curve->dataSize(); ++i) {
        const QPointF p = curve->sample(int(i));
        points << QString("(%1,%2)").arg(p.x(), 0, 'f', 1).arg(p.y(), 0, 'f', 1);
    }
    return points.join(' ');
}

// Stop labels read "minutes '" at their place; gas labels are symbols titled for the legend.
QStringList stopLabels(QwtPlot* plot)
{
    QStringList labels;
    for (QwtPlotMarker* marker : markersOf(plot)) {
        if (!marker->label().isEmpty())
            labels << QString("%1@(%2,%3)").arg(marker->label().text()).arg(marker->xValue(), 0, 'f', 1).arg(marker->yValue(), 0, 'f', 1);
    }
    return labels;
}

QStringList gasLabels(QwtPlot* plot)
{
    QStringList labels;
    for (QwtPlotMarker* marker : markersOf(plot)) {
        if (marker->symbol())
            labels << QString("%1@(%2,%3)").arg(marker->title().text().mid(1)).arg(marker->xValue(), 0, 'f', 1).arg(marker->yValue(), 0, 'f', 1);
    }
    return labels;
}

} // namespace

class TestRuntime : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void deepestFirst();
    void shallowestFirstSameStops();
    void gasSwitchesOnTheWay();
    void switchDelayLabelsFlaggedStops_data();
    void switchDelayLabelsFlaggedStops();
    void closedCircuitSetpoint();
    void closedCircuitBailOut();
    void gasLabelTexts_data();
    void gasLabelTexts();
    void gasNumberOutsideRecords();
    void title_data();
    void title();
    void surfaceIntervalShiftsPlan();
    void noStopDive();
    void zeroDepthLeavesWalk();
    void curveStyle();
    void clearRemovesRuntimesAndEndedRuns();
    void clearEmptyWindow();
    void clearDuringRunKeepsSlotsValid();
    void tissueMarker();
    void endMarker();

private:
    QScopedPointer<PlotInterface> window;
    QwtPlot* plot = nullptr;
};

void TestRuntime::init()
{
    eeprom = VARN_eeprom();
    eeprom.decoType = 4;
    eeprom.cf(32).value = 30;
    eeprom.cf(33).value = 85;
    char_I_const_ppO2 = 0;
    char_I_dive_interval = 0;
    int_O_ascenttime = 10;
    publish({});
    window.reset(new PlotInterface);
    window->setup(true, 30);
    plot = window->qwtPlot;
}

void TestRuntime::cleanup()
{
    window.reset();
}

void TestRuntime::deepestFirst()
{
    publish({{9, 1, false}, {6, 2, false}, {3, 4, false}});
    int_O_ascenttime = 10;
    window->addRuntime(25, 30);

    QCOMPARE(window->depthCurves.size(), 1);
    const QList<QwtPlotCurve*> curves = curvesOf(plot);
    QCOMPARE(curves.size(), 1);
    QCOMPARE(pointsOf(curves.first()),
             QString("(0.0,0.0) (0.0,0.0) (0.0,30.0) (25.0,30.0) (27.1,9.0) (28.1,9.0) (28.4,6.0) (30.4,6.0) "
                     "(30.7,3.0) (34.7,3.0) (35.0,0.0) (35.0,0.0) (35.0,0.0)"));
    QCOMPARE(stopLabels(plot), QStringList({"25 '@(25.0,30.0)", "1 '@(27.1,9.0)", "2 '@(28.4,6.0)", "4 '@(30.7,3.0)"}));
    QCOMPARE(gasLabels(plot), QStringList({"Gas1:Air@(0.0,0.0)"}));
    QVERIFY(plot->axisScaleEngine(QwtPlot::yLeft)->testAttribute(QwtScaleEngine::Inverted));
    QVERIFY(curves.first()->testLegendAttribute(QwtPlotCurve::LegendShowLine));
    QVERIFY(curves.first()->testRenderHint(QwtPlotItem::RenderAntialiased));
    QCOMPARE(curves.first()->xAxis(), int(QwtPlot::xBottom));
    QCOMPARE(curves.first()->yAxis(), int(QwtPlot::yLeft));

    // The markers belong to the curve and go with it.
    ProfileImpl* runtime = dynamic_cast<ProfileImpl*>(window->depthCurves.first());
    QVERIFY(runtime && runtime->enabled);
    QCOMPARE(runtime->markers.size(), 5);
}

void TestRuntime::shallowestFirstSameStops()
{
    eeprom.cf(54).value = 1;
    publish({{9, 1, false}, {6, 2, false}, {3, 4, false}}, true);
    window->addRuntime(25, 30);

    QCOMPARE(pointsOf(curvesOf(plot).first()),
             QString("(0.0,0.0) (0.0,0.0) (0.0,30.0) (25.0,30.0) (27.1,9.0) (28.1,9.0) (28.4,6.0) (30.4,6.0) "
                     "(30.7,3.0) (34.7,3.0) (35.0,0.0)"));
    QCOMPARE(stopLabels(plot), QStringList({"25 '@(25.0,30.0)", "1 '@(27.1,9.0)", "2 '@(28.4,6.0)", "4 '@(30.7,3.0)"}));
}

void TestRuntime::gasSwitchesOnTheWay()
{
    eeprom.activeGases = 0x07;
    eeprom.changeDepth[1] = 21;
    eeprom.gases[1].currentO2 = 50;
    eeprom.changeDepth[2] = 6;
    eeprom.gases[2].currentO2 = 100;
    publish({{12, 1, false}, {9, 2, false}, {6, 3, false}, {3, 5, false}});
    window->addRuntime(30, 40);

    QCOMPARE(gasLabels(plot), QStringList({"Gas1:Air@(0.0,0.0)", "Gas2:Nx50@(32.8,12.0)", "Gas3:Nx100@(36.4,6.0)"}));
}

void TestRuntime::switchDelayLabelsFlaggedStops_data()
{
    QTest::addColumn<bool>("shallowFirst");
    QTest::newRow("deepest first") << false;
    QTest::newRow("shallowest first") << true;
}

void TestRuntime::switchDelayLabelsFlaggedStops()
{
    QFETCH(bool, shallowFirst);

    eeprom.cf(55).value = 2;
    eeprom.cf(54).value = shallowFirst ? 1 : 0;
    eeprom.activeGases = 0x07;
    eeprom.changeDepth[1] = 21;
    eeprom.gases[1].currentO2 = 50;
    eeprom.changeDepth[2] = 6;
    eeprom.gases[2].currentO2 = 100;
    publish({{21, 2, true}, {12, 1, false}, {9, 2, false}, {6, 3, true}, {3, 5, false}}, shallowFirst);
    window->addRuntime(30, 40);

    QCOMPARE(gasLabels(plot), QStringList({"Gas1:Air@(0.0,0.0)", "Gas2:Nx50@(31.9,21.0)", "Gas3:Nx100@(38.4,6.0)"}));
}

void TestRuntime::closedCircuitSetpoint()
{
    eeprom.decoType = 5;
    char_I_const_ppO2 = 130;
    eeprom.activeGases = 0x03;
    eeprom.changeDepth[1] = 21;
    publish({{9, 1, false}, {6, 2, false}, {3, 4, false}});
    window->addRuntime(25, 30);

    const QList<QwtPlotMarker*> markers = markersOf(plot);
    QCOMPARE(gasLabels(plot), QStringList({"Setpoint:1.30@(0.0,0.0)"}));
    for (QwtPlotMarker* marker : markers) {
        if (marker->symbol())
            QCOMPARE(marker->symbol()->pen().color(), QColor(Qt::white));
    }
    QVERIFY(curvesOf(plot).first()->title().text().startsWith("CCR GF 30/85:"));
}

void TestRuntime::closedCircuitBailOut()
{
    eeprom.decoType = 5;
    char_I_const_ppO2 = 0;
    eeprom.activeGases = 0x03;
    eeprom.changeDepth[1] = 21;
    eeprom.gases[1].currentO2 = 50;
    publish({{12, 1, false}, {6, 2, false}, {3, 4, false}});
    window->addRuntime(25, 30);

    QCOMPARE(gasLabels(plot), QStringList({"Gas1:Air (Bail)@(25.0,30.0)", "Gas2:Nx50 (Bail)@(26.8,12.0)"}));
}

void TestRuntime::gasLabelTexts_data()
{
    QTest::addColumn<int>("o2");
    QTest::addColumn<int>("he");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QColor>("color");

    QTest::newRow("air") << 21 << 0 << "\tGas2:Air" << QColor(Qt::green);
    QTest::newRow("nitrox") << 32 << 0 << "\tGas2:Nx32" << QColor(Qt::green);
    QTest::newRow("trimix") << 21 << 35 << "\tGas2:Tx21/35" << QColor(Qt::green);
    QTest::newRow("heliox") << 10 << 90 << "\tGas2:Hx10/90" << QColor(Qt::green);
}

void TestRuntime::gasLabelTexts()
{
    QFETCH(int, o2);
    QFETCH(int, he);
    QFETCH(QString, text);
    QFETCH(QColor, color);

    eeprom.gases[1].currentO2 = (ubyte)o2;
    eeprom.gases[1].currentHe = (ubyte)he;
    ProfileImpl* owner = new ProfileImpl(window.data());
    owner->enabled = true;
    window->depthCurves.append(owner);
    window->addGasMarker(owner, 4, 12, 2);

    QCOMPARE(owner->markers.size(), 1);
    QwtPlotMarker* label = owner->markers.first();
    QCOMPARE(label->title().text(), text);
    QCOMPARE(label->symbol()->pen().color(), color);
    QCOMPARE(label->value(), QPointF(4, 12));
    QCOMPARE(label->yAxis(), int(QwtPlot::yLeft));
}

void TestRuntime::gasNumberOutsideRecords()
{
    ProfileImpl* owner = new ProfileImpl(window.data());
    owner->enabled = true;
    window->depthCurves.append(owner);
    window->addGasMarker(owner, 0, 0, 6);
    window->addGasMarker(owner, 0, 0, 9);

    QCOMPARE(owner->markers.size(), 2);
    QCOMPARE(owner->markers.at(0)->title().text(), QString("\tGas6:"));
    QCOMPARE(owner->markers.at(0)->symbol()->pen().color(), QColor(Qt::cyan));
    QCOMPARE(owner->markers.at(1)->title().text(), QString("\tGas9:"));
}

void TestRuntime::title_data()
{
    QTest::addColumn<int>("decoType");
    QTest::addColumn<int>("low");
    QTest::addColumn<int>("high");
    QTest::addColumn<float>("bottom");
    QTest::addColumn<QString>("title");

    QTest::newRow("OC GF") << 4 << 30 << 85 << 25.0f << "OC GF 30/85: 25 ' @ 40 m\n\tTTS  = 32\n\tTotal= 57";
    QTest::newRow("padded factors") << 4 << 5 << 100 << 25.0f << "OC GF 05/100: 25 ' @ 40 m\n\tTTS  = 32\n\tTotal= 57";
    QTest::newRow("ZH-L16, desaturation first") << 0 << 30 << 85 << 41.0f << "OC Bh 90%/110%: 41 ' @ 40 m\n\tTTS  = 32\n\tTotal= 73";
    QTest::newRow("CCR") << 2 << 30 << 85 << 25.5f << "CCR Bh 90%/110%: 25.5 ' @ 40 m\n\tTTS  = 32\n\tTotal= 57.5";
}

void TestRuntime::title()
{
    QFETCH(int, decoType);
    QFETCH(int, low);
    QFETCH(int, high);
    QFETCH(float, bottom);
    QFETCH(QString, title);

    eeprom.decoType = (ubyte)decoType;
    eeprom.cf(32).value = (unsigned short)low;
    eeprom.cf(33).value = (unsigned short)high;
    char_I_const_ppO2 = eeprom.isCCR() ? 100 : 0;
    int_O_ascenttime = 32;
    window->addRuntime(bottom, 40);
    QCOMPARE(curvesOf(plot).first()->title().text(), title);
}

void TestRuntime::surfaceIntervalShiftsPlan()
{
    char_I_dive_interval = 3;
    publish({{3, 4, false}});
    int_O_ascenttime = 9;
    window->addRuntime(25, 30);

    QCOMPARE(pointsOf(curvesOf(plot).first()),
             QString("(0.0,0.0) (30.0,0.0) (30.0,30.0) (55.0,30.0) (57.7,3.0) (61.7,3.0) (62.0,0.0) (62.0,0.0) (62.0,0.0)"));
    QCOMPARE(gasLabels(plot), QStringList({"Gas1:Air@(0.0,0.0)"}));
    QVERIFY(curvesOf(plot).first()->title().text().endsWith("Total= 34"));
}

void TestRuntime::noStopDive()
{
    window->addRuntime(20, 18);
    QCOMPARE(pointsOf(curvesOf(plot).first()),
             QString("(0.0,0.0) (0.0,0.0) (0.0,18.0) (20.0,18.0) (21.8,0.0) (21.8,0.0) (21.8,0.0)"));
    QCOMPARE(stopLabels(plot), QStringList({"20 '@(20.0,18.0)"}));
}

void TestRuntime::zeroDepthLeavesWalk()
{
    publish({{3, 4, false}});
    window->addRuntime(5, 0);
    QCOMPARE(pointsOf(curvesOf(plot).first()), QString("(0.0,0.0) (0.0,0.0) (0.0,0.0) (5.0,0.0) (5.0,0.0)"));
}

void TestRuntime::curveStyle()
{
    window->addRuntime(20, 18);
    window->addRuntime(25, 18);
    window->addRuntime(30, 18);
    const QList<QwtPlotCurve*> curves = curvesOf(plot);
    QCOMPARE(curves.size(), 3);
    QCOMPARE(curves.at(0)->pen().color(), QColor(Qt::red));
    QCOMPARE(curves.at(1)->pen().color(), QColor(Qt::green));
    QCOMPARE(curves.at(2)->pen().color(), QColor(Qt::magenta));
}

void TestRuntime::clearRemovesRuntimesAndEndedRuns()
{
    // An ended run: its curves stay drawn and listed while fresh ones take the slots.
    window->depthCurve->enabled = true;
    window->gfCurve->enabled = true;
    window->depthCurve->begin("depth", 30);
    window->gfCurve->begin("GF", 100);
    window->depthCurve->addPoint(0, 0);
    window->gfCurve->addPoint(0, 10);
    window->depthCurve->end();
    window->gfCurve->end();
    publish({{3, 4, false}});
    window->addRuntime(25, 30);
    window->addRuntime(30, 30);
    QCOMPARE(curvesOf(plot).size(), 4);
    QVERIFY(plot->axisEnabled(QwtPlot::yRight));

    const QList<Profile*> freshSlots = {window->depthCurve, window->gfCurve};
    window->delRuntime();

    QVERIFY(window->depthCurves.isEmpty());
    QVERIFY(window->extraCurves.isEmpty());
    QVERIFY(curvesOf(plot).isEmpty());
    // Only the window's own surface line is left.
    QCOMPARE(markersOf(plot).size(), 1);
    QVERIFY(!plot->axisEnabled(QwtPlot::yRight));
    QCOMPARE(QList<Profile*>({window->depthCurve, window->gfCurve}), freshSlots);
    QVERIFY(window->depthCurve->enabled);
}

void TestRuntime::clearEmptyWindow()
{
    plot->enableAxis(QwtPlot::yRight, true);
    window->delRuntime();
    QVERIFY(!plot->axisEnabled(QwtPlot::yRight));
    QVERIFY(curvesOf(plot).isEmpty());
}

void TestRuntime::clearDuringRunKeepsSlotsValid()
{
    window->depthCurve->enabled = true;
    window->cnsCurve->enabled = false;
    window->depthCurve->begin("depth", 30);
    window->cnsCurve->begin("CNS", 100);
    window->depthCurve->addPoint(0, 0);
    Profile* begun = window->depthCurve;
    Profile* unbegun = window->cnsCurve;

    window->delRuntime();

    QVERIFY(window->depthCurve != begun);
    QVERIFY(window->depthCurve->enabled);
    QCOMPARE(window->cnsCurve, unbegun);
    QVERIFY(curvesOf(plot).isEmpty());

    // The run goes on feeding and ends what its slots hold.
    window->depthCurve->addPoint(1, 10);
    window->depthCurve->addLabel(1, 10, 1);
    window->depthCurve->end();
    QVERIFY(window->depthCurve->enabled);
    QVERIFY(curvesOf(plot).isEmpty());
}

void TestRuntime::tissueMarker()
{
    PlotInterface tissues;
    tissues.setup(false, 40);
    eeprom.gases[0].currentO2 = 32;
    tissues.addTissueMarker(1.013f, 0.25f, 1);

    ProfileImpl* first = dynamic_cast<ProfileImpl*>(tissues.extraCurves.first());
    QCOMPARE(first, dynamic_cast<ProfileImpl*>(tissues.tissue(0)));
    QCOMPARE(first->markers.size(), 1);
    QCOMPARE(first->markers.first()->title().text(), QString("\tGas1:Nx32"));
    QCOMPARE(first->markers.first()->value(), QPointF(1.013f, 0.25f));
}

void TestRuntime::endMarker()
{
    ProfileImpl* owner = new ProfileImpl(window.data());
    owner->enabled = true;
    window->depthCurves.append(owner);
    window->addEndMarker(owner, 32, 57);

    QCOMPARE(owner->markers.size(), 1);
    QwtPlotMarker* label = owner->markers.first();
    QCOMPARE(label->label().text(), QString("TTS  =32\nTotal=57"));
    QCOMPARE(label->value(), QPointF(57, 3));
    QCOMPARE(label->labelAlignment(), Qt::AlignBottom | Qt::AlignLeft);
}

QTEST_MAIN(TestRuntime)
#include "tst_runtime.moc"
