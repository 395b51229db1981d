#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <vector>

#include "platform/canvas.h"
#include "platform/font.h"
#include "platform/hintmanager.h"
#include "platform/hintwindow.h"
#include "platform/region.h"

enum class THintStyle { hsFukidashi, hsRoundRect, hsLineString, hsOwnerDraw };

using THintPaintEvent = std::function<void(const QString& hintStr, Canvas& canvas, int width, int height)>;

// Restyles every hint of the application: while it exists, hints appear in THintEx windows drawn in
// its style, colours and font. The newest instance is the one in effect.
class TAppHint : public QObject {
    Q_OBJECT

public:
    using TNotifyEvent = std::function<void(TAppHint* sender)>;

    explicit TAppHint(QObject* owner = nullptr);
    ~TAppHint() override;

    // The instance in effect, or nullptr.
    static TAppHint* Instance();

    // After the owner has set the properties: installs the hint window again and takes over the
    // application's hint and show-hint handlers.
    void Loaded();

    TColor BGColor() const { return m_bgColor; }
    void SetBGColor(TColor value) { m_bgColor = value; }
    const TBrush& Brush() const { return m_brush; }
    void SetBrush(const TBrush& value) { m_brush = value; }
    // The live font; a change takes effect at the next hint.
    ::Font& Font() { return m_font; }
    const ::Font& Font() const { return m_font; }
    void SetFont(const ::Font& value) { m_font.Assign(value); }
    // The application's pauses, read and written straight through.
    int HintPause() const;
    void SetHintPause(int ms);
    int HintHidePause() const;
    void SetHintHidePause(int ms);
    int HintShortPause() const;
    void SetHintShortPause(int ms);
    THintStyle HintStyle() const { return m_hintStyle; }
    void SetHintStyle(THintStyle value);
    const TPen& Pen() const { return m_pen; }
    void SetPen(const TPen& value) { m_pen = value; }
    TColor ShadowColor() const { return m_shadowColor; }
    void SetShadowColor(TColor value) { m_shadowColor = value; }
    bool ShadowVisible() const { return m_shadowVisible; }
    void SetShadowVisible(bool value) { m_shadowVisible = value; }

    void SetOnHint(TNotifyEvent handler) { m_onHint = std::move(handler); }
    void SetOnPaint(THintPaintEvent handler) { m_onPaint = std::move(handler); }
    const THintPaintEvent& OnPaint() const { return m_onPaint; }
    void SetOnShowHint(HintManager::TShowHintEvent handler) { m_onShowHint = std::move(handler); }

    // The application's hint handler.
    void DoHint();
    // The application's show-hint handler: the hint goes 8 pixels higher, then OnShowHint.
    void ShowHint(QString& hintStr, bool& canShow, THintInfo& hintInfo);

private:
    void install();
    // The hint window is made anew, so the next hint takes the current font and style.
    void recreateHintWindow();

    TColor m_bgColor = clBlack;
    TBrush m_brush{clNavy, BrushStyle::Solid};
    ::Font m_font;
    THintStyle m_hintStyle = THintStyle::hsFukidashi;
    TPen m_pen;
    TColor m_shadowColor = clBlue;
    bool m_shadowVisible = true;
    TNotifyEvent m_onHint;
    THintPaintEvent m_onPaint;
    HintManager::TShowHintEvent m_onShowHint;
};

// The hint window of TAppHint: its shape follows HintStyle, its face TAppHint's colours and font.
class THintEx : public HintWindow {
    Q_OBJECT

public:
    THintEx();

    void ActivateHint(TRect rect, const QString& hint) override;

    // The rectangle last activated, after the style enlarged it (screen coordinates).
    TRect HintRect() const { return m_hintRect; }
    // The balloon's outline.
    const std::vector<TPoint>& OutlinePoints() const { return m_points; }

protected:
    void Paint(Canvas& canvas) override;
    bool ErasesBackground() const override;

private:
    THintStyle m_style = THintStyle::hsFukidashi;
    TRect m_hintRect;
    std::vector<TPoint> m_points;
};
