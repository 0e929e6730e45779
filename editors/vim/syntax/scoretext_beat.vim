" Vim syntax file for scoretext_beat.
" Written by editors/make_grammars.py; edit that, not this file.
if exists("b:current_syntax")
  finish
endif
syn clear
syn sync minlines=1
syn match scoretextError `\%#=1\v%(%(^|;) *)@<=%(\=)@!%([^ ;/=]|/%(/)@!)+`
syn match scoretextInstrument `\%#=1\v%(%(^|;) *)@<=%(\=)@!%([Vv][0-9])@!%([^ ;/=]|/%(/)@!){1,10}%([ ;=]|//|$)@=`
syn match scoretextError `\%#=1\v%(%(^|;) *%([^ ;/=]|/%(/)@!)+%( +%([^ ;/=]|/%(/)@!)+)* +)@<=%(\=)@!%([^ ;/=]|/%(/)@!)+`
syn match scoretextLength `\%#=1\v%(%(^|;) *%([^ ;/=]|/%(/)@!)+%( +%([^ ;/=]|/%(/)@!)+)* +)@<=%(%(1|2|4|8|16|32)\.{0,2})%([ ;=]|//|$)@=`
syn match scoretextTuplet `\%#=1\v%(%(^|;) *%([^ ;/=]|/%(/)@!)+%( +%([^ ;/=]|/%(/)@!)+)* +)@<=%(\]%([2-9]|[12][0-9]|3[0-2]))%([ ;=]|//|$)@=`
syn match scoretextRest `\%#=1\v%(%(^|;) *%([^ ;/=]|/%(/)@!)+%( +%([^ ;/=]|/%(/)@!)+)* +)@<=%([Xx])%([ ;=]|//|$)@=`
syn match scoretextError `\%#=1\v%(%(^|;) *%([^ ;/=]|/%(/)@!)+%( +%([^ ;/=]|/%(/)@!)+)* +)@<=%([Vv]%([^ ;/=]|/%(/)@!)*)%([ ;=]|//|$)@=`
syn match scoretextVelocity `\%#=1\v%(%(^|;) *%([^ ;/=]|/%(/)@!)+%( +%([^ ;/=]|/%(/)@!)+)* +)@<=%([Vv]%(0*%([0-9]|[1-9][0-9]|1%([0-1][0-9]|2%([0-7])))))%([ ;=]|//|$)@=`
syn match scoretextLength `\%#=1\v%(%(^|;) *\=[dD]:%([^ ;/=]|/%(/)@!)*%( +%([^ ;/=]|/%(/)@!)+)* +)@<=%(%(1|2|4|8|16|32)\.{0,2})%([ ;=]|//|$)@=`
syn match scoretextRest `\%#=1\v%(%(^|;) *\=[dD]:%([^ ;/=]|/%(/)@!)*%( +%([^ ;/=]|/%(/)@!)+)* +)@<=%([Xx])%([ ;=]|//|$)@=`
syn match scoretextVelocity `\%#=1\v%(%(^|;) *\=[dD]:%([^ ;/=]|/%(/)@!)*%( +%([^ ;/=]|/%(/)@!)+)* +)@<=%([Vv]%(0*%([0-9]|[1-9][0-9]|1%([0-1][0-9]|2%([0-7])))))%([ ;=]|//|$)@=`
syn match scoretextError `\%#=1\v\c%(%(^|;) *)@<=!%([^ ;/=]|/%(/)@!)*`
syn match scoretextSetting `\%#=1\v\c%(%(^|;) *)@<=%(SB)%([ ;=]|//|$)@=`
syn match scoretextError `\%#=1\v\c%(%(^|;) *)@<=%(SB)%( +%([^ ;/=]|/%(/)@!)+){0,0} *%(;|//|$)@=`
syn match scoretextError `\%#=1\v\c%(%(^|;) *%(SB)%([ ;=]|//|$)@= +)@<=%(\=)@!%([^ ;/=]|/%(/)@!)+`
syn match scoretextNumber `\%#=1\v\c%(%(^|;) *%(SB)%([ ;=]|//|$)@= +)@<=%(%(2/2|2/4|2/8|3/2|3/4|3/8|4/4|4/8|6/4|6/8|9/8|9/16|12/8|12/16|5/4|5/8|7/4|7/8|8/8))%([ ;=]|//|$)@=`
syn match scoretextError `\%#=1\v\c%(%(^|;) *%(SB)%([ ;=]|//|$)@= +%([^ ;/=]|/%(/)@!)+%( +%([^ ;/=]|/%(/)@!)+)* +)@<=%(\=)@!%([^ ;/=]|/%(/)@!)+`
syn match scoretextSetting `\%#=1\v\c%(%(^|;) *)@<=%(ST)%([ ;=]|//|$)@=`
syn match scoretextError `\%#=1\v\c%(%(^|;) *)@<=%(ST)%( +%([^ ;/=]|/%(/)@!)+){0,0} *%(;|//|$)@=`
syn match scoretextError `\%#=1\v\c%(%(^|;) *%(ST)%([ ;=]|//|$)@= +)@<=%(\=)@!%([^ ;/=]|/%(/)@!)+`
syn match scoretextNumber `\%#=1\v\c%(%(^|;) *%(ST)%([ ;=]|//|$)@= +)@<=%(\+?0*[1-9][0-9]*)%([ ;=]|//|$)@=`
syn match scoretextError `\%#=1\v\c%(%(^|;) *%(ST)%([ ;=]|//|$)@= +%([^ ;/=]|/%(/)@!)+%( +%([^ ;/=]|/%(/)@!)+)* +)@<=%(\=)@!%([^ ;/=]|/%(/)@!)+`
syn match scoretextError `\%#=1\v\=%([^ ;/=]|/%(/)@!)*`
syn match scoretextMacroUse `\%#=1\v\=[mM]:%(%([^ ;/=]|/%(/)@!){0,9}%([ ;=]|//|$)@=)@=`
syn match scoretextMacroRef `\%#=1\v%(\=[mM]:)@<=%([^ ;/=]|/%(/)@!){1,9}%([ ;=]|//|$)@=`
syn match scoretextError `\%#=1\v%(%(^|;) *)@<=\=[dD]%([^ ;/=]|/%(/)@!)*`
syn match scoretextMacroDef `\%#=1\v%(%(^|;) *)@<=\=[dD]:%(%(%(\=)@!%([^ ;/=]|/%(/)@!)){0,9} )@=`
syn match scoretextMacroName `\%#=1\v%(%(^|;) *\=[dD]:)@<=%(%(\=)@!%([^ ;/=]|/%(/)@!)){1,9}%( )@=`
syn match scoretextSeparator `\%#=1\v;`
syn match scoretextError `\%#=1\v%(^ *)@<=;|;%( *;)@=`
syn match scoretextComment `\%#=1\v//.*$`
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
let b:current_syntax = "scoretext_beat"
