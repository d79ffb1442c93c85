// The Win32 side of the main window: its class, labels, menu, dialog and message box.
#include "form1.h"

#include <commctrl.h>
#include <commdlg.h>
#include <shellapi.h>

#include <cmath>
#include <cwchar>

#include "form1_layout.h"
#include "windows_text.h"

namespace zolt {
namespace {

constexpr wchar_t kWindowClass[] = L"ZoltForm1";
constexpr WORD kOpenCommand = 1;
constexpr WORD kExitCommand = 2;
constexpr WORD kLinkId = 3;
constexpr int kIconResource = 1;
// Room for the longest path Windows can hand back, with its terminator.
constexpr std::size_t kPathCapacity = 32768;
constexpr DWORD kWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

int ScreenDpi() {
  const HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : USER_DEFAULT_SCREEN_DPI;
}

void RegisterWindowClass(HINSTANCE instance, WNDPROC procedure) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = instance;
  windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(kIconResource));
  windowClass.hIconSm = windowClass.hIcon;
  windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = kWindowClass;
  RegisterClassExW(&windowClass);
}

HFONT LabelFont(const LabelLayout& layout, int dpi) {
  LOGFONTW font{};
  font.lfHeight = -static_cast<LONG>(std::lround(layout.points * dpi / 72.0));
  font.lfWeight = FW_NORMAL;
  font.lfCharSet = GB2312_CHARSET;
  const std::wstring family = WideFromUtf8(layout.family);
  std::wcsncpy(font.lfFaceName, family.c_str(), LF_FACESIZE - 1);
  return CreateFontIndirectW(&font);
}

}  // namespace

Form1::Form1(HINSTANCE instance)
    : instance_(instance), dpi_(ScreenDpi()), commands_(compiler_, *this) {
  RegisterWindowClass(instance_, WindowProcedure);
  // The client area has a fixed size; the frame and the menu bar come on top.
  RECT frame{0, 0, Scaled(kClientWidth), Scaled(kClientHeight)};
  AdjustWindowRectEx(&frame, kWindowStyle, TRUE, WS_EX_ACCEPTFILES);
  CreateWindowExW(WS_EX_ACCEPTFILES, kWindowClass, WideFromUtf8(kTitle).c_str(), kWindowStyle,
                  CW_USEDEFAULT, CW_USEDEFAULT, frame.right - frame.left, frame.bottom - frame.top,
                  nullptr, nullptr, instance_, this);
  CreateMenuBar();
  CreateLabels();
  CreateDetailsTip();
  CreateLink();
}

Form1::~Form1() {
  if (window_ != nullptr) DestroyWindow(window_);
  detailsWindow_.reset();
  for (const HFONT font : fonts_) DeleteObject(font);
  if (linkFont_ != nullptr) DeleteObject(linkFont_);
}

void Form1::Show(int showCommand) {
  ShowWindow(window_, showCommand);
  UpdateWindow(window_);
}

int Form1::Scaled(int pixels) const {
  return MulDiv(pixels, dpi_, USER_DEFAULT_SCREEN_DPI);
}

void Form1::CreateMenuBar() {
  const HMENU file = CreatePopupMenu();
  AppendMenuW(file, MF_STRING, kOpenCommand, WideFromUtf8(kOpenCaption).c_str());
  AppendMenuW(file, MF_SEPARATOR, 0, nullptr);  // l1
  AppendMenuW(file, MF_STRING, kExitCommand, WideFromUtf8(kExitCaption).c_str());
  const HMENU bar = CreateMenu();
  AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file),
              WideFromUtf8(kFileMenuCaption).c_str());
  SetMenu(window_, bar);
}

void Form1::CreateLabels() {
  for (const LabelLayout& layout : kLabels) {
    const std::size_t index = static_cast<std::size_t>(layout.id);
    // Centred in its height, like the other windows: a stand-in brush font
    // is taller than the 49-pixel title label.
    labels_[index] =
        CreateWindowExW(0, L"STATIC", WideFromUtf8(layout.caption).c_str(),
                        WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX | SS_CENTERIMAGE | SS_NOTIFY,
                        Scaled(layout.left), Scaled(layout.top), Scaled(layout.width),
                        Scaled(layout.height), window_, nullptr, instance_, nullptr);
    fonts_[index] = LabelFont(layout, dpi_);
    SendMessageW(labels_[index], WM_SETFONT, reinterpret_cast<WPARAM>(fonts_[index]), FALSE);
  }
}

// The status label's details show as its tooltip.
void Form1::CreateDetailsTip() {
  detailsTip_ =
      CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                      WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                      CW_USEDEFAULT, CW_USEDEFAULT, window_, nullptr, instance_, nullptr);
  SendMessageW(detailsTip_, TTM_SETMAXTIPWIDTH, 0, Scaled(480));
  TTTOOLINFOW tool{};
  tool.cbSize = sizeof(tool);
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = window_;
  tool.uId = reinterpret_cast<UINT_PTR>(labels_[static_cast<std::size_t>(LabelId::Label4)]);
  tool.lpszText = details_.data();
  SendMessageW(detailsTip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

// The link lies in the free band between the status label and the maker's
// line, so it covers nothing; it shows only after a run with something to
// show. Tab reaches it and Enter opens it, as a click does.
void Form1::CreateLink() {
  link_ =
      CreateWindowExW(0, WC_LINK, L"", WS_CHILD | WS_TABSTOP, Scaled(kLink.left), Scaled(kLink.top),
                      Scaled(kLink.width), Scaled(kLink.height), window_,
                      reinterpret_cast<HMENU>(static_cast<UINT_PTR>(kLinkId)), instance_, nullptr);
  LOGFONTW font{};
  font.lfHeight = -Scaled(kLink.height - 3);
  font.lfWeight = FW_NORMAL;
  font.lfCharSet = GB2312_CHARSET;
  linkFont_ = CreateFontIndirectW(&font);
  SendMessageW(link_, WM_SETFONT, reinterpret_cast<WPARAM>(linkFont_), FALSE);
}

void Form1::OpenDetails() {
  if (!detailsWindow_) {
    detailsWindow_ =
        std::make_unique<DetailsWindow>(instance_, window_, [this] { commands_.RunAgain(); });
  }
  detailsWindow_->Show(commands_.Details());
  SetForegroundWindow(detailsWindow_->Handle());
}

bool Form1::TakeDialogMessage(MSG& message) {
  if (detailsWindow_ && detailsWindow_->IsOpen() &&
      IsDialogMessageW(detailsWindow_->Handle(), &message)) {
    return true;
  }
  // Only Tab: Enter on the window would send IDOK, which is Open's number.
  return window_ != nullptr && message.message == WM_KEYDOWN && message.wParam == VK_TAB &&
         IsDialogMessageW(window_, &message);
}

LRESULT CALLBACK Form1::WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* form = static_cast<Form1*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    form->window_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
  }
  auto* form = reinterpret_cast<Form1*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (form == nullptr) return DefWindowProcW(window, message, wParam, lParam);
  return form->HandleMessage(window, message, wParam, lParam);
}

LRESULT Form1::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      if (HIWORD(wParam) == 0 && lParam == 0) RunCommand(LOWORD(wParam));
      return 0;
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(lParam);
      if (header->idFrom == kLinkId && (header->code == NM_CLICK || header->code == NM_RETURN)) {
        OpenDetails();
      }
      return 0;
    }
    case WM_DROPFILES:
      OpenDroppedFile(reinterpret_cast<HDROP>(wParam));
      return 0;
    case WM_DESTROY:
      window_ = nullptr;
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(window, message, wParam, lParam);
  }
}

void Form1::RunCommand(WORD command) {
  if (ended_) return;
  if (command == kOpenCommand) commands_.Open();
  if (command == kExitCommand) commands_.Exit();
}

void Form1::OpenDroppedFile(HDROP drop) {
  const UINT length = DragQueryFileW(drop, 0, nullptr, 0);
  std::wstring path(length + 1, L'\0');
  DragQueryFileW(drop, 0, path.data(), length + 1);
  path.resize(length);
  DragFinish(drop);
  if (!path.empty()) OpenFile(path);
}

void Form1::OpenFile(const std::wstring& path) {
  if (!ended_) commands_.OpenFile(Utf8FromWide(path));
}

std::string Form1::ShowOpenDialog(const std::string& fileName) {
  std::wstring field = WideFromUtf8(fileName);
  field.resize(kPathCapacity, L'\0');
  // No filter, no title and no folder of its own: the preset name alone
  // decides which files the dialog lists.
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof(dialog);
  dialog.hwndOwner = window_;
  dialog.lpstrFile = field.data();
  dialog.nMaxFile = static_cast<DWORD>(field.size());
  dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
  // A cancel leaves the field as preset, which the command recognises.
  GetOpenFileNameW(&dialog);
  field.resize(std::wcslen(field.c_str()));
  return Utf8FromWide(field);
}

void Form1::ShowMessage(const std::string& text, const std::string& detail) {
  // A blank line between the headline and its cause, as the Linux box shows them.
  const std::string message = detail.empty() ? text : text + "\n\n" + detail;
  MessageBoxW(window_, WideFromUtf8(message).c_str(), WideFromUtf8(kTitle).c_str(), MB_OK);
}

void Form1::SetCaption(LabelId label, const std::string& caption) {
  SetWindowTextW(labels_[static_cast<std::size_t>(label)], WideFromUtf8(caption).c_str());
}

void Form1::SetDetails(LabelId label, const std::string& details) {
  details_ = WideFromUtf8(details);
  TTTOOLINFOW tool{};
  tool.cbSize = sizeof(tool);
  tool.hwnd = window_;
  tool.uId = reinterpret_cast<UINT_PTR>(labels_[static_cast<std::size_t>(label)]);
  tool.lpszText = details_.data();
  SendMessageW(detailsTip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
}

void Form1::SetLink(const std::string& text) {
  SetWindowTextW(link_, (L"<a>" + WideFromUtf8(text) + L"</a>").c_str());
  ShowWindow(link_, text.empty() ? SW_HIDE : SW_SHOW);
}

void Form1::ShowRunDetails(const RunDetails& details) {
  if (DetailsOpen()) detailsWindow_->Show(details);
}

bool Form1::DetailsOpen() const {
  return detailsWindow_ && detailsWindow_->IsOpen();
}

void Form1::HideWindow() {
  ShowWindow(window_, SW_HIDE);
}

void Form1::EndProgram() {
  // No command runs after this one; the message loop ends at the quit.
  ended_ = true;
  PostQuitMessage(0);
}

}  // namespace zolt
