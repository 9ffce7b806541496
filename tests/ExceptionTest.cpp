// The exception family, its catalogue and the library's start-up objects.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "lib/ZDQClasses.h"
#include "lib/ZDQException.h"
#include "lib/ZDQGlobalVars.h"
#include "lib/ZDQStdApps.h"
#include "lib/ZDQUnits.h"

namespace {

const std::string kGeneral = "プログラムの実行中に未定義のエラーが発生しました。";

class Catalogue : public ::testing::Test {
  protected:
    LibraryUnits units;

    std::string Text(lib::TClass klass, int subId = 0, const TMsgParams& params = {}) {
        return gExceptionMsgProvider->Message(klass, params, subId);
    }
};

TEST_F(Catalogue, GivesEachClassItsOwnTextByExactClass) {
    EXPECT_EQ(Text(ECFormNotPermitted::StaticClass()), "この画面の利用は許可されていません。");
    EXPECT_EQ(Text(ECPermissionError::StaticClass()), "この操作は認可されていません。");
    EXPECT_EQ(Text(ECRecordInsertNotAllowed::StaticClass()),
              "レコードの追加操作は認可されていません。");
    EXPECT_EQ(Text(ECRecordEditNotAllowed::StaticClass()),
              "レコードの編集操作は認可されていません。");
    EXPECT_EQ(Text(ECRecordDeleteNotAllowed::StaticClass()),
              "レコードの削除操作は認可されていません。");
    EXPECT_EQ(Text(ECThisConstructorIsDisabled::StaticClass()),
              "このコンストラクタの呼び出しは禁止されています。");
    EXPECT_EQ(Text(ECInternalError::StaticClass(), 5, {std::string("x"), std::int64_t{1}}),
              "内部エラーです");
    // A class inherits no text from its base.
    for (lib::TClass general :
         {ECException::StaticClass(), ECDialogCtl::StaticClass(), ECInformation::StaticClass(),
          ECRuntimeError::StaticClass(), TCMPObject::StaticClass()})
        EXPECT_EQ(Text(general), kGeneral) << general->name;
}

TEST_F(Catalogue, ChoosesTheIncompleteCodeTextBySubId) {
    EXPECT_EQ(Text(ECIncompleteCode::StaticClass(), 0), "クラスの実装が不完全です");
    EXPECT_EQ(Text(ECIncompleteCode::StaticClass(), 1),
              "クラス %s メソッド %s の実装が不完全です。");
    EXPECT_EQ(Text(ECIncompleteCode::StaticClass(), 2), "");
}

TEST_F(Catalogue, LooksUpAnObjectByItsClass) {
    ECPermissionError error("x");
    EXPECT_EQ(gExceptionMsgProvider->Message(&error, TMsgParams{}, 0),
              "この操作は認可されていません。");
}

TEST_F(Catalogue, SpeaksJapanese) {
    TCMessageProvider base;
    for (TCMessageProvider* provider :
         {&base, static_cast<TCMessageProvider*>(gExceptionMsgProvider.get())}) {
        EXPECT_EQ(provider->LanguageCode(), "JP");
        EXPECT_EQ(provider->LanguageName(), "日本語");
    }
}

TEST_F(Catalogue, ClassesCarryTheLibrarysNamesAndAncestry) {
    EXPECT_EQ(ECRecordEditNotAllowed().ClassName(), "ECRecordEditNotAllowed");
    EXPECT_EQ(gExceptionMsgProvider->ClassName(), "TCMessageProvider_ZDQException");
    EXPECT_EQ(gMPObject->ClassName(), "TCMPObject_StdApps");
    EXPECT_TRUE(
        lib::InheritsFrom(ECRecordEditNotAllowed::StaticClass(), ECPermissionError::StaticClass()));
    EXPECT_TRUE(
        lib::InheritsFrom(ECFormNotPermitted::StaticClass(), lib::Exception::StaticClass()));
    EXPECT_TRUE(lib::InheritsFrom(ECThisConstructorIsDisabled::StaticClass(),
                                  ECIncompleteCode::StaticClass()));
    EXPECT_FALSE(
        lib::InheritsFrom(ECPermissionError::StaticClass(), ECRecordEditNotAllowed::StaticClass()));
    // The C++ classes follow the same tree, so handlers catch by base class.
    EXPECT_NE(dynamic_cast<ECDialogCtl*>(std::make_unique<ECInformation>("i").get()), nullptr);
}

using Constructors = Catalogue;

TEST_F(Constructors, TextConstructorKeepsTheTextUntrimmed) {
    ECInternalError e("  something happened \t");
    EXPECT_STREQ(e.what(), "  something happened \t");
    EXPECT_EQ(e.MsgBoxFlags, static_cast<UINT>(MB_ICONHAND));
    EXPECT_EQ(e.MsgObject, nullptr);
}

TEST_F(Constructors, BlankTextTakesTheCatalogueText) {
    EXPECT_STREQ(ECInternalError("").what(), "内部エラーです");
    EXPECT_STREQ(ECInternalError(" \t\r\n").what(), "内部エラーです");
    // Ideographic spaces are text for the constructors.
    EXPECT_STREQ(ECInternalError("　　").what(), "　　");
}

TEST_F(Constructors, InformationAsksForTheInformationIcon) {
    ECInformation empty("");
    EXPECT_EQ(empty.Message(), kGeneral);
    EXPECT_EQ(empty.MsgBoxFlags, static_cast<UINT>(MB_ICONINFORMATION));
    EXPECT_EQ(ECInformation("保存しました").MsgBoxFlags, static_cast<UINT>(MB_ICONINFORMATION));
}

TEST_F(Constructors, CatalogueConstructorShowsNoIcon) {
    ECThisConstructorIsDisabled e;
    EXPECT_STREQ(e.what(), "このコンストラクタの呼び出しは禁止されています。");
    EXPECT_EQ(e.MsgBoxFlags, 0u);
    EXPECT_EQ(ECInformation().MsgBoxFlags, 0u);
    EXPECT_EQ(ECInformation().Message(), kGeneral);
}

TEST_F(Constructors, ObjectConstructorStartsWithTheObjectsClassName) {
    TCMPObject presenter(nullptr);
    ECIncompleteCode e(&presenter);
    EXPECT_EQ(e.Message().rfind("TCMPObject", 0), 0u) << e.Message();
    EXPECT_EQ(e.Message(), "TCMPObjectクラスの実装が不完全です");
    EXPECT_EQ(e.MsgBoxFlags, static_cast<UINT>(MB_ICONHAND));
    EXPECT_EQ(e.MsgObject, &presenter);
}

TEST_F(Constructors, BuildAnyFamilyClassFromItsClassValue) {
    for (lib::TClass klass :
         {ECException::StaticClass(), ECPermissionError::StaticClass(),
          ECRecordInsertNotAllowed::StaticClass(), ECRecordEditNotAllowed::StaticClass(),
          ECRecordDeleteNotAllowed::StaticClass(), ECDialogCtl::StaticClass(),
          ECInformation::StaticClass(), ECIncompleteCode::StaticClass(),
          ECThisConstructorIsDisabled::StaticClass(), ECInternalError::StaticClass(),
          ECRuntimeError::StaticClass(), ECFormNotPermitted::StaticClass()}) {
        std::unique_ptr<ECException> byText = NewException(klass, "");
        EXPECT_EQ(byText->ClassType(), klass);
        EXPECT_EQ(byText->Message(), Text(klass)) << klass->name;
        std::unique_ptr<ECException> byCatalogue = NewCatalogueException(klass);
        EXPECT_EQ(byCatalogue->ClassType(), klass);
        EXPECT_EQ(byCatalogue->MsgBoxFlags, 0u) << klass->name;
    }
    // The information class's own text constructor is the one that runs.
    EXPECT_EQ(NewException(ECInformation::StaticClass(), "i")->MsgBoxFlags,
              static_cast<UINT>(MB_ICONINFORMATION));
}

TEST_F(Constructors, CountEveryLiveException) {
    long before = lib::Exception::LiveInstances();
    {
        ECInformation a("a");
        ECInformation b = a;
        EXPECT_EQ(lib::Exception::LiveInstances(), before + 2);
    }
    try {
        throw ECInternalError("thrown");
    } catch (const ECException&) {
        EXPECT_GT(lib::Exception::LiveInstances(), before);
    }
    EXPECT_EQ(lib::Exception::LiveInstances(), before);
}

TEST(LibraryUnitsLifetime, CreateTheSharedObjectsAtStartAndFreeThemAtShutdown) {
    EXPECT_EQ(gExceptionMsgProvider, nullptr);
    EXPECT_EQ(gMPObject, nullptr);
    EXPECT_EQ(gWinUtility, nullptr);
    {
        LibraryUnits units;
        ASSERT_NE(gExceptionMsgProvider, nullptr);
        ASSERT_NE(gMPObject, nullptr);
        ASSERT_NE(gWinUtility, nullptr);
        EXPECT_EQ(gMPObject->ClassType(), TCMPObject_StdApps::StaticClass());
    }
    EXPECT_EQ(gExceptionMsgProvider, nullptr);
    EXPECT_EQ(gMPObject, nullptr);
    EXPECT_EQ(gWinUtility, nullptr);
}

TEST(LibraryUnitsLifetime, KeepAPresenterThatAnEarlierUnitInstalled) {
    gMPObject.reset(new TCMPObject(nullptr));
    TCMPObject* own = gMPObject.get();
    {
        LibraryUnits units;
        EXPECT_EQ(gMPObject.get(), own);
    }
    EXPECT_EQ(gMPObject, nullptr);
}

}  // namespace
