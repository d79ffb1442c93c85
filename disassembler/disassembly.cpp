// The disassembly's text: a label for each jump target that falls on a
// statement, then a statement, data word or comment for each object line.
#include "disassembly.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <set>

#include "checked16.h"
#include "instruction_decoder.h"
#include "listing_format.h"
#include "object_reader.h"
#include "program_decoder.h"
#include "symbol_table.h"

namespace zolt {
namespace {

constexpr std::string_view kIndent = "        ";
// Where the comment with the address and code words starts.
constexpr std::size_t kAddressColumn = 32;
// Every label takes two entries of the symbol table, one in each pass, and a
// line of the source, which the assembler reads up to 32767 lines of; the
// targets beyond these stay numbers.
constexpr std::size_t kMostLabels = SymbolTable::kSize / 2;
constexpr std::size_t kMostLines = INT16_MAX;

// Where a jump goes on.
std::optional<std::int32_t> Target(const Piece& piece) {
  if (piece.kind != PieceKind::Statement || !piece.row->jumps) return std::nullopt;
  return piece.row->Target(piece.address, piece.value);
}

// The targets that fall on a statement, the lowest first, as many as the
// symbol table holds and the source has lines left for.
std::set<std::int32_t> LabelledAddresses(const std::vector<Piece>& pieces) {
  std::set<std::int32_t> statements;
  for (const Piece& piece : pieces) {
    if (piece.kind == PieceKind::Statement) statements.insert(piece.address);
  }
  std::set<std::int32_t> targets;
  for (const Piece& piece : pieces) {
    const std::optional<std::int32_t> target = Target(piece);
    if (target && statements.contains(*target)) targets.insert(*target);
  }
  const std::size_t linesLeft = kMostLines - std::min(kMostLines, pieces.size());
  const std::size_t most = std::min(kMostLabels, linesLeft);
  if (targets.size() > most) targets.erase(std::next(targets.begin(), most), targets.end());
  return targets;
}

std::string LabelName(std::int32_t address) {
  const std::string digits = std::to_string(address);
  std::string name("L");
  return name.append(digits.size() < 4 ? 4 - digits.size() : 0, '0').append(digits);
}

std::string StatementText(const Piece& piece, const std::set<std::int32_t>& labels) {
  const Instruction& row = *piece.row;
  std::string text = std::string(kIndent) + std::string(row.mnemonic);
  if (!row.TakesOperand()) return text;
  const std::optional<std::int32_t> target = Target(piece);
  const bool labelled = target && labels.contains(*target);
  return text.append(" ").append(labelled ? LabelName(*target) : OperandText(row, piece.value));
}

class SourceText {
 public:
  explicit SourceText(const DisassemblyOptions& options) : options_(options) {}

  // A line; one that holds the piece's words, with the comment that names
  // them when asked for.
  void Add(std::string text, const Piece* piece = nullptr) {
    if (options_.addresses && piece != nullptr) {
      text.resize(std::max(text.size() + 1, kAddressColumn), ' ');
      text.append("; ").append(std::to_string(piece->address)).append(": ");
      text.append(HexWord(Pattern16(piece->line.first)));
      if (piece->line.words == 2) text.append(" ").append(HexWord(Pattern16(piece->line.second)));
    }
    source_ += text;
    source_ += kLineEnd;
  }

  std::string Take() { return std::move(source_); }

 private:
  const DisassemblyOptions& options_;
  std::string source_;
};

}  // namespace

Disassembly Disassemble(std::string_view object, const DisassemblyOptions& options) {
  DecodedProgram program = DecodeProgram(ReadObject(object));
  const std::set<std::int32_t> labels = LabelledAddresses(program.pieces);
  SourceText source(options);
  for (const Piece& piece : program.pieces) {
    switch (piece.kind) {
      case PieceKind::Statement:
        if (labels.contains(piece.address)) source.Add(LabelName(piece.address) + ":");
        source.Add(StatementText(piece, labels), &piece);
        break;
      case PieceKind::Data:
        source.Add(std::to_string(piece.line.first), &piece);
        break;
      case PieceKind::Comment:
        source.Add(std::string("; ").append(ObjectLineText(piece.line)), &piece);
        break;
    }
  }
  return {source.Take(), std::move(program.warnings)};
}

}  // namespace zolt
