#include <gtest/gtest.h>

#include <QStringList>
#include <stdexcept>

#include "platform/errorbox.h"
#include "platform/exception.h"
#include "support/recordederrorboxes.h"

namespace {

struct TextRow {
    const char* message;
    const char* shown;
};

class ErrorBoxTextTest : public ::testing::TestWithParam<TextRow> {};

TEST_P(ErrorBoxTextTest, AddsAPeriodAfterCharactersThatSortAfterIt) {
    EXPECT_EQ(ErrorBoxText(QString::fromUtf8(GetParam().message)), QString::fromUtf8(GetParam().shown));
}

INSTANTIATE_TEST_SUITE_P(
    Messages, ErrorBoxTextTest,
    ::testing::Values(TextRow{"", ""}, TextRow{"x", "x."}, TextRow{"done.", "done."},
                      TextRow{"stop!", "stop!"}, TextRow{"(a)", "(a)"}, TextRow{"a-", "a-"},
                      TextRow{"a/", "a/."}, TextRow{"12", "12."}, TextRow{"a b ", "a b "},
                      TextRow{"/tmp/a.qvx に書き込めません", "/tmp/a.qvx に書き込めません."},
                      TextRow{"終わり。", "終わり。."}));

TEST(ErrorBoxTest, ShowsTheTextThroughThePresenter) {
    RecordedErrorBoxes boxes;
    ShowErrorBox("board.qvx に書き込めません");
    EXPECT_EQ(boxes.shown, QStringList{"board.qvx に書き込めません."});
}

TEST(ErrorBoxTest, CurrentExceptionShowsItsMessage) {
    RecordedErrorBoxes boxes;
    try {
        throw Exception(QStringLiteral("ファイル"));
    } catch (...) {
        ShowCurrentException();
    }
    try {
        throw std::runtime_error("plain error");
    } catch (...) {
        ShowCurrentException();
    }
    try {
        throw 42;
    } catch (...) {
        ShowCurrentException();
    }
    EXPECT_EQ(boxes.shown, (QStringList{"ファイル.", "plain error.", ""}));
}

TEST(ErrorBoxTest, ExceptionKeepsUtf8Messages) {
    const Exception fromText(QStringLiteral("板.qvx に書き込めません"));
    const Exception fromBytes(std::string("\xE6\x9D\xBF"));
    EXPECT_EQ(fromText.Message(), QStringLiteral("板.qvx に書き込めません"));
    EXPECT_EQ(fromBytes.Message(), QStringLiteral("板"));
}

}  // namespace
