// The program-wide Prompter: the real one unless a test has installed another.
#include "platform/ui/Prompter.h"

#include "platform/ui/QtPrompter.h"

namespace wf {

namespace {
Prompter* installed = nullptr;
}

Prompter& prompter() {
    static QtPrompter real;
    return installed ? *installed : real;
}

Prompter* setPrompter(Prompter* p) {
    Prompter* previous = installed;
    installed = p;
    return previous;
}

}  // namespace wf
