#include "world/look.h"

#include <cstdio>
#include <cstring>

#include "creatures/monster.h"
#include "items/item.h"
#include "keep/record.h"
#include "player/player.h"
#include "shell/font.h"
#include "shell/global.h"
#include "shell/history.h"
#include "shell/layout.h"
#include "shell/main.h"
#include "shell/pictures.h"
#include "status/stats.h"
#include "world/level.h"

SDL_Surface *mapcursor;
int cursorx;
int cursory;
int displaymonster;

void LoadCursor()
{
    mapcursor = LoadPicture(PIC_MAPCURSOR);
    cursorx = 0;
    cursory = 0;
}

// Without its picture the cursor is a plain white frame around the cell.
static void DrawCursorFrame(int px, int py)
{
    if (!screen)
        return;
    Uint32 white = SDL_MapRGB(screen->format, 255, 255, 255);
    SDL_Rect sides[4] = {
        {static_cast<Sint16>(px), static_cast<Sint16>(py), TILE_SIZE, 2},
        {static_cast<Sint16>(px), static_cast<Sint16>(py + TILE_SIZE - 2), TILE_SIZE, 2},
        {static_cast<Sint16>(px), static_cast<Sint16>(py), 2, TILE_SIZE},
        {static_cast<Sint16>(px + TILE_SIZE - 2), static_cast<Sint16>(py), 2, TILE_SIZE},
    };
    for (SDL_Rect &r : sides)
        SDL_FillRect(screen, &r, white);
}

void DrawCursor(int top, int left)
{
    int px = (cursorx - left) * TILE_SIZE;
    int py = (cursory - top) * TILE_SIZE;
    if (mapcursor)
        DrawIMG(mapcursor, px, py);
    else
        DrawCursorFrame(px, py);
}

// A monster slot shows at a cell when it stands there and is not a corpse.
static bool ShowsAt(int slot, int x, int y)
{
    const MonsterRecord &m = monsters[slot];
    return m.kind != KIND_DEAD && m.x == x && m.y == y;
}

// The details page of the creature at the cell; of two there, the one in the higher slot.
static void ShowDetailsAt(int x, int y)
{
    for (int i = 0; i < MonsterSlotsInUse(); i++) {
        if (ShowsAt(i, x, y)) {
            displaymonster = i;
            mode = MODE_MONSTER_DETAILS;
        }
    }
}

void LookAtCell(int x, int y)
{
    if (done != STATE_PLAYING || (mode != MODE_NORMAL && mode != MODE_LOOKING))
        return;
    // The cursor never leaves the view.
    if (x < player.viewx || x >= player.viewx + VIEW_COLS || y < player.viewy || y >= player.viewy + VIEW_ROWS)
        return;
    if (mode == MODE_NORMAL)
        ClearStuff();
    cursorx = x;
    cursory = y;
    mode = MODE_LOOKING;
    ShowDetailsAt(x, y);
}

void ProcessLooking(InputEvent *ev)
{
    player.acted = 0; // looking costs no turn
    DrainInput(ev, [&](GameKey key) {
        switch (key) {
        case KEY_UP:
        case KEY_KP8:
            cursory -= 1;
            break;
        case KEY_DOWN:
        case KEY_KP2:
            cursory += 1;
            break;
        case KEY_LEFT:
        case KEY_KP4:
            cursorx -= 1;
            break;
        case KEY_RIGHT:
        case KEY_KP6:
            cursorx += 1;
            break;
        case KEY_KP7:
        case KEY_HOME:
            cursory -= 1;
            cursorx -= 1;
            break;
        case KEY_KP9:
        case KEY_PAGEUP:
            cursory -= 1;
            cursorx += 1;
            break;
        case KEY_KP1:
        case KEY_END:
            cursory += 1;
            cursorx -= 1;
            break;
        case KEY_KP3:
        case KEY_PAGEDOWN:
            cursory += 1;
            cursorx += 1;
            break;
        case KEY_Y:
            ShowDetailsAt(cursorx, cursory);
            break;
        case KEY_SLASH:
        case KEY_QUESTION:
            oldmode = MODE_LOOKING;
            mode = MODE_HELP;
            break;
        case KEY_ESCAPE:
            mode = MODE_NORMAL;
            break;
        default:
            break;
        }
    }, [](const InputEvent &e) {
        int x, y;
        if (e.type == INPUT_POINTER_DOWN && CellAtPixel(e.x, e.y, &x, &y))
            LookAtCell(x, y);
    });
    // The cursor stays inside the view.
    if (cursory < player.viewy)
        cursory = player.viewy;
    if (cursorx < player.viewx)
        cursorx = player.viewx;
    if (cursory > player.viewy + VIEW_ROWS - 1)
        cursory = player.viewy + VIEW_ROWS - 1;
    if (cursorx > player.viewx + VIEW_COLS - 1)
        cursorx = player.viewx + VIEW_COLS - 1;
}

static void LookLine(const char *text)
{
    bobcount += 1;
    Message(PROMPT_X, PROMPT_Y, text, bobcount);
}

void DrawLookDescriptions()
{
    if (cursorx == player.x && cursory == player.y && player.visible)
        LookLine("You see yourself.");
    for (int i = 0; i < MonsterSlotsInUse(); i++) {
        if (!ShowsAt(i, cursorx, cursory))
            continue;
        int kind = monsters[i].kind;
        const char *name = kind >= 0 && kind < NUM_MONSTER_KINDS ? monster_names[kind] : "";
        std::snprintf(line, sizeof line, "You see a %s.", name);
        LookLine(line);
        LookLine("View Details? (y/n)");
    }
    for (int i = 0; i < cursmallitems && i < MAX_MAP_ITEMS; i++) {
        if (items[i].getx() != cursorx || items[i].gety() != cursory)
            continue;
        int kind = items[i].getType();
        const char *name = kind >= 0 && kind < NUM_ITEM_KINDS ? item_names[kind] : "";
        std::snprintf(line, sizeof line, "You see a %s.", name);
        LookLine(line);
    }
    if (!OnMap(cursorx, cursory))
        return;
    int ground = worldmap[cursory][cursorx];
    // The snowy doors of winter read as their summer ones.
    if (ground == TILE_INN_DOOR || ground == TILE_INN_DOOR_OPEN || ground == TILE_INN_DOOR_SNOW ||
        ground == TILE_INN_DOOR_SNOW_OPEN)
        LookLine("You see the entrance to the Inn.");
    if (ground == TILE_TAVERN_DOOR || ground == TILE_TAVERN_DOOR_OPEN)
        LookLine("You see the entrance to the Tavern.");
    if (ground == TILE_HOUSE_DOOR || ground == TILE_HOUSE_DOOR_OPEN || ground == TILE_HOUSE_DOOR_SNOW ||
        ground == TILE_HOUSE_DOOR_SNOW_OPEN)
        LookLine("You see the entrance to a House.");
    int over = overmap[cursory][cursorx];
    if (over == OVER_PINE || over == OVER_PINE2)
        LookLine("You see a Pine Tree.");
    if (over == OVER_TREE || over == OVER_TREE2)
        LookLine("You see a Tree.");
}

void ShowMonsterDetails(int slot)
{
    if (slot < 0 || slot >= MAX_MONSTERS)
        return;
    const MonsterRecord &m = monsters[slot];
    bool known = m.kind >= 0 && m.kind < NUM_MONSTER_KINDS;
    if (known)
        DrawIMG(monsters_list[m.kind], 100, 100);
    char text[1024];
    drawString(150, 75, "MONSTER DETAILS");
    drawString(170, 100, known ? monster_names[m.kind] : "");
    std::snprintf(text, sizeof text, "CHP: %i", m.chp);
    drawString(170, 115, text);
    std::snprintf(text, sizeof text, "MHP: %i", m.mhp);
    drawString(170, 130, text);
    std::snprintf(text, sizeof text, "STR: %i", m.maxdamage);
    drawString(170, 145, text);
    std::snprintf(text, sizeof text, "Size: %i", m.size);
    drawString(170, 160, text);
    std::snprintf(text, sizeof text, "EXP: %i", m.exp);
    drawString(170, 175, text);

    if (m.move == MOVE_ROAM)
        drawString(170, 205, "Moves erratically.");
    else if (m.move == MOVE_LURK)
        drawString(170, 205, "Does not deign to attack intruders.");
    else
        drawString(170, 205, "Does not move.");

    if (m.attacktype != ATTACK_NONE) {
        const char *verb = m.attack ? m.attack : "";
        std::snprintf(text, sizeof text, "It %s to ", verb);
        drawString(170, 220, text);
        int after = 226 + FONT_CELL_W * static_cast<int>(std::strlen(verb));
        drawString(after, 220, m.attacktype == ATTACK_POISON ? "poison." : "attack.");
        if (m.hostility == FRIENDLY)
            drawString(170, 235, "It is friendly.");
        else if (m.hostility == NEUTRAL)
            drawString(170, 235, "It is neutral.");
        else
            drawString(170, 235, "It is hostile.");
        if (m.multiplies)
            drawString(170, 250, "Multiplies explosively.");
    } else {
        drawString(170, 220, "It cannot attack.");
    }

    drawString(500, 100, "ESC - Return to Looking");
    drawString(500, 120, "? for Help");
}

void ProcessMonsterDetails(InputEvent *ev)
{
    ProcessPageKeys(ev, MODE_LOOKING, MODE_MONSTER_DETAILS);
}
