#ifndef CF_EDITOR_INTERFACE_H
#define CF_EDITOR_INTERFACE_H

#include "ui_CF_Editor_Dialog.h"

#include <QDialog>
#include <QHash>
#include <QVector>

class QLabel;

// The modal editor of the 96 custom functions and the custom text of the global image.
// Only toEEPROM writes into the image; the editors keep their values between uses.
class CF_Editor_Interface : public QDialog, public Ui::CF_Editor_Dialog {
    Q_OBJECT

public:
    CF_Editor_Interface();

    void fromEEPROM();
    void toEEPROM() const;

    // The stored value that custom function cf's editor stands for. A cf outside 0..95
    // throws "CF_Editor_Interface: 0 <= cf && cf < 96", as does setValue.
    int value(int cf) const;
    void setValue(int cf, int v);

    void languageChange();

public slots:
    void validateSlot();
    void resetSlot();

protected:
    void changeEvent(QEvent* event) override;

private:
    QWidget* createEditor(int cf, QWidget* page);

    QVector<QLabel*> _labels;
    QVector<QWidget*> _editors;
    // Stored values that their editor cannot show (beyond its range, a time of a day or more,
    // a negative time, a BOOL other than 0 and 1), kept until that editor is changed, so that
    // accepting the dialog writes them back as they were.
    QHash<int, int> _unshownValues;
};

#endif
