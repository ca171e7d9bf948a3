#pragma once
// Records what the program starts; answers with results the test sets.
#include "platform/Shell.h"

#include <string>
#include <vector>

namespace lv::fakes {

struct ShellExecuteCall {
    std::string verb, file, parameters, directory;
    int showCommand = 0;
};

struct WinExecCall {
    std::string commandLine;
    int showCommand = 0;
};

class FakeShell : public Shell {
public:
    std::intptr_t shellExecute(const std::string& verb, const std::string& file, const std::string& parameters,
                               const std::string& directory, int showCommand) override
    {
        shellExecuteCalls.push_back({verb, file, parameters, directory, showCommand});
        return shellExecuteResult;
    }

    unsigned winExec(const std::string& commandLine, int showCommand) override
    {
        winExecCalls.push_back({commandLine, showCommand});
        return winExecResult;
    }

    std::vector<ShellExecuteCall> shellExecuteCalls;
    std::vector<WinExecCall> winExecCalls;
    std::intptr_t shellExecuteResult = 42; // > 32: success
    unsigned winExecResult = 33;           // > 31: success
};

} // namespace lv::fakes
