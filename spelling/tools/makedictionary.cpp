// Turns a system word list (one word a line) into the main spelling dictionary: upper
// case, ASCII letters and apostrophes only, no possessives, sorted, no duplicates, at most
// 100,000 words. Usage: makedictionary INPUT OUTPUT
#include <algorithm>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

namespace {

constexpr std::size_t MaxWords = 100000;

bool Keep(const std::string& word) {
    if (word.size() < 2) return false;
    // "cat's": the possessive of every noun would double the list for no gain.
    if (word.size() > 2 && word.compare(word.size() - 2, 2, "'s") == 0) return false;
    // Accented words could never match: the checker reads ASCII letters only.
    return std::all_of(word.begin(), word.end(), [](unsigned char c) {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '\'';
    });
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: makedictionary INPUT OUTPUT\n";
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    if (!in) {
        std::cerr << "makedictionary: cannot read " << argv[1] << "\n";
        return 1;
    }
    std::vector<std::string> words;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!Keep(line)) continue;
        for (char& c : line)
            if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
        words.push_back(line);
    }
    // The program's own name stands in its default credits line; it must not be flagged.
    words.push_back("VORLIX");
    // Plain byte order keeps every two-letter group together and the groups in order.
    std::sort(words.begin(), words.end());
    words.erase(std::unique(words.begin(), words.end()), words.end());
    if (words.size() > MaxWords) words.resize(MaxWords);

    const std::string temp = std::string(argv[2]) + ".tmp";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        for (const std::string& w : words) out << w << '\n';
        if (!out.flush()) {
            std::cerr << "makedictionary: cannot write " << temp << "\n";
            return 1;
        }
    }
    if (std::rename(temp.c_str(), argv[2]) != 0) {
        std::cerr << "makedictionary: cannot write " << argv[2] << "\n";
        return 1;
    }
    return 0;
}
