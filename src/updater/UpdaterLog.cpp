#include "updater/UpdaterLog.h"

#include <deque>

namespace lv {

void UpdaterLog::add(const std::string& text)
{
    std::deque<std::string> lines;
    if (const auto bytes = files_.readFile(path_)) {
        std::string line;
        for (const std::uint8_t byte : *bytes) {
            if (byte == '\n') {
                lines.push_back(line);
                line.clear();
            } else if (byte != '\r') {
                line += static_cast<char>(byte);
            }
        }
        if (!line.empty())
            lines.push_back(line);
    }
    std::string entry = clock_.timestamp() + "  " + text;
    for (char& c : entry)
        if (c == '\r' || c == '\n')
            c = ' ';
    lines.push_back(entry);
    while (lines.size() > UpdaterLogLines)
        lines.pop_front();

    std::vector<std::uint8_t> out;
    for (const std::string& line : lines) {
        out.insert(out.end(), line.begin(), line.end());
        out.push_back('\r');
        out.push_back('\n');
    }
    files_.writeFile(path_, out);
}

} // namespace lv
