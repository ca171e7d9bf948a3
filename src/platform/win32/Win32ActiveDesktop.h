#pragma once
#include "platform/ActiveDesktop.h"

namespace lv::win32 {

// COM for the calling thread, in a single-threaded apartment (CoInitialize),
// for as long as this lives. The program holds one from before its main
// window is made until it ends; Active Desktop objects need it.
class ComApartment {
public:
    ComApartment();
    ~ComApartment();
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

private:
    bool entered_;
};

class Win32ActiveDesktopService : public ActiveDesktopService {
public:
    std::unique_ptr<ActiveDesktop> create() override;
};

} // namespace lv::win32
