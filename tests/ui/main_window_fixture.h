#pragma once
// A configured program on the fake platform with its main window, for the window tests.

#include "mainwindow/ui/frm_relay.h"
#include "shell/startup.h"
#include "shell/ui/qt_tick_host.h"
#include "support/test_platform.h"

#include <functional>
#include <memory>

namespace tavrel::test {

struct MainWindowFixture {
    TestContext t;
    ProgramContext& ctx = t.ctx;
    FakeMessageBoxes& boxes = t.platform.boxes;
    QtTickHost host{ctx};
    std::unique_ptr<frmRelay> window;

    MainWindowFixture() {
        ApplyDefaultConfiguration(ctx);
        ctx.NewConfiguration().ConfigurationSaveToReg();
    }
    // Makes the window, lets `prepare` set its seams, then loads and shows it.
    void OpenWith(const std::function<void(frmRelay&)>& prepare) {
        window = std::make_unique<frmRelay>(ctx, host);
        prepare(*window);
        window->Load();
        window->show();
    }
};

} // namespace tavrel::test
