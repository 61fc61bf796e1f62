#pragma once
// Starts the whole program on real windows with fake services, and drives it
// with real window messages.

#include "FakeServices.h"
#include "app/Program.h"
#include "background/frmAcordina_.h"
#include "mainwindow/frmAcordina.h"

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <optional>
#include <utility>

namespace acordina::testing {

// The program's own texts that several tests look for.
inline constexpr wchar_t kArmed[] = L"\n        Ligado. Clique aqui para desligá-lo.";
inline constexpr wchar_t kDisarmed[] = L"\n        Desligado. Clique aqui para ligá-lo.";
inline constexpr wchar_t kHiddenBalloon[] =
    L"O programa ACORDINA está oculto\r\ndê um clique simples ou um clique com o botão direto "
    L"do mouse para restaurá-lo ou fechá-lo.";
inline constexpr wchar_t kHiddenHint[] = L"Dê um clique simples ou um clique com o botão direto "
                                         L"do mouse para restaurar ou fechar o programa ACORDINA";

// A real left click at a point of the screen, as the user makes it; not pumped.
void MouseClickAt(POINT screen);

// The seven check boxes and the control each one enables.
using CheckPair = std::pair<win32::CheckBox*, win32::Control*>;
std::array<CheckPair, 7> CheckPairs(mainwindow::frmAcordina& f);
// Each paired control is enabled with the window colour exactly when its box is checked.
void ExpectPairsAgree(mainwindow::frmAcordina& f);

class ProgramFixture : public ::testing::Test {
protected:
    ~ProgramFixture() override;

    // Files and devices are set up before; the program starts as at launch.
    void Start();

    mainwindow::frmAcordina& Main() { return program->Main(); }
    background::frmAcordina_& Background() { return program->Background(); }
    Module1& M() { return program->module1; }
    std::size_t Boxes() const { return fakes.messageBoxes.shown.size(); }
    std::size_t Balloons() const { return fakes.shell.Balloons().size(); }
    // The help box's text, naming the program's folder.
    std::wstring HelpText() const {
        return L"Para configurar novos sons, escolha qualquer arquivo WAV e coloque na pasta de "
               L"instalação deste sistema (" +
               fakes.folder.Path() + L")";
    }
    // The main window back on screen, as from the tray.
    void Restore() {
        Main().Mostrar();
        Pump();
    }

    // Handles every queued message.
    static void Pump();
    static int Width(HWND hwnd);

    // A click as the control reports it to its window.
    static void Click(const win32::Control& c);
    // A real mouse click at a point of a window (client coordinates; its centre by default).
    static void RealClick(HWND hwnd, std::optional<POINT> at = std::nullopt);
    // The user ticks or unticks a check box.
    static void ClickCheck(const win32::CheckBox& c);
    // The user picks entry index of a drop-down list.
    static void Choose(const win32::ComboBox& c, int index);
    // One click on a spinner's upper (SB_LINEUP) or lower (SB_LINEDOWN) arrow.
    static void Spin(const win32::VScrollBar& bar, WORD code, int times = 1);
    // The shell's notification of a mouse event over the tray icon.
    void Tray(UINT mouseMessage);
    // One tick of each window's timer.
    void TickMain();
    void TickBackground();
    void TickBoth() {
        TickMain();
        TickBackground();
    }

    FakeServices fakes;
    std::unique_ptr<Program> program;
};

} // namespace acordina::testing
