#pragma once
// The built-in card pictures of the executable: the "Classical-1" faces as
// small bitmaps and big PNGs, its suit symbols, the built-in backs, the
// built-in table background "FonG" and the blank "GFree".

namespace halvane::art {
class AssetWriter;
void WriteBuiltinCards(AssetWriter &out);
} // namespace halvane::art
