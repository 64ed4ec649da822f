#include "ClosingGroupBox.h"

#include "Settings.h"

#include <QEvent>
#include <QSettings>

namespace {

// Heights of an open box (no practical limit) and of a folded one (its title row).
const int openHeight = 32767;
const int foldedHeight = 17;

QString stateKey(const QString& name)
{
    return QString("Interface/%1").arg(name);
}

} // namespace

ClosingGroupBox::ClosingGroupBox(QWidget* parent)
    : QGroupBox(parent)
{
    setCheckable(true);
    setChecked(true);
    connect(this, &QGroupBox::clicked, this, &ClosingGroupBox::clickSlot);
    setFlat(true);
}

void ClosingGroupBox::setObjectName(const QString& name)
{
    QObject::setObjectName(name);
    // Without a defaults file (a window built outside the application) every box opens.
    setChecked(settings ? settings->value(stateKey(name), true).toBool() : true);
    clickSlot();
}

void ClosingGroupBox::clickSlot()
{
    // Only the box's own disabling folds it: a form greyed out around it (while a transfer
    // runs) leaves it open, its values readable.
    const bool open = (isEnabledTo(parentWidget()) && isChecked()) || !isCheckable();
    setMaximumHeight(open ? openHeight : foldedHeight);
    // The check state is stored, not the open state: a disabled box opens again once enabled.
    if (settings)
        settings->setValue(stateKey(objectName()), isChecked());
}

void ClosingGroupBox::changeEvent(QEvent* e)
{
    if (e->type() == QEvent::EnabledChange)
        clickSlot();
    QGroupBox::changeEvent(e);
}
