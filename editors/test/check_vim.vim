" Checks the Vim syntax against the spans the grammar check wrote:
"   vim -Es -u NONE -N --cmd 'set encoding=latin1' -S check_vim.vim
" with $ZOLT_VIM_RUNTIME naming the vim/ folder the build made,
" $ZOLT_VIM_EXPECTATIONS the JSON file and $ZOLT_VIM_RESULT the file that
" receives the failures (empty when all pass).

let s:groups = {
      \ 'comment': ['zoltComment'],
      \ 'ignored': ['zoltIgnored'],
      \ 'label': ['zoltLabel'],
      \ 'mnemonic': ['zoltMnemonic'],
      \ 'jump': ['zoltJump'],
      \ 'stop': ['zoltStop'],
      \ 'constant': ['zoltConstant'],
      \ 'equ': ['zoltEqu'],
      \ 'decimal': ['zoltNumber', 'zoltDataNumber'],
      \ 'hex': ['zoltHex', 'zoltDataHex'],
      \ 'invalid': ['zoltBadNumber', 'zoltDataBad'],
      \ 'symbol': ['zoltSymbol'],
      \ }

execute 'set runtimepath^=' . fnameescape($ZOLT_VIM_RUNTIME)
filetype on
syntax on

let s:failures = []
let s:checked = 0
let s:file = ''
for s:span in json_decode(join(readfile($ZOLT_VIM_EXPECTATIONS), ''))
  if s:span.file !=# s:file
    let s:file = s:span.file
    execute 'silent edit! ++enc=latin1 ' . fnameescape(s:file)
    if &filetype !=# 'zolt'
      call add(s:failures, s:file . ': filetype is "' . &filetype . '", not zolt')
    endif
  endif
  for s:column in range(s:span.start + 1, s:span.end)
    let s:name = synIDattr(synID(s:span.line, s:column, 0), 'name')
    if index(s:groups[s:span.kind], s:name) < 0
      call add(s:failures, printf('%s:%d:%d: %s is "%s"', s:file, s:span.line, s:column,
            \ s:span.kind, s:name))
      break
    endif
  endfor
  let s:checked += 1
endfor

call writefile(s:failures + [printf('%d spans checked', s:checked)], $ZOLT_VIM_RESULT)
if empty(s:failures)
  qall!
endif
cquit!
