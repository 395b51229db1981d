#include <QClipboard>
#include <QGuiApplication>
#include <QShortcut>
#include <initializer_list>

#include "app/boardstring.h"
#include "app/junctions.h"
#include "app/mainwindow1.h"
#include "app/pastemessage.h"
#include "app/textimport.h"
#include "app/textlines.h"
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

}  // namespace

void TMainForm1::createBoardKeys() {
    const auto bind = [this](const QList<QKeySequence>& keys, void (TMainForm1::*action)()) {
        auto* shortcut = new QShortcut(this);
        shortcut->setKeys(keys);
        shortcut->setContext(Qt::WindowShortcut);
        // The text view, while it has the keys, edits its own text: the edit box claims the keys it knows
        // before any shortcut sees them, and the board stays out of the way of the rest.
        connect(shortcut, &QShortcut::activated, this, [this, action] {
            if (!(Memo1 && Memo1->isVisible() && Memo1->hasFocus())) (this->*action)();
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
}

void TMainForm1::recordBoardChange(const std::function<void()>& change) {
    const QString before = BoardString(*this);
    change();
    m_history.Record(before, BoardString(*this));
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
