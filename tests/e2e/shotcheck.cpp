// Reads one of the game's screenshots and tells whether a text stands at a place,
// drawn in the game's own font:  shotcheck <data-root> <shot.bmp> <x> <y> <text>
// Also:  shotcheck <data-root> <shot.bmp> size   (prints "W H").
// A shot named *.xwd is an xwd dump of the X server's screen ("xwd -root"), read as a
// screenshot of the whole screen.
// And:    shotcheck <data-root> <shot.bmp> shown <screen.xwd> <x> <y>
// tells whether the picture the X server shows (an xwd dump of its screen, "xwd -root")
// holds the screenshot with its top-left corner at (x, y), pixel for pixel at the game's
// 16 bits a pixel; prints how many pixels differ and the first of them.
// Exit status 0 when the text is there (or the pictures agree), 1 when not, 2 on a bad
// picture.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

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

static SDL_Surface *LoadShot(const char *path);

int main(int argc, char **argv)
{
    if (argc < 4)
        return 2;
    SDL_Surface *shot = LoadShot(argv[2]);
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

// An xwd dump: its header (25 numbers, most significant byte first), its colour
// entries, then the pixels, rows of bytes_per_line bytes.
struct Dump {
    std::vector<unsigned char> bytes;
    Uint32 width, height, bits, rowbytes, msbfirst, masks[3];
    size_t pixels; // offset of the first pixel
};

static Uint32 BigEndian(const unsigned char *p)
{
    return (Uint32(p[0]) << 24) | (Uint32(p[1]) << 16) | (Uint32(p[2]) << 8) | Uint32(p[3]);
}

static bool ReadDump(const char *path, Dump *d)
{
    FILE *f = std::fopen(path, "rb");
    if (!f)
        return false;
    unsigned char buf[65536];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0)
        d->bytes.insert(d->bytes.end(), buf, buf + n);
    std::fclose(f);
    if (d->bytes.size() < 100)
        return false;
    Uint32 h[25];
    for (int i = 0; i < 25; i++)
        h[i] = BigEndian(&d->bytes[4 * i]);
    const Uint32 headersize = h[0], format = h[2], ncolors = h[19];
    d->width = h[4], d->height = h[5], d->msbfirst = h[7], d->bits = h[11], d->rowbytes = h[12];
    d->masks[0] = h[14], d->masks[1] = h[15], d->masks[2] = h[16];
    d->pixels = size_t(headersize) + size_t(ncolors) * 12;
    // Only what a true-colour server of 24 or 32 bits a pixel gives (ZPixmap).
    if (format != 2 || (d->bits != 24 && d->bits != 32) || d->width == 0 || d->height == 0)
        return false;
    return d->pixels + size_t(d->rowbytes) * d->height <= d->bytes.size() &&
           size_t(d->rowbytes) * 8 >= size_t(d->width) * d->bits;
}

// One colour of a pixel, by its mask, scaled to 8 bits.
static Uint8 Channel(Uint32 v, Uint32 mask)
{
    if (!mask)
        return 0;
    int shift = 0;
    while (!(mask & (1u << shift)))
        shift++;
    Uint32 top = mask >> shift;
    return Uint8(((v & mask) >> shift) * 255u / top);
}

static void DumpRGB(const Dump &d, Uint32 x, Uint32 y, Uint8 *r, Uint8 *g, Uint8 *b)
{
    const int bytes = int(d.bits / 8);
    const unsigned char *p = &d.bytes[d.pixels + size_t(y) * d.rowbytes + size_t(x) * bytes];
    Uint32 v = 0;
    for (int i = 0; i < bytes; i++)
        v |= Uint32(p[i]) << (8 * (d.msbfirst ? bytes - 1 - i : i));
    *r = Channel(v, d.masks[0]);
    *g = Channel(v, d.masks[1]);
    *b = Channel(v, d.masks[2]);
}

// A screenshot, or the whole screen of an xwd dump (a name ending in ".xwd"), whose
// texts are then looked for at the screen's coordinates.
static SDL_Surface *LoadShot(const char *path)
{
    size_t n = std::strlen(path);
    if (n < 4 || std::strcmp(path + n - 4, ".xwd") != 0)
        return SDL_LoadBMP(path);
    Dump d;
    if (!ReadDump(path, &d))
        return nullptr;
    SDL_Surface *s = SDL_CreateRGBSurface(SDL_SWSURFACE, int(d.width), int(d.height), 32, 0xff0000, 0xff00, 0xff, 0);
    if (!s)
        return nullptr;
    SDL_LockSurface(s);
    for (Uint32 y = 0; y < d.height; y++)
        for (Uint32 x = 0; x < d.width; x++) {
            Uint8 r, g, b;
            DumpRGB(d, x, y, &r, &g, &b);
            Uint32 v = SDL_MapRGB(s->format, r, g, b);
            std::memcpy(static_cast<Uint8 *>(s->pixels) + y * Uint32(s->pitch) + 4 * x, &v, 4);
        }
    SDL_UnlockSurface(s);
    return s;
}

static int CheckShown(char **argv, SDL_Surface *shot)
{
    Dump d;
    if (!ReadDump(argv[4], &d)) {
        std::printf("%s: not an xwd dump of a true-colour screen\n", argv[4]);
        return 2;
    }
    const long x0 = std::atol(argv[5]), y0 = std::atol(argv[6]);
    if (x0 < 0 || y0 < 0 || x0 + shot->w > long(d.width) || y0 + shot->h > long(d.height)) {
        std::printf("the screenshot does not fit the screen at %ld, %ld\n", x0, y0);
        return 2;
    }
    SDL_LockSurface(shot);
    long differ = 0;
    for (int y = 0; y < shot->h; y++)
        for (int x = 0; x < shot->w; x++) {
            Uint8 sr, sg, sb, wr, wg, wb;
            RGBAt(shot, x, y, &sr, &sg, &sb);
            DumpRGB(d, Uint32(x0 + x), Uint32(y0 + y), &wr, &wg, &wb);
            if ((sr >> 3) == (wr >> 3) && (sg >> 2) == (wg >> 2) && (sb >> 3) == (wb >> 3))
                continue;
            if (differ == 0)
                std::printf("first difference at %d, %d: the screenshot has %d %d %d, the screen %d %d %d\n", x, y,
                            sr, sg, sb, wr, wg, wb);
            differ++;
        }
    SDL_UnlockSurface(shot);
    std::printf("%ld pixels differ\n", differ);
    return differ == 0 ? 0 : 1;
}

static int Check(int argc, char **argv, SDL_Surface *shot, SDL_Surface *font)
{
    if (std::strcmp(argv[3], "size") == 0) {
        std::printf("%d %d\n", shot->w, shot->h);
        return 0;
    }
    if (std::strcmp(argv[3], "shown") == 0)
        return argc == 7 ? CheckShown(argv, shot) : 2;
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
