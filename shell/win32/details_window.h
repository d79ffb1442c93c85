// The details window on Windows: the last run's diagnostics, the listing
// around the selected one, and a run again on each save of the source.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace zolt {

class RunDetails;

// One non-modal window beside Form1 that draws a RunDetails. While it is
// open it watches the source's folder and asks for a run again when the
// source's time or size changes.
class DetailsWindow {
 public:
  DetailsWindow(HINSTANCE instance, HWND owner, std::function<void()> runAgain);
  DetailsWindow(const DetailsWindow&) = delete;
  DetailsWindow& operator=(const DetailsWindow&) = delete;
  ~DetailsWindow();

  // Draws details (they stay alive until the next call) and shows the window.
  void Show(const RunDetails& details);
  bool IsOpen() const;
  HWND Handle() const { return window_; }

 private:
  static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void CreateControls();
  void Layout();
  void ShowExcerpt();
  void CopySelected() const;
  void Watch();
  void StopWatching();
  void CheckSource();

  HINSTANCE instance_;
  HWND window_ = nullptr;
  HWND failure_ = nullptr;
  HWND list_ = nullptr;
  HWND excerpt_ = nullptr;
  HWND openListing_ = nullptr;
  HWND again_ = nullptr;
  HFONT fixedFont_ = nullptr;
  std::function<void()> runAgain_;
  const RunDetails* details_ = nullptr;
  HANDLE change_ = INVALID_HANDLE_VALUE;
  std::wstring watched_;
  FILETIME seen_{};
  ULONGLONG seenSize_ = 0;
};

}  // namespace zolt
