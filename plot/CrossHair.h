#ifndef CROSSHAIR_H
#define CROSSHAIR_H

#include <qwt_plot_picker.h>

class QwtPlot;

// A cross over the canvas while the left button is held, with the time and depth under it.
class CrossHair : public QwtPlotPicker {
public:
    explicit CrossHair(QwtPlot* plot);

    QwtText trackerText(const QPoint& pos) const override;

    QwtPlot* const plot;
};

#endif
