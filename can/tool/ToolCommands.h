#pragma once
// The commands of quil-can. Each runs the event loop until it is done (the
// monitor and the node until the program is stopped) and returns the exit code.

#include "can/tool/ToolOptions.h"

int RunMonitor(const TToolOptions& options);
int RunDownload(const TToolOptions& options);
int RunUpload(const TToolOptions& options);
int RunNode(const TToolOptions& options);
