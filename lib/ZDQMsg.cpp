// The message provider base.
#include "lib/ZDQMsg.h"

#include "lib/ZDQFunctions.h"

lib::TClass TCMessageProvider::StaticClass() {
    return lib::ClassOf<TCMessageProvider, lib::TObject>("TCMessageProvider");
}

std::string TCMessageProvider::Message() {
    ReportUnimplementedMethod(*this, "Message");
    return std::string();
}

std::string TCMessageProvider::Message(const TMsgParams&) {
    ReportUnimplementedMethod(*this, "Message(iMsgParams)");
    return std::string();
}

std::string TCMessageProvider::Message(lib::TClass, const TMsgParams&, int) {
    ReportUnimplementedMethod(*this, "Message(iClass, iMsgParams, iSubID)");
    return std::string();
}

std::string TCMessageProvider::Message(const lib::TObject* iObject, const TMsgParams& iMsgParams,
                                       int iSubID) {
    return Message(iObject->ClassType(), iMsgParams, iSubID);
}

std::string TCMessageProvider::Message(std::int64_t, const TMsgParams&) {
    ReportUnimplementedMethod(*this, "Message(iMsgID, iMsgParams)");
    return std::string();
}

std::string TCMessageProvider::LanguageCode() {
    return "JP";
}

std::string TCMessageProvider::LanguageName() {
    return "日本語";
}
