// The default output through Core Audio: its mute state and master volume (only read: the
// user's volume is the user's), its changes and its peak meter.
#include "services/real/CoreAudioOutput.h"

#include <endpointvolume.h>
#include <mmdeviceapi.h>

#include <atomic>
#include <memory>

// MinGW's headers only name it; as Windows declares it.
MIDL_INTERFACE("c02216f6-8c67-4b5b-9d00-d008e73e0064")
IAudioMeterInformation : public IUnknown {
    virtual HRESULT STDMETHODCALLTYPE GetPeakValue(float* peak) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetMeteringChannelCount(UINT * count) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetChannelsPeakValues(UINT32 count, float* peaks) = 0;
    virtual HRESULT STDMETHODCALLTYPE QueryHardwareSupport(DWORD * mask) = 0;
};
__CRT_UUID_DECL(IAudioMeterInformation, 0xc02216f6, 0x8c67, 0x4b5b, 0x9d, 0x00, 0xd0, 0x08, 0xe7,
                0x3e, 0x00, 0x64)

namespace acordina::win32 {
namespace {

struct Releaser {
    void operator()(IUnknown* p) const noexcept { p->Release(); }
};
template <typename T> using ComPtr = std::unique_ptr<T, Releaser>;

// Ends what CoInitializeEx began, after the objects declared later are released.
struct ComScope {
    decltype(CoUninitialize)* uninitialize = nullptr;
    ~ComScope() {
        if (uninitialize) {
            uninitialize();
        }
    }
};

// COM on this thread, for as long as `scope` lasts, and Core Audio's devices; none where
// Core Audio is missing.
ComPtr<IMMDeviceEnumerator> OpenDevices(SystemLibrary& ole32, ComScope& scope) {
    auto* initialize = ole32.Function<decltype(CoInitializeEx)>("CoInitializeEx");
    auto* uninitialize = ole32.Function<decltype(CoUninitialize)>("CoUninitialize");
    auto* create = ole32.Function<decltype(CoCreateInstance)>("CoCreateInstance");
    // Windows XP's ole32 has these, but no Core Audio: CoCreateInstance fails there.
    if (!initialize || !uninitialize || !create) {
        return nullptr;
    }
    // S_FALSE (already initialised) also needs its CoUninitialize; a thread in another
    // apartment model answers RPC_E_CHANGED_MODE and may still create the objects.
    const HRESULT com = initialize(nullptr, COINIT_APARTMENTTHREADED);
    scope.uninitialize = SUCCEEDED(com) ? uninitialize : nullptr;
    void* raw = nullptr;
    if (FAILED(create(__uuidof(MMDeviceEnumerator), nullptr, CLSCTX_INPROC_SERVER,
                      __uuidof(IMMDeviceEnumerator), &raw))) {
        return nullptr;
    }
    return ComPtr<IMMDeviceEnumerator>(static_cast<IMMDeviceEnumerator*>(raw));
}

// The default output's interface T; none when there is no default output.
template <typename T> ComPtr<T> OfDefaultOutput(IMMDeviceEnumerator& devices) {
    IMMDevice* rawDevice = nullptr;
    if (FAILED(devices.GetDefaultAudioEndpoint(eRender, eConsole, &rawDevice))) {
        return nullptr;
    }
    const ComPtr<IMMDevice> device(rawDevice);
    void* raw = nullptr;
    if (FAILED(device->Activate(__uuidof(T), CLSCTX_INPROC_SERVER, nullptr, &raw))) {
        return nullptr;
    }
    return ComPtr<T>(static_cast<T*>(raw));
}

// Core Audio calls it on a thread of its own: it only posts to the window.
class OutputNotices final : public IMMNotificationClient {
public:
    OutputNotices(HWND window, UINT message) : window_(window), message_(message) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (iid != __uuidof(IUnknown) && iid != __uuidof(IMMNotificationClient)) {
            *out = nullptr;
            return E_NOINTERFACE;
        }
        *out = static_cast<IMMNotificationClient*>(this);
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG left = --references_;
        if (left == 0) {
            delete this;
        }
        return left;
    }
    // Each role has a notice of its own: one is enough.
    HRESULT STDMETHODCALLTYPE OnDefaultDeviceChanged(EDataFlow flow, ERole role,
                                                     LPCWSTR id) override {
        if (flow == eRender && role == eConsole) {
            stale = true;
            PostMessageW(window_, message_, id != nullptr, 0);
        }
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE OnDeviceStateChanged(LPCWSTR, DWORD) override {
        PostMessageW(window_, message_, 0, 0);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE OnDeviceAdded(LPCWSTR) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnDeviceRemoved(LPCWSTR) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnPropertyValueChanged(LPCWSTR, const PROPERTYKEY) override {
        return S_OK;
    }

    // The meter read so far belongs to the output that was the default.
    std::atomic<bool> stale{false};

private:
    std::atomic<ULONG> references_{1};
    HWND window_;
    UINT message_;
};

} // namespace

// Released in reverse: the meter and the notices, the devices, then COM.
struct CoreAudioOutput::Watching {
    ComScope scope;
    ComPtr<IMMDeviceEnumerator> devices;
    ComPtr<OutputNotices> notices; // registered
    ComPtr<IAudioMeterInformation> meter;
    bool meterAsked = false;
    ~Watching() {
        if (notices) {
            devices->UnregisterEndpointNotificationCallback(notices.get());
        }
    }
};

CoreAudioOutput::CoreAudioOutput() = default;
CoreAudioOutput::~CoreAudioOutput() = default;

std::optional<bool> CoreAudioOutput::Silent() {
    ComScope scope;
    const auto devices = OpenDevices(ole32_, scope);
    const auto volume = devices ? OfDefaultOutput<IAudioEndpointVolume>(*devices) : nullptr;
    BOOL muted = FALSE;
    float level = 0.0f;
    if (!volume || FAILED(volume->GetMute(&muted)) ||
        FAILED(volume->GetMasterVolumeLevelScalar(&level))) {
        return std::nullopt;
    }
    return muted != FALSE || level <= 0.0f;
}

void CoreAudioOutput::Watch(HWND window, UINT message) {
    watching_.reset();
    auto watching = std::make_unique<Watching>();
    watching->devices = OpenDevices(ole32_, watching->scope);
    if (!watching->devices) {
        return;
    }
    ComPtr<OutputNotices> notices(new OutputNotices(window, message));
    if (SUCCEEDED(watching->devices->RegisterEndpointNotificationCallback(notices.get()))) {
        watching->notices = std::move(notices);
    }
    watching_ = std::move(watching);
}

void CoreAudioOutput::Unwatch() {
    watching_.reset();
}

std::optional<float> CoreAudioOutput::Peak() {
    if (!watching_) {
        return std::nullopt;
    }
    Watching& w = *watching_;
    if (w.notices && w.notices->stale.exchange(false)) {
        w.meter.reset();
        w.meterAsked = false;
    }
    // Asked once an output: where it has no meter, or none is the default, it is not asked
    // again on every tick.
    if (!w.meterAsked) {
        w.meterAsked = true;
        w.meter = OfDefaultOutput<IAudioMeterInformation>(*w.devices);
    }
    float peak = 0.0f;
    if (!w.meter || FAILED(w.meter->GetPeakValue(&peak))) {
        return std::nullopt;
    }
    return peak;
}

} // namespace acordina::win32
