// The error report: its text for every error number, the start-up line, the dialog-cancel
// flag, what the user's answer does, the save warning and the trap helper.

#include "core/error_report.h"

#include <gtest/gtest.h>

#include <new>
#include <regex>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/checked.h"
#include "core/trap.h"
#include "support/recording_reporter.h"

namespace pelmira {
namespace {

using testing::RecordingReporter;

constexpr const char* kTitleWithApology = "Pelmira　　　　　(　エラー表示が大げさでごめんなさい。)";

// Keeps every test independent of the process-wide channel: saves it, gives the test a
// started program with recording actions, and puts everything back afterwards.
class ErrorReportTest : public ::testing::Test {
 protected:
  void SetUp() override {
    saved_ = error_channel();
    ErrorChannel& channel = error_channel();
    channel.environment.started = true;
    channel.environment.version = "1.2.3";
    channel.environment.program_folder = "/opt/pelmira";
    channel.dialog_cancel_flag = 0;
    channel.actions.set_clipboard = [this](const std::string& text) {
      events_.push_back("clipboard");
      clipboard_ = text;
    };
    channel.actions.end_program = [this] { events_.push_back("end_program"); };
    channel.actions.stop_timer = [this] { events_.push_back("stop_timer"); };
    channel.actions.close_all_files = [this] { events_.push_back("close_all_files"); };
  }
  void TearDown() override { error_channel() = saved_; }

  std::vector<std::string> events_;
  std::string clipboard_;

 private:
  ErrorChannel saved_;
};

struct PlainRow {
  const char* name;
  std::int32_t number;
  const char* hint;  // line 6
};

TEST_F(ErrorReportTest, PlainFormForEveryKnownNumber) {
  const PlainRow rows[] = {
      {"overflow", 6, "オーバーフローは大きな数が入力された時に起こります。"},
      {"bad_file_name", 52, "設定で指定したファイル名のドライブは使用可能ですか。"},
      {"file_not_found", 53, ""},
      {"disk_full", 61, "ドライブまたはディスクを変えて保存し直して下さい。"},
      {"input_past_end", 62, "０バイトのファイルを開こうとしていませんか。"},
      {"permission_denied", 70,
       "フロッピーを指定した場合は、ディスク本体のライトプロテクトノッチを確認して下さい。"},
      {"disk_not_ready", 71, ""},
      {"path_file_access", 75,
       "読み取り専用ファイルに保存しようとしていませんか。\r\n"
       "フォルダーを開こうとしていませんか。"},
      {"path_not_found", 76, ""},
      {"not_a_data_file", 321, "Pelmira.exe用データでは有りません"},
      {"runtime_version", 20476,
       "ランタイムモジュールのバージョンが古いと発生する事が有るようです。"},
      {"year_below_one", -1, "西暦０年以下には対応していません"},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    RecordingReporter reporter;
    report_error(RuntimeError(r.number, "説明"), "guleyulibi");
    ASSERT_EQ(reporter.reports().size(), 1u);
    const ErrorReport& report = reporter.reports()[0];
    EXPECT_FALSE(report.unexpected);
    EXPECT_EQ(report.buttons, ReportButtons::kOkCancel);
    EXPECT_EQ(report.title, kTitleWithApology);
    EXPECT_EQ(report.number, r.number);
    EXPECT_EQ(report.place, "guleyulibi");
    const std::array<std::string, 11> lines = {
        "エラーが発生しました。",
        "　エラー番号　" + std::to_string(r.number),
        "　エラー内容　説明",
        "",
        "　ファイル名　---------------",
        "",
        r.hint,
        "",
        "このエラーが回避出来ない場合や疑問が有る場合は作者に連絡してください。",
        "",
        "[キャンセル]を選択すると「Pelmira」を終了します。",
    };
    EXPECT_EQ(report.lines, lines);
  }
}

TEST_F(ErrorReportTest, UnexpectedFormForAnyOtherNumber) {
  for (const std::int32_t number : {9, 5, 7, 11, 13, 0, 32767, -2}) {
    SCOPED_TRACE(number);
    RecordingReporter reporter;
    report_error(RuntimeError(number, "何か"), "mein0");
    ASSERT_EQ(reporter.reports().size(), 1u);
    const ErrorReport& report = reporter.reports()[0];
    EXPECT_TRUE(report.unexpected);
    EXPECT_EQ(report.buttons, ReportButtons::kYesNoCancel);
    EXPECT_EQ(report.title, "Pelmira");
    const std::array<std::string, 11> lines = {
        "予期しないエラーが発生しました。\r\nこの内容を作者に報告して下さい。",
        "　エラー番号　" + std::to_string(number),
        "　エラー内容　何か",
        "　発生場所　mein0",
        "　ファイル名　---------------",
        "　ご使用の環境\r\n　Pelmiraのバージョン　1.2.3\r\n　Pelmiraのバス　　　　/opt/pelmira",
        "",
        "",
        "",
        "[はい]を選択すると、この内容をクリップボードにコピーします。\r\n"
        "　お手数ですが作者宛のメールに張り付けて送って下さい。",
        "[キャンセル]を選択すると「Pelmira」を終了します。",
    };
    EXPECT_EQ(report.lines, lines);
  }
}

TEST_F(ErrorReportTest, StartUpLineOnlyBeforeTheProgramHasStarted) {
  constexpr const char* kStartUp =
      "Pelmiraの起動時にこのメッセージが出る場合は、設定を確認して下さい。";
  for (const std::int32_t number : {6, 9}) {
    SCOPED_TRACE(number);
    RecordingReporter reporter;
    error_channel().environment.started = false;
    report_error(RuntimeError(number), "Form_Load");
    error_channel().environment.started = true;
    report_error(RuntimeError(number), "Form_Load");
    ASSERT_EQ(reporter.reports().size(), 2u);
    EXPECT_EQ(reporter.reports()[0].lines[7], kStartUp);
    EXPECT_EQ(reporter.reports()[1].lines[7], "");
  }
}

TEST_F(ErrorReportTest, FileNameAndDescription) {
  RecordingReporter reporter;
  report_error(RuntimeError(err::kFileNotFound), "fairuyomi", "/home/a/list.txt");
  ASSERT_EQ(reporter.reports().size(), 1u);
  EXPECT_EQ(reporter.reports()[0].lines[4], "　ファイル名　/home/a/list.txt");
  EXPECT_EQ(reporter.reports()[0].lines[2],
            "　エラー内容　" + std::string(error_description(err::kFileNotFound)));
  EXPECT_FALSE(error_description(err::kOverflow).empty());
}

TEST_F(ErrorReportTest, MessageIsElevenLinesEachEndedByCrLf) {
  const ErrorReport report =
      build_error_report(RuntimeError(6, "オーバーフローしました。"), "guleyulibi", std::nullopt,
                         error_channel().environment);
  EXPECT_EQ(report.message(),
            "エラーが発生しました。\r\n"
            "　エラー番号　6\r\n"
            "　エラー内容　オーバーフローしました。\r\n"
            "\r\n"
            "　ファイル名　---------------\r\n"
            "\r\n"
            "オーバーフローは大きな数が入力された時に起こります。\r\n"
            "\r\n"
            "このエラーが回避出来ない場合や疑問が有る場合は作者に連絡してください。\r\n"
            "\r\n"
            "[キャンセル]を選択すると「Pelmira」を終了します。\r\n");
}

TEST_F(ErrorReportTest, DefaultVersionHasThreeNumbers) {
  EXPECT_TRUE(
      std::regex_match(ReportEnvironment::default_version(), std::regex(R"(\d+\.\d+\.\d+)")));
}

TEST_F(ErrorReportTest, DialogCancelShowsNothing) {
  struct Row {
    const char* name;
    std::uint8_t flag_before, flag_after;
  };
  const Row rows[] = {
      {"armed_flag_is_set", 1, 2}, {"idle_flag_stays", 0, 0}, {"set_flag_stays", 2, 2}};
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    RecordingReporter reporter;
    events_.clear();
    error_channel().dialog_cancel_flag = r.flag_before;
    report_error(RuntimeError(err::kDialogCancelled), "fairuhiraku");
    EXPECT_EQ(error_channel().dialog_cancel_flag, r.flag_after);
    EXPECT_TRUE(reporter.empty());
    EXPECT_TRUE(events_.empty()) << "not even the timer is touched";
  }
}

struct AnswerRow {
  const char* name;
  std::int32_t number;
  ReportAnswer answer;
  std::vector<std::string> events;
};

TEST_F(ErrorReportTest, AnswerDecidesWhatHappensNext) {
  const AnswerRow rows[] = {
      {"cancel_ends_the_program", 6, ReportAnswer::kCancel, {"end_program"}},
      {"ok_goes_on_without_the_timer", 6, ReportAnswer::kOk, {"stop_timer"}},
      {"no_goes_on_without_the_timer", 9, ReportAnswer::kNo, {"stop_timer"}},
      {"yes_copies_then_ends", 9, ReportAnswer::kYes, {"clipboard", "end_program"}},
      {"cancel_on_the_unexpected_form", 9, ReportAnswer::kCancel, {"end_program"}},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    RecordingReporter reporter(r.answer);
    events_.clear();
    report_error(RuntimeError(r.number), "hyouzi");
    EXPECT_EQ(events_, r.events);
  }
}

TEST_F(ErrorReportTest, ClipboardHoldsTheReportForTheAuthor) {
  RecordingReporter reporter(ReportAnswer::kYes);
  report_error(RuntimeError(9), "mein0");
  ASSERT_EQ(reporter.reports().size(), 1u);
  const std::string head = "//////////  Pelmiraでのエラー報告  //////////\r\n";
  const std::string message = reporter.reports()[0].message();
  ASSERT_EQ(clipboard_, reporter.reports()[0].clipboard_text());
  EXPECT_EQ(clipboard_.substr(0, head.size()), head);
  EXPECT_EQ(clipboard_.substr(head.size(), message.size() + 2), message + "\r\n");
  const std::string contact = clipboard_.substr(head.size() + message.size() + 2);
  EXPECT_GT(contact.size(), 2u) << "a contact line follows the message";
  EXPECT_EQ(contact.substr(contact.size() - 2), "\r\n");
  EXPECT_EQ(contact.find("\r\n"), contact.size() - 2) << "the contact is one line";
}

TEST_F(ErrorReportTest, MissingActionsAreSkipped) {
  error_channel().actions = ReportActions{};
  for (const ReportAnswer answer :
       {ReportAnswer::kOk, ReportAnswer::kCancel, ReportAnswer::kYes, ReportAnswer::kNo}) {
    RecordingReporter reporter(answer);
    report_error(RuntimeError(9), "hyouzi");
    EXPECT_EQ(reporter.reports().size(), 1u);
  }
  RecordingReporter reporter;
  report_save_error();
  EXPECT_TRUE(reporter.warnings().empty());
}

TEST_F(ErrorReportTest, SaveErrorWarnsOnlyWhenClosingFails) {
  {
    RecordingReporter reporter;
    report_save_error();
    EXPECT_EQ(events_, std::vector<std::string>{"close_all_files"});
    EXPECT_TRUE(reporter.warnings().empty());
    EXPECT_TRUE(reporter.empty());
  }
  error_channel().actions.close_all_files = [] { raise_error(err::kPathFileAccess); };
  RecordingReporter reporter;
  report_save_error();
  EXPECT_EQ(reporter.warnings(),
            std::vector<std::string>{"Pelmira|データ保存時にエラーが発生しました。\r\n"
                                     "データは正常に保存されていません。"});
  EXPECT_TRUE(reporter.empty()) << "the warning is no error report";
}

TEST_F(ErrorReportTest, TrapReportsAndReturnsTheEmptyResult) {
  RecordingReporter reporter;
  i16 written = 0;
  EXPECT_EQ(trap("nyou2",
                 [&]() -> i16 {
                   written = 5;
                   raise_overflow();
                 }),
            0);
  EXPECT_EQ(written, 5) << "what the body wrote before the error stays";
  EXPECT_EQ(trap("keta", []() -> std::string { raise_error(err::kTypeMismatch); }), "");
  EXPECT_EQ(trap("idx", []() -> int { return std::vector<int>{}.at(3); }), 0);
  EXPECT_EQ(trap("mem", []() -> int { throw std::bad_alloc(); }), 0);
  EXPECT_EQ(trap("logic", []() -> int { throw std::logic_error("x"); }), 0);
  trap("void_body", [] { raise_overflow(); });
  EXPECT_EQ(trap("fine", [] { return 42; }), 42);
  EXPECT_EQ(reporter.places(),
            (std::vector<std::string>{"nyou2", "keta", "idx", "mem", "logic", "void_body"}));
  std::vector<std::int32_t> numbers;
  for (const ErrorReport& report : reporter.reports()) numbers.push_back(report.number);
  EXPECT_EQ(numbers, (std::vector<std::int32_t>{6, 13, 9, 7, 5, 6}));
}

TEST_F(ErrorReportTest, TrapPassesTheFileName) {
  RecordingReporter reporter;
  trap("fairuyomi", std::string_view("a.txt"), [] { raise_error(err::kInputPastEnd); });
  ASSERT_EQ(reporter.reports().size(), 1u);
  EXPECT_EQ(reporter.reports()[0].lines[4], "　ファイル名　a.txt");
  EXPECT_EQ(reporter.reports()[0].lines[6], "０バイトのファイルを開こうとしていませんか。");
}

TEST_F(ErrorReportTest, StderrReporterAnswersOk) {
  StderrReporter stderr_reporter;
  ScopedReporter scoped(stderr_reporter);
  ::testing::internal::CaptureStderr();
  report_error(RuntimeError(6), "guleyulibi");
  const std::string printed = ::testing::internal::GetCapturedStderr();
  EXPECT_EQ(stderr_reporter.reports_shown(), 1);
  EXPECT_NE(printed.find("　エラー番号　6\n"), std::string::npos);
  EXPECT_EQ(printed.find('\r'), std::string::npos);
  EXPECT_EQ(events_, std::vector<std::string>{"stop_timer"});
}

}  // namespace
}  // namespace pelmira
