#include "fakes/FakeProfileFile.h"

#include "base/Error.h"

#include <optional>

namespace lv::fakes {

namespace {

// The file as the system's profile functions hold it: lines before the first
// section belong to a nameless one; blank lines are dropped; a line without
// "=" is a key without a value; names and values are trimmed.
struct Key {
    std::string name;
    std::optional<std::string> value;
};

struct Section {
    std::string name;
    std::vector<Key> keys;
};

using Profile = std::vector<Section>;

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

std::string trimmed(const std::string& text)
{
    std::size_t begin = 0, end = text.size();
    while (begin < end && isSpace(text[begin])) ++begin;
    while (end > begin && isSpace(text[end - 1])) --end;
    return text.substr(begin, end - begin);
}

std::string leadingTrimmed(const std::string& text)
{
    std::size_t begin = 0;
    while (begin < text.size() && isSpace(text[begin])) ++begin;
    return text.substr(begin);
}

bool sameName(const std::string& a, const std::string& b)
{
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

Profile parse(const std::string& text)
{
    Profile profile{Section{}};
    std::size_t at = 0;
    while (at < text.size()) {
        std::size_t end = text.find('\n', at);
        if (end == std::string::npos) end = text.size();
        const std::string line = trimmed(text.substr(at, end - at));
        at = end + 1;
        if (line.empty()) continue;
        if (line[0] == '[') {
            const auto close = line.find(']');
            if (close != std::string::npos) {
                profile.push_back(Section{trimmed(line.substr(1, close - 1)), {}});
                continue;
            }
        }
        const auto equals = line.find('=');
        if (equals == std::string::npos)
            profile.back().keys.push_back(Key{line, std::nullopt});
        else
            profile.back().keys.push_back(Key{trimmed(line.substr(0, equals)), trimmed(line.substr(equals + 1))});
    }
    return profile;
}

std::string serialise(const Profile& profile)
{
    std::size_t size = 0;
    for (const Section& section : profile) {
        size += section.name.size() + 4;
        for (const Key& key : section.keys) size += key.name.size() + (key.value ? key.value->size() + 1 : 0) + 2;
    }
    std::string text;
    text.reserve(size);
    for (const Section& section : profile) {
        if (!section.name.empty()) text.append("[").append(section.name).append("]\r\n");
        for (const Key& key : section.keys) {
            text.append(key.name);
            if (key.value) text.append("=").append(*key.value);
            text.append("\r\n");
        }
    }
    return text;
}

Section* findSection(Profile& profile, const std::string& name)
{
    const std::string wanted = trimmed(name);
    for (Section& section : profile)
        if (sameName(section.name, wanted)) return &section;
    return nullptr;
}

Key* findKey(Section& section, const std::string& name)
{
    const std::string wanted = trimmed(name);
    for (Key& key : section.keys)
        if (sameName(key.name, wanted)) return &key;
    return nullptr;
}

// One pair of matching quotes (single or double) around the text is dropped,
// then the text is cut to the longest value a read returns.
std::string valueText(std::string text)
{
    if (text.size() > 1 && (text[0] == '"' || text[0] == '\'') && text.back() == text[0])
        text = text.substr(1, text.size() - 2);
    if (text.size() > ProfileValueLimit) text.resize(ProfileValueLimit);
    return text;
}

} // namespace

struct FakeProfileFile::Parsed {
    std::string path;
    std::vector<std::uint8_t> bytes;
    Profile profile;
};

FakeProfileFile::FakeProfileFile(FakeFileSystem& files) : files_(files) {}

FakeProfileFile::~FakeProfileFile() = default;

FakeProfileFile::Parsed* FakeProfileFile::parsed(const std::string& path)
{
    auto bytes = files_.readFile(path);
    if (!bytes) return nullptr;
    if (!cache_ || !sameName(cache_->path, path) || cache_->bytes != *bytes)
        cache_ = std::make_unique<Parsed>(Parsed{path, *bytes, parse(std::string(bytes->begin(), bytes->end()))});
    return cache_.get();
}

void FakeProfileFile::store(const std::string& path, Parsed& parsed)
{
    const std::string text = serialise(parsed.profile);
    std::vector<std::uint8_t> bytes(text.begin(), text.end());
    if (!files_.writeFile(path, bytes)) {
        cache_.reset();
        throw WriteRefused(formatMessage("Unable to write to %s", path));
    }
    parsed.path = path;
    parsed.bytes = std::move(bytes);
    // What the next read sees is the file as written, parsed again.
    parsed.profile = parse(text);
}

std::string FakeProfileFile::readString(const std::string& path, const std::string& section,
                                        const std::string& key, const std::string& defaultValue)
{
    if (Parsed* file = parsed(path)) {
        if (Section* found = findSection(file->profile, section))
            if (Key* entry = findKey(*found, key); entry && entry->value) return valueText(*entry->value);
    }
    // The system drops trailing spaces from the default, keeping its first character.
    std::string fallback = defaultValue;
    while (fallback.size() > 1 && fallback.back() == ' ') fallback.pop_back();
    return valueText(fallback);
}

void FakeProfileFile::writeString(const std::string& path, const std::string& section,
                                  const std::string& key, const std::string& value)
{
    if (!failingSection.empty() && sameName(failingSection, trimmed(section)))
        throw WriteRefused(formatMessage("Unable to write to %s", path));
    Parsed* file = parsed(path);
    if (!file) {
        cache_ = std::make_unique<Parsed>(Parsed{path, {}, Profile{Section{}}});
        file = cache_.get();
    }
    Profile& profile = file->profile;
    Section* target = findSection(profile, section);
    if (!target) target = &profile.emplace_back(Section{leadingTrimmed(section), {}});
    Key* entry = findKey(*target, key);
    if (!entry) entry = &target->keys.emplace_back(Key{leadingTrimmed(key), std::nullopt});
    entry->value = leadingTrimmed(value);
    store(path, *file);
}

std::vector<std::string> FakeProfileFile::keyNames(const std::string& path, const std::string& section)
{
    std::vector<std::string> names;
    Parsed* file = parsed(path);
    if (!file) return names;
    if (Section* found = findSection(file->profile, section))
        for (const Key& key : found->keys)
            // Comment lines (";...") and lines without "=" are not keys.
            if (!key.name.empty() && key.name[0] != ';' && key.value) names.push_back(key.name);
    return names;
}

void FakeProfileFile::eraseSection(const std::string& path, const std::string& section)
{
    if (!failingSection.empty() && sameName(failingSection, trimmed(section)))
        throw WriteRefused(formatMessage("Unable to write to %s", path));
    Parsed* file = parsed(path);
    if (!file) {
        // Nothing to erase; only a missing folder is a failure.
        const auto slash = path.find_last_of("\\/");
        if (slash == std::string::npos || !files_.folderExists(path.substr(0, slash)) || files_.folderExists(path))
            throw WriteRefused(formatMessage("Unable to write to %s", path));
        return;
    }
    Profile& profile = file->profile;
    for (auto it = profile.begin(); it != profile.end(); ++it) {
        if (!it->name.empty() && sameName(it->name, trimmed(section))) {
            profile.erase(it);
            break;
        }
    }
    store(path, *file);
}

} // namespace lv::fakes
