// Renders the three configuration window variants and the MQTT section to PNG files:
// config-<window>-<scale>x.png in the folder given as the first argument, and the Calendar section alone
// (config-calendar-<scale>x.png), its list read from examples/holidays.ics by the real calendar library.
// Run by scripts/screenshot-config.sh.

#include "config/ui/configuration_window.h"
#include "config/ui/mqtt_settings_window.h"
#include "engine/schedule_records.h"
#include "mainwindow/sun_today_text.h"
#include "platform/drive_map.h"
#include "shell/holidays_ahead.h"

#include "config/settings_table.h"

#include "support/fake_message_boxes.h"
#include "support/fake_time_zone.h"

#include <QApplication>
#include <QDir>

#include <cstdio>

using namespace tavrel;

namespace {

// The path the picture shows; the example calendar is read in its place.
constexpr const char* kShownCalendar = "/etc/tavrel/holidays.ics";

class ExampleCalendarReader final : public CalendarReader {
public:
    explicit ExampleCalendarReader(std::unique_ptr<CalendarReader> real) : real_(std::move(real)) {}
    CalendarFileRecord ReadFile(const std::string& path, const CalendarDate& until) override {
        return real_->ReadFile(path == kShownCalendar ? TAVREL_EXAMPLE_HOLIDAYS : path, until);
    }

private:
    std::unique_ptr<CalendarReader> real_;
};

void Sample(Settings& s, ScheduleTables& t) {
    s.KillMiscButtonName = "Kill";
    s.KillBySignalGoesHigh = kTrue;
    s.KillActionAllOff = 1;
    s.KillMiscEnableDelay = 10;
    s.LogFilePath = "c:\\logs\\";
    s.WarnOverLapTime = 1;
    s.Latitude = "52.52";
    s.Longitude = "13.40";
    s.HolidayFiles = kShownCalendar;
    const char* types[4] = {"CBRelay16A", "CBRelay16B", "8255PortA", "FireCracker"};
    const int32_t bases[4] = {0x300, 0x302, 0x2A0, 2};
    for (int b = 0; b < kBoardSlots; ++b) {
        BoardRecord& r = t.BoardArray[b];
        r.ChipSetType = types[b];
        r.BaseAddress = bases[b];
        r.InputAddress = b < 2 ? bases[b] + 1 : 0;
        r.CntlAddress = b == 2 ? 0x2A3 : b == 3 ? 17 : 0;
        r.PortConfigValue = b == 2 ? 0x89 : 0;
        r.LogBoard = 1;
        r.RunNoBoard = b == 0 ? 1 : 0;
        for (int n = 0; n < kRelaysPerBoard; ++n)
            r.RelayNames[static_cast<size_t>(n)] = "Relay " + std::to_string(n + 1);
    }
    t.BoardArray[0].RelayNames[0] = "Porch Light";
    t.BoardArray[0].RelayNames[1] = "K\xFC" // as the settings keep it: Windows-1252
                                    "che";
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QString folder = argc > 1 ? QString(argv[1]) : QString(".");
    QDir().mkpath(folder);
    const int scale = qRound(app.devicePixelRatio());
    for (ConfigWindow variant :
         {ConfigWindow::frmConfiguration, ConfigWindow::frmConfigBoards, ConfigWindow::frmConfigColors}) {
        Settings settings;
        ScheduleTables tables;
        test::FakeMessageBoxes boxes;
        Sample(settings, tables);
        for (const SettingRow& row : SettingRows())
            if (row.kind == SettingKind::StatusColour || row.kind == SettingKind::GroupColour)
                SetToDefault(row, row.firstRun, {&settings, nullptr, &tables.RelayGroupColors}, 0);
        ConfigurationTargets targets{settings, tables.BoardArray, tables.RelayGroupColors, boxes, {}};
        targets.sunToday = [](double latitude, double longitude) {
            static const FakeTimeZone berlin(3600, true);
            return SunriseSunsetText({latitude, longitude}, {2026, 12, 7}, berlin);
        };
        targets.loadCalendarReader = [](std::string& error) -> std::unique_ptr<CalendarReader> {
            std::unique_ptr<CalendarReader> real = LoadCalendarReader(error);
            if (!real)
                return nullptr;
            return std::make_unique<ExampleCalendarReader>(std::move(real));
        };
        targets.holidaysAhead = [](CalendarReader& reader, const std::string& setting, int count) {
            return ReadHolidaysAhead(reader, setting, DriveMap(QDir::tempPath().toStdString()), {2026, 12, 7},
                                     count);
        };
        ConfigurationDialogModel model(variant, targets);
        ConfigurationWindow window(model, {}, {});
        window.AddMqttButton([](QWidget*) {});
        window.show();
        QApplication::processEvents();
        const QString name = QString("%1/config-%2-%3x.png").arg(folder, model.Layout().name).arg(scale);
        window.grab().save(name);
        std::printf("%s: %dx%d device-independent pixels\n", name.toUtf8().constData(), window.width(),
                    window.height());
        if (auto* calendar = window.findChild<QWidget*>("fraCalendar");
            calendar != nullptr && variant == ConfigWindow::frmConfiguration) {
            const QString section = QString("%1/config-calendar-%2x.png").arg(folder).arg(scale);
            calendar->grab().save(section);
            std::printf("%s\n", section.toUtf8().constData());
        }
    }
    // The MQTT section with a filled-in, secured setup.
    MqttSettings mqtt;
    mqtt.Enabled = true;
    mqtt.Host = "broker.example.lan";
    mqtt.Port = 8883;
    mqtt.ClientId = "tavrel-greenhouse";
    mqtt.TopicPrefix = "tavrel/tavrel-greenhouse";
    mqtt.Username = "relays";
    mqtt.Password = "secret";
    mqtt.TlsCaFile = "/etc/ssl/private/home-ca.crt";
    MqttSettingsModel mqttModel(mqtt, {});
    test::FakeMessageBoxes boxes;
    MqttSettingsWindow mqttWindow(mqttModel, boxes, {}, {});
    mqttWindow.show();
    QApplication::processEvents();
    const QString name = QString("%1/config-frmConfigMqtt-%2x.png").arg(folder).arg(scale);
    mqttWindow.grab().save(name);
    std::printf("%s: %dx%d device-independent pixels\n", name.toUtf8().constData(), mqttWindow.width(),
                mqttWindow.height());
    return 0;
}
