" ZOLT assembler sources
autocmd BufRead,BufNewFile *.zol,*.ZOL setfiletype zolt
