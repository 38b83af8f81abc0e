// The timing constraints (.sdc).
#include "core/generate/SystemBuild.h"

// Placeholder until the timing writer is built: writes nothing.
bool TSystemBuild::WriteSdc(const TMainBoard&, const std::string&) { return true; }
