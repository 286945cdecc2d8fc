#pragma once

#include <windows.h>

#include <functional>

namespace e2e {

// Handles this thread's messages for the given time: the test's own windows receive their clicks
// only while it does.
void pumpMessagesFor(DWORD milliseconds);

// Pumps messages until the condition holds or the timeout passes; says whether it held.
bool waitUntil(const std::function<bool()>& condition, DWORD timeoutMilliseconds = 5000);

}  // namespace e2e
