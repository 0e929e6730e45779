// Every message the suite writes, in one table.  The texts are kept in UTF-8
// here and converted to CP932 bytes when they are written.
#pragma once

#include <string>
#include <string_view>

namespace scoretext {

enum class Msg {
  // General statement checks
  Malformed,               // 指定の誤り
  Extra,                   // 余分な指定
  TiePending,              // タイの指定
  RangeExceeded,           // 設定範囲を超えました
  RangeOutside,            // 設定範囲外です
  NeedPE,                  // PEがありません
  LineTooLong,             // 行の長さの制限を超えました
  TokenTooLong,            // 字句の長さの制限を超えました
  TooManyTokens,           // 行数の制限を超えました
  BadQuote,                // ”記号が不適切
  // Macros
  MacroTableFull,          // ＝テーブルが制限を超えた
  MacroMalformed,          // ＝指定の誤り
  MacroNoBody,             // ＝定義の誤り
  MacroBadName,            // ＝定義名の誤り
  MacroDuplicate,          // ＝定義名の２重使用
  OutOfMemory,             // malloc
  // Notes and lengths
  BadNote,                 // 音の指定の誤り
  BadLength,               // 音の長さ指定の誤り
  NoNotes,                 // 音指定の誤り
  RestArticulation,        // スタッカート／＆
  VelocityRange,           // ベロシティが範囲を超えた
  TooManyNotes,            // 音の数が制限を超えた
  // Patterns
  InsidePattern,           // PS指定内
  NoPS,                    // PSがありません
  PatternRange,            // PS定義番号が範囲を超えました
  PatternTwice,            // PS定義番号の二重設定
  // Settings
  Twice,                   // ２重指定
  SsnMissing,              // SSN未指定
  SsAccidentalMissing,     // SS#/SSB未指定
  // MIDI statements
  PitchBendRange,          // ピッチベンドの範囲を超えました
  ProgramChangeRange,      // プログラム・チェンジの範囲を超えました
  PressureRange,           // プレッシャー値の範囲を超えました
  Rpn1Range,               // RPN1の範囲を超えました
  Rpn1Param,               // RPN1 パラメータエラー
  Rpn2Range,               // RPN2の範囲を超えました
  Nrpn1Range,              // NRPN1の範囲を超えました
  Nrpn1Param,              // NRPN1 パラメータエラー
  Nrpn2Range,              // NRPN2の範囲を超えました
  NoteOnVelocityRange,     // ベロシティの範囲を超えました
  De1Range,                // DE1の範囲を超えました
  De1Param,                // DE1 パラメータエラー
  De2Range,                // DE2の範囲を超えました
  ControllerRange,         // 指定範囲を超えました
  SwitchValue,             // 指定誤り
  // Chords
  OnChord,                 // onコードの誤り
  SlashChord,              // 分数コードの誤り
  ChordName,               // コードネームの誤り
  // Tablature
  BadTab,                  // TABの指定の誤り
  // Drums
  DrumNoteName,            // ノート名
  DrumNoteTwice,           // ノート名重複
  DrumNameMissing,         // 楽器名
  DrumNameTooLong,         // 楽器名の長さの制限を超えました
  DrumNameUnfit,           // 不適切な楽器名
  DrumNameTwice,           // 楽器名重複
  DrumTableFull,           // 楽器設定数の制限を超えました
  DrumUnknown,             // 楽器指定の誤り
  DrumAmpersand,           // ＆指定
  DrumTooMany,             // 楽器数が制限を超えた
  // SMF utilities (written on standard output, line end included)
  SmfHeader,               // ヘッダ　エラー\n
  SmfNotFormat1,           // フォーマット1ではありません\n
  SmfTrackHeader,          // トラックヘッダエラー\n
  SmfUnsupported,          // 対応できないコードがありました\n
  SmfEventOverrun,         // error\n
  SmfTrackCount,           // トラック数　%d\n
  SmfBadTrack,             // trk 指定エラー\n
  SmfTooLarge,             // ファイルが大きすぎます\n
  SmfTooManyTracks,        // トラック数が制限を超えました\n
  Count_
};

// The message as UTF-8 text, exactly as the table holds it.
std::string_view utf8_text(Msg m);

// The message as the CP932 bytes that are written to the user.
std::string cp932_text(Msg m);

// Converts any UTF-8 text to CP932; characters without a CP932 form are kept
// as they are.
std::string to_cp932(std::string_view utf8);

}  // namespace scoretext
