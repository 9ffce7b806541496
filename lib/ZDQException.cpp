// The library's exception family and its catalogue.
#include "lib/ZDQException.h"

#include "lib/SysText.h"

std::unique_ptr<TCMessageProvider_ZDQException> gExceptionMsgProvider;

namespace {

// The provider's catalogue text for a class, or "" while no provider is installed.
std::string CatalogueText(lib::TClass own, int subId) {
    if (!gExceptionMsgProvider) return std::string();
    return gExceptionMsgProvider->Message(own, TMsgParams{}, subId);
}

}  // namespace

ECException::ECException(lib::TClass own, const std::string& text, lib::TObject* object)
    : lib::Exception(lib::Trim(text).empty() ? CatalogueText(own, 0) : text),
      MsgObject(object),
      MsgBoxFlags(MB_ICONHAND) {}

ECException::ECException(lib::TClass own)
    : lib::Exception(CatalogueText(own, 0)), MsgObject(nullptr), MsgBoxFlags(0) {}

// The class name reads on into the catalogue's "クラスの実装が不完全です" (iSubID 0), which the
// library chose over the variant whose places no caller fills.
ECException::ECException(lib::TClass own, lib::TObject* object)
    : ECException(own, (object ? object->ClassName() : std::string()) + CatalogueText(own, 0),
                  object) {}

lib::TClass ECException::StaticClass() {
    static const lib::TClassInfo info{"ECException", lib::Exception::StaticClass(),
                                      &NewWithText<ECException>, &NewFromCatalogue<ECException>};
    return &info;
}

std::unique_ptr<ECException> NewException(lib::TClass iClass, const std::string& text,
                                          lib::TObject* object) {
    return std::unique_ptr<ECException>(iClass->newWithText(text, object));
}

std::unique_ptr<ECException> NewCatalogueException(lib::TClass iClass) {
    return std::unique_ptr<ECException>(iClass->newFromCatalogue());
}

lib::TClass TCMessageProvider_ZDQException::StaticClass() {
    return lib::ClassOf<TCMessageProvider_ZDQException, TCMessageProvider>(
        "TCMessageProvider_ZDQException");
}

std::string TCMessageProvider_ZDQException::Message(lib::TClass iClass, const TMsgParams&,
                                                    int iSubID) {
    struct Entry {
        lib::TClass klass;
        const char* text;
    };
    const Entry catalogue[] = {
        {ECFormNotPermitted::StaticClass(), "この画面の利用は許可されていません。"},
        {ECPermissionError::StaticClass(), "この操作は認可されていません。"},
        {ECRecordInsertNotAllowed::StaticClass(), "レコードの追加操作は認可されていません。"},
        {ECRecordEditNotAllowed::StaticClass(), "レコードの編集操作は認可されていません。"},
        {ECRecordDeleteNotAllowed::StaticClass(), "レコードの削除操作は認可されていません。"},
        {ECThisConstructorIsDisabled::StaticClass(),
         "このコンストラクタの呼び出しは禁止されています。"},
    };
    for (const Entry& entry : catalogue)
        if (entry.klass == iClass) return entry.text;
    if (iClass == ECIncompleteCode::StaticClass()) {
        switch (iSubID) {
            case 0:
                return "クラスの実装が不完全です";
            case 1:
                return "クラス %s メソッド %s の実装が不完全です。";
            default:
                return std::string();
        }
    }
    if (iClass == ECInternalError::StaticClass()) return "内部エラーです";
    return "プログラムの実行中に未定義のエラーが発生しました。";
}

void InitializeZDQException() {
    if (!gExceptionMsgProvider) gExceptionMsgProvider.reset(new TCMessageProvider_ZDQException);
}

void FinalizeZDQException() {
    gExceptionMsgProvider.reset();
}
