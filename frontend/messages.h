// Every message the suite writes, in one table.  The texts are kept in UTF-8
// here; their CP932 bytes, the ones written, are made when the suite is
// built (or, without a converter there, when they are written).  Each entry
// is a name and its text side by side, so a message without a text cannot be
// built.
#pragma once

#include <string>
#include <string_view>

namespace scoretext {

#define SCORETEXT_MESSAGES(X) \
  /* General statement checks */ \
  X(Malformed, "指定の誤り") \
  X(Extra, "余分な指定") \
  X(TiePending, "タイの指定") \
  X(RangeExceeded, "設定範囲を超えました") \
  X(RangeOutside, "設定範囲外です") \
  X(NeedPE, "PEがありません") \
  X(LineTooLong, "行の長さの制限を超えました") \
  X(TokenTooLong, "字句の長さの制限を超えました") \
  X(TooManyTokens, "行数の制限を超えました") \
  X(BadQuote, "”記号が不適切") \
  /* Macros */ \
  X(MacroTableFull, "＝テーブルが制限を超えた") \
  X(MacroMalformed, "＝指定の誤り") \
  X(MacroNoBody, "＝定義の誤り") \
  X(MacroBadName, "＝定義名の誤り") \
  X(MacroDuplicate, "＝定義名の２重使用") \
  X(OutOfMemory, "malloc") \
  /* Any other failure the program did not foresee, reported unplaced with */ \
  /* its own text as the detail: "ERROR:内部エラー <what>" */ \
  X(InternalError, "内部エラー") \
  /* Notes and lengths */ \
  X(BadNote, "音の指定の誤り") \
  X(BadLength, "音の長さ指定の誤り") \
  X(NoNotes, "音指定の誤り") \
  X(RestArticulation, "スタッカート／＆") \
  X(VelocityRange, "ベロシティが範囲を超えた") \
  X(TooManyNotes, "音の数が制限を超えた") \
  /* Patterns */ \
  X(InsidePattern, "PS指定内") \
  X(NoPS, "PSがありません") \
  X(PatternRange, "PS定義番号が範囲を超えました") \
  X(PatternTwice, "PS定義番号の二重設定") \
  /* Settings */ \
  X(Twice, "２重指定") \
  X(SsnMissing, "SSN未指定") \
  X(SsAccidentalMissing, "SS#/SSB未指定") \
  /* MIDI statements */ \
  X(PitchBendRange, "ピッチベンドの範囲を超えました") \
  X(ProgramChangeRange, "プログラム・チェンジの範囲を超えました") \
  X(PressureRange, "プレッシャー値の範囲を超えました") \
  X(Rpn1Range, "RPN1の範囲を超えました") \
  X(Rpn1Param, "RPN1 パラメータエラー") \
  X(Rpn2Range, "RPN2の範囲を超えました") \
  X(Nrpn1Range, "NRPN1の範囲を超えました") \
  X(Nrpn1Param, "NRPN1 パラメータエラー") \
  X(Nrpn2Range, "NRPN2の範囲を超えました") \
  X(NoteOnVelocityRange, "ベロシティの範囲を超えました") \
  X(De1Range, "DE1の範囲を超えました") \
  X(De1Param, "DE1 パラメータエラー") \
  X(De2Range, "DE2の範囲を超えました") \
  X(ControllerRange, "指定範囲を超えました") \
  /* Also VocalNoteToken's text: the same words, another check */ \
  X(SwitchValue, "指定誤り") \
  /* Chords */ \
  X(OnChord, "onコードの誤り") \
  X(SlashChord, "分数コードの誤り") \
  X(ChordName, "コードネームの誤り") \
  /* Tablature */ \
  X(BadTab, "TABの指定の誤り") \
  /* Drums */ \
  X(DrumNoteName, "ノート名") \
  X(DrumNoteTwice, "ノート名重複") \
  X(DrumNameMissing, "楽器名") \
  X(DrumNameTooLong, "楽器名の長さの制限を超えました") \
  X(DrumNameUnfit, "不適切な楽器名") \
  X(DrumNameTwice, "楽器名重複") \
  X(DrumTableFull, "楽器設定数の制限を超えました") \
  X(DrumUnknown, "楽器指定の誤り") \
  /* Also ArticulationCode's text: an '&' quendro refuses after its notes */ \
  X(DrumAmpersand, "＆指定") \
  X(DrumTooMany, "楽器数が制限を超えた") \
  /* SMF utilities (written on standard output, line end included) */ \
  X(SmfHeader, "ヘッダ　エラー\n") \
  X(SmfNotFormat1, "フォーマット1ではありません\n") \
  X(SmfTrackHeader, "トラックヘッダエラー\n") \
  X(SmfUnsupported, "対応できないコードがありました\n") \
  X(SmfEventOverrun, "error\n") \
  X(SmfTrackCount, "トラック数　%d\n") \
  X(SmfBadTrack, "trk 指定エラー\n") \
  X(SmfTooLarge, "ファイルが大きすぎます\n") \
  X(SmfTooManyTracks, "トラック数が制限を超えました\n") \
  X(SmfDivisionDiffers, "分解能が違います\n") \
  /* Files and command lines (line end included, written as they stand) */ \
  X(OpenError, "%s open error\n") \
  X(WriteError, "%s write error\n") \
  X(Usage, "%s") \
  /* Drum SMF (vastrel) */ \
  X(SbSetting, "SB設定エラー") \
  X(StSetting, "ST設定エラー") \
  X(VelocityWrong, "ベロシティが正しくない") \
  X(TooManyEvents, "ノート数が制限を超えた") \
  X(OutputOverflow, "出力ファイルオーバーフロー") \
  /* Lyric file and lyric merge (nolwen) */ \
  /* Also UnusableCharacter's text: nolwen's lyric alphabet, not sirenta's */ \
  X(LyricBadCharacter, "使用できない文字") \
  X(LyricNotSyllable, "使用できない文字です") \
  X(LyricTwoBrackets, "［が２つあります") \
  X(LyricNoClosingBracket, "］がありません") \
  X(LyricTooMany, "歌詞の数の制限を超えました") \
  X(LyricTooLong, "歌詞の長さの制限を超えました") \
  /* Vocal part (sirenta) */ \
  /* LyricBadCharacter's text: sirenta takes kana and ASCII, nothing else */ \
  X(UnusableCharacter, "使用できない文字") \
  X(TooManyRecords, "コマンド数の制限を超えました") \
  X(PatternUndefined, "定義番号が設定されていません") \
  /* DrumAmpersand's text: a sung note's & code outside 101..200 */ \
  X(ArticulationCode, "＆指定") \
  X(ArticulationWithTie, "タイ、ディレイ、スタッカートの指定") \
  /* SwitchValue's text: a sung note's token that is no note */ \
  X(VocalNoteToken, "指定誤り") \
  X(LyricText, "歌詞") \
  X(PhoneticText, "発音記号") \
  X(PhoneticBracket, "]記号") \
  X(AttributeUnknown, "設定誤り") \
  X(ControlTooManyValues, "設定値の数が制限を超えました") \
  X(AttributeVelocity, "ベロシティ") \
  X(AttributeOpening, "OPE") \
  X(AttributeAccent, "DA") \
  X(AttributeBendDepth, "PB") \
  X(AttributeBendLength, "PL") \
  X(AttributeDecay, "DD") \
  X(AttributeFallPortamento, "PF") \
  X(AttributeRisePortamento, "PR") \
  X(ControlDyn, "DYN") \
  X(ControlBre, "BRE") \
  X(ControlBri, "BRI") \
  X(ControlCle, "CLE") \
  X(ControlGen, "GEN") \
  X(ControlPor, "POR") \
  X(ControlPit, "PIT") \
  X(ControlPbs, "PBS") \
  /* Vocal part: the template and the writing (a template line, bare) */ \
  X(TemplateLine, "%s") \
  X(TemplateLandmarkMissing, "%sがありません") \
  X(ControlEventsOver, " mCtrl over\n") \
  X(BeatSnapError, "SV error\n") \
  /* end of the table */

enum class Msg {
#define SCORETEXT_MESSAGE_NAME(name, text) name,
  SCORETEXT_MESSAGES(SCORETEXT_MESSAGE_NAME)
#undef SCORETEXT_MESSAGE_NAME
  Count_
};

// The message as UTF-8 text, exactly as the table holds it.
std::string_view utf8_text(Msg m);

// The message as the CP932 bytes that are written to the user.
std::string cp932_text(Msg m);

// Converts UTF-8 text to CP932.  A character without a CP932 form is kept as
// it is.  When the system cannot convert to CP932 at all, the UTF-8 text is
// returned behind a note that says so.
std::string to_cp932(std::string_view utf8);

}  // namespace scoretext
