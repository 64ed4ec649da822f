#include "Settings.h"
#include "VARN_Planner_Interface.h"
#include "VARN_eeprom.h"
#include "p2_deco.h"
#include "scriptedwindow.h"
#include "temporarydefaults.h"

#include <QSettings>
#include <QSplashScreen>
#include <QTextBrowser>
#include <QTranslator>
#include <QtTest>

// The main window's form (objects, values, texts, menus, connections) and the window's own
// slots: help, about and exit, shortcuts and retranslation.
class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void formObjects_data();
    void formObjects();
    void initialState_data();
    void initialState();
    void texts_data();
    void texts();
    void actions_data();
    void actions();
    void menus();
    void buttonStrip_data();
    void buttonStrip();
    void columnAndSplitter();
    void gasTextsHaveRoomForTheirLongestText();
    void connections();
    void modelChoiceEnablesItsFactors();
    void replayModeEnablesItsWidgets();
    void circuitModeEnablesSetpointReplayOptions();
    void shortcutsAreUniqueAndFire();
    void helpShowsOneBrowser_data();
    void helpShowsOneBrowser();
    void helpPageAndPictures();
    void aboutShowsSplash_data();
    void aboutShowsSplash();
    void exitClosesEveryWindow_data();
    void exitClosesEveryWindow();
    void exitCopiesTheForm_data();
    void exitCopiesTheForm();
    void retranslationChangesTextsNotValues();

private:
    TemporaryDefaults dir;
    VARN_Planner_Interface* window = nullptr;

    QObject* object(const QString& name) const;
    void activate(const QString& name);
};

namespace {

const QString tipLoad = "Load all model/dive parameters from a *.div file.<br>[Ctrl+L]";
const QString tipSave = "Save all model/dive parameters into a *.div file.<br>[Ctrl+S]";
const QString tipDownload = "Read configuration (customtext, model, gas, setpoints, and all CFs) from VARN.";
const QString tipEditCF = "Edit custom text and all <i>custom functions</i>.";
const QString tipUpload = "Write configuration (customtext, model, gas, setpoints, and all CFs) to VARN.";
const QString tipGasVolumes =
    "2. Recompute decoplaning from here, and evaluate gas consumptions for each tank.<br><b>Note</b>: You can "
    "change gas list and test different runtimes.<br><b>Note</b>: In CCR mode, switch to BAILOUT escape runtime, "
    "hence <i>Add runtime</i> will now plot bailout escape decoplaning.";

// Texts the form gives its widgets, as the translation mechanism sees them.
class MarkingTranslator : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char*, int) const override
    {
        const QString text = QString::fromUtf8(source);
        if (qstrcmp(context, "VARN_Planner") != 0 && qstrcmp(context, "VARN_Planner_Interface") != 0)
            return QString();
        if (text == "Ctrl+L")
            return "Ctrl+O";
        if (text == "F1")
            return "F2";
        return "XX " + text;
    }
};

// Every connection of the form, as Qt names the signals; buttons' clicked() and actions'
// triggered() carry their bool argument.
struct Connection {
    const char* sender;
    const char* signal;
    const char* receiver;
    const char* slot;
};

const char* const W = "VARN_Planner";

QVector<Connection> formConnections()
{
    QVector<Connection> c = {
        {"actionLoad", "triggered(bool)", W, "loadDiveSlot()"},
        {"actionSave", "triggered(bool)", W, "saveDiveSlot()"},
        {"actionExit", "triggered(bool)", W, "closeAllWindows()"},
        {"actionAbout", "triggered(bool)", W, "aboutSlot()"},
        {"actionHelp", "triggered(bool)", W, "helpSlot()"},
        {"actionSettings", "triggered(bool)", W, "settingsSlot()"},
        {"actionDownload", "triggered(bool)", W, "downloadVARNSlot()"},
        {"actionEditCF", "triggered(bool)", W, "editCFSlot()"},
        {"actionUploadCF", "triggered(bool)", W, "uploadVARNSlot()"},
        {"actionAscent", "triggered(bool)", W, "ascentSlot()"},
        {"ascentButton", "clicked(bool)", W, "ascentSlot()"},
        {"simulateButton", "clicked(bool)", W, "simulateSlot()"},
        {"actionSimulate", "triggered(bool)", W, "simulateSlot()"},
        {"actionGasVolumes", "triggered(bool)", W, "gasVolumesSlot()"},
        {"gasVolumesButton", "clicked(bool)", W, "gasVolumesSlot()"},
        {"addRuntime", "clicked(bool)", W, "addRuntimeSlot()"},
        {"clearProfil", "clicked(bool)", W, "clearProfilSlot()"},
        {"pressurePlot", "clicked(bool)", W, "pressureDiagramSlot()"},
        {"actionAddRuntime", "triggered(bool)", W, "addRuntimeSlot()"},
        {"actionClearProfil", "triggered(bool)", W, "clearProfilSlot()"},
        {"actionPressureDiagram", "triggered(bool)", W, "pressureDiagramSlot()"},
    };
    static const char* const rowSlots[] = {"gas1ModSlot()", "gas2ModSlot()", "gas3ModSlot()", "gas4ModSlot()",
                                           "gas5ModSlot()"};
    static QByteArray names[5][5];
    for (int n = 0; n < 5; ++n) {
        const char* prefixes[] = {"gas_", "first_", "O2_", "He_", "depth_"};
        const char* signalNames[] = {"toggled(bool)", "toggled(bool)", "valueChanged(int)", "valueChanged(int)",
                                     "valueChanged(int)"};
        for (int k = 0; k < 5; ++k) {
            names[n][k] = QByteArray(prefixes[k]) + QByteArray::number(n + 1);
            c.append({names[n][k].constData(), signalNames[k], W, rowSlots[n]});
        }
    }
    c += {
        {"ppo2_1", "valueChanged(double)", W, "setpointSlot()"},
        {"ccrMode", "toggled(bool)", W, "setpointSlot()"},
        {"buhlmann", "toggled(bool)", "saturation", "setEnabled(bool)"},
        {"buhlmann", "toggled(bool)", "desaturation", "setEnabled(bool)"},
        {"gradientFactor", "toggled(bool)", "GF_low", "setEnabled(bool)"},
        {"gradientFactor", "toggled(bool)", "GF_high", "setEnabled(bool)"},
        {"replayListCB", "activated(int)", W, "selectDiveSlot()"},
        {"replayButton", "clicked(bool)", W, "replayFileSlot()"},
        {"replayModeCB", "toggled(bool)", "replayListCB", "setEnabled(bool)"},
        {"replayModeCB", "toggled(bool)", "replayLE", "setEnabled(bool)"},
        {"ccrMode", "toggled(bool)", "replaySetpointCB", "setEnabled(bool)"},
        {"ccrMode", "toggled(bool)", "replayBreakOnSetpointCB", "setEnabled(bool)"},
        {"loadButton", "clicked(bool)", W, "loadDiveSlot()"},
        {"saveButton", "clicked(bool)", W, "saveDiveSlot()"},
        {"exitButton", "clicked(bool)", W, "closeAllWindows()"},
        {"helpButton", "clicked(bool)", W, "helpSlot()"},
        {"downloadCFButton", "clicked(bool)", W, "downloadVARNSlot()"},
        {"setDateTimeAction", "triggered(bool)", W, "setDateTimeSlot()"},
        {"editCFButton", "clicked(bool)", W, "editCFSlot()"},
        {"uploadCFButton", "clicked(bool)", W, "uploadVARNSlot()"},
        {"aboutButton", "clicked(bool)", W, "aboutSlot()"},
        {"upgradeFWButton", "clicked(bool)", W, "upgradeFWSlot()"},
        {"screenDumpButton", "clicked(bool)", W, "screenDumpSlot()"},
        {"setDateTimeButton", "clicked(bool)", W, "setDateTimeSlot()"},
        {"checkUpdatesAction", "triggered(bool)", W, "checkUpdatesSlot()"},
        {"settingsButton", "clicked(bool)", W, "settingsSlot()"},
    };
    return c;
}

// What QObject::dumpObjectInfo() prints, line by line.
QStringList dumpedLines(const QObject* object)
{
    static QStringList* lines = nullptr;
    QStringList collected;
    lines = &collected;
    const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType, const QMessageLogContext&, const QString& text) { lines->append(text.trimmed()); });
    object->dumpObjectInfo();
    qInstallMessageHandler(previous);
    lines = nullptr;
    return collected;
}

// "sender signal -> receiver slot" for the named-receiver connections that leave an object.
QStringList outgoing(const QObject* object)
{
    QStringList result;
    QString signal;
    bool out = false;
    for (const QString& line : dumpedLines(object)) {
        if (line == "SIGNALS OUT")
            out = true;
        else if (line == "SIGNALS IN")
            out = false;
        else if (out && line.startsWith("signal: "))
            signal = line.mid(8);
        else if (out && line.startsWith("--> ")) {
            const QString target = line.mid(4);
            const QString receiver = target.section(' ', 0, 0).section("::", 1);
            result << QString("%1 %2 -> %3 %4").arg(object->objectName(), signal, receiver, target.section(' ', 1));
        }
    }
    return result;
}

QString describe(const Connection& c)
{
    return QString("%1 %2 -> %3 %4").arg(c.sender, c.signal, c.receiver, c.slot);
}

QVariant property(const QObject* o, const char* name)
{
    if (qstrcmp(name, "minimumWidth") == 0 || qstrcmp(name, "maximumWidth") == 0)
        return o->property(name).toInt();
    return o->property(name);
}

} // namespace

QObject* TestMainWindow::object(const QString& name) const
{
    if (name == W)
        return window;
    return window->findChild<QObject*>(name);
}

// The way a user reaches an operation: an action is triggered, a button clicked.
void TestMainWindow::activate(const QString& name)
{
    QObject* o = object(name);
    QVERIFY2(o, qPrintable(name));
    if (auto* action = qobject_cast<QAction*>(o))
        action->trigger();
    else if (auto* button = qobject_cast<QAbstractButton*>(o))
        QTest::mouseClick(button, Qt::LeftButton);
    else
        QFAIL(qPrintable(name + " is neither an action nor a button"));
}

void TestMainWindow::initTestCase()
{
    QVERIFY(dir.isValid());
}

void TestMainWindow::init()
{
    // The file dialogs are answered as cancelled: the shortcuts below trigger them.
    window = new ScriptedWindow;
}

void TestMainWindow::cleanup()
{
    if (window->helpBrowser)
        window->helpBrowser->close();
    if (window->splash)
        window->splash->close();
    delete window;
    window = nullptr;
}

void TestMainWindow::formObjects_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("parentName");

    auto add = [](const QString& name, const char* cls, const QString& parent) {
        QTest::newRow(qPrintable(name)) << name << QString(cls) << parent;
    };
    for (const char* a : {"actionLoad", "actionSave", "actionExit", "actionDownload", "actionEditCF", "actionUploadCF",
                          "actionHelp", "actionAbout", "actionSettings", "actionSimulate", "actionGasVolumes",
                          "actionAscent", "actionAddRuntime", "actionClearProfil", "actionPressureDiagram",
                          "setDateTimeAction", "checkUpdatesAction"})
        add(a, "QAction", W);
    add("centralwidget", "QWidget", W);
    add("verticalLayout_4", "QVBoxLayout", "centralwidget");
    add("gridLayout_2", "QGridLayout", "verticalLayout_4");
    for (const char* b : {"loadButton", "saveButton", "downloadCFButton", "editCFButton", "uploadCFButton",
                          "screenDumpButton", "upgradeFWButton", "setDateTimeButton"})
        add(b, "QToolButton", "centralwidget");
    for (const char* b : {"exitButton", "helpButton", "settingsButton", "aboutButton"})
        add(b, "QPushButton", "centralwidget");
    add("line_2", "QFrame", "centralwidget");
    add("line_3", "QFrame", "centralwidget");
    add("splitter", "QSplitter", "centralwidget");
    add("scrollArea", "QScrollArea", "splitter");
    add("scrollAreaWidgetContents", "QWidget", "qt_scrollarea_viewport");
    add("verticalLayout_2", "QVBoxLayout", "scrollAreaWidgetContents");
    for (const char* g : {"decoGB", "gasGB", "setpointGroup", "otherGB", "planGB", "replayGroup", "plotGB"})
        add(g, "ClosingGroupBox", "scrollAreaWidgetContents");
    add("textEdit", "QTextEdit", "splitter");
    add("menubar", "QMenuBar", W);
    for (const char* m : {"menuFile", "menuPlanning", "menuVARN", "menuHelp"})
        add(m, "QMenu", "menubar");

    // Model group.
    add("gridLayout_5", "QGridLayout", "decoGB");
    add("line", "QFrame", "decoGB");
    add("frame", "QFrame", "decoGB");
    add("verticalLayout_3", "QVBoxLayout", "frame");
    add("buhlmann", "QRadioButton", "frame");
    add("gradientFactor", "QRadioButton", "frame");
    add("frame_2", "QFrame", "decoGB");
    add("verticalLayout_5", "QVBoxLayout", "frame_2");
    add("ocrMode", "QRadioButton", "frame_2");
    add("ccrMode", "QRadioButton", "frame_2");
    for (const char* l : {"label_3", "label_4", "label", "label_2"})
        add(l, "QLabel", "decoGB");
    for (const char* s : {"saturation", "desaturation", "GF_low", "GF_high"})
        add(s, "QSpinBox", "decoGB");

    // Gas group.
    add("verticalLayout", "QVBoxLayout", "gasGB");
    for (int n = 1; n <= 5; ++n) {
        const QString d = QString::number(n);
        add("horizontalLayout_" + QString::number(n + 3), "QHBoxLayout", "verticalLayout");
        add("gas_" + d, "QCheckBox", "gasGB");
        add("first_" + d, "QRadioButton", "gasGB");
        add("O2_" + d + "l", "QLabel", "gasGB");
        add("O2_" + d, "QSpinBox", "gasGB");
        add("He_" + d + "l", "QLabel", "gasGB");
        add("He_" + d, "QSpinBox", "gasGB");
        add("depth_" + d + "l", "QLabel", "gasGB");
        add("depth_" + d, "QSpinBox", "gasGB");
        add("mod_" + d, "QLabel", "gasGB");
    }
    add("horizontalLayout_10", "QHBoxLayout", "verticalLayout");
    add("label_14", "QLabel", "gasGB");
    add("gas_switch_delay", "QSpinBox", "gasGB");

    // Setpoint group.
    add("gridLayout_4", "QGridLayout", "setpointGroup");
    for (const char* l : {"label_32", "label_33", "label_34", "mod_sp1"})
        add(l, "QLabel", "setpointGroup");
    for (const char* s : {"ppo2_1", "ppo2_2", "ppo2_3"})
        add(s, "QDoubleSpinBox", "setpointGroup");
    add("adjustSP", "QCheckBox", "setpointGroup");

    // Other settings group.
    add("gridLayout_3", "QGridLayout", "otherGB");
    for (const char* l : {"label_9", "label_30", "label_5", "label_31", "label_28", "label_27"})
        add(l, "QLabel", "otherGB");
    add("deco_offset", "QDoubleSpinBox", "otherGB");
    add("ppO2High", "QDoubleSpinBox", "otherGB");
    for (const char* s : {"last_stop", "extra_time", "ascentGasUsage", "bottomGasUsage"})
        add(s, "QSpinBox", "otherGB");
    add("shallow_first", "QCheckBox", "otherGB");

    // Planning group.
    add("gridLayout", "QGridLayout", "planGB");
    for (const char* h : {"horizontalLayout_17", "horizontalLayout_13", "horizontalLayout_14", "horizontalLayout_2",
                          "horizontalLayout_16", "horizontalLayout_9"})
        add(h, "QHBoxLayout", "gridLayout");
    for (const char* l : {"label_6", "label_11", "label_10", "label_12", "label_13"})
        add(l, "QLabel", "planGB");
    for (const char* s : {"interval", "dive_time", "dive_depth", "press_surface", "ascent"})
        add(s, "QSpinBox", "planGB");
    for (const char* b : {"simulateButton", "gasVolumesButton", "ascentButton"})
        add(b, "QPushButton", "planGB");

    // Replay group.
    add("gridLayout_8", "QGridLayout", "replayGroup");
    add("gridLayout_7", "QGridLayout", "gridLayout_8");
    add("replayModeCB", "QCheckBox", "replayGroup");
    add("replayButton", "QToolButton", "replayGroup");
    add("replayLE", "QLineEdit", "replayGroup");
    add("replayListCB", "QComboBox", "replayGroup");
    for (const char* c : {"replayBreakOnStopCB", "replayGasSwitchCB", "replaySetpointCB", "replayBreakOnSwitchCB",
                          "replayBreakOnSetpointCB"})
        add(c, "QCheckBox", "replayGroup");

    // Plot group.
    add("gridLayout_6", "QGridLayout", "plotGB");
    add("horizontalLayout", "QHBoxLayout", "gridLayout_6");
    for (const char* c : {"depthGraph", "ceilGraph", "ndlGraph", "leadGraph", "gfGraph", "ppO2Graph", "cnsGraph"})
        add(c, "QCheckBox", "plotGB");
    for (const char* b : {"addRuntime", "pressurePlot", "clearProfil"})
        add(b, "QPushButton", "plotGB");
}

void TestMainWindow::formObjects()
{
    QFETCH(QString, name);
    QFETCH(QString, className);
    QFETCH(QString, parentName);

    QObject* o = object(name);
    QVERIFY2(o, "missing");
    QCOMPARE(QString(o->metaObject()->className()), className);
    QVERIFY(o->parent());
    QCOMPARE(o->parent()->objectName(), parentName);
    QCOMPARE(window->findChildren<QObject*>(name).size(), 1);
}

void TestMainWindow::initialState_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("property");
    QTest::addColumn<QVariant>("value");

    auto add = [](const QString& name, const char* prop, const QVariant& value) {
        QTest::newRow(qPrintable(name + '.' + prop)) << name << QByteArray(prop) << value;
    };
    auto spin = [&](const QString& name, const QVariant& min, const QVariant& max, const QVariant& step,
                    const QVariant& value, bool enabled) {
        add(name, "minimum", min);
        add(name, "maximum", max);
        add(name, "singleStep", step);
        add(name, "value", value);
        add(name, "enabled", enabled);
    };

    add(W, "windowTitle", "VARN Planner");
    add(W, "size", QSize(1073, 637));

    // Model group: open circuit, plain model, its factors enabled.
    add("ocrMode", "checked", true);
    add("ccrMode", "checked", false);
    add("buhlmann", "checked", true);
    add("gradientFactor", "checked", false);
    spin("saturation", 100, 200, 1, 110, true);
    spin("desaturation", 50, 100, 1, 90, true);
    spin("GF_low", 10, 100, 1, 30, false);
    spin("GF_high", 10, 100, 1, 90, false);
    add("label", "enabled", false);
    add("label_2", "enabled", false);
    add("saturation", "suffix", " %");

    // Gas group: gas 1 first, every row 21/0 without change depth, only row 1 editable.
    for (int n = 1; n <= 5; ++n) {
        const QString d = QString::number(n);
        add("gas_" + d, "checked", false);
        add("first_" + d, "checked", n == 1);
        spin("O2_" + d, 0, 100, 1, 21, n == 1);
        spin("He_" + d, 0, 100, 1, 0, n == 1);
        spin("depth_" + d, 0, 130, 1, 0, false);
        add("O2_" + d + "l", "enabled", n == 1);
        add("depth_" + d + "l", "enabled", false);
        add("mod_" + d, "enabled", n == 1);
        add("depth_" + d, "suffix", " m");
    }
    spin("gas_switch_delay", 0, 10, 1, 0, true);
    add("gas_switch_delay", "specialValueText", "None");
    add("gas_switch_delay", "text", "None");
    add("gas_switch_delay", "suffix", " min");

    // Setpoints: three 1.3 bar setpoints, all off in open circuit.
    for (const char* s : {"ppo2_1", "ppo2_2", "ppo2_3"}) {
        spin(s, 0.4, 1.6, 0.1, 1.3, false);
        add(s, "decimals", 1);
        add(s, "text", "1.3 bar");
    }
    add("setpointGroup", "enabled", false);
    add("adjustSP", "checked", false);

    // Other settings.
    spin("deco_offset", 0.0, 3.0, 1.0, 1.0, true);
    add("deco_offset", "decimals", 1);
    spin("ppO2High", 0.0, 1.6, 0.01, 1.6, true);
    add("ppO2High", "decimals", 2);
    spin("last_stop", 3, 6, 1, 3, true);
    spin("extra_time", 0, 10, 1, 0, true);
    add("extra_time", "text", "None");
    spin("bottomGasUsage", 0, 99, 1, 20, true);
    spin("ascentGasUsage", 0, 99, 1, 20, true);
    add("ascentGasUsage", "suffix", " l/min");
    add("shallow_first", "checked", false);

    // Planning.
    spin("interval", -10, 1200, 10, -10, true);
    add("interval", "text", "Reset");
    spin("dive_time", 0, 300, 1, 41, true);
    spin("dive_depth", 0, 130, 1, 72, true);
    spin("press_surface", 700, 1100, 100, 1013, true);
    add("press_surface", "text", "1013 mbar");
    spin("ascent", 0, 99, 1, 10, true);
    add("ascent", "suffix", " m/min");
    add("simulateButton", "default", true);
    add("simulateButton", "autoDefault", false);
    add("gasVolumesButton", "default", false);
    add("ascentButton", "autoDefault", false);

    // Replay: off, its source widgets and the setpoint options disabled.
    add("replayModeCB", "checked", false);
    // A log can be opened or closed whatever the replay mode.
    add("replayButton", "enabled", true);
    add("replayButton", "checkable", true);
    add("replayLE", "enabled", false);
    add("replayLE", "readOnly", true);
    add("replayLE", "placeholderText", "dive file");
    add("replayListCB", "enabled", false);
    add("replayListCB", "count", 0);
    add("replayListCB", "minimumWidth", 200);

    // Every number box takes its size hint, so that it shows its whole text in any font.
    for (const char* box : {"gas_switch_delay", "ppo2_1", "ppo2_2", "ppo2_3", "deco_offset", "last_stop", "extra_time",
                            "ascentGasUsage", "bottomGasUsage", "ppO2High", "interval", "dive_time", "dive_depth",
                            "press_surface", "ascent"}) {
        add(box, "minimumWidth", 0);
        add(box, "maximumWidth", QWIDGETSIZE_MAX);
    }
    add("replayBreakOnStopCB", "enabled", true);
    add("replayGasSwitchCB", "enabled", true);
    add("replaySetpointCB", "enabled", false);
    add("replayBreakOnSwitchCB", "enabled", true);
    add("replayBreakOnSetpointCB", "enabled", false);

    // Plot.
    for (const char* c : {"depthGraph", "ceilGraph", "ndlGraph", "leadGraph", "gfGraph", "ppO2Graph", "cnsGraph"})
        add(c, "checked", false);
    add("addRuntime", "autoDefault", false);
    add("clearProfil", "default", false);

    add("textEdit", "readOnly", true);
    add("menuPlanning", "tearOffEnabled", true);
    add("menuFile", "tearOffEnabled", false);
}

void TestMainWindow::initialState()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, property);
    QFETCH(QVariant, value);

    QObject* o = object(name);
    QVERIFY2(o, "missing");
    const QVariant actual = ::property(o, property.constData());
    QVERIFY2(actual.isValid(), "no such property");
    if (value.type() == QVariant::Double)
        QVERIFY2(qFuzzyCompare(actual.toDouble(), value.toDouble()), qPrintable(actual.toString()));
    else
        QCOMPARE(actual, value);
}

void TestMainWindow::texts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("property");
    QTest::addColumn<QString>("text");

    auto add = [](const QString& name, const char* prop, const QString& text) {
        QTest::newRow(qPrintable(name + '.' + prop)) << name << QByteArray(prop) << text;
    };
    add("decoGB", "title", "Decompression Model:");
    add("gasGB", "title", "Gas List:");
    add("setpointGroup", "title", "CCR Setpoints:");
    add("otherGB", "title", "Other VARN dive settings:");
    add("planGB", "title", "Dive planning:");
    add("replayGroup", "title", "Replay dive");
    add("plotGB", "title", "Graphic output:");
    add("buhlmann", "text", QString::fromUtf8("B\xC3\xBChlmann"));
    add("buhlmann", "toolTip", QString::fromUtf8("Original ZH-L16C-1a [2002] B\xC3\xBChlmann model, with "
                                                 "<b>saturation-desaturation</b> security factors."));
    add("gradientFactor", "toolTip", QString::fromUtf8("B\xC3\xBChlmann model modified by adding <B>gradient "
                                                       "factors</b> security margins."));
    add("label_3", "text", "Sat factor(CF11):");
    add("saturation", "toolTip", "Mutliplication factor for asymetric gas loading.");
    add("ccrMode", "toolTip", "Closed Circuit Rebreather mode (constant ppO2).");
    add("gas_3", "text", "Gas 3");
    add("first_5", "toolTip", "<b>OC</b>: Use this mix as first gas (ie. travel and bottom mix)<br><b>CCR</b>: Us "
                              "this gas as diluent.");
    add("depth_4l", "text", "at:");
    add("label_14", "text", "Switch delay (CF55):");
    add("gas_switch_delay", "toolTip", "Minimum stop time for switching mix during decoplan prediction.<br><i>New in "
                                       "1.90</i>");
    add("label_32", "text", "<b>Setpoint 1:</b>");
    add("ppo2_1", "toolTip", "Starting setpoint, and the only one used for decoplanning.");
    add("adjustSP", "text", "Adjust fixed SP (CF39)");
    add("label_9", "text", "Deco offset (CF16):");
    add("label_28", "toolTip", "");
    add("extra_time", "toolTip", "Display TTS (Time to surface) if staying extra minutes at current depth.<br><i>New "
                                 "in 2.00</i>");
    add("ppO2High", "toolTip", "Max allowed Oxygen partial pressure (Only used to display MOD).");
    add("interval", "toolTip", "Reset = start a new dive (non-consecutive).<br>0     = Add a new segment to the "
                               "current dive.<br>10... = Surface delay between successives dives.<br><i>New in "
                               "2.00</i>");
    add("label_12", "text", "Patm:");
    add("gasVolumesButton", "toolTip", tipGasVolumes);
    add("replayButton", "text", "...");
    add("replayBreakOnStopCB", "statusTip", "Stop replay simulation when at the depth of the first stop, minus CF16.");
    add("replayBreakOnSwitchCB", "statusTip", "Stop replay simulation when a better gas is available from the "
                                              "current gas list.");
    add("replayBreakOnSetpointCB", "toolTip", "Do setpoint switches, as recorded in CCR dive profil (IF SUPPORTED BY "
                                              "THE FILE FORMAT USED).");
    add("replayGasSwitchCB", "toolTip", "");
    add("ndlGraph", "toolTip", "Plot time (NDL or deepest stop duration ) curve during <i>Simulate</i> or "
                               "<i>Ascent</i>.");
    add("cnsGraph", "text", "CNS O2");
    add("clearProfil", "text", "Clear profil");
    add("loadButton", "toolTip", tipLoad);
    add("screenDumpButton", "text", " Screen Dump");
    add("setDateTimeButton", "text", "Date && Time");
    add("setDateTimeButton", "toolTip", "Set Date & Time.");
    add("exitButton", "text", "Quit");
    add("aboutButton", "text", "About");
}

void TestMainWindow::texts()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, property);
    QFETCH(QString, text);
    QObject* o = object(name);
    QVERIFY2(o, "missing");
    QCOMPARE(o->property(property.constData()).toString(), text);
}

void TestMainWindow::actions_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("toolTip");
    QTest::addColumn<QString>("shortcut");
    QTest::addColumn<bool>("hasIcon");

    auto add = [](const char* name, const char* text, const QString& tip, const char* key, bool icon) {
        QTest::newRow(name) << QString(name) << QString(text) << tip << QString(key) << icon;
    };
    add("actionLoad", "&Load...", tipLoad, "Ctrl+L", true);
    add("actionSave", "&Save...", tipSave, "Ctrl+S", true);
    add("actionExit", "E&xit", "Exit", "", true);
    add("actionDownload", "&Download", tipDownload, "", true);
    add("actionEditCF", "&Edit CF...", tipEditCF, "", true);
    add("actionUploadCF", "&Upload CF", tipUpload, "", true);
    add("actionHelp", "Help", "Help", "", true);
    add("actionAbout", "About", "About", "", true);
    add("actionSettings", "Settings...", "Settings", "", true);
    add("actionSimulate", "&Simulate", "1. Make a time/depth simulation segment.", "Return", false);
    add("actionGasVolumes", "Gas &volumes", tipGasVolumes, "", false);
    add("actionAscent", "&Ascent", "3. Simulate an automatic ascent, obeying dynamically recomputed stops and gas "
                                   "changes.", "", false);
    add("actionAddRuntime", "Add &runtime", "Add instant decoplan runtime to diagram (should be done after a "
                                            "<i>Simulate</i> or <i>Gas Volumes</i>).", "", false);
    add("actionClearProfil", "&Clear profil", "Remove all curves from dive profil.", "", false);
    add("actionPressureDiagram", "Pressure &diagram", "Plot tissues N2+He tensions during <i>Simulate</i> or "
                                                      "<i>Ascent</i> in a separated window.", "", false);
    add("setDateTimeAction", "Set Date && Time", "Set VARN Date and Time.", "", true);
    add("checkUpdatesAction", "Check updates", "Check for new VARN Planner and firmware updates.", "", false);
}

void TestMainWindow::actions()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QString, toolTip);
    QFETCH(QString, shortcut);
    QFETCH(bool, hasIcon);

    auto* action = window->findChild<QAction*>(name);
    QVERIFY(action);
    QCOMPARE(action->text(), text);
    // An action without a tool tip of its own shows its text without mnemonic.
    QCOMPARE(action->toolTip(), toolTip);
    QCOMPARE(action->shortcut(), QKeySequence(shortcut));
    QCOMPARE(!action->icon().isNull(), hasIcon);
    QVERIFY(action->isEnabled());
    QVERIFY(!action->isCheckable());
    QCOMPARE(action->parent(), window);
}

void TestMainWindow::menus()
{
    auto entries = [](const QMenu* menu) {
        QStringList names;
        for (const QAction* a : menu->actions())
            names << (a->isSeparator() ? QString("-") : a->objectName());
        return names;
    };
    const QList<QAction*> bar = window->menubar->actions();
    QCOMPARE(bar.size(), 4);
    QCOMPARE(bar[0]->menu(), window->menuFile);
    QCOMPARE(bar[1]->menu(), window->menuVARN);
    QCOMPARE(bar[2]->menu(), window->menuPlanning);
    QCOMPARE(bar[3]->menu(), window->menuHelp);
    QCOMPARE(window->menuFile->title(), QString("&File"));
    QCOMPARE(window->menuVARN->title(), QString("&VARN"));
    QCOMPARE(window->menuPlanning->title(), QString("&Planning"));
    QCOMPARE(window->menuHelp->title(), QString("&Help"));
    QCOMPARE(entries(window->menuFile),
             QStringList({"actionLoad", "actionSave", "-", "actionSettings", "-", "actionExit"}));
    QCOMPARE(entries(window->menuVARN),
             QStringList({"actionDownload", "actionEditCF", "actionUploadCF", "-", "setDateTimeAction"}));
    QCOMPARE(entries(window->menuPlanning),
             QStringList({"actionSimulate", "actionGasVolumes", "actionAscent", "-", "actionAddRuntime",
                          "actionClearProfil", "-", "actionPressureDiagram"}));
    QCOMPARE(entries(window->menuHelp), QStringList({"actionHelp", "-", "actionAbout", "checkUpdatesAction"}));
    QCOMPARE(window->menuBar(), window->menubar);
    QCOMPARE(window->centralWidget(), window->centralwidget);
}

void TestMainWindow::buttonStrip_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("rowSpan");
    QTest::addColumn<int>("columnSpan");
    QTest::addColumn<QString>("text");

    QTest::newRow("loadButton") << "loadButton" << 0 << 0 << 3 << 1 << "Load...";
    QTest::newRow("saveButton") << "saveButton" << 0 << 1 << 3 << 1 << "Save...";
    QTest::newRow("line_2") << "line_2" << 0 << 2 << 3 << 1 << "";
    QTest::newRow("downloadCFButton") << "downloadCFButton" << 0 << 3 << 3 << 1 << "Download";
    QTest::newRow("editCFButton") << "editCFButton" << 0 << 4 << 3 << 1 << "Edit CF...";
    QTest::newRow("uploadCFButton") << "uploadCFButton" << 0 << 5 << 3 << 1 << "Upload CF";
    QTest::newRow("setDateTimeButton") << "setDateTimeButton" << 0 << 6 << 3 << 1 << "Date && Time";
    QTest::newRow("screenDumpButton") << "screenDumpButton" << 0 << 7 << 3 << 1 << " Screen Dump";
    QTest::newRow("upgradeFWButton") << "upgradeFWButton" << 0 << 8 << 3 << 1 << "Upgrade";
    QTest::newRow("line_3") << "line_3" << 0 << 10 << 3 << 2 << "";
    QTest::newRow("settingsButton") << "settingsButton" << 0 << 15 << 1 << 1 << "Settings...";
    QTest::newRow("helpButton") << "helpButton" << 0 << 16 << 1 << 1 << "Help";
    QTest::newRow("exitButton") << "exitButton" << 0 << 17 << 1 << 1 << "Quit";
    QTest::newRow("aboutButton") << "aboutButton" << 1 << 16 << 1 << 1 << "About";
}

void TestMainWindow::buttonStrip()
{
    QFETCH(QString, name);
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(int, rowSpan);
    QFETCH(int, columnSpan);
    QFETCH(QString, text);

    auto* widget = window->findChild<QWidget*>(name);
    QVERIFY(widget);
    const int index = window->gridLayout_2->indexOf(widget);
    QVERIFY(index >= 0);
    int r, c, rs, cs;
    window->gridLayout_2->getItemPosition(index, &r, &c, &rs, &cs);
    QCOMPARE(QList<int>({r, c, rs, cs}), QList<int>({row, column, rowSpan, columnSpan}));

    if (auto* line = qobject_cast<QFrame*>(widget)) {
        QCOMPARE(line->frameShape(), QFrame::VLine);
        QCOMPARE(line->frameShadow(), QFrame::Sunken);
        return;
    }
    auto* button = qobject_cast<QAbstractButton*>(widget);
    QVERIFY(button);
    QCOMPARE(button->text(), text);
    QVERIFY(!button->icon().isNull());
    if (auto* tool = qobject_cast<QToolButton*>(widget)) {
        QCOMPARE(tool->iconSize(), QSize(64, 64));
        QCOMPARE(tool->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
    }
}

void TestMainWindow::columnAndSplitter()
{
    QStringList order;
    for (int i = 0; i < window->verticalLayout_2->count(); ++i) {
        QLayoutItem* item = window->verticalLayout_2->itemAt(i);
        order << (item->widget() ? item->widget()->objectName() : QString("spacer"));
    }
    QCOMPARE(order, QStringList({"decoGB", "gasGB", "setpointGroup", "otherGB", "planGB", "replayGroup", "plotGB",
                                 "spacer"}));
    QCOMPARE(window->verticalLayout_4->itemAt(0)->layout(), window->gridLayout_2);
    QCOMPARE(window->verticalLayout_4->itemAt(1)->widget(), window->splitter);

    QCOMPARE(window->splitter->orientation(), Qt::Horizontal);
    QCOMPARE(window->splitter->handleWidth(), 6);
    QCOMPARE(window->splitter->count(), 2);
    QCOMPARE(window->splitter->widget(0), window->scrollArea);
    QCOMPARE(window->splitter->widget(1), window->textEdit);
    QVERIFY(!window->splitter->isCollapsible(0));
    QCOMPARE(window->scrollArea->widget(), window->scrollAreaWidgetContents);
    QCOMPARE(window->scrollArea->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QCOMPARE(window->scrollArea->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QCOMPARE(window->scrollArea->frameShape(), QFrame::NoFrame);
    QVERIFY(window->scrollArea->widgetResizable());

    // The column cannot be narrowed below its widest group box.
    const int minimum = window->scrollArea->minimumWidth();
    for (QGroupBox* box : window->scrollAreaWidgetContents->findChildren<QGroupBox*>(QString(), Qt::FindDirectChildrenOnly))
        QVERIFY2(minimum >= box->minimumSizeHint().width(), qPrintable(box->objectName()));
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    window->splitter->setSizes({10, 2000});
    QVERIFY(window->splitter->sizes().at(0) >= minimum);
    QVERIFY(window->scrollAreaWidgetContents->width() >= window->scrollAreaWidgetContents->minimumSizeHint().width());
}

void TestMainWindow::gasTextsHaveRoomForTheirLongestText()
{
    for (QLabel* mod : {window->mod_1, window->mod_2, window->mod_3, window->mod_4, window->mod_5}) {
        QVERIFY(mod->minimumWidth() >= 165);
        QVERIFY(mod->minimumWidth() >= mod->fontMetrics().horizontalAdvance("MOD:310m, EAD:128m, END:130m"));
    }
}

void TestMainWindow::connections()
{
    const QVector<Connection> expected = formConnections();
    QCOMPARE(expected.size(), 72);

    // Outgoing connections of each sender, in the order they were made.
    QStringList want;
    QStringList senders;
    for (const Connection& c : expected) {
        if (!senders.contains(c.sender))
            senders << c.sender;
    }
    for (const QString& sender : senders)
        for (const Connection& c : expected)
            if (sender == c.sender)
                want << describe(c);
    QStringList have;
    for (const QString& sender : senders)
        for (const QString& line : outgoing(object(sender)))
            if (line.contains(QString("-> %1 ").arg(W)) || line.endsWith("setEnabled(bool)"))
                have << line;
    QCOMPARE(have, want);

    // The window's incoming connections, listed newest first: the form's in table order,
    // then the window's own refresh of the MOD texts and its planning boxes following the
    // replay mode.
    QStringList incoming;
    bool in = false;
    for (const QString& line : dumpedLines(window)) {
        if (line == "SIGNALS IN")
            in = true;
        else if (in && line.startsWith("<-- "))
            incoming.prepend(line.mid(4));
    }
    QStringList wantIncoming;
    for (const Connection& c : expected)
        if (qstrcmp(c.receiver, W) == 0)
            wantIncoming << QString("%1::%2 %3").arg(object(c.sender)->metaObject()->className(), c.sender, c.slot);
    wantIncoming << "QDoubleSpinBox::ppO2High <unknown>";
    wantIncoming << "QCheckBox::replayModeCB <unknown>";
    QCOMPARE(incoming, wantIncoming);
}

void TestMainWindow::modelChoiceEnablesItsFactors()
{
    window->gradientFactor->setChecked(true);
    QVERIFY(!window->buhlmann->isChecked());
    QVERIFY(window->GF_low->isEnabled() && window->GF_high->isEnabled());
    QVERIFY(!window->saturation->isEnabled() && !window->desaturation->isEnabled());
    QVERIFY(!window->label->isEnabled() && !window->label_2->isEnabled());

    window->buhlmann->setChecked(true);
    QVERIFY(!window->GF_low->isEnabled() && !window->GF_high->isEnabled());
    QVERIFY(window->saturation->isEnabled() && window->desaturation->isEnabled());
    QVERIFY(!window->label->isEnabled() && !window->label_2->isEnabled());
}

void TestMainWindow::replayModeEnablesItsWidgets()
{
    QWidget* const driven[] = {window->replayListCB, window->replayLE};
    window->replayModeCB->setChecked(true);
    for (QWidget* w : driven)
        QVERIFY2(w->isEnabled(), qPrintable(w->objectName()));
    QVERIFY(window->replayButton->isEnabled());
    window->replayModeCB->setChecked(false);
    for (QWidget* w : driven)
        QVERIFY2(!w->isEnabled(), qPrintable(w->objectName()));
    QVERIFY(window->replayButton->isEnabled());
}

void TestMainWindow::circuitModeEnablesSetpointReplayOptions()
{
    window->replaySetpointCB->setChecked(true);
    window->ccrMode->setChecked(true);
    QVERIFY(window->replaySetpointCB->isEnabled());
    QVERIFY(window->replayBreakOnSetpointCB->isEnabled());
    window->ocrMode->setChecked(true);
    QVERIFY(!window->replaySetpointCB->isEnabled());
    QVERIFY(!window->replayBreakOnSetpointCB->isEnabled());
    // The option keeps its state while disabled.
    QVERIFY(window->replaySetpointCB->isChecked());
}

void TestMainWindow::shortcutsAreUniqueAndFire()
{
    QMap<QString, QString> owners;
    for (QAction* action : window->findChildren<QAction*>()) {
        if (action->shortcut().isEmpty() || action->objectName().isEmpty())
            continue;
        const QString key = action->shortcut().toString();
        QVERIFY2(!owners.contains(key), qPrintable(key + " twice"));
        owners[key] = action->objectName();
    }
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
        if (button->shortcut().isEmpty())
            continue;
        const QString key = button->shortcut().toString();
        QVERIFY2(!owners.contains(key), qPrintable(key + " twice"));
        owners[key] = button->objectName();
    }
    QCOMPARE(owners.value("Ctrl+L"), QString("actionLoad"));
    QCOMPARE(owners.value("Ctrl+S"), QString("actionSave"));
    QCOMPARE(owners.value("Return"), QString("actionSimulate"));
    QCOMPARE(owners.value("F1"), QString("helpButton"));

    window->show();
    QApplication::setActiveWindow(window);
    QVERIFY(QTest::qWaitForWindowActive(window));
    QSignalSpy load(window->actionLoad, &QAction::triggered);
    QSignalSpy save(window->actionSave, &QAction::triggered);
    QSignalSpy simulate(window->actionSimulate, &QAction::triggered);
    QTest::keyClick(window, Qt::Key_L, Qt::ControlModifier);
    QTest::keyClick(window, Qt::Key_S, Qt::ControlModifier);
    QTest::keyClick(window, Qt::Key_Return);
    QCOMPARE(load.count(), 1);
    QCOMPARE(save.count(), 1);
    // Each reached its file dialog.
    QCOMPARE(static_cast<ScriptedWindow*>(window)->questions.size(), 2);
    QCOMPARE(simulate.count(), 1);
    // A button's shortcut clicks it with a short animation.
    QTest::keyClick(window, Qt::Key_F1);
    QTRY_VERIFY(window->helpBrowser);
    QVERIFY(window->helpBrowser->isVisible());
}

void TestMainWindow::helpShowsOneBrowser_data()
{
    QTest::addColumn<QString>("trigger");
    QTest::newRow("menu") << "actionHelp";
    QTest::newRow("button") << "helpButton";
}

void TestMainWindow::helpShowsOneBrowser()
{
    QFETCH(QString, trigger);
    QVERIFY(!window->helpBrowser);
    activate(trigger);
    QPointer<QTextBrowser> browser = window->helpBrowser;
    QVERIFY(browser);
    QVERIFY(browser->isVisible());
    QVERIFY(!browser->parent());
    QCOMPARE(browser->size(), QSize(800, 600));
    QVERIFY(browser->openExternalLinks());
    QVERIFY(browser->toPlainText().startsWith("VARN planner documentation"));

    // Closing only hides it; the next Help shows the same browser as it was left.
    browser->resize(640, 480);
    browser->close();
    QVERIFY(!browser->isVisible());
    activate(trigger);
    QCOMPARE(window->helpBrowser.data(), browser.data());
    QVERIFY(browser->isVisible());
    QCOMPARE(browser->size(), QSize(640, 480));
}

void TestMainWindow::helpPageAndPictures()
{
    QFile page(":/help/Doc/index.html");
    QVERIFY(page.open(QIODevice::ReadOnly));
    const QByteArray bytes = page.readAll();
    for (char c : bytes)
        QVERIFY2(uchar(c) < 128, "the page is plain ASCII");

    activate("actionHelp");
    const QString text = window->helpBrowser->toPlainText();
    int at = 0;
    for (const char* heading :
         {"1. Getting Started: Making Your First Dive", "1.1 Setting the decompression model", "1.2 Setting the gas",
          "1.3 Running the simulator", "1.4 Plotting the result", "1.5 Saving simulation parameters", "2. More plots",
          "2.1 More curves.", "2.2 Several runtimes in one plot.", "2.3 Ascent vs. Runtimes.", "2.4 Tissue plot.",
          "3. VARN Advanced Features", "CF54 : shallow stop first.", "CF55 : gas switch stops.",
          "CF56 & CF57: estimating gas comsumption.", "CF58: Futur TTS.", "CF59: Cave Bailout.",
          "CCR Bailout Runtime."}) {
        const int found = text.indexOf(heading, at);
        QVERIFY2(found > at, heading);
        at = found;
    }

    // Twelve pictures, each compiled in and shown by the browser.
    QRegularExpression image("<img src=\"([^\"]+)\"");
    QStringList sources;
    auto it = image.globalMatch(QString::fromLatin1(bytes));
    while (it.hasNext())
        sources << it.next().captured(1);
    sources.removeDuplicates();
    QCOMPARE(sources.size(), 12);
    for (const QString& source : sources) {
        QVERIFY2(source.startsWith(":/help/Doc/") && source.endsWith(".png"), qPrintable(source));
        QVERIFY2(!QImage(source).isNull(), qPrintable(source));
        const QVariant shown = window->helpBrowser->document()->resource(QTextDocument::ImageResource, QUrl(source));
        QVERIFY2(shown.isValid(), qPrintable(source));
    }
}

void TestMainWindow::aboutShowsSplash_data()
{
    QTest::addColumn<QString>("trigger");
    QTest::newRow("menu") << "actionAbout";
    QTest::newRow("button") << "aboutButton";
}

void TestMainWindow::aboutShowsSplash()
{
    QFETCH(QString, trigger);
    QVERIFY(!window->splash);
    activate(trigger);
    QSplashScreen* splash = window->splash;
    QVERIFY(splash);
    QVERIFY(splash->isVisible());
    QVERIFY(!splash->parent());
    QVERIFY(splash->windowFlags() & Qt::WindowStaysOnTopHint);
    QVERIFY(splash->message().startsWith("<font size='+3'><i>VARN Planner</i></font> <i>v450 beta 1 - VARN firmware "
                                         "2.50 (release)</i><br><i>VARN Planner</i> software purposes is:<ul>"));
    QVERIFY(splash->message().endsWith("To backup, edit and restore your <i>VARN</i> computer configurations.</ul>"));

    const QFontMetrics metrics = window->fontMetrics();
    QCOMPARE(splash->pixmap().size(),
             QSize(80 * metrics.averageCharWidth() + 10, 16 * metrics.lineSpacing() + 12));
    QVERIFY(!splash->pixmap().toImage().isNull());

    // About again shows the same splash.
    splash->hide();
    activate(trigger);
    QCOMPARE(window->splash, splash);
    QVERIFY(splash->isVisible());

    // Left open under the main window, About brings it to the front.
    struct Raised : QObject {
        int count = 0;
        bool eventFilter(QObject*, QEvent* e) override
        {
            count += e->type() == QEvent::ZOrderChange;
            return false;
        }
    } raised;
    window->show();
    window->raise();
    splash->installEventFilter(&raised);
    activate(trigger);
    QVERIFY(splash->isVisible());
    QCOMPARE(raised.count, 1);
}

void TestMainWindow::exitClosesEveryWindow_data()
{
    QTest::addColumn<QString>("trigger");
    QTest::newRow("menu") << "actionExit";
    QTest::newRow("button") << "exitButton";
}

void TestMainWindow::exitClosesEveryWindow()
{
    QFETCH(QString, trigger);
    window->show();
    activate("actionHelp");
    QVERIFY(window->isVisible() && window->helpBrowser->isVisible());
    activate(trigger);
    QVERIFY(!window->isVisible());
    QVERIFY(!window->helpBrowser->isVisible());
}

// What the form shows when the diver quits is what the configuration holds, before anything
// else of the shutdown runs.
void TestMainWindow::exitCopiesTheForm_data()
{
    exitClosesEveryWindow_data();
}

void TestMainWindow::exitCopiesTheForm()
{
    QFETCH(QString, trigger);
    eeprom = VARN_eeprom();
    window->show();
    window->gradientFactor->setChecked(true);
    window->GF_low->setValue(42);
    window->gas_2->setChecked(true);
    window->O2_2->setValue(50);
    window->depth_2->setValue(21);
    window->press_surface->setValue(913);
    activate(trigger);
    QVERIFY(!window->isVisible());
    QCOMPARE(int(eeprom.decoType), 4);
    QCOMPARE(int(eeprom.cf(32).value), 42);
    // Gas 2 ticked; gas 1 is the first gas by its own button.
    QCOMPARE(int(eeprom.activeGases), 0x02);
    QCOMPARE(int(eeprom.firstGas), 1);
    QCOMPARE(int(eeprom.gases[1].currentO2), 50);
    QCOMPARE(int(eeprom.changeDepth[1]), 21);
    QCOMPARE(int(int_I_pres_surface), 913);
}

void TestMainWindow::retranslationChangesTextsNotValues()
{
    window->gas_2->setChecked(true);
    window->O2_2->setValue(50);
    window->depth_2->setValue(21);
    window->ccrMode->setChecked(true);
    window->replayModeCB->setChecked(true);

    auto snapshot = [this] {
        QStringList state;
        for (QWidget* w : window->findChildren<QWidget*>()) {
            if (w->objectName().isEmpty() || w->objectName().startsWith("qt_"))
                continue;
            QString line = w->objectName() + (w->isEnabled() ? " on" : " off");
            if (auto* spin = qobject_cast<QAbstractSpinBox*>(w))
                line += ' ' + spin->property("value").toString();
            if (auto* button = qobject_cast<QAbstractButton*>(w))
                line += button->isChecked() ? " checked" : " unchecked";
            state << line;
        }
        return state;
    };
    const QStringList before = snapshot();
    const QString mod2 = window->mod_2->text();
    const QString diluent = window->mod_sp1->text();

    MarkingTranslator translator;
    QVERIFY(QCoreApplication::installTranslator(&translator));
    QTRY_COMPARE(window->decoGB->title(), QString("XX Decompression Model:"));

    QCOMPARE(window->windowTitle(), QString("VARN Planner"));
    QCOMPARE(window->actionLoad->text(), QString("XX &Load..."));
    QCOMPARE(window->actionLoad->shortcut(), QKeySequence("Ctrl+O"));
    QCOMPARE(window->helpButton->shortcut(), QKeySequence("F2"));
    QCOMPARE(window->menuHelp->title(), QString("XX &Help"));
    QCOMPARE(window->saturation->toolTip(), QString("XX Mutliplication factor for asymetric gas loading."));
    QCOMPARE(window->interval->specialValueText(), QString("XX Reset"));
    QCOMPARE(window->replayLE->placeholderText(), QString("XX dive file"));
    QCOMPARE(window->gas_switch_delay->suffix(), QString("XX  min"));
    // The gas texts show their values again, in the new language.
    QCOMPARE(window->mod_2->text(), "XX " + mod2);
    QCOMPARE(window->mod_sp1->text(), "XX " + diluent);

    QCOMPARE(snapshot(), before);

    QVERIFY(QCoreApplication::removeTranslator(&translator));
    QTRY_COMPARE(window->decoGB->title(), QString("Decompression Model:"));
    QCOMPARE(window->mod_2->text(), mod2);
    QCOMPARE(window->actionLoad->shortcut(), QKeySequence("Ctrl+L"));
    QCOMPARE(snapshot(), before);
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
