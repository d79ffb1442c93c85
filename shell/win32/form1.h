// The main window on Windows, in plain Win32.
#pragma once

#include <windows.h>

#include <array>
#include <memory>
#include <string>

#include "commands.h"
#include "compiler.h"
#include "details_window.h"
#include "platform.h"

namespace zolt {

// The main window on Windows, in plain Win32: four static labels, the menu
// `file` with Open and Exit, and the compiler it owns for its whole life. Its
// commands are the shared Commands; this class only supplies the Windows side
// of them.
class Form1 : private Platform {
 public:
  explicit Form1(HINSTANCE instance);
  Form1(const Form1&) = delete;
  Form1& operator=(const Form1&) = delete;
  ~Form1() override;

  void Show(int showCommand);
  // Lets the window's controls and the details window's take Tab and Enter;
  // true when message was theirs.
  bool TakeDialogMessage(MSG& message);
  // Runs the Open command for path without the dialog.
  void OpenFile(const std::wstring& path);

 private:
  static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void RunCommand(WORD command);
  void OpenDroppedFile(HDROP drop);

  void CreateMenuBar();
  void CreateLabels();
  void CreateDetailsTip();
  void CreateLink();
  void OpenDetails();
  // Pixels at 96 pixels per inch in the screen's own pixels.
  int Scaled(int pixels) const;

  std::string ShowOpenDialog(const std::string& fileName) override;
  void ShowMessage(const std::string& text, const std::string& detail) override;
  void SetCaption(LabelId label, const std::string& caption) override;
  void SetDetails(LabelId label, const std::string& details) override;
  void SetLink(const std::string& text) override;
  void ShowRunDetails(const RunDetails& details) override;
  bool DetailsOpen() const override;
  void HideWindow() override;
  void EndProgram() override;

  HINSTANCE instance_;
  int dpi_;
  HWND window_ = nullptr;
  std::array<HWND, 4> labels_{};
  std::array<HFONT, 4> fonts_{};
  HWND detailsTip_ = nullptr;
  std::wstring details_;
  HWND link_ = nullptr;
  HFONT linkFont_ = nullptr;
  std::unique_ptr<DetailsWindow> detailsWindow_;
  bool ended_ = false;
  Compiler compiler_;
  Commands commands_;
};

}  // namespace zolt
