#pragma once

#include <QTextStream>

#include "cli/cli_options.h"

// Runs one parsed command; returns the exit status (0 done, 2 input refused, 3 output failed,
// 1 a usage error found while running, such as a bad OP).
int RunCli(const CliOptions& options, QTextStream& out, QTextStream& err);
