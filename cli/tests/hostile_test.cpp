// vorlix-cli against failing disks, special files, odd names, damaged puzzle files and
// text that is not text.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <sstream>

#include "clirun.h"
#include "command.h"

namespace vorlix::cli::testing {
namespace {

class CliHostile : public CliRun {
protected:
    // Runs vorlix-cli in a child whose files may grow to at most limit bytes: a write past
    // it fails with EFBIG, as a full disk fails with ENOSPC. Output goes through pipes,
    // which the limit does not touch.
    RunResult RunLimited(const Strings& arguments, rlim_t limit) {
        int out[2], err[2];
        if (pipe(out) != 0 || pipe(err) != 0) return {-1, "", "pipe failed"};
        const pid_t child = fork();
        if (child == 0) {
            signal(SIGXFSZ, SIG_IGN);
            const rlimit fsize{limit, limit};
            setrlimit(RLIMIT_FSIZE, &fsize);
            const int in = open("/dev/null", O_RDONLY);
            dup2(in, 0);
            dup2(out[1], 1);
            dup2(err[1], 2);
            close(out[0]);
            close(err[0]);
            std::vector<char*> argv{const_cast<char*>(VORLIX_CLI_PATH)};
            for (const std::string& a : arguments) argv.push_back(const_cast<char*>(a.c_str()));
            argv.push_back(nullptr);
            execv(VORLIX_CLI_PATH, argv.data());
            _exit(127);
        }
        close(out[1]);
        close(err[1]);
        RunResult result{-1, "", ""};
        pollfd fds[2] = {{out[0], POLLIN, 0}, {err[0], POLLIN, 0}};
        std::string* texts[2] = {&result.out, &result.err};
        int open = 2;
        while (open > 0) {
            if (poll(fds, 2, 30000) <= 0) {  // a hang: the run fails instead of the suite
                kill(child, SIGKILL);
                break;
            }
            for (int k = 0; k < 2; ++k) {
                if (fds[k].fd < 0 || !(fds[k].revents & (POLLIN | POLLHUP))) continue;
                char buffer[4096];
                const ssize_t n = read(fds[k].fd, buffer, sizeof buffer);
                if (n > 0) {
                    texts[k]->append(buffer, std::size_t(n));
                } else {
                    close(fds[k].fd);
                    fds[k].fd = -1;
                    --open;
                }
            }
        }
        for (const pollfd& p : fds)
            if (p.fd >= 0) close(p.fd);
        int status = 0;
        waitpid(child, &status, 0);
        result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        return result;
    }

    std::vector<std::string> FilesIn(const std::string& folder) const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    std::string Words(int n) const {
        std::string list;
        for (int i = 0; i < n; ++i) list += "word" + std::to_string(i) + "\n";
        return list;
    }
};

// Protects: a write that fails part-way (a full disk, here a file-size limit of 64 bytes)
// keeps the earlier file byte for byte, leaves no temporary, ends with status 1 and names
// the file and the system's reason; for every kind of output.
TEST_F(CliHostile, FailingDiskKeepsEveryKindOfOutput) {
    const std::string ws = MakeFile("p.ws", {"--seed", "2", "--title", "Pets", "--word", "cat, dog, emu, yak, gnu"});
    const std::string list = WriteFile("list.txt", Words(40));
    fs::create_directory(Path("out"));
    const std::vector<std::pair<std::string, Strings>> cases = {
        {"a.ws", {"make", "--seed", "1", "--word", "cat, dog", "-o"}},
        {"b.ws", {"show", ws, "-o"}},
        {"c.txt", {"words", list, "-o"}},
        {"d.thm", {"words", list, "-o"}},
        {"e.html", {"export", ws, "--format", "html", "-o"}},
        {"f.txt", {"export", ws, "--format", "text", "-o"}},
        {"g.svg", {"export", ws, "--format", "svg", "-o"}},
        {"h.png", {"export", ws, "--format", "png", "-o"}},
        {"i.bmp", {"export", ws, "--format", "bmp", "-o"}},
        {"j.EMF", {"export", ws, "--format", "emf", "-o"}},
        {"k.pdf", {"print", ws, "-o"}},
        {"l.html", {"export", ws, "--format", "play", "-o"}},
    };
    for (auto [name, arguments] : cases) {
        const std::string target = Path("out/" + name);
        std::ofstream(target, std::ios::binary) << "old";
        arguments.push_back(target);
        const RunResult run = RunLimited(arguments, 64);
        EXPECT_EQ(run.status, 1) << name << run.err;
        EXPECT_EQ(Slurp(target), "old") << name;
        EXPECT_EQ(FilesIn(Path("out")).size(), 1u) << name << " left a temporary";
        EXPECT_NE(run.err.find("\nvorlix-cli: " + target + ": File too large\n"), std::string::npos) << name << run.err;
        fs::remove(target);
    }
}

// Protects: only a regular file or a new name is replaced: a FIFO or a device at the output
// path is refused with a message and stays what it was; a symbolic link is followed as cp
// does (the file it points at is replaced, the link stays); a folder is refused.
TEST_F(CliHostile, SpecialFilesAtTheOutputPath) {
    const std::string ws = MakeFile("p.ws", {"--seed", "2", "--word", "cat, dog"});
    const std::string fifo = Path("fifo.txt");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    RunResult run = Run({"export", ws, "--format", "text", "-o", fifo});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find(fifo + ": Not a regular file"), std::string::npos) << run.err;
    EXPECT_TRUE(fs::is_fifo(fifo));
    // Read as input, a FIFO nobody writes to is empty, not a hang.
    run = RunLimited({"show", fifo}, RLIM_INFINITY);
    EXPECT_EQ(run.status, 1) << run.err;
    EXPECT_NE(run.err.find("unknown file format"), std::string::npos) << run.err;

    // A device node is only ever looked at, never opened or replaced: a null device of our
    // own (making one needs root), so a faulty writer could never replace the system's.
    const std::string device = Path("null");
    if (mknod(device.c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0) {
        run = Run({"export", ws, "--format", "text", "-o", device});
        EXPECT_EQ(run.status, 1);
        EXPECT_NE(run.err.find(device + ": Not a regular file"), std::string::npos) << run.err;
        EXPECT_TRUE(fs::is_character_file(device));
    }

    std::ofstream(Path("real.txt")) << "old";
    fs::create_symlink("real.txt", Path("link.txt"));
    run = Run({"export", ws, "--format", "text", "-o", Path("link.txt")});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(fs::is_symlink(Path("link.txt")));
    EXPECT_NE(Slurp(Path("real.txt")), "old");

    fs::create_directory(Path("folder.ws"));
    run = Run({"make", "--word", "cat", "-o", Path("folder.ws")});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find(Path("folder.ws") + ": Is a directory"), std::string::npos) << run.err;
}

// Protects: an output name keeps every byte, UTF-8 or not, and a name too long for a
// temporary beside it is still written.
TEST_F(CliHostile, OutputNamesKeepTheirBytes) {
    const std::vector<std::string> names = {"caf\xC3\xA9.ws", "raw\xFF\xFE.ws", std::string(250, 'n') + ".ws"};
    for (const std::string& name : names) {
        const RunResult run = Run({"make", "--seed", "1", "--word", "cat", "-o", Path(name)});
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_TRUE(fs::is_regular_file(dir_ / name)) << name;
    }
}

// Protects: a puzzle file cut short anywhere is refused with one message naming what is
// missing, never opened with parts silently gone (a 40-word file cut at every line).
TEST_F(CliHostile, FileCutShortIsRefused) {
    const std::string ws = MakeFile("full.ws", {"--seed", "3", "--title", "Forty", WriteFile("w.txt", Words(40))});
    const std::string full = Slurp(ws);
    ASSERT_EQ(Run({"show", ws}).status, 0);
    int cuts = 0;
    for (std::size_t at = full.find('\n'); at != std::string::npos && at + 1 < full.size();
         at = full.find('\n', at + 1)) {
        const std::string cut = WriteFile("cut.ws", full.substr(0, at + 1));
        const RunResult run = Run({"show", cut});
        EXPECT_EQ(run.status, 1) << "cut after byte " << at << "\n" << run.out;
        EXPECT_NE(run.err.find("is damaged and was not opened"), std::string::npos) << run.err;
        ++cuts;
    }
    EXPECT_GT(cuts, 40);
}

// Protects: words past 5,000 are reported, not dropped in silence, from a list and from a
// puzzle file's placements.
TEST_F(CliHostile, WordsBeyondTheLimitAreReported) {
    std::string lines;
    for (int line = 0; line < 500; ++line) {
        for (int k = 0; k < 11; ++k) lines += (k ? "," : "") + std::string("w") + std::to_string(line * 11 + k);
        lines += "\n";
    }
    RunResult run = Run({"make", "--seed", "1", "--accidental", "none", WriteFile("many.txt", lines)});
    EXPECT_NE(run.err.find("more than 5,000 words; the last 500 of them were left out"), std::string::npos) << run.err;

    std::string ws = Slurp(MakeFile("small.ws", {"--seed", "1", "--word", "cat"}));
    std::string placements;
    for (int i = 0; i < 5003; ++i) placements += "\t0 X=1 Y=1 D=3 <> \"w" + std::to_string(i) + "\"\r\n";
    ws.insert(ws.find("END WORD PLACEMENT"), placements);
    run = Run({"show", WriteFile("many.ws", ws)});
    EXPECT_NE(run.err.find("the last 4 of them were left out"), std::string::npos) << run.err;
}

// Protects: a damaged file cannot blow up the output: one long "placed" word no longer pads
// every line of show to its width.
TEST_F(CliHostile, ShowOutputStaysSmall) {
    std::string ws = Slurp(MakeFile("p.ws", {"--seed", "1", "--columns", "5", "--rows", "5", "--word", "cat, dog"}));
    ws.insert(ws.find("END WORD PLACEMENT"), "\t1 X=1 Y=1 D=3 <> \"" + std::string(200000, 'q') + "\"\r\n");
    const RunResult run = Run({"show", WriteFile("long.ws", ws)});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_LT(run.out.size(), 2 * ws.size());
    EXPECT_NE(run.err.find("rejected"), std::string::npos) << run.err;
}

// Protects: escape sequences never reach a terminal: an imported line loses its control
// characters (with a warning), a grid cell read from a file is neutralised when standard
// output is a terminal (a pipe gets the bytes as they are), and a message naming a file
// never carries them.
TEST_F(CliHostile, EscapeSequencesNeverReachATerminal) {
    const auto runIn = [&](const Strings& arguments, bool terminal) {
        std::istringstream in;
        std::ostringstream out, err;
        CommandIo io{in, out, err, terminal};
        RunCli(arguments, io);
        return std::pair{out.str(), err.str()};
    };
    const auto [words, warned] = runIn({"words", WriteFile("esc.txt", "red\x1b[2J\nbl\xC2\x9B" "31mue\n")}, false);
    EXPECT_EQ(words, "red[2J\nbl31mue\n");
    EXPECT_NE(warned.find("2 imported line(s) held control or invisible characters"), std::string::npos) << warned;

    std::string ws = Slurp(MakeFile("p.ws", {"--seed", "1", "--columns", "3", "--rows", "3", "--word", "cat"}));
    const std::size_t row = ws.find("GRID:\r\n\t") + 8;
    ws[row] = '\x1b';
    const std::string file = WriteFile("esc.ws", ws);
    const auto [screen, ignored] = runIn({"show", file}, true);
    EXPECT_EQ(screen.find('\x1b'), std::string::npos) << screen;
    const auto [piped, quiet] = runIn({"show", file}, false);
    EXPECT_NE(piped.find('\x1b'), std::string::npos);

    const auto [none, refusal] = runIn({"make", "--word", "cat", Path("no\x1b]0;owned\x07.txt")}, false);
    EXPECT_NE(refusal.find("no"), std::string::npos) << refusal;
    EXPECT_EQ(refusal.find('\x1b'), std::string::npos) << refusal;
    EXPECT_EQ(refusal.find('\x07'), std::string::npos) << refusal;
}

}  // namespace
}  // namespace vorlix::cli::testing
