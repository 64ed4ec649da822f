#ifndef COLUMNCHECK_H
#define COLUMNCHECK_H

#include "ClosingGroupBox.h"
#include "VARN_Planner_Interface.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QStringList>
#include <QtTest>

// Every input of the group-box column that is narrower than its text needs ("name width < hint"),
// with every group open, the column at its narrowest and the longest texts the form can show;
// inputs counts the inputs looked at.
inline QStringList cutColumnInputs(VARN_Planner_Interface* window, int* inputs)
{
    for (ClosingGroupBox* box : window->findChildren<ClosingGroupBox*>())
        box->setChecked(true);
    window->resize(window->minimumSizeHint().width(), window->height());
    window->splitter->setSizes({0, window->width()});
    const bool narrowest =
        QTest::qWaitFor([window] { return window->scrollArea->width() == window->scrollArea->minimumWidth(); }, 5000);

    window->ccrMode->setChecked(true);
    window->replayModeCB->setChecked(true);
    // The longest gas texts: three-digit depths.
    window->O2_1->setValue(5);
    window->gas_2->setChecked(true);
    window->O2_2->setValue(5);
    window->depth_2->setValue(110);
    QCoreApplication::processEvents();

    *inputs = 0;
    QStringList cut;
    if (!narrowest)
        cut << QString("column %1 wide, not at its narrowest %2")
                   .arg(window->scrollArea->width())
                   .arg(window->scrollArea->minimumWidth());
    for (QWidget* input : window->scrollAreaWidgetContents->findChildren<QWidget*>()) {
        if (!qobject_cast<QAbstractSpinBox*>(input) && !qobject_cast<QComboBox*>(input)
            && !qobject_cast<QLineEdit*>(input) && !qobject_cast<QLabel*>(input)
            && !qobject_cast<QAbstractButton*>(input))
            continue;
        if (input->objectName().startsWith("qt_"))
            continue;
        ++*inputs;
        if (input->width() < input->sizeHint().width())
            cut << QString("%1 %2 < %3").arg(input->objectName()).arg(input->width()).arg(input->sizeHint().width());
    }
    return cut;
}

#endif
