// The error type that every layer raises for a failed operation.
// Its text is what the default error handler shows the user, unchanged.
#pragma once

#include <stdexcept>
#include <string>

namespace wf {

// A failed operation with a message meant for the user ("Cannot open file /a/b").
// The message is UTF-8.
class Error : public std::runtime_error {
public:
    explicit Error(const std::string& message) : std::runtime_error(message) {}
};

// The system's reason for the last failed call (errno), as the user should read it.
std::string systemReason(int errorNumber);

}  // namespace wf
