#pragma once
// Starts the whole program on real windows with fake services, and drives it
// with real window messages.

#include "FakeServices.h"
#include "app/Program.h"
#include "background/frmAcordina_.h"
#include "mainwindow/frmAcordina.h"

#include <gtest/gtest.h>

#include <memory>

namespace acordina::testing {

class ProgramFixture : public ::testing::Test {
protected:
    ~ProgramFixture() override;

    // Files and devices are set up before; the program starts as at launch.
    void Start();

    mainwindow::frmAcordina& Main() { return program->Main(); }
    background::frmAcordina_& Background() { return program->Background(); }
    Module1& M() { return program->module1; }

    // Handles every queued message.
    static void Pump();

    // A click as the control reports it to its window.
    static void Click(const win32::Control& c);
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
