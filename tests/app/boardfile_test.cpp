#include <gtest/gtest.h>

#include <sys/resource.h>
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>

#include "app/boardfile.h"
#include "app/fakeboard.h"
#include "platform/exception.h"
#include "platform/inifile.h"
#include "support/files.h"
#include "support/tempfolder.h"

namespace {

const QString kAllCodes = QStringLiteral("0123456789ab").repeated(38).left(450);

class BoardFileTest : public TempFolderTest {
protected:
    static QByteArray read(const QString& fileName) { return ReadWholeFile(fileName); }

    // A board with its cells and counter set and the calls made so far forgotten.
    static void prepare(FakeBoard& board, const QString& codes, std::int32_t counter, TColor color) {
        board.Fill(codes);
        board.counter = counter;
        board.counterLabel = QString::number(counter);
        board.color = color;
        board.calls.clear();
    }
};

TEST_F(BoardFileTest, ANewFileHoldsExactlyFourLines) {
    FakeBoard board;
    prepare(board, "18" + QString(448, u'0'), -42, TColor(0x00123456));
    const QString file = path("new.qvx");
    SaveBoardFile(board, file);
    EXPECT_EQ(read(file),
              "[Setting]\r\nPoru=18" + QByteArray(448, '0') + "\r\nCount=-42\r\nColor=1193046\r\n");
}

TEST_F(BoardFileTest, ColorIsStoredAsASigned32BitValue) {
    FakeBoard board;
    prepare(board, QString(450, u'0'), 0, clWindowText);
    const QString file = path("system.qvx");
    SaveBoardFile(board, file);
    EXPECT_TRUE(read(file).endsWith("\r\nColor=-2147483640\r\n"));

    board.color = clWhite;
    ReadBoardFile(board, file);
    EXPECT_EQ(board.color, clWindowText);
}

TEST_F(BoardFileTest, SaveThenReadRestoresEverything) {
    FakeBoard saved;
    prepare(saved, kAllCodes, 2147483647, TColor(0x00FF8000));
    const QString file = path("all.qvx");
    SaveBoardFile(saved, file);

    FakeBoard loaded;
    prepare(loaded, QString(450, u'b'), 7, clBlack);
    ReadBoardFile(loaded, file);
    EXPECT_EQ(loaded.Codes(), kAllCodes);
    for (int i = 0; i < 450; ++i) EXPECT_EQ(loaded.CellCaption(i), saved.CellCaption(i)) << i;
    EXPECT_EQ(loaded.counter, 2147483647);
    EXPECT_EQ(loaded.counterLabel, "2147483647");
    EXPECT_EQ(loaded.color, TColor(0x00FF8000));
    EXPECT_TRUE(loaded.sounds.empty());
    EXPECT_EQ(loaded.pulseMarks, (std::array<int, 12>{}));
}

TEST_F(BoardFileTest, SavingOverAnIniFileKeepsEverythingElse) {
    const QByteArray before =
        "; drawn by hand\r\n"
        "[Other]\r\n"
        "Poru=keep me\r\n"
        "\r\n"
        "[setting]\r\n"
        "count = 3\r\n"
        "Extra=9\r\n"
        "\r\n"
        "[Last]\r\n"
        "x=1\r\n";
    const QString file = write("old.qvx", before);
    FakeBoard board;
    prepare(board, QString(450, u'3'), 12, TColor(255));
    SaveBoardFile(board, file);
    EXPECT_EQ(read(file),
              "; drawn by hand\r\n"
              "[Other]\r\n"
              "Poru=keep me\r\n"
              "\r\n"
              "[setting]\r\n"
              "count =12\r\n"
              "Extra=9\r\n"
              "Poru=" +
                  QByteArray(450, '3') +
                  "\r\n"
                  "Color=255\r\n"
                  "\r\n"
                  "[Last]\r\n"
                  "x=1\r\n");
}

TEST_F(BoardFileTest, AFailedSaveRaisesTheWriteErrorAndKeepsNothing) {
    write("file", "not a folder");
    const QString file = path("file/board.qvx");
    FakeBoard board;
    try {
        SaveBoardFile(board, file);
        FAIL() << "the save did not fail";
    } catch (const Exception& error) {
        EXPECT_EQ(error.Message(), file + " に書き込めません");
    }
    EXPECT_EQ(read(path("file")), "not a folder");
}

// Lets no process write more than a few bytes into any file, so that even a privileged user's save fails
// half-way through writing.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &m_old);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_old;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit m_old{};
    void (*m_oldHandler)(int) = nullptr;
};

TEST_F(BoardFileTest, AFailedSaveLeavesTheOldFileAsItWas) {
    const QByteArray old = "[Setting]\r\nPoru=" + QByteArray(450, '1') + "\r\nCount=1\r\nColor=0\r\n";
    const QString file = write("kept.qvx", old);
    FakeBoard board;
    prepare(board, QString(450, u'b'), 99, clWhite);
    {
        const FileSizeLimit limit(64);
        EXPECT_THROW(SaveBoardFile(board, file), Exception);
    }
    EXPECT_EQ(read(file), old);
    EXPECT_EQ(QDir(path(".")).entryList(QDir::Files | QDir::Hidden), QStringList({"kept.qvx"}));
}

TEST_F(BoardFileTest, ReadingSetsCounterLabelAndColourBeforeTheCells) {
    const QString file = write("order.qvx", "[Setting]\r\nPoru=1\r\nCount=5\r\nColor=255\r\n");
    FakeBoard board;
    ReadBoardFile(board, file);
    EXPECT_EQ(board.calls, QStringList({"counter 5", "label 5", "color 255", "cell 0=┏"}));
}

TEST_F(BoardFileTest, APoruOf449CharactersLeavesTheLastCell) {
    const QString file = write("short.qvx", "[Setting]\nPoru=" + QByteArray(449, '2') + "\n");
    FakeBoard board;
    prepare(board, QString(450, u'b'), 0, clWhite);
    ReadBoardFile(board, file);
    EXPECT_EQ(board.Codes(), QString(449, u'2') + "b");
}

TEST_F(BoardFileTest, ACharacterThatIsNoCodeShiftsNothing) {
    QByteArray poru = QByteArray(450, '7');
    poru[5] = 'A';
    const QString file = write("upper.qvx", "[Setting]\r\nPoru=" + poru + "\r\n");
    FakeBoard board;
    prepare(board, QString(450, u'4'), 0, clWhite);
    ReadBoardFile(board, file);
    EXPECT_EQ(board.Codes(), QString(5, u'7') + "4" + QString(444, u'7'));
}

TEST_F(BoardFileTest, MultiByteCharactersTakeOnePositionPerByte) {
    // "□" is three bytes in UTF-8: cells 0 to 2 keep their glyphs and "1" lands on cell 3.
    const QString file = write("wide.qvx", "[Setting]\r\nPoru=□1\r\n");
    FakeBoard board;
    prepare(board, QString(450, u'9'), 0, clWhite);
    ReadBoardFile(board, file);
    EXPECT_EQ(board.Codes(), "9991" + QString(446, u'9'));
}

TEST_F(BoardFileTest, CharactersAfterThe450thAreIgnored) {
    const QString file = write("long.qvx", "[Setting]\r\nPoru=" + QByteArray(450, '6') + "bbbbbbbb\r\n");
    FakeBoard board;
    ReadBoardFile(board, file);
    EXPECT_EQ(board.Codes(), QString(450, u'6'));
}

TEST_F(BoardFileTest, OnlyACountSetsOnlyTheCounter) {
    const QString file = write("count.qvx", "[Setting]\r\nCount=5\r\n");
    FakeBoard board;
    prepare(board, kAllCodes, 77, TColor(0x0000FF00));
    ReadBoardFile(board, file);
    EXPECT_EQ(board.counter, 5);
    EXPECT_EQ(board.counterLabel, "5");
    EXPECT_EQ(board.color, TColor(0x0000FF00));
    EXPECT_EQ(board.Codes(), kAllCodes);
}

struct IntegerRow {
    const char* count;
    const char* color;
    std::int32_t expectedCount;
    std::uint32_t expectedColor;
};

class BoardFileIntegerTest : public BoardFileTest, public ::testing::WithParamInterface<IntegerRow> {};

TEST_P(BoardFileIntegerTest, ReadsDecimalAndHexAndKeepsTheRest) {
    const IntegerRow& row = GetParam();
    const QString file = write(
        "numbers.qvx", QByteArray("[Setting]\r\nCount=") + row.count + "\r\nColor=" + row.color + "\r\n");
    FakeBoard board;
    prepare(board, QString(450, u'0'), 77, TColor(0x00ABCDEF));
    ReadBoardFile(board, file);
    EXPECT_EQ(board.counter, row.expectedCount);
    EXPECT_EQ(board.counterLabel, QString::number(row.expectedCount));
    EXPECT_EQ(board.color, TColor(row.expectedColor));
}

INSTANTIATE_TEST_SUITE_P(Values, BoardFileIntegerTest,
                         ::testing::Values(IntegerRow{"0x1F", "$FF", 31, 0xFF},          //
                                           IntegerRow{"0X10", "0xff00", 16, 0xFF00},     //
                                           IntegerRow{"-12", "8454143", -12, 8454143},   //
                                           IntegerRow{"+3", "-1", 3, 0xFFFFFFFF},        //
                                           IntegerRow{"abc", "red", 77, 0x00ABCDEF},     // not numbers: kept
                                           IntegerRow{"", "", 77, 0x00ABCDEF},           //
                                           IntegerRow{"1.5", "12px", 77, 0x00ABCDEF}));  //

TEST_F(BoardFileTest, AMissingFileChangesNothing) {
    FakeBoard board;
    prepare(board, kAllCodes, -3, TColor(0x00010203));
    EXPECT_EQ(ReadBoardFile(board, path("nothing here.qvx")).problem, FileProblem::NoSuchFile);
    EXPECT_EQ(board.Codes(), kAllCodes);
    EXPECT_EQ(board.counter, -3);
    EXPECT_EQ(board.counterLabel, "-3");
    EXPECT_EQ(board.color, TColor(0x00010203));
    EXPECT_FALSE(QFile::exists(path("nothing here.qvx")));
}

TEST_F(BoardFileTest, AFolderReadsAsEmpty) {
    ASSERT_TRUE(QDir(path(".")).mkdir("folder.qvx"));
    FakeBoard board;
    prepare(board, kAllCodes, 8, clLime);
    EXPECT_EQ(ReadBoardFile(board, path("folder.qvx")).problem, FileProblem::IsAFolder);
    EXPECT_EQ(board.Codes(), kAllCodes);
    EXPECT_EQ(board.counter, 8);
    EXPECT_EQ(board.color, clLime);
}

TEST_F(BoardFileTest, ARelativeNameIsTakenFromTheCurrentFolder) {
    write("here.qvx", "[Setting]\r\nCount=21\r\n");
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(path(".")));
    FakeBoard board;
    EXPECT_EQ(ReadBoardFile(board, "here.qvx").problem, FileProblem::None);
    board.counter = 22;
    SaveBoardFile(board, "there.qvx");
    QDir::setCurrent(previous);
    EXPECT_EQ(board.counterLabel, "21");
    EXPECT_TRUE(read(path("there.qvx")).contains("\r\nCount=22\r\n"));
}

TEST(NewBoardTest, ClearsCellsCounterAndColourOnly) {
    FakeBoard board;
    board.Fill(kAllCodes);
    board.counter = 1234;
    board.counterLabel = "1234";
    board.color = clBlack;
    board.mode = DrawingMode::Cross;
    board.pulseMarks[3] = 1;
    NewBoard(board);
    EXPECT_EQ(board.Codes(), QString(450, u'0'));
    for (int i = 0; i < 450; ++i) EXPECT_EQ(board.CellCaption(i), QString(QChar(0x3000)));
    EXPECT_EQ(board.counter, 0);
    EXPECT_EQ(board.counterLabel, "0");
    EXPECT_EQ(board.color, TColor(8454143));
    EXPECT_EQ(board.mode, DrawingMode::Cross);
    EXPECT_EQ(board.pulseMarks[3], 1);
    EXPECT_TRUE(board.sounds.empty());
}

}  // namespace

// A save over a file the reading steps could not take in whole must not replace it with the four board
// lines: everything past the size limit would be gone.
TEST(BoardFileDataLossTest, SavingOverAFileTooLargeToReadKeepsIt) {
    QTemporaryDir dir;
    const QString file = dir.filePath("big.qvx");
    QByteArray old = "[Setting]\r\nPoru=" + QByteArray(450, '1') + "\r\nCount=1\r\nColor=0\r\n[Notes]\r\n";
    old.append(QByteArray(static_cast<qsizetype>(IniFile::kMaxFileSize), 'x'));
    ASSERT_TRUE(WriteWholeFile(file, old));
    FakeBoard board;
    try {
        SaveBoardFile(board, file);
        ADD_FAILURE() << "the save replaced a file it could not read";
    } catch (const Exception& error) {
        EXPECT_EQ(error.Message(), file + " に書き込めません");
    }
    QFile in(file);
    ASSERT_TRUE(in.open(QIODevice::ReadOnly));
    EXPECT_TRUE(in.readAll() == old);
}
