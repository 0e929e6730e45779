" Vim syntax file for scoretext_lyrics.
" Written by editors/make_grammars.py; edit that, not this file.
if exists("b:current_syntax")
  finish
endif
syn clear
syn sync minlines=1
syn match scoretextError `\v[^ 　A-Za-z\[\]'\\4@{:_0　［］’￥４＠｛；＿Ａ-Ｚａ-ｚ]`
syn match scoretextError `\v%(^|[ 　])@<=['\\4@{:_0’￥４＠｛；＿]`
syn match scoretextWord `\v[A-Za-z\]Ａ-Ｚａ-ｚ］][A-Za-z\]'\\4@{:_0］’￥４＠｛；＿Ａ-Ｚａ-ｚ]*`
syn match scoretextSyllable `\v%(うぃ|うぇ|きゃ|きゅ|きょ|しゃ|すぃ|しゅ|しぇ|しょ|ちゃ|つぃ|ちゅ|ちぇ|ちょ|にゃ|にゅ|にぇ|にょ|ひゃ|ひゅ|ひぇ|ひょ|ふぁ|ふぃ|ふゅ|ふぇ|ふぉ|みゃ|みゅ|みぇ|みょ|りゃ|りゅ|りょ|ぎゃ|ぎゅ|ぎぇ|ぎょ|じゃ|ずぃ|じゅ|じぇ|じょ|でぃ|でゅ|びゃ|びゅ|びぇ|びょ|ぴゃ|ぴゅ|ぴぇ|ぴょ|いぇ|ウィ|ウェ|キャ|キュ|キョ|シャ|スィ|シュ|シェ|ショ|チャ|ツィ|チュ|チェ|チョ|ニャ|ニュ|ニェ|ニョ|ヒャ|ヒュ|ヒェ|ヒョ|ファ|フィ|フュ|フェ|フォ|ミャ|ミュ|ミェ|ミョ|リャ|リュ|リョ|ギャ|ギュ|ギェ|ギョ|ジャ|ズィ|ジュ|ジェ|ジョ|ディ|デュ|ビャ|ビュ|ビェ|ビョ|ピャ|ピュ|ピェ|ピョ|イェ|[ぁあぃいぅうぇえぉおかがきぎくぐけげこごさざしじすずせぜそぞただちぢつづてでとどなにぬねのはばぱひびぴふぶぷへべぺほぼぽまみむめもやゆよらりるれろわをんァアィイゥウェエォオカガキギクグケゲコゴサザシジスズセゼソゾタダチヂツヅテデトドナニヌネノハバパヒビピフブプヘベペホボポマミムメモヤユヨラリルレロワヲンー])`
syn match scoretextLongVowel `\v[-ー]`
syn match scoretextError `\v[\[［]%([^\]］/]|/%(/)@!)*%(//|$)@=`
syn match scoretextPhonetic `\v[\[［]%([^\]］\[［/]|/%(/)@!)*[\]］]`
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
let b:current_syntax = "scoretext_lyrics"
