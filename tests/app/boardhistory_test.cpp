#include <gtest/gtest.h>

#include <QString>
#include <vector>

#include "app/boardhistory.h"

namespace {

// One action on a board held as a plain string: a change to the given board, an undo or a redo.
struct Action {
    enum Kind { Change, Undo, Redo } kind;
    const char* board = "";
};

Action change(const char* board) {
    return {Action::Change, board};
}
const Action undo{Action::Undo};
const Action redo{Action::Redo};

// Runs the actions from the board "start" and returns the board they leave.
QString run(BoardHistory& history, const std::vector<Action>& actions) {
    QString board = QStringLiteral("start");
    for (const Action& action : actions) {
        std::optional<QString> next;
        switch (action.kind) {
            case Action::Change:
                next = QString::fromUtf8(action.board);
                history.Record(board, *next);
                break;
            case Action::Undo:
                next = history.Undo(board);
                break;
            case Action::Redo:
                next = history.Redo(board);
                break;
        }
        if (next) board = *next;
    }
    return board;
}

struct HistoryCase {
    const char* name;
    std::vector<Action> actions;
    const char* board;
    std::size_t undoSteps;
    std::size_t redoSteps;
};

TEST(BoardHistoryTest, UndoAndRedoWalkTheRecordedChanges) {
    const HistoryCase cases[] = {
        {"undo walks back", {change("a"), change("b"), undo, undo}, "start", 0, 2},
        {"redo walks forward again", {change("a"), change("b"), undo, undo, redo}, "a", 1, 1},
        {"undo with nothing left keeps the board", {change("a"), undo, undo}, "start", 0, 1},
        {"redo with nothing undone keeps the board", {change("a"), redo}, "a", 1, 0},
        {"a new change drops the redo steps", {change("a"), change("b"), undo, change("c"), redo}, "c", 2, 0},
        {"a change that changed nothing is no step", {change("a"), change("a"), undo}, "start", 0, 1},
        {"an unchanged record keeps the redo steps", {change("a"), undo, change("start"), redo}, "a", 1, 0},
    };
    for (const HistoryCase& c : cases) {
        BoardHistory history;
        EXPECT_EQ(run(history, c.actions), c.board) << c.name;
        EXPECT_EQ(history.UndoSteps(), c.undoSteps) << c.name;
        EXPECT_EQ(history.RedoSteps(), c.redoSteps) << c.name;
    }
}

TEST(BoardHistoryTest, TheOldestStepsGoBeyondTheCapAndAThousandStay) {
    struct CapCase {
        std::size_t capacity;
        int changes;
    };
    for (const CapCase c : {CapCase{3, 5}, CapCase{BoardHistory::kDefaultCapacity, 1200}}) {
        BoardHistory history(c.capacity);
        std::vector<Action> actions;
        std::vector<QByteArray> boards;
        for (int i = 1; i <= c.changes; ++i) boards.push_back(QByteArray::number(i));
        for (const QByteArray& board : boards) actions.push_back(change(board.constData()));
        actions.insert(actions.end(), static_cast<std::size_t>(c.changes), undo);
        // Undo reaches back exactly capacity steps: to the board of change number changes - capacity.
        EXPECT_EQ(run(history, actions), QString::number(c.changes - static_cast<int>(c.capacity)))
            << c.capacity;
        EXPECT_EQ(history.UndoSteps(), 0u);
        EXPECT_EQ(history.RedoSteps(), c.capacity);
    }
    EXPECT_GE(BoardHistory::kDefaultCapacity, 1000u);
}

}  // namespace
