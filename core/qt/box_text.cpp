#include "core/qt/box_text.h"

namespace pelmira {

QString box_text(std::string_view text) {
  QString out = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  out.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  out.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return out;
}

}  // namespace pelmira
