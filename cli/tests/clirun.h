// The fixture of the end-to-end tests: runs the built vorlix-cli in a temporary folder
// with a private preferences store, and reads what it printed and wrote.
#pragma once

#include <sys/wait.h>

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

// Readable failure messages for JSON values.
inline void PrintTo(const QJsonValue& value, std::ostream* os) {
    *os << QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact).toStdString();
}

namespace vorlix::cli::testing {

namespace fs = std::filesystem;
using Strings = std::vector<std::string>;

struct RunResult { int status; std::string out, err; };

inline std::string Text(const QJsonValue& value) { return value.toString().toStdString(); }

// Fails the test unless the text is one valid JSON object.
inline QJsonObject ParseJson(const std::string& text) {
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(text), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString() << " at " << error.offset;
    EXPECT_TRUE(document.isObject());
    return document.object();
}

class CliRun : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::path(::testing::TempDir()) / "vorlix-cli-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
        setenv("XDG_CONFIG_HOME", Path("config").c_str(), 1);  // never the user's preferences
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string Path(const std::string& name) const { return (dir_ / name).string(); }

    std::string WriteFile(const std::string& name, const std::string& bytes) {
        std::ofstream(dir_ / name, std::ios::binary) << bytes;
        return Path(name);
    }

    static std::string Slurp(const fs::path& path) {
        std::ifstream file(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    }

    // Runs vorlix-cli with the input on standard input; each argument goes through the shell quoted.
    RunResult Run(const Strings& arguments, const std::string& input = "") {
        std::string command = "'" VORLIX_CLI_PATH "'";
        for (const std::string& a : arguments) {
            command += " '";
            for (const char c : a) command += c == '\'' ? std::string("'\\''") : std::string(1, c);
            command += "'";
        }
        command += " <'" + WriteFile("stdin", input) + "' >'" + Path("stdout") + "' 2>'" + Path("stderr") + "'";
        const int status = std::system(command.c_str());
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, Slurp(Path("stdout")), Slurp(Path("stderr"))};
    }

    // The JSON object of a run that must succeed quietly.
    QJsonObject RunJson(const Strings& arguments, const std::string& input = "") {
        const RunResult run = Run(arguments, input);
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.err, "");
        return ParseJson(run.out);
    }

    // Saves a puzzle made from the arguments and returns its path.
    std::string MakeFile(const std::string& name, Strings arguments) {
        arguments.insert(arguments.begin(), "make");
        arguments.insert(arguments.end(), {"-o", Path(name)});
        const RunResult run = Run(arguments);
        EXPECT_EQ(run.status, 0) << run.err;
        return Path(name);
    }

    fs::path dir_;
};

}  // namespace vorlix::cli::testing
