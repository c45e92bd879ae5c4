// artgen <bin-dir> <contact-sheet.png> <icon-dir>: draws every picture and sound the game
// loads into <bin-dir>/data/images/... and <bin-dir>/sounds/, a contact sheet of them all,
// and the desktop's icons into <icon-dir>/hicolor/<n>x<n>/apps/.
// The file names come from the game's own catalogues, so none is written twice.
#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

#include "artgen.h"
#include "sheet.h"
#include "creatures/monsterdata.h"
#include "items/itemdata.h"
#include "shell/layout.h"
#include "shell/pictures.h"
#include "world/tiles.h"

namespace {

std::string datadir;
std::vector<SheetEntry> sheet;

void Check(const Image &img, int w, int h, const std::string &name)
{
    if (img.w != w || img.h != h) {
        std::fprintf(stderr, "artgen: %s is %d x %d, not %d x %d\n", name.c_str(), img.w, img.h, w, h);
        std::exit(1);
    }
}

void Missing(const char *what, const std::string &name)
{
    std::fprintf(stderr, "artgen: no drawing for the %s %s\n", what, name.c_str());
    std::exit(1);
}

void Save(const Image &img, const std::string &relpath, Backdrop backdrop, const std::string &label)
{
    WritePng(img, datadir + relpath);
    sheet.push_back(SheetEntry{label, img, backdrop});
}

void WriteTiles()
{
    std::set<std::string> done;
    for (int i = 0; i < NUM_TILES + NUM_OVERLAYS; i++) {
        bool overlay = i >= NUM_TILES;
        std::string name = overlay ? tile_over_images[i - NUM_TILES] : tile_images[i];
        if (!done.insert(name).second)
            continue;
        Image img;
        if (!DrawTilePicture(name, img))
            Missing("tile", name);
        Check(img, TILE, TILE, name);
        std::string label = name.substr(name.rfind('/') + 1);
        Save(img, std::string(DIR_TILES) + name, overlay ? Backdrop::Grass : Backdrop::None, label);
    }
}

void WriteCreatures()
{
    std::set<std::string> done;
    for (const char *file : monster_images) {
        if (!done.insert(file).second)
            continue;
        Image img;
        if (!DrawCreaturePicture(file, img))
            Missing("creature", file);
        Check(img, TILE, TILE, file);
        Save(img, std::string(DIR_MONSTERS) + file, Backdrop::Grass, file);
    }
    Image body = DrawPlayerBody(), clothes = DrawPlayerClothes();
    Check(body, TILE, TILE, PIC_PLAYER);
    Check(clothes, TILE, TILE, PIC_CLOTHES);
    Save(body, PIC_PLAYER, Backdrop::Grass, "player.png");
    Save(clothes, PIC_CLOTHES, Backdrop::Grass, "clothes.png");
    Image dressed = body;
    Blit(dressed, clothes, 0, 0);
    sheet.push_back(SheetEntry{"player+clothes", dressed, Backdrop::Grass});
}

void WriteItems()
{
    for (int size : {60, 30}) {
        std::set<std::string> done;
        for (const char *file : item_images) {
            if (!done.insert(file).second)
                continue;
            Image img;
            if (!DrawItemPicture(file, size, img))
                Missing("item", file);
            Check(img, size, size, file);
            Save(img, std::string(size == 60 ? DIR_ITEMS : DIR_SMALLITEMS) + file,
                 size == 60 ? Backdrop::Dark : Backdrop::Grass, file);
        }
    }
}

void WriteSingles()
{
    Image font = DrawFontStrip(FONT_INK);
    Check(font, 640, 12, PIC_FONT);
    Save(font, PIC_FONT, Backdrop::Dark, "font.png");

    Image logo = DrawLogo();
    if (logo.w > 600 || 225 + logo.h > 360) {
        std::fprintf(stderr, "artgen: the logo is too large\n");
        std::exit(1);
    }
    Save(logo, PIC_LOGO, Backdrop::Dark, "logo.png");

    Image bg = DrawBackground();
    Check(bg, SCREEN_WIDTH, SCREEN_HEIGHT, PIC_BACKGROUND);
    WriteJpeg(bg, datadir + PIC_BACKGROUND, 92);
    sheet.push_back(SheetEntry{"background.jpg", bg, Backdrop::None});

    Image tomb = DrawTombstone();
    Check(tomb, SCREEN_WIDTH, SCREEN_HEIGHT, PIC_TOMBSTONE);
    WriteJpeg(tomb, datadir + PIC_TOMBSTONE, 92);
    sheet.push_back(SheetEntry{"tombstone.jpg", tomb, Backdrop::None});

    Image box = DrawLoadBox();
    if (box.w > 25) {
        std::fprintf(stderr, "artgen: the load box is wider than 25\n");
        std::exit(1);
    }
    Save(box, PIC_LOADBOX, Backdrop::Dark, "loadbox.png");

    Image icon = DrawIcon();
    Check(icon, 32, 32, PIC_ICON);
    WriteBmp(icon, datadir + PIC_ICON);
    sheet.push_back(SheetEntry{"icon.bmp", icon, Backdrop::Dark});

    Save(DrawCrow(), PIC_CROW, Backdrop::Grass, "crow.png");
    Save(DrawCloud(), PIC_CLOUD, Backdrop::Grass, "cloud.png");
    Image cursor = DrawMapCursor();
    Check(cursor, TILE, TILE, PIC_MAPCURSOR);
    Save(cursor, PIC_MAPCURSOR, Backdrop::Grass, "mapcursor.png");
    Image hl = DrawHighlighter();
    Check(hl, 60, 60, PIC_HIGHLIGHTER);
    Save(hl, PIC_HIGHLIGHTER, Backdrop::Dark, "highlighter.png");
    Image bottom = DrawBottomBar();
    Check(bottom, SCREEN_WIDTH, SCREEN_HEIGHT - VIEW_ROWS * TILE_SIZE, PIC_BOTTOMBAR);
    Save(bottom, PIC_BOTTOMBAR, Backdrop::None, "bottombar.png");
    Image stats = DrawStatsBar();
    Check(stats, SCREEN_WIDTH - VIEW_COLS * TILE_SIZE, SCREEN_HEIGHT, PIC_STATSBAR);
    Save(stats, PIC_STATSBAR, Backdrop::None, "statsbar.png");
}

// The desktop's icons. Below 64 px each size is drawn afresh; from 64 px on the window
// icon is enlarged pixel by pixel, so the big ones keep the look of the small one.
void WriteDesktopIcons(const std::string &icondir)
{
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        Image img = size < 64 ? DrawIcon(size) : Enlarge(DrawIcon(32), size / 32);
        Check(img, size, size, "the desktop icon");
        char rel[64];
        std::snprintf(rel, sizeof rel, "/hicolor/%dx%d/apps/", size, size);
        WritePngKeyed(img, icondir + rel + DESKTOP_ICON + ".png");
        if (size < 64)
            sheet.push_back(SheetEntry{"icon " + std::to_string(size), img, Backdrop::Dark});
    }
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: artgen <bin-dir> <contact-sheet.png> <icon-dir>\n");
        return 1;
    }
    std::string bindir = argv[1];
    datadir = bindir + "/data/";
    WriteSingles();
    WriteTiles();
    WriteCreatures();
    WriteItems();
    WriteWav(MakeCrowSound(), bindir + "/" + SOUND_CROW);
    WriteWav(MakeDieSound(), bindir + "/" + SOUND_DIE);
    WriteDesktopIcons(argv[3]);
    WritePng(DrawContactSheet(sheet), argv[2]);
    return 0;
}
