#ifndef LOGREADPROGRESS_H
#define LOGREADPROGRESS_H

#include "Replay.h"

#include <QCoreApplication>
#include <QProgressDialog>

// Shows how far the reading of a dive log has got, once it takes longer than a moment: a dialog
// over the window that holds back the user's input to it meanwhile.
class LogReadProgress : public ReadProgress {
    Q_DECLARE_TR_FUNCTIONS(VARN_Planner_Interface)

public:
    LogReadProgress(QWidget* window, const QString& fileName, int delayMs);

    void advance(qint64 done, qint64 total) override;
    void seekingFault() override;

private:
    const QString shownName;
    QProgressDialog dialog;
};

#endif
