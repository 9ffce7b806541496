// The main window: two lines of instructions and the four buttons that start everything.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "about/CAboutForm.h"
#include "ui/Form.h"

class TfrmQuorvinMain : public ui::Form {
  public:
    TfrmQuorvinMain();

    // What the four buttons run.
    // Writes the report to a file that the user picks, says so and closes.
    void acnSaveToFileClickExecute();
    // Puts the report on the clipboard, says so and closes.
    void acnCopyToClipboardClickExecute();
    // Shows the About dialog; the window and its report stay as they are.
    void acnOpenAboutFormExecute();
    // Closes the main window, which ends the program.
    void acnExitExecute();

  protected:
    void OnClick(int id) override;

  private:
    // Carries the About facts and shows the About dialog.
    std::unique_ptr<TCAboutForm> cmpAboutForm;
    // Rebuilds the report from the registry and shows the error that stopped the build, if
    // one did; an empty list means there is nothing to output.
    const std::vector<std::wstring>& BuildReport();

    // The lines of the latest build, which BuildReport hands to its caller: one entry per
    // line, in build order, never sorted; UTF-16, as the names are in the registry.
    std::vector<std::wstring> FReportLines;
};
