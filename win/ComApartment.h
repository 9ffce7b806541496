// A COM apartment for the current thread, entered on first need and left when the guard goes.
#pragma once

namespace win {

// CoInitializeEx / CoUninitialize, from ole32.dll loaded at the first entry: most runs need no
// COM at all, and loading it costs a program's start. Made once around a batch of calls that
// need COM: an apartment per call costs a millisecond or more each time.
class ComApartment {
  public:
    ComApartment() = default;
    ~ComApartment();
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

    // Enters a single-threaded apartment, unless entered already or the thread has one.
    void Enter() noexcept;

  private:
    bool tried_ = false;
    bool initialized_ = false;
};

}  // namespace win
