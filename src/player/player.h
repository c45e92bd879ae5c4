// The player character: its record, creation, growth, drawing and its step.
#pragma once

#include <SDL/SDL.h>

#include "platform/keys.h"

constexpr int NO_KILLER = -1;

struct PlayerRecord {
    SDL_Surface *image;
    SDL_Surface *clothes;
    unsigned char acted;
    unsigned char gotdir;
    unsigned char feelbetter;
    unsigned char blind;
    unsigned char confused;
    unsigned char visible;
    unsigned char poisoned;
    int regencount;
    int regenrate;
    int poisoncount;
    int poisontime;
    int chp;
    int mhp;
    int str;
    int def;
    int exp;
    int level;
    int x;
    int y;
    int size;
    int killer;   // slot of the monster whose blow killed the player; NO_KILLER for none
    int area;
    int tohit;
    int todam;
    int hitroll;
    int damroll;
    int areax;
    int areay;
    int viewx;
    int viewy;
    int peace;
    int skill[2];
    int practice[2];
};

extern PlayerRecord player;

class StateWalker;
// The player's part of the game's state (its pictures are not state), in field order.
void WalkPlayer(StateWalker &w);
constexpr int MAX_LEVEL = 7;
// Bigger than this, a walker cannot pass between trees.
constexpr int TREE_BLOCKING_SIZE = 249;
extern const int level_gains[7];

void LoadPlayer();
void NewPlayer();
void UpdatePlayer(InputEvent *ev);
void DrawPlayer();
void ClearStuff();
void movePlayer(int dy, int dx);
// The tree on the map cell (x, y) keeps the player out (only a walker bigger than
// TREE_BLOCKING_SIZE is kept out by trees).
bool TreeBlocksPlayer(int x, int y);
