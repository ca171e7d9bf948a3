#pragma once
#include "platform/Shell.h"

namespace lv::win32 {

class Win32Shell : public Shell {
public:
    std::intptr_t shellExecute(const std::string& verb, const std::string& file, const std::string& parameters,
                               const std::string& directory, int showCommand) override;
    unsigned winExec(const std::string& commandLine, int showCommand) override;
};

} // namespace lv::win32
