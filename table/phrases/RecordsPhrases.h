#pragma once
// Settings, club, history and top-ten messages and dialogs.

#include "table/PhraseForms.h"

namespace halvane::ph {

inline constexpr PhraseForms IncorrectFile{"The incorrect file"};
inline constexpr PhraseForms FileWord{"The file "};
inline constexpr PhraseForms IncorrectAttributes{
    " has incorrect attributes!\n\rThe work of the program will be incorrect!"};
inline constexpr PhraseForms DiskWriteError{"Error of disk writing!"};
inline constexpr PhraseForms CantSaveOptions{"Can`t save options!"};
inline constexpr PhraseForms CantSaveHistory{"Cann`t save history!"};

} // namespace halvane::ph
