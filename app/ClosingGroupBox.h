#ifndef CLOSINGGROUPBOX_H
#define CLOSINGGROUPBOX_H

#include <QGroupBox>

// A group box of the input column that the user folds with the check box in its title.
// Checked means open; unchecked or disabled itself, it shrinks to its title row; a disabled
// parent only greys it out. The check state is remembered in the defaults file under
// "Interface/<object name>".
class ClosingGroupBox : public QGroupBox {
    Q_OBJECT

public:
    explicit ClosingGroupBox(QWidget* parent);

    // Hides QObject::setObjectName: naming a box restores its remembered state.
    virtual void setObjectName(const QString& name);

public slots:
    void clickSlot();

protected:
    void changeEvent(QEvent* e) override;
};

#endif
