#pragma once
// What the configuration windows edit and how they reach the store: the narrow references both section
// models and the window model share.

#include "boardio/board_record.h"
#include "config/settings.h"
#include "platform/message_box.h"

#include <cstdint>
#include <functional>
#include <string>

namespace tavrel {

using GroupColourTable = RelayGroupColourTable;

struct ConfigurationTargets {
    Settings& settings;
    BoardTable& boards;
    GroupColourTable& groupColors;
    MessageBoxes& boxes;
    // Writes every setting to the registry (a new clsConfiguration's ConfigurationSaveToReg).
    std::function<void()> saveToStore;
    // Nothing is stored yet (a first run): the defaults shown are changes still to be saved.
    bool nothingStored = false;
    // Today's sunrise and sunset at a place (latitude, longitude), in words; empty where nothing can say.
    std::function<std::string(double, double)> sunToday = nullptr;
};

// The window-level changed flag that every stored edit raises.
struct ConfigChangeFlag {
    bool changed = false;
    void Mark() { changed = true; }
};

} // namespace tavrel
