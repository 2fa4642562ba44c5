#include "people/file_errors.h"

#include <cerrno>
#include <cstring>
#include <string>

namespace pelmira {

RuntimeError file_error(int system_error, FileAction action) {
  switch (system_error) {
    case ENOENT:
      // Writing creates the file, so only its folder can be missing.
      return RuntimeError(action == FileAction::kRead ? err::kFileNotFound : err::kPathNotFound);
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP:
      return RuntimeError(err::kPathNotFound);
    case EISDIR:
      return RuntimeError(err::kPathFileAccess, "フォルダーが指定されました。");
    case EACCES:
    case EPERM:
    case EROFS:
    case ETXTBSY:
      return action == FileAction::kRead
                 ? RuntimeError(err::kPermissionDenied, "ファイルを読み込む権限が有りません。")
                 : RuntimeError(err::kPathFileAccess, "ファイルに書き込めません。");
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
      return RuntimeError(err::kDiskFull);
    case EIO:
      return RuntimeError(err::kDiskNotReady, "入出力エラーが発生しました。");
    default:
      return RuntimeError(err::kPathFileAccess, std::string("ファイルを扱えません。(") +
                                                    std::strerror(system_error) + ")");
  }
}

}  // namespace pelmira
