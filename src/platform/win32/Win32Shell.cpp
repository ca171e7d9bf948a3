#include "platform/win32/Win32Shell.h"

#include <windows.h>
#include <shellapi.h>

namespace lv::win32 {

namespace {

// Empty texts reach the shell as "none given", not as empty strings.
const char* orNull(const std::string& text)
{
    return text.empty() ? nullptr : text.c_str();
}

} // namespace

std::intptr_t Win32Shell::shellExecute(const std::string& verb, const std::string& file,
                                       const std::string& parameters, const std::string& directory, int showCommand)
{
    const HINSTANCE result =
        ShellExecuteA(nullptr, orNull(verb), file.c_str(), orNull(parameters), orNull(directory), showCommand);
    return reinterpret_cast<std::intptr_t>(result);
}

unsigned Win32Shell::winExec(const std::string& commandLine, int showCommand)
{
    return WinExec(commandLine.c_str(), static_cast<UINT>(showCommand));
}

} // namespace lv::win32
