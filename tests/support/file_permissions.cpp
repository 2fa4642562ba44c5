#include "support/file_permissions.h"

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace pelmira::testing {
namespace {

// The two capabilities that let a process read past a file's mode bits.
constexpr unsigned kOverrides[] = {CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH};

// capget and capset for the calling thread, with version 3's two words of each set. glibc
// wraps neither, so they are called through syscall().
bool get_sets(__user_cap_data_struct (&data)[2]) {
  __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
  return ::syscall(SYS_capget, &header, data) == 0;
}

bool set_sets(__user_cap_data_struct (&data)[2]) {
  __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
  return ::syscall(SYS_capset, &header, data) == 0;
}

}  // namespace

PermissionBitsBindRoot::PermissionBitsBindRoot() {
  __user_cap_data_struct data[2] = {};
  if (!get_sets(data)) return;
  effective_[0] = data[0].effective;
  effective_[1] = data[1].effective;
  bool held = false;
  for (const unsigned cap : kOverrides) {
    const unsigned bit = 1u << (cap % 32);
    held = held || (data[cap / 32].effective & bit) != 0;
    data[cap / 32].effective &= ~bit;
  }
  if (!held) {
    ok_ = true;
    return;
  }
  dropped_ = set_sets(data);
  ok_ = dropped_;
}

PermissionBitsBindRoot::~PermissionBitsBindRoot() {
  if (!dropped_) return;
  __user_cap_data_struct data[2] = {};
  if (!get_sets(data)) return;
  data[0].effective = effective_[0];
  data[1].effective = effective_[1];
  set_sets(data);
}

}  // namespace pelmira::testing
