#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <optional>
#include <string>
#include <vector>

#include "platform/exception.h"
#include "platform/inifile.h"
#include "support/unprivileged.h"

namespace {

std::optional<std::string> readBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    return file.readAll().toStdString();
}

void writeBytes(const QString& path, const std::string& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes.data(), static_cast<qint64>(bytes.size())), static_cast<qint64>(bytes.size()));
}

struct Write {
    std::string section;
    std::string key;
    std::string value;
};

struct WriteRow {
    const char* name;
    std::optional<std::string> before;  // nullopt: no file yet
    std::vector<Write> writes;
    std::string after;
};

void PrintTo(const WriteRow& row, std::ostream* os) {
    *os << row.name;
}

class IniWriteTest : public ::testing::TestWithParam<WriteRow> {};

TEST_P(IniWriteTest, StoresExactBytes) {
    QTemporaryDir dir;
    const QString path = dir.filePath("board.qvx");
    if (GetParam().before) writeBytes(path, *GetParam().before);

    IniFile ini(path);
    for (const Write& w : GetParam().writes) ini.WriteString(w.section, w.key, w.value);
    ini.Close();

    EXPECT_EQ(readBytes(path), GetParam().after);
}

const std::string kBoard(450, '0');

INSTANTIATE_TEST_SUITE_P(
    Files, IniWriteTest,
    ::testing::Values(
        WriteRow{"FirstWriteHoldsFourLines",
                 std::nullopt,
                 {{"Setting", "Poru", kBoard}, {"Setting", "Count", "-12"}, {"Setting", "Color", "8454143"}},
                 "[Setting]\r\nPoru=" + kBoard + "\r\nCount=-12\r\nColor=8454143\r\n"},
        WriteRow{"ValuesReplacedOnTheirOwnLines",
                 "[Setting]\r\nPoru=1\r\nCount=1\r\nColor=2\r\n",
                 {{"Setting", "Poru", "ab"}, {"Setting", "Count", "30"}, {"Setting", "Color", "255"}},
                 "[Setting]\r\nPoru=ab\r\nCount=30\r\nColor=255\r\n"},
        WriteRow{"MissingKeyEndsItsOwnSection",
                 "[Setting]\r\nCount=1\r\n\r\n; next\r\n[Other]\r\nx=1\r\n",
                 {{"Setting", "Color", "7"}},
                 "[Setting]\r\nCount=1\r\nColor=7\r\n\r\n; next\r\n[Other]\r\nx=1\r\n"},
        WriteRow{
            "OtherSectionsKeptByteForByte",
            "; made by hand\r\n[A]\r\n  Key = spaced value  \r\n\r\n[Setting]\r\nCount=1\r\n[B]\r\nz\r\n",
            {{"Setting", "Count", "2"}},
            "; made by hand\r\n[A]\r\n  Key = spaced value  \r\n\r\n[Setting]\r\nCount=2\r\n[B]\r\nz\r\n"},
        WriteRow{"NamesMatchWithoutCase",
                 "[SETTING]\r\ncOuNt=1\r\n",
                 {{"Setting", "Count", "9"}},
                 "[SETTING]\r\ncOuNt=9\r\n"},
        WriteRow{"BlanksAroundNamesKept",
                 "  [ Setting ]  \r\n  Count  =  1\r\n",
                 {{"Setting", "Count", "9"}},
                 "  [ Setting ]  \r\n  Count  =9\r\n"},
        WriteRow{"FirstOfTwoEqualKeysReplaced",
                 "[Setting]\r\nCount=1\r\nCount=2\r\n",
                 {{"Setting", "Count", "3"}},
                 "[Setting]\r\nCount=3\r\nCount=2\r\n"},
        WriteRow{"MissingSectionAtTheEnd",
                 "[Other]\r\nx=1\r\n",
                 {{"Setting", "Count", "4"}},
                 "[Other]\r\nx=1\r\n[Setting]\r\nCount=4\r\n"},
        WriteRow{"LastLineWithoutEndGetsOne",
                 "[Other]\r\nx=1",
                 {{"Setting", "Count", "4"}},
                 "[Other]\r\nx=1\r\n[Setting]\r\nCount=4\r\n"},
        WriteRow{"KeyAfterLastLineWithoutEnd",
                 "[Setting]\r\nCount=1",
                 {{"Setting", "Color", "4"}},
                 "[Setting]\r\nCount=1\r\nColor=4\r\n"},
        WriteRow{"LineFeedFileKeepsItsLineEnds",
                 "[Setting]\nCount=1\n[Other]\nx=1\n",
                 {{"Setting", "Color", "5"}, {"New", "k", "v"}},
                 "[Setting]\nCount=1\nColor=5\n[Other]\nx=1\n[New]\nk=v\n"},
        WriteRow{"NewKeyEndsAsTheLineBeforeIt",
                 "[Setting]\rCount=1\n\n\n",
                 {{"Setting", "Color", "6"}},
                 "[Setting]\rCount=1\nColor=6\n\n\n"},
        WriteRow{"ByteOrderMarkKept",
                 "\xEF\xBB\xBF[Setting]\r\nCount=1\r\n",
                 {{"Setting", "Count", "2"}},
                 "\xEF\xBB\xBF[Setting]\r\nCount=2\r\n"},
        WriteRow{"LineBreakInValueCannotAddKeys",
                 std::nullopt,
                 {{"Setting", "Poru", "12\r\nCount=99"}},
                 "[Setting]\r\nPoru=12\r\n"},
        WriteRow{"CommentIsNoKey",
                 "[Setting]\r\n;Count=1\r\n",
                 {{"Setting", "Count", "2"}},
                 "[Setting]\r\nCount=2\r\n;Count=1\r\n"}),
    [](const auto& info) { return std::string(info.param.name); });

struct IntegerRow {
    const char* text;
    int expected;
};

class IniIntegerTest : public ::testing::TestWithParam<IntegerRow> {};

TEST_P(IniIntegerTest, ParsesOrGivesDefault) {
    QTemporaryDir dir;
    const QString path = dir.filePath("n.ini");
    writeBytes(path, std::string("[Setting]\r\nCount=") + GetParam().text + "\r\n");
    EXPECT_EQ(IniFile(path).ReadInteger("Setting", "Count", 4242), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Values, IniIntegerTest,
    ::testing::Values(IntegerRow{"0x1F", 31}, IntegerRow{"0X1f", 31}, IntegerRow{"$FF", 255},
                      IntegerRow{"abc", 4242}, IntegerRow{"-5", -5}, IntegerRow{"+7", 7},
                      IntegerRow{"2147483647", 2147483647}, IntegerRow{"2147483648", 4242},
                      IntegerRow{"-2147483648", -2147483647 - 1}, IntegerRow{"-2147483649", 4242},
                      IntegerRow{"99999999999999999999", 4242}, IntegerRow{"$FFFFFFFF", -1},
                      IntegerRow{"$80000000", -2147483647 - 1}, IntegerRow{"$100000000", 4242},
                      IntegerRow{"$", 4242}, IntegerRow{"0x", 4242}, IntegerRow{"-$5", 4242},
                      IntegerRow{"12abc", 4242}, IntegerRow{"1 2", 4242}, IntegerRow{"-", 4242},
                      IntegerRow{"", 4242}, IntegerRow{"  8454143  ", 8454143}));

TEST(IniFileTest, LongValueReadAsItsFirst2047Characters) {
    QTemporaryDir dir;
    const QString path = dir.filePath("long.ini");
    std::string value;
    for (int i = 0; i < 3000; ++i) value += static_cast<char>('a' + i % 26);
    writeBytes(path, "[Setting]\r\nPoru=" + value + "\r\n");
    EXPECT_EQ(IniFile(path).ReadString("Setting", "Poru", ""), value.substr(0, 2047));
}

TEST(IniFileTest, ReadsNamesWithoutCaseAndBlanks) {
    QTemporaryDir dir;
    const QString path = dir.filePath("r.ini");
    writeBytes(path,
               "\xEF\xBB\xBF[setting]\nPoru = 12 \nporu=ignored\n[ Other ]\r\n\tKey\t=\tv w \r\n;Count=3\n");
    const IniFile ini(path);
    EXPECT_EQ(ini.ReadString("SETTING", "PORU", "d"), "12");
    EXPECT_EQ(ini.ReadString("other", "key", "d"), "v w");
    EXPECT_EQ(ini.ReadString("Setting", "Count", "d"), "d");
    EXPECT_EQ(ini.ReadString("Other", "Poru", "d"), "d");
    EXPECT_EQ(ini.ReadString("Missing", "Poru", "d"), "d");
}

TEST(IniFileTest, KeysBeforeTheFirstSectionBelongToNone) {
    QTemporaryDir dir;
    const QString path = dir.filePath("r.ini");
    writeBytes(path, "Count=1\r\n[Setting]\r\n");
    EXPECT_EQ(IniFile(path).ReadInteger("Setting", "Count", 7), 7);
}

TEST(IniFileTest, WritesWaitForCloseAndAreReadBack) {
    QTemporaryDir dir;
    const QString path = dir.filePath("w.ini");
    const std::string original = "[Setting]\r\nCount=1\r\n";
    writeBytes(path, original);
    {
        IniFile ini(path);
        ini.WriteInteger("Setting", "Count", 2);
        ini.WriteInteger("Setting", "Color", -1);
        EXPECT_EQ(ini.ReadInteger("Setting", "Count", 0), 2);
        EXPECT_EQ(ini.ReadInteger("Setting", "Color", 0), -1);
        EXPECT_EQ(readBytes(path), original);
    }
    // The destructor drops what was never stored.
    EXPECT_EQ(readBytes(path), original);
}

TEST(IniFileTest, CloseWithoutWritesCreatesNothing) {
    QTemporaryDir dir;
    const QString path = dir.filePath("none.ini");
    IniFile(path).Close();
    EXPECT_FALSE(QFile::exists(path));
}

TEST(IniFileTest, SaveReplacesTheFileAndKeepsItsPermissions) {
    QTemporaryDir dir;
    const QString path = dir.filePath("p.ini");
    writeBytes(path, "[Setting]\r\nCount=1\r\n");
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0640), 0);
    IniFile ini(path);
    ini.WriteInteger("Setting", "Count", 2);
    ini.UpdateFile();
    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{"p.ini"});
}

TEST(IniFileTest, SymbolicLinkIsWrittenThroughToItsTarget) {
    QTemporaryDir dir;
    QDir(dir.path()).mkdir("real");
    const QString target = dir.filePath("real/t.ini");
    const QString link = dir.filePath("link.ini");
    writeBytes(target, "[Setting]\r\nCount=1\r\n");
    ASSERT_EQ(::symlink("real/t.ini", QFile::encodeName(link).constData()), 0);

    IniFile ini(link);
    ini.WriteInteger("Setting", "Count", 5);
    ini.Close();

    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(readBytes(target), "[Setting]\r\nCount=5\r\n");
}

TEST(IniFileTest, Utf8FileNamesWork) {
    QTemporaryDir dir;
    const QString path = dir.filePath("ボード図.qvx");
    IniFile ini(path);
    ini.WriteInteger("Setting", "Count", 3);
    ini.Close();
    EXPECT_EQ(IniFile(path).ReadInteger("Setting", "Count", 0), 3);
}

// Reads that must give defaults at once instead of blocking or reading without bound.
class IniUnreadableTest : public ::testing::TestWithParam<const char*> {};

TEST_P(IniUnreadableTest, ReadsAsEmpty) {
    QTemporaryDir dir;
    const QString path = dir.filePath("x.ini");
    const std::string kind = GetParam();
    const QByteArray native = QFile::encodeName(path);
    if (kind == "folder") {
        ASSERT_TRUE(QDir(dir.path()).mkdir("x.ini"));
    } else if (kind == "fifo") {
        ASSERT_EQ(::mkfifo(native.constData(), 0644), 0);
    } else if (kind == "overlarge") {
        // A valid key at the start, then a sparse tail past the cap.
        writeBytes(path, "[Setting]\r\nCount=1\r\n");
        ASSERT_EQ(::truncate(native.constData(), static_cast<off_t>(IniFile::kMaxFileSize) + 1), 0);
    }
    const IniFile ini(path);
    EXPECT_EQ(ini.ReadInteger("Setting", "Count", 77), 77);
    EXPECT_EQ(ini.ReadString("Setting", "Poru", "d"), "d");
}

INSTANTIATE_TEST_SUITE_P(Kinds, IniUnreadableTest,
                         ::testing::Values("missing", "folder", "fifo", "overlarge"));

TEST(IniFileTest, FileAtTheCapIsRead) {
    QTemporaryDir dir;
    const QString path = dir.filePath("cap.ini");
    std::string bytes = "[Setting]\r\nCount=1\r\n";
    bytes.resize(IniFile::kMaxFileSize, ';');
    writeBytes(path, bytes);
    EXPECT_EQ(IniFile(path).ReadInteger("Setting", "Count", 0), 1);
}

// The save that fails, the message it raises, and what it leaves on disk.
struct SaveOutcome {
    bool raised = false;
    QString message;
};

SaveOutcome saveCount(const QString& path) {
    SaveOutcome outcome;
    try {
        IniFile ini(path);
        ini.WriteInteger("Setting", "Count", 99);
        ini.WriteInteger("Setting", "Color", 1);
        ini.Close();
    } catch (const Exception& e) {
        outcome.raised = true;
        outcome.message = e.Message();
    }
    return outcome;
}

// The superuser writes into any folder, so the save runs without the superuser's rights: whether it
// raised in the first character, its message after it.
std::optional<SaveOutcome> saveCountUnprivileged(const QString& path) {
    const std::optional<std::string> text = RunUnprivileged([&] {
        const SaveOutcome outcome = saveCount(path);
        return (outcome.raised ? "1" : "0") + outcome.message.toStdString();
    });
    if (!text || text->empty()) return std::nullopt;
    return SaveOutcome{text->front() == '1', QString::fromStdString(text->substr(1))};
}

QStringList entries(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

TEST(IniFileFailureTest, ReadOnlyFolderRaisesAndKeepsTheFile) {
    QTemporaryDir dir;
    const QString folder = dir.filePath("ro");
    ASSERT_TRUE(QDir(dir.path()).mkdir("ro"));
    const QString path = folder + "/板.qvx";
    const std::string original = "[Other]\r\nx=1\r\n[Setting]\r\nCount=1\r\n";
    writeBytes(path, original);
    ASSERT_EQ(::chmod(QFile::encodeName(dir.path()).constData(), 0755), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0644), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(folder).constData(), 0555), 0);

    const std::optional<SaveOutcome> outcome = saveCountUnprivileged(path);
    ::chmod(QFile::encodeName(folder).constData(), 0755);
    if (!outcome) GTEST_SKIP() << "running as root without the right to give up privileges";

    EXPECT_TRUE(outcome->raised);
    EXPECT_EQ(outcome->message, path + " に書き込めません");
    EXPECT_EQ(readBytes(path), original);
    EXPECT_EQ(entries(folder), QStringList{"板.qvx"});
}

TEST(IniFileFailureTest, WriteProtectedFileRaisesAndStaysAsItWas) {
    QTemporaryDir dir;
    const QString path = dir.filePath("locked.qvx");
    const std::string original = "[Setting]\r\nCount=1\r\n";
    writeBytes(path, original);
    ASSERT_EQ(::chmod(QFile::encodeName(dir.path()).constData(), 0777), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0444), 0);

    const std::optional<SaveOutcome> outcome = saveCountUnprivileged(path);
    if (!outcome) GTEST_SKIP() << "running as root without the right to give up privileges";

    EXPECT_TRUE(outcome->raised);
    EXPECT_EQ(outcome->message, path + " に書き込めません");
    EXPECT_EQ(readBytes(path), original);
    EXPECT_EQ(entries(dir.path()), QStringList{"locked.qvx"});
}

TEST(IniFileFailureTest, PathThatIsAFolderRaisesAndLeavesNothing) {
    QTemporaryDir dir;
    const QString path = dir.filePath("board.qvx");
    ASSERT_TRUE(QDir(dir.path()).mkdir("board.qvx"));
    writeBytes(path + "/inside.txt", "keep");

    const SaveOutcome outcome = saveCount(path);

    EXPECT_TRUE(outcome.raised);
    EXPECT_EQ(outcome.message, path + " に書き込めません");
    EXPECT_EQ(entries(dir.path()), QStringList{"board.qvx"});
    EXPECT_EQ(readBytes(path + "/inside.txt"), "keep");
}

TEST(IniFileFailureTest, PathUnderAFileRaises) {
    QTemporaryDir dir;
    const QString file = dir.filePath("plain");
    writeBytes(file, "data");
    const SaveOutcome outcome = saveCount(file + "/board.qvx");
    EXPECT_TRUE(outcome.raised);
    EXPECT_EQ(outcome.message, file + "/board.qvx に書き込めません");
    EXPECT_EQ(readBytes(file), "data");
}

TEST(IniFileFailureTest, FailedSaveKeepsWritesForARetry) {
    QTemporaryDir dir;
    const QString path = dir.filePath("later.ini");
    ASSERT_TRUE(QDir(dir.path()).mkdir("later.ini"));
    IniFile ini(path);
    ini.WriteInteger("Setting", "Count", 8);
    EXPECT_THROW(ini.UpdateFile(), Exception);
    ASSERT_TRUE(QDir(dir.path()).rmdir("later.ini"));
    ini.UpdateFile();
    EXPECT_EQ(readBytes(path), "[Setting]\r\nCount=8\r\n");
}

// Someone else's save between our reading and our saving: ours must not wipe what we never saw.
TEST(IniFileFailureTest, FileChangedOrMadeSinceTheReadIsNotReplaced) {
    for (const bool existedAtRead : {true, false}) {
        QTemporaryDir dir;
        const QString path = dir.filePath("shared.qvx");
        if (existedAtRead) writeBytes(path, "[Setting]\r\nCount=1\r\n");
        IniFile ini(path);
        const std::string theirs = "[Setting]\r\nCount=2\r\n[Theirs]\r\nkeep=1\r\n";
        writeBytes(path, theirs);
        ini.WriteInteger("Setting", "Count", 3);
        EXPECT_THROW(ini.UpdateFile(), Exception) << existedAtRead;
        EXPECT_EQ(readBytes(path), theirs);
        EXPECT_EQ(entries(dir.path()), QStringList{"shared.qvx"});
    }
}

TEST(IniFileTest, SecondSaveOfTheSameObjectWorks) {
    QTemporaryDir dir;
    const QString path = dir.filePath("twice.qvx");
    IniFile ini(path);
    ini.WriteInteger("Setting", "Count", 1);
    ini.UpdateFile();
    ini.WriteInteger("Setting", "Count", 2);
    ini.UpdateFile();
    EXPECT_EQ(readBytes(path), "[Setting]\r\nCount=2\r\n");
}

}  // namespace
