// The object model the library builds on.
#include "lib/System.h"

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <limits>

namespace lib {
namespace {

std::atomic<long> gLiveExceptions{0};

}  // namespace

bool InheritsFrom(TClass klass, TClass ancestor) {
    for (; klass; klass = klass->parent)
        if (klass == ancestor) return true;
    return false;
}

TClass TObject::StaticClass() {
    static const TClassInfo info{"TObject", nullptr, nullptr, nullptr};
    return &info;
}

TComponent::TComponent(TComponent* owner) : owner_(owner) {
    if (owner_) owner_->owned_.push_back(this);
}

TComponent::~TComponent() {
    // Owned components go first, newest first; each one unlinks itself from this list.
    while (!owned_.empty()) delete owned_.back();
    if (owner_) {
        auto& siblings = owner_->owned_;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
    }
}

TClass TComponent::StaticClass() {
    return ClassOf<TComponent, TObject>("TComponent");
}

Exception::Exception(std::string message) : message_(std::move(message)) {
    ++gLiveExceptions;
}

Exception::Exception(const Exception& other)
    : std::exception(other),
      TObject(other),
      HelpContext(other.HelpContext),
      message_(other.message_) {
    ++gLiveExceptions;
}

Exception::~Exception() {
    --gLiveExceptions;
}

TClass Exception::StaticClass() {
    return ClassOf<Exception, TObject>("Exception");
}

long Exception::LiveInstances() {
    return gLiveExceptions;
}

TClass EConvertError::StaticClass() {
    return ClassOf<EConvertError, Exception>("EConvertError");
}

int StrToInt(const std::string& text) {
    constexpr long long kMagnitudeLimit =
        -static_cast<long long>(std::numeric_limits<std::int32_t>::min());
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    long long value = 0;
    bool digits = i < text.size();
    for (; i < text.size() && digits; ++i) {
        if (text[i] < '0' || text[i] > '9') {
            digits = false;
            break;
        }
        value = value * 10 + (text[i] - '0');
        // Past the largest magnitude any 32-bit integer has: stop before it can overflow.
        if (value > kMagnitudeLimit) digits = false;
    }
    if (negative) value = -value;
    if (!digits || value > std::numeric_limits<std::int32_t>::max() ||
        value < std::numeric_limits<std::int32_t>::min())
        throw EConvertError("'" + text + "' は整数ではありません");
    return static_cast<int>(value);
}

}  // namespace lib
