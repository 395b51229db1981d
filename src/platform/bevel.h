#pragma once

#include <QWidget>

class Canvas;

// A windowless lowered box: a one-pixel frame, shadow along the top and left, highlight along the bottom
// and right. Only its frame is painted; what lies behind shows through the inside.
class TBevel : public QWidget {
    Q_OBJECT

public:
    explicit TBevel(QWidget* parent = nullptr);

    void Paint(Canvas& canvas) const;

protected:
    void paintEvent(QPaintEvent* e) override;
};
