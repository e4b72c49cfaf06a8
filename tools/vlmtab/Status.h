#pragma once
// Exit statuses of vlmtab, returned by every command function.

namespace vlmtab {

enum Status : int {
    Erfolg = 0,
    Fehlschlag = 1,   // the message names the file and record
    Aufruffehler = 2, // the command line itself is wrong
};

} // namespace vlmtab
