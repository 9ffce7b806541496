// One owning-handle template for every Win32 handle kind; each kind is a one-line alias.
#pragma once

#include <windows.h>
#include <commctrl.h>

namespace win {

// Handles whose "none" value is null, closed by one function.
template <typename T, auto Close>
struct NullHandleTraits {
    using pointer = T;
    static constexpr pointer Invalid() noexcept { return nullptr; }
    static void Release(pointer h) noexcept { Close(h); }
};

// Kernel handles from CreateFile use INVALID_HANDLE_VALUE for "none".
struct FileHandleTraits {
    using pointer = HANDLE;
    static pointer Invalid() noexcept { return INVALID_HANDLE_VALUE; }
    static void Release(pointer h) noexcept { ::CloseHandle(h); }
};

template <typename Traits>
class UniqueHandle {
  public:
    using pointer = typename Traits::pointer;

    UniqueHandle() noexcept = default;
    explicit UniqueHandle(pointer h) noexcept : handle_(h) {}
    ~UniqueHandle() { reset(); }

    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) reset(other.release());
        return *this;
    }

    pointer get() const noexcept { return handle_; }
    explicit operator bool() const noexcept { return handle_ != Traits::Invalid(); }

    pointer release() noexcept {
        pointer h = handle_;
        handle_ = Traits::Invalid();
        return h;
    }

    void reset(pointer h = Traits::Invalid()) noexcept {
        if (handle_ != Traits::Invalid()) Traits::Release(handle_);
        handle_ = h;
    }

    // For out-parameters: closes what is held and hands out the slot.
    pointer* put() noexcept {
        reset();
        return &handle_;
    }

  private:
    pointer handle_ = Traits::Invalid();
};

inline void DeleteGdiObject(HGDIOBJ h) noexcept {
    ::DeleteObject(h);
}
inline void FreeLocal(HLOCAL h) noexcept {
    ::LocalFree(h);
}
inline void FreeGlobal(HGLOBAL h) noexcept {
    ::GlobalFree(h);
}
inline void DestroyImageList(HIMAGELIST h) noexcept {
    ::ImageList_Destroy(h);
}

using UniqueHkey = UniqueHandle<NullHandleTraits<HKEY, &::RegCloseKey>>;
using UniqueFile = UniqueHandle<FileHandleTraits>;
using UniqueKernelHandle = UniqueHandle<NullHandleTraits<HANDLE, &::CloseHandle>>;
using UniqueHlocal = UniqueHandle<NullHandleTraits<HLOCAL, &FreeLocal>>;
using UniqueHglobal = UniqueHandle<NullHandleTraits<HGLOBAL, &FreeGlobal>>;
using UniqueHfont = UniqueHandle<NullHandleTraits<HFONT, &DeleteGdiObject>>;
using UniqueHbitmap = UniqueHandle<NullHandleTraits<HBITMAP, &DeleteGdiObject>>;
using UniqueHbrush = UniqueHandle<NullHandleTraits<HBRUSH, &DeleteGdiObject>>;
using UniqueHicon = UniqueHandle<NullHandleTraits<HICON, &::DestroyIcon>>;
using UniqueHimagelist = UniqueHandle<NullHandleTraits<HIMAGELIST, &DestroyImageList>>;
using UniqueMemoryDc = UniqueHandle<NullHandleTraits<HDC, &::DeleteDC>>;
using UniqueHwnd = UniqueHandle<NullHandleTraits<HWND, &::DestroyWindow>>;
using UniqueHmodule = UniqueHandle<NullHandleTraits<HMODULE, &::FreeLibrary>>;

}  // namespace win
