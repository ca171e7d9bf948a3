#pragma once
// Starting documents and programs.
#include <cstdint>
#include <string>

namespace lv {

constexpr int ShowNormal = 1; // SW_SHOWNORMAL
// ShellExecute's results: above this one the call succeeded.
constexpr std::intptr_t ShellSuccessAbove = 32;
constexpr std::intptr_t ShellNoAssociation = 31; // SE_ERR_NOASSOC

// The reason of a failed ShellExecute, in words, from its result.
std::string shellExecuteFailure(std::intptr_t result);

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
