#include "platform/Errors.h"

namespace platform {

void RaiseInternalError(const char* expression, const char* file, int line)
{
    throw InternalError(std::string("Internal check failed: ") + expression + ", file " + file +
                        ", line " + std::to_string(line));
}

}  // namespace platform
