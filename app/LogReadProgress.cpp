#include "LogReadProgress.h"

#include <QDir>
#include <QLabel>

namespace {

const int steps = 1000;

} // namespace

LogReadProgress::LogReadProgress(QWidget* window, const QString& fileName, int delayMs)
    : shownName(QDir::toNativeSeparators(fileName))
    , dialog(window)
{
    // A file name is shown as it stands, never as markup.
    QLabel* label = new QLabel;
    label->setTextFormat(Qt::PlainText);
    dialog.setLabel(label);
    dialog.setLabelText(tr("Reading %1 ...").arg(shownName));
    dialog.setWindowTitle(tr("Replay dive profile"));
    dialog.setCancelButton(nullptr);
    dialog.setWindowModality(Qt::WindowModal);
    dialog.setMinimumDuration(delayMs);
    dialog.setRange(0, steps);
    dialog.setValue(0);
}

void LogReadProgress::advance(qint64 done, qint64 total)
{
    if (total > 0)
        dialog.setValue(int(qBound<qint64>(0, done * steps / total, steps - 1)));
}

// The bar starts again with the second parsing, under a label that says why.
void LogReadProgress::seekingFault()
{
    dialog.setLabelText(tr("Looking for the fault in %1 ...").arg(shownName));
    dialog.setValue(0);
}
