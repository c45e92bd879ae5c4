// The program's switches, run as a player runs it.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <sys/wait.h>

namespace {

struct Outcome {
    std::string out;
    int status;
};

Outcome Program(const std::string &args)
{
    Outcome r{std::string(), -1};
    std::string cmd = "SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy ./quorvane " + args + " 2>/dev/null";
    FILE *p = popen(cmd.c_str(), "r");
    if (!p)
        return r;
    char buf[512];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, p)) > 0)
        r.out.append(buf, n);
    int st = pclose(p);
    r.status = WIFEXITED(st) ? WEXITSTATUS(st) : -1;
    return r;
}

const char *help_text = "Game options\n\n-h, --help            this help screen\n-f, --fullscreen      fullscreen\n\n";
const char *usage_text = "\nCommand line options:\n-h, --help\n-f, --fullscreen\n\n";

bool EndsWith(const std::string &s, const std::string &tail)
{
    return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

} // namespace

TEST(CommandLine, HelpPrintsTheOptionsAndSucceeds)
{
    for (const char *args : {"-h", "--help", "-f -h", "-h bogus", "--fullscreen --help"}) {
        Outcome r = Program(args);
        EXPECT_EQ(r.status, 0) << args;
        EXPECT_TRUE(EndsWith(r.out, help_text)) << args << ": " << r.out;
        EXPECT_EQ(r.out.find("Loading"), std::string::npos) << "nothing starts after the help";
    }
}

TEST(CommandLine, AnUnknownSwitchPrintsTheShortUsageAndFails)
{
    for (const char *args : {"-F", "-f bogus", "--Help", "x"}) {
        Outcome r = Program(args);
        EXPECT_EQ(r.status, 1) << args;
        EXPECT_EQ(r.out, usage_text) << args;
    }
}
