#pragma once
// The about dialog (its caption is About of the main window's menu).

#include "table/PhraseForms.h"

namespace halvane::ph {

inline constexpr PhraseForms AuthorOfIdea{"The author of idea:"};
inline constexpr PhraseForms Unknown{"Unknown"};
inline constexpr PhraseForms SeparateThanks{"Separate thank you:"};
inline constexpr PhraseForms FragmentsThanks{
    "In the program many graphic, sound and musical fragments were used.\n\rThank you to their authors."};
inline constexpr PhraseForms MoreInHelp{"More in detail in the help"};
inline constexpr PhraseForms OfficialSite{"Official site:"};
inline constexpr PhraseForms Email{"E-mail:"};

} // namespace halvane::ph
