#include "platform/graphichost.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QWidget>
#include <memory>

#include "platform/graphiccontrol.h"
#include "platform/hintmanager.h"

namespace {

// Writes what reaches it into one log shared by all, as "name:event x,y".
class Recorder : public TGraphicControl {
public:
    Recorder(QWidget* parent, QString name, QRect bounds, QStringList& log)
        : TGraphicControl(parent), m_name(std::move(name)), m_log(log) {
        setGeometry(bounds);
    }
    void PaintTo(QPainter& painter, const QRegion&) override { painter.fillRect(rect(), m_color); }
    void PointerPress(Qt::MouseButton, QPoint p) override { note("press", p); }
    void PointerMove(QPoint p) override { note("move", p); }
    void PointerRelease(Qt::MouseButton, QPoint p) override { note("release", p); }
    void PointerEnter() override { m_log << m_name + ":enter"; }
    void PointerLeave() override { m_log << m_name + ":leave"; }
    QColor m_color = Qt::red;

private:
    void note(const char* what, QPoint p) {
        m_log << QStringLiteral("%1:%2 %3,%4").arg(m_name, QLatin1String(what)).arg(p.x()).arg(p.y());
    }
    QString m_name;
    QStringList& m_log;
};

class GraphicHostTest : public testing::Test {
protected:
    void SetUp() override {
        host.resize(100, 40);
        host.move(300, 300);
        host.show();
        QApplication::processEvents();
    }
    Recorder* add(const char* name, QRect bounds) { return new Recorder(&host, name, bounds, log); }
    void send(QEvent::Type type, QPoint p, Qt::MouseButtons held = Qt::LeftButton) {
        QMouseEvent e(type, p, host.mapToGlobal(p), type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                      held, Qt::NoModifier);
        QApplication::sendEvent(&host, &e);
    }

    QWidget host;
    QStringList log;
};

TEST_F(GraphicHostTest, APressOnOverlappingControlsGoesToTheFrontOneAndItsHoles) {
    add("back", {0, 0, 40, 40});
    Recorder* front = add("front", {20, 0, 40, 40});
    send(QEvent::MouseButtonPress, {30, 5});
    send(QEvent::MouseButtonRelease, {30, 5}, Qt::NoButton);
    front->SetVisible(false);
    send(QEvent::MouseButtonPress, {30, 6});
    send(QEvent::MouseButtonRelease, {30, 6}, Qt::NoButton);
    front->SetVisible(true);
    front->SetEnabled(false);
    send(QEvent::MouseButtonPress, {30, 7});
    send(QEvent::MouseButtonRelease, {30, 7}, Qt::NoButton);
    // Hidden or disabled, the front one is not there: the press falls through to what lies under it.
    EXPECT_EQ(log, QStringList({"front:press 10,5", "front:release 10,5", "front:enter", "front:leave",
                                "back:enter", "back:press 30,6", "back:release 30,6", "back:leave",
                                "front:enter", "front:leave", "back:enter", "back:press 30,7",
                                "back:release 30,7"}));
}

TEST_F(GraphicHostTest, APressedCellHoldsThePointerAcrossItsNeighboursUntilRelease) {
    for (int i = 0; i < 3; ++i) add(QByteArray::number(i).constData(), {i * 18, 0, 18, 18});
    send(QEvent::MouseMove, {5, 5}, Qt::NoButton);
    send(QEvent::MouseButtonPress, {5, 5});
    send(QEvent::MouseMove, {25, 5});
    send(QEvent::MouseMove, {45, 30});
    send(QEvent::MouseButtonRelease, {45, 30}, Qt::NoButton);
    EXPECT_EQ(log, QStringList({"0:enter", "0:move 5,5", "0:press 5,5", "0:move 25,5", "0:move 45,30",
                                "0:release 45,30", "0:leave"}));
}

TEST_F(GraphicHostTest, CrossingFromOneCellIntoTheNextLeavesOneAndEntersTheOther) {
    add("a", {0, 0, 18, 18});
    add("b", {18, 0, 18, 18});
    for (int x : {17, 18, 60}) send(QEvent::MouseMove, {x, 5}, Qt::NoButton);
    QEvent leave(QEvent::Leave);
    send(QEvent::MouseMove, {5, 5}, Qt::NoButton);
    QApplication::sendEvent(&host, &leave);
    EXPECT_EQ(log, QStringList({"a:enter", "a:move 17,5", "a:leave", "b:enter", "b:move 0,5", "b:leave",
                                "a:enter", "a:move 5,5", "a:leave"}));
}

TEST_F(GraphicHostTest, ThePointerShowsTheCursorAndTheHintOfTheControlUnderIt) {
    HintManager& hints = HintManager::Instance();
    host.setCursor(Qt::IBeamCursor);
    Recorder* hand = add("hand", {0, 0, 18, 18});
    hand->SetCursor(crHandPoint);
    hand->SetHint(QStringLiteral(" 開く"));
    hand->SetShowHint(true);
    Recorder* quiet = add("quiet", {18, 0, 18, 18});
    quiet->SetHint(QStringLiteral(" 保存"));
    struct Row {
        int x;
        Qt::CursorShape cursor;
        const TGraphicControl* hint;
    };
    for (const Row& row : {Row{5, Qt::PointingHandCursor, hand}, Row{20, Qt::IBeamCursor, nullptr},
                           Row{8, Qt::PointingHandCursor, hand}, Row{70, Qt::IBeamCursor, nullptr}}) {
        send(QEvent::MouseMove, {row.x, 5}, Qt::NoButton);
        EXPECT_EQ(host.cursor().shape(), row.cursor) << row.x;
        EXPECT_EQ(hints.HintGraphic(), row.hint) << row.x;
    }
    hints.PointerAt(nullptr, {});
}

TEST_F(GraphicHostTest, ChildrenPaintInCreationOrderClippedToTheirBounds) {
    add("under", {0, 0, 30, 20})->m_color = Qt::blue;
    add("over", {10, 0, 30, 20})->m_color = Qt::green;
    const QImage shot = host.grab().toImage();
    EXPECT_EQ(shot.pixelColor(5, 5), QColor(Qt::blue));
    EXPECT_EQ(shot.pixelColor(15, 5), QColor(Qt::green));
    EXPECT_NE(shot.pixelColor(45, 5), QColor(Qt::green));
}

}  // namespace
