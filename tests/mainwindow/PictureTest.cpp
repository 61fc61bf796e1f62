// The look, pixel for pixel: the main window collapsed, expanded and armed, and the About window,
// at 96 and 144 dpi, against the pictures kept beside this file. ACORDINA_NEW_PICTURES=1 writes
// them anew; on a difference the test leaves the picture, the reference and a difference image
// (changed pixels red) in its build folder.
#include "ProgramFixture.h"
#include "about/frmSobre.h"

#include <wincodec.h>
#include <wrl/client.h>

#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

namespace acordina::testing {
namespace {

using Microsoft::WRL::ComPtr;

struct Picture {
    UINT width = 0, height = 0;
    std::vector<std::uint32_t> pixels; // BGRA
};

class Codec {
public:
    Codec() {
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                         IID_PPV_ARGS(&factory_));
    }
    ~Codec() {
        factory_.Reset();
        CoUninitialize();
    }
    bool Save(const std::wstring& path, Picture p) const {
        ComPtr<IWICStream> stream;
        ComPtr<IWICBitmapEncoder> encoder;
        ComPtr<IWICBitmapFrameEncode> frame;
        GUID format = GUID_WICPixelFormat32bppBGRA;
        return factory_ && SUCCEEDED(factory_->CreateStream(&stream)) &&
               SUCCEEDED(stream->InitializeFromFilename(path.c_str(), GENERIC_WRITE)) &&
               SUCCEEDED(factory_->CreateEncoder(GUID_ContainerFormatPng, nullptr, &encoder)) &&
               SUCCEEDED(encoder->Initialize(stream.Get(), WICBitmapEncoderNoCache)) &&
               SUCCEEDED(encoder->CreateNewFrame(&frame, nullptr)) &&
               SUCCEEDED(frame->Initialize(nullptr)) &&
               SUCCEEDED(frame->SetSize(p.width, p.height)) &&
               SUCCEEDED(frame->SetPixelFormat(&format)) &&
               SUCCEEDED(frame->WritePixels(p.height, p.width * 4, p.width * p.height * 4,
                                            reinterpret_cast<BYTE*>(p.pixels.data()))) &&
               SUCCEEDED(frame->Commit()) && SUCCEEDED(encoder->Commit());
    }
    std::optional<Picture> Load(const std::wstring& path) const {
        ComPtr<IWICBitmapDecoder> decoder;
        ComPtr<IWICBitmapFrameDecode> frame;
        ComPtr<IWICFormatConverter> converter;
        Picture p;
        if (!factory_ ||
            FAILED(factory_->CreateDecoderFromFilename(path.c_str(), nullptr, GENERIC_READ,
                                                       WICDecodeMetadataCacheOnDemand, &decoder)) ||
            FAILED(decoder->GetFrame(0, &frame)) ||
            FAILED(factory_->CreateFormatConverter(&converter)) ||
            FAILED(converter->Initialize(frame.Get(), GUID_WICPixelFormat32bppBGRA,
                                         WICBitmapDitherTypeNone, nullptr, 0,
                                         WICBitmapPaletteTypeCustom)) ||
            FAILED(converter->GetSize(&p.width, &p.height))) {
            return std::nullopt;
        }
        p.pixels.resize(std::size_t{p.width} * p.height);
        converter->CopyPixels(nullptr, p.width * 4, p.width * p.height * 4,
                              reinterpret_cast<BYTE*>(p.pixels.data()));
        return p;
    }

private:
    ComPtr<IWICImagingFactory> factory_;
};

// The window's client area as drawn, its controls included: read from the window's own surface,
// which is up to date as soon as it is painted (the screen follows later).
Picture Capture(HWND hwnd) {
    RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    RECT rc;
    GetClientRect(hwnd, &rc);
    Picture p{UINT(rc.right - rc.left), UINT(rc.bottom - rc.top), {}};
    p.pixels.resize(std::size_t{p.width} * p.height);
    HDC screen = GetDC(hwnd);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO bi{{sizeof(BITMAPINFOHEADER), LONG(p.width), -LONG(p.height), 1, 32, BI_RGB, 0, 0, 0, 0, 0},
                  {}};
    void* bits = nullptr;
    HBITMAP dib = CreateDIBSection(screen, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, dib);
    BitBlt(memory, 0, 0, int(p.width), int(p.height), screen, rc.left, rc.top, SRCCOPY);
    GdiFlush();
    const auto* from = static_cast<const std::uint32_t*>(bits);
    for (std::size_t i = 0; i < p.pixels.size(); ++i) {
        p.pixels[i] = from[i] | 0xFF000000u;
    }
    SelectObject(memory, old);
    DeleteObject(dib);
    DeleteDC(memory);
    ReleaseDC(hwnd, screen);
    return p;
}

class PictureTest : public ProgramFixture {
protected:
    void SetUp() override { Start(); }
    // Compares the window with its reference; the reason when they differ.
    std::string Check(HWND hwnd, const std::wstring& name) {
        const Picture now = Capture(hwnd);
        const std::wstring reference = ACORDINA_PICTURES L"/" + name + L".png";
        if (std::getenv("ACORDINA_NEW_PICTURES")) {
            return codec_.Save(reference, now) ? "" : "cannot write the reference";
        }
        const std::optional<Picture> want = codec_.Load(reference);
        std::size_t changed = 0;
        Picture diff = now;
        if (want && want->width == now.width && want->height == now.height) {
            for (std::size_t i = 0; i < now.pixels.size(); ++i) {
                const bool same = now.pixels[i] == want->pixels[i];
                changed += same ? 0 : 1;
                diff.pixels[i] = same ? 0xFF000000u | ((now.pixels[i] >> 2) & 0x3F3F3F) : 0xFFFF0000u;
            }
            if (changed == 0) {
                return "";
            }
        }
        codec_.Save(name + L".png", now);
        codec_.Save(name + L".diff.png", diff);
        if (want) {
            codec_.Save(name + L".reference.png", *want);
        }
        return want ? std::to_string(changed) + " pixels differ (or the size)" : "no reference";
    }
    // The window at the top-left corner of the screen, so the whole of it is seen, at a DPI.
    static void ToCorner(const win32::Form& form, int dpi) {
        const HWND hwnd = form.hwnd();
        RECT rc;
        GetWindowRect(hwnd, &rc);
        const int was = form.dpi().x;
        RECT to{0, 0, MulDiv(rc.right - rc.left, dpi, was), MulDiv(rc.bottom - rc.top, dpi, was)};
        SendMessageW(hwnd, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&to));
        SetWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE);
        Pump();
    }

    Codec codec_;
};

TEST_F(PictureTest, TheWindowsLookAsTheirReferencesAt96And144Dpi) {
    auto& f = Main();
    for (const int dpi : {96, 144}) {
        const std::wstring at = std::to_wstring(dpi);
        ToCorner(f, dpi);
        SetFocus(f.lblStatus.hwnd());
        EXPECT_EQ(Check(f.hwnd(), L"main-collapsed-" + at), "") << dpi;
        Click(f.lblConfig);
        EXPECT_EQ(Check(f.hwnd(), L"main-expanded-" + at), "") << dpi;
        Click(f.lblStatus);
        Restore();
        EXPECT_EQ(Check(f.hwnd(), L"main-armed-" + at), "") << dpi;
        Click(f.lblStatus);
        Click(f.imgTAVU);
        ASSERT_NE(program->About(), nullptr);
        ToCorner(*program->About(), dpi);
        EXPECT_EQ(Check(program->About()->hwnd(), L"about-" + at), "") << dpi;
        SendMessageW(program->About()->hwnd(), WM_CLOSE, 0, 0);
        Pump();
    }
}

} // namespace
} // namespace acordina::testing
