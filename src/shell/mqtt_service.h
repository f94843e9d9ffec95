#pragma once
// The program's MQTT link as a service both programs run the same way: started from the stored settings,
// restarted when a reload finds them changed, stopped at the end. With MQTT off (the default) no link is
// made and no library is loaded. The tick hosts call its three hooks; each does nothing without a link.

#include "mqtt/mqtt_link.h"
#include "mqtt/mqtt_settings.h"

#include <functional>
#include <memory>
#include <string>

namespace tavrel {

struct Holiday;
struct ProgramContext;
class TickHost;

enum class MqttLinkState { Off, Connected, Retrying };

class MqttService {
public:
    // `notice` receives each line the link writes to the event log (null: the log only).
    MqttService(ProgramContext& ctx, std::function<void(const std::string&)> notice);
    ~MqttService();
    MqttService(const MqttService&) = delete;
    MqttService& operator=(const MqttService&) = delete;

    // Starts the link when MQTT is enabled.
    void Start();
    // Says "offline" and disconnects; may wait on the network, so it comes after the program's own close.
    void Stop();
    // Reads the settings again; the link is restarted (or started, or stopped) when they changed and left
    // alone when not. True when it was restarted. Asked for inside Poll, it waits until Poll returns.
    bool Reload();
    bool Running() const { return link_ != nullptr; }
    // Off: MQTT is off or the link could not start; Retrying: started and not (or no longer) connected.
    MqttLinkState LinkState() const;
    // Called on the network thread when a command arrived: the tick host then Polls at once. Set before
    // Start; kept across restarts.
    void SetWake(std::function<void()> wake) { wake_ = std::move(wake); }

    // At the start of a tick: the link's queued commands applied through `host`, changes published.
    void Poll(TickHost& host);
    // After the tick host redrew: the state values that changed are published.
    void DisplayChanged();
    void StateLineLogged(const std::string& line);
    // Today's holiday (null: none) for the link, kept across restarts; `calendar` false: no calendar
    // files, so nothing about holidays is published.
    void SetHoliday(const Holiday* today, bool calendar);

private:
    void StartWith(MqttSettings settings);

    ProgramContext& ctx_;
    std::function<void(const std::string&)> notice_;
    std::function<void()> wake_;
    MqttSettings settings_; // those the link runs with
    std::unique_ptr<MqttLink> link_;
    std::string holiday_;
    std::string holidayAttributes_;
    bool polling_ = false;   // inside the link's Poll
    bool reloadDue_ = false; // asked for during Poll
};

// "MQTT: available" or "MQTT: not built in", for --version.
std::string MqttVersionText();

} // namespace tavrel
