// Writes the spoken card names of the voice pack: one wave per card face and
// language, named suit + rank + "Voice" + language code ("Ch4KVoiceDeu"),
// spoken by espeak-ng and stored by sox as Microsoft ADPCM, 22050 Hz mono.
// Usage: halvane_voice_lines <espeak-ng> <sox> <output folder>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

struct Language {
    const char *code;
    const char *voice;
    // The eight ranks seven..ace and the four suits hearts, diamonds, clubs, spades.
    std::array<const char *, 8> ranks;
    std::array<const char *, 4> suits;
    // How a card is said: %r the rank, %s the suit.
    const char *pattern;
    // Czech adjectives agree with the rank: the ending per rank (suits give the stem).
    std::array<const char *, 8> endings{};
};

const std::vector<Language> &Languages()
{
    static const std::vector<Language> languages{
        {"Eng", "en-gb", {"Seven", "Eight", "Nine", "Ten", "Jack", "Queen", "King", "Ace"},
         {"hearts", "diamonds", "clubs", "spades"}, "%r of %s"},
        {"Rus", "ru", {"Семёрка", "Восьмёрка", "Девятка", "Десятка", "Валет", "Дама", "Король", "Туз"},
         {"червей", "бубен", "треф", "пик"}, "%r %s"},
        {"Deu", "de", {"Sieben", "Acht", "Neun", "Zehn", "Bube", "Dame", "König", "Ass"},
         {"Herz", "Karo", "Kreuz", "Pik"}, "%s %r"},
        {"Fra", "fr-fr", {"Sept", "Huit", "Neuf", "Dix", "Valet", "Dame", "Roi", "As"},
         {"cœur", "carreau", "trèfle", "pique"}, "%r de %s"},
        {"Spa", "es", {"Siete", "Ocho", "Nueve", "Diez", "Jota", "Reina", "Rey", "As"},
         {"corazones", "diamantes", "tréboles", "picas"}, "%r de %s"},
        {"Chi", "cmn-latn-pinyin", {"qi1", "ba1", "jiu3", "shi2", "shi4 cong2", "wang2 hou4", "guo2 wang2", "ai4 si1"},
         {"hong2 tao2", "fang1 kuai4", "mei2 hua1", "hei1 tao2"}, "%s %r"},
        {"Ita", "it", {"Sette", "Otto", "Nove", "Dieci", "Fante", "Donna", "Re", "Asso"},
         {"cuori", "quadri", "fiori", "picche"}, "%r di %s"},
        {"Cze", "cs", {"sedma", "osma", "devítka", "desítka", "kluk", "dáma", "král", "eso"},
         {"Srdcov", "Károv", "Křížov", "Pikov"}, "%s%e %r", {"á", "á", "á", "á", "ý", "á", "ý", "é"}},
        {"Jap", "ja", {"なな", "はち", "きゅう", "じゅう", "ジャック", "クイーン", "キング", "エース"},
         {"ハート", "ダイヤ", "クラブ", "スペード"}, "%sの %r"},
        {"Kor", "ko", {"칠", "팔", "구", "십", "잭", "퀸", "킹", "에이스"},
         {"하트", "다이아몬드", "클로버", "스페이드"}, "%s %r"},
    };
    return languages;
}

const std::array<const char *, 8> RankNames{"07", "08", "09", "10", "2J", "3Q", "4K", "5A"};
const std::array<const char *, 4> SuitNames{"Ch", "Bu", "Kr", "Pi"};

std::string Say(const Language &language, int rank, int suit)
{
    std::string out;
    for (const char *p = language.pattern; *p; ++p) {
        if (p[0] == '%' && p[1]) {
            ++p;
            if (*p == 'r')
                out += language.ranks[rank];
            else if (*p == 's')
                out += language.suits[suit];
            else if (*p == 'e' && language.endings[rank])
                out += language.endings[rank];
        } else {
            out += *p;
        }
    }
    return out;
}

// Single quotes for the shell; the texts hold none.
std::string Quoted(const std::string &text) { return "'" + text + "'"; }

} // namespace

int main(int argc, char **argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s <espeak-ng> <sox> <output folder>\n", argv[0]);
        return 2;
    }
    const std::string espeak = argv[1];
    const std::string sox = argv[2];
    const std::filesystem::path folder = argv[3];
    std::filesystem::create_directories(folder);
    const std::filesystem::path spoken = folder / "spoken.tmp.wav";
    for (const Language &language : Languages()) {
        for (int suit = 0; suit < 4; ++suit) {
            for (int rank = 0; rank < 8; ++rank) {
                const std::string name = std::string(SuitNames[suit]) + RankNames[rank] + "Voice" + language.code;
                const std::filesystem::path out = folder / (name + ".wav");
                const std::string speak = Quoted(espeak) + " -v " + language.voice + " -s 150 -w " +
                                          Quoted(spoken.string()) + " " + Quoted(Say(language, rank, suit));
                // Resampled to 22050 Hz in case a voice speaks at another rate; peaks at -1 dB.
                const std::string store = Quoted(sox) + " -D " + Quoted(spoken.string()) +
                                          " -r 22050 -c 1 -e ms-adpcm " + Quoted(out.string()) + " norm -1";
                if (std::system(speak.c_str()) != 0 || std::system(store.c_str()) != 0) {
                    std::fprintf(stderr, "cannot make the voice line %s\n", name.c_str());
                    return 1;
                }
            }
        }
    }
    std::filesystem::remove(spoken);
    return 0;
}
