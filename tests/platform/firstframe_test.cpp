#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QTemporaryDir>
#include <QWidget>

#include "platform/firstframe.h"
#include "support/events.h"

namespace {

struct FirstFrameCase {
    const char* name;
    bool variableSet;
    int paints;    // frames shown before the file is read
    bool covered;  // an opaque child covers the whole window, which then gets no paint of its own
};

class FirstFrameTest : public ::testing::TestWithParam<FirstFrameCase> {};

// The stamp is written once, after the first frame, and only when asked for; later frames leave it alone.
TEST_P(FirstFrameTest, WritesTheFirstFrameTimeOnlyWhenAsked) {
    const FirstFrameCase& c = GetParam();
    QTemporaryDir dir;
    const QString stamp = dir.filePath("first-frame");
    if (c.variableSet)
        qputenv("MOXEL_FIRST_FRAME_FILE", stamp.toLocal8Bit());
    else
        qunsetenv("MOXEL_FIRST_FRAME_FILE");
    const qint64 before = QDateTime::currentMSecsSinceEpoch();

    QWidget window;
    window.resize(40, 30);
    if (c.covered) {
        auto* child = new QWidget(&window);
        child->setAttribute(Qt::WA_OpaquePaintEvent);
        child->setGeometry(0, 0, 40, 30);
    }
    WatchFirstFrame(&window);
    const int watchers = static_cast<int>(window.findChildren<QObject*>(Qt::FindDirectChildrenOnly).size()) -
                         (c.covered ? 1 : 0);
    window.show();
    for (int i = 0; i < c.paints; ++i) {
        if (i > 0) {
            QFile::remove(stamp);
            window.repaint();
        }
        // Long enough for a frame; a stamp that is due ends the wait early.
        RunEventsUntil([&] { return QFile::exists(stamp); }, c.variableSet && i == 0 ? 2000 : 300);
    }
    qunsetenv("MOXEL_FIRST_FRAME_FILE");

    EXPECT_EQ(watchers, c.variableSet ? 1 : 0);
    // A repaint after the first one writes nothing again.
    const bool expectStamp = c.variableSet && c.paints == 1;
    ASSERT_EQ(QFile::exists(stamp), expectStamp);
    if (!expectStamp) return;
    QFile file(stamp);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    bool ok = false;
    const qint64 written = file.readAll().trimmed().toLongLong(&ok);
    ASSERT_TRUE(ok);
    const qint64 after = QDateTime::currentMSecsSinceEpoch();
    EXPECT_GE(written / 1'000'000, before);
    EXPECT_LE(written / 1'000'000, after);
}

INSTANTIATE_TEST_SUITE_P(Rows, FirstFrameTest,
                         ::testing::Values(FirstFrameCase{"unset", false, 1, false},
                                           FirstFrameCase{"set", true, 1, false},
                                           FirstFrameCase{"setRepainted", true, 2, false},
                                           FirstFrameCase{"setCovered", true, 1, true}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
