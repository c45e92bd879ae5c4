// The creatures of the current map area: who lives where, what each does on its turn,
// and the blows exchanged with the player.
#include "creatures/monster.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "shell/dice.h"
#include "items/item.h"
#include "items/itemdata.h"
#include "player/player.h"
#include "shell/global.h"
#include "shell/history.h"
#include "shell/layout.h"
#include "shell/main.h"
#include "shell/pictures.h"
#include "shell/sound.h"
#include "keep/state.h"
#include "world/level.h"

MonsterRecord monsters[MAX_MONSTERS];
int curmonsters;
SDL_Surface *monsters_list[NUM_MONSTER_KINDS];

namespace {

constexpr int POPULATION = 50;      // creatures drawn for every map area
constexpr int ENT_YOUTHS = 20;      // the wilderness gets these on top
constexpr int RESPAWN_WAIT = 50;    // dead turns before a slot's first refill
constexpr int KIND_DRAWS = 1000;    // kind draws before taking the first that fits
constexpr int PLACE_DRAWS = 1000;   // random places tried before giving up

// Who may be drawn for an area. Towns and wildernesses have their own folk; every
// other kind of land gets the wilderness creatures, but no Ent Youths: they need trees.
bool KindFitsArea(int kind, int area)
{
    if (kind <= KIND_DEAD || kind >= NUM_MONSTER_KINDS)
        return false;
    if (area == AREA_TOWN || area == AREA_WILDERNESS)
        return monsterlev[kind] == area;
    return monsterlev[kind] == AREA_WILDERNESS && kind != KIND_ENT_YOUTH;
}

// Draws kinds until one fits the area. The draw is bounded: should the generator
// never come up with a fitting kind, the first kind that fits is taken.
int DrawAreaKind(int area)
{
    for (int n = 0; n < KIND_DRAWS; n++) {
        int kind = RandNum(1, NUM_MONSTER_KINDS - 1);
        if (KindFitsArea(kind, area))
            return kind;
    }
    for (int kind = 1; kind < NUM_MONSTER_KINDS; kind++)
        if (KindFitsArea(kind, area))
            return kind;
    return KIND_DEAD;
}

// Another live creature (not slot self) stands on the cell.
bool MonsterOn(int x, int y, int self)
{
    for (int j = 0; j < MonsterSlotsInUse(); j++)
        if (j != self && monsters[j].alive && monsters[j].x == x && monsters[j].y == y)
            return true;
    return false;
}

// Nobody can be made here: walls, furniture, closed doors, the player, another creature.
bool PlaceTaken(int x, int y, int self)
{
    if (!OnMap(x, y))
        return true;
    if (IsBlockingTile(worldmap[y][x]))
        return true;
    if (x == player.x && y == player.y)
        return true;
    return MonsterOn(x, y, self);
}

// Slides a place diagonally down-right until it is free, stopping at the last row
// and column. True when it ends free.
bool SlidePlace(int &x, int &y, int self)
{
    while (PlaceTaken(x, y, self) && x < MAP_WIDTH - 1 && y < MAP_HEIGHT - 1) {
        x += 1;
        y += 1;
    }
    return !PlaceTaken(x, y, self);
}

int Clamp(int v, int low, int high)
{
    if (v < low)
        return low;
    if (v > high)
        return high;
    return v;
}

int Sign(int v)
{
    return (v > 0) - (v < 0);
}

// The player is within n columns and n rows of the creature.
bool NearPlayer(const MonsterRecord &m, int n)
{
    return std::abs(m.x - player.x) <= n && std::abs(m.y - player.y) <= n;
}

void RandomStep(MonsterRecord &m)
{
    m.dy = RandNum(-1, 1);
    m.dx = RandNum(-1, 1);
}

// A slot nobody lives in: dead, no kind, nothing left of an earlier creature.
// The respawn counter stays as it was.
void EmptySlot(MonsterRecord &m)
{
    int deadtime = m.deadtime;
    m = MonsterRecord();
    m.name = monster_names[KIND_DEAD];
    m.attack = monster_attacks[KIND_DEAD];
    m.move = MOVE_ROOTED;
    m.attacktype = ATTACK_NONE;
    m.hostility = monsterhostility[KIND_DEAD];
    m.deadtime = deadtime;
}

} // namespace

int MonsterSlotsInUse()
{
    return std::clamp(curmonsters, 0, MAX_MONSTERS);
}

void WalkMonsters(StateWalker &w)
{
    w.Section("monsters");
    w.Int(curmonsters, 0, MONSTER_LIMIT);
    for (MonsterRecord &m : monsters) {
        w.Section("monster");
        w.Byte(m.alive, 0, 1);
        w.Byte(m.multiplies, 0, 1);
        w.Int(m.deadtime, 0, RESPAWN_WAIT);
        w.Int(m.kind, 0, NUM_MONSTER_KINDS - 1);
        // A blow takes at most twice GROWTH_MAX from a creature that had at most that.
        w.Int(m.chp, -2 * GROWTH_MAX, GROWTH_MAX);
        w.Int(m.mhp, 0, GROWTH_MAX);
        // Blows are rolled between the two.
        w.Int(m.mindamage, 0, MAX_DAMAGE);
        w.Int(m.maxdamage, m.mindamage, MAX_DAMAGE);
        w.Int(m.size, 0, GROWTH_MAX);
        w.Int(m.exp, 0, GROWTH_MAX);
        w.Int(m.x, 0, MAP_WIDTH - 1);
        w.Int(m.y, 0, MAP_HEIGHT - 1);
        w.Int(m.dx, -1, 1);
        w.Int(m.dy, -1, 1);
        w.Int(m.move, MOVE_ROAM, MOVE_TIMID);
        w.Int(m.attacktype, ATTACK_NONE, ATTACK_TOUCH);
        w.Int(m.hostility, FRIENDLY, HOSTILE);
        // The attack's words go with the name: both come from the same kind.
        w.Name(m.name, m.attack, monster_names.data(), monster_attacks.data(), NUM_MONSTER_KINDS);
    }
}

void LoadMonsters()
{
    for (int k = 0; k < NUM_MONSTER_KINDS; k++)
        monsters_list[k] = LoadPictureIn(DIR_MONSTERS, monster_images[k]);
}

void FreeMonsters()
{
    for (int k = 0; k < NUM_MONSTER_KINDS; k++)
        FreePicture(monsters_list[k]);
}

void NewMonsters(int area)
{
    curmonsters = 0;
    // Each creature goes into the next slot; a creature that found no room anywhere
    // ends the filling (the map is then full).
    for (int n = 0; n < POPULATION; n++) {
        int before = curmonsters;
        makeMonster(DrawAreaKind(area), curmonsters, -1, -1);
        if (curmonsters == before)
            break;
    }
    if (area == AREA_TOWN) {
        // The guards keep the town's four corners.
        makeMonster(KIND_TOWN_GUARD, curmonsters, 2, 1);
        makeMonster(KIND_TOWN_GUARD, curmonsters, 72, 1);
        makeMonster(KIND_TOWN_GUARD, curmonsters, 2, 240);
        makeMonster(KIND_TOWN_GUARD, curmonsters, 72, 240);
    } else if (area == AREA_WILDERNESS) {
        for (int n = 0; n < ENT_YOUTHS; n++)
            makeMonster(KIND_ENT_YOUTH, curmonsters, -1, -1);
    }
    // Whatever an earlier area or game left above the population is gone, so a slot
    // the count grows over later is refilled with a creature of this area.
    for (int i = curmonsters; i < MAX_MONSTERS; i++)
        EmptySlot(monsters[i]);
}

void makeMonster(int kind, int slot, int row, int col)
{
    if (curmonsters > MONSTER_LIMIT - 1)
        return;
    if (slot < 0 || slot >= MONSTER_LIMIT || kind <= KIND_DEAD || kind >= NUM_MONSTER_KINDS)
        return;

    // Find the place first: a creature that finds no room is not made at all.
    int x = 0;
    int y = 0;
    int bornx = 0;
    int borny = 0;
    bool placed = false;
    if (row < 0) {
        for (int n = 0; n < PLACE_DRAWS && !placed; n++) {
            x = RandNum(PLACE_LEFT, PLACE_RIGHT);
            y = RandNum(PLACE_TOP, PLACE_BOTTOM);
            bornx = x;
            borny = y;
            placed = SlidePlace(x, y, slot);
        }
    } else {
        x = col;
        y = row;
        bornx = x;
        borny = y;
        placed = OnMap(x, y) && SlidePlace(x, y, slot);
    }
    if (!placed)
        return;

    MonsterRecord &m = monsters[slot];
    m.kind = kind;
    curmonsters += 1;
    m.x = x;
    m.y = y;
    m.dy = 0;
    m.dx = 0;
    m.hostility = monsterhostility[kind];
    m.chp = monstermhp[kind];
    m.mhp = monstermhp[kind];
    m.mindamage = monstermin[kind];
    m.maxdamage = monstermax[kind];
    m.size = monstersize[kind];
    m.exp = monsterexp[kind];
    // Big creatures clear the tree of the cell they were born on.
    if (m.size > 50)
        overmap[borny][bornx] = OVER_NONE;
    m.move = monstermove[kind];
    m.multiplies = can_multiply[kind];
    m.name = monster_names[kind];
    m.attack = monster_attacks[kind];
    m.attacktype = monsterattacktype[kind];
    m.alive = 1;
}

void MoveMonstersOffPlayer()
{
    for (int i = 0; i < MonsterSlotsInUse(); i++) {
        MonsterRecord &m = monsters[i];
        if (!m.alive || m.x != player.x || m.y != player.y)
            continue;
        for (int n = 0; n < PLACE_DRAWS; n++) {
            int x = RandNum(PLACE_LEFT, PLACE_RIGHT);
            int y = RandNum(PLACE_TOP, PLACE_BOTTOM);
            if (SlidePlace(x, y, i)) {
                m.x = x;
                m.y = y;
                break;
            }
        }
    }
}

void DrawMonsters(int top, int left)
{
    for (int i = 0; i < MonsterSlotsInUse(); i++) {
        const MonsterRecord &m = monsters[i];
        if (m.kind == KIND_DEAD || m.kind < 0 || m.kind >= NUM_MONSTER_KINDS)
            continue;
        if (m.x < left || m.x > left + VIEW_COLS - 1 || m.y < top || m.y > top + VIEW_ROWS - 1)
            continue;
        DrawIMG(monsters_list[m.kind], (m.x - left) * TILE_SIZE, (m.y - top) * TILE_SIZE);
    }
}

void MonsterAct()
{
    // The count is read afresh every step: children and refilled slots act at once.
    for (int i = 0; i < MonsterSlotsInUse(); i++) {
        MonsterRecord &m = monsters[i];
        m.dx = 0;
        m.dy = 0;

        if (!m.alive) {
            if (m.deadtime < RESPAWN_WAIT)
                m.deadtime += 1;
            else
                makeMonster(DrawAreaKind(player.area), i, -1, -1);
            continue;
        }

        if (m.multiplies && RandNum(0, 20) == 0) {
            if (curmonsters > MONSTER_LIMIT - 1)
                continue;
            int t = RandNum(0, 12);
            int kind = m.kind;
            if (kind == KIND_BUNNY && t == 0)
                kind = KIND_ALBINO_BUNNY;
            else if (kind == KIND_WORKER_ANT && t == 0)
                kind = KIND_WARRIOR_ANT;
            makeMonster(kind, curmonsters, m.y - 1, m.x);
            continue;
        }

        if (m.hostility == HOSTILE) {
            switch (m.move) {
            case MOVE_ROAM:
            case MOVE_TIMID:
                if (std::abs(m.x - player.x) <= 14) {
                    if (std::abs(m.y - player.y) <= 14) {
                        if (m.move == MOVE_ROAM)
                            ChasePlayer(i);
                        else
                            FleeFromPlayer(i);
                        moveMonster(i);
                    }
                } else {
                    RandomStep(m);
                    moveMonster(i);
                }
                break;
            case MOVE_LURK:
                if (NearPlayer(m, 5)) {
                    ChasePlayer(i);
                    moveMonster(i);
                }
                break;
            case MOVE_GUARD:
                if (NearPlayer(m, 29)) {
                    ChasePlayer(i);
                    moveMonster(i);
                }
                break;
            default:
                // Rooted: it only strikes at a player beside it.
                ChasePlayer(i);
                if (m.x + m.dx == player.x && m.y + m.dy == player.y)
                    HitPlayer(i);
                break;
            }
        } else if (m.move == MOVE_ROAM || m.move == MOVE_TIMID) {
            RandomStep(m);
            moveMonster(i);
        }
    }
}

void moveMonster(int i)
{
    MonsterRecord &m = monsters[i];
    const int startx = m.x;
    const int starty = m.y;

    // One axis at a time, so a creature slides along a wall it meets at an angle.
    m.x = Clamp(m.x + m.dx, 0, MAP_WIDTH - 1);
    bool blockedcol = CheckMonster(i, false);
    if (blockedcol)
        m.x = startx;
    m.y = Clamp(m.y + m.dy, 0, MAP_HEIGHT - 1);
    bool blockedrow = CheckMonster(i, true);
    if (blockedrow)
        m.y = starty;

    // Cornered, a timid creature makes for the player instead, if that cell will take it.
    if (blockedcol && blockedrow && m.move == MOVE_TIMID) {
        ChasePlayer(i);
        int nx = m.x + m.dx;
        int ny = m.y + m.dy;
        if (OnMap(nx, ny) && !IsWallTile(worldmap[ny][nx]) && !MonsterOn(nx, ny, i)) {
            m.x = nx;
            m.y = ny;
        }
    }

    // Walking into the player: back where it came from, and a blow unless friendly.
    if (m.x == player.x && m.y == player.y) {
        m.x = startx;
        m.y = starty;
        if (m.hostility == NEUTRAL || m.hostility == HOSTILE)
            HitPlayer(i);
    }

    // Big creatures fell the trees they walk into.
    int &over = overmap[m.y][m.x];
    if (over >= OVER_TREE && over <= OVER_PINE2 && m.size > 49) {
        over = OVER_STUMP;
        PlaceMapItem(m.x, m.y, ITEM_WOOD);
    }

    // A closed door is opened, and the creature stays in front of it.
    if (worldmap[m.y][m.x] == TILE_HOUSE_DOOR) {
        worldmap[m.y][m.x] = TILE_HOUSE_DOOR_OPEN;
        m.x = startx;
        m.y = starty;
    }
    if (worldmap[m.y][m.x] == TILE_INN_DOOR) {
        worldmap[m.y][m.x] = TILE_INN_DOOR_OPEN;
        m.x = startx;
        m.y = starty;
    }
    if (worldmap[m.y][m.x] == TILE_TAVERN_DOOR) {
        worldmap[m.y][m.x] = TILE_TAVERN_DOOR_OPEN;
        m.x = startx;
        m.y = starty;
    }
}

bool CheckMonster(int i, bool rows)
{
    MonsterRecord &m = monsters[i];
    bool blocked = !OnMap(m.x, m.y);
    for (int j = 0; j < curmonsters && !blocked; j++)
        if (j != i && monsters[j].kind != KIND_DEAD && monsters[j].x == m.x && monsters[j].y == m.y)
            blocked = true;
    if (!blocked && IsWallTile(worldmap[m.y][m.x]))
        blocked = true;
    if (!blocked)
        return false;
    if (rows)
        m.y = Clamp(m.y - m.dy, 0, MAP_HEIGHT - 1);
    else
        m.x = Clamp(m.x - m.dx, 0, MAP_WIDTH - 1);
    return true;
}

void ChasePlayer(int i)
{
    MonsterRecord &m = monsters[i];
    m.dx = Sign(player.x - m.x);
    m.dy = Sign(player.y - m.y);
    const int firstdx = m.dx;
    const int firstdy = m.dy;

    // One sidestep around a creature standing in the way.
    for (int j = 0; j < MonsterSlotsInUse(); j++) {
        if (monsters[j].kind == KIND_DEAD || monsters[j].x != m.x + m.dx || monsters[j].y != m.y + m.dy)
            continue;
        if (firstdx != 0 && firstdy == 0) {
            m.dy = RandNum(0, 1) == 1 ? 1 : -1;
        } else if (firstdx == 0 && firstdy != 0) {
            m.dx = RandNum(0, 1) == 1 ? 1 : -1;
        } else if (firstdx != 0 && firstdy != 0) {
            switch (RandNum(0, 3)) {
            case 0: m.dy = -1; break;
            case 1: m.dy = 1; break;
            case 2: m.dx = -1; break;
            default: m.dx = 1; break;
            }
        }
        break;
    }
}

void FleeFromPlayer(int i)
{
    MonsterRecord &m = monsters[i];
    if (player.x > m.x)
        m.dx = -1;
    else if (player.x < m.x)
        m.dx = 1;
    else
        m.dx = RandNum(-1, 1);
    if (player.y > m.y)
        m.dy = -1;
    else if (player.y < m.y)
        m.dy = 1;
    else
        m.dy = RandNum(-1, 1);
}

void HitPlayer(int i)
{
    MonsterRecord &m = monsters[i];
    mode = MODE_NORMAL;
    int damage = RandNum(m.mindamage, m.maxdamage);
    int r = RandNum(0, 2);
    if (r > 0) {
        player.chp -= damage;
        if (player.blind)
            std::snprintf(line, sizeof line, "Something %s you.", m.attack);
        else
            std::snprintf(line, sizeof line, "The %s %s you.", m.name, m.attack);
        AddHistory(line);
        if (m.attacktype == ATTACK_POISON) {
            player.feelbetter = 0;
            player.poisoned = 1;
            player.poisontime = std::min(player.poisontime + 5, GROWTH_MAX);
            std::snprintf(line, sizeof line, "You feel sick.");
            AddHistory(line);
        }
        player.regencount = 0;
        if (player.chp < 0) {
            player.killer = i;
            PlaceMapItem(player.x, player.y, ITEM_CORPSE);
            PlaySound(die);
        }
    } else if (!player.blind) {
        std::snprintf(line, sizeof line, "The %s misses you.", m.name);
        AddHistory(line);
    }
    m.hostility = HOSTILE;
}

void HitMonster(int i)
{
    MonsterRecord &m = monsters[i];
    mode = MODE_NORMAL;
    player.hitroll = 0;
    player.damroll = 0;

    if (player.area == AREA_TOWN && m.hostility == FRIENDLY && player.peace) {
        player.peace = 0;
        std::snprintf(line, sizeof line, "The %s cries: \"Raise the alarm!\"", m.name);
        AddHistory(line);
    }

    player.damroll = RandNum(1, player.str > 1 ? player.str : 1) + player.todam;
    player.hitroll = RandNum(0, player.tohit + 2 > 0 ? player.tohit + 2 : 0);
    if (player.hitroll > 0) {
        player.practice[0] = std::min(player.practice[0] + 1, GROWTH_MAX);
        m.chp -= player.damroll;
        if (player.blind)
            std::snprintf(line, sizeof line, "You hit Something");
        else
            std::snprintf(line, sizeof line, "You hit the %s.", m.name);
        AddHistory(line);
    } else if (!player.blind) {
        std::snprintf(line, sizeof line, "You miss the %s.", m.name);
        AddHistory(line);
    }
    m.hostility = HOSTILE;
    if (m.chp <= 0)
        KillMonster(i);
}

void KillMonster(int i)
{
    MonsterRecord &m = monsters[i];
    std::snprintf(line, sizeof line, "You have slain the %s.", m.name);
    AddHistory(line);
    player.exp = std::min(player.exp + m.exp, GROWTH_MAX);
    m.alive = 0;
    m.kind = KIND_DEAD;
    m.attacktype = ATTACK_NONE;
    m.move = MOVE_ROOTED;
    m.multiplies = 0;
    m.mindamage = 0;
    m.maxdamage = 0;
    PlaceMapItem(m.x, m.y, ITEM_CORPSE);
    PlaySound(die);
}
