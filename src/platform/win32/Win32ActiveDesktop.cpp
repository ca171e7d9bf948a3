#include "platform/win32/Win32ActiveDesktop.h"

#include "platform/win32/Handles.h"

// <shlobj.h> declares IActiveDesktop only after <wininet.h>.
#include <wininet.h>
#include <shlobj.h>

#include <vector>

namespace lv::win32 {

namespace {

class Win32ActiveDesktop : public ActiveDesktop {
public:
    explicit Win32ActiveDesktop(ComPtr<IActiveDesktop> desktop) : desktop_(std::move(desktop)) {}

    long setWallpaperOptions(int style) override
    {
        WALLPAPEROPT options{};
        options.dwSize = sizeof options;
        options.dwStyle = static_cast<DWORD>(style);
        return desktop_->SetWallpaperOptions(&options, 0);
    }

    long setWallpaper(const std::string& path) override
    {
        const int length = MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, nullptr, 0);
        std::vector<wchar_t> wide(static_cast<std::size_t>(length > 0 ? length : 1), L'\0');
        if (length > 0) MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide.data(), length);
        return desktop_->SetWallpaper(wide.data(), 0);
    }

    long applyChanges(unsigned flags) override { return desktop_->ApplyChanges(flags); }

private:
    ComPtr<IActiveDesktop> desktop_;
};

} // namespace

ComApartment::ComApartment() : entered_(SUCCEEDED(CoInitialize(nullptr))) {}

ComApartment::~ComApartment()
{
    if (entered_)
        CoUninitialize();
}

std::unique_ptr<ActiveDesktop> Win32ActiveDesktopService::create()
{
    // Created as IUnknown, in process or out of it, then asked for the
    // interface: shells that have the object without the interface count as
    // having no Active Desktop.
    ComPtr<IUnknown> object;
    if (FAILED(CoCreateInstance(CLSID_ActiveDesktop, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER,
                                IID_IUnknown, object.put())))
        return nullptr;
    ComPtr<IActiveDesktop> desktop;
    if (FAILED(object->QueryInterface(IID_IActiveDesktop, desktop.put())))
        return nullptr;
    return std::make_unique<Win32ActiveDesktop>(std::move(desktop));
}

} // namespace lv::win32
