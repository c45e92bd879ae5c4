#include "status/charsheet.h"

#include <cstdio>

#include "player/player.h"
#include "shell/font.h"
#include "shell/global.h"
#include "shell/history.h"
#include "shell/main.h"
#include "status/stats.h"
#include "world/tiles.h"

const char *SkillWord(int value)
{
    if (value <= 4)
        return "Poor";
    if (value <= 7)
        return "Fair";
    if (value <= 10)
        return "Good";
    if (value <= 13)
        return "Very Good";
    if (value <= 16)
        return "Excellent";
    return "Superb";
}

static void DrawValue(int x, int y, const char *format, int value)
{
    std::snprintf(line, sizeof line, format, value);
    drawString(x, y, line);
}

void DrawCharacterStats()
{
    // The picture, fully opaque; a missing picture still takes a tile's room.
    SetPictureAlpha(player.image, 255);
    SetPictureAlpha(player.clothes, 255);
    int w = player.image ? player.image->w : TILE_SIZE;
    int h = player.image ? player.image->h : TILE_SIZE;
    DrawIMGPart(player.image, 0, 0, w, h, 100, 100);
    DrawIMGPart(player.clothes, 0, 0, w, h, 100, 100);

    drawString(120, 80, "CHARACTER");
    DrawValue(160, 100, "CHP: %i", player.chp);
    DrawValue(160, 115, "MHP: %i", player.mhp);
    DrawValue(160, 130, "STR: %i", player.str);
    DrawValue(160, 145, "DEF: %i", player.def);
    DrawValue(160, 160, "Size: %i", player.size);
    DrawValue(160, 190, "Level: %i", player.level);
    DrawValue(160, 205, "EXP: %i", player.exp);
    // The last level has no next threshold.
    if (player.level >= 0 && player.level < MAX_LEVEL)
        DrawValue(160, 220, "EXP to Advance: %i", level_gains[player.level]);
    else
        drawString(160, 220, "EXP to Advance: MAX");

    DrawValue(300, 100, "+ To Hit: %i", player.tohit);
    DrawValue(300, 115, "+ To Dam: %i", player.todam);
    DrawValue(300, 145, "Time: %i", gametime);

    drawString(120, 250, "SKILLS");
    drawString(100, 265, "Fighting:");
    drawString(100, 280, "Riding:");
    for (int k = 0; k < 2; k++)
        Message(180, 265, SkillWord(player.skill[k]), k);

    int count = 0;
    if (player.visible == 0)
        Message(300, 145, "Invisible", ++count);
    if (player.blind)
        Message(300, 145, "Blind", ++count);
    if (player.confused)
        Message(300, 145, "Confused", ++count);
    if (player.poisoned)
        Message(300, 145, "Poisoned", ++count);

    drawString(500, 100, "ESC - Return to game");
    drawString(500, 120, "? for Help");
}

void ProcessStats(InputEvent *ev)
{
    ProcessPageKeys(ev, MODE_NORMAL, MODE_STATS);
}
