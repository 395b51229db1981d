#include "buttongrid/mxbuttonpanel.h"

#include <QAccessible>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>

#include "buttongrid/mxbuttonpanelaccessible.h"
#include "buttongrid/mxspeedbutton.h"
#include "platform/canvas.h"
#include "platform/change.h"
#include "platform/drawface.h"
#include "platform/graphichost.h"
#include "platform/sharedface.h"

namespace {

// The sunken edge of the windows bevel mode, which we draw inside our own rectangle.
constexpr int kWindowEdge = 2;

}  // namespace

TMxButtonPanel::TMxButtonPanel(QWidget* parent) : TMxCustomControl(parent), m_buttons(this) {
    // Every paint covers its whole rectangle with the back bitmap or the colour.
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_fill.SetOnChange([this] { GetChange(&m_fill); });
    m_bevel.SetOnChange([this] { GetChange(&m_bevel); });
    m_buttons.SetRelayoutOnUpdate(true);
    m_buttons.SetOnChange([this] { LayoutButtons(); });
    GraphicHost::Of(*this).SetAccessibleMaker(
        [](QWidget& panel) { return new MxButtonPanelAccessible(static_cast<TMxButtonPanel*>(&panel)); });
}

TMxButtonPanel::~TMxButtonPanel() {
    m_destroying = true;
    // Qt asks for the accessible object again while the widget's own destructor hides it, when this panel
    // is gone already.
    GraphicHost::Of(*this).SetAccessibleMaker({});
    m_buttons.Clear();
}

void TMxButtonPanel::SetButtonHeight(int value) {
    value = std::max(value, 1);
    if (assignIfDiffers(m_buttonHeight, value)) GetChange(nullptr);
}

void TMxButtonPanel::SetButtonWidth(int value) {
    value = std::max(value, 1);
    if (assignIfDiffers(m_buttonWidth, value)) GetChange(nullptr);
}

void TMxButtonPanel::SetButtonStyle(TMxUserButtonStyle value) {
    if (!assignIfDiffers(m_buttonStyle, value)) return;
    for (int i = 0; i < m_buttons.Count(); ++i) m_buttons[i].Btn()->SetStyle(value);
}

void TMxButtonPanel::SetColor(TColor value) {
    if (!assignIfDiffers(m_color, value)) return;
    // The fill may draw with the base colour, so the background is rendered again.
    GetChange(&m_fill);
}

void TMxButtonPanel::SetFlat(bool value) {
    if (assignIfDiffers(m_flat, value)) update();
}

void TMxButtonPanel::SetTransparent(bool value) {
    if (assignIfDiffers(m_transparent, value)) GetChange(&m_fill);
}

int TMxButtonPanel::AddButton() {
    m_buttons.Add();
    return m_buttons.Count() - 1;
}

TMxSpecialButton& TMxButtonPanel::InsertButton(int index) {
    return m_buttons.Insert(index);
}

void TMxButtonPanel::Loaded() {
    m_loading = false;
    CreateBack(true);
    LayoutButtons();
}

TMxGridLayout TMxButtonPanel::CurrentLayout() const {
    const int extent = m_bevel.Extent();
    const int inset = m_bevel.Mode() == TMxBevelMode::bmWindows ? kWindowEdge : extent;
    return MxComputeGridLayout(width(), height(), inset, extent, m_buttons.Count(), m_buttonWidth,
                               m_buttonHeight);
}

void TMxButtonPanel::LayoutButtons() {
    if (m_loading || m_destroying) return;
    const TMxGridLayout grid = CurrentLayout();
    if (width() != grid.Width || height() != grid.Height) {
        const int before = m_sizeChanges;
        resize(grid.Width, grid.Height);
        // A hidden widget hears of its new size only when shown; the bitmap and buttons follow now.
        if (m_sizeChanges == before) sizeChanged();
    }
    for (int i = 0; i < m_buttons.Count(); ++i) {
        TMxSpeedButton* btn = m_buttons[i].Btn();
        const TRect b = grid.ItemBounds(i);
        // The panel lays its buttons out again on every size notice, mostly to where they already are; a
        // widget asked to stay put still costs Qt a round of bookkeeping, 450 times over.
        const QRect bounds(b.Left, b.Top, b.Width(), b.Height());
        if (btn->geometry() != bounds) btn->setGeometry(bounds);
        if (!m_onButtonClick) continue;
        const auto* held = btn->OnClick().target<ForwardClick>();
        if (!held || held->panel != this) btn->SetOnClick(ForwardClick{this});
    }
}

void TMxButtonPanel::SetFocusedButton(int index) {
    if (!assignIfDiffers(m_focusedButton, index) || index < 0 || index >= m_buttons.Count()) return;
    QAccessibleInterface* cell = QAccessible::queryAccessibleInterface(m_buttons[index].Btn());
    if (cell == nullptr) return;
    QAccessibleEvent event(cell, QAccessible::Focus);
    QAccessible::updateAccessibility(&event);
}

const QImage* TMxButtonPanel::BackBitmap() const {
    return m_back.isNull() ? nullptr : &m_back;
}

void TMxButtonPanel::GetChange(TMxObject* sender) {
    update();
    if (sender == &m_fill) {
        CreateBack(true);
        if (!m_loading) NotifyBackChanged();
    }
    LayoutButtons();
}

void TMxButtonPanel::sizeChanged() {
    ++m_sizeChanges;
    CreateBack(false);
    // Qt paints a resized widget in one pass after this, so asking is as good as painting now.
    update();
    if (!m_loading && BackBitmap()) NotifyBackChanged();
    LayoutButtons();
}

void TMxButtonPanel::CreateBack(bool force) {
    if (m_loading || m_destroying) return;
    if (m_fill.IsEmpty() || m_transparent || width() <= 0 || height() <= 0) {
        m_back = QImage();
        return;
    }
    if (!force && !m_back.isNull()) {
        if (m_fill.Style() != TMxFillStyle::sfGradient && width() <= m_back.width() &&
            height() <= m_back.height())
            return;
        // A gradient follows the size; at the size it was rendered for it would come out the same.
        if (m_back.size() == size()) return;
    }
    // Rendered again into the same image when the size allows: a fresh one costs more in first touches of
    // its memory than the render itself.
    if (m_back.size() != size()) m_back = QImage(size(), QImage::Format_RGB32);
    // A fill that leaves pixels untouched (a clear brush, an unstretched picture) shows the panel's colour
    // there, never whatever the fresh image's memory held.
    m_back.fill(ToQRgb(m_color));
    Canvas canvas(m_back);
    m_fill.FillCanvas(canvas, Rect(0, 0, width(), height()), m_color);
    ++m_backRenders;
}

void TMxButtonPanel::buttonClick(TMxSpeedButton* button) {
    const TMxBtnClickEvent handler = m_onButtonClick;
    if (handler) handler(this, button, button->Tag());
}

void TMxButtonPanel::Paint(Canvas& canvas, const TRect& dirty) const {
    const auto* parent = qobject_cast<const TMxCustomControl*>(parentWidget());
    if (const QImage* back = BackBitmap()) {
        canvas.CopyRect(dirty, *back, dirty);
    } else if (m_transparent && parent && parent->CheckOptimized()) {
        parent->BackDrawArea(canvas, dirty, TPoint{x() + dirty.Left, y() + dirty.Top});
    } else {
        canvas.Brush() = TBrush{m_color, BrushStyle::Solid};
        canvas.FillRect(dirty);
    }
    if (!GetEmpty() && !m_flat) m_bevel.Draw(canvas, Rect(0, 0, width(), height()));
}

void TMxButtonPanel::paintEvent(QPaintEvent* e) {
    if (m_loading || width() <= 0 || height() <= 0) return;
    ++m_paintCount;
    QPainter painter(this);
    // Over a back bitmap a frame of solid fills goes straight onto the surface: composing the face would
    // take a shared image of the whole panel, a board's worth of memory for a one-pixel frame.
    const bool framed = !GetEmpty() && !m_flat;
    const auto frame = framed ? m_bevel.Fills(Rect(0, 0, width(), height())) : std::nullopt;
    if (const QImage* back = BackBitmap(); back && (!framed || frame)) {
        DrawFace(painter, e->region(), *back);
        if (frame) PaintSolidFills(painter, *frame);
        return;
    }
    QImage& surface = SharedFace(size());
    const QRect d = e->rect();
    const TRect dirty = Rect(d.left(), d.top(), d.right() + 1, d.bottom() + 1);
    {
        Canvas canvas(surface);
        canvas.SetClipRect(dirty);
        Paint(canvas, dirty);
    }
    DrawFace(painter, e->region(), surface);
}

void TMxButtonPanel::resizeEvent(QResizeEvent*) {
    sizeChanged();
}
