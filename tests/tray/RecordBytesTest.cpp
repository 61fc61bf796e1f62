// The 488 bytes handed to the shell, call by call: every field, the leftovers
// of earlier operations, and the zero fill of fields never written.

#include "TrayFakes.h"
#include "text/Windows1252.h"
#include "tray/cTrayBalloon.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace acordina::tray {
namespace {

using testing::FakeTarget;
using testing::Log;
using testing::RecordingShell;

// Builds an expected record from zero, by byte offset.
class Image {
public:
    Image& U32(std::size_t offset, std::uint32_t value) {
        for (std::size_t i = 0; i < 4; ++i) {
            bytes_.at(offset + i) = static_cast<std::uint8_t>(value >> (8 * i));
        }
        return *this;
    }
    // Text, NUL, blanks to the end of the field.
    Image& Text(std::size_t offset, std::size_t size, std::string_view text) {
        std::fill_n(bytes_.begin() + static_cast<std::ptrdiff_t>(offset), size, ' ');
        std::memcpy(bytes_.data() + offset, text.data(), text.size());
        bytes_.at(offset + text.size()) = 0;
        return *this;
    }
    Image& Tip(std::string_view text) { return Text(24, 128, text); }
    Image& Balloon(std::string_view info, std::string_view title, std::uint32_t kind) {
        return Text(160, 256, info).Text(420, 64, title).U32(484, kind);
    }
    const NotifyRecordBytes& Bytes() const { return bytes_; }

private:
    NotifyRecordBytes bytes_{};
};

Image Head(std::uint32_t window, std::uint32_t flags, std::uint32_t icon) {
    Image image;
    image.U32(0, 488).U32(4, window).U32(8, 1).U32(12, flags).U32(16, 0x200).U32(20, icon);
    return image;
}

void ExpectRecord(const NotifyRecordBytes& actual, const NotifyRecordBytes& expected) {
    const auto diff = std::mismatch(actual.begin(), actual.end(), expected.begin());
    EXPECT_TRUE(diff.first == actual.end())
        << "first difference at byte " << (diff.first - actual.begin()) << ": got "
        << int{*diff.first} << ", expected " << int{*diff.second};
}

class RecordBytes : public ::testing::Test {
protected:
    Log log;
    RecordingShell shell{log};
    FakeTarget target{0x0A0B0C0D, 0x11223344};
    cTrayBalloon tray{shell, text::ToWindows1252};

    void SetUp() override { tray.FormTarget(&target); }
};

constexpr const char* kHintAnsi = "D\xEA um clique simples ou um clique com o bot\xE3o direto do "
                                  "mouse para restaurar ou fechar o programa ACORDINA";
constexpr const wchar_t* kHint = L"Dê um clique simples ou um clique com o botão direto do mouse "
                                 L"para restaurar ou fechar o programa ACORDINA";

TEST_F(RecordBytes, EachCallCarriesItsFieldsAndWhatEarlierCallsLeft) {
    struct Step {
        const char* what;
        std::function<void()> run;
        std::vector<std::pair<std::uint32_t, Image>> calls;
    };
    constexpr std::uint32_t w1 = 0x0A0B0C0D, i1 = 0x11223344;
    constexpr std::uint32_t w2 = 0x01020304, i2 = 0x55667788;
    const char* ativo = "O sistema est\xE1 ativo !";
    const char* title = "TAVU - Acordina";
    const Step steps[] = {
        {"add with blanks round the tooltip",
         [&] { tray.AddSystray(L"  Acordina  "); },
         {{0, Head(w1, 7, i1).Tip("Acordina")}}},
        {"balloon: clear first, then show",
         [&] { tray.PopupBalloon(L"O sistema está ativo !", L"TAVU - Acordina", 2); },
         {{1, Head(w1, 0x13, i1).Tip("Acordina").Balloon("", "", 0)},
          {1, Head(w1, 0x13, i1).Tip("Acordina").Balloon(ativo, title, 2)}}},
        {"tooltip change keeps the balloon fields",
         [&] { tray.ToolTipChange(kHint); },
         {{1, Head(w1, 7, i1).Tip(kHintAnsi).Balloon(ativo, title, 2)}}},
        {"delete writes only size, window and id",
         [&] {
             target.window = w2;
             target.icon = i2;
             tray.RemoveSysTray();
         },
         {{2, Head(w2, 7, i1).Tip(kHintAnsi).Balloon(ativo, title, 2)}}},
        {"add again reads the new icon",
         [&] { tray.AddSystray(L"Acordina"); },
         {{0, Head(w2, 7, i2).Tip("Acordina").Balloon(ativo, title, 2)}}},
        {"remove balloon empties texts and kind, keeps the tooltip",
         [&] { tray.RemoveBalloon(); },
         {{1, Head(w2, 0x13, i2).Tip("Acordina").Balloon("", "", 0)}}},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.what);
        shell.calls.clear();
        step.run();
        ASSERT_EQ(shell.calls.size(), step.calls.size());
        for (std::size_t i = 0; i < step.calls.size(); ++i) {
            EXPECT_EQ(shell.calls[i].message, step.calls[i].first) << "call " << i;
            ExpectRecord(shell.calls[i].record, step.calls[i].second.Bytes());
            EXPECT_EQ(testing::U32At(shell.calls[i].record, 416), 0u) << "uTimeout";
        }
    }
}

TEST_F(RecordBytes, FieldsNeverWrittenStayZeroFilled) {
    tray.RemoveSysTray();
    ASSERT_EQ(shell.calls.size(), 1u);
    ExpectRecord(shell.calls[0].record, Image().U32(0, 488).U32(4, 0x0A0B0C0D).U32(8, 1).Bytes());

    tray.PopupBalloon(L"Faltam 15 minutos para despertar.", L"Aviso", 1);
    ASSERT_EQ(shell.calls.size(), 3u);
    for (const auto& call : shell.calls) {
        EXPECT_EQ(testing::BytesAt(call.record, 24, 128), std::string(128, '\0')) << "szTip";
    }
    ExpectRecord(shell.calls[2].record,
                 Head(0x0A0B0C0D, 0x13, 0x11223344)
                     .Balloon("Faltam 15 minutos para despertar.", "Aviso", 1)
                     .Bytes());
}

TEST_F(RecordBytes, NegativeBalloonKindIsStoredAsItsBitPattern) {
    tray.PopupBalloon(L"x", L"y", -2);
    EXPECT_EQ(testing::BytesAt(shell.calls.at(1).record, 484, 4), "\xFE\xFF\xFF\xFF");
}

} // namespace
} // namespace acordina::tray
