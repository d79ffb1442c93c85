// The window's Open and Exit commands, written once for every window system.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "channels.h"
#include "compiler.h"
#include "platform.h"
#include "run_details.h"

namespace zolt {

// The pattern the open-file dialog starts with on every Open.
inline constexpr std::string_view kOpenPattern = "*.ZOL";
// The message of every failed run; the cause follows as its detail.
inline constexpr std::string_view kCannotOpen = "文件不能打开!";

// The main window's two commands, Open and Exit, written once for every
// window system. The window owns the compiler for its lifetime and calls
// these from its menu.
class Commands {
 public:
  // Makes the file channels of one run; runs read and write files on disk
  // unless a test supplies channels of its own.
  using ChannelsFactory = std::function<std::unique_ptr<Channels>()>;

  Commands(Compiler& compiler, Platform& platform, ChannelsFactory makeChannels = {});

  // The Open menu command: asks for a source with the open-file dialog and
  // runs it. A cancelled dialog reads, writes and shows nothing.
  void Open();
  // One run over the source at path, chosen without the dialog (a file
  // dropped on the window, a path given to the program).
  void OpenFile(const std::string& path);
  // The last source once more, without the dialog: the details window's
  // 重新编译, or a save of the source while the details window is open. A
  // failure shows in the details window when it is open.
  void RunAgain();
  // What the window shows of the last run beyond its status.
  const RunDetails& Details() const { return details_; }
  // The Exit menu command: hides the window, then ends the program.
  void Exit();

 private:
  // One run over path; a failure shows in a message unless inDetails.
  void RunSource(const std::string& path, bool inDetails);

  Compiler& compiler_;
  Platform& platform_;
  // How the sources the window opens are read for messages when not UTF-8.
  std::unique_ptr<SourceDecoder> decoder_;
  ChannelsFactory makeChannels_;
  RunDetails details_;
};

}  // namespace zolt
