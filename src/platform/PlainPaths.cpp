#include "platform/PlainPaths.h"

namespace platform {

namespace {

thread_local bool plain = false;

}   // namespace

bool plainPaths() { return plain; }
void setPlainPaths(bool on) { plain = on; }

}   // namespace platform
