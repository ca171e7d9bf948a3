#include "platform/win32/Subclass.h"

#include <algorithm>
#include <vector>

namespace lv::win32 {

namespace {

constexpr const char* ChainProperty = "LvSubclassChain";

struct Hook {
    SubclassProcedure procedure;
    UINT_PTR id;
    DWORD_PTR data;
};

// Kept in a window property while the window is hooked.
struct Chain {
    WNDPROC original = nullptr;
    std::vector<Hook> hooks; // oldest first; the last one is called first
    std::size_t below = 0;   // while hooks[k] runs: k, the hooks left under it
    int depth = 0;           // messages of this window being handled
};

Chain* chainOf(HWND window)
{
    return static_cast<Chain*>(GetPropA(window, ChainProperty));
}

LRESULT CALLBACK dispatch(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

void release(HWND window, Chain* chain)
{
    // Only where no other procedure was installed over ours since.
    if (reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window, GWLP_WNDPROC)) == &dispatch)
        SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(chain->original));
    RemovePropA(window, ChainProperty);
    delete chain;
}

LRESULT callBelow(Chain& chain, std::size_t level, HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    level = std::min(level, chain.hooks.size());
    if (level == 0)
        return CallWindowProcA(chain.original, window, message, wParam, lParam);
    const Hook hook = chain.hooks[level - 1];
    const std::size_t saved = chain.below;
    chain.below = level - 1;
    const LRESULT result = hook.procedure(window, message, wParam, lParam, hook.id, hook.data);
    chain.below = saved;
    return result;
}

LRESULT CALLBACK dispatch(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    Chain* chain = chainOf(window);
    if (!chain)
        return DefWindowProcA(window, message, wParam, lParam);
    ++chain->depth;
    const LRESULT result = callBelow(*chain, chain->hooks.size(), window, message, wParam, lParam);
    --chain->depth;
    // The chain goes with its last hook, or with the window.
    if (chain->depth == 0 && (chain->hooks.empty() || message == WM_NCDESTROY))
        release(window, chain);
    return result;
}

} // namespace

bool setWindowSubclass(HWND window, SubclassProcedure procedure, UINT_PTR id, DWORD_PTR data)
{
    if (!window || !procedure)
        return false;
    Chain* chain = chainOf(window);
    if (!chain) {
        chain = new Chain;
        if (!SetPropA(window, ChainProperty, chain)) {
            delete chain;
            return false;
        }
        chain->original = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&dispatch)));
        if (!chain->original) {
            RemovePropA(window, ChainProperty);
            delete chain;
            return false;
        }
    }
    for (Hook& hook : chain->hooks)
        if (hook.procedure == procedure && hook.id == id) {
            hook.data = data;
            return true;
        }
    chain->hooks.push_back(Hook{procedure, id, data});
    return true;
}

bool removeWindowSubclass(HWND window, SubclassProcedure procedure, UINT_PTR id)
{
    Chain* chain = chainOf(window);
    if (!chain)
        return false;
    const auto hook = std::find_if(chain->hooks.begin(), chain->hooks.end(), [&](const Hook& h) {
        return h.procedure == procedure && h.id == id;
    });
    if (hook == chain->hooks.end())
        return false;
    // A hook under the one that runs now shifts the running one down.
    if (static_cast<std::size_t>(hook - chain->hooks.begin()) < chain->below)
        --chain->below;
    chain->hooks.erase(hook);
    if (chain->hooks.empty() && chain->depth == 0)
        release(window, chain);
    return true;
}

LRESULT defSubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    Chain* chain = chainOf(window);
    if (!chain)
        return DefWindowProcA(window, message, wParam, lParam);
    return callBelow(*chain, chain->below, window, message, wParam, lParam);
}

} // namespace lv::win32
