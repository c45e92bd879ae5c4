#include "screens/options.h"

#include "keep/record.h"
#include "platform/platform.h"
#include "screens/menu.h"
#include "shell/font.h"
#include "shell/global.h"
#include "shell/layout.h"
#include "shell/main.h"

void DrawOptions()
{
    SDL_FillRect(screen, nullptr, bgcolor);
    DrawIMG(background, 0, 0);
    centerString(SCREEN_WIDTH, 360, credit_line);
    drawString(324, 445 + 15 * selectmenu, ">");
    drawString(340, 445, use_fullscreen ? "Windowed" : "Fullscreen");
    drawString(340, 460, "Return to Menu");
    DrawIMG(logo, 100, 225);
    PresentScreen();
}

void ProcessOptions(InputEvent *ev)
{
    DrainKeys(ev, [&](GameKey key) {
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
    });
    if (done == STATE_OPTIONS) {
        if (selectmenu < 0)
            selectmenu = 1;
        if (selectmenu > 1)
            selectmenu = 0;
    }
}
