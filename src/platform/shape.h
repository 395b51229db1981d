#pragma once

#include <QImage>
#include <QWidget>

#include "platform/canvas.h"

// A windowless rectangle shape: filled with its brush and outlined with its pen over its whole size.
class TShape : public QWidget {
    Q_OBJECT

public:
    explicit TShape(QWidget* parent = nullptr);

    const TPen& Pen() const { return m_pen; }
    void SetPen(const TPen& value);
    const TBrush& Brush() const { return m_brush; }
    void SetBrush(const TBrush& value);

    void Paint(Canvas& canvas) const;

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    TPen m_pen;
    TBrush m_brush;
    QImage m_surface;
};
