#include "platform/port_library.h"

#include <windows.h>

namespace tavrel {

namespace {

// WinIo.dll, loaded when the library is first opened; a missing DLL fails InitializeWinIo.
class WinIoPortLibrary final : public PortLibrary {
public:
    ~WinIoPortLibrary() override {
        if (dll_ != nullptr)
            FreeLibrary(dll_);
    }

    bool InitializeWinIo() override { return Load() && initialize_(); }
    bool ShutdownWinIo() override {
        if (shutdown_ != nullptr)
            shutdown_();
        // Nothing loaded means nothing to shut down.
        return true;
    }
    bool GetPortVal(int32_t port, uint32_t& value, uint8_t size) override {
        value = 0;
        DWORD v = 0;
        if (getPortVal_ == nullptr || !getPortVal_(static_cast<WORD>(port), &v, size))
            return false;
        value = v;
        return true;
    }
    bool SetPortVal(int32_t port, uint32_t value, uint8_t size) override {
        return setPortVal_ != nullptr && setPortVal_(static_cast<WORD>(port), value, size);
    }
    bool NeedsLibraryFiles() const override { return true; }

private:
    using InitFn = bool(__stdcall*)();
    using GetFn = bool(__stdcall*)(WORD, PDWORD, BYTE);
    using SetFn = bool(__stdcall*)(WORD, DWORD, BYTE);

    bool Load() {
        if (dll_ == nullptr)
            dll_ = LoadLibraryA("WinIo.dll");
        if (dll_ == nullptr)
            return false;
        initialize_ =
            reinterpret_cast<InitFn>(reinterpret_cast<void*>(GetProcAddress(dll_, "InitializeWinIo")));
        shutdown_ = reinterpret_cast<InitFn>(reinterpret_cast<void*>(GetProcAddress(dll_, "ShutdownWinIo")));
        getPortVal_ = reinterpret_cast<GetFn>(reinterpret_cast<void*>(GetProcAddress(dll_, "GetPortVal")));
        setPortVal_ = reinterpret_cast<SetFn>(reinterpret_cast<void*>(GetProcAddress(dll_, "SetPortVal")));
        return initialize_ != nullptr && shutdown_ != nullptr && getPortVal_ != nullptr &&
               setPortVal_ != nullptr;
    }

    HMODULE dll_ = nullptr;
    InitFn initialize_ = nullptr;
    InitFn shutdown_ = nullptr;
    GetFn getPortVal_ = nullptr;
    SetFn setPortVal_ = nullptr;
};

} // namespace

std::unique_ptr<PortLibrary> MakeNativePortLibrary() {
    return std::make_unique<WinIoPortLibrary>();
}

} // namespace tavrel
