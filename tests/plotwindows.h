#ifndef PLOTWINDOWS_H
#define PLOTWINDOWS_H

#include "PlotInterface.h"

// The program keeps its two plot windows for its whole run; a test that made them, through any
// action of the main window, deletes them before it ends.
inline void deletePlotWindows()
{
    delete PlotInterface::plot;
    PlotInterface::plot = nullptr;
    delete PlotInterface::cptPlot;
    PlotInterface::cptPlot = nullptr;
}

#endif
