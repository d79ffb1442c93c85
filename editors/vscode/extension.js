'use strict';
// Starts zoltasm's language server for ZOLT sources: errors under the lines
// as you type, the address and code words of a line on hover, go to
// definition, references, the outline and completion. The server is
// `zoltasm --lsp`; the setting zolt.server.path names another zoltasm.

const vscode = require('vscode');
const { LanguageClient } = require('vscode-languageclient/node');

let client;

function start() {
  const command = vscode.workspace.getConfiguration('zolt').get('server.path') || 'zoltasm';
  client = new LanguageClient(
    'zolt',
    'ZOLT Assembler',
    { command, args: ['--lsp'] },
    { documentSelector: [{ language: 'zolt' }] },
  );
  return client.start();
}

async function stop() {
  if (client) await client.stop();
  client = undefined;
}

function activate(context) {
  context.subscriptions.push(
    vscode.workspace.onDidChangeConfiguration(async (event) => {
      if (!event.affectsConfiguration('zolt.server.path')) return;
      await stop();
      await start();
    }),
  );
  return start();
}

module.exports = { activate, deactivate: stop };
