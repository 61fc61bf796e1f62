// The wake-up time and the settings panel on the real main window: the spinners and their
// boxes, the panel and the sound list, and Config.inf read at start and written at arming.
#include "ConfigSamples.h"
#include "ProgramFixture.h"

#include <gmock/gmock.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <string>

namespace acordina::testing {
namespace {

using settings::samples::kExampleBytes;
using Panel = std::array<std::wstring, 15>;

// The panel's design values, in the file's line order.
// clang-format off
const Panel kDesign = {
    L"0", L"-1", L"0", L"1", L"TRRRIIIMMM!!! Despertando...",
    L"0", L"Faltam 15 minutos para despertar.", L"0", L"Faltam 10 minutos para despertar.",
    L"0", L"Faltam 5 minutos para despertar.", L"0", L"Faltam 2 minutos para despertar.",
    L"0", L"Falta 1 minuto para despertar.",
};

// Every setting away from its design value; accents in Windows-1252, blanks kept.
const std::string kEverythingChanged = " 1 \r\n 3 \r\n 1 \r\n 0 \r\nAcorde j\xE1, s\xE3o horas!\r\n"
    " 1 \r\n  Quinze minutos  \r\n 1 \r\nDez: aten\xE7\xE3o\r\n 1 \r\nCinco \x80\r\n"
    " 1 \r\n\xC9 daqui a dois\r\n 1 \r\n\r\n";
const Panel kEverythingChangedPanel = {
    L"1", L"3", L"1", L"0", L"Acorde já, são horas!", L"1", L"  Quinze minutos  ",
    L"1", L"Dez: atenção", L"1", L"Cinco €", L"1", L"É daqui a dois", L"1", L"",
};
// clang-format on

// The panel in the file's line order, as the user sees it; "?" marks a box's partner that is not
// enabled and white exactly while the box is ticked.
Panel ReadPanel(const mainwindow::frmAcordina& f) {
    Panel panel;
    auto out = panel.begin();
    const std::pair<const win32::CheckBox*, const win32::Control*> lines[] = {
        {&f.chkDespSom, &f.cboSom}, {&f.chkDesligar, nullptr},  {&f.chkDespVisual, &f.txt00min},
        {&f.chk15min, &f.txt15min}, {&f.chk10min, &f.txt10min}, {&f.chk05min, &f.txt05min},
        {&f.chk02min, &f.txt02min}, {&f.chk01min, &f.txt01min}};
    for (const auto& [check, partner] : lines) {
        const bool on = SendMessageW(check->hwnd(), BM_GETCHECK, 0, 0) == BST_CHECKED;
        *out++ = std::to_wstring(on);
        if (partner) {
            const bool agrees =
                (IsWindowEnabled(partner->hwnd()) != FALSE) == on &&
                Painted(partner->hwnd()).second == GetSysColor(on ? COLOR_WINDOW : COLOR_BTNFACE);
            *out++ =
                (partner == &f.cboSom ? std::to_wstring(f.cboSom.ListIndex()) : partner->Text()) +
                (agrees ? L"" : L"?");
        }
    }
    return panel;
}

class PanelTest : public ProgramFixture {
protected:
    // The sound list reads "...Ajuda", "a.wav", "b.wav", "C.WAV": no other file, no folder.
    void SetUp() override {
        for (const wchar_t* name : {L"C.WAV", L"a.wav", L"b.wav", L"leia-me.txt", L"som.wave"}) {
            fakes.folder.Write(name, "RIFF");
        }
        CreateDirectoryW((fakes.folder.Path() + L"\\pasta.wav").c_str(), nullptr);
        Start();
    }
    std::wstring HelpText() const {
        return L"Para configurar novos sons, escolha qualquer arquivo WAV e coloque na pasta de "
               L"instalação deste sistema (" +
               fakes.folder.Path() + L")";
    }
};

// A click into the hour or minute box hands the focus on at once, with one Tab, in the designed
// tab order, which takes in the panel only until it is first closed.
TEST_F(PanelTest, AClickIntoAnHourOrMinuteBoxHandsTheFocusOnInTabOrder) {
    auto& f = Main();
    for (const auto& [box, next] : {std::pair(&f.txtHH, &f.vsHH), std::pair(&f.txtMM, &f.vsMM)}) {
        const int tabs = fakes.keyboard.tabs;
        RealClick(box->hwnd());
        EXPECT_EQ(GetFocus(), next->hwnd()) << box->Name();
        EXPECT_EQ(fakes.keyboard.tabs, tabs + 1);
    }
    EXPECT_EQ(GetNextDlgTabItem(f.hwnd(), f.vsMM.hwnd(), FALSE), f.chkDespSom.hwnd());
    Click(f.lblConfig);
    Click(f.lblConfig);
    EXPECT_EQ(GetNextDlgTabItem(f.hwnd(), f.vsMM.hwnd(), FALSE), f.txtHH.hwnd());
}

// The spinners step by one (a page too), stop at their ends, the largest value at the top, and
// are mirrored into their boxes; nothing else can put text there, and arming takes their values.
TEST_F(PanelTest, OnlyTheSpinnersSetTheHourAndMinuteWithinTheirRanges) {
    auto& f = Main();
    const auto expect = [&](const wchar_t* time, int hour, int minute) {
        EXPECT_EQ(f.txtHH.Text() + L":" + f.txtMM.Text(), time);
        EXPECT_EQ(GetScrollPos(f.vsHH.hwnd(), SB_CTL), 23 - hour);
        EXPECT_EQ(GetScrollPos(f.vsMM.hwnd(), SB_CTL), 59 - minute);
    };
    Spin(f.vsHH, SB_PAGEUP, 30);
    Spin(f.vsMM, SB_LINEDOWN, 2);
    expect(L"23:0", 23, 0);
    Spin(f.vsHH, SB_LINEDOWN, 16);
    Spin(f.vsMM, SB_TOP);
    expect(L"7:59", 7, 59);
    Spin(f.vsMM, SB_BOTTOM);
    // "99" on the clipboard, for Paste and Ctrl+V.
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, sizeof L"99");
    std::memcpy(GlobalLock(memory), L"99", sizeof L"99");
    GlobalUnlock(memory);
    ASSERT_TRUE(SetClipboardData(CF_UNICODETEXT, memory));
    CloseClipboard();
    const std::tuple<UINT, WPARAM, const wchar_t*> inputs[] = {
        {WM_PASTE, 0, nullptr},  {WM_CHAR, 0x16 /* Ctrl+V */, nullptr},
        {WM_CHAR, '9', nullptr}, {WM_CUT, 0, nullptr},
        {WM_UNDO, 0, nullptr},   {EM_REPLACESEL, TRUE, L"99"},
        {WM_SETTEXT, 0, L"99"}};
    for (const auto& [msg, wp, text] : inputs) {
        for (const auto* box : {&f.txtHH, &f.txtMM}) {
            SendMessageW(box->hwnd(), EM_SETSEL, 0, -1);
            SendMessageW(box->hwnd(), msg, wp, reinterpret_cast<LPARAM>(text));
            Pump();
        }
        SCOPED_TRACE(::testing::Message() << msg << " " << wp);
        expect(L"7:0", 7, 0);
    }
    // Arming after another program's "99" takes the spinners' 7 and 5.
    Spin(f.vsMM, SB_PAGEUP, 5);
    Type(f.txtHH, L"99");
    Click(f.lblStatus);
    EXPECT_EQ(M().strHoraDespertar, L"07:05:00");
    EXPECT_EQ(M().strHora15min, L"6:50:00");
}

// The label switches width, caption and frame; opening near the right edge of the monitor's
// work area moves the window left just enough, else it stays where it is.
TEST_F(PanelTest, TheLabelOpensAndClosesThePanelWithinTheWorkArea) {
    auto& f = Main();
    EXPECT_TRUE(f.fraConfig.Enabled()) << "the frame keeps its designed state until first used";
    RECT start;
    GetWindowRect(f.hwnd(), &start);
    // Work area, left edge of the window before and after opening.
    const std::tuple<RECT, LONG, LONG> cases[] = {{{0, 0, 800, 600}, 182, 182},
                                                  {{1024, 0, 1824, 600}, 1500, 1824 - 9270 / 15},
                                                  {{40, 0, 500, 600}, 100, 40}};
    for (const auto& [work, left, leftOpen] : cases) {
        fakes.monitors.workArea = work;
        SetWindowPos(f.hwnd(), nullptr, left, start.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        for (const bool open : {true, false}) {
            Click(f.lblConfig);
            RECT now;
            GetWindowRect(f.hwnd(), &now);
            EXPECT_EQ(f.lblConfig.Text(),
                      open ? L"Recolher Configurações <<" : L"Configurações >>");
            EXPECT_EQ(f.fraConfig.Enabled(), open);
            EXPECT_EQ((std::array{now.left, now.top, now.right - now.left, now.bottom - now.top}),
                      (std::array<LONG, 4>{leftOpen, start.top, (open ? 9270 : 4725) / 15,
                                           start.bottom - start.top}));
        }
    }
    EXPECT_TRUE(IsWindowVisible(f.hwnd()));
}

// Each line applies as it is read; from a line that does not fit on, the design values stay.
// The sound comes back by its name wherever the list now puts it; a file from before sounds
// were named reads by position, and only there the help entry shows the help, over the full
// list, with the selection cleared first. Reading writes and publishes nothing.
TEST_F(PanelTest, StartRestoresTheFileUpToItsFirstFaultAndTheSoundByItsName) {
    const auto example = [](std::string_view position, std::string_view name) {
        std::string bytes(kExampleBytes);
        return bytes.replace(5, 3, position).replace(bytes.size() - 7, 5, name);
    };
    // The file; lines of kEverythingChangedPanel that take effect (-1: not checked); the sound.
    const std::tuple<std::optional<std::string>, int, const wchar_t*> cases[] = {
        {std::nullopt, 0, L""},
        {" 1 \r\n 3 \r\n 1 \r\n 0 \r\nAcorde j\xE1, s\xE3o horas!\r\n 1 \r\n", 6, L"C.WAV"},
        {" 1 \r\n 3 \r\n 2 \r\n 0 \r\n", 2, L"C.WAV"}, // a check box value of 2
        {" 1 \r\n 4 \r\n 1 \r\n", 1, L""},             // a sound index past the list
        {example(" 1 ", "b.wav"), -1, L"b.wav"},       // written before "a.wav" came
        {example(" 0 ", "x.wav"), -1, L""},            // "x.wav" is gone
        {std::string(kExampleBytes.substr(0, kExampleBytes.size() - 7)).replace(5, 3, " 0 "), -1,
         L""},                                               // 15 lines, on the help entry
        {kEverythingChanged + "x\r\n 7 \r\n", 15, L"C.WAV"}, // a 16th naming no sound, more
    };
    for (const auto& [bytes, applied, sound] : cases) {
        SCOPED_TRACE(bytes.value_or("(no file)"));
        DeleteFileW((fakes.folder.Path() + L"\\Config.inf").c_str());
        if (bytes) {
            fakes.folder.Write(L"Config.inf", *bytes);
        }
        std::pair<int, LRESULT> atHelp; // entries in the list, selection
        fakes.messageBoxes.onShow = [&](const ShownBox&) {
            atHelp = {Main().cboSom.ListCount(),
                      SendMessageW(Main().cboSom.hwnd(), CB_GETCURSEL, 0, 0)};
        };
        const std::size_t boxes = Boxes();
        Start();
        Panel expected = kDesign;
        std::copy_n(kEverythingChangedPanel.begin(), std::max(applied, 0), expected.begin());
        EXPECT_TRUE(applied < 0 || ReadPanel(Main()) == expected)
            << ::testing::PrintToString(ReadPanel(Main()));
        EXPECT_EQ(Main().cboSom.Text(), sound);
        EXPECT_EQ(Main().txtHH.Text() + Main().txtMM.Text(), L"00") << "the time is not kept";
        EXPECT_EQ(fakes.folder.Read(L"Config.inf"), bytes);
        EXPECT_FALSE(M().blnDespSom || M().blnDesligar || M().blnDespVisual || M().blnLigado);
        EXPECT_EQ(M().strSom + M().strMsgDespertar, L"");
        if (Boxes() > boxes) {
            EXPECT_EQ(LastBox(), (ShownBox{Main().hwnd(), HelpText(), L"Ajuda", 64}));
            EXPECT_EQ(atHelp, std::pair(4, LRESULT{CB_ERR}));
        }
    }
    EXPECT_EQ(Boxes(), 1u);
    // Arming at once writes the same lines back with the sound's name, except that a ticked
    // alert's emptied message has its designed text again.
    Click(Main().lblStatus);
    EXPECT_EQ(fakes.folder.Read(L"Config.inf"),
              kEverythingChanged.substr(0, kEverythingChanged.size() - 2) +
                  "Falta 1 minuto para despertar.\r\nC.WAV\r\n");
    EXPECT_EQ(Main().txt01min.Text(), L"Falta 1 minuto para despertar.");
    EXPECT_FALSE(fakes.folder.Read(L"Config.inf.tmp"));
}

} // namespace
} // namespace acordina::testing
