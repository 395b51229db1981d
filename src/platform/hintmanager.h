#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <functional>
#include <memory>

#include "platform/graphiccontrol.h"
#include "platform/hintwindow.h"

// What a show-hint handler may change before a hint appears.
struct THintInfo {
    QWidget* HintControl = nullptr;
    QPoint CursorPos;  // screen
    QPoint HintPos;    // screen: where the hint window's top-left goes
    int HintMaxWidth = 0;
};

// The application's hints, for every widget whose toolTip() is not empty: a hint appears after HintPause
// with the pointer resting on the widget, hides after HintHidePause, and the next widget's hint follows
// after HintShortPause while one is showing. Qt's own tooltips are suppressed. One process-wide
// instance, owned by the application object.
class HintManager : public QObject {
    Q_OBJECT

public:
    using HintWindowClass = std::function<std::unique_ptr<HintWindow>()>;
    using TNotifyEvent = std::function<void()>;
    using TShowHintEvent = std::function<void(QString& hintStr, bool& canShow, THintInfo& hintInfo)>;

    // Below the pointer's arrow, where a hint goes unless a handler moves it.
    static constexpr int kCursorHeight = 20;

    static HintManager& Instance();

    int HintPause() const { return m_hintPause; }
    void SetHintPause(int ms) { m_hintPause = ms; }
    int HintHidePause() const { return m_hintHidePause; }
    void SetHintHidePause(int ms) { m_hintHidePause = ms; }
    int HintShortPause() const { return m_hintShortPause; }
    void SetHintShortPause(int ms) { m_hintShortPause = ms; }

    // Off hides any hint and drops the hint window; on makes a new one of the current class.
    bool ShowHint() const { return m_showHint; }
    void SetShowHint(bool value);
    // Makes the hint windows from now on; takes effect when ShowHint is switched on again.
    void SetHintWindowClass(HintWindowClass windowClass);
    void SetOnHint(TNotifyEvent handler) { m_onHint = std::move(handler); }
    void SetOnShowHint(TShowHintEvent handler) { m_onShowHint = std::move(handler); }

    HintWindow* CurrentHintWindow() const { return m_window.get(); }
    bool HintShowing() const { return m_showing; }
    QWidget* HintControl() const { return m_control; }
    // The graphic child of HintControl whose hint shows, or null.
    const TGraphicControl* HintGraphic() const { return m_graphic; }

    // Pointer tracking, fed by the application-wide event filter; tests drive it directly.
    // The pointer rests on control (nullptr: on nothing) at globalPos.
    void PointerAt(QWidget* control, QPoint globalPos);
    // The pointer rests on host's graphic child control, whose hint shows; null: on host itself.
    void PointerAtGraphic(QWidget* host, const TGraphicControl* control, QPoint globalPos);
    // A click or key press: the hint goes, and the control shows none until the pointer leaves it.
    void CancelHint();

    // The one hint timer; tests fire it instead of waiting.
    bool TimerActive() const { return m_timer.isActive(); }
    int TimerInterval() const { return m_timer.interval(); }
    void TimerExpired();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class Pending { None, Show, Hide, Reset };

    HintManager();
    void pointerOn(QWidget* hintControl, const TGraphicControl* graphic, QPoint globalPos);
    void startTimer(Pending what, int ms);
    void showHint();
    void hideHint();

    int m_hintPause = 500;
    int m_hintHidePause = 2500;
    int m_hintShortPause = 50;
    bool m_showHint = true;
    HintWindowClass m_windowClass;
    std::unique_ptr<HintWindow> m_window;
    TNotifyEvent m_onHint;
    TShowHintEvent m_onShowHint;
    QPointer<QWidget> m_control;
    QPointer<const TGraphicControl> m_graphic;
    QPoint m_cursorPos;
    bool m_showing = false;
    bool m_active = false;  // a hint was up a moment ago: the next one needs only the short pause
    Pending m_pending = Pending::None;
    QTimer m_timer;
};
