#include "PlotInterface.h"
#include "Settings.h"
#include "VARN_eeprom.h"
#include "p2_deco.h"
#include "scriptedwindow.h"
#include "temporarydefaults.h"

#include <QSettings>
#include <QtTest>
#include <qwt_plot.h>
#include <qwt_scale_div.h>

// The editor and plot window actions of the main window, reached the way the user reaches
// them: menu actions and buttons.
class TestWindowActions : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void editorStartsFromTheFormAndWritesBack();
    void cancelledEditorKeepsTheForm();
    void editorKeepsValuesItCannotShow();
    void tissuesPlotKeepsItsFirstRange();

private:
    TemporaryDefaults dir;
    ScriptedWindow* window = nullptr;
};

void TestWindowActions::initTestCase()
{
    QVERIFY(dir.isValid());
}

void TestWindowActions::init()
{
    eeprom = VARN_eeprom();
    window = new ScriptedWindow;
}

void TestWindowActions::cleanup()
{
    delete window;
    window = nullptr;
}

void TestWindowActions::editorStartsFromTheFormAndWritesBack()
{
    window->GF_high->setValue(80);
    window->shallow_first->setChecked(true);
    window->ppO2High->setValue(1.45);

    QString shownText;
    int shownGfHigh = -1;
    int shownShallow = -1;
    int shownPpO2 = -1;
    window->editor = [&](CF_Editor_Interface* editor) {
        shownText = editor->text->text();
        shownGfHigh = editor->value(33);
        shownShallow = editor->value(54);
        shownPpO2 = editor->value(18);
        editor->setValue(33, 65);
        editor->setValue(29, 6);
        editor->setValue(54, 0);
        editor->setValue(70, 3);
        editor->customText->setText("Hello diver");
        return int(QDialog::Accepted);
    };
    window->editCFButton->click();

    QCOMPARE(window->editorRuns, 1);
    QCOMPARE(shownText, QString("VARN <i>serial not loaded</i>"));
    QCOMPARE(shownGfHigh, 80);
    QCOMPARE(shownShallow, 1);
    QCOMPARE(shownPpO2, 145);

    // Accepted: the image holds the edits, and the form shows them.
    QCOMPARE(int(eeprom.cf(33).value), 65);
    QCOMPARE(int(eeprom.cf(70).value), 3);
    QCOMPARE(int(eeprom.customTextOn), 1);
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(eeprom.customText), 12), QByteArray("Hello diver}"));
    QCOMPARE(window->GF_high->value(), 65);
    QCOMPARE(window->last_stop->value(), 6);
    QVERIFY(!window->shallow_first->isChecked());

    // The same dialog again, showing what the image holds now.
    QPointer<CF_Editor_Interface> first = window->cfEditor;
    int shownCF70 = -1;
    window->editor = [&](CF_Editor_Interface* editor) {
        shownCF70 = editor->value(70);
        return int(QDialog::Accepted);
    };
    window->actionEditCF->trigger();
    QCOMPARE(window->editorRuns, 2);
    QCOMPARE(window->cfEditor, first);
    QCOMPARE(shownCF70, 3);
}

void TestWindowActions::cancelledEditorKeepsTheForm()
{
    window->GF_low->setValue(42);
    window->editor = [](CF_Editor_Interface* editor) {
        editor->setValue(32, 20);
        editor->setValue(80, 1);
        return int(QDialog::Rejected);
    };
    window->actionEditCF->trigger();
    QCOMPARE(window->editorRuns, 1);
    // The image holds the form, as setup wrote it before the editor ran.
    QCOMPARE(int(eeprom.cf(32).value), 42);
    QCOMPARE(int(eeprom.cf(80).value), int(VARN_eeprom().cf(80).value));
    QCOMPARE(window->GF_low->value(), 42);
}

void TestWindowActions::editorKeepsValuesItCannotShow()
{
    eeprom.cf(31).value = 2;                    // a BOOL of 2
    eeprom.cf(2).value = 1500;                  // a time of more than a day
    eeprom.cf(48).value = (unsigned short)-30;  // a negative signed time
    window->editor = [](CF_Editor_Interface*) { return int(QDialog::Accepted); };
    window->editCFButton->click();
    QCOMPARE(int(eeprom.cf(31).value), 2);
    QCOMPARE(int(eeprom.cf(2).value), 1500);
    QCOMPARE(int(eeprom.cf(48).value), 0xFFFF - 29);
}

void TestWindowActions::tissuesPlotKeepsItsFirstRange()
{
    QVERIFY(!PlotInterface::cptPlot);
    window->press_surface->setValue(913);
    window->dive_depth->setValue(60);
    window->pressurePlot->click();

    PlotInterface* tissues = PlotInterface::cptPlot;
    QVERIFY(tissues);
    QVERIFY(tissues->isVisible());
    QCOMPARE(tissues->windowTitle(), QString("Tissues plot"));
    QCOMPARE(tissues->tissueCurves.size(), NUM_COMP);
    // The surface pressure of the form is the plot's surface: setup ran first.
    QCOMPARE(int(int_I_pres_surface), 913);
    QCOMPARE(tissues->qwtPlot->axisScaleDiv(QwtPlot::xBottom).upperBound(), 0.913 + 6.0);
    // The dive traces window exists now, hidden while no curve is ticked.
    QVERIFY(PlotInterface::plot);
    QVERIFY(!PlotInterface::plot->isVisible());

    tissues->hide();
    window->dive_depth->setValue(100);
    window->actionPressureDiagram->trigger();
    QCOMPARE(PlotInterface::cptPlot, tissues);
    QVERIFY(tissues->isVisible());
    QCOMPARE(tissues->tissueCurves.size(), NUM_COMP);
    QCOMPARE(tissues->qwtPlot->axisScaleDiv(QwtPlot::xBottom).upperBound(), 0.913 + 6.0);
    tissues->hide();
}

QTEST_MAIN(TestWindowActions)
#include "tst_windowactions.moc"
