#include "platform/hintmanager.h"

#include <QCoreApplication>
#include <QEnterEvent>
#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <utility>

#include "platform/change.h"
#include "platform/pointerpos.h"

namespace {

// The widget whose hint shows with the pointer on control: the control's own, else its nearest ancestor's.
QWidget* hintControlOf(QWidget* control) {
    for (QWidget* w = control; w; w = w->isWindow() ? nullptr : w->parentWidget())
        if (!w->toolTip().isEmpty()) return w;
    return nullptr;
}

}  // namespace

HintManager::HintManager() : QObject(QCoreApplication::instance()) {
    m_windowClass = [] { return std::make_unique<HintWindow>(); };
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &HintManager::TimerExpired);
}

HintManager& HintManager::Instance() {
    static QPointer<HintManager> instance;
    if (!instance) {
        instance = new HintManager();
        QCoreApplication::instance()->installEventFilter(instance);
    }
    return *instance;
}

void HintManager::SetShowHint(bool value) {
    if (!assignIfDiffers(m_showHint, value) || value) return;
    CancelHint();
    m_window.reset();
}

void HintManager::SetHintWindowClass(HintWindowClass windowClass) {
    m_windowClass = std::move(windowClass);
}

void HintManager::PointerAt(QWidget* control, QPoint globalPos) {
    pointerOn(hintControlOf(control), nullptr, globalPos);
}

void HintManager::PointerAtGraphic(QWidget* host, const TGraphicControl* control, QPoint globalPos) {
    pointerOn(control ? host : hintControlOf(host), control, globalPos);
}

void HintManager::pointerOn(QWidget* hintControl, const TGraphicControl* graphic, QPoint globalPos) {
    m_cursorPos = globalPos;
    if (hintControl == m_control && graphic == m_graphic) return;
    m_control = hintControl;
    m_graphic = graphic;
    if (m_onHint) m_onHint();
    if (!m_showHint) return;
    const bool quick = m_showing || m_active;
    hideHint();
    if (!hintControl) {
        // A hint was just up: the next control's hint follows at once for a while.
        if (quick)
            startTimer(Pending::Reset, m_hintPause);
        else
            m_timer.stop();
        return;
    }
    startTimer(Pending::Show, quick ? m_hintShortPause : m_hintPause);
}

void HintManager::CancelHint() {
    hideHint();
    m_active = false;
    m_timer.stop();
    m_pending = Pending::None;
}

void HintManager::TimerExpired() {
    const Pending what = std::exchange(m_pending, Pending::None);
    m_timer.stop();
    switch (what) {
        case Pending::Show:
            showHint();
            break;
        case Pending::Hide:
            hideHint();
            startTimer(Pending::Reset, m_hintPause);
            break;
        case Pending::Reset:
            m_active = false;
            break;
        case Pending::None:
            break;
    }
}

bool HintManager::eventFilter(QObject* watched, QEvent* event) {
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || qobject_cast<HintWindow*>(widget)) return QObject::eventFilter(watched, event);
    switch (event->type()) {
        case QEvent::ToolTip:
            return true;  // Qt's own tooltips give way to ours
        case QEvent::Enter:
            PointerAt(widget, static_cast<QEnterEvent*>(event)->globalPosition().toPoint());
            break;
        case QEvent::Leave:
            // Leaving a child lands on its parent; entering another widget follows with its own Enter.
            if (hintControlOf(widget) == m_control || (m_graphic && widget == m_control))
                PointerAt(widget->isWindow() ? nullptr : widget->parentWidget(), PointerPos());
            break;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::KeyPress:
        case QEvent::Wheel:
            CancelHint();
            break;
        default:
            break;
    }
    return QObject::eventFilter(watched, event);
}

void HintManager::startTimer(Pending what, int ms) {
    m_pending = what;
    m_timer.start(std::max(ms, 0));
}

void HintManager::showHint() {
    if (!m_control || !m_showHint) return;
    if (!m_window) m_window = m_windowClass();
    QString text = m_graphic ? m_graphic->Hint() : m_control->toolTip();
    THintInfo info;
    info.HintControl = m_control;
    info.CursorPos = m_cursorPos;
    info.HintPos = m_cursorPos + QPoint(0, kCursorHeight);
    const QScreen* screen = QGuiApplication::primaryScreen();
    info.HintMaxWidth = screen ? screen->geometry().width() : 0;
    bool canShow = true;
    if (m_onShowHint) m_onShowHint(text, canShow, info);
    if (!canShow || text.isEmpty()) return;
    const TRect rect =
        m_window->CalcHintRect(info.HintMaxWidth, text).Offset(info.HintPos.x(), info.HintPos.y());
    m_window->ActivateHint(rect, text);
    m_showing = true;
    m_active = true;
    startTimer(Pending::Hide, m_hintHidePause);
}

void HintManager::hideHint() {
    if (m_window) m_window->hide();
    m_showing = false;
}
