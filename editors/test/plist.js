'use strict';
// The Sublime Text copy of the grammar: the JSON grammar written as a
// property list, the form Sublime reads. Run directly to rewrite the copy:
//   node editors/test/plist.js

const fs = require('fs');
const path = require('path');

function escape(text) {
  return text.replace(/&/g, '&amp;').replace(/</g, '&lt;').replace(/>/g, '&gt;');
}

function valueOf(value, indent) {
  const inner = indent + '\t';
  if (typeof value === 'string') return `${indent}<string>${escape(value)}</string>\n`;
  if (Array.isArray(value)) {
    return `${indent}<array>\n${value.map((v) => valueOf(v, inner)).join('')}${indent}</array>\n`;
  }
  const entries = Object.entries(value)
    .map(([key, v]) => `${inner}<key>${escape(key)}</key>\n${valueOf(v, inner)}`)
    .join('');
  return `${indent}<dict>\n${entries}${indent}</dict>\n`;
}

function plistOf(grammar) {
  return (
    '<?xml version="1.0" encoding="UTF-8"?>\n' +
    '<!DOCTYPE plist PUBLIC "-//Apple//DTD PLIST 1.0//EN" ' +
    '"http://www.apple.com/DTDs/PropertyList-1.0.dtd">\n' +
    '<plist version="1.0">\n' +
    valueOf(grammar, '') +
    '</plist>\n'
  );
}

if (require.main === module) {
  const editors = path.join(__dirname, '..');
  const grammar = JSON.parse(
    fs.readFileSync(path.join(editors, 'vscode', 'syntaxes', 'zolt.tmLanguage.json'), 'utf8'));
  fs.writeFileSync(path.join(editors, 'sublime', 'ZOLT.tmLanguage'), plistOf(grammar));
}

module.exports = { plistOf };
