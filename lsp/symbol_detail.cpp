// A symbol in a few words: what kind it is and its value.
#include "symbol_detail.h"

#include "catalog.h"
#include "numbers.h"

namespace zolt::lsp {

std::string SymbolDetail(const SymbolFact& symbol) {
  return symbol.kind == RunObserver::SymbolKind::Label
             ? Render(Message("label at %s", ValueText(symbol.value)))
             : Render(Message("EQU %s", ValueText(symbol.value)));
}

}  // namespace zolt::lsp
