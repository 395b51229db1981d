#include "widgets/newhint.h"

namespace {

TAppHint* g_appHint = nullptr;

}  // namespace

TAppHint::TAppHint(QObject* owner) : QObject(owner) {
    g_appHint = this;
    m_font.SetColor(clLime);
    m_font.SetOnChange([this] { recreateHintWindow(); });
    install();
}

TAppHint::~TAppHint() {
    if (g_appHint != this) return;
    g_appHint = nullptr;
    // The hint window class stays switched; only the handlers that point here must go.
    HintManager& hints = HintManager::Instance();
    hints.SetOnHint({});
    hints.SetOnShowHint({});
}

TAppHint* TAppHint::Instance() {
    return g_appHint;
}

void TAppHint::Loaded() {
    install();
    HintManager& hints = HintManager::Instance();
    hints.SetOnHint([this] { DoHint(); });
    hints.SetOnShowHint([this](QString& hintStr, bool& canShow, THintInfo& hintInfo) {
        ShowHint(hintStr, canShow, hintInfo);
    });
}

int TAppHint::HintPause() const {
    return HintManager::Instance().HintPause();
}

void TAppHint::SetHintPause(int ms) {
    HintManager::Instance().SetHintPause(ms);
}

int TAppHint::HintHidePause() const {
    return HintManager::Instance().HintHidePause();
}

void TAppHint::SetHintHidePause(int ms) {
    HintManager::Instance().SetHintHidePause(ms);
}

int TAppHint::HintShortPause() const {
    return HintManager::Instance().HintShortPause();
}

void TAppHint::SetHintShortPause(int ms) {
    HintManager::Instance().SetHintShortPause(ms);
}

void TAppHint::SetHintStyle(THintStyle value) {
    if (assignIfDiffers(m_hintStyle, value)) recreateHintWindow();
}

void TAppHint::DoHint() {
    if (m_onHint) m_onHint(this);
}

void TAppHint::ShowHint(QString& hintStr, bool& canShow, THintInfo& hintInfo) {
    hintInfo.HintPos.ry() -= 8;
    if (m_onShowHint) m_onShowHint(hintStr, canShow, hintInfo);
}

void TAppHint::install() {
    HintManager::Instance().SetHintWindowClass([] { return std::make_unique<THintEx>(); });
    recreateHintWindow();
}

void TAppHint::recreateHintWindow() {
    HintManager& hints = HintManager::Instance();
    hints.SetShowHint(false);
    hints.SetShowHint(true);
}

THintEx::THintEx() {
    if (const TAppHint* appHint = TAppHint::Instance()) {
        Font().Assign(appHint->Font());
        m_style = appHint->HintStyle();
    }
}

void THintEx::ActivateHint(TRect rect, const QString& hint) {
    Region region;
    m_points.clear();
    switch (m_style) {
        case THintStyle::hsFukidashi: {
            rect.Bottom += 9;
            const int w = rect.Width();
            const int h = rect.Height();
            region = CreatePolygonRgn({{14, 0}, {8, 9}, {0, 9}, {0, h}, {w, h}, {w, 9}, {14, 9}},
                                      FillMode::Winding);
            m_points = {{14, 0}, {9, 9}, {0, 9}, {0, h - 1}, {w - 1, h - 1}, {w - 1, 9}, {13, 9}, {13, 0}};
            break;
        }
        case THintStyle::hsRoundRect:
            region = CreateRoundRectRgn(0, 0, rect.Width() + 1, rect.Height() + 1, 8, 8);
            break;
        case THintStyle::hsLineString:
            rect.Right += 21;
            rect.Bottom += 12;
            region = CreateRectRgn(1, 1, rect.Width() - 1, rect.Height() - 1);
            break;
        case THintStyle::hsOwnerDraw:
            break;
    }
    m_hintRect = rect;
    SetWindowRegion(region);
    HintWindow::ActivateHint(rect, hint);
}

// The leader-line hint has no background: only its text and line cover what lies below.
bool THintEx::ErasesBackground() const {
    return m_style != THintStyle::hsLineString;
}

void THintEx::Paint(Canvas& canvas) {
    const TAppHint* appHint = TAppHint::Instance();
    if (!appHint) return;
    canvas.SetFont(appHint->Font());
    canvas.SetBrush(appHint->Brush());
    canvas.SetPen(appHint->Pen());
    const bool solid = appHint->Brush().Style == BrushStyle::Solid;
    canvas.SetBackgroundColor(solid ? appHint->Brush().Color : appHint->BGColor());
    canvas.SetBkMode(solid ? BackgroundMode::Opaque : BackgroundMode::Transparent);

    const int w = m_hintRect.Width();
    const int h = m_hintRect.Height();
    const TRect client = Rect(0, 0, width(), height());
    const auto textAt = [&](int dx, int dy, TColor color) {
        canvas.Font().SetColor(color);
        TRect rect = client.Offset(dx, dy);
        canvas.DrawText(Caption(), rect, DT_NOPREFIX | DT_WORDBREAK);
    };
    const auto shadowAt = [&](int dx, int dy) {
        if (appHint->ShadowVisible()) textAt(dx, dy, appHint->ShadowColor());
    };
    const auto faceAt = [&](int dx, int dy) { textAt(dx, dy, appHint->Font().Color()); };
    // A clear brush draws text without its cell, as the passes over each other need.
    const auto clearBrush = [&] {
        canvas.Brush().Style = BrushStyle::Clear;
        canvas.SetBkMode(BackgroundMode::Transparent);
    };

    switch (m_style) {
        case THintStyle::hsFukidashi:
            canvas.FillRect(client);
            clearBrush();
            shadowAt(4, 10);
            faceAt(3, 9);
            canvas.Polygon(m_points);
            break;
        case THintStyle::hsRoundRect:
            canvas.FillRect(client);
            clearBrush();
            shadowAt(2, 2);
            faceAt(1, 1);
            canvas.RoundRect(Rect(0, 0, w, h), 8, 8);
            break;
        case THintStyle::hsLineString:
            clearBrush();
            shadowAt(19, 10);
            shadowAt(19, 12);
            shadowAt(18, 11);
            shadowAt(20, 11);
            faceAt(19, 11);
            canvas.MoveTo(1, 1);
            canvas.LineTo(17, h - 2);
            canvas.LineTo(w, h - 2);
            break;
        case THintStyle::hsOwnerDraw:
            if (appHint->OnPaint()) appHint->OnPaint()(Caption(), canvas, width(), height());
            break;
    }
}
