#pragma once
// The texts of the Help menu's windows and of About, as rich text.

namespace tavrel {

struct HelpText {
    const char* title;
    const char* html;
};

// "Help (General)": the panels, the time forms, the day digits, the cycle codes, the menus and the files.
extern const HelpText kHelpGeneral;
// "Help (Configuration)": the boards (FireCracker included), colours, kill options and logging.
extern const HelpText kHelpConfiguration;

// The licence lines of the About window.
extern const char* const kAboutLicenceHtml;

} // namespace tavrel
