Content-Length: 125

{"jsonrpc":"2.0","id":1,"method":"initialize","params":{"capabilities":{"general":{"positionEncodings":["utf-8","utf-16"]}}}}Content-Length: 52

{"jsonrpc":"2.0","method":"initialized","params":{}}Content-Length: 226

{"jsonrpc":"2.0","method":"textDocument/didOpen","params":{"textDocument":{"uri":"file:///work/utf8.ZOL","languageId":"zolt","version":1,"text":"COUNT EQU 10\r\n循环:\r\nGOTO 循环\r\nDL COUNT\r\nBOUT 1\r\n循环\r\nEND"}}}Content-Length: 148

{"jsonrpc":"2.0","id":2,"method":"textDocument/hover","params":{"textDocument":{"uri":"file:///work/utf8.ZOL"},"position":{"line":2,"character":6}}}Content-Length: 153

{"jsonrpc":"2.0","id":3,"method":"textDocument/definition","params":{"textDocument":{"uri":"file:///work/utf8.ZOL"},"position":{"line":2,"character":8}}}Content-Length: 191

{"jsonrpc":"2.0","id":4,"method":"textDocument/references","params":{"textDocument":{"uri":"file:///work/utf8.ZOL"},"position":{"line":1,"character":1},"context":{"includeDeclaration":true}}}Content-Length: 153

{"jsonrpc":"2.0","id":5,"method":"textDocument/completion","params":{"textDocument":{"uri":"file:///work/utf8.ZOL"},"position":{"line":3,"character":4}}}Content-Length: 121

{"jsonrpc":"2.0","id":6,"method":"textDocument/documentSymbol","params":{"textDocument":{"uri":"file:///work/utf8.ZOL"}}}Content-Length: 163

{"jsonrpc":"2.0","method":"textDocument/didChange","params":{"textDocument":{"uri":"file:///work/utf8.ZOL","version":2},"contentChanges":[{"text":"DL 300\nEND"}]}}Content-Length: 108

{"jsonrpc":"2.0","method":"textDocument/didClose","params":{"textDocument":{"uri":"file:///work/utf8.ZOL"}}}Content-Length: 49

{"jsonrpc":"2.0","id":"last","method":"shutdown"}Content-Length: 33

{"jsonrpc":"2.0","method":"exit"}