" Vim syntax file
" Language: ZOLT assembler sources (*.ZOL)
" Install: copy syntax/ and ftdetect/ into ~/.vim (or a pack's start folder).

if exists('b:current_syntax')
  finish
endif

" The assembler upper-cases every line before it looks at it.
syntax case ignore

" What the assembler skips: the rest of a label line, text after an operand.
syntax match zoltIgnored /\S.*$/ contained

" Operands, tried in reverse order: the last match defined wins.
syntax match zoltSymbol /\S\+/ contained nextgroup=zoltIgnored skipwhite
syntax match zoltBadNumber /\%(-\|\d\|&h\)\S*/ contained nextgroup=zoltIgnored skipwhite
syntax match zoltNumber /-\=\%(\d\+\.\=\d*\|\.\d\+\)\%(e[-+]\=\d\+\)\=\%([ \t]\|$\)\@=/ contained nextgroup=zoltIgnored skipwhite
syntax match zoltHex /&h\x\+\%([ \t]\|$\)\@=/ contained nextgroup=zoltIgnored skipwhite

" A symbol definition: NAME EQU VALUE.
syntax match zoltConstant /^[ \t]*\zs\S\+\ze[ \t]\+equ\%([ \t]\|$\)/ nextgroup=zoltEqu skipwhite
syntax match zoltEqu /equ\%([ \t]\|$\)\@=/ contained nextgroup=zoltSymbol,zoltBadNumber,zoltNumber,zoltHex skipwhite

" Statements: the mnemonic must stand as a word of its own.
syntax match zoltMnemonic /^[ \t]*\zs\%(set\|dl\|time\|step\|n=\|i=\|j=\|out\|bout\)\%([ \t]\|$\)\@=/ nextgroup=zoltSymbol,zoltBadNumber,zoltNumber,zoltHex skipwhite
syntax match zoltJump /^[ \t]*\zs\%(goto\|cjmp\|djnzi\|djnzj\)\%([ \t]\|$\)\@=/ nextgroup=zoltSymbol,zoltBadNumber,zoltNumber,zoltHex skipwhite
syntax match zoltStop /^[ \t]*\zs\%(nop\|halt\|end\)\%([ \t]\|$\)\@=/ nextgroup=zoltIgnored skipwhite

" A data word of a BOUT block: a line that starts with a number.
syntax match zoltDataBad /^[ \t]*\zs\%(-\|\d\|&h\)\S*/ nextgroup=zoltIgnored skipwhite
syntax match zoltDataNumber /^[ \t]*\zs-\=\%(\d\+\.\=\d*\|\.\d\+\)\%(e[-+]\=\d\+\)\=\%([ \t]\|$\)\@=/ nextgroup=zoltIgnored skipwhite
syntax match zoltDataHex /^[ \t]*\zs&h\x\+\%([ \t]\|$\)\@=/ nextgroup=zoltIgnored skipwhite

" A first word ending in a colon defines a label.
syntax match zoltLabel /^[ \t]*\zs\S*:\%([ \t]\|$\)\@=/ nextgroup=zoltIgnored skipwhite

" Only spaces may stand before the semicolon of a comment line.
syntax match zoltComment /^ *;.*$/

highlight default link zoltComment Comment
highlight default link zoltIgnored Comment
highlight default link zoltLabel Label
highlight default link zoltMnemonic Statement
highlight default link zoltJump Conditional
highlight default link zoltStop Keyword
highlight default link zoltConstant Constant
highlight default link zoltEqu PreProc
highlight default link zoltNumber Number
highlight default link zoltHex Number
highlight default link zoltBadNumber Error
highlight default link zoltDataNumber Number
highlight default link zoltDataHex Number
highlight default link zoltDataBad Error
highlight default link zoltSymbol Identifier

let b:current_syntax = 'zolt'
