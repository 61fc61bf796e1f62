#include "shutdown/clsExitWindows.h"
#include "RecordingShutdownApi.h"

#include <gtest/gtest.h>

#include <climits>
#include <tuple>

namespace acordina::shutdown {
namespace {

// The privilege step, then the option's forced request; a token not opened is not adjusted or
// closed.
TEST(clsExitWindows, GrantsThePrivilegeThenMakesTheForcedRequestOfTheOption) {
    // The option, the flags of its request (none: no request) and whether the token fails to open.
    const std::tuple<std::int32_t, std::string, bool> cases[] = {
        {0, "4", false}, {1, "5", false}, {2, "7", false}, {8, "c", false},      {3, "", false},
        {-1, "", false}, {4, "", false},  {12, "", false}, {INT_MIN, "", false}, {1, "5", true}};
    for (const auto& [option, flags, openFails] : cases) {
        RecordingShutdownApi api(openFails);
        clsExitWindows(api).ExitWindows(option);
        std::vector<std::string> expected = {
            "GetCurrentProcess", "OpenProcessToken(process=ffffffff, access=28)",
            "LookupPrivilegeValueA(system=\"\", name=\"SeShutdownPrivilege\")"};
        if (!openFails) {
            expected.emplace_back("AdjustTokenPrivileges(token=1f4, disableAll=false, count=1, "
                                  "luid=13:22, attributes=2, length=10, previous=buffer, "
                                  "returned=var)");
            expected.emplace_back("CloseHandle(1f4)");
        }
        if (!flags.empty()) {
            expected.push_back("ExitWindowsEx(flags=" + flags + ", reason=ffffffff)");
        }
        EXPECT_EQ(api.calls, expected) << "option " << option << ", open fails " << openFails;
    }
}

} // namespace
} // namespace acordina::shutdown
