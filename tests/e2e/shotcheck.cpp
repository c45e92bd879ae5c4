// Reads one of the game's screenshots and tells whether a text stands at a place,
// drawn in the game's own font:  shotcheck <data-root> <shot.bmp> <x> <y> <text>
// Also:  shotcheck <data-root> <shot.bmp> size   (prints "W H").
// Exit status 0 when the text is there, 1 when not, 2 on a bad picture.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <SDL/SDL.h>
#include <SDL/SDL_image.h>

#include "shell/font.h"
#include "shell/pictures.h"

static void RGBAt(SDL_Surface *s, int x, int y, Uint8 *r, Uint8 *g, Uint8 *b)
{
    const Uint8 *p = static_cast<const Uint8 *>(s->pixels) + y * s->pitch + x * s->format->BytesPerPixel;
    Uint32 v = 0;
    std::memcpy(&v, p, s->format->BytesPerPixel);
    SDL_GetRGB(v, s->format, r, g, b);
}

static int Check(int argc, char **argv, SDL_Surface *shot, SDL_Surface *font);

int main(int argc, char **argv)
{
    if (argc < 4)
        return 2;
    SDL_Surface *shot = SDL_LoadBMP(argv[2]);
    if (!shot)
        return 2;
    char path[4200];
    std::snprintf(path, sizeof path, "%s/%s", argv[1], PIC_FONT);
    SDL_Surface *font = IMG_Load(path);
    int status = Check(argc, argv, shot, font);
    if (font)
        SDL_FreeSurface(font);
    SDL_FreeSurface(shot);
    SDL_Quit();
    return status;
}

static int Check(int argc, char **argv, SDL_Surface *shot, SDL_Surface *font)
{
    if (std::strcmp(argv[3], "size") == 0) {
        std::printf("%d %d\n", shot->w, shot->h);
        return 0;
    }
    if (argc < 6 || !font)
        return 2;
    int x = std::atoi(argv[3]);
    int y = std::atoi(argv[4]);
    const char *text = argv[5];
    SDL_LockSurface(shot);
    SDL_LockSurface(font);
    struct Unlock {
        SDL_Surface *a, *b;
        ~Unlock()
        {
            SDL_UnlockSurface(a);
            SDL_UnlockSurface(b);
        }
    } unlock{shot, font};
    int ink = 0;
    bool ok = true;
    for (int i = 0; text[i] && ok; i++) {
        int glyph = GlyphOf(static_cast<unsigned char>(text[i]));
        if (glyph < 0)
            continue;
        for (int py = 0; py < FONT_CELL_H && ok; py++)
            for (int px = 0; px < FONT_CELL_W && ok; px++) {
                Uint8 fr, fg, fb;
                RGBAt(font, FONT_CELL_W * glyph + px, py, &fr, &fg, &fb);
                if (fr == 255 && fg == 0 && fb == 255)
                    continue;
                int sx = x + FONT_CELL_W * i + px, sy = y + py;
                if (sx < 0 || sy < 0 || sx >= shot->w || sy >= shot->h)
                    continue;
                Uint8 sr, sg, sb;
                RGBAt(shot, sx, sy, &sr, &sg, &sb);
                // The screen has 16 bits a pixel: compare at that depth.
                if ((sr >> 3) != (fr >> 3) || (sg >> 2) != (fg >> 2) || (sb >> 3) != (fb >> 3))
                    ok = false;
                ink++;
            }
    }
    return ok && ink > 0 ? 0 : 1;
}
