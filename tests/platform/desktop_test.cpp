// The desktop's own routines: what its present sends, the key numbers it hands over, the
// window's scale, and its edge to the machine as the game meets it.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <unistd.h>
#include <vector>

#include <SDL/SDL.h>

#include "platform/desktop/desktop.h"
#include "platform/desktop/present.h"
#include "platform/keys.h"
#include "platform/platform.h"
#include "shell/global.h"
#include "shell/main.h"

namespace {
using Row = std::vector<long long>;
}

TEST(Present, ChangedBytesAreFoundWithinTheRowAndSameRowsSayNone)
{
    // Rows of 13 bytes inside larger buffers whose bytes before and after the rows
    // differ: nothing outside the row may count.
    Uint8 a[40], b[40];
    std::memset(a, 7, sizeof a);
    std::memset(b, 9, sizeof b);
    Uint8 *ra = a + 10, *rb = b + 10;
    const size_t n = 13;
    std::memset(ra, 1, n);
    std::memset(rb, 1, n);
    EXPECT_EQ(Row({(long long)FirstDifferentByte(ra, rb, n), (long long)LastDifferentByte(ra, rb, n)}),
              Row({13, 13}))
        << "rows that are the same";
    for (size_t at : {0, 5, 7, 8, 12}) {
        rb[at] = 2;
        EXPECT_EQ(Row({(long long)FirstDifferentByte(ra, rb, n), (long long)LastDifferentByte(ra, rb, n)}),
                  Row({(long long)at, (long long)at}))
            << "one byte differs at " << at;
        rb[at] = 1;
    }
    rb[2] = 2, rb[11] = 2;
    EXPECT_EQ(Row({(long long)FirstDifferentByte(ra, rb, n), (long long)LastDifferentByte(ra, rb, n)}),
              Row({2, 11}));
    EXPECT_EQ(Row({(long long)FirstDifferentByte(ra, rb, 0), (long long)LastDifferentByte(ra, rb, 0)}),
              Row({0, 0}))
        << "empty rows";
}

TEST(Keys, TheDesktopsKeyNumbersAreTheGamesTableAndEveryKeyHasAWordOfItsOwn)
{
    // SDL 1.2 on the desktop numbers its keys as the first recordings stored them.
    EXPECT_EQ(Row({KeyOfSdl12(SDLK_UP), KeyOfSdl12(SDLK_KP6), KeyOfSdl12(SDLK_a), KeyOfSdl12(SDLK_F1)}),
              Row({KEY_UP, KEY_KP6, KEY_A, KEY_F1}));
    EXPECT_EQ(KeyOfSdl12(SDLK_WORLD_5), KEY_UNKNOWN);
    for (int k = 0; k < KEY_COUNT; k++) {
        const GameKey key = static_cast<GameKey>(k);
        GameKey back = KEY_COUNT;
        ASSERT_TRUE(KeyOfWord(KeyWord(key), &back)) << k;
        EXPECT_EQ(back, key) << KeyWord(key);
        EXPECT_EQ(KeyOfSdl12(Sdl12OfKey(key)), key) << KeyWord(key);
        EXPECT_EQ(std::strpbrk(KeyWord(key), " \t\n"), nullptr) << "a word a recording can hold: " << KeyWord(key);
    }
    EXPECT_EQ(KeyWord(KEY_COUNT), nullptr);
}

// The window's defaults stand only where the player set nothing, and are taken back
// whole when no window could be had with them.
TEST(Scale, TheDefaultsAreThePlayersUnlessUnsetAndCanBeTakenBack)
{
    unsetenv("SDL_RENDER_DRIVER");
    setenv("SDL_FRAMEBUFFER_ACCELERATION", "1", 1); // the player's own
    ChooseDesktopDefaults();
    EXPECT_STREQ(std::getenv("SDL_RENDER_DRIVER"), "software");
    EXPECT_STREQ(std::getenv("SDL_FRAMEBUFFER_ACCELERATION"), "1");
    EXPECT_TRUE(ForgetPresentDefaults());
    EXPECT_EQ(std::getenv("SDL_RENDER_DRIVER"), nullptr);
    EXPECT_STREQ(std::getenv("SDL_FRAMEBUFFER_ACCELERATION"), "1");
    EXPECT_FALSE(ForgetPresentDefaults()) << "nothing left to take back";
    unsetenv("SDL_FRAMEBUFFER_ACCELERATION");
    setenv("SDL12COMPAT_WINDOW_SCALING", "2", 1);
    EXPECT_EQ(ChooseWindowScale(), 0) << "the player's own scale";
    unsetenv("SDL12COMPAT_WINDOW_SCALING");
}

TEST(Scale, TheLargestWholeScaleThatFitsTheDesktop)
{
    EXPECT_EQ(Row({FittingScale(3840, 2160), FittingScale(1920, 1080), FittingScale(1600, 1248), FittingScale(640, 480)}),
              Row({3, 1, 2, 1}));
}

// The desktop's edge as the game meets it, on SDL's dummy drivers: SDL's events become
// the game's own, pictures come in the screen's format with magenta keyed out, and a
// screenshot is a BMP file.
TEST(DesktopPlatform, SdlsEventsPicturesAndScreenshotsAsTheGameTakesThem)
{
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    StartPlatform();
    ASSERT_EQ(OpenPlatformScreen(false, "Quorvane test", (std::string(dataroot) + "/images/icon.bmp").c_str()),
              SCREEN_OPENED);
    ASSERT_NE(screen, nullptr);

    SDL_Event e{};
    e.type = SDL_KEYDOWN;
    e.key.keysym.sym = SDLK_KP6;
    e.key.keysym.mod = KMOD_LSHIFT;
    SDL_PushEvent(&e);
    e = SDL_Event{};
    e.type = SDL_MOUSEBUTTONDOWN;
    e.button.button = 4; // the wheel: nothing the game reads
    SDL_PushEvent(&e);
    e.button.button = SDL_BUTTON_RIGHT;
    e.button.x = 10, e.button.y = 20;
    SDL_PushEvent(&e);
    e = SDL_Event{};
    e.type = SDL_MOUSEMOTION;
    e.motion.x = 30, e.motion.y = 40;
    SDL_PushEvent(&e);
    e = SDL_Event{};
    e.type = SDL_QUIT;
    SDL_PushEvent(&e);
    std::vector<Row> got;
    InputEvent ev;
    for (int i = 0; i < 10 && PollPlatformEvent(&ev); i++)
        got.push_back({ev.type, ev.key, ev.mod, ev.x, ev.y, ev.button});
    EXPECT_EQ(got, (std::vector<Row>{{INPUT_KEYDOWN, KEY_KP6, MOD_LSHIFT, 0, 0, 0},
                                     {INPUT_POINTER_DOWN, KEY_UNKNOWN, 0, 10, 20, BUTTON_RIGHT},
                                     {INPUT_POINTER_MOVE, KEY_UNKNOWN, 0, 30, 40, 0},
                                     {INPUT_QUIT, KEY_UNKNOWN, 0, 0, 0, 0}}));
    unsigned char held[KEY_COUNT];
    ReadPlatformKeys(held);
    EXPECT_FALSE(PlatformQuitRequested());

    char why[256] = "";
    const std::string images = std::string(dataroot) + "/images/";
    SDL_Surface *logo = LoadPlatformPicture((images + "logo.png").c_str(), true, why, sizeof why);
    ASSERT_NE(logo, nullptr) << why;
    EXPECT_EQ(logo->format->BitsPerPixel, screen->format->BitsPerPixel);
    EXPECT_TRUE(logo->flags & SDL_SRCCOLORKEY);
    SDL_FreeSurface(logo);
    EXPECT_EQ(LoadPlatformPicture((images + "none.png").c_str(), true, why, sizeof why), nullptr);
    EXPECT_NE(why[0], '\0');

    char name[] = "/tmp/quorvane-shot.XXXXXX";
    const int fd = mkstemp(name);
    ASSERT_GE(fd, 0);
    close(fd);
    SDL_FillRect(screen, nullptr, SDL_MapRGB(screen->format, 200, 10, 10));
    ShowPlatformScreen(true);
    ShowPlatformScreen(false);
    EXPECT_TRUE(WritePlatformScreenshot(name));
    SDL_Surface *shot = SDL_LoadBMP(name);
    ASSERT_NE(shot, nullptr);
    EXPECT_EQ(Row({shot->w, shot->h}), Row({800, 600}));
    SDL_FreeSurface(shot);
    std::remove(name);
    StopPlatform();
}
