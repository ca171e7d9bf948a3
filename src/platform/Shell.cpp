#include "platform/Shell.h"

namespace lv {

namespace {

struct ShellFailure {
    std::intptr_t result;
    const char* text;
};

// ShellExecute's own failure numbers (SE_ERR_*) and the system error codes
// it passes through.
constexpr ShellFailure ShellFailures[] = {
    {0, "the system is out of memory or resources"},
    {2, "the file was not found"},
    {3, "the path was not found"},
    {5, "access is denied"},
    {8, "there is not enough memory"},
    {11, "the program is not a valid Windows program"},
    {26, "a sharing violation occurred"},
    {27, "the file name association is incomplete"},
    {28, "the program did not answer in time"},
    {29, "the program could not be started"},
    {30, "the program is busy"},
    {ShellNoAssociation, "no program is associated with the file"},
    {32, "a library the program needs was not found"},
};

} // namespace

std::string shellExecuteFailure(std::intptr_t result)
{
    for (const ShellFailure& failure : ShellFailures)
        if (failure.result == result)
            return failure.text;
    return "the system refused to start it (error " + std::to_string(result) + ")";
}

} // namespace lv
