#include "app/boarddrawing.h"

#include <QMouseEvent>
#include <QPainter>

#include "app/boardhost.h"
#include "app/boardstring.h"
#include "app/cellclick.h"
#include "buttongrid/mxbuttonpanel.h"
#include "buttongrid/mxspeedbutton.h"
#include "platform/graphichost.h"

void DrawCellChanges(BoardHost& host, const CellChanges& changes, const QString& pressBoard) {
    for (const CellChange& change : changes) {
        if (pressBoard.at(change.index) == QLatin1Char(GlyphCode(change.glyph)))
            host.SetCellCaption(change.index, GlyphCaption(change.glyph));
        else
            ClickCellTo(host, change.index, change.glyph);
    }
}

BoardDrag::BoardDrag(TMxButtonPanel& board, BoardHost& host, std::function<void(const QString&)> finished)
    : QObject(&board), m_board(board), m_host(host), m_finished(std::move(finished)) {
    // Installed after the cells' host, so it hears every event first.
    board.installEventFilter(this);
}

bool BoardDrag::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &m_board || m_takingOver) return QObject::eventFilter(watched, event);
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            start(*static_cast<QMouseEvent*>(event));
            break;
        case QEvent::MouseMove:
            move(*static_cast<QMouseEvent*>(event));
            break;
        case QEvent::MouseButtonRelease:
            if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) finish();
            break;
        default:
            break;
    }
    // The cells still hear every event: the one pressed has let go already, the others show where the
    // pointer is.
    return QObject::eventFilter(watched, event);
}

std::optional<int> BoardDrag::cellAt(QPoint point) const {
    for (int i = 0; i < m_board.Buttons().Count(); ++i) {
        if (m_board.Buttons()[i].Btn()->geometry().contains(point)) return i;
    }
    return std::nullopt;
}

void BoardDrag::start(const QMouseEvent& event) {
    if (event.button() != Qt::LeftButton) return;
    // A release that never came (the pointer taken away by the desktop) still ends what it began.
    finish();
    const Qt::KeyboardModifiers held = event.modifiers() & (Qt::ShiftModifier | Qt::ControlModifier);
    if (!(held & Qt::ShiftModifier)) return;
    m_pressCell = cellAt(event.position().toPoint());
    m_box = held & Qt::ControlModifier;
}

void BoardDrag::move(const QMouseEvent& event) {
    const std::optional<int> cell = cellAt(event.position().toPoint());
    if (!m_pressCell || !cell) return;
    if (!m_stroke && !m_frame) {
        if (*cell == *m_pressCell) return;
        takeOverPress(event);
        m_pressBoard = BoardString(m_host);
        if (m_box)
            m_frame.emplace(m_host, *m_pressCell, m_host.CurrentDrawingMode());
        else
            m_stroke.emplace(m_host, *m_pressCell, m_host.CurrentDrawingMode());
    }
    DrawCellChanges(m_host, moveTo(*cell), m_pressBoard);
}

void BoardDrag::finish() {
    if (m_stroke || m_frame) m_finished(m_pressBoard);
    m_pressCell.reset();
    m_stroke.reset();
    m_frame.reset();
}

CellChanges BoardDrag::moveTo(int cell) {
    return m_box ? m_frame->MoveTo(cell) : m_stroke->MoveTo(cell);
}

void BoardDrag::takeOverPress(const QMouseEvent& event) {
    const GraphicHost* host = GraphicHost::Find(m_board);
    if (host == nullptr || host->Captured() == nullptr) return;
    // The button comes up away from every cell, so the pressed one takes it as a press dragged off.
    const QPoint away(-1, -1);
    QMouseEvent release(QEvent::MouseButtonRelease, away, m_board.mapToGlobal(away), Qt::LeftButton,
                        Qt::NoButton, event.modifiers());
    m_takingOver = true;
    QCoreApplication::sendEvent(&m_board, &release);
    m_takingOver = false;
}

namespace {

// Two rings that show on the light board and on dark glyphs alike.
const QColor kCursorOuter(0, 84, 227);
const QColor kCursorInner(Qt::white);
constexpr int kCursorMargin = 1;  // the frame reaches this far over the neighbouring cells

}  // namespace

BoardCursor::BoardCursor(TMxButtonPanel& board) : QFocusFrame(&board), m_board(board) {
    // The cell under the frame still takes the pointer.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

std::optional<int> BoardCursor::Cell() const {
    if (isHidden()) return std::nullopt;
    return m_cell;
}

void BoardCursor::ShowAt(int index) {
    m_cell = index;
    const QRect cell = m_board.Buttons()[index].Btn()->geometry();
    setGeometry(cell.adjusted(-kCursorMargin, -kCursorMargin, kCursorMargin, kCursorMargin));
    show();
    raise();
    m_board.SetFocusedButton(index);
}

void BoardCursor::Conceal() {
    hide();
    m_board.SetFocusedButton(-1);
}

void BoardCursor::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect outer = rect();
    painter.fillRect(outer.x(), outer.y(), outer.width(), 2, kCursorOuter);
    painter.fillRect(outer.x(), outer.bottom() - 1, outer.width(), 2, kCursorOuter);
    painter.fillRect(outer.x(), outer.y(), 2, outer.height(), kCursorOuter);
    painter.fillRect(outer.right() - 1, outer.y(), 2, outer.height(), kCursorOuter);
    painter.setPen(kCursorInner);
    painter.drawRect(outer.adjusted(2, 2, -3, -3));
}
