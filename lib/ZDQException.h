// The library's exception family and the catalogue that gives each class its default text.
//
// Every family class is declared through ECClass<Self, Base>, which gives it its class value
// and its three constructors: the text constructor (text, object), the catalogue constructor
// (no arguments) and the object constructor (object). The first two are also reachable from a
// class value (NewException, NewCatalogueException): the virtual constructors.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "lib/System.h"
#include "lib/ZDQMsg.h"

class ECException : public lib::Exception {
  public:
    // Text constructor: a blank text (only bytes 0 to 32) takes the catalogue text instead.
    explicit ECException(const std::string& text, lib::TObject* object = nullptr)
        : ECException(StaticClass(), text, object) {}
    // Catalogue constructor: the catalogue text, no object, no icon.
    ECException() : ECException(StaticClass()) {}
    // Object constructor: the object's class name followed by the catalogue text.
    explicit ECException(lib::TObject* object) : ECException(StaticClass(), object) {}

    static lib::TClass StaticClass();
    lib::TClass ClassType() const override { return StaticClass(); }

    lib::TObject* MsgObject = nullptr;  // not owned; nothing reads it
    UINT MsgBoxFlags = MB_ICONHAND;     // style of the box that shows this exception

  protected:
    // The constructors proper, told the class of the object being built (the most derived).
    ECException(lib::TClass own, const std::string& text, lib::TObject* object);
    explicit ECException(lib::TClass own);
    ECException(lib::TClass own, lib::TObject* object);
};

template <class Self>
ECException* NewWithText(const std::string& text, lib::TObject* object) {
    return new Self(text, object);
}

template <class Self>
ECException* NewFromCatalogue() {
    return new Self();
}

template <class Self, class Base>
class ECClass : public Base {
  public:
    explicit ECClass(const std::string& text, lib::TObject* object = nullptr)
        : Base(Self::StaticClass(), text, object) {}
    ECClass() : Base(Self::StaticClass()) {}
    explicit ECClass(lib::TObject* object) : Base(Self::StaticClass(), object) {}

    static lib::TClass StaticClass() {
        static const lib::TClassInfo info{Self::kClassName, Base::StaticClass(), &NewWithText<Self>,
                                          &NewFromCatalogue<Self>};
        return &info;
    }
    lib::TClass ClassType() const override { return StaticClass(); }

  protected:
    ECClass(lib::TClass own, const std::string& text, lib::TObject* object)
        : Base(own, text, object) {}
    explicit ECClass(lib::TClass own) : Base(own) {}
    ECClass(lib::TClass own, lib::TObject* object) : Base(own, object) {}
};

// clang-format off
struct ECPermissionError : ECClass<ECPermissionError, ECException> { using ECClass::ECClass; static constexpr const char* kClassName = "ECPermissionError"; };
struct ECRecordInsertNotAllowed : ECClass<ECRecordInsertNotAllowed, ECPermissionError> { using ECClass::ECClass; static constexpr const char* kClassName = "ECRecordInsertNotAllowed"; };
struct ECRecordEditNotAllowed : ECClass<ECRecordEditNotAllowed, ECPermissionError> { using ECClass::ECClass; static constexpr const char* kClassName = "ECRecordEditNotAllowed"; };
struct ECRecordDeleteNotAllowed : ECClass<ECRecordDeleteNotAllowed, ECPermissionError> { using ECClass::ECClass; static constexpr const char* kClassName = "ECRecordDeleteNotAllowed"; };
struct ECDialogCtl : ECClass<ECDialogCtl, ECException> { using ECClass::ECClass; static constexpr const char* kClassName = "ECDialogCtl"; };
struct ECIncompleteCode : ECClass<ECIncompleteCode, ECException> { using ECClass::ECClass; static constexpr const char* kClassName = "ECIncompleteCode"; };
struct ECThisConstructorIsDisabled : ECClass<ECThisConstructorIsDisabled, ECIncompleteCode> { using ECClass::ECClass; static constexpr const char* kClassName = "ECThisConstructorIsDisabled"; };
struct ECInternalError : ECClass<ECInternalError, ECException> { using ECClass::ECClass; static constexpr const char* kClassName = "ECInternalError"; };
struct ECRuntimeError : ECClass<ECRuntimeError, ECException> { using ECClass::ECClass; static constexpr const char* kClassName = "ECRuntimeError"; };
struct ECFormNotPermitted : ECClass<ECFormNotPermitted, ECRuntimeError> { using ECClass::ECClass; static constexpr const char* kClassName = "ECFormNotPermitted"; };
// clang-format on

// Information shown to the user: its text constructor asks for the information icon.
struct ECInformation : ECClass<ECInformation, ECDialogCtl> {
    static constexpr const char* kClassName = "ECInformation";
    explicit ECInformation(const std::string& text, lib::TObject* object = nullptr)
        : ECClass(StaticClass(), text, object) {
        MsgBoxFlags = MB_ICONINFORMATION;
    }
    ECInformation() : ECClass() {}
    explicit ECInformation(lib::TObject* object) : ECClass(object) {}
};

// The virtual constructors: an exception of the class that the class value names.
std::unique_ptr<ECException> NewException(lib::TClass iClass, const std::string& text,
                                          lib::TObject* object = nullptr);
std::unique_ptr<ECException> NewCatalogueException(lib::TClass iClass);

// The Japanese catalogue of the exception family, matched by exact class.
class TCMessageProvider_ZDQException : public TCMessageProvider {
  public:
    static lib::TClass StaticClass();
    lib::TClass ClassType() const override { return StaticClass(); }

    using TCMessageProvider::Message;
    std::string Message(lib::TClass iClass, const TMsgParams& iMsgParams, int iSubID) override;
};

// The process-wide catalogue provider, from the unit's start-up to its shutdown.
extern std::unique_ptr<TCMessageProvider_ZDQException> gExceptionMsgProvider;

void InitializeZDQException();
void FinalizeZDQException();
