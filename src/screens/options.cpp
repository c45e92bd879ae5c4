#include "screens/options.h"

#include "keep/record.h"
#include "platform/platform.h"
#include "screens/menu.h"
#include "shell/font.h"
#include "shell/global.h"
#include "shell/layout.h"
#include "shell/main.h"

// The two entries, a line each from (OPTIONS_X, OPTIONS_Y) down, the cursor to their left.
constexpr int OPTIONS_X = 340, OPTIONS_Y = 445;

void DrawOptions()
{
    SDL_FillRect(screen, nullptr, bgcolor);
    DrawIMG(background, 0, 0);
    centerString(SCREEN_WIDTH, 360, credit_line);
    drawString(OPTIONS_X - 16, OPTIONS_Y + LINE_HEIGHT * selectmenu, ">");
    drawString(OPTIONS_X, OPTIONS_Y, use_fullscreen ? "Windowed" : "Fullscreen");
    drawString(OPTIONS_X, OPTIONS_Y + LINE_HEIGHT, "Return to Menu");
    DrawIMG(logo, 100, 225);
    PresentScreen();
}

static void ChooseOptionsKey(GameKey key)
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
        if (selectmenu == 0) {
            // The label names the mode to switch to: flip it only when the switch worked.
            if (screen && TogglePlatformFullScreen())
                use_fullscreen = !use_fullscreen;
        } else {
            SetDone(STATE_MENU);
            selectmenu = played ? 0 : 1;
        }
        break;
    case KEY_ESCAPE:
        SetDone(STATE_MENU);
        selectmenu = played ? 0 : 1;
        break;
    default:
        break;
    }
}

void ProcessOptions(InputEvent *ev)
{
    // The pointer over an entry moves the cursor there; a click chooses it.
    DrainInput(ev, ChooseOptionsKey, [](const InputEvent &e) {
        if (e.x < OPTIONS_X - 16 || e.x >= OPTIONS_X + 120 || e.y < OPTIONS_Y || done != STATE_OPTIONS)
            return;
        const int entry = (e.y - OPTIONS_Y) / LINE_HEIGHT;
        if (entry > 1)
            return;
        selectmenu = entry;
        if (e.type == INPUT_POINTER_DOWN && e.button == BUTTON_LEFT)
            ChooseOptionsKey(KEY_SPACE);
    });
    if (done == STATE_OPTIONS) {
        if (selectmenu < 0)
            selectmenu = 1;
        if (selectmenu > 1)
            selectmenu = 0;
    }
}
