// The kept game: a game written out and read back is the same game; a damaged or foreign
// file is refused with one line and set aside, never lost; a folder that cannot take the
// save leaves the game playable; a dead hero leaves no save.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fstream>
#include <sstream>
#include <string>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

#include "creatures/monster.h"
#include "harness.h"
#include "items/inventory.h"
#include "items/item.h"
#include "keep/invariants.h"
#include "keep/save.h"
#include "keep/state.h"
#include "platform/platform.h"
#include "player/player.h"
#include "screens/menu.h"
#include "selfplay/autoplay.h"
#include "shell/dice.h"
#include "shell/free.h"
#include "shell/history.h"
#include "shell/input.h"
#include "shell/layout.h"
#include "shell/main.h"
#include "world/level.h"
#include "world/tiles.h"

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
    EXPECT_EQ(refused("quorvane-save 0\n" + good.substr(16), "version 0"), "not a saved game (version 0)");
    std::string zero = good;
    zero[zero.find("\nline ") + 9] = '\0'; // inside the first history line's text
    EXPECT_NE(refused(zero, "a zero in a text").find("a text with a zero in it"), std::string::npos);
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

// The ends of every count that grows in play (experience, hit points, bonuses, amounts,
// days ...): the walker puts each at one end of its range.
class ToTheEnd : public StateWalker {
public:
    explicit ToTheEnd(bool high) : high(high) {}
    void Section(const char *) override {}
    void Int(int &value, int low, int top) override
    {
        if (top >= GROWTH_MAX && top != INT_MAX)
            value = high ? top : low;
    }
    void Byte(unsigned char &, int, int) override {}
    void Text(char *, size_t) override {}
    void Name(const char *&, const char *&, const char *const *, const char *const *, int) override {}
    void Check(bool, const char *) override {}

private:
    bool high;
};

// A game whose growing counts stand at their ends is accepted, and plays on under the
// self-play's eyes (every rule checked in every frame) without running past an int: the
// sanitizers' build runs this too.
TEST(SavedGame, TheEndsOfEveryCountAreAcceptedAndPlayOnSafely)
{
    qt::Boot();
    for (bool high : {true, false}) {
        const char *end = high ? "high" : "low";
        qt::NewSeededGame(41);
        ToTheEnd to(high);
        WalkGame(to);
        // A carried kind is counted at least once; the clock is about to turn the day.
        for (int k = 0; k < NUM_ITEM_KINDS; k++)
            user_amounts[k] = 0;
        for (int i = 0; i < curitems; i++)
            user_amounts[user_inventory[i].getType()] = high ? GROWTH_MAX : 1;
        gametime = TURNS_PER_DAY - 1;
        player.poisoned = high; // at the low end the hero has no hit point to lose
        const std::string text = WriteGameText();
        Elsewhere();
        char why[200] = "";
        ASSERT_TRUE(ReadGameText(text, why, sizeof why)) << end << ": " << why;
        EXPECT_EQ(player.exp, high ? GROWTH_MAX : 0) << end;
        done = STATE_PLAYING, mode = MODE_NORMAL;
        testing::internal::CaptureStdout();
        const int status = RunAutoplay(40 + high, 3000, false);
        const std::string said = testing::internal::GetCapturedStdout();
        EXPECT_EQ(status, 0) << end << ": " << said;
        EXPECT_LE(player.exp, GROWTH_MAX) << end;
        EXPECT_LE(gamedays, GROWTH_MAX) << end;
        qt::UseScriptedWaits();
    }
    // One past an end is not a game this game can hold.
    for (auto spoil : {+[] { player.exp = GROWTH_MAX + 1; }, +[] { player.tohit = GROWTH_MAX + 1; },
                       +[] { player.regencount = -1; }, +[] { gamedays = GROWTH_MAX + 1; },
                       +[] { monsters[1].exp = GROWTH_MAX + 1; }}) {
        qt::NewSeededGame(42);
        spoil();
        const std::string text = WriteGameText();
        char why[200] = "";
        EXPECT_FALSE(ReadGameText(text, why, sizeof why));
        EXPECT_NE(std::string(why).find("a number out of range"), std::string::npos) << why;
    }
}

// Each rule of the game that a file breaks, its numbers all in range and its digest
// right, has the file refused: the rules the self-play holds every frame to.
TEST(SavedGame, FilesBreakingARuleOfTheGameAreRefused)
{
    qt::Boot();
    struct Bad {
        const char *what;
        void (*spoil)();
        const char *rule;
    } bad[] = {
        {"a live creature of no kind", [] { monsters[4].alive = 1, monsters[4].kind = 0; }, "live monster of no kind"},
        {"two creatures on one cell", [] { monsters[5].x = monsters[6].x, monsters[5].y = monsters[6].y; }, "two monsters on one cell"},
        {"a creature in a wall", [] { worldmap[monsters[7].y][monsters[7].x] = TILE_WALL_FIRST; }, "monster in a wall"},
        {"a count that disagrees with the slots", [] { curitems += 1; }, "curitems disagrees with the slots"},
        {"a carried kind with an amount of 0", [] { user_amounts[user_inventory[0].getType()] = 0; }, "carried kind with no count"},
        {"an amount of a kind not carried", [] { user_amounts[NUM_ITEM_KINDS - 1] = 3; }, "user_amounts disagrees with curitems"},
        {"a pack out of order", [] { user_inventory[0].SwapItem(user_inventory[1]); }, "inventory not sorted"},
        {"a gap in the pack", [] { user_inventory[0].SetItem(0, 0, 0); }, "an item after an empty slot"},
        {"more creatures than slots in use", [] { monsters[curmonsters].alive = 1, monsters[curmonsters].kind = 3; }, ""},
    };
    for (const Bad &b : bad) {
        qt::NewSeededGame(23);
        ASSERT_GE(curitems, 2);
        ASSERT_GE(curmonsters, 8);
        for (int i : {4, 5, 6, 7})
            ASSERT_TRUE(monsters[i].alive) << b.what;
        b.spoil();
        const std::string text = WriteGameText();
        Elsewhere();
        const unsigned long long mine = DigestGame();
        char why[200] = "";
        const bool read = ReadGameText(text, why, sizeof why);
        if (!*b.rule) {
            // A creature past the slots in use is no creature: the game never looks at it.
            EXPECT_TRUE(read) << b.what << ": " << why;
            continue;
        }
        EXPECT_FALSE(read) << b.what;
        EXPECT_NE(std::string(why).find("breaks a rule of the game: "), std::string::npos) << b.what << ": " << why;
        EXPECT_NE(std::string(why).find(b.rule), std::string::npos)
            << b.what << ": " << why;
        EXPECT_EQ(DigestGame(), mine) << b.what;
    }
}

// Each rule catches the game that breaks it (most cannot come from a file, whose ranges
// refuse them first: the self-play relies on them).
TEST(SavedGame, EachRuleOfTheGameCatchesItsBreach)
{
    qt::Boot();
    struct Breach {
        void (*spoil)();
        const char *rule;
    } breaches[] = {
        {[] { done = STATE_DEAD + 1; }, "done out of range"},
        {[] { mode = MODE_TRAVELLING + 1; }, "mode out of range"},
        {[] { oldmode = -1; }, "oldmode out of range"},
        {[] { player.x = -1; }, "player off the map"},
        {[] { player.viewx = MAP_WIDTH; }, "view off the map"},
        {[] { player.areay = WORLD_ROWS; }, "world cell off the world"},
        {[] { curmonsters = MONSTER_LIMIT + 1; }, "curmonsters out of range"},
        {[] { monsters[2].y = MAP_HEIGHT; }, "monster off the map"},
        {[] { cursmallitems = -1; }, "cursmallitems out of range"},
        {[] { user_inventory[0].SetItem(-1, -1, NUM_ITEM_KINDS); }, "inventory slot of no kind"},
        {[] { curhistory = HISTORY_LINES; }, "curhistory out of range"},
        {[] { curhistory = 0, std::memset(history[0].text, 'x', HISTORY_TEXT); }, "history line not terminated"},
        {[] { gametime = -1; }, "gametime out of range"},
    };
    for (const Breach &b : breaches) {
        qt::NewSeededGame(24);
        char why[200] = "";
        ASSERT_TRUE(CheckGame(why, sizeof why)) << why;
        b.spoil();
        EXPECT_FALSE(CheckGame(why, sizeof why)) << b.rule;
        EXPECT_EQ(std::string(why).rfind(b.rule, 0), 0u) << b.rule << ": " << why;
    }
    qt::NewSeededGame(24);
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
    // The folder's files but the lock, by name, in order, one blank between two.
    static std::string Others()
    {
        std::vector<std::string> names;
        DIR *dir = opendir(".");
        while (struct dirent *e = dir ? readdir(dir) : nullptr)
            if (std::strcmp(e->d_name, ".") && std::strcmp(e->d_name, "..") && std::strcmp(e->d_name, LOCK_FILE))
                names.push_back(e->d_name);
        if (dir)
            closedir(dir);
        std::sort(names.begin(), names.end());
        std::string all;
        for (const std::string &n : names)
            all += (all.empty() ? "" : " ") + n;
        return all;
    }
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

    // Too big to be a save, and a link that leads nowhere: set aside whole, unread.
    Write(SAVE_FILE, std::string(9 << 20, ' '));
    err = Stderr([] { ResumeSavedGame(); });
    EXPECT_NE(err.find("cannot be read (File too large); moved aside to quorvane.sav.bad2"), std::string::npos) << err;
    ASSERT_EQ(symlink(SAVE_FILE, SAVE_FILE), 0);
    err = Stderr([] { ResumeSavedGame(); });
    EXPECT_NE(err.find("cannot be read (Too many levels of symbolic links); moved aside to quorvane.sav.bad3"),
              std::string::npos) << err;

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
    // No half-written files are left behind (the folder's lock file stays).
    EXPECT_EQ(Others(), "quorvane.sav");
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
    EXPECT_EQ(Others(), "quorvane.sav") << "a half-written file was left";

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

// A player who started the game from the desktop's menu sees no stderr: a game that is
// not kept is said in the window, in the message line and on the title after Q, once for
// each kind of failure, until a save works again.
TEST_F(SaveFile, AFailureToSaveIsShownInTheWindowOnceForEachKind)
{
    auto title_shows = [](const char *text) {
        fadeimg = 255, fadecount = 0;
        qt::Frame(1);
        return qt::TextAt(SCREEN_WIDTH / 2 - 4 * static_cast<int>(std::strlen(text)), 520, text);
    };
    const char *full = "Game not saved: the disk is full.";
    const char *locked = "Game not saved: the folder is read-only.";
    qt::NewSeededGame(56);
    played = true;
    std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit old, small = {4096, 4096};
    getrlimit(RLIMIT_FSIZE, &old);
    small.rlim_max = old.rlim_max;
    setrlimit(RLIMIT_FSIZE, &small);
    for (int round = 0; round < 2; round++) {
        Stderr([] { qt::Press(KEY_Q, 1, MOD_LSHIFT); });
        ASSERT_EQ(done, STATE_MENU);
        EXPECT_TRUE(title_shows(full)) << "round " << round;
        qt::Key(KEY_SPACE); // Continue
        qt::Frame(1);
        ASSERT_EQ(done, STATE_PLAYING);
    }
    setrlimit(RLIMIT_FSIZE, &old);
    EXPECT_EQ(qt::HistoryCount(full), 1);
    qt::Frame(1);
    bool shown = false;
    for (int row = 1; row <= 6; row++)
        shown = shown || qt::TextAt(320, PROMPT_Y + LINE_HEIGHT * row, full);
    EXPECT_TRUE(shown) << "not in the message line";

    // A folder the game may not write in (for root, one no one may write in).
    const bool root = geteuid() == 0;
    if (!root) {
        ASSERT_EQ(chmod(".", 0555), 0);
    }
    ASSERT_EQ(chdir(root ? "/sys" : "."), 0);
    Stderr([] { qt::Press(KEY_Q, 1, MOD_LSHIFT); });
    EXPECT_TRUE(title_shows(locked));
    Stderr([] { EXPECT_FALSE(KeepGame()); });
    EXPECT_EQ(qt::HistoryCount(locked), 1);
    EXPECT_EQ(chdir(folder), 0);
    EXPECT_EQ(chmod(".", 0755), 0);

    // Saved at last: the title has nothing more to say.
    EXPECT_TRUE(KeepGame());
    EXPECT_EQ(KeepNotice(), nullptr);
    EXPECT_FALSE(title_shows(locked));
}

// The bug this guards against: a copy of the game forgotten in another window, closed
// after the player had played and left with Q in the first, wrote its own old game over
// the one played.
TEST_F(SaveFile, ASecondCopyInTheSameFolderKeepsNothingAndSaysSoInItsWindow)
{
    qt::NewSeededGame(51);
    played = true;
    ASSERT_TRUE(KeepGame());
    const std::string kept = Read(SAVE_FILE);

    // The other copy: started first, it holds the folder.
    int other = open(LOCK_FILE, O_RDWR | O_CREAT, 0644);
    ASSERT_GE(other, 0);
    ASSERT_EQ(flock(other, LOCK_EX | LOCK_NB), 0);
    Elsewhere();
    Start();
    std::string err = Stderr([] { ResumeSavedGame(); });
    EXPECT_EQ(err, "quorvane: the game is already being played in this folder; this copy keeps nothing\n");
    EXPECT_FALSE(played) << "the other copy's game was taken up";
    const char *note = "The game is already being played in another window: nothing is kept here.";
    ASSERT_NE(KeepNotice(), nullptr);
    EXPECT_STREQ(KeepNotice(), note);
    fadeimg = 255, fadecount = 0;
    qt::Frame(1);
    EXPECT_TRUE(qt::TextAt(SCREEN_WIDTH / 2 - 4 * static_cast<int>(std::strlen(note)), 520, note));
    // Played here and ended every way a game ends, it writes nothing.
    qt::NewSeededGame(52);
    played = true;
    EXPECT_FALSE(KeepGame());
    ForgetSavedGame();
    EXPECT_EQ(Read(SAVE_FILE), kept);

    // The other copy gone, the next start takes the folder and the game up.
    close(other);
    keep_games = true;
    Start();
    err = Stderr([] { ResumeSavedGame(); });
    EXPECT_EQ(err, "");
    EXPECT_TRUE(played);
    EXPECT_EQ(KeepNotice(), nullptr);
}

// Hard kills in the middle of saves: each save that was cut off left its file, and the
// next start clears them all; the last whole save is the game resumed. The kill also
// takes the dead copy's lock with it.
TEST_F(SaveFile, KillsDuringSavesLeaveNothingBehindAfterTheNextStart)
{
    qt::NewSeededGame(53);
    played = true;
    ASSERT_TRUE(KeepGame());
    const unsigned long long kept = KeptDigest();
    int cut = 0;
    for (int round = 0; round < 50; round++) {
        pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            LockPlayerFolder();
            for (;;)
                KeepGame();
        }
        // Killed once a save of its is under way (its new file is there), or at the bound.
        bool saving = false;
        for (int tries = 0; tries < 200000 && !saving; tries++)
            saving = Others().find("quorvane.sav.") != std::string::npos;
        kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFSIGNALED(status));
        std::istringstream names(Others());
        for (std::string n; names >> n;)
            cut += n != SAVE_FILE;
    }
    EXPECT_GT(cut, 0) << "no save was cut off: the test killed nothing mid-save";
    // Beside them, files that are not a save's leftovers.
    Write("quorvane.sav.bad", "x");
    Write("quorvane.sav.bad123", "x");
    Write("quorvane.sav.notes", "x");
    Elsewhere();
    Start();
    std::string err = Stderr([] { ResumeSavedGame(); });
    EXPECT_EQ(err, "");
    EXPECT_TRUE(played) << "the kills' lock stayed";
    EXPECT_EQ(DigestGame(), kept);
    EXPECT_EQ(Others(), "quorvane.sav quorvane.sav.bad quorvane.sav.bad123 quorvane.sav.notes");
}

// What is not a file is never opened to wait on: a named pipe is set aside at once.
TEST_F(SaveFile, ANamedPipeForASaveIsSetAsideWithoutWaiting)
{
    ASSERT_EQ(mkfifo(SAVE_FILE, 0644), 0);
    Start();
    alarm(60); // a start-up that waited on the pipe ends the test here
    std::string err = Stderr([] { ResumeSavedGame(); });
    alarm(0);
    EXPECT_EQ(err, "quorvane: quorvane.sav: not a file; moved aside to quorvane.sav.bad, a new game can be started\n");
    EXPECT_FALSE(played);
    EXPECT_EQ(Others(), "quorvane.sav.bad");
}

// A save the player may not read (made by a run under sudo) is the player's game all the
// same: it stays, nothing is written over it, and the title says why.
TEST_F(SaveFile, ASaveThePlayerMayNotReadIsLeftAndTheTitleSaysWhy)
{
    qt::NewSeededGame(54);
    played = true;
    ASSERT_TRUE(KeepGame());
    const std::string kept = Read(SAVE_FILE);
    ASSERT_EQ(chmod(SAVE_FILE, 0600), 0);
    // Root reads everything: the check runs as another user, in a copy of the test.
    const bool root = geteuid() == 0;
    ASSERT_EQ(root ? chmod(".", 0777) : chmod(SAVE_FILE, 0), 0);
    pid_t child = root ? fork() : 0;
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (root && (setgid(65534) != 0 || setuid(65534) != 0))
            _exit(10);
        Elsewhere();
        Start();
        std::string err = Stderr([] { ResumeSavedGame(); });
        int wrong = 0;
        wrong |= err != "quorvane: quorvane.sav: the saved game cannot be read (Permission denied); it is left as it is "
                        "and nothing is kept until it can be read\n";
        wrong |= played << 1;
        wrong |= (!KeepNotice() || std::strcmp(KeepNotice(), "Your saved game cannot be read (no permission): "
                                                             "nothing is kept.")) << 2;
        played = true;
        wrong |= KeepGame() << 3;
        wrong |= (Others() != SAVE_FILE) << 4;
        if (root)
            _exit(wrong);
        EXPECT_EQ(wrong, 0);
    } else {
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFEXITED(status));
        EXPECT_EQ(WEXITSTATUS(status), 0) << "checks that failed (bits): the line, the game taken up, the title, "
                                             "a save written, the files";
    }
    ASSERT_EQ(chmod(SAVE_FILE, 0600), 0);
    EXPECT_EQ(Read(SAVE_FILE), kept);
}

// A signal in the middle of the start-up's read is no damage: the read goes on.
TEST_F(SaveFile, ASignalDuringTheReadIsNoDamage)
{
    qt::NewSeededGame(55);
    const std::string text = WriteGameText();
    struct sigaction sa = {}, old;
    sa.sa_handler = [](int) {}; // no SA_RESTART: the read is cut short with EINTR
    sigaction(SIGUSR1, &sa, &old);
    int ends[2];
    ASSERT_EQ(pipe(ends), 0);
    const pid_t reader = static_cast<pid_t>(syscall(SYS_gettid));
    std::thread writer([&] {
        const size_t half = text.size() / 2;
        EXPECT_EQ(write(ends[1], text.data(), half), static_cast<ssize_t>(half));
        // Once the reader waits in read() for the rest (system call 0 on this machine),
        // the signal comes.
        char path[64];
        std::snprintf(path, sizeof path, "/proc/self/task/%d/syscall", reader);
        bool waiting = false;
        for (int tries = 0; tries < 100000 && !waiting; tries++) {
            std::ifstream f(path);
            long call = -1;
            int avail = -1;
            waiting = (f >> call) && call == SYS_read && ioctl(ends[0], FIONREAD, &avail) == 0 && avail == 0;
        }
        EXPECT_TRUE(waiting);
        syscall(SYS_tgkill, getpid(), reader, SIGUSR1);
        const size_t rest = text.size() - half;
        EXPECT_EQ(write(ends[1], text.data() + half, rest), static_cast<ssize_t>(rest));
        close(ends[1]);
    });
    std::string got;
    const bool read = ReadAll(ends[0], &got);
    writer.join();
    close(ends[0]);
    sigaction(SIGUSR1, &old, nullptr);
    EXPECT_TRUE(read) << std::strerror(errno);
    EXPECT_EQ(got, text);
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

    // The launcher found no home folder: the title says the game is not kept.
    keep_games = true;
    setenv("QUORVANE_KEEP", "0", 1);
    err = Stderr([] { ResumeSavedGame(); });
    unsetenv("QUORVANE_KEEP");
    EXPECT_FALSE(keep_games);
    ASSERT_NE(KeepNotice(), nullptr);
    EXPECT_STREQ(KeepNotice(), "This game is not kept: there is no folder to keep it in.");
    EXPECT_EQ(Others(), "quorvane.sav") << "a lock or another file was made";
    EXPECT_FALSE(KeepGame());
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
