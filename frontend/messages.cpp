#include "frontend/messages.h"

#include <array>
#include <iconv.h>

namespace scoretext {
namespace {

constexpr std::array<std::string_view, static_cast<size_t>(Msg::Count_)> kTexts = {
    "指定の誤り",
    "余分な指定",
    "タイの指定",
    "設定範囲を超えました",
    "設定範囲外です",
    "PEがありません",
    "行の長さの制限を超えました",
    "字句の長さの制限を超えました",
    "行数の制限を超えました",
    "”記号が不適切",
    "＝テーブルが制限を超えた",
    "＝指定の誤り",
    "＝定義の誤り",
    "＝定義名の誤り",
    "＝定義名の２重使用",
    "malloc",
    "音の指定の誤り",
    "音の長さ指定の誤り",
    "音指定の誤り",
    "スタッカート／＆",
    "ベロシティが範囲を超えた",
    "音の数が制限を超えた",
    "PS指定内",
    "PSがありません",
    "PS定義番号が範囲を超えました",
    "PS定義番号の二重設定",
    "２重指定",
    "SSN未指定",
    "SS#/SSB未指定",
    "ピッチベンドの範囲を超えました",
    "プログラム・チェンジの範囲を超えました",
    "プレッシャー値の範囲を超えました",
    "RPN1の範囲を超えました",
    "RPN1 パラメータエラー",
    "RPN2の範囲を超えました",
    "NRPN1の範囲を超えました",
    "NRPN1 パラメータエラー",
    "NRPN2の範囲を超えました",
    "ベロシティの範囲を超えました",
    "DE1の範囲を超えました",
    "DE1 パラメータエラー",
    "DE2の範囲を超えました",
    "指定範囲を超えました",
    "指定誤り",
    "onコードの誤り",
    "分数コードの誤り",
    "コードネームの誤り",
    "TABの指定の誤り",
    "ノート名",
    "ノート名重複",
    "楽器名",
    "楽器名の長さの制限を超えました",
    "不適切な楽器名",
    "楽器名重複",
    "楽器設定数の制限を超えました",
    "楽器指定の誤り",
    "＆指定",
    "楽器数が制限を超えた",
    "ヘッダ　エラー\n",
    "フォーマット1ではありません\n",
    "トラックヘッダエラー\n",
    "対応できないコードがありました\n",
    "error\n",
    "トラック数　%d\n",
    "trk 指定エラー\n",
    "ファイルが大きすぎます\n",
    "トラック数が制限を超えました\n",
};

}  // namespace

std::string_view utf8_text(Msg m) { return kTexts[static_cast<size_t>(m)]; }

std::string cp932_text(Msg m) { return to_cp932(utf8_text(m)); }

std::string to_cp932(std::string_view utf8) {
  iconv_t cd = iconv_open("CP932", "UTF-8");
  if (cd == reinterpret_cast<iconv_t>(-1)) return std::string(utf8);
  std::string out;
  out.resize(utf8.size() * 2 + 4);
  char* in = const_cast<char*>(utf8.data());
  size_t in_left = utf8.size();
  char* dst = out.data();
  size_t dst_left = out.size();
  while (in_left > 0) {
    if (iconv(cd, &in, &in_left, &dst, &dst_left) != static_cast<size_t>(-1)) break;
    // A byte that cannot be converted is copied as it stands.
    *dst++ = *in++;
    --in_left;
    --dst_left;
  }
  out.resize(out.size() - dst_left);
  iconv_close(cd);
  return out;
}

}  // namespace scoretext
