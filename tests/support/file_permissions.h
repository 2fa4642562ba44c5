#pragma once
// File permissions that bind every user, the superuser included. Root passes the read and
// search bits of a file's mode through two capabilities (CAP_DAC_OVERRIDE and
// CAP_DAC_READ_SEARCH), so a test that makes a file unreadable with chmod would read it
// anyway when the tests run as root, as they do in CI and on a fresh machine. While an
// object of this class lives, the calling thread goes without those two capabilities, and
// a file of mode 0 is as unreadable to root as to anyone.

namespace pelmira::testing {

class PermissionBitsBindRoot {
 public:
  // Drops the two capabilities from the thread's effective set; a thread without them has
  // nothing to drop. `ok()` tells whether the permission bits now bind.
  PermissionBitsBindRoot();
  // Restores the effective set as it was.
  ~PermissionBitsBindRoot();
  PermissionBitsBindRoot(const PermissionBitsBindRoot&) = delete;
  PermissionBitsBindRoot& operator=(const PermissionBitsBindRoot&) = delete;

  bool ok() const { return ok_; }

 private:
  unsigned effective_[2] = {0, 0};  // the effective set before, in capget's two words
  bool ok_ = false;
  bool dropped_ = false;
};

}  // namespace pelmira::testing
