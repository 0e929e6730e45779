" Vim syntax file for scoretext_drumdef.
" Written by editors/make_grammars.py; edit that, not this file.
if exists("b:current_syntax")
  finish
endif
syn clear
syn sync minlines=1
syn match scoretextError `\v^ *\zs%([^ ;/=]|/%(/)@!)+`
syn match scoretextNote `\v^ *\zs%([CDFGAcdfga]#?|[EBeb])%(-[12]|[0-7])%([ ;=]|//|$)@=%( +%(//)@![^ ])@=`
syn match scoretextError `\v%(^ *%([^ ;/=]|/%(/)@!)+ +)@<=%([^ ;/=]|/%(/)@!)+`
syn match scoretextInstrument `\v%(^ *%([^ ;/=]|/%(/)@!)+ +)@<=%([Vv][0-9])@!%([^ ;/=]|/%(/)@!){1,10}%([ ;=]|//|$)@=`
syn match scoretextComment `//.*$`
hi def link scoretextComment Comment
hi def link scoretextSeparator Delimiter
hi def link scoretextSetting Statement
hi def link scoretextPattern Statement
hi def link scoretextMidi Statement
hi def link scoretextNumber Number
hi def link scoretextLength Number
hi def link scoretextTie Operator
hi def link scoretextTuplet Operator
hi def link scoretextArtic Type
hi def link scoretextNote Constant
hi def link scoretextVelocity Special
hi def link scoretextRest Constant
hi def link scoretextChord Identifier
hi def link scoretextMacroDef PreProc
hi def link scoretextMacroName Function
hi def link scoretextMacroUse PreProc
hi def link scoretextMacroRef Macro
hi def link scoretextLyric String
hi def link scoretextQuoted String
hi def link scoretextPhonetic SpecialChar
hi def link scoretextAttribute Keyword
hi def link scoretextTab Number
hi def link scoretextInstrument Identifier
hi def link scoretextSyllable String
hi def link scoretextWord String
hi def link scoretextLongVowel Operator
hi def link scoretextError Error
let b:current_syntax = "scoretext_drumdef"
