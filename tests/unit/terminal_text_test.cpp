#include <gtest/gtest.h>

#include <cstdlib>

#include "help/texts.h"
#include "terminal/utf8_text.h"

namespace velmora::terminal {
namespace {

TEST(EnvironmentWantsUtf8, ReadsTheFirstSetLocaleVariable) {
  struct Case {
    const char *lc_all, *lc_ctype, *lang;
    bool utf8;
  };
  const Case cases[] = {
      {nullptr, nullptr, "ja_JP.UTF-8", true},   {nullptr, nullptr, "C.utf8", true},
      {nullptr, nullptr, "de_DE.UTF-8@euro", true}, {nullptr, nullptr, "ja_JP.SJIS", false},
      {nullptr, nullptr, "C", false},            {nullptr, nullptr, nullptr, false},
      {"C", nullptr, "ja_JP.UTF-8", false},      {"", "en_US.UTF-8", "C", true},
      {nullptr, "POSIX", "en_US.UTF-8", false},
  };
  for (const auto& c : cases) {
    const auto set = [](const char* name, const char* value) {
      if (value == nullptr) {
        unsetenv(name);
      } else {
        setenv(name, value, 1);
      }
    };
    set("LC_ALL", c.lc_all);
    set("LC_CTYPE", c.lc_ctype);
    set("LANG", c.lang);
    EXPECT_EQ(EnvironmentWantsUtf8(), c.utf8) << (c.lc_all ? c.lc_all : "-") << " " << (c.lc_ctype ? c.lc_ctype : "-")
                                              << " " << (c.lang ? c.lang : "-");
  }
}

TEST(Cp932ToUtf8, ConvertsTheFixedTextsAndReplacesWhatIsNoCharacter) {
  EXPECT_EQ(Cp932ToUtf8(help::text::kListingTitle),
            "\xE3\x82\xB3\xE3\x83\x9E\xE3\x83\xB3\xE3\x83\x89\xE4\xB8\x80\xE8\xA6\xA7");
  EXPECT_EQ(Cp932ToUtf8("OPEN\t"), "OPEN\t");
  EXPECT_EQ(Cp932ToUtf8("a\x81"), "a\xEF\xBF\xBD");
  EXPECT_EQ(Cp932ToUtf8("\xA0z"), "\xEF\xBF\xBDz");
  EXPECT_EQ(Cp932ToUtf8(std::string(3000, 'x')).size(), 3000u);
}

}  // namespace
}  // namespace velmora::terminal
