#pragma once

#include <QApplication>
#include <QCursor>
#include <QMouseEvent>
#include <QWidget>

#include "platform/graphiccontrol.h"

// Drives a window with the left mouse button the way the platform does: each press goes to the control
// hit at that point (controls that take no mouse input are passed through, elliptic masks respected), a
// press nobody takes travels up to the parents, and the moves and the release of a press go to the
// control that took it.
class Pointer {
public:
    explicit Pointer(QWidget& window) : m_window(window) {}

    QWidget* Hit(QPoint windowPoint) const {
        QWidget* control = m_window.childAt(windowPoint);
        return control != nullptr ? control : &m_window;
    }

    void Press(QPoint windowPoint) {
        m_origin = m_window.mapToGlobal(QPoint(0, 0));
        QCursor::setPos(m_origin + windowPoint);
        m_grab = Hit(windowPoint);
        send(QEvent::MouseButtonPress, windowPoint, Qt::LeftButton);
    }
    void MoveTo(QPoint windowPoint) { send(QEvent::MouseMove, windowPoint, Qt::LeftButton); }
    void Release(QPoint windowPoint) {
        send(QEvent::MouseButtonRelease, windowPoint, Qt::NoButton);
        m_grab = nullptr;
    }

    // The keys held down from now on, as every event tells its control.
    void Hold(Qt::KeyboardModifiers modifiers) { m_modifiers = modifiers; }

    void Click(QPoint windowPoint) {
        Press(windowPoint);
        Release(windowPoint);
    }
    // Clicks the middle of control, which lies somewhere inside the window.
    void Click(const QWidget* control) { Click(control->mapTo(&m_window, control->rect().center())); }
    void Click(const TGraphicControl* control) {
        Click(control->Parent()->mapTo(&m_window, control->geometry().center()));
    }

private:
    // Window points are taken at the window's place when the press began, so a window that moves
    // under the pointer sees the pointer move against it.
    void send(QEvent::Type type, QPoint windowPoint, Qt::MouseButtons held) {
        if (m_grab == nullptr) return;
        const QPoint global = m_origin + windowPoint;
        const QPoint local = m_grab->mapFromGlobal(global);
        QMouseEvent e(type, local, global, Qt::LeftButton, held, m_modifiers);
        QApplication::sendEvent(m_grab, &e);
    }

    QWidget& m_window;
    QWidget* m_grab = nullptr;
    QPoint m_origin;
    Qt::KeyboardModifiers m_modifiers = Qt::NoModifier;
};
