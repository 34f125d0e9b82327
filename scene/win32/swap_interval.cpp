#include "scene/win32/swap_interval.h"

#include <windows.h>

#include <GL/gl.h>

#include <cstring>

namespace {

using GetExtensionsStringExt = const char*(WINAPI*)();
using SwapIntervalExt = BOOL(WINAPI*)(int);

bool hasExtension(const char* list, const char* name) {
    if (list == nullptr) {
        return false;
    }
    const size_t length = std::strlen(name);
    for (const char* at = std::strstr(list, name); at != nullptr; at = std::strstr(at + 1, name)) {
        const bool startsWord = at == list || at[-1] == ' ';
        const bool endsWord = at[length] == ' ' || at[length] == '\0';
        if (startsWord && endsWord) {
            return true;
        }
    }
    return false;
}

bool offersSwapControl() {
    constexpr char kName[] = "WGL_EXT_swap_control";
    // Drivers list WGL extensions in one or both of these places.
    const auto wglExtensions = reinterpret_cast<GetExtensionsStringExt>(
        reinterpret_cast<void*>(wglGetProcAddress("wglGetExtensionsStringEXT")));
    if (wglExtensions != nullptr && hasExtension(wglExtensions(), kName)) {
        return true;
    }
    return hasExtension(reinterpret_cast<const char*>(glGetString(GL_EXTENSIONS)), kName);
}

}  // namespace

bool requestSwapInterval(int interval) {
    if (!offersSwapControl()) {
        return false;
    }
    const auto swapInterval = reinterpret_cast<SwapIntervalExt>(
        reinterpret_cast<void*>(wglGetProcAddress("wglSwapIntervalEXT")));
    return swapInterval != nullptr && swapInterval(interval) != FALSE;
}
