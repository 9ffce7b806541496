// The object model the library builds on: class values, objects, components and the general
// exception.
//
// A class value (TClass) is a pointer to one static TClassInfo per class: it carries the
// class's own name as the library spells it (never a compiler-mangled name) and its parent,
// so that classes compare by identity and the catalogue can match the exact class. Members
// of the exception family also carry their two virtual constructors there, so an exception
// of any family class can be built from its class value.
#pragma once

#include <exception>
#include <memory>
#include <string>
#include <vector>

class ECException;

namespace lib {

class TObject;

struct TClassInfo {
    const char* name;
    const TClassInfo* parent;
    // Virtual constructors of the exception family (text and catalogue); null elsewhere.
    ::ECException* (*newWithText)(const std::string& text, TObject* object);
    ::ECException* (*newFromCatalogue)();
};
using TClass = const TClassInfo*;

// The class value of Self, whose parent class is Base; one per class, made on first use.
template <class Self, class Base>
TClass ClassOf(const char* name) {
    static const TClassInfo info{name, Base::StaticClass(), nullptr, nullptr};
    return &info;
}

bool InheritsFrom(TClass klass, TClass ancestor);

// The root of every class that has a class value.
class TObject {
  public:
    virtual ~TObject() = default;
    static TClass StaticClass();
    virtual TClass ClassType() const { return StaticClass(); }
    std::string ClassName() const { return ClassType()->name; }
};

// A named object with an owner that destroys it.
class TComponent : public TObject {
  public:
    explicit TComponent(TComponent* owner);
    ~TComponent() override;
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;
    static TClass StaticClass();
    TClass ClassType() const override { return StaticClass(); }

    TComponent* Owner() const { return owner_; }
    std::string Name;

  private:
    TComponent* owner_;
    std::vector<TComponent*> owned_;
};

// The general exception: a message text (and a help-context number nobody reads).
// Every instance is counted, so tests can prove that none is left behind.
//
// The one way to raise an error that a user may see: this class or a member of the EC family
// (ZDQException.h), in Japanese, with the program's text from its table of user texts or the
// library's own. The report catches it and shows it in its plain dialog; anywhere else it
// reaches the standard error box. A broken invariant is a std::logic_error instead, whose
// message the user never sees.
class Exception : public std::exception, public TObject {
  public:
    explicit Exception(std::string message);
    Exception(const Exception& other);
    Exception& operator=(const Exception& other) = default;
    ~Exception() override;
    static TClass StaticClass();
    TClass ClassType() const override { return StaticClass(); }

    const char* what() const noexcept override { return message_.c_str(); }
    const std::string& Message() const { return message_; }
    int HelpContext = 0;

    static long LiveInstances();

  protected:
    void SetMessage(std::string message) { message_ = std::move(message); }

  private:
    std::string message_;
};

// The error for a text that is not an integer.
class EConvertError : public Exception {
  public:
    using Exception::Exception;
    static TClass StaticClass();
    TClass ClassType() const override { return StaticClass(); }
};

// The text as a signed 32-bit decimal integer (an optional sign, then digits); anything else
// raises EConvertError "'<text>' は整数ではありません".
int StrToInt(const std::string& text);

}  // namespace lib
