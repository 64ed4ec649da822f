#include "VARN_Planner_Interface.h"

#include "Settings.h"
#include "Version.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEvent>
#include <QFile>
#include <QImage>
#include <QPixmap>
#include <QScopedPointer>
#include <QScrollBar>
#include <QSplashScreen>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QtMath>

VARN_Planner_Interface* mainWindow = nullptr;

namespace {

const char* const invalidMixStyle = "QSpinBox { color: red}";
const char* const invalidDepthStyle = "QSpinBox { color: red }";

// The least width of a gas row's MOD/EAD/END text, as the form lays it out.
const int gasTextWidth = 165;

// A depth rounded to whole metres by adding one half and truncating; never below zero.
int wholeMetres(double value)
{
    const int metres = int(value);
    return metres < 0 ? 0 : metres;
}

// Equivalent air depth and equivalent narcotic depth at the ambient pressure p (bar).
// Oxygen counts as narcotic; only helium is discounted.
int equivalentAirDepth(float fN2, float p)
{
    return wholeMetres((fN2 * p / 0.79f - 1) * 10 + 0.5f);
}

int equivalentNarcoticDepth(float fHe, float p)
{
    return wholeMetres(((1 - fHe) * p - 1) * 10 + 0.5f);
}

} // namespace

VARN_Planner_Interface::VARN_Planner_Interface()
    : QMainWindow(nullptr, Qt::Window)
{
    // The resources are compiled into a static library: pull them into every program using the window.
    Q_INIT_RESOURCE(VARN_Planner);

    setupUi(this);
    gasRows[0] = {gas_1, first_1, O2_1l, O2_1, He_1l, He_1, depth_1l, depth_1, mod_1};
    gasRows[1] = {gas_2, first_2, O2_2l, O2_2, He_2l, He_2, depth_2l, depth_2, mod_2};
    gasRows[2] = {gas_3, first_3, O2_3l, O2_3, He_3l, He_3, depth_3l, depth_3, mod_3};
    gasRows[3] = {gas_4, first_4, O2_4l, O2_4, He_4l, He_4, depth_4l, depth_4, mod_4};
    gasRows[4] = {gas_5, first_5, O2_5l, O2_5, He_5l, He_5, depth_5l, depth_5, mod_5};

    // The setpoint group follows the circuit mode from the start, not only from the first edit.
    refreshGasRows();
    setpointSlot();
    // The MOD texts depend on the maximum ppO2: keep them right when only that value changes,
    // as it does when a parameter file is loaded.
    connect(ppO2High, QOverload<double>::of(&QDoubleSpinBox::valueChanged),
            this, &VARN_Planner_Interface::refreshGasRows);

    // Replay mode off gives the planning values back to the user.
    connect(replayModeCB, &QCheckBox::toggled, this, &VARN_Planner_Interface::lockPlanningToLog);

    splitter->setCollapsible(0, false);
    fixColumnWidth();
    fixConsoleWidth();
}

VARN_Planner_Interface::~VARN_Planner_Interface() = default;

// The group-box column never gets narrower than its widest group box. A scroll area's own size
// hint is capped at a few dozen characters, so measure its contents instead, styled and with
// fresh layouts: widgets not yet shown leave their parents' layout caches stale.
void VARN_Planner_Interface::fixColumnWidth()
{
    scrollAreaWidgetContents->ensurePolished();
    for (QWidget* widget : scrollAreaWidgetContents->findChildren<QWidget*>())
        widget->ensurePolished();
    // The gas texts keep one width whatever their numbers, wide enough for the longest.
    const QString widest = tr("MOD:%1m, EAD:%2m, END:%3m", "gas").arg(888).arg(888).arg(888);
    for (QLabel* mod : {mod_1, mod_2, mod_3, mod_4, mod_5})
        mod->setMinimumWidth(qMax(gasTextWidth, mod->fontMetrics().horizontalAdvance(widest)));
    for (QWidget* widget : scrollAreaWidgetContents->findChildren<QWidget*>())
        widget->updateGeometry();
    for (QLayout* layout : scrollAreaWidgetContents->findChildren<QLayout*>())
        layout->invalidate();
    scrollArea->setMinimumWidth(scrollAreaWidgetContents->minimumSizeHint().width()
                                + scrollArea->verticalScrollBar()->sizeHint().width() + 2 * scrollArea->frameWidth());
}

// The Console is never narrower than the widest lines of a plan, so that none of them wraps:
// a stop line with a gas switch and the plan's status line, laid out as the Console lays them
// out, with the simulation's tab stops.
void VARN_Planner_Interface::fixConsoleWidth()
{
    textEdit->ensurePolished();
    QTextDocument sample;
    sample.setDefaultFont(textEdit->font());
    QTextOption option = sample.defaultTextOption();
    option.setTabStopDistance(12);
    sample.setDefaultTextOption(option);

    QTextCursor cursor(&sample);
    cursor.insertText(QString::asprintf("\t%2d m :\t%3d '\t%4.0f '", 21, 12, 188.0) + " ("
                      + tr("SWITCH Gas#%1 -> Gas#%2").arg(1).arg(2) + ")");
    cursor.insertBlock();
    cursor.insertText(QString::asprintf("%3d:%02d %5.1fm ", 188, 58, 100.0) + tr("Deco:", "Console")
                      + " ppO2=1.60");
    textEdit->setMinimumWidth(qCeil(sample.idealWidth()) + 2 * textEdit->frameWidth()
                              + textEdit->verticalScrollBar()->sizeHint().width());
}

void VARN_Planner_Interface::changeEvent(QEvent* e)
{
    if (e->type() == QEvent::LanguageChange)
        languageChange();
    QMainWindow::changeEvent(e);
}

// The window's own close button, like the Exit action: a transfer cut off by the program's end
// would leave the dive computer in its boot loader or half written.
void VARN_Planner_Interface::closeEvent(QCloseEvent* event)
{
    if (refusedWhileRunning()) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
}

void VARN_Planner_Interface::languageChange()
{
    retranslateUi(this);
    // retranslateUi puts placeholders back into the gas texts: show the real values again.
    refreshGasRows();
    setpointSlot();
    // Translated texts may be wider: the column still holds its widest group box, and the
    // Console a whole plan line.
    fixColumnWidth();
    fixConsoleWidth();
}

void VARN_Planner_Interface::closeAllWindows()
{
    if (refusedWhileRunning())
        return;
    setup();
    QApplication::closeAllWindows();
}

// A dialog built for each use, so it always starts from the stored options.
void VARN_Planner_Interface::settingsSlot()
{
    if (refusedWhileRunning())
        return;
    QScopedPointer<Settings> dialog(new Settings(this));
    runSettings(dialog.data());
}

int VARN_Planner_Interface::runSettings(Settings* dialog)
{
    return dialog->exec();
}

void VARN_Planner_Interface::helpSlot()
{
    if (!helpBrowser) {
        QFile page(":/help/Doc/index.html");
        page.open(QIODevice::ReadOnly);
        const QByteArray bytes = page.readAll();

        helpBrowser = new QTextBrowser;
        helpBrowser->setAttribute(Qt::WA_QuitOnClose, false);
        helpBrowser->resize(800, 600);
        helpBrowser->setOpenExternalLinks(true);
        helpBrowser->setText(QString::fromLatin1(bytes.constData()));
    }
    helpBrowser->show();
    helpBrowser->raise();
}

void VARN_Planner_Interface::aboutSlot()
{
    if (!splash) {
        const QString text =
            QString("<font size='+3'><i>VARN Planner</i></font> <i>v%1%2 - VARN firmware %3.%4%5</i><br>")
                .arg(Version::program)
                .arg(QString(" beta %1").arg(Version::beta))
                .arg(Version::firmwareMajor)
                .arg(Version::firmwareMinor)
                .arg(" (release)")
            + tr("<i>VARN Planner</i> software purposes is:<ul>"
                 "<li>To play with and understand the decompression parameters of your <i>VARN</i> computer "
                 "(model, gradient factors, switch depth, etc.)."
                 "<li>To plot simulated dive profiles and compare several configurations "
                 "(gas mix, deco tanks, setpoints, stops, etc.)"
                 "<li>To check the <i>VARN</i> by comparing its results to other deco softwares."
                 "<li>To backup, edit and restore your <i>VARN</i> computer configurations.</ul>");

        // The picture is stretched to the text's room, so a large font still fits.
        const QFontMetrics metrics = fontMetrics();
        const int width = 80 * metrics.averageCharWidth() + 10;
        const int height = 16 * metrics.lineSpacing() + 12;
        const QImage picture = QImage(":/image/VARN_Planner_splash.png")
                                   .scaled(width, height, Qt::IgnoreAspectRatio, Qt::FastTransformation);

        splash = new QSplashScreen(QPixmap::fromImage(picture, Qt::AutoColor), Qt::WindowStaysOnTopHint);
        splash->showMessage(text, Qt::AlignVCenter, Qt::black);
    }
    splash->show();
    // Opened again later, it would stay under the main window.
    splash->raise();
}

void VARN_Planner_Interface::refreshGasRow(int row)
{
    const GasRow& r = gasRows[row - 1];
    gasModEadEnd(r.active, r.first, r.o2Label, r.o2, r.heLabel, r.he, r.depthLabel, r.depth, r.mod);
}

void VARN_Planner_Interface::refreshGasRows()
{
    for (int row = 1; row <= 5; ++row)
        refreshGasRow(row);
}

void VARN_Planner_Interface::gas1ModSlot()
{
    refreshGasRow(1);
    setpointSlot();
}

void VARN_Planner_Interface::gas2ModSlot()
{
    refreshGasRow(2);
    setpointSlot();
}

void VARN_Planner_Interface::gas3ModSlot()
{
    refreshGasRow(3);
    setpointSlot();
}

void VARN_Planner_Interface::gas4ModSlot()
{
    refreshGasRow(4);
    setpointSlot();
}

void VARN_Planner_Interface::gas5ModSlot()
{
    refreshGasRow(5);
    setpointSlot();
}

void VARN_Planner_Interface::gasModEadEnd(const QCheckBox* gas, QRadioButton* first, QLabel* o2Label, QSpinBox* o2,
                                          QLabel* heLabel, QSpinBox* he, QLabel* depthLabel, QSpinBox* depth,
                                          QLabel* mod)
{
    const float fO2 = o2->value() * 0.01f;
    const float fHe = he->value() * 0.01f;
    const float fN2 = 1 - fO2 - fHe;
    const bool active = gas->isChecked() || first->isChecked();

    // More than 100 % in all, more nitrogen than air holds, or less oxygen than the engine takes.
    const bool invalidMix = fO2 + fHe > 1 || fN2 > 0.79f || o2->value() < 5;
    o2->setStyleSheet(invalidMix ? invalidMixStyle : "");
    he->setStyleSheet(invalidMix ? invalidMixStyle : "");

    const int maxDepth = fO2 > 0 ? wholeMetres((ppO2High->value() / double(fO2) - 1) * 10 + 0.5) : 0;

    const int changeDepth = depth->value();
    const float pressure = changeDepth * 0.1f + 1;
    if (changeDepth > 0)
        mod->setText(tr("MOD:%1m, EAD:%2m, END:%3m", "gas")
                         .arg(maxDepth, 2)
                         .arg(equivalentAirDepth(fN2, pressure), 2)
                         .arg(equivalentNarcoticDepth(fHe, pressure), 2));
    else
        mod->setText(tr("MOD:%1m, EAD:---, END:---", "gas").arg(maxDepth, 2));

    o2Label->setEnabled(active);
    o2->setEnabled(active);
    heLabel->setEnabled(active);
    he->setEnabled(active);
    mod->setEnabled(active);
    // The first gas is breathed from the start: it has no change depth.
    depthLabel->setEnabled(active && !first->isChecked());
    depth->setEnabled(active && !first->isChecked());

    const bool invalidDepth = (active && changeDepth > maxDepth)
                              || (gas->isChecked() && !first->isChecked() && changeDepth == 0);
    depth->setStyleSheet(invalidDepth ? invalidDepthStyle : "");
}

void VARN_Planner_Interface::setpointSlot()
{
    setpointGroup->setEnabled(ccrMode->isChecked());
    spModEadEnd(ppo2_1);
    spModEadEnd(ppo2_2);
    spModEadEnd(ppo2_3);

    // The diluent is the first gas.
    float fO2 = 0;
    float fHe = 0;
    for (int i = 0; i < 5; ++i) {
        if (gasRows[i].first->isChecked()) {
            fO2 = gasRows[i].o2->value() * 0.01f;
            fHe = gasRows[i].he->value() * 0.01f;
            break;
        }
    }

    // Deepest depth at which the diluent still gives a ppO2 of 1.0 bar.
    const int maxDepth = fO2 > 0 ? wholeMetres((1 / fO2 - 1) * 10 + 0.5f) : 0;
    const float pressure = maxDepth * 0.1f + 1;
    const int o2Percent = int(fO2 * 100 + 0.5f);
    const int hePercent = int(fHe * 100 + 0.5f);

    if (maxDepth > 0)
        mod_sp1->setText(tr("Dil:%1/%2, CCR max depth:%3m, EAD:%4m, END:%5m")
                             .arg(o2Percent, 2)
                             .arg(hePercent, 2, 10, QChar('0'))
                             .arg(maxDepth, 2)
                             .arg(equivalentAirDepth(1 - fO2 - fHe, pressure), 2)
                             .arg(equivalentNarcoticDepth(fHe, pressure), 2));
    else
        mod_sp1->setText(tr("Dil:%1/%2, CCR max depth:%3m, EAD:---, END:---")
                             .arg(o2Percent, 2)
                             .arg(hePercent, 2, 10, QChar('0'))
                             .arg(maxDepth, 2));
}

void VARN_Planner_Interface::spModEadEnd(QDoubleSpinBox* box)
{
    box->setEnabled(ccrMode->isChecked());
}
