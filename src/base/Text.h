#pragma once
// Small text rules on file names that every part of the program shares.
// Paths are Windows paths in the ANSI code page; only a-z count as letters
// to upper-case, as the extension test compares them.
#include <string>

namespace lv {

// From the last "." after the last backslash or colon to the end, dot
// included; empty when the name has none there.
std::string fileExtension(const std::string& path);
// fileExtension upper-cased: the extension test (".BMP", ".HTML").
std::string upperExtension(const std::string& path);
// What follows the last backslash or colon.
std::string fileNameOnly(const std::string& path);
// The letters a to z made capitals; every other byte stays as it is.
std::string upperCaseAtoZ(std::string text);

} // namespace lv
