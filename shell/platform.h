// What the window's commands ask of a window system.
#pragma once

#include <string>

namespace zolt {

class RunDetails;

// The four static labels of the main window, by their form names.
enum class LabelId { Label1, Label2, Label3, Label4 };

// What the window's commands need from the window system. The commands are
// written once against this interface; the Qt window on Linux and the native
// window on Windows each implement it, and the tests fake it. Every text is
// UTF-8.
class Platform {
 public:
  virtual ~Platform() = default;

  // Sets the open-file dialog's file-name field to fileName, shows the dialog
  // modally and returns the field as the user left it: the full path of a
  // confirmed file, or after a cancel the preset text unchanged or an empty
  // text. The dialog signals a cancel in no other way.
  virtual std::string ShowOpenDialog(const std::string& fileName) = 0;

  // Shows a modal message with one OK button, no icon and the program's
  // title; detail is a second, smaller text under text (empty for none).
  // Returns when the user has dismissed it.
  virtual void ShowMessage(const std::string& text, const std::string& detail) = 0;

  virtual void SetCaption(LabelId label, const std::string& caption) = 0;
  // A longer text one click away from the label (a tooltip, a details text)
  // that changes neither its caption nor the window's layout; empty for none.
  virtual void SetDetails(LabelId label, const std::string& details) = 0;

  // The link under the status label that opens the details window; an empty
  // text hides it.
  virtual void SetLink(const std::string& text) = 0;
  // The last run changed what the details window shows; an open details
  // window shows details from now on. details lives as long as the commands.
  virtual void ShowRunDetails(const RunDetails& details) = 0;
  // Whether the details window is open: a failed run again from it shows its
  // cause there instead of in a message.
  virtual bool DetailsOpen() const = 0;

  virtual void HideWindow() = 0;
  // Ends the program at once: no further command runs.
  virtual void EndProgram() = 0;
};

}  // namespace zolt
