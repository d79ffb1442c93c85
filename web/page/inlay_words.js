// At the end of each line in sight, its word address and code words as the
// listing shows them ("@17 B800 12"), as the language server's inlay hints.
import { StateEffect } from '@codemirror/state';
import { Decoration, ViewPlugin, WidgetType } from '@codemirror/view';

// Dispatched after each run: the words of every line may have moved.
export const assembled = StateEffect.define();

class WordsWidget extends WidgetType {
  constructor(text) {
    super();
    this.text = text;
  }
  eq(other) {
    return other.text === this.text;
  }
  toDOM() {
    const span = document.createElement('span');
    span.className = 'cm-inlay-words';
    span.textContent = this.text;
    return span;
  }
}

// wordsOf(line) gives the text for a 0-based line, or '' for none.
export function inlayWords(wordsOf) {
  const build = (view) => {
    const widgets = [];
    for (const { from, to } of view.visibleRanges) {
      for (let position = from; position <= to; ) {
        const line = view.state.doc.lineAt(position);
        const text = wordsOf(line.number - 1);
        if (text) {
          widgets.push(Decoration.widget({ widget: new WordsWidget(text), side: 1 }).range(line.to));
        }
        position = line.to + 1;
      }
    }
    return Decoration.set(widgets);
  };
  return ViewPlugin.fromClass(
    class {
      constructor(view) {
        this.decorations = build(view);
      }
      update(update) {
        const ran = update.transactions.some((tr) => tr.effects.some((e) => e.is(assembled)));
        if (ran || update.viewportChanged) {
          this.decorations = build(update.view);
        } else if (update.docChanged) {
          this.decorations = this.decorations.map(update.changes);
        }
      }
    },
    { decorations: (plugin) => plugin.decorations },
  );
}
