// The main window's title, size, menu and labels, the same on every system.
#pragma once

#include <array>
#include <string_view>

#include "platform.h"

namespace zolt {

// The main window's fixed contents, shared by every window system so that
// the windows look the same everywhere. Sizes are pixels at 96 pixels per
// inch; label positions are from the client area's top-left corner.
inline constexpr std::string_view kTitle = "ZOLT编译器";
inline constexpr int kClientWidth = 458;
inline constexpr int kClientHeight = 351;

// The menu `file` holds, in this order, Open, the separator l1 and Exit; no
// command has a shortcut key.
inline constexpr std::string_view kFileMenuCaption = "文件";
inline constexpr std::string_view kOpenCaption = "打开";
inline constexpr std::string_view kExitCaption = "退出";

struct LabelLayout {
  LabelId id;
  std::string_view name;
  std::string_view caption;  // at start
  std::string_view family;   // regular weight, GB2312 character set
  double points;
  int left;
  int top;
  int width;
  int height;
};

inline constexpr std::string_view kBrushFamily = "华文新魏";
inline constexpr std::string_view kSerifFamily = "宋体";

// Label4 is the status label: empty until a run completes.
inline constexpr std::array<LabelLayout, 4> kLabels = {{
    {LabelId::Label1, "Label1", "ZOLT编译器", kBrushFamily, 42.0, 72, 24, 305, 49},
    {LabelId::Label4, "Label4", "", kSerifFamily, 14.25, 104, 176, 233, 33},
    {LabelId::Label2, "Label2", "ZOLT 编译器开发组", kBrushFamily, 21.75, 48, 224, 353, 33},
    {LabelId::Label3, "Label3", "二00五年八月", kBrushFamily, 21.75, 128, 280, 193, 33},
}};

// The link to the details window, in the free band between Label4 and
// Label2, as wide as the status label above it.
struct LinkLayout {
  int left;
  int top;
  int width;
  int height;
};
inline constexpr LinkLayout kLink = {104, 209, 233, 15};

}  // namespace zolt
