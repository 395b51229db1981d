#include "buttongrid/mxbuttonstyle.h"

#include <gtest/gtest.h>

#include "buttongrid/mxbtnface.h"

namespace {

using enum TMxUserButtonStyle;

struct StyleRow {
    TMxUserButtonStyle style;
    int ordinal;
    TMxFaceKind kind;
    int bevel;
    bool transparent;
    bool unColored;
    bool repaintsUpHot;
};

class MxButtonStyleTable : public testing::TestWithParam<StyleRow> {};

TEST_P(MxButtonStyleTable, MatchesTheStyleTable) {
    const StyleRow& row = GetParam();
    EXPECT_EQ(static_cast<int>(row.style), row.ordinal);
    EXPECT_EQ(MxFaceKind(row.style, kMxSpeedButtonFaceFlags), row.kind);
    EXPECT_EQ(MxGetButtonBevel(row.style), row.bevel);
    EXPECT_EQ(MxIsExplorerStyle(row.style), row.transparent);
    EXPECT_EQ(MxIsUnColoredStyle(row.style), row.unColored);
    EXPECT_EQ(MxIsFlatStyle(row.style), row.repaintsUpHot);
}

INSTANTIATE_TEST_SUITE_P(
    EveryStyle, MxButtonStyleTable,
    testing::Values(StyleRow{ubsAutoDetect, 0, TMxFaceKind::Win40, 2, false, false, false},
                    StyleRow{ubsWin31, 1, TMxFaceKind::Win31, 3, false, false, false},
                    StyleRow{ubsWin40, 2, TMxFaceKind::Win40, 2, false, false, false},
                    StyleRow{ubsDelphi, 3, TMxFaceKind::Delphi, 2, false, false, false},
                    StyleRow{ubsDelphiFlat, 4, TMxFaceKind::Flat, 2, false, false, true},
                    StyleRow{ubsFlat, 5, TMxFaceKind::Flat, 1, false, false, true},
                    StyleRow{ubsFlatUnColored, 6, TMxFaceKind::Flat, 1, false, true, true},
                    StyleRow{ubsNavigator, 7, TMxFaceKind::Flat, 2, false, true, true},
                    StyleRow{ubsExplorer, 8, TMxFaceKind::Flat, 1, true, true, true},
                    StyleRow{ubsExplorerColored, 9, TMxFaceKind::Flat, 1, true, false, true},
                    StyleRow{ubsIntegrated, 10, TMxFaceKind::Integrated, 2, false, false, false}));

TEST(MxButtonStyle, AutoDetectIsTheNewStyleLook) {
    EXPECT_EQ(MxResolveButtonStyle(ubsAutoDetect), ubsWin40);
    EXPECT_EQ(MxResolveButtonStyle(ubsExplorer), ubsExplorer);
}

TEST(MxButtonStyle, Win40WithoutTheNewStyleFlagIsItsPlainKind) {
    EXPECT_EQ(MxFaceKind(ubsWin40, 0), TMxFaceKind::Win40Plain);
    EXPECT_EQ(MxFaceKind(ubsAutoDetect, 0), TMxFaceKind::Win40Plain);
}

TEST(MxButtonStyle, PressedLookAndCaptionShiftByState) {
    using enum TMxButtonState;
    struct Row {
        TMxButtonState state;
        bool down;
        bool shifted;
    };
    const Row rows[] = {
        {bsUp, false, false},         {bsDisabledUp, false, false},  {bsMouseOver, false, false},
        {bsOptionSet, true, true},    {bsDown, true, true},          {bsDragOver, false, false},
        {bsDropDownOpen, true, true}, {bsDisabledDown, true, false},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(MxIsDownState(r.state), r.down) << static_cast<int>(r.state);
        EXPECT_EQ(MxIsShiftedState(r.state), r.shifted) << static_cast<int>(r.state);
    }
}

}  // namespace
