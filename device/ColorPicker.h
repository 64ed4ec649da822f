#ifndef COLORPICKER_H
#define COLORPICKER_H

#include <QLabel>
#include <QRgb>

// A colour swatch for the dive computer's 8-bit colours (3 bits red, 3 green, 2 blue);
// a click opens the colour dialog. Its texts are translated in the QLabel context.
class ColorPicker : public QLabel {
public:
    explicit ColorPicker(QWidget* parent);

    unsigned char color() const;
    void setColor(unsigned char rgb332);
    void fill();
    void pickColor();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    // Kept at full precision, so a chosen colour is shown as chosen; only color() reduces it.
    QRgb _rgb;
    bool _pressed;
};

#endif
