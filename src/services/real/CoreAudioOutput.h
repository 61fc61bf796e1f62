#pragma once

#include "services/Services.h"

#include <memory>

namespace acordina::win32 {

// Core Audio, reached through the program's ole32, loaded at its first use.
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
    std::unique_ptr<Watching> watching_;
};

} // namespace acordina::win32
