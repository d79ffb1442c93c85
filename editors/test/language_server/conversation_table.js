'use strict';
// The conversation with `zoltasm --lsp`, one row a message: what is sent and
// the fragments the reply must hold. A row sends a request (its reply must
// hold `result`, or `error`), a notification (with `publishes`: the
// diagnostics it must bring), or raw bytes (their error reply, or what the
// notification in them brings); with `logs`, the log message it brings; a
// row with `restart` starts a new server. Methods come from the protocol
// package, so a misspelt method name cannot pass.

const lsp = require('vscode-languageserver-protocol');

const uri = 'file:///work/demo.ZOL';
const doc = { uri };

// Line numbers below are 0-based, as the protocol counts them.
const program = (line5, line10) =>
  [
    '; every feature of the server', // 0
    'COUNT EQU 10', // 1
    'NOP', // 2: address 0
    'LOOP:', // 3: LOOP = 1
    'GOTO LOOP', // 4: address 1, B800 1
    line5, // 5: address 3 once it is a statement
    'DJNZI LOOP', // 6: address 4, distance -4, D404
    'BOUT 2', // 7: address 5, E802
    'LOOP', // 8: data word LOOP
    '  COUNT ; data word COUNT', // 9
    line10, // 10: address 8
    '循环:', // 11: a label of two UTF-16 units, six bytes; = 9
    'GOTO 循环', // 12
    'END',
  ].join('\r\n');

// The program's semantic tokens, five numbers a token: line and start from
// the token before, length, type (keyword, function, variable, number,
// comment) and modifiers (1 declaration, 2 data, 4 ignored); line 10's given.
const tokens = (...line10) =>
  [
    [0, 0, 29, 4, 0],
    [1, 0, 5, 2, 1],
    [0, 6, 3, 0, 0],
    [0, 4, 2, 3, 0],
    [1, 0, 3, 0, 0],
    [1, 0, 4, 1, 1],
    [1, 0, 4, 0, 0],
    [0, 5, 4, 1, 0],
    [1, 0, 2, 0, 0],
    [0, 3, 1, 3, 0],
    [1, 0, 5, 0, 0],
    [0, 6, 4, 1, 0],
    [1, 0, 4, 0, 0],
    [0, 5, 1, 3, 0],
    [1, 0, 4, 1, 2],
    [1, 2, 5, 2, 2],
    [0, 6, 17, 4, 0],
    ...line10,
    [1, 0, 2, 1, 1],
    [1, 0, 4, 0, 0],
    [0, 5, 2, 1, 0],
    [1, 0, 3, 0, 0],
  ].flat();

const at = (line, character) => ({ textDocument: doc, position: { line, character } });
const range = (line, start, end) => ({
  start: { line, character: start },
  end: { line, character: end },
});
const markdown = (value) => ({ contents: { kind: 'markdown', value } });
const error = (line, character, message) => ({
  range: { start: { line, character } },
  severity: 1,
  message,
});
const change = (version, text) => ({
  textDocument: { uri, version },
  contentChanges: [{ text }],
});
const frame = (body) => `Content-Length: ${Buffer.byteLength(body)}\r\n\r\n${body}`;

// Messages written byte for byte: nesting far past what the server takes
// (JSON.stringify itself would overflow the stack on it) and escapes of
// lone surrogates.
const nested = (open, inner, close, levels) => open.repeat(levels) + inner + close.repeat(levels);
const deepObjects = nested('{"a":', '1', '}', 100000);
const deepArrays = nested('[', '1', ']', 300000);
const message = (fields) => frame(`{"jsonrpc":"2.0",${fields}}`);
const versioned = (version) => JSON.stringify({ uri, version });
const deepUri = 'file:///work/deep.ZOL';
// One line more than a run reads, the last line read jumping to the first.
const tooLong = 'file:///work/too-long.ZOL';
const tooLongText = `LOOP:\r\n${'NOP\r\n'.repeat(32765)}GOTO LOOP\r\nNOP`;
// The longest program a run reads, and 200 changes of its first line sent in
// one write, each text without a line in error but the last, then a hover.
const longest = 'file:///work/longest.ZOL';
const longestText = '        NOP\r\n'.repeat(32767);
const burst = [
  ...Array.from({ length: 200 }, (_, i) =>
    message(
      `"method":"textDocument/didChange","params":{"textDocument":{"uri":"${longest}",` +
        `"version":${i + 2}},"contentChanges":[{"range":{"start":{"line":0,"character":0},` +
        `"end":{"line":0,"character":11}},"text":"DL ${i === 199 ? 300 : i + 1}"}]}`,
    ),
  ),
  message(
    `"id":"after the burst","method":"textDocument/hover",` +
      `"params":{"textDocument":{"uri":"${longest}"},"position":{"line":0,"character":1}}`,
  ),
].join('');
// A text as JSON escapes it, lines 0 to 8.
const surrogates = [
  'A\\ud800:', // a lone high surrogate
  'B\\uDC00:', // a lone low one
  'C\\ud83d\\ude00:', // a pair
  'D\\ud800\\ud800:', // two high ones
  'E\\\\ud800:', // a backslash, then text
  'F\\ud800\\\\udc00:', // a high one before a backslash
  'GOTO A\\ud800',
  '\\\\ud800', // not a statement
  'END ; \\ud83d\\ude00\\udbff', // a pair, then one at the very end
].join('\\r\\n');
// A second document, for what the first cannot show on its first line.
const edgesUri = 'file:///work/edges.ZOL';
const edgesDoc = { uri: edgesUri };
const edges = (...lines) => lines.join('\r\n');
const atEdges = (line, character) => ({ textDocument: edgesDoc, position: { line, character } });
const edgesChange = (version, ...lines) => ({
  textDocument: { uri: edgesUri, version },
  contentChanges: [{ text: edges(...lines) }],
});

module.exports = [
  {
    what: 'a request before initialize',
    request: lsp.HoverRequest.type,
    params: at(0, 0),
    error: { code: lsp.ErrorCodes.ServerNotInitialized },
  },
  {
    what: 'initialize',
    request: lsp.InitializeRequest.type,
    params: { processId: null, rootUri: null, capabilities: {} },
    result: {
      capabilities: {
        positionEncoding: 'utf-16',
        textDocumentSync: { openClose: true, change: lsp.TextDocumentSyncKind.Incremental },
        hoverProvider: true,
        definitionProvider: true,
        referencesProvider: true,
        documentSymbolProvider: true,
        completionProvider: { triggerCharacters: [' '] },
        inlayHintProvider: true,
        documentHighlightProvider: true,
        foldingRangeProvider: true,
        workspaceSymbolProvider: true,
        renameProvider: { prepareProvider: true },
        signatureHelpProvider: { triggerCharacters: [' '] },
        codeActionProvider: { codeActionKinds: ['quickfix', 'refactor.rewrite'] },
        semanticTokensProvider: {
          legend: {
            tokenTypes: ['keyword', 'function', 'variable', 'number', 'comment'],
            tokenModifiers: ['declaration', 'data', 'ignored'],
          },
          full: true,
        },
      },
      serverInfo: { name: 'zoltasm' },
    },
  },
  { what: 'initialized', notify: lsp.InitializedNotification.type, params: {} },
  {
    what: 'open a program with two lines in error',
    notify: lsp.DidOpenTextDocumentNotification.type,
    params: {
      textDocument: { uri, languageId: 'zolt', version: 1, text: program('N=5', 'DL 300') },
    },
    publishes: {
      uri,
      version: 1,
      diagnostics: [
        { ...error(5, 0, "'N=5' is not a statement"), range: range(5, 0, 3) },
        {
          ...error(10, 3, "DL operand '300' gives 300, outside 1 to 255; 255 used"),
          range: range(10, 3, 6),
        },
      ],
    },
  },
  {
    what: 'a change that fixes both',
    notify: lsp.DidChangeTextDocumentNotification.type,
    params: change(2, program('N= 5', 'DL 30')),
    publishes: { uri, version: 2, diagnostics: [] },
  },
  {
    what: 'a change that stops the run',
    notify: lsp.DidChangeTextDocumentNotification.type,
    params: change(3, program('N= 5', 'DL')),
    publishes: {
      version: 3,
      diagnostics: [{ range: range(10, 0, 2), severity: 1, message: 'DL has no operand' }],
    },
  },
  {
    what: 'two lines that stop the run: the first failure, on its word',
    notify: lsp.DidChangeTextDocumentNotification.type,
    params: change(4, program('X EQU', 'DL')),
    publishes: {
      version: 4,
      diagnostics: [{ range: range(5, 2, 5), severity: 1, message: 'EQU has no value' }],
    },
  },
  {
    what: 'hover past the lines that stop the run',
    request: lsp.HoverRequest.type,
    params: at(12, 6),
    result: { ...markdown('**循环**: label at word address 7'), range: range(12, 5, 7) },
  },
  {
    what: 'definition past the lines that stop the run',
    request: lsp.DefinitionRequest.type,
    params: at(12, 6),
    result: { uri, range: range(11, 0, 2) },
  },
  {
    what: 'references past the lines that stop the run',
    request: lsp.ReferencesRequest.type,
    params: { ...at(12, 6), context: { includeDeclaration: false } },
    result: [{ uri, range: range(12, 5, 7) }],
  },
  {
    what: 'the outline past the lines that stop the run',
    request: lsp.DocumentSymbolRequest.type,
    params: { textDocument: doc },
    result: { including: [{ name: '循环', detail: 'label at 7' }] },
  },
  {
    what: 'completion past the lines that stop the run',
    request: lsp.CompletionRequest.type,
    params: at(12, 5),
    result: { including: [{ label: '循环', detail: 'label at 7' }] },
  },
  {
    what: 'a change that fixes it again',
    notify: lsp.DidChangeTextDocumentNotification.type,
    params: change(5, program('N= 5', 'DL 30')),
    publishes: { version: 5, diagnostics: [] },
  },
  {
    what: 'two changes of ranges in one message, the second in UTF-16 units',
    notify: lsp.DidChangeTextDocumentNotification.type,
    params: {
      textDocument: { uri, version: 50 },
      contentChanges: [
        { range: range(10, 3, 5), text: '300' },
        { range: range(12, 5, 7), text: 'NOWHERE' },
      ],
    },
    publishes: {
      version: 50,
      diagnostics: [
        { range: range(10, 3, 6), message: '255 used' },
        { range: range(12, 5, 12), message: "'NOWHERE' is not a defined symbol" },
      ],
    },
  },
  {
    what: 'a change of a range across line ends puts the text back',
    notify: lsp.DidChangeTextDocumentNotification.type,
    params: {
      textDocument: { uri, version: 51 },
      contentChanges: [
        { range: { start: at(10, 3).position, end: at(12, 12).position }, text: '30\r\n循环:\r\nGOTO 循环' },
      ],
    },
    publishes: { version: 51, diagnostics: [] },
  },
  {
    what: 'hover on a statement',
    request: lsp.HoverRequest.type,
    params: at(4, 1),
    result: markdown('**address** 1 · **code** `B800 1`\n\n**operand** `LOOP` = 1'),
  },
  {
    what: 'hover on a jump',
    request: lsp.HoverRequest.type,
    params: at(6, 0),
    result: markdown('**address** 4 · **code** `D404`\n\n**distance** -4 to `LOOP`'),
  },
  {
    what: 'hover on a label in an operand',
    request: lsp.HoverRequest.type,
    params: at(4, 7),
    result: {
      ...markdown('**LOOP**: label at word address 1, defined on line 4'),
      range: range(4, 5, 9),
    },
  },
  {
    what: 'hover on an EQU name in a data line',
    request: lsp.HoverRequest.type,
    params: at(9, 4),
    result: markdown('**COUNT**: EQU, value 10, defined on line 2'),
  },
  {
    what: 'hover counts UTF-16 units',
    request: lsp.HoverRequest.type,
    params: at(12, 6),
    result: { ...markdown('label at word address 9'), range: range(12, 5, 7) },
  },
  {
    what: 'hover on a data line naming a symbol: its address and code, then the symbol',
    request: lsp.HoverRequest.type,
    params: at(8, 1),
    result: {
      ...markdown(
        '**address** 6 · **code** `1`\n\n**data** `LOOP` = 1 · range 0 to 65535\n\n---\n\n' +
          '**LOOP**: label at word address 1',
      ),
      range: range(8, 0, 4),
    },
  },
  {
    what: 'hover on a name in a comment',
    request: lsp.HoverRequest.type,
    params: at(9, 22),
    result: null,
  },
  {
    what: 'no definition for a name in a comment',
    request: lsp.DefinitionRequest.type,
    params: at(9, 22),
    result: null,
  },
  {
    what: 'definition of a label',
    request: lsp.DefinitionRequest.type,
    params: at(4, 9),
    result: { uri, range: range(3, 0, 4) },
  },
  {
    what: 'definition from a data line',
    request: lsp.DefinitionRequest.type,
    params: at(9, 2),
    result: { uri, range: range(1, 0, 5) },
  },
  {
    what: 'definition of a label of Chinese characters',
    request: lsp.DefinitionRequest.type,
    params: at(12, 7),
    result: { uri, range: range(11, 0, 2) },
  },
  {
    what: 'no definition on a mnemonic',
    request: lsp.DefinitionRequest.type,
    params: at(2, 1),
    result: null,
  },
  {
    what: 'references from the definition',
    request: lsp.ReferencesRequest.type,
    params: { ...at(3, 2), context: { includeDeclaration: true } },
    result: [
      { uri, range: range(3, 0, 4) },
      { uri, range: range(4, 5, 9) },
      { uri, range: range(6, 6, 10) },
      { uri, range: range(8, 0, 4) },
    ],
  },
  {
    what: 'the outline',
    request: lsp.DocumentSymbolRequest.type,
    params: { textDocument: doc },
    result: [
      {
        name: 'COUNT',
        kind: lsp.SymbolKind.Constant,
        detail: 'EQU 10',
        selectionRange: range(1, 0, 5),
      },
      {
        name: 'LOOP',
        kind: lsp.SymbolKind.Function,
        range: { start: at(3, 0).position, end: at(10, 5).position },
        selectionRange: range(3, 0, 4),
      },
      {
        name: '循环',
        kind: lsp.SymbolKind.Function,
        range: { start: at(11, 0).position, end: at(13, 3).position },
        selectionRange: range(11, 0, 2),
      },
    ],
  },
  {
    what: 'document highlight: the definition written, the operands read',
    request: lsp.DocumentHighlightRequest.type,
    params: at(4, 7),
    result: [
      { range: range(3, 0, 4), kind: lsp.DocumentHighlightKind.Write },
      { range: range(4, 5, 9), kind: lsp.DocumentHighlightKind.Read },
      { range: range(6, 6, 10), kind: lsp.DocumentHighlightKind.Read },
      { range: range(8, 0, 4), kind: lsp.DocumentHighlightKind.Read },
    ],
  },
  {
    what: 'folding: a BOUT block with its data lines',
    request: lsp.FoldingRangeRequest.type,
    params: { textDocument: doc },
    result: [{ startLine: 7, endLine: 9 }],
  },
  {
    what: 'semantic tokens: comments, EQU names, mnemonics, labels, numbers, data words',
    request: lsp.SemanticTokensRequest.type,
    params: { textDocument: doc },
    result: { data: tokens([1, 0, 2, 0, 0], [0, 3, 2, 3, 0]) },
  },
  {
    what: 'workspace symbols over the open documents, in any letter case',
    request: lsp.WorkspaceSymbolRequest.type,
    params: { query: 'oo' },
    result: [{ name: 'LOOP', kind: lsp.SymbolKind.Function, location: { uri, range: range(3, 0, 4) } }],
  },
  {
    what: 'no inlay hints on a comment line',
    request: lsp.InlayHintRequest.type,
    params: { textDocument: doc, range: range(0, 0, 0) },
    result: [],
  },
  {
    what: 'inlay hints of the whole text, a BOUT block line by line',
    request: lsp.InlayHintRequest.type,
    params: { textDocument: doc, range: { start: at(0, 0).position, end: at(99, 0).position } },
    result: [
      { position: { line: 2, character: 3 }, label: '@0 E000', paddingLeft: true },
      { position: { line: 4, character: 9 }, label: '@1 B800 1' },
      { position: { line: 5, character: 4 }, label: '@3 ' },
      { position: { line: 6, character: 10 }, label: '@4 D404' },
      { position: { line: 7, character: 6 }, label: '@5 E802' },
      { position: { line: 8, character: 4 }, label: '@6 1' },
      { position: { line: 9, character: 25 }, label: '@7 A' },
      { position: { line: 10, character: 5 }, label: '@8 ' },
      { position: { line: 12, character: 7 }, label: '@9 B800 9' },
      { position: { line: 13 }, label: '@11 ' },
    ],
  },
  {
    what: 'prepare a rename from an operand',
    request: lsp.PrepareRenameRequest.type,
    params: at(4, 7),
    result: { range: range(4, 5, 9), placeholder: 'LOOP' },
  },
  {
    what: 'no rename of a mnemonic',
    request: lsp.PrepareRenameRequest.type,
    params: at(2, 1),
    error: { code: lsp.LSPErrorCodes.RequestFailed, message: 'only a label or an EQU name' },
  },
  {
    what: 'rename a label: its definition, its operands and data lines',
    request: lsp.RenameRequest.type,
    params: { ...at(3, 1), newName: 'Again' },
    result: {
      changes: {
        [uri]: [
          { range: range(3, 0, 4), newText: 'Again' },
          { range: range(4, 5, 9), newText: 'Again' },
          { range: range(6, 6, 10), newText: 'Again' },
          { range: range(8, 0, 4), newText: 'Again' },
        ],
      },
    },
  },
  ...[
    ['count', "'count' is taken: it names the symbol defined on line 2"],
    ['goto', "'goto' is a mnemonic"],
    ['&H10', "'&H10' cannot name a symbol"],
    ['A B', "'A B' cannot name a symbol"],
    ['A:', "'A:' cannot name a symbol"],
    ['A;B', "'A;B' cannot name a symbol: a name is one word, with no blank, line end, ':' or ';'"],
    ['A\rB', "'A\\x0DB' cannot name a symbol"],
    ['A\nB', "'A\\x0AB' cannot name a symbol"],
    ['A\tB', "'A\\x09B' cannot name a symbol"],
    ['A\u3000B', "'A\u3000B' cannot name a symbol"],
  ].map(([newName, message]) => ({
    what: `no rename to ${newName}`,
    request: lsp.RenameRequest.type,
    params: { ...at(4, 7), newName },
    error: { code: lsp.LSPErrorCodes.RequestFailed, message },
  })),
  {
    what: 'signature help after a relative jump: the distance and the addresses it reaches',
    request: lsp.SignatureHelpRequest.type,
    params: at(6, 7),
    result: {
      signatures: [
        {
          label: 'DJNZI distance',
          documentation: '1 word, distance -1023 to 1023\n\nfrom word address 4 it reaches 0 to 1028',
          parameters: [{ label: 'distance' }],
        },
      ],
      activeSignature: 0,
      activeParameter: 0,
    },
  },
  {
    what: 'signature help after an absolute jump',
    request: lsp.SignatureHelpRequest.type,
    params: at(4, 5),
    result: {
      signatures: [{ label: 'GOTO word address', documentation: 'operand 0 to 65535' }],
    },
  },
  {
    what: 'no signature help after a mnemonic without an operand',
    request: lsp.SignatureHelpRequest.type,
    params: at(2, 3),
    result: null,
  },
  {
    what: 'no mnemonics for the first word of a comment line',
    request: lsp.CompletionRequest.type,
    params: at(0, 1),
    result: [],
  },
  {
    what: 'completion at the start of a statement',
    request: lsp.CompletionRequest.type,
    params: at(2, 1),
    result: {
      including: [
        { label: 'SET', kind: lsp.CompletionItemKind.Keyword },
        { label: 'DJNZI', detail: 'distance -1023 to 1023' },
        { label: 'BOUT' },
      ],
    },
  },
  {
    what: 'completion after a mnemonic',
    request: lsp.CompletionRequest.type,
    params: at(4, 5),
    result: [
      { label: 'COUNT', kind: lsp.CompletionItemKind.Constant },
      { label: 'LOOP', kind: lsp.CompletionItemKind.Function },
      { label: '循环' },
    ],
  },
  {
    what: 'completion on a data line offers the symbols',
    request: lsp.CompletionRequest.type,
    params: at(8, 2),
    result: [{ label: 'COUNT' }, { label: 'LOOP' }, { label: '循环' }],
  },
  {
    what: 'no completion in a comment',
    request: lsp.CompletionRequest.type,
    params: at(9, 12),
    result: [],
  },
  {
    what: 'an operand outside its range and a word after it',
    notify: lsp.DidChangeTextDocumentNotification.type,
    params: change(6, program('N= 5', 'DL 300 LOOP')),
    publishes: {
      version: 6,
      diagnostics: [
        { range: range(10, 3, 6), severity: 1, message: '255 used' },
        { range: range(10, 7, 11), severity: 2, message: "'LOOP' after the operand is ignored" },
      ],
    },
  },
  {
    what: 'hover on it gives the range and the value used',
    request: lsp.HoverRequest.type,
    params: at(10, 4),
    result: {
      ...markdown('**code** `90FF`\n\n**operand** `300` · range 1 to 255 · 255 used'),
      range: range(10, 0, 6),
    },
  },
  {
    what: 'semantic tokens of a word ignored after the operand',
    request: lsp.SemanticTokensRequest.type,
    params: { textDocument: doc },
    result: { data: tokens([1, 0, 2, 0, 0], [0, 3, 3, 3, 0], [0, 4, 4, 4, 4]) },
  },
  {
    what: 'code actions: the bound for an operand out of range, &H for the number',
    request: lsp.CodeActionRequest.type,
    params: { textDocument: doc, range: range(10, 4, 4), context: { diagnostics: [] } },
    result: [
      {
        title: "Replace '300' with '255'",
        kind: lsp.CodeActionKind.QuickFix,
        diagnostics: [{ range: range(10, 3, 6), message: '255 used' }],
        edit: { changes: { [uri]: [{ range: range(10, 3, 6), newText: '255' }] } },
      },
      {
        title: "Write '300' as '&H12C'",
        kind: lsp.CodeActionKind.RefactorRewrite,
        edit: { changes: { [uri]: [{ range: range(10, 3, 6), newText: '&H12C' }] } },
      },
    ],
  },
  {
    what: 'hover on a word ignored after the operand',
    request: lsp.HoverRequest.type,
    params: at(10, 8),
    result: null,
  },
  {
    what: 'no definition for a word ignored after the operand',
    request: lsp.DefinitionRequest.type,
    params: at(10, 8),
    result: null,
  },
  {
    what: 'no completion for a word ignored after the operand',
    request: lsp.CompletionRequest.type,
    params: at(10, 8),
    result: [],
  },
  {
    what: 'a data line being typed',
    notify: lsp.DidChangeTextDocumentNotification.type,
    params: change(7, program('N= 5', 'DL 30').replace('  COUNT ; data word COUNT', '')),
    publishes: { version: 7, diagnostics: [{ range: { start: { line: 9 } }, severity: 1 }] },
  },
  {
    what: 'completion on it offers the symbols',
    request: lsp.CompletionRequest.type,
    params: at(9, 0),
    result: [{ label: 'COUNT' }, { label: 'LOOP' }, { label: '循环' }],
  },
  {
    what: 'a label with a blank before its colon, a full-width space',
    notify: lsp.DidChangeTextDocumentNotification.type,
    params: change(8, program('LOOP2 :', 'DL\u30005')),
    publishes: { version: 8 },
  },
  {
    what: 'no code action on a comment line',
    request: lsp.CodeActionRequest.type,
    params: { textDocument: doc, range: range(0, 0, 0), context: { diagnostics: [] } },
    result: [],
  },
  {
    what: 'code actions over the lines: the label joined, a space for the full-width one',
    request: lsp.CodeActionRequest.type,
    params: {
      textDocument: doc,
      range: { start: at(5, 0).position, end: at(10, 0).position },
      context: { diagnostics: [] },
    },
    result: [
      { edit: { changes: { [uri]: [{ range: range(5, 0, 7), newText: 'LOOP2:' }] } } },
      { edit: { changes: { [uri]: [{ range: range(10, 2, 3), newText: ' ' }] } } },
    ],
  },
  {
    what: 'a count written with &H',
    request: lsp.CodeActionRequest.type,
    params: { textDocument: doc, range: range(7, 5, 5), context: { diagnostics: [] } },
    result: [{ title: "Write '2' as '&H2'", kind: lsp.CodeActionKind.RefactorRewrite }],
  },
  {
    what: 'a number written 0x10 stops the run',
    notify: lsp.DidChangeTextDocumentNotification.type,
    params: change(9, program('LOOP2 :', 'DL 0x10')),
    publishes: {
      version: 9,
      diagnostics: [
        { range: range(5, 0, 5) },
        error(10, 3, "'0x10' is not a number; hexadecimal is written with &H, as in &H10"),
      ],
    },
  },
  {
    what: 'the failure spells out its quick fix: &H10',
    request: lsp.CodeActionRequest.type,
    params: { textDocument: doc, range: range(10, 0, 0), context: { diagnostics: [] } },
    result: [
      {
        title: "Replace '0x10' with '&H10'",
        kind: lsp.CodeActionKind.QuickFix,
        isPreferred: true,
        diagnostics: [{ range: range(10, 3, 7), severity: 1 }],
        edit: { changes: { [uri]: [{ range: range(10, 3, 7), newText: '&H10' }] } },
      },
    ],
  },
  {
    what: 'a full-width space between an operand and its comment stops the run',
    notify: lsp.DidChangeTextDocumentNotification.type,
    params: change(10, program('LOOP2:', 'DL 12\u3000; twelve')),
    publishes: {
      version: 10,
      diagnostics: [error(10, 3, "'12\u3000;' is not a number; a full-width space (U+3000)")],
    },
  },
  {
    what: 'its quick fix puts a space in its place',
    request: lsp.CodeActionRequest.type,
    params: { textDocument: doc, range: range(10, 4, 4), context: { diagnostics: [] } },
    result: [{ edit: { changes: { [uri]: [{ range: range(10, 5, 6), newText: ' ' }] } } }],
  },
  {
    what: 'a name written $1F is marked in error',
    notify: lsp.DidChangeTextDocumentNotification.type,
    params: change(11, program('LOOP2:', 'GOTO $1F')),
    publishes: {
      version: 11,
      diagnostics: [error(10, 5, "'$1F' is not a defined symbol; 0 used; hexadecimal is")],
    },
  },
  {
    what: 'its quick fix writes &H1F',
    request: lsp.CodeActionRequest.type,
    params: { textDocument: doc, range: range(10, 0, 0), context: { diagnostics: [] } },
    result: [{ edit: { changes: { [uri]: [{ range: range(10, 5, 8), newText: '&H1F' }] } } }],
  },
  {
    what: 'a data word written with &h',
    notify: lsp.DidChangeTextDocumentNotification.type,
    params: change(12, program('LOOP2:', 'DL &h1f')),
    publishes: { version: 12, diagnostics: [] },
  },
  {
    what: 'it is written again in decimal, as the line has it',
    request: lsp.CodeActionRequest.type,
    params: { textDocument: doc, range: range(10, 7, 7), context: { diagnostics: [] } },
    result: [
      {
        title: "Write '&h1f' as '31'",
        edit: { changes: { [uri]: [{ range: range(10, 3, 7), newText: '31' }] } },
      },
    ],
  },
  {
    what: 'the text of the rows before again',
    notify: lsp.DidChangeTextDocumentNotification.type,
    params: change(13, program('LOOP2 :', 'DL\u30005')),
    publishes: { version: 13 },
  },
  {
    what: 'a body that is not JSON',
    raw: frame('{"jsonrpc": "2.0", "id": 1, "method"'),
    id: null,
    error: { code: lsp.ErrorCodes.ParseError },
  },
  {
    what: 'a header without Content-Length',
    raw: 'Content-Type: application/vscode-jsonrpc\r\n\r\n',
    id: null,
    error: { code: lsp.ErrorCodes.ParseError },
  },
  {
    what: 'a request without a method',
    raw: frame('{"jsonrpc": "2.0", "id": "no method", "params": {}}'),
    id: 'no method',
    error: { code: lsp.ErrorCodes.InvalidRequest },
  },
  // The server sends no requests, so a response from the editor matches none:
  // it is dropped unanswered, and the request after it, of the same id, gets
  // the first reply of that id.
  {
    what: "the editor's responses, with a result and with an error, are not answered",
    raw:
      message('"id":"answered","result":null') +
      message('"id":"answered","error":{"code":-32601,"message":"unknown"}') +
      message('"id":"answered","method":"zolt/unknown"'),
    id: 'answered',
    error: { code: lsp.ErrorCodes.MethodNotFound },
  },
  {
    what: 'an unknown method',
    request: new lsp.RequestType('zolt/unknown'),
    params: {},
    error: { code: lsp.ErrorCodes.MethodNotFound },
  },
  {
    what: 'a position of the wrong type',
    request: lsp.HoverRequest.type,
    params: { textDocument: doc, position: { line: 'four', character: 0 } },
    error: { code: lsp.ErrorCodes.InvalidParams },
  },
  {
    what: 'a line number that is no whole number',
    request: lsp.HoverRequest.type,
    params: at(1e300, 0),
    error: { code: lsp.ErrorCodes.InvalidParams },
  },
  {
    what: 'a position past the end of the text',
    request: lsp.HoverRequest.type,
    params: at(400, 900),
    result: null,
  },
  {
    what: 'a text that is no program only gets a diagnostic',
    notify: lsp.DidOpenTextDocumentNotification.type,
    params: {
      textDocument: {
        uri: 'file:///work/bytes.ZOL',
        languageId: 'zolt',
        version: 1,
        text: '\0\u0001\u00ff\t~\r\r\n\u0007 EQU &hZZ',
      },
    },
    publishes: {
      uri: 'file:///work/bytes.ZOL',
      diagnostics: [error(2, 6, "'&hZZ' is not a number")],
    },
  },
  {
    what: 'closing a document clears its diagnostics',
    notify: lsp.DidCloseTextDocumentNotification.type,
    params: { textDocument: { uri: 'file:///work/bytes.ZOL' } },
    publishes: { uri: 'file:///work/bytes.ZOL', diagnostics: [] },
  },
  {
    what: 'the message after it is answered',
    request: lsp.HoverRequest.type,
    params: at(4, 1),
    result: markdown('**address** 1'),
  },
  // The message is the first of the 512 levels taken.
  {
    what: 'a request of 512 levels is read',
    raw: message(
      `"id":"512","method":"${lsp.HoverRequest.method}","params":${nested('[', '', ']', 511)}`,
    ),
    id: '512',
    error: { code: lsp.ErrorCodes.InvalidParams },
  },
  {
    what: 'a request of 513 levels is refused',
    raw: message(
      `"id":"513","method":"${lsp.HoverRequest.method}","params":${nested('[', '', ']', 512)}`,
    ),
    id: '513',
    error: { code: lsp.ErrorCodes.InvalidRequest },
  },
  {
    what: 'a request whose params nest objects 100,000 deep',
    raw: message(
      `"id":"deep params","method":"${lsp.HoverRequest.method}","params":${deepObjects}`,
    ),
    id: 'deep params',
    error: { code: lsp.ErrorCodes.InvalidRequest },
  },
  {
    what: 'an id of arrays 300,000 deep',
    raw: message(`"id":${deepArrays},"method":"${lsp.HoverRequest.method}","params":{}`),
    id: null,
    error: { code: lsp.ErrorCodes.InvalidRequest },
  },
  {
    what: 'a position of arrays 300,000 deep',
    raw: message(
      `"id":"deep position","method":"${lsp.HoverRequest.method}",` +
        `"params":{"textDocument":${JSON.stringify(doc)},"position":${deepArrays}}`,
    ),
    id: 'deep position',
    error: { code: lsp.ErrorCodes.InvalidRequest },
  },
  {
    what: 'a didOpen whose text nests objects 100,000 deep opens an unknown document',
    raw: message(
      `"method":"${lsp.DidOpenTextDocumentNotification.method}","params":{"textDocument":` +
        `{"uri":"${deepUri}","languageId":"zolt","version":1,"text":${deepObjects}}}`,
    ),
    publishes: { uri: deepUri, version: 1, diagnostics: [] },
  },
  {
    what: 'no outline of a document opened unknown',
    request: lsp.DocumentSymbolRequest.type,
    params: { textDocument: { uri: deepUri } },
    result: [],
  },
  {
    what: 'a didChange whose text nests arrays 300,000 deep leaves the document unknown',
    raw: message(
      `"method":"${lsp.DidChangeTextDocumentNotification.method}",` +
        `"params":{"textDocument":${versioned(5)},"contentChanges":[{"text":${deepArrays}}]}`,
    ),
    publishes: { uri, version: 5, diagnostics: [] },
    logs: {
      type: lsp.MessageType.Warning,
      message: 'textDocument/didChange was ignored: the message nests arrays and objects deeper',
    },
  },
  {
    what: 'no hover on an unknown document',
    request: lsp.HoverRequest.type,
    params: at(4, 1),
    result: null,
  },
  {
    what: 'no completion in an unknown document',
    request: lsp.CompletionRequest.type,
    params: at(2, 1),
    result: [],
  },
  {
    what: 'a full text restores it',
    notify: lsp.DidChangeTextDocumentNotification.type,
    params: change(6, program('N=5', 'DL 30')),
    publishes: { version: 6, diagnostics: [error(5, 0, "'N=5' is not a statement")] },
  },
  {
    what: 'hover on the restored document',
    request: lsp.HoverRequest.type,
    params: at(4, 1),
    result: markdown('**address** 1 · **code** `B800 1`\n\n**operand** `LOOP` = 1'),
  },
  {
    what: 'a negative character stands for the start of the line',
    request: lsp.HoverRequest.type,
    params: at(4, -1),
    result: { ...markdown('**address** 1'), range: range(4, 0, 9) },
  },
  {
    what: 'a text that is no string leaves the document unknown',
    notify: lsp.DidChangeTextDocumentNotification.type,
    params: change(7, 5),
    publishes: { version: 7, diagnostics: [] },
    logs: { message: 'textDocument/didChange was ignored: ' },
  },
  {
    what: 'a whole text with a member too deep beside it is refused too',
    raw: message(
      `"method":"${lsp.DidChangeTextDocumentNotification.method}","params":{"textDocument":` +
        `${versioned(8)},"contentChanges":[{"text":"NOP","range":${nested('[', '', ']', 600)}}]}`,
    ),
    publishes: { uri, version: 8, diagnostics: [] },
  },
  {
    what: 'no definition in an unknown document',
    request: lsp.DefinitionRequest.type,
    params: at(4, 9),
    result: null,
  },
  {
    what: 'no references in an unknown document',
    request: lsp.ReferencesRequest.type,
    params: { ...at(4, 6), context: { includeDeclaration: true } },
    result: [],
  },
  {
    what: 'no code actions in an unknown document',
    request: lsp.CodeActionRequest.type,
    params: { textDocument: doc, range: range(5, 0, 3), context: { diagnostics: [] } },
    result: [],
  },
  {
    what: 'no inlay hints in an unknown document',
    request: lsp.InlayHintRequest.type,
    params: { textDocument: doc, range: range(0, 0, 12) },
    result: [],
  },
  {
    what: 'no rename in an unknown document',
    request: lsp.RenameRequest.type,
    params: { ...at(3, 1), newName: 'AGAIN' },
    result: null,
  },
  {
    what: 'no semantic tokens in an unknown document',
    request: lsp.SemanticTokensRequest.type,
    params: { textDocument: doc },
    result: { data: [] },
  },
  {
    what: 'a change of a range cannot be taken while the text is unknown',
    notify: lsp.DidChangeTextDocumentNotification.type,
    params: {
      textDocument: { uri, version: 8 },
      contentChanges: [{ range: range(0, 0, 0), text: 'NOP' }],
    },
    publishes: { version: 8, diagnostics: [] },
    logs: { message: 'a change of a range of a document whose text is not known' },
  },
  {
    what: 'lone surrogates are taken as U+FFFD, an escaped backslash as text',
    raw: message(
      `"method":"${lsp.DidChangeTextDocumentNotification.method}","params":{"textDocument":` +
        `${versioned(9)},"contentChanges":[{"text":"${surrogates}"}]}`,
    ),
    publishes: { uri, version: 9, diagnostics: [error(7, 0, "'\\ud800' is not a statement")] },
  },
  {
    what: 'the outline names the labels as the text holds them',
    request: lsp.DocumentSymbolRequest.type,
    params: { textDocument: doc },
    result: [
      { name: 'A\ufffd' },
      { name: 'B\ufffd' },
      { name: 'C\u{1f600}' },
      { name: 'D\ufffd\ufffd' },
      { name: 'E\\UD800' },
      { name: 'F\ufffd\\UDC00' },
    ],
  },
  {
    what: 'hover counts a character beyond U+FFFF as two UTF-16 units',
    request: lsp.HoverRequest.type,
    params: at(2, 1),
    result: { range: range(2, 0, 4) },
  },
  {
    what: 'hover counts U+FFFD as one UTF-16 unit',
    request: lsp.HoverRequest.type,
    params: at(6, 6),
    result: { ...markdown('**A\ufffd**: label at word address 0'), range: range(6, 5, 7) },
  },
  {
    what: 'a document of 32,768 lines: the run fails, ...',
    notify: lsp.DidOpenTextDocumentNotification.type,
    params: { textDocument: { uri: tooLong, languageId: 'zolt', version: 1, text: tooLongText } },
    publishes: { uri: tooLong, diagnostics: [{ message: 'more than 32767 lines' }] },
  },
  {
    what: '... and the lines it reads are navigated',
    request: lsp.DefinitionRequest.type,
    params: { textDocument: { uri: tooLong }, position: { line: 32766, character: 6 } },
    result: { uri: tooLong, range: range(0, 0, 4) },
  },
  {
    what: 'hover on the last line read',
    request: lsp.HoverRequest.type,
    params: { textDocument: { uri: tooLong }, position: { line: 32766, character: 1 } },
    result: markdown('**address** 32765 · **code** `B800 0`'),
  },
  {
    what: 'open the longest program',
    notify: lsp.DidOpenTextDocumentNotification.type,
    params: { textDocument: { uri: longest, languageId: 'zolt', version: 1, text: longestText } },
    publishes: { uri: longest, version: 1, diagnostics: [] },
  },
  {
    what: '200 changes sent at once, then a hover: one run, of the last text, answers it',
    raw: burst,
    request: lsp.HoverRequest.type,
    id: 'after the burst',
    result: markdown('`90FF`'),
    publishes: {
      uri: longest,
      version: 201,
      diagnostics: [{ range: { start: { line: 0, character: 3 } } }],
    },
  },
  {
    what: 'a second document: a jump on its first line, comment runs, a name defined twice',
    notify: lsp.DidOpenTextDocumentNotification.type,
    params: {
      textDocument: {
        uri: edgesUri,
        languageId: 'zolt',
        version: 1,
        text: edges(
          'DJNZI HERE',
          '; a run of',
          '; comment lines',
          'HERE:',
          'HERE EQU 3',
          '; alone',
          'DL 5',
          '',
          'END',
        ),
      },
    },
    publishes: { uri: edgesUri, version: 1 },
  },
  {
    what: 'folding: a run of comment lines ends at its last comment, a lone comment does not fold',
    request: lsp.FoldingRangeRequest.type,
    params: { textDocument: edgesDoc },
    result: [{ startLine: 1, endLine: 2, kind: 'comment' }],
  },
  {
    what: 'hover on the second definition of a name: operands take the first',
    request: lsp.HoverRequest.type,
    params: atEdges(4, 1),
    result: markdown('not used: operands take the definition on line 4'),
  },
  {
    what: 'completion after a line whose operand opens no block offers mnemonics',
    request: lsp.CompletionRequest.type,
    params: atEdges(7, 0),
    result: { including: [{ label: 'NOP', kind: lsp.CompletionItemKind.Keyword }] },
  },
  {
    what: 'a BOUT block that opens on the first line',
    notify: lsp.DidChangeTextDocumentNotification.type,
    params: edgesChange(2, 'BOUT 2', '', '', 'X EQU 1', 'END'),
    publishes: { uri: edgesUri, version: 2 },
  },
  {
    what: 'completion on its first data line offers the symbols alone',
    request: lsp.CompletionRequest.type,
    params: atEdges(1, 0),
    result: [{ label: 'X' }],
  },
  {
    what: 'a jump being typed on the first line stops the run',
    notify: lsp.DidChangeTextDocumentNotification.type,
    params: edgesChange(3, 'DJNZI ', 'END'),
    publishes: { uri: edgesUri, version: 3, diagnostics: [{ message: 'DJNZI has no operand' }] },
  },
  {
    what: 'signature help on it counts from word address 0',
    request: lsp.SignatureHelpRequest.type,
    params: atEdges(0, 6),
    result: { signatures: [{ documentation: 'from word address 0 it reaches 0 to 1024' }] },
  },
  {
    what: 'a jump with a comment after it, and an operand not yet typed before one',
    notify: lsp.DidChangeTextDocumentNotification.type,
    params: edgesChange(4, 'GOTO 0 ; again', 'OUT ; to come', 'END'),
    publishes: { uri: edgesUri, version: 4 },
  },
  {
    what: 'no signature help with the cursor still on the mnemonic',
    request: lsp.SignatureHelpRequest.type,
    params: atEdges(0, 4),
    result: null,
  },
  {
    what: 'no signature help in the comment after the operand',
    request: lsp.SignatureHelpRequest.type,
    params: atEdges(0, 9),
    result: null,
  },
  {
    what: 'no signature help on a comment where the operand would go',
    request: lsp.SignatureHelpRequest.type,
    params: atEdges(1, 5),
    result: null,
  },
  // A byte-order mark is one UTF-16 unit of the first line, before its text.
  {
    what: 'a text after a byte-order mark: the range after the mark',
    notify: lsp.DidChangeTextDocumentNotification.type,
    params: edgesChange(5, '\ufeffDL 300', 'NOP ONE TWO ; three', 'END'),
    publishes: {
      uri: edgesUri,
      version: 5,
      diagnostics: [{ range: range(0, 4, 7) }, { range: range(1, 4, 7) }],
    },
  },
  {
    what: 'hover on the first line counts the mark',
    request: lsp.HoverRequest.type,
    params: atEdges(0, 5),
    result: { range: range(0, 1, 7) },
  },
  {
    what: 'the words NOP ignores before a comment are one token',
    request: lsp.SemanticTokensRequest.type,
    params: { textDocument: edgesDoc },
    result: {
      data: [
        [0, 1, 2, 0, 0],
        [0, 3, 3, 3, 0],
        [1, 0, 3, 0, 0],
        [0, 4, 7, 4, 4],
        [0, 8, 7, 4, 0],
        [1, 0, 3, 0, 0],
      ].flat(),
    },
  },
  { what: 'shutdown', request: lsp.ShutdownRequest.type, params: undefined, result: null },
  {
    what: 'a request after shutdown',
    request: lsp.HoverRequest.type,
    params: at(4, 1),
    error: { code: lsp.ErrorCodes.InvalidRequest },
  },
  { what: 'exit', notify: lsp.ExitNotification.type, params: undefined, exits: 0 },
  { what: 'a second server, for an editor in Chinese', restart: true },
  {
    what: 'initialize with the locale zh-cn, positions counted in UTF-8 bytes',
    request: lsp.InitializeRequest.type,
    params: {
      processId: null,
      rootUri: null,
      capabilities: { general: { positionEncodings: ['utf-16', 'utf-8'] } },
      locale: 'zh-cn',
    },
    result: { capabilities: { positionEncoding: 'utf-8' }, serverInfo: { name: 'zoltasm' } },
  },
  {
    what: 'diagnostics in Chinese, on the same words',
    notify: lsp.DidOpenTextDocumentNotification.type,
    params: {
      textDocument: { uri, languageId: 'zolt', version: 1, text: program('N= 5', 'DL 300') },
    },
    publishes: {
      diagnostics: [{ range: range(10, 3, 6), message: '（值为 300）超出范围 1 到 255，按 255 汇编' }],
    },
  },
  {
    what: 'hover in Chinese',
    request: lsp.HoverRequest.type,
    params: at(10, 4),
    result: markdown('**地址** 8 · **代码** `90FF`\n\n**操作数** `300` · 范围 1 到 255 · 按 255 汇编'),
  },
  {
    what: 'hover on a Chinese label spans its six bytes',
    request: lsp.HoverRequest.type,
    params: at(12, 8),
    result: { range: range(12, 5, 11) },
  },
  {
    what: 'hover on a label in Chinese',
    request: lsp.HoverRequest.type,
    params: at(4, 7),
    result: markdown('**LOOP**：标号，字地址 1，定义于第 4 行'),
  },
  {
    what: 'completion in Chinese',
    request: lsp.CompletionRequest.type,
    params: at(2, 1),
    result: { including: [{ label: 'DJNZI', detail: '1 个字，距离 -1023 到 1023' }] },
  },
  {
    what: 'the outline in Chinese',
    request: lsp.DocumentSymbolRequest.type,
    params: { textDocument: doc },
    result: { including: [{ name: 'LOOP', detail: '标号，位于 1' }] },
  },
  { what: 'shutdown again', request: lsp.ShutdownRequest.type, params: undefined, result: null },
  { what: 'exit again', notify: lsp.ExitNotification.type, params: undefined, exits: 0 },
  // A body too large is not waited for, so the next message cannot be found.
  { what: 'a third server, for a length over 64 MiB', restart: true },
  {
    what: 'a length over 64 MiB is refused as its header is read, and the server closes',
    raw: Buffer.from(`Content-Length: ${2n ** 64n - 1n}\r\n\r\n`),
    id: null,
    error: { code: lsp.ErrorCodes.InvalidRequest },
    exits: 1,
  },
];
