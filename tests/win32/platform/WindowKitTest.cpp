// The stand-ins for functions that old Windows lacks: window subclassing,
// the root window, and the ANSI run-time calls behind the UTF-16 imports.
#include "platform/win32/RootWindow.h"
#include "platform/win32/Subclass.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

using namespace lv::win32;

std::string trail;

LRESULT CALLBACK original(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_APP)
        trail += "o";
    return DefWindowProcA(window, message, wParam, lParam);
}

LRESULT CALLBACK hook(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id, DWORD_PTR data)
{
    if (message == WM_APP)
        trail += reinterpret_cast<const char*>(data);
    // The newest hook removes itself on its second message.
    if (message == WM_APP && id == 2 && trail.size() > 3)
        removeWindowSubclass(window, &hook, id);
    return defSubclassProc(window, message, wParam, lParam);
}

HWND makeWindow(const char* className, DWORD style, HWND parent)
{
    return CreateWindowExA(0, className, "", style, 0, 0, 10, 10, parent, nullptr, GetModuleHandleA(nullptr),
                           nullptr);
}

TEST(WindowKit, SubclassHooksRunNewestFirstAndLeaveTheWindowAsFound)
{
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = &original;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "LvSubclassTest";
    ASSERT_NE(RegisterClassA(&windowClass), 0);
    const HWND window = makeWindow("LvSubclassTest", WS_POPUP, nullptr);
    ASSERT_NE(window, nullptr);

    trail.clear();
    ASSERT_TRUE(setWindowSubclass(window, &hook, 1, reinterpret_cast<DWORD_PTR>("a")));
    ASSERT_TRUE(setWindowSubclass(window, &hook, 2, reinterpret_cast<DWORD_PTR>("b")));
    SendMessageA(window, WM_APP, 0, 0);
    EXPECT_EQ(trail, "bao");
    SendMessageA(window, WM_APP, 0, 0); // hook 2 leaves during this one
    SendMessageA(window, WM_APP, 0, 0);
    EXPECT_EQ(trail, "baobaoao");

    EXPECT_TRUE(removeWindowSubclass(window, &hook, 1));
    EXPECT_FALSE(removeWindowSubclass(window, &hook, 1));
    EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window, GWLP_WNDPROC)), &original);

    // A window destroyed while hooked takes its hooks along.
    ASSERT_TRUE(setWindowSubclass(window, &hook, 1, reinterpret_cast<DWORD_PTR>("a")));
    EXPECT_TRUE(DestroyWindow(window));
    UnregisterClassA("LvSubclassTest", GetModuleHandleA(nullptr));
}

TEST(WindowKit, RootWindowIsTheTopLevelAncestor)
{
    const HWND top = makeWindow("STATIC", WS_POPUP, nullptr);
    const HWND child = makeWindow("STATIC", WS_CHILD, top);
    const HWND grandchild = makeWindow("STATIC", WS_CHILD, child);
    ASSERT_NE(grandchild, nullptr);
    EXPECT_EQ(rootWindow(grandchild), top);
    EXPECT_EQ(rootWindow(top), top);
    EXPECT_EQ(rootWindow(nullptr), nullptr);
    DestroyWindow(top);
}

TEST(WindowKit, UtfSixteenRunTimeCallsReachTheAnsiFunctions)
{
    const HMODULE kernel = GetModuleHandleA("kernel32.dll");
    const auto address = [](auto function) { return reinterpret_cast<std::uintptr_t>(function); };
    EXPECT_NE(address(&CreateSemaphoreW), address(GetProcAddress(kernel, "CreateSemaphoreW")));
    EXPECT_NE(address(&LoadLibraryW), address(GetProcAddress(kernel, "LoadLibraryW")));

    const HANDLE made = CreateSemaphoreW(nullptr, 0, 1, L"LvAnsiRuntimeTest");
    ASSERT_NE(made, nullptr);
    const HANDLE opened = OpenSemaphoreA(SEMAPHORE_ALL_ACCESS, FALSE, "LvAnsiRuntimeTest");
    EXPECT_NE(opened, nullptr);
    CloseHandle(opened);
    CloseHandle(made);

    EXPECT_EQ(GetModuleHandleW(L"kernel32.dll"), kernel);
    EXPECT_EQ(GetModuleHandleW(nullptr), GetModuleHandleA(nullptr));
    const HMODULE winmm = LoadLibraryW(L"winmm.dll");
    EXPECT_NE(winmm, nullptr);
    FreeLibrary(winmm);
    EXPECT_EQ(LoadLibraryW(L"no such library.dll"), nullptr);
}

} // namespace
