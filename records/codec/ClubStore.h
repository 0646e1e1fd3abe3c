#pragma once
// One club file on disk: reading it whole and replacing it whole. The store
// remembers whether the start-up check forbade writing it.

#include "ClubFile.h"

#include <filesystem>
#include <optional>

namespace halvane {

class ClubStore
{
public:
    enum class SaveResult { Written, NotAllowed, Failed };

    ClubStore() = default;
    explicit ClubStore(std::filesystem::path path) : m_path(std::move(path)) {}

    const std::filesystem::path &path() const { return m_path; }
    void setPath(std::filesystem::path path) { m_path = std::move(path); }
    bool writeAllowed() const { return m_writeAllowed; }
    void setWriteAllowed(bool allowed) { m_writeAllowed = allowed; }

    // The 17 lines, or nothing when the file cannot be read or has another count.
    std::optional<ClubFile> Load() const;
    // Recomputes the sums and replaces the file (through a temporary file, so a
    // failed write leaves the old one whole). NotAllowed when the start-up
    // check found attributes that forbid writing.
    SaveResult Save(ClubFile club) const;

private:
    std::filesystem::path m_path;
    bool m_writeAllowed = true;
};

// The two club files of the program folder.
struct ClubFiles {
    ClubStore local;   // "Halvane.clb", games against the computer
    ClubStore network; // "Halvane.net", network games
    bool startupCheckFailed = false;

    const ClubStore &InUse(bool netGame) const { return netGame ? network : local; }
    void SetFolder(const std::filesystem::path &folder);
};

// The program-wide pair, owned here.
ClubFiles &CurrentClubFiles();

} // namespace halvane
