#include "app/boardhistory.h"

void BoardHistory::Record(const QString& before, const QString& after) {
    if (before == after) return;
    pushUndo(before);
    m_redo.clear();
}

std::optional<QString> BoardHistory::Undo(const QString& current) {
    if (m_undo.empty()) return std::nullopt;
    QString board = std::move(m_undo.back());
    m_undo.pop_back();
    m_redo.push_back(current);
    return board;
}

std::optional<QString> BoardHistory::Redo(const QString& current) {
    if (m_redo.empty()) return std::nullopt;
    QString board = std::move(m_redo.back());
    m_redo.pop_back();
    pushUndo(current);
    return board;
}

void BoardHistory::pushUndo(const QString& board) {
    if (m_capacity == 0) return;
    if (m_undo.size() == m_capacity) m_undo.pop_front();
    m_undo.push_back(board);
}
