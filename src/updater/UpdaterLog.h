#pragma once
// "updater3.log" in the program directory: one line per change or failure,
// with its time, cut to the last lines so that it never grows.
#include "platform/Clock.h"
#include "platform/FileSystem.h"

#include <cstddef>
#include <string>
#include <utility>

namespace lv {

constexpr const char* UpdaterLogName = "updater3.log";
constexpr std::size_t UpdaterLogLines = 200;

class UpdaterLog {
public:
    UpdaterLog(FileSystem& files, Clock& clock, std::string path) : files_(files), clock_(clock), path_(std::move(path)) {}

    // Appends "<time>  <text>"; a log that cannot be written is passed over,
    // since nobody could be told.
    void add(const std::string& text);

private:
    FileSystem& files_;
    Clock& clock_;
    std::string path_;
};

} // namespace lv
