#ifndef DIVERINPUT_H
#define DIVERINPUT_H

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <functional>
#include <qpa/qwindowsysteminterface.h>

// A click of the user's as the window system gives it: queued, and handed to the widgets only
// when the event loop takes user input. (QTest's own clicks go straight to the widget, whatever
// the event loop would take.) The widget's window must be shown.
inline void queueClick(QWidget* widget, Qt::MouseButton button)
{
    QWidget* top = widget->window();
    const QPoint at = widget->rect().center();
    const QPointF local = widget->mapTo(top, at);
    const QPointF global = widget->mapToGlobal(at);
    using Queue = QWindowSystemInterface::AsynchronousDelivery;
    QWindowSystemInterface::handleMouseEvent<Queue>(top->windowHandle(), local, global, button, button,
                                                    QEvent::MouseButtonPress);
    QWindowSystemInterface::handleMouseEvent<Queue>(top->windowHandle(), local, global, Qt::NoButton, button,
                                                    QEvent::MouseButtonRelease);
}

// A user who leaves the menus and modal dialogs that come up open for a while before closing
// them; shown() is told of each as it comes up.
class SlowUser {
public:
    SlowUser(int openMs, std::function<void()> shown) : openMs(openMs), shown(std::move(shown))
    {
        timer.setInterval(20);
        QObject::connect(&timer, &QTimer::timeout, [this] { look(); });
        timer.start();
    }

private:
    void look()
    {
        QWidget* const open = QApplication::activePopupWidget() ? QApplication::activePopupWidget()
                                                                : QApplication::activeModalWidget();
        if (open != seen) {
            seen = open;
            if (open) {
                shown();
                clock.start();
            }
        }
        if (open && clock.hasExpired(openMs))
            open->close();
    }

    int openMs;
    std::function<void()> shown;
    QTimer timer;
    QWidget* seen = nullptr;
    QElapsedTimer clock;
};

#endif
