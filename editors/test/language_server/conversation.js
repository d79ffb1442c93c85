'use strict';
// Holds the conversation of conversation_table.js with a language server,
// through the message reader and writer that VS Code's own language client
// is built on: they frame what is sent and parse what comes back, so the
// framing and the shape of every message are checked by code we did not
// write. Each reply must hold the row's fragments: every key of an object,
// every element of an array in order (or, under `including`, somewhere in
// it), a string as a part of the reply's string.
//   node conversation.js SERVER [ARGUMENT...]

const assert = require('assert');
const { spawn } = require('child_process');
const rpc = require('vscode-jsonrpc/node');
const lsp = require('vscode-languageserver-protocol');
const table = require('./conversation_table');

const TIMEOUT_MS = 10000;

function holds(actual, expected, where) {
  if (typeof expected === 'string' && typeof actual === 'string') {
    const text = `${JSON.stringify(actual)} lacks ${JSON.stringify(expected)}`;
    assert.ok(actual.includes(expected), `${where}: ${text}`);
  } else if (Array.isArray(expected)) {
    assert.ok(Array.isArray(actual), `${where}: ${JSON.stringify(actual)} is no array`);
    assert.strictEqual(actual.length, expected.length, `${where}: ${JSON.stringify(actual)}`);
    expected.forEach((item, i) => holds(actual[i], item, `${where}[${i}]`));
  } else if (expected !== null && typeof expected === 'object' && 'including' in expected) {
    for (const item of expected.including) {
      const found = actual.some((element) => {
        try {
          holds(element, item, where);
          return true;
        } catch {
          return false;
        }
      });
      assert.ok(found, `${where}: no element holds ${JSON.stringify(item)}`);
    }
  } else if (expected !== null && typeof expected === 'object') {
    assert.ok(actual !== null && typeof actual === 'object', `${where}: ${JSON.stringify(actual)}`);
    for (const [key, value] of Object.entries(expected)) {
      holds(actual[key], value, `${where}.${key}`);
    }
  } else {
    assert.strictEqual(actual, expected, where);
  }
}

// What the protocol's own type guards say each result must look like.
const SHAPES = {
  [lsp.HoverRequest.method]: (result) => result === null || lsp.Hover.is(result),
  [lsp.DefinitionRequest.method]: (result) => result === null || lsp.Location.is(result),
  [lsp.ReferencesRequest.method]: (result) => result.every((item) => lsp.Location.is(item)),
  [lsp.DocumentSymbolRequest.method]: (result) =>
    result.every((item) => lsp.DocumentSymbol.is(item)),
  [lsp.CompletionRequest.method]: (result) =>
    result.every(
      (item) =>
        typeof item.label === 'string' &&
        Object.values(lsp.CompletionItemKind).includes(item.kind),
    ),
  [lsp.PublishDiagnosticsNotification.method]: (params) =>
    params.diagnostics.every((item) => lsp.Diagnostic.is(item)),
};

function checkShape(method, value, where) {
  const shape = SHAPES[method];
  if (shape) {
    assert.ok(shape(value), `${where}: not a valid ${method} answer: ${JSON.stringify(value)}`);
  }
}

// Every message from the server, waited for one at a time.
class Inbox {
  constructor(reader) {
    this.messages = [];
    this.waiting = null;
    reader.listen((message) => {
      assert.ok(
        message.jsonrpc === '2.0' &&
          (rpc.Message.isResponse(message) || rpc.Message.isNotification(message)),
        `the server sent neither a response nor a notification: ${JSON.stringify(message)}`,
      );
      this.messages.push(message);
      if (this.waiting) this.waiting();
    });
  }

  async next(wanted, what) {
    const deadline = Date.now() + TIMEOUT_MS;
    for (;;) {
      const index = this.messages.findIndex(wanted);
      if (index >= 0) return this.messages.splice(index, 1)[0];
      const left = deadline - Date.now();
      assert.ok(left > 0, `${what}: no answer within ${TIMEOUT_MS} ms`);
      await new Promise((resolve) => {
        this.waiting = resolve;
        setTimeout(resolve, left);
      });
    }
  }
}

function start(server) {
  const child = spawn(server[0], server.slice(1), { stdio: ['pipe', 'pipe', 'inherit'] });
  return {
    child,
    exited: new Promise((resolve) => child.on('exit', (code) => resolve(code))),
    writer: new rpc.StreamMessageWriter(child.stdin),
    inbox: new Inbox(new rpc.StreamMessageReader(child.stdout)),
  };
}

// A row with `restart` ends the server and starts another, for a
// conversation that begins with an initialize of its own.
async function converse(server) {
  let { child, exited, writer, inbox } = start(server);
  let nextId = 1;
  let failures = 0;

  for (const row of table) {
    try {
      if (row.restart) {
        child.kill();
        ({ child, exited, writer, inbox } = start(server));
        console.log(`ok   ${row.what}`);
        continue;
      }
      let id = row.id;
      if (row.raw !== undefined) {
        await new Promise((resolve) => child.stdin.write(row.raw, resolve));
      } else if (row.request) {
        id = nextId++;
        await writer.write({ jsonrpc: '2.0', id, method: row.request.method, params: row.params });
      } else {
        await writer.write({ jsonrpc: '2.0', method: row.notify.method, params: row.params });
      }
      if (row.request || row.error) {
        const reply = await inbox.next((m) => rpc.Message.isResponse(m) && m.id === id, row.what);
        if (row.error) {
          holds(reply.error, row.error, row.what);
        } else {
          assert.strictEqual(reply.error, undefined, `${row.what}: ${JSON.stringify(reply.error)}`);
          checkShape(row.request.method, reply.result, row.what);
          holds(reply.result, row.result, row.what);
        }
      }
      if (row.publishes) {
        const method = lsp.PublishDiagnosticsNotification.method;
        const uri = row.publishes.uri ?? row.params.textDocument.uri;
        const published = await inbox.next(
          (m) => m.method === method && m.params.uri === uri,
          row.what,
        );
        checkShape(method, published.params, row.what);
        holds(published.params, row.publishes, row.what);
      }
      if (row.logs) {
        const method = lsp.LogMessageNotification.method;
        const logged = await inbox.next(
          (m) => m.method === method && m.params.message.includes(row.logs.message),
          row.what,
        );
        holds(logged.params, row.logs, row.what);
      }
      if (row.exits !== undefined) {
        const timeout = new Promise((resolve) => setTimeout(resolve, TIMEOUT_MS));
        const code = await Promise.race([exited, timeout]);
        assert.strictEqual(code, row.exits, `${row.what}: exit status`);
      }
      console.log(`ok   ${row.what}`);
    } catch (error) {
      ++failures;
      console.log(`FAIL ${row.what}\n     ${error.message.split('\n').join('\n     ')}`);
    }
  }
  child.kill();
  console.log(`${table.length - failures} passed, ${failures} failed`);
  return failures === 0;
}

converse(process.argv.slice(2)).then((passed) => process.exit(passed ? 0 : 1));
