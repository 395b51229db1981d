#include "platform/panel.h"

#include <QMouseEvent>
#include <QPainter>

#include "platform/change.h"

TPanel::TPanel(QWidget* parent) : QWidget(parent) {
    // Its colour fills every paint, so Qt need not paint the form under it first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TPanel::SetColor(TColor value) {
    if (assignIfDiffers(m_color, value)) update();
}

void TPanel::paintEvent(QPaintEvent* e) {
    QPainter(this).fillRect(e->rect(), QColor::fromRgb(ToQRgb(m_color)));
}

void TPanel::mousePressEvent(QMouseEvent* e) {
    e->accept();
}
