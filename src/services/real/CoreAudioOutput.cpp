// The default output through Core Audio: its mute state and master volume (only read: the
// user's volume is the user's), its changes and its peak meter.
#include "services/real/CoreAudioOutput.h"

#include "platform/Com.h"
#include "platform/Failure.h"

#include <endpointvolume.h>
#include <mmdeviceapi.h>

#include <atomic>

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

// Core Audio's devices, in an apartment the caller holds; none where Core Audio is missing
// (Windows XP's ole32 has COM, but not these).
ComPtr<IMMDeviceEnumerator> OpenDevices() {
    return CreateComObject<IMMDeviceEnumerator>(__uuidof(MMDeviceEnumerator),
                                                __uuidof(IMMDeviceEnumerator));
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

} // namespace

// Core Audio calls it on a thread of its own: it only posts to the window. Not in the unnamed
// namespace: the class's own Watching holds one.
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
            Post(id != nullptr);
        }
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE OnDeviceStateChanged(LPCWSTR, DWORD) override {
        Post(false);
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
    // Lost only with the window or a full queue; the next tick's check of the sound follows up.
    void Post(bool defaultChanged) const {
        if (!PostMessageW(window_, message_, defaultChanged, 0)) {
            Trace(L"PostMessageW audio notice");
        }
    }

    std::atomic<ULONG> references_{1};
    HWND window_;
    UINT message_;
};

// Released in reverse: the meter and the notices, the devices, then COM.
struct CoreAudioOutput::Watching {
    ComApartment com;
    ComPtr<IMMDeviceEnumerator> devices;
    ComPtr<OutputNotices> notices; // registered
    ComPtr<IAudioMeterInformation> meter;
    bool meterAsked = false;
    ~Watching() {
        if (!notices) {
            return;
        }
        if (const HRESULT gone = devices->UnregisterEndpointNotificationCallback(notices.get());
            FAILED(gone)) {
            Trace(L"UnregisterEndpointNotificationCallback", static_cast<DWORD>(gone));
        }
    }
};

CoreAudioOutput::CoreAudioOutput() = default;
CoreAudioOutput::~CoreAudioOutput() = default;

std::optional<bool> CoreAudioOutput::Silent() {
    const ComApartment com;
    const auto devices = OpenDevices();
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
    watching->devices = OpenDevices();
    if (!watching->devices) {
        return;
    }
    ComPtr<OutputNotices> notices(new OutputNotices(window, message));
    // Without the notices the meter stays with the output it began with.
    if (const HRESULT registered =
            watching->devices->RegisterEndpointNotificationCallback(notices.get());
        SUCCEEDED(registered)) {
        watching->notices = std::move(notices);
    } else {
        Trace(L"RegisterEndpointNotificationCallback", static_cast<DWORD>(registered));
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
