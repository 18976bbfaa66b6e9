// Pieces of FtpClient shared by its source files; not for users of the class.
#pragma once

#include <QElapsedTimer>
#include <QIODevice>
#include <functional>

#include "ftp/FtpClient.h"

namespace sorxfer {

// Guards one operation: the client must be logged in and idle. It marks the client busy and
// makes it ready again however the operation ends (unless the connection went meanwhile).
class FtpClient::Operation {
  public:
    Operation(FtpClient& client, State busyState);
    ~Operation();
    Operation(const Operation&) = delete;
    Operation& operator=(const Operation&) = delete;

  private:
    FtpClient& client_;

  public:
    const quint64 generation;  // abort() after the start changes the client's generation
};

// What one listing, download or upload needs to run.
struct FtpClient::Transfer {
    CmdType kind = CmdType::List;
    QByteArray command;              // "LIST", "RETR name", "STOR name"
    QIODevice* sink = nullptr;       // receives the data (listing buffer, download file)
    QIODevice* source = nullptr;     // supplies the data (upload file)
    qint64 limit = 0;                // most bytes a listing may have
    std::function<void()> complete;  // runs after the server confirmed, before success
    QElapsedTimer sinceProgress;
};

}  // namespace sorxfer
