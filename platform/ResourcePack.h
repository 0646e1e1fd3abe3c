#pragma once
// Finding and opening a resource pack. A pack is looked for by its bare name
// in the program's folder (where the system's library search starts), then as
// "../" + name from the current folder. A file that is there but is not a
// readable PE file counts as missing, so the next place is tried.

#include "PeResources.h"

#include <QString>

namespace halvane {

struct PackSearch {
    QString programDir; // empty: the folder of the running executable
    QString currentDir; // empty: the process's current folder
};

// The places packs are looked for, program-wide; tests point them elsewhere.
PackSearch &CurrentPackSearch();

// The path of a pack file as it would be opened, or empty when none is found.
QString FindPack(const QString &name, const PackSearch &search = CurrentPackSearch());
// Whether "../" + name or name (from the current folder) exists: the test of
// the download buttons, which only look where a download would go or is.
bool PackFilePresent(const QString &name, const PackSearch &search = CurrentPackSearch());
// The parsed pack; invalid when missing or damaged.
PeResources OpenPack(const QString &name, const PackSearch &search = CurrentPackSearch());

} // namespace halvane
