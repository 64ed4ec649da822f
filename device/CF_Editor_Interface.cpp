#include "CF_Editor_Interface.h"

#include "ColorPicker.h"
#include "VARN_eeprom.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTimeEdit>
#include <cstring>

namespace {

const int minutesPerDay = 24 * 60;

int editorType(int cf)
{
    return custom_functions_defaults[cf].type & ~CF_SIGNED;
}

bool isSigned(int cf)
{
    return custom_functions_defaults[cf].type & CF_SIGNED;
}

// Limits compare as 16-bit numbers, signed in the rows that say so.
bool lessThan(int cf, int a, int b)
{
    return isSigned(cf) ? qint16(a) < qint16(b) : quint16(a) < quint16(b);
}

// A number outside the table is a programming error; it is refused in every build, because an
// unchecked one would reach past the editors.
void checkNumber(int cf)
{
    if (!(0 <= cf && cf < 96))
        throw "CF_Editor_Interface: 0 <= cf && cf < 96";
}

} // namespace

CF_Editor_Interface::CF_Editor_Interface()
    : QDialog(nullptr)
    , _labels(CF_COUNT)
    , _editors(CF_COUNT)
{
    setupUi(this);
    connect(buttonBox->button(QDialogButtonBox::RestoreDefaults), &QPushButton::clicked, this,
            &CF_Editor_Interface::resetSlot);

    QWidget* const pages[3] = {cf1Tab, cf2Tab, cf3Tab};
    for (int cf = 0; cf < CF_COUNT; ++cf) {
        QWidget* page = pages[cf / 32];
        QGridLayout* grid = qobject_cast<QGridLayout*>(page->layout());
        if (!grid)
            grid = new QGridLayout(page);

        QLabel* label = new QLabel(page);
        label->setAlignment(Qt::AlignRight | Qt::AlignCenter);
        QWidget* editor = createEditor(cf, page);

        const int row = cf % 16;
        const int column = 2 * ((cf % 32) / 16);
        grid->addWidget(label, row, column);
        grid->addWidget(editor, row, column + 1);
        label->show();
        editor->show();
        _labels[cf] = label;
        _editors[cf] = editor;
    }

    tabWidget->setCurrentIndex(0);
    languageChange();
    // Marks match the editors from the start, even when the first image loaded
    // happens to change no editor and so triggers no validation.
    validateSlot();
}

QWidget* CF_Editor_Interface::createEditor(int cf, QWidget* page)
{
    // Changing an editor drops the unshown value it was holding, then revalidates.
    const auto release = [this, cf] { _unshownValues.remove(cf); };

    switch (editorType(cf)) {
    case CF_DECI:
    case CF_CENTI: {
        QDoubleSpinBox* box = new QDoubleSpinBox(page);
        const bool tenths = editorType(cf) == CF_DECI;
        box->setDecimals(tenths ? 1 : 2);
        box->setRange(0, tenths ? 25.5 : 2.55);
        connect(box, QOverload<double>::of(&QDoubleSpinBox::valueChanged), this, release);
        connect(box, QOverload<double>::of(&QDoubleSpinBox::valueChanged), this, &CF_Editor_Interface::validateSlot);
        return box;
    }
    case CF_TIME: {
        QTimeEdit* edit = new QTimeEdit(page);
        edit->setDisplayFormat("hh:mm");
        connect(edit, &QTimeEdit::timeChanged, this, release);
        connect(edit, &QTimeEdit::timeChanged, this, &CF_Editor_Interface::validateSlot);
        return edit;
    }
    case CF_COLOR:
        return new ColorPicker(page);
    case CF_BOOL: {
        QComboBox* box = new QComboBox(page);
        box->addItem(tr("OFF", "CF bool"));
        box->addItem(tr("ON", "CF bool"));
        box->setEditable(false);
        connect(box, QOverload<int>::of(&QComboBox::currentIndexChanged), this, release);
        connect(box, QOverload<int>::of(&QComboBox::currentIndexChanged), this, &CF_Editor_Interface::validateSlot);
        return box;
    }
    case CF_INT8:
    case CF_PERCENT:
    case CF_INT15:
    default: {
        QSpinBox* box = new QSpinBox(page);
        box->setRange(0, editorType(cf) == CF_INT15 ? 32767 : 255);
        if (editorType(cf) == CF_PERCENT)
            box->setSuffix(" %");
        connect(box, QOverload<int>::of(&QSpinBox::valueChanged), this, release);
        connect(box, QOverload<int>::of(&QSpinBox::valueChanged), this, &CF_Editor_Interface::validateSlot);
        return box;
    }
    }
}

void CF_Editor_Interface::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        languageChange();
    QDialog::changeEvent(event);
}

void CF_Editor_Interface::languageChange()
{
    retranslateUi(this);
    for (int cf = 0; cf < CF_COUNT; ++cf)
        _labels[cf]->setText(QString("%2 (CF%1)")
                                 .arg(cf, 2, 10, QChar('0'))
                                 .arg(QCoreApplication::translate("CF menu (15 char max)",
                                                                  custom_functions_defaults[cf].label)));
}

int CF_Editor_Interface::value(int cf) const
{
    checkNumber(cf);
    const auto unshown = _unshownValues.constFind(cf);
    if (unshown != _unshownValues.constEnd())
        return *unshown;

    QWidget* editor = _editors[cf];
    switch (editorType(cf)) {
    case CF_DECI:
        return qRound(static_cast<QDoubleSpinBox*>(editor)->value() * 10);
    case CF_CENTI:
        return qRound(static_cast<QDoubleSpinBox*>(editor)->value() * 100);
    case CF_TIME: {
        const QTime time = static_cast<QTimeEdit*>(editor)->time();
        return time.hour() * 60 + time.minute();
    }
    case CF_COLOR:
        return static_cast<ColorPicker*>(editor)->color();
    case CF_BOOL:
        return static_cast<QComboBox*>(editor)->currentIndex();
    default:
        return static_cast<QSpinBox*>(editor)->value();
    }
}

void CF_Editor_Interface::setValue(int cf, int v)
{
    checkNumber(cf);
    const int before = value(cf);
    const bool wasUnshown = _unshownValues.remove(cf) > 0;
    const quint16 stored = quint16(v);

    QWidget* editor = _editors[cf];
    switch (editorType(cf)) {
    case CF_DECI:
        static_cast<QDoubleSpinBox*>(editor)->setValue(v * 0.1);
        break;
    case CF_CENTI:
        static_cast<QDoubleSpinBox*>(editor)->setValue(v * 0.01);
        break;
    case CF_TIME: {
        // The editor shows one day at most: a longer or negative time stands at the nearer end.
        const bool negative = isSigned(cf) && qint16(stored) < 0;
        static_cast<QTimeEdit*>(editor)->setTime(stored < minutesPerDay ? QTime(stored / 60, stored % 60)
                                                 : negative           ? QTime(0, 0)
                                                                      : QTime(23, 59));
        break;
    }
    case CF_COLOR:
        static_cast<ColorPicker*>(editor)->setColor((unsigned char)v);
        break;
    case CF_BOOL:
        static_cast<QComboBox*>(editor)->setCurrentIndex(stored <= 1 ? stored : -1);
        break;
    default:
        static_cast<QSpinBox*>(editor)->setValue(v);
        break;
    }

    // A value the editor cannot hold is kept as it was stored until the user changes the editor,
    // so accepting the dialog never writes back a clamped or made-up number. Colours are bytes:
    // the picker, which tells nobody of a pick, keeps the low byte.
    const bool shown = editorType(cf) == CF_COLOR || value(cf) == int(stored);
    if (!shown)
        _unshownValues.insert(cf, stored);
    // The editor's own notification misses this change: the colour picker sends none,
    // and an unshown value may leave the editor as it was or be recorded after it.
    if (value(cf) != before && (wasUnshown || !shown || editorType(cf) == CF_COLOR))
        validateSlot();
}

void CF_Editor_Interface::validateSlot()
{
    for (int cf = 0; cf < CF_COUNT; ++cf) {
        const CF_Default& row = custom_functions_defaults[cf];
        const int v = value(cf);
        const unsigned short min = row.min;
        const unsigned short max = row.max;

        const bool tooSmall = min != 0 && lessThan(cf, v, min);
        const bool tooLarge = min < max && lessThan(cf, max, v);
        const bool valid = !tooSmall && !tooLarge;
        const bool changed = quint16(v) != row.defaultValue;

        if (editorType(cf) != CF_COLOR) {
            QWidget* editor = _editors[cf];
            QPalette palette = editor->palette();
            palette.setColor(QPalette::Text, valid ? Qt::black : Qt::red);
            palette.setColor(QPalette::Highlight, valid ? Qt::blue : Qt::red);
            editor->setPalette(palette);
        }

        // Setting a style sheet repolishes the label, even when it is the same one.
        const QString sheet = changed ? QStringLiteral("* { font: bold}") : QString();
        if (_labels[cf]->styleSheet() != sheet)
            _labels[cf]->setStyleSheet(sheet);
    }
}

void CF_Editor_Interface::resetSlot()
{
    for (int cf = 0; cf < CF_COUNT; ++cf)
        setValue(cf, custom_functions_defaults[cf].defaultValue);
    customText->clear();
    validateSlot();
}

void CF_Editor_Interface::fromEEPROM()
{
    for (int cf = 0; cf < CF_COUNT; ++cf)
        setValue(cf, eeprom.cf(cf).value);

    if (eeprom.serial == 0xFFFF)
        text->setText(tr("VARN <i>serial not loaded</i>", "EEPROM"));
    else
        text->setText(QString("VARN %1 V%2.%3")
                          .arg(int(eeprom.serial))
                          .arg(int(eeprom.firmwareMajor))
                          .arg(int(eeprom.firmwareMinor)));

    int length = 0;
    if (eeprom.customTextOn)
        while (length < int(sizeof eeprom.customText) && eeprom.customText[length] != '}'
               && eeprom.customText[length] != 0)
            ++length;
    customText->setText(QString::fromLatin1(reinterpret_cast<const char*>(eeprom.customText), length));
}

void CF_Editor_Interface::toEEPROM() const
{
    const QString typed = customText->text();
    eeprom.customTextOn = typed.isEmpty() ? 0 : 1;
    if (eeprom.customTextOn) {
        const QByteArray padded = QString("%1}}}}}}}}}}}}}}}}}}}}}}}}").arg(typed).toLatin1();
        std::memcpy(eeprom.customText, padded.constData(), sizeof eeprom.customText);
    } else {
        eeprom.customText[0] = 0;
    }

    for (int cf = 0; cf < CF_COUNT; ++cf)
        eeprom.cf(cf).value = word(quint16(value(cf)));
}
