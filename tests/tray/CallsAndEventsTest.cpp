// Which shell calls and events each operation makes, in which order, and what
// happens without a target or without a listener.

#include "TrayFakes.h"
#include "text/Windows1252.h"
#include "tray/cTrayBalloon.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>

namespace acordina::tray {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using testing::FakeTarget;
using ::testing::IsEmpty;
using testing::Log;
using testing::RecordingListener;
using testing::RecordingShell;

struct Operation {
    const char* name;
    std::function<void(cTrayBalloon&)> run;
    Log expected;
};

const Operation kOperations[] = {
    {"AddSystray", [](cTrayBalloon& t) { t.AddSystray(L"Acordina"); }, {"ADD", "TrayStart"}},
    {"RemoveSysTray", [](cTrayBalloon& t) { t.RemoveSysTray(); }, {"DELETE", "TrayStop"}},
    {"ToolTipChange", [](cTrayBalloon& t) { t.ToolTipChange(L"Acordina"); }, {"MODIFY"}},
    {"PopupBalloon",
     [](cTrayBalloon& t) { t.PopupBalloon(L"Aviso", L"Aviso", NIIF_WARNING_); },
     {"MODIFY", "BalloonStop", "MODIFY", "BalloonStart"}},
    {"RemoveBalloon", [](cTrayBalloon& t) { t.RemoveBalloon(); }, {"MODIFY", "BalloonStop"}},
    {"SetForeground", [](cTrayBalloon& t) { t.SetForeground(); }, {"SetForegroundWindow 77"}},
};

class CallsAndEvents : public ::testing::Test {
protected:
    Log log;
    RecordingShell shell{log};
    RecordingListener listener{log};
    FakeTarget target{77, 88};
    cTrayBalloon tray{shell, text::ToWindows1252};
};

TEST_F(CallsAndEvents, EventsFollowTheirShellCallWhateverTheShellAnswers) {
    tray.FormTarget(&target);
    tray.Listen(&listener);
    for (const bool answer : {true, false}) {
        shell.notifyResult = answer;
        for (const auto& op : kOperations) {
            SCOPED_TRACE(::testing::Message() << op.name << ", shell answers " << answer);
            log.clear();
            op.run(tray);
            EXPECT_THAT(log, ElementsAreArray(op.expected));
        }
    }
}

TEST_F(CallsAndEvents, WithoutListenerOnlyTheShellIsCalled) {
    tray.FormTarget(&target);
    tray.Listen(&listener);
    tray.Listen(nullptr);
    for (const auto& op : kOperations) {
        SCOPED_TRACE(op.name);
        log.clear();
        op.run(tray);
        Log shellOnly;
        for (const auto& entry : op.expected) {
            if (entry == "ADD" || entry == "MODIFY" || entry == "DELETE" ||
                entry.starts_with("SetForegroundWindow")) {
                shellOnly.push_back(entry);
            }
        }
        EXPECT_THAT(log, ElementsAreArray(shellOnly));
    }
}

TEST_F(CallsAndEvents, WithoutTargetEveryOperationThrowsBeforeAnyCall) {
    tray.Listen(&listener);
    ASSERT_EQ(tray.FormTarget(), nullptr);
    for (const auto& op : kOperations) {
        SCOPED_TRACE(op.name);
        EXPECT_THROW(op.run(tray), std::logic_error);
    }
    EXPECT_THAT(log, IsEmpty());

    tray.FormTarget(&target);
    tray.FormTarget(nullptr);
    EXPECT_THROW(tray.RemoveBalloon(), std::logic_error);
    EXPECT_THAT(log, IsEmpty());
}

TEST_F(CallsAndEvents, FormTargetIsTheLastOneSet) {
    FakeTarget other{5, 6};
    tray.FormTarget(&target);
    EXPECT_EQ(tray.FormTarget(), &target);
    tray.FormTarget(&other);
    EXPECT_EQ(tray.FormTarget(), &other);
    tray.RemoveSysTray();
    EXPECT_EQ(testing::U32At(shell.calls.at(0).record, 4), 5u);
}

TEST_F(CallsAndEvents, TargetIsReadAfreshForEachShellCall) {
    // A listener that moves the target between the two calls of a balloon.
    struct Mover : TrayEvents {
        FakeTarget* target;
        explicit Mover(FakeTarget* t) : target(t) {}
        void BalloonStop() override {
            target->window = 1000;
            target->icon = 2000;
        }
    } mover{&target};
    tray.FormTarget(&target);
    tray.Listen(&mover);
    tray.PopupBalloon(L"m", L"t", NIIF_INFO_);
    ASSERT_EQ(shell.calls.size(), 2u);
    EXPECT_EQ(testing::U32At(shell.calls[0].record, 4), 77u);
    EXPECT_EQ(testing::U32At(shell.calls[0].record, 20), 88u);
    EXPECT_EQ(testing::U32At(shell.calls[1].record, 4), 1000u);
    EXPECT_EQ(testing::U32At(shell.calls[1].record, 20), 2000u);
}

TEST_F(CallsAndEvents, SetForegroundGivesBackTheShellAnswer) {
    tray.FormTarget(&target);
    for (const std::int32_t answer : {1, 0, -1, 123456}) {
        shell.foregroundResult = answer;
        EXPECT_EQ(tray.SetForeground(), answer);
    }
    EXPECT_THAT(shell.calls, IsEmpty());
    EXPECT_THAT(log, ElementsAre("SetForegroundWindow 77", "SetForegroundWindow 77",
                                 "SetForegroundWindow 77", "SetForegroundWindow 77"));
}

} // namespace
} // namespace acordina::tray
