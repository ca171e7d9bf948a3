#pragma once
// Attribute changes that keep a file's other attributes as they are, and
// the copy over a hidden file that needs one.
#include "platform/FileSystem.h"

#include <string>

namespace lv {

// If the file exists, it loses its read-only, hidden, system and archive attributes.
void UnprotectFile(FileSystem& files, const std::string& path);
// If the file exists, it gains the hidden attribute.
void HideFile(FileSystem& files, const std::string& path);
// Copies source over destination also where the destination is hidden,
// which the system's copy refuses to replace: its hidden bit goes for the
// copy and comes back after it. A read-only destination still refuses.
bool CopyOverFile(FileSystem& files, const std::string& source, const std::string& destination);

} // namespace lv
