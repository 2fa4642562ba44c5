#include "core/encoding.h"

#include <iconv.h>

#include <cerrno>
#include <string>

#include "core/text.h"

namespace pelmira {
namespace {

// One conversion descriptor per direction, opened on first use and kept for the run: opening
// iconv costs far more than converting a line. Each call starts from the initial state.
class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
  ~Converter() {
    if (usable()) iconv_close(cd_);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  bool usable() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

  // The converted bytes, or nullopt at the first byte sequence that has no conversion.
  std::optional<std::string> convert(std::string_view in) {
    if (!usable()) return std::nullopt;
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    std::string out;
    out.resize(in.size() * 2 + 16);
    // iconv's interface is not const-correct; it never writes through the input pointer.
    char* src = const_cast<char*>(in.data());
    std::size_t src_left = in.size();
    std::size_t done = 0;
    while (true) {
      char* dst = out.data() + done;
      std::size_t dst_left = out.size() - done;
      const std::size_t r = iconv(cd_, src_left ? &src : nullptr, &src_left, &dst, &dst_left);
      done = out.size() - dst_left;
      if (r != static_cast<std::size_t>(-1)) {
        if (src_left == 0) break;
        continue;
      }
      if (errno != E2BIG) return std::nullopt;  // EILSEQ or EINVAL: not convertible
      out.resize(out.size() * 2);
    }
    out.resize(done);
    return out;
  }

 private:
  iconv_t cd_;
};

Converter& decoder() {
  thread_local Converter converter("UTF-8", "CP932");
  return converter;
}

Converter& encoder() {
  thread_local Converter converter("CP932", "UTF-8");
  return converter;
}

bool is_ascii(std::string_view bytes) {
  for (const char c : bytes)
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  return true;
}

// Characters that JIS-based software (input methods and editors on this platform) writes
// where the CP932 table has its own code point for the same Shift-JIS code: the wave dash,
// double vertical line, minus, cent, pound, not sign and em dash. They are stored as the
// CP932 characters, which a Shift-JIS file gives back when it is read.
char32_t cp932_form(char32_t c) {
  switch (c) {
    case U'\u301C':  // WAVE DASH -> FULLWIDTH TILDE (0x8160)
      return U'\uFF5E';
    case U'\u2016':  // DOUBLE VERTICAL LINE -> PARALLEL TO (0x8161)
      return U'\u2225';
    case U'\u2212':  // MINUS SIGN -> FULLWIDTH HYPHEN-MINUS (0x817C)
      return U'\uFF0D';
    case U'\u00A2':  // CENT SIGN -> FULLWIDTH CENT SIGN (0x8191)
      return U'\uFFE0';
    case U'\u00A3':  // POUND SIGN -> FULLWIDTH POUND SIGN (0x8192)
      return U'\uFFE1';
    case U'\u00AC':  // NOT SIGN -> FULLWIDTH NOT SIGN (0x81CA)
      return U'\uFFE2';
    case U'\u2014':  // EM DASH -> HORIZONTAL BAR (0x815C)
      return U'\u2015';
    default:
      return c;
  }
}

// Whether one character (already in its CP932 form) is written and read back unchanged.
// Unicode's yen sign and overline are refused: iconv folds them into 0x5C and 0x7E, which
// read back as the backslash and the tilde.
bool round_trips(char32_t c) {
  if (c < 0x80) return true;
  std::string one;
  append_utf8(one, c);
  const std::optional<std::string> bytes = encoder().convert(one);
  if (!bytes) return false;
  const std::optional<std::string> back = decoder().convert(*bytes);
  return back && *back == one;
}

}  // namespace

std::optional<std::string> cp932_to_utf8(std::string_view bytes) {
  if (is_ascii(bytes)) return std::string(bytes);
  return decoder().convert(bytes);
}

std::optional<std::string> utf8_to_cp932(std::string_view utf8, std::u32string* unencodable) {
  if (is_ascii(utf8)) return std::string(utf8);
  std::u32string chars = to_u32(utf8);
  for (char32_t& c : chars) c = cp932_form(c);
  const std::string normalised = to_utf8(chars);
  // The fast path: the whole text converts and reads back as written.
  if (const std::optional<std::string> bytes = encoder().convert(normalised)) {
    const std::optional<std::string> back = decoder().convert(*bytes);
    if (back && *back == normalised) return bytes;
  }
  // Otherwise find the characters at fault, each once, in the order they appear.
  std::u32string bad;
  for (const char32_t c : chars)
    if (!round_trips(c) && bad.find(c) == std::u32string::npos) bad += c;
  // Malformed UTF-8 decodes to U+FFFD, which has no CP932 form and is caught here.
  if (bad.empty()) {
    std::string bytes;
    for (const char32_t c : chars) {
      std::string one;
      append_utf8(one, c);
      bytes += encoder().convert(one).value_or("");
    }
    return bytes;
  }
  if (unencodable) *unencodable += bad;
  return std::nullopt;
}

int cp932_display_width(std::string_view utf8) {
  int width = 0;
  for (std::size_t pos = 0; pos < utf8.size();) {
    const char32_t c = next_char(utf8, pos);
    // The one-byte characters of CP932: ASCII, the half-width katakana, and the yen sign and
    // overline that share 0x5C and 0x7E.
    const bool one_byte =
        c < 0x80 || (c >= 0xFF61 && c <= 0xFF9F) || c == U'\u00A5' || c == U'\u203E';
    width += one_byte ? 1 : 2;
  }
  return width;
}

}  // namespace pelmira
