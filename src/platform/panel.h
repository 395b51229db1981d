#pragma once

#include <QWidget>

#include "platform/color.h"

// A plain panel without bevel: a windowed control filled with its colour that holds other controls. A press
// on it (or on a windowless control in it) stays here and never reaches the form behind.
class TPanel : public QWidget {
    Q_OBJECT

public:
    explicit TPanel(QWidget* parent = nullptr);

    TColor Color() const { return m_color; }
    void SetColor(TColor value);

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;

private:
    TColor m_color = clBtnFace;
};
