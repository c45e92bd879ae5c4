#include "shell/history.h"
#include "shell/layout.h"

#include <cstdio>
#include <cstring>

#include "keep/state.h"
#include "player/player.h"
#include "shell/font.h"
#include "shell/global.h"
#include "shell/main.h"
#include "status/stats.h"

HistoryLine history[HISTORY_LINES];
int curhistory = -1;
char line[1024];
int messagecount;

void AddHistory(const char *text)
{
    curhistory += 1;
    if (curhistory > HISTORY_LINES - 1) {
        curhistory = HISTORY_LINES - 1;
        std::memmove(&history[0], &history[1], sizeof(HistoryLine) * (HISTORY_LINES - 1));
    }
    HistoryLine &h = history[curhistory];
    std::snprintf(h.text, sizeof h.text, "%s", text ? text : "");
    h.stamp = gametime;
}

void WalkHistory(StateWalker &w)
{
    w.Section("history");
    w.Int(curhistory, -1, HISTORY_LINES - 1);
    for (int k = 0; k <= curhistory && k < HISTORY_LINES; k++) {
        w.Section("line");
        w.Text(history[k].text, HISTORY_TEXT);
        w.Int(history[k].stamp);
    }
}

void ClearHistory()
{
    curhistory = -1;
    for (HistoryLine &h : history) {
        h.text[0] = '\0';
        h.stamp = 0;
    }
}

static void DrawHistoryLines(int n, int stampx, int textx, int basey)
{
    messagecount = 0;
    for (int v = n; v >= 0; v--) {
        if (curhistory < v)
            continue;
        messagecount += 1;
        int k = curhistory - v;
        if (k == 0 || history[k].stamp != history[k - 1].stamp) {
            std::snprintf(line, sizeof line, "%d", history[k].stamp);
            Message(stampx, basey, line, messagecount);
        }
        Message(textx, basey, history[k].text, messagecount);
    }
}

void WriteHistory(int n)
{
    DrawHistoryLines(n, 280, 320, PROMPT_Y);
}

void WriteExtendedHistory(int n)
{
    DrawHistoryLines(n, 50, 90, 50);
}

void ShowHistory()
{
    centerString(660, 25, "HISTORY");
    WriteExtendedHistory(23);
    drawString(500, 85, "ESC - Return");
    drawString(500, 105, "? - Access Help");
}

void ProcessHistory(InputEvent *ev)
{
    ProcessPageKeys(ev, oldmode, NO_HELP); // "?" is not offered here
}
