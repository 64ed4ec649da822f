#include "CrossHair.h"

#include <qwt_picker_machine.h>
#include <qwt_plot.h>

CrossHair::CrossHair(QwtPlot* plot)
    : QwtPlotPicker(QwtPlot::xBottom, QwtPlot::yLeft, QwtPicker::CrossRubberBand,
                    QwtPicker::ActiveOnly, plot->canvas()),
      plot(plot)
{
    // Without a state machine a picker never becomes active and would show nothing.
    setStateMachine(new QwtPickerDragPointMachine);
}

QwtText CrossHair::trackerText(const QPoint& pos) const
{
    const QPointF value = invTransform(pos);
    return QwtText(QString("%1' %2m").arg(value.x(), 0, 'f', 1).arg(value.y(), 0, 'f', 1),
                   QwtText::PlainText);
}
