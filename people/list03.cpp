#include "people/list03.h"

#include <cstdio>

#include "core/error_report.h"
#include "core/formatting.h"
#include "core/text.h"
#include "core/trap.h"
#include "listings/listing.h"
#include "people/data_writer.h"

namespace pelmira {
namespace {

constexpr std::size_t kNamesShown = 20;

bool writes_data_file(i16 mode) {
  return mode == kSaveDataAs || mode == kSaveDataOver;
}

// A character as the refusal shows it: itself and its code point ("𠮷(U+20BB7)").
std::string describe_character(char32_t c) {
  char code[16];
  std::snprintf(code, sizeof code, "(U+%04X)", static_cast<unsigned>(c));
  std::string text;
  if (c == U'\r') return std::string("改行") + code;
  append_utf8(text, c);
  return text + code;
}

std::string describe_characters(const std::u32string& characters) {
  std::string text;
  for (const char32_t c : characters) text += (text.empty() ? "" : " ") + describe_character(c);
  return text;
}

std::string unwritable_lines_message(const std::vector<std::string>& lines,
                                     const std::vector<UnwritableText>& unwritable) {
  std::string text = "次の行には保存できない文字が有るため、出力を中止しました。\r\n\r\n";
  for (std::size_t k = 0; k < unwritable.size() && k < kNamesShown; ++k)
    text += "　" + std::to_string(unwritable[k].line + 1) + "行目　" +
            char_left(lines[unwritable[k].line], 30) + "　" +
            describe_characters(unwritable[k].characters) + "\r\n";
  if (unwritable.size() > kNamesShown)
    text += "　ほか " + std::to_string(unwritable.size() - kNamesShown) + "行\r\n";
  return text;
}

// The refusal of a data file that would lose characters: the persons by row.
std::string refusal_message(const PersonTable& table, const std::vector<std::string>& lines,
                            const std::vector<UnwritableText>& unwritable, bool data_file) {
  if (!data_file) return unwritable_lines_message(lines, unwritable);
  std::vector<std::string> names;
  std::vector<std::u32string> characters;
  for (const UnwritableText& bad : unwritable) {
    // Line 0 is the header; line r is the person of row r.
    const auto person = static_cast<std::size_t>(table.viewOrder[0].at(bad.line));
    names.push_back(trimmed_name(table.personName.at(person)));
    characters.push_back(bad.characters);
  }
  return unwritable_names_message(names, characters);
}

std::string skipped_lines_text(const std::vector<SkippedLine>& skipped) {
  constexpr std::size_t kShown = 10;
  std::string text = "　読込み時に無効にした次の行は、このファイルから無くなります。\r\n";
  for (std::size_t k = 0; k < skipped.size() && k < kShown; ++k)
    text += "　　" + std::to_string(skipped[k].line_number) + "行目　" +
            char_left(skipped[k].text, 30) + "\r\n";
  if (skipped.size() > kShown)
    text += "　　ほか " + std::to_string(skipped.size() - kShown) + "行\r\n";
  return text;
}

// Asks before a data file is written over `target` when that would lose what the user did
// not choose to remove; true when nothing is at risk or the user answers Yes.
bool confirm_losses(const PersonTable& table, const std::string& target, SaveHost& host) {
  const std::string question = overwrite_losses_question(table, target);
  return question.empty() || host.ask_yes_no(question, MessageIcon::kWarning);
}

// The save dialog until the user settles on a file (step 2 of list03). A data file chosen
// over an existing data file that would lose persons asks once more.
std::string choose_target(const PersonTable& table, i16 mode, std::string file_name,
                          SaveHost& host) {
  while (true) {
    const std::optional<std::string> chosen = host.choose_save_path(file_name, kTextFileFilter);
    if (!chosen) raise_error(err::kDialogCancelled);
    file_name = *chosen;
    if (!path_exists(file_name)) return file_name;
    if (!host.ask_yes_no(overwrite_question(file_name), MessageIcon::kWarning)) continue;
    const bool data_target = is_data_file(file_name);
    if (!writes_data_file(mode) && data_target) {
      host.show_message(kExportOverDataRefusal, MessageIcon::kError);
      continue;
    }
    if (writes_data_file(mode) && data_target && !confirm_losses(table, file_name, host)) continue;
    return file_name;
  }
}

// The folder the dialog of a mode starts in: data files follow the current file, exports
// the last export.
const std::string& start_folder(const PersonTable& table, i16 mode) {
  if (writes_data_file(mode) || table.export_folder.empty()) return table.current_folder;
  return table.export_folder;
}

}  // namespace

void SaveHost::write_file(const std::string& path, std::string_view bytes) {
  write_file_atomically(path, bytes);
}

const std::string_view kExportOverDataRefusal =
    "　上書きを拒否します。\r\n\r\n"
    "　Pelmira用データファイルに上書きしようとしています。\r\n"
    "　この方式で保存したファイルはPelmiraでは読み込めません。\r\n\r\n"
    "　ファイル名を変えてください。";

std::string_view default_name_stem(i16 mode) {
  switch (mode) {
    case kExportList:
      return "Pelmiraデータ表示";
    case kExportListing:
      return "Pelmira一覧表示";
    case kExportReport:
      return "Pelmira表示";
    default:
      return "Pelmiraデータ";
  }
}

std::string default_save_name(std::string_view folder, i16 mode) {
  const std::string prefix = (folder.empty() ? std::string() : std::string(folder) + "/") +
                             std::string(default_name_stem(mode));
  std::string name;
  for (int n = 1; n <= 1000; ++n) {
    const std::string digits = "000" + std::to_string(n);
    name = prefix + digits.substr(digits.size() - 3) + ".txt";
    if (!path_exists(name)) break;
  }
  return name;
}

std::string overwrite_question(std::string_view path) {
  return std::string(path) + "\r\nは既に存在します。\r\n\r\n上書きしますか。";
}

std::string overwrite_losses_question(const PersonTable& table, const std::string& target) {
  const bool current = target == table.current_path;
  const LeftOutPersons left_out = left_out_persons(table);
  const bool skipped = current && !table.skipped_lines.empty();
  const bool read_in_part = current && table.partial_read;
  bool changed_on_disk = false;
  if (current && table.current_stamp) {
    const std::optional<FileStamp> now = file_stamp(target);
    changed_on_disk = now && *now != *table.current_stamp;
  }
  if (left_out.total() == 0 && !skipped && !read_in_part && !changed_on_disk) return {};

  std::string text = "　ファイル名　" + target + "\r\n\r\n";
  if (left_out.total() > 0) {
    text += "　表示中の" + std::to_string(left_out.written) + "人だけを保存します。次の" +
            std::to_string(left_out.total()) + "人は、このファイルから無くなります。\r\n";
    if (left_out.hidden > 0)
      text += "　　検索で表示されていない人　" + std::to_string(left_out.hidden) + "人\r\n";
    if (left_out.cut > 0)
      text += "　　切り取ったまま挿入していない人　" + std::to_string(left_out.cut) + "人\r\n";
    text += "\r\n";
  }
  if (skipped) text += skipped_lines_text(table.skipped_lines) + "\r\n";
  if (read_in_part)
    text +=
        "　このファイルは一部しか読み込んでいません。\r\n"
        "　読み込んでいない部分は、このファイルから無くなります。\r\n\r\n";
  if (changed_on_disk)
    text +=
        "　このファイルは読み込んだ後に他のプログラムで変更されています。\r\n"
        "　上書きすると、その変更は失われます。\r\n\r\n";
  return text + "上書きしますか?";
}

std::string unwritable_names_message(const std::vector<std::string>& names,
                                     const std::vector<std::u32string>& characters) {
  std::string text =
      "次の氏名にはShift-JISで保存できない文字が有るため、保存を中止しました。\r\n"
      "ファイルは変更していません。\r\n\r\n";
  for (std::size_t k = 0; k < names.size() && k < kNamesShown; ++k)
    text += "　" + names[k] + "　" + describe_characters(characters[k]) + "\r\n";
  if (names.size() > kNamesShown)
    text += "　ほか " + std::to_string(names.size() - kNamesShown) + "人\r\n";
  return text + "\r\n氏名を修正してから保存して下さい。";
}

bool list03(PersonTable& table, i16 mode, SaveHost& host) {
  std::string file_name;
  bool busy = false;
  try {
    if (mode < kSaveDataAs || mode > kSaveDataOver) raise_error(err::kInvalidCall);
    // Overwriting a file the list holds only part of would drop the rest: ask for a name.
    if (mode == kSaveDataOver &&
        (table.partial_read || table.current_path.find('*') != std::string::npos))
      mode = kSaveDataAs;
    const FileEncoding session_encoding = encoding_of(table, table.current_path);
    const bool data_file = writes_data_file(mode);
    std::string path = table.current_path;
    if (mode == kSaveDataOver) {
      file_name = path;
      if (!confirm_losses(table, path, host)) return false;
    } else {
      file_name = default_save_name(start_folder(table, mode), mode);
      file_name = choose_target(table, mode, file_name, host);
      path = file_name;
      // Only a data file becomes the file 上書き保存 writes; an export keeps its own folder.
      if (data_file) {
        table.current_path = path;
        folder_of_path(path, table.current_folder);
      } else {
        folder_of_path(path, table.export_folder);
      }
    }

    const FileEncoding encoding = data_file ? encoding_of(table, path) : session_encoding;
    std::vector<std::string> lines = data_file ? data_file_lines(table) : host.export_lines(mode);
    for (std::string& line : footer_lines()) lines.push_back(std::move(line));
    std::vector<UnwritableText> unwritable;
    const std::optional<std::string> bytes = encode_lines(lines, encoding, data_file, &unwritable);
    if (!bytes) {
      host.show_message(refusal_message(table, lines, unwritable, data_file), MessageIcon::kError);
      return false;
    }

    host.set_busy(true);
    busy = true;
    host.write_file(path, *bytes);
    busy = false;
    host.set_busy(false);

    if (data_file) {
      table.file_encodings[path] = encoding;
      table.changed = 0;
      // The file now holds the list as it is: nothing of it was left out or skipped.
      table.partial_read = false;
      table.skipped_lines.clear();
      table.current_stamp = file_stamp(path);
      host.add_recent_file(path);
    }
    return true;
  } catch (const std::exception& e) {
    report_error(as_runtime_error(e), "list03", file_name);
    report_save_error();
    if (busy) host.set_busy(false);
    return false;
  }
}

SavePrompt shozon_prompt(const PersonTable& table) {
  SavePrompt prompt;
  // Persons hidden by a search or cut out count too: the list is not empty while they exist.
  prompt.ask = table.changed != 0 && holds_persons(table);
  prompt.mode = can_overwrite_current_file(table) ? kSaveDataOver : kSaveDataAs;
  prompt.text = "データが変更されています。\r\n保存しない場合、今の内容は失われます。\r\n\r\n";
  prompt.text += prompt.mode == kSaveDataOver ? "上書きしますか?" : "保存しますか？";
  return prompt;
}

SaveOutcome shozon(PersonTable& table, SaveHost& host) {
  SaveOutcome outcome = SaveOutcome::kFailed;  // also after an error in the prompt itself
  trap("shozon", [&] {
    const SavePrompt prompt = shozon_prompt(table);
    if (!prompt.ask) {
      outcome = SaveOutcome::kNotAsked;
      return;
    }
    switch (host.ask_yes_no_cancel(prompt.text, MessageIcon::kWarning)) {
      case SaveHost::Answer::kYes:
        outcome = list03(table, prompt.mode, host) ? SaveOutcome::kSaved : SaveOutcome::kFailed;
        return;
      case SaveHost::Answer::kNo:
        outcome = SaveOutcome::kNotSaved;
        return;
      case SaveHost::Answer::kCancel: {
        std::uint8_t& counter = error_channel().dialog_cancel_flag;
        if (counter < 255) ++counter;
        outcome = SaveOutcome::kCancelled;
        return;
      }
    }
  });
  return outcome;
}

std::vector<std::string> person_list_export(std::string_view now_date_text, std::string_view header,
                                            const std::vector<std::string>& lines) {
  std::vector<std::string> out{"[現在]　" + std::string(now_date_text) + "　での表示です。", "",
                               std::string(header)};
  out.insert(out.end(), lines.begin(), lines.end());
  return out;
}

std::vector<std::string> listing_export(const ListingExportTexts& texts) {
  std::string side = "誕生";
  if (texts.listing_kind == kListingWedding) side = "結婚";
  if (texts.listing_kind == kListingMemorial) side = "死去";
  std::string first = "[" + side + "]" + texts.birth_date_text;
  if (texts.listing_kind == kListingFortune)
    first += "　" + texts.first_choice + texts.second_choice;
  std::vector<std::string> out{first, "[現在]" + texts.now_date_text + "での表示です。", "",
                               texts.header};
  out.insert(out.end(), texts.lines.begin(), texts.lines.end());
  return out;
}

std::vector<std::string> report_export(const ReportExportTexts& texts) {
  return {"　　表示画面", "", texts.label10, "",           texts.label12, "", texts.label11,
          texts.label13,  "", texts.label38, texts.caption};
}

}  // namespace pelmira
