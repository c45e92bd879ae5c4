// The kept game: a game written out and read back is the same game; a damaged or foreign
// file is refused with one line and set aside, never lost; a folder that cannot take the
// save leaves the game playable; a dead hero leaves no save.
#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include "creatures/monster.h"
#include "harness.h"
#include "items/inventory.h"
#include "keep/save.h"
#include "keep/state.h"
#include "player/player.h"
#include "screens/menu.h"
#include "shell/dice.h"
#include "shell/free.h"
#include "shell/history.h"
#include "shell/input.h"
#include "shell/main.h"
#include "world/level.h"

namespace {

// The digest of the game as a save holds it: on the title, in normal mode.
unsigned long long KeptDigest()
{
    const int d = done, m = mode;
    done = STATE_MENU, mode = MODE_NORMAL;
    unsigned long long h = DigestGame();
    done = d, mode = m;
    return h;
}

struct Case {
    const char *name;
    void (*make)();
};

void Town() { qt::NewSeededGame(11); }
void Wilderness()
{
    qt::StandIn(12, 1, 0, 60, 30);
    for (int i = 0; i < 10; i++)
        qt::Put(1 + i % 20, 70 + i, 31);
}
void Winter()
{
    qt::NewSeededGame(13);
    gamedays = 250, gametime = 2999;
    qt::StandIn(13, 2, 0, 30, 20);
}
void Poisoned()
{
    qt::NewSeededGame(14);
    player.poisoned = 1, player.poisontime = 15, player.poisoncount = 3, player.feelbetter = 0;
    player.chp = 2, player.blind = 1;
}
void FullHistory()
{
    qt::NewSeededGame(15);
    for (int i = 0; i < HISTORY_LINES + 40; i++) {
        gametime = i * 7 % 3000;
        std::snprintf(line, sizeof line, "Line %d: 100%% sure; spaces,  colons: and \t tabs %s", i,
                      i % 3 ? "" : "and a long tail of words that runs on past the width of the strip");
        AddHistory(line);
    }
    AddHistory(""); // an empty line is a line too
}
void FullPack()
{
    qt::NewSeededGame(16);
    for (int k = 1; k < NUM_ITEM_KINDS && curitems < INVENTORY_SLOTS; k++)
        AddItem(k, false);
    AddItem(2, false);
}
const Case cases[] = {{"town", Town},         {"wilderness", Wilderness},     {"winter", Winter},
                      {"poisoned", Poisoned}, {"full history", FullHistory}, {"full pack", FullPack}};

// Another game in memory, so that a read that changed nothing would show.
void Elsewhere() { qt::NewSeededGame(99); }

} // namespace

TEST(SavedGame, EveryKindOfGameComesBackWhole)
{
    qt::Boot();
    for (const Case &c : cases) {
        c.make();
        const unsigned long long before = KeptDigest();
        const std::string text = WriteGameText();
        Elsewhere();
        char why[200] = "";
        ASSERT_TRUE(ReadGameText(text, why, sizeof why)) << c.name << ": " << why;
        EXPECT_EQ(DigestGame(), before) << c.name;
        EXPECT_EQ(done, STATE_MENU) << c.name;
        EXPECT_EQ(WriteGameText(), text) << c.name << ": written again, the text differs";
    }
}

TEST(SavedGame, DamagedTextIsRefusedAndTheGameInMemoryIsKept)
{
    qt::Boot();
    FullHistory();
    const std::string good = WriteGameText();
    Elsewhere();
    const unsigned long long mine = DigestGame();
    auto refused = [&](const std::string &text, const std::string &what) {
        char why[200] = "";
        bool read = ReadGameText(text, why, sizeof why);
        EXPECT_FALSE(read) << what;
        EXPECT_NE(why[0], '\0') << what;
        EXPECT_EQ(DigestGame(), mine) << what << ": the game in memory changed";
        return std::string(why);
    };
    // Cut short anywhere: every length within the header and the first line, then a
    // spread through the rest.
    for (size_t n = 0; n < good.size(); n += n < 400 ? 1 : 997)
        refused(good.substr(0, n), "cut at " + std::to_string(n));
    EXPECT_EQ(refused("", "empty"), "the file is empty");
    EXPECT_EQ(refused(good.substr(0, good.size() - 5), "no end").rfind("the file is cut short", 0), 0u);
    // A byte changed anywhere.
    for (size_t at = 0; at < good.size(); at += 613) {
        std::string bad = good;
        char &b = bad[at];
        b = b >= '0' && b <= '8' ? static_cast<char>(b + 1) : b == '9' ? '0' : b == 'x' ? 'y' : 'x';
        refused(bad, "byte " + std::to_string(at) + " changed");
    }
    std::string newer = good;
    newer.replace(0, 15, "quorvane-save 3");
    EXPECT_NE(refused(newer, "newer").find("newer version (3)"), std::string::npos);
    std::string huge = good;
    huge.replace(0, 15, "quorvane-save 4294967297");
    EXPECT_NE(refused(huge, "huge version").find("newer version"), std::string::npos);
    std::string digest = good;
    size_t d = digest.find("digest ") + 7;
    digest[d] = digest[d] == '0' ? '1' : '0';
    EXPECT_EQ(refused(digest, "wrong digest"), "its digest does not match the game it holds");
    EXPECT_EQ(refused(good + "x\n", "trailing"), "damaged at line " + std::to_string(std::count(good.begin(), good.end(), '\n') + 1) + ": more after the end");
    EXPECT_EQ(refused("P5\n3 3\n255\n", "a picture"), "not a saved game");
    // Line ends written over as CR LF by some editor still read.
    std::string crlf;
    for (char ch : good)
        crlf += ch == '\n' ? std::string("\r\n") : std::string(1, ch);
    char why[200] = "";
    EXPECT_TRUE(ReadGameText(crlf, why, sizeof why)) << why;
}

// A file made by hand, its digest right, its numbers outside what the game can hold,
// must never reach the game: each would index past a table or divide by nothing.
TEST(SavedGame, TheDiceRollOnAfterAResumeAndAVersionOneSaveStillResumes)
{
    qt::NewSeededGame(21);
    for (int i = 0; i < 57; i++)
        RollDice();
    const std::string text = WriteGameText();
    int next[20];
    for (int &n : next)
        n = RollDice();
    Elsewhere();
    char why[200] = "";
    ASSERT_TRUE(ReadGameText(text, why, sizeof why)) << why;
    for (int n : next)
        EXPECT_EQ(RollDice(), n);

    // The same game as the first saves wrote it: no dice, the game's digest alone.
    const size_t dice = text.find("\ndice ");
    ASSERT_NE(dice, std::string::npos);
    ASSERT_TRUE(ReadGameText(text, why, sizeof why)) << why;
    const unsigned long long game = KeptDigest();
    std::string old = text.substr(0, dice) + text.substr(text.find('\n', dice + 1));
    char head[64];
    std::snprintf(head, sizeof head, "quorvane-save 1\ndigest %016llx", game);
    old.replace(0, old.find('\n', old.find('\n') + 1), head);
    Elsewhere();
    SeedDice(5);
    const int fifth = RollDice();
    SeedDice(5);
    ASSERT_TRUE(ReadGameText(old, why, sizeof why)) << why;
    EXPECT_EQ(DigestGame(), game);
    EXPECT_EQ(RollDice(), fifth) << "a version-1 game rolls on with this run's dice";
}

TEST(Dice, TheSequenceOfEverySeedIsTheCLibrarysRand)
{
    for (unsigned seed : {0u, 1u, 2u, 5u, 16u, 77u, 12345u, 2147483647u, 2147483648u, 4294967295u}) {
        std::srand(seed);
        SeedDice(seed);
        for (int i = 0; i < 2000; i++)
            ASSERT_EQ(RollDice(), std::rand()) << "seed " << seed << ", roll " << i;
    }
}

TEST(SavedGame, NumbersOutsideTheGameAreRefusedThoughTheDigestMatches)
{
    qt::Boot();
    struct Bad {
        const char *what;
        void (*spoil)();
        const char *why;
    } bad[] = {
        {"player off the map", [] { player.x = MAP_WIDTH; }, "a number out of range"},
        {"view off the map", [] { player.viewy = MAP_HEIGHT - VIEW_ROWS + 1; }, "a number out of range"},
        {"level past the table", [] { player.level = MAX_LEVEL + 1; }, "a number out of range"},
        {"land not the world's", [] { player.area = 2; player.areax = 0, player.areay = 0; }, "the player's land is not the world's"},
        {"tile past the catalogue", [] { worldmap[3][4] = NUM_TILES; }, "a number out of range"},
        {"overlay past the catalogue", [] { overmap[3][4] = -1; }, "a number out of range"},
        {"creature count", [] { curmonsters = MAX_MONSTERS; }, "a number out of range"},
        {"creature kind", [] { monsters[3].kind = NUM_MONSTER_KINDS; }, "a number out of range"},
        {"blows the wrong way round", [] { monsters[2].mindamage = 5, monsters[2].maxdamage = 4; }, "a number out of range"},
        {"history past its end", [] { curhistory = HISTORY_LINES; }, "a number out of range"},
        {"clock past the day", [] { gametime = 3000; }, "a number out of range"},
        {"carried kind", [] { user_amounts[5] = -1; }, "a number out of range"},
    };
    for (const Bad &b : bad) {
        qt::NewSeededGame(21);
        b.spoil();
        const std::string text = WriteGameText();
        Elsewhere();
        const unsigned long long mine = DigestGame();
        char why[200] = "";
        EXPECT_FALSE(ReadGameText(text, why, sizeof why)) << b.what;
        EXPECT_NE(std::string(why).find(b.why), std::string::npos) << b.what << ": " << why;
        EXPECT_EQ(DigestGame(), mine) << b.what;
    }
    // A creature's name that no creature has.
    qt::NewSeededGame(21);
    std::string text = WriteGameText();
    size_t at = text.find(monsters[0].name);
    ASSERT_NE(at, std::string::npos);
    text[at] = '#';
    char why[200] = "";
    EXPECT_FALSE(ReadGameText(text, why, sizeof why));
}

// ---- The file, in a folder of the test's own ----

class SaveFile : public testing::Test {
protected:
    char folder[64] = "/tmp/quorvane-save.XXXXXX";
    char home[4096] = "";

    void SetUp() override
    {
        qt::Boot();
        ASSERT_NE(getcwd(home, sizeof home), nullptr);
        ASSERT_NE(mkdtemp(folder), nullptr);
        ASSERT_EQ(chdir(folder), 0);
        keep_games = true;
    }
    void TearDown() override
    {
        keep_games = false;
        EXPECT_EQ(chdir(home), 0);
        std::string rm = std::string("chmod -R u+w ") + folder + " && rm -rf " + folder;
        EXPECT_EQ(std::system(rm.c_str()), 0);
    }
    static std::string Read(const char *path)
    {
        std::ifstream f(path, std::ios::binary);
        std::stringstream s;
        s << f.rdbuf();
        return s.str();
    }
    static void Write(const char *path, const std::string &text) { std::ofstream(path, std::ios::binary) << text; }
    static bool Exists(const char *path)
    {
        struct stat st;
        return stat(path, &st) == 0;
    }
    // What the call printed on stderr.
    template <class F> static std::string Stderr(F f)
    {
        testing::internal::CaptureStderr();
        f();
        return testing::internal::GetCapturedStderr();
    }
    static int Lines(const std::string &s) { return static_cast<int>(std::count(s.begin(), s.end(), '\n')); }
    // As the program starts: the title, no game yet.
    static void Start()
    {
        played = false, selectmenu = 1, done = STATE_MENU;
    }
};

TEST_F(SaveFile, QGoesToTheTitleAndTheSavedGameComesBackWithContinueSelected)
{
    qt::NewSeededGame(31);
    played = true;
    qt::Press(KEY_RIGHT, 2);
    EXPECT_EQ(qt::Press(KEY_Q, 1, MOD_LSHIFT), MODE_NORMAL);
    EXPECT_EQ(done, STATE_MENU);
    ASSERT_TRUE(Exists(SAVE_FILE));
    const unsigned long long kept = KeptDigest();
    const std::string text = Read(SAVE_FILE);
    EXPECT_EQ(text.rfind("quorvane-save 2\ndigest ", 0), 0u);

    // As the program starts: the pictures just loaded, no new game made.
    Elsewhere();
    LoadFree();
    Start();
    std::string err = Stderr([] { ResumeSavedGame(); });
    EXPECT_EQ(err, "");
    for (const Cloud &c : clouds)
        EXPECT_EQ(c.image->format->alpha, 140) << "a resumed game's clouds are not translucent";
    EXPECT_TRUE(played);
    EXPECT_EQ(selectmenu, 0);
    EXPECT_EQ(DigestGame(), kept);
    // Continue: straight back into play, in normal mode.
    fadeimg = 255, fadecount = 0;
    qt::Key(KEY_SPACE);
    qt::Frame(1);
    EXPECT_EQ(done, STATE_PLAYING);
    EXPECT_EQ(mode, MODE_NORMAL);
}

TEST_F(SaveFile, ACrossingKeepsTheGameAndADeathRemovesIt)
{
    qt::StandIn(32, 1, 1, MAP_WIDTH - 1, 30);
    played = true;
    done = STATE_PLAYING;
    qt::Press(KEY_RIGHT, 1);
    ASSERT_EQ(player.areax, 2);
    ASSERT_TRUE(Exists(SAVE_FILE)) << "no save at the crossing";
    const unsigned long long kept = KeptDigest();
    Elsewhere();
    Start();
    ResumeSavedGame();
    EXPECT_EQ(DigestGame(), kept);

    // The blow that kills: the save goes before the death's messages wait for a key.
    done = STATE_PLAYING, mode = MODE_NORMAL;
    player.chp = -1;
    qt::ScriptWaits({KEY_SPACE, KEY_SPACE});
    qt::Frame(1);
    EXPECT_EQ(done, STATE_DEAD);
    EXPECT_FALSE(Exists(SAVE_FILE));
    EXPECT_FALSE(KeepGame()) << "a dead hero was kept";
    EXPECT_FALSE(Exists(SAVE_FILE));
    qt::ResetWaits();
}

TEST_F(SaveFile, BadFilesAreToldInOneLineAndMovedAsideNeverOverAnother)
{
    Write(SAVE_FILE, "not a game at all\n");
    Start();
    std::string err = Stderr([] { ResumeSavedGame(); });
    EXPECT_EQ(Lines(err), 1) << err;
    EXPECT_NE(err.find("quorvane.sav: not a saved game; moved aside to quorvane.sav.bad"), std::string::npos) << err;
    EXPECT_FALSE(played);
    EXPECT_EQ(selectmenu, 1);
    EXPECT_FALSE(Exists(SAVE_FILE));
    EXPECT_EQ(Read("quorvane.sav.bad"), "not a game at all\n");

    // The next bad file does not take the first one's place.
    Write(SAVE_FILE, "");
    err = Stderr([] { ResumeSavedGame(); });
    EXPECT_NE(err.find("the file is empty; moved aside to quorvane.sav.bad1"), std::string::npos) << err;
    EXPECT_EQ(Read("quorvane.sav.bad"), "not a game at all\n");
    EXPECT_TRUE(Exists("quorvane.sav.bad1"));

    // The next start is a first start: nothing there, nothing said.
    err = Stderr([] { ResumeSavedGame(); });
    EXPECT_EQ(err, "");
    EXPECT_FALSE(played);
}

TEST_F(SaveFile, AFolderWhereTheSaveGoesIsToldOnceAndTheGameGoesOn)
{
    ASSERT_EQ(mkdir(SAVE_FILE, 0755), 0);
    Start();
    std::string err = Stderr([] { ResumeSavedGame(); });
    EXPECT_EQ(Lines(err), 1) << err;
    EXPECT_NE(err.find("a folder stands where the saved game goes"), std::string::npos) << err;
    qt::NewSeededGame(33);
    played = true;
    err = Stderr([] {
        EXPECT_FALSE(KeepGame());
        EXPECT_FALSE(KeepGame());
    });
    EXPECT_EQ(err, "") << "told again at every save";
    // No half-written files are left behind.
    EXPECT_EQ(std::system("test $(ls -A | wc -l) = 1"), 0);
}

TEST_F(SaveFile, AFolderThatTakesNoFilesOrAFullDiskKeepTheLastSave)
{
    qt::NewSeededGame(34);
    played = true;
    ASSERT_TRUE(KeepGame());
    const std::string last = Read(SAVE_FILE);
    qt::Press(KEY_LEFT, 2);

    // A full disk: writes past a few kilobytes fail.
    std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit old, small = {4096, 4096};
    getrlimit(RLIMIT_FSIZE, &old);
    small.rlim_max = old.rlim_max;
    setrlimit(RLIMIT_FSIZE, &small);
    std::string err = Stderr([] { EXPECT_FALSE(KeepGame()); });
    setrlimit(RLIMIT_FSIZE, &old);
    EXPECT_EQ(Lines(err), 1) << err;
    EXPECT_NE(err.find("the game could not be saved, the last save is kept"), std::string::npos) << err;
    EXPECT_EQ(Read(SAVE_FILE), last);
    EXPECT_EQ(std::system("test $(ls -A | wc -l) = 1"), 0) << "a half-written file was left";

    // A folder the game may not write in (as root, a folder nobody writes in).
    ASSERT_EQ(chmod(".", 0555), 0);
    const char *cant = access(".", W_OK) == 0 ? "/proc" : ".";
    ASSERT_EQ(chdir(cant), 0);
    err = Stderr([] {
        EXPECT_FALSE(KeepGame());
        EXPECT_FALSE(KeepGame());
    });
    EXPECT_EQ(chdir(folder), 0);
    EXPECT_EQ(chmod(".", 0755), 0);
    EXPECT_EQ(Lines(err), 1) << err;
    EXPECT_NE(err.find("quorvane.sav: the game could not be saved"), std::string::npos) << err;
    EXPECT_EQ(Read(SAVE_FILE), last);
    // Once saving works again, it saves.
    EXPECT_TRUE(KeepGame());
    EXPECT_NE(Read(SAVE_FILE), last);
}

TEST_F(SaveFile, RunsThatKeepNoGamesNeitherReadNorWrite)
{
    Write(SAVE_FILE, "left alone\n");
    keep_games = false;
    qt::NewSeededGame(35);
    played = true;
    Start();
    std::string err = Stderr([] {
        ResumeSavedGame();
        EXPECT_FALSE(KeepGame());
        ForgetSavedGame();
    });
    EXPECT_EQ(err, "");
    EXPECT_EQ(Read(SAVE_FILE), "left alone\n");
}

// The program may be made to end while a question waits (the display lost, the page
// closed): what it keeps is the game as it stood before the turn in progress.
TEST_F(SaveFile, AGameKeptWhileAQuestionWaitsIsTheGameBetweenTurns)
{
    qt::StandIn(33, 1, 0, qt::PX, qt::PY, true);
    played = true;
    const int level = player.level, mhp = player.mhp;
    player.exp = level_gains[level];
    input_wait_hook = [] {
        KeepGameBetweenTurns();
        qt::Key(KEY_SPACE);
    };
    qt::Frame(1);
    const int gain = (level + 1) * 5 / 2;
    EXPECT_EQ(qt::Row({player.level, player.mhp}), qt::Row({level + 1, mhp + gain})) << "the notice in play";
    char why[200] = "";
    ASSERT_TRUE(ReadGameText(Read(SAVE_FILE), why, sizeof why)) << why;
    EXPECT_EQ(qt::Row({player.level, player.mhp}), qt::Row({level, mhp})) << "kept before the notice";
    done = STATE_PLAYING;
    qt::ScriptWaits({KEY_SPACE});
    qt::Frame(1);
    EXPECT_EQ(qt::Row({player.level, player.mhp}), qt::Row({level + 1, mhp + gain})) << "resumed, the notice again";

    // Walking into a peaceful townsperson asks first; the kept player stands where he stood.
    qt::StandIn(34, 1, 0, qt::PX, qt::PY, true);
    played = true;
    player.peace = 1;
    qt::PlaceCreature(21, qt::PX + 1, qt::PY, FRIENDLY);
    qt::Key(KEY_RIGHT);
    qt::Frame(1);
    EXPECT_EQ(qt::Row({player.x, player.y}), qt::Row({qt::PX, qt::PY})) << "answered no";
    ASSERT_TRUE(ReadGameText(Read(SAVE_FILE), why, sizeof why)) << why;
    EXPECT_EQ(qt::Row({player.x, player.y, player.acted}), qt::Row({qt::PX, qt::PY, 0}));
    qt::UseScriptedWaits();

    // A dead hero is never kept, not even as he stood a turn before.
    qt::StandIn(35, 1, 0, qt::PX, qt::PY, true);
    played = true;
    std::remove(SAVE_FILE);
    player.chp = -1;
    input_wait_hook = [] {
        KeepGameBetweenTurns();
        qt::Key(KEY_SPACE);
    };
    qt::Frame(2);
    qt::UseScriptedWaits();
    EXPECT_FALSE(Exists(SAVE_FILE));
}

// A game saved, the program left and started again, and played on with the same keys,
// comes out as the same game never left: the dice roll on as they would have.
TEST_F(SaveFile, AResumedGameGoesOnAsIfNeverLeft)
{
    auto play = [] {
        static const GameKey walk[] = {KEY_KP6, KEY_KP6, KEY_KP3, KEY_KP2, KEY_KP1, KEY_KP4, KEY_KP4, KEY_KP7,
                                       KEY_KP8, KEY_KP9, KEY_KP5, KEY_KP5};
        for (int i = 0; i < 240; i++) {
            qt::Key(walk[i % 12]);
            qt::Frame(1);
        }
        qt::ScriptWaits({});
        return DigestKeptGame();
    };
    qt::StandIn(36, 1, 0, qt::PX, qt::PY, true);
    played = true;
    player.chp = player.mhp = 200;
    for (int i = 0; i < 6; i++)
        qt::Put(1 + i * 3, qt::PX + 2 + i % 3, qt::PY + i / 3);
    qt::Frame(5);
    const std::string kept = WriteGameText();
    const unsigned long long never_left = play();
    char why[200] = "";
    Elsewhere();
    ASSERT_TRUE(ReadGameText(kept, why, sizeof why)) << why;
    done = STATE_PLAYING;
    EXPECT_EQ(play(), never_left);
    // New dice would have made another game of it.
    ASSERT_TRUE(ReadGameText(kept, why, sizeof why)) << why;
    done = STATE_PLAYING;
    SeedDice(12345);
    EXPECT_NE(play(), never_left);
}
