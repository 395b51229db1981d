#pragma once

#include <QImage>

#include "platform/canvas.h"
#include "platform/graphiccontrol.h"

// A windowless rectangle shape: filled with its brush and outlined with its pen over its whole size.
class TShape : public TGraphicControl {
    Q_OBJECT

public:
    explicit TShape(QWidget* parent = nullptr);

    const TPen& Pen() const { return m_pen; }
    void SetPen(const TPen& value);
    const TBrush& Brush() const { return m_brush; }
    void SetBrush(const TBrush& value);

    void Paint(Canvas& canvas) const;
    void PaintTo(QPainter& painter, const QRegion& region) override;
    // The whole face is copied, whatever the brush.
    bool Opaque() const override { return true; }

private:
    TPen m_pen;
    TBrush m_brush;
};
