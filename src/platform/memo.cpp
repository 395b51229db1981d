#include "platform/memo.h"

#include <QKeyEvent>

TMemo::TMemo(QWidget* parent) : QPlainTextEdit(parent) {
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_font.SetOnChange([this] { setFont(m_font.ToQFont()); });
    setFont(m_font.ToQFont());
}

void TMemo::SetFont(const ::Font& value) {
    m_font.Assign(value);
}

void TMemo::SetLines(const QStringList& lines) {
    QString text;
    for (const QString& line : lines) text += line + QLatin1Char('\n');
    setPlainText(text);
}

void TMemo::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        e->ignore();
        return;
    }
    QPlainTextEdit::keyPressEvent(e);
}

void TMemo::hideEvent(QHideEvent* e) {
    if (hasFocus()) clearFocus();
    QPlainTextEdit::hideEvent(e);
}
