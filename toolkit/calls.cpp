#include "toolkit/calls.h"

namespace toolkit {

Calls& Live() {
    static Calls calls;
    return calls;
}

}  // namespace toolkit
