#include "harness.h"

#include <cstring>
#include <deque>

#include <SDL/SDL_image.h>
#include <cstdio>
#include <cstdlib>

#include "creatures/monster.h"
#include "items/item.h"
#include "platform/platform.h"
#include "player/player.h"
#include "screens/menu.h"
#include "selfplay/toolkit.h"
#include "shell/dice.h"
#include "shell/font.h"
#include "shell/global.h"
#include "shell/history.h"
#include "shell/main.h"
#include "shell/pictures.h"
#include "world/level.h"

namespace qt {

static bool booted = false;
static SDL_Surface *plainfont = nullptr; // the font picture without its colour key
static std::deque<GameKey> answers;
static int waits = 0;
static int unexpected = 0;

static void AnswerWait()
{
    waits += 1;
    GameKey k = KEY_ESCAPE;
    if (!answers.empty()) {
        k = answers.front();
        answers.pop_front();
    } else {
        unexpected += 1;
    }
    PushKey(k);
}

void Boot()
{
    if (booted)
        return;
    booted = true;
    skip_pacing = true;
    StartPlatform();
    StartGame();
    // Shut down as the game does, so the mixer's thread is stopped before the program ends.
    std::atexit(ExitGame);
    input_wait_hook = AnswerWait;
    char path[4200];
    std::snprintf(path, sizeof path, "%s/%s", dataroot, PIC_FONT);
    SDL_Surface *raw = IMG_Load(path);
    if (raw) {
        plainfont = SDL_ConvertSurface(raw, screen->format, SDL_SWSURFACE);
        SDL_FreeSurface(raw);
    }
}

void Drain()
{
    DiscardInput();
}

void NewSeededGame(unsigned seed)
{
    Boot();
    Drain();
    ResetWaits();
    SeedDice(seed);
    played = true;
    NewGame();
    done = STATE_PLAYING;
}

void Key(GameKey key, int mod)
{
    PushKey(key, mod);
}

void KeyDown(GameKey key, int mod)
{
    PushKeyDown(key, mod);
}

void KeyUp(GameKey key, int mod)
{
    PushKeyUp(key, mod);
}

void Keys(std::initializer_list<GameKey> keys)
{
    for (GameKey k : keys)
        Key(k);
}

void Quit()
{
    InputEvent ev;
    ev.type = INPUT_QUIT;
    PushInput(ev);
}

static void PushPointer(int type, int x, int y, int button)
{
    InputEvent ev;
    ev.type = type;
    ev.x = x;
    ev.y = y;
    ev.button = button;
    PushInput(ev);
}

void PointTo(int x, int y)
{
    PushPointer(INPUT_POINTER_MOVE, x, y, BUTTON_NONE);
}

void Click(int x, int y, int button)
{
    PushPointer(INPUT_POINTER_DOWN, x, y, button);
    PushPointer(INPUT_POINTER_UP, x, y, button);
}

int CellPixelX(int x)
{
    return (x - player.viewx) * TILE_SIZE + TILE_SIZE / 2;
}

int CellPixelY(int y)
{
    return (y - player.viewy) * TILE_SIZE + TILE_SIZE / 2;
}

void Frame(int n)
{
    for (int i = 0; i < n; i++)
        RunStateFrame();
}

void ScriptWaits(std::initializer_list<GameKey> keys)
{
    for (GameKey k : keys)
        answers.push_back(k);
}

int WaitsSeen() { return waits; }
int UnexpectedWaits() { return unexpected; }

void UseScriptedWaits() { input_wait_hook = AnswerWait; }

void ResetWaits()
{
    answers.clear();
    waits = unexpected = 0;
}

static Uint32 ReadPixel(SDL_Surface *s, int x, int y)
{
    const Uint8 *row = static_cast<const Uint8 *>(s->pixels) + y * s->pitch;
    switch (s->format->BytesPerPixel) {
    case 1: return row[x];
    case 2: return reinterpret_cast<const Uint16 *>(row)[x];
    case 4: return reinterpret_cast<const Uint32 *>(row)[x];
    default: {
        const Uint8 *p = row + x * 3;
        return static_cast<Uint32>(p[0] | (p[1] << 8) | (p[2] << 16));
    }
    }
}

Uint32 PixelAt(int x, int y)
{
    if (!screen || x < 0 || y < 0 || x >= screen->w || y >= screen->h)
        return 0;
    SDL_LockSurface(screen);
    Uint32 p = ReadPixel(screen, x, y);
    SDL_UnlockSurface(screen);
    return p;
}

bool TextAt(int x, int y, const char *text)
{
    if (!plainfont || !screen)
        return false;
    bool ok = true;
    bool anyglyph = false;
    SDL_LockSurface(screen);
    SDL_LockSurface(plainfont);
    Uint32 key = SDL_MapRGB(plainfont->format, 255, 0, 255);
    for (int i = 0; text[i] && ok; i++) {
        int g = GlyphOf(static_cast<unsigned char>(text[i]));
        if (g < 0)
            continue;
        for (int py = 0; py < FONT_CELL_H && ok; py++) {
            for (int px = 0; px < FONT_CELL_W && ok; px++) {
                Uint32 f = ReadPixel(plainfont, FONT_CELL_W * g + px, py);
                if (f == key)
                    continue;
                anyglyph = true;
                int sx = x + FONT_CELL_W * i + px;
                int sy = y + py;
                if (sx < 0 || sy < 0 || sx >= screen->w || sy >= screen->h)
                    continue;
                if (ReadPixel(screen, sx, sy) != f)
                    ok = false;
            }
        }
    }
    SDL_UnlockSurface(plainfont);
    SDL_UnlockSurface(screen);
    return ok && anyglyph;
}

bool NoTextIn(int x, int y, int w, int h)
{
    // Text is present where a whole glyph of any character matches; test every
    // character at every 1-pixel offset would be slow, so test the glyph colour:
    // the font is drawn in one colour, and no picture under the text uses it exactly.
    if (!plainfont || !screen)
        return true;
    SDL_LockSurface(plainfont);
    Uint32 key = SDL_MapRGB(plainfont->format, 255, 0, 255);
    Uint32 ink = key;
    for (int px = 0; px < plainfont->w && ink == key; px++)
        for (int py = 0; py < FONT_CELL_H && ink == key; py++)
            if (ReadPixel(plainfont, px, py) != key)
                ink = ReadPixel(plainfont, px, py);
    SDL_UnlockSurface(plainfont);
    bool none = true;
    SDL_LockSurface(screen);
    for (int sy = y; sy < y + h && none; sy++)
        for (int sx = x; sx < x + w && none; sx++)
            if (sx >= 0 && sy >= 0 && sx < screen->w && sy < screen->h && ReadPixel(screen, sx, sy) == ink)
                none = false;
    SDL_UnlockSurface(screen);
    return none;
}

std::string HistoryLineText(int fromNewest)
{
    int k = curhistory - fromNewest;
    if (k < 0 || k >= HISTORY_LINES)
        return std::string();
    return std::string(history[k].text);
}

bool HistoryHas(const char *text) { return HistoryCount(text) > 0; }

int HistoryCount(const char *text)
{
    int n = 0;
    for (int k = 0; k <= curhistory && k < HISTORY_LINES; k++)
        if (std::strcmp(history[k].text, text) == 0)
            n++;
    return n;
}

// Nobody about and nothing lying around.
void Deserted()
{
    for (MonsterRecord &m : monsters)
        m = MonsterRecord{};
    curmonsters = 0;
    for (ItemClass &it : items)
        it = ItemClass();
    cursmallitems = 0;
}

void Field(unsigned seed, int area)
{
    NewSeededGame(seed);
    std::memset(worldmap, 0, sizeof worldmap);
    std::memset(overmap, 0, sizeof overmap);
    Deserted();
    player.area = area;
    player.x = PX, player.y = PY;
    player.viewx = PX - 10, player.viewy = PY - 7;
    player.peace = 1;
    player.visible = 1;
    player.blind = player.confused = player.acted = player.poisoned = player.feelbetter = 0;
    player.poisontime = player.tohit = player.todam = player.exp = player.practice[0] = 0;
    player.killer = NO_KILLER;
    player.mhp = player.chp = 100;
    player.str = 3;
    player.regencount = 7;
    mode = MODE_NORMAL;
}

void StandIn(unsigned seed, int ax, int ay, int x, int y, bool field)
{
    NewSeededGame(seed);
    player.areax = ax, player.areay = ay;
    player.area = hugemap[ay][ax];
    NewMap(player.area);
    Deserted();
    if (field)
        std::memset(overmap, 0, sizeof overmap);
    player.x = x, player.y = y;
    player.viewx = x - 10, player.viewy = y - 6;
    FixScreen();
}

int Put(int kind, int x, int y)
{
    int slot = curmonsters;
    makeMonster(kind, slot, y, x);
    return slot;
}

int PlaceCreature(int kind, int x, int y, int hostility)
{
    MonsterRecord &m = monsters[curmonsters] = MonsterRecord{};
    m.name = monster_names[kind];
    m.kind = kind;
    m.alive = 1;
    m.chp = m.mhp = 50;
    m.x = x, m.y = y;
    m.move = MOVE_ROOTED;
    m.hostility = hostility;
    return curmonsters++;
}

void Turn(int n)
{
    for (int k = 0; k < n; k++) {
        player.acted = 1;
        Frame(1);
    }
}

int Press(GameKey key, int frames, int mod)
{
    Key(key, mod);
    Frame(frames);
    return mode;
}

testing::AssertionResult At(int i, int x, int y)
{
    if (monsters[i].x == x && monsters[i].y == y)
        return testing::AssertionSuccess();
    return testing::AssertionFailure() << "slot " << i << " at " << monsters[i].x << "," << monsters[i].y
                                       << ", not " << x << "," << y;
}

void ExpectTexts(std::initializer_list<Text> texts, const std::string &context)
{
    for (const Text &t : texts)
        EXPECT_TRUE(TextAt(t.x, t.y, t.text)) << context << " \"" << t.text << "\" at " << t.x << "," << t.y;
}

} // namespace qt
