// The frame around the game: the title menu, the options screen, the modal wait,
// the direction prompt, screenshots and the font.
#include <gtest/gtest.h>

#include <climits>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "harness.h"
#include "keep/record.h"
#include "platform/null/null.h"
#include "player/player.h"
#include "screens/menu.h"
#include "shell/dice.h"
#include "shell/font.h"
#include "shell/global.h"
#include "shell/main.h"

namespace {

// The title as it stands right after start-up, before any game.
void FreshTitle()
{
    qt::Boot();
    qt::Drain();
    done = STATE_MENU, played = false, fadeimg = 0, fadecount = 10, selectmenu = 1;
}

// The finished title screen, as after a game was given up.
void FinishedTitle(bool withGame)
{
    if (withGame)
        qt::NewSeededGame(7);
    else
        qt::Boot();
    qt::Drain();
    done = STATE_MENU, played = withGame, fadeimg = 255, fadecount = 0;
    selectmenu = withGame ? 0 : 1;
}

} // namespace

TEST(TitleMenu, LogoFadesInAndSpaceWaitsForTheTwentiethFrame)
{
    FreshTitle();
    qt::Frame(18);
    EXPECT_EQ(fadeimg, 180);
    qt::Key(KEY_SPACE); // handled in frame 19: still too early
    qt::Frame(1);
    EXPECT_EQ(done, STATE_MENU);
    EXPECT_FALSE(played);
    qt::Key(KEY_SPACE); // frame 20: acts on "New Game" though the menu is not drawn yet
    qt::Frame(1);
    EXPECT_EQ(done, STATE_PLAYING);
    EXPECT_TRUE(played);
}

TEST(TitleMenu, MenuAppearsOnTheTwentySixthFrameWithTheCursorOnNewGame)
{
    FreshTitle();
    qt::Frame(25);
    EXPECT_FALSE(qt::TextAt(340, 445, "New Game"));
    qt::Frame(1);
    EXPECT_EQ(qt::Row({fadeimg, fadecount}), qt::Row({255, 0}));
    qt::ExpectTexts({{340, 445, "New Game"}, {340, 460, "Options"}, {340, 475, "Exit"}});
    EXPECT_FALSE(qt::TextAt(340, 430, "Continue"));
    EXPECT_TRUE(qt::TextAt(324, 445, ">"));
}

TEST(TitleMenu, TheKeysOfAFrameOnTheFinishedTitle)
{
    const struct {
        bool played, quit; // a game in memory; the window closed before the keys
        int from;
        std::initializer_list<GameKey> keys;
        int done, to;
    } cases[] = {
        {false, false, 1, {KEY_UP, KEY_UP}, STATE_MENU, 3}, // both moves come before the wrap
        {false, false, 3, {KEY_DOWN, KEY_SPACE}, STATE_PLAYING, 4}, // past Exit is a new game too
        {false, false, 1, {KEY_RETURN}, STATE_MENU, 1}, // Return does not select
        {false, false, 3, {KEY_SPACE}, STATE_QUIT, 3},
        {false, false, 1, {KEY_ESCAPE}, STATE_QUIT, 1},
        {true, false, 0, {KEY_ESCAPE}, STATE_PLAYING, 0}, // the game in memory resumes unchanged
        {true, true, 0, {KEY_ESCAPE}, STATE_QUIT, 0},     // a quit is not lost to a later key
        {false, true, 1, {KEY_SPACE}, STATE_QUIT, 1},
    };
    for (const auto &c : cases) {
        FinishedTitle(c.played);
        selectmenu = c.from, player.x = 17;
        if (c.quit)
            qt::Quit();
        qt::Keys(c.keys);
        qt::Frame(1);
        EXPECT_EQ(qt::Row({done, selectmenu}), qt::Row({c.done, c.to})) << "from " << c.from;
        EXPECT_EQ(played, c.played || c.done == STATE_PLAYING);
        EXPECT_TRUE(!c.played || player.x == 17);
    }
}

TEST(Options, EnteredOnTheSwitchAndLeftOnContinueOrNewGame)
{
    FinishedTitle(false);
    selectmenu = 2;
    qt::Press(KEY_SPACE);
    ASSERT_EQ(done, STATE_OPTIONS);
    EXPECT_EQ(selectmenu, 0);
    qt::Frame(1);
    qt::ExpectTexts({{340, 460, "Return to Menu"}, {340, 445, use_fullscreen ? "Windowed" : "Fullscreen"}});
    qt::Key(KEY_RETURN); // does nothing
    qt::Key(KEY_DOWN);
    qt::Press(KEY_SPACE);
    EXPECT_EQ(qt::Row({done, selectmenu}), qt::Row({STATE_MENU, 1}));

    FinishedTitle(true);
    done = STATE_OPTIONS, selectmenu = 0;
    qt::Press(KEY_ESCAPE);
    EXPECT_EQ(qt::Row({done, selectmenu}), qt::Row({STATE_MENU, 0}));
}

TEST(Options, TheLabelFollowsTheDisplayNotTheKeyPress)
{
    FinishedTitle(false);
    for (bool refused : {false, true}) {
        done = STATE_OPTIONS, selectmenu = 0;
        null_fullscreen_refused = refused;
        const bool before = use_fullscreen;
        const bool screenFull = null_fullscreen;
        qt::Press(KEY_SPACE);
        // The entry names the mode it switches to; it changes only when the display did.
        EXPECT_EQ(null_fullscreen != screenFull, !refused);
        EXPECT_EQ(use_fullscreen != before, null_fullscreen != screenFull);
        if (use_fullscreen != before) {
            qt::Key(KEY_SPACE); // and back
            qt::Frame(1);
        }
        EXPECT_EQ(done, STATE_OPTIONS);
    }
    null_fullscreen_refused = false;
}

TEST(ModalWait, KeysPressedBeforeTheWaitDoNotAnswerIt)
{
    qt::Boot();
    qt::ResetWaits();
    qt::Key(KEY_KP6); // pressed while a frame was still being drawn
    qt::ScriptWaits({KEY_KP4});
    GetDirection();
    EXPECT_EQ(qt::Row({player.gotdir, xchange, ychange, qt::WaitsSeen()}), qt::Row({1, -1, 0, 1}));
}

TEST(ModalWait, DirectionTableOnKeypadAndArrows)
{
    qt::NewSeededGame(3);
    struct Case { GameKey key; int dx, dy; } cases[] = {
        {KEY_KP6, 1, 0},   {KEY_KP4, -1, 0},  {KEY_KP2, 0, 1},   {KEY_KP8, 0, -1},
        {KEY_RIGHT, 1, 0}, {KEY_LEFT, -1, 0}, {KEY_DOWN, 0, 1},  {KEY_UP, 0, -1},
        {KEY_KP7, -1, -1}, {KEY_KP9, 1, -1},  {KEY_KP1, -1, 1},  {KEY_KP3, 1, 1},
    };
    for (const Case &c : cases) {
        qt::ScriptWaits({c.key});
        GetDirection();
        EXPECT_EQ(qt::Row({player.gotdir, xchange, ychange}), qt::Row({1, c.dx, c.dy})) << c.key;
    }
}

TEST(ModalWait, OtherKeysCancelTheCommand)
{
    qt::NewSeededGame(3);
    for (GameKey k : {KEY_KP5, KEY_ESCAPE, KEY_A}) {
        mode = MODE_GOING;
        qt::ScriptWaits({k});
        GetDirection();
        EXPECT_EQ(qt::Row({player.gotdir, xchange, ychange, mode}), qt::Row({0, 0, 0, MODE_NORMAL}));
    }
    // Closing the window at the prompt cancels too, and does not end the program.
    mode = MODE_GOING;
    input_wait_hook = [] { qt::Quit(); };
    GetDirection();
    qt::UseScriptedWaits();
    EXPECT_EQ(qt::Row({player.gotdir, mode, done}), qt::Row({0, MODE_NORMAL, STATE_PLAYING}));
}

TEST(ModalWait, AQuitSignalAtAPromptEndsTheGameLikeExit)
{
    // "o" asks "Which direction?"; enough experience brings the level-up notice's wait.
    const struct {
        int sig;
        bool levelup;
    } cases[] = {{SIGTERM, false}, {SIGINT, false}, {SIGHUP, false}, {SIGTERM, true}};
    static int sig;
    for (const auto &c : cases) {
        qt::NewSeededGame(3);
        sig = c.sig;
        input_wait_hook = [] { std::raise(sig); };
        if (c.levelup)
            player.exp = 80;
        else
            qt::Key(KEY_O);
        qt::Frame(1);
        const int time = gametime;
        qt::Frame(3);
        input_wait_hook = nullptr;
        EXPECT_EQ(done, STATE_QUIT) << "signal " << c.sig << (c.levelup ? " at the level-up" : " at the direction");
        EXPECT_EQ(gametime, time);
        quit_signal = 0;
        qt::UseScriptedWaits();
    }
}

TEST(ModalWait, TheCloseButtonBeforeTheLevelUpNoticeEndsTheGameAndTheLevelIsWhole)
{
    qt::NewSeededGame(3);
    const int level = player.level, mhp = player.mhp;
    player.exp = level_gains[level];
    const int waits = qt::WaitsSeen();
    qt::Quit();
    qt::Frame(1);
    EXPECT_EQ(qt::Row({done, qt::WaitsSeen() - waits, player.level, player.mhp}),
              qt::Row({STATE_QUIT, 0, level + 1, mhp + (level + 1) * 5 / 2}));
}

TEST(Screenshots, NumberedInOrderInTheWorkingDirectoryNeverOverEarlierOnes)
{
    qt::Boot();
    char tmpl[] = "/tmp/quorvane-shotsXXXXXX", old[4096];
    ASSERT_NE(mkdtemp(tmpl), nullptr);
    ASSERT_NE(getcwd(old, sizeof old), nullptr);
    ASSERT_EQ(chdir(tmpl), 0);
    // Earlier screenshots of this process have used some numbers already.
    auto name = [](int i) { return "screenshot" + std::to_string(i) + ".bmp"; };
    int first = 0;
    struct stat st;
    TakeScreenshot();
    while (stat(name(first).c_str(), &st) != 0 && first < 100000)
        first++;
    // The next two numbers hold a player's pictures from an earlier game.
    for (int i = first + 1; i <= first + 2; i++) {
        FILE *f = std::fopen(name(i).c_str(), "w");
        ASSERT_NE(f, nullptr);
        std::fputs("kept", f);
        std::fclose(f);
    }
    TakeScreenshot();
    TakeScreenshot();
    for (int i : {first, first + 3, first + 4}) {
        SDL_Surface *s = SDL_LoadBMP(name(i).c_str());
        ASSERT_NE(s, nullptr) << name(i);
        EXPECT_EQ(qt::Row({s->w, s->h}), qt::Row({800, 600}));
        SDL_FreeSurface(s);
    }
    for (int i = first; i <= first + 4; i++) {
        if (i == first + 1 || i == first + 2) {
            EXPECT_EQ(stat(name(i).c_str(), &st) == 0 ? st.st_size : -1, 4) << name(i) << " was written over";
        }
        unlink(name(i).c_str());
    }
    EXPECT_NE(stat(name(first + 5).c_str(), &st), 0);
    ASSERT_EQ(chdir(old), 0);
    rmdir(tmpl);
}

TEST(Screenshots, AnUnwritableDirectoryIsSkippedSilently)
{
    qt::Boot();
    char old[4096];
    ASSERT_NE(getcwd(old, sizeof old), nullptr);
    ASSERT_EQ(chdir("/proc"), 0); // nothing can be created here
    std::fflush(stdout);
    ::testing::internal::CaptureStdout();
    ::testing::internal::CaptureStderr();
    TakeScreenshot();
    // F1 in play, as a player presses it: the game says nothing and goes on.
    qt::Field(9);
    const int x = player.x;
    qt::Key(KEY_F1);
    qt::Key(KEY_KP6);
    qt::Frame(2);
    std::fflush(stdout);
    std::string out = ::testing::internal::GetCapturedStdout();
    std::string err = ::testing::internal::GetCapturedStderr();
    ASSERT_EQ(chdir(old), 0);
    EXPECT_EQ(out, "");
    EXPECT_EQ(err, "");
    EXPECT_EQ(qt::Row({done, mode, player.x}), qt::Row({STATE_PLAYING, MODE_NORMAL, x + 1}))
        << "the step after the screenshot was not taken";
}

TEST(Dice, BothEndsIncludedWhicheverWayRoundTheyAreGiven)
{
    SeedDice(3);
    bool seen[7] = {};
    for (int i = 0; i < 2000; i++) {
        EXPECT_EQ(RandNum(5, 5), 5);
        int a = RandNum(1, 2), b = RandNum(2, 1), c = RandNum(6, 1);
        ASSERT_TRUE(a >= 1 && a <= 2 && b >= 1 && b <= 2 && c >= 1 && c <= 6) << a << " " << b << " " << c;
        seen[c] = true;
    }
    for (int v = 1; v <= 6; v++)
        EXPECT_TRUE(seen[v]) << v << " never came up";
    int wide = RandNum(INT_MIN, INT_MAX); // a span wider than an int
    (void)wide;
}

TEST(Replay, AReplayWhoseWindowIsClosedSaysItWasStoppedNotThatItDiffers)
{
    FreshTitle();
    char path[] = "/tmp/quorvane-stoppedXXXXXX";
    int fd = mkstemp(path);
    ASSERT_GE(fd, 0);
    const char text[] = "quorvane-recording 1\nseed 1\nend 7000000000 0\n";
    ASSERT_EQ(write(fd, text, sizeof text - 1), static_cast<ssize_t>(sizeof text - 1));
    close(fd);
    setenv("QUORVANE_REPLAY", path, 1);
    unsetenv("QUORVANE_RECORD");
    unsigned seed = 0;
    const int started = StartRecordedGame(&seed);
    unsetenv("QUORVANE_REPLAY");
    unlink(path);
    ASSERT_EQ(started, -1);
    ASSERT_TRUE(ReplayingGame());
    qt::Frame(3);
    qt::Quit(); // the window's close button
    for (int i = 0; i < 5 && done != STATE_QUIT; i++)
        qt::Frame(1);
    EXPECT_EQ(done, STATE_QUIT);
    std::fflush(stdout);
    ::testing::internal::CaptureStdout();
    const int status = FinishRecordedGame();
    std::fflush(stdout);
    std::string out = ::testing::internal::GetCapturedStdout();
    EXPECT_EQ(status, REPLAY_STOPPED);
    EXPECT_EQ(out.find("differs"), std::string::npos) << out;
    EXPECT_NE(out.find(std::string("replay: ") + path + ": stopped by its viewer at frame "), std::string::npos) << out;
    EXPECT_NE(out.find("(the recording ends at frame 7000000000)"), std::string::npos) << out;
    EXPECT_FALSE(ReplayingGame());
}

TEST(Font, GlyphTableAndCentring)
{
    EXPECT_EQ(qt::Row({GlyphOf('0'), GlyphOf('9'), GlyphOf('A'), GlyphOf('Z')}), qt::Row({0, 9, 10, 35}));
    EXPECT_EQ(qt::Row({GlyphOf('a'), GlyphOf('z')}), qt::Row({36, 61}));
    const char *punct = "#=_-?!:.><*()/'+\",";
    for (int i = 0; punct[i]; i++)
        EXPECT_EQ(GlyphOf(static_cast<unsigned char>(punct[i])), 62 + i) << punct[i];
    for (int c : {32, 37, 38, 36, 59, 91, 93, 200, 0})
        EXPECT_EQ(GlyphOf(static_cast<unsigned char>(c)), -1) << c;

    qt::Boot();
    SDL_FillRect(screen, nullptr, bgcolor);
    centerString(800, 100, "Thirteen byte"); // 13 bytes: starts at 348
    EXPECT_TRUE(qt::TextAt(348, 100, "Thirteen byte"));
    centerString(660, 200, "Seven b"); // 7 bytes over 660: starts at 302
    EXPECT_TRUE(qt::TextAt(302, 200, "Seven b"));
    drawNum(10, 300, -5);
    EXPECT_TRUE(qt::TextAt(10, 300, "-5"));
    drawString(10, 320, "CHP: 12"); // the blank is an empty cell
    qt::ExpectTexts({{10, 320, "CHP"}, {50, 320, "12"}});
    EXPECT_TRUE(qt::NoTextIn(42, 320, 8, 12));
    drawString(790, 400, "Clipped"); // runs off the right edge harmlessly
}
