#pragma once
// Free stand-ins for the font names the settings carry: "Comic Sans MS" and
// "Courier New" resolve through fontconfig to Comic Neue and Liberation Mono;
// "FixedSys" has no alias and is mapped to Terminus here.

namespace halvane {
// Idempotent; call once the application object exists.
void InstallFontSubstitutions();
} // namespace halvane
