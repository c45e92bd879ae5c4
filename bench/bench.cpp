// Speed of the things a frame is made of. Run from build/bin (beside data/):
//   cd build/bin && ./quorvane_bench
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "creatures/monster.h"
#include "keep/save.h"
#include "keep/state.h"
#include "platform/platform.h"
#include "player/player.h"
#include "player/travel.h"
#include "screens/menu.h"
#include "shell/dice.h"
#include "shell/global.h"
#include "shell/history.h"
#include "shell/main.h"
#include "world/level.h"

namespace {

void Boot()
{
    static bool booted = false;
    if (booted)
        return;
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    skip_pacing = true;
    StartPlatform();
    StartGame();
    std::atexit(ExitGame);
}

void NewTownGame()
{
    Boot();
    SeedDice(1);
    played = true;
    NewGame();
    done = STATE_PLAYING;
    mode = MODE_NORMAL;
}

// The floor: copying one whole 800 x 600 x 16 frame onto the screen.
void BM_PlainFrameCopy(benchmark::State &state)
{
    Boot();
    SDL_Surface *frame = SDL_CreateRGBSurface(SDL_SWSURFACE, 800, 600, 16, screen->format->Rmask,
                                              screen->format->Gmask, screen->format->Bmask, 0);
    SDL_FillRect(frame, nullptr, SDL_MapRGB(frame->format, 40, 90, 30));
    for (auto _ : state) {
        SDL_BlitSurface(frame, nullptr, screen, nullptr);
        benchmark::DoNotOptimize(screen->pixels);
    }
    SDL_FreeSurface(frame);
}
BENCHMARK(BM_PlainFrameCopy);

// One whole frame of normal play in the starting town: map, items, 54 creatures,
// the player, the overlay, the sky, the status column and the messages.
void BM_TownPlayFrame(benchmark::State &state)
{
    NewTownGame();
    for (auto _ : state)
        UpdateGame();
    state.counters["monsters"] = curmonsters;
}
BENCHMARK(BM_TownPlayFrame);

// The same in a wilderness, the busiest kind of area: grass, trees everywhere and its
// creatures.
void BM_WildernessPlayFrame(benchmark::State &state)
{
    NewTownGame();
    player.area = AREA_WILDERNESS;
    NewMap(AREA_WILDERNESS);
    NewMonsters(AREA_WILDERNESS);
    for (auto _ : state)
        UpdateGame();
    state.counters["monsters"] = curmonsters;
}
BENCHMARK(BM_WildernessPlayFrame);

void BM_NewMapTown(benchmark::State &state)
{
    NewTownGame();
    for (auto _ : state) {
        player.x = 5;
        player.y = 5;
        NewMap(AREA_TOWN);
    }
}
BENCHMARK(BM_NewMapTown);

void BM_NewMapWilderness(benchmark::State &state)
{
    NewTownGame();
    for (auto _ : state)
        NewMap(AREA_WILDERNESS);
}
BENCHMARK(BM_NewMapWilderness);

void BM_NewMonstersTown(benchmark::State &state)
{
    NewTownGame();
    NewMap(AREA_TOWN);
    for (auto _ : state)
        NewMonsters(AREA_TOWN);
}
BENCHMARK(BM_NewMonstersTown);

void BM_NewMonstersWilderness(benchmark::State &state)
{
    NewTownGame();
    player.area = AREA_WILDERNESS;
    NewMap(AREA_WILDERNESS);
    for (auto _ : state)
        NewMonsters(AREA_WILDERNESS);
}
BENCHMARK(BM_NewMonstersWilderness);

// One monster turn with the table full: 99 live creatures in a wilderness.
void BM_MonsterAct99(benchmark::State &state)
{
    NewTownGame();
    player.area = AREA_WILDERNESS;
    NewMap(AREA_WILDERNESS);
    NewMonsters(AREA_WILDERNESS);
    for (int tries = 0; curmonsters < MONSTER_LIMIT && tries < 1000; tries++)
        makeMonster(RandNum(1, 12), curmonsters, -1, -1);
    static MonsterRecord saved[MAX_MONSTERS];
    std::memcpy(saved, monsters, sizeof monsters);
    int savedcount = curmonsters;
    PlayerRecord savedplayer = player;
    for (auto _ : state) {
        MonsterAct();
        state.PauseTiming();
        std::memcpy(monsters, saved, sizeof monsters);
        curmonsters = savedcount;
        player = savedplayer;
        state.ResumeTiming();
    }
    state.counters["monsters"] = savedcount;
}
BENCHMARK(BM_MonsterAct99);

// Travel's way over the largest area there is (every area is 242 x 75 cells): from the
// starting town's north-west corner, round its houses, to the farthest corner of the town
// that can be reached.
void BM_TravelWayAcrossTown(benchmark::State &state)
{
    NewTownGame();
    int tx = -1;
    int ty = -1;
    for (int y = MAP_HEIGHT - 1; y >= 0 && tx < 0; y--)
        for (int x = MAP_WIDTH - 1; x >= 0 && tx < 0; x--)
            if (FindWay(player.x, player.y, x, y) != NO_WAY)
                tx = x, ty = y;
    for (auto _ : state)
        benchmark::DoNotOptimize(FindWay(player.x, player.y, tx, ty));
    state.counters["steps"] = waylength;
}
BENCHMARK(BM_TravelWayAcrossTown)->Unit(benchmark::kMicrosecond);

// The searches that cover the most cells: an open field corner to corner, and a player
// walled in, where every other cell of the area is searched before the search gives up.
void OpenField()
{
    NewTownGame();
    std::memset(worldmap, 0, sizeof worldmap);
    std::memset(overmap, 0, sizeof overmap);
    curmonsters = 0;
    player.x = 0;
    player.y = 0;
}

void BM_TravelWayAcrossField(benchmark::State &state)
{
    OpenField();
    for (auto _ : state)
        benchmark::DoNotOptimize(FindWay(0, 0, MAP_WIDTH - 1, MAP_HEIGHT - 1));
    state.counters["steps"] = waylength;
}
BENCHMARK(BM_TravelWayAcrossField)->Unit(benchmark::kMicrosecond);

void BM_TravelNoWay(benchmark::State &state)
{
    OpenField();
    for (int dy = -1; dy <= 1; dy++)
        for (int dx = -1; dx <= 1; dx++)
            if (dx || dy)
                worldmap[2 + dy][2 + dx] = TILE_WALL_FIRST;
    for (auto _ : state)
        benchmark::DoNotOptimize(FindWay(2, 2, MAP_WIDTH - 1, MAP_HEIGHT - 1));
}
BENCHMARK(BM_TravelNoWay)->Unit(benchmark::kMicrosecond);

// One whole frame of travel in the starting town: the scene drawn as in normal play, then
// the travel step with its look around for creatures come into view. Travel the creatures
// stop starts again from where it began, its way found afresh, inside the timing.
void BM_TownTravelFrame(benchmark::State &state)
{
    NewTownGame();
    const PlayerRecord start = player;
    const int tx = player.x + 12;
    const int ty = player.y + 6;
    long restarts = 0;
    for (auto _ : state) {
        if (mode != MODE_TRAVELLING) {
            player = start;
            mode = MODE_NORMAL;
            ActOnCell(tx, ty);
            TakeCellAction();
            restarts++;
        }
        UpdateGame();
        ProcessTravelling(&event);
    }
    state.counters["restarts"] = benchmark::Counter(static_cast<double>(restarts), benchmark::Counter::kAvgIterations);
    mode = MODE_NORMAL;
}
BENCHMARK(BM_TownTravelFrame);

// Every picture loaded and converted, as at start-up.
void BM_LoadGame(benchmark::State &state)
{
    Boot();
    for (auto _ : state)
        LoadGame();
}
BENCHMARK(BM_LoadGame)->Iterations(5)->Unit(benchmark::kMillisecond);

// The fullest game there is to keep: a crowded wilderness and a full history.
void FullGame()
{
    NewTownGame();
    player.areax = 1, player.areay = 0; // a wood north of the first town
    player.area = AREA_WILDERNESS;
    NewMap(AREA_WILDERNESS);
    NewMonsters(AREA_WILDERNESS);
    for (int tries = 0; curmonsters < MONSTER_LIMIT && tries < 1000; tries++)
        makeMonster(RandNum(1, 12), curmonsters, -1, -1);
    for (int i = 0; i < HISTORY_LINES; i++) {
        std::snprintf(line, sizeof line, "The Giant Rat bites you. You hit the Giant Rat (%d).", i);
        AddHistory(line);
    }
}

// Keeping the game as a crossing does: the text, then the file written, flushed to the
// disk and renamed over the last save (in a scratch folder).
void BM_SaveGame(benchmark::State &state)
{
    FullGame();
    char folder[] = "/tmp/quorvane-bench.XXXXXX";
    char home[4096];
    if (!mkdtemp(folder) || !getcwd(home, sizeof home) || chdir(folder) != 0) {
        state.SkipWithError("no scratch folder");
        return;
    }
    keep_games = true;
    for (auto _ : state)
        if (!KeepGame())
            state.SkipWithError("not saved");
    keep_games = false;
    struct stat st;
    state.counters["file_bytes"] = stat(SAVE_FILE, &st) == 0 ? static_cast<double>(st.st_size) : 0;
    unlink(SAVE_FILE);
    if (chdir(home) != 0 || rmdir(folder) != 0)
        state.SkipWithError("scratch folder left");
}
BENCHMARK(BM_SaveGame)->Unit(benchmark::kMillisecond)->UseRealTime();

// The copy of the game taken before every turn of play (kept if the program must end in
// the middle of one), on the fullest game.
void BM_SnapshotGame(benchmark::State &state)
{
    FullGame();
    GameSnapshot snap;
    for (auto _ : state)
        TakeSnapshot(snap);
    done = STATE_PLAYING;
}
BENCHMARK(BM_SnapshotGame)->Unit(benchmark::kMicrosecond);

// Reading the same game back, as at start-up (the text already read from the file).
void BM_LoadSavedGame(benchmark::State &state)
{
    FullGame();
    const std::string text = WriteGameText();
    char why[200];
    for (auto _ : state)
        if (!ReadGameText(text, why, sizeof why))
            state.SkipWithError(why);
    done = STATE_PLAYING;
}
BENCHMARK(BM_LoadSavedGame)->Unit(benchmark::kMillisecond);

// A replay of the longest recording of the shelf, the whole program from start-up to
// the verdict, pacing skipped: frames per second (the game's own pace is 25).
void BM_ReplayLongestRecording(benchmark::State &state)
{
    const char *longest = QUORVANE_SHELF "/poisoned.rec";
    long frames = 0;
    if (FILE *f = std::fopen(longest, "r")) {
        char text[256];
        while (std::fgets(text, sizeof text, f))
            std::sscanf(text, "end %ld", &frames);
        std::fclose(f);
    }
    char command[1024];
    std::snprintf(command, sizeof command,
                  "SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy QUORVANE_REPLAY=%s ./quorvane >/dev/null 2>&1", longest);
    for (auto _ : state)
        if (frames == 0 || std::system(command) != 0)
            state.SkipWithError("the recording does not replay");
    state.counters["frames_per_second"] =
        benchmark::Counter(static_cast<double>(frames), benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_ReplayLongestRecording)->Iterations(3)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
