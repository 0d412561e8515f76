#include "platform/calls.h"

namespace platform {

Calls& Live() {
    static Calls calls;
    return calls;
}

}  // namespace platform
