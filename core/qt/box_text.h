#pragma once
// Texts for Qt's boxes and labels. The system writes its texts in UTF-8 with CR LF line
// breaks; Qt breaks lines at "\n" only.

#include <QString>

#include <string_view>

namespace pelmira {

// UTF-8 text as a QString, unchanged.
QString from_utf8(std::string_view text);

// UTF-8 text with CR LF (or lone CR) line ends turned into "\n".
QString box_text(std::string_view text);

}  // namespace pelmira
