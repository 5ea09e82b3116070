#pragma once

// What cardctl's exit status tells a script.
enum ExitStatus : int {
    kExitDone = 0,           // every card of the job done
    kExitNotConfirmed = 1,   // some written card was not confirmed by the device
    kExitBadInput = 2,       // bad arguments or a bad input file; nothing reached the device
    kExitDeviceFailure = 3,  // the profile or the port failed
    kExitOutputFailed = 4,   // cards went out, but an output file could not be written
    kExitProfileWarnings = 5,  // `cardctl profile` found problems in the profile
    kExitHungUp = 129,       // stopped by SIGHUP (its terminal went away), 128 + 1
    kExitStopped = 130,      // stopped by Ctrl+C, or standard output was closed
    kExitTerminated = 143,   // stopped by SIGTERM, as the shell reports 128 + 15
};
