#pragma once
// The system's own words for a failed call, for the messages of failures
// of window-system calls.
#include <windows.h>

#include <string>

namespace lv::win32 {

// The system's text for an error code (trailing line breaks and blanks
// removed), or "System error <code>" when it has none.
std::string systemErrorText(DWORD code);

} // namespace lv::win32
