#include "platform/win32/Win32ActiveDesktop.h"

#include "platform/win32/Handles.h"

// <shlobj.h> declares IActiveDesktop only after <wininet.h>.
#include <wininet.h>
#include <shlobj.h>

#include <vector>

namespace lv::win32 {

namespace {

// The program has one thread, a window thread: COM is entered once, in a
// single-threaded apartment, and left when the process ends.
void enterComApartment()
{
    static const HRESULT entered = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    (void)entered;
}

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

std::unique_ptr<ActiveDesktop> Win32ActiveDesktopService::create()
{
    enterComApartment();
    ComPtr<IActiveDesktop> desktop;
    if (FAILED(CoCreateInstance(CLSID_ActiveDesktop, nullptr, CLSCTX_INPROC_SERVER, IID_IActiveDesktop,
                                desktop.put())))
        return nullptr;
    return std::make_unique<Win32ActiveDesktop>(std::move(desktop));
}

} // namespace lv::win32
