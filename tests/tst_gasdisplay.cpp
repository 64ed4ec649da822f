#include "Settings.h"
#include "VARN_Planner_Interface.h"
#include "temporarydefaults.h"

#include <QSettings>
#include <QtTest>

// The MOD/EAD/END texts of the gas rows and of the diluent line, the red marks and the
// enabling that follows the row state and the circuit mode.
class TestGasDisplay : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void constructionShowsComputedTexts();
    void gasRow_data();
    void gasRow();
    void mixCheckMatchesWholePercentRule();
    void rowsAgreeWithFormulasEverywhere();
    void inactiveRowIsDisabledButRecomputed();
    void firstGasRowHasNoChangeDepth();
    void eachRowHasItsOwnSlot();
    void maxPpO2ChangeRefreshesEveryRow();
    void diluentLine_data();
    void diluentLine();
    void noFirstGasGivesEmptyDiluent();
    void circuitModeEnablesSetpoints();

private:
    TemporaryDefaults dir;
    VARN_Planner_Interface* window = nullptr;

    struct Row {
        QCheckBox* gas;
        QRadioButton* first;
        QLabel* o2Label;
        QSpinBox* o2;
        QLabel* heLabel;
        QSpinBox* he;
        QLabel* depthLabel;
        QSpinBox* depth;
        QLabel* mod;
    };
    Row row(int n) const;
};

namespace {

const QString redMix = "QSpinBox { color: red}";
const QString redDepth = "QSpinBox { color: red }";

// The display's formulas, written out from their definition: fractions in single precision,
// the MOD in double precision from the maximum ppO2, everything rounded half up and kept >= 0.
int halfUp(double v)
{
    const int n = int(v);
    return n < 0 ? 0 : n;
}

QString expectedRowText(int o2, int he, int depth, double ppO2Max)
{
    const float fO2 = float(o2) * 0.01f;
    const float fHe = float(he) * 0.01f;
    const float fN2 = 1.0f - fO2 - fHe;
    const int mod = fO2 == 0.0f ? 0 : halfUp((ppO2Max / double(fO2) - 1.0) * 10.0 + 0.5);
    if (depth == 0)
        return QString::asprintf("MOD:%2dm, EAD:---, END:---", mod);
    const float p = float(depth) * 0.1f + 1.0f;
    const int ead = halfUp((fN2 * p / 0.79f - 1.0f) * 10.0f + 0.5f);
    const int end = halfUp(((1.0f - fHe) * p - 1.0f) * 10.0f + 0.5f);
    return QString::asprintf("MOD:%2dm, EAD:%2dm, END:%2dm", mod, ead, end);
}

} // namespace

TestGasDisplay::Row TestGasDisplay::row(int n) const
{
    auto* w = window;
    switch (n) {
    case 1: return {w->gas_1, w->first_1, w->O2_1l, w->O2_1, w->He_1l, w->He_1, w->depth_1l, w->depth_1, w->mod_1};
    case 2: return {w->gas_2, w->first_2, w->O2_2l, w->O2_2, w->He_2l, w->He_2, w->depth_2l, w->depth_2, w->mod_2};
    case 3: return {w->gas_3, w->first_3, w->O2_3l, w->O2_3, w->He_3l, w->He_3, w->depth_3l, w->depth_3, w->mod_3};
    case 4: return {w->gas_4, w->first_4, w->O2_4l, w->O2_4, w->He_4l, w->He_4, w->depth_4l, w->depth_4, w->mod_4};
    default: return {w->gas_5, w->first_5, w->O2_5l, w->O2_5, w->He_5l, w->He_5, w->depth_5l, w->depth_5, w->mod_5};
    }
}

void TestGasDisplay::initTestCase()
{
    QVERIFY(dir.isValid());
}

void TestGasDisplay::init()
{
    window = new VARN_Planner_Interface;
}

void TestGasDisplay::cleanup()
{
    delete window;
    window = nullptr;
}

void TestGasDisplay::constructionShowsComputedTexts()
{
    // Every row is 21/0 without change depth; the form's placeholder spacing is gone.
    for (int n = 1; n <= 5; ++n)
        QCOMPARE(row(n).mod->text(), QString("MOD:66m, EAD:---, END:---"));
    // The diluent line and the setpoint group are right before any edit.
    QCOMPARE(window->mod_sp1->text(), QString("Dil:21/00, CCR max depth:38m, EAD:38m, END:38m"));
    QVERIFY(!window->setpointGroup->isEnabled());
    QCOMPARE(window->setpointGroup->maximumHeight(), 17);
}

void TestGasDisplay::gasRow_data()
{
    QTest::addColumn<int>("o2");
    QTest::addColumn<int>("he");
    QTest::addColumn<int>("depth");
    QTest::addColumn<bool>("isFirst");
    QTest::addColumn<double>("ppO2Max");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("mixRed");
    QTest::addColumn<bool>("depthRed");

    // First-gas rows have depth 0; the others have their gas ticked and are not first.
    QTest::newRow("21/0 air") << 21 << 0 << 0 << true << 1.6 << "MOD:66m, EAD:---, END:---" << false << false;
    QTest::newRow("20/0 too much nitrogen") << 20 << 0 << 0 << true << 1.6 << "MOD:70m, EAD:---, END:---" << true << false;
    QTest::newRow("60/50 over 100") << 60 << 50 << 0 << true << 1.6 << "MOD:17m, EAD:---, END:---" << true << false;
    QTest::newRow("32/0 at 30") << 32 << 0 << 30 << false << 1.6 << "MOD:40m, EAD:24m, END:30m" << false << false;
    QTest::newRow("50/0 at 21") << 50 << 0 << 21 << false << 1.6 << "MOD:22m, EAD:10m, END:21m" << false << false;
    QTest::newRow("50/0 at its MOD") << 50 << 0 << 22 << false << 1.6 << "MOD:22m, EAD:10m, END:22m" << false << false;
    QTest::newRow("50/0 below its MOD") << 50 << 0 << 24 << false << 1.6 << "MOD:22m, EAD:12m, END:24m" << false << true;
    QTest::newRow("100/0 at 6, padded") << 100 << 0 << 6 << false << 1.6 << "MOD: 6m, EAD: 0m, END: 6m" << false << false;
    QTest::newRow("5/0 three digits") << 5 << 0 << 0 << true << 1.6 << "MOD:310m, EAD:---, END:---" << true << false;
    QTest::newRow("18/45 at 60") << 18 << 45 << 60 << false << 1.6 << "MOD:79m, EAD:23m, END:29m" << false << false;
    QTest::newRow("0/0 at 10") << 0 << 0 << 10 << false << 1.6 << "MOD: 0m, EAD:15m, END:10m" << true << true;
    // Less than 5 % oxygen is a mix the engine cannot breathe, though its sum is no more than 100.
    QTest::newRow("0/55 no oxygen") << 0 << 55 << 0 << true << 1.6 << "MOD: 0m, EAD:---, END:---" << true << false;
    QTest::newRow("4/80 too little oxygen") << 4 << 80 << 0 << true << 1.6 << "MOD:390m, EAD:---, END:---" << true << false;
    QTest::newRow("5/80 enough oxygen") << 5 << 80 << 0 << true << 1.6 << "MOD:310m, EAD:---, END:---" << false << false;
    QTest::newRow("deco gas without depth") << 50 << 0 << 0 << false << 1.6 << "MOD:22m, EAD:---, END:---" << false << true;
    // Half-way values: 1.45 / 0.20 and 1.40 / 0.80 land exactly on .5 before rounding.
    QTest::newRow("MOD half-way 1.45 on 20%") << 20 << 0 << 0 << true << 1.45 << "MOD:63m, EAD:---, END:---" << true << false;
    QTest::newRow("MOD half-way 1.40 on 80%") << 80 << 0 << 10 << false << 1.4 << "MOD: 8m, EAD: 0m, END:10m" << false << true;
    // The MOD is computed from the single-precision fraction: 0.70 / 0.56f is just below 1.25.
    QTest::newRow("MOD from single-precision O2") << 56 << 0 << 2 << false << 0.7 << "MOD: 2m, EAD: 0m, END: 2m" << false << false;
    // END: 28.5 + 0.5 reaches 29 exactly.
    QTest::newRow("END half-way") << 18 << 45 << 60 << false << 1.4 << "MOD:68m, EAD:23m, END:29m" << false << false;
    QTest::newRow("high ppO2 limit 0") << 21 << 0 << 3 << false << 0.0 << "MOD: 0m, EAD: 3m, END: 3m" << false << true;
}

void TestGasDisplay::gasRow()
{
    QFETCH(int, o2);
    QFETCH(int, he);
    QFETCH(int, depth);
    QFETCH(bool, isFirst);
    QFETCH(double, ppO2Max);
    QFETCH(QString, text);
    QFETCH(bool, mixRed);
    QFETCH(bool, depthRed);

    window->ppO2High->setValue(ppO2Max);
    const Row r = row(2);
    if (isFirst) {
        r.first->setChecked(true);
    } else {
        r.gas->setChecked(true);
    }
    r.o2->setValue(o2);
    r.he->setValue(he);
    r.depth->setValue(depth);

    QCOMPARE(r.mod->text(), text);
    QCOMPARE(r.mod->text(), expectedRowText(o2, he, depth, ppO2Max));
    QCOMPARE(r.o2->styleSheet(), mixRed ? redMix : QString());
    QCOMPARE(r.he->styleSheet(), mixRed ? redMix : QString());
    QCOMPARE(r.depth->styleSheet(), depthRed ? redDepth : QString());
}

void TestGasDisplay::mixCheckMatchesWholePercentRule()
{
    const Row r = row(3);
    r.gas->setChecked(true);
    for (int o2 = 0; o2 <= 100; ++o2) {
        r.o2->setValue(o2);
        for (int he = 0; he <= 100; ++he) {
            r.he->setValue(he);
            const bool invalid = o2 + he > 100 || 100 - o2 - he > 79 || o2 < 5;
            if ((r.o2->styleSheet() == redMix) != invalid || r.he->styleSheet() != r.o2->styleSheet())
                QFAIL(qPrintable(QString("mix %1/%2").arg(o2).arg(he)));
        }
    }
}

void TestGasDisplay::rowsAgreeWithFormulasEverywhere()
{
    const Row r = row(4);
    r.gas->setChecked(true);
    int checked = 0;
    for (double ppO2Max : {1.6, 1.4, 1.2}) {
        window->ppO2High->setValue(ppO2Max);
        for (int he : {0, 10, 35, 45}) {
            r.he->setValue(he);
            for (int o2 = 0; o2 + he <= 100; o2 += 3) {
                r.o2->setValue(o2);
                for (int depth = 0; depth <= 130; ++depth) {
                    r.depth->setValue(depth);
                    const QString want = expectedRowText(o2, he, depth, ppO2Max);
                    if (r.mod->text() != want)
                        QFAIL(qPrintable(QString("%1/%2 at %3 m, %4 bar: %5, expected %6")
                                             .arg(o2).arg(he).arg(depth).arg(ppO2Max).arg(r.mod->text(), want)));
                    ++checked;
                }
            }
        }
    }
    QVERIFY(checked > 10000);
}

void TestGasDisplay::inactiveRowIsDisabledButRecomputed()
{
    const Row r = row(5);
    QVERIFY(!r.gas->isChecked() && !r.first->isChecked());
    r.o2->setValue(50);
    r.depth->setValue(30);
    QCOMPARE(r.mod->text(), QString("MOD:22m, EAD:15m, END:30m"));
    for (QWidget* w : std::initializer_list<QWidget*>{r.o2Label, r.o2, r.heLabel, r.he, r.depthLabel, r.depth, r.mod})
        QVERIFY2(!w->isEnabled(), qPrintable(w->objectName()));
    QVERIFY(r.gas->isEnabled() && r.first->isEnabled());
    // Deeper than the MOD, but an unused gas is not marked.
    QCOMPARE(r.depth->styleSheet(), QString());

    r.gas->setChecked(true);
    for (QWidget* w : std::initializer_list<QWidget*>{r.o2Label, r.o2, r.heLabel, r.he, r.depthLabel, r.depth, r.mod})
        QVERIFY2(w->isEnabled(), qPrintable(w->objectName()));
    QCOMPARE(r.depth->styleSheet(), redDepth);
}

void TestGasDisplay::firstGasRowHasNoChangeDepth()
{
    const Row r = row(3);
    r.gas->setChecked(true);
    r.depth->setValue(40);
    QVERIFY(r.depth->isEnabled());

    r.first->setChecked(true);
    QVERIFY(!window->first_1->isChecked());
    QVERIFY(!r.depthLabel->isEnabled());
    QVERIFY(!r.depth->isEnabled());
    QVERIFY(r.o2->isEnabled());
    // Still deeper than the MOD of air at 1.6 bar? 40 m is not.
    QCOMPARE(r.depth->styleSheet(), QString());
    r.depth->setValue(70);
    QCOMPARE(r.depth->styleSheet(), redDepth);
}

void TestGasDisplay::eachRowHasItsOwnSlot()
{
    for (int n = 1; n <= 5; ++n) {
        const Row r = row(n);
        const QString before = r.mod->text();
        r.o2->setValue(40);
        QCOMPARE(r.mod->text(), QString("MOD:30m, EAD:---, END:---"));
        // Only the edited row changes.
        for (int other = 1; other <= 5; ++other)
            if (other > n)
                QCOMPARE(row(other).mod->text(), before);
    }
    // Every row edit also refreshes the diluent line (row 1 is the first gas).
    window->He_1->setValue(20);
    QCOMPARE(window->mod_sp1->text(), QString("Dil:40/20, CCR max depth:15m, EAD: 3m, END:10m"));
}

void TestGasDisplay::maxPpO2ChangeRefreshesEveryRow()
{
    window->gas_2->setChecked(true);
    window->O2_2->setValue(50);
    window->depth_2->setValue(21);
    window->ppO2High->setValue(1.4);
    QCOMPARE(window->mod_1->text(), QString("MOD:57m, EAD:---, END:---"));
    QCOMPARE(window->mod_2->text(), QString("MOD:18m, EAD:10m, END:21m"));
    QCOMPARE(window->depth_2->styleSheet(), redDepth);
    QCOMPARE(window->mod_5->text(), QString("MOD:57m, EAD:---, END:---"));
}

void TestGasDisplay::diluentLine_data()
{
    QTest::addColumn<int>("firstRow");
    QTest::addColumn<int>("o2");
    QTest::addColumn<int>("he");
    QTest::addColumn<QString>("text");

    QTest::newRow("21/0") << 1 << 21 << 0 << "Dil:21/00, CCR max depth:38m, EAD:38m, END:38m";
    QTest::newRow("10/50") << 2 << 10 << 50 << "Dil:10/50, CCR max depth:90m, EAD:41m, END:40m";
    QTest::newRow("8/5") << 3 << 8 << 5 << "Dil: 8/05, CCR max depth:115m, EAD:128m, END:109m";
    QTest::newRow("95/0") << 4 << 95 << 0 << "Dil:95/00, CCR max depth: 1m, EAD: 0m, END: 1m";
    QTest::newRow("96/0") << 5 << 96 << 0 << "Dil:96/00, CCR max depth: 0m, EAD:---, END:---";
    QTest::newRow("0/0") << 2 << 0 << 0 << "Dil: 0/00, CCR max depth: 0m, EAD:---, END:---";
    QTest::newRow("100/0") << 1 << 100 << 0 << "Dil:100/00, CCR max depth: 0m, EAD:---, END:---";
}

void TestGasDisplay::diluentLine()
{
    QFETCH(int, firstRow);
    QFETCH(int, o2);
    QFETCH(int, he);
    QFETCH(QString, text);

    const Row r = row(firstRow);
    r.o2->setValue(o2);
    r.he->setValue(he);
    r.first->setChecked(true);
    // Another row's mix does not matter.
    const Row other = row(firstRow == 5 ? 1 : 5);
    other.o2->setValue(32);
    other.he->setValue(10);
    QCOMPARE(window->mod_sp1->text(), text);

    // The same line in closed circuit: only the enabling differs.
    window->ccrMode->setChecked(true);
    QCOMPARE(window->mod_sp1->text(), text);
}

void TestGasDisplay::noFirstGasGivesEmptyDiluent()
{
    window->first_1->setAutoExclusive(false);
    window->first_1->setChecked(false);
    QCOMPARE(window->mod_sp1->text(), QString("Dil: 0/00, CCR max depth: 0m, EAD:---, END:---"));
}

void TestGasDisplay::circuitModeEnablesSetpoints()
{
    QDoubleSpinBox* const boxes[] = {window->ppo2_1, window->ppo2_2, window->ppo2_3};
    QVERIFY(!window->setpointGroup->isEnabled());
    for (QDoubleSpinBox* box : boxes)
        QVERIFY(!box->isEnabled());

    window->ccrMode->setChecked(true);
    QVERIFY(window->setpointGroup->isEnabled());
    QCOMPARE(window->setpointGroup->maximumHeight(), 32767);
    for (QDoubleSpinBox* box : boxes)
        QVERIFY(box->isEnabled());

    window->ocrMode->setChecked(true);
    QVERIFY(!window->ccrMode->isChecked());
    QVERIFY(!window->setpointGroup->isEnabled());
    QCOMPARE(window->setpointGroup->maximumHeight(), 17);
    for (QDoubleSpinBox* box : boxes)
        QVERIFY(!box->isEnabled());
    // The diluent line is recomputed in open circuit too.
    window->O2_1->setValue(32);
    QCOMPARE(window->mod_sp1->text(), QString("Dil:32/00, CCR max depth:21m, EAD:17m, END:21m"));
}

QTEST_MAIN(TestGasDisplay)
#include "tst_gasdisplay.moc"
