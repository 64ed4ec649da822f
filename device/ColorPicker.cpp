#include "ColorPicker.h"

#include <QColorDialog>
#include <QImage>
#include <QPixmap>

ColorPicker::ColorPicker(QWidget* parent)
    : QLabel(parent)
    // Validation can read color() before the first setColor.
    , _rgb(qRgb(0, 0, 0))
    , _pressed(false)
{
    setMouseTracking(true);
    setToolTip(QLabel::tr("Click to change color", "CF color"));

    // The device's default colours of battery, standard, dive mask and warnings.
    QColorDialog::setCustomColor(0, QColor(219, 36, 255));
    QColorDialog::setCustomColor(1, QColor(255, 255, 255));
    QColorDialog::setCustomColor(2, QColor(36, 255, 170));
    QColorDialog::setCustomColor(3, QColor(255, 0, 0));
    fill();
}

unsigned char ColorPicker::color() const
{
    return (unsigned char)((qRed(_rgb) & 0xE0) | ((qGreen(_rgb) >> 5) << 2) | (qBlue(_rgb) >> 6));
}

void ColorPicker::setColor(unsigned char rgb332)
{
    // 146 / 4 spreads the three-bit levels over 0..255 so that color() gives the byte back.
    _rgb = qRgb(((rgb332 >> 5) * 146) >> 2, (((rgb332 >> 2) & 7) * 146) >> 2, (rgb332 & 3) * 85);
    fill();
}

void ColorPicker::fill()
{
    QImage swatch(36, 24, QImage::Format_RGB32);
    swatch.fill(_rgb);
    const QRgb black = qRgb(0, 0, 0);
    for (int x = 0; x < swatch.width(); ++x) {
        swatch.setPixel(x, 0, black);
        swatch.setPixel(x, swatch.height() - 1, black);
    }
    for (int y = 0; y < swatch.height(); ++y) {
        swatch.setPixel(0, y, black);
        swatch.setPixel(swatch.width() - 1, y, black);
    }
    setPixmap(QPixmap::fromImage(swatch));
}

void ColorPicker::pickColor()
{
    const QColor chosen = QColorDialog::getColor(QColor(_rgb), this, QLabel::tr("Choose color", "CF color"));
    if (!chosen.isValid())
        return;
    _rgb = chosen.rgb();
    fill();
}

// A press and release without movement in between is a click; a drag is not.
void ColorPicker::mousePressEvent(QMouseEvent*)
{
    _pressed = true;
}

void ColorPicker::mouseMoveEvent(QMouseEvent*)
{
    _pressed = false;
}

void ColorPicker::mouseReleaseEvent(QMouseEvent*)
{
    if (_pressed)
        pickColor();
    _pressed = false;
}
