#include "shell/window_startup.h"

#include "config/configuration.h"
#include "shell/startup.h"
#include "support/fake_port_library.h"
#include "support/test_platform.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

namespace tavrel {
namespace {

class WindowStartupTest : public ::testing::Test {
protected:
    test::TestContext t;
    ProgramContext& ctx = t.ctx;
    test::FakeMessageBoxes& boxes = t.platform.boxes;
    int dialogs = 0;
    std::vector<std::string> steps;

    StartupSteps Steps() {
        return {[this] { steps.push_back("splash"); },
                [this] {
                    ++dialogs;
                    steps.push_back("configure");
                    ApplyDefaultConfiguration(ctx);
                    ctx.NewConfiguration().ConfigurationSaveToReg();
                    return true;
                },
                [this] { steps.push_back("kill window"); }};
    }
};

TEST_F(WindowStartupTest, FirstRunAsksOpensTheDialogAndChecksAgain) {
    ctx.portAccess.ClosePortLibrary();
    boxes.setNextAnswer(MsgResult::Ok);
    EXPECT_EQ(RunWindowStartup(ctx, false, Steps()), StartupOutcome::Run);
    ASSERT_EQ(boxes.Count(), 1u);
    EXPECT_EQ(boxes.Last().icon, MsgIcon::Error);
    EXPECT_EQ(boxes.Last().buttons, MsgButtons::OkCancel);
    EXPECT_EQ(boxes.Last().Text(), "Tavrel is not Configured!\r\nYou MUST Configure Now\r\nBe sure to SAVE "
                                   "Configuration, \r\n      Even if you simply accept all defaults!\r\n You "
                                   "will be able to change the configuration, later");
    EXPECT_EQ(steps, (std::vector<std::string>{"splash", "configure"}));
    EXPECT_EQ(ctx.settings.ConfigVersion, kConfigVersionTag);
    EXPECT_TRUE(ctx.portAccess.PortLibraryReady());
}

// Settings kept aside as damaged: the question before the configuration says where they are.
TEST_F(WindowStartupTest, ADamagedCopyIsNamedBeforeTheConfigurationOpens) {
#ifdef _WIN32
    GTEST_SKIP() << "the Windows registry keeps no copies aside";
#endif
    const std::string copy = t.platform.home.File("registry/HKEY_LOCAL_MACHINE.reg.damaged-20261201-120000");
    std::filesystem::create_directories(t.platform.home.File("registry"));
    test::WriteWholeFile(copy, "Windows Registry Editor Version 5.00\r\n[HKEY");
    boxes.setNextAnswer(MsgResult::Ok);
    EXPECT_EQ(RunWindowStartup(ctx, false, Steps()), StartupOutcome::Run);
    ASSERT_GE(boxes.Count(), 1u);
    const std::string text = boxes.Shown()[0].Text();
    EXPECT_NE(text.find("HKEY_LOCAL_MACHINE.reg could not be read"), std::string::npos) << text;
    EXPECT_NE(text.find("They are kept as " + copy), std::string::npos) << text;
    EXPECT_NE(text.find("Tavrel is not Configured!"), std::string::npos) << text;
    EXPECT_EQ(steps, (std::vector<std::string>{"splash", "configure"}));
}

TEST_F(WindowStartupTest, CancelEndsBeforeAnyPortIsOpened) {
    ctx.portAccess.ClosePortLibrary();
    boxes.setNextAnswer(MsgResult::Cancel);
    EXPECT_EQ(RunWindowStartup(ctx, false, Steps()), StartupOutcome::ConfigurationRefused);
    EXPECT_EQ(dialogs, 0);
    EXPECT_FALSE(ctx.portAccess.PortLibraryReady());
}

TEST_F(WindowStartupTest, AnotherVersionForMoreBoardsSaysSoAndASecondCopyIsWarnedOf) {
    ctx.regApi.SetNewValue(kHkeyLocalMachine, kConfigKey, "String", "ConfigVersion",
                           "FV.2003.01.01|.b3.r7.t5", true);
    boxes.setNextAnswer(MsgResult::Ok);
    boxes.setNextAnswer(MsgResult::Ok);
    EXPECT_EQ(RunWindowStartup(ctx, true, Steps()), StartupOutcome::Run);
    ASSERT_EQ(boxes.Count(), 2u);
    EXPECT_EQ(boxes.Shown()[0].lines[0], "You are attempting to run more then one copy of Tavrel , Doing so "
                                         "will cause unreliable performance.");
    EXPECT_EQ(boxes.Shown()[1].icon, MsgIcon::Information);
    EXPECT_EQ(boxes.Shown()[1].lines[1],
              "Your Configuration is for more boards then this program will support");
    EXPECT_EQ(boxes.Shown()[1].lines[2], "The additional board information will be removed");
    EXPECT_EQ(steps, (std::vector<std::string>{"splash", "configure"})) << "no kill window by default";
}

TEST(WindowStartupPortsTest, APortLayerFailureEndsStartUpWithItsMessageAndNoRelayTouched) {
    test::TestPlatform platform;
    auto failing = std::make_unique<test::FakePortLibrary>();
    failing->initializeResults = {false, false};
    test::FakePortLibrary& ports = *failing;
    platform.ports = std::move(failing);
    ProgramContext ctx(platform.Services());
    ApplyDefaultConfiguration(ctx);
    ctx.schedule.BoardArray[0].RunNoBoard = 0;
    ctx.settings.KillByButton = 1;
    ctx.NewConfiguration().ConfigurationSaveToReg();
    bool killWindow = false;
    StartupSteps steps;
    steps.showKillWindow = [&] { killWindow = true; };
    EXPECT_EQ(RunWindowStartup(ctx, false, steps), StartupOutcome::PortLayerFailed);
    ASSERT_EQ(platform.boxes.Count(), 1u);
    EXPECT_EQ(platform.boxes.Last().title, "Tavrel, WinIO Initialize");
    EXPECT_EQ(platform.boxes.Last().lines.front(), "Whoops ! There is a problem with InitializeWinIo.");
    EXPECT_TRUE(ports.bytes.empty()) << "no port written";
    EXPECT_FALSE(killWindow);
}

} // namespace
} // namespace tavrel
