#pragma once

#include <QFocusFrame>
#include <QObject>
#include <QString>
#include <functional>
#include <optional>

#include "app/strokes.h"

class BoardHost;
class QMouseEvent;
class TMxButtonPanel;

// Sets the cells a stroke or a box changes. A cell given a new glyph is clicked to it, as fast clicking would
// have done; a cell that a box's frame leaves again goes back to what it held at the press (`pressBoard`,
// a board string) silently, since that glyph is not new.
void DrawCellChanges(BoardHost& host, const CellChanges& changes, const QString& pressBoard);

// Reads the board's drags before its cells do: a Shift drag draws a stroke through the cells the pointer
// passes, a Ctrl+Shift drag the frame of a box. Until the pointer reaches a second cell the press stays the
// cell's own, so a Shift press released where it began is a plain click.
class BoardDrag : public QObject {
public:
    // `finished` is told the board string at the press once a stroke or box is done, to keep it as one step.
    BoardDrag(TMxButtonPanel& board, BoardHost& host,
              std::function<void(const QString& pressBoard)> finished);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::optional<int> cellAt(QPoint point) const;
    void start(const QMouseEvent& event);
    // The drawing starts once the pointer reaches a cell other than the pressed one.
    void move(const QMouseEvent& event);
    CellChanges moveTo(int cell);
    // Keeps a stroke or box drawn as one undo step and forgets the press.
    void finish();
    // The pressed cell lets go of the pointer without a click: the drag is a drawing now.
    void takeOverPress(const QMouseEvent& event);

    TMxButtonPanel& m_board;
    BoardHost& m_host;
    std::function<void(const QString&)> m_finished;
    // The Shift press, until the left button comes up.
    std::optional<int> m_pressCell;
    bool m_box = false;
    std::optional<Stroke> m_stroke;
    std::optional<Box> m_frame;
    QString m_pressBoard;
    bool m_takingOver = false;
};

// The keyboard's cell cursor: a frame over one cell of the board, hidden until the first arrow key. Being a
// focus frame, assistive technology passes over it; the board reports the cursor's cell as focused instead.
class BoardCursor : public QFocusFrame {
public:
    explicit BoardCursor(TMxButtonPanel& board);

    // The cell under the frame, or none while it is hidden.
    std::optional<int> Cell() const;
    // Where the frame was last, the top-left cell before it ever showed.
    int LastCell() const { return m_cell; }
    void ShowAt(int index);
    void Conceal();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TMxButtonPanel& m_board;
    int m_cell = 0;
};
