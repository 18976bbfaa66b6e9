// The hourglass while a command waits for the server or the disk; the cursor comes back
// however the scope ends.
#pragma once

#include <QApplication>

namespace sorxfer {

class WaitCursor {
  public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

}  // namespace sorxfer
