'use strict';
// Checks every source, listing, object file and transcript that the guide
// quotes against the files and the real zoltasm. Each quote is a fenced block
// right after a marker comment of its own line:
//
//   <!-- zoltasm FILE KIND -->
//
// FILE is a source in the repository (examples/, docs/snippets/) and KIND one of
//   source        the block is FILE as it stands;
//   listing       the listing zoltasm writes for FILE;
//   listing-body  the same without its three header lines;
//   object        the object file zoltasm writes for FILE;
//   transcript    lines "$ zoltasm ARGS..." run in a folder that holds FILE,
//                 each followed by what zoltasm writes to its terminal.
// In a block, → stands for a tab; zoltasm runs in a scratch folder, whose
// path the guide writes as /home/user, and speaks the language of the guide's
// part the quote stands in: Chinese under "## 中文", English elsewhere (the
// Chinese locale is looked up in the folder LOCPATH names). Line ends are not compared. A fenced
// block that looks like a listing, an object file or a transcript without a
// marker is an error: every quote is checked.
//   node docs/check-guide.js ZOLTASM GUIDE...
// With ZOLT_UPDATE_GUIDE=1 in the environment, the quotes that differ are
// rewritten from what zoltasm gives; review them with git diff.
// The guide also lists every message of the catalog (messages/po/zh_CN.po)
// whole in backquotes, its English text in the English part and its Chinese
// text in the Chinese part; the words of the kinds and the usage texts are
// told in prose.

const fs = require('fs');
const os = require('os');
const path = require('path');
const { spawnSync } = require('child_process');

const root = path.join(__dirname, '..');
const FOLDER = '/home/user';
const KINDS = ['source', 'listing', 'listing-body', 'object', 'transcript'];
const MARKER = /^<!-- zoltasm (\S+) (\S+) -->$/;
// The first lines of blocks that quote zoltasm's output.
const OUTPUT_LIKE = /^(Filemane:|\$ zoltasm|&h[0-9A-F])/;

const failures = [];
function fail(message) {
  failures.push(message);
}

// The fenced blocks of the guide, in order: where each opens and closes, and
// its lines without the fence's indent.
function fencedBlocks(lines) {
  const blocks = [];
  for (let i = 0; i < lines.length; ++i) {
    const fence = /^(\s*)```/.exec(lines[i]);
    if (!fence) continue;
    const indent = fence[1].length;
    let j = i + 1;
    while (j < lines.length && !/^\s*```\s*$/.test(lines[j])) ++j;
    blocks.push({ start: i, end: j, indent, text: lines.slice(i + 1, j).map((l) => l.slice(indent)) });
    i = j;
  }
  return blocks;
}

// Text as the guide writes it: no line ends, → for a tab, the scratch folder
// as /home/user.
function asQuoted(text, scratch) {
  const lines = text.split(scratch).join(FOLDER).replace(/\t/g, '→').split(/\r\n|\r|\n/);
  if (lines.length > 0 && lines[lines.length - 1] === '') lines.pop();
  return lines;
}

function scratchWith(file) {
  const scratch = fs.realpathSync(fs.mkdtempSync(path.join(os.tmpdir(), 'zolt-guide-')));
  fs.copyFileSync(path.join(root, file), path.join(scratch, path.basename(file)));
  return scratch;
}

// Runs zoltasm with its standard output and error in one file, in the order
// it writes them, as a terminal shows them.
function run(zoltasm, args, scratch, lang) {
  const terminal = path.join(scratch, '.terminal');
  const fd = fs.openSync(terminal, 'w');
  const env = { ...process.env, LANG: lang, LC_ALL: '', LC_MESSAGES: '', LANGUAGE: '' };
  try {
    spawnSync(zoltasm, args, { cwd: scratch, stdio: ['ignore', fd, fd], env });
  } finally {
    fs.closeSync(fd);
  }
  const text = fs.readFileSync(terminal, 'utf8');
  fs.rmSync(terminal);
  return text;
}

function outputOf(zoltasm, file, extension) {
  const scratch = scratchWith(file);
  try {
    const source = path.basename(file);
    run(zoltasm, [source], scratch, 'C');
    const output = path.join(scratch, source.slice(0, -3) + extension);
    return asQuoted(fs.existsSync(output) ? fs.readFileSync(output, 'utf8') : '', scratch);
  } finally {
    fs.rmSync(scratch, { recursive: true, force: true });
  }
}

// The transcript as zoltasm gives it: each "$ zoltasm" line of the quote,
// followed by the output of running it.
function transcriptOf(zoltasm, file, quoted, lang) {
  const scratch = scratchWith(file);
  try {
    const lines = [];
    for (const line of quoted) {
      if (!line.startsWith('$ ')) continue;
      const [command, ...args] = line.slice(2).split(/ +/);
      lines.push(line);
      if (command !== 'zoltasm') {
        lines.push(`(only zoltasm is run, not ${command})`);
        continue;
      }
      lines.push(...asQuoted(run(zoltasm, args, scratch, lang), scratch));
    }
    return lines;
  } finally {
    fs.rmSync(scratch, { recursive: true, force: true });
  }
}

function expected(zoltasm, file, kind, quoted, lang) {
  switch (kind) {
    case 'source':
      return asQuoted(fs.readFileSync(path.join(root, file), 'utf8'), FOLDER);
    case 'listing':
      return outputOf(zoltasm, file, 'lst');
    case 'listing-body':
      return outputOf(zoltasm, file, 'lst').slice(3);
    case 'object':
      return outputOf(zoltasm, file, 'obj');
    default:
      return transcriptOf(zoltasm, file, quoted, lang);
  }
}

const UPDATE = process.env.ZOLT_UPDATE_GUIDE === '1';

// Whether the quote is what zoltasm gives; in update mode a differing quote is
// left for the caller to rewrite.
function compare(where, quoted, actual) {
  const length = Math.max(quoted.length, actual.length);
  for (let i = 0; i < length; ++i) {
    if (quoted[i] !== actual[i]) {
      if (UPDATE) return false;
      fail(`${where}, line ${i + 1} of the block:\n  guide:   ${JSON.stringify(quoted[i] ?? '(nothing)')}\n  zoltasm: ${JSON.stringify(actual[i] ?? '(nothing)')}`);
      return true;
    }
  }
  return true;
}

function checkGuide(zoltasm, guide) {
  const lines = fs.readFileSync(guide, 'utf8').split('\n');
  const blocks = fencedBlocks(lines);
  const marked = new Set();
  const rewrites = [];
  let lang = 'C';
  lines.forEach((line, index) => {
    if (line.startsWith('## ')) lang = line === '## 中文' ? 'zh_CN.UTF-8' : 'C';
    const m = MARKER.exec(line.trim());
    if (!m) return;
    const [, file, kind] = m;
    const where = `${guide}:${index + 1} (${file} ${kind})`;
    // The block must follow the marker, with at most blank lines between.
    const block = blocks.find((b) => b.start > index);
    const between = block ? lines.slice(index + 1, block.start) : [];
    if (!KINDS.includes(kind)) return fail(`${where}: no such kind; the kinds are ${KINDS.join(', ')}`);
    if (!fs.existsSync(path.join(root, file))) return fail(`${where}: no such file`);
    if (!block || between.some((l) => l.trim() !== '')) return fail(`${where}: no fenced block follows the marker`);
    marked.add(block);
    const actual = expected(zoltasm, file, kind, block.text, lang);
    if (!compare(where, block.text, actual)) rewrites.push({ block, actual });
  });
  for (const { block, actual } of rewrites.reverse()) {
    lines.splice(block.start + 1, block.end - block.start - 1, ...actual.map((l) => ' '.repeat(block.indent) + l));
  }
  if (rewrites.length > 0) fs.writeFileSync(guide, lines.join('\n'));
  // Every block that quotes zoltasm's output must be one of the checked ones.
  for (const block of blocks) {
    if (!marked.has(block) && OUTPUT_LIKE.test(block.text[0] ?? '')) {
      fail(`${guide}:${block.start + 1}: a quote of zoltasm's output without a marker`);
    }
  }
  return marked.size;
}

// The catalog's one-line messages as [English, Chinese] pairs, read by
// gettext's own msgexec, which runs its command once for each message with
// the English text in MSGEXEC_MSGID and the Chinese on standard input.
function catalogMessages() {
  const po = path.join(root, 'messages', 'po', 'zh_CN.po');
  const each = 'case "$MSGEXEC_MSGID" in *"\n"*|"") exit 0;; esac; printf "%s\\0" "$MSGEXEC_MSGID"; cat; printf "\\0"';
  const result = spawnSync('msgexec', ['-i', po, 'sh', '-c', each]);
  if (result.status !== 0) throw new Error(`msgexec failed on ${po}: ${result.stderr}`);
  const texts = result.stdout.toString().split('\0').slice(0, -1);
  const pairs = [];
  for (let i = 0; i + 1 < texts.length; i += 2) pairs.push([texts[i], texts[i + 1]]);
  return pairs.filter(([english]) => !english.endsWith(': '));
}

function checkMessages(guide) {
  const text = fs.readFileSync(guide, 'utf8');
  const english = text.indexOf('\n## English\n');
  const chinese = text.indexOf('\n## 中文\n');
  if (english < 0 || chinese < 0) return fail(`${guide}: no "## 中文" and "## English" parts`);
  const parts = { zh: text.slice(chinese, english), en: text.slice(english) };
  const pairs = catalogMessages();
  if (pairs.length === 0) return fail('the message catalog holds no message');
  for (const [message, translation] of pairs) {
    if (!parts.en.includes(`\`${message}\``)) fail(`${guide}: the English part does not list \`${message}\``);
    if (!parts.zh.includes(`\`${translation}\``)) fail(`${guide}: the Chinese part does not list \`${translation}\``);
  }
}

const [zoltasm, ...guides] = process.argv.slice(2);
if (process.env.LOCPATH) process.env.LOCPATH = path.resolve(process.env.LOCPATH);
// The Chinese quotes mean nothing if zoltasm cannot speak Chinese here.
const help = (lang) => spawnSync(zoltasm, ['--help'], { env: { ...process.env, LANG: lang, LC_ALL: '', LANGUAGE: '' } }).stdout.toString();
if (help('zh_CN.UTF-8') === help('C')) {
  console.error('zoltasm answers in English under zh_CN.UTF-8: name a folder holding that locale in LOCPATH');
  process.exit(1);
}
let quotes = 0;
for (const guide of guides) {
  quotes += checkGuide(path.resolve(zoltasm), guide);
  checkMessages(guide);
}
for (const message of failures) console.error(message);
console.log(`${quotes} quotes checked, ${failures.length} failures`);
process.exit(failures.length === 0 && quotes > 0 ? 0 : 1);
