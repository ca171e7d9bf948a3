#pragma once
// Attribute changes that keep a file's other attributes as they are.
#include "platform/FileSystem.h"

#include <string>

namespace lv {

// If the file exists, it loses its read-only, hidden, system and archive attributes.
void UnprotectFile(FileSystem& files, const std::string& path);
// If the file exists, it gains the hidden attribute.
void HideFile(FileSystem& files, const std::string& path);

} // namespace lv
