#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QShortcut>
#include <initializer_list>

#include "app/boarddrawing.h"
#include "app/boardstring.h"
#include "app/glypharms.h"
#include "app/junctions.h"
#include "app/mainwindow1.h"
#include "app/pastemessage.h"
#include "app/textimport.h"
#include "app/textlines.h"
#include "buttongrid/mxbuttonpanel.h"
#include "platform/errorbox.h"
#include "platform/memo.h"

namespace {

// The desktop's own keys for an action, with the ones the board always takes added: redo is Ctrl+Shift+Z
// on some desktops and Ctrl+Y on others, and the board answers to both everywhere.
QList<QKeySequence> keysFor(QKeySequence::StandardKey standard, std::initializer_list<QKeySequence> always) {
    QList<QKeySequence> keys = QKeySequence::keyBindings(standard);
    for (const QKeySequence& key : always) {
        if (!keys.contains(key)) keys.append(key);
    }
    return keys;
}

// The way an arrow key points on the board.
std::optional<GlyphArm> arrowArm(int key) {
    switch (key) {
        case Qt::Key_Up:
            return GlyphArm::Up;
        case Qt::Key_Down:
            return GlyphArm::Down;
        case Qt::Key_Left:
            return GlyphArm::Left;
        case Qt::Key_Right:
            return GlyphArm::Right;
        default:
            return std::nullopt;
    }
}

}  // namespace

void TMainForm1::createBoardKeys() {
    const auto bind = [this](const QList<QKeySequence>& keys, void (TMainForm1::*action)()) {
        auto* shortcut = new QShortcut(this);
        shortcut->setKeys(keys);
        shortcut->setContext(Qt::WindowShortcut);
        // The text view, while it has the keys, edits its own text: the edit box claims the keys it knows
        // before any shortcut sees them, and the board stays out of the way of the rest.
        connect(shortcut, &QShortcut::activated, this, [this, action] {
            if (!textViewHasKeys()) (this->*action)();
        });
    };
    bind(keysFor(QKeySequence::Undo, {QKeySequence(Qt::CTRL | Qt::Key_Z)}), &TMainForm1::undoBoard);
    bind(keysFor(QKeySequence::Redo,
                 {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)}),
         &TMainForm1::redoBoard);
    bind(keysFor(QKeySequence::Copy, {QKeySequence(Qt::CTRL | Qt::Key_C)}), &TMainForm1::copyBoard);
    bind(keysFor(QKeySequence::Paste, {QKeySequence(Qt::CTRL | Qt::Key_V)}), &TMainForm1::pasteBoard);
    // The buttons' own keys do exactly what a click on the button does, question and sound included.
    bind(keysFor(QKeySequence::New, {QKeySequence(Qt::CTRL | Qt::Key_N)}), &TMainForm1::SpeedButton8Click);
    bind(keysFor(QKeySequence::Open, {QKeySequence(Qt::CTRL | Qt::Key_O)}), &TMainForm1::SpeedButton10Click);
    bind(keysFor(QKeySequence::Save, {QKeySequence(Qt::CTRL | Qt::Key_S)}), &TMainForm1::SpeedButton9Click);
    bind(keysFor(QKeySequence::HelpContents, {QKeySequence(Qt::Key_F1)}), &TMainForm1::ColorButton13Click);
    bind({QKeySequence(Qt::CTRL | Qt::Key_J)}, &TMainForm1::joinBoard);

    m_cursor = new BoardCursor(*MultiButton1);
    new BoardDrag(*MultiButton1, *this,
                  [this](const QString& pressBoard) { recordBoardChangeSince(pressBoard); });
}

bool TMainForm1::textViewHasKeys() const {
    return Memo1 && Memo1->isVisible() && Memo1->hasFocus();
}

void TMainForm1::keyPressEvent(QKeyEvent* e) {
    if (!textViewHasKeys() && cursorKey(*e)) return;
    QWidget::keyPressEvent(e);
}

// The arrows show the cursor, then move it; with Shift they draw a line into the next cell and move there.
// Space and Return click the cursor's cell as the pointer would; Escape hides the cursor.
bool TMainForm1::cursorKey(const QKeyEvent& e) {
    const Qt::KeyboardModifiers held = e.modifiers() & ~Qt::KeypadModifier;
    const std::optional<int> cell = m_cursor->Cell();
    switch (e.key()) {
        case Qt::Key_Escape:
            if (!cell || held != Qt::NoModifier) return false;
            m_cursor->Conceal();
            return true;
        case Qt::Key_Space:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (!cell || held != Qt::NoModifier) return false;
            MultiButton1ButtonClick(MultiButton1, MultiButton1->Buttons()[*cell].Btn(), *cell);
            return true;
        default:
            break;
    }
    const std::optional<GlyphArm> arm = arrowArm(e.key());
    if (!arm || (held != Qt::NoModifier && held != Qt::ShiftModifier)) return false;
    if (!cell) {
        m_cursor->ShowAt(m_cursor->LastCell());
        return true;
    }
    const std::optional<int> next = NeighbourCell(*cell, *arm);
    if (!next) return true;
    if (held == Qt::ShiftModifier) recordBoardChange([&] { drawKeyLine(*cell, *next); });
    m_cursor->ShowAt(*next);
    return true;
}

// Shift+arrows one after another draw one line, so that a turn makes a corner, not a tee at the straight end
// the key before left. A line goes on only from its end, in the same mode, over a board nothing else changed.
void TMainForm1::drawKeyLine(int from, int to) {
    const DrawingMode mode = CurrentDrawingMode();
    const QString board = BoardString(*this);
    if (!m_keyLine || m_keyLine->end != from || m_keyLine->mode != mode || m_keyLine->board != board)
        m_keyLine.emplace(KeyLine{Stroke(*this, from, mode), mode, board, from, board});
    DrawCellChanges(*this, m_keyLine->stroke.MoveTo(to), m_keyLine->start);
    m_keyLine->end = to;
    m_keyLine->board = BoardString(*this);
}

void TMainForm1::recordBoardChange(const std::function<void()>& change) {
    const QString before = BoardString(*this);
    change();
    recordBoardChangeSince(before);
}

void TMainForm1::recordBoardChangeSince(const QString& pressBoard) {
    m_history.Record(pressBoard, BoardString(*this));
}

// Undo and redo set the cells only, the way a board file sets them: no sound, no count, no pulse.
void TMainForm1::undoBoard() {
    if (const std::optional<QString> board = m_history.Undo(BoardString(*this)))
        ApplyBoardString(*this, *board);
}

void TMainForm1::redoBoard() {
    if (const std::optional<QString> board = m_history.Redo(BoardString(*this)))
        ApplyBoardString(*this, *board);
}

// Like a paste, the repair sets cells only: no sound, no count, no pulse.
void TMainForm1::joinBoard() {
    recordBoardChange([this] { JoinJunctions(*this); });
}

void TMainForm1::copyBoard() {
    QGuiApplication::clipboard()->setText(BoardText(*this));
}

// All or nothing: a text with anything that cannot be placed changes no cell and says where it is.
void TMainForm1::pasteBoard() {
    const BoardTextReading reading = ReadBoardText(QGuiApplication::clipboard()->text());
    if (reading.problem) {
        ShowErrorBox(PasteProblemMessage(*reading.problem));
        return;
    }
    recordBoardChange([&] { PlaceBoardText(*this, reading.rows); });
}
