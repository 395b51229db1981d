#include <gtest/gtest.h>

#include "buttongrid/mxobject.h"
#include "support/changecounter.h"

namespace {

class Probe : public TMxObject {
public:
    void Touch() { Changed(); }
};

TEST(MxObject, ChangeCallsTheNotificationWithItself) {
    Probe probe;
    ChangeCounter counter;
    counter.Hook(probe);
    probe.Touch();
    EXPECT_EQ(counter.calls, 1);
    EXPECT_EQ(counter.lastSender, &probe);
}

TEST(MxObject, ChangeWithoutNotificationIsHarmless) {
    Probe probe;
    probe.Touch();
    probe.BeginUpdate();
    probe.EndUpdate();
    SUCCEED();
}

TEST(MxObject, UpdateHoldsBackChangesUntilEndUpdateNotifies) {
    Probe probe;
    ChangeCounter counter;
    counter.Hook(probe);
    probe.BeginUpdate();
    EXPECT_TRUE(probe.Updating());
    probe.Touch();
    probe.Touch();
    EXPECT_EQ(counter.calls, 0);
    probe.EndUpdate();
    EXPECT_FALSE(probe.Updating());
    EXPECT_EQ(counter.calls, 1);
}

TEST(MxObject, NestedUpdatesReportOnceAtTheOutermostEndAndOnlyAfterAChange) {
    Probe probe;
    ChangeCounter counter;
    counter.Hook(probe);
    probe.BeginUpdate();
    probe.BeginUpdate();
    probe.Touch();
    probe.EndUpdate();
    EXPECT_TRUE(probe.Updating());
    EXPECT_EQ(counter.calls, 0);
    probe.EndUpdate();
    EXPECT_EQ(counter.calls, 1);
    probe.BeginUpdate();
    probe.EndUpdate();
    EXPECT_EQ(counter.calls, 1);
}

}  // namespace
