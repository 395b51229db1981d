#include "platform/graphiccontrol.h"

#include <QWidget>

#include "platform/change.h"
#include "platform/graphichost.h"

TGraphicControl::TGraphicControl(QWidget* parent) : QObject(parent), m_parent(parent) {
    InstallAccessibleFaces();
    if (!parent) return;
    m_host = &GraphicHost::Of(*parent);
    m_host->Add(this);
}

TGraphicControl::~TGraphicControl() {
    if (!m_host) return;
    Invalidate();
    m_host->Remove(this);
}

void TGraphicControl::setGeometry(const QRect& bounds) {
    if (bounds == m_bounds) return;
    Invalidate();
    m_bounds = bounds;
    Invalidate();
    if (m_host) m_host->ControlChanged(this);
}

QPoint TGraphicControl::mapToGlobal(QPoint local) const {
    return m_parent ? m_parent->mapToGlobal(local + m_bounds.topLeft()) : local + m_bounds.topLeft();
}

QPoint TGraphicControl::mapFromGlobal(QPoint global) const {
    return (m_parent ? m_parent->mapFromGlobal(global) : global) - m_bounds.topLeft();
}

void TGraphicControl::SetVisible(bool value) {
    if (value == m_visible) return;
    // Hidden, the control leaves its area for whatever lies under it; shown, it paints over it.
    m_visible = true;
    Invalidate();
    m_visible = value;
    if (m_host) m_host->ControlChanged(this);
}

bool TGraphicControl::Showing() const {
    return m_visible && m_parent && m_parent->isVisible();
}

void TGraphicControl::SetEnabled(bool value) {
    if (!assignIfDiffers(m_enabled, value)) return;
    EnabledChanged();
    if (m_host) m_host->ControlChanged(this);
    Invalidate();
}

void TGraphicControl::SetCursor(TCursor value) {
    if (assignIfDiffers(m_cursor, value) && m_host) m_host->ControlChanged(this);
}

void TGraphicControl::Invalidate() {
    Invalidate(rect());
}

void TGraphicControl::Invalidate(const QRect& part) {
    if (!m_visible || !m_parent) return;
    const QRect area = part.intersected(rect()).translated(m_bounds.topLeft());
    if (!area.isEmpty()) m_parent->update(area);
}

void TGraphicControl::Repaint() {
    if (!Showing() || m_bounds.isEmpty()) return;
    m_parent->repaint(m_bounds);
}

bool TGraphicControl::HitTest(QPoint) const {
    return true;
}
