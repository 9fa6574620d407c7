// Word-list files named on the command line, read with the word page's import rules.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include <QStringList>

#include "wordlistio.h"

namespace vorlix::cli {

// The whole file, or all of standard input for "-". Throws UsageError naming the file
// when it cannot be read, so nothing is built from half the input.
std::string ReadInputFile(const std::string& path, std::istream& standardInput);

struct WordInput {
    std::string path;  // "-" is standard input, read as plain text
    std::string bytes;
};

// Reads every input before any is imported.
std::vector<WordInput> ReadWordInputs(const std::vector<std::string>& paths, std::istream& standardInput);

// Appends each input's lines to memo by the kind its name gives (.ws, .thm, .gmr, else
// text). Nobody is there to answer the 250-line question, so it is answered Yes; the
// 500-line limit goes into report.
void ImportWordInputs(const std::vector<WordInput>& inputs, const TWordListStyle& style, QStringList& memo,
                      TReport& report);

}  // namespace vorlix::cli
