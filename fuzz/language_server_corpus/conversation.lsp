Content-Length: 148

{"jsonrpc":"2.0","id":1,"method":"textDocument/hover","params":{"textDocument":{"uri":"file:///work/demo.ZOL"},"position":{"line":0,"character":0}}}Content-Length: 107

{"jsonrpc":"2.0","id":2,"method":"initialize","params":{"processId":null,"rootUri":null,"capabilities":{}}}Content-Length: 52

{"jsonrpc":"2.0","method":"initialized","params":{}}Content-Length: 334

{"jsonrpc":"2.0","method":"textDocument/didOpen","params":{"textDocument":{"uri":"file:///work/demo.ZOL","languageId":"zolt","version":1,"text":"; every feature of the server\r\nCOUNT EQU 10\r\nNOP\r\nLOOP:\r\nGOTO LOOP\r\nN=5\r\nDJNZI LOOP\r\nBOUT 2\r\nLOOP\r\n  COUNT ; data word COUNT\r\nDL 300\r\n循环:\r\nGOTO 循环\r\nEND"}}}Content-Length: 337

{"jsonrpc":"2.0","method":"textDocument/didChange","params":{"textDocument":{"uri":"file:///work/demo.ZOL","version":2},"contentChanges":[{"text":"; every feature of the server\r\nCOUNT EQU 10\r\nNOP\r\nLOOP:\r\nGOTO LOOP\r\nN= 5\r\nDJNZI LOOP\r\nBOUT 2\r\nLOOP\r\n  COUNT ; data word COUNT\r\nDL 30\r\n循环:\r\nGOTO 循环\r\nEND"}]}}Content-Length: 334

{"jsonrpc":"2.0","method":"textDocument/didChange","params":{"textDocument":{"uri":"file:///work/demo.ZOL","version":3},"contentChanges":[{"text":"; every feature of the server\r\nCOUNT EQU 10\r\nNOP\r\nLOOP:\r\nGOTO LOOP\r\nN= 5\r\nDJNZI LOOP\r\nBOUT 2\r\nLOOP\r\n  COUNT ; data word COUNT\r\nDL\r\n循环:\r\nGOTO 循环\r\nEND"}]}}Content-Length: 337

{"jsonrpc":"2.0","method":"textDocument/didChange","params":{"textDocument":{"uri":"file:///work/demo.ZOL","version":4},"contentChanges":[{"text":"; every feature of the server\r\nCOUNT EQU 10\r\nNOP\r\nLOOP:\r\nGOTO LOOP\r\nN= 5\r\nDJNZI LOOP\r\nBOUT 2\r\nLOOP\r\n  COUNT ; data word COUNT\r\nDL 30\r\n循环:\r\nGOTO 循环\r\nEND"}]}}Content-Length: 148

{"jsonrpc":"2.0","id":3,"method":"textDocument/hover","params":{"textDocument":{"uri":"file:///work/demo.ZOL"},"position":{"line":4,"character":1}}}Content-Length: 148

{"jsonrpc":"2.0","id":4,"method":"textDocument/hover","params":{"textDocument":{"uri":"file:///work/demo.ZOL"},"position":{"line":6,"character":0}}}Content-Length: 148

{"jsonrpc":"2.0","id":5,"method":"textDocument/hover","params":{"textDocument":{"uri":"file:///work/demo.ZOL"},"position":{"line":4,"character":7}}}Content-Length: 148

{"jsonrpc":"2.0","id":6,"method":"textDocument/hover","params":{"textDocument":{"uri":"file:///work/demo.ZOL"},"position":{"line":9,"character":4}}}Content-Length: 149

{"jsonrpc":"2.0","id":7,"method":"textDocument/hover","params":{"textDocument":{"uri":"file:///work/demo.ZOL"},"position":{"line":12,"character":6}}}Content-Length: 153

{"jsonrpc":"2.0","id":8,"method":"textDocument/definition","params":{"textDocument":{"uri":"file:///work/demo.ZOL"},"position":{"line":4,"character":9}}}Content-Length: 153

{"jsonrpc":"2.0","id":9,"method":"textDocument/definition","params":{"textDocument":{"uri":"file:///work/demo.ZOL"},"position":{"line":9,"character":2}}}Content-Length: 155

{"jsonrpc":"2.0","id":10,"method":"textDocument/definition","params":{"textDocument":{"uri":"file:///work/demo.ZOL"},"position":{"line":12,"character":7}}}Content-Length: 154

{"jsonrpc":"2.0","id":11,"method":"textDocument/definition","params":{"textDocument":{"uri":"file:///work/demo.ZOL"},"position":{"line":2,"character":1}}}Content-Length: 192

{"jsonrpc":"2.0","id":12,"method":"textDocument/references","params":{"textDocument":{"uri":"file:///work/demo.ZOL"},"position":{"line":3,"character":2},"context":{"includeDeclaration":true}}}Content-Length: 122

{"jsonrpc":"2.0","id":13,"method":"textDocument/documentSymbol","params":{"textDocument":{"uri":"file:///work/demo.ZOL"}}}Content-Length: 154

{"jsonrpc":"2.0","id":14,"method":"textDocument/completion","params":{"textDocument":{"uri":"file:///work/demo.ZOL"},"position":{"line":2,"character":1}}}Content-Length: 154

{"jsonrpc":"2.0","id":15,"method":"textDocument/completion","params":{"textDocument":{"uri":"file:///work/demo.ZOL"},"position":{"line":4,"character":5}}}Content-Length: 36

{"jsonrpc": "2.0", "id": 1, "method"Content-Type: application/vscode-jsonrpc

Content-Length: 51

{"jsonrpc": "2.0", "id": "no method", "params": {}}Content-Length: 61

{"jsonrpc":"2.0","id":16,"method":"zolt/unknown","params":{}}Content-Length: 154

{"jsonrpc":"2.0","id":17,"method":"textDocument/hover","params":{"textDocument":{"uri":"file:///work/demo.ZOL"},"position":{"line":"four","character":0}}}Content-Length: 154

{"jsonrpc":"2.0","id":18,"method":"textDocument/hover","params":{"textDocument":{"uri":"file:///work/demo.ZOL"},"position":{"line":1e+300,"character":0}}}Content-Length: 153

{"jsonrpc":"2.0","id":19,"method":"textDocument/hover","params":{"textDocument":{"uri":"file:///work/demo.ZOL"},"position":{"line":400,"character":900}}}Content-Length: 188

{"jsonrpc":"2.0","method":"textDocument/didOpen","params":{"textDocument":{"uri":"file:///work/bytes.ZOL","languageId":"zolt","version":1,"text":"\u0000\u0001ÿ\t~\r\r\n\u0007 EQU &hZZ"}}}Content-Length: 109

{"jsonrpc":"2.0","method":"textDocument/didClose","params":{"textDocument":{"uri":"file:///work/bytes.ZOL"}}}Content-Length: 122

{"jsonrpc":"2.0","id":20,"method":"textDocument/documentSymbol","params":{"textDocument":{"uri":"file:///work/deep.ZOL"}}}Content-Length: 149

{"jsonrpc":"2.0","id":21,"method":"textDocument/hover","params":{"textDocument":{"uri":"file:///work/demo.ZOL"},"position":{"line":4,"character":1}}}Content-Length: 154

{"jsonrpc":"2.0","id":22,"method":"textDocument/completion","params":{"textDocument":{"uri":"file:///work/demo.ZOL"},"position":{"line":2,"character":1}}}Content-Length: 336

{"jsonrpc":"2.0","method":"textDocument/didChange","params":{"textDocument":{"uri":"file:///work/demo.ZOL","version":6},"contentChanges":[{"text":"; every feature of the server\r\nCOUNT EQU 10\r\nNOP\r\nLOOP:\r\nGOTO LOOP\r\nN=5\r\nDJNZI LOOP\r\nBOUT 2\r\nLOOP\r\n  COUNT ; data word COUNT\r\nDL 30\r\n循环:\r\nGOTO 循环\r\nEND"}]}}Content-Length: 149

{"jsonrpc":"2.0","id":23,"method":"textDocument/hover","params":{"textDocument":{"uri":"file:///work/demo.ZOL"},"position":{"line":4,"character":1}}}Content-Length: 151

{"jsonrpc":"2.0","method":"textDocument/didChange","params":{"textDocument":{"uri":"file:///work/demo.ZOL","version":7},"contentChanges":[{"text":5}]}}Content-Length: 154

{"jsonrpc":"2.0","id":24,"method":"textDocument/definition","params":{"textDocument":{"uri":"file:///work/demo.ZOL"},"position":{"line":4,"character":9}}}Content-Length: 283

{"jsonrpc":"2.0","method":"textDocument/didChange","params":{"textDocument":{"uri":"file:///work/demo.ZOL","version":8},"contentChanges":[{"text":"A\ud800:\r\nB\uDC00:\r\nC\ud83d\ude00:\r\nD\ud800\ud800:\r\nE\\ud800:\r\nF\ud800\\udc00:\r\nGOTO A\ud800\r\n\\ud800\r\nEND ; \udbff"}]}}Content-Length: 122

{"jsonrpc":"2.0","id":25,"method":"textDocument/documentSymbol","params":{"textDocument":{"uri":"file:///work/demo.ZOL"}}}Content-Length: 149

{"jsonrpc":"2.0","id":26,"method":"textDocument/hover","params":{"textDocument":{"uri":"file:///work/demo.ZOL"},"position":{"line":6,"character":6}}}Content-Length: 149

{"jsonrpc":"2.0","id":27,"method":"textDocument/hover","params":{"textDocument":{"uri":"file:///work/demo.ZOL"},"position":{"line":6,"character":6}}}Content-Length: 45

{"jsonrpc":"2.0","id":28,"method":"shutdown"}Content-Length: 149

{"jsonrpc":"2.0","id":29,"method":"textDocument/hover","params":{"textDocument":{"uri":"file:///work/demo.ZOL"},"position":{"line":4,"character":1}}}Content-Length: 33

{"jsonrpc":"2.0","method":"exit"}