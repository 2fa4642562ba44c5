#include "core/runtime_error.h"

#include <utility>

namespace pelmira {

std::string_view error_description(std::int32_t number) {
  switch (number) {
    case err::kYearBelowOne:
      return "西暦０年以下には対応していません";
    case err::kInvalidCall:
      return "プロシージャの呼び出し、または引数が不正です。";
    case err::kOverflow:
      return "オーバーフローしました。";
    case err::kSubscript:
      return "インデックスが有効範囲にありません。";
    case err::kDivisionByZero:
      return "0 で除算しました。";
    case err::kTypeMismatch:
      return "型が一致しません。";
    case err::kBadFileName:
      return "ファイル名または番号が不正です。";
    case err::kFileNotFound:
      return "ファイルが見つかりません。";
    case err::kDiskFull:
      return "ディスクの空き容量が不足しています。";
    case err::kInputPastEnd:
      return "ファイルにこれ以上データがありません。";
    case err::kPermissionDenied:
      return "書き込みできません。";
    case err::kDiskNotReady:
      return "ディスクの準備ができていません。";
    case err::kPathFileAccess:
      return "パス名が無効です。";
    case err::kPathNotFound:
      return "パスが見つかりません。";
    case err::kBadFileFormat:
      return "ファイル形式が不正です。";
    case err::kRuntimeVersion:
      return "実行時モジュールの処理でエラーが発生しました。";
    case err::kDialogCancelled:
      return "キャンセルが選択されました。";
    default:
      return "";
  }
}

RuntimeError::RuntimeError(std::int32_t number)
    : RuntimeError(number, std::string(error_description(number))) {}

RuntimeError::RuntimeError(std::int32_t number, std::string description)
    : std::runtime_error(description.empty() ? "error " + std::to_string(number) : description),
      number_(number),
      description_(std::move(description)) {}

void raise_error(std::int32_t number) {
  throw RuntimeError(number);
}

void raise_overflow() {
  throw RuntimeError(err::kOverflow);
}

}  // namespace pelmira
