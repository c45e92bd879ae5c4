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
#include "shell/font.h"
#include "shell/free.h"
#include "shell/global.h"
#include "shell/main.h"
#include "shell/menu.h"
#include "shell/pictures.h"
#include "shell/tombstone.h"
#include "world/level.h"
#include "world/look.h"

TEST(Faults, ADeadPlayerDoesNotLevelUpInTheFrameOfDeath)
{
    qt::NewSeededGame(21);
    player.exp = 40; // past the first threshold
    player.chp = -1;
    qt::ScriptWaits({SDLK_SPACE, SDLK_SPACE});
    qt::Frame(1);
    EXPECT_EQ(qt::Row({done, qt::WaitsSeen()}), qt::Row({STATE_DEAD, 2}));
    EXPECT_EQ(qt::HistoryLineText(0), "You die.");
    EXPECT_EQ(qt::HistoryLineText(1), "(Press a key)");
    EXPECT_FALSE(qt::HistoryHas("Welcome to level 2"));
    EXPECT_EQ(qt::Row({player.level, player.chp}), qt::Row({1, -1}));
}

namespace {

// From the title through a new game, some steps and a look around, to a death and
// back to the title from the tombstone.
void PlayTitleToDeath()
{
    qt::Drain();
    qt::ResetWaits();
    done = STATE_MENU, played = false, fadeimg = 0, fadecount = 10, selectmenu = 1;
    qt::Frame(20);
    qt::Press(SDLK_SPACE);
    ASSERT_EQ(done, STATE_PLAYING);
    for (SDLKey k : {SDLK_KP2, SDLK_KP6, SDLK_KP3, SDLK_KP5, SDLK_l, SDLK_KP6, SDLK_ESCAPE, SDLK_i, SDLK_SPACE,
                     SDLK_ESCAPE, SDLK_ESCAPE, SDLK_c, SDLK_ESCAPE}) {
        qt::Key(k, k == SDLK_c ? KMOD_LSHIFT : KMOD_NONE);
        qt::Frame(2);
    }
    qt::Frame(20); // the crow crosses
    player.chp = -1;
    qt::ScriptWaits({SDLK_SPACE, SDLK_SPACE});
    qt::Frame(1);
    ASSERT_EQ(done, STATE_DEAD);
    qt::Frame(2);
    qt::Press(SDLK_SPACE);
    EXPECT_EQ(done, STATE_MENU);
    qt::Frame(2);
}

} // namespace

TEST(Faults, EveryScreenRunsWithoutItsPictures)
{
    qt::Boot();
    SDL_Surface **pictures[] = {&tileimages[0], &tileimages[7], &logo, &background, &clouds[0].image, &tombstone,
                                &player.image, &player.clothes, &small_items_list[23], &small_items_list[1],
                                &mapcursor, &font_image, &crow_bird, &highlighter, &items_list[23]};
    for (SDL_Surface **p : pictures) {
        SDL_Surface *kept = *p;
        *p = nullptr; // as if it had failed to load
        PlayTitleToDeath();
        *p = kept;
    }
    // Player placement falls back to the tile size without its picture.
    SDL_Surface *kept = player.image;
    player.image = nullptr;
    qt::NewSeededGame(5);
    qt::Frame(1);
    player.image = kept;
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
