#pragma once
// The texts the common open dialog takes and gives back, converted from and
// to the program's forms.
#include <string>
#include <vector>

namespace lv {

// "desc|patterns|desc|patterns" to the dialog's "desc\0patterns\0...\0\0".
std::string dialogFilter(const std::string& filter);

// The dialog's multi-select result: one full path, or a folder followed by
// names, each ended by a NUL, the list ended by another. Gives full paths.
std::vector<std::string> selectedPaths(const std::string& result);

} // namespace lv
