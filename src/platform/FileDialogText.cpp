#include "platform/FileDialogText.h"

namespace lv {

std::string dialogFilter(const std::string& filter)
{
    std::string out = filter;
    for (char& c : out)
        if (c == '|') c = '\0';
    out += '\0';
    out += '\0';
    return out;
}

std::vector<std::string> selectedPaths(const std::string& result)
{
    std::vector<std::string> parts;
    std::size_t at = 0;
    while (at < result.size() && result[at] != '\0') {
        const std::size_t end = result.find('\0', at);
        parts.push_back(result.substr(at, end == std::string::npos ? std::string::npos : end - at));
        if (end == std::string::npos) break;
        at = end + 1;
    }
    if (parts.size() <= 1) return parts;
    std::string folder = parts.front();
    if (folder.back() != '\\') folder += '\\';
    std::vector<std::string> paths;
    for (std::size_t i = 1; i < parts.size(); ++i) paths.push_back(folder + parts[i]);
    return paths;
}

} // namespace lv
