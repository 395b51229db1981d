#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "app/commandline.h"
#include "app/fakeboard.h"
#include "support/tempfolder.h"

namespace {

struct ExtensionRow {
    const char* name;
    const char* extension;
};

class FileExtensionTest : public ::testing::TestWithParam<ExtensionRow> {};

TEST_P(FileExtensionTest, IsThePartFromTheLastDotAfterTheLastSlash) {
    EXPECT_EQ(FileExtension(QString::fromUtf8(GetParam().name)), QString::fromUtf8(GetParam().extension));
}

INSTANTIATE_TEST_SUITE_P(Names, FileExtensionTest,
                         ::testing::Values(ExtensionRow{"drawing.qvx", ".qvx"},
                                           ExtensionRow{"/home/me/a.b.Qvx", ".Qvx"},
                                           ExtensionRow{"noext", ""},
                                           ExtensionRow{"old.d/board", ""},  // the dot is the folder's
                                           ExtensionRow{"old.d/board.qvx", ".qvx"},
                                           ExtensionRow{".qvx", ".qvx"}, ExtensionRow{"dir/.qvx", ".qvx"},
                                           ExtensionRow{"board.", "."}, ExtensionRow{"a\\b.qvx", ".qvx"},
                                           ExtensionRow{"絵.ＱＶＸ", ".ＱＶＸ"}, ExtensionRow{"", ""}));

class CommandLineTest : public TempFolderTest {
protected:
    FakeBoard board;
};

TEST_F(CommandLineTest, NoArgumentsLeaveTheNewBoard) {
    LoadCommandLineFiles(board, {});
    EXPECT_EQ(board.Codes(), QString(450, u'0'));
    EXPECT_EQ(board.counter, 0);
    EXPECT_EQ(board.color, TColor(8454143));
    EXPECT_TRUE(board.calls.isEmpty());
}

TEST_F(CommandLineTest, ABoardFileIsReadAndOfferedToTheOpenDialog) {
    const QString file = write("one.qvx", "[Setting]\r\nPoru=1b\r\nCount=9\r\nColor=255\r\n");
    LoadCommandLineFiles(board, {file});
    EXPECT_EQ(board.Codes(), "1b" + QString(448, u'0'));
    EXPECT_EQ(board.counter, 9);
    EXPECT_EQ(board.counterLabel, "9");
    EXPECT_EQ(board.color, TColor(255));
    EXPECT_EQ(board.openDialogFileName, file);
    EXPECT_EQ(board.calls.first(), "dialog " + file);
    EXPECT_TRUE(board.sounds.empty());
}

TEST_F(CommandLineTest, TheExtensionMatchesInAnyCase) {
    const QString mixed = write("Mixed.Qvx", "[Setting]\r\nCount=1\r\n");
    const QString upper = write("UPPER.QVX", "[Setting]\r\nColor=2\r\n");
    LoadCommandLineFiles(board, {mixed, upper});
    EXPECT_EQ(board.counter, 1);
    EXPECT_EQ(board.color, TColor(2));
    EXPECT_EQ(board.openDialogFileName, upper);
}

TEST_F(CommandLineTest, AnyOtherExtensionIsSkippedWhateverItHolds) {
    const QByteArray content = "[Setting]\r\nPoru=bbbb\r\nCount=50\r\nColor=0\r\n";
    LoadCommandLineFiles(board, {write("board.txt", content), write("board.qvx.bak", content),
                                 write("board", content), write("board.qvxx", content)});
    EXPECT_EQ(board.Codes(), QString(450, u'0'));
    EXPECT_EQ(board.counter, 0);
    EXPECT_TRUE(board.openDialogFileName.isEmpty());
    EXPECT_TRUE(board.calls.isEmpty());
}

TEST_F(CommandLineTest, TheSecondFileWinsWhereItHoldsAValue) {
    const QString first = write("first.qvx", "[Setting]\r\nPoru=111111\r\nCount=10\r\nColor=100\r\n");
    const QString second = write("second.qvx", "[Setting]\r\nPoru=22A2\r\nCount=20\r\n");
    LoadCommandLineFiles(board, {first, second});
    EXPECT_EQ(board.Codes(), "221211" + QString(444, u'0'));
    EXPECT_EQ(board.counter, 20);
    EXPECT_EQ(board.counterLabel, "20");
    EXPECT_EQ(board.color, TColor(100));
    EXPECT_EQ(board.openDialogFileName, second);
}

TEST_F(CommandLineTest, NamesOfNothingAreSkipped) {
    const QString file = write("real.qvx", "[Setting]\r\nCount=3\r\n");
    LoadCommandLineFiles(board, {path("missing.qvx"), "", file, path("gone/too.qvx")});
    EXPECT_EQ(board.counter, 3);
    EXPECT_EQ(board.openDialogFileName, file);
    EXPECT_EQ(board.calls.count(), 4);  // dialog, counter, label, colour of the one real file
}

TEST_F(CommandLineTest, AFolderWithTheExtensionQualifiesButChangesNothing) {
    ASSERT_TRUE(QDir(path(".")).mkdir("folder.qvx"));
    board.Fill(QString(450, u'5'));
    board.counter = 4;
    LoadCommandLineFiles(board, {path("folder.qvx")});
    EXPECT_EQ(board.openDialogFileName, path("folder.qvx"));
    EXPECT_EQ(board.Codes(), QString(450, u'5'));
    EXPECT_EQ(board.counter, 4);
    EXPECT_EQ(board.color, TColor(8454143));
}

TEST_F(CommandLineTest, AnOverlongArgumentNamesNothing) {
    const QString longName = path(QString(300, u'x') + "/" + QString(5000, u'y') + ".qvx");
    LoadCommandLineFiles(board, {longName});
    EXPECT_TRUE(board.calls.isEmpty());
}

TEST_F(CommandLineTest, ARelativeArgumentIsFoundInTheCurrentFolder) {
    write("rel.qvx", "[Setting]\r\nCount=6\r\n");
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(path(".")));
    LoadCommandLineFiles(board, {"rel.qvx"});
    QDir::setCurrent(previous);
    EXPECT_EQ(board.counter, 6);
    EXPECT_EQ(board.openDialogFileName, "rel.qvx");
}

}  // namespace
