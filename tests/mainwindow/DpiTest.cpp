// A change of DPI lays the main and About windows out again from their twips, and a change
// back to 96 dpi restores the designed layout exactly.
#include "ProgramFixture.h"
#include "about/frmSobre.h"

#include <array>
#include <vector>

namespace acordina::testing {
namespace {

// Each control's place in its parent and its font's height.
std::vector<std::array<LONG, 5>> Layout(const win32::Form& form) {
    std::vector<std::array<LONG, 5>> rows;
    for (const win32::Control* c : form.Controls()) {
        if (HWND h = c->hwnd()) {
            RECT rc;
            GetWindowRect(h, &rc);
            MapWindowPoints(nullptr, GetParent(h), reinterpret_cast<POINT*>(&rc), 2);
            rows.push_back({rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top,
                            FontOf(h).lfHeight});
        }
    }
    return rows;
}

std::array<LONG, 4> WindowRect(HWND hwnd) {
    RECT rc;
    GetWindowRect(hwnd, &rc);
    return {rc.left, rc.top, rc.right, rc.bottom};
}


class DpiTest : public ProgramFixture {
protected:
    void SetUp() override { Start(); }
    static void ChangeDpi(HWND hwnd, int dpi, std::array<LONG, 4> to) {
        RECT rc{to[0], to[1], to[2], to[3]};
        SendMessageW(hwnd, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&rc));
        Pump();
    }
};

TEST_F(DpiTest, At144DpiEveryControlAndFontIsHalfAgainAsLargeAndAt96AsDesigned) {
    const auto iconWidth = [](HICON icon) {
        ICONINFO info{};
        GetIconInfo(icon, &info);
        BITMAP bm{};
        GetObjectW(info.hbmColor, sizeof bm, &bm);
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
        return bm.bmWidth;
    };
    const HWND lamp = Main().picDesligado.hwnd();
    Main().imgTAVU.Click();
    const std::array<win32::Form*, 2> forms = {&Main(), program->About()};
    for (win32::Form* form : forms) {
        SCOPED_TRACE(form == forms[0] ? "main" : "about");
        const auto designed = Layout(*form);
        const auto at96 = WindowRect(form->hwnd());
        const std::array suggested{at96[0] - 40, at96[1] - 30, at96[2] + 100, at96[3] + 80};
        ChangeDpi(form->hwnd(), 144, suggested);
        EXPECT_EQ(WindowRect(form->hwnd()), suggested);
        const auto at144 = Layout(*form);
        EXPECT_EQ(iconWidth(reinterpret_cast<HICON>(SendMessageW(lamp, STM_GETICON, 0, 0))),
                  form == forms[0] ? 24 : 16);
        ASSERT_EQ(at144.size(), designed.size());
        for (std::size_t i = 0; i < designed.size(); ++i) {
            for (std::size_t k = 0; k < 5; ++k) {
                EXPECT_NEAR(at144[i][k], designed[i][k] * 1.5, 1.0)
                    << form->Controls()[i]->Name() << " " << k;
            }
        }
        ChangeDpi(form->hwnd(), 96, at96);
        EXPECT_EQ(Layout(*form), designed);
        EXPECT_EQ(WindowRect(form->hwnd()), at96);
    }
    // The notification area's icon takes the icon size of the new DPI.
    ChangeDpi(Background().hwnd(), 144, WindowRect(Background().hwnd()));
    const auto& last = fakes.shell.calls.back();
    EXPECT_EQ(last.message, 1u);
    EXPECT_EQ(iconWidth(reinterpret_cast<HICON>(static_cast<std::uintptr_t>(last.Field(20)))),
              MulDiv(GetSystemMetrics(SM_CXSMICON), 3, 2));
}

} // namespace
} // namespace acordina::testing
