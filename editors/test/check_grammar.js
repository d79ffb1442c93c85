'use strict';
// Tokenizes ZOLT sources with the TextMate grammar the build made and checks
// that every comment, label, mnemonic, symbol definition and operand lands in
// its scope, that every mnemonic of the instruction table was seen so, that
// the Sublime grammar reads back as the JSON one, and that the problem
// matchers of the VS Code extension and of its sample task read zoltasm's
// messages, with a line number and without.
//   node check_grammar.js ZOLTASM SUPPORT MNEMONICS VIM_DIR SOURCE...
// SUPPORT is the editor support the build made, MNEMONICS its list of the
// table's mnemonics by group; VIM_DIR receives the sources and spans for the
// Vim check (check_vim.vim).

const fs = require('fs');
const os = require('os');
const path = require('path');
const assert = require('assert');
const { spawnSync } = require('child_process');
const vsctm = require('vscode-textmate');
const oniguruma = require('vscode-oniguruma');
const { expectationsFor } = require('./expectations');

const [zoltasm, support, mnemonicsPath, vimDir, ...sources] = process.argv.slice(2);
const mnemonics = JSON.parse(fs.readFileSync(mnemonicsPath, 'utf8'));
// The grammar VS Code loads: the one the extension names for the language.
const extension = JSON.parse(fs.readFileSync(path.join(support, 'vscode', 'package.json')));
const grammarPath = path.join(support, 'vscode', extension.contributes.grammars[0].path);
const sublimePath = path.join(support, 'sublime', 'ZOLT.tmLanguage');

const SCOPES = {
  comment: 'comment.line.semicolon.zolt',
  ignored: 'comment.line.ignored.zolt',
  label: 'entity.name.label.zolt',
  mnemonic: 'keyword.other.mnemonic.zolt',
  jump: 'keyword.control.zolt',
  stop: 'keyword.control.zolt',
  constant: 'variable.other.constant.zolt',
  equ: 'keyword.other.equ.zolt',
  decimal: 'constant.numeric.decimal.zolt',
  hex: 'constant.numeric.hex.zolt',
  invalid: 'invalid.illegal.number.zolt',
  symbol: 'variable.other.symbol.zolt',
};

const failures = [];
function fail(message) {
  failures.push(message);
}

async function loadGrammar() {
  const wasm = fs.readFileSync(require.resolve('vscode-oniguruma/release/onig.wasm')).buffer;
  await oniguruma.loadWASM(wasm);
  const registry = new vsctm.Registry({
    onigLib: Promise.resolve({
      createOnigScanner: (patterns) => new oniguruma.OnigScanner(patterns),
      createOnigString: (text) => new oniguruma.OnigString(text),
    }),
    loadGrammar: async () =>
      vsctm.parseRawGrammar(fs.readFileSync(grammarPath, 'utf8'), grammarPath),
  });
  return registry.loadGrammar('source.zolt');
}

// Checks one expected span: a token starts at its start, every token inside
// carries its scope, and the scope stops where the span ends.
function checkSpan(where, line, tokens, expected) {
  const scope = SCOPES[expected.kind];
  const text = JSON.stringify(line.slice(expected.start, expected.end));
  const at = (index) => tokens.find((t) => t.startIndex <= index && index < t.endIndex);
  if (!tokens.some((t) => t.startIndex === expected.start)) {
    fail(`${where}: ${text} does not start a token (${expected.kind})`);
    return;
  }
  for (let i = expected.start; i < expected.end; ++i) {
    if (!at(i).scopes.includes(scope)) {
      fail(`${where}: ${text} is ${at(i).scopes.slice(1).join(' ') || 'plain'}, not ${scope}`);
      return;
    }
  }
  if (expected.end < line.length && at(expected.end).scopes.includes(scope)) {
    fail(`${where}: ${scope} runs past ${text}`);
  }
}

// Sources are 8-bit text in the user's code page; read byte for byte, the
// blanks, semicolons and colons the grammar looks at are the same in any.
function linesOf(file) {
  const text = fs.readFileSync(file, 'latin1');
  // A line ends at CR LF, LF or a lone CR, as the assembler reads it.
  const lines = text.split(/\r\n|\r|\n/);
  if (lines.length > 0 && lines[lines.length - 1] === '') lines.pop();
  return lines;
}

// Vim gets a copy with plain line ends, as its own line-end detection
// would not split a lone CR.
function checkSource(grammar, file, number, vimExpectations, seen) {
  const lines = linesOf(file);
  const vimCopy = path.join(vimDir, `${number}-${path.basename(file)}`);
  fs.writeFileSync(vimCopy, lines.map((l) => `${l}\n`).join(''), 'latin1');
  const expected = expectationsFor(lines, mnemonics);
  let ruleStack = vsctm.INITIAL;
  let spans = 0;
  lines.forEach((line, index) => {
    const result = grammar.tokenizeLine(line, ruleStack);
    ruleStack = result.ruleStack;
    for (const e of expected[index]) {
      checkSpan(`${file}:${index + 1}`, line, result.tokens, e);
      if (e.mnemonic) seen.add(e.mnemonic);
      vimExpectations.push({ file: vimCopy, line: index + 1, start: e.start, end: e.end, kind: e.kind });
      ++spans;
    }
  });
  return spans;
}

function checkSublimeGrammar() {
  const grammar = JSON.parse(fs.readFileSync(grammarPath, 'utf8'));
  try {
    assert.deepEqual(vsctm.parseRawGrammar(fs.readFileSync(sublimePath, 'utf8'), sublimePath), grammar);
  } catch {
    fail(`${sublimePath} does not read back as the JSON grammar`);
  }
}

// The kinds of message zoltasm writes, in English and in Chinese, and the
// severity a matcher must give each.
const KINDS = [
  ['fatal error: ', 'error'],
  ['error: ', 'error'],
  ['warning: ', 'warning'],
  ['note: ', 'info'],
  ['致命错误：', 'error'],
  ['错误：', 'error'],
  ['警告：', 'warning'],
  ['附注：', 'info'],
];

// Where a message of zoltasm on SOURCE points, read without the matchers:
// its line (FILE:LINE:COLUMN: KIND CAUSE), null for the whole file (FILE:
// fatal error: CAUSE, a run that stops before any line), undefined for a line
// that is no message about SOURCE; and the severity it must be shown with.
function locationIn(message, source) {
  if (!message.startsWith(`${source}:`)) return undefined;
  const rest = message.slice(source.length);
  const m = /^:(\d+):(\d+): (.*)$/.exec(rest);
  const body = m ? m[3] : rest.replace(/^: /, '');
  const kind = KINDS.find(([word]) => body.startsWith(word));
  if (!kind || (!m && !body.startsWith('fatal error: ') && !body.startsWith('致命错误：'))) {
    return undefined;
  }
  return { line: m ? Number(m[1]) : null, severity: kind[1] };
}

// Runs zoltasm on sources with lines in error, on one that stops at a line,
// on one that cannot be opened and on every given source, and reads its
// messages with the problem matchers of the extension and with those of the
// sample task: in each of the two, every message must be taken by exactly one
// matcher, with its file and its line, or as about the whole file.
function checkProblemMatchers() {
  const task = JSON.parse(fs.readFileSync(path.join(support, 'vscode', 'tasks.json')));
  const places = [
    ['the extension', extension.contributes.problemMatchers],
    ['the task', task.tasks[0].problemMatcher],
  ];
  const dir = fs.mkdtempSync(path.join(os.tmpdir(), 'zolt-matcher-'));
  try {
    const source = (name, text) => {
      const file = path.join(dir, name);
      if (text !== undefined) fs.writeFileSync(file, text);
      return file;
    };
    const runs = [
      { source: source('faulty.ZOL', 'NOP\r\nDL 300\r\nFOO\r\nNOP 1\r\n'), wanted: [2, 3, 4] },
      { source: source('twice.ZOL', 'L:\r\nL:\r\n'), wanted: [2, 1] },
      { source: source('stops.ZOL', 'NOP\r\nDL\r\n'), wanted: [2] },
      { source: source('missing.ZOL'), wanted: [null] },
      { source: source('folder.ZOL'), wanted: [null] },
    ];
    fs.mkdirSync(runs[4].source);
    for (const file of sources) {
      const copy = source(path.basename(file));
      fs.copyFileSync(file, copy);
      runs.push({ source: copy, wanted: null });
    }
    // Both languages: the matchers take the Chinese kinds too (LOCPATH names
    // the build's Chinese locale).
    const languages = [
      { ...process.env, LC_ALL: 'C' },
      { ...process.env, LC_ALL: 'zh_CN.UTF-8' },
    ];
    for (const run of runs.flatMap((r) => languages.map((env) => ({ ...r, env })))) {
      const result = spawnSync(zoltasm, [run.source], { encoding: 'utf8', env: run.env });
      const lines = result.stderr.split('\n').filter((l) => l.startsWith(run.source));
      const errors = lines.filter((l) => locationIn(l, run.source) !== undefined);
      const where = errors.map((m) => locationIn(m, run.source).line);
      const wanted = run.wanted ?? where;
      if (errors.length !== lines.length || JSON.stringify(where) !== JSON.stringify(wanted)) {
        fail(`zoltasm on ${run.source} said ${JSON.stringify(lines)}, expected messages at ${wanted}`);
        continue;
      }
      for (const [place, matchers] of places) {
        const found = [];
        for (const message of errors) {
          const taken = [];
          for (const matcher of matchers) {
            const m = new RegExp(matcher.pattern.regexp).exec(message);
            if (!m) continue;
            if (m[matcher.pattern.file] !== run.source) fail(`${place} took the file of ${message} as ${m[matcher.pattern.file]}`);
            if (!m[matcher.pattern.message]) fail(`${place} took no cause from ${message}`);
            if (matcher.severity !== locationIn(message, run.source).severity) {
              fail(`${place} shows ${message} as ${matcher.severity}`);
            }
            taken.push(matcher.pattern.kind === 'file' ? null : Number(m[matcher.pattern.line]));
          }
          if (taken.length !== 1) fail(`${place}: ${taken.length} matchers take ${message}`);
          found.push(...taken);
        }
        if (JSON.stringify(found) !== JSON.stringify(wanted)) {
          fail(`${place} on ${run.source}: lines ${JSON.stringify(found)}, expected ${JSON.stringify(wanted)}`);
        }
      }
    }
  } finally {
    fs.rmSync(dir, { recursive: true, force: true });
  }
}

// Each mnemonic of the instruction table is coloured one way: it stands in
// exactly one group. And one the sources never use would go unchecked: a new
// row of the table wants a line in all_forms.ZOL.
function checkEveryMnemonic(seen) {
  const groups = [mnemonics.jumps, mnemonics.withoutOperand, mnemonics.others];
  if (mnemonics.all.length === 0) fail('the instruction table gave no mnemonics');
  for (const mnemonic of mnemonics.all) {
    const count = groups.filter((group) => group.includes(mnemonic)).length;
    if (count !== 1) fail(`${mnemonic} stands in ${count} groups of mnemonics`);
    if (!seen.has(mnemonic)) fail(`no source starts a statement with ${mnemonic}`);
  }
  if (groups.flat().length !== mnemonics.all.length) fail('the groups hold what is no mnemonic');
}

function checkLanguage() {
  const language = extension.contributes.languages[0];
  const grammar = extension.contributes.grammars[0];
  if (grammar.language !== language.id || grammar.scopeName !== 'source.zolt') {
    fail(`the extension's grammar is not the one of the language ${language.id}`);
  }
  for (const ending of ['.ZOL', '.zol']) {
    if (!language.extensions.includes(ending)) fail(`the extension does not claim *${ending}`);
  }
}

async function main() {
  const grammar = await loadGrammar();
  const vimExpectations = [];
  const seen = new Set();
  let spans = 0;
  fs.rmSync(vimDir, { recursive: true, force: true });
  fs.mkdirSync(vimDir, { recursive: true });
  sources.forEach((source, number) => {
    spans += checkSource(grammar, source, number, vimExpectations, seen);
  });
  checkEveryMnemonic(seen);
  checkLanguage();
  checkSublimeGrammar();
  checkProblemMatchers();
  fs.writeFileSync(path.join(vimDir, 'spans.json'), JSON.stringify(vimExpectations));
  for (const message of failures.slice(0, 40)) console.error(message);
  console.log(`${sources.length} sources, ${spans} spans checked, ${failures.length} failures`);
  process.exit(failures.length === 0 ? 0 : 1);
}

main().catch((error) => {
  console.error(error);
  process.exit(1);
});
