// The error an FTP operation ends with.
#pragma once

#include <QString>

#include "platform/Error.h"

namespace sorxfer {

// What an FTP operation reports as its kind in the success and failure events.
enum class CmdType : int {
    ChangeDir = 0,
    MakeDir = 1,
    Delete = 2,
    RemoveDir = 3,
    List = 4,
    Rename = 5,
    Download = 8,
    Upload = 9,
    Other = 14,  // the transfer type, and every other command
    CurrentDir = 15,
};

// A failed FTP operation. The message is the user's text: the server's reply line for a
// refused command, else what went wrong ("Not Connected", "Connection Timed out").
class FtpError : public wf::Error {
  public:
    enum class Reason {
        Refused,  // the server answered with a failure reply
        NotConnected,
        Busy,      // another operation of this client is still running
        Connect,   // the connection could not be made (host, timeout, refused, cancelled)
        Timeout,   // the server stopped answering
        Protocol,  // garbled, truncated or hostile reply; the connection was closed
        Closed,    // the control connection closed under the operation
        Aborted,   // abort() ended the operation
        Local,     // a local file or an argument that cannot be used
    };

    FtpError(Reason reason, const QString& message)
        : wf::Error(message.toStdString()), reason_(reason) {}
    Reason reason() const { return reason_; }

  private:
    Reason reason_;
};

}  // namespace sorxfer
