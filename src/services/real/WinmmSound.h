#pragma once

#include "platform/SystemLibrary.h"
#include "services/Services.h"

namespace acordina::win32 {

class WinmmSound final : public SoundSystem {
public:
    bool PlaySoundW(const wchar_t* name, std::uintptr_t module, std::uint32_t flags) override;
    std::uint32_t waveOutGetNumDevs() override;

private:
    SystemLibrary winmm_{L"winmm.dll"};
};

} // namespace acordina::win32
