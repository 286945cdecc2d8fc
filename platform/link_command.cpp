#include "platform/link_command.h"

namespace platform {

std::string linkFallbackCommand(std::string_view openCommandTemplate, std::string_view address) {
  // The quoted placeholder goes first so its quote is cut along with it; the space before it stays.
  size_t cut = openCommandTemplate.find("\"%1\"");
  if (cut == std::string_view::npos) {
    cut = openCommandTemplate.find("%1");
  }
  std::string command(openCommandTemplate.substr(0, cut));
  command += ' ';
  command += address;
  return command;
}

std::optional<std::string> registryStringValue(std::string_view bytes, size_t bufferSize) {
  if (bytes.size() > bufferSize) {
    return std::nullopt;
  }
  const size_t end = bytes.find('\0');
  if (end == std::string_view::npos) {
    return std::nullopt;
  }
  return std::string(bytes.substr(0, end));
}

}  // namespace platform
