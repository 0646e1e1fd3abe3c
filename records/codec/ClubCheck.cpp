#include "ClubCheck.h"

#include "ClubFile.h"
#include "TextFile.h"

namespace halvane {

ClubCheckResult CheckClubFile(const std::filesystem::path &path, bool localClub)
{
    namespace fs = std::filesystem;
    ClubCheckResult result;
    std::error_code ec;
    const fs::file_status link = fs::symlink_status(path, ec);
    if (ec || !fs::exists(link)) {
        result.status = ClubCheckResult::Status::Missing;
        return result;
    }
    const fs::file_status target = fs::status(path, ec);
    if (ec || !fs::exists(target)) {
        result.status = ClubCheckResult::Status::Missing; // a dangling link
        return result;
    }
    result.status = ClubCheckResult::Status::Incorrect;
    // Folders, pipes and devices are never read: a pipe would block.
    if (!fs::is_regular_file(target))
        return result;
    const auto bytes = ReadFileBytes(path);
    if (!bytes)
        return result;
    const auto club = ClubFile::FromBytes(*bytes);
    if (!club || !club->HasValidShape() || !club->SumsMatch() || !club->HasMark())
        return result;
    result.status = ClubCheckResult::Status::Ok;
    result.russian = localClub && club->RussianFlag();
    result.tag = club->Tag();
    const bool ownerWrite = (target.permissions() & fs::perms::owner_write) != fs::perms::none;
    result.badAttributes = !ownerWrite || fs::is_symlink(link);
    return result;
}

} // namespace halvane
