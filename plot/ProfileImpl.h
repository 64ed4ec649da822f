#ifndef PROFILEIMPL_H
#define PROFILEIMPL_H

#include "Profile.h"

#include <QList>
#include <QVector>
#include <qwt_plot_curve.h>

class PlotInterface;
class QwtPlotMarker;

// A Profile drawn as one Qwt curve of a plot window, with the markers that belong to it.
class ProfileImpl : public Profile {
public:
    explicit ProfileImpl(PlotInterface* owner);
    ~ProfileImpl() override;

    void begin(const QString& title, float rightMax) override;
    void reset() override;
    void addPoint(float x, float y) override;
    void addLabel(float x, float y, int gas) override;
    void addLabel(float x, float y, const QString& text, QColor color, bool rightAxis) override;
    void flush() override;
    void end() override;

    // Marker colour of gas 1..6 (6: the manually given mix); black for any other number.
    static QColor gasColor(int gas);

    PlotInterface* const owner;
    QVector<double> x;
    QVector<double> y;
    QwtPlotCurve curve;
    QList<QwtPlotMarker*> markers;

private:
    Profile** currentSlot() const;
    void styleRightAxisCurve(const QString& title);
    void addLimitLine(double value, const QString& label);

    Q_DISABLE_COPY(ProfileImpl)
};

#endif
