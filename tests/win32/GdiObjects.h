#pragma once
// Counting live GDI objects in a Windows test: GetGuiResources answers 0
// under Wine, but asking the type of every small handle value counts them
// exactly there, as on Windows.
#include <windows.h>

#include <cstdint>

namespace lv::test {

inline int liveGdiObjects()
{
    int count = 0;
    for (std::uintptr_t value = 1; value <= 0xFFFF; ++value)
        count += GetObjectType(reinterpret_cast<HGDIOBJ>(value)) != 0 ? 1 : 0;
    return count;
}

} // namespace lv::test
