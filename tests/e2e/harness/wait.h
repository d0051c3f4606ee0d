// Waiting for something the program does in its own process: poll a
// condition until it holds or the time is up. The driver's thread has no
// windows of its own to serve (the tray host runs on its own thread), so a
// plain sleep between polls is enough.
//
// Durations are a plain count, not std::chrono: <chrono> of this compiler
// holds a "µs" literal that cannot be converted to the GBK execution
// character set every target is built with.
#pragma once

#include <functional>

namespace tq::e2e {

struct Milliseconds {
    unsigned long count;
};

// Start-up under Wine takes longest on the first run of a prefix.
constexpr Milliseconds kStartTimeout{20000};
// Any single reaction of the program to a message or a click.
constexpr Milliseconds kStepTimeout{5000};
// How long the program may take to end after it has been asked to.
constexpr Milliseconds kExitTimeout{5000};

// True as soon as `condition` holds; false when `timeout` passed first.
bool wait_until(const std::function<bool()>& condition, Milliseconds timeout = kStepTimeout);

// Lets `duration` pass while checking that `condition` keeps holding; false
// at the first poll where it does not. For "nothing else happens" checks.
bool holds_for(const std::function<bool()>& condition, Milliseconds duration);

}  // namespace tq::e2e
