#include <gtest/gtest.h>

#include <QDir>

#include "platform/shell.h"
#include "support/recordedshellopens.h"

namespace {

struct OpenRow {
    const char* target;
    const char* url;  // as handed to the viewer, fully encoded
};

class ShellOpenTest : public ::testing::TestWithParam<OpenRow> {};

TEST_P(ShellOpenTest, HandsOverOneUrl) {
    RecordedShellOpens shell;
    shellOpen(QString::fromUtf8(GetParam().target));
    ASSERT_EQ(shell.opened.size(), 1);
    EXPECT_EQ(shell.opened[0].toEncoded(), QByteArray(GetParam().url));
}

INSTANTIATE_TEST_SUITE_P(
    Targets, ShellOpenTest,
    ::testing::Values(OpenRow{"/opt/moxel/Readme.txt", "file:///opt/moxel/Readme.txt"},
                      OpenRow{"/opt/my moxel/Readme.txt", "file:///opt/my%20moxel/Readme.txt"},
                      OpenRow{"/tmp/a#b;$(rm -rf x).txt", "file:///tmp/a%23b;$(rm%20-rf%20x).txt"},
                      OpenRow{"/tmp/説明.txt", "file:///tmp/%E8%AA%AC%E6%98%8E.txt"},
                      OpenRow{"/tmp/http:x", "file:///tmp/http:x"},
                      OpenRow{"http://info.example.org/info.php?pf=w&sn=moxel",
                              "http://info.example.org/info.php?pf=w&sn=moxel"}));

TEST(ShellTest, RelativeNameIsTakenFromTheCurrentFolder) {
    RecordedShellOpens shell;
    shellOpen("Readme.txt");
    ASSERT_EQ(shell.opened.size(), 1);
    EXPECT_EQ(shell.opened[0], QUrl::fromLocalFile(QDir::current().absoluteFilePath("Readme.txt")));
}

TEST(ShellTest, EmptyTargetOpensNothing) {
    RecordedShellOpens shell;
    shellOpen(QString());
    EXPECT_TRUE(shell.opened.isEmpty());
}

}  // namespace
