// Takes the help page's pictures: screenshots of the main window built offscreen, with a
// throw-away defaults file, written into resources/Doc/.

#include "PlannerApplication.h"
#include "Settings.h"
#include "VARN_Planner_Interface.h"

#include <QDir>
#include <QPixmap>
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
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
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
    // As at start-up: extra width goes to the group-box column.
    window.splitter->setStretchFactor(0, 1);
    window.splitter->setStretchFactor(1, 0);
    window.resize(1032, 720);
    window.show();
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

    // 1.3 and 2.3: the planning group with its three simulation buttons.
    save(grabGroup(window.planGB), "simulate.png");
    window.interval->setValue(0);
    settle();
    save(grabGroup(window.planGB), "ascent.png");
    window.interval->setValue(-10);

    // 1.4, 2.1, 2.2 and 2.4: the graphic output group.
    window.depthGraph->setChecked(true);
    window.ceilGraph->setChecked(true);
    settle();
    save(grabGroup(window.plotGB), "plot.png");
    for (QCheckBox* curve : {window.ndlGraph, window.leadGraph, window.gfGraph, window.ppO2Graph, window.cnsGraph})
        curve->setChecked(true);
    settle();
    save(grabGroup(window.plotGB), "curves.png");
    save(grabGroup(window.plotGB), "runtimes.png");
    save(grabGroup(window.plotGB), "tissues.png");

    // 1.5: the strip of buttons across the top of the window.
    QWidget* strip = window.loadButton->parentWidget();
    const QRect stripArea(0, 0, strip->width(), window.splitter->geometry().top());
    save(strip->grab(stripArea), "save.png");

    // Advanced features: the other dive settings.
    window.shallow_first->setChecked(true);
    window.gas_switch_delay->setValue(1);
    window.extra_time->setValue(5);
    settle();
    save(grabGroup(window.otherGB), "settings.png");
    save(window.grab(), "volumes.png");

    // CCR bail-out: closed circuit with its setpoints and diluent line.
    window.ccrMode->setChecked(true);
    window.O2_1->setValue(10);
    window.He_1->setValue(50);
    window.ppo2_1->setValue(1.2);
    settle();
    save(window.grab(), "ccr.png");

    window.hide();
    delete settings;
    settings = nullptr;
    mainWindow = nullptr;
    return failures ? 1 : 0;
}
