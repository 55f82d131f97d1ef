// Result codes of the backup component and the French message that goes with each one.
//
// Every backup or restore ends as exactly one of these values: the component hands it with its
// message to its error or end event and returns it. Other programs match the messages back to
// codes, so the texts stand as they are.
#pragma once

#include <string>
#include <string_view>

enum BR_CODETag : int {
    BR_OK = 0,
    BR_REDO = 1,
    BR_STOP = 2,
    BR_ERR_ACTION_CANCELED = 3,
    BR_ERR_EXHAUSTED_MEMORY = 4,
    BR_ERR_BR_PATH_NOT_FOUND = 5,
    BR_ERR_NO_SRC_FILE_TO_BACKUP = 6,
    BR_ERR_TMP_FILE_ACCESS_IO_ERROR = 7,
    BR_ERR_IMPLODING_FILE = 8,
    BR_ERR_EXPLODING_FILE = 9,
    BR_ERR_DEST_FILE_WRITE_ERROR = 10,
    BR_ERR_SRC_FILE_READ_ERROR = 11,
    BR_ERR_SRC_FILE_DELETED_DURING_BACKUP = 12,
    BR_ERR_BR_FILE_CORRUPTED = 13,
    BR_ERR_DRIVE_UNKNOW = 14,
    BR_ERR_DRIVE_PROTECT = 15,
    BR_ERR_DRIVE_OUTOFSPACE = 16,
};
using BR_CODE = BR_CODETag;

namespace kvarn::backup {

inline constexpr int kCodeCount = 17;

// The message of a code; the empty text for a value outside the enumeration.
const std::string& MessageOf(BR_CODE code);

// The code whose message is exactly `message`; BR_OK when none is.
BR_CODE CodeOf(std::string_view message);

}  // namespace kvarn::backup
