#include "shutdown/clsExitWindows.h"
#include "RecordingShutdownApi.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <vector>

namespace acordina::shutdown {
namespace {

using Log = std::vector<std::string>;

const std::string kGetProcess = "GetCurrentProcess";
const std::string kOpen = "OpenProcessToken(process=ffffffff, access=28)";
const std::string kLookup = "LookupPrivilegeValueA(system=\"\", name=\"SeShutdownPrivilege\")";

std::string Adjust(const std::string& token, const std::string& luid = "13:-2") {
    return "AdjustTokenPrivileges(token=" + token + ", disableAll=false, count=1, luid=" + luid +
           ", attributes=2, length=16, previous=buffer, returned=var)";
}

std::string Exit(int flags) {
    return "ExitWindowsEx(flags=" + std::to_string(flags) + ", reason=ffffffff)";
}

Log PrivilegeStep(const std::string& token = "1f4") {
    return {kGetProcess, kOpen, kLookup, Adjust(token), "CloseHandle(" + token + ")"};
}

Log Then(Log log, const std::string& call) {
    log.push_back(call);
    return log;
}

// The privilege step (with its arguments), then the forced request of the option.
TEST(clsExitWindows, EachOptionMakesItsRequestAndAnyOtherOnlyThePrivilegeStep) {
    struct Case {
        std::int32_t option;
        std::optional<int> flags;
    };
    const Case cases[] = {{0, 4},  {1, 5},   {2, 7},
                          {8, 12}, {3, {}},  {-1, {}},
                          {4, {}}, {12, {}}, {std::numeric_limits<std::int32_t>::min(), {}}};
    for (const auto& c : cases) {
        RecordingShutdownApi api;
        clsExitWindows(api).ExitWindows(c.option);

        const Log expected = c.flags ? Then(PrivilegeStep(), Exit(*c.flags)) : PrivilegeStep();
        EXPECT_EQ(api.calls, expected) << "option " << c.option;
    }
}

TEST(clsExitWindows, TokenThatFailsToOpenIsNeitherAdjustedNorClosed) {
    RecordingShutdownApi api(Failures{.open = true});
    clsExitWindows(api).ExitWindows(1);

    EXPECT_EQ(api.calls, (Log{kGetProcess, kOpen, kLookup, Exit(5)}));
}

TEST(clsExitWindows, OtherFailuresChangeNothing) {
    struct Case {
        const char* what;
        Failures failures;
        std::string luid;
    };
    const Case cases[] = {
        {"lookup", {.lookup = true}, "0:0"},
        {"adjust", {.adjust = true}, "13:-2"},
        {"request", {.exit = true}, "13:-2"},
        {"close", {.close = true}, "13:-2"},
        {"all but open", {.lookup = true, .adjust = true, .exit = true, .close = true}, "0:0"},
    };
    for (const auto& c : cases) {
        RecordingShutdownApi api(c.failures);
        clsExitWindows(api).ExitWindows(1);

        EXPECT_EQ(api.calls, (Log{kGetProcess, kOpen, kLookup, Adjust("1f4", c.luid),
                                  "CloseHandle(1f4)", Exit(5)}))
            << c.what;
    }
}

TEST(clsExitWindows, RepeatedRequestsRepeatEverythingWithTheirOwnToken) {
    RecordingShutdownApi api;
    for (int tick = 0; tick < 3; ++tick) {
        clsExitWindows(api).ExitWindows(1);
    }
    clsExitWindows same(api);
    same.ExitWindows(1);
    same.ExitWindows(1);

    Log expected;
    for (const char* token : {"1f4", "1f5", "1f6", "1f7", "1f8"}) {
        for (const auto& call : Then(PrivilegeStep(token), Exit(5))) {
            expected.push_back(call);
        }
    }
    EXPECT_EQ(api.calls, expected);
}

} // namespace
} // namespace acordina::shutdown
