#include <gtest/gtest.h>

#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include "app/mainwindow1.h"

namespace {

TEST(MainForm1Test, IsBorderlessWithFixedClientArea) {
    TMainForm1 form;
    EXPECT_EQ(form.objectName(), "MainForm1");
    EXPECT_EQ(form.windowTitle(), "ポルポルMoxel!");
    EXPECT_TRUE(form.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(form.size(), QSize(632, 446));
    EXPECT_EQ(form.minimumSize(), form.maximumSize());
}

TEST(SnapshotToolTest, WritesTheMainWindowAsPng) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString out = dir.filePath("mainform.png");
    QProcess tool;
    tool.start(MOXEL_SNAPSHOT_TOOL, {out});
    ASSERT_TRUE(tool.waitForFinished(60000));
    EXPECT_EQ(tool.exitCode(), 0) << tool.readAllStandardError().toStdString();
    const QImage shot(out);
    EXPECT_EQ(shot.size(), QSize(632, 446));
}

}  // namespace
