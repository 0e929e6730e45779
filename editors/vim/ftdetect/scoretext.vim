" File types of the score-text notations; see editors/README.md for the names.
au BufNewFile,BufRead *.scoretext,*.melody setfiletype scoretext
au BufNewFile,BufRead *.chords         setfiletype scoretext_chords
au BufNewFile,BufRead *.chords_old     setfiletype scoretext_chords_old
au BufNewFile,BufRead *.guitar         setfiletype scoretext_guitar
au BufNewFile,BufRead *.drums          setfiletype scoretext_drums
au BufNewFile,BufRead *.beat           setfiletype scoretext_beat
au BufNewFile,BufRead *.vocal          setfiletype scoretext_vocal
au BufNewFile,BufRead *.lyrics         setfiletype scoretext_lyrics
" The drum tools' definition file; set, not setf, since *.txt is text.
au BufNewFile,BufRead drumdef.txt      set filetype=scoretext_drumdef
