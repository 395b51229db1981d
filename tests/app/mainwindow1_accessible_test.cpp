// What assistive technology learns of the window through Qt's accessibility interfaces: every control with
// its role, state and name, the board as a table of its cells.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleTableInterface>
#include <QCoreApplication>

#include "app/mainwindow1.h"
#include "buttongrid/mxbuttonpanel.h"
#include "buttongrid/mxspeedbutton.h"
#include "platform/panel.h"
#include "support/pointer.h"
#include "support/recordingsoundplayer.h"
#include "widgets/dxfcolorbutton.h"
#include "widgets/dxflabel.h"
#include "widgets/shinespdbtn.h"

namespace {

class MainForm1AccessibleTest : public ::testing::Test {
protected:
    void SetUp() override {
        form.Timer1.stop();
        form.show();
        QCoreApplication::processEvents();
    }

    RecordingSoundPlayer sounds;
    TMainForm1 form;
    Pointer pointer{form};
};

TEST_F(MainForm1AccessibleTest, ControlsGiveTheirRoleStateAndName) {
    struct Row {
        QObject* control;
        QAccessible::Role role;
        const char* name;
        bool checked;
    };
    const Row rows[] = {
        {form.SpeedButton6, QAccessible::Button, "TextOut", false},
        // A caption of glyphs says less than the hint.
        {form.SpeedButton1, QAccessible::Button, " ┏ → ┓ → ┗ → ┛ → ┃ → ┣ → ┫ → ━ → ┳ → ┻ → ╋ → □", true},
        {form.SpeedButton0, QAccessible::Button, " □", false},
        {form.ShineSpeedButton2, QAccessible::Button, "Sound", true},
        {form.ColorButton11, QAccessible::Button, " 閉じる", false},
        {form.dxfLabel12, QAccessible::StaticText, "チマチマ数", false},
        {form.dxfLabel13, QAccessible::StaticText, "0", false},
        {form.dxfLabel(3), QAccessible::StaticText, "┗", false},
    };
    for (const Row& row : rows) {
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(row.control);
        ASSERT_NE(a, nullptr) << row.name;
        EXPECT_EQ(a->role(), row.role) << row.name;
        EXPECT_EQ(a->text(QAccessible::Name), QString::fromUtf8(row.name));
        EXPECT_EQ(a->state().checked, row.checked) << row.name;
        // Each is found among its parent's children, graphic or windowed.
        QAccessibleInterface* parent = a->parent();
        ASSERT_NE(parent, nullptr) << row.name;
        EXPECT_EQ(parent->child(parent->indexOfChild(a)), a) << row.name;
    }
}

TEST_F(MainForm1AccessibleTest, BoardIsATableOfItsCellsNamedByTheirGlyphs) {
    form.SetCellCaption(29, "┓");
    form.SetCellCaption(31, "╋");
    QAccessibleInterface* board = QAccessible::queryAccessibleInterface(form.MultiButton1);
    ASSERT_NE(board, nullptr);
    EXPECT_EQ(board->role(), QAccessible::Table);
    QAccessibleTableInterface* table = board->tableInterface();
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->rowCount(), 15);
    EXPECT_EQ(table->columnCount(), 30);
    EXPECT_EQ(board->childCount(), 450);
    struct Row {
        int row;
        int column;
        const char* name;
    };
    for (const Row& row : {Row{0, 29, "┓"}, Row{1, 1, "╋"}, Row{14, 0, "　"}}) {
        QAccessibleInterface* cell = table->cellAt(row.row, row.column);
        ASSERT_NE(cell, nullptr);
        EXPECT_EQ(cell->text(QAccessible::Name), QString::fromUtf8(row.name));
        ASSERT_NE(cell->tableCellInterface(), nullptr);
        EXPECT_EQ(cell->tableCellInterface()->rowIndex(), row.row);
        EXPECT_EQ(cell->tableCellInterface()->columnIndex(), row.column);
        EXPECT_EQ(cell->parent(), board);
    }
    // A cell held down says so.
    QAccessibleInterface* cell = table->cellAt(1, 1);
    const QRect bounds = form.MultiButton1->Buttons()[31].Btn()->geometry();
    const QPoint middle = form.MultiButton1->mapTo(&form, bounds.center());
    pointer.Press(middle);
    EXPECT_TRUE(cell->state().pressed);
    pointer.Release(middle);
    EXPECT_FALSE(cell->state().pressed);
}

}  // namespace
