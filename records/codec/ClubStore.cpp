#include "ClubStore.h"

#include "TextFile.h"

namespace halvane {

std::optional<ClubFile> ClubStore::Load() const
{
    const auto bytes = ReadFileBytes(m_path);
    if (!bytes)
        return std::nullopt;
    return ClubFile::FromBytes(*bytes);
}

ClubStore::SaveResult ClubStore::Save(ClubFile club) const
{
    if (!m_writeAllowed)
        return SaveResult::NotAllowed;
    club.UpdateSums();
    return WriteFileAtomically(m_path, club.Bytes()) ? SaveResult::Written : SaveResult::Failed;
}

void ClubFiles::SetFolder(const std::filesystem::path &folder)
{
    local.setPath(folder / "Halvane.clb");
    network.setPath(folder / "Halvane.net");
}

ClubFiles &CurrentClubFiles()
{
    static ClubFiles files;
    return files;
}

} // namespace halvane
