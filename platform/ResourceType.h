#pragma once
// The kinds of named resource, as the executable and the resource packs hold them.

namespace halvane {

enum class ResourceType {
    RcData,    // PNG pictures and other raw data (Windows type 10)
    Bitmap,    // small card faces, suit symbols and backs (Windows type 2)
    Jpeg,      // custom type "JPEG"
    Gif,       // custom type "GIF", animated pictures
    AniCursor, // custom type "ANICURSOR"
    Cursor,    // static cursors
    Wave,      // custom type "WAVE", signal sounds
    Midi,      // custom type "MIDI", the menu tune
};

// The folder name of a type inside the executable's resources ("RCDATA", "JPEG", ...).
const char *ResourceTypeName(ResourceType type);

} // namespace halvane
