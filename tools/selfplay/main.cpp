// halvane-selfplay: whole games with no window, for testing and tuning the
// computer player. See SelfPlay.h for the game loop.
#include "ClubPlay.h"
#include "SelfPlay.h"
#include "core/Cp1251.h"

#include <sys/resource.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>

using namespace halvane;
using namespace halvane::selfplay;

namespace {

void Usage()
{
    std::cerr << "usage: halvane-selfplay [--games N] [--seed S] [--kon K] [--ordered] [--long] [--eralash]\n"
                 "                        [--players P1,P2,P3] [--log FILE]   (players: ai, random)\n"
                 "                        [--club FILE [--slot 1..6] [--name NAME] [--history DIR]]\n"
                 "  --club plays seat 3 as a member of the club file and records every game\n"
                 "  (rating, counters, top ten, history); --slot 6 is a new player named --name.\n";
}

bool ParseNumber(const char *text, long long &value)
{
    char *end = nullptr;
    value = std::strtoll(text, &end, 10);
    return end && *end == '\0' && end != text;
}

} // namespace

int main(int argc, char **argv)
{
    SelfPlayOptions options;
    ClubPlayOptions club;
    bool clubPlay = false;
    std::string logPath;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        long long number = 0;
        if (arg == "--ordered")
            options.game.orderedKing = true;
        else if (arg == "--long")
            options.game.longGame = true;
        else if (arg == "--eralash")
            options.game.playEralash = true;
        else if (arg == "--games" && hasValue && ParseNumber(argv[++i], number) && number >= 0)
            options.games = int(number);
        else if (arg == "--seed" && hasValue && ParseNumber(argv[++i], number))
            options.seed = std::uint64_t(number);
        else if (arg == "--kon" && hasValue && ParseNumber(argv[++i], number) && number >= 1)
            options.kon = int(number);
        else if (arg == "--players" && hasValue && ParsePlayers(argv[++i], options.players))
            ;
        else if (arg == "--log" && hasValue)
            logPath = argv[++i];
        else if (arg == "--club" && hasValue) {
            club.club = argv[++i];
            clubPlay = true;
        } else if (arg == "--slot" && hasValue && ParseNumber(argv[++i], number))
            club.slot = int(number);
        else if (arg == "--name" && hasValue)
            club.name = Utf8ToCp1251(argv[++i]).substr(0, 20);
        else if (arg == "--history" && hasValue)
            club.history = argv[++i];
        else {
            Usage();
            return 2;
        }
    }
    if (clubPlay) {
        const std::string problem = CheckClubPlay(club);
        if (!problem.empty()) {
            std::cerr << "halvane-selfplay: " << problem << '\n';
            return 1;
        }
    }
    std::ofstream logFile;
    if (!logPath.empty()) {
        logFile.open(logPath, std::ios::binary | std::ios::trunc);
        if (!logFile) {
            std::cerr << "halvane-selfplay: cannot write " << logPath << '\n';
            return 1;
        }
    }
    std::ostream *log = logPath.empty() ? nullptr : &logFile;
    const SelfPlayResult result = clubPlay ? RunClubPlay(options, club, log, std::cout) : RunSelfPlay(options, log);
    std::cout << Summary(result);
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::cout << "peak RSS: " << usage.ru_maxrss / 1024 << " MB\n";
    return logFile.good() || logPath.empty() ? 0 : 1;
}
