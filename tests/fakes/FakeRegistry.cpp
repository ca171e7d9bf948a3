#include "fakes/FakeRegistry.h"

#include "base/Error.h"

#include <algorithm>

namespace lv::fakes {

struct FakeRegistry::Node {
    std::string name;
    bool writeDenied = false;
    std::vector<std::shared_ptr<Node>> subkeys; // kept in enumeration order
    std::vector<std::pair<std::string, RegistryValue>> values;
};

namespace {

using Node = FakeRegistry::Node;

std::string lower(std::string text)
{
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return text;
}

std::vector<std::string> split(const std::string& path)
{
    std::vector<std::string> parts;
    std::string part;
    for (char c : path) {
        if (c == '\\') {
            if (!part.empty()) parts.push_back(part);
            part.clear();
        } else {
            part += c;
        }
    }
    if (!part.empty()) parts.push_back(part);
    return parts;
}

std::shared_ptr<Node> child(const Node& node, const std::string& name)
{
    for (const auto& sub : node.subkeys)
        if (lower(sub->name) == lower(name)) return sub;
    return nullptr;
}

RegistryValue* findValue(Node& node, const std::string& name)
{
    for (auto& [valueName, value] : node.values)
        if (lower(valueName) == lower(name)) return &value;
    return nullptr;
}

class FakeKey : public RegistryKey {
public:
    FakeKey(std::shared_ptr<Node> node, KeyAccess access, std::vector<RegistryWrite>& writes, std::string path)
        : node_(std::move(node)), access_(access), writes_(writes), path_(std::move(path))
    {
    }

    std::vector<std::string> subkeyNames() override
    {
        std::vector<std::string> names;
        for (const auto& sub : node_->subkeys) names.push_back(sub->name);
        return names;
    }

    bool hasValue(const std::string& valueName) override { return findValue(*node_, valueName) != nullptr; }

    std::string readString(const std::string& valueName) override
    {
        const RegistryValue* value = findValue(*node_, valueName);
        if (!value) return {};
        if (value->type != RegType::Sz && value->type != RegType::ExpandSz)
            throw Error(formatMessage("Invalid data type for '%s'", valueName));
        const auto end = std::find(value->bytes.begin(), value->bytes.end(), 0);
        return std::string(value->bytes.begin(), end);
    }

    void writeString(const std::string& valueName, const std::string& text) override
    {
        if (access_ != KeyAccess::ReadWrite)
            throw WriteRefused(formatMessage("Failed to set data for '%s'", valueName));
        RegistryValue value{RegType::Sz, std::vector<std::uint8_t>(text.begin(), text.end())};
        value.bytes.push_back(0);
        if (RegistryValue* existing = findValue(*node_, valueName))
            *existing = value;
        else
            node_->values.emplace_back(valueName, value);
        writes_.push_back({path_, valueName, text});
    }

    bool deleteValue(const std::string& valueName) override
    {
        if (access_ != KeyAccess::ReadWrite) return false;
        auto& values = node_->values;
        const auto it = std::find_if(values.begin(), values.end(),
                                     [&](const auto& entry) { return lower(entry.first) == lower(valueName); });
        if (it == values.end()) return false;
        values.erase(it);
        return true;
    }

private:
    std::shared_ptr<Node> node_;
    KeyAccess access_;
    std::vector<RegistryWrite>& writes_;
    std::string path_;
};

} // namespace

FakeRegistry::FakeRegistry()
    : currentUser_(std::make_shared<Node>()), localMachine_(std::make_shared<Node>())
{
}

FakeRegistry::~FakeRegistry() = default;

std::shared_ptr<Node> FakeRegistry::find(RegistryRoot root, const std::string& path)
{
    auto node = root == RegistryRoot::CurrentUser ? currentUser_ : localMachine_;
    for (const auto& part : split(path)) {
        node = child(*node, part);
        if (!node) return nullptr;
    }
    return node;
}

std::shared_ptr<Node> FakeRegistry::create(RegistryRoot root, const std::string& path)
{
    auto node = root == RegistryRoot::CurrentUser ? currentUser_ : localMachine_;
    for (const auto& part : split(path)) {
        auto next = child(*node, part);
        if (!next) {
            next = std::make_shared<Node>();
            next->name = part;
            // The system enumerates subkeys sorted by their lower-cased names.
            const auto at = std::find_if(node->subkeys.begin(), node->subkeys.end(),
                                         [&](const auto& sub) { return lower(sub->name) > lower(part); });
            node->subkeys.insert(at, next);
        }
        node = next;
    }
    return node;
}

std::unique_ptr<RegistryKey> FakeRegistry::openKey(RegistryRoot root, const std::string& path, KeyAccess access)
{
    auto node = find(root, path);
    if (!node || (access == KeyAccess::ReadWrite && node->writeDenied)) return nullptr;
    return std::make_unique<FakeKey>(node, access, writes, path);
}

void FakeRegistry::createKey(RegistryRoot root, const std::string& path)
{
    create(root, path);
}

bool FakeRegistry::keyExists(RegistryRoot root, const std::string& path)
{
    return find(root, path) != nullptr;
}

void FakeRegistry::deleteKey(RegistryRoot root, const std::string& path)
{
    const auto parts = split(path);
    if (parts.empty()) return;
    std::string parentPath;
    for (std::size_t i = 0; i + 1 < parts.size(); ++i) parentPath += parts[i] + "\\";
    auto parent = find(root, parentPath);
    if (!parent) return;
    auto& subs = parent->subkeys;
    subs.erase(std::remove_if(subs.begin(), subs.end(),
                              [&](const auto& sub) { return lower(sub->name) == lower(parts.back()); }),
               subs.end());
}

void FakeRegistry::setValue(RegistryRoot root, const std::string& path, const std::string& name,
                            std::uint32_t type, const std::vector<std::uint8_t>& bytes)
{
    auto node = create(root, path);
    if (RegistryValue* existing = findValue(*node, name))
        *existing = RegistryValue{type, bytes};
    else
        node->values.emplace_back(name, RegistryValue{type, bytes});
}

void FakeRegistry::setString(RegistryRoot root, const std::string& path, const std::string& name,
                             const std::string& text, std::uint32_t type)
{
    std::vector<std::uint8_t> bytes(text.begin(), text.end());
    bytes.push_back(0);
    setValue(root, path, name, type, bytes);
}

void FakeRegistry::setDword(RegistryRoot root, const std::string& path, const std::string& name, std::uint32_t value)
{
    setValue(root, path, name, RegType::Dword,
             {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8),
              static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 24)});
}

std::optional<RegistryValue> FakeRegistry::value(RegistryRoot root, const std::string& path, const std::string& name)
{
    auto node = find(root, path);
    if (!node) return std::nullopt;
    const RegistryValue* found = findValue(*node, name);
    if (!found) return std::nullopt;
    return *found;
}

std::optional<std::string> FakeRegistry::stringValue(RegistryRoot root, const std::string& path,
                                                     const std::string& name)
{
    const auto found = value(root, path, name);
    if (!found || (found->type != RegType::Sz && found->type != RegType::ExpandSz)) return std::nullopt;
    const auto end = std::find(found->bytes.begin(), found->bytes.end(), 0);
    return std::string(found->bytes.begin(), end);
}

void FakeRegistry::denyWriteAccess(RegistryRoot root, const std::string& path)
{
    create(root, path)->writeDenied = true;
}

} // namespace lv::fakes
