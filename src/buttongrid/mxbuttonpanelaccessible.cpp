#include "buttongrid/mxbuttonpanelaccessible.h"

#include "buttongrid/mxbuttonpanel.h"
#include "buttongrid/mxspeedbutton.h"

MxButtonPanelAccessible::MxButtonPanelAccessible(TMxButtonPanel* panel)
    : HostAccessible(panel, QAccessible::Table) {}

void* MxButtonPanelAccessible::interface_cast(QAccessible::InterfaceType t) {
    if (t == QAccessible::TableInterface) return static_cast<QAccessibleTableInterface*>(this);
    return HostAccessible::interface_cast(t);
}

const TMxButtonPanel& MxButtonPanelAccessible::panel() const {
    return *static_cast<const TMxButtonPanel*>(widget());
}

QAccessible::Role MxButtonPanelAccessible::role() const {
    return QAccessible::Table;
}

QAccessibleInterface* MxButtonPanelAccessible::cellAt(int row, int column) const {
    const int index = row * columnCount() + column;
    if (row < 0 || column < 0 || column >= columnCount() || index >= panel().Buttons().Count())
        return nullptr;
    return QAccessible::queryAccessibleInterface(panel().Buttons()[index].Btn());
}

int MxButtonPanelAccessible::columnCount() const {
    return panel().CurrentLayout().Columns;
}

int MxButtonPanelAccessible::rowCount() const {
    return panel().CurrentLayout().Rows;
}

MxCellAccessible::MxCellAccessible(TMxSpeedButton* button) : GraphicAccessible(button) {}

void* MxCellAccessible::interface_cast(QAccessible::InterfaceType t) {
    if (t == QAccessible::TableCellInterface) return static_cast<QAccessibleTableCellInterface*>(this);
    return GraphicAccessible::interface_cast(t);
}

const TMxButtonPanel* MxCellAccessible::panel() const {
    return qobject_cast<const TMxButtonPanel*>(control()->Parent());
}

QAccessible::State MxCellAccessible::state() const {
    QAccessible::State s = GraphicAccessible::state();
    const TMxButtonPanel* owner = panel();
    s.focused = owner != nullptr && owner->FocusedButton() >= 0 && owner->FocusedButton() == index();
    return s;
}

int MxCellAccessible::index() const {
    const TMxButtonPanel* panel = this->panel();
    if (!panel) return -1;
    for (int i = 0; i < panel->Buttons().Count(); ++i)
        if (panel->Buttons()[i].Btn() == control()) return i;
    return -1;
}

int MxCellAccessible::columns() const {
    const TMxButtonPanel* panel = this->panel();
    return panel ? panel->CurrentLayout().Columns : 1;
}

int MxCellAccessible::columnIndex() const {
    const int i = index();
    return i < 0 ? -1 : i % columns();
}

int MxCellAccessible::rowIndex() const {
    const int i = index();
    return i < 0 ? -1 : i / columns();
}
