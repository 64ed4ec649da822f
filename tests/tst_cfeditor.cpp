#include "CF_Editor_Interface.h"
#include "ColorPicker.h"
#include "VARN_eeprom.h"
#include "testutil.h"

#include <QApplication>
#include <QColorDialog>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSpinBox>
#include <QTimeEdit>
#include <QTimer>
#include <QTranslator>
#include <QtTest>
#include <cstring>

namespace {

// The widget in custom function cf's row of its page: offset 0 is the label, 1 the editor.
QWidget* cell(const CF_Editor_Interface& dialog, int cf, int offset)
{
    QWidget* const pages[3] = {dialog.cf1Tab, dialog.cf2Tab, dialog.cf3Tab};
    QGridLayout* grid = qobject_cast<QGridLayout*>(pages[cf / 32]->layout());
    if (!grid)
        return nullptr;
    QLayoutItem* item = grid->itemAtPosition(cf % 16, 2 * ((cf % 32) / 16) + offset);
    return item ? item->widget() : nullptr;
}

QLabel* labelOf(const CF_Editor_Interface& dialog, int cf)
{
    return qobject_cast<QLabel*>(cell(dialog, cf, 0));
}

QWidget* editorOf(const CF_Editor_Interface& dialog, int cf)
{
    return cell(dialog, cf, 1);
}

bool isBold(const CF_Editor_Interface& dialog, int cf)
{
    const QString sheet = labelOf(dialog, cf)->styleSheet();
    if (sheet.isEmpty())
        return false;
    if (sheet == "* { font: bold}")
        return true;
    qWarning() << "unexpected label style" << sheet;
    return false;
}

// True when the editor is marked valid, false when marked invalid; anything else fails.
bool markedValid(const CF_Editor_Interface& dialog, int cf)
{
    const QPalette palette = editorOf(dialog, cf)->palette();
    const QColor text = palette.color(QPalette::Text);
    const QColor highlight = palette.color(QPalette::Highlight);
    if (text == QColor(Qt::black) && highlight == QColor(Qt::blue))
        return true;
    if (text == QColor(Qt::red) && highlight == QColor(Qt::red))
        return false;
    qWarning() << "unexpected editor colours" << text << highlight;
    return false;
}

QByteArray imageBytes(const VARN_eeprom& image)
{
    return QByteArray(reinterpret_cast<const char*>(image.bytes()), sizeof image);
}

QByteArray customTextBytes()
{
    return QByteArray(reinterpret_cast<const char*>(eeprom.customText), sizeof eeprom.customText);
}

void setCustomTextBytes(const QByteArray& bytes)
{
    QCOMPARE(bytes.size(), int(sizeof eeprom.customText));
    std::memcpy(eeprom.customText, bytes.constData(), sizeof eeprom.customText);
}

// Answers only the texts it was given, so the contexts and comments of the lookups show.
class TableTranslator : public QTranslator {
public:
    QHash<QString, QString> texts;  // "context|source|comment" -> translation

    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char* comment, int) const override
    {
        return texts.value(QString("%1|%2|%3").arg(context, source, comment ? comment : ""));
    }
};

} // namespace

class TestCfEditor : public QObject {
    Q_OBJECT

private slots:
    void init();

    void form();
    void editorKinds_data();
    void editorKinds();
    void everyRowPlacedWithItsTypesEditor();
    void labels();
    void showAndReadBack_data();
    void showAndReadBack();
    void numberOutsideTableIsRefused_data();
    void numberOutsideTableIsRefused();
    void everyShowableValueReadsBack_data();
    void everyShowableValueReadsBack();
    void deciArrowStep();
    void limits_data();
    void limits();
    void boldLabels();
    void colorRowsAreNeverRecoloured();
    void marksMatchEditorsWhenNothingChanges();
    void unshownValues_data();
    void unshownValues();
    void changedEditorDropsUnshownValue_data();
    void changedEditorDropsUnshownValue();
    void unshownValueDroppedForSameDisplay();
    void unshownValuesAreValidated();
    void restoreDefaults();
    void customTextFromEeprom_data();
    void customTextFromEeprom();
    void customTextToEeprom_data();
    void customTextToEeprom();
    void titleLine_data();
    void titleLine();
    void roundTripKeepsEveryByte();
    void colorChosenWithPicker();
    void okAndCancel();
    void translationContexts();
};

void TestCfEditor::init()
{
    eeprom = VARN_eeprom();
}

void TestCfEditor::form()
{
    CF_Editor_Interface dialog;
    QCOMPARE(dialog.objectName(), QString("CF_Editor_Dialog"));
    QCOMPARE(dialog.size(), QSize(410, 439));
    QVERIFY(dialog.isModal());
    QVERIFY(!dialog.parentWidget());
    QCOMPARE(dialog.windowTitle(), QString("Edit Custom Functions"));

    QCOMPARE(dialog.tabWidget->count(), 3);
    QCOMPARE(dialog.tabWidget->widget(0), dialog.cf1Tab);
    QCOMPARE(dialog.tabWidget->widget(1), dialog.cf2Tab);
    QCOMPARE(dialog.tabWidget->widget(2), dialog.cf3Tab);
    QCOMPARE(dialog.tabWidget->tabText(0), QString("Custom Functions I"));
    QCOMPARE(dialog.tabWidget->tabText(1), QString("Custom Functions II"));
    QCOMPARE(dialog.tabWidget->tabText(2), QString("Custom Functions III"));
    QCOMPARE(dialog.tabWidget->currentIndex(), 0);

    QGridLayout* grid = dialog.gridLayout;
    QCOMPARE(dialog.layout(), grid);
    const auto placeOf = [grid](QWidget* widget) {
        int row, column, rows, columns;
        grid->getItemPosition(grid->indexOf(widget), &row, &column, &rows, &columns);
        return QVector<int>{row, column, rows, columns};
    };
    QCOMPARE(placeOf(dialog.text), (QVector<int>{0, 0, 1, 1}));
    QCOMPARE(placeOf(dialog.customText), (QVector<int>{0, 1, 1, 1}));
    QCOMPARE(placeOf(dialog.tabWidget), (QVector<int>{2, 0, 1, 2}));
    QCOMPARE(placeOf(dialog.buttonBox), (QVector<int>{3, 0, 1, 2}));
    QCOMPARE(grid->rowStretch(0), 0);
    QCOMPARE(grid->rowStretch(2), 1);
    QCOMPARE(grid->rowStretch(3), 1);
    QCOMPARE(grid->columnStretch(0), 1);
    QCOMPARE(grid->columnStretch(1), 1);

    QCOMPARE(dialog.text->text(), QString("TextLabel"));
    QCOMPARE(dialog.customText->text(), QString("1234567890123456789012345"));
    QCOMPARE(dialog.customText->maxLength(), 25);
    QCOMPARE(dialog.customText->maximumWidth(), 160);
    const QPalette palette = dialog.customText->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        QCOMPARE(palette.color(group, QPalette::Text), QColor(85, 255, 127));
        QCOMPARE(palette.color(group, QPalette::Base), QColor(0, 0, 0));
    }
    QCOMPARE(palette.color(QPalette::Disabled, QPalette::Text), QColor(120, 120, 120));
    QCOMPARE(palette.color(QPalette::Disabled, QPalette::Base), QColor(240, 240, 240));

    QCOMPARE(dialog.buttonBox->orientation(), Qt::Horizontal);
    QVERIFY(!dialog.buttonBox->centerButtons());
    QCOMPARE(dialog.buttonBox->standardButtons(),
             QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::RestoreDefaults);
}

void TestCfEditor::editorKinds_data()
{
    QTest::addColumn<int>("cf");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<double>("maximum");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QString>("suffix");

    QTest::newRow("INT15 CF06") << 6 << "QSpinBox" << 32767.0 << 0 << "";
    QTest::newRow("INT15 unused CF95") << 95 << "QSpinBox" << 32767.0 << 0 << "";
    QTest::newRow("INT8 CF05") << 5 << "QSpinBox" << 255.0 << 0 << "";
    QTest::newRow("PERCENT CF08") << 8 << "QSpinBox" << 255.0 << 0 << " %";
    QTest::newRow("DECI CF16") << 16 << "QDoubleSpinBox" << 25.5 << 1 << "";
    QTest::newRow("CENTI CF00") << 0 << "QDoubleSpinBox" << 2.55 << 2 << "";
    QTest::newRow("TIME CF02") << 2 << "QTimeEdit" << 0.0 << 0 << "";
    QTest::newRow("signed TIME CF48") << 48 << "QTimeEdit" << 0.0 << 0 << "";
    QTest::newRow("COLOR CF34") << 34 << "ColorPicker" << 0.0 << 0 << "";
    QTest::newRow("BOOL CF31") << 31 << "QComboBox" << 0.0 << 0 << "";
}

void TestCfEditor::editorKinds()
{
    QFETCH(int, cf);
    QFETCH(QString, kind);
    QFETCH(double, maximum);
    QFETCH(int, decimals);
    QFETCH(QString, suffix);

    CF_Editor_Interface dialog;
    QWidget* editor = editorOf(dialog, cf);
    QVERIFY(editor);
    if (kind == "QSpinBox") {
        QSpinBox* box = qobject_cast<QSpinBox*>(editor);
        QVERIFY(box);
        QCOMPARE(box->minimum(), 0);
        QCOMPARE(box->maximum(), int(maximum));
        QCOMPARE(box->suffix(), suffix);
        QCOMPARE(box->singleStep(), 1);
    } else if (kind == "QDoubleSpinBox") {
        QDoubleSpinBox* box = qobject_cast<QDoubleSpinBox*>(editor);
        QVERIFY(box);
        QCOMPARE(box->minimum(), 0.0);
        QCOMPARE(box->maximum(), maximum);
        QCOMPARE(box->decimals(), decimals);
        QCOMPARE(box->singleStep(), 1.0);
    } else if (kind == "QTimeEdit") {
        QTimeEdit* edit = qobject_cast<QTimeEdit*>(editor);
        QVERIFY(edit);
        QCOMPARE(edit->displayFormat(), QString("hh:mm"));
    } else if (kind == "ColorPicker") {
        QVERIFY(dynamic_cast<ColorPicker*>(editor));
    } else {
        QComboBox* box = qobject_cast<QComboBox*>(editor);
        QVERIFY(box);
        QCOMPARE(box->count(), 2);
        QCOMPARE(box->itemText(0), QString("OFF"));
        QCOMPARE(box->itemText(1), QString("ON"));
        QVERIFY(!box->isEditable());
    }
}

void TestCfEditor::everyRowPlacedWithItsTypesEditor()
{
    const QHash<int, QString> kinds = {
        {CF_INT15, "QSpinBox"},         {CF_INT8, "QSpinBox"},   {CF_PERCENT, "QSpinBox"},
        {CF_DECI, "QDoubleSpinBox"},    {CF_CENTI, "QDoubleSpinBox"},
        {CF_TIME, "QTimeEdit"},         {CF_TIME | CF_SIGNED, "QTimeEdit"},
        {CF_COLOR, "ColorPicker"},      {CF_BOOL, "QComboBox"},
    };
    CF_Editor_Interface dialog;
    QWidget* const pages[3] = {dialog.cf1Tab, dialog.cf2Tab, dialog.cf3Tab};
    int pickers = 0;
    for (int cf = 0; cf < CF_COUNT; ++cf) {
        QLabel* label = labelOf(dialog, cf);
        QWidget* editor = editorOf(dialog, cf);
        QVERIFY2(label && editor, qPrintable(QString("CF%1").arg(cf)));
        QCOMPARE(label->parentWidget(), pages[cf / 32]);
        QCOMPARE(editor->parentWidget(), pages[cf / 32]);
        QVERIFY(!label->isHidden());
        QVERIFY(!editor->isHidden());
        QCOMPARE(label->alignment(), Qt::AlignRight | Qt::AlignCenter);

        const QString kind = kinds.value(custom_functions_defaults[cf].type);
        QVERIFY2(!kind.isEmpty(), qPrintable(QString("CF%1").arg(cf)));
        if (kind == "ColorPicker") {
            QVERIFY(dynamic_cast<ColorPicker*>(editor));
            ++pickers;
        } else {
            QCOMPARE(editor->metaObject()->className(), kind.toLatin1().constData());
        }
    }
    QCOMPARE(pickers, 5);
    for (QWidget* page : pages)
        QCOMPARE(page->layout()->count(), 64);
}

void TestCfEditor::labels()
{
    CF_Editor_Interface dialog;
    QCOMPARE(labelOf(dialog, 0)->text(), QString("Start Dive [m] (CF00)"));
    QCOMPARE(labelOf(dialog, 5)->text(), QString("velocity[m/min] (CF05)"));
    QCOMPARE(labelOf(dialog, 6)->text(), QString("Wake-up  [mbar] (CF06)"));
    QCOMPARE(labelOf(dialog, 34)->text(), QString("Color# Battery  (CF34)"));
    QCOMPARE(labelOf(dialog, 48)->text(), QString("Time offset/day (CF48)"));
    QCOMPARE(labelOf(dialog, 65)->text(), QString("Use safety stop (CF65)"));
    QCOMPARE(labelOf(dialog, 95)->text(), QString("unused (CF95)"));
}

void TestCfEditor::showAndReadBack_data()
{
    QTest::addColumn<int>("cf");
    QTest::addColumn<int>("stored");
    QTest::addColumn<QVariant>("shown");
    QTest::addColumn<int>("readBack");

    QTest::newRow("INT15") << 43 << 13000 << QVariant(13000) << 13000;
    QTest::newRow("INT15 above range: shown clamped, kept") << 43 << 40000 << QVariant(32767) << 40000;
    QTest::newRow("INT8") << 5 << 18 << QVariant(18) << 18;
    QTest::newRow("INT8 above range: shown clamped, kept") << 5 << 300 << QVariant(255) << 300;
    QTest::newRow("PERCENT") << 8 << 99 << QVariant(99) << 99;
    QTest::newRow("DECI") << 16 << 10 << QVariant(1.0) << 10;
    QTest::newRow("DECI largest") << 16 << 255 << QVariant(25.5) << 255;
    QTest::newRow("CENTI") << 0 << 100 << QVariant(1.0) << 100;
    QTest::newRow("CENTI 29") << 0 << 29 << QVariant(0.29) << 29;
    QTest::newRow("CENTI above range: shown clamped, kept") << 0 << 300 << QVariant(2.55) << 300;
    QTest::newRow("TIME 4 h") << 2 << 240 << QVariant(QTime(4, 0)) << 240;
    QTest::newRow("TIME 23:59") << 3 << 1439 << QVariant(QTime(23, 59)) << 1439;
    QTest::newRow("signed TIME 2 h") << 48 << 120 << QVariant(QTime(2, 0)) << 120;
    QTest::newRow("COLOR") << 35 << 199 << QVariant(199) << 199;
    QTest::newRow("BOOL ON") << 40 << 1 << QVariant(1) << 1;
    QTest::newRow("BOOL OFF") << 40 << 0 << QVariant(0) << 0;
}

void TestCfEditor::showAndReadBack()
{
    QFETCH(int, cf);
    QFETCH(int, stored);
    QFETCH(QVariant, shown);
    QFETCH(int, readBack);

    CF_Editor_Interface dialog;
    dialog.setValue(cf, stored);
    QWidget* editor = editorOf(dialog, cf);
    if (QSpinBox* box = qobject_cast<QSpinBox*>(editor))
        QCOMPARE(box->value(), shown.toInt());
    else if (QDoubleSpinBox* box = qobject_cast<QDoubleSpinBox*>(editor))
        QCOMPARE(box->value(), shown.toDouble());
    else if (QTimeEdit* edit = qobject_cast<QTimeEdit*>(editor))
        QCOMPARE(edit->time(), shown.toTime());
    else if (QComboBox* box = qobject_cast<QComboBox*>(editor))
        QCOMPARE(box->currentIndex(), shown.toInt());
    else
        QCOMPARE(int(dynamic_cast<ColorPicker*>(editor)->color()), shown.toInt());
    QCOMPARE(dialog.value(cf), readBack);
}

void TestCfEditor::everyShowableValueReadsBack_data()
{
    QTest::addColumn<int>("cf");
    QTest::addColumn<int>("last");
    QTest::newRow("CENTI") << 0 << 255;
    QTest::newRow("DECI") << 16 << 255;
    QTest::newRow("PERCENT") << 11 << 255;
    QTest::newRow("INT8") << 20 << 255;
    QTest::newRow("TIME") << 10 << 1439;
    QTest::newRow("signed TIME") << 48 << 1439;
    QTest::newRow("COLOR") << 64 << 255;
    QTest::newRow("BOOL") << 65 << 1;
}

void TestCfEditor::everyShowableValueReadsBack()
{
    QFETCH(int, cf);
    QFETCH(int, last);
    CF_Editor_Interface dialog;
    for (int v = 0; v <= last; ++v) {
        dialog.setValue(cf, v);
        QCOMPARE(dialog.value(cf), v);
    }
    for (int v : {0, 1, 9999, 32766, 32767}) {
        dialog.setValue(6, v);
        QCOMPARE(dialog.value(6), v);
    }
}

void TestCfEditor::numberOutsideTableIsRefused_data()
{
    QTest::addColumn<bool>("write");
    QTest::addColumn<int>("cf");
    QTest::newRow("value(-1)") << false << -1;
    QTest::newRow("value(96)") << false << 96;
    QTest::newRow("value(100000)") << false << 100000;
    QTest::newRow("setValue(-1)") << true << -1;
    QTest::newRow("setValue(96)") << true << 96;
    QTest::newRow("setValue(-100000)") << true << -100000;
}

// In every build, not only where assertions are compiled in: nothing is read or written
// beyond the 96 editors.
void TestCfEditor::numberOutsideTableIsRefused()
{
    QFETCH(bool, write);
    QFETCH(int, cf);
    CF_Editor_Interface dialog;
    dialog.fromEEPROM();
    QList<int> before;
    for (int n = 0; n < CF_COUNT; ++n)
        before << dialog.value(n);

    const QString text = write ? thrownText([&] { dialog.setValue(cf, 1); }) : thrownText([&] { dialog.value(cf); });
    QCOMPARE(text, QString("CF_Editor_Interface: 0 <= cf && cf < 96"));
    QList<int> after;
    for (int n = 0; n < CF_COUNT; ++n)
        after << dialog.value(n);
    QCOMPARE(after, before);
}

void TestCfEditor::deciArrowStep()
{
    CF_Editor_Interface dialog;
    dialog.setValue(16, 10);
    QDoubleSpinBox* box = qobject_cast<QDoubleSpinBox*>(editorOf(dialog, 16));
    QCOMPARE(box->value(), 1.0);
    box->stepUp();
    QCOMPARE(box->value(), 2.0);
    QCOMPARE(dialog.value(16), 20);

    dialog.setValue(0, 100);
    QDoubleSpinBox* centi = qobject_cast<QDoubleSpinBox*>(editorOf(dialog, 0));
    centi->stepDown();
    QCOMPARE(dialog.value(0), 0);
}

void TestCfEditor::limits_data()
{
    QTest::addColumn<int>("cf");
    QTest::addColumn<int>("stored");
    QTest::addColumn<bool>("valid");

    QTest::newRow("CENTI below min") << 0 << 49 << false;
    QTest::newRow("CENTI at min") << 0 << 50 << true;
    QTest::newRow("CENTI at max") << 0 << 250 << true;
    QTest::newRow("CENTI above max") << 0 << 251 << false;
    QTest::newRow("DECI above max") << 16 << 11 << false;
    QTest::newRow("min 0 never too small") << 15 << 0 << true;
    QTest::newRow("min 0 with max") << 15 << 101 << false;
    QTest::newRow("max 0: below min") << 6 << 949 << false;
    QTest::newRow("max 0: no upper limit") << 6 << 32767 << true;
    QTest::newRow("max equal to min: below") << 7 << 1079 << false;
    QTest::newRow("max equal to min: no upper limit") << 7 << 1500 << true;
    QTest::newRow("INT15 at max") << 43 << 13000 << true;
    QTest::newRow("INT15 above max") << 43 << 13001 << false;
    QTest::newRow("INT15 below min") << 56 << 4 << false;
    QTest::newRow("INT15 above max 50") << 57 << 51 << false;
    QTest::newRow("TIME below min") << 3 << 29 << false;
    QTest::newRow("TIME above max") << 2 << 601 << false;
    QTest::newRow("TIME at max") << 2 << 600 << true;
    QTest::newRow("signed TIME at -120") << 48 << 0xFF88 << true;
    QTest::newRow("signed TIME at -121") << 48 << 0xFF87 << false;
    QTest::newRow("signed TIME at -1") << 48 << 0xFFFF << true;
    QTest::newRow("signed TIME no upper limit") << 48 << 600 << true;
    QTest::newRow("PERCENT above max") << 8 << 100 << false;
    QTest::newRow("BOOL 1") << 31 << 1 << true;
    QTest::newRow("unused row") << 80 << 32767 << true;
}

void TestCfEditor::limits()
{
    QFETCH(int, cf);
    QFETCH(int, stored);
    QFETCH(bool, valid);

    CF_Editor_Interface dialog;
    eeprom.cf(cf).value = word(quint16(stored));
    dialog.fromEEPROM();
    QCOMPARE(dialog.value(cf), stored);
    QCOMPARE(markedValid(dialog, cf), valid);
    for (int other = 0; other < CF_COUNT; ++other)
        if (other != cf && custom_functions_defaults[other].type != CF_COLOR)
            QVERIFY2(markedValid(dialog, other), qPrintable(QString("CF%1").arg(other)));

    // Marks follow later changes in either direction.
    dialog.setValue(cf, custom_functions_defaults[cf].defaultValue);
    QVERIFY(markedValid(dialog, cf));
    dialog.setValue(cf, stored);
    QCOMPARE(markedValid(dialog, cf), valid);

    // Invalid values are still written back.
    eeprom.cf(cf).value = word(0x1234);
    dialog.toEEPROM();
    QCOMPARE(int(eeprom.cf(cf).value), stored);
}

void TestCfEditor::boldLabels()
{
    CF_Editor_Interface dialog;
    dialog.fromEEPROM();
    for (int cf = 0; cf < CF_COUNT; ++cf)
        QVERIFY2(!isBold(dialog, cf), qPrintable(QString("CF%1").arg(cf)));

    QSpinBox* box = qobject_cast<QSpinBox*>(editorOf(dialog, 5));
    box->setValue(8);
    QVERIFY(isBold(dialog, 5));
    for (int cf = 0; cf < CF_COUNT; ++cf)
        if (cf != 5)
            QVERIFY(!isBold(dialog, cf));
    box->setValue(7);
    QVERIFY(!isBold(dialog, 5));

    qobject_cast<QComboBox*>(editorOf(dialog, 40))->setCurrentIndex(0);
    QVERIFY(isBold(dialog, 40));
    qobject_cast<QTimeEdit*>(editorOf(dialog, 2))->setTime(QTime(4, 1));
    QVERIFY(isBold(dialog, 2));
}

void TestCfEditor::colorRowsAreNeverRecoloured()
{
    CF_Editor_Interface dialog;
    const QPalette before = editorOf(dialog, 36)->palette();
    dialog.fromEEPROM();
    QCOMPARE(editorOf(dialog, 36)->palette(), before);
    QVERIFY(!isBold(dialog, 36));

    // A colour chosen in the picker is marked at the next validation.
    ColorPicker* picker = dynamic_cast<ColorPicker*>(editorOf(dialog, 36));
    picker->setColor(0x03);
    QVERIFY(!isBold(dialog, 36));
    dialog.validateSlot();
    QVERIFY(isBold(dialog, 36));
    QCOMPARE(editorOf(dialog, 36)->palette(), before);

    // A loaded colour is marked at once, even as the last row that changes.
    eeprom.cf(64).value = word(3);
    dialog.fromEEPROM();
    QVERIFY(!isBold(dialog, 36));
    QVERIFY(isBold(dialog, 64));
    eeprom.cf(64).value = custom_functions_defaults[64].defaultValue;
    dialog.fromEEPROM();
    QVERIFY(!isBold(dialog, 64));
}

void TestCfEditor::marksMatchEditorsWhenNothingChanges()
{
    // Every value equals what a new dialog's editors already show, so loading changes no editor.
    for (int cf = 0; cf < CF_COUNT; ++cf)
        eeprom.cf(cf).value = word(0);
    CF_Editor_Interface dialog;
    dialog.fromEEPROM();
    QVERIFY(isBold(dialog, 0));
    QVERIFY(!markedValid(dialog, 0));
    QVERIFY(isBold(dialog, 34));
    QVERIFY(!isBold(dialog, 31));
    QVERIFY(markedValid(dialog, 31));
    QVERIFY(!isBold(dialog, 95));
}

void TestCfEditor::unshownValues_data()
{
    QTest::addColumn<int>("cf");
    QTest::addColumn<int>("earlier");
    QTest::addColumn<int>("stored");
    QTest::addColumn<QVariant>("shown");

    QTest::newRow("BOOL 2") << 31 << 1 << 2 << QVariant(-1);
    QTest::newRow("BOOL 255") << 40 << 0 << 255 << QVariant(-1);
    QTest::newRow("BOOL 65535") << 54 << 1 << 65535 << QVariant(-1);
    QTest::newRow("TIME 1440") << 2 << 90 << 1440 << QVariant(QTime(23, 59));
    QTest::newRow("TIME 2000") << 30 << 600 << 2000 << QVariant(QTime(23, 59));
    QTest::newRow("TIME 65535") << 10 << 45 << 65535 << QVariant(QTime(23, 59));
    QTest::newRow("signed TIME 32767") << 48 << 30 << 32767 << QVariant(QTime(23, 59));
    QTest::newRow("signed TIME -1") << 48 << 30 << 0xFFFF << QVariant(QTime(0, 0));
    QTest::newRow("signed TIME -120") << 48 << 100 << 0xFF88 << QVariant(QTime(0, 0));
    QTest::newRow("INT15 40000") << 43 << 13000 << 40000 << QVariant(32767);
    QTest::newRow("PERCENT 300") << 8 << 20 << 300 << QVariant(255);
    QTest::newRow("DECI 300") << 16 << 10 << 300 << QVariant(25.5);
}

void TestCfEditor::unshownValues()
{
    QFETCH(int, cf);
    QFETCH(int, earlier);
    QFETCH(int, stored);
    QFETCH(QVariant, shown);

    CF_Editor_Interface dialog;
    eeprom.cf(cf).value = word(quint16(earlier));
    dialog.fromEEPROM();
    QCOMPARE(dialog.value(cf), earlier);

    eeprom.cf(cf).value = word(quint16(stored));
    const QByteArray before = imageBytes(eeprom);
    dialog.fromEEPROM();
    QWidget* editor = editorOf(dialog, cf);
    if (QComboBox* box = qobject_cast<QComboBox*>(editor))
        QCOMPARE(box->currentIndex(), shown.toInt());
    else if (QSpinBox* box = qobject_cast<QSpinBox*>(editor))
        QCOMPARE(box->value(), shown.toInt());
    else if (QDoubleSpinBox* box = qobject_cast<QDoubleSpinBox*>(editor))
        QCOMPARE(box->value(), shown.toDouble());
    else
        QCOMPARE(qobject_cast<QTimeEdit*>(editor)->time(), shown.toTime());
    QCOMPARE(dialog.value(cf), stored);

    // Accepted untouched: the value goes back as it came, and nothing else moves either.
    eeprom.cf(cf).value = word(quint16(earlier));
    dialog.toEEPROM();
    QCOMPARE(int(eeprom.cf(cf).value), stored);
    QCOMPARE(imageBytes(eeprom), before);

    // A second load of the same image keeps it too.
    dialog.fromEEPROM();
    dialog.toEEPROM();
    QCOMPARE(imageBytes(eeprom), before);
}

void TestCfEditor::changedEditorDropsUnshownValue_data()
{
    QTest::addColumn<int>("cf");
    QTest::addColumn<int>("stored");
    QTest::addColumn<int>("edited");

    QTest::newRow("BOOL to OFF") << 31 << 7 << 0;
    QTest::newRow("BOOL to ON") << 31 << 7 << 1;
    QTest::newRow("TIME") << 2 << 3000 << 5;
    QTest::newRow("signed TIME") << 48 << 0xFFC4 << 90;
    QTest::newRow("INT15") << 43 << 40000 << 12000;
    QTest::newRow("DECI") << 16 << 300 << 5;
}

void TestCfEditor::changedEditorDropsUnshownValue()
{
    QFETCH(int, cf);
    QFETCH(int, stored);
    QFETCH(int, edited);

    CF_Editor_Interface dialog;
    eeprom.cf(cf).value = word(quint16(stored));
    dialog.fromEEPROM();
    QWidget* editor = editorOf(dialog, cf);
    if (QComboBox* box = qobject_cast<QComboBox*>(editor))
        box->setCurrentIndex(edited);
    else if (QSpinBox* box = qobject_cast<QSpinBox*>(editor))
        box->setValue(edited);
    else if (QDoubleSpinBox* box = qobject_cast<QDoubleSpinBox*>(editor))
        box->setValue(edited * 0.1);
    else
        qobject_cast<QTimeEdit*>(editor)->setTime(QTime(edited / 60, edited % 60));
    QCOMPARE(dialog.value(cf), edited);
    dialog.toEEPROM();
    QCOMPARE(int(eeprom.cf(cf).value), edited);
}

void TestCfEditor::unshownValueDroppedForSameDisplay()
{
    CF_Editor_Interface dialog;
    dialog.setValue(2, 2000);
    dialog.setValue(2, 1439);
    QCOMPARE(dialog.value(2), 1439);

    dialog.setValue(48, 0xFFF0);
    dialog.setValue(48, 0);
    QCOMPARE(dialog.value(48), 0);

    dialog.setValue(31, 3);
    dialog.setValue(31, 4);
    QCOMPARE(dialog.value(31), 4);
    dialog.setValue(31, 1);
    QCOMPARE(dialog.value(31), 1);
}

void TestCfEditor::unshownValuesAreValidated()
{
    CF_Editor_Interface dialog;
    dialog.fromEEPROM();

    // A time of a day or more is above CF2's limit of 600, and not the default.
    dialog.setValue(2, 2000);
    QVERIFY(!markedValid(dialog, 2));
    QVERIFY(isBold(dialog, 2));

    // -121 is below the signed row's limit; going to 0 keeps the editor at 00:00,
    // yet the marks must follow the value.
    dialog.setValue(48, 0xFF87);
    QVERIFY(!markedValid(dialog, 48));
    QVERIFY(isBold(dialog, 48));
    dialog.setValue(48, 0);
    QVERIFY(markedValid(dialog, 48));
    QVERIFY(!isBold(dialog, 48));

    // A BOOL of 1 in a row whose default is 1 is plain; 2 is a change.
    dialog.setValue(41, 2);
    QVERIFY(isBold(dialog, 41));
    QVERIFY(markedValid(dialog, 41));
}

void TestCfEditor::restoreDefaults()
{
    for (int cf = 0; cf < CF_COUNT; ++cf) {
        const int type = custom_functions_defaults[cf].type;
        const int v = type == CF_BOOL ? 5 : type == (CF_TIME | CF_SIGNED) ? 0xFFF6 : 3;
        eeprom.cf(cf).value = word(quint16(v));
    }
    eeprom.customTextOn = 1;
    setCustomTextBytes("Reef}}}}}}}}}}}}}}}}}}}}}");

    CF_Editor_Interface dialog;
    dialog.fromEEPROM();
    QCOMPARE(dialog.customText->text(), QString("Reef"));
    const QByteArray before = imageBytes(eeprom);

    QSignalSpy finished(&dialog, &QDialog::finished);
    dialog.buttonBox->button(QDialogButtonBox::RestoreDefaults)->click();
    QCOMPARE(finished.count(), 0);

    QCOMPARE(imageBytes(eeprom), before);
    QVERIFY(dialog.customText->text().isEmpty());
    for (int cf = 0; cf < CF_COUNT; ++cf) {
        QCOMPARE(dialog.value(cf), int(custom_functions_defaults[cf].defaultValue));
        QVERIFY(!isBold(dialog, cf));
        if (custom_functions_defaults[cf].type != CF_COLOR)
            QVERIFY(markedValid(dialog, cf));
    }

    dialog.toEEPROM();
    QCOMPARE(int(eeprom.customTextOn), 0);
    QCOMPARE(int(eeprom.customText[0]), 0);
    const VARN_eeprom defaults;
    for (int cf = 0; cf < CF_COUNT; ++cf)
        QCOMPARE(eeprom.cf(cf).value, defaults.cf(cf).value);
}

void TestCfEditor::customTextFromEeprom_data()
{
    QTest::addColumn<int>("on");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("shown");

    QTest::newRow("off") << 0 << QByteArray("ABC}}}}}}}}}}}}}}}}}}}}}}") << "";
    QTest::newRow("padded") << 1 << QByteArray("ABC}}}}}}}}}}}}}}}}}}}}}}") << "ABC";
    QTest::newRow("zero ends") << 1 << QByteArray("AB\0DEFGHIJKLMNOPQRSTUVWXY", 25) << "AB";
    QTest::newRow("25 characters") << 1 << QByteArray("ABCDEFGHIJKLMNOPQRSTUVWXY") << "ABCDEFGHIJKLMNOPQRSTUVWXY";
    QTest::newRow("flag 7") << 7 << QByteArray("Hi}\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0", 25) << "Hi";
    QTest::newRow("Latin-1") << 1 << QByteArray("Tauchg\xE4nge}}}}}}}}}}}}}}}") << QString::fromUtf8("Tauchgänge");
    QTest::newRow("empty while on") << 1 << QByteArray(25, '}') << "";
}

void TestCfEditor::customTextFromEeprom()
{
    QFETCH(int, on);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, shown);

    eeprom.customTextOn = ubyte(on);
    setCustomTextBytes(bytes);
    CF_Editor_Interface dialog;
    dialog.fromEEPROM();
    QCOMPARE(dialog.customText->text(), shown);
}

void TestCfEditor::customTextToEeprom_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("on");
    QTest::addColumn<QByteArray>("bytes");

    const QByteArray old("0123456789012345678901234");
    QTest::newRow("empty") << "" << 0 << QByteArray("\0" "123456789012345678901234", 25);
    QTest::newRow("ABC") << "ABC" << 1 << QByteArray("ABC}}}}}}}}}}}}}}}}}}}}}}");
    QTest::newRow("one character") << "x" << 1 << QByteArray("x}}}}}}}}}}}}}}}}}}}}}}}}");
    QTest::newRow("25 characters") << "ABCDEFGHIJKLMNOPQRSTUVWXY" << 1 << QByteArray("ABCDEFGHIJKLMNOPQRSTUVWXY");
    QTest::newRow("Latin-1") << QString::fromUtf8("Größe %1") << 1 << QByteArray("Gr\xF6\xDF" "e %1}}}}}}}}}}}}}}}}}");
}

void TestCfEditor::customTextToEeprom()
{
    QFETCH(QString, typed);
    QFETCH(int, on);
    QFETCH(QByteArray, bytes);

    eeprom.customTextOn = 1;
    setCustomTextBytes("0123456789012345678901234");
    CF_Editor_Interface dialog;
    dialog.fromEEPROM();
    dialog.customText->setText(typed);
    dialog.toEEPROM();
    QCOMPARE(int(eeprom.customTextOn), on);
    QCOMPARE(customTextBytes(), bytes);

    // What was written reads back as typed.
    dialog.customText->setText("something else");
    dialog.fromEEPROM();
    QCOMPARE(dialog.customText->text(), typed);
}

void TestCfEditor::titleLine_data()
{
    QTest::addColumn<int>("serial");
    QTest::addColumn<int>("major");
    QTest::addColumn<int>("minor");
    QTest::addColumn<QString>("title");

    QTest::newRow("not loaded") << 0xFFFF << 2 << 20 << "VARN <i>serial not loaded</i>";
    QTest::newRow("not loaded, odd firmware") << 0xFFFF << 0 << 255 << "VARN <i>serial not loaded</i>";
    QTest::newRow("1234 V2.5") << 1234 << 2 << 5 << "VARN 1234 V2.5";
    QTest::newRow("100 V3.99") << 100 << 3 << 99 << "VARN 100 V3.99";
    QTest::newRow("10000 V1.0") << 10000 << 1 << 0 << "VARN 10000 V1.0";
}

void TestCfEditor::titleLine()
{
    QFETCH(int, serial);
    QFETCH(int, major);
    QFETCH(int, minor);
    QFETCH(QString, title);

    eeprom.serial = word(quint16(serial));
    eeprom.firmwareMajor = ubyte(major);
    eeprom.firmwareMinor = ubyte(minor);
    CF_Editor_Interface dialog;
    dialog.fromEEPROM();
    QCOMPARE(dialog.text->text(), title);
}

void TestCfEditor::roundTripKeepsEveryByte()
{
    QRandomGenerator random(20140611);
    CF_Editor_Interface dialog;
    for (int round = 0; round < 40; ++round) {
        // Every byte outside the values is noise that must come back untouched.
        for (int i = 0; i < int(sizeof eeprom); ++i)
            eeprom.bytes()[i] = ubyte(random.bounded(256));
        for (int cf = 0; cf < CF_COUNT; ++cf) {
            const int type = custom_functions_defaults[cf].type;
            int v;
            switch (type & ~CF_SIGNED) {
            case CF_INT15: v = random.bounded(32768); break;
            case CF_TIME:
                // Now and then a value that the time editor cannot show.
                v = random.bounded(8) ? random.bounded(1440) : random.bounded(1440, 65536);
                break;
            case CF_BOOL: v = random.bounded(8) ? random.bounded(2) : random.bounded(2, 65536); break;
            default: v = random.bounded(256); break;
            }
            eeprom.cf(cf).value = word(quint16(v));
        }
        eeprom.serial = 0xFFFF;
        eeprom.customTextOn = 1;
        const int length = random.bounded(1, 26);
        for (int i = 0; i < 25; ++i)
            eeprom.customText[i] = i < length ? ubyte(random.bounded(0x20, 0x7D)) : ubyte('}');

        const QByteArray before = imageBytes(eeprom);
        dialog.fromEEPROM();
        dialog.toEEPROM();
        QCOMPARE(imageBytes(eeprom), before);
    }
}

void TestCfEditor::colorChosenWithPicker()
{
    CF_Editor_Interface dialog;
    dialog.fromEEPROM();
    ColorPicker* picker = dynamic_cast<ColorPicker*>(editorOf(dialog, 37));
    QCOMPARE(int(picker->color()), 224);

    bool answered = false;
    QTimer poll;
    connect(&poll, &QTimer::timeout, [&answered] {
        QColorDialog* colors = qobject_cast<QColorDialog*>(QApplication::activeModalWidget());
        if (!colors || !colors->isVisible())
            return;
        answered = true;
        colors->setCurrentColor(QColor(100, 100, 100));
        colors->accept();
    });
    poll.start(5);
    picker->pickColor();
    poll.stop();
    QVERIFY(answered);

    QCOMPARE(dialog.value(37), 0x6D);
    dialog.toEEPROM();
    QCOMPARE(int(eeprom.cf(37).value), 0x6D);
}

void TestCfEditor::okAndCancel()
{
    CF_Editor_Interface dialog;
    dialog.fromEEPROM();
    dialog.buttonBox->button(QDialogButtonBox::Ok)->click();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    dialog.buttonBox->button(QDialogButtonBox::Cancel)->click();
    QCOMPARE(dialog.result(), int(QDialog::Rejected));

    // Neither button writes into the image: only toEEPROM does.
    const QByteArray before = imageBytes(eeprom);
    qobject_cast<QSpinBox*>(editorOf(dialog, 5))->setValue(9);
    dialog.customText->setText("Changed");
    dialog.buttonBox->button(QDialogButtonBox::Ok)->click();
    QCOMPARE(imageBytes(eeprom), before);
}

void TestCfEditor::translationContexts()
{
    TableTranslator translator;
    translator.texts = {
        {"CF_Editor_Dialog|Edit Custom Functions|", "Sonderfunktionen"},
        {"CF_Editor_Dialog|Custom Functions II|", "Sonderfunktionen II"},
        {"CF_Editor_Dialog|1234567890123456789012345|", "Platzhalter"},
        {"CF menu (15 char max)|velocity[m/min]|", "Geschw.[m/min]"},
        {"CF_Editor_Interface|OFF|CF bool", "AUS"},
        {"CF_Editor_Interface|ON|CF bool", "AN"},
        {"CF_Editor_Interface|VARN <i>serial not loaded</i>|EEPROM", "VARN <i>ohne Seriennummer</i>"},
        {"QLabel|Click to change color|CF color", "Klicken"},
    };

    CF_Editor_Interface before;
    QVERIFY(QCoreApplication::installTranslator(&translator));
    QCoreApplication::processEvents();

    // A running dialog follows the language change.
    QCOMPARE(before.windowTitle(), QString("Sonderfunktionen"));
    QCOMPARE(before.tabWidget->tabText(1), QString("Sonderfunktionen II"));
    QCOMPARE(labelOf(before, 5)->text(), QString("Geschw.[m/min] (CF05)"));
    QCOMPARE(labelOf(before, 4)->text(), QString("Pre-menu [min] (CF04)"));
    QCOMPARE(before.customText->text(), QString("Platzhalter"));

    CF_Editor_Interface after;
    after.fromEEPROM();
    QCOMPARE(after.text->text(), QString("VARN <i>ohne Seriennummer</i>"));
    QComboBox* box = qobject_cast<QComboBox*>(editorOf(after, 31));
    QCOMPARE(box->itemText(0), QString("AUS"));
    QCOMPARE(box->itemText(1), QString("AN"));
    QCOMPARE(editorOf(after, 34)->toolTip(), QString("Klicken"));

    QCoreApplication::removeTranslator(&translator);
    QCoreApplication::processEvents();
    QCOMPARE(labelOf(after, 5)->text(), QString("velocity[m/min] (CF05)"));
    QCOMPARE(after.windowTitle(), QString("Edit Custom Functions"));
}

QTEST_MAIN(TestCfEditor)
#include "tst_cfeditor.moc"
