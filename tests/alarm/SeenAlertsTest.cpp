// Which alert is shown again once balloons are seen, and when the sound's warning may show.
#include "alarm/SeenAlerts.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <sstream>
#include <string>

namespace acordina::alarm {
namespace {

// Steps: P, W, N an alert shown (pre-alert, wake-up, not rung), "!" while unseen; S the sound's
// warning; U balloons seen again; C the balloon closed; R the window restored; X the wake-up
// time passed; D disarmed. Logged: an alert shown again, "w" the warning shown.
std::string Replay(const std::string& steps) {
    SeenAlerts alerts;
    const Balloon warning{L"w", 2};
    using Shown = std::optional<Balloon>;
    const std::map<char, std::function<Shown()>> others{
        {'S', [&] { return alerts.Warn(warning) ? Shown(warning) : std::nullopt; }},
        {'U', [&] { return alerts.Again(); }},
        {'C', [&] { return alerts.Closed(); }},
        {'R', [&] { return alerts.Released(); }},
        {'X', [&] { return alerts.WakeUpPassed(), Shown(); }},
        {'D', [&] { return alerts.Forget(), Shown(); }}};
    std::string log;
    std::istringstream in(steps);
    for (std::string step; in >> step;) {
        const auto kind = std::string("PWN").find(step[0]);
        if (kind != std::string::npos) {
            alerts.Shown(static_cast<AlertKind>(kind), {std::wstring(1, step[0]), 1},
                         step.size() == 1);
        } else if (const Shown b = others.at(step[0])()) {
            log += std::string(b->message.begin(), b->message.end());
        }
    }
    return log;
}

TEST(SeenAlerts, TheLatestUnseenAlertIsShownOnceWhenSeenAndTheWarningWaitsForTheWakeUp) {
    const std::pair<const char*, const char*> cases[] = {
        {"P! W! X U U", "W"}, // locked at both, unlocked after: only the wake-up
        {"P! U X W", "P"},    // unlocked before the wake-up: the pre-alert
        {"P! D U", ""},       {"W! S D U C", ""}, // disarmed while pending
        {"P! X U", ""},                           // the wake-up came without its own alert
        {"P! P U", ""},                           // a newer alert was seen
        {"N! U U", "N"},      {"P! N! U", "N"},   {"S", "w"},
        {"P S", "w"}, // no wake-up alert: at once
        {"W S C C", "w"},     {"W S R", "w"},     {"W S X P C", "w"},
        {"W! S C U C", "Ww"}, // kept through the unseen balloon's end, then after the new one
        {"W C S", "w"},       {"W! U C S", "Ww"},
    };
    for (const auto& [steps, shown] : cases) {
        EXPECT_EQ(Replay(steps), shown) << steps;
    }
}

} // namespace
} // namespace acordina::alarm
