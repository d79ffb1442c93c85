// The Win32 side of the details window: a list, an excerpt, two buttons, a watch.
#include "details_window.h"

#include <commctrl.h>
#include <shellapi.h>

#include <cstring>
#include <vector>

#include "catalog.h"
#include "run_details.h"
#include "windows_text.h"

namespace zolt {
namespace {

constexpr wchar_t kWindowClass[] = L"ZoltDetails";
// Clear of IDOK and IDCANCEL, which Enter and Esc send.
constexpr UINT_PTR kOpenListingId = 101;
constexpr UINT_PTR kAgainId = 102;
constexpr UINT_PTR kListId = 103;
// How often the folder's change notification is looked at, and how long a
// save is left to settle before the run.
constexpr UINT_PTR kWatchTimer = 1;
constexpr UINT kWatchMilliseconds = 250;
constexpr int kClipboardTries = 10;
constexpr DWORD kClipboardWaitMilliseconds = 20;
constexpr int kMargin = 8;
constexpr int kButtonWidth = 120;
constexpr int kButtonHeight = 26;
constexpr int kFailureHeight = 36;

std::wstring Wide(const std::string& text) {
  return WideFromUtf8(text);
}

// The listing is written in the run's bytes: UTF-8 when it is valid UTF-8,
// else the system's code page, as the source was.
std::wstring ListingText(const std::string& bytes) {
  std::string crlf;
  for (const char c : bytes) {
    if (c == '\n') crlf += '\r';
    crlf += c;
  }
  const int size = static_cast<int>(crlf.size());
  UINT codePage = CP_UTF8;
  if (MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, crlf.data(), size, nullptr, 0) == 0) {
    codePage = CP_ACP;
  }
  std::wstring text(MultiByteToWideChar(codePage, 0, crlf.data(), size, nullptr, 0), L'\0');
  MultiByteToWideChar(codePage, 0, crlf.data(), size, text.data(), static_cast<int>(text.size()));
  return text;
}

bool FileState(const std::wstring& path, FILETIME& time, ULONGLONG& size) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) return false;
  time = data.ftLastWriteTime;
  size = (static_cast<ULONGLONG>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
  return true;
}

void AddColumn(HWND list, int index, const char* heading, int width) {
  const std::wstring text = Wide(Tr(heading));
  LVCOLUMNW column{};
  column.mask = LVCF_TEXT | LVCF_WIDTH;
  column.pszText = const_cast<wchar_t*>(text.c_str());
  column.cx = width;
  SendMessageW(list, LVM_INSERTCOLUMNW, index, reinterpret_cast<LPARAM>(&column));
}

void SetCell(HWND list, int item, int column, const std::wstring& text) {
  LVITEMW cell{};
  cell.iSubItem = column;
  cell.pszText = const_cast<wchar_t*>(text.c_str());
  SendMessageW(list, LVM_SETITEMTEXTW, item, reinterpret_cast<LPARAM>(&cell));
}

}  // namespace

DetailsWindow::DetailsWindow(HINSTANCE instance, HWND owner, std::function<void()> runAgain)
    : instance_(instance), runAgain_(std::move(runAgain)) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.lpfnWndProc = WindowProcedure;
  windowClass.hInstance = instance_;
  windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = kWindowClass;
  RegisterClassExW(&windowClass);
  CreateWindowExW(0, kWindowClass, Wide(Tr(kDetailsTitle)).c_str(), WS_OVERLAPPEDWINDOW,
                  CW_USEDEFAULT, CW_USEDEFAULT, 720, 480, owner, nullptr, instance_, this);
  CreateControls();
  Layout();
}

DetailsWindow::~DetailsWindow() {
  StopWatching();
  if (window_ != nullptr) DestroyWindow(window_);
  if (fixedFont_ != nullptr) DeleteObject(fixedFont_);
}

void DetailsWindow::CreateControls() {
  const HFONT font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  auto child = [&](const wchar_t* type, const std::wstring& text, DWORD style, UINT_PTR id) {
    const HWND control =
        CreateWindowExW(0, type, text.c_str(), WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0, window_,
                        reinterpret_cast<HMENU>(id), instance_, nullptr);
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return control;
  };
  failure_ = child(L"STATIC", L"", SS_LEFT | SS_NOPREFIX, 0);
  list_ =
      child(WC_LISTVIEWW, L"", WS_BORDER | WS_TABSTOP | LVS_REPORT | LVS_SHOWSELALWAYS, kListId);
  SendMessageW(list_, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_FULLROWSELECT);
  AddColumn(list_, 0, kDetailsColumns[0], 50);
  AddColumn(list_, 1, kDetailsColumns[1], 40);
  AddColumn(list_, 2, kDetailsColumns[2], 70);
  AddColumn(list_, 3, kDetailsColumns[3], 520);
  excerpt_ = child(L"EDIT", L"",
                   WS_BORDER | WS_TABSTOP | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE | ES_READONLY |
                       ES_AUTOHSCROLL | ES_AUTOVSCROLL,
                   0);
  fixedFont_ = CreateFontW(-13, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0, 0, 0,
                           FIXED_PITCH | FF_MODERN, L"Consolas");
  SendMessageW(excerpt_, WM_SETFONT, reinterpret_cast<WPARAM>(fixedFont_), FALSE);
  openListing_ =
      child(L"BUTTON", Wide(Tr(kOpenListingCaption)), WS_TABSTOP | BS_PUSHBUTTON, kOpenListingId);
  again_ = child(L"BUTTON", Wide(Tr(kRunAgainCaption)), WS_TABSTOP | BS_PUSHBUTTON, kAgainId);
}

void DetailsWindow::Layout() {
  RECT client{};
  GetClientRect(window_, &client);
  const int width = client.right - 2 * kMargin;
  const bool failed = details_ != nullptr && !details_->Failure().empty();
  int top = kMargin;
  MoveWindow(failure_, kMargin, top, width, failed ? kFailureHeight : 0, TRUE);
  ShowWindow(failure_, failed ? SW_SHOW : SW_HIDE);
  if (failed) top += kFailureHeight + kMargin;
  const int buttonsTop = client.bottom - kMargin - kButtonHeight;
  const int room = buttonsTop - kMargin - top;
  const int listHeight = room * 3 / 5;
  MoveWindow(list_, kMargin, top, width, listHeight, TRUE);
  MoveWindow(excerpt_, kMargin, top + listHeight + kMargin, width, room - listHeight - kMargin,
             TRUE);
  MoveWindow(again_, client.right - kMargin - kButtonWidth, buttonsTop, kButtonWidth, kButtonHeight,
             TRUE);
  MoveWindow(openListing_, client.right - 2 * (kMargin + kButtonWidth), buttonsTop, kButtonWidth,
             kButtonHeight, TRUE);
}

void DetailsWindow::Show(const RunDetails& details) {
  details_ = &details;
  SetWindowTextW(failure_, Wide(details.Failure()).c_str());
  SendMessageW(list_, WM_SETREDRAW, FALSE, 0);
  SendMessageW(list_, LVM_DELETEALLITEMS, 0, 0);
  const std::vector<DetailsRow>& rows = details.Rows();
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const DetailsRow& row = rows[i];
    const std::wstring line = row.line > 0 ? std::to_wstring(row.line) : L"";
    LVITEMW item{};
    item.mask = LVIF_TEXT | LVIF_PARAM | LVIF_INDENT;
    item.iItem = static_cast<int>(i);
    item.pszText = const_cast<wchar_t*>(line.c_str());
    item.lParam = static_cast<LPARAM>(i);
    // A note stands indented under its entry.
    item.iIndent = row.note ? 1 : 0;
    const int index =
        static_cast<int>(SendMessageW(list_, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
    SetCell(list_, index, 1, row.column > 0 ? std::to_wstring(row.column) : L"");
    SetCell(list_, index, 2, Wide(row.kind));
    SetCell(list_, index, 3, (row.note ? L"    " : L"") + Wide(row.cause));
  }
  SendMessageW(list_, WM_SETREDRAW, TRUE, 0);
  if (!rows.empty()) {
    LVITEMW first{};
    first.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    first.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(list_, LVM_SETITEMSTATE, 0, reinterpret_cast<LPARAM>(&first));
  }
  ShowExcerpt();
  Layout();
  Watch();
  ShowWindow(window_, SW_SHOW);
}

bool DetailsWindow::IsOpen() const {
  return window_ != nullptr && IsWindowVisible(window_);
}

void DetailsWindow::ShowExcerpt() {
  const int item = static_cast<int>(SendMessageW(list_, LVM_GETNEXTITEM, -1, LVNI_FOCUSED));
  std::string excerpt;
  if (details_ != nullptr && item >= 0) excerpt = details_->Excerpt(static_cast<std::size_t>(item));
  SetWindowTextW(excerpt_, ListingText(excerpt).c_str());
}

// The selected rows in the command line's form, on the clipboard.
void DetailsWindow::CopySelected() const {
  if (details_ == nullptr) return;
  std::vector<std::size_t> rows;
  for (int item = -1;
       (item = static_cast<int>(SendMessageW(list_, LVM_GETNEXTITEM, item, LVNI_SELECTED))) >= 0;) {
    rows.push_back(static_cast<std::size_t>(item));
  }
  const std::wstring text = ListingText(details_->CopyText(rows));
  // Another program (a clipboard viewer, say) may hold the clipboard for a
  // moment.
  int tries = 0;
  while (!OpenClipboard(window_)) {
    if (++tries == kClipboardTries) return;
    Sleep(kClipboardWaitMilliseconds);
  }
  EmptyClipboard();
  const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
  if (const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes)) {
    std::memcpy(GlobalLock(memory), text.c_str(), bytes);
    GlobalUnlock(memory);
    if (SetClipboardData(CF_UNICODETEXT, memory) == nullptr) GlobalFree(memory);
  }
  CloseClipboard();
}

// The folder is watched, not the file: an editor that saves by writing a new
// file and renaming it over the old one leaves no file to watch.
void DetailsWindow::Watch() {
  const std::wstring path = Wide(details_->SourcePath());
  if (path != watched_) {
    StopWatching();
    watched_ = path;
    std::wstring folder = path.substr(0, path.find_last_of(L"\\/") + 1);
    if (folder.empty()) folder = L".";
    change_ = FindFirstChangeNotificationW(
        folder.c_str(), FALSE,
        FILE_NOTIFY_CHANGE_LAST_WRITE | FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_SIZE);
    SetTimer(window_, kWatchTimer, kWatchMilliseconds, nullptr);
  }
  FileState(watched_, seen_, seenSize_);
}

void DetailsWindow::StopWatching() {
  if (window_ != nullptr) KillTimer(window_, kWatchTimer);
  if (change_ != INVALID_HANDLE_VALUE) FindCloseChangeNotification(change_);
  change_ = INVALID_HANDLE_VALUE;
  watched_.clear();
}

void DetailsWindow::CheckSource() {
  if (change_ == INVALID_HANDLE_VALUE || WaitForSingleObject(change_, 0) != WAIT_OBJECT_0) return;
  FindNextChangeNotification(change_);
  FILETIME time{};
  ULONGLONG size = 0;
  if (!FileState(watched_, time, size)) return;
  if (CompareFileTime(&time, &seen_) == 0 && size == seenSize_) return;
  runAgain_();
}

LRESULT CALLBACK DetailsWindow::WindowProcedure(HWND window, UINT message, WPARAM wParam,
                                                LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* details =
        static_cast<DetailsWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    details->window_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(details));
  }
  auto* details = reinterpret_cast<DetailsWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (details == nullptr) return DefWindowProcW(window, message, wParam, lParam);
  return details->HandleMessage(window, message, wParam, lParam);
}

LRESULT DetailsWindow::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SIZE:
      Layout();
      return 0;
    case WM_TIMER:
      if (wParam == kWatchTimer) CheckSource();
      return 0;
    case WM_COMMAND:
      if (LOWORD(wParam) == kAgainId) runAgain_();
      if (LOWORD(wParam) == IDCANCEL) SendMessageW(window, WM_CLOSE, 0, 0);
      if (LOWORD(wParam) == kOpenListingId && details_ != nullptr) {
        ShellExecuteW(window_, L"open", Wide(details_->ListingPath()).c_str(), nullptr, nullptr,
                      SW_SHOWNORMAL);
      }
      return 0;
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(lParam);
      if (header->idFrom != kListId) break;
      if (header->code == LVN_ITEMCHANGED) ShowExcerpt();
      const auto* key = reinterpret_cast<const NMLVKEYDOWN*>(lParam);
      if (header->code == LVN_KEYDOWN && key->wVKey == 'C' && GetKeyState(VK_CONTROL) < 0) {
        CopySelected();
      }
      return 0;
    }
    case WM_CLOSE:
      // Closed, it watches nothing: a save then changes nothing until the next Open.
      StopWatching();
      ShowWindow(window_, SW_HIDE);
      return 0;
    case WM_DESTROY:
      window_ = nullptr;
      return 0;
    default:
      break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace zolt
