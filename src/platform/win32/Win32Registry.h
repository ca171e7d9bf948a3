#pragma once
#include "platform/Registry.h"

namespace lv::win32 {

class Win32Registry : public Registry {
public:
    std::unique_ptr<RegistryKey> openKey(RegistryRoot root, const std::string& path,
                                         KeyAccess access = KeyAccess::Read) override;
};

} // namespace lv::win32
