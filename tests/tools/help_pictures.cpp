// Takes the help page's pictures: screenshots of the main window and of the plot windows built
// offscreen with a throw-away defaults file, after real simulations run through the window's
// own actions, written into resources/Doc/.

#include "ClosingGroupBox.h"
#include "PlannerApplication.h"
#include "PlotInterface.h"
#include "Settings.h"
#include "VARN_Planner_Interface.h"

#include <algorithm>

#include <QCheckBox>
#include <QDir>
#include <QPixmap>
#include <QScrollBar>
#include <QSettings>
#include <QTemporaryDir>
#include <QTextStream>

namespace {

int failures = 0;

void save(const QPixmap& picture, const char* name)
{
    const QString path = QString(VARN_RESOURCES_DIR) + "/Doc/" + name;
    QTextStream out(stdout);
    if (picture.isNull() || !picture.save(path)) {
        out << "FAILED " << path << '\n';
        ++failures;
    } else {
        out << path << '\n';
    }
}

// A group box together with the column's margin around it.
QPixmap grabGroup(QWidget* box)
{
    return box->grab(box->rect().adjusted(-2, -2, 2, 2));
}

void settle()
{
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}

// Only the named groups of the input column open, so that they and the Console share a picture.
void openGroups(VARN_Planner_Interface& window, std::initializer_list<ClosingGroupBox*> open)
{
    for (ClosingGroupBox* box : window.scrollAreaWidgetContents->findChildren<ClosingGroupBox*>()) {
        box->setChecked(std::find(open.begin(), open.end(), box) != open.end());
        box->clickSlot();
    }
    window.scrollArea->verticalScrollBar()->setValue(0);
    settle();
}

// The plot windows as they open beside the main window.
QPixmap grabPlot(PlotInterface* plot)
{
    plot->resize(900, 600);
    plot->show();
    settle();
    plot->qwtPlot->replot();
    settle();
    return plot->grab();
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir home;
    qputenv("HOME", home.path().toLocal8Bit());
    PlannerApplication app(argc, argv);

    settings = new QSettings(home.filePath(".VARN_Planner_Defaults.ini"), QSettings::IniFormat);
    VARN_Planner_Interface window;
    mainWindow = &window;
    // As at start-up: the first run's parameters, extra width to the group-box column.
    window.load(settings);
    window.splitter->setStretchFactor(0, 1);
    window.splitter->setStretchFactor(1, 0);
    window.resize(1260, 720);
    window.show();
    settle();
    // The narrowest column, and the rest for the Console's plan lines.
    const int column = window.scrollArea->minimumWidth();
    window.splitter->setSizes({column, window.splitter->width() - window.splitter->handleWidth() - column});
    settle();

    // 1.1: the decompression model, gradient factors chosen.
    window.gradientFactor->setChecked(true);
    window.GF_low->setValue(30);
    window.GF_high->setValue(85);
    settle();
    save(grabGroup(window.decoGB), "model.png");

    // 1.2: a trimix dive with two deco gases.
    window.O2_1->setValue(18);
    window.He_1->setValue(45);
    window.gas_2->setChecked(true);
    window.O2_2->setValue(50);
    window.depth_2->setValue(21);
    window.gas_3->setChecked(true);
    window.O2_3->setValue(100);
    window.depth_3->setValue(6);
    window.dive_depth->setValue(60);
    window.dive_time->setValue(25);
    settle();
    save(grabGroup(window.gasGB), "gas.png");

    // 1.3: the planning group and the Console after Simulate.
    openGroups(window, {window.gasGB, window.planGB, window.plotGB});
    window.simulateButton->click();
    settle();
    save(window.grab(), "simulate.png");

    // 1.4: depth and ceiling of the dive, and its runtime.
    window.depthGraph->setChecked(true);
    window.ceilGraph->setChecked(true);
    window.clearProfil->click();
    window.simulateButton->click();
    window.addRuntime->click();
    save(grabPlot(PlotInterface::plot), "plot.png");

    // 1.5: the strip of buttons across the top of the window.
    QWidget* strip = window.loadButton->parentWidget();
    const QRect stripArea(0, 0, strip->width(), window.splitter->geometry().top());
    save(strip->grab(stripArea), "save.png");

    // 2.1: every curve of the dive traces window.
    for (QCheckBox* curve : {window.ndlGraph, window.leadGraph, window.gfGraph, window.ppO2Graph, window.cnsGraph})
        curve->setChecked(true);
    window.clearProfil->click();
    window.simulateButton->click();
    window.ascentButton->click();
    save(grabPlot(PlotInterface::plot), "curves.png");

    // 2.2: runtimes of three plans of the same dive in one plot, with the dive's depth.
    for (QCheckBox* curve : window.plotGB->findChildren<QCheckBox*>())
        curve->setChecked(curve == window.depthGraph);
    window.clearProfil->click();
    window.simulateButton->click();
    window.addRuntime->click();
    window.GF_low->setValue(50);
    window.GF_high->setValue(70);
    window.simulateButton->click();
    window.addRuntime->click();
    window.GF_low->setValue(30);
    window.GF_high->setValue(85);
    window.gas_2->setChecked(false);
    window.simulateButton->click();
    window.addRuntime->click();
    window.gas_2->setChecked(true);
    save(grabPlot(PlotInterface::plot), "runtimes.png");

    // 2.3 and 2.4: the simulated ascent beside the runtime, and the tissues during both.
    window.clearProfil->click();
    window.pressurePlot->click();
    window.simulateButton->click();
    window.addRuntime->click();
    window.ascentButton->click();
    save(grabPlot(PlotInterface::plot), "ascent.png");
    save(grabPlot(PlotInterface::cptPlot), "tissues.png");
    PlotInterface::cptPlot->hide();
    window.depthGraph->setChecked(false);

    // Advanced features: the other dive settings.
    openGroups(window, {window.otherGB, window.planGB});
    window.shallow_first->setChecked(true);
    window.gas_switch_delay->setValue(1);
    window.extra_time->setValue(5);
    window.bottomGasUsage->setValue(18);
    window.ascentGasUsage->setValue(15);
    settle();
    save(grabGroup(window.otherGB), "settings.png");

    // CF56 and CF57: the runtime and the gas of each tank after Gas volumes, deepest stop first.
    window.shallow_first->setChecked(false);
    window.simulateButton->click();
    window.gasVolumesButton->click();
    settle();
    save(window.grab(), "volumes.png");

    // CCR bail-out: closed circuit with its setpoints and diluent line, then the bail-out plan.
    window.gas_switch_delay->setValue(0);
    window.extra_time->setValue(0);
    window.ccrMode->setChecked(true);
    window.O2_1->setValue(10);
    window.He_1->setValue(50);
    window.ppo2_1->setValue(1.2);
    window.gas_4->setChecked(true);
    window.O2_4->setValue(18);
    window.He_4->setValue(45);
    window.depth_4->setValue(60);
    openGroups(window, {window.decoGB, window.gasGB, window.setpointGroup});
    window.actionSimulate->trigger();
    window.actionGasVolumes->trigger();
    settle();
    save(window.grab(), "ccr.png");

    window.hide();
    PlotInterface::plot->hide();
    delete settings;
    settings = nullptr;
    mainWindow = nullptr;
    return failures ? 1 : 0;
}
