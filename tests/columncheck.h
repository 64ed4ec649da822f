#ifndef COLUMNCHECK_H
#define COLUMNCHECK_H

#include "ClosingGroupBox.h"
#include "VARN_Planner_Interface.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QStringList>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QtTest>

// The width a list needs to show one of its entries whole, as the list measures its own size:
// the entry's icon and text inside the list's frame and arrow.
inline int comboEntryWidth(const QComboBox* box, int index)
{
    QStyleOptionComboBox option;
    option.initFrom(box);
    option.editable = box->isEditable();
    option.frame = box->hasFrame();
    option.iconSize = box->iconSize();
    option.currentText = box->itemText(index);
    option.currentIcon = box->itemIcon(index);
    const QFontMetrics metrics = box->fontMetrics();
    QSize text(metrics.boundingRect(option.currentText).width(), metrics.height());
    if (!option.currentIcon.isNull())
        text.rwidth() += option.iconSize.width() + 4;
    return box->style()->sizeFromContents(QStyle::CT_ComboBox, &option, text, box).width();
}

// The entries that a list's drop-down cuts (it elides them in the middle, "De…ch"), with the
// width each needs, as the drop-down shows when opened.
inline QStringList cutPopupEntries(QComboBox* box)
{
    QStringList cut;
    box->showPopup();
    QCoreApplication::processEvents();
    const QAbstractItemView* view = box->view();
    for (int i = 0; i < box->count(); ++i) {
        const int needed = view->sizeHintForIndex(box->model()->index(i, box->modelColumn())).width();
        if (!view->isVisible() || view->viewport()->width() < needed)
            cut << QString("%1 drop-down %2: %3 < %4")
                       .arg(box->objectName(), box->itemText(i))
                       .arg(view->isVisible() ? view->viewport()->width() : 0)
                       .arg(needed);
    }
    box->hidePopup();
    return cut;
}

// Every shown label, button and list below `root` that cuts its text: smaller than its text
// needs ("name width x height < hint"), or, for a list, narrower than one of its entries needs
// ("name entry: width < needed"), whichever entry is shown, or a drop-down that cuts one.
inline QStringList cutTexts(const QWidget* root)
{
    QStringList cut;
    for (QWidget* w : root->findChildren<QWidget*>()) {
        if (!w->isVisible() || w->objectName().startsWith("qt_"))
            continue;
        if (auto* box = qobject_cast<QComboBox*>(w)) {
            for (int i = 0; i < box->count(); ++i) {
                const int needed = comboEntryWidth(box, i);
                if (box->width() < needed)
                    cut << QString("%1 %2: %3 < %4").arg(box->objectName(), box->itemText(i)).arg(box->width()).arg(needed);
            }
            cut << cutPopupEntries(box);
            continue;
        }
        if (!qobject_cast<QLabel*>(w) && !qobject_cast<QAbstractButton*>(w))
            continue;
        const QSize hint = w->sizeHint();
        if (w->width() < hint.width() || w->height() < hint.height())
            cut << QString("%1 '%2' %3x%4 < %5x%6")
                       .arg(w->objectName(), w->property("text").toString())
                       .arg(w->width())
                       .arg(w->height())
                       .arg(hint.width())
                       .arg(hint.height());
    }
    return cut;
}

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
