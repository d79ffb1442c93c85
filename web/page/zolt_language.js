// The .ZOL colours in the editor: the same classes of words as the editor
// grammars, with the mnemonics the instruction table lists.
import { HighlightStyle, StreamLanguage, syntaxHighlighting } from '@codemirror/language';
import { tags } from '@lezer/highlight';

// Only spaces and tabs separate words; a full-width space is part of one.
const BLANKS = /[ \t]/;
const WORD = /^[^ \t]+/;
const NUMBER = /^[+-]?(\d|\.\d|&H)/i;
const EQU = /^[ \t]+EQU(?=[ \t]|$)/i;

// groups: the instruction table's mnemonics as the binding lists them,
// { jumps, withoutOperand, others }.
export function zoltLanguage(groups) {
  const kinds = new Map();
  for (const word of groups.others) kinds.set(word, 'statement');
  for (const word of groups.withoutOperand) kinds.set(word, 'bare');
  for (const word of groups.jumps) kinds.set(word, 'jump');

  const operand = (stream, state) => {
    state.next = 'ignored';
    return NUMBER.test(stream.current()) ? 'number' : 'variableName';
  };
  // What a line's first word makes of the line, and the style of the word.
  const first = (stream, state) => {
    const word = stream.current();
    if (word.endsWith(':')) {
      state.next = 'ignored';
      return 'labelName';
    }
    const kind = kinds.get(word.toUpperCase());
    if (kind) {
      state.next = kind === 'bare' ? 'ignored' : 'operand';
      return kind === 'statement' ? 'keyword' : 'controlKeyword';
    }
    if (EQU.test(stream.string.slice(stream.pos))) {
      state.next = 'equ';
      return 'variableName.definition';
    }
    return operand(stream, state);
  };

  return StreamLanguage.define({
    name: 'zolt',
    startState: () => ({ next: 'first' }),
    token(stream, state) {
      if (stream.sol()) {
        state.next = 'first';
        // Only spaces may stand before a comment's semicolon.
        if (stream.match(/^ *;/)) {
          stream.skipToEnd();
          return 'comment';
        }
      }
      if (stream.eatWhile(BLANKS)) return null;
      if (state.next === 'ignored') {
        stream.skipToEnd();
        return 'comment';
      }
      stream.match(WORD);
      switch (state.next) {
        case 'first':
          return first(stream, state);
        case 'equ':
          state.next = 'operand';
          return 'keyword';
        default:
          return operand(stream, state);
      }
    },
    languageData: { commentTokens: { line: ';' } },
  });
}

export const zoltColours = syntaxHighlighting(
  HighlightStyle.define([
    { tag: tags.comment, color: '#6a737d', fontStyle: 'italic' },
    { tag: tags.labelName, color: '#a0522d', fontWeight: 'bold' },
    { tag: tags.keyword, color: '#0550ae', fontWeight: 'bold' },
    { tag: tags.controlKeyword, color: '#8250df', fontWeight: 'bold' },
    { tag: tags.number, color: '#116329' },
    { tag: tags.variableName, color: '#953800' },
    { tag: tags.definition(tags.variableName), color: '#953800', fontWeight: 'bold' },
  ]),
);
