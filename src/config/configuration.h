#pragma once
// clsConfiguration: the settings and board values under HKEY_LOCAL_MACHINE\SOFTWARE\Tavrel\Config.
// Create one, call InitializeShowErrors, call one operation, let it go.

#include "boardio/board_record.h"
#include "config/reg_api.h"
#include "config/settings.h"
#include "config/settings_table.h"
#include "platform/system_folders.h"

#include <cstdint>
#include <string>

namespace tavrel {

inline constexpr const char* kStartupKey = "SOFTWARE\\Tavrel\\Startup";
inline constexpr const char* kConfigVersionName = "ConfigVersion";
inline constexpr const char* kConfigVersionTag = "FV.2002.08.01|.b0.r7.t5";

// Empty texts filled as a save fills them before writing: what a first start stores.
void ApplySaveDefaults(const SettingTargets& targets, const SystemFolders& folders);

class clsConfiguration {
public:
    clsConfiguration(modRegAPI& reg, Settings& settings, BoardTable& boards,
                     RelayGroupColourTable& groupColours, const SystemFolders& folders, MessageBoxes& boxes)
        : reg_(reg), settings_(settings), boards_(boards), groupColours_(groupColours), folders_(folders),
          boxes_(boxes) {}

    void InitializeShowErrors() { showErrors_ = true; }

    std::string ConfigurationLoadVersionFromReg();
    bool ConfigurationDeleteFromReg();
    void ConfigurationDeleteLastPos();
    int16_t ConfigurationFlagLoggingLoad();
    int16_t ConfigurationRunNoBoardLoad(int board);
    int16_t ConfigurationBaseWriteOnlyLoad(int board);
    void ConfigurationFlagLoggingSave(int16_t flag);
    void ConfigurationRunNoBoardSave(int16_t value, int board);
    void ConfigurationBaseWriteOnlySave(int16_t value, int board);
    void ConfigurationLogFileNameSave();
    void ConfigurationLogFilePathSave();
    void ConfigurationDataFileNameSave();
    void ConfigurationDataFilePathSave();
    void ConfigurationLoadFromReg();
    bool ConfigurationSaveToReg();

    // The Location values alone (read by the file commands, which need no other setting).
    void LoadLocation();

private:
    std::string Read(const std::string& name);
    void Write(const std::string& name, const std::string& text);
    void LoadFailed(const std::string& description);
    void LoadValue(const SettingRow& row, int board, int index);
    void SaveValue(const SettingRow& row, int board, int index);
    void LoadCalendarKey();
    void SaveCalendarKey();
    void SaveLocation();
    int16_t LoadBoardInt16(int16_t BoardRecord::*member, int board);
    SettingTargets Targets() { return {&settings_, &boards_, &groupColours_}; }

    modRegAPI& reg_;
    Settings& settings_;
    BoardTable& boards_;
    RelayGroupColourTable& groupColours_;
    const SystemFolders& folders_;
    MessageBoxes& boxes_;
    bool showErrors_ = false;
    bool loadFailed_ = false;
};

} // namespace tavrel
