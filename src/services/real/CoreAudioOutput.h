#pragma once

#include "platform/SystemLibrary.h"
#include "services/Services.h"

#include <memory>

namespace acordina::win32 {

// Core Audio, reached through ole32 loaded at its first use.
class CoreAudioOutput final : public AudioOutput {
public:
    CoreAudioOutput();
    ~CoreAudioOutput() override;
    std::optional<bool> Silent() override;
    void Watch(HWND window, UINT message) override;
    void Unwatch() override;
    std::optional<float> Peak() override;

private:
    struct Watching;
    SystemLibrary ole32_{L"ole32.dll"};
    std::unique_ptr<Watching> watching_;
};

} // namespace acordina::win32
