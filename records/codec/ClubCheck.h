#pragma once
// The start-up check of a club file.

#include <filesystem>
#include <string>

namespace halvane {

struct ClubCheckResult {
    enum class Status { Ok, Missing, Incorrect };
    Status status = Status::Missing;
    // The file must not be written: it is read-only for its owner, or the
    // name is a link (a rename would replace the link by a plain file).
    bool badAttributes = false;
    bool russian = false; // line 17 begins with "1" (the local club file only)
    std::string tag;      // characters 7-9 of line 17
};

// Missing: no such file. Incorrect: not a regular file, unreadable, not 17
// lines of the right lengths, wrong sums, or line 16 not starting with byte
// 157 and "}". The attributes are looked at only for a correct file.
ClubCheckResult CheckClubFile(const std::filesystem::path &path, bool localClub);

} // namespace halvane
