// The About component.
#include "about/CAboutForm.h"

#include "about/ZDQGUICommonAboutForm.h"
#include "resources/Product.h"
#include "ui/Application.h"

TCAboutForm::TCAboutForm(lib::TComponent* owner) : TComponent(owner) {
    InquiryURL = QUORVIN_INQUIRY_URL;
    RegisterURL = QUORVIN_REGISTER_URL;
    EnableRegSite = true;
    RegSiteButtonVisible = true;
    ContactButtonVisible = true;
    Width = kAboutLayoutWidth;
}

lib::TClass TCAboutForm::StaticClass() {
    return lib::ClassOf<TCAboutForm, lib::TComponent>("TCAboutForm");
}

void TCAboutForm::SetVersionFormat(TVersionFormat format) {
    versionFormat_ = NormaliseVersionFormat(versionFormat_, format);
}

void TCAboutForm::Execute() {
    auto* dialog = ui::Application::Current().CreateOwnedForm<T_ZDQGUICommonAboutForm>();
    // Released on every path; destroyed once the messages already queued are handled.
    struct Release {
        ui::Form* form;
        ~Release() { ui::Application::Current().ReleaseForm(form); }
    } release{dialog};
    dialog->ApplySettings(*this);
    dialog->SetVersionFormat(versionFormat_);
    dialog->ShowModal();
}
