#ifndef SIMULATIONTEST_H
#define SIMULATIONTEST_H

#include "PlotInterface.h"
#include "Replay.h"
#include "Settings.h"
#include "StatusLine.h"
#include "VARN_eeprom.h"
#include "p2_deco.h"

#include <QRegularExpression>
#include <QStringList>
#include <QTextBlock>
#include <QTextEdit>

// A fresh start for every test: default configuration, no dive yet, sea level, no windows.
inline void resetSimulation()
{
    eeprom = VARN_eeprom();
    Settings::verboseSim = false;
    Replay::breakOnStop = true;
    Replay::gasSwitch = true;
    Replay::setpoint = true;
    Replay::breakOnSwitch = false;
    Replay::breakOnSetpoint = false;
    int_I_pres_surface = 1013;
    int_I_pres_respiration = 1013;
    dive_time = -1;
    PlotInterface::plot = nullptr;
    PlotInterface::cptPlot = nullptr;
}

// Index of the first line matching a regular expression, -1 when none does.
inline int indexOfMatch(const QStringList& lines, const QString& pattern)
{
    const QRegularExpression expression(pattern);
    for (int i = 0; i < lines.size(); ++i) {
        if (expression.match(lines.at(i)).hasMatch())
            return i;
    }
    return -1;
}

inline QStringList consoleLines(const QTextEdit& console)
{
    return console.toPlainText().split('\n');
}

// Whether some piece of the console containing text is shown in red.
inline bool shownInRed(const QTextEdit& console, const QString& text)
{
    for (QTextBlock block = console.document()->begin(); block.isValid(); block = block.next()) {
        for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it) {
            if (it.fragment().text().contains(text))
                return it.fragment().charFormat().foreground().color() == QColor(Qt::red);
        }
    }
    return false;
}

// Deco gases EAN50 from 21 m (gas 2) and oxygen from 6 m (gas 3).
inline void configureDecoGases()
{
    eeprom.gases[1].currentO2 = 50;
    eeprom.changeDepth[1] = 21;
    eeprom.gases[2].currentO2 = 100;
    eeprom.changeDepth[2] = 6;
    eeprom.activeGases = 0x07;
}

inline float engineDepth()
{
    return (int_I_pres_respiration - int_I_pres_surface) / 99.85f;
}

#endif
