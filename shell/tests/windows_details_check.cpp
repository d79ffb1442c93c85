// Drives zolt.exe's link and details window on Windows as a user would, by
// keys and window messages from another program, and checks what they show.
// Usage: windows_details_check ZOLT_EXE FOLDER. The source is written in
// FOLDER; what was found goes to FOLDER\report.txt, a line a check, and the
// last line is "passed" when every check held.

#include <windows.h>
// The common controls' declarations need windows.h before them.
#include <commctrl.h>

#include <cstdio>
#include <functional>
#include <initializer_list>
#include <iterator>
#include <string>
#include <vector>

#include "form1_layout.h"
#include "windows_text.h"

namespace {

using zolt::Utf8FromWide;

// The longest a save may take to show in the details window.
constexpr ULONGLONG kRerunMilliseconds = 2000;
constexpr DWORD kPatience = 15000;

class Report {
 public:
  void Expect(bool held, const std::string& what) {
    text_ += (held ? "ok: " : "FAILED: ") + what + "\n";
    failed_ = failed_ || !held;
  }
  void Write(const std::wstring& path) const {
    if (FILE* file = _wfopen(path.c_str(), L"wb")) {
      std::fputs((text_ + (failed_ ? "failed\n" : "passed\n")).c_str(), file);
      std::fclose(file);
    }
  }
  bool Failed() const { return failed_; }

 private:
  std::string text_;
  bool failed_ = false;
};

// Waits for condition up to milliseconds; true when it came.
bool WaitFor(const std::function<bool()>& condition, DWORD milliseconds = kPatience) {
  const ULONGLONG end = GetTickCount64() + milliseconds;
  while (!condition()) {
    if (GetTickCount64() > end) return false;
    Sleep(50);
  }
  return true;
}

std::string Text(HWND window) {
  DWORD_PTR length = 0;
  SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kPatience, &length);
  std::wstring text(length + 1, L'\0');
  DWORD_PTR copied = 0;
  SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                      SMTO_ABORTIFHUNG, kPatience, &copied);
  text.resize(copied);
  return Utf8FromWide(text);
}

bool Contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

// Memory in zolt.exe for the list view's messages, whose structures the
// system does not carry between processes.
class RemoteMemory {
 public:
  RemoteMemory(HANDLE process, std::size_t size)
      : process_(process),
        address_(static_cast<char*>(
            VirtualAllocEx(process, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE))) {}
  RemoteMemory(const RemoteMemory&) = delete;
  RemoteMemory& operator=(const RemoteMemory&) = delete;
  ~RemoteMemory() { VirtualFreeEx(process_, address_, 0, MEM_RELEASE); }

  char* Address() const { return address_; }
  void Write(const void* data, std::size_t size) const {
    WriteProcessMemory(process_, address_, data, size, nullptr);
  }
  void Read(std::size_t offset, void* data, std::size_t size) const {
    ReadProcessMemory(process_, address_ + offset, data, size, nullptr);
  }

 private:
  HANDLE process_;
  char* address_;
};

// zolt.exe, started with a source, and what the checks read of its windows.
class Zolt {
 public:
  Zolt(const std::wstring& program, const std::wstring& source) {
    std::wstring command = L"\"" + program + L"\" \"" + source + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    if (CreateProcessW(program.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                       nullptr, &startup, &process_)) {
      WaitFor([this] { return (main_ = FindWindowW(L"ZoltForm1", nullptr)) != nullptr; });
    }
  }
  Zolt(const Zolt&) = delete;
  Zolt& operator=(const Zolt&) = delete;
  ~Zolt() {
    if (process_.hProcess == nullptr) return;
    TerminateProcess(process_.hProcess, 1);
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
  }

  HWND Main() const { return main_; }
  HWND Link() const { return FindWindowExW(main_, nullptr, WC_LINK, nullptr); }
  HWND Details() const { return FindWindowW(L"ZoltDetails", nullptr); }
  HWND List() const { return FindWindowExW(Details(), nullptr, WC_LISTVIEWW, nullptr); }
  HWND Excerpt() const { return FindWindowExW(Details(), nullptr, L"Edit", nullptr); }
  HWND Failure() const { return FindWindowExW(Details(), nullptr, L"Static", nullptr); }

  // The status label: the labels are made in their layout's order.
  std::string Status() const {
    std::size_t index = 0;
    while (zolt::kLabels[index].id != zolt::LabelId::Label4) ++index;
    HWND label = nullptr;
    for (std::size_t i = 0; i <= index; ++i)
      label = FindWindowExW(main_, label, L"Static", nullptr);
    return Text(label);
  }

  HWND Focus() const {
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    GetGUIThreadInfo(process_.dwThreadId, &info);
    return info.hwndFocus;
  }

  // Dialogs of zolt.exe on the screen: the open-file dialog, a message box.
  int Dialogs() const {
    struct Search {
      DWORD process;
      int found;
    } search{process_.dwProcessId, 0};
    EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
          auto* search = reinterpret_cast<Search*>(data);
          DWORD process = 0;
          GetWindowThreadProcessId(window, &process);
          wchar_t name[16] = {};
          GetClassNameW(window, name, 16);
          if (process == search->process && IsWindowVisible(window) &&
              std::wstring(name) == L"#32770") {
            ++search->found;
          }
          return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
  }

  int Rows() const { return static_cast<int>(SendMessageW(List(), LVM_GETITEMCOUNT, 0, 0)); }

  std::string Cell(int row, int column) const {
    constexpr int kCharacters = 1024;
    RemoteMemory memory(process_.hProcess, sizeof(LVITEMW) + kCharacters * sizeof(wchar_t));
    LVITEMW cell{};
    cell.iSubItem = column;
    cell.cchTextMax = kCharacters;
    cell.pszText = reinterpret_cast<wchar_t*>(memory.Address() + sizeof(LVITEMW));
    memory.Write(&cell, sizeof(cell));
    const auto length = static_cast<std::size_t>(
        SendMessageW(List(), LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(memory.Address())));
    std::wstring text(length, L'\0');
    memory.Read(sizeof(LVITEMW), text.data(), length * sizeof(wchar_t));
    return Utf8FromWide(text);
  }

  // Selects rows, the first of them focused, as a click and Ctrl+clicks would.
  void Select(std::initializer_list<int> rows) const {
    RemoteMemory memory(process_.hProcess, sizeof(LVITEMW));
    LVITEMW state{};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    memory.Write(&state, sizeof(state));
    SendMessageW(List(), LVM_SETITEMSTATE, -1, reinterpret_cast<LPARAM>(memory.Address()));
    for (const int row : rows) {
      state.state = LVIS_SELECTED | (row == *rows.begin() ? LVIS_FOCUSED : 0);
      memory.Write(&state, sizeof(state));
      SendMessageW(List(), LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(memory.Address()));
    }
  }

  // Closes the windows as their close buttons do; true when zolt.exe then
  // ended cleanly.
  bool Close() {
    PostMessageW(Details(), WM_CLOSE, 0, 0);
    WaitFor([this] { return !IsWindowVisible(Details()); });
    PostMessageW(main_, WM_CLOSE, 0, 0);
    DWORD status = 1;
    const bool ended = WaitForSingleObject(process_.hProcess, kPatience) == WAIT_OBJECT_0 &&
                       GetExitCodeProcess(process_.hProcess, &status) && status == 0;
    if (ended) {
      CloseHandle(process_.hThread);
      CloseHandle(process_.hProcess);
      process_ = {};
    }
    return ended;
  }

 private:
  PROCESS_INFORMATION process_{};
  HWND main_ = nullptr;
};

// Keys pressed together, as from the keyboard, into the window in front.
void Press(std::initializer_list<WORD> keys) {
  std::vector<INPUT> inputs;
  for (const WORD key : keys) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    inputs.push_back(input);
  }
  for (auto key = std::rbegin(keys); key != std::rend(keys); ++key) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = *key;
    input.ki.dwFlags = KEYEVENTF_KEYUP;
    inputs.push_back(input);
  }
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

bool InFront(HWND window) {
  SetForegroundWindow(window);
  return WaitFor([window] { return GetForegroundWindow() == window; });
}

std::string Clipboard() {
  std::string text;
  if (!OpenClipboard(nullptr)) return text;
  if (const HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    text = Utf8FromWide(static_cast<const wchar_t*>(GlobalLock(data)));
    GlobalUnlock(data);
  }
  CloseClipboard();
  return text;
}

bool Save(const std::wstring& path, const std::string& bytes) {
  const HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const bool saved =
      WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
      written == bytes.size();
  return CloseHandle(file) && saved;
}

// Saves the source while the details window is open and waits for what the
// run again shows; says how long it took.
std::string SaveAndWait(const std::wstring& path, const std::string& bytes,
                        const std::function<bool()>& shown, Report& report) {
  const ULONGLONG start = GetTickCount64();
  report.Expect(Save(path, bytes), "the source was saved");
  const bool came = WaitFor(shown);
  const ULONGLONG took = GetTickCount64() - start;
  report.Expect(came && took <= kRerunMilliseconds, "a save is assembled again within 2 s");
  return " (" + std::to_string(took) + " ms)";
}

}  // namespace

int wmain(int count, wchar_t** arguments) {
  if (count != 3) return 2;
  const std::wstring folder = arguments[2];
  const std::wstring source = folder + L"\\many.ZOL";
  Report report;

  std::string many = "NOP\r\n";
  for (int i = 0; i < 24; ++i) many += "FOO\r\n";
  // A BOUT block that swallows END: a 25th line in error and a warning with a note.
  many += "BOUT 1\r\nEND\r\nHALT\r\n";
  report.Expect(Save(source, many), "a source with 25 lines in error was written");
  Zolt zolt(arguments[1], source);
  report.Expect(zolt.Main() != nullptr, "zolt.exe started with the source");
  WaitFor([&] { return IsWindowVisible(zolt.Link()); });
  report.Expect(zolt.Status() == "发现 25处错误", "the status reads " + zolt.Status());
  report.Expect(IsWindowVisible(zolt.Link()) && Contains(Text(zolt.Link()), "查看 25 处错误…"),
                "the link shows: " + Text(zolt.Link()));

  // Tab reaches the link and Enter opens the details, not the menu's Open.
  report.Expect(InFront(zolt.Main()), "the main window is in front");
  Press({VK_TAB});
  report.Expect(WaitFor([&] { return zolt.Focus() == zolt.Link(); }), "Tab reaches the link");
  Press({VK_RETURN});
  report.Expect(WaitFor([&] { return IsWindowVisible(zolt.Details()); }),
                "Enter on the link opens the details window");
  Sleep(500);
  report.Expect(zolt.Dialogs() == 0, "Enter on the link opens no dialog");
  report.Expect(Text(zolt.Details()) == "出错的行",
                "the details window is " + Text(zolt.Details()));

  // Every line in error, none cut, and the note under its warning.
  int errors = 0;
  for (int row = 0; row < zolt.Rows(); ++row) errors += zolt.Cell(row, 2) == "错误" ? 1 : 0;
  report.Expect(zolt.Rows() == 27 && errors == 25,
                "25 errors, a warning and its note: " + std::to_string(zolt.Rows()) + " rows, " +
                    std::to_string(errors) + " errors");
  report.Expect(zolt.Cell(25, 2) == "警告" && zolt.Cell(26, 2) == "附注" &&
                    zolt.Cell(26, 0) == "26" && zolt.Cell(26, 3).rfind("    ", 0) == 0,
                "the note stands indented under its warning: " + zolt.Cell(26, 3));

  // The listing around the selected line, as the run wrote it.
  zolt.Select({2});
  report.Expect(WaitFor([&] {
                  return Contains(Text(zolt.Excerpt()),
                                  "\t\t\t 4\tFOO\r\n---------------Error------------------");
                }),
                "the excerpt shows line 4 with its error line");

  // Ctrl+C in the list copies the selected rows as the command line writes them.
  zolt.Select({0, 1});
  report.Expect(InFront(zolt.Details()), "the details window is in front");
  Press({VK_TAB});
  report.Expect(WaitFor([&] { return zolt.Focus() == zolt.List(); }), "Tab reaches the list");
  // Read once the copy has been made: opened meanwhile, the clipboard
  // would be in zolt.exe's way.
  const DWORD before = GetClipboardSequenceNumber();
  Press({VK_CONTROL, 'C'});
  const std::string copied =
      "many.ZOL:2:1: 错误：无法识别的语句 ‘FOO’：不是助记符、标号或 EQU 定义\r\n"
      "many.ZOL:3:1: 错误：无法识别的语句 ‘FOO’：不是助记符、标号或 EQU 定义\r\n";
  const bool copiedRows =
      WaitFor([&] { return GetClipboardSequenceNumber() != before; }) && Clipboard() == copied;
  report.Expect(copiedRows, "Ctrl+C copied: " + Clipboard());

  // A save runs the source again: the list, status and link follow it.
  std::string took = SaveAndWait(
      source, "FOO\r\n", [&] { return zolt.Rows() == 1; }, report);
  report.Expect(zolt.Status() == "发现 1处错误" && Contains(Text(zolt.Link()), "查看 1 处错误…"),
                "after a save with 1 line in error the status and link follow" + took);

  // A run that fails shows its cause in the details, no message, and leaves
  // the status as the last completed run left it.
  took = SaveAndWait(
      source, "NOP\r\nBOUT X\r\n", [&] { return IsWindowVisible(zolt.Failure()); }, report);
  report.Expect(Text(zolt.Failure()) ==
                    "many.ZOL:2:6: 致命错误：BOUT 的块长度 ‘X’ 不是数；块长度须写成数，不能用符号",
                "a failed run shows in the details: " + Text(zolt.Failure()) + took);
  report.Expect(zolt.Status() == "发现 1处错误", "a failed run leaves the status");
  report.Expect(zolt.Dialogs() == 0, "a failed run again shows no message");

  // A clean run hides the link and empties the list.
  took = SaveAndWait(
      source, "NOP\r\nHALT\r\n", [&] { return !IsWindowVisible(zolt.Failure()); }, report);
  report.Expect(zolt.Status() == "编译完成" && !IsWindowVisible(zolt.Link()) && zolt.Rows() == 0,
                "a clean run hides the link" + took);

  report.Expect(zolt.Close(), "the windows closed and zolt.exe ended cleanly");
  report.Write(folder + L"\\report.txt");
  return report.Failed() ? 1 : 0;
}
