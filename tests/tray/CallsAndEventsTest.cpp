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

// Without a listener only the shell is called.
TEST_F(CallsAndEvents, EventsFollowTheirShellCallWhateverTheShellAnswers) {
    tray.FormTarget(&target);
    for (const bool listening : {true, false}) {
        tray.Listen(listening ? &listener : nullptr);
        for (const bool answer : {true, false}) {
            shell.notifyResult = answer;
            for (const auto& op : kOperations) {
                SCOPED_TRACE(::testing::Message() << op.name << ", shell answers " << answer
                                                  << ", listening " << listening);
                Log expected;
                for (const auto& entry : op.expected) {
                    if (listening || entry == "ADD" || entry == "MODIFY" || entry == "DELETE" ||
                        entry.starts_with("SetForegroundWindow")) {
                        expected.push_back(entry);
                    }
                }
                log.clear();
                op.run(tray);
                EXPECT_EQ(log, expected);
            }
        }
    }
}

TEST_F(CallsAndEvents, WithoutTargetEveryOperationThrowsBeforeAnyCall) {
    tray.Listen(&listener);
    ASSERT_EQ(tray.FormTarget(), nullptr);
    for (const auto& op : kOperations) {
        SCOPED_TRACE(op.name);
        EXPECT_THROW(op.run(tray), std::logic_error);
    }
    // Nor once the target is taken away again.
    tray.FormTarget(&target);
    tray.FormTarget(nullptr);
    EXPECT_THROW(tray.RemoveBalloon(), std::logic_error);
    EXPECT_THAT(log, IsEmpty());
}

TEST_F(CallsAndEvents, TheTargetIsTheLastOneSetAndIsReadAfreshForEachShellCall) {
    FakeTarget other{5, 6};
    tray.FormTarget(&other);
    EXPECT_EQ(tray.FormTarget(), &other);
    tray.FormTarget(&target);
    EXPECT_EQ(tray.FormTarget(), &target);
    // A listener that moves the target between the two calls of a balloon.
    struct Mover : TrayEvents {
        FakeTarget* target;
        explicit Mover(FakeTarget* t) : target(t) {}
        void BalloonStop() override {
            target->window = 1000;
            target->icon = 2000;
        }
    } mover{&target};
    tray.Listen(&mover);
    tray.PopupBalloon(L"m", L"t", NIIF_INFO_);
    ASSERT_EQ(shell.calls.size(), 2u);
    EXPECT_EQ(testing::U32At(shell.calls[0].record, 4), 77u);
    EXPECT_EQ(testing::U32At(shell.calls[0].record, 20), 88u);
    EXPECT_EQ(testing::U32At(shell.calls[1].record, 4), 1000u);
    EXPECT_EQ(testing::U32At(shell.calls[1].record, 20), 2000u);
}

} // namespace
} // namespace acordina::tray
