#include "screens/help.h"

#include "player/player.h"
#include "shell/font.h"
#include "shell/global.h"
#include "shell/main.h"

namespace {
struct HelpText {
    const char *text;
    int x;
    int y;
};

const HelpText help_texts[] = {
    {"c", 20, 95},
    {"close *", 50, 95},
    {"C", 250, 95},
    {"Character Stats", 280, 95},
    {"d", 20, 115},
    {"drop", 50, 115},
    {"g", 20, 175},
    {"go *", 50, 175},
    {"h", 20, 195},
    {"heal/rest", 50, 195},
    {"i", 20, 215},
    {"inventory", 50, 215},
    {"N", 250, 235},
    {"Notes/History", 280, 235},
    {"l", 20, 255},
    {"look *", 50, 255},
    {"Q", 250, 275},
    {"Quit and Save", 280, 275},
    {"o", 20, 315},
    {"open *", 50, 315},
    {"Home PgUp End PgDn", 114, 355},
    {"Diagonals", 280, 355},
    {"Keypad 5", 194, 375},
    {"Wait", 280, 375},
    {"Enter", 218, 395},
    {"Pick up", 280, 395},
    {"Arrow Keys", 178, 415},
    {"Move", 280, 415},
    {"ESC - Return", 500, 85},
    {"? - Access Help", 500, 105},
    {"* - Followed by", 500, 125},
    {"    Direction", 500, 145},
    {"Only working", 500, 185},
    {"controls are", 500, 205},
    {"currently shown", 500, 225},
};
} // namespace

void ShowHelp()
{
    centerString(660, 25, "GAME CONTROLS");
    for (const HelpText &t : help_texts)
        drawString(t.x, t.y, t.text);
}

void ProcessHelp(InputEvent *ev)
{
    ProcessPageKeys(ev, oldmode, NO_HELP); // "?" again does nothing
}
