'use strict';
// What a reader of a ZOLT source sees in each line, worked out from the
// language's own rules (not from the grammar): the spans of comments, labels,
// mnemonics, symbol definitions, operands and ignored text, each with a kind.
// The mnemonics come from the instruction table, in the groups the build
// wrote: { jumps, withoutOperand, others }.

function isBlank(c) {
  return c === ' ' || c === '\t';
}

// The words of a line with their positions, split at spaces and tabs.
function wordsOf(text) {
  const words = [];
  let i = 0;
  while (i < text.length) {
    if (isBlank(text[i])) {
      ++i;
      continue;
    }
    const start = i;
    while (i < text.length && !isBlank(text[i])) ++i;
    words.push({ text: text.slice(start, i), start, end: i });
  }
  return words;
}

function isDecimal(word) {
  let i = word[0] === '-' ? 1 : 0;
  let digits = 0;
  while (/[0-9]/.test(word[i] ?? '')) ++i, ++digits;
  if (word[i] === '.') {
    ++i;
    while (/[0-9]/.test(word[i] ?? '')) ++i, ++digits;
  }
  if (digits === 0) return false;
  if (word[i] === 'E') {
    ++i;
    if (word[i] === '+' || word[i] === '-') ++i;
    const exponent = i;
    while (/[0-9]/.test(word[i] ?? '')) ++i;
    if (i === exponent) return false;
  }
  return i === word.length;
}

// The kind of an operand word, given in upper case.
function operandKind(word) {
  if (/^&H[0-9A-F]+$/.test(word)) return 'hex';
  if (isDecimal(word)) return 'decimal';
  if (/^[0-9-]/.test(word) || word.startsWith('&H')) return 'invalid';
  return 'symbol';
}

// The number of data lines a BOUT count takes; a count must be a number.
function blockLength(count) {
  const kind = operandKind(count);
  if (kind === 'hex') return parseInt(count.slice(2), 16);
  if (kind === 'decimal') return Math.max(0, Math.round(Number(count)));
  return 0;
}

function span(word, kind) {
  return { start: word.start, end: word.end, kind };
}

// The rest of the line after the given word, when there is any.
function ignoredAfter(line, word) {
  const rest = line.slice(word.end);
  const offset = rest.search(/[^ \t]/);
  return offset < 0 ? [] : [{ start: word.end + offset, end: line.length, kind: 'ignored' }];
}

function operandSpans(line, word) {
  return [span(word, operandKind(word.text.toUpperCase())), ...ignoredAfter(line, word)];
}

// Spans for every line of a source; blockLeft counts the data lines of a
// BOUT block still to come, which are data whatever they hold. A mnemonic's
// span names the mnemonic too.
function expectationsFor(lines, mnemonics) {
  let blockLeft = 0;
  return lines.map((line) => {
    const words = wordsOf(line);
    const upper = words.map((w) => w.text.toUpperCase());
    if (blockLeft > 0) {
      --blockLeft;
      if (words.length === 0 || operandKind(upper[0]) === 'symbol') return [];
      return operandSpans(line, words[0]);
    }
    const prepared = line.replace(/^ +/, '');
    if (prepared.startsWith(';')) {
      return [{ start: line.length - prepared.length, end: line.length, kind: 'comment' }];
    }
    if (prepared.length < 2 || words.length === 0) return [];
    const first = words[0];
    if (first.text.endsWith(':')) return [span(first, 'label'), ...ignoredAfter(line, first)];
    const statement = { ...span(first, 'mnemonic'), mnemonic: upper[0] };
    if (mnemonics.withoutOperand.includes(upper[0])) {
      return [{ ...statement, kind: 'stop' }, ...ignoredAfter(line, first)];
    }
    const jump = mnemonics.jumps.includes(upper[0]);
    if (jump || mnemonics.others.includes(upper[0])) {
      const spans = [{ ...statement, kind: jump ? 'jump' : 'mnemonic' }];
      if (words.length > 1) spans.push(...operandSpans(line, words[1]));
      if (upper[0] === 'BOUT' && words.length > 1) blockLeft = blockLength(upper[1]);
      return spans;
    }
    if (upper[1] === 'EQU') {
      const spans = [span(first, 'constant'), span(words[1], 'equ')];
      if (words.length > 2) spans.push(...operandSpans(line, words[2]));
      return spans;
    }
    return [];
  });
}

module.exports = { expectationsFor };
