#pragma once
// Every section, key and default of the settings store, in one place. Both programs read
// and write through these names; a read of a missing key yields the default text.

#include <string>
#include <string_view>

namespace pelmira {

// The application name both programs store their settings under.
inline constexpr std::string_view kSettingsApplication = "pelmira";

struct SettingKey {
  std::string_view section;
  std::string_view key;
  std::string_view default_text;
};

namespace setting {

// Main window ("pelmira" section).
inline constexpr SettingKey kTop{"pelmira", "top", "100"};  // twips
inline constexpr SettingKey kLeft{"pelmira", "left", "100"};
inline constexpr SettingKey kPanes{"pelmira", "kidougamen", "111100"};
inline constexpr SettingKey kInputScreenItem{"pelmira", "nyuryokuhyouji", "0"};
inline constexpr SettingKey kCalendarMode{"pelmira", "rekihou", "0"};
inline constexpr SettingKey kAgeingRule{"pelmira", "kareihou", "0"};
inline constexpr SettingKey kStartBirthDate{"pelmira", "kidounen", "1996 10 1"};
inline constexpr SettingKey kLoadStartFile{"pelmira", "listdata1", "0"};
inline constexpr SettingKey kStartFile{"pelmira", "listdata", ""};
inline constexpr SettingKey kSolarTermListing{"pelmira", "sekki", "0"};
inline constexpr SettingKey kListingKind{"pelmira", "ithiran", "9"};
inline constexpr SettingKey kVersion{"pelmira", "ver", ""};
inline constexpr SettingKey kRevision{"pelmira", "verr", "0"};
inline constexpr SettingKey kProgramFolder{"pelmira", "pelmirapath", ""};

// List columns and the TAB count.
inline constexpr SettingKey kListColumns{"hyoujikoumoku", "a", "010000100000000"};
inline constexpr SettingKey kTabCount{"hyoujikoumoku", "nt", "2"};

// Search window.
inline constexpr SettingKey kSearchTop{"kensaku", "top", "1425"};
inline constexpr SettingKey kSearchLeft{"kensaku", "left", "5775"};

// Exit confirmation.
inline constexpr SettingKey kConfirmExit{"syuryou", "kakunin", "0"};

// Notifier settings written by the main program.
inline constexpr SettingKey kNoDataShow{"tannyugamen", "nodatahyouji", "1"};
inline constexpr SettingKey kPlaySound{"tannyugamen", "ongaku", "1"};
inline constexpr SettingKey kAutoClose{"tannyugamen", "jidousyuryou", "1"};
inline constexpr SettingKey kShowHoliday{"tannyugamen", "saijituh", "1"};
// A 29 February birthday in common years: 0 not notified, 1 on 28 February, 2 on 1 March.
inline constexpr SettingKey kLeapDayBirthday{"tannyugamen", "uruu", "0"};
// Default: the main program's folder followed by the notifier's file name.
inline constexpr SettingKey kNotifierPath{"tannyugamen", "lunokapath", ""};
inline constexpr SettingKey kTestYear{"tannyugamen", "e", "0"};
inline constexpr SettingKey kTestMonth{"tannyugamen", "m", "0"};
inline constexpr SettingKey kTestDay{"tannyugamen", "d", "0"};

// The notifier's own window state.
inline constexpr SettingKey kNotifierTop{"lunoka", "top", "840"};
inline constexpr SettingKey kNotifierLeft{"lunoka", "left", "1215"};
inline constexpr SettingKey kNotifierWidth{"lunoka", "width", "6690"};
inline constexpr SettingKey kNotifierWindowCount{"lunoka", "bango", "0"};

// Written "1" by the notifier at every exit; read by neither program.
inline constexpr SettingKey kDeleteMark{"regisuto", "delete", ""};

// Sections whose keys are built at run time.
inline constexpr std::string_view kRecentFilesSection = "rireki";  // keys "1" to "11"
inline constexpr std::string_view kReleaseNoteSection = "ver";     // key: a revision number

}  // namespace setting

// File name of the notifier program in its folder.
inline constexpr std::string_view kNotifierProgramName = "lunoka";

// Default of "tannyugamen"/"lunokapath": the notifier next to the main program.
std::string default_notifier_path(std::string_view program_folder);

}  // namespace pelmira
