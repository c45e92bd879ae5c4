#include "screens/menu.h"

#include "shell/font.h"
#include "shell/global.h"
#include "shell/layout.h"
#include "shell/main.h"
#include "shell/pictures.h"
#include "keep/record.h"
#include "keep/save.h"
#include "platform/web/web.h"

SDL_Surface *logo;
SDL_Surface *background;
SDL_Surface *loadboxes[8];
int fadeimg;
int fadecount;
int selectmenu;
bool played;

const char *const credit_line = "A game by the Quorvane makers - 2026";

void LoadMenu()
{
    logo = LoadPicture(PIC_LOGO);
    background = LoadPicture(PIC_BACKGROUND);
    // Eight separate copies of the box, as the loading row draws them.
    for (SDL_Surface *&box : loadboxes)
        box = LoadPicture(PIC_LOADBOX);
    played = false;
    fadeimg = 0;
    fadecount = 10;
    selectmenu = 1;
}

void DrawBoxes(int n)
{
    SDL_FillRect(screen, nullptr, bgcolor);
    for (int i = 0; i < n && i < 8; i++)
        DrawIMG(loadboxes[i], 300 + 25 * i, 350);
    centerString(SCREEN_WIDTH, 300, "Forsooth, patience as the game doth load...");
    UpdateScreen();
    ShowWebProgress();
}

void DrawMenu()
{
    SDL_FillRect(screen, nullptr, bgcolor);
    DrawIMG(background, 0, 0);
    fadeimg += fadecount;
    if (fadeimg > 99)
        centerString(SCREEN_WIDTH, 360, credit_line);
    if (fadeimg > 254) {
        fadeimg = 255;
        drawString(324, 430 + 15 * selectmenu, ">");
        if (played)
            drawString(340, 430, "Continue");
        drawString(340, 445, "New Game");
        drawString(340, 460, "Options");
        drawString(340, 475, "Exit");
        if (const char *note = KeepNotice())
            centerString(SCREEN_WIDTH, 520, note);
        fadecount = 0;
    }
    SetPictureAlpha(logo, fadeimg);
    DrawIMG(logo, 100, 225);
    PresentScreen();
}

void ProcessMenu(SDL_Event *ev)
{
    DrainKeys(ev, [&](SDLKey key) {
        switch (key) {
        case SDLK_UP:
        case SDLK_KP8:
            selectmenu -= 1;
            break;
        case SDLK_DOWN:
        case SDLK_KP2:
            selectmenu += 1;
            break;
        case SDLK_SPACE:
            if (fadeimg > 199) {
                if (selectmenu == 3) {
                    SetDone(STATE_QUIT);
                } else if (selectmenu == 2) {
                    SetDone(STATE_OPTIONS);
                    selectmenu = 0;
                } else if (selectmenu == 0 && played) {
                    SetDone(STATE_PLAYING);
                } else if (done != STATE_QUIT) {
                    played = true;
                    NewGame();
                    SetDone(STATE_PLAYING);
                }
            }
            break;
        case SDLK_ESCAPE:
            SetDone(played ? STATE_PLAYING : STATE_QUIT);
            break;
        default:
            break;
        }
    });
    if (done == STATE_MENU) {
        int lowest = played ? 0 : 1;
        if (selectmenu < lowest)
            selectmenu = 3;
        if (selectmenu > 3)
            selectmenu = lowest;
    }
}
