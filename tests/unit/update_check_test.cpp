#include "help/update_check.h"

#include <gtest/gtest.h>

#include "ground/regex_engine.h"
#include "ports/settings_store.h"

namespace orvelis {
namespace {

class UpdateReply : public ::testing::Test {
 protected:
  std::optional<std::string> Ask(const std::string& reply) { return UpdateQuestion(regex, reply, {3, 4}, {1, 2}); }
  RegexEngine regex;
};

TEST_F(UpdateReply, ANewerTextAlone) {
  EXPECT_EQ(Ask("v=3.4 t=1.3"), "Доступна новая версия текста книги - 1.3     \r\n\r\nПерейти на сайт обновлений ?");
}

TEST_F(UpdateReply, ANewerProgramAlone) {
  EXPECT_EQ(Ask("v=4.0 t=1.2"), "Доступна новая версия приложения - 4.0     \r\n\r\nПерейти на сайт обновлений ?");
}

TEST_F(UpdateReply, BothNewer) {
  EXPECT_EQ(Ask("  v=3.5 t=2.0\n"),
            "Доступна новая версия приложения - 3.5     \r\nДоступна новая версия текста книги - 2.0     \r\n\r\n"
            "Перейти на сайт обновлений ?");
}

TEST_F(UpdateReply, OlderEmptyOrUnreadableRepliesAskNothing) {
  EXPECT_EQ(Ask("v=3.3 t=1.1"), std::nullopt);
  EXPECT_EQ(Ask(""), std::nullopt);
  EXPECT_EQ(Ask("   "), std::nullopt);
  EXPECT_EQ(Ask("<html>Not found</html>"), std::nullopt);
  EXPECT_EQ(Ask("v=. t=."), std::nullopt);
  EXPECT_EQ(Ask("v=3.4 t=0.9"), std::nullopt);
  // The text rule of the reply: a newer minor counts only when the major is not below ours.
  EXPECT_EQ(Ask("t=0.5"), std::nullopt);
}

TEST(UpdateAddresses, TheSiteComesFromTheBuildOrTheSettings) {
  MemorySettingsStore settings;
  // Whatever site this build was configured with, without the slashes that may end it.
  std::string configured = ORVELIS_CONFIGURED_WEB_SITE;
  while (!configured.empty() && configured.back() == '/') configured.pop_back();
  // An empty one is no site at all: the window then offers nothing that needs it.
  EXPECT_EQ(WebSiteAddress(settings), configured);
  settings.Write("site", "http://127.0.0.1:8080/");
  EXPECT_EQ(WebSiteAddress(settings), "http://127.0.0.1:8080");
  EXPECT_EQ(UpdatePageAddress("http://x", {3, 4}, {1, 2}), "http://x/book/local_ver/chk.asp?v=3.4&t=1.2");
}

}  // namespace
}  // namespace orvelis
