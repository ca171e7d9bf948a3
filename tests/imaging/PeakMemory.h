#pragma once
// Peak resident memory of the test process around one action: the kernel's
// high-water mark, reset before it (Linux). None where the system cannot
// tell, as under Wine.
#include <cstdint>
#include <fstream>
#include <functional>
#include <optional>
#include <string>

namespace lv::imaging::test {

inline std::optional<std::uint64_t> StatusKilobytes(const std::string& field)
{
    std::ifstream status("/proc/self/status");
    std::string name;
    while (status >> name) {
        if (name == field + ":") {
            std::uint64_t kilobytes = 0;
            status >> kilobytes;
            return kilobytes;
        }
        std::getline(status, name);
    }
    return std::nullopt;
}

// Bytes by which the action raised the process's resident memory at its peak.
inline std::optional<std::uint64_t> PeakMemoryIncrease(const std::function<void()>& action)
{
    bool reset = false;
    {
        std::ofstream clear("/proc/self/clear_refs");
        reset = clear && (clear << "5" << std::flush);
    }
    const auto before = StatusKilobytes("VmRSS");
    action();
    const auto peak = StatusKilobytes("VmHWM");
    if (!reset || !before || !peak)
        return std::nullopt;
    return (*peak > *before ? *peak - *before : 0) * 1024;
}

} // namespace lv::imaging::test
