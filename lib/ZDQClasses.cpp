// The message presenter base.
#include "lib/ZDQClasses.h"

#include "lib/ZDQException.h"

lib::TClass TCMPObject::StaticClass() {
    return lib::ClassOf<TCMPObject, lib::TComponent>("TCMPObject");
}

std::string TCMPObject::GetDefaultCaption() {
    throw ECIncompleteCode(this);
}

void TCMPObject::TimerTick(lib::TObject*) {
    throw ECIncompleteCode(this);
}

int TCMPObject::ShowMsgBox(const std::exception&) {
    throw ECIncompleteCode(this);
}
