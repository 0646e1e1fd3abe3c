// The resources themselves are attached by qt_add_resources; this file only
// gives the library a translation unit of its own.
namespace halvane {
int ResourcesAnchor() { return 0; }
}
