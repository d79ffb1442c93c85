// The page's one way into the assembler: a run of the editor's text in
// memory, and what the page shows of it, handed over as plain values.
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <memory>
#include <string>
#include <unordered_map>
#include <utility>

#include "analysis.h"
#include "catalog.h"
#include "channels.h"
#include "compiler.h"
#include "diagnostic_text.h"
#include "disassembly.h"
#include "hard_error.h"
#include "listing_format.h"
#include "listing_words.h"
#include "message_span.h"
#include "mnemonic_groups.h"
#include "quick_fixes.h"
#include "run.h"
#include "text_lines.h"

namespace zolt::web {
namespace {

using emscripten::val;

// The groups of mnemonics the editor colours apart, as JSON.
constexpr std::string_view kMnemonicGroups =
    R"({"jumps": [@JUMPS@], "withoutOperand": [@WITHOUT_OPERAND@], "others": [@OTHERS@]})";

val Bytes(std::string_view bytes) {
  return val::global("Uint8Array")
      .new_(emscripten::typed_memory_view(bytes.size(),
                                          reinterpret_cast<const unsigned char*>(bytes.data())));
}

// The bytes of a Uint8Array, copied once straight into place.
std::string BytesOf(const val& array) {
  std::string bytes(array["length"].as<std::size_t>(), '\0');
  val(emscripten::typed_memory_view(bytes.size(), reinterpret_cast<unsigned char*>(bytes.data())))
      .call<void>("set", array);
  return bytes;
}

val Int32s(const std::vector<std::int32_t>& values) {
  return val::global("Int32Array")
      .new_(emscripten::typed_memory_view(values.size(), values.data()));
}

// Where each line of an output starts, and at last where the text ends: the
// page decodes only the lines in sight.
std::vector<std::int32_t> LineStarts(std::string_view text) {
  std::vector<std::int32_t> starts{0};
  for (std::size_t end = text.find(kLineEnd); end != std::string_view::npos;
       end = text.find(kLineEnd, end + kLineEnd.size())) {
    starts.push_back(static_cast<std::int32_t>(end + kLineEnd.size()));
  }
  if (static_cast<std::size_t>(starts.back()) != text.size()) {
    starts.push_back(static_cast<std::int32_t>(text.size()));
  }
  return starts;
}

const char* SeverityName(Severity severity) {
  switch (severity) {
    case Severity::Fatal:
      return "fatal";
    case Severity::Error:
      return "error";
    case Severity::Warning:
      return "warning";
    case Severity::Note:
      break;
  }
  return "note";
}

// A listing whose file-name line names the file as the user saved it: the
// browser knows the name it was saved under, never its folder.
class SavedChannels final : public MemoryChannels {
 public:
  SavedChannels(std::string sourcePath, std::string sourceBytes, std::string savedName)
      : MemoryChannels(std::move(sourcePath), std::move(sourceBytes)),
        savedName_(std::move(savedName)) {}
  std::string PathText(const std::string&) const override { return savedName_; }

 private:
  std::string savedName_;
};

}  // namespace

// One long-lived compile context, as the window has, and the analysis of the
// editor's latest text. Lines are 0-based and columns count UTF-16 units, as
// the page's editor counts them.
class Playground {
 public:
  void SetChinese(bool chinese) { UseLanguage(chinese ? Language::Chinese : Language::English); }
  // A catalog text in the current language, its arguments in place.
  std::string Translate(const std::string& text, const val& args) const {
    Message message;
    message.text = text.c_str();
    message.args = emscripten::vecFromJSArray<std::string>(args);
    return Render(message);
  }
  std::string MnemonicGroups() const {
    return tools::FillMnemonics(
        kMnemonicGroups, [](std::string_view word) { return '"' + std::string(word) + '"'; }, ", ");
  }

  // Assembles the source `name`, its text given in UTF-8 (the browser
  // encodes it faster than a conversion here); the listing names the listing
  // beside it, as zoltasm's would.
  val Assemble(const std::string& name, const val& text) {
    name_ = name;
    text_ = std::make_unique<lsp::TextLines>(BytesOf(text));
    facts_ =
        std::make_unique<lsp::Analysis>(compiler_, name_, *text_, lsp::Analysis::Outputs::Kept);
    const RunOutcome& outcome = facts_->Outcome();
    val result = val::object();
    result.set("completed", outcome.completed);
    result.set("caption", outcome.caption);
    if (!outcome.completed) {
      result.set("failure", DiagnosticText(name_, outcome.failure) + Tr("assembly stopped."));
    }
    // The outputs' names, once the run has named them beside the source.
    if (compiler_.FileName != name_) {
      result.set("listingName", compiler_.FileName);
      result.set("objectName", compiler_.ObjectFileName);
    }
    result.set("listing", Bytes(facts_->Listing()));
    result.set("listingLines", Int32s(LineStarts(facts_->Listing())));
    result.set("listedLines", Int32s(ListedLineNumbers(facts_->Listing())));
    result.set("object", Bytes(facts_->Object()));
    result.set("objectLines", Int32s(LineStarts(facts_->Object())));
    std::unordered_map<const Diagnostic*, lsp::QuickFix> fixes;
    for (lsp::QuickFix& fix : lsp::QuickFixes(*facts_, *text_)) {
      fixes.emplace(fix.diagnostic, std::move(fix));
    }
    val diagnostics = val::array();
    const auto add = [&](const Diagnostic& diagnostic) {
      val shown = Shown(diagnostic);
      val notes = val::array();
      for (const Diagnostic& note : diagnostic.notes) notes.call<void>("push", Shown(note));
      shown.set("notes", notes);
      if (const auto found = fixes.find(&diagnostic); found != fixes.end()) {
        const lsp::QuickFix& fix = found->second;
        val edit = val::object();
        edit.set("line", fix.line);
        edit.set("from", Column(fix.line, fix.span.start));
        edit.set("to", Column(fix.line, fix.span.end));
        edit.set("text", fix.text);
        edit.set("title", fix.title);
        shown.set("fix", edit);
      }
      diagnostics.call<void>("push", shown);
    };
    for (const Diagnostic& diagnostic : facts_->Said()) add(diagnostic);
    if (!outcome.completed) add(outcome.failure);
    result.set("diagnostics", diagnostics);
    return result;
  }

  // The word address and code words at the end of a line, "@17 B800 12", or
  // nothing for a line without words.
  std::string InlayWords(int line) const {
    const lsp::LineFacts* facts = facts_ ? facts_->Line(line) : nullptr;
    return facts != nullptr && facts->words ? lsp::InlayWords(*facts->words) : "";
  }

  // The listing of the latest text given as the source's bytes (in the
  // encoding its file was read in, which the listing copies), its file-name
  // line naming the file it is saved as.
  val ListingSavedAs(const std::string& savedName, const val& source) {
    SavedChannels channels(name_, BytesOf(source), savedName);
    Run(compiler_, channels, name_);
    return Bytes(channels.Output(Channel::Listing).View());
  }

  // An object file's bytes back to a source, with the warnings and the
  // failure as zoltasm --disassemble writes them.
  val Disassemble(const std::string& name, const val& bytes) const {
    const std::string data = BytesOf(bytes);
    val result = val::object();
    std::string warnings;
    try {
      const Disassembly disassembly = zolt::Disassemble(data, {});
      for (const Diagnostic& warning : disassembly.warnings) {
        warnings += DiagnosticText(name, warning);
      }
      result.set("source", disassembly.source);
    } catch (const HardError& error) {
      result.set("failure", DiagnosticText(name, error.Failure()) + Tr("disassembly stopped."));
    }
    result.set("warnings", warnings);
    return result;
  }

 private:
  // A byte column of a line as the editor counts it.
  int Column(int line, std::size_t byteColumn) const {
    return static_cast<int>(text_->Character(line, byteColumn, lsp::PositionEncoding::Utf16));
  }

  // A message where the language server shows it too.
  val Shown(const Diagnostic& diagnostic) const {
    const lsp::MessageSpan span = lsp::SpanOf(*text_, diagnostic.where);
    val shown = val::object();
    shown.set("severity", std::string(SeverityName(diagnostic.severity)));
    shown.set("line", span.line);
    shown.set("from", Column(span.line, span.bytes.start));
    shown.set("to", Column(span.line, span.bytes.end));
    shown.set("message", Render(diagnostic.message));
    return shown;
  }

  Compiler compiler_;
  std::string name_;
  std::unique_ptr<lsp::TextLines> text_;
  std::unique_ptr<lsp::Analysis> facts_;
};

EMSCRIPTEN_BINDINGS(zolt_playground) {
  emscripten::class_<Playground>("Playground")
      .constructor<>()
      .function("setChinese", &Playground::SetChinese)
      .function("translate", &Playground::Translate)
      .function("mnemonicGroups", &Playground::MnemonicGroups)
      .function("assemble", &Playground::Assemble)
      .function("inlayWords", &Playground::InlayWords)
      .function("listingSavedAs", &Playground::ListingSavedAs)
      .function("disassemble", &Playground::Disassemble);
}

}  // namespace zolt::web
