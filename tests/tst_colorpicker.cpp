#include "ColorPicker.h"

#include <QApplication>
#include <QColorDialog>
#include <QMouseEvent>
#include <QTimer>
#include <QtTest>

// Answers every colour dialog that opens while it lives: picks the given colour, or
// cancels when none is given, and counts the dialogs and remembers their title.
class ColorDialogAnswer : public QObject {
public:
    explicit ColorDialogAnswer(const QColor& choice = QColor())
        : _choice(choice)
    {
        connect(&_poll, &QTimer::timeout, this, [this] {
            QColorDialog* dialog = qobject_cast<QColorDialog*>(QApplication::activeModalWidget());
            if (!dialog || !dialog->isVisible())
                return;
            ++opened;
            title = dialog->windowTitle();
            shownColor = dialog->currentColor();
            if (_choice.isValid()) {
                dialog->setCurrentColor(_choice);
                dialog->accept();
            } else {
                dialog->reject();
            }
        });
        _poll.start(5);
    }

    int opened = 0;
    QString title;
    QColor shownColor;

private:
    QColor _choice;
    QTimer _poll;
};

static QImage swatchOf(const ColorPicker& picker)
{
    return picker.pixmap(Qt::ReturnByValue).toImage();
}

class TestColorPicker : public QObject {
    Q_OBJECT

private slots:
    void byteToColor_data();
    void byteToColor();
    void everyByteRoundTrips();
    void colorIsDefinedBeforeFirstSetColor();
    void swatch();
    void construction();
    void pickColorKeepsFullPrecision();
    void cancelledPickChangesNothing();
    void clickOpensDialogDragDoesNot();
};

void TestColorPicker::byteToColor_data()
{
    QTest::addColumn<int>("byte");
    QTest::addColumn<QColor>("expected");
    QTest::newRow("black") << 0x00 << QColor(0, 0, 0);
    QTest::newRow("red") << 0xE0 << QColor(255, 0, 0);
    QTest::newRow("green") << 0x1C << QColor(0, 255, 0);
    QTest::newRow("blue") << 0x03 << QColor(0, 0, 255);
    QTest::newRow("white") << 0xFF << QColor(255, 255, 255);
    QTest::newRow("battery 199") << 199 << QColor(219, 36, 255);
    QTest::newRow("dive mask 62") << 62 << QColor(36, 255, 170);
    QTest::newRow("inactive 74") << 74 << QColor(73, 73, 170);
    QTest::newRow("levels 1,2,1") << 0x29 << QColor(36, 73, 85);
}

void TestColorPicker::byteToColor()
{
    QFETCH(int, byte);
    QFETCH(QColor, expected);
    ColorPicker picker(nullptr);
    picker.setColor((unsigned char)byte);
    QCOMPARE(swatchOf(picker).pixelColor(18, 12), expected);
    QCOMPARE(int(picker.color()), byte);
}

void TestColorPicker::everyByteRoundTrips()
{
    ColorPicker picker(nullptr);
    for (int byte = 0; byte < 256; ++byte) {
        picker.setColor((unsigned char)byte);
        QCOMPARE(int(picker.color()), byte);
    }
}

void TestColorPicker::colorIsDefinedBeforeFirstSetColor()
{
    ColorPicker picker(nullptr);
    QCOMPARE(int(picker.color()), 0);
    QCOMPARE(swatchOf(picker).size(), QSize(36, 24));
    QCOMPARE(swatchOf(picker).pixelColor(18, 12), QColor(0, 0, 0));
}

void TestColorPicker::swatch()
{
    ColorPicker picker(nullptr);
    picker.setColor(0xFF);
    const QImage image = swatchOf(picker);
    QCOMPARE(image.size(), QSize(36, 24));
    const QColor black(0, 0, 0);
    const QColor white(255, 255, 255);
    for (int x = 0; x < 36; ++x) {
        QCOMPARE(image.pixelColor(x, 0), black);
        QCOMPARE(image.pixelColor(x, 23), black);
    }
    for (int y = 0; y < 24; ++y) {
        QCOMPARE(image.pixelColor(0, y), black);
        QCOMPARE(image.pixelColor(35, y), black);
    }
    for (int y = 1; y < 23; ++y)
        for (int x = 1; x < 35; ++x)
            QCOMPARE(image.pixelColor(x, y), white);
}

void TestColorPicker::construction()
{
    for (int i = 0; i < 4; ++i)
        QColorDialog::setCustomColor(i, Qt::gray);
    ColorPicker picker(nullptr);
    QVERIFY(picker.hasMouseTracking());
    QCOMPARE(picker.toolTip(), QString("Click to change color"));
    QCOMPARE(QColorDialog::customColor(0), QColor(219, 36, 255));
    QCOMPARE(QColorDialog::customColor(1), QColor(255, 255, 255));
    QCOMPARE(QColorDialog::customColor(2), QColor(36, 255, 170));
    QCOMPARE(QColorDialog::customColor(3), QColor(255, 0, 0));
}

void TestColorPicker::pickColorKeepsFullPrecision()
{
    ColorPicker picker(nullptr);
    picker.setColor(0xE0);
    ColorDialogAnswer answer(QColor(100, 100, 100));
    picker.pickColor();
    QCOMPARE(answer.opened, 1);
    QCOMPARE(answer.title, QString("Choose color"));
    QCOMPARE(answer.shownColor, QColor(255, 0, 0));
    QCOMPARE(int(picker.color()), 0x6D);
    QCOMPARE(swatchOf(picker).pixelColor(18, 12), QColor(100, 100, 100));
}

void TestColorPicker::cancelledPickChangesNothing()
{
    ColorPicker picker(nullptr);
    picker.setColor(62);
    ColorDialogAnswer answer;
    picker.pickColor();
    QCOMPARE(answer.opened, 1);
    QCOMPARE(int(picker.color()), 62);
    QCOMPARE(swatchOf(picker).pixelColor(18, 12), QColor(36, 255, 170));
}

void TestColorPicker::clickOpensDialogDragDoesNot()
{
    ColorPicker picker(nullptr);
    picker.setColor(0);
    picker.show();
    QVERIFY(QTest::qWaitForWindowExposed(&picker));
    ColorDialogAnswer answer(QColor(255, 255, 255));

    const auto send = [&picker](QEvent::Type type, QPoint at) {
        QMouseEvent event(type, at, picker.mapToGlobal(at), Qt::LeftButton,
                          type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&picker, &event);
    };

    send(QEvent::MouseButtonPress, QPoint(5, 5));
    send(QEvent::MouseMove, QPoint(9, 7));
    send(QEvent::MouseButtonRelease, QPoint(9, 7));
    QCOMPARE(answer.opened, 0);
    QCOMPARE(int(picker.color()), 0);

    // A movement before the press does not spoil the click that follows.
    send(QEvent::MouseMove, QPoint(6, 6));
    send(QEvent::MouseButtonPress, QPoint(6, 6));
    send(QEvent::MouseButtonRelease, QPoint(6, 6));
    QCOMPARE(answer.opened, 1);
    QCOMPARE(int(picker.color()), 0xFF);

    // A release without a press of its own opens nothing.
    send(QEvent::MouseButtonRelease, QPoint(6, 6));
    QCOMPARE(answer.opened, 1);
}

QTEST_MAIN(TestColorPicker)
#include "tst_colorpicker.moc"
