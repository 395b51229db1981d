// What the window repaints for a hover and a click, counted from outside by the paint events each widget
// receives: only what changed.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QMouseEvent>
#include <QEvent>

#include "app/mainwindow1.h"
#include "buttongrid/mxbuttonpanel.h"
#include "buttongrid/mxspeedbutton.h"
#include "platform/panel.h"
#include "support/paintcounter.h"
#include "support/pointer.h"
#include "support/recordingsoundplayer.h"
#include "widgets/dxflabel.h"

namespace {

class MainForm1RepaintTest : public ::testing::Test {
protected:
    void SetUp() override {
        form.Timer1.stop();
        form.show();
        QCoreApplication::processEvents();
    }

    TMxSpeedButton* cell(int index) const { return form.MultiButton1->Buttons()[index].Btn(); }
    QRect cellInBoard(int index) const { return cell(index)->geometry(); }
    // The widgets that received paint events, with their counts.
    std::map<const QWidget*, int> painted() const {
        std::map<const QWidget*, int> result;
        for (QWidget* widget : form.findChildren<QWidget*>())
            if (paints.Of(widget) > 0) result[widget] = paints.Of(widget);
        if (paints.Of(&form) > 0) result[&form] = paints.Of(&form);
        return result;
    }

    RecordingSoundPlayer sounds;
    TMainForm1 form;
    Pointer pointer{form};
    PaintCounter paints;
};

// The cells are painted by the board, so the board alone is painted, over those cells and nowhere else.
TEST_F(MainForm1RepaintTest, PointerAcrossARowRepaintsEachCellItEntersAndLeaves) {
    paints.Clear();
    const int first = 5 * 30;
    std::vector<int> before;
    QRegion cells;
    for (int i = first; i < first + 6; ++i) {
        before.push_back(cell(i)->PaintCount());
        cells += cellInBoard(i);
        const QPoint inside = cellInBoard(i).topLeft() + QPoint(9, 9);
        QMouseEvent move(QEvent::MouseMove, inside, form.MultiButton1->mapToGlobal(inside), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(form.MultiButton1, &move);
        QCoreApplication::processEvents();
    }
    for (int i = first; i < first + 6; ++i)
        EXPECT_EQ(cell(i)->PaintCount() - before[i - first], i == first + 5 ? 1 : 2) << i;
    EXPECT_EQ(painted().size(), 1u);
    EXPECT_EQ(paints.RegionOf(form.MultiButton1), cells);
}

// The counter is see-through, so whatever lies beneath it is drawn again there too, and nowhere else.
TEST_F(MainForm1RepaintTest, ClickRepaintsTheCellAndTheCounterOnly) {
    paints.Clear();
    pointer.Click(cell(31));
    QCoreApplication::processEvents();
    const QRect counter = form.dxfLabel13->geometry();
    for (const auto& [widget, count] : painted()) {
        if (widget == form.MultiButton1) {
            EXPECT_EQ(paints.RegionOf(widget), QRegion(cellInBoard(31)));
            continue;
        }
        const QRegion inWindow = paints.RegionOf(widget).translated(widget->mapTo(&form, QPoint(0, 0)));
        EXPECT_TRUE(QRegion(counter).contains(inWindow.boundingRect()))
            << widget->metaObject()->className() << " repainted " << inWindow.boundingRect().x() << ","
            << inWindow.boundingRect().y() << " " << inWindow.boundingRect().width() << "x"
            << inWindow.boundingRect().height();
    }
    EXPECT_GE(paints.Of(form.MultiButton1), 1);
    EXPECT_GE(paints.Of(&form), 1);
}

// A tick redraws the eleven palette labels in one paint of their panel, and nothing else while none of them
// is see-through.
TEST_F(MainForm1RepaintTest, TickRepaintsThePaletteOnly) {
    paints.Clear();
    form.Timer1Timer();
    QCoreApplication::processEvents();
    QRegion labels;
    for (int k = 1; k <= TMainForm1::kPaletteSize; ++k) labels += form.dxfLabel(k)->geometry();
    const std::map<const QWidget*, int> expected{{form.Panel3, 1}};
    EXPECT_EQ(painted(), expected);
    EXPECT_EQ(paints.RegionOf(form.Panel3), labels);
}

}  // namespace
