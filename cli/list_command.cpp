#include "cli/list_command.h"

#include <iostream>
#include <memory>

#include "cli/cli_errors.h"
#include "cli/date_arguments.h"
#include "cli/options.h"
#include "cli/person_files.h"
#include "people/list03.h"
#include "people/list_columns.h"
#include "people/list_summary.h"
#include "people/list_view.h"
#include "people/sorting.h"

namespace pelmira::cli {
namespace {

ColumnFlags parse_columns(const std::string& text) {
  if (text.size() > kListColumnCount || text.find_first_not_of("01") != std::string::npos)
    throw UsageError("--columns " + cli::quoted(text) + ": up to 16 characters, each 0 or 1");
  return column_flags_from_setting(text);
}

// The save dialog of "名前を付けてファイルに保存" answered from the command line: the named
// file, replaced when it exists; a refusal goes to stderr.
class CommandLineSaveHost : public SaveHost {
 public:
  explicit CommandLineSaveHost(std::string path) : path_(std::move(path)) {}

  std::optional<std::string> choose_save_path(const std::string&, std::string_view) override {
    if (asked_) return std::nullopt;  // refused once: no second choice
    asked_ = true;
    return path_;
  }
  bool ask_yes_no(std::string_view, MessageIcon) override { return true; }
  Answer ask_yes_no_cancel(std::string_view, MessageIcon) override { return Answer::kNo; }
  void show_message(std::string_view text, MessageIcon) override {
    std::string message(text);
    for (std::size_t at; (at = message.find("\r\n")) != std::string::npos;)
      message.replace(at, 2, "\n");
    std::cerr << "pelmira-cli: " << path_ << ":\n" << message << "\n";
  }
  std::vector<std::string> export_lines(i16) override { return {}; }

 private:
  std::string path_;
  bool asked_ = false;
};

void save_data_file(RunContext& run, PersonTable& table, const std::string& path,
                    FileEncoding encoding) {
  table.file_encodings[path] = encoding;
  CommandLineSaveHost host(path);
  const bool saved = list03(table, kSaveDataAs, host);
  run.stop_if_reported();
  if (!saved) throw ReportRan();
}

}  // namespace

std::string list_command(RunContext& run, const ListOptions& options) {
  ListDisplay display;
  display.columns = parse_columns(options.columns);
  display.name_tabs = options.name_tabs;
  display.listing_code = options.listing;
  display.ascending = !options.descending;

  ProgramState& state = run.state;
  state.calendar_mode = options.mode;
  state.age_shift = options.shift;
  if (options.now)
    read_date_argument(run, *options.now, 1);
  else
    set_slot_to_today(run, 1);

  PersonTable table;
  read_person_files(run, table, options.files, std::cerr);
  if (options.sort_key) st1(table, state, display.listing_code, *options.sort_key);
  run.stop_if_reported();

  std::string out = list_header(display) + "\n";
  const std::vector<std::string> lines = st7(table, state, display).lines;
  std::size_t size = out.size();
  for (const std::string& line : lines) size += line.size() + 1;
  out.reserve(size + 256);
  for (const std::string& line : lines) out.append(line).push_back('\n');
  out += mhyuji(table, state, display).summary + "\n";
  run.stop_if_reported();

  if (options.save) save_data_file(run, table, *options.save, FileEncoding::kCp932);
  if (options.save_utf8) save_data_file(run, table, *options.save_utf8, FileEncoding::kUtf8);
  return out;
}

void register_list_command(CLI::App& app, CommandAction& chosen) {
  auto options = std::make_shared<ListOptions>();
  CLI::App* sub = app.add_subcommand(
      "list", "Print the person list of data files; merge, sort or convert them with --save");
  sub->add_option("--now", options->now, "The 現在 date (default: today)");
  sub->add_option("--columns", options->columns,
                  "Shown columns, one 0/1 per column: 番号 氏名 西暦 和暦 誕生日 曜 満年齢 数え年 "
                  "星座 干 支 学年 六星 九星 誕生日までの日数 動物占い")
      ->capture_default_str();
  add_i16(*sub, "--nt", options->name_tabs, "Width of the name column in tab stops of 8", 0, 99);
  sub->add_option("--sort", options->sort_key,
                  "Sort key: 0 氏名, 1 年月日, 2 月日, 3 日, 4 誕生日までの日数")
      ->check(CLI::Range(0, 4));
  sub->add_flag("--desc", options->descending, "Descending order (降順)");
  add_i16(*sub, "--listing", options->listing,
          "The listing kind chosen (5 命日: dates are dates of death)", 0, 11);
  add_mode_option(*sub, options->mode);
  add_i16(*sub, "--shift", options->shift,
          "Ageing rule: 0 on the birthday, 1 on the day before the birthday", 0, 1);
  sub->add_option("--save", options->save,
                  "Also write the listed persons as a data file (Shift-JIS), in ascending order");
  sub->add_option("--save-utf8", options->save_utf8, "Likewise, in UTF-8");
  sub->add_option("FILE", options->files, "Data files, read in the order given")->required();
  run_when_chosen(*sub, chosen, [options](RunContext& run) { return list_command(run, *options); });
}

}  // namespace pelmira::cli
