#include "status/stats.h"

#include <cstdio>

#include "player/player.h"
#include "shell/font.h"
#include "shell/global.h"
#include "shell/history.h"
#include "shell/layout.h"
#include "shell/main.h"
#include "keep/save.h"
#include "shell/pictures.h"
#include "world/look.h"

SDL_Surface *bottombar;
SDL_Surface *statsbar;
int statcount;
int bobcount;

namespace {

constexpr int STATUS_X = 690;
constexpr int CONDITION_BASE_Y = 130;

void DrawValue(int y, const char *format, int value)
{
    std::snprintf(line, sizeof line, format, value);
    drawString(STATUS_X, y, line);
}

void Condition(const char *text)
{
    statcount += 1;
    Message(STATUS_X, CONDITION_BASE_Y, text, statcount);
}

void Prompt(const char *text)
{
    bobcount += 1;
    Message(PROMPT_X, PROMPT_Y, text, bobcount);
}

} // namespace

void LoadStats()
{
    FreePicture(bottombar);
    FreePicture(statsbar);
    bottombar = LoadPicture(PIC_BOTTOMBAR);
    statsbar = LoadPicture(PIC_STATSBAR);
    curhistory = -1;
}

void DrawStats()
{
    statcount = 0;
    messagecount = 0;
    bobcount = 0;

    DrawIMG(bottombar, 0, 450);
    DrawIMG(statsbar, 660, 0);

    DrawValue(10, "CHP: %i", player.chp);
    DrawValue(25, "MHP: %i", player.mhp);
    DrawValue(40, "STR: %i", player.str);
    DrawValue(55, "DEF: %i", player.def);
    DrawValue(70, "EXP: %i", player.exp);
    DrawValue(85, "Level: %i", player.level);
    DrawValue(100, "Time: %i", gametime);

    if (!player.visible)
        Condition("Invisible");
    if (player.blind)
        Condition("Blind");
    if (player.confused)
        Condition("Confused");
    if (player.poisoned)
        Condition("Poisoned");

    if (mode == MODE_RESTING) {
        Condition("Resting");
        Prompt("Press Esc to stop Resting");
    } else if (mode == MODE_GOING) {
        Condition("Going");
        if (player.gotdir)
            Prompt("Press any key to stop going");
    } else if (mode == MODE_TRAVELLING) {
        Condition("Travelling");
        Prompt("Press any key to stop travelling");
    } else if (mode == MODE_LOOKING) {
        Condition("Looking");
        DrawLookDescriptions();
    }

    drawString(STATUS_X, 560, "? for Help");

    if (player.feelbetter && player.chp >= 0) {
        std::snprintf(line, sizeof line, "You feel better.");
        AddHistory(line);
        player.feelbetter = 0;
    }

    if (player.chp < 0) {
        // A dead hero is never resumed.
        ForgetSavedGame();
        AddHistory("(Press a key)");
        WriteHistory(3);
        UpdateScreen();
        keys = GetInput();
        AddHistory("You die.");
        WriteHistory(4);
        UpdateScreen();
        keys = GetInput();
        // The turn in which the player died was the last: nobody acts against the dead.
        player.acted = 0;
        SetDone(STATE_DEAD);
    } else {
        WriteHistory(4);
    }
}

void Message(int x, int y, const char *text, int n)
{
    drawString(x, y + LINE_HEIGHT * n, text);
}
