// The default error handler.
#include "platform/ui/ErrorHandler.h"

#include "platform/ui/Prompter.h"

#include <exception>

namespace wf {

bool runGuarded(const std::function<void()>& command) {
    try {
        command();
        return true;
    } catch (const std::exception& e) {
        prompter().error(QString::fromUtf8(e.what()));
    } catch (...) {
        prompter().error(QStringLiteral("Unknown error"));
    }
    return false;
}

}  // namespace wf
