#include "screens/menu.h"

#include "keep/record.h"
#include "keep/save.h"
#include "platform/platform.h"
#include "shell/font.h"
#include "shell/global.h"
#include "shell/layout.h"
#include "shell/main.h"
#include "shell/pictures.h"

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
    ShowPlatformProgress();
}

// The title's entries, a line each from (MENU_X, MENU_Y) down, the cursor to their left.
constexpr int MENU_X = 340, MENU_Y = 430;

void DrawMenu()
{
    SDL_FillRect(screen, nullptr, bgcolor);
    DrawIMG(background, 0, 0);
    fadeimg += fadecount;
    if (fadeimg > 99)
        centerString(SCREEN_WIDTH, 360, credit_line);
    if (fadeimg > 254) {
        fadeimg = 255;
        drawString(MENU_X - 16, MENU_Y + LINE_HEIGHT * selectmenu, ">");
        if (played)
            drawString(MENU_X, MENU_Y, "Continue");
        drawString(MENU_X, MENU_Y + LINE_HEIGHT, "New Game");
        drawString(MENU_X, MENU_Y + 2 * LINE_HEIGHT, "Options");
        drawString(MENU_X, MENU_Y + 3 * LINE_HEIGHT, "Exit");
        if (const char *note = KeepNotice())
            centerString(SCREEN_WIDTH, 520, note);
        fadecount = 0;
    }
    SetPictureAlpha(logo, fadeimg);
    DrawIMG(logo, 100, 225);
    PresentScreen();
}

static void ChooseMenuKey(GameKey key);

// The title's entry at pixel (x, y), or -1.
static int MenuEntryAt(int x, int y)
{
    if (x < MENU_X - 16 || x >= MENU_X + 120 || y < MENU_Y)
        return -1;
    const int entry = (y - MENU_Y) / LINE_HEIGHT;
    return entry <= 3 && (entry > 0 || played) ? entry : -1;
}

void ProcessMenu(InputEvent *ev)
{
    // The pointer over an entry moves the cursor there; a click chooses it.
    DrainInput(ev, [&](GameKey key) { ChooseMenuKey(key); }, [&](const InputEvent &e) {
        const int entry = MenuEntryAt(e.x, e.y);
        if (entry < 0 || fadeimg < 255 || done != STATE_MENU) // the menu is not shown yet
            return;
        selectmenu = entry;
        if (e.type == INPUT_POINTER_DOWN && e.button == BUTTON_LEFT)
            ChooseMenuKey(KEY_SPACE);
    });
    if (done == STATE_MENU) {
        int lowest = played ? 0 : 1;
        if (selectmenu < lowest)
            selectmenu = 3;
        if (selectmenu > 3)
            selectmenu = lowest;
    }
}

static void ChooseMenuKey(GameKey key)
{
    switch (key) {
    case KEY_UP:
    case KEY_KP8:
        selectmenu -= 1;
        break;
    case KEY_DOWN:
    case KEY_KP2:
        selectmenu += 1;
        break;
    case KEY_SPACE:
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
    case KEY_ESCAPE:
        SetDone(played ? STATE_PLAYING : STATE_QUIT);
        break;
    default:
        break;
    }
}
