#include <gtest/gtest.h>

#include <QImage>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>
#include <QTemporaryDir>

namespace {

// Runs the snapshot tool on its own display scale and returns its picture.
QImage snapshot(const QStringList& what, const QString& scale, const QString& out) {
    QProcess tool;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_SCALE_FACTOR", scale);
    tool.setProcessEnvironment(env);
    tool.start(MOXEL_SNAPSHOT_TOOL, QStringList{out} + what);
    if (!tool.waitForFinished(60000) || tool.exitCode() != 0) return {};
    return QImage(out).convertToFormat(QImage::Format_RGB32);
}

// On a screen of twice the density every pixel of the window becomes a crisp 2 × 2 block of the same
// colour: the faces are composed at their own size and only then doubled, never smoothed.
TEST(HighDensity, ScaleFactorTwoDoublesEveryPixel) {
    const QStringList rows[] = {{}, {"--make", "board"}};
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (const QStringList& what : rows) {
        SCOPED_TRACE(what.join(' ').toStdString());
        const QImage single = snapshot(what, "1", dir.filePath("single.png"));
        const QImage twice = snapshot(what, "2", dir.filePath("twice.png"));
        ASSERT_FALSE(single.isNull());
        ASSERT_EQ(twice.size(), single.size() * 2);
        int differing = 0;
        for (int y = 0; y < twice.height(); ++y)
            for (int x = 0; x < twice.width(); ++x)
                if (twice.pixel(x, y) != single.pixel(x / 2, y / 2)) ++differing;
        EXPECT_EQ(differing, 0);
    }
}

}  // namespace
