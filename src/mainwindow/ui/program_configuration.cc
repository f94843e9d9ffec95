#include "mainwindow/ui/program_configuration.h"

#include "config/ui/mqtt_settings_window.h"
#include "config/ui/open_configuration.h"
#include "formutil/ui/window_placement_ui.h"
#include "mainwindow/sun_today_text.h"
#include "mqtt/connection_check.h"
#include "mqtt/mqtt_settings.h"
#include "platform/environment.h"
#include "platform/host_name.h"
#include "shell/holiday_service.h"
#include "shell/holidays_ahead.h"
#include "shell/mqtt_service.h"
#include "shell/program_context.h"
#include "shell/startup.h"

#include <QFileDialog>

#include <chrono>

namespace tavrel {

namespace {

// Long enough for a broker across the internet; short enough that the user is not left waiting.
constexpr std::chrono::milliseconds kConnectionTestLimit{8000};

bool OpenWith(ProgramContext& ctx, const RunningServices& running, bool nothingStored, QWidget* parent) {
    ConfigurationTargets targets{ctx.settings,
                                 ctx.schedule.BoardArray,
                                 ctx.schedule.RelayGroupColors,
                                 ctx.boxes,
                                 [&ctx, running] {
                                     ctx.NewConfiguration().ConfigurationSaveToReg();
                                     SettingsSaved(running);
                                 },
                                 nothingStored};
    targets.sunToday = [&ctx](double latitude, double longitude) {
        return SunriseSunsetText({latitude, longitude}, ctx.clock.Today(), ctx.clock.Zone());
    };
    targets.loadCalendarReader = LoadCalendarReader;
    targets.holidaysAhead = [&ctx](CalendarReader& reader, const std::string& setting, int count) {
        return ReadHolidaysAhead(reader, setting, ctx.drives, ctx.clock.Today(), count);
    };
    ConfigurationExtras extras;
    extras.keepPlacement = [&ctx](QWidget& window, const std::string& name) {
        KeepWindowPlacement(window, ctx.regApi, name);
    };
    extras.openMqtt = [&ctx, running](QWidget* owner) { OpenMqttConfiguration(ctx, running, owner); };
    return OpenConfiguration(
        targets, [&ctx](int board) { ctx.boards.InvalidateBoard(board); }, DefaultTavrelHome(), parent,
        extras);
}

} // namespace

void SettingsSaved(const RunningServices& running) {
    if (running.mqtt != nullptr)
        running.mqtt->Reload();
    if (running.holidays != nullptr)
        running.holidays->Load();
}

void OpenMqttConfiguration(ProgramContext& ctx, const RunningServices& running, QWidget* parent) {
    MqttSettingsModel model(
        LoadMqttSettings(ctx.regApi, HostName()),
        [&ctx, running](const MqttSettings& now, const std::vector<const SettingRow*>& changed) {
            const bool wasEnabled = LoadMqttSettings(ctx.regApi, HostName()).Enabled;
            for (const SettingRow* row : changed)
                SaveMqttSetting(ctx.regApi, *row, now);
            // Switched on here for the first time: the box gets a ClientId of its own, as from --config.
            StoreClientIdOnFirstEnable(ctx.regApi, wasEnabled, HostName());
            SettingsSaved(running);
        });
    MqttSettingsWindow window(
        model, ctx.boxes,
        [](const MqttSettings& settings) {
            return CheckMqttConnection(settings, LoadMqttClient, kConnectionTestLimit).text;
        },
        [](const QString& current, QWidget* owner) {
            return QFileDialog::getOpenFileName(owner, "TLS Certificate Authority File", current,
                                                "Certificates (*.crt *.pem);;All files (*)");
        },
        parent);
    KeepWindowPlacement(window, ctx.regApi, window.objectName().toStdString());
    window.exec();
}

bool OpenProgramConfiguration(ProgramContext& ctx, const RunningServices& running, QWidget* parent) {
    return OpenWith(ctx, running, false, parent);
}

bool ConfigureFromScratch(ProgramContext& ctx, QWidget* parent) {
    ApplyDefaultConfiguration(ctx);
    // Before the program runs there is no link to restart: the settings are read when it starts.
    return OpenWith(ctx, {}, true, parent);
}

} // namespace tavrel
