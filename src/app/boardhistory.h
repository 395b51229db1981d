#pragma once

#include <QString>
#include <cstddef>
#include <deque>
#include <optional>
#include <utility>
#include <vector>

// The undo and redo steps of the board's cells, each kept as the board string the step leaves behind.
// Only the cells: the counter, the sounds and the palette are not the drawing and are never restored.
class BoardHistory {
public:
    // Enough for a long session; the oldest step goes first once the cap is reached.
    static constexpr std::size_t kDefaultCapacity = 1000;

    explicit BoardHistory(std::size_t capacity = kDefaultCapacity) : m_capacity(capacity) {}

    // Records a change from before to after. A change that left every cell as it was records nothing;
    // any other makes the redo steps void.
    void Record(const QString& before, const QString& after);

    // The board string to restore from current, which becomes the next redo (or undo) step; none when there
    // is nothing to undo (or redo).
    std::optional<QString> Undo(const QString& current);
    std::optional<QString> Redo(const QString& current);

    std::size_t UndoSteps() const { return m_undo.size(); }
    std::size_t RedoSteps() const { return m_redo.size(); }

private:
    void pushUndo(const QString& board);

    std::size_t m_capacity;
    std::deque<QString> m_undo;
    std::vector<QString> m_redo;
};
