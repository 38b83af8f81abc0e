// The HTML pin report (.htm).
#include "core/generate/SystemBuild.h"

// Placeholder until the report writer is built: writes nothing.
bool TSystemBuild::WriteHtmlReport(const TMainBoard&, const std::string&) { return true; }
