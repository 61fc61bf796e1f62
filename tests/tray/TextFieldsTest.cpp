// How each text lands in its fixed field: trimming, the NUL, the blank fill,
// the cut of texts too long for their field, and the code-page bytes.

#include "TrayFakes.h"
#include "text/Windows1252.h"
#include "tray/cTrayBalloon.h"

#include <gtest/gtest.h>

#include <string>

namespace acordina::tray {
namespace {

using testing::BytesAt;
using testing::FakeTarget;
using testing::Log;
using testing::RecordingShell;

constexpr std::size_t kTipAt = 24, kTipSize = 128;
constexpr std::size_t kInfoAt = 160, kInfoSize = 256;
constexpr std::size_t kTitleAt = 420, kTitleSize = 64;

std::string Field(const std::string& text, std::size_t size) {
    return text + '\0' + std::string(size - text.size() - 1, ' ');
}

class TextFields : public ::testing::Test {
protected:
    Log log;
    RecordingShell shell{log};
    FakeTarget target{7, 8};
    cTrayBalloon tray{shell, text::ToWindows1252};

    void SetUp() override { tray.FormTarget(&target); }
};

TEST_F(TextFields, TooltipIsTrimmedOfBlanksOnlyAndCutToKeepItsNul) {
    struct Case {
        std::wstring input;
        std::string field;
    };
    const Case cases[] = {
        {L"   Acordina  ", Field("Acordina", kTipSize)},
        {L" Acor  dina ", Field("Acor  dina", kTipSize)},
        {L"\tAcordina\r\n ", Field("\tAcordina\r\n", kTipSize)},
        {L"", Field("", kTipSize)},
        {L"     ", Field("", kTipSize)},
        {std::wstring(126, L'a'), Field(std::string(126, 'a'), kTipSize)},
        {std::wstring(127, L'a'), std::string(127, 'a') + '\0'},
        {std::wstring(128, L'a'), std::string(127, 'a') + '\0'},
        {L"  " + std::wstring(127, L'c') + L"  ", std::string(127, 'c') + '\0'},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << "tooltip of " << c.input.size() << " characters");
        shell.calls.clear();
        tray.AddSystray(c.input);
        tray.ToolTipChange(c.input);
        ASSERT_EQ(shell.calls.size(), 2u);
        EXPECT_EQ(BytesAt(shell.calls[0].record, kTipAt, kTipSize), c.field);
        EXPECT_EQ(BytesAt(shell.calls[1].record, kTipAt, kTipSize), c.field);
        EXPECT_EQ(shell.calls[0].record.at(kTipAt + kTipSize), 0) << "next field untouched";
    }
}

TEST_F(TextFields, BalloonTextsAreKeptAsGivenAndCutToKeepTheirNul) {
    struct Case {
        std::wstring message;
        std::wstring title;
        std::string infoField;
        std::string titleField;
    };
    const Case cases[] = {
        {L"  Aviso  ", L" Aviso ", Field("  Aviso  ", kInfoSize), Field(" Aviso ", kTitleSize)},
        {L"", L"", Field("", kInfoSize), Field("", kTitleSize)},
        {L"Atenção €", L"Atenção €", Field("Aten\xE7\xE3o \x80", kInfoSize),
         Field("Aten\xE7\xE3o \x80", kTitleSize)},
        {std::wstring(254, L'm'), std::wstring(62, L't'), Field(std::string(254, 'm'), kInfoSize),
         Field(std::string(62, 't'), kTitleSize)},
        {std::wstring(255, L'm'), std::wstring(63, L't'), std::string(255, 'm') + '\0',
         std::string(63, 't') + '\0'},
        {std::wstring(256, L'm'), std::wstring(64, L't'), std::string(255, 'm') + '\0',
         std::string(63, 't') + '\0'},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << "message of " << c.message.size() << ", title of "
                                          << c.title.size() << " characters");
        shell.calls.clear();
        tray.PopupBalloon(c.message, c.title, NIIF_INFO_);
        ASSERT_EQ(shell.calls.size(), 2u);
        const auto& r = shell.calls[1].record;
        EXPECT_EQ(BytesAt(r, kInfoAt, kInfoSize), c.infoField);
        EXPECT_EQ(BytesAt(r, kTitleAt, kTitleSize), c.titleField);
        EXPECT_EQ(BytesAt(r, 416, 4), std::string(4, '\0')) << "uTimeout between the fields";
        EXPECT_EQ(BytesAt(r, 484, 4), std::string("\1\0\0\0", 4)) << "dwInfoFlags after title";
    }
}

} // namespace
} // namespace acordina::tray
