// The code page a source that is not UTF-8 is read in, for what messages
// quote of it: the system's legacy one, or the one the user names.
#pragma once

#include <memory>
#include <string>

#include "source_decoder.h"

namespace zolt {

// The legacy code page of the user's system: on Windows the ANSI code page
// (GBK on a Chinese Windows); on Linux GB18030 for a user who reads Chinese,
// and none otherwise (such bytes stay escaped).
std::unique_ptr<SourceDecoder> LegacyDecoder(bool chineseUser);

// The character set of that name (an iconv name such as GBK, GB18030,
// BIG5, UTF-8), or nothing when the system knows no such set.
std::unique_ptr<SourceDecoder> DecoderNamed(const std::string& name);

}  // namespace zolt
