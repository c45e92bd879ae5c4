#include "screens/tombstone.h"

#include <cstdio>

#include "creatures/monster.h"
#include "keep/record.h"
#include "player/player.h"
#include "screens/menu.h"
#include "shell/font.h"
#include "shell/global.h"
#include "shell/history.h"
#include "shell/layout.h"
#include "shell/main.h"
#include "shell/pictures.h"

SDL_Surface *tombstone;

void LoadTombstone()
{
    tombstone = LoadPicture(PIC_TOMBSTONE, false);
}

void DrawTombstone()
{
    SDL_FillRect(screen, nullptr, bgcolor);
    SetPictureAlpha(tombstone, 150);
    DrawIMG(tombstone, 0, 0);
    centerString(SCREEN_WIDTH, 345, "Here lies an adventurer,");
    if (player.killer >= 0 && player.killer < MAX_MONSTERS) {
        std::snprintf(line, sizeof line, "Killed by a %s", monsters[player.killer].name ? monsters[player.killer].name : "");
        centerString(SCREEN_WIDTH, 360, line);
    } else if (player.poisoned) {
        centerString(SCREEN_WIDTH, 360, "Killed by poison");
    }
    PresentScreen();
}

static void GiveUpOrBack(GameKey key)
{
    switch (key) {
    case KEY_SPACE: // give the game up
        SetDone(STATE_MENU);
        played = false;
        selectmenu = 1;
        fadeimg = 255;
        fadecount = 0;
        break;
    case KEY_ESCAPE:
        SetDone(STATE_MENU);
        fadeimg = 255;
        fadecount = 0;
        break;
    default:
        break;
    }
}

void ProcessDead(InputEvent *ev)
{
    // A click or a tap gives the game up, as Space does.
    DrainInput(ev, GiveUpOrBack, [](const InputEvent &e) {
        if (e.type == INPUT_POINTER_DOWN && e.button == BUTTON_LEFT)
            GiveUpOrBack(KEY_SPACE);
    });
}
