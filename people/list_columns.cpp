#include "people/list_columns.h"

#include <algorithm>

#include "core/trap.h"

namespace pelmira {
namespace {

// Header texts by flag; the name column's text is built from the name width.
constexpr std::array<std::string_view, kListColumnCount> kHeaders{
    "番号  ",
    "",
    " 西暦　",
    " 和暦　 ",
    " 誕生日 ",
    " 曜 ",
    "  　満年齢　 ",
    " 数え年",
    "  星座 ",
    " 干",
    " 支",
    " 　学年  ",
    " 六星　(年運　　月運　　日運　 )",
    " 　九星  ",
    " 誕生日までの日数 ",
    " 動物占い　　　",
};

constexpr std::string_view kNameHeader = "氏名    ";

}  // namespace

ColumnFlags column_flags_from_setting(std::string_view setting) {
  ColumnFlags flags{};
  for (std::size_t k = 0; k < kListColumnCount && k < setting.size(); ++k)
    flags[k] = setting[k] == '1';
  return flags;
}

std::string column_setting_text(const ColumnFlags& flags) {
  std::string text;
  for (const bool flag : flags) text += flag ? '1' : '0';
  return text;
}

std::string_view column_header(const ListDisplay& display, int column) {
  if (display.memorial()) {
    switch (column) {
      case kColumnBirthday:
        return " 死去日 ";
      case kColumnAge:
        return "  　死亡後　 ";
      case kColumnDaysToNext:
        return " 　　命日までの日数　 ";
      default:
        break;
    }
  }
  return kHeaders.at(static_cast<std::size_t>(column));
}

std::string list_header(const ListDisplay& display) {
  std::string header;
  for (const int column : kColumnDisplayOrder) {
    if (!display.columns[static_cast<std::size_t>(column)]) continue;
    if (column == kColumnName) {
      header += kNameHeader;
      // A width below one tab stop adds nothing.
      header.append(static_cast<std::size_t>(std::max(0, display.name_tabs - 1)) * 8, ' ');
    } else {
      header += column_header(display, column);
    }
  }
  return header;
}

ListHeader st2(const ListDisplay& display) {
  return trap("st2", [&] {
    ListHeader header;
    header.caption = list_header(display);
    header.measure_text = header.caption + "  ";
    return header;
  });
}

int list_column_count(int list_width, int label_width) {
  if (label_width <= 0) return 1;
  return std::max(1, list_width / label_width);
}

}  // namespace pelmira
