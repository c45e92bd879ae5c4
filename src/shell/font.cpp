#include "shell/font.h"

#include <cstdio>
#include <cstring>

#include "shell/global.h"
#include "shell/pictures.h"

SDL_Surface *font_image;

int GlyphOf(unsigned char c)
{
    if (c >= '0' && c <= '9')
        return c - 48;
    if (c >= 'A' && c <= 'Z')
        return c - 55;
    if (c >= 'a' && c <= 'z')
        return c - 61;
    static const char punctuation[] = "#=_-?!:.><*()/'+\",";
    const char *p = std::strchr(punctuation, c);
    if (c != '\0' && p)
        return 62 + static_cast<int>(p - punctuation);
    return -1;
}

void LoadFont()
{
    font_image = LoadPicture(PIC_FONT);
}

void FreeFont()
{
    FreePicture(font_image);
}

void drawString(int x, int y, const char *text)
{
    if (!text)
        return;
    for (int i = 0; text[i] != '\0'; i++) {
        int g = GlyphOf(static_cast<unsigned char>(text[i]));
        if (g >= 0)
            DrawIMGPart(font_image, FONT_CELL_W * g, 0, FONT_CELL_W, FONT_CELL_H, x + FONT_CELL_W * i, y);
    }
}

void centerString(int width, int y, const char *text)
{
    int len = static_cast<int>(std::strlen(text));
    drawString(width / 2 - 4 * len, y, text);
}

void drawNum(int x, int y, int n)
{
    char buf[16];
    std::snprintf(buf, sizeof buf, "%d", n);
    drawString(x, y, buf);
}
