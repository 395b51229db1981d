#include "platform/graphicaccessible.h"

#include <QWidget>

#include "platform/accessibleface.h"
#include "platform/graphiccontrol.h"
#include "platform/graphichost.h"

GraphicAccessible::GraphicAccessible(TGraphicControl* control) : QAccessibleObject(control) {}

TGraphicControl* GraphicAccessible::control() const {
    return static_cast<TGraphicControl*>(object());
}

QAccessibleInterface* GraphicAccessible::parent() const {
    return QAccessible::queryAccessibleInterface(control()->Parent());
}

QRect GraphicAccessible::rect() const {
    const TGraphicControl* c = control();
    return c->Parent() ? QRect(c->mapToGlobal(QPoint(0, 0)), c->size()) : QRect();
}

QAccessible::Role GraphicAccessible::role() const {
    return control()->AccessibleRole();
}

QString GraphicAccessible::text(QAccessible::Text t) const {
    if (t == QAccessible::Name) return control()->AccessibleName();
    if (t == QAccessible::Description) return control()->Hint();
    return {};
}

QAccessible::State GraphicAccessible::state() const {
    QAccessible::State s = control()->AccessibleState();
    s.invisible = !control()->Showing();
    s.disabled = !control()->Enabled();
    return s;
}

HostAccessible::HostAccessible(QWidget* widget, QAccessible::Role role) : QAccessibleWidget(widget, role) {}

int HostAccessible::childCount() const {
    return QAccessibleWidget::childCount() + graphicCount();
}

QAccessibleInterface* HostAccessible::child(int index) const {
    const int windowed = QAccessibleWidget::childCount();
    if (index < windowed) return QAccessibleWidget::child(index);
    const int i = index - windowed;
    if (i >= graphicCount()) return nullptr;
    return QAccessible::queryAccessibleInterface(GraphicHost::Find(*widget())->Controls()[static_cast<std::size_t>(i)]);
}

int HostAccessible::indexOfChild(const QAccessibleInterface* child) const {
    const int windowed = QAccessibleWidget::indexOfChild(child);
    if (windowed >= 0) return windowed;
    const GraphicHost* host = GraphicHost::Find(*widget());
    if (!host || !child) return -1;
    const auto& controls = host->Controls();
    for (std::size_t i = 0; i < controls.size(); ++i)
        if (controls[i] == child->object()) return QAccessibleWidget::childCount() + static_cast<int>(i);
    return -1;
}

QAccessible::Role HostAccessible::role() const {
    const auto* face = dynamic_cast<const AccessibleFace*>(widget());
    return face ? face->AccessibleRole() : QAccessibleWidget::role();
}

QString HostAccessible::text(QAccessible::Text t) const {
    const auto* face = dynamic_cast<const AccessibleFace*>(widget());
    if (face && t == QAccessible::Name) return face->AccessibleName();
    return QAccessibleWidget::text(t);
}

QAccessible::State HostAccessible::state() const {
    QAccessible::State s = QAccessibleWidget::state();
    if (const auto* face = dynamic_cast<const AccessibleFace*>(widget())) {
        const QAccessible::State own = face->AccessibleState();
        s.pressed = own.pressed;
        s.checkable = own.checkable;
        s.checked = own.checked;
    }
    return s;
}

int HostAccessible::graphicCount() const {
    const GraphicHost* host = GraphicHost::Find(*widget());
    return host ? static_cast<int>(host->Controls().size()) : 0;
}
