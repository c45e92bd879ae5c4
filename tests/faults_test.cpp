// Faults a player must never meet: a death and a level-up in one frame, pictures that
// failed to load, picture paths too long to form; and the program's switches, run as a
// player runs it.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <sys/wait.h>

#include "harness.h"
#include "items/item.h"
#include "player/player.h"
#include "screens/menu.h"
#include "screens/tombstone.h"
#include "shell/font.h"
#include "shell/free.h"
#include "shell/global.h"
#include "shell/main.h"
#include "shell/pictures.h"
#include "world/level.h"
#include "world/look.h"

TEST(Faults, ADeadPlayerDoesNotLevelUpInTheFrameOfDeath)
{
    qt::NewSeededGame(21);
    player.exp = 40; // past the first threshold
    player.chp = -1;
    qt::ScriptWaits({KEY_SPACE, KEY_SPACE});
    qt::Frame(1);
    EXPECT_EQ(qt::Row({done, qt::WaitsSeen()}), qt::Row({STATE_DEAD, 2}));
    EXPECT_EQ(qt::HistoryLineText(0), "You die.");
    EXPECT_EQ(qt::HistoryLineText(1), "(Press a key)");
    EXPECT_FALSE(qt::HistoryHas("Welcome to level 2"));
    EXPECT_EQ(qt::Row({player.level, player.chp}), qt::Row({1, -1}));
}

namespace {

// From the title through a new game, some steps and a look around, every screen of play
// opened and left, a death and back to the title from the tombstone. Says where the
// game went another way.
testing::AssertionResult PlayTitleToDeath()
{
    qt::Drain();
    qt::ResetWaits();
    done = STATE_MENU, played = false, fadeimg = 0, fadecount = 10, selectmenu = 1;
    qt::Frame(20);
    qt::Press(KEY_SPACE);
    if (done != STATE_PLAYING)
        return testing::AssertionFailure() << "\"New Game\" did not start a game (state " << done << ")";
    struct Step {
        GameKey key;
        int mod;
        int mode; // the play mode after the key
    };
    static const Step steps[] = {
        {KEY_KP2, MOD_NONE, MODE_NORMAL},       {KEY_KP6, MOD_NONE, MODE_NORMAL},
        {KEY_KP3, MOD_NONE, MODE_NORMAL},       {KEY_KP5, MOD_NONE, MODE_NORMAL},
        {KEY_L, MOD_NONE, MODE_LOOKING},        {KEY_KP6, MOD_NONE, MODE_LOOKING},
        {KEY_ESCAPE, MOD_NONE, MODE_NORMAL},    {KEY_I, MOD_NONE, MODE_INVENTORY},
        {KEY_SPACE, MOD_NONE, MODE_ITEM},       {KEY_ESCAPE, MOD_NONE, MODE_INVENTORY},
        {KEY_ESCAPE, MOD_NONE, MODE_NORMAL},    {KEY_C, MOD_LSHIFT, MODE_STATS},
        {KEY_ESCAPE, MOD_NONE, MODE_NORMAL},    {KEY_QUESTION, MOD_NONE, MODE_HELP},
        {KEY_ESCAPE, MOD_NONE, MODE_NORMAL},    {KEY_N, MOD_LSHIFT, MODE_HISTORY},
        {KEY_ESCAPE, MOD_NONE, MODE_NORMAL},
    };
    for (const Step &st : steps) {
        qt::Key(st.key, st.mod);
        qt::Frame(2);
        if (done != STATE_PLAYING || mode != st.mode)
            return testing::AssertionFailure() << "after " << KeyWord(st.key) << ": state " << done
                                               << ", mode " << mode << ", not mode " << st.mode;
    }
    qt::Frame(20); // the crow crosses
    player.chp = -1;
    qt::ScriptWaits({KEY_SPACE, KEY_SPACE});
    qt::Frame(1);
    if (done != STATE_DEAD)
        return testing::AssertionFailure() << "no tombstone after the death (state " << done << ")";
    qt::Frame(2);
    qt::Press(KEY_SPACE);
    if (done != STATE_MENU)
        return testing::AssertionFailure() << "the tombstone did not lead back to the title (state " << done << ")";
    qt::Frame(2);
    return testing::AssertionSuccess();
}

} // namespace

TEST(Faults, EveryScreenRunsWithoutItsPictures)
{
    qt::Boot();
    struct Missing {
        SDL_Surface **picture;
        const char *name;
    };
    const Missing pictures[] = {
        {&tileimages[0], "tile 0"},         {&tileimages[7], "tile 7"},       {&logo, "logo"},
        {&background, "background"},        {&clouds[0].image, "cloud"},      {&tombstone, "tombstone"},
        {&player.image, "player"},          {&player.clothes, "clothes"},     {&small_items_list[23], "small item 23"},
        {&small_items_list[1], "small item 1"}, {&mapcursor, "map cursor"},   {&font_image, "font"},
        {&crow_bird, "crow"},               {&highlighter, "highlighter"},    {&items_list[23], "item 23"},
    };
    for (const Missing &m : pictures) {
        SDL_Surface *kept = *m.picture;
        *m.picture = nullptr; // as if it had failed to load
        testing::AssertionResult ok = PlayTitleToDeath();
        *m.picture = kept;
        ASSERT_TRUE(ok) << "without the picture " << m.name;
    }
    // Player placement falls back to the tile size without its picture.
    SDL_Surface *kept = player.image;
    player.image = nullptr;
    qt::NewSeededGame(5);
    qt::Frame(1);
    player.image = kept;
    EXPECT_EQ(done, STATE_PLAYING);
}

TEST(Faults, APicturePathTooLongToFormIsAFailedLoad)
{
    qt::Boot();
    char saved[sizeof dataroot];
    std::memcpy(saved, dataroot, sizeof dataroot);
    std::memset(dataroot, 'x', sizeof dataroot - 1);
    dataroot[sizeof dataroot - 1] = '\0';
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(LoadPicture(PIC_FONT), nullptr);
    EXPECT_EQ(LoadPictureIn(DIR_TILES, tile_images[0]), nullptr);
    std::string err = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(err, "Couldn't load image font.png: path too long\n"
                   "Couldn't load image grass/grass-tile.png: path too long\n");
    std::memcpy(dataroot, saved, sizeof dataroot);
    SDL_Surface *font = LoadPicture(PIC_FONT);
    EXPECT_NE(font, nullptr);
    FreePicture(font);
}

namespace {

struct Outcome { std::string out; int status; };

// The program with arguments; only its standard output is kept, unless a prefix (before
// "./quorvane") is given, when both streams are.
Outcome Program(const std::string &args, const std::string &prefix = std::string())
{
    Outcome r{std::string(), -1};
    std::string cmd = "SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy " + prefix + "./quorvane " + args +
                      (prefix.empty() ? " 2>/dev/null" : " 2>&1");
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

TEST(CommandLine, HelpPrintsTheOptionsAndSucceedsAndAnUnknownSwitchPrintsTheUsageAndFails)
{
    for (const char *args : {"-h", "--help", "-f -h", "-h bogus", "--fullscreen --help"}) {
        Outcome r = Program(args);
        EXPECT_EQ(r.status, 0) << args;
        EXPECT_TRUE(EndsWith(r.out, help_text)) << args << ": " << r.out;
        EXPECT_EQ(r.out.find("Loading"), std::string::npos) << "nothing starts after the help";
    }
    for (const char *args : {"-F", "-f bogus", "--Help", "x"}) {
        Outcome r = Program(args);
        EXPECT_EQ(r.status, 1) << args;
        EXPECT_EQ(r.out, usage_text) << args;
    }
}

TEST(CommandLine, ANumberVariableThatHoldsNoWholeNumberEndsTheProgramWithALine)
{
    // Run with a bound: a count misread as some four thousand million frames would
    // otherwise play on for days.
    auto run = [](const std::string &vars) {
        return Program("", "env " + vars + " timeout 60 ");
    };
    for (const char *vars : {"QUORVANE_AUTOPLAY=-5", "QUORVANE_AUTOPLAY=12abc", "QUORVANE_AUTOPLAY=4294967296",
                             "QUORVANE_AUTOPLAY=+7", "QUORVANE_SEED=-1 QUORVANE_AUTOPLAY=5"}) {
        Outcome r = run(vars);
        std::string first = std::string(vars).substr(0, std::string(vars).find(' '));
        EXPECT_EQ(r.status, 1) << vars;
        EXPECT_EQ(r.out, "quorvane: " + first + " is not a whole number from 0 to 4294967295\n") << vars;
    }
    Outcome r = run("QUORVANE_SEED=4294967295 QUORVANE_AUTOPLAY=30");
    EXPECT_EQ(r.status, 0) << r.out;
    EXPECT_NE(r.out.find("autoplay: seed 4294967295, 30 frames"), std::string::npos) << r.out;
    r = run("QUORVANE_SEED= QUORVANE_AUTOPLAY=0");
    EXPECT_EQ(r.status, 0) << "an empty variable counts as unset: " << r.out;
}
