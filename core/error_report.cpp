#include "core/error_report.h"

#include <iostream>

namespace pelmira {
namespace {

constexpr std::string_view kCrLf = "\r\n";
constexpr std::string_view kContactLine =
    "送り先: Pelmiraの作者 (ヘルプの「バージョン情報」に連絡先が有ります)";

std::string hint_for(std::int32_t number) {
  switch (number) {
    case err::kOverflow:
      return "オーバーフローは大きな数が入力された時に起こります。";
    case err::kBadFileName:
      return "設定で指定したファイル名のドライブは使用可能ですか。";
    case err::kDiskFull:
      return "ドライブまたはディスクを変えて保存し直して下さい。";
    case err::kInputPastEnd:
      return "０バイトのファイルを開こうとしていませんか。";
    case err::kPermissionDenied:
      return "フロッピーを指定した場合は、ディスク本体のライトプロテクトノッチを確認して下さい。";
    case err::kPathFileAccess:
      return "読み取り専用ファイルに保存しようとしていませんか。\r\n"
             "フォルダーを開こうとしていませんか。";
    case err::kBadFileFormat:
      return "Pelmira.exe用データでは有りません";
    case err::kRuntimeVersion:
      return "ランタイムモジュールのバージョンが古いと発生する事が有るようです。";
    case err::kYearBelowOne:
      return "西暦０年以下には対応していません";
    default:
      return "";
  }
}

bool has_plain_form(std::int32_t number) {
  switch (number) {
    case err::kOverflow:
    case err::kBadFileName:
    case err::kFileNotFound:
    case err::kDiskFull:
    case err::kInputPastEnd:
    case err::kPermissionDenied:
    case err::kDiskNotReady:
    case err::kPathFileAccess:
    case err::kPathNotFound:
    case err::kBadFileFormat:
    case err::kRuntimeVersion:
    case err::kYearBelowOne:
      return true;
    default:
      return false;
  }
}

void fill_unexpected_form(ErrorReport& report, std::string_view place,
                          const ReportEnvironment& environment) {
  report.unexpected = true;
  report.lines[0] = "予期しないエラーが発生しました。\r\nこの内容を作者に報告して下さい。";
  report.lines[3] = "　発生場所　" + std::string(place);
  report.lines[5] = "　ご使用の環境\r\n　Pelmiraのバージョン　" + environment.version +
                    "\r\n　Pelmiraのバス　　　　" + environment.program_folder;
  report.lines[8].clear();
  report.lines[9] =
      "[はい]を選択すると、この内容をクリップボードにコピーします。\r\n"
      "　お手数ですが作者宛のメールに張り付けて送って下さい。";
  report.buttons = ReportButtons::kYesNoCancel;
}

ErrorReporter& active_reporter() {
  static StderrReporter fallback;
  ErrorChannel& channel = error_channel();
  return channel.reporter ? *channel.reporter : fallback;
}

void run_if_set(const std::function<void()>& action) {
  if (action) action();
}

}  // namespace

std::string ReportEnvironment::default_version() {
  return std::to_string(PELMIRA_VERSION_MAJOR) + "." + std::to_string(PELMIRA_VERSION_MINOR) + "." +
         std::to_string(PELMIRA_VERSION_PATCH);
}

std::string ErrorReport::message() const {
  std::string text;
  for (const std::string& line : lines) {
    text += line;
    text += kCrLf;
  }
  return text;
}

std::string ErrorReport::clipboard_text() const {
  std::string text = "//////////  Pelmiraでのエラー報告  //////////";
  text += kCrLf;
  text += message();
  text += kCrLf;
  text += kContactLine;
  text += kCrLf;
  return text;
}

ErrorReport build_error_report(const RuntimeError& error, std::string_view place,
                               std::optional<std::string_view> file_name,
                               const ReportEnvironment& environment) {
  ErrorReport report;
  report.number = error.number();
  report.place = std::string(place);
  const std::string file(file_name.value_or(kNoFileName));
  report.lines[0] = "エラーが発生しました。";
  report.lines[1] = "　エラー番号　" + std::to_string(error.number());
  report.lines[2] = "　エラー内容　" + error.description();
  report.lines[4] = "　ファイル名　" + file;
  if (!environment.started)
    report.lines[7] = "Pelmiraの起動時にこのメッセージが出る場合は、設定を確認して下さい。";
  report.lines[8] = "このエラーが回避出来ない場合や疑問が有る場合は作者に連絡してください。";
  report.lines[10] = "[キャンセル]を選択すると「Pelmira」を終了します。";
  if (has_plain_form(error.number())) {
    report.lines[6] = hint_for(error.number());
    report.title = "Pelmira" + std::string(kApologySuffix);
  } else {
    fill_unexpected_form(report, place, environment);
    report.title = "Pelmira";
  }
  return report;
}

ReportAnswer StderrReporter::show_report(const ErrorReport& report) {
  ++reports_;
  std::cerr << report.title << "\n";
  for (const std::string& line : report.lines) {
    if (line.empty()) continue;
    // CR LF line breaks become plain ones on the terminal.
    std::string text;
    for (const char c : line)
      if (c != '\r') text += c;
    std::cerr << text << "\n";
  }
  return ReportAnswer::kOk;
}

void StderrReporter::show_save_warning(std::string_view title, std::string_view text) {
  std::cerr << title << "\n" << text << "\n";
}

ErrorChannel& error_channel() {
  static ErrorChannel channel;
  return channel;
}

void report_error(const RuntimeError& error, std::string_view place,
                  std::optional<std::string_view> file_name) {
  ErrorChannel& channel = error_channel();
  if (error.number() == err::kDialogCancelled) {
    if (channel.dialog_cancel_flag == 1) channel.dialog_cancel_flag = 2;
    return;
  }
  show_error_report(build_error_report(error, place, file_name, channel.environment));
}

void show_error_report(const ErrorReport& report) {
  ErrorChannel& channel = error_channel();
  switch (active_reporter().show_report(report)) {
    case ReportAnswer::kCancel:
      run_if_set(channel.actions.end_program);
      return;
    case ReportAnswer::kYes:
      if (channel.actions.set_clipboard) channel.actions.set_clipboard(report.clipboard_text());
      run_if_set(channel.actions.end_program);
      return;
    case ReportAnswer::kOk:
    case ReportAnswer::kNo:
      run_if_set(channel.actions.stop_timer);
      return;
  }
}

void report_save_error() {
  ErrorChannel& channel = error_channel();
  try {
    run_if_set(channel.actions.close_all_files);
  } catch (const RuntimeError&) {
    active_reporter().show_save_warning("Pelmira", kSaveWarning);
  }
}

ScopedReporter::ScopedReporter(ErrorReporter& reporter) : previous_(error_channel().reporter) {
  error_channel().reporter = &reporter;
}

ScopedReporter::~ScopedReporter() {
  error_channel().reporter = previous_;
}

}  // namespace pelmira
