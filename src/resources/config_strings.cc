#include "resources/config_strings.h"

namespace tavrel {

namespace {

// The spellings are the program's own and stay as they are.
constexpr StringTableEntry kConfigStrings[] = {
    {330, "Choose Backgroung Color For Group 1"},
    {331, "Choose Backgroung Color For Group 2"},
    {332, "Choose Backgroung Color For Group 3"},
    {333, "Choose Backgroung Color For Group 4"},
    {334, "Choose Backgroung Color For Group 5"},
    {335, "Choose Backgroung Color For Group 6"},
    {336, "Choose Backgroung Color For Group 7"},
    {337, "Choose Backgroung Color For Group 8"},
    {340, "Select Bachground Color for Relay Name"},
    {341, "Select Color to Indicate Relay is ON"},
    {342, "Select Color to Indicate Relay is OFF"},
    {343, "Select Color to Indicate Time Pair is ON"},
    {344, "Select Color to Indicate Time Pair is OFF"},
    {345, "Select Color to Indicate Manual is ON"},
    {346, "Select Color to Indicate MAanual is NOT ON"},
    {347, "Select Color to Indictae Input is ON (High)"},
    {348, "Select Color to Indicate Input is OFF (Low)"},
    {349, "Select Background Color for Total Time"},
    {350, "Below are the settings for your Interface Board #"},
    {351, "Information Only, see Documentation"},
    {352, "Usually the same as \"Base Address\", see Documentation"},
    {353, "Input Register Address, usually (Base + 1) or ( Base + 2), see Documentation"},
    {354, "Address of the register used to configure the ports on your interface card - SEE CARD MANUAL (not "
          "used by all cards). Changing this will RESET Output and Input Ports"},
    {355, "Hex number used to configure the ports on your interface card - SEE CARD MANUAL (not used by all "
          "cards). Changing this will RESET Output and Input Ports"},
    {356, "Enter Your Default Name for this relay"},
    {357, "Enables Logging for this Board"},
    {358, "Resets This Boards Relays on Exit or New"},
    {359, "Disable This Board, Emulate Only"},
    {360, "Relay State NOT Readable(use Logical state only)"},
    {361, "Enables warning if you enter a time that OverLaps an existing Time-Pair"},
    {362, "Enter Directory where you want log files created"},
    {405, "Enable Kill Button"},
    {406, "Enable Kill By Input Signal"},
    {407, "Kill by Input Signal Board #"},
    {408, "Kill by Input Signal input #"},
    {409, "Kill When Input Signal Goes High"},
    {410, "Kill When Input Signal Goes Low"},
    {411, "Kill Action is All Relays OFF"},
    {412, "Kill Action is Exit Tavrel"},
    {413, "Kill Action is Shut Computer OFF"},
    {414, "Text To Display in Kill Button Window"},
    {415, "Keep Kill Button Visible At ALL Times"},
    {416, "Time Delay Before Kill By Signal Becomes Active (Multiplier)"},
};

} // namespace

std::string_view ConfigStringText(int id) {
    for (const StringTableEntry& e : kConfigStrings)
        if (e.id == id)
            return e.text;
    return {};
}

} // namespace tavrel
