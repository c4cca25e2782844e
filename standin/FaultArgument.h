#pragma once

#include "standin/StandinServer.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace standin {

// One fault asked for on the command line as PATH=KIND[:MS], for example
// "/index.php/logo2/Save_logo_file=drop" or "/index.php/Step1=delay:5000".
// MS is the wait of "delay" (three seconds when left out), the pause between
// the 64 KiB blocks of "endless" (16 ms) and between the bytes of "trickle"
// (one second).
struct FaultArgument {
    std::string path;
    Fault fault = Fault::None;
    int delayMs = 0;

    // Nothing when the text has no path, names no known kind, or carries a
    // delay that is not a whole number of milliseconds up to ten minutes.
    static std::optional<FaultArgument> parse(const std::string& text);
};

// Every fault kind by its command-line name, in the order `--help` lists them.
const std::vector<std::pair<std::string, Fault>>& faultKinds();

} // namespace standin
