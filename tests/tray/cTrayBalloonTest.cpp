// The 488 bytes handed to the shell, the events between the calls, the mouse notifications.

#include "tray/cTrayBalloon.h"
#include "Windows1252.h"

#include <gtest/gtest.h>

#include <cstring>
#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace acordina::tray {
namespace {

// The shell, the listener and the target window in one, so that calls and events share a log.
struct Recorder : TrayShell, TrayEvents, TrayTarget {
    bool NotifyIcon(std::uint32_t message, const NotifyRecordBytes& record) override {
        log.push_back(message == NIM_ADD_ ? "ADD" : message == NIM_DELETE_ ? "DELETE" : "MODIFY");
        records.push_back(record);
        const bool answer = answers.empty() || answers.front();
        answers.erase(answers.begin(), answers.begin() + !answers.empty());
        return answer;
    }
    std::int32_t SetForegroundWindow(std::uint32_t window) override {
        log.push_back("SetForegroundWindow " + std::to_string(window));
        return 1;
    }
    float TwipsPerPixelX() const override { return twipsPerPixel; }
    std::uint32_t WindowHandle() const override { return window; }
    std::uint32_t IconHandle() const override { return icon; }
    void TrayStart() override { log.emplace_back("TrayStart"); }
    void TrayStop() override { log.emplace_back("TrayStop"); }
    void BalloonStart() override { log.emplace_back("BalloonStart"); }
    void BalloonStop() override { log.emplace_back("BalloonStop"); }

    std::vector<std::string> log;
    std::vector<NotifyRecordBytes> records;
    std::deque<bool> answers; // the shell's, in turn; then every call is accepted
    float twipsPerPixel = 15.0f;
    std::uint32_t window = 0x0A0B0C0D, icon = 0x11223344;
};

// An expected record, built from zero by byte offset.
struct Image {
    Image& U32(std::size_t offset, std::uint32_t value) {
        std::memcpy(&bytes[offset], &value, 4); // little-endian on x86, as the record wants
        return *this;
    }
    // The text, NUL, blanks to the end of the field.
    Image& Text(std::size_t offset, std::size_t size, std::string_view text) {
        for (std::size_t i = 0; i < size; ++i) {
            bytes[offset + i] = i < text.size() ? text[i] : i == text.size() ? 0 : ' ';
        }
        return *this;
    }
    Image& Tip(std::string_view text) { return Text(24, 128, text); }
    Image& Balloon(std::string_view info, std::string_view title, std::uint32_t kind) {
        return Text(160, 256, info).Text(420, 64, title).U32(484, kind);
    }
    operator NotifyRecordBytes() const { return bytes; }
    NotifyRecordBytes bytes{};
};

// Size, window, icon id 1, flags, callback message 0x200 and icon.
Image Head(std::uint32_t window, std::uint32_t flags, std::uint32_t icon) {
    return Image().U32(0, 488).U32(4, window).U32(8, 1).U32(12, flags).U32(16, 0x200).U32(20, icon);
}

// Texts keep their blanks, save the tooltip's outer ones, and are cut to keep their NUL.
TEST(cTrayBalloon, EachCallCarriesItsFieldsWhatEarlierCallsLeftAndItsEvents) {
    Recorder shell;
    cTrayBalloon tray{shell, text::ToWindows1252};
    tray.FormTarget(&shell);
    tray.Listen(&shell);
    constexpr std::uint32_t w1 = 0x0A0B0C0D, i1 = 0x11223344, w2 = 0x01020304, i2 = 0x55667788;
    const std::wstring wide = L" O sistema está ativo ! " + std::wstring(240, L'm');
    const std::string message = " O sistema est\xE1 ativo ! " + std::string(231, 'm'); // cut
    const std::string tip(127, 'c'), title(63, 't');
    // clang-format off
    const struct {
        std::function<void()> run;
        std::vector<std::string> log;
        std::vector<NotifyRecordBytes> records;
    } steps[] = {
        // Only size, window and id: the rest of a record never written stays zero.
        {[&] { tray.RemoveSysTray(); }, {"DELETE", "TrayStop"},
         {Image().U32(0, 488).U32(4, w1).U32(8, 1)}},
        {[&] { tray.PopupBalloon(wide, std::wstring(64, L't'), 2); },
         {"MODIFY", "BalloonStop", "MODIFY", "BalloonStart"},
         {Head(w1, 0x13, i1).Balloon("", "", 0), Head(w1, 0x13, i1).Balloon(message, title, 2)}},
        {[&] { tray.AddSystray(L"  \tAcordina\r\n  "); }, {"ADD", "TrayStart"},
         {Head(w1, 7, i1).Tip("\tAcordina\r\n").Balloon(message, title, 2)}},
        {[&] { tray.ToolTipChange(L" " + std::wstring(128, L'c') + L" "); }, {"MODIFY"},
         {Head(w1, 7, i1).Tip(tip).Balloon(message, title, 2)}},
        // The window and icon read afresh.
        {[&] { shell.window = w2; shell.icon = i2; tray.AddSystray(L"Acordina"); },
         {"ADD", "TrayStart"}, {Head(w2, 7, i2).Tip("Acordina").Balloon(message, title, 2)}},
        {[&] { tray.RemoveBalloon(); }, {"MODIFY", "BalloonStop"},
         {Head(w2, 0x13, i2).Tip("Acordina").Balloon("", "", 0)}},
        {[&] { tray.SetForeground(); }, {"SetForegroundWindow 16909060"}, {}},
        // What the program does: it listens to no event.
        {[&] { tray.Listen(nullptr); tray.PopupBalloon(L"Aviso", L" Aviso ", 1); },
         {"MODIFY", "MODIFY"},
         {Head(w2, 0x13, i2).Tip("Acordina").Balloon("", "", 0),
          Head(w2, 0x13, i2).Tip("Acordina").Balloon("Aviso", " Aviso ", 1)}}};
    // clang-format on
    for (std::size_t s = 0; s < std::size(steps); ++s) {
        shell.log.clear();
        shell.records.clear();
        steps[s].run();
        EXPECT_EQ(shell.log, steps[s].log) << "step " << s;
        EXPECT_EQ(shell.records, steps[s].records) << "step " << s;
    }
}

// Retried once a second for two minutes, and at the shell's restart; then the latest balloon.
// A refused balloon adds the icon again and is asked once more.
TEST(cTrayBalloon, ARefusedIconIsTriedAgainAndTheBalloonAskedMeanwhileFollowsIt) {
    Recorder shell;
    cTrayBalloon tray{shell, text::ToWindows1252};
    tray.FormTarget(&shell);
    // The shell's answers, whether the icon is added first, the balloon, the retries' seconds.
    using Log = std::vector<std::string>;
    // clang-format off
    const std::tuple<std::deque<bool>, bool, std::string, std::vector<int>, Log> steps[] = {
        {{false, false, false}, true, "dois", {100, 100, 220, 221}, {"ADD", "ADD", "ADD"}},
        {{}, true, "", {}, {"ADD", "MODIFY"}},
        {{true, false}, false, "tres", {}, {"MODIFY", "MODIFY", "ADD", "MODIFY"}},
        {{true, false, false, true}, false, "quatro", {400}, {"MODIFY", "MODIFY", "ADD", "MODIFY"}},
        {{true, false, false, false}, false, "cinco", {500}, {"MODIFY", "MODIFY", "ADD", "MODIFY", "ADD", "MODIFY"}}};
    // clang-format on
    std::string last; // the first waits in the record, unflagged
    for (const auto& [answers, add, balloon, seconds, log] : steps) {
        shell.log.clear();
        shell.answers = answers;
        if (add) {
            tray.AddSystray(L"Acordina");
        }
        if (!balloon.empty()) {
            tray.PopupBalloon(std::wstring(balloon.begin(), balloon.end()), L"Aviso", 1);
            last = balloon;
        }
        for (const int second : seconds) {
            tray.Retry(second);
        }
        EXPECT_EQ(shell.log, log);
        EXPECT_EQ(reinterpret_cast<const char*>(&shell.records.back()[160]), last);
    }
}

// The message comes as twips: divided by twips per pixel, rounded half to even; or as itself, read
// from the notification. Anything but the three answered messages is a mouse move. Needs no target.
TEST(cTrayBalloon, MouseNotificationsAreDecodedFromTwipsOrTheirNumber) {
    Recorder shell;
    const cTrayBalloon tray{shell, text::ToWindows1252};
    const std::pair<float, std::int32_t> cases[] = {
        {0.0f, 512},   {512.0f, 512}, {513.0f, 512},  {514.0f, 514},  {515.0f, 515},
        {516.0f, 516}, {517.0f, 512}, {-514.0f, 512}, {514.49f, 514}, {514.51f, 515},
        {514.5f, 514}, {515.5f, 516}, {516.5f, 516},  {516.6f, 512}};
    for (const float twips : {15.0f, 12.0f, 7.5f}) {
        shell.twipsPerPixel = twips;
        for (const auto& [pixels, message] : cases) {
            EXPECT_EQ(tray.MouseButton(pixels * twips), message) << pixels << " px at " << twips;
        }
    }
    for (const auto& [pixels, message] : cases) {
        if (const auto number = static_cast<std::int32_t>(pixels); number == pixels) {
            EXPECT_EQ(cTrayBalloon::MouseButton(number), message) << number;
        }
    }
    EXPECT_TRUE(shell.log.empty());
}

} // namespace
} // namespace acordina::tray
