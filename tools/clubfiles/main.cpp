// Writes fresh club files "Halvane.clb" and "Halvane.net" into the program
// folder given on the command line. A file that is already there belongs to
// the players and is left as it is.

#include "records/codec/ClubFile.h"
#include "records/codec/TextFile.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: halvane-clubfiles PROGRAM_FOLDER\n");
        return 2;
    }
    const std::filesystem::path folder(argv[1]);
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    const std::string bytes = halvane::ClubFile::Fresh().Bytes();
    for (const char *name : {"Halvane.clb", "Halvane.net"}) {
        const std::filesystem::path path = folder / name;
        if (std::filesystem::exists(std::filesystem::symlink_status(path, ec)))
            continue;
        if (!halvane::WriteFileAtomically(path, bytes)) {
            std::fprintf(stderr, "halvane-clubfiles: cannot write %s\n", path.string().c_str());
            return 1;
        }
    }
    return 0;
}
