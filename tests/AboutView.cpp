// What the About dialog shows.
#include "tests/AboutView.h"

#include <thread>

#include "about/ZDQBaseCommonAboutForm.h"
#include "resources/WindowNames.h"
#include "tests/support/Driver.h"

namespace aboutview {
namespace {

using Id = T_ZDQBaseCommonAboutForm::ControlId;

ControlView ReadControl(HWND dialog, int id) {
    HWND c = GetDlgItem(dialog, id);
    return ControlView{IsWindowVisible(c) != FALSE, IsWindowEnabled(c) != FALSE,
                       support::RectInParent(c), support::Text(c)};
}

HWND FindVisibleDialog() {
    HWND w = FindWindowA(kAboutClass, nullptr);
    return w && IsWindowVisible(w) ? w : nullptr;
}

}  // namespace

AboutView Read(HWND dialog) {
    AboutView v;
    v.window = dialog;
    v.caption = support::Text(dialog);
    v.client = support::ClientSize(dialog);
    v.image = ReadControl(dialog, Id::idImgAppIcon);
    v.name = ReadControl(dialog, Id::idLblProductName);
    v.version = ReadControl(dialog, Id::idLblProductVersion);
    v.company = ReadControl(dialog, Id::idLblCompanyName);
    v.copyright = ReadControl(dialog, Id::idLblCopyright);
    v.memo = ReadControl(dialog, Id::idMemAppendix);
    v.close = ReadControl(dialog, Id::idBtnClose);
    v.reg = ReadControl(dialog, Id::idBtnJumpToUserRegSite);
    v.contact = ReadControl(dialog, Id::idBtnContactSite);
    LOGFONTA font{};
    GetObjectA(reinterpret_cast<HFONT>(
                   SendMessageA(GetDlgItem(dialog, Id::idLblProductName), WM_GETFONT, 0, 0)),
               sizeof font, &font);
    v.nameBold = font.lfWeight >= FW_BOLD;
    return v;
}

AboutView AboutFixture::Show(TCAboutForm& about, const std::function<void(HWND)>& whileOpen) {
    AboutView view;
    std::thread reader([&] {
        HWND dialog = nullptr;
        support::WaitUntil([&] { return (dialog = FindVisibleDialog()) != nullptr; });
        if (!dialog) return;
        view = Read(dialog);
        whileOpen(dialog);
        if (IsWindowVisible(dialog)) support::Click(GetDlgItem(dialog, Id::idBtnClose));
    });
    about.Execute();
    reader.join();
    return view;
}

void AboutFixture::PumpQueuedMessages() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
}

}  // namespace aboutview
