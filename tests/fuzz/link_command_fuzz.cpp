// The fallback command for opening the link and the reading of registry string values.
#include "platform/link_command.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

#include "tests/fuzz/fuzz_check.h"

namespace {

void checkCommand(std::string_view openCommand, std::string_view address) {
  const std::string command = platform::linkFallbackCommand(openCommand, address);
  const std::string tail = ' ' + std::string(address);
  FUZZ_CHECK(command.size() >= tail.size() &&
             command.compare(command.size() - tail.size(), tail.size(), tail) == 0);
  // What comes before is the open command cut at its first quoted placeholder, or else at its first bare
  // one, or else the whole of it.
  const std::string_view kept = std::string_view(command).substr(0, command.size() - tail.size());
  FUZZ_CHECK(openCommand.substr(0, kept.size()) == kept);
  const std::string_view rest = openCommand.substr(kept.size());
  FUZZ_CHECK(kept.find("\"%1\"") == std::string_view::npos);
  if (rest.substr(0, 4) != "\"%1\"") {
    FUZZ_CHECK(rest.find("\"%1\"") == std::string_view::npos);
    FUZZ_CHECK(kept.find("%1") == std::string_view::npos);
    FUZZ_CHECK(rest.empty() || rest.substr(0, 2) == "%1");
  }
}

void checkRegistryValue(std::string_view bytes, size_t bufferSize) {
  const std::optional<std::string> value = platform::registryStringValue(bytes, bufferSize);
  const bool readable = bytes.size() <= bufferSize && bytes.find('\0') != std::string_view::npos;
  FUZZ_CHECK(value.has_value() == readable);
  if (value) {
    FUZZ_CHECK(value->find('\0') == std::string::npos);
    FUZZ_CHECK(value->size() < bufferSize);
    FUZZ_CHECK(bytes.substr(0, value->size() + 1) == *value + '\0');
  }
}

}  // namespace

// The input is the open command and the address, split at the first NUL; without one, the first byte
// tells the command's length. The whole input is also a registry read's bytes.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const size_t nul = input.find('\0');
  if (nul != std::string_view::npos) {
    checkCommand(input.substr(0, nul), input.substr(nul + 1));
  } else if (size > 0) {
    const std::string_view rest = input.substr(1);
    const size_t length = std::min<size_t>(data[0], rest.size());
    checkCommand(rest.substr(0, length), rest.substr(length));
  }

  checkRegistryValue(input, 260);
  checkRegistryValue(input, size);
  if (size > 0) {
    checkRegistryValue(input.substr(1), data[0]);
  }
  return 0;
}
