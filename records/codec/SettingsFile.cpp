#include "SettingsFile.h"

#include "NumberText.h"
#include "TextFile.h"

#include <algorithm>

namespace halvane {

namespace {

constexpr char GifOn = char(0xE8);  // "и"
constexpr char GifOff = char(0xEB); // "л"

char Flag(bool on) { return on ? '1' : '0'; }

// A text line the reader requires to be non-empty: an empty value is written as
// its default (or "#" where the default is empty), so that the lines after it
// are still read.
std::string NonEmpty(const std::string &value, const std::string &fallback)
{
    if (!value.empty())
        return value;
    return fallback.empty() ? std::string("#") : fallback;
}

std::string FromNonEmpty(const std::string &line)
{
    return line == "#" ? std::string() : line;
}

std::string TwoDigits(int n)
{
    n = std::clamp(n, 0, 99);
    return std::string{char('0' + n / 10), char('0' + n % 10)};
}

// A number within [low, high], or nothing.
std::optional<int> NumberIn(std::string_view text, int low, int high)
{
    const auto n = ParseInt(text);
    if (!n || *n < low || *n > high)
        return std::nullopt;
    return n;
}

template <typename T> void SetIf(T &target, const std::optional<T> &value)
{
    if (value)
        target = *value;
}

void ReadGeneralLine(const std::string &line, Settings &s)
{
    auto at = [&line](std::size_t k) -> std::optional<char> {
        return k <= line.size() ? std::optional<char>(line[k - 1]) : std::nullopt;
    };
    if (const auto c = at(1)) {
        int index = 0;
        if (*c >= '1' && *c <= '9')
            index = *c - '0';
        else if (*c >= 'a' && *c <= 'k')
            index = 10 + (*c - 'a');
        // Only ten languages exist; a code beyond them keeps the default.
        s.LanguageIndex = index <= 9 ? index : 0;
    }
    if (const auto c = at(2)) {
        switch (*c) {
        case '0': s.SoundOn = false; s.MusicOn = false; break;
        case '1': s.SoundOn = true; s.MusicOn = true; break;
        case '2': s.SoundOn = true; s.MusicOn = false; break;
        case '3': s.SoundOn = false; s.MusicOn = true; break;
        default: break;
        }
    }
    if (const auto c = at(3); c && *c == '0')
        s.GifAnimation = false;
    if (const auto c = at(4); c && *c == '0')
        s.FlyCards = false;
    if (const auto c = at(5); c && *c == '2')
        s.MenuDisplayMode = 2;
    if (const auto c = at(6); c && *c == '1')
        s.NetGame = true;
    if (const auto c = at(7); c && *c == '0')
        s.OwnCursor = false;
    if (const auto c = at(8); c && *c >= '1' && *c <= '6')
        s.GameSpeed = *c - '0';
    if (const auto c = at(9); c && *c >= '1' && *c <= '5')
        s.WindowSize = *c - '0';
    if (const auto c = at(10))
        s.InstallReportDone = *c == 'R';
    if (const auto c = at(11))
        s.LikeGiven = *c == 'L';
    if (const auto c = at(12))
        s.RadioListFromServer = *c == '0';
    if (const auto c = at(13); c && *c >= '1' && *c <= '7')
        s.CaptionColour = *c - '0';
    if (const auto c = at(14))
        s.NewButtons = *c == '1';
    if (const auto c = at(15))
        s.PurpleDialogs = *c == '1';
    if (const auto c = at(16); c && *c >= '1' && *c <= '3')
        s.DialogDesign = *c - '0';
    auto bit = [&at](std::size_t k, int &target) {
        if (const auto c = at(k); c && (*c == '0' || *c == '1'))
            target = *c - '0';
    };
    auto flag = [&at](std::size_t k, bool &target) {
        if (const auto c = at(k); c && (*c == '0' || *c == '1'))
            target = *c == '1';
    };
    bit(17, s.MainMenuDesign);
    bit(18, s.GameTableDesign);
    flag(19, s.SaluteButtons);
    flag(20, s.SaluteCards);
}

// Lines 4 onwards, in order; returns at the first line that fails its condition.
void ReadLines(const std::vector<std::string> &l, Settings &s)
{
    auto line = [&l](int n) -> const std::string & { return l[std::size_t(n - 1)]; };
    SetIf(s.CardSet, NumberIn(line(4), 0, 47));

    if (line(6).size() <= 2)
        return;
    SetIf(s.BackSet, NumberIn(std::string_view(line(6)).substr(0, 2), 0, 12));
    s.OneBackAlways = line(6)[2] == '1';

    const std::string &options = line(8);
    s.PlayEralash = options.size() >= 1 && options[0] == '1';
    s.OrderedKing = options.size() >= 2 && options[1] == '1';
    s.LongGame = options.size() >= 3 && options[2] == '1';

    for (int k = 0; k < 4; ++k) {
        if (line(10 + k).size() < 2)
            return;
        s.FontSlots[std::size_t(k)].name = line(10 + k);
    }
    for (int k = 0; k < 4; ++k) {
        if (line(14 + k).empty())
            return;
        SetIf(s.FontSlots[std::size_t(k)].percent, NumberIn(line(14 + k), 50, 150));
    }

    if (line(19).empty())
        return;
    s.LanServerAddress = line(19);
    if (line(20).empty())
        return;
    s.LanServerPort = line(20);

    if (line(21).empty() || line(22).empty())
        return;
    SetIf(s.BackgroundPicture, NumberIn(std::string_view(line(22)).substr(0, 2), 0, 10));
    if (line(22).size() >= 3)
        SetIf(s.BackgroundColour, NumberIn(std::string_view(line(22)).substr(2, 1), 0, 6));

    if (line(23).empty() || line(24).empty())
        return;
    s.LastPlayerName = line(24);

    // The world top ten values start again from their defaults here.
    const Settings defaults;
    s.WorldTableEndpoint = defaults.WorldTableEndpoint;
    s.StatisticsEndpoint = defaults.StatisticsEndpoint;
    s.PassportNick = defaults.PassportNick;
    s.PassportCountry = defaults.PassportCountry;
    s.PassportCity = defaults.PassportCity;
    s.PassportSex = defaults.PassportSex;
    if (line(26).empty())
        return;
    s.WorldTableEndpoint = FromNonEmpty(line(26));
    if (line(27).empty())
        return;
    s.PassportNick = line(27).substr(0, 12);

    if (line(28).size() != 5)
        return;
    if (IsValidPassportCountry(line(28)))
        s.PassportCountry = line(28);

    if (line(29).empty())
        return;
    s.PassportCity = line(29).substr(0, 15);
    if (line(30).empty())
        return;
    s.PassportSex = (line(30)[0] == 'M' || line(30)[0] == 'W') ? line(30).substr(0, 1) : std::string("M");

    s.StatisticsEndpoint = FromNonEmpty(line(31));
    s.SaveGamesAsGif = !line(33).empty() && line(33)[0] == GifOn;
    SetIf(s.CaptureMode, NumberIn(line(34), 1, 2));
    SetIf(s.FrameDelay, NumberIn(line(35), 10, 5000));
}

} // namespace

bool IsValidPassportCountry(std::string_view code)
{
    if (code.size() != 5 || code[1] != '-')
        return false;
    for (char c : code.substr(2))
        if (c < '0' || c > '9')
            return false;
    const int n = ParseInt(code.substr(2)).value_or(-1);
    static constexpr int Last[] = {48, 51, 35, 14, 23, 54}; // continents 1..6
    const int continent = code[0] - '0';
    return continent >= 1 && continent <= 6 && n >= 0 && n <= Last[continent - 1];
}

std::string GeneralLine(const Settings &s)
{
    std::string g(20, '#');
    const int lang = s.LanguageIndex;
    g[0] = lang >= 0 && lang <= 9 ? char('0' + lang) : lang >= 10 && lang <= 20 ? char('a' + lang - 10) : '0';
    g[1] = s.SoundOn ? (s.MusicOn ? '1' : '2') : (s.MusicOn ? '3' : '0');
    g[2] = Flag(s.GifAnimation);
    g[3] = Flag(s.FlyCards);
    g[4] = s.MenuDisplayMode == 2 ? '2' : '1';
    g[5] = Flag(s.NetGame);
    g[6] = Flag(s.OwnCursor);
    g[7] = s.GameSpeed >= 1 && s.GameSpeed <= 6 ? char('0' + s.GameSpeed) : '4';
    g[8] = s.WindowSize >= 1 && s.WindowSize <= 5 ? char('0' + s.WindowSize) : '#';
    g[9] = s.InstallReportDone ? 'R' : '#';
    g[10] = s.LikeGiven ? 'L' : '#';
    g[11] = s.RadioListFromServer ? '0' : '1';
    g[12] = s.CaptionColour >= 0 && s.CaptionColour <= 9 ? char('0' + s.CaptionColour) : '1';
    g[13] = Flag(s.NewButtons);
    g[14] = Flag(s.PurpleDialogs);
    g[15] = s.DialogDesign >= 1 && s.DialogDesign <= 3 ? char('0' + s.DialogDesign) : '1';
    g[16] = Flag(s.MainMenuDesign == 1);
    g[17] = Flag(s.GameTableDesign == 1);
    g[18] = Flag(s.SaluteButtons);
    g[19] = Flag(s.SaluteCards);
    return g;
}

std::vector<std::string> SettingsLines(const Settings &s)
{
    const Settings d;
    std::vector<std::string> l;
    l.push_back("<# General>");
    l.push_back(GeneralLine(s));
    l.push_back("<# Cards>");
    l.push_back(std::to_string(s.CardSet));
    l.push_back("<# Decks>");
    l.push_back(TwoDigits(s.BackSet) + Flag(s.OneBackAlways));
    l.push_back("<# Individual>");
    l.push_back(std::string{Flag(s.PlayEralash), Flag(s.OrderedKing), Flag(s.LongGame)} + "###");
    l.push_back("<# Fonts>");
    for (std::size_t k = 0; k < 4; ++k) {
        const std::string &name = s.FontSlots[k].name;
        l.push_back(name.size() >= 2 ? name : d.FontSlots[k].name);
    }
    for (std::size_t k = 0; k < 4; ++k)
        l.push_back(std::to_string(s.FontSlots[k].percent));
    l.push_back("<# IP & Port>");
    l.push_back(NonEmpty(s.LanServerAddress, d.LanServerAddress));
    l.push_back(NonEmpty(s.LanServerPort, d.LanServerPort));
    l.push_back("<# Background>");
    l.push_back(TwoDigits(s.BackgroundPicture) + char('0' + std::clamp(s.BackgroundColour, 0, 9)));
    l.push_back("<# Name Of Player>");
    l.push_back(NonEmpty(s.LastPlayerName, d.LastPlayerName));
    l.push_back("<# World Top Ten>");
    l.push_back(NonEmpty(s.WorldTableEndpoint, d.WorldTableEndpoint));
    l.push_back(NonEmpty(s.PassportNick, d.PassportNick));
    l.push_back(NonEmpty(s.PassportCountry, d.PassportCountry));
    l.push_back(NonEmpty(s.PassportCity, d.PassportCity));
    l.push_back(NonEmpty(s.PassportSex, d.PassportSex));
    l.push_back(NonEmpty(s.StatisticsEndpoint, d.StatisticsEndpoint));
    l.push_back("<# Save Games as GIF>");
    l.push_back(std::string(1, s.SaveGamesAsGif ? GifOn : GifOff));
    l.push_back(std::to_string(s.CaptureMode));
    l.push_back(std::to_string(s.FrameDelay));
    return l;
}

std::string SettingsFileBytes(const Settings &settings)
{
    return JoinLines(SettingsLines(settings));
}

Settings ParseSettingsFile(const std::optional<std::string> &bytes)
{
    Settings s;
    if (!bytes)
        return s;
    std::vector<std::string> lines = SplitLines(*bytes);
    if (lines.size() < std::size_t(SettingsLineCount))
        return s;
    lines.resize(std::size_t(SettingsLineCount));
    ReadGeneralLine(lines[1], s);
    ReadLines(lines, s);
    return s;
}

} // namespace halvane
