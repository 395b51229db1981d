#pragma once

#include <QPlainTextEdit>

#include "platform/font.h"

// A multi-line edit box: editable, wrapping words at its right edge, without scroll bars. Return inserts
// nothing: the box does not take that key.
class TMemo : public QPlainTextEdit {
    Q_OBJECT

public:
    explicit TMemo(QWidget* parent = nullptr);

    const ::Font& Font() const { return m_font; }
    void SetFont(const ::Font& value);

    // Replaces the whole text with these lines, first line first, each ended by a line break, the last
    // one too, so that copying everything gives whole lines.
    void SetLines(const QStringList& lines);

protected:
    void keyPressEvent(QKeyEvent* e) override;
    // A hidden box gives the keyboard back to its window: where no other control takes the focus, it would
    // otherwise keep it and swallow the window's keys.
    void hideEvent(QHideEvent* e) override;

private:
    ::Font m_font;
};
