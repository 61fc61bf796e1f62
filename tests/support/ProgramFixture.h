#pragma once
// The whole program on real windows with fake services, driven by real window messages.

#include "FakeServices.h"
#include "app/Program.h"
#include "background/frmAcordina_.h"
#include "mainwindow/frmAcordina.h"
#include "ui/MessageLoop.h"

#include <gtest/gtest.h>

#include <memory>
#include <tuple>

namespace acordina::testing {

inline constexpr wchar_t kArmed[] = L"\n        Ligado. Clique aqui para desligá-lo.";
inline constexpr wchar_t kDisarmed[] = L"\n        Desligado. Clique aqui para ligá-lo.";
inline constexpr wchar_t kHiddenBalloon[] =
    L"O programa ACORDINA está oculto\r\ndê um clique simples ou um clique com o botão direto "
    L"do mouse para restaurá-lo ou fechá-lo.";
inline constexpr wchar_t kHiddenHint[] = L"Dê um clique simples ou um clique com o botão direto "
                                         L"do mouse para restaurar ou fechar o programa ACORDINA";

// What arming leaves for the alarm to come back; what the user's disarming or ending takes away.
inline const std::vector<std::wstring> kTraces{
    L"record", L"run \"C:\\Prog\\Acordina.exe\" /religar", L"restart /religar"};
inline const std::vector<std::wstring> kTracesGone{L"remove record", L"remove run", L"restart "};

// A window's rectangle in another's client area, or on the screen.
inline RECT RectIn(HWND window, HWND in = nullptr) {
    RECT rc{};
    GetWindowRect(window, &rc);
    MapWindowPoints(nullptr, in, reinterpret_cast<POINT*>(&rc), 2);
    return rc;
}

inline LOGFONTW FontOf(HWND control) {
    LOGFONTW lf{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof lf, &lf);
    return lf;
}

// The text and background colours a control's window gives it to paint with.
inline std::pair<COLORREF, COLORREF> Painted(HWND control) {
    HDC dc = GetDC(control);
    SendMessageW(GetParent(control), WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc),
                 reinterpret_cast<LPARAM>(control));
    const auto colours = std::pair(GetTextColor(dc), GetBkColor(dc));
    ReleaseDC(control, dc);
    return colours;
}

class ProgramFixture : public ::testing::Test {
protected:
    // Files and devices are set up before; the program starts (again) as at launch.
    bool Start(bool religar = false) {
        program.reset();
        program = std::make_unique<Program>(fakes.services);
        const bool started = program->Start(religar);
        Pump();
        return started;
    }

    mainwindow::frmAcordina& Main() { return program->Main(); }
    background::frmAcordina_& Background() { return program->Background(); }
    Module1& M() { return program->module1; }
    std::size_t Boxes() const { return fakes.messageBoxes.shown.size(); }
    const ShownBox& LastBox() const { return fakes.messageBoxes.shown.back(); }
    std::size_t Balloons() const { return fakes.shell.Balloons().size(); }
    std::string LastBalloon() const {
        const ShellCall& b = *fakes.shell.Balloons().back();
        return b.InfoTitle() + "|" + std::to_string(b.InfoFlags()) + "|" + b.Info();
    }
    // Armed, status, lamps on and off, window shown, panel caption, width, Config.inf, balloons.
    auto Snapshot() {
        const auto& f = Main();
        const RECT rc = RectIn(f.hwnd());
        return std::tuple(M().blnLigado, f.lblStatus.Text(), f.picLigado.Visible(),
                          f.picDesligado.Visible(), IsWindowVisible(f.hwnd()) != FALSE,
                          f.lblConfig.Text(), rc.right - rc.left,
                          fakes.folder.Read(L"Config.inf").has_value(), Balloons());
    }
    void Restore() {
        Main().Mostrar();
        Pump();
    }
    void OpenPanel() {
        if (Main().lblConfig.Text() == L"Configurações >>") {
            Click(Main().lblConfig);
        }
    }
    // The shell's report of a mouse event over the tray icon.
    void Tray(UINT mouseMessage) {
        SendMessageW(Background().hwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(mouseMessage, 0));
        Pump();
    }
    void TickMain() { SendMessageW(Main().hwnd(), WM_TIMER, mainwindow::frmAcordina::kTimer1, 0); }
    void TickBackground() {
        SendMessageW(Background().hwnd(), WM_TIMER, background::frmAcordina_::kTimer1, 0);
    }
    static inline const SoundCall kPurge{std::nullopt, 0, SND_PURGE};
    static SoundCall Play(const std::wstring& path) { return {path, 0, SND_ASYNC | SND_LOOP}; }
    static SoundCall Reserve() {
        return {L"RESERVA", reinterpret_cast<std::uintptr_t>(win32::ThisModule()),
                SND_RESOURCE | SND_NODEFAULT | SND_ASYNC | SND_LOOP};
    }
    // A WAV file of two silent 8-bit samples.
    static inline const std::string kWave{
        "RIFF\46\0\0\0WAVEfmt "
        "\20\0\0\0\1\0\1\0\x40\x1F\0\0\x40\x1F\0\0\1\0\x08\0data\2\0\0\0\x80\x80",
        46};
    void TickInTurn(int ticks) {
        for (int i = 0; i < ticks; ++i) {
            i % 2 ? TickBackground() : TickMain();
        }
    }

    static void Pump() { win32::PumpPending(); }
    // A click as the control reports it to its window.
    static void Click(const win32::Control& c) {
        Command(c, c.Row()->kind == win32::Kind::Button ? BN_CLICKED : STN_CLICKED);
    }
    static void RealClick(HWND hwnd) {
        const RECT rc = RectIn(hwnd);
        SetCursorPos((rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2);
        INPUT clicks[2]{{INPUT_MOUSE, {.mi = {0, 0, 0, MOUSEEVENTF_LEFTDOWN, 0, 0}}},
                        {INPUT_MOUSE, {.mi = {0, 0, 0, MOUSEEVENTF_LEFTUP, 0, 0}}}};
        SendInput(2, clicks, sizeof(INPUT));
        Pump();
    }
    static void ClickCheck(const win32::CheckBox& c) {
        SendMessageW(c.hwnd(), BM_CLICK, 0, 0);
        Pump();
    }
    static void SetTick(const win32::CheckBox& c, bool ticked) {
        if ((c.Value() == 1) != ticked) {
            ClickCheck(c);
        }
    }
    // Text put into a box from outside, as another program can.
    static void Type(const win32::Control& box, const wchar_t* text) {
        SendMessageW(box.hwnd(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
    }
    static void Choose(const win32::ComboBox& c, int index) {
        SendMessageW(c.hwnd(), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
        Command(c, CBN_SELCHANGE);
    }
    // Clicks on a spinner's upper (SB_LINEUP) or lower (SB_LINEDOWN) arrow, or another scroll code.
    static void Spin(const win32::VScrollBar& bar, WORD code, int times = 1) {
        for (int i = 0; i < 2 * times; ++i) { // each followed by its SB_ENDSCROLL
            SendMessageW(GetParent(bar.hwnd()), WM_VSCROLL,
                         MAKEWPARAM(i % 2 ? SB_ENDSCROLL : code, 0),
                         reinterpret_cast<LPARAM>(bar.hwnd()));
        }
        Pump();
    }
    static void Command(const win32::Control& c, WORD code) {
        SendMessageW(GetParent(c.hwnd()), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(c.hwnd()), code),
                     reinterpret_cast<LPARAM>(c.hwnd()));
        Pump();
    }

    FakeServices fakes;
    std::unique_ptr<Program> program;
};

} // namespace acordina::testing
