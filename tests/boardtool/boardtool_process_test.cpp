#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPixmap>
#include <QProcess>
#include <QProcessEnvironment>

#include "app/boardfile.h"
#include "app/boardstring.h"
#include "app/mainwindow1.h"
#include "boardtool/joincommand.h"
#include "boardtool/memoryboard.h"
#include "boardtool/toolarguments.h"
#include "buttongrid/mxbuttonpanel.h"
#include "buttongrid/mxgradient.h"
#include "support/editduringsave.h"
#include "support/files.h"
#include "support/tempfolder.h"

namespace {

struct ToolRun {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

// A board string with every glyph, in the last row and column too.
QString sampleBoardString() {
    const QString codes = "0123456789ab";
    QString board;
    for (int i = 0; i < kCellCount; ++i) board += codes[(i * 7 + i / 30) % 12];
    return board;
}

class BoardToolTest : public TempFolderTest {
protected:
    QByteArray read(const QString& name) const { return ReadWholeFile(path(name)); }

    QString writeSample(const QString& name) const {
        write(name,
              "[Setting]\r\nPoru=" + sampleBoardString().toLatin1() + "\r\nCount=-7\r\nColor=33023\r\n");
        return path(name);
    }

    // Runs the tool as a user would, without a display and without choosing Qt's platform for it.
    ToolRun run(const QStringList& arguments, const QByteArray& input = {}, const QString& outputFile = {}) {
        QProcess tool;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) env.remove(name);
        tool.setProcessEnvironment(env);
        tool.setWorkingDirectory(folder());
        if (!outputFile.isEmpty()) tool.setStandardOutputFile(outputFile);
        tool.start(MOXEL_BOARD_TOOL, arguments);
        tool.write(input);
        tool.closeWriteChannel();
        ToolRun result;
        if (!tool.waitForFinished(60000) || tool.exitStatus() != QProcess::NormalExit) return result;
        result.exitCode = tool.exitCode();
        result.out = tool.readAllStandardOutput();
        result.err = tool.readAllStandardError();
        return result;
    }

    QString loadedCodes(const QString& name, MemoryBoard& board) const {
        EXPECT_TRUE(ReadBoardFile(board, path(name)).hasBoard);
        return BoardString(board);
    }
};

TEST_F(BoardToolTest, HelpGoesToStandardOutput) {
    const QStringList rows[] = {
        {"--help"}, {"-h"}, {"text", "--help"}, {"png", "-h"}, {"import", "--help"}, {"join", "--help"}};
    for (const QStringList& arguments : rows) {
        SCOPED_TRACE(arguments.join(' ').toStdString());
        const ToolRun result = run(arguments);
        EXPECT_EQ(result.exitCode, 0);
        EXPECT_TRUE(result.out.startsWith("usage: moxel-board ")) << result.out.constData();
        EXPECT_TRUE(result.err.isEmpty());
    }
}

TEST_F(BoardToolTest, TextPrintsTheBoardInUtf8WithLineFeeds) {
    const QString file = writeSample("sample.qvx");
    MemoryBoard board;
    ApplyBoardString(board, sampleBoardString());
    QByteArray expected;
    for (int row = 0; row < kBoardRows; ++row) {
        for (int column = 0; column < kBoardColumns; ++column)
            expected += board.CellCaption(row * kBoardColumns + column).toUtf8();
        expected += '\n';
    }
    const ToolRun result = run({"text", file});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out, expected);
    EXPECT_TRUE(result.err.isEmpty());

    const ToolRun trimmed = run({"text", "--trim", "--ascii", "--comment", "#", file});
    EXPECT_EQ(trimmed.exitCode, 0);
    EXPECT_EQ(trimmed.out.count('\n'), kBoardRows);
    EXPECT_TRUE(trimmed.out.startsWith("#   + + +-+ +-+-+---+-+-| ")) << trimmed.out.left(40).constData();
}

TEST_F(BoardToolTest, TextImportedAgainGivesTheSameBoard) {
    const QString file = writeSample("sample.qvx");
    const QStringList rows[] = {{}, {"--ascii-spaces"}};
    for (const QStringList& options : rows) {
        SCOPED_TRACE(options.join(' ').toStdString());
        const ToolRun text = run(QStringList{"text"} + options + QStringList{file});
        ASSERT_EQ(text.exitCode, 0);
        write("board.txt", text.out);
        QFile::remove(path("fromfile.qvx"));
        QFile::remove(path("fromstdin.qvx"));
        EXPECT_EQ(run({"import", "board.txt", "fromfile.qvx"}).exitCode, 0);
        EXPECT_EQ(run({"import", "-", "fromstdin.qvx"}, text.out).exitCode, 0);
        for (const QString& name : {QStringLiteral("fromfile.qvx"), QStringLiteral("fromstdin.qvx")}) {
            MemoryBoard board;
            board.SetClickCounter(5);
            board.SetBoardGradientColor(clLime);
            EXPECT_EQ(loadedCodes(name, board), sampleBoardString());
            EXPECT_EQ(board.ClickCounter(), 0);
            EXPECT_EQ(board.BoardGradientColor(), kNewBoardGradientColor);
        }
    }
}

TEST_F(BoardToolTest, ImportWritesOverAnExistingFileOnlyWhenForced) {
    write("board.txt", "┏━┓\n");
    write("old.qvx", "[Setting]\r\nPoru=b\r\n");
    const ToolRun refused = run({"import", "board.txt", "old.qvx"});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_EQ(refused.err, "moxel-board: old.qvx: already exists; use --force to write over it\n");
    EXPECT_EQ(read("old.qvx"), "[Setting]\r\nPoru=b\r\n");

    EXPECT_EQ(run({"import", "--force", "board.txt", "old.qvx"}).exitCode, 0);
    MemoryBoard board;
    EXPECT_TRUE(loadedCodes("old.qvx", board).startsWith("182000"));
}

struct PngRow {
    QStringList options;
    TMxGradientStyle style;
    TMxUserButtonStyle look;
};

TEST_F(BoardToolTest, PngIsTheWindowsOwnBoardPixelForPixel) {
    const QString file = writeSample("sample.qvx");
    TMainForm1 form;
    form.FormCreate({file});
    form.show();
    const PngRow rows[] = {
        {{}, TMxGradientStyle::gstElliptic, TMxUserButtonStyle::ubsExplorer},
        {{"--style", "gstTopLeftDiagonal"},
         TMxGradientStyle::gstTopLeftDiagonal,
         TMxUserButtonStyle::ubsExplorer},
        {{"--style=gstHorizontal", "--grid"},
         TMxGradientStyle::gstHorizontal,
         TMxUserButtonStyle::ubsAutoDetect},
    };
    for (const PngRow& row : rows) {
        SCOPED_TRACE(row.options.join(' ').toStdString());
        ASSERT_EQ(run(QStringList{"png", "--force", file, "board.png"} + row.options).exitCode, 0);
        form.MultiButton1->FillObject().Gradient().SetStyle(row.style);
        form.MultiButton1->SetButtonStyle(row.look);
        const QImage window = form.MultiButton1->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QImage tool = QImage(path("board.png")).convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(tool.size(), QSize(542, 272));
        EXPECT_TRUE(tool == window);
    }

    ASSERT_EQ(run({"png", "--scale", "2", file, "single.png"}).exitCode, 0);
    ASSERT_EQ(run({"png", "--force", file, "single.png"}).exitCode, 0);
    ASSERT_EQ(run({"png", "--scale", "2", file, "double.png"}).exitCode, 0);
    const QImage single = QImage(path("single.png")).convertToFormat(QImage::Format_RGB32);
    const QImage twice = QImage(path("double.png")).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(twice.size(), QSize(1084, 544));
    int differing = 0;
    for (int y = 0; y < twice.height(); ++y)
        for (int x = 0; x < twice.width(); ++x)
            if (twice.pixel(x, y) != single.pixel(x / 2, y / 2)) ++differing;
    EXPECT_EQ(differing, 0);
}

TEST_F(BoardToolTest, JoinRepairsInPlaceKeepingEverythingElse) {
    const QString crosses = "bbb" + QString(27, '0') + "b0b" + QString(27, '0') + "bbb";
    write("box.qvx",
          "[Other]\r\nkeep=1\r\n[Setting]\r\nPoru=" + crosses.toLatin1() + "\r\nCount=-7\r\nColor=33023\r\n");
    EXPECT_EQ(run({"join", "box.qvx"}).exitCode, 0);
    const QString joined = "182" + QString(27, '0') + "505" + QString(27, '0') + "384";
    EXPECT_EQ(read("box.qvx"), "[Other]\r\nkeep=1\r\n[Setting]\r\nPoru=" + joined.toLatin1() +
                                   QString(450 - 63, '0').toLatin1() + "\r\nCount=-7\r\nColor=33023\r\n");

    // Nothing to repair: the file stays byte for byte.
    const QByteArray before = read("box.qvx");
    EXPECT_EQ(run({"join", "box.qvx"}).exitCode, 0);
    EXPECT_EQ(read("box.qvx"), before);
}

struct BadRow {
    QStringList arguments;
    QByteArray input;
    int exitCode;
    QString error;  // the whole of standard error; {dir} stands for the test's folder
};

TEST_F(BoardToolTest, BadInputFailsWithOneLineAndWritesNothing) {
    writeSample("sample.qvx");
    write("wide.txt", QString("━").repeated(31).toUtf8() + "\n");
    write("unknown.txt", "┏━┓\r\n┃A┃\r\n");
    write("lone.txt", "┏ ┓\n");
    write("long.txt", QByteArray("╋\n").repeated(16));
    write("exists.qvx", "[Setting]\r\n");
    write("garbage.qvx", QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16));
    write("nearlimit.qvx", "[Setting]\r\nPoru=bbb\r\n" + QByteArray(1024 * 1024 - 21, ';'));
    ASSERT_TRUE(QDir(folder()).mkdir("folder.qvx"));
    const BadRow rows[] = {
        {{"import", "wide.txt", "out.qvx"},
         {},
         1,
         "moxel-board: wide.txt:1:31: past the board's 30th column\n"},
        {{"import", "unknown.txt", "out.qvx"},
         {},
         1,
         "moxel-board: unknown.txt:2:2: 'A' (U+0041) is no board glyph\n"},
        {{"import", "lone.txt", "out.qvx"},
         {},
         1,
         "moxel-board: lone.txt:1:2: a single space; a blank cell is two spaces or U+3000\n"},
        {{"import", "long.txt", "out.qvx"}, {}, 1, "moxel-board: long.txt:16:1: past the board's 15th row\n"},
        {{"import", "-", "out.qvx"}, "┃\n☃", 1, "moxel-board: <stdin>:2:1: '☃' (U+2603) is no board glyph\n"},
        {{"import", "missing.txt", "out.qvx"}, {}, 1, "moxel-board: missing.txt: no such file\n"},
        {{"import", "sample.qvx", "exists.qvx"},
         {},
         1,
         "moxel-board: sample.qvx:1:1: '[' (U+005B) is no board glyph\n"},
        {{"text", "missing.qvx"}, {}, 1, "moxel-board: missing.qvx: no such file\n"},
        {{"text", "{dir}/folder.qvx"}, {}, 1, "moxel-board: {dir}/folder.qvx: is a folder\n"},
        {{"png", "missing.qvx", "out.png"}, {}, 1, "moxel-board: missing.qvx: no such file\n"},
        {{"join", "missing.qvx"}, {}, 1, "moxel-board: missing.qvx: no such file\n"},
        {{"png", "sample.qvx", "nowhere/out.png"},
         {},
         1,
         "moxel-board: nowhere/out.png: cannot write the picture: no such folder\n"},
        {{"text", "garbage.qvx"},
         {},
         1,
         "moxel-board: garbage.qvx: not a board file (no [Setting] section with a Poru key)\n"},
        // Rewritten with the whole board string, the file would be too large to be read again.
        {{"join", "nearlimit.qvx"},
         {},
         1,
         "moxel-board: nearlimit.qvx: cannot write the board file: larger than 1 MiB\n"},
        {{"text", "\x1b]0;title\x07\x1b[2J.qvx"},
         {},
         1,
         "moxel-board: \\x1b]0;title\\x07\\x1b[2J.qvx: no such file\n"},
        {{"text", "--bogus", "sample.qvx"},
         {},
         2,
         "moxel-board: text: unknown option '--bogus' (see moxel-board text --help)\n"},
        {{"text", "--comment", ";", "sample.qvx"},
         {},
         2,
         "moxel-board: text: unknown comment style ';' (use //, #, -- or /*)\n"},
        {{"text", "sample.qvx", "more.qvx"},
         {},
         2,
         "moxel-board: text: expects one board file (see moxel-board text --help)\n"},
        {{"png", "--style", "gstRound", "sample.qvx", "out.png"},
         {},
         2,
         "moxel-board: png: unknown gradient style 'gstRound' (see moxel-board png --help)\n"},
        {{"png", "--scale", "0", "sample.qvx", "out.png"},
         {},
         2,
         "moxel-board: png: the scale must be a whole number from 1 to 8\n"},
        {{"import", "--force"},
         {},
         2,
         "moxel-board: import: expects a text file and a board file (see moxel-board import --help)\n"},
        {{"join", "-x", "sample.qvx"},
         {},
         2,
         "moxel-board: join: unknown option '-x' (see moxel-board join --help)\n"},
        {{"draw"}, {}, 2, "moxel-board: unknown command 'draw' (see moxel-board --help)\n"},
        {{}, {}, 2, "moxel-board: no command given (see moxel-board --help)\n"},
    };
    const QStringList before =
        QDir(folder()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    for (const BadRow& row : rows) {
        SCOPED_TRACE(row.arguments.join(' ').toStdString());
        QStringList arguments = row.arguments;
        arguments.replaceInStrings("{dir}", folder());
        const ToolRun result = run(arguments, row.input);
        EXPECT_EQ(result.exitCode, row.exitCode);
        EXPECT_EQ(QString::fromUtf8(result.err), QString(row.error).replace("{dir}", folder()));
        EXPECT_TRUE(result.out.isEmpty());
        EXPECT_EQ(QDir(folder()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), before);
    }
    EXPECT_EQ(read("exists.qvx"), "[Setting]\r\n");
}

// A new file is written; an existing one only with --force; the input itself never, by any name.
TEST_F(BoardToolTest, OutputFilesFollowOneRule) {
    const QByteArray sample = read(QFileInfo(writeSample("sample.qvx")).fileName());
    write("old.png", "old");
    ASSERT_TRUE(QFile::link("sample.qvx", path("link.png")));
    const std::pair<QStringList, QString> rows[] = {
        // the arguments, and the error ("" for success)
        {{"png", "sample.qvx", "new.png"}, ""},
        {{"png", "sample.qvx", "old.png"}, "old.png: already exists; use --force to write over it"},
        {{"png", "--force", "sample.qvx", "old.png"}, ""},
        {{"png", "--force", "sample.qvx", "sample.qvx"},
         "sample.qvx: is the file being read; choose another output"},
        {{"png", "--force", "sample.qvx", "link.png"},
         "link.png: is the file being read; choose another output"},
    };
    for (const auto& [arguments, error] : rows) {
        SCOPED_TRACE(arguments.join(' ').toStdString());
        const ToolRun result = run(arguments);
        EXPECT_EQ(result.exitCode, error.isEmpty() ? 0 : 1);
        EXPECT_EQ(QString::fromUtf8(result.err), error.isEmpty() ? "" : "moxel-board: " + error + "\n");
        EXPECT_EQ(read("sample.qvx"), sample);
    }
    EXPECT_TRUE(QImage(path("old.png")).size() == QSize(542, 272));
}

// Another program saves the board while join writes it: its edit stays and join fails.
TEST_F(BoardToolTest, AnEditMadeDuringJoinsSaveSurvivesAndJoinFails) {
    write("box.qvx", "[Setting]\r\nPoru=bbb\r\n");
    const EditDuringSave edit("[Setting]\r\nPoru=b0b\r\nCount=3\r\n");
    EXPECT_EQ(RunJoinCommand({path("box.qvx")}), kExitFailure);
    EXPECT_EQ(read("box.qvx"), "[Setting]\r\nPoru=b0b\r\nCount=3\r\n");
}

TEST_F(BoardToolTest, AFullStandardOutputIsAFailure) {
    const ToolRun result = run({"text", writeSample("sample.qvx")}, {}, "/dev/full");
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err, "moxel-board: cannot write to standard output\n");
}

}  // namespace
