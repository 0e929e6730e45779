" Vim syntax file for scoretext_chords_old.
" Written by editors/make_grammars.py; edit that, not this file.
if exists("b:current_syntax")
  finish
endif
syn clear
syn sync minlines=1
syn match scoretextError `\%#=1\v%(%(^|;) *)@<=%(\=)@!%([^ ;/=]|/%(/)@!)+`
syn match scoretextError `\%#=1\v%(%(^|;) *)@<=[0-9]%([^ ;/=]|/%(/)@!)*`
syn match scoretextLength `\%#=1\v%(%(^|;) *)@<=%(%(14|12|1|2|4|8|16|32|64)\.{0,2})%([ ;=]|//|$)@=`
syn match scoretextError `\%#=1\v%(%(^|;) *%(%(14|12|1|2|4|8|16|32|64)\.{0,2})%( +\))?%( +\][2-9])?%( +%(DL[1-4]?|S[0-8]?|\&%(0[1-9]|[1-9][0-9]|1[0-9][0-9]|200)))? +)@<=%([*Vv\=])@!%([^ ;/=]|/%(/)@!)+`
syn match scoretextChord `\%#=1\v%(%(^|;) *%(%(14|12|1|2|4|8|16|32|64)\.{0,2})%( +\))?%( +\][2-9])?%( +%(DL[1-4]?|S[0-8]?|\&%(0[1-9]|[1-9][0-9]|1[0-9][0-9]|200)))? +)@<=%(%(%(%(A#bm7/Ab|A#m7/Ab|A#m7/Eb|Abm7/Db|Abm7/Gb|Bbm7/Ab|Bbm7/Eb|C#m7/Cb|C#m7/Gb|D#m7/Ab|D#m7/Db|Dbm7/Cb|Dbm7/Gb|Ebm7/Ab|Ebm7/Db|F#m7/Cb|F#m7/Fb|G#m7/Db|G#m7/Gb|Gbm7/Cb|Gbm7/Fb|A#7/Ab|A#bm/F|A#m/Db|Ab7/Gb|Abm/Cb|Abm/Eb|Bb7/Ab|Bbm/Db|C#7/Cb|C#m/Ab|C#m/Fb|Cm7/Bb|D#7/Db|D#m/Bb|D#m/Gb|Db7/Cb|Dbm/Ab|Dbm/Fb|Eb7/Db|Ebm/Bb|Ebm/Gb|F#7/Fb|F#m/Db|Fm7/Bb|Fm7/Eb|G#7/Gb|G#m/Cb|G#m/Eb|Gb7/Fb|Gbm/Db|A#m/F|Ab/Bb|Ab/Eb|Am7/D|Am7/G|Bbm/F|Bm/F#|Bm7/A|Bm7/E|C#/Ab|C#/Eb|C7/Bb|Cm/Eb|Cm7/F|D#/Bb|Db/Ab|Db/Eb|Dm7/C|Dm7/G|Eb/Bb|Em7/A|Em7/D|F#/Ab|F#/Bb|F#/Db|F#m/A|F7/Eb|Fm/Ab|G#/Bb|G#/Eb|Gb/Ab|Gb/Bb|Gb/Db|Gbm/A|Gm/Bb|Gm7/C|Gm7/F|A#/C|A#/D|A#/F|A/C#|A7/G|Ab/C|Am/C|Am/E|B/C#|B/D#|B/F#|B7/A|Bb/C|Bb/D|Bb/F|Bm/D|C#/F|Cm/G|D#/F|D#/G|D/F#|D7/C|Db/F|Dm/A|Dm/F|E/F#|E/G#|E7/D|Eb/F|Eb/G|Em/B|Em/G|Fm/C|G#/C|G7/F|Gm/D|A/B|A/E|C/D|C/E|C/G|D/A|D/E|E/B|F/A|F/C|F/G|G/A|G/B|G/D))|[A-G][b#]?%(%(7sus4|augM7|-9\+5|7\+11|7\+13|add2|add4|add9|aug7|aug9|dim7|m7-5|sus4|7\+5|7\+9|7-5|7-9|9-5|aug|dim|m11|m13|m69|mM7|-5|-9|11|13|69|M7|M9|m6|m7|m9|6|7|9|m))?|[12]%(%(A#bm7/Ab|A#m7/Ab|A#m7/Eb|Abm7/Db|Abm7/Gb|Bbm7/Ab|Bbm7/Eb|C#m7/Cb|C#m7/Gb|D#m7/Ab|D#m7/Db|Dbm7/Cb|Dbm7/Gb|Ebm7/Ab|Ebm7/Db|F#m7/Cb|F#m7/Fb|G#m7/Db|G#m7/Gb|Gbm7/Cb|Gbm7/Fb|A#7/Ab|A#bm/F|A#m/Db|Ab7/Gb|Abm/Cb|Abm/Eb|Bb7/Ab|Bbm/Db|C#7/Cb|C#m/Ab|C#m/Fb|Cm7/Bb|D#7/Db|D#m/Bb|D#m/Gb|Db7/Cb|Dbm/Ab|Dbm/Fb|Eb7/Db|Ebm/Bb|Ebm/Gb|F#7/Fb|F#m/Db|Fm7/Bb|Fm7/Eb|G#7/Gb|G#m/Cb|G#m/Eb|Gb7/Fb|Gbm/Db|A#m/F|Ab/Bb|Ab/Eb|Am7/D|Am7/G|Bbm/F|Bm/F#|Bm7/A|Bm7/E|C#/Ab|C#/Eb|C7/Bb|Cm/Eb|Cm7/F|D#/Bb|Db/Ab|Db/Eb|Dm7/C|Dm7/G|Eb/Bb|Em7/A|Em7/D|F#/Ab|F#/Bb|F#/Db|F#m/A|F7/Eb|Fm/Ab|G#/Bb|G#/Eb|Gb/Ab|Gb/Bb|Gb/Db|Gbm/A|Gm/Bb|Gm7/C|Gm7/F|A#/C|A#/D|A#/F|A/C#|A7/G|Ab/C|Am/C|Am/E|B/C#|B/D#|B/F#|B7/A|Bb/C|Bb/D|Bb/F|Bm/D|C#/F|Cm/G|D#/F|D#/G|D/F#|D7/C|Db/F|Dm/A|Dm/F|E/F#|E/G#|E7/D|Eb/F|Eb/G|Em/B|Em/G|Fm/C|G#/C|G7/F|Gm/D|A/B|A/E|C/D|C/E|C/G|D/A|D/E|E/B|F/A|F/C|F/G|G/A|G/B|G/D)|[A-G][b#]?%(%(7sus4|augM7|add2|add4|aug7|dim7|m7-5|sus4|7\+5|7-5|aug|dim|mM7|-5|M7|m6|m7|6|7|m))?)|3%(%(A#bm7/Ab|A#m7/Ab|A#m7/Eb|Abm7/Db|Abm7/Gb|Bbm7/Ab|Bbm7/Eb|C#m7/Cb|C#m7/Gb|D#m7/Ab|D#m7/Db|Dbm7/Cb|Dbm7/Gb|Ebm7/Ab|Ebm7/Db|F#m7/Cb|F#m7/Fb|G#m7/Db|G#m7/Gb|Gbm7/Cb|Gbm7/Fb|A#7/Ab|A#bm/F|A#m/Db|Ab7/Gb|Abm/Cb|Abm/Eb|Bb7/Ab|Bbm/Db|C#7/Cb|C#m/Ab|C#m/Fb|Cm7/Bb|D#7/Db|D#m/Bb|D#m/Gb|Db7/Cb|Dbm/Ab|Dbm/Fb|Eb7/Db|Ebm/Bb|Ebm/Gb|F#7/Fb|F#m/Db|Fm7/Bb|Fm7/Eb|G#7/Gb|G#m/Cb|G#m/Eb|Gb7/Fb|Gbm/Db|A#m/F|Ab/Bb|Ab/Eb|Am7/D|Am7/G|Bbm/F|Bm/F#|Bm7/A|Bm7/E|C#/Ab|C#/Eb|C7/Bb|Cm/Eb|Cm7/F|D#/Bb|Db/Ab|Db/Eb|Dm7/C|Dm7/G|Eb/Bb|Em7/A|Em7/D|F#/Ab|F#/Bb|F#/Db|F#m/A|F7/Eb|Fm/Ab|G#/Bb|G#/Eb|Gb/Ab|Gb/Bb|Gb/Db|Gbm/A|Gm/Bb|Gm7/C|Gm7/F|A#/C|A#/D|A#/F|A/C#|A7/G|Ab/C|Am/C|Am/E|B/C#|B/D#|B/F#|B7/A|Bb/C|Bb/D|Bb/F|Bm/D|C#/F|Cm/G|D#/F|D#/G|D/F#|D7/C|Db/F|Dm/A|Dm/F|E/F#|E/G#|E7/D|Eb/F|Eb/G|Em/B|Em/G|Fm/C|G#/C|G7/F|Gm/D|A/B|A/E|C/D|C/E|C/G|D/A|D/E|E/B|F/A|F/C|F/G|G/A|G/B|G/D)|[A-G][b#]?%(%(7sus4|augM7|add2|add4|aug7|dim7|m7-5|7\+5|7-5|mM7|M7|m6|m7|6|7))?)))%([ ;=]|//|$)@=`
syn match scoretextError `\%#=1\v%(^|[ ;=\"])@<=%([Vv][+-]?[0-9]+)%([ ;=]|//|$)@=`
syn match scoretextVelocity `\%#=1\v%(^|[ ;=\"])@<=%([Vv]%(\+?%(0*%([0-9]|[1-9][0-9]|1%([0-1][0-9]|2%([0-7]))))|-%(0*%(0))|[+-]))%([ ;=]|//|$)@=`
syn match scoretextError `\%#=1\v%(^|[ ;=\"])@<=%(\*%([^ ;/=]|/%(/)@!)*)%([ ;=]|//|$)@=`
syn match scoretextNote `\%#=1\v%(^|[ ;=\"])@<=%(\*([A-Ga-g])(-1|[0-7])(##?|[Bb][Bb]?|[Nn])?)%([ ;=]|//|$)@=`
syn match scoretextError `\%#=1\v%(%(^|;) *%(%(14|12|1|2|4|8|16|32|64)\.{0,2})%( +\))?%( +\][2-9])?%( +%(DL[1-4]?|S[0-8]?|\&%(0[1-9]|[1-9][0-9]|1[0-9][0-9]|200)))? +%(%(%(%(A#bm7/Ab|A#m7/Ab|A#m7/Eb|Abm7/Db|Abm7/Gb|Bbm7/Ab|Bbm7/Eb|C#m7/Cb|C#m7/Gb|D#m7/Ab|D#m7/Db|Dbm7/Cb|Dbm7/Gb|Ebm7/Ab|Ebm7/Db|F#m7/Cb|F#m7/Fb|G#m7/Db|G#m7/Gb|Gbm7/Cb|Gbm7/Fb|A#7/Ab|A#bm/F|A#m/Db|Ab7/Gb|Abm/Cb|Abm/Eb|Bb7/Ab|Bbm/Db|C#7/Cb|C#m/Ab|C#m/Fb|Cm7/Bb|D#7/Db|D#m/Bb|D#m/Gb|Db7/Cb|Dbm/Ab|Dbm/Fb|Eb7/Db|Ebm/Bb|Ebm/Gb|F#7/Fb|F#m/Db|Fm7/Bb|Fm7/Eb|G#7/Gb|G#m/Cb|G#m/Eb|Gb7/Fb|Gbm/Db|A#m/F|Ab/Bb|Ab/Eb|Am7/D|Am7/G|Bbm/F|Bm/F#|Bm7/A|Bm7/E|C#/Ab|C#/Eb|C7/Bb|Cm/Eb|Cm7/F|D#/Bb|Db/Ab|Db/Eb|Dm7/C|Dm7/G|Eb/Bb|Em7/A|Em7/D|F#/Ab|F#/Bb|F#/Db|F#m/A|F7/Eb|Fm/Ab|G#/Bb|G#/Eb|Gb/Ab|Gb/Bb|Gb/Db|Gbm/A|Gm/Bb|Gm7/C|Gm7/F|A#/C|A#/D|A#/F|A/C#|A7/G|Ab/C|Am/C|Am/E|B/C#|B/D#|B/F#|B7/A|Bb/C|Bb/D|Bb/F|Bm/D|C#/F|Cm/G|D#/F|D#/G|D/F#|D7/C|Db/F|Dm/A|Dm/F|E/F#|E/G#|E7/D|Eb/F|Eb/G|Em/B|Em/G|Fm/C|G#/C|G7/F|Gm/D|A/B|A/E|C/D|C/E|C/G|D/A|D/E|E/B|F/A|F/C|F/G|G/A|G/B|G/D))|[A-G][b#]?%(%(7sus4|augM7|-9\+5|7\+11|7\+13|add2|add4|add9|aug7|aug9|dim7|m7-5|sus4|7\+5|7\+9|7-5|7-9|9-5|aug|dim|m11|m13|m69|mM7|-5|-9|11|13|69|M7|M9|m6|m7|m9|6|7|9|m))?|[12]%(%(A#bm7/Ab|A#m7/Ab|A#m7/Eb|Abm7/Db|Abm7/Gb|Bbm7/Ab|Bbm7/Eb|C#m7/Cb|C#m7/Gb|D#m7/Ab|D#m7/Db|Dbm7/Cb|Dbm7/Gb|Ebm7/Ab|Ebm7/Db|F#m7/Cb|F#m7/Fb|G#m7/Db|G#m7/Gb|Gbm7/Cb|Gbm7/Fb|A#7/Ab|A#bm/F|A#m/Db|Ab7/Gb|Abm/Cb|Abm/Eb|Bb7/Ab|Bbm/Db|C#7/Cb|C#m/Ab|C#m/Fb|Cm7/Bb|D#7/Db|D#m/Bb|D#m/Gb|Db7/Cb|Dbm/Ab|Dbm/Fb|Eb7/Db|Ebm/Bb|Ebm/Gb|F#7/Fb|F#m/Db|Fm7/Bb|Fm7/Eb|G#7/Gb|G#m/Cb|G#m/Eb|Gb7/Fb|Gbm/Db|A#m/F|Ab/Bb|Ab/Eb|Am7/D|Am7/G|Bbm/F|Bm/F#|Bm7/A|Bm7/E|C#/Ab|C#/Eb|C7/Bb|Cm/Eb|Cm7/F|D#/Bb|Db/Ab|Db/Eb|Dm7/C|Dm7/G|Eb/Bb|Em7/A|Em7/D|F#/Ab|F#/Bb|F#/Db|F#m/A|F7/Eb|Fm/Ab|G#/Bb|G#/Eb|Gb/Ab|Gb/Bb|Gb/Db|Gbm/A|Gm/Bb|Gm7/C|Gm7/F|A#/C|A#/D|A#/F|A/C#|A7/G|Ab/C|Am/C|Am/E|B/C#|B/D#|B/F#|B7/A|Bb/C|Bb/D|Bb/F|Bm/D|C#/F|Cm/G|D#/F|D#/G|D/F#|D7/C|Db/F|Dm/A|Dm/F|E/F#|E/G#|E7/D|Eb/F|Eb/G|Em/B|Em/G|Fm/C|G#/C|G7/F|Gm/D|A/B|A/E|C/D|C/E|C/G|D/A|D/E|E/B|F/A|F/C|F/G|G/A|G/B|G/D)|[A-G][b#]?%(%(7sus4|augM7|add2|add4|aug7|dim7|m7-5|sus4|7\+5|7-5|aug|dim|mM7|-5|M7|m6|m7|6|7|m))?)|3%(%(A#bm7/Ab|A#m7/Ab|A#m7/Eb|Abm7/Db|Abm7/Gb|Bbm7/Ab|Bbm7/Eb|C#m7/Cb|C#m7/Gb|D#m7/Ab|D#m7/Db|Dbm7/Cb|Dbm7/Gb|Ebm7/Ab|Ebm7/Db|F#m7/Cb|F#m7/Fb|G#m7/Db|G#m7/Gb|Gbm7/Cb|Gbm7/Fb|A#7/Ab|A#bm/F|A#m/Db|Ab7/Gb|Abm/Cb|Abm/Eb|Bb7/Ab|Bbm/Db|C#7/Cb|C#m/Ab|C#m/Fb|Cm7/Bb|D#7/Db|D#m/Bb|D#m/Gb|Db7/Cb|Dbm/Ab|Dbm/Fb|Eb7/Db|Ebm/Bb|Ebm/Gb|F#7/Fb|F#m/Db|Fm7/Bb|Fm7/Eb|G#7/Gb|G#m/Cb|G#m/Eb|Gb7/Fb|Gbm/Db|A#m/F|Ab/Bb|Ab/Eb|Am7/D|Am7/G|Bbm/F|Bm/F#|Bm7/A|Bm7/E|C#/Ab|C#/Eb|C7/Bb|Cm/Eb|Cm7/F|D#/Bb|Db/Ab|Db/Eb|Dm7/C|Dm7/G|Eb/Bb|Em7/A|Em7/D|F#/Ab|F#/Bb|F#/Db|F#m/A|F7/Eb|Fm/Ab|G#/Bb|G#/Eb|Gb/Ab|Gb/Bb|Gb/Db|Gbm/A|Gm/Bb|Gm7/C|Gm7/F|A#/C|A#/D|A#/F|A/C#|A7/G|Ab/C|Am/C|Am/E|B/C#|B/D#|B/F#|B7/A|Bb/C|Bb/D|Bb/F|Bm/D|C#/F|Cm/G|D#/F|D#/G|D/F#|D7/C|Db/F|Dm/A|Dm/F|E/F#|E/G#|E7/D|Eb/F|Eb/G|Em/B|Em/G|Fm/C|G#/C|G7/F|Gm/D|A/B|A/E|C/D|C/E|C/G|D/A|D/E|E/B|F/A|F/C|F/G|G/A|G/B|G/D)|[A-G][b#]?%(%(7sus4|augM7|add2|add4|aug7|dim7|m7-5|7\+5|7-5|mM7|M7|m6|m7|6|7))?))) +[Vv]%([^ ;/=]|/%(/)@!)* +%(%([^ ;/=]|/%(/)@!)+ +)*)@<=%(\=)@!%([^ ;/=]|/%(/)@!)+`
syn match scoretextError `\%#=1\v%(%(^|;) *%(%(14|12|1|2|4|8|16|32|64)\.{0,2})%( +\))?%( +\][2-9])?%( +%(DL[1-4]?|S[0-8]?|\&%(0[1-9]|[1-9][0-9]|1[0-9][0-9]|200)))? +%(%(%(%(A#bm7/Ab|A#m7/Ab|A#m7/Eb|Abm7/Db|Abm7/Gb|Bbm7/Ab|Bbm7/Eb|C#m7/Cb|C#m7/Gb|D#m7/Ab|D#m7/Db|Dbm7/Cb|Dbm7/Gb|Ebm7/Ab|Ebm7/Db|F#m7/Cb|F#m7/Fb|G#m7/Db|G#m7/Gb|Gbm7/Cb|Gbm7/Fb|A#7/Ab|A#bm/F|A#m/Db|Ab7/Gb|Abm/Cb|Abm/Eb|Bb7/Ab|Bbm/Db|C#7/Cb|C#m/Ab|C#m/Fb|Cm7/Bb|D#7/Db|D#m/Bb|D#m/Gb|Db7/Cb|Dbm/Ab|Dbm/Fb|Eb7/Db|Ebm/Bb|Ebm/Gb|F#7/Fb|F#m/Db|Fm7/Bb|Fm7/Eb|G#7/Gb|G#m/Cb|G#m/Eb|Gb7/Fb|Gbm/Db|A#m/F|Ab/Bb|Ab/Eb|Am7/D|Am7/G|Bbm/F|Bm/F#|Bm7/A|Bm7/E|C#/Ab|C#/Eb|C7/Bb|Cm/Eb|Cm7/F|D#/Bb|Db/Ab|Db/Eb|Dm7/C|Dm7/G|Eb/Bb|Em7/A|Em7/D|F#/Ab|F#/Bb|F#/Db|F#m/A|F7/Eb|Fm/Ab|G#/Bb|G#/Eb|Gb/Ab|Gb/Bb|Gb/Db|Gbm/A|Gm/Bb|Gm7/C|Gm7/F|A#/C|A#/D|A#/F|A/C#|A7/G|Ab/C|Am/C|Am/E|B/C#|B/D#|B/F#|B7/A|Bb/C|Bb/D|Bb/F|Bm/D|C#/F|Cm/G|D#/F|D#/G|D/F#|D7/C|Db/F|Dm/A|Dm/F|E/F#|E/G#|E7/D|Eb/F|Eb/G|Em/B|Em/G|Fm/C|G#/C|G7/F|Gm/D|A/B|A/E|C/D|C/E|C/G|D/A|D/E|E/B|F/A|F/C|F/G|G/A|G/B|G/D))|[A-G][b#]?%(%(7sus4|augM7|-9\+5|7\+11|7\+13|add2|add4|add9|aug7|aug9|dim7|m7-5|sus4|7\+5|7\+9|7-5|7-9|9-5|aug|dim|m11|m13|m69|mM7|-5|-9|11|13|69|M7|M9|m6|m7|m9|6|7|9|m))?|[12]%(%(A#bm7/Ab|A#m7/Ab|A#m7/Eb|Abm7/Db|Abm7/Gb|Bbm7/Ab|Bbm7/Eb|C#m7/Cb|C#m7/Gb|D#m7/Ab|D#m7/Db|Dbm7/Cb|Dbm7/Gb|Ebm7/Ab|Ebm7/Db|F#m7/Cb|F#m7/Fb|G#m7/Db|G#m7/Gb|Gbm7/Cb|Gbm7/Fb|A#7/Ab|A#bm/F|A#m/Db|Ab7/Gb|Abm/Cb|Abm/Eb|Bb7/Ab|Bbm/Db|C#7/Cb|C#m/Ab|C#m/Fb|Cm7/Bb|D#7/Db|D#m/Bb|D#m/Gb|Db7/Cb|Dbm/Ab|Dbm/Fb|Eb7/Db|Ebm/Bb|Ebm/Gb|F#7/Fb|F#m/Db|Fm7/Bb|Fm7/Eb|G#7/Gb|G#m/Cb|G#m/Eb|Gb7/Fb|Gbm/Db|A#m/F|Ab/Bb|Ab/Eb|Am7/D|Am7/G|Bbm/F|Bm/F#|Bm7/A|Bm7/E|C#/Ab|C#/Eb|C7/Bb|Cm/Eb|Cm7/F|D#/Bb|Db/Ab|Db/Eb|Dm7/C|Dm7/G|Eb/Bb|Em7/A|Em7/D|F#/Ab|F#/Bb|F#/Db|F#m/A|F7/Eb|Fm/Ab|G#/Bb|G#/Eb|Gb/Ab|Gb/Bb|Gb/Db|Gbm/A|Gm/Bb|Gm7/C|Gm7/F|A#/C|A#/D|A#/F|A/C#|A7/G|Ab/C|Am/C|Am/E|B/C#|B/D#|B/F#|B7/A|Bb/C|Bb/D|Bb/F|Bm/D|C#/F|Cm/G|D#/F|D#/G|D/F#|D7/C|Db/F|Dm/A|Dm/F|E/F#|E/G#|E7/D|Eb/F|Eb/G|Em/B|Em/G|Fm/C|G#/C|G7/F|Gm/D|A/B|A/E|C/D|C/E|C/G|D/A|D/E|E/B|F/A|F/C|F/G|G/A|G/B|G/D)|[A-G][b#]?%(%(7sus4|augM7|add2|add4|aug7|dim7|m7-5|sus4|7\+5|7-5|aug|dim|mM7|-5|M7|m6|m7|6|7|m))?)|3%(%(A#bm7/Ab|A#m7/Ab|A#m7/Eb|Abm7/Db|Abm7/Gb|Bbm7/Ab|Bbm7/Eb|C#m7/Cb|C#m7/Gb|D#m7/Ab|D#m7/Db|Dbm7/Cb|Dbm7/Gb|Ebm7/Ab|Ebm7/Db|F#m7/Cb|F#m7/Fb|G#m7/Db|G#m7/Gb|Gbm7/Cb|Gbm7/Fb|A#7/Ab|A#bm/F|A#m/Db|Ab7/Gb|Abm/Cb|Abm/Eb|Bb7/Ab|Bbm/Db|C#7/Cb|C#m/Ab|C#m/Fb|Cm7/Bb|D#7/Db|D#m/Bb|D#m/Gb|Db7/Cb|Dbm/Ab|Dbm/Fb|Eb7/Db|Ebm/Bb|Ebm/Gb|F#7/Fb|F#m/Db|Fm7/Bb|Fm7/Eb|G#7/Gb|G#m/Cb|G#m/Eb|Gb7/Fb|Gbm/Db|A#m/F|Ab/Bb|Ab/Eb|Am7/D|Am7/G|Bbm/F|Bm/F#|Bm7/A|Bm7/E|C#/Ab|C#/Eb|C7/Bb|Cm/Eb|Cm7/F|D#/Bb|Db/Ab|Db/Eb|Dm7/C|Dm7/G|Eb/Bb|Em7/A|Em7/D|F#/Ab|F#/Bb|F#/Db|F#m/A|F7/Eb|Fm/Ab|G#/Bb|G#/Eb|Gb/Ab|Gb/Bb|Gb/Db|Gbm/A|Gm/Bb|Gm7/C|Gm7/F|A#/C|A#/D|A#/F|A/C#|A7/G|Ab/C|Am/C|Am/E|B/C#|B/D#|B/F#|B7/A|Bb/C|Bb/D|Bb/F|Bm/D|C#/F|Cm/G|D#/F|D#/G|D/F#|D7/C|Db/F|Dm/A|Dm/F|E/F#|E/G#|E7/D|Eb/F|Eb/G|Em/B|Em/G|Fm/C|G#/C|G7/F|Gm/D|A/B|A/E|C/D|C/E|C/G|D/A|D/E|E/B|F/A|F/C|F/G|G/A|G/B|G/D)|[A-G][b#]?%(%(7sus4|augM7|add2|add4|aug7|dim7|m7-5|7\+5|7-5|mM7|M7|m6|m7|6|7))?))) +)@<=%([Vv])@!%(\=)@!%([^ ;/=]|/%(/)@!)+`
syn match scoretextRest `\%#=1\v%(%(^|;) *%(%(14|12|1|2|4|8|16|32|64)\.{0,2})%( +\))?%( +\][2-9])?%( +%(DL[1-4]?|S[0-8]?|\&%(0[1-9]|[1-9][0-9]|1[0-9][0-9]|200)))? +)@<=%([Xx])%([ ;=]|//|$)@=`
syn match scoretextError `\%#=1\v%(%(^|;) *%(%(14|12|1|2|4|8|16|32|64)\.{0,2})%( +\][2-9])? +%(DL[1-4]?|S[0-8]?|\&%(0[1-9]|[1-9][0-9]|1[0-9][0-9]|200)) +)@<=%([Xx])%([ ;=]|//|$)@=`
syn match scoretextError `\%#=1\v%(%(^|;) *%(%(14|12|1|2|4|8|16|32|64)\.{0,2})%( +\))?%( +\][2-9])?%( +%(DL[1-4]?|S[0-8]?|\&%(0[1-9]|[1-9][0-9]|1[0-9][0-9]|200)))? +[Xx]%( +%([^ ;/=]|/%(/)@!)+)* +)@<=%([^ ;/=]|/%(/)@!)+`
syn match scoretextChord `\%#=1\v%(%(^|;) *\=[dD]:%([^ ;/=]|/%(/)@!)*%( +%([^ ;/=]|/%(/)@!)+)* +)@<=%(%(%(%(A#bm7/Ab|A#m7/Ab|A#m7/Eb|Abm7/Db|Abm7/Gb|Bbm7/Ab|Bbm7/Eb|C#m7/Cb|C#m7/Gb|D#m7/Ab|D#m7/Db|Dbm7/Cb|Dbm7/Gb|Ebm7/Ab|Ebm7/Db|F#m7/Cb|F#m7/Fb|G#m7/Db|G#m7/Gb|Gbm7/Cb|Gbm7/Fb|A#7/Ab|A#bm/F|A#m/Db|Ab7/Gb|Abm/Cb|Abm/Eb|Bb7/Ab|Bbm/Db|C#7/Cb|C#m/Ab|C#m/Fb|Cm7/Bb|D#7/Db|D#m/Bb|D#m/Gb|Db7/Cb|Dbm/Ab|Dbm/Fb|Eb7/Db|Ebm/Bb|Ebm/Gb|F#7/Fb|F#m/Db|Fm7/Bb|Fm7/Eb|G#7/Gb|G#m/Cb|G#m/Eb|Gb7/Fb|Gbm/Db|A#m/F|Ab/Bb|Ab/Eb|Am7/D|Am7/G|Bbm/F|Bm/F#|Bm7/A|Bm7/E|C#/Ab|C#/Eb|C7/Bb|Cm/Eb|Cm7/F|D#/Bb|Db/Ab|Db/Eb|Dm7/C|Dm7/G|Eb/Bb|Em7/A|Em7/D|F#/Ab|F#/Bb|F#/Db|F#m/A|F7/Eb|Fm/Ab|G#/Bb|G#/Eb|Gb/Ab|Gb/Bb|Gb/Db|Gbm/A|Gm/Bb|Gm7/C|Gm7/F|A#/C|A#/D|A#/F|A/C#|A7/G|Ab/C|Am/C|Am/E|B/C#|B/D#|B/F#|B7/A|Bb/C|Bb/D|Bb/F|Bm/D|C#/F|Cm/G|D#/F|D#/G|D/F#|D7/C|Db/F|Dm/A|Dm/F|E/F#|E/G#|E7/D|Eb/F|Eb/G|Em/B|Em/G|Fm/C|G#/C|G7/F|Gm/D|A/B|A/E|C/D|C/E|C/G|D/A|D/E|E/B|F/A|F/C|F/G|G/A|G/B|G/D))|[A-G][b#]?%(%(7sus4|augM7|-9\+5|7\+11|7\+13|add2|add4|add9|aug7|aug9|dim7|m7-5|sus4|7\+5|7\+9|7-5|7-9|9-5|aug|dim|m11|m13|m69|mM7|-5|-9|11|13|69|M7|M9|m6|m7|m9|6|7|9|m))?|[12]%(%(A#bm7/Ab|A#m7/Ab|A#m7/Eb|Abm7/Db|Abm7/Gb|Bbm7/Ab|Bbm7/Eb|C#m7/Cb|C#m7/Gb|D#m7/Ab|D#m7/Db|Dbm7/Cb|Dbm7/Gb|Ebm7/Ab|Ebm7/Db|F#m7/Cb|F#m7/Fb|G#m7/Db|G#m7/Gb|Gbm7/Cb|Gbm7/Fb|A#7/Ab|A#bm/F|A#m/Db|Ab7/Gb|Abm/Cb|Abm/Eb|Bb7/Ab|Bbm/Db|C#7/Cb|C#m/Ab|C#m/Fb|Cm7/Bb|D#7/Db|D#m/Bb|D#m/Gb|Db7/Cb|Dbm/Ab|Dbm/Fb|Eb7/Db|Ebm/Bb|Ebm/Gb|F#7/Fb|F#m/Db|Fm7/Bb|Fm7/Eb|G#7/Gb|G#m/Cb|G#m/Eb|Gb7/Fb|Gbm/Db|A#m/F|Ab/Bb|Ab/Eb|Am7/D|Am7/G|Bbm/F|Bm/F#|Bm7/A|Bm7/E|C#/Ab|C#/Eb|C7/Bb|Cm/Eb|Cm7/F|D#/Bb|Db/Ab|Db/Eb|Dm7/C|Dm7/G|Eb/Bb|Em7/A|Em7/D|F#/Ab|F#/Bb|F#/Db|F#m/A|F7/Eb|Fm/Ab|G#/Bb|G#/Eb|Gb/Ab|Gb/Bb|Gb/Db|Gbm/A|Gm/Bb|Gm7/C|Gm7/F|A#/C|A#/D|A#/F|A/C#|A7/G|Ab/C|Am/C|Am/E|B/C#|B/D#|B/F#|B7/A|Bb/C|Bb/D|Bb/F|Bm/D|C#/F|Cm/G|D#/F|D#/G|D/F#|D7/C|Db/F|Dm/A|Dm/F|E/F#|E/G#|E7/D|Eb/F|Eb/G|Em/B|Em/G|Fm/C|G#/C|G7/F|Gm/D|A/B|A/E|C/D|C/E|C/G|D/A|D/E|E/B|F/A|F/C|F/G|G/A|G/B|G/D)|[A-G][b#]?%(%(7sus4|augM7|add2|add4|aug7|dim7|m7-5|sus4|7\+5|7-5|aug|dim|mM7|-5|M7|m6|m7|6|7|m))?)|3%(%(A#bm7/Ab|A#m7/Ab|A#m7/Eb|Abm7/Db|Abm7/Gb|Bbm7/Ab|Bbm7/Eb|C#m7/Cb|C#m7/Gb|D#m7/Ab|D#m7/Db|Dbm7/Cb|Dbm7/Gb|Ebm7/Ab|Ebm7/Db|F#m7/Cb|F#m7/Fb|G#m7/Db|G#m7/Gb|Gbm7/Cb|Gbm7/Fb|A#7/Ab|A#bm/F|A#m/Db|Ab7/Gb|Abm/Cb|Abm/Eb|Bb7/Ab|Bbm/Db|C#7/Cb|C#m/Ab|C#m/Fb|Cm7/Bb|D#7/Db|D#m/Bb|D#m/Gb|Db7/Cb|Dbm/Ab|Dbm/Fb|Eb7/Db|Ebm/Bb|Ebm/Gb|F#7/Fb|F#m/Db|Fm7/Bb|Fm7/Eb|G#7/Gb|G#m/Cb|G#m/Eb|Gb7/Fb|Gbm/Db|A#m/F|Ab/Bb|Ab/Eb|Am7/D|Am7/G|Bbm/F|Bm/F#|Bm7/A|Bm7/E|C#/Ab|C#/Eb|C7/Bb|Cm/Eb|Cm7/F|D#/Bb|Db/Ab|Db/Eb|Dm7/C|Dm7/G|Eb/Bb|Em7/A|Em7/D|F#/Ab|F#/Bb|F#/Db|F#m/A|F7/Eb|Fm/Ab|G#/Bb|G#/Eb|Gb/Ab|Gb/Bb|Gb/Db|Gbm/A|Gm/Bb|Gm7/C|Gm7/F|A#/C|A#/D|A#/F|A/C#|A7/G|Ab/C|Am/C|Am/E|B/C#|B/D#|B/F#|B7/A|Bb/C|Bb/D|Bb/F|Bm/D|C#/F|Cm/G|D#/F|D#/G|D/F#|D7/C|Db/F|Dm/A|Dm/F|E/F#|E/G#|E7/D|Eb/F|Eb/G|Em/B|Em/G|Fm/C|G#/C|G7/F|Gm/D|A/B|A/E|C/D|C/E|C/G|D/A|D/E|E/B|F/A|F/C|F/G|G/A|G/B|G/D)|[A-G][b#]?%(%(7sus4|augM7|add2|add4|aug7|dim7|m7-5|7\+5|7-5|mM7|M7|m6|m7|6|7))?)))%([ ;=]|//|$)@=`
syn match scoretextTie `\%#=1\v%(%(^|;) *%(%(14|12|1|2|4|8|16|32|64)\.{0,2}) +)@<=%(\))%([ ;=]|//|$)@=`
syn match scoretextTuplet `\%#=1\v%(%(^|;) *%(%(14|12|1|2|4|8|16|32|64)\.{0,2})%( +\))? +)@<=%(\][2-9])%([ ;=]|//|$)@=`
syn match scoretextArtic `\%#=1\v\c%(%(^|;) *%(%(14|12|1|2|4|8|16|32|64)\.{0,2})%( +\))?%( +\][2-9])? +)@<=%(%(DL[1-4]?|S[0-8]?|\&%(0[1-9]|[1-9][0-9]|1[0-9][0-9]|200)))%([ ;=]|//|$)@=`
syn match scoretextError `\%#=1\v\c%(%(^|;) *%(%(14|12|1|2|4|8|16|32|64)\.{0,2}) +\)%( +\][2-9])? +)@<=%(%(DL[1-4]?|S[0-8]?|\&%(0[1-9]|[1-9][0-9]|1[0-9][0-9]|200)))%([ ;=]|//|$)@=`
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
syn match scoretextMidi `\%#=1\v\c%(%(^|;) *)@<=%(!%(PB))%([ ;=]|//|$)@=`
syn match scoretextError `\%#=1\v\c%(%(^|;) *)@<=%(!%(PB))%( +%([^ ;/=]|/%(/)@!)+){0,0} *%(;|//|$)@=`
syn match scoretextError `\%#=1\v\c%(%(^|;) *%(!%(PB))%([ ;=]|//|$)@= +)@<=%(\=)@!%([^ ;/=]|/%(/)@!)+`
syn match scoretextNumber `\%#=1\v\c%(%(^|;) *%(!%(PB))%([ ;=]|//|$)@= +)@<=%(%(\+?%(0*%([0-9]|[1-9][0-9]|[1-9][0-9]{2}|[1-7][0-9]{3}|8%(0[0-9]{2}|1%([0-8][0-9]|9%([0-1])))))|-%(0*%([0-9]|[1-9][0-9]|[1-9][0-9]{2}|[1-7][0-9]{3}|8%(0[0-9]{2}|1%([0-8][0-9]|9%([0-2])))))|[+-]))%([ ;=]|//|$)@=`
syn match scoretextError `\%#=1\v\c%(%(^|;) *%(!%(PB))%([ ;=]|//|$)@= +%([^ ;/=]|/%(/)@!)+%( +%([^ ;/=]|/%(/)@!)+)* +)@<=%(\=)@!%([^ ;/=]|/%(/)@!)+`
syn match scoretextMidi `\%#=1\v\c%(%(^|;) *)@<=%(!%(PCH))%([ ;=]|//|$)@=`
syn match scoretextError `\%#=1\v\c%(%(^|;) *)@<=%(!%(PCH))%( +%([^ ;/=]|/%(/)@!)+){0,0} *%(;|//|$)@=`
syn match scoretextError `\%#=1\v\c%(%(^|;) *%(!%(PCH))%([ ;=]|//|$)@= +)@<=%(\=)@!%([^ ;/=]|/%(/)@!)+`
syn match scoretextNumber `\%#=1\v\c%(%(^|;) *%(!%(PCH))%([ ;=]|//|$)@= +)@<=%(%(\+?%(0*%([0-9]|[1-9][0-9]|1%([0-1][0-9]|2%([0-7]))))|-%(0*%(0))|[+-]))%([ ;=]|//|$)@=`
syn match scoretextError `\%#=1\v\c%(%(^|;) *%(!%(PCH))%([ ;=]|//|$)@= +%([^ ;/=]|/%(/)@!)+%( +%([^ ;/=]|/%(/)@!)+)* +)@<=%(\=)@!%([^ ;/=]|/%(/)@!)+`
syn match scoretextMidi `\%#=1\v\c%(%(^|;) *)@<=%(!%(CP))%([ ;=]|//|$)@=`
syn match scoretextError `\%#=1\v\c%(%(^|;) *)@<=%(!%(CP))%( +%([^ ;/=]|/%(/)@!)+){0,0} *%(;|//|$)@=`
syn match scoretextError `\%#=1\v\c%(%(^|;) *%(!%(CP))%([ ;=]|//|$)@= +)@<=%(\=)@!%([^ ;/=]|/%(/)@!)+`
syn match scoretextNumber `\%#=1\v\c%(%(^|;) *%(!%(CP))%([ ;=]|//|$)@= +)@<=%(%(\+?%(0*%([0-9]|[1-9][0-9]|1%([0-1][0-9]|2%([0-7]))))|-%(0*%(0))|[+-]))%([ ;=]|//|$)@=`
syn match scoretextError `\%#=1\v\c%(%(^|;) *%(!%(CP))%([ ;=]|//|$)@= +%([^ ;/=]|/%(/)@!)+%( +%([^ ;/=]|/%(/)@!)+)* +)@<=%(\=)@!%([^ ;/=]|/%(/)@!)+`
syn match scoretextMidi `\%#=1\v\c%(%(^|;) *)@<=%(!%(RPN1))%([ ;=]|//|$)@=`
syn match scoretextError `\%#=1\v\c%(%(^|;) *)@<=%(!%(RPN1))%( +%([^ ;/=]|/%(/)@!)+){0,1} *%(;|//|$)@=`
syn match scoretextError `\%#=1\v\c%(%(^|;) *%(!%(RPN1))%([ ;=]|//|$)@= +)@<=%(\=)@!%([^ ;/=]|/%(/)@!)+`
syn match scoretextNumber `\%#=1\v\c%(%(^|;) *%(!%(RPN1))%([ ;=]|//|$)@= +)@<=%(%(\+?%(0*%([0-9]|[1-9][0-9]|1%([0-1][0-9]|2%([0-7]))))|-%(0*%(0))|[+-]))%([ ;=]|//|$)@=`
syn match scoretextError `\%#=1\v\c%(%(^|;) *%(!%(RPN1))%([ ;=]|//|$)@= +%([^ ;/=]|/%(/)@!)+ +)@<=%(\=)@!%([^ ;/=]|/%(/)@!)+`
syn match scoretextNumber `\%#=1\v\c%(%(^|;) *%(!%(RPN1))%([ ;=]|//|$)@= +%([^ ;/=]|/%(/)@!)+ +)@<=%(%(\+?%(0*%([0-9]|[1-9][0-9]|1%([0-1][0-9]|2%([0-7]))))|-%(0*%(0))|[+-]))%([ ;=]|//|$)@=`
syn match scoretextError `\%#=1\v\c%(%(^|;) *%(!%(RPN1))%([ ;=]|//|$)@= +%([^ ;/=]|/%(/)@!)+ +%([^ ;/=]|/%(/)@!)+%( +%([^ ;/=]|/%(/)@!)+)* +)@<=%(\=)@!%([^ ;/=]|/%(/)@!)+`
syn match scoretextMidi `\%#=1\v\c%(%(^|;) *)@<=%(!%(RPN2))%([ ;=]|//|$)@=`
syn match scoretextError `\%#=1\v\c%(%(^|;) *)@<=%(!%(RPN2))%( +%([^ ;/=]|/%(/)@!)+){0,0} *%(;|//|$)@=`
syn match scoretextError `\%#=1\v\c%(%(^|;) *%(!%(RPN2))%([ ;=]|//|$)@= +)@<=%(\=)@!%([^ ;/=]|/%(/)@!)+`
syn match scoretextNumber `\%#=1\v\c%(%(^|;) *%(!%(RPN2))%([ ;=]|//|$)@= +)@<=%(%(\+?%(0*%([0-9]|[1-9][0-9]|[1-9][0-9]{2}|[1-9][0-9]{3}|1%([0-5][0-9]{3}|6%([0-2][0-9]{2}|3%([0-7][0-9]|8%([0-3]))))))|-%(0*%(0))|[+-]))%([ ;=]|//|$)@=`
syn match scoretextError `\%#=1\v\c%(%(^|;) *%(!%(RPN2))%([ ;=]|//|$)@= +%([^ ;/=]|/%(/)@!)+%( +%([^ ;/=]|/%(/)@!)+)* +)@<=%(\=)@!%([^ ;/=]|/%(/)@!)+`
syn match scoretextMidi `\%#=1\v\c%(%(^|;) *)@<=%(!%(NRPN1))%([ ;=]|//|$)@=`
syn match scoretextError `\%#=1\v\c%(%(^|;) *)@<=%(!%(NRPN1))%( +%([^ ;/=]|/%(/)@!)+){0,1} *%(;|//|$)@=`
syn match scoretextError `\%#=1\v\c%(%(^|;) *%(!%(NRPN1))%([ ;=]|//|$)@= +)@<=%(\=)@!%([^ ;/=]|/%(/)@!)+`
syn match scoretextNumber `\%#=1\v\c%(%(^|;) *%(!%(NRPN1))%([ ;=]|//|$)@= +)@<=%(%(\+?%(0*%([0-9]|[1-9][0-9]|1%([0-1][0-9]|2%([0-7]))))|-%(0*%(0))|[+-]))%([ ;=]|//|$)@=`
syn match scoretextError `\%#=1\v\c%(%(^|;) *%(!%(NRPN1))%([ ;=]|//|$)@= +%([^ ;/=]|/%(/)@!)+ +)@<=%(\=)@!%([^ ;/=]|/%(/)@!)+`
syn match scoretextNumber `\%#=1\v\c%(%(^|;) *%(!%(NRPN1))%([ ;=]|//|$)@= +%([^ ;/=]|/%(/)@!)+ +)@<=%(%(\+?%(0*%([0-9]|[1-9][0-9]|1%([0-1][0-9]|2%([0-7]))))|-%(0*%(0))|[+-]))%([ ;=]|//|$)@=`
syn match scoretextError `\%#=1\v\c%(%(^|;) *%(!%(NRPN1))%([ ;=]|//|$)@= +%([^ ;/=]|/%(/)@!)+ +%([^ ;/=]|/%(/)@!)+%( +%([^ ;/=]|/%(/)@!)+)* +)@<=%(\=)@!%([^ ;/=]|/%(/)@!)+`
syn match scoretextMidi `\%#=1\v\c%(%(^|;) *)@<=%(!%(NRPN2))%([ ;=]|//|$)@=`
syn match scoretextError `\%#=1\v\c%(%(^|;) *)@<=%(!%(NRPN2))%( +%([^ ;/=]|/%(/)@!)+){0,0} *%(;|//|$)@=`
syn match scoretextError `\%#=1\v\c%(%(^|;) *%(!%(NRPN2))%([ ;=]|//|$)@= +)@<=%(\=)@!%([^ ;/=]|/%(/)@!)+`
syn match scoretextNumber `\%#=1\v\c%(%(^|;) *%(!%(NRPN2))%([ ;=]|//|$)@= +)@<=%(%(\+?%(0*%([0-9]|[1-9][0-9]|[1-9][0-9]{2}|[1-9][0-9]{3}|1%([0-5][0-9]{3}|6%([0-2][0-9]{2}|3%([0-7][0-9]|8%([0-3]))))))|-%(0*%(0))|[+-]))%([ ;=]|//|$)@=`
syn match scoretextError `\%#=1\v\c%(%(^|;) *%(!%(NRPN2))%([ ;=]|//|$)@= +%([^ ;/=]|/%(/)@!)+%( +%([^ ;/=]|/%(/)@!)+)* +)@<=%(\=)@!%([^ ;/=]|/%(/)@!)+`
syn match scoretextMidi `\%#=1\v\c%(%(^|;) *)@<=%(!%(NOFF))%([ ;=]|//|$)@=`
syn match scoretextError `\%#=1\v\c%(%(^|;) *)@<=%(!%(NOFF))%( +%([^ ;/=]|/%(/)@!)+){0,0} *%(;|//|$)@=`
syn match scoretextError `\%#=1\v\c%(%(^|;) *%(!%(NOFF))%([ ;=]|//|$)@= +)@<=%(\=)@!%([^ ;/=]|/%(/)@!)+`
syn match scoretextNumber `\%#=1\v\c%(%(^|;) *%(!%(NOFF))%([ ;=]|//|$)@= +)@<=%([A-Ga-g](-1|[0-7])(##?|[Bb][Bb]?|[Nn])?)%([ ;=]|//|$)@=`
syn match scoretextError `\%#=1\v\c%(%(^|;) *%(!%(NOFF))%([ ;=]|//|$)@= +%([^ ;/=]|/%(/)@!)+%( +%([^ ;/=]|/%(/)@!)+)* +)@<=%(\=)@!%([^ ;/=]|/%(/)@!)+`
syn match scoretextMidi `\%#=1\v\c%(%(^|;) *)@<=%(!%(PP))%([ ;=]|//|$)@=`
syn match scoretextError `\%#=1\v\c%(%(^|;) *)@<=%(!%(PP))%( +%([^ ;/=]|/%(/)@!)+){0,1} *%(;|//|$)@=`
syn match scoretextError `\%#=1\v\c%(%(^|;) *%(!%(PP))%([ ;=]|//|$)@= +)@<=%(\=)@!%([^ ;/=]|/%(/)@!)+`
syn match scoretextNumber `\%#=1\v\c%(%(^|;) *%(!%(PP))%([ ;=]|//|$)@= +)@<=%([A-Ga-g](-1|[0-7])(##?|[Bb][Bb]?|[Nn])?)%([ ;=]|//|$)@=`
syn match scoretextError `\%#=1\v\c%(%(^|;) *%(!%(PP))%([ ;=]|//|$)@= +%([^ ;/=]|/%(/)@!)+ +)@<=%(\=)@!%([^ ;/=]|/%(/)@!)+`
syn match scoretextNumber `\%#=1\v\c%(%(^|;) *%(!%(PP))%([ ;=]|//|$)@= +%([^ ;/=]|/%(/)@!)+ +)@<=%(%(\+?%(0*%([0-9]|[1-9][0-9]|1%([0-1][0-9]|2%([0-7]))))|-%(0*%(0))|[+-]))%([ ;=]|//|$)@=`
syn match scoretextError `\%#=1\v\c%(%(^|;) *%(!%(PP))%([ ;=]|//|$)@= +%([^ ;/=]|/%(/)@!)+ +%([^ ;/=]|/%(/)@!)+%( +%([^ ;/=]|/%(/)@!)+)* +)@<=%(\=)@!%([^ ;/=]|/%(/)@!)+`
syn match scoretextMidi `\%#=1\v\c%(%(^|;) *)@<=%(!%(DE1))%([ ;=]|//|$)@=`
syn match scoretextError `\%#=1\v\c%(%(^|;) *)@<=%(!%(DE1))%( +%([^ ;/=]|/%(/)@!)+){0,1} *%(;|//|$)@=`
syn match scoretextError `\%#=1\v\c%(%(^|;) *%(!%(DE1))%([ ;=]|//|$)@= +)@<=%(\=)@!%([^ ;/=]|/%(/)@!)+`
syn match scoretextNumber `\%#=1\v\c%(%(^|;) *%(!%(DE1))%([ ;=]|//|$)@= +)@<=%(%(\+?%(0*%([0-9]|[1-9][0-9]|1%([0-1][0-9]|2%([0-7]))))|-%(0*%(0))|[+-]))%([ ;=]|//|$)@=`
syn match scoretextError `\%#=1\v\c%(%(^|;) *%(!%(DE1))%([ ;=]|//|$)@= +%([^ ;/=]|/%(/)@!)+ +)@<=%(\=)@!%([^ ;/=]|/%(/)@!)+`
syn match scoretextNumber `\%#=1\v\c%(%(^|;) *%(!%(DE1))%([ ;=]|//|$)@= +%([^ ;/=]|/%(/)@!)+ +)@<=%(%(\+?%(0*%([0-9]|[1-9][0-9]|1%([0-1][0-9]|2%([0-7]))))|-%(0*%(0))|[+-]))%([ ;=]|//|$)@=`
syn match scoretextError `\%#=1\v\c%(%(^|;) *%(!%(DE1))%([ ;=]|//|$)@= +%([^ ;/=]|/%(/)@!)+ +%([^ ;/=]|/%(/)@!)+%( +%([^ ;/=]|/%(/)@!)+)* +)@<=%(\=)@!%([^ ;/=]|/%(/)@!)+`
syn match scoretextMidi `\%#=1\v\c%(%(^|;) *)@<=%(!%(DE2))%([ ;=]|//|$)@=`
syn match scoretextError `\%#=1\v\c%(%(^|;) *)@<=%(!%(DE2))%( +%([^ ;/=]|/%(/)@!)+){0,0} *%(;|//|$)@=`
syn match scoretextError `\%#=1\v\c%(%(^|;) *%(!%(DE2))%([ ;=]|//|$)@= +)@<=%(\=)@!%([^ ;/=]|/%(/)@!)+`
syn match scoretextNumber `\%#=1\v\c%(%(^|;) *%(!%(DE2))%([ ;=]|//|$)@= +)@<=%(%(\+?%(0*%([0-9]|[1-9][0-9]|[1-9][0-9]{2}|[1-9][0-9]{3}|1%([0-5][0-9]{3}|6%([0-2][0-9]{2}|3%([0-7][0-9]|8%([0-3]))))))|-%(0*%(0))|[+-]))%([ ;=]|//|$)@=`
syn match scoretextError `\%#=1\v\c%(%(^|;) *%(!%(DE2))%([ ;=]|//|$)@= +%([^ ;/=]|/%(/)@!)+%( +%([^ ;/=]|/%(/)@!)+)* +)@<=%(\=)@!%([^ ;/=]|/%(/)@!)+`
syn match scoretextMidi `\%#=1\v\c%(%(^|;) *)@<=%(!%(NON))%([ ;=]|//|$)@=`
syn match scoretextError `\%#=1\v\c%(%(^|;) *)@<=%(!%(NON))%( +%([^ ;/=]|/%(/)@!)+){0,1} *%(;|//|$)@=`
syn match scoretextError `\%#=1\v\c%(%(^|;) *%(!%(NON))%([ ;=]|//|$)@= +)@<=%(\=)@!%([^ ;/=]|/%(/)@!)+`
syn match scoretextNumber `\%#=1\v\c%(%(^|;) *%(!%(NON))%([ ;=]|//|$)@= +)@<=%([A-Ga-g](-1|[0-7])(##?|[Bb][Bb]?|[Nn])?)%([ ;=]|//|$)@=`
syn match scoretextError `\%#=1\v\c%(%(^|;) *%(!%(NON))%([ ;=]|//|$)@= +%([^ ;/=]|/%(/)@!)+ +)@<=%(\=)@!%([^ ;/=]|/%(/)@!)+`
syn match scoretextNumber `\%#=1\v\c%(%(^|;) *%(!%(NON))%([ ;=]|//|$)@= +%([^ ;/=]|/%(/)@!)+ +)@<=%([Vv]%(\+?%(0*%([0-9]|[1-9][0-9]|1%([0-1][0-9]|2%([0-7]))))|-%(0*%(0))|[+-]))%([ ;=]|//|$)@=`
syn match scoretextError `\%#=1\v\c%(%(^|;) *%(!%(NON))%([ ;=]|//|$)@= +%([^ ;/=]|/%(/)@!)+ +%([^ ;/=]|/%(/)@!)+%( +%([^ ;/=]|/%(/)@!)+)* +)@<=%(\=)@!%([^ ;/=]|/%(/)@!)+`
syn match scoretextMidi `\%#=1\v\c%(%(^|;) *)@<=%(!%(%(EF12|EF22|GC12|GC22|GC32|GC42|BC2|BL2|BS2|EX2|FC2|MD2|PN2|PT2|VO2)))%([ ;=]|//|$)@=`
syn match scoretextError `\%#=1\v\c%(%(^|;) *)@<=%(!%(%(EF12|EF22|GC12|GC22|GC32|GC42|BC2|BL2|BS2|EX2|FC2|MD2|PN2|PT2|VO2)))%( +%([^ ;/=]|/%(/)@!)+){0,0} *%(;|//|$)@=`
syn match scoretextError `\%#=1\v\c%(%(^|;) *%(!%(%(EF12|EF22|GC12|GC22|GC32|GC42|BC2|BL2|BS2|EX2|FC2|MD2|PN2|PT2|VO2)))%([ ;=]|//|$)@= +)@<=%(\=)@!%([^ ;/=]|/%(/)@!)+`
syn match scoretextNumber `\%#=1\v\c%(%(^|;) *%(!%(%(EF12|EF22|GC12|GC22|GC32|GC42|BC2|BL2|BS2|EX2|FC2|MD2|PN2|PT2|VO2)))%([ ;=]|//|$)@= +)@<=%(%(\+?%(0*%([0-9]|[1-9][0-9]|[1-9][0-9]{2}|[1-9][0-9]{3}|1%([0-5][0-9]{3}|6%([0-2][0-9]{2}|3%([0-7][0-9]|8%([0-3]))))))|-%(0*%(0))|[+-]))%([ ;=]|//|$)@=`
syn match scoretextError `\%#=1\v\c%(%(^|;) *%(!%(%(EF12|EF22|GC12|GC22|GC32|GC42|BC2|BL2|BS2|EX2|FC2|MD2|PN2|PT2|VO2)))%([ ;=]|//|$)@= +%([^ ;/=]|/%(/)@!)+%( +%([^ ;/=]|/%(/)@!)+)* +)@<=%(\=)@!%([^ ;/=]|/%(/)@!)+`
syn match scoretextMidi `\%#=1\v\c%(%(^|;) *)@<=%(!%(%(CS10|EF1|EF2|GC1|GC2|GC3|GC4|GC5|GC6|GC7|GC8|HLD|AT|BC|BL|BR|BS|CD|DE|DT|ED|EX|FC|FD|MD|PC|PN|PT|RE|SD|TD|TI|VD|VL|VO|VR|VS)))%([ ;=]|//|$)@=`
syn match scoretextError `\%#=1\v\c%(%(^|;) *)@<=%(!%(%(CS10|EF1|EF2|GC1|GC2|GC3|GC4|GC5|GC6|GC7|GC8|HLD|AT|BC|BL|BR|BS|CD|DE|DT|ED|EX|FC|FD|MD|PC|PN|PT|RE|SD|TD|TI|VD|VL|VO|VR|VS)))%( +%([^ ;/=]|/%(/)@!)+){0,0} *%(;|//|$)@=`
syn match scoretextError `\%#=1\v\c%(%(^|;) *%(!%(%(CS10|EF1|EF2|GC1|GC2|GC3|GC4|GC5|GC6|GC7|GC8|HLD|AT|BC|BL|BR|BS|CD|DE|DT|ED|EX|FC|FD|MD|PC|PN|PT|RE|SD|TD|TI|VD|VL|VO|VR|VS)))%([ ;=]|//|$)@= +)@<=%(\=)@!%([^ ;/=]|/%(/)@!)+`
syn match scoretextNumber `\%#=1\v\c%(%(^|;) *%(!%(%(CS10|EF1|EF2|GC1|GC2|GC3|GC4|GC5|GC6|GC7|GC8|HLD|AT|BC|BL|BR|BS|CD|DE|DT|ED|EX|FC|FD|MD|PC|PN|PT|RE|SD|TD|TI|VD|VL|VO|VR|VS)))%([ ;=]|//|$)@= +)@<=%(%(\+?%(0*%([0-9]|[1-9][0-9]|1%([0-1][0-9]|2%([0-7]))))|-%(0*%(0))|[+-]))%([ ;=]|//|$)@=`
syn match scoretextError `\%#=1\v\c%(%(^|;) *%(!%(%(CS10|EF1|EF2|GC1|GC2|GC3|GC4|GC5|GC6|GC7|GC8|HLD|AT|BC|BL|BR|BS|CD|DE|DT|ED|EX|FC|FD|MD|PC|PN|PT|RE|SD|TD|TI|VD|VL|VO|VR|VS)))%([ ;=]|//|$)@= +%([^ ;/=]|/%(/)@!)+%( +%([^ ;/=]|/%(/)@!)+)* +)@<=%(\=)@!%([^ ;/=]|/%(/)@!)+`
syn match scoretextMidi `\%#=1\v\c%(%(^|;) *)@<=%(!%(%(HO1|HO2|LF|PR|SF|SS)))%([ ;=]|//|$)@=`
syn match scoretextError `\%#=1\v\c%(%(^|;) *)@<=%(!%(%(HO1|HO2|LF|PR|SF|SS)))%( +%([^ ;/=]|/%(/)@!)+){0,0} *%(;|//|$)@=`
syn match scoretextError `\%#=1\v\c%(%(^|;) *%(!%(%(HO1|HO2|LF|PR|SF|SS)))%([ ;=]|//|$)@= +)@<=%(\=)@!%([^ ;/=]|/%(/)@!)+`
syn match scoretextNumber `\%#=1\v\c%(%(^|;) *%(!%(%(HO1|HO2|LF|PR|SF|SS)))%([ ;=]|//|$)@= +)@<=%(ON|OFF)%([ ;=]|//|$)@=`
syn match scoretextError `\%#=1\v\c%(%(^|;) *%(!%(%(HO1|HO2|LF|PR|SF|SS)))%([ ;=]|//|$)@= +%([^ ;/=]|/%(/)@!)+%( +%([^ ;/=]|/%(/)@!)+)* +)@<=%(\=)@!%([^ ;/=]|/%(/)@!)+`
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
let b:current_syntax = "scoretext_chords_old"
