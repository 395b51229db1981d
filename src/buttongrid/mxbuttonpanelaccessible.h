#pragma once

#include <QAccessibleTableInterface>

#include "platform/graphicaccessible.h"

class TMxButtonPanel;
class TMxSpeedButton;

// A button panel as assistive technology sees it: a table of its grid's rows and columns whose cells are
// the buttons, each named by its caption.
class MxButtonPanelAccessible : public HostAccessible, public QAccessibleTableInterface {
public:
    explicit MxButtonPanelAccessible(TMxButtonPanel* panel);

    void* interface_cast(QAccessible::InterfaceType t) override;
    QAccessible::Role role() const override;

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override;
    int columnCount() const override;
    int rowCount() const override;
    int selectedCellCount() const override { return 0; }
    QList<QAccessibleInterface*> selectedCells() const override { return {}; }
    QString columnDescription(int) const override { return {}; }
    QString rowDescription(int) const override { return {}; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

private:
    const TMxButtonPanel& panel() const;
};

// One button of a panel as a cell of its table.
class MxCellAccessible : public GraphicAccessible, public QAccessibleTableCellInterface {
public:
    explicit MxCellAccessible(TMxSpeedButton* button);

    void* interface_cast(QAccessible::InterfaceType t) override;
    QAccessible::State state() const override;

    bool isSelected() const override { return false; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override;
    int rowIndex() const override;
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

private:
    const TMxButtonPanel* panel() const;
    // The button's index in its panel, or -1.
    int index() const;
    int columns() const;
};
