#include "shell/event_log.h"

#include "support/test_platform.h"

#include <gtest/gtest.h>

namespace tavrel {
namespace {

// The default log folder "c:\" is the drive map's drive C.
TEST(EventLogDrive, DefaultFolderLandsInDriveC) {
    test::TestContext t;
    t.platform.clock.Set(2026, 12, 7, 9, 0, 0);
    t.ctx.settings.LoggingOnOff = kTrue;
    t.ctx.settings.LogFilePath = "c:\\";
    t.ctx.eventLog.WriteEvent("Save", "c:\\New.run");
    EXPECT_EQ(test::ReadWholeFile(t.platform.home.File("drive_c/Tavrel_2026_12_07.Log")),
              "09:00:00 12/7/2026 Save c:\\New.run\r\n");
}

} // namespace
} // namespace tavrel
