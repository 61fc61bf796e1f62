#include "about/JpegPicture.h"

#include "platform/Com.h"
#include "ui/Window.h"

#include <ocidl.h>
#include <olectl.h>

#include <cstring>
#include <memory>

namespace acordina::about {
namespace {

struct GlobalFreer {
    void operator()(void* h) const noexcept { GlobalFree(h); }
};

} // namespace

win32::UniqueBitmap LoadJpegResource(int resourceId) {
    // The picture loader's library is big and only the About window needs it: loaded here, not
    // at the program's start. Declared first, it outlives the objects it makes.
    win32::SystemLibrary oleaut32(L"oleaut32.dll");
    auto* createStream =
        win32::Ole32().Function<decltype(CreateStreamOnHGlobal)>("CreateStreamOnHGlobal");
    auto* loadPicture = oleaut32.Function<decltype(OleLoadPicture)>("OleLoadPicture");
    if (!createStream || !loadPicture) {
        return nullptr;
    }

    HMODULE module = win32::ThisModule();
    HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(resourceId), MAKEINTRESOURCEW(10));
    if (!found) {
        return nullptr;
    }
    const DWORD size = SizeofResource(module, found);
    const void* bytes = LockResource(LoadResource(module, found));
    if (!bytes || size == 0) {
        return nullptr;
    }
    std::unique_ptr<void, GlobalFreer> memory(GlobalAlloc(GMEM_MOVEABLE, size));
    if (!memory) {
        return nullptr;
    }
    std::memcpy(GlobalLock(memory.get()), bytes, size);
    GlobalUnlock(memory.get());

    IStream* rawStream = nullptr;
    // The stream does not free the memory; the unique_ptr above does.
    if (FAILED(createStream(memory.get(), FALSE, &rawStream))) {
        return nullptr;
    }
    const win32::ComPtr<IStream> stream(rawStream);
    IPicture* rawPicture = nullptr;
    if (FAILED(loadPicture(stream.get(), static_cast<LONG>(size), FALSE, IID_IPicture,
                           reinterpret_cast<void**>(&rawPicture)))) {
        return nullptr;
    }
    const win32::ComPtr<IPicture> picture(rawPicture);
    OLE_HANDLE handle = 0;
    if (FAILED(picture->get_Handle(&handle))) {
        return nullptr;
    }
    // A copy of our own: the picture object frees its bitmap when released.
    return win32::UniqueBitmap(static_cast<HBITMAP>(
        CopyImage(reinterpret_cast<HANDLE>(static_cast<std::uintptr_t>(handle)), IMAGE_BITMAP, 0, 0,
                  LR_CREATEDIBSECTION)));
}

} // namespace acordina::about
