// The error type of all layers, and the text of a system error number.
#include "platform/Error.h"

#include <cstring>

namespace wf {

std::string systemReason(int errorNumber) {
    return std::strerror(errorNumber);
}

}  // namespace wf
