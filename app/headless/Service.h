// The front-ends without a window: one cycle (--once) and the service (--headless).
#pragma once

#include "app/Engine.h"

namespace talver {

// Start-up without the pauses, one acquisition cycle, and back. Non-zero when the database
// cannot be opened.
int RunOnce(const EngineOptions& options);

// The engine with its timers until SIGTERM or SIGINT, then the exit sequence.
int RunHeadless(int argc, char** argv, const EngineOptions& options);

}  // namespace talver
