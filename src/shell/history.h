// The message history: the last 200 lines, each stamped with the turn.
#pragma once

#include <SDL/SDL.h>

#include "platform/keys.h"

constexpr int HISTORY_LINES = 200;
constexpr int HISTORY_TEXT = 1024;

struct HistoryLine {
    char text[HISTORY_TEXT];
    int stamp;
};

extern HistoryLine history[HISTORY_LINES];
extern int curhistory;
extern char line[1024];
extern int messagecount;

class StateWalker;
// curhistory, then the lines up to it, each text with its stamp.
void WalkHistory(StateWalker &w);

void AddHistory(const char *text);
void ClearHistory();
void WriteHistory(int n);
void WriteExtendedHistory(int n);
void ShowHistory();
void ProcessHistory(InputEvent *ev);
