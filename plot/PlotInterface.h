#ifndef PLOTINTERFACE_H
#define PLOTINTERFACE_H

#include "ui_PlotDialog.h"

#include <QDialog>
#include <QList>
#include <qwt_color_map.h>

class Profile;
class ProfileImpl;
class CrossHair;
class QwtPlotMarker;

// The plot dialog behind both plot windows: the dive traces and the tissue pressures.
class PlotInterface : public QDialog, public Ui::PlotDialog {
    Q_OBJECT

public:
    PlotInterface();
    ~PlotInterface() override;

    void setup(bool diveTraces, int maxDepth);
    void setStyle();
    void addCurve(Profile*& slot);
    Profile* tissue(int i);

    // The tissues plot reaches the ambient pressure of this depth at the present surface
    // pressure: axes, the ambient-pressure line and the M-value lines.
    void setTissueRange(int maxDepth);
    int tissueRange() const { return tissueDepth; }

    // A stepped profile of the plan the engine holds now, with stop and gas labels.
    void addRuntime(float bottomMinutes, float depth);
    // Removes every drawn curve: runtimes and the curves of ended runs.
    void delRuntime();
    void addGasMarker(Profile* curve, float x, float y, int gas);
    // A gas label on the tissues plot, owned by its first curve.
    void addTissueMarker(float x, float y, int gas);
    void addDecostopMarker(Profile* curve, float x, float y, int minutes);
    void addEndMarker(Profile* curve, int tts, int total);

    // Writes the plot to the name chosen in the save dialog and remembers its folder;
    // returns the file name actually written.
    QString saveImageAs(const QString& name, const QString& selectedFilter);

    // The part of the plot title after its first line: program, firmware and model.
    static QString subtitle(float firstHalfTime);

    // The unit of the right axis: a "Plot axis" text of this class, or a sign that no language
    // changes; it follows a change of language like the other titles.
    void setRightAxisUnit(const char* unit);

    static PlotInterface* plot;
    static PlotInterface* cptPlot;

    QList<Profile*> depthCurves;
    QList<Profile*> extraCurves;
    QList<Profile*> tissueCurves;
    QwtLinearColorMap colorMap;

    Profile* depthCurve = nullptr;
    Profile* ceilingCurve = nullptr;
    Profile* leadingCurve = nullptr;
    Profile* gfCurve = nullptr;
    Profile* ppO2Curve = nullptr;
    Profile* cnsCurve = nullptr;
    Profile* ndlCurve = nullptr;

public slots:
    void saveImageSlot();

protected:
    void changeEvent(QEvent* e) override;

private:
    void showTitles();
    void setupDiveTraces();
    void setupTissues(int maxDepth);
    void writeImage(const QString& fileName);
    static bool isWritableSuffix(const QString& suffix);
    QString plainTitle() const;
    QSize exportSize(const QSize& usual, int deviceDpi) const;
    bool isListed(Profile* curve) const;

    CrossHair* crossHair = nullptr;
    QwtPlotMarker* surfaceLine = nullptr;
    const char* rightAxisUnit = nullptr;

    // The lines of the tissues plot that run from the surface to the top of its range.
    ProfileImpl* ambientLine = nullptr;
    QwtPlotMarker* surfaceMark = nullptr;
    QList<ProfileImpl*> mValueLines;
    int tissueDepth = 0;
};

#endif
