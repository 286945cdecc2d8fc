#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// The command that opens a web address when the shell will not: the "open" command registered for .htm
// files, cut where its "%1" (or else its bare %1) begins, followed by a space and the address.
std::string linkFallbackCommand(std::string_view openCommandTemplate, std::string_view address);

// The text of a registry string value read into a buffer of bufferSize bytes, given the bytes the read
// returned. A value that did not fit, or lacks its terminating NUL, is not readable.
std::optional<std::string> registryStringValue(std::string_view bytes, size_t bufferSize = 260);

}  // namespace platform
