#pragma once

// Resource numbers shared by Acordina.rc and the C++ code; plain #defines so the
// resource compiler can read them too. The hand cursor is not called IDC_HAND:
// <windows.h> already gives that name to the system's own hand.

#define IDI_ACORDINA 1
#define IDI_TAVU 2
#define IDI_LAMP_OFF 3
#define IDI_LAMP_ON 4
#define IDC_HAND_POINTER 5
#define IDR_SOBRE_JPG 6
