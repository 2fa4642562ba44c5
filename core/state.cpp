#include "core/state.h"

#include <ctime>

namespace pelmira {

LocalDateTime system_now() {
  const std::time_t t = std::time(nullptr);
  std::tm local{};
  localtime_r(&t, &local);
  return LocalDateTime{static_cast<i16>(local.tm_year + 1900), static_cast<i16>(local.tm_mon + 1),
                       static_cast<i16>(local.tm_mday),        static_cast<i16>(local.tm_hour),
                       static_cast<i16>(local.tm_min),         static_cast<i16>(local.tm_sec)};
}

Clock fixed_clock(LocalDateTime at) {
  return [at] { return at; };
}

}  // namespace pelmira
