// The main window: two lines of instructions and the four buttons that start everything.
#pragma once

#include <string>
#include <vector>

#include "ui/Form.h"

class TfrmQuorvinMain : public ui::Form {
  public:
    TfrmQuorvinMain();

    // Handlers of the action list.
    // Writes the report to a file that the user picks, says so and closes.
    void acnSaveToFileClickExecute();
    // Puts the report on the clipboard, says so and closes.
    void acnCopyToClipboardClickExecute();
    // Closes the main window, which ends the program.
    void acnExitExecute();

  protected:
    void OnClick(int id) override;

  private:
    // Rebuilds the report from the registry; an empty list means there is nothing to output.
    const std::vector<std::string>& BuildReport();

    // The last report built: one entry per line, in build order, never sorted.
    std::vector<std::string> FReportLines;
};

// The program's one main window, set by the program body.
extern TfrmQuorvinMain* frmQuorvinMain;
