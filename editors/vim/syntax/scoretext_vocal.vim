" Vim syntax file for scoretext_vocal.
" Written by editors/make_grammars.py; edit that, not this file.
if exists("b:current_syntax")
  finish
endif
syn clear
syn sync minlines=1
syn match scoretextError `\%#=1\v%(%(^|;) *)@<=%(\=)@!%([^ ;/=]|/%(/)@!)+`
syn match scoretextError `\%#=1\v%(%(^|;) *)@<=[0-9]%([^ ;/=]|/%(/)@!)*`
syn match scoretextLength `\%#=1\v%(%(^|;) *)@<=%(%(14|12|1|2|4|8|16|32|64)\.{0,2})%([ ;=]|//|$)@=`
syn match scoretextError `\%#=1\v%(%(^|;) *%(%(14|12|1|2|4|8|16|32|64)\.{0,2})%( +\))?%( +\][2-9])? +%(%([^ ;/=]|/%(/)@!)+ +)*)@<=%(\=)@!%([^ ;/=]|/%(/)@!)+`
syn match scoretextArtic `\%#=1\v\c%(%(^|;) *%(%(14|12|1|2|4|8|16|32|64)\.{0,2})%( +\))?%( +\][2-9])? +)@<=%(%(DL[1-4]?|S[0-8]?))%([ ;=]|//|$)@=`
syn match scoretextArtic `\%#=1\v%(%(^|;) *%(%(14|12|1|2|4|8|16|32|64)\.{0,2})%( +\))?%( +\][2-9])?%( +%([^ ;/=]|/%(/)@!)+)? +)@<=%(\&%(10[1-9]|1[1-9][0-9]|200))%([ ;=]|//|$)@=`
syn match scoretextError `\%#=1\v%(^|[ ;=\"])@<=%([A-Ga-g]%(-%(1%(##?|[Bb][Bb]?|[Nn])?%([ ;=]|//|$)@=)@![0-9]*|[89][0-9]*|[0-7][0-9]+))%([ ;=]|//|$)@=`
syn match scoretextNote `\%#=1\v%(^|[ ;=\"])@<=%(([A-Ga-g])(-1|[0-7])(##?|[Bb][Bb]?|[Nn])?)%([ ;=]|//|$)@=`
syn match scoretextError `\%#=1\v%(^|[ ;=\"])@<=%([Vv][+-]?[0-9]+)%([ ;=]|//|$)@=`
syn match scoretextVelocity `\%#=1\v%(^|[ ;=\"])@<=%([Vv]%(\+?%(0*%([0-9]|[1-9][0-9]|1%([0-1][0-9]|2%([0-7]))))|-%(0*%(0))|[+-]))%([ ;=]|//|$)@=`
syn match scoretextAttribute `\%#=1\v\c%(^|[ ;=\"])@<=VEL:`
syn match scoretextError `\%#=1\v\c%(%(^|[ ;=\"])@<=VEL:)@<=%([^ ;/=]|/%(/)@!)*`
syn match scoretextNumber `\%#=1\v\c%(%(^|[ ;=\"])@<=VEL:)@<=%(%(\+?%(0*%([0-9]|[1-9][0-9]|1%([0-1][0-9]|2%([0-7]))))|-%(0*%(0))|[+-]))%([ ;=]|//|$)@=`
syn match scoretextAttribute `\%#=1\v\c%(^|[ ;=\"])@<=OPE:`
syn match scoretextError `\%#=1\v\c%(%(^|[ ;=\"])@<=OPE:)@<=%([^ ;/=]|/%(/)@!)*`
syn match scoretextNumber `\%#=1\v\c%(%(^|[ ;=\"])@<=OPE:)@<=%(%(\+?%(0*%([0-9]|[1-9][0-9]|1%([0-1][0-9]|2%([0-7]))))|-%(0*%(0))|[+-]))%([ ;=]|//|$)@=`
syn match scoretextAttribute `\%#=1\v\c%(^|[ ;=\"])@<=DA:`
syn match scoretextError `\%#=1\v\c%(%(^|[ ;=\"])@<=DA:)@<=%([^ ;/=]|/%(/)@!)*`
syn match scoretextNumber `\%#=1\v\c%(%(^|[ ;=\"])@<=DA:)@<=%(%(\+?%(0*%([0-9]|[1-9][0-9]|1%(0%(0))))|-%(0*%(0))|[+-]))%([ ;=]|//|$)@=`
syn match scoretextAttribute `\%#=1\v\c%(^|[ ;=\"])@<=PB:`
syn match scoretextError `\%#=1\v\c%(%(^|[ ;=\"])@<=PB:)@<=%([^ ;/=]|/%(/)@!)*`
syn match scoretextNumber `\%#=1\v\c%(%(^|[ ;=\"])@<=PB:)@<=%(%(\+?%(0*%([0-9]|[1-9][0-9]|1%(0%(0))))|-%(0*%(0))|[+-]))%([ ;=]|//|$)@=`
syn match scoretextAttribute `\%#=1\v\c%(^|[ ;=\"])@<=PL:`
syn match scoretextError `\%#=1\v\c%(%(^|[ ;=\"])@<=PL:)@<=%([^ ;/=]|/%(/)@!)*`
syn match scoretextNumber `\%#=1\v\c%(%(^|[ ;=\"])@<=PL:)@<=%(%(\+?%(0*%([0-9]|[1-9][0-9]|1%(0%(0))))|-%(0*%(0))|[+-]))%([ ;=]|//|$)@=`
syn match scoretextAttribute `\%#=1\v\c%(^|[ ;=\"])@<=DD:`
syn match scoretextError `\%#=1\v\c%(%(^|[ ;=\"])@<=DD:)@<=%([^ ;/=]|/%(/)@!)*`
syn match scoretextNumber `\%#=1\v\c%(%(^|[ ;=\"])@<=DD:)@<=%(%(\+?%(0*%([0-9]|[1-9][0-9]|1%(0%(0))))|-%(0*%(0))|[+-]))%([ ;=]|//|$)@=`
syn match scoretextAttribute `\%#=1\v\c%(^|[ ;=\"])@<=PF:`
syn match scoretextError `\%#=1\v\c%(%(^|[ ;=\"])@<=PF:)@<=%([^ ;/=]|/%(/)@!)*`
syn match scoretextNumber `\%#=1\v\c%(%(^|[ ;=\"])@<=PF:)@<=%(%(\+?%(0*%([0-1]))|-%(0*%(0))|[+-]))%([ ;=]|//|$)@=`
syn match scoretextAttribute `\%#=1\v\c%(^|[ ;=\"])@<=PR:`
syn match scoretextError `\%#=1\v\c%(%(^|[ ;=\"])@<=PR:)@<=%([^ ;/=]|/%(/)@!)*`
syn match scoretextNumber `\%#=1\v\c%(%(^|[ ;=\"])@<=PR:)@<=%(%(\+?%(0*%([0-1]))|-%(0*%(0))|[+-]))%([ ;=]|//|$)@=`
syn match scoretextAttribute `\%#=1\v\c%(^|[ ;=\"])@<=DYN:`
syn match scoretextError `\%#=1\v\c%(%(^|[ ;=\"])@<=DYN:)@<=%([^ ;/=]|/%(/)@!)*`
syn match scoretextNumber `\%#=1\v\c%(%(^|[ ;=\"])@<=DYN:)@<=%([+-]?0*%([0-9]|[1-9][0-9]|1%([0-1][0-9]|2%([0-7])))|[+-]?)%(,%([+-]?0*%([0-9]|[1-9][0-9]|1%([0-1][0-9]|2%([0-7])))|[+-]?)){0,5}%(,)@<!%([ ;=]|//|$)@=`
syn match scoretextAttribute `\%#=1\v\c%(^|[ ;=\"])@<=BRE:`
syn match scoretextError `\%#=1\v\c%(%(^|[ ;=\"])@<=BRE:)@<=%([^ ;/=]|/%(/)@!)*`
syn match scoretextNumber `\%#=1\v\c%(%(^|[ ;=\"])@<=BRE:)@<=%([+-]?0*%([0-9]|[1-9][0-9]|1%([0-1][0-9]|2%([0-7])))|[+-]?)%(,%([+-]?0*%([0-9]|[1-9][0-9]|1%([0-1][0-9]|2%([0-7])))|[+-]?)){0,5}%(,)@<!%([ ;=]|//|$)@=`
syn match scoretextAttribute `\%#=1\v\c%(^|[ ;=\"])@<=BRI:`
syn match scoretextError `\%#=1\v\c%(%(^|[ ;=\"])@<=BRI:)@<=%([^ ;/=]|/%(/)@!)*`
syn match scoretextNumber `\%#=1\v\c%(%(^|[ ;=\"])@<=BRI:)@<=%([+-]?0*%([0-9]|[1-9][0-9]|1%([0-1][0-9]|2%([0-7])))|[+-]?)%(,%([+-]?0*%([0-9]|[1-9][0-9]|1%([0-1][0-9]|2%([0-7])))|[+-]?)){0,5}%(,)@<!%([ ;=]|//|$)@=`
syn match scoretextAttribute `\%#=1\v\c%(^|[ ;=\"])@<=CLE:`
syn match scoretextError `\%#=1\v\c%(%(^|[ ;=\"])@<=CLE:)@<=%([^ ;/=]|/%(/)@!)*`
syn match scoretextNumber `\%#=1\v\c%(%(^|[ ;=\"])@<=CLE:)@<=%([+-]?0*%([0-9]|[1-9][0-9]|1%([0-1][0-9]|2%([0-7])))|[+-]?)%(,%([+-]?0*%([0-9]|[1-9][0-9]|1%([0-1][0-9]|2%([0-7])))|[+-]?)){0,5}%(,)@<!%([ ;=]|//|$)@=`
syn match scoretextAttribute `\%#=1\v\c%(^|[ ;=\"])@<=GEN:`
syn match scoretextError `\%#=1\v\c%(%(^|[ ;=\"])@<=GEN:)@<=%([^ ;/=]|/%(/)@!)*`
syn match scoretextNumber `\%#=1\v\c%(%(^|[ ;=\"])@<=GEN:)@<=%([+-]?0*%([0-9]|[1-9][0-9]|1%([0-1][0-9]|2%([0-7])))|[+-]?)%(,%([+-]?0*%([0-9]|[1-9][0-9]|1%([0-1][0-9]|2%([0-7])))|[+-]?)){0,5}%(,)@<!%([ ;=]|//|$)@=`
syn match scoretextAttribute `\%#=1\v\c%(^|[ ;=\"])@<=POR:`
syn match scoretextError `\%#=1\v\c%(%(^|[ ;=\"])@<=POR:)@<=%([^ ;/=]|/%(/)@!)*`
syn match scoretextNumber `\%#=1\v\c%(%(^|[ ;=\"])@<=POR:)@<=%([+-]?0*%([0-9]|[1-9][0-9]|1%([0-1][0-9]|2%([0-7])))|[+-]?)%(,%([+-]?0*%([0-9]|[1-9][0-9]|1%([0-1][0-9]|2%([0-7])))|[+-]?)){0,5}%(,)@<!%([ ;=]|//|$)@=`
syn match scoretextAttribute `\%#=1\v\c%(^|[ ;=\"])@<=PIT:`
syn match scoretextError `\%#=1\v\c%(%(^|[ ;=\"])@<=PIT:)@<=%([^ ;/=]|/%(/)@!)*`
syn match scoretextNumber `\%#=1\v\c%(%(^|[ ;=\"])@<=PIT:)@<=%(\+?0*%([0-9]|[1-9][0-9]|[1-9][0-9]{2}|[1-7][0-9]{3}|8%(0[0-9]{2}|1%([0-8][0-9]|9%([0-1]))))|-0*%([0-9]|[1-9][0-9]|[1-9][0-9]{2}|[1-7][0-9]{3}|8%(0[0-9]{2}|1%([0-8][0-9]|9%([0-2]))))|[+-]?)%(,%(\+?0*%([0-9]|[1-9][0-9]|[1-9][0-9]{2}|[1-7][0-9]{3}|8%(0[0-9]{2}|1%([0-8][0-9]|9%([0-1]))))|-0*%([0-9]|[1-9][0-9]|[1-9][0-9]{2}|[1-7][0-9]{3}|8%(0[0-9]{2}|1%([0-8][0-9]|9%([0-2]))))|[+-]?)){0,5}%(,)@<!%([ ;=]|//|$)@=`
syn match scoretextAttribute `\%#=1\v\c%(^|[ ;=\"])@<=PBS:`
syn match scoretextError `\%#=1\v\c%(%(^|[ ;=\"])@<=PBS:)@<=%([^ ;/=]|/%(/)@!)*`
syn match scoretextNumber `\%#=1\v\c%(%(^|[ ;=\"])@<=PBS:)@<=%([+-]?0*%([0-9]|1[0-9]|2%([0-4]))|[+-]?)%(,%([+-]?0*%([0-9]|1[0-9]|2%([0-4]))|[+-]?)){0,5}%(,)@<!%([ ;=]|//|$)@=`
syn match scoretextAttribute `\%#=1\v\c%(^|[ ;=\"])@<=%(LY|PH)%(")@=`
syn match scoretextRest `\%#=1\v%(%(^|;) *%(%(14|12|1|2|4|8|16|32|64)\.{0,2})%( +\))?%( +\][2-9])? +)@<=%([Xx])%([ ;=]|//|$)@=`
syn match scoretextError `\%#=1\v%(%(^|;) *%(%(14|12|1|2|4|8|16|32|64)\.{0,2})%( +\))?%( +\][2-9])? +[Xx]%( +%([^ ;/=]|/%(/)@!)+)* +)@<=%([^ ;/=]|/%(/)@!)+`
syn match scoretextError `\%#=1\v"%([^";/]|/%(/)@!)*%(;|//|$)@=`
syn match scoretextLyric `\%#=1\v"%([^";/]|/%(/)@!)*"`
syn match scoretextPhonetic `\v\[[^\]"]*\]` contained containedin=scoretextLyric
syn match scoretextTie `\%#=1\v%(%(^|;) *%(%(14|12|1|2|4|8|16|32|64)\.{0,2}) +)@<=%(\))%([ ;=]|//|$)@=`
syn match scoretextTuplet `\%#=1\v%(%(^|;) *%(%(14|12|1|2|4|8|16|32|64)\.{0,2})%( +\))? +)@<=%(\][2-9])%([ ;=]|//|$)@=`
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
syn match scoretextSetting `\%#=1\v\c%(%(^|;) *)@<=%(SK)%([ ;=]|//|$)@=`
syn match scoretextError `\%#=1\v\c%(%(^|;) *)@<=%(SK)%( +%([^ ;/=]|/%(/)@!)+){0,1} *%(;|//|$)@=`
syn match scoretextError `\%#=1\v\c%(%(^|;) *%(SK)%([ ;=]|//|$)@= +)@<=%(\=)@!%([^ ;/=]|/%(/)@!)+`
syn match scoretextNumber `\%#=1\v\c%(%(^|;) *%(SK)%([ ;=]|//|$)@= +)@<=%(%(#[1-7]?|0|[bB][1-7]?))%([ ;=]|//|$)@=`
syn match scoretextError `\%#=1\v\c%(%(^|;) *%(SK)%([ ;=]|//|$)@= +%([^ ;/=]|/%(/)@!)+ +)@<=%(\=)@!%([^ ;/=]|/%(/)@!)+`
syn match scoretextNumber `\%#=1\v\c%(%(^|;) *%(SK)%([ ;=]|//|$)@= +%([^ ;/=]|/%(/)@!)+ +)@<=%([01])%([ ;=]|//|$)@=`
syn match scoretextError `\%#=1\v\c%(%(^|;) *%(SK)%([ ;=]|//|$)@= +%([^ ;/=]|/%(/)@!)+ +%([^ ;/=]|/%(/)@!)+%( +%([^ ;/=]|/%(/)@!)+)* +)@<=%(\=)@!%([^ ;/=]|/%(/)@!)+`
syn match scoretextSetting `\%#=1\v\c%(%(^|;) *)@<=%(SC4)%([ ;=]|//|$)@=`
syn match scoretextError `\%#=1\v\c%(%(^|;) *%(SC4)%([ ;=]|//|$)@=%( +%([^ ;/=]|/%(/)@!)+)* +)@<=%([^ ;/=]|/%(/)@!)+`
syn match scoretextSetting `\%#=1\v\c%(%(^|;) *)@<=%(SC)%([ ;=]|//|$)@=`
syn match scoretextError `\%#=1\v\c%(%(^|;) *)@<=%(SC)%( +%([^ ;/=]|/%(/)@!)+){0,0} *%(;|//|$)@=`
syn match scoretextError `\%#=1\v\c%(%(^|;) *%(SC)%([ ;=]|//|$)@= +)@<=%(\=)@!%([^ ;/=]|/%(/)@!)+`
syn match scoretextNumber `\%#=1\v\c%(%(^|;) *%(SC)%([ ;=]|//|$)@= +)@<=%(%(\+?%(0*%([0-9]|[1-2][0-9]|3%(0)))|-%(0*%([0-9]|[1-2][0-9]|3%(0)))|[+-]))%([ ;=]|//|$)@=`
syn match scoretextError `\%#=1\v\c%(%(^|;) *%(SC)%([ ;=]|//|$)@= +%([^ ;/=]|/%(/)@!)+%( +%([^ ;/=]|/%(/)@!)+)* +)@<=%(\=)@!%([^ ;/=]|/%(/)@!)+`
syn match scoretextSetting `\%#=1\v\c%(%(^|;) *)@<=%(SCN)%([ ;=]|//|$)@=`
syn match scoretextError `\%#=1\v\c%(%(^|;) *)@<=%(SCN)%( +%([^ ;/=]|/%(/)@!)+){0,0} *%(;|//|$)@=`
syn match scoretextError `\%#=1\v\c%(%(^|;) *%(SCN)%([ ;=]|//|$)@= +)@<=%(\=)@!%([^ ;/=]|/%(/)@!)+`
syn match scoretextNumber `\%#=1\v\c%(%(^|;) *%(SCN)%([ ;=]|//|$)@= +)@<=%(%(\+?%(0*%([0-9]|[1-2][0-9]|3%(0)))|-%(0*%([0-9]|[1-2][0-9]|3%(0)))|[+-]))%([ ;=]|//|$)@=`
syn match scoretextError `\%#=1\v\c%(%(^|;) *%(SCN)%([ ;=]|//|$)@= +%([^ ;/=]|/%(/)@!)+%( +%([^ ;/=]|/%(/)@!)+)* +)@<=%(\=)@!%([^ ;/=]|/%(/)@!)+`
syn match scoretextSetting `\%#=1\v\c%(%(^|;) *)@<=%(SV)%([ ;=]|//|$)@=`
syn match scoretextError `\%#=1\v\c%(%(^|;) *%(SV)%([ ;=]|//|$)@=%( +%([^ ;/=]|/%(/)@!)+)* +)@<=%([^ ;/=]|/%(/)@!)+`
syn match scoretextSetting `\%#=1\v\c%(%(^|;) *)@<=%(SN)%([ ;=]|//|$)@=`
syn match scoretextError `\%#=1\v\c%(%(^|;) *)@<=%(SN)%( +%([^ ;/=]|/%(/)@!)+){0,0} *%(;|//|$)@=`
syn match scoretextError `\%#=1\v\c%(%(^|;) *%(SN)%([ ;=]|//|$)@= +)@<=%(\=)@!%([^ ;/=]|/%(/)@!)+`
syn match scoretextNumber `\%#=1\v\c%(%(^|;) *%(SN)%([ ;=]|//|$)@= +)@<=%(1?[0-9]|20)%([ ;=]|//|$)@=`
syn match scoretextError `\%#=1\v\c%(%(^|;) *%(SN)%([ ;=]|//|$)@= +%([^ ;/=]|/%(/)@!)+%( +%([^ ;/=]|/%(/)@!)+)* +)@<=%(\=)@!%([^ ;/=]|/%(/)@!)+`
syn match scoretextSetting `\%#=1\v\c%(%(^|;) *)@<=%(SS)%([ ;=]|//|$)@=`
syn match scoretextError `\%#=1\v\c%(%(^|;) *)@<=%(SS)%( +%([^ ;/=]|/%(/)@!)+){0,0} *%(;|//|$)@=`
syn match scoretextError `\%#=1\v\c%(%(^|;) *%(SS)%([ ;=]|//|$)@= +)@<=%(\=)@!%([^ ;/=]|/%(/)@!)+`
syn match scoretextNumber `\%#=1\v\c%(%(^|;) *%(SS)%([ ;=]|//|$)@= +)@<=%(%(\+?%(0*%([0-8]))|-%(0*%(0))|[+-]))%([ ;=]|//|$)@=`
syn match scoretextError `\%#=1\v\c%(%(^|;) *%(SS)%([ ;=]|//|$)@= +%([^ ;/=]|/%(/)@!)+%( +%([^ ;/=]|/%(/)@!)+)* +)@<=%(\=)@!%([^ ;/=]|/%(/)@!)+`
syn match scoretextSetting `\%#=1\v\c%(%(^|;) *)@<=%(SSN)%([ ;=]|//|$)@=`
syn match scoretextError `\%#=1\v\c%(%(^|;) *)@<=%(SSN)%( +%([^ ;/=]|/%(/)@!)+){0,0} *%(;|//|$)@=`
syn match scoretextError `\%#=1\v\c%(%(^|;) *%(SSN)%([ ;=]|//|$)@= +)@<=%(\=)@!%([^ ;/=]|/%(/)@!)+`
syn match scoretextNumber `\%#=1\v\c%(%(^|;) *%(SSN)%([ ;=]|//|$)@= +)@<=%([A-Ga-g])%([ ;=]|//|$)@=`
syn match scoretextError `\%#=1\v\c%(%(^|;) *%(SSN)%([ ;=]|//|$)@= +%([^ ;/=]|/%(/)@!)+%( +%([^ ;/=]|/%(/)@!)+)* +)@<=%(\=)@!%([^ ;/=]|/%(/)@!)+`
syn match scoretextSetting `\%#=1\v\c%(%(^|;) *)@<=%(SRN)%([ ;=]|//|$)@=`
syn match scoretextError `\%#=1\v\c%(%(^|;) *)@<=%(SRN)%( +%([^ ;/=]|/%(/)@!)+){0,0} *%(;|//|$)@=`
syn match scoretextError `\%#=1\v\c%(%(^|;) *%(SRN)%([ ;=]|//|$)@= +)@<=%(\=)@!%([^ ;/=]|/%(/)@!)+`
syn match scoretextNumber `\%#=1\v\c%(%(^|;) *%(SRN)%([ ;=]|//|$)@= +)@<=%([A-Ga-g])%([ ;=]|//|$)@=`
syn match scoretextError `\%#=1\v\c%(%(^|;) *%(SRN)%([ ;=]|//|$)@= +%([^ ;/=]|/%(/)@!)+%( +%([^ ;/=]|/%(/)@!)+)* +)@<=%(\=)@!%([^ ;/=]|/%(/)@!)+`
syn match scoretextSetting `\%#=1\v\c%(%(^|;) *)@<=%(SL1)%([ ;=]|//|$)@=`
syn match scoretextError `\%#=1\v\c%(%(^|;) *%(SL1)%([ ;=]|//|$)@=%( +%([^ ;/=]|/%(/)@!)+)* +)@<=%([^ ;/=]|/%(/)@!)+`
syn match scoretextSetting `\%#=1\v\c%(%(^|;) *)@<=%(SL2)%([ ;=]|//|$)@=`
syn match scoretextError `\%#=1\v\c%(%(^|;) *%(SL2)%([ ;=]|//|$)@=%( +%([^ ;/=]|/%(/)@!)+)* +)@<=%([^ ;/=]|/%(/)@!)+`
syn match scoretextPattern `\%#=1\v\c%(%(^|;) *)@<=%(PS)%([ ;=]|//|$)@=`
syn match scoretextError `\%#=1\v\c%(%(^|;) *)@<=%(PS)%( +%([^ ;/=]|/%(/)@!)+){0,0} *%(;|//|$)@=`
syn match scoretextError `\%#=1\v\c%(%(^|;) *%(PS)%([ ;=]|//|$)@= +)@<=%(\=)@!%([^ ;/=]|/%(/)@!)+`
syn match scoretextNumber `\%#=1\v\c%(%(^|;) *%(PS)%([ ;=]|//|$)@= +)@<=%(%(\+?%(0*%([0-9]|[1-9][0-9]|[1-9][0-9]{2}))|-%(0*%(0))|[+-]))%([ ;=]|//|$)@=`
syn match scoretextError `\%#=1\v\c%(%(^|;) *%(PS)%([ ;=]|//|$)@= +%([^ ;/=]|/%(/)@!)+%( +%([^ ;/=]|/%(/)@!)+)* +)@<=%(\=)@!%([^ ;/=]|/%(/)@!)+`
syn match scoretextPattern `\%#=1\v\c%(%(^|;) *)@<=%(PE)%([ ;=]|//|$)@=`
syn match scoretextError `\%#=1\v\c%(%(^|;) *%(PE)%([ ;=]|//|$)@=%( +%([^ ;/=]|/%(/)@!)+)* +)@<=%([^ ;/=]|/%(/)@!)+`
syn match scoretextPattern `\%#=1\v\c%(%(^|;) *)@<=%(PR)%([ ;=]|//|$)@=`
syn match scoretextError `\%#=1\v\c%(%(^|;) *)@<=%(PR)%( +%([^ ;/=]|/%(/)@!)+){0,0} *%(;|//|$)@=`
syn match scoretextError `\%#=1\v\c%(%(^|;) *%(PR)%([ ;=]|//|$)@= +)@<=%(\=)@!%([^ ;/=]|/%(/)@!)+`
syn match scoretextNumber `\%#=1\v\c%(%(^|;) *%(PR)%([ ;=]|//|$)@= +)@<=%(%(\+?%(0*%([1-9]|[1-9][0-9]|[1-9][0-9]{2}))))%([ ;=]|//|$)@=`
syn match scoretextError `\%#=1\v\c%(%(^|;) *%(PR)%([ ;=]|//|$)@= +%([^ ;/=]|/%(/)@!)+%( +%([^ ;/=]|/%(/)@!)+)* +)@<=%(\=)@!%([^ ;/=]|/%(/)@!)+`
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
let b:current_syntax = "scoretext_vocal"
