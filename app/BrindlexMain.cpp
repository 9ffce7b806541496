// The main window and its layout.
#include "app/BrindlexMain.h"

#include <iterator>
#include <memory>

#include "app/Report.h"
#include "app/ReportClipboard.h"
#include "app/ReportFile.h"
#include "app/ReportText.h"
#include "lib/ZDQException.h"
#include "lib/ZDQFunctions.h"
#include "resources/FormFont.h"
#include "resources/Product.h"
#include "resources/ResourceIds.h"
#include "resources/UserTexts.h"
#include "resources/WindowNames.h"
#include "ui/Application.h"
#include "ui/ClickRoutes.h"
#include "ui/SaveDialog.h"
#include "win/ProgramInstance.h"

namespace {

// The labels keep the names the form has always given them; their ids say what they tell.
enum ControlId {
    idLblWhatItDoes = 100,
    idLblChooseOutput,
    idBtnSaveToFile,
    idBtnCopyToClipboard,
    idBtnOpenAboutForm,
    idBtnExit,
};

constexpr ui::FormLayout kLayout = {
    kMainWindowClass,
    kMainWindowCaption,
    521,
    82,
    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN,
    WS_EX_APPWINDOW,
    kFormFont,
    QUORVIN_MAINICON,
};

using ui::ControlKind;

// clang-format off
constexpr ui::ControlRow kControls[] = {
    // name                 id                    kind                 text                                                     left top  width height tab flags               glyph
    {"CLabel1",             idLblWhatItDoes,      ControlKind::Label,  kFirstInstruction,                                       9,  13, 309, 12, -1, ui::kAutoSize,       nullptr},
    {"Label1",              idLblChooseOutput,    ControlKind::Label,  kSecondInstruction,                                      9,  29, 127, 12, -1, ui::kAutoSize,       nullptr},
    {"btnSaveToFile",       idBtnSaveToFile,      ControlKind::Button, kSaveButtonCaption,                                          6,  48, 164, 30,  0, ui::kDefaultButton, QUORVIN_GLYPH_SAVE},
    {"btnCopyToClipboard",  idBtnCopyToClipboard, ControlKind::Button, kCopyButtonCaption,                                        172, 48, 164, 30,  1, ui::kNoFlags,       QUORVIN_GLYPH_CLIPBOARD},
    {"btnOpenAboutForm",    idBtnOpenAboutForm,   ControlKind::Button, kAboutButtonCaption,                                       356, 48,  78, 30,  2, ui::kNoFlags,       QUORVIN_GLYPH_ABOUT},
    {"btnExit",             idBtnExit,            ControlKind::Button, kExitButtonCaption,                                        437, 48,  78, 30,  3, ui::kNoFlags,       QUORVIN_GLYPH_EXIT},
};
// clang-format on

// The buttons run the action handlers through their own click events.
constexpr ui::ClickRoute<TfrmQuorvinMain> kClicks[] = {
    {idBtnSaveToFile, &TfrmQuorvinMain::acnSaveToFileClickExecute},
    {idBtnCopyToClipboard, &TfrmQuorvinMain::acnCopyToClipboardClickExecute},
    {idBtnOpenAboutForm, &TfrmQuorvinMain::acnOpenAboutFormExecute},
    {idBtnExit, &TfrmQuorvinMain::acnExitExecute},
};

const ui::SaveDialogOptions kSaveDialog = {
    kSaveDialogFilter,
    "txt",
    OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY | OFN_ENABLESIZING,
};

// The information message of a finished output, in a box that stays until it is closed.
void Inform(const std::string& text) {
    CExceptionMsg(std::make_unique<ECInformation>(text), -1, false, nullptr, 0, "");
}

// The About component's stored settings. The addresses, the buttons' flags, the width and the
// version format are the ones the component starts with; the texts and the picture are the
// program's.
std::unique_ptr<TCAboutForm> CreateAboutComponent() {
    auto about = std::make_unique<TCAboutForm>(nullptr);
    about->ProductName = QUORVIN_PROGRAM_NAME;
    about->ProductVersion = QUORVIN_VERSION_TEXT;
    about->CompanyName = QUORVIN_COMPANY_NAME;
    about->Copyright = QUORVIN_COPYRIGHT;
    // The 32 x 32 image at 96 DPI; the dialog loads the size its DPI asks for.
    about->Picture.LoadFromResource(win::ProgramInstance(), QUORVIN_ABOUTICON,
                                    ui::kStandardIconSize);
    return about;
}

}  // namespace

TfrmQuorvinMain::TfrmQuorvinMain()
    : ui::Form(kLayout, kControls, std::size(kControls)), cmpAboutForm(CreateAboutComponent()) {}

void TfrmQuorvinMain::OnClick(int id) {
    ui::RouteClick(*this, kClicks, id);
}

void TfrmQuorvinMain::acnSaveToFileClickExecute() {
    // The dialog comes first: the registry is read only for a confirmed file name, so a file
    // the user agreed to overwrite stays untouched when the report comes out empty.
    std::optional<std::wstring> path = ui::AskSaveFileName(Handle(), kSaveDialog);
    // A close asked for while a dialog or box was up ends the work there.
    if (!path || CloseRequested()) return;
    const std::vector<std::wstring>& lines = BuildReport();
    if (lines.empty() || CloseRequested()) return;
    WriteReportFile(*path, ReportText(lines));
    Inform(kSavedMessage);
    Close();
}

void TfrmQuorvinMain::acnCopyToClipboardClickExecute() {
    // Built twice: the first build tells whether there is anything to copy (and shows its
    // error, if any), the second gives the text, read afresh from the registry.
    if (BuildReport().empty() || CloseRequested()) return;
    // The registry may have changed while the first build's message was up: an empty second
    // build has nothing to copy either.
    const std::vector<std::wstring>& lines = BuildReport();
    if (lines.empty() || CloseRequested()) return;
    // The wait for a clipboard that another program holds keeps the window answering; a close
    // meanwhile ends the work there, before the clipboard is touched.
    if (!PutTextOnClipboard(ui::Application::Current().Handle(), ReportText(lines),
                            SystemClipboardCalls(), [this](DWORD ms) { return Pause(ms); }))
        return;
    Hide();
    Inform(kCopiedMessage);
    Close();
}

void TfrmQuorvinMain::acnOpenAboutFormExecute() {
    cmpAboutForm->Execute();
}

void TfrmQuorvinMain::acnExitExecute() {
    Close();
}

const std::vector<std::wstring>& TfrmQuorvinMain::BuildReport() {
    InstalledApplicationsReport report = BuildInstalledApplicationsReport();
    FReportLines = std::move(report.lines);
    // The plain message dialog: no icon, an OK button, the application title.
    if (report.error) {
        ui::Application& app = ui::Application::Current();
        app.ShowMessageBox(*report.error, app.Title(), MB_OK);
    }
    return FReportLines;
}
