// The main window at 96 dpi, its panel and Config.inf; arming, disarming, a night, the end.
#include "ProgramFixture.h"
#include "about/frmSobre.h"
#include "platform/Dpi.h"

#include <algorithm>
#include <array>
#include <random>

namespace acordina::testing {
namespace {

using Panel = std::array<std::wstring, 15>;

// clang-format off
const Panel kDesign = {L"0", L"-1", L"0", L"1", L"TRRRIIIMMM!!! Despertando...",
    L"0", L"Faltam 15 minutos para despertar.", L"0", L"Faltam 10 minutos para despertar.",
    L"0", L"Faltam 5 minutos para despertar.", L"0", L"Faltam 2 minutos para despertar.",
    L"0", L"Falta 1 minuto para despertar."};

// Every setting away from its design value; accents in Windows-1252, blanks kept.
const std::string kEverythingChanged = " 1 \r\n 3 \r\n 1 \r\n 0 \r\nAcorde j\xE1, s\xE3o horas!\r\n"
    " 1 \r\n  Quinze minutos  \r\n 1 \r\nDez: aten\xE7\xE3o\r\n 1 \r\nCinco \x80\r\n"
    " 1 \r\n\xC9 daqui a dois\r\n 1 \r\n\r\n";
const Panel kEverythingChangedPanel = {L"1", L"3", L"1", L"0", L"Acorde já, são horas!", L"1",
    L"  Quinze minutos  ", L"1", L"Dez: atenção", L"1", L"Cinco €", L"1", L"É daqui a dois",
    L"1", L""};
// clang-format on

// The panel in the file's line order; "?" marks a partner not enabled and white just while ticked.
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

class MainWindowTest : public ProgramFixture {
protected:
    // Sounds listed: "...Ajuda", "a.wav", "b.wav", "C.WAV", "égua.wav"; no other file or folder.
    void SetUp() override {
        for (auto name : {L"C.WAV", L"a.wav", L"b.wav", L"égua.wav", L"leia-me.txt", L"som.wave"}) {
            fakes.folder.Write(name, kWave);
        }
        CreateDirectoryW((fakes.folder.Path() + L"\\pasta.wav").c_str(), nullptr);
        Start();
    }
    // Both timers tick, interleaved, as often as they do in two seconds (of the next day).
    void Ticks(int h, int m, int s, int day = 31) {
        for (const int second : {s, s + 1}) {
            fakes.clock.Set(h, m, second, day);
            TickInTurn(20);
        }
        Pump();
    }
};

// One control of each kind, inside each container: place, class, style, text and font.
TEST_F(MainWindowTest, ControlsHaveTheirPlaceClassStyleTextAndFont) {
    ASSERT_EQ(win32::Dpi::Screen().x, 96) << "the expected pixels are for 96 dpi";
    auto& f = Main();
    // Left, top, width and height (0: not checked) in client pixels; no face: no font.
    const struct {
        const win32::Control* c;
        std::array<LONG, 4> place;
        const wchar_t *windowClass, *text, *face;
        LONG styleMask, style, height, weight;
    } rows[] = {
        // clang-format off
        {&f.txtHora, {16, 24, 273, 83}, L"Edit", L"12:00:00", L"Arial", ES_CENTER | ES_RIGHT | ES_READONLY, ES_CENTER | ES_READONLY, -64, FW_BOLD},
        {&f.vsMM, {169, 144, 17, 26}, L"ScrollBar", L"", L"", SBS_VERT, SBS_VERT, 0, 0},
        {&f.lblStatus, {16, 180, 265, 40}, L"Static", kDisarmed, L"MS Sans Serif", SS_TYPEMASK, SS_LEFT, -11, FW_BOLD},
        {&f.picLigado, {24, 192, 16, 16}, L"Static", L"", L"", SS_TYPEMASK, SS_ICON, 0, 0},
        {&f.lblConfig, {56, 264, 233, 24}, L"Static", L"Configurações >>", L"MS Sans Serif", SS_TYPEMASK, SS_RIGHT, -11, FW_BOLD},
        {&f.Label8, {296, 99, 81, 17}, L"Static", L"Msg:", L"MS Sans Serif", SS_TYPEMASK, SS_RIGHT, -11, FW_NORMAL},
        {&f.cboSom, {448, 21, 145, 0}, L"ComboBox", L"", L"MS Sans Serif", CBS_DROPDOWNLIST | CBS_SORT, CBS_DROPDOWNLIST | CBS_SORT, -11, FW_NORMAL},
        {&f.chk01min, {320, 258, 65, 13}, L"Button", L"01 min", L"MS Sans Serif", BS_TYPEMASK, BS_AUTOCHECKBOX, -11, FW_NORMAL},
        // clang-format on
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(::testing::PrintToString(std::wstring(r.c->Name())));
        const RECT rc = RectIn(r.c->hwnd(), f.hwnd());
        wchar_t windowClass[16]{};
        GetClassNameW(r.c->hwnd(), windowClass, 16);
        const LOGFONTW lf = FontOf(r.c->hwnd());
        EXPECT_EQ(std::tuple(std::array{rc.left, rc.top, rc.right - rc.left,
                                        r.place[3] ? rc.bottom - rc.top : 0},
                             std::wstring(windowClass),
                             GetWindowLongW(r.c->hwnd(), GWL_STYLE) & r.styleMask, r.c->Text(),
                             std::wstring(lf.lfFaceName), lf.lfHeight, lf.lfWeight),
                  std::tuple(r.place, std::wstring(r.windowClass), r.style, std::wstring(r.text),
                             std::wstring(r.face), r.height, r.weight));
    }
    for (const win32::Control* c : f.Controls()) {
        EXPECT_EQ(GetDlgItem(GetParent(c->hwnd()), GetDlgCtrlID(c->hwnd())), c->hwnd())
            << c->Name();
    }
    // Centred on the work area; minimised, not maximised; the clock white on black.
    RECT work;
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_NEAR(RectIn(f.hwnd()).left + RectIn(f.hwnd()).right, work.left + work.right, 1);
    EXPECT_EQ(GetWindowLongW(f.hwnd(), GWL_STYLE) &
                  (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX),
              WS_THICKFRAME | WS_MINIMIZEBOX);
    EXPECT_EQ(Painted(f.txtHora.hwnd()), std::pair(RGB(255, 255, 255), RGB(0, 0, 0)));
}

TEST_F(MainWindowTest, TheAboutWindowOpensModallyFromTheLogoWithAFixedBorderAndClosesTwice) {
    for (int round = 0; round < 2; ++round) { // the second time as the first
        Click(Main().imgTAVU);
        ASSERT_NE(program->About(), nullptr);
        const about::frmSobre& about = *program->About();
        const HWND w = about.hwnd();
        wchar_t title[16]{};
        GetWindowTextW(w, title, 16);
        EXPECT_STREQ(title, L"Sobre");
        EXPECT_EQ(std::pair(GetWindow(w, GW_OWNER), IsWindowEnabled(Main().hwnd())),
                  std::pair(Main().hwnd(), FALSE))
            << "owned; the main window takes no input";
        EXPECT_EQ(GetWindowLongW(w, GWL_STYLE) &
                      (WS_BORDER | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX),
                  WS_BORDER | WS_SYSMENU);
        EXPECT_FALSE(GetWindowLongW(w, GWL_EXSTYLE) & WS_EX_DLGMODALFRAME);
        EXPECT_EQ(about.lblVer.Text(), L"versão 4.0.2");
        SendMessageW(w, WM_CLOSE, 0, 0);
        Pump();
        EXPECT_TRUE(!program->About() && IsWindowEnabled(Main().hwnd()));
    }
}

TEST_F(MainWindowTest, TheHourAndMinuteBoxesTakeNeitherTheFocusNorAnyTextButTheSpinners) {
    auto& f = Main();
    for (const auto& [box, next] : {std::pair(&f.txtHH, &f.vsHH), std::pair(&f.txtMM, &f.vsMM)}) {
        RealClick(box->hwnd());
        EXPECT_EQ(GetFocus(), next->hwnd()) << box->Name();
    }
    Spin(f.vsHH, SB_LINEUP, 7);
    Spin(f.vsMM, SB_LINEDOWN, 2);
    Type(f.txt00min, L"99"); // copied from there to the clipboard
    SendMessageW(f.txt00min.hwnd(), EM_SETSEL, 0, -1);
    SendMessageW(f.txt00min.hwnd(), WM_COPY, 0, 0);
    const std::tuple<UINT, WPARAM, const wchar_t*> inputs[] = {
        {WM_PASTE, 0, nullptr}, {WM_CHAR, 0x16 /* Ctrl+V */, nullptr}, {WM_CHAR, '9', nullptr},
        {WM_CUT, 0, nullptr},   {EM_REPLACESEL, TRUE, L"99"},          {WM_SETTEXT, 0, L"99"}};
    for (const auto& [msg, wp, text] : inputs) {
        for (const auto* box : {&f.txtHH, &f.txtMM}) {
            SendMessageW(box->hwnd(), EM_SETSEL, 0, -1);
            SendMessageW(box->hwnd(), msg, wp, reinterpret_cast<LPARAM>(text));
            Pump();
        }
        EXPECT_EQ(f.txtHH.Text() + L":" + f.txtMM.Text(), L"7:0") << msg << " " << wp;
    }
}

TEST_F(MainWindowTest, TheLabelOpensAndClosesThePanelWithinTheWorkArea) {
    auto& f = Main();
    const RECT start = RectIn(f.hwnd());
    // Work area, left edge of the window before and after opening.
    const std::tuple<RECT, LONG, LONG> cases[] = {{{0, 0, 800, 600}, 182, 182},
                                                  {{1024, 0, 1824, 600}, 1500, 1824 - 9270 / 15},
                                                  {{40, 0, 500, 600}, 100, 40}};
    for (const auto& [work, left, leftOpen] : cases) {
        fakes.monitors.workArea = work;
        SetWindowPos(f.hwnd(), nullptr, left, start.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        for (const bool open : {true, false}) {
            Click(f.lblConfig);
            const RECT now = RectIn(f.hwnd());
            EXPECT_EQ(
                std::tuple(f.lblConfig.Text(), f.fraConfig.Enabled(), now.left, now.top,
                           now.right - now.left, now.bottom - now.top),
                std::tuple(std::wstring(open ? L"Recolher Configurações <<" : L"Configurações >>"),
                           open, leftOpen, start.top, LONG{(open ? 9270 : 4725) / 15},
                           start.bottom - start.top));
        }
    }
}

// Each line that fits applies; the sound by name (as Windows compares names), else position; help
// for 15 lines only; no write. Junk or a NUL in a message: no change and no box.
TEST_F(MainWindowTest, StartRestoresEveryLineThatFitsAndTheSoundByItsName) {
    std::string junk(4096, '\0');
    std::ranges::generate(junk, std::minstd_rand(25));
    const std::wstring help = L"Para configurar novos sons, escolha qualquer arquivo WAV e coloque "
                              L"na pasta de instalação deste sistema (";
    // The file; lines of kEverythingChangedPanel applied; the sound's index and text (none: help).
    const std::tuple<std::optional<std::string>, int, const wchar_t*, const wchar_t*> cases[] = {
        {std::nullopt, 0, L"-1", L""},
        {junk, 0, L"-1", L""},
        {std::string(kEverythingChanged).insert(kEverythingChanged.find("inze"), 1, '\0'), 0, L"-1",
         L""},
        {kEverythingChanged + "B.WAV \r\n", 15, L"2", L"b.wav"},
        {kEverythingChanged + "\xC3\x89GUA.WAV  \r\n", 15, L"4", L"égua.wav"},
        {" 1 \r\n 3 \r\n 1 \r\n 0 \r\nAcorde j\xE1, s\xE3o horas!\r\n 1 \r\n", 6, L"3", L"C.WAV"},
        {" 1 \r\n 5 \r\n 1 \r\n", 3, L"-1", L""}, // a sound index past the list stays as designed
        // The position of "a.wav", the name of "b.wav"; a position on the help entry.
        {std::string(kEverythingChanged).replace(5, 3, " 1 ") + "b.wav\r\n", 15, L"2", L"b.wav"},
        {std::string(kEverythingChanged).replace(5, 3, " 0 "), 15, L"-1", nullptr},
        {kEverythingChanged + "x\r\n 7 \r\n", 15, L"3", L"C.WAV"}, // a 16th naming no sound, more
    };
    for (const auto& [bytes, applied, index, sound] : cases) {
        SCOPED_TRACE(::testing::PrintToString(bytes.value_or("(no file)").substr(0, 80)));
        DeleteFileW((fakes.folder.Path() + L"\\Config.inf").c_str());
        if (bytes) {
            fakes.folder.Write(L"Config.inf", *bytes);
        }
        const std::size_t boxes = Boxes();
        Start();
        Panel expected = kDesign;
        std::copy_n(kEverythingChangedPanel.begin(), applied, expected.begin());
        expected[1] = index;
        EXPECT_EQ(ReadPanel(Main()), expected);
        EXPECT_EQ(Main().cboSom.Text(), sound ? sound : L"");
        EXPECT_EQ(fakes.folder.Read(L"Config.inf"), bytes);
        EXPECT_FALSE(M().blnDespSom || M().blnDesligar || M().blnDespVisual || M().blnLigado);
        ASSERT_EQ(Boxes(), boxes + !sound);
        EXPECT_TRUE(sound ||
                    (LastBox() ==
                     ShownBox{Main().hwnd(), help + fakes.folder.Path() + L")", L"Ajuda", 64}));
    }
    // Written back as read, with the sound's name; a ticked alert's emptied message designed.
    Click(Main().lblStatus);
    EXPECT_EQ(fakes.folder.Read(L"Config.inf"),
              kEverythingChanged.substr(0, kEverythingChanged.size() - 2) +
                  "Falta 1 minuto para despertar.\r\nC.WAV\r\n");
    EXPECT_FALSE(fakes.folder.Read(L"Config.inf.tmp"));
}

// An empty sound keeps the last one published, an unticked pre-alert its last message; a ticked
// alert's blank message is designed again. The sound stops by the box as it is now.
TEST_F(MainWindowTest, EachArmingPublishesTheBoxesAsTheyAreAndDisarmingGoesByThemToo) {
    auto& f = Main();
    OpenPanel();
    ClickCheck(f.chk15min);
    Type(f.txt15min, L"quinze");
    for (const auto& [som, visual, text, title] :
         {std::tuple(false, false, L"Escolha a forma de despertar: COM SOM e/ou COM ALERTA VISUAL.",
                     L"Atenção!"),
          std::tuple(true, true, L"Escolha um som para despertar.", L"Aviso")}) {
        SetTick(f.chkDespSom, som);
        SetTick(f.chkDespVisual, visual);
        const auto before = Snapshot();
        Click(f.lblStatus);
        EXPECT_EQ(LastBox(), (ShownBox{f.hwnd(), text, title, 16}));
        EXPECT_EQ(Snapshot(), before) << "nothing changed, nothing saved";
    }

    Choose(f.cboSom, 1);
    ClickCheck(f.chkDesligar);
    const std::wstring path = fakes.folder.Path() + L"\\Config.inf";
    fakes.folder.Write(L"Config.inf", "antes");
    win32::UniqueHandle held = win32::OwnFile(
        CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    Click(f.lblStatus);
    held.reset();
    EXPECT_TRUE(M().blnLigado && M().blnDespSom && M().blnDesligar && M().bln15min);
    EXPECT_EQ(fakes.folder.Read(L"Config.inf"), "antes");
    EXPECT_EQ(fakes.comeback.calls, kTraces) << "after Config.inf, only once the checks pass";
    ASSERT_EQ(Boxes(), 4u);
    EXPECT_EQ(LastBox().text, L"Programa ACORDIMA programado!");
    const ShownBox& warning = fakes.messageBoxes.shown[2];
    const std::wstring head = L"Não foi possível gravar as escolhas em " + path + L".\n";
    const std::wstring tail =
        L"\nO despertador será ligado mesmo assim; o arquivo anterior não foi alterado.";
    EXPECT_TRUE(warning.text.starts_with(head) && warning.text.ends_with(tail)) << warning.text;
    EXPECT_GT(warning.text.size(), head.size() + tail.size() + 5) << "the system's reason";
    EXPECT_EQ(std::tuple(warning.owner, warning.title, warning.style),
              std::tuple(f.hwnd(), std::wstring(L"Aviso"), 48u));

    Restore();
    Click(f.lblStatus);
    OpenPanel();
    for (const win32::CheckBox* box : {&f.chkDespSom, &f.chkDesligar, &f.chk15min, &f.chk10min,
                                       &f.chk05min, &f.chk02min, &f.chk01min}) {
        ClickCheck(*box);
    }
    Choose(f.cboSom, 0); // the help entry: no sound
    for (const win32::TextBox* box :
         {&f.txt00min, &f.txt15min, &f.txt10min, &f.txt05min, &f.txt02min, &f.txt01min}) {
        Type(*box, L" \t ");
    }
    Click(f.picDesligado);
    EXPECT_TRUE(M().blnLigado && M().blnDespVisual && M().bln10min && M().bln01min);
    EXPECT_FALSE(M().blnDespSom || M().blnDesligar || M().bln15min);
    EXPECT_EQ(M().strSom, L"a.wav");
    EXPECT_EQ(fakes.folder.Read(L"Config.inf").value_or("").substr(5, 3), "-1 ");
    const Panel& d = kDesign;
    EXPECT_EQ(ReadPanel(f), (Panel{L"0", L"-1", L"0", L"1", d[4], L"0", L" \t ", L"1", d[8], L"1",
                                   d[10], L"1", d[12], L"1", d[14]}));
    EXPECT_EQ((std::vector{M().strMsgDespertar, M().strMsg15min, M().strMsg10min, M().strMsg05min,
                           M().strMsg02min, M().strMsg01min}),
              (std::vector<std::wstring>{d[4], L"quinze", d[8], d[10], d[12], d[14]}));
    Restore();
    OpenPanel();
    ClickCheck(f.chkDespSom);
    fakes.folder.Write(L"Config.inf", "kept");
    fakes.sound.calls.clear();
    const auto kept = std::tuple(Boxes(), fakes.shell.calls.size(), M().blnDespSom);
    const auto expected =
        std::tuple(false, std::wstring(kDisarmed), false, true, true,
                   std::wstring(L"Recolher Configurações <<"), 9270 / 15, true, Balloons());
    Click(f.picLigado);
    EXPECT_EQ(Snapshot(), expected);
    EXPECT_EQ(std::vector(fakes.comeback.calls.end() - 3, fakes.comeback.calls.end()), kTracesGone);
    EXPECT_EQ(fakes.sound.calls, std::vector<SoundCall>{kPurge});
    EXPECT_EQ(std::tuple(Boxes(), fakes.shell.calls.size(), M().blnDespSom), kept);
    EXPECT_EQ(fakes.folder.Read(L"Config.inf"), "kept");
    Click(f.picLigado); // hidden: disarms again, never arms
    EXPECT_FALSE(M().blnLigado);
}

TEST_F(MainWindowTest, SetArmPreAlertWakeRestoreAndSilence) {
    fakes.clock.Set(22, 30, 0); // the evening: the wake timers are set from the arming's clock
    auto& f = Main();
    // 7:05 by the spinners, whatever another program puts into the hour box.
    Spin(f.vsHH, SB_PAGEUP, 30);
    Spin(f.vsHH, SB_LINEDOWN, 16);
    Spin(f.vsMM, SB_TOP);
    Spin(f.vsMM, SB_LINEDOWN, 54);
    Type(f.txtHH, L"99");
    OpenPanel();
    ClickCheck(f.chkDespSom);
    Choose(f.cboSom, 1);
    ClickCheck(f.chk15min);

    // Fully armed, saved and collapsed before the confirmation; hidden behind the balloon after.
    decltype(Snapshot()) atBox;
    fakes.messageBoxes.onShow = [&](const ShownBox&) { atBox = Snapshot(); };
    const std::size_t balloons = Balloons();
    Click(f.lblStatus);
    EXPECT_EQ(fakes.messageBoxes.shown,
              (std::vector{ShownBox{f.hwnd(), L"Programa ACORDIMA programado!", L"Aviso!", 64}}));
    EXPECT_EQ(atBox, std::tuple(true, std::wstring(kArmed), true, false, true,
                                std::wstring(L"Configurações >>"), 4725 / 15, true, balloons));
    EXPECT_EQ(M().strHora05min, L"7:0:00");

    // The night passes quietly up to the pre-alert, whose balloon shows once.
    Ticks(6, 49, 58);
    Ticks(6, 50, 0);
    ASSERT_EQ(Balloons(), balloons + 2);
    EXPECT_EQ(LastBalloon(), "Aviso|1|Faltam 15 minutos para despertar.");
    Ticks(7, 4, 58);

    // Then only the sound from the program's folder, looping, with the visual alert's balloon.
    Ticks(7, 5, 0);
    const SoundCall ring = Play(fakes.folder.Path() + L"\\a.wav");
    EXPECT_EQ(fakes.sound.calls, std::vector<SoundCall>{ring});
    EXPECT_EQ(Balloons(), balloons + 3);
    EXPECT_EQ(LastBalloon(), "Aviso|1|TRRRIIIMMM!!! Despertando...");
    EXPECT_TRUE(M().blnLigado && fakes.shutdown.calls.empty());

    Restore();
    Click(f.lblStatus);
    EXPECT_EQ(fakes.sound.calls, (std::vector<SoundCall>{ring, kPurge}));

    // Woken 30 s before each target (UTC 3 h ahead), awake 60 s before it and while ringing.
    EXPECT_EQ(
        fakes.power.calls,
        (std::vector<std::string>{"timer 2024-03-31 09:49:30", "state 80000003",
                                  "timer 2024-03-31 10:04:30", "state 80000000", "state 80000003",
                                  "timer 2024-04-01 09:49:30", "state 80000000", "cancel"}));
}

// The session's end asks too, unless forced; the program ends at WM_ENDSESSION, icon gone first.
TEST_F(MainWindowTest, TheProgramEndsOnlyAfterYesToTheCloseQuestionOrAForcedEndOfTheSession) {
    // What, message, wParam, lParam, WM_ENDSESSION's wParam then (-1: none), answer, asked, ends.
    const std::tuple<const char*, UINT, WPARAM, DWORD, int, int, bool, bool> cases[] = {
        {"close box, No", WM_CLOSE, 0, 0, -1, 7, true, false},
        {"system menu, Yes", WM_SYSCOMMAND, SC_CLOSE, 0, -1, 6, true, true},
        {"log-off, No", WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, FALSE, 7, true, false},
        {"shutdown, Yes", WM_QUERYENDSESSION, 0, 0, TRUE, 6, true, true},
        {"Yes, another program refused", WM_QUERYENDSESSION, 0, 0, FALSE, 6, true, true},
        {"critical", WM_QUERYENDSESSION, 0, ENDSESSION_CRITICAL, TRUE, 7, false, true},
        {"forced", WM_ENDSESSION, TRUE, 0, -1, 7, false, true},
    };
    for (const auto& [what, msg, wp, lp, ending, answer, asked, ends] : cases) {
        SCOPED_TRACE(what);
        Start();
        fakes.shell.calls.clear();
        fakes.comeback.calls.clear();
        const std::size_t boxes = Boxes();
        const int exits = fakes.process.exits;
        bool iconGoneAtExit = false;
        fakes.process.onExit = [&] {
            iconGoneAtExit =
                !fakes.shell.calls.empty() && fakes.shell.calls.back().message == tray::NIM_DELETE_;
        };
        fakes.messageBoxes.answers = {answer};
        const LRESULT agreed = SendMessageW(Main().hwnd(), msg, wp, lp);
        if (ending >= 0) {
            EXPECT_EQ(std::pair(agreed, fakes.process.exits), std::pair(LRESULT{ends}, exits));
            SendMessageW(Main().hwnd(), WM_ENDSESSION, ending, lp);
        }
        Pump();
        ASSERT_EQ(Boxes(), boxes + asked);
        EXPECT_TRUE(!asked || (LastBox() == ShownBox{Main().hwnd(), L"Confirme: ENCERRAR acordina?",
                                                     L"Fechar", 36}));
        EXPECT_EQ(std::tuple(fakes.process.exits, iconGoneAtExit, fakes.shell.calls.empty()),
                  std::tuple(exits + ends, ends, !ends));
        EXPECT_FALSE(fakes.folder.Read(L"Config.inf")) << "nothing saved";
        // Only the user's own ending takes the alarm's traces away, not Yes to Windows' end.
        EXPECT_EQ(fakes.comeback.calls,
                  asked && ends && ending < 0 ? kTracesGone : std::vector<std::wstring>{});
        fakes.process.onExit = nullptr;
    }
    Start();
    program.reset();
    EXPECT_EQ(fakes.shell.calls.back().message, tray::NIM_DELETE_) << "the end of the window";
}

} // namespace
} // namespace acordina::testing
