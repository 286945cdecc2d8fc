#include "platform/link_command.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace platform {
namespace {

TEST(LinkCommandTest, CutsTheOpenCommandAtItsPlaceholderAndAppendsTheAddress) {
  const struct {
    std::string openCommand;
    std::string command;
  } cases[] = {
      {R"("C:\b.exe" -url "%1")", R"("C:\b.exe" -url  https://x/)"},
      {R"("C:\Program Files\Browser\browser.exe" -osint -url "%1")",
       R"("C:\Program Files\Browser\browser.exe" -osint -url  https://x/)"},
      {R"(C:\b.exe %1)", R"(C:\b.exe  https://x/)"},
      {R"(C:\b.exe "%1" -new "%1")", R"(C:\b.exe  https://x/)"},
      {R"(C:\b.exe %1 "%1")", R"(C:\b.exe %1  https://x/)"},  // the quoted form is looked for first
      {R"(C:\b.exe %1 -tab %1)", R"(C:\b.exe  https://x/)"},
      {R"(C:\b.exe -url "%1)", R"(C:\b.exe -url " https://x/)"},  // no closing quote: bare %1
      {R"("%1")", " https://x/"},
      {R"(C:\b.exe)", R"(C:\b.exe https://x/)"},
      {R"(C:\b.exe "%2")", R"(C:\b.exe "%2" https://x/)"},
      {"", " https://x/"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.openCommand);
    EXPECT_EQ(linkFallbackCommand(c.openCommand, "https://x/"), c.command);
  }
}

TEST(LinkCommandTest, RegistryValueIsReadableOnlyWhenItFitsWithItsNul) {
  using namespace std::string_literals;
  const std::string longest = std::string(259, 'a');
  const struct {
    const char* name;
    std::string bytes;
    std::optional<std::string> value;
  } cases[] = {
      {"terminated", "C:\\b.exe\0"s, "C:\\b.exe"},
      {"text after the first NUL", "ab\0cd\0"s, "ab"},
      {"only the NUL", "\0"s, ""},
      {"260 bytes ending in NUL", longest + '\0', longest},
      {"261 bytes", longest + "a\0"s, std::nullopt},
      {"261 bytes with an early NUL", "a\0"s + std::string(259, 'a'), std::nullopt},
      {"no NUL", "C:\\b.exe", std::nullopt},
      {"260 bytes without NUL", longest + 'a', std::nullopt},
      {"empty", "", std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(registryStringValue(c.bytes), c.value);
  }
  EXPECT_EQ(registryStringValue("abc\0"s, 4), "abc");
  EXPECT_EQ(registryStringValue("abc\0"s, 3), std::nullopt);
}

}  // namespace
}  // namespace platform
