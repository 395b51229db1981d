// What the window repaints for a hover and a click, counted from outside by the paint events each widget
// receives: only what changed.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEnterEvent>
#include <QEvent>

#include "app/mainwindow1.h"
#include "buttongrid/mxbuttonpanel.h"
#include "buttongrid/mxspeedbutton.h"
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

    QWidget* cell(int index) const { return form.MultiButton1->Buttons()[index].Btn(); }
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

TEST_F(MainForm1RepaintTest, PointerAcrossARowRepaintsEachCellItEntersAndLeaves) {
    paints.Clear();
    const int first = 5 * 30;
    for (int i = first; i < first + 6; ++i) {
        if (i > first) {
            QEvent leave(QEvent::Leave);
            QCoreApplication::sendEvent(cell(i - 1), &leave);
        }
        const QPointF inside(9, 9);
        QEnterEvent enter(inside, cell(i)->mapTo(&form, inside), cell(i)->mapToGlobal(inside));
        QCoreApplication::sendEvent(cell(i), &enter);
        QCoreApplication::processEvents();
    }
    std::map<const QWidget*, int> expected;
    for (int i = first; i < first + 6; ++i) expected[cell(i)] = i == first + 5 ? 1 : 2;
    EXPECT_EQ(painted(), expected);
}

// The counter is see-through, so whatever lies beneath it is drawn again there too, and nowhere else.
TEST_F(MainForm1RepaintTest, ClickRepaintsTheCellAndTheCounterOnly) {
    paints.Clear();
    pointer.Click(cell(31));
    QCoreApplication::processEvents();
    const QRect counter(form.dxfLabel13->mapTo(&form, QPoint(0, 0)), form.dxfLabel13->size());
    for (const auto& [widget, count] : painted()) {
        if (widget == cell(31) || widget == form.dxfLabel13) continue;
        const QRegion inWindow = paints.RegionOf(widget).translated(widget->mapTo(&form, QPoint(0, 0)));
        EXPECT_TRUE(QRegion(counter).contains(inWindow.boundingRect()))
            << widget->metaObject()->className() << " repainted " << inWindow.boundingRect().x() << ","
            << inWindow.boundingRect().y() << " " << inWindow.boundingRect().width() << "x"
            << inWindow.boundingRect().height();
    }
    EXPECT_GE(paints.Of(cell(31)), 1);
    EXPECT_GE(paints.Of(form.dxfLabel13), 1);
}

// A tick redraws the eleven palette labels, and nothing else while none of them is see-through.
TEST_F(MainForm1RepaintTest, TickRepaintsThePaletteOnly) {
    paints.Clear();
    form.Timer1Timer();
    QCoreApplication::processEvents();
    std::map<const QWidget*, int> expected;
    for (int k = 1; k <= TMainForm1::kPaletteSize; ++k) expected[form.dxfLabel(k)] = 1;
    EXPECT_EQ(painted(), expected);
}

}  // namespace
