// The message provider: turns a key (a class, an object or a number) and parameters into a
// message text in one language.
#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "lib/System.h"

using TMsgParam = std::variant<std::int64_t, std::string>;
using TMsgParams = std::vector<TMsgParam>;

// A provider overrides the lookups it serves; each one it leaves alone reports itself to the
// user as unimplemented and answers with an empty text.
class TCMessageProvider : public lib::TObject {
  public:
    static lib::TClass StaticClass();
    lib::TClass ClassType() const override { return StaticClass(); }

    virtual std::string Message();
    virtual std::string Message(const TMsgParams& iMsgParams);
    virtual std::string Message(lib::TClass iClass, const TMsgParams& iMsgParams, int iSubID);
    // The lookup by class, for the object's own class.
    virtual std::string Message(const lib::TObject* iObject, const TMsgParams& iMsgParams,
                                int iSubID);
    virtual std::string Message(std::int64_t iMsgID, const TMsgParams& iMsgParams);
    virtual std::string LanguageCode();
    virtual std::string LanguageName();
};
