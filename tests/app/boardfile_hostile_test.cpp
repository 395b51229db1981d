#include <gtest/gtest.h>

#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <functional>
#include <optional>
#include <string>

#include "app/boardfile.h"
#include "app/commandline.h"
#include "app/fakeboard.h"
#include "platform/errorbox.h"
#include "platform/exception.h"
#include "platform/inifile.h"
#include "support/unprivileged.h"

// Files a user, a mistake or an attacker may hand the program. Every case runs as an ordinary user, so
// that permissions hold even when the tests run as root; folders get rights for everyone for that reason.

namespace {

QByteArray native(const QString& path) {
    return QFile::encodeName(path);
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

std::optional<QByteArray> readBytes(const QString& path) {
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) return std::nullopt;
    return file.readAll();
}

QStringList entries(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

const QByteArray kBoardFile = "[Setting]\r\nPoru=" + QByteArray(450, '5') + "\r\nCount=5\r\nColor=255\r\n";
const QString kUnchanged(450, u'0');
constexpr std::int32_t kCounter = 7;
constexpr TColor kColor{0x123};

struct ReadRow {
    const char* name;
    // Makes the entry at path; chmod and mknod failures stop the row.
    std::function<void(const QString& path)> make;
    QString codes = kUnchanged;
    std::int32_t counter = kCounter;
    TColor color = kColor;
};

void PrintTo(const ReadRow& row, std::ostream* os) {
    *os << row.name;
}

class HostileReadTest : public ::testing::TestWithParam<ReadRow> {};

// The command line checks that the name exists and runs the reading steps, as a user starting the program
// with the file would.
TEST_P(HostileReadTest, ReadsWhatIsThereAndChangesNothingElse) {
    QTemporaryDir dir;
    ASSERT_EQ(::chmod(native(dir.path()).constData(), 0777), 0);
    const QString path = dir.filePath("board.qvx");
    GetParam().make(path);
    const std::optional<QByteArray> before = readBytes(path);

    const std::optional<std::string> result = RunUnprivileged([&] {
        FakeBoard board;
        board.counter = kCounter;
        board.counterLabel = QString::number(kCounter);
        board.color = kColor;
        LoadCommandLineFiles(board, {path});
        return QStringLiteral("%1|%2|%3|%4")
            .arg(board.Codes(), QString::number(board.counter), board.counterLabel,
                 QString::number(board.color.ToInt()))
            .toStdString();
    });
    ASSERT_TRUE(result) << "could not give up the superuser's rights";

    const ReadRow& row = GetParam();
    EXPECT_EQ(QString::fromStdString(*result),
              QStringLiteral("%1|%2|%2|%3")
                  .arg(row.codes, QString::number(row.counter), QString::number(row.color.ToInt())));
    EXPECT_EQ(readBytes(path), before);
    EXPECT_EQ(entries(dir.path()).filter(".moxel-"), QStringList());
}

QByteArray garbage(int size) {
    QByteArray bytes(size, '\0');
    std::uint32_t x = 2463534242u;
    for (char& c : bytes) {
        x ^= x << 13;
        x ^= x >> 17;
        x ^= x << 5;
        c = static_cast<char>(x);
    }
    return bytes;
}

QString codesWith(std::initializer_list<std::pair<int, char>> cells) {
    QString codes = kUnchanged;
    for (const auto& [index, code] : cells) codes[index] = QChar::fromLatin1(code);
    return codes;
}

INSTANTIATE_TEST_SUITE_P(
    Files, HostileReadTest,
    ::testing::Values(
        ReadRow{"BinaryGarbage", [](const QString& p) { writeBytes(p, garbage(65536)); }},
        ReadRow{"NulBytes",
                [](const QString& p) {
                    writeBytes(p, QByteArray("[Setting]\r\nPoru=1\0"
                                             "2\r\nCount=5\0\r\nColor=\0\r\n",
                                             36));
                },
                codesWith({{0, '1'}, {2, '2'}})},
        ReadRow{"HundredMebibytes",
                [](const QString& p) {
                    writeBytes(p, kBoardFile);
                    ASSERT_EQ(::truncate(native(p).constData(), off_t{100} << 20), 0);
                }},
        ReadRow{"OneLineOfTenMebibytes",
                [](const QString& p) {
                    writeBytes(p, "[Setting]\r\nCount=5\r\nPoru=" + QByteArray(10 << 20, '1'));
                }},
        ReadRow{"Fifo", [](const QString& p) { ASSERT_EQ(::mkfifo(native(p).constData(), 0666), 0); }},
        ReadRow{"Folder", [](const QString& p) { ASSERT_TRUE(QDir().mkdir(p)); }},
        ReadRow{"SymbolicLinkLoop",
                [](const QString& p) {
                    ASSERT_EQ(::symlink("loop.qvx", native(p).constData()), 0);
                    ASSERT_EQ(::symlink("board.qvx", native(QFileInfo(p).path() + "/loop.qvx").constData()),
                              0);
                }},
        ReadRow{"NoReadPermission",
                [](const QString& p) {
                    writeBytes(p, kBoardFile);
                    ASSERT_EQ(::chmod(native(p).constData(), 0222), 0);
                }},
        // The entry passes the existence check, but there is nothing to open when the reading starts.
        ReadRow{"VanishedBeforeTheRead",
                [](const QString& p) { ASSERT_EQ(::symlink("gone.qvx", native(p).constData()), 0); }},
        ReadRow{"PoruOfMultiByteCharacters",
                [](const QString& p) { writeBytes(p, "[Setting]\r\nPoru=1┏┓2\r\n"); },
                codesWith({{0, '1'}, {7, '2'}})},
        ReadRow{"DuplicateSectionsAndKeys",
                [](const QString& p) {
                    writeBytes(p, "[Setting]\r\nCount=1\r\ncount=2\r\n[SETTING]\r\nCount=3\r\nColor=9\r\n");
                },
                kUnchanged, 1},
        ReadRow{"CarriageReturnsOnly",
                [](const QString& p) { writeBytes(p, "[Setting]\rPoru=ab\rCount=5\rColor=255\r"); },
                codesWith({{0, 'a'}, {1, 'b'}}), 5, TColor{255}},
        ReadRow{"LineFeedsOnly",
                [](const QString& p) { writeBytes(p, "[Setting]\nPoru=ab\nCount=5\nColor=255\n"); },
                codesWith({{0, 'a'}, {1, 'b'}}), 5, TColor{255}},
        ReadRow{"ByteOrderMark",
                [](const QString& p) { writeBytes(p, "\xEF\xBB\xBF[Setting]\r\nCount=5\r\n"); }, kUnchanged,
                5}),
    [](const auto& info) { return std::string(info.param.name); });

// A small file system of its own, full but for the old board file; unmounted when the test ends.
class FullFileSystem {
public:
    explicit FullFileSystem(const QString& mountPoint) : m_mountPoint(native(mountPoint)) {
        QDir().mkdir(mountPoint);
        m_mounted = ::mount("moxel-full", m_mountPoint.constData(), "tmpfs", 0, "size=64k,mode=0777") == 0;
        if (!m_mounted) return;
        writeBytes(mountPoint + "/board.qvx", kBoardFile);
        ::chmod(native(mountPoint + "/board.qvx").constData(), 0666);
        QFile filler(mountPoint + "/filler");
        if (!filler.open(QIODevice::WriteOnly)) return;
        const QByteArray block(4096, 'f');
        while (filler.write(block) == block.size() && filler.flush()) {
        }
    }
    ~FullFileSystem() {
        if (m_mounted) ::umount2(m_mountPoint.constData(), MNT_DETACH);
    }
    FullFileSystem(const FullFileSystem&) = delete;
    FullFileSystem& operator=(const FullFileSystem&) = delete;

    bool mounted() const { return m_mounted; }

private:
    QByteArray m_mountPoint;
    bool m_mounted = false;
};

struct SaveRow {
    const char* name;
    // Makes the situation in folder and returns the name the board is saved under.
    std::function<QString(const QString& folder)> make;
    bool fails = true;
    bool onAFullFileSystem = false;
};

void PrintTo(const SaveRow& row, std::ostream* os) {
    *os << row.name;
}

class HostileSaveTest : public ::testing::TestWithParam<SaveRow> {};

// A failed save shows the write error and leaves the old file and its folder exactly as they were; a save
// that works puts the board where the name leads.
TEST_P(HostileSaveTest, ShowsTheWriteErrorOrSavesAndNeverLosesTheOldFile) {
    QTemporaryDir dir;
    ASSERT_EQ(::chmod(native(dir.path()).constData(), 0777), 0);
    std::optional<FullFileSystem> full;
    if (GetParam().onAFullFileSystem) {
        full.emplace(dir.filePath("full"));
        if (!full->mounted())
            GTEST_SKIP() << "no small tmpfs can be mounted here (it needs root's CAP_SYS_ADMIN)";
    }
    const QString name = GetParam().make(dir.path());
    const QString folder = QFileInfo(name).path();
    const QString target =
        QFileInfo(name).canonicalFilePath().isEmpty() ? name : QFileInfo(name).canonicalFilePath();
    const std::optional<QByteArray> before = readBytes(target);
    const QStringList entriesBefore = entries(folder);

    const std::optional<std::string> result = RunUnprivileged([&] {
        FakeBoard board;
        board.Fill(QString(450, u'b'));
        board.counter = 99;
        try {
            SaveBoardFile(board, name);
        } catch (const Exception& error) {
            return ErrorBoxText(error.Message()).toStdString();
        }
        return std::string("saved");
    });
    ASSERT_TRUE(result) << "could not give up the superuser's rights";

    if (GetParam().fails) {
        EXPECT_EQ(QString::fromStdString(*result), name + " に書き込めません.");
        EXPECT_EQ(readBytes(target), before);
        EXPECT_EQ(entries(folder), entriesBefore);
    } else {
        EXPECT_EQ(*result, "saved");
        EXPECT_EQ(readBytes(target),
                  "[Setting]\r\nPoru=" + QByteArray(450, 'b') + "\r\nCount=99\r\nColor=8454143\r\n");
        EXPECT_EQ(entries(folder).filter(".moxel-"), entriesBefore.filter(".moxel-"));
    }
}

QString boardIn(const QString& folder, mode_t mode) {
    const QString path = folder + "/board.qvx";
    writeBytes(path, kBoardFile);
    ::chmod(native(path).constData(), mode);
    return path;
}

INSTANTIATE_TEST_SUITE_P(
    Files, HostileSaveTest,
    ::testing::Values(SaveRow{"ReadOnlyFolder",
                              [](const QString& folder) {
                                  QDir(folder).mkdir("ro");
                                  const QString path = boardIn(folder + "/ro", 0666);
                                  ::chmod(native(folder + "/ro").constData(), 0555);
                                  return path;
                              }},
                      SaveRow{"ReadOnlyFile", [](const QString& folder) { return boardIn(folder, 0444); }},
                      SaveRow{"Folder",
                              [](const QString& folder) {
                                  QDir(folder).mkpath("board.qvx/inside");
                                  return folder + "/board.qvx";
                              }},
                      SaveRow{"FileWithoutReadPermission",
                              [](const QString& folder) { return boardIn(folder, 0222); }},
                      SaveRow{"FileOverTheSizeLimit",
                              [](const QString& folder) {
                                  const QString path = boardIn(folder, 0666);
                                  ::truncate(native(path).constData(),
                                             static_cast<off_t>(IniFile::kMaxFileSize) + 1);
                                  return path;
                              }},
                      // Saved, it would be too large to be read again.
                      SaveRow{"JustUnderTheSizeLimit",
                              [](const QString& folder) {
                                  const QString path = boardIn(folder, 0666);
                                  ::truncate(native(path).constData(),
                                             static_cast<off_t>(IniFile::kMaxFileSize) - 2);
                                  return path;
                              }},
                      SaveRow{"FullFileSystem",
                              [](const QString& folder) { return folder + "/full/board.qvx"; }, true, true},
                      SaveRow{"ThroughASymbolicLink",
                              [](const QString& folder) {
                                  QDir(folder).mkdir("real");
                                  ::chmod(native(folder + "/real").constData(), 0777);
                                  boardIn(folder + "/real", 0666);
                                  ::symlink("real/board.qvx", native(folder + "/link.qvx").constData());
                                  return folder + "/link.qvx";
                              },
                              false},
                      // What a save killed half-way leaves behind blocks nothing.
                      SaveRow{"StaleTemporaryBeside",
                              [](const QString& folder) {
                                  writeBytes(folder + "/.moxel-stale.tmp", "half a board");
                                  return boardIn(folder, 0666);
                              },
                              false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(HostileSaveTest, TheLinkStaysALink) {
    QTemporaryDir dir;
    QDir(dir.path()).mkdir("real");
    writeBytes(dir.filePath("real/board.qvx"), kBoardFile);
    const QString link = dir.filePath("link.qvx");
    ASSERT_EQ(::symlink("real/board.qvx", native(link).constData()), 0);
    SaveBoardFile(FakeBoard(), link);
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_TRUE(readBytes(dir.filePath("real/board.qvx"))->contains("Poru=000"));
}

}  // namespace
