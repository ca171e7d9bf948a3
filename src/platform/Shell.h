#pragma once
// Starting documents and programs.
#include <cstdint>
#include <string>

namespace lv {

constexpr int ShowNormal = 1; // SW_SHOWNORMAL

class Shell {
public:
    virtual ~Shell() = default;
    // ShellExecute with no owner window; an empty verb asks for the file
    // type's default action. Returns the system's result (> 32 is success).
    virtual std::intptr_t shellExecute(const std::string& verb, const std::string& file,
                                       const std::string& parameters, const std::string& directory,
                                       int showCommand) = 0;
    // WinExec of a whole command line. Returns the system's result (> 31 is success).
    virtual unsigned winExec(const std::string& commandLine, int showCommand) = 0;
};

} // namespace lv
