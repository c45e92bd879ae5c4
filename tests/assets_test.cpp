// The data tree the build draws: every file the game loads, named by the game's own
// tables, is there, loads through SDL_image, has its size, and keeps its magenta where
// the game needs it transparent.
#include <gtest/gtest.h>

#include <SDL/SDL.h>
#include <SDL/SDL_image.h>
#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "creatures/monsterdata.h"
#include "items/itemdata.h"
#include "shell/font.h"
#include "shell/pictures.h"
#include "world/tiles.h"

namespace {

struct Rgb {
    int r, g, b;
    bool operator==(const Rgb &o) const { return r == o.r && g == o.g && b == o.b; }
    bool operator!=(const Rgb &o) const { return !(*this == o); }
    bool Magenta() const { return r == 255 && g == 0 && b == 255; }
    int Luma() const { return (r * 30 + g * 59 + b * 11) / 100; }
};

// A loaded picture, read back into plain RGB.
struct Picture {
    int w = 0, h = 0;
    std::vector<Rgb> px;
    bool ok = false;
    Rgb At(int x, int y) const { return px[static_cast<size_t>(y) * w + x]; }
    int CountMagenta() const { return int(std::count_if(px.begin(), px.end(), [](Rgb p) { return p.Magenta(); })); }
    bool CornersMagenta() const
    {
        return At(0, 0).Magenta() && At(w - 1, 0).Magenta() && At(0, h - 1).Magenta() && At(w - 1, h - 1).Magenta();
    }
};

Picture FromSurface(SDL_Surface *s)
{
    Picture p;
    if (!s)
        return p;
    p.w = s->w, p.h = s->h;
    SDL_LockSurface(s);
    for (int y = 0; y < s->h; y++)
        for (int x = 0; x < s->w; x++) {
            const Uint8 *row = static_cast<const Uint8 *>(s->pixels) + y * s->pitch;
            const Uint8 *q = row + x * s->format->BytesPerPixel;
            Uint32 v = 0;
            switch (s->format->BytesPerPixel) {
            case 1: v = *q; break;
            case 2: v = *reinterpret_cast<const Uint16 *>(q); break;
            case 3: v = SDL_BYTEORDER == SDL_LIL_ENDIAN ? (q[0] | q[1] << 8 | q[2] << 16) : (q[2] | q[1] << 8 | q[0] << 16); break;
            default: v = *reinterpret_cast<const Uint32 *>(q); break;
            }
            Uint8 r, g, b;
            SDL_GetRGB(v, s->format, &r, &g, &b);
            p.px.push_back(Rgb{r, g, b});
        }
    SDL_UnlockSurface(s);
    SDL_FreeSurface(s);
    p.ok = true;
    return p;
}

bool Sized(const Picture &p, int w, int h) { return p.ok && p.w == w && p.h == h; }

Picture Load(const std::string &relpath) { return FromSurface(IMG_Load(("data/" + relpath).c_str())); }

// Every picture named by a table, once each.
std::vector<std::string> Unique(const std::string &dir, const char *const *names, size_t n)
{
    std::set<std::string> seen;
    std::vector<std::string> out;
    for (size_t i = 0; i < n; i++)
        if (seen.insert(names[i]).second)
            out.push_back(dir + names[i]);
    return out;
}

bool IsOverlayPicture(const std::string &name)
{
    for (const char *o : tile_over_images)
        if (name == std::string(DIR_TILES) + o)
            return true;
    return false;
}

} // namespace

TEST(MapPictures, EveryGroundTileLoadsWholeAndOpaque)
{
    // Ground is drawn straight onto the black fill: a hole in a tile would show black.
    for (const std::string &f : Unique(DIR_TILES, tile_images.data(), tile_images.size())) {
        if (IsOverlayPicture(f))
            continue; // a ground file that is also an overlay is tested as an overlay
        Picture p = Load(f);
        ASSERT_TRUE(Sized(p, TILE_SIZE, TILE_SIZE)) << f << ": " << IMG_GetError();
        EXPECT_EQ(p.CountMagenta(), 0) << f;
    }
}

TEST(MapPictures, OverlaysLetTheGroundAndCreaturesShowThrough)
{
    for (const std::string &f : Unique(DIR_TILES, tile_over_images.data(), tile_over_images.size())) {
        Picture p = Load(f);
        ASSERT_TRUE(Sized(p, TILE_SIZE, TILE_SIZE)) << f << ": " << IMG_GetError();
        // Every overlay leaves at least a third of its cell open.
        EXPECT_GE(p.CountMagenta(), TILE_SIZE * TILE_SIZE / 3) << f;
    }
    Picture blank = Load(std::string(DIR_TILES) + tile_over_images[OVER_NONE]);
    EXPECT_EQ(blank.CountMagenta(), TILE_SIZE * TILE_SIZE);
    for (int o : {OVER_TREE, OVER_PINE, OVER_TREE2, OVER_PINE2, OVER_STUMP}) {
        Picture p = Load(std::string(DIR_TILES) + tile_over_images[o]);
        EXPECT_TRUE(p.CornersMagenta()) << tile_over_images[o];
        EXPECT_LT(p.CountMagenta(), TILE_SIZE * TILE_SIZE) << tile_over_images[o];
    }
    // A creature walking through the gate is seen under the arch.
    for (int o : {OVER_GATE_LEFT, OVER_GATE_RIGHT}) {
        Picture p = Load(std::string(DIR_TILES) + tile_over_images[o]);
        EXPECT_TRUE(p.At(15, TILE_SIZE - 1).Magenta()) << tile_over_images[o];
    }
}

TEST(MapPictures, ClosedDoorsLookDifferentFromOpenOnes)
{
    const int pairs[][2] = {{TILE_INN_DOOR, TILE_INN_DOOR_OPEN},
                            {TILE_INN_DOOR_SNOW, TILE_INN_DOOR_SNOW_OPEN},
                            {TILE_TAVERN_DOOR, TILE_TAVERN_DOOR_OPEN},
                            {TILE_HOUSE_DOOR_SNOW, TILE_HOUSE_DOOR_SNOW_OPEN},
                            {TILE_HOUSE_DOOR, TILE_HOUSE_DOOR_OPEN}};
    for (const auto &pr : pairs) {
        Picture closed = Load(std::string(DIR_TILES) + tile_images[pr[0]]);
        Picture open = Load(std::string(DIR_TILES) + tile_images[pr[1]]);
        ASSERT_TRUE(closed.ok && open.ok);
        int differ = 0;
        for (size_t i = 0; i < closed.px.size(); i++)
            differ += closed.px[i] != open.px[i] ? 1 : 0;
        EXPECT_GT(differ, 120) << tile_images[pr[0]] << " and " << tile_images[pr[1]];
    }
}

TEST(Creatures, EveryKindHasItsOwnSpriteOnMagenta)
{
    std::vector<std::string> files = Unique(DIR_MONSTERS, monster_images.data(), monster_images.size());
    std::vector<Picture> pics;
    for (const std::string &f : files) {
        Picture p = Load(f);
        ASSERT_TRUE(Sized(p, TILE_SIZE, TILE_SIZE)) << f << ": " << IMG_GetError();
        EXPECT_TRUE(p.CornersMagenta()) << f;
        EXPECT_GT(p.CountMagenta(), 200) << f;
        EXPECT_LT(p.CountMagenta(), TILE_SIZE * TILE_SIZE - 60) << f << " is almost empty";
        pics.push_back(p);
    }
    // No two pictures are the same: the three Townsmen and Townswomen differ too.
    for (size_t i = 0; i < pics.size(); i++)
        for (size_t j = i + 1; j < pics.size(); j++)
            EXPECT_NE(pics[i].px == pics[j].px, true) << files[i] << " and " << files[j];
}

TEST(Creatures, ThePlayerWearsClothesOverTheBody)
{
    Picture body = Load(PIC_PLAYER), clothes = Load(PIC_CLOTHES);
    ASSERT_TRUE(body.ok && clothes.ok);
    EXPECT_TRUE(Sized(body, TILE_SIZE, TILE_SIZE) && Sized(clothes, TILE_SIZE, TILE_SIZE));
    EXPECT_TRUE(body.CornersMagenta());
    EXPECT_TRUE(clothes.CornersMagenta());
    int covered = 0, bareSkin = 0;
    for (size_t i = 0; i < body.px.size(); i++) {
        if (!clothes.px[i].Magenta())
            covered++;
        else if (!body.px[i].Magenta())
            bareSkin++;
    }
    EXPECT_GT(covered, 80);  // a real outfit
    EXPECT_GT(bareSkin, 40); // the face and hands still show
}

TEST(Items, EveryKindHasALargeAndASmallPicture)
{
    for (int size : {60, 30}) {
        const char *dir = size == 60 ? DIR_ITEMS : DIR_SMALLITEMS;
        for (const std::string &f : Unique(dir, item_images.data(), item_images.size())) {
            Picture p = Load(f);
            ASSERT_TRUE(Sized(p, size, size)) << f << ": " << IMG_GetError();
            EXPECT_TRUE(p.CornersMagenta()) << f;
            EXPECT_GT(p.CountMagenta(), size * size / 5) << f;
            EXPECT_LT(p.CountMagenta(), size * size - size) << f << " is almost empty";
        }
    }
}

TEST(Screens, TitleAndTombstonePicturesFitTheirPlaces)
{
    Picture bg = Load(PIC_BACKGROUND), tomb = Load(PIC_TOMBSTONE), logo = Load(PIC_LOGO), box = Load(PIC_LOADBOX);
    ASSERT_TRUE(bg.ok && tomb.ok && logo.ok && box.ok) << IMG_GetError();
    EXPECT_TRUE(Sized(bg, 800, 600) && Sized(tomb, 800, 600));
    // The logo stands at (100, 225) and must end above the credit line at y 360.
    EXPECT_LE(100 + logo.w, 800);
    EXPECT_LE(225 + logo.h, 360);
    EXPECT_TRUE(logo.CornersMagenta());
    EXPECT_LE(box.w, 25); // the loading boxes stand 25 apart
    // The epitaph lines (y 345 and 360, up to 28 characters centred) lie on the stone,
    // which is clearly lighter than the night around it.
    long face = 0, sky = 0;
    int n = 0;
    for (int y = 345; y < 372; y++)
        for (int x = 288; x < 512; x += 4, n++) {
            face += tomb.At(x, y).Luma();
            sky += tomb.At(x - 270 > 0 ? x - 270 : 5, y).Luma();
        }
    EXPECT_GT(face / n, 90);
    EXPECT_GT(face / n, sky / n + 40);
}

TEST(Screens, BarsAreDarkUnderTheLightFont)
{
    Picture bottom = Load(PIC_BOTTOMBAR), stats = Load(PIC_STATSBAR), font = Load(PIC_FONT);
    ASSERT_TRUE(bottom.ok && stats.ok && font.ok);
    EXPECT_TRUE(Sized(bottom, 800, 150));
    EXPECT_EQ(stats.w, 140);
    EXPECT_TRUE(stats.h == 450 || stats.h == 600);
    int ink = 0;
    for (const Rgb &p : font.px)
        if (!p.Magenta())
            ink = p.Luma();
    for (const Rgb &p : bottom.px)
        ASSERT_FALSE(p.Magenta()); // nothing of the map may show through
    // The column is open only where the full screens' side texts run past the map's edge.
    for (int y = 0; y < stats.h; y++)
        for (int x = 0; x < stats.w; x++) {
            bool opening = (y >= 99 && y <= 143) || (y >= 263 && y <= 279);
            ASSERT_EQ(stats.At(x, y).Magenta(), opening) << x << "," << y;
        }
    for (const Picture *bar : {&bottom, &stats}) {
        // Text is drawn in the fields: where the text goes the bar is far darker than the ink.
        EXPECT_LT(bar->At(20, bar == &bottom ? 40 : 20).Luma() + 120, ink);
        EXPECT_LT(bar->At(bar == &bottom ? 400 : 100, bar == &bottom ? 100 : 150).Luma() + 120, ink);
    }
}

TEST(Screens, CursorHighlighterIconAndSkyHaveClearMiddles)
{
    Picture cursor = Load(PIC_MAPCURSOR), hl = Load(PIC_HIGHLIGHTER), crow = Load(PIC_CROW), cloud = Load(PIC_CLOUD);
    ASSERT_TRUE(cursor.ok && hl.ok && crow.ok && cloud.ok);
    EXPECT_TRUE(Sized(cursor, TILE_SIZE, TILE_SIZE));
    EXPECT_TRUE(cursor.At(15, 15).Magenta()); // what is looked at stays visible
    EXPECT_TRUE(Sized(hl, 60, 60));
    for (int y = 15; y < 45; y++)
        for (int x = 15; x < 45; x++)
            ASSERT_TRUE(hl.At(x, y).Magenta()); // the item under it shows whole
    EXPECT_TRUE(crow.CornersMagenta());
    EXPECT_TRUE(cloud.CornersMagenta());
    // The icon is a BMP loaded by SDL itself, with magenta around the emblem.
    Picture icon = FromSurface(SDL_LoadBMP((std::string("data/") + PIC_ICON).c_str()));
    ASSERT_TRUE(icon.ok) << SDL_GetError();
    EXPECT_TRUE(Sized(icon, 32, 32));
    EXPECT_TRUE(icon.CornersMagenta());
    EXPECT_LT(icon.CountMagenta(), 32 * 32 - 200);
}

TEST(Font, EveryMappedGlyphIsDrawnInOneLightColourInsideItsCell)
{
    Picture font = Load(PIC_FONT);
    ASSERT_TRUE(font.ok);
    ASSERT_GE(font.w, FONT_CELL_W * FONT_GLYPHS);
    ASSERT_GE(font.h, FONT_CELL_H);
    std::set<int> mapped;
    for (int c = 1; c < 256; c++)
        if (GlyphOf(static_cast<unsigned char>(c)) >= 0)
            mapped.insert(GlyphOf(static_cast<unsigned char>(c)));
    EXPECT_EQ(mapped.size(), static_cast<size_t>(FONT_GLYPHS));
    Rgb ink{-1, -1, -1};
    for (int g : mapped) {
        int pixels = 0;
        for (int y = 0; y < FONT_CELL_H; y++)
            for (int x = 0; x < FONT_CELL_W; x++) {
                Rgb p = font.At(g * FONT_CELL_W + x, y);
                if (p.Magenta())
                    continue;
                pixels++;
                if (ink.r < 0)
                    ink = p;
                EXPECT_EQ(p, ink) << "glyph " << g;
            }
        EXPECT_GT(pixels, 0) << "glyph " << g << " is empty";
    }
    EXPECT_GT(ink.Luma(), 180);
    // Nothing outside the cells.
    for (int y = 0; y < font.h; y++) {
        for (int x = 0; x < font.w; x++) {
            if (x >= FONT_CELL_W * FONT_GLYPHS || y >= FONT_CELL_H) {
                EXPECT_TRUE(font.At(x, y).Magenta()) << x << "," << y;
            }
        }
    }
    // Neighbouring glyphs never touch: the first and last column of every cell is empty.
    for (int g = 0; g < FONT_GLYPHS; g++)
        for (int y = 0; y < FONT_CELL_H; y++) {
            EXPECT_TRUE(font.At(g * FONT_CELL_W, y).Magenta()) << "glyph " << g;
            EXPECT_TRUE(font.At(g * FONT_CELL_W + FONT_CELL_W - 1, y).Magenta()) << "glyph " << g;
        }
}

TEST(Sounds, CrowAndDeathAreShortSixteenBitSamples)
{
    for (const char *path : {SOUND_CROW, SOUND_DIE}) {
        SDL_AudioSpec wav;
        Uint8 *buf = nullptr;
        Uint32 len = 0;
        ASSERT_NE(SDL_LoadWAV(path, &wav, &buf, &len), nullptr) << path << ": " << SDL_GetError();
        EXPECT_EQ(wav.freq, 44100) << path;
        EXPECT_EQ(wav.format, AUDIO_S16LSB) << path;
        double seconds = len / (2.0 * wav.channels * wav.freq);
        EXPECT_GT(seconds, 0.2) << path;
        EXPECT_LT(seconds, std::string(path) == SOUND_CROW ? 1.0 : 2.0) << path;
        // Not silence.
        int loud = 0;
        for (Uint32 i = 0; i + 1 < len; i += 2) {
            int v = static_cast<Sint16>(buf[i] | buf[i + 1] << 8);
            loud += (v > 8000 || v < -8000) ? 1 : 0;
        }
        EXPECT_GT(loud, 100) << path;
        SDL_FreeWAV(buf);
    }
}
