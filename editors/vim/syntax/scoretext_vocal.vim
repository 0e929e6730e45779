" Vim syntax file for scoretext_vocal.
" Written by editors/make_grammars.py; edit that, not this file.
if exists("b:current_syntax")
  finish
endif
syn clear
syn sync minlines=1
syn match scoretextError `\v%(%(^|;) *)@<=%(\=)@!%([^ ;/=]|/%(/)@!)+`
syn match scoretextError `\v%(%(^|;) *)@<=[0-9]%([^ ;/=]|/%(/)@!)*`
syn match scoretextLength `\v%(%(^|;) *)@<=%(%(14|12|1|2|4|8|16|32|64)\.{0,2})%([ ;=]|//|$)@=`
syn match scoretextError `\v%(%(^|;) *%(%(14|12|1|2|4|8|16|32|64)\.{0,2})%( +\))?%( +\][2-9])? +%(%([^ ;/=]|/%(/)@!)+ +)*)@<=%(\=)@!%([^ ;/=]|/%(/)@!)+`
syn match scoretextArtic `\v\c%(%(^|;) *%(%(14|12|1|2|4|8|16|32|64)\.{0,2})%( +\))?%( +\][2-9])? +)@<=%(%(DL[1-4]?|S[0-8]?))%([ ;=]|//|$)@=`
syn match scoretextArtic `\v%(%(^|;) *%(%(14|12|1|2|4|8|16|32|64)\.{0,2})%( +\))?%( +\][2-9])?%( +%([^ ;/=]|/%(/)@!)+)? +)@<=%(\&%(10[1-9]|1[1-9][0-9]|200))%([ ;=]|//|$)@=`
syn match scoretextError `\v%(^|[ ;=\"])@<=%([A-Ga-g]%(-%(1%(##?|[Bb][Bb]?|[Nn])?%([ ;=]|//|$)@=)@![0-9]*|[89][0-9]*|[0-7][0-9]+))%([ ;=]|//|$)@=`
syn match scoretextNote `\v%(^|[ ;=\"])@<=%(([A-Ga-g])(-1|[0-7])(##?|[Bb][Bb]?|[Nn])?)%([ ;=]|//|$)@=`
syn match scoretextError `\v%(^|[ ;=\"])@<=%([Vv][+-]?[0-9]+)%([ ;=]|//|$)@=`
syn match scoretextVelocity `\v%(^|[ ;=\"])@<=%([Vv]%(\+?%(0*%([0-9]|[1-9][0-9]|1%([0-1][0-9]|2%([0-7]))))|-%(0*%(0))|[+-]))%([ ;=]|//|$)@=`
syn match scoretextAttribute `\v\c%(^|[ ;=\"])@<=VEL:`
syn match scoretextError `\v\c%(%(^|[ ;=\"])@<=VEL:)@<=%([^ ;/=]|/%(/)@!)*`
syn match scoretextNumber `\v\c%(%(^|[ ;=\"])@<=VEL:)@<=%(%(\+?%(0*%([0-9]|[1-9][0-9]|1%([0-1][0-9]|2%([0-7]))))|-%(0*%(0))|[+-]))%([ ;=]|//|$)@=`
syn match scoretextAttribute `\v\c%(^|[ ;=\"])@<=OPE:`
syn match scoretextError `\v\c%(%(^|[ ;=\"])@<=OPE:)@<=%([^ ;/=]|/%(/)@!)*`
syn match scoretextNumber `\v\c%(%(^|[ ;=\"])@<=OPE:)@<=%(%(\+?%(0*%([0-9]|[1-9][0-9]|1%([0-1][0-9]|2%([0-7]))))|-%(0*%(0))|[+-]))%([ ;=]|//|$)@=`
syn match scoretextAttribute `\v\c%(^|[ ;=\"])@<=DA:`
syn match scoretextError `\v\c%(%(^|[ ;=\"])@<=DA:)@<=%([^ ;/=]|/%(/)@!)*`
syn match scoretextNumber `\v\c%(%(^|[ ;=\"])@<=DA:)@<=%(%(\+?%(0*%([0-9]|[1-9][0-9]|1%(0%(0))))|-%(0*%(0))|[+-]))%([ ;=]|//|$)@=`
syn match scoretextAttribute `\v\c%(^|[ ;=\"])@<=PB:`
syn match scoretextError `\v\c%(%(^|[ ;=\"])@<=PB:)@<=%([^ ;/=]|/%(/)@!)*`
syn match scoretextNumber `\v\c%(%(^|[ ;=\"])@<=PB:)@<=%(%(\+?%(0*%([0-9]|[1-9][0-9]|1%(0%(0))))|-%(0*%(0))|[+-]))%([ ;=]|//|$)@=`
syn match scoretextAttribute `\v\c%(^|[ ;=\"])@<=PL:`
syn match scoretextError `\v\c%(%(^|[ ;=\"])@<=PL:)@<=%([^ ;/=]|/%(/)@!)*`
syn match scoretextNumber `\v\c%(%(^|[ ;=\"])@<=PL:)@<=%(%(\+?%(0*%([0-9]|[1-9][0-9]|1%(0%(0))))|-%(0*%(0))|[+-]))%([ ;=]|//|$)@=`
syn match scoretextAttribute `\v\c%(^|[ ;=\"])@<=DD:`
syn match scoretextError `\v\c%(%(^|[ ;=\"])@<=DD:)@<=%([^ ;/=]|/%(/)@!)*`
syn match scoretextNumber `\v\c%(%(^|[ ;=\"])@<=DD:)@<=%(%(\+?%(0*%([0-9]|[1-9][0-9]|1%(0%(0))))|-%(0*%(0))|[+-]))%([ ;=]|//|$)@=`
syn match scoretextAttribute `\v\c%(^|[ ;=\"])@<=PF:`
syn match scoretextError `\v\c%(%(^|[ ;=\"])@<=PF:)@<=%([^ ;/=]|/%(/)@!)*`
syn match scoretextNumber `\v\c%(%(^|[ ;=\"])@<=PF:)@<=%(%(\+?%(0*%([0-1]))|-%(0*%(0))|[+-]))%([ ;=]|//|$)@=`
syn match scoretextAttribute `\v\c%(^|[ ;=\"])@<=PR:`
syn match scoretextError `\v\c%(%(^|[ ;=\"])@<=PR:)@<=%([^ ;/=]|/%(/)@!)*`
syn match scoretextNumber `\v\c%(%(^|[ ;=\"])@<=PR:)@<=%(%(\+?%(0*%([0-1]))|-%(0*%(0))|[+-]))%([ ;=]|//|$)@=`
syn match scoretextAttribute `\v\c%(^|[ ;=\"])@<=DYN:`
syn match scoretextError `\v\c%(%(^|[ ;=\"])@<=DYN:)@<=%([^ ;/=]|/%(/)@!)*`
syn match scoretextNumber `\v\c%(%(^|[ ;=\"])@<=DYN:)@<=%([+-]?0*%([0-9]|[1-9][0-9]|1%([0-1][0-9]|2%([0-7])))|[+-]?)%(,%([+-]?0*%([0-9]|[1-9][0-9]|1%([0-1][0-9]|2%([0-7])))|[+-]?)){0,5}%(,)@<!%([ ;=]|//|$)@=`
syn match scoretextAttribute `\v\c%(^|[ ;=\"])@<=BRE:`
syn match scoretextError `\v\c%(%(^|[ ;=\"])@<=BRE:)@<=%([^ ;/=]|/%(/)@!)*`
syn match scoretextNumber `\v\c%(%(^|[ ;=\"])@<=BRE:)@<=%([+-]?0*%([0-9]|[1-9][0-9]|1%([0-1][0-9]|2%([0-7])))|[+-]?)%(,%([+-]?0*%([0-9]|[1-9][0-9]|1%([0-1][0-9]|2%([0-7])))|[+-]?)){0,5}%(,)@<!%([ ;=]|//|$)@=`
syn match scoretextAttribute `\v\c%(^|[ ;=\"])@<=BRI:`
syn match scoretextError `\v\c%(%(^|[ ;=\"])@<=BRI:)@<=%([^ ;/=]|/%(/)@!)*`
syn match scoretextNumber `\v\c%(%(^|[ ;=\"])@<=BRI:)@<=%([+-]?0*%([0-9]|[1-9][0-9]|1%([0-1][0-9]|2%([0-7])))|[+-]?)%(,%([+-]?0*%([0-9]|[1-9][0-9]|1%([0-1][0-9]|2%([0-7])))|[+-]?)){0,5}%(,)@<!%([ ;=]|//|$)@=`
syn match scoretextAttribute `\v\c%(^|[ ;=\"])@<=CLE:`
syn match scoretextError `\v\c%(%(^|[ ;=\"])@<=CLE:)@<=%([^ ;/=]|/%(/)@!)*`
syn match scoretextNumber `\v\c%(%(^|[ ;=\"])@<=CLE:)@<=%([+-]?0*%([0-9]|[1-9][0-9]|1%([0-1][0-9]|2%([0-7])))|[+-]?)%(,%([+-]?0*%([0-9]|[1-9][0-9]|1%([0-1][0-9]|2%([0-7])))|[+-]?)){0,5}%(,)@<!%([ ;=]|//|$)@=`
syn match scoretextAttribute `\v\c%(^|[ ;=\"])@<=GEN:`
syn match scoretextError `\v\c%(%(^|[ ;=\"])@<=GEN:)@<=%([^ ;/=]|/%(/)@!)*`
syn match scoretextNumber `\v\c%(%(^|[ ;=\"])@<=GEN:)@<=%([+-]?0*%([0-9]|[1-9][0-9]|1%([0-1][0-9]|2%([0-7])))|[+-]?)%(,%([+-]?0*%([0-9]|[1-9][0-9]|1%([0-1][0-9]|2%([0-7])))|[+-]?)){0,5}%(,)@<!%([ ;=]|//|$)@=`
syn match scoretextAttribute `\v\c%(^|[ ;=\"])@<=POR:`
syn match scoretextError `\v\c%(%(^|[ ;=\"])@<=POR:)@<=%([^ ;/=]|/%(/)@!)*`
syn match scoretextNumber `\v\c%(%(^|[ ;=\"])@<=POR:)@<=%([+-]?0*%([0-9]|[1-9][0-9]|1%([0-1][0-9]|2%([0-7])))|[+-]?)%(,%([+-]?0*%([0-9]|[1-9][0-9]|1%([0-1][0-9]|2%([0-7])))|[+-]?)){0,5}%(,)@<!%([ ;=]|//|$)@=`
syn match scoretextAttribute `\v\c%(^|[ ;=\"])@<=PIT:`
syn match scoretextError `\v\c%(%(^|[ ;=\"])@<=PIT:)@<=%([^ ;/=]|/%(/)@!)*`
syn match scoretextNumber `\v\c%(%(^|[ ;=\"])@<=PIT:)@<=%(\+?0*%([0-9]|[1-9][0-9]|[1-9][0-9]{2}|[1-7][0-9]{3}|8%(0[0-9]{2}|1%([0-8][0-9]|9%([0-1]))))|-0*%([0-9]|[1-9][0-9]|[1-9][0-9]{2}|[1-7][0-9]{3}|8%(0[0-9]{2}|1%([0-8][0-9]|9%([0-2]))))|[+-]?)%(,%(\+?0*%([0-9]|[1-9][0-9]|[1-9][0-9]{2}|[1-7][0-9]{3}|8%(0[0-9]{2}|1%([0-8][0-9]|9%([0-1]))))|-0*%([0-9]|[1-9][0-9]|[1-9][0-9]{2}|[1-7][0-9]{3}|8%(0[0-9]{2}|1%([0-8][0-9]|9%([0-2]))))|[+-]?)){0,5}%(,)@<!%([ ;=]|//|$)@=`
syn match scoretextAttribute `\v\c%(^|[ ;=\"])@<=PBS:`
syn match scoretextError `\v\c%(%(^|[ ;=\"])@<=PBS:)@<=%([^ ;/=]|/%(/)@!)*`
syn match scoretextNumber `\v\c%(%(^|[ ;=\"])@<=PBS:)@<=%([+-]?0*%([0-9]|1[0-9]|2%([0-4]))|[+-]?)%(,%([+-]?0*%([0-9]|1[0-9]|2%([0-4]))|[+-]?)){0,5}%(,)@<!%([ ;=]|//|$)@=`
syn match scoretextAttribute `\v\c%(^|[ ;=\"])@<=%(LY|PH)%(")@=`
syn match scoretextRest `\v%(%(^|;) *%(%(14|12|1|2|4|8|16|32|64)\.{0,2})%( +\))?%( +\][2-9])? +)@<=%([Xx])%([ ;=]|//|$)@=`
syn match scoretextError `\v%(%(^|;) *%(%(14|12|1|2|4|8|16|32|64)\.{0,2})%( +\))?%( +\][2-9])? +[Xx]%( +%([^ ;/=]|/%(/)@!)+)* +)@<=%([^ ;/=]|/%(/)@!)+`
syn match scoretextError `\v"%([^";/]|/%(/)@!)*%(;|//|$)@=`
syn match scoretextLyric `\v"%([^";/]|/%(/)@!)*"`
syn match scoretextPhonetic `\v\[[^\]"]*\]` contained containedin=scoretextLyric
syn match scoretextTie `\v%(%(^|;) *%(%(14|12|1|2|4|8|16|32|64)\.{0,2}) +)@<=%(\))%([ ;=]|//|$)@=`
syn match scoretextTuplet `\v%(%(^|;) *%(%(14|12|1|2|4|8|16|32|64)\.{0,2})%( +\))? +)@<=%(\][2-9])%([ ;=]|//|$)@=`
syn match scoretextError `\v\c%(%(^|;) *)@<=!%([^ ;/=]|/%(/)@!)*`
syn match scoretextSetting `\v\c%(%(^|;) *)@<=%(SB)%([ ;=]|//|$)@=`
syn match scoretextError `\v\c%(%(^|;) *)@<=%(SB)%( +%([^ ;/=]|/%(/)@!)+){0,0} *%(;|//|$)@=`
syn match scoretextError `\v\c%(%(^|;) *%(SB)%([ ;=]|//|$)@= +)@<=%(\=)@!%([^ ;/=]|/%(/)@!)+`
syn match scoretextNumber `\v\c%(%(^|;) *%(SB)%([ ;=]|//|$)@= +)@<=%(%(2/2|2/4|2/8|3/2|3/4|3/8|4/4|4/8|6/4|6/8|9/8|9/16|12/8|12/16|5/4|5/8|7/4|7/8|8/8))%([ ;=]|//|$)@=`
syn match scoretextError `\v\c%(%(^|;) *%(SB)%([ ;=]|//|$)@= +%([^ ;/=]|/%(/)@!)+%( +%([^ ;/=]|/%(/)@!)+)* +)@<=%(\=)@!%([^ ;/=]|/%(/)@!)+`
syn match scoretextSetting `\v\c%(%(^|;) *)@<=%(ST)%([ ;=]|//|$)@=`
syn match scoretextError `\v\c%(%(^|;) *)@<=%(ST)%( +%([^ ;/=]|/%(/)@!)+){0,0} *%(;|//|$)@=`
syn match scoretextError `\v\c%(%(^|;) *%(ST)%([ ;=]|//|$)@= +)@<=%(\=)@!%([^ ;/=]|/%(/)@!)+`
syn match scoretextNumber `\v\c%(%(^|;) *%(ST)%([ ;=]|//|$)@= +)@<=%(\+?0*[1-9][0-9]*)%([ ;=]|//|$)@=`
syn match scoretextError `\v\c%(%(^|;) *%(ST)%([ ;=]|//|$)@= +%([^ ;/=]|/%(/)@!)+%( +%([^ ;/=]|/%(/)@!)+)* +)@<=%(\=)@!%([^ ;/=]|/%(/)@!)+`
syn match scoretextSetting `\v\c%(%(^|;) *)@<=%(SK)%([ ;=]|//|$)@=`
syn match scoretextError `\v\c%(%(^|;) *)@<=%(SK)%( +%([^ ;/=]|/%(/)@!)+){0,1} *%(;|//|$)@=`
syn match scoretextError `\v\c%(%(^|;) *%(SK)%([ ;=]|//|$)@= +)@<=%(\=)@!%([^ ;/=]|/%(/)@!)+`
syn match scoretextNumber `\v\c%(%(^|;) *%(SK)%([ ;=]|//|$)@= +)@<=%(%(#[1-7]?|0|[bB][1-7]?))%([ ;=]|//|$)@=`
syn match scoretextError `\v\c%(%(^|;) *%(SK)%([ ;=]|//|$)@= +%([^ ;/=]|/%(/)@!)+ +)@<=%(\=)@!%([^ ;/=]|/%(/)@!)+`
syn match scoretextNumber `\v\c%(%(^|;) *%(SK)%([ ;=]|//|$)@= +%([^ ;/=]|/%(/)@!)+ +)@<=%([01])%([ ;=]|//|$)@=`
syn match scoretextError `\v\c%(%(^|;) *%(SK)%([ ;=]|//|$)@= +%([^ ;/=]|/%(/)@!)+ +%([^ ;/=]|/%(/)@!)+%( +%([^ ;/=]|/%(/)@!)+)* +)@<=%(\=)@!%([^ ;/=]|/%(/)@!)+`
syn match scoretextSetting `\v\c%(%(^|;) *)@<=%(SC4)%([ ;=]|//|$)@=`
syn match scoretextError `\v\c%(%(^|;) *%(SC4)%([ ;=]|//|$)@=%( +%([^ ;/=]|/%(/)@!)+)* +)@<=%([^ ;/=]|/%(/)@!)+`
syn match scoretextSetting `\v\c%(%(^|;) *)@<=%(SC)%([ ;=]|//|$)@=`
syn match scoretextError `\v\c%(%(^|;) *)@<=%(SC)%( +%([^ ;/=]|/%(/)@!)+){0,0} *%(;|//|$)@=`
syn match scoretextError `\v\c%(%(^|;) *%(SC)%([ ;=]|//|$)@= +)@<=%(\=)@!%([^ ;/=]|/%(/)@!)+`
syn match scoretextNumber `\v\c%(%(^|;) *%(SC)%([ ;=]|//|$)@= +)@<=%(%(\+?%(0*%([0-9]|[1-2][0-9]|3%(0)))|-%(0*%([0-9]|[1-2][0-9]|3%(0)))|[+-]))%([ ;=]|//|$)@=`
syn match scoretextError `\v\c%(%(^|;) *%(SC)%([ ;=]|//|$)@= +%([^ ;/=]|/%(/)@!)+%( +%([^ ;/=]|/%(/)@!)+)* +)@<=%(\=)@!%([^ ;/=]|/%(/)@!)+`
syn match scoretextSetting `\v\c%(%(^|;) *)@<=%(SCN)%([ ;=]|//|$)@=`
syn match scoretextError `\v\c%(%(^|;) *)@<=%(SCN)%( +%([^ ;/=]|/%(/)@!)+){0,0} *%(;|//|$)@=`
syn match scoretextError `\v\c%(%(^|;) *%(SCN)%([ ;=]|//|$)@= +)@<=%(\=)@!%([^ ;/=]|/%(/)@!)+`
syn match scoretextNumber `\v\c%(%(^|;) *%(SCN)%([ ;=]|//|$)@= +)@<=%(%(\+?%(0*%([0-9]|[1-2][0-9]|3%(0)))|-%(0*%([0-9]|[1-2][0-9]|3%(0)))|[+-]))%([ ;=]|//|$)@=`
syn match scoretextError `\v\c%(%(^|;) *%(SCN)%([ ;=]|//|$)@= +%([^ ;/=]|/%(/)@!)+%( +%([^ ;/=]|/%(/)@!)+)* +)@<=%(\=)@!%([^ ;/=]|/%(/)@!)+`
syn match scoretextSetting `\v\c%(%(^|;) *)@<=%(SV)%([ ;=]|//|$)@=`
syn match scoretextError `\v\c%(%(^|;) *%(SV)%([ ;=]|//|$)@=%( +%([^ ;/=]|/%(/)@!)+)* +)@<=%([^ ;/=]|/%(/)@!)+`
syn match scoretextSetting `\v\c%(%(^|;) *)@<=%(SN)%([ ;=]|//|$)@=`
syn match scoretextError `\v\c%(%(^|;) *)@<=%(SN)%( +%([^ ;/=]|/%(/)@!)+){0,0} *%(;|//|$)@=`
syn match scoretextError `\v\c%(%(^|;) *%(SN)%([ ;=]|//|$)@= +)@<=%(\=)@!%([^ ;/=]|/%(/)@!)+`
syn match scoretextNumber `\v\c%(%(^|;) *%(SN)%([ ;=]|//|$)@= +)@<=%(1?[0-9]|20)%([ ;=]|//|$)@=`
syn match scoretextError `\v\c%(%(^|;) *%(SN)%([ ;=]|//|$)@= +%([^ ;/=]|/%(/)@!)+%( +%([^ ;/=]|/%(/)@!)+)* +)@<=%(\=)@!%([^ ;/=]|/%(/)@!)+`
syn match scoretextSetting `\v\c%(%(^|;) *)@<=%(SS)%([ ;=]|//|$)@=`
syn match scoretextError `\v\c%(%(^|;) *)@<=%(SS)%( +%([^ ;/=]|/%(/)@!)+){0,0} *%(;|//|$)@=`
syn match scoretextError `\v\c%(%(^|;) *%(SS)%([ ;=]|//|$)@= +)@<=%(\=)@!%([^ ;/=]|/%(/)@!)+`
syn match scoretextNumber `\v\c%(%(^|;) *%(SS)%([ ;=]|//|$)@= +)@<=%(%(\+?%(0*%([0-8]))|-%(0*%(0))|[+-]))%([ ;=]|//|$)@=`
syn match scoretextError `\v\c%(%(^|;) *%(SS)%([ ;=]|//|$)@= +%([^ ;/=]|/%(/)@!)+%( +%([^ ;/=]|/%(/)@!)+)* +)@<=%(\=)@!%([^ ;/=]|/%(/)@!)+`
syn match scoretextSetting `\v\c%(%(^|;) *)@<=%(SSN)%([ ;=]|//|$)@=`
syn match scoretextError `\v\c%(%(^|;) *)@<=%(SSN)%( +%([^ ;/=]|/%(/)@!)+){0,0} *%(;|//|$)@=`
syn match scoretextError `\v\c%(%(^|;) *%(SSN)%([ ;=]|//|$)@= +)@<=%(\=)@!%([^ ;/=]|/%(/)@!)+`
syn match scoretextNumber `\v\c%(%(^|;) *%(SSN)%([ ;=]|//|$)@= +)@<=%([A-Ga-g])%([ ;=]|//|$)@=`
syn match scoretextError `\v\c%(%(^|;) *%(SSN)%([ ;=]|//|$)@= +%([^ ;/=]|/%(/)@!)+%( +%([^ ;/=]|/%(/)@!)+)* +)@<=%(\=)@!%([^ ;/=]|/%(/)@!)+`
syn match scoretextSetting `\v\c%(%(^|;) *)@<=%(SRN)%([ ;=]|//|$)@=`
syn match scoretextError `\v\c%(%(^|;) *)@<=%(SRN)%( +%([^ ;/=]|/%(/)@!)+){0,0} *%(;|//|$)@=`
syn match scoretextError `\v\c%(%(^|;) *%(SRN)%([ ;=]|//|$)@= +)@<=%(\=)@!%([^ ;/=]|/%(/)@!)+`
syn match scoretextNumber `\v\c%(%(^|;) *%(SRN)%([ ;=]|//|$)@= +)@<=%([A-Ga-g])%([ ;=]|//|$)@=`
syn match scoretextError `\v\c%(%(^|;) *%(SRN)%([ ;=]|//|$)@= +%([^ ;/=]|/%(/)@!)+%( +%([^ ;/=]|/%(/)@!)+)* +)@<=%(\=)@!%([^ ;/=]|/%(/)@!)+`
syn match scoretextSetting `\v\c%(%(^|;) *)@<=%(SL1)%([ ;=]|//|$)@=`
syn match scoretextError `\v\c%(%(^|;) *%(SL1)%([ ;=]|//|$)@=%( +%([^ ;/=]|/%(/)@!)+)* +)@<=%([^ ;/=]|/%(/)@!)+`
syn match scoretextSetting `\v\c%(%(^|;) *)@<=%(SL2)%([ ;=]|//|$)@=`
syn match scoretextError `\v\c%(%(^|;) *%(SL2)%([ ;=]|//|$)@=%( +%([^ ;/=]|/%(/)@!)+)* +)@<=%([^ ;/=]|/%(/)@!)+`
syn match scoretextPattern `\v\c%(%(^|;) *)@<=%(PS)%([ ;=]|//|$)@=`
syn match scoretextError `\v\c%(%(^|;) *)@<=%(PS)%( +%([^ ;/=]|/%(/)@!)+){0,0} *%(;|//|$)@=`
syn match scoretextError `\v\c%(%(^|;) *%(PS)%([ ;=]|//|$)@= +)@<=%(\=)@!%([^ ;/=]|/%(/)@!)+`
syn match scoretextNumber `\v\c%(%(^|;) *%(PS)%([ ;=]|//|$)@= +)@<=%(%(\+?%(0*%([0-9]|[1-9][0-9]|[1-9][0-9]{2}))|-%(0*%(0))|[+-]))%([ ;=]|//|$)@=`
syn match scoretextError `\v\c%(%(^|;) *%(PS)%([ ;=]|//|$)@= +%([^ ;/=]|/%(/)@!)+%( +%([^ ;/=]|/%(/)@!)+)* +)@<=%(\=)@!%([^ ;/=]|/%(/)@!)+`
syn match scoretextPattern `\v\c%(%(^|;) *)@<=%(PE)%([ ;=]|//|$)@=`
syn match scoretextError `\v\c%(%(^|;) *%(PE)%([ ;=]|//|$)@=%( +%([^ ;/=]|/%(/)@!)+)* +)@<=%([^ ;/=]|/%(/)@!)+`
syn match scoretextPattern `\v\c%(%(^|;) *)@<=%(PR)%([ ;=]|//|$)@=`
syn match scoretextError `\v\c%(%(^|;) *)@<=%(PR)%( +%([^ ;/=]|/%(/)@!)+){0,0} *%(;|//|$)@=`
syn match scoretextError `\v\c%(%(^|;) *%(PR)%([ ;=]|//|$)@= +)@<=%(\=)@!%([^ ;/=]|/%(/)@!)+`
syn match scoretextNumber `\v\c%(%(^|;) *%(PR)%([ ;=]|//|$)@= +)@<=%(%(\+?%(0*%([1-9]|[1-9][0-9]|[1-9][0-9]{2}))))%([ ;=]|//|$)@=`
syn match scoretextError `\v\c%(%(^|;) *%(PR)%([ ;=]|//|$)@= +%([^ ;/=]|/%(/)@!)+%( +%([^ ;/=]|/%(/)@!)+)* +)@<=%(\=)@!%([^ ;/=]|/%(/)@!)+`
syn match scoretextError `\v\=%([^ ;/=]|/%(/)@!)*`
syn match scoretextMacroUse `\v\=[mM]:%(%([^ ;/=]|/%(/)@!){0,9}%([ ;=]|//|$)@=)@=`
syn match scoretextMacroRef `\v%(\=[mM]:)@<=%([^ ;/=]|/%(/)@!){1,9}%([ ;=]|//|$)@=`
syn match scoretextError `\v%(%(^|;) *)@<=\=[dD]%([^ ;/=]|/%(/)@!)*`
syn match scoretextMacroDef `\v%(%(^|;) *)@<=\=[dD]:%(%(%(\=)@!%([^ ;/=]|/%(/)@!)){0,9} )@=`
syn match scoretextMacroName `\v%(%(^|;) *\=[dD]:)@<=%(%(\=)@!%([^ ;/=]|/%(/)@!)){1,9}%( )@=`
syn match scoretextSeparator `\v;`
syn match scoretextError `\v%(^ *)@<=;|;%( *;)@=`
syn match scoretextComment `\v//.*$`
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
