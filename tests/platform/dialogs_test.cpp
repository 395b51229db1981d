#include <gtest/gtest.h>

#include <unistd.h>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>
#include <csignal>

#include "platform/dialogs.h"

// The file dialog meets files that never finish reading. Only the superuser can read /proc/kmsg, and
// only there does a read of it block, so these tests run as root (as CI does) and are skipped otherwise.

namespace {

struct HangRow {
    const char* name;
    bool startOnTheLink;  // the dialog starts with a .qvx name that leads to /proc/kmsg
    QString typed;        // typed into the name box once the dialog shows
};

void PrintTo(const HangRow& row, std::ostream* os) {
    *os << row.name;
}

void type(QWidget* box, const QString& text) {
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(box, &press);
    }
}

class FileDialogHangTest : public ::testing::TestWithParam<HangRow> {};

TEST_P(FileDialogHangTest, EscapeClosesTheDialogWithinTwoSeconds) {
    if (::geteuid() != 0) GTEST_SKIP() << "only the superuser's reads of /proc/kmsg block";
    QTemporaryDir dir;
    const QString link = dir.filePath("board.qvx");
    ASSERT_EQ(::symlink("/proc/kmsg", QFile::encodeName(link).constData()), 0);
    // A dialog that hangs ends the test program instead of the CI job waiting for it.
    std::signal(SIGALRM, SIG_DFL);
    ::alarm(30);

    QElapsedTimer sinceEscape;
    QTimer::singleShot(500, [&] {
        if (QWidget* dialog = QApplication::activeModalWidget())
            if (auto* box = dialog->findChild<QLineEdit*>("fileNameEdit")) type(box, GetParam().typed);
    });
    QTimer::singleShot(1500, [&] {
        sinceEscape.start();
        if (QWidget* dialog = QApplication::activeModalWidget()) {
            QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
            QCoreApplication::sendEvent(dialog, &escape);
        }
    });
    const std::optional<QString> chosen =
        CurrentDialogs().ChooseFile({FileDialogRequest::Kind::Open, "開く", "Moxelファイル (*.qvx)", "qvx",
                                     GetParam().startOnTheLink ? link : QString()});
    const qint64 elapsed = sinceEscape.elapsed();
    ::alarm(0);

    EXPECT_FALSE(chosen);
    EXPECT_TRUE(sinceEscape.isValid());
    EXPECT_LT(elapsed, 2000);
}

INSTANTIATE_TEST_SUITE_P(Dialogs, FileDialogHangTest,
                         ::testing::Values(HangRow{"StartedOnALinkToKmsg", true, {}},
                                           HangRow{"ProcTypedIntoTheNameBox", false, "/proc/"}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
