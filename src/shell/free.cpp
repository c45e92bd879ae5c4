#include "shell/free.h"

#include <climits>

#include "shell/dice.h"
#include "shell/global.h"
#include "shell/layout.h"
#include "shell/main.h"
#include "shell/pictures.h"
#include "shell/sound.h"
#include "keep/state.h"

SDL_Surface *crow_bird;
int birdx;
int birdy;
Cloud clouds[5];

// The map view the layer flies over.
constexpr int SKY_W = 660;
constexpr int SKY_H = 450;
constexpr int CLOUD_ALPHA = 140;

void LoadFree()
{
    FreePicture(crow_bird);
    for (Cloud &c : clouds)
        FreePicture(c.image);
    crow_bird = LoadPicture(PIC_CROW);
    // Each cloud is its own copy, so each carries its own alpha: translucent from the
    // start, so that a game resumed from its save (no new game) shows them so too.
    for (Cloud &c : clouds) {
        c.image = LoadPicture(PIC_CLOUD);
        SetPictureAlpha(c.image, CLOUD_ALPHA);
    }
}

void WalkCrow(StateWalker &w)
{
    w.Section("crow");
    w.Int(birdx);
    w.Int(birdy);
}

void WalkClouds(StateWalker &w)
{
    for (Cloud &c : clouds) {
        w.Section("cloud");
        w.Int(c.drift);
        w.Int(c.fixed);
        w.Int(c.step, -1, 1);
    }
}

void NewFree()
{
    for (Cloud &c : clouds) {
        c.drift = RandNum(1, SCREEN_HEIGHT);
        c.fixed = RandNum(1, SCREEN_WIDTH);
        c.step = RandNum(1, 2);
        SetPictureAlpha(c.image, CLOUD_ALPHA);
        if (c.step == 2)
            c.step = -1;
    }
    birdx = 0;
    birdy = RandNum(30, 400);
}

// Adds without running past the ends of an int (the layer runs for as long as the
// game is played).
static void Advance(int &value, int by)
{
    if (by > 0 && value > INT_MAX - by)
        value = INT_MAX;
    else if (by < 0 && value < INT_MIN - by)
        value = INT_MIN;
    else
        value += by;
}

void MoveFree()
{
    for (Cloud &c : clouds)
        Advance(c.drift, c.step);
    if (birdx > 205 && birdx < 225)
        PlaySound(crow);
    Advance(birdx, 15);
    Advance(birdy, 2);
}

// value brought into 0..span-1.
static int Wrap(int value, int span)
{
    int r = value % span;
    return r < 0 ? r + span : r;
}

void DrawFree()
{
    if (!screen)
        return;
    SDL_Rect old;
    SDL_GetClipRect(screen, &old);
    SDL_Rect view = {0, 0, SKY_W, SKY_H};
    SDL_SetClipRect(screen, &view);

    // The clouds drift up or down through the view and come back in at the other side;
    // the fixed coordinate places them across it.
    for (const Cloud &c : clouds) {
        if (!c.image)
            continue;
        int w = c.image->w;
        int h = c.image->h;
        int x = Wrap(c.fixed, SKY_W + w) - w;
        int y = Wrap(c.drift, SKY_H + h) - h;
        DrawIMG(c.image, x, y);
    }
    // The crow crosses once, early in each game.
    if (crow_bird && birdx < SKY_W && birdy < SKY_H)
        DrawIMG(crow_bird, birdx, birdy);

    SDL_SetClipRect(screen, &old);
}
