#include "base/Text.h"

namespace lv {

std::string fileExtension(const std::string& path)
{
    const auto at = path.find_last_of(".\\:");
    if (at == std::string::npos || path[at] != '.')
        return {};
    return path.substr(at);
}

std::string upperExtension(const std::string& path)
{
    return upperCaseAtoZ(fileExtension(path));
}

std::string fileNameOnly(const std::string& path)
{
    const auto at = path.find_last_of("\\:");
    return at == std::string::npos ? path : path.substr(at + 1);
}

std::string upperCaseAtoZ(std::string text)
{
    for (char& c : text)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return text;
}

} // namespace lv
