#include "player/player.h"

#include <algorithm>
#include <cstdio>

#include "creatures/monster.h"
#include "items/inventory.h"
#include "keep/record.h"
#include "keep/state.h"
#include "shell/dice.h"
#include "shell/global.h"
#include "shell/history.h"
#include "shell/input.h"
#include "shell/layout.h"
#include "shell/main.h"
#include "shell/pictures.h"
#include "status/stats.h"
#include "world/doors.h"
#include "world/level.h"
#include "world/look.h"

PlayerRecord player;
const int level_gains[7] = {0, 35, 80, 140, 240, 375, 550};

namespace {

constexpr int SKILL_FIGHTING = 0;
constexpr int SKILL_MAX = 20;
constexpr int PRACTICE_PER_RISE = 79; // a rise comes once practice passes this
constexpr int ALPHA_INVISIBLE = 75;
constexpr int ALPHA_OPAQUE = 255;

} // namespace

void WalkPlayer(StateWalker &w)
{
    PlayerRecord &p = player;
    w.Section("player");
    for (unsigned char *flag : {&p.acted, &p.gotdir, &p.feelbetter, &p.blind, &p.confused, &p.visible, &p.poisoned})
        w.Byte(*flag, 0, 1);
    // The counts that grow in play stop at GROWTH_MAX. A hero struck down in this frame
    // (a blow and the poison's tick) is below 0 until the death is seen.
    w.Int(p.regencount, 0, GROWTH_MAX);
    w.Int(p.regenrate, 1, GROWTH_MAX);
    w.Int(p.poisoncount, 0, GROWTH_MAX);
    w.Int(p.poisontime, 0, GROWTH_MAX);
    w.Int(p.chp, -2 * MAX_DAMAGE, GROWTH_MAX);
    w.Int(p.mhp, 1, GROWTH_MAX);
    for (int *v : {&p.str, &p.def, &p.exp})
        w.Int(*v, 0, GROWTH_MAX);
    w.Int(p.level, 0, MAX_LEVEL);
    w.Int(p.x, 0, MAP_WIDTH - 1);
    w.Int(p.y, 0, MAP_HEIGHT - 1);
    w.Int(p.size, 0, GROWTH_MAX);
    w.Int(p.killer, NO_KILLER, MAX_MONSTERS - 1);
    w.Int(p.area);
    w.Int(p.tohit, 0, GROWTH_MAX);
    w.Int(p.todam, 0, GROWTH_MAX);
    // The last blow's rolls: up to the bonus plus two to hit, strength plus bonus in damage.
    w.Int(p.hitroll, 0, GROWTH_MAX + 2);
    w.Int(p.damroll, 0, 2 * GROWTH_MAX);
    w.Int(p.areax, 0, WORLD_COLS - 1);
    w.Int(p.areay, 0, WORLD_ROWS - 1);
    w.Int(p.viewx, 0, MAP_WIDTH - VIEW_COLS);
    w.Int(p.viewy, 0, MAP_HEIGHT - VIEW_ROWS);
    w.Int(p.peace, 0, 1);
    for (int *v : {&p.skill[0], &p.skill[1]})
        w.Int(*v, 0, SKILL_MAX);
    for (int *v : {&p.practice[0], &p.practice[1]})
        w.Int(*v, 0, GROWTH_MAX);
    // The land the player stands in is the world cell's.
    w.Check(p.areax >= 0 && p.areax < WORLD_COLS && p.areay >= 0 && p.areay < WORLD_ROWS &&
                p.area == hugemap[p.areay][p.areax],
            "the player's land is not the world's");
}

void LoadPlayer()
{
    FreePicture(player.image);
    FreePicture(player.clothes);
    player.image = LoadPicture(PIC_PLAYER);
    player.clothes = LoadPicture(PIC_CLOTHES);
}

void NewPlayer()
{
    for (HistoryLine &h : history)
        std::snprintf(h.text, sizeof h.text, " ");

    player.peace = 1;
    player.areax = 0;
    player.areay = 0;
    player.area = hugemap[player.areay][player.areax];

    player.x = 5;
    player.y = 5;
    player.viewx = 0;
    player.viewy = 0;

    player.exp = 0;
    player.level = 1;
    displayitem = 0;
    displaymonster = 0;

    player.gotdir = 0;
    player.killer = NO_KILLER;
    player.tohit = 0;
    player.todam = 0;
    player.hitroll = 0;
    player.damroll = 0;

    for (int i = 0; i < 2; i++) {
        player.skill[i] = 0;
        player.practice[i] = PRACTICE_PER_RISE;
    }

    player.acted = 0;
    player.blind = 0;
    player.visible = 1;
    player.confused = 0;
    player.poisoncount = 0;
    player.poisontime = 0;
    player.poisoned = 0;
    player.feelbetter = 0;

    player.regencount = 0;
    player.regenrate = 20;
    player.size = 150;

    player.mhp = RandNum(18, 30);
    player.chp = player.mhp;
    player.str = RandNum(2, 4);
    if (player.str > 2)
        player.skill[SKILL_FIGHTING] = 4;
    player.def = 0;

    int alpha = player.visible ? ALPHA_OPAQUE : ALPHA_INVISIBLE;
    SetPictureAlpha(player.image, alpha);
    SetPictureAlpha(player.clothes, alpha);
}

void UpdatePlayer(InputEvent *ev)
{
    // Practice makes the fighter.
    if (player.practice[SKILL_FIGHTING] > PRACTICE_PER_RISE) {
        player.practice[SKILL_FIGHTING] = 0;
        player.skill[SKILL_FIGHTING] += 1;
        if (player.skill[SKILL_FIGHTING] > SKILL_MAX)
            player.skill[SKILL_FIGHTING] = SKILL_MAX;
        if (RandNum(0, 1) == 0)
            player.tohit = std::min(player.tohit + 1, GROWTH_MAX);
        else
            player.todam = std::min(player.todam + 1, GROWTH_MAX);
    }

    // One level at most per frame.
    if (player.level >= 1 && player.level < MAX_LEVEL && player.exp >= level_gains[player.level]) {
        player.level += 1;
        std::snprintf(line, sizeof line, "Welcome to level %i", player.level);
        AddHistory(line);
        UpdateScreen();
        // What was pressed before the notice does not answer it; the close button and F1
        // still do what they do everywhere.
        DrainKeys(ev, [](GameKey) {});
        if (done != STATE_QUIT)
            GetInput();
        int gain = player.level * 5 / 2;
        player.mhp = std::min(player.mhp + gain, GROWTH_MAX);
        player.chp = std::min(player.chp + gain, GROWTH_MAX);
    }

    // Once the peace is broken, no townsfolk stays friendly.
    if (player.area == AREA_TOWN && player.peace == 0) {
        for (MonsterRecord &m : monsters)
            if (m.hostility == FRIENDLY)
                m.hostility = HOSTILE;
    }
}

void DrawPlayer()
{
    if (player.killer != NO_KILLER)
        return;
    // A picture that failed to load has no size: place by the tile.
    int w = player.image ? player.image->w : TILE_SIZE;
    int h = player.image ? player.image->h : TILE_SIZE;
    int px = (player.x - player.viewx) * w;
    int py = (player.y - player.viewy) * h;
    DrawIMG(player.image, px, py);
    DrawIMG(player.clothes, px, py);
}

void ClearStuff()
{
    player.feelbetter = 0;
    player.gotdir = 0;
}

bool TreeBlocksPlayer(int x, int y)
{
    return (overmap[y][x] == OVER_TREE || overmap[y][x] == OVER_PINE) && player.size > TREE_BLOCKING_SIZE;
}

static void StepBack(int dy, int dx)
{
    player.y -= dy;
    player.x -= dx;
}

// A friendly creature in the way: ask before striking. True when the answer is yes.
static bool ConfirmAttack(int i)
{
    int kind = monsters[i].kind;
    const char *name = kind >= 0 && kind < NUM_MONSTER_KINDS ? monster_names[kind] : "";
    bobcount += 1;
    std::snprintf(line, sizeof line, "The %s is friendly.", name);
    Message(PROMPT_X, PROMPT_Y, line, bobcount);
    bobcount += 1;
    Message(PROMPT_X, PROMPT_Y, "Are you sure? (y/n)", bobcount);
    UpdateScreen();
    keys = GetInput(true); // a walk held into the townsperson answers no
    return keys[KEY_Y] != 0;
}

void movePlayer(int dy, int dx)
{
    player.acted = 1;
    if (player.confused) {
        dy = RandNum(-1, 1);
        dx = RandNum(-1, 1);
    }
    player.y += dy;
    player.x += dx;

    // Keep the player away from the view's edges.
    const int viewrow = player.y - player.viewy;
    const int viewcol = player.x - player.viewx;
    if (viewrow > 11 && dy > 0) {
        player.viewy += 10;
        mode = MODE_NORMAL;
    }
    if (viewrow < 2 && dy < 0) {
        player.viewy -= 10;
        mode = MODE_NORMAL;
    }
    if (viewcol > 18 && dx > 0) {
        player.viewx += 17;
        mode = MODE_NORMAL;
    }
    if (viewcol < 2 && dx < 0) {
        player.viewx -= 17;
        mode = MODE_NORMAL;
    }
    FixScreen();

    if (!OnMap(player.x, player.y)) {
        // Either a new area was entered, and the arrival stands whatever is there, or
        // the step left the world and was taken back: nothing more happens either way.
        ChangeMapArea(dy, dx);
        return;
    }

    const int count = MonsterSlotsInUse();
    for (int i = 0; i < count; i++) {
        const MonsterRecord &m = monsters[i];
        if (!m.alive || m.x != player.x || m.y != player.y)
            continue;
        if (m.hostility == FRIENDLY && player.peace) {
            bool yes = ConfirmAttack(i);
            StepBack(dy, dx);
            if (yes)
                HitMonster(i);
            else
                player.acted = 0;
        } else {
            StepBack(dy, dx);
            HitMonster(i);
        }
        // One blow per step: whoever else stands there waits.
        break;
    }
    if (!OnMap(player.x, player.y))
        return;

    if (TreeBlocksPlayer(player.x, player.y)) {
        StepBack(dy, dx);
        player.acted = 0;
    }
    if (!OnMap(player.x, player.y))
        return;

    if (IsWallTile(worldmap[player.y][player.x])) {
        StepBack(dy, dx);
        player.acted = 0;
        mode = MODE_NORMAL;
    }
    if (!OnMap(player.x, player.y))
        return;

    if (IsClosedDoorTile(worldmap[player.y][player.x])) {
        StepBack(dy, dx);
        OpenDoor(true, dy, dx);
    }
}
