#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "startup/Form.h"
#include "startup/Session.h"
#include "startup/ext.h"
#include "startup/frmKludge.h"
#include "tests/support/TempFolder.h"
#include "tests/win/support/WinTestSupport.h"

namespace {

// Other instances are seen only through their top-level windows, so the
// test stands them in with real windows of the same kind.
class OtherWindow : public Form {
 public:
  explicit OtherWindow(const char* caption) { CreateForm(caption, WS_OVERLAPPED, 0, 0, 0, 0, 0); }
};

class InstanceLimitTest : public ::testing::Test {
 protected:
  void SetUp() override { folder.Write("letloom.ini", "[Letloom]\r\nLogging=1\r\n"); }

  void StartOtherInstances(int count) {
    for (int i = 0; i < count; ++i) {
      others.push_back(std::make_unique<frmKludge>());
      ASSERT_TRUE(others.back()->Load());
    }
  }
  std::vector<std::string> Log() const { return ReadLines(folder.File("ltlog.txt")); }

  TempFolder folder;
  MessageRecorder messages;
  std::vector<std::unique_ptr<frmKludge>> others;
};

TEST_F(InstanceLimitTest, TheTwentiethInstanceRuns) {
  StartOtherInstances(19);
  EXPECT_EQ(LetterloomEntry("/P /I", folder.path()), EntryOutcome::Ended);
  EXPECT_EQ(gInstanceCount, 20);
  EXPECT_EQ(Log().back().rfind("Letterloom shutdown", 0), 0u);
}

TEST_F(InstanceLimitTest, TheTwentyFirstGetsTheNoticeAndEndsWithoutShutdownLine) {
  StartOtherInstances(20);
  EXPECT_EQ(LetterloomEntry("/P /I", folder.path()), EntryOutcome::EndedSilently);
  EXPECT_EQ(gInstanceCount, 21);
  ASSERT_EQ(messages.messages().size(), 1u);
  const MessageRequest& notice = messages.messages()[0];
  EXPECT_EQ(notice.title, "Letterloom Loader X");
  EXPECT_EQ(notice.text,
            "No more than 20 copies of Letterloom can be loaded at once.\r\r"
            "Please shut down other copies. - 21");
  EXPECT_EQ(notice.flags, static_cast<UINT>(MB_OK | MB_ICONWARNING));
  EXPECT_EQ(Log().back(), "Startup parameter - /P /I");
}

TEST_F(InstanceLimitTest, NoSecondNoticeWhileOneIsOnScreen) {
  StartOtherInstances(20);
  OtherWindow notice("Letterloom Loader X");
  EXPECT_EQ(LetterloomEntry("C:\\x.ttf", folder.path()), EntryOutcome::EndedSilently);
  EXPECT_TRUE(messages.messages().empty());
}

TEST_F(InstanceLimitTest, MarkerCaptionOnAnotherClassDoesNotCount) {
  StartOtherInstances(19);
  HWND stranger = CreateWindowExA(0, "STATIC", "Letterloom Thingy", WS_POPUP, 0, 0, 0, 0, nullptr,
                                  nullptr, GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(stranger, nullptr);
  EXPECT_EQ(LetterloomEntry("/P /I", folder.path()), EntryOutcome::Ended);
  EXPECT_EQ(gInstanceCount, 20);
  DestroyWindow(stranger);
}

TEST_F(InstanceLimitTest, APrintOrInstallWindowOnScreenDropsLaterRequestsSilently) {
  const struct {
    const char* window;
    const char* commandLine;
    EntryOutcome outcome;
  } cases[] = {
      {"Letterloom - Print", "/P C:\\x.ttf", EntryOutcome::EndedSilently},
      {"Letterloom - Print", "/i C:\\x.ttf", EntryOutcome::EndedSilently},
      {"Install Letterloom", "/p C:\\x.ttf", EntryOutcome::EndedSilently},
      // Viewing is never blocked, and a caption needs both words.
      {"Letterloom - Print", "C:\\x.ttf", EntryOutcome::Ended},
      {"Print", "/P C:\\x.ttf", EntryOutcome::Ended},
  };
  for (const auto& c : cases) {
    OtherWindow window(c.window);
    EXPECT_EQ(LetterloomEntry(c.commandLine, folder.path()), c.outcome)
        << c.window << " / " << c.commandLine;
    const bool endedOk = Log().back().rfind("Letterloom shutdown", 0) == 0;
    EXPECT_EQ(endedOk, c.outcome == EntryOutcome::Ended) << c.window << " / " << c.commandLine;
  }
}

TEST_F(InstanceLimitTest, TheRunsOwnMarkerWindowIsGoneAfterTheEnd) {
  LetterloomEntry("/P /I", folder.path());
  EXPECT_EQ(FindWindowA(kFormClass, "Letterloom Thingy"), nullptr);
}

}  // namespace
