// The default output's mute state and master volume, read through Core Audio. Nothing here
// changes them: the user's volume is the user's.
#include "win32/RealServices.h"

#include <endpointvolume.h>
#include <mmdeviceapi.h>

#include <memory>

namespace acordina::win32 {
namespace {

struct Releaser {
    void operator()(IUnknown* p) const noexcept { p->Release(); }
};
template <typename T> using ComPtr = std::unique_ptr<T, Releaser>;

// Ends what CoInitializeEx began, after the objects declared later are released.
struct ComScope {
    decltype(CoUninitialize)* uninitialize;
    ~ComScope() {
        if (uninitialize) {
            uninitialize();
        }
    }
};

} // namespace

std::optional<bool> CoreAudioOutput::Silent() {
    auto* initialize = ole32_.Function<decltype(CoInitializeEx)>("CoInitializeEx");
    auto* uninitialize = ole32_.Function<decltype(CoUninitialize)>("CoUninitialize");
    auto* create = ole32_.Function<decltype(CoCreateInstance)>("CoCreateInstance");
    // Windows XP's ole32 has these, but no Core Audio: CoCreateInstance fails there.
    if (!initialize || !uninitialize || !create) {
        return std::nullopt;
    }
    // S_FALSE (already initialised) also needs its CoUninitialize; a thread in another
    // apartment model answers RPC_E_CHANGED_MODE and may still create the objects.
    const HRESULT com = initialize(nullptr, COINIT_APARTMENTTHREADED);
    const ComScope scope{SUCCEEDED(com) ? uninitialize : nullptr};

    std::optional<bool> silent;
    void* raw = nullptr;
    if (FAILED(create(__uuidof(MMDeviceEnumerator), nullptr, CLSCTX_INPROC_SERVER,
                      __uuidof(IMMDeviceEnumerator), &raw))) {
        return silent;
    }
    const ComPtr<IMMDeviceEnumerator> devices(static_cast<IMMDeviceEnumerator*>(raw));
    IMMDevice* rawDevice = nullptr;
    if (FAILED(devices->GetDefaultAudioEndpoint(eRender, eConsole, &rawDevice))) {
        return silent;
    }
    const ComPtr<IMMDevice> device(rawDevice);
    raw = nullptr;
    if (FAILED(device->Activate(__uuidof(IAudioEndpointVolume), CLSCTX_INPROC_SERVER, nullptr,
                                &raw))) {
        return silent;
    }
    const ComPtr<IAudioEndpointVolume> volume(static_cast<IAudioEndpointVolume*>(raw));
    BOOL muted = FALSE;
    float level = 0.0f;
    if (SUCCEEDED(volume->GetMute(&muted)) &&
        SUCCEEDED(volume->GetMasterVolumeLevelScalar(&level))) {
        silent = muted != FALSE || level <= 0.0f;
    }
    return silent;
}

} // namespace acordina::win32
