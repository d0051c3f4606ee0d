#include "settings/default_tray_icon_win32.h"

#include <windows.h>

namespace tq {

Bytes default_tray_icon() {
    const HMODULE module = GetModuleHandleA(nullptr);
    // Resource handles belong to the module and are never freed.
    const HRSRC found = FindResourceA(module, kDefaultTrayIconResource, RT_RCDATA);
    if (!found) return {};
    const HGLOBAL loaded = LoadResource(module, found);
    const DWORD size = SizeofResource(module, found);
    const void* data = loaded ? LockResource(loaded) : nullptr;
    if (!data || size == 0) return {};
    return Bytes(static_cast<const char*>(data), size);
}

}  // namespace tq
