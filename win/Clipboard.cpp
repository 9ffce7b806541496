// Handing data to the clipboard.
#include "win/Clipboard.h"

#include <cstring>

namespace win {

UniqueHglobal ClipboardBlock(const void* bytes, std::size_t size, GlobalAllocFn alloc) {
    UniqueHglobal block(alloc(GMEM_MOVEABLE | GMEM_DDESHARE, size));
    if (!block) return block;
    GlobalLockGuard locked(block.get());
    if (!locked.get()) return UniqueHglobal();
    std::memcpy(locked.get(), bytes, size);
    return block;
}

bool PlaceOnClipboard(UINT format, UniqueHglobal block, SetClipboardDataFn set) {
    if (!block || !set(format, block.get())) return false;
    block.release();
    return true;
}

}  // namespace win
