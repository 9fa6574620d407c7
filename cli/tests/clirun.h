// The fixture of the end-to-end tests: runs the built vorlix-cli in a temporary folder
// with a private preferences store, and reads what it printed and wrote.
#pragma once

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "jsonreader.h"

extern char** environ;

namespace vorlix::cli::testing {

namespace fs = std::filesystem;

struct RunResult {
    int status = -1;
    std::string out;
    std::string err;
};

class CliRun : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::path(::testing::TempDir()) / "vorlix-cli-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
        // The --use-preferences tests write their own store; no test reads the user's.
        fs::create_directory(dir_ / "config");
        setenv("XDG_CONFIG_HOME", (dir_ / "config").c_str(), 1);
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string WriteFile(const std::string& name, const std::string& bytes) {
        const fs::path path = dir_ / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path.string();
    }

    static std::string Slurp(const fs::path& path) {
        std::ifstream file(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    }

    RunResult Run(std::vector<std::string> arguments, const std::string& input = "") {
        const std::string in = WriteFile("stdin", input);
        const std::string out = (dir_ / "stdout").string();
        const std::string err = (dir_ / "stderr").string();
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 0, in.c_str(), O_RDONLY, 0);
        posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        arguments.insert(arguments.begin(), VORLIX_CLI_PATH);
        std::vector<char*> argv;
        for (std::string& a : arguments) argv.push_back(a.data());
        argv.push_back(nullptr);
        pid_t pid = 0;
        RunResult result;
        const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
        posix_spawn_file_actions_destroy(&actions);
        if (spawned != 0) {
            ADD_FAILURE() << "cannot start " << VORLIX_CLI_PATH;
            return result;
        }
        int status = 0;
        waitpid(pid, &status, 0);
        result.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        result.out = Slurp(out);
        result.err = Slurp(err);
        return result;
    }

    Json RunJson(std::vector<std::string> arguments, const std::string& input = "") {
        arguments.insert(arguments.begin(), {"make", "--json"});
        const RunResult run = Run(arguments, input);
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.err, "");
        return JsonReader::Parse(run.out);
    }

    // Saves a puzzle made from the arguments and returns its path.
    std::string MakeFile(const std::string& name, std::vector<std::string> arguments) {
        const std::string path = (dir_ / name).string();
        arguments.insert(arguments.begin(), "make");
        arguments.insert(arguments.end(), {"-o", path});
        const RunResult run = Run(arguments);
        EXPECT_EQ(run.status, 0) << run.err;
        return path;
    }

    // The model object of show --json.
    Json ShowModel(const std::string& path) {
        const RunResult run = Run({"show", path, "--json"});
        EXPECT_EQ(run.status, 0) << run.err;
        return JsonReader::Parse(run.out)["model"];
    }

    fs::path dir_;
};

inline std::vector<std::string> Texts(const Json& array) {
    std::vector<std::string> texts;
    for (const Json& item : array.items) texts.push_back(item.text);
    return texts;
}

}  // namespace vorlix::cli::testing
