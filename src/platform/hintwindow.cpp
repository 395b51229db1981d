#include "platform/hintwindow.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

#include "platform/canvas.h"

namespace {

// rect moved so that it lies on the desktop wherever it can.
TRect placedInside(TRect rect, const QRect& desktop) {
    if (rect.Right > desktop.x() + desktop.width())
        rect = rect.Offset(desktop.x() + desktop.width() - rect.Right, 0);
    if (rect.Left < desktop.x()) rect = rect.Offset(desktop.x() - rect.Left, 0);
    if (rect.Bottom > desktop.y() + desktop.height())
        rect = rect.Offset(0, desktop.y() + desktop.height() - rect.Bottom);
    if (rect.Top < desktop.y()) rect = rect.Offset(0, desktop.y() - rect.Top);
    return rect;
}

}  // namespace

HintWindow::HintWindow()
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                           Qt::BypassWindowManagerHint | Qt::WindowDoesNotAcceptFocus |
                           Qt::WindowTransparentForInput) {
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_TranslucentBackground);
    setFocusPolicy(Qt::NoFocus);
}

TRect HintWindow::CalcHintRect(int maxWidth, const QString& hint) {
    QImage scratch(1, 1, QImage::Format_RGB32);
    Canvas canvas(scratch);
    canvas.SetFont(m_font);
    TRect rect = Rect(0, 0, maxWidth, 0);
    canvas.DrawText(hint, rect, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    rect.Right += 6;
    rect.Bottom += 2;
    return rect;
}

void HintWindow::ActivateHint(TRect rect, const QString& hint) {
    m_caption = hint;
    rect.Bottom += 4;
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        rect = placedInside(rect, screen->virtualGeometry());
    setGeometry(rect.Left, rect.Top, rect.Width(), rect.Height());
    show();
    update();
}

void HintWindow::SetWindowRegion(const Region& region) {
    m_region = region;
    // Where the window system cuts windows to shape, it does so too: without a compositor the transparent
    // corners would show black. Other platforms (offscreen among them) keep the transparency alone.
    if (QGuiApplication::platformName() == QLatin1String("xcb")) {
        if (region.IsEmpty())
            clearMask();
        else
            setMask(region.ToQRegion());
    }
    update();
}

QImage HintWindow::Render() {
    QImage face(size(), QImage::Format_ARGB32);
    face.fill(ErasesBackground() ? ToQRgb(clInfoBk) : qRgba(0, 0, 0, 0));
    Canvas canvas(face);
    Paint(canvas);
    if (m_region.IsEmpty()) return face;
    for (int y = 0; y < face.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(face.scanLine(y));
        for (int x = 0; x < face.width(); ++x)
            if (!m_region.Contains({x, y})) row[x] = 0;
    }
    return face;
}

void HintWindow::Paint(Canvas& canvas) {
    const TRect client = Rect(0, 0, width(), height());
    canvas.SetBrush({clInfoBk, BrushStyle::Solid});
    canvas.FillRect(client);
    canvas.FrameRect(client, clBlack);
    canvas.SetFont(m_font);
    canvas.Font().SetColor(clInfoText);
    canvas.SetBkMode(BackgroundMode::Transparent);
    TRect text = client.Inflated(-2, -2);
    canvas.DrawText(m_caption, text, DT_LEFT | DT_NOPREFIX | DT_WORDBREAK);
}

void HintWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(QPoint(0, 0), Render());
}
