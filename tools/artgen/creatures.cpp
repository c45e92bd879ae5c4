// Creatures and the player, 30 x 30 on magenta. People are built from one figure with
// their own hair, clothes, hats and what they carry; animals and insects are drawn from
// simple shapes. Every sprite ends with a dark outline so it reads on grass and floors.
#include <cmath>
#include <functional>
#include <map>
#include <string>

#include "artgen.h"

namespace {

constexpr Colour INK = 0x1C1410; // outline
constexpr Colour NONE = 0xFFFFFFFF; // "not worn"

void Finish(Image &img)
{
    ShadeEdges(img, 0.28, 0.18);
    Outline(img, INK);
}

// ---------------------------------------------------------------- people

enum class Hair { Short, Long, Bun, Bald, Messy, Scarf };
enum class Hat { None, Cap, Helmet, Hood, Straw };
enum class Held { None, Spear, Sword, Bottle, Cane, Bowl, Club, Basket };

struct Person {
    Colour skin = RGB(232, 186, 142);
    Colour hair = RGB(100, 62, 34);
    Hair hairStyle = Hair::Short;
    Colour beard = NONE;
    Colour shirt = RGB(60, 120, 70);
    Colour sleeves = NONE;       // NONE: same as the shirt; skin: bare arms
    Colour legs = RGB(110, 80, 50);
    bool dress = false;
    Colour apron = NONE;
    Colour belt = NONE;
    Colour shoes = RGB(70, 46, 30);
    Hat hat = Hat::None;
    Colour hatColour = NONE;
    Held held = Held::None;
    Colour tabard = NONE;        // a panel down the chest (guards)
    bool child = false;
    bool rednose = false;
    bool eyepatch = false;
    bool pointyEars = false;
    Colour eyes = RGB(30, 26, 34);
    bool shield = false;
};

void DrawPerson(Image &img, const Person &p)
{
    // Body measures: a grown-up stands from y 3 to 28, a child from y 10.
    const int top = p.child ? 10 : 3;
    const double k = p.child ? 0.75 : 1.0; // body scale below the head
    const int headW = p.child ? 7 : 8, headH = p.child ? 7 : 8;
    const int hx = 15 - headW / 2, hy = top;
    const int neckY = hy + headH;
    const int torsoTop = neckY + 1;
    const int torsoH = static_cast<int>(std::lround(8 * k));
    const int torsoW = p.child ? 8 : 10;
    const int tx = 15 - torsoW / 2;
    const int legTop = torsoTop + torsoH;
    const int legH = 28 - 2 - legTop + 1; // shoes take the last two rows
    Colour sleeve = p.sleeves == NONE ? p.shirt : p.sleeves;

    // Held things behind the body.
    if (p.held == Held::Spear) {
        VLine(img, 23, 1, 28, RGB(120, 84, 48));
        VLine(img, 24, 4, 28, RGB(96, 64, 36));
        FillPolygon(img, {21.5, 6.0, 26.5, 6.0, 24.0, 0.0}, RGB(200, 204, 214));
        HLine(img, 22, 25, 6, RGB(120, 120, 130));
    }

    // Legs or skirt, shoes.
    if (p.dress) {
        FillPolygon(img, {tx + 0.0, double(legTop - 2), tx + torsoW + 0.0, double(legTop - 2), tx + torsoW + 2.0, 27.0,
                          tx - 2.0, 27.0},
                    p.legs);
        for (int y = legTop; y < 27; y += 3)
            Put(img, 15, y, Darker(p.legs, 0.18));
        FillRect(img, tx + 1, 27, 3, 2, p.shoes);
        FillRect(img, tx + torsoW - 4, 27, 3, 2, p.shoes);
    } else {
        int lw = torsoW / 2 - 1;
        FillRect(img, tx + 1, legTop, lw, legH, p.legs);
        FillRect(img, 15, legTop, lw, legH, Darker(p.legs, 0.12));
        FillRect(img, tx, 27, lw + 1, 2, p.shoes);
        FillRect(img, 15, 27, lw + 1, 2, Darker(p.shoes, 0.1));
        if (p.shoes == p.skin) { // bare feet: toes
            Put(img, tx, 28, Darker(p.skin, 0.2));
            Put(img, 15 + lw, 28, Darker(p.skin, 0.2));
        }
    }

    // Torso with the arms at its sides.
    FillRect(img, tx, torsoTop, torsoW, torsoH, p.shirt);
    FillRect(img, tx + 1, torsoTop - 1, torsoW - 2, 1, p.shirt); // shoulders
    int armH = torsoH - 1;
    FillRect(img, tx - 2, torsoTop, 2, armH, sleeve);
    FillRect(img, tx + torsoW, torsoTop, 2, armH, Darker(sleeve, 0.1));
    FillRect(img, tx - 2, torsoTop + armH, 2, 2, p.skin);                // hands
    FillRect(img, tx + torsoW, torsoTop + armH, 2, 2, Darker(p.skin, 0.08));
    VLine(img, tx + torsoW - 1, torsoTop, torsoTop + torsoH - 1, Darker(p.shirt, 0.15));
    if (p.tabard != NONE) {
        FillRect(img, 13, torsoTop, 4, torsoH + 3, p.tabard);
        Put(img, 14, torsoTop + 3, RGB(240, 210, 80));
        Put(img, 15, torsoTop + 3, RGB(240, 210, 80));
    }
    if (p.apron != NONE) {
        FillRect(img, tx + 2, torsoTop + 2, torsoW - 4, torsoH - 2, p.apron);
        FillRect(img, tx + 1, legTop, torsoW - 2, p.dress ? 7 : 5, p.apron);
    }
    if (p.belt != NONE)
        HLine(img, tx, tx + torsoW - 1, legTop - 1, p.belt);
    // Neck and head.
    FillRect(img, 14, neckY, 2, 1, Darker(p.skin, 0.15));
    FillRect(img, hx, hy, headW, headH, p.skin);
    Put(img, hx, hy, MAGENTA);
    Put(img, hx + headW - 1, hy, MAGENTA);
    Put(img, hx, hy + headH - 1, MAGENTA);
    Put(img, hx + headW - 1, hy + headH - 1, MAGENTA);
    VLine(img, hx + headW - 1, hy + 1, hy + headH - 2, Darker(p.skin, 0.12));
    if (p.pointyEars) {
        FillPolygon(img, {hx + 0.5, hy + 3.0, hx - 3.0, hy + 1.0, hx + 0.5, hy + 5.5}, p.skin);
        FillPolygon(img, {hx + headW - 0.5, hy + 3.0, hx + headW + 3.0, hy + 1.0, hx + headW - 0.5, hy + 5.5}, p.skin);
    }
    // Face: eyes, nose or mouth.
    int eyeY = hy + headH / 2;
    Put(img, hx + 2, eyeY, p.eyes);
    Put(img, hx + headW - 3, eyeY, p.eyes);
    if (p.eyepatch) {
        HLine(img, hx, hx + headW - 1, eyeY - 2, RGB(30, 26, 24));
        FillRect(img, hx + 1, eyeY - 1, 3, 2, RGB(30, 26, 24));
    }
    if (p.rednose)
        FillRect(img, 14, eyeY + 1, 2, 2, RGB(220, 70, 60));
    else
        HLine(img, 14, 15, eyeY + 2, Darker(p.skin, 0.3));
    if (p.beard != NONE) {
        FillRect(img, hx + 1, eyeY + 2, headW - 2, headH - headH / 2 - 1, p.beard);
        FillRect(img, hx + 2, hy + headH - 1, headW - 4, 2, p.beard);
        HLine(img, 14, 15, eyeY + 2, Darker(p.skin, 0.35));
    }

    // Hair.
    switch (p.hairStyle) {
    case Hair::Bald:
        HLine(img, hx + 1, hx + headW - 2, hy, Lighter(p.skin, 0.25));
        FillRect(img, hx, hy + 3, 1, 3, p.hair);
        FillRect(img, hx + headW - 1, hy + 3, 1, 3, p.hair);
        break;
    case Hair::Short:
        FillRect(img, hx, hy, headW, 2, p.hair);
        FillRect(img, hx, hy + 2, 1, 2, p.hair);
        FillRect(img, hx + headW - 1, hy + 2, 1, 2, p.hair);
        Put(img, hx, hy, MAGENTA);
        Put(img, hx + headW - 1, hy, MAGENTA);
        break;
    case Hair::Messy:
        FillRect(img, hx - 1, hy, headW + 2, 2, p.hair);
        FillRect(img, hx - 1, hy + 2, 1, 3, p.hair);
        FillRect(img, hx + headW, hy + 2, 1, 2, p.hair);
        Put(img, hx + 1, hy - 1, p.hair);
        Put(img, hx + 4, hy - 1, p.hair);
        Put(img, hx + headW - 1, hy - 1, p.hair);
        Put(img, hx + 3, hy + 2, p.hair);
        break;
    case Hair::Long:
        FillRect(img, hx, hy, headW, 2, p.hair);
        FillRect(img, hx - 1, hy + 1, 2, headH + 4, p.hair);
        FillRect(img, hx + headW - 1, hy + 1, 2, headH + 4, Darker(p.hair, 0.12));
        Put(img, hx, hy, MAGENTA);
        Put(img, hx + headW - 1, hy, MAGENTA);
        break;
    case Hair::Bun:
        FillRect(img, hx, hy, headW, 2, p.hair);
        FillRect(img, hx, hy + 2, 1, 3, p.hair);
        FillRect(img, hx + headW - 1, hy + 2, 1, 3, p.hair);
        FillCircle(img, 15, hy - 1, 2.6, p.hair);
        Put(img, 14, hy - 2, Lighter(p.hair, 0.3));
        break;
    case Hair::Scarf:
        FillRect(img, hx - 1, hy - 1, headW + 2, 3, p.hatColour);
        FillRect(img, hx - 1, hy + 2, 2, headH - 1, p.hatColour);
        FillRect(img, hx + headW - 1, hy + 2, 2, headH - 1, Darker(p.hatColour, 0.12));
        HLine(img, hx, hx + headW - 1, hy + 1, Lighter(p.hatColour, 0.2));
        for (int x = hx; x < hx + headW; x += 3)
            Put(img, x, hy, RGB(250, 240, 200));
        break;
    }

    // Hats.
    switch (p.hat) {
    case Hat::None:
        break;
    case Hat::Cap:
        FillRect(img, hx - 1, hy - 1, headW + 2, 3, p.hatColour);
        HLine(img, hx - 2, hx + headW + 1, hy + 2, Darker(p.hatColour, 0.2));
        Put(img, 15, hy - 2, Darker(p.hatColour, 0.2));
        break;
    case Hat::Straw:
        FillRect(img, hx, hy - 2, headW, 3, p.hatColour);
        HLine(img, hx - 3, hx + headW + 2, hy + 1, p.hatColour);
        HLine(img, hx, hx + headW - 1, hy, RGB(170, 60, 50)); // band
        break;
    case Hat::Helmet:
        FillRect(img, hx - 1, hy - 2, headW + 2, 4, RGB(170, 176, 188));
        HLine(img, hx, hx + headW - 1, hy - 2, RGB(214, 220, 230));
        HLine(img, hx - 2, hx + headW + 1, hy + 2, RGB(120, 124, 136));
        FillRect(img, 14, hy + 2, 2, 3, RGB(150, 154, 166)); // nose guard
        Put(img, 15, hy - 3, RGB(200, 40, 40));
        Put(img, 14, hy - 3, RGB(200, 40, 40));
        break;
    case Hat::Hood:
        FillRect(img, hx - 1, hy - 1, headW + 2, 3, p.hatColour);
        FillRect(img, hx - 1, hy + 2, 2, headH, p.hatColour);
        FillRect(img, hx + headW - 1, hy + 2, 2, headH, Darker(p.hatColour, 0.12));
        break;
    }

    // Things held in front.
    int handY = torsoTop + armH;
    switch (p.held) {
    case Held::Sword:
        VLine(img, tx + torsoW + 1, handY - 1, handY + 8, RGB(200, 204, 214));
        VLine(img, tx + torsoW + 2, handY - 1, handY + 7, RGB(150, 154, 166));
        HLine(img, tx + torsoW - 1, tx + torsoW + 3, handY - 1, RGB(170, 130, 60));
        break;
    case Held::Bottle:
        FillRect(img, tx + torsoW, handY - 4, 3, 5, RGB(50, 130, 60));
        FillRect(img, tx + torsoW + 1, handY - 6, 1, 2, RGB(50, 130, 60));
        Put(img, tx + torsoW, handY - 3, RGB(140, 210, 140));
        break;
    case Held::Cane:
        VLine(img, tx + torsoW + 1, handY, 28, RGB(120, 84, 48));
        HLine(img, tx + torsoW, tx + torsoW + 2, handY, RGB(120, 84, 48));
        break;
    case Held::Bowl:
        FillRect(img, 12, handY - 2, 6, 3, RGB(150, 110, 70));
        HLine(img, 11, 18, handY - 3, RGB(120, 84, 50));
        FillRect(img, tx - 2, handY - 2, 2, 2, p.skin);
        FillRect(img, tx + torsoW, handY - 2, 2, 2, p.skin);
        break;
    case Held::Club:
        FillPolygon(img, {tx - 2.0, handY + 1.0, tx - 0.5, handY + 1.0, tx - 2.0, handY - 8.0, tx - 5.0, handY - 7.0},
                    RGB(130, 90, 50));
        Put(img, tx - 4, handY - 6, RGB(90, 60, 30));
        break;
    case Held::Basket:
        FillRect(img, tx + torsoW, handY - 1, 5, 4, RGB(180, 140, 70));
        HLine(img, tx + torsoW, tx + torsoW + 4, handY - 2, RGB(130, 96, 46));
        Put(img, tx + torsoW + 1, handY - 2, RGB(220, 60, 50));
        Put(img, tx + torsoW + 3, handY - 2, RGB(240, 200, 80));
        break;
    default:
        break;
    }
    if (p.shield) {
        FillRect(img, tx - 5, torsoTop + 1, 5, 7, RGB(60, 80, 150));
        FillPolygon(img, {tx - 5.0, torsoTop + 8.0, tx + 0.0, torsoTop + 8.0, tx - 2.5, torsoTop + 11.0}, RGB(60, 80, 150));
        VLine(img, tx - 3, torsoTop + 2, torsoTop + 9, RGB(240, 210, 80));
        HLine(img, tx - 4, tx - 2, torsoTop + 4, RGB(240, 210, 80));
    }
}

Image PersonImage(const Person &p)
{
    Image img = NewImage(TILE, TILE);
    DrawPerson(img, p);
    Finish(img);
    return img;
}

Person Townsman(int which)
{
    Person p;
    switch (which) {
    case 1:
        p.hair = RGB(96, 58, 30);
        p.shirt = RGB(62, 124, 66);
        p.legs = RGB(118, 86, 54);
        p.belt = RGB(60, 40, 24);
        break;
    case 2:
        p.hair = RGB(220, 180, 90);
        p.beard = RGB(206, 164, 80);
        p.shirt = RGB(60, 96, 170);
        p.legs = RGB(90, 90, 100);
        p.hat = Hat::Cap;
        p.hatColour = RGB(130, 70, 40);
        p.held = Held::Basket;
        break;
    default:
        p.skin = RGB(196, 146, 104);
        p.hair = RGB(160, 160, 160);
        p.hairStyle = Hair::Bald;
        p.shirt = RGB(168, 56, 48);
        p.legs = RGB(60, 54, 70);
        p.apron = RGB(236, 232, 220);
        break;
    }
    return p;
}

Person Townswoman(int which)
{
    Person p;
    p.dress = true;
    switch (which) {
    case 1:
        p.hair = RGB(110, 60, 30);
        p.hairStyle = Hair::Long;
        p.shirt = RGB(128, 70, 150);
        p.legs = RGB(128, 70, 150);
        p.apron = RGB(238, 234, 222);
        break;
    case 2:
        p.hair = RGB(232, 196, 100);
        p.hairStyle = Hair::Bun;
        p.shirt = RGB(240, 230, 200);
        p.legs = RGB(70, 140, 80);
        p.belt = RGB(70, 140, 80);
        p.held = Held::Basket;
        break;
    default:
        p.skin = RGB(214, 160, 118);
        p.hairStyle = Hair::Scarf;
        p.hatColour = RGB(200, 50, 50);
        p.shirt = RGB(60, 90, 160);
        p.legs = RGB(60, 90, 160);
        p.sleeves = RGB(200, 50, 50);
        break;
    }
    return p;
}

Image Guard()
{
    Person p;
    p.hair = RGB(80, 50, 28);
    p.shirt = RGB(150, 156, 168); // mail
    p.legs = RGB(70, 70, 80);
    p.tabard = RGB(40, 70, 150);
    p.hat = Hat::Helmet;
    p.held = Held::Spear;
    p.shield = true;
    p.belt = RGB(60, 40, 24);
    p.shoes = RGB(50, 40, 34);
    Image img = NewImage(TILE, TILE);
    DrawPerson(img, p);
    // Rings of the mail shirt.
    for (int y = 12; y < 21; y++)
        for (int x = 10; x < 20; x++)
            if (Get(img, x, y) == p.shirt && (x + y) % 2 == 0)
                Put(img, x, y, RGB(120, 126, 140));
    Finish(img);
    return img;
}

Image Veteran()
{
    Person p;
    p.skin = RGB(210, 160, 120);
    p.hair = RGB(200, 200, 200);
    p.beard = RGB(210, 210, 210);
    p.shirt = RGB(120, 84, 50); // leather jerkin
    p.sleeves = RGB(90, 60, 36);
    p.legs = RGB(80, 70, 60);
    p.belt = RGB(40, 30, 20);
    p.eyepatch = true;
    p.held = Held::Sword;
    p.shoes = RGB(60, 40, 26);
    Image img = NewImage(TILE, TILE);
    DrawPerson(img, p);
    // Studs on the jerkin and a pauldron.
    for (int y = 13; y < 19; y += 2)
        for (int x = 11; x < 19; x += 3)
            Put(img, x, y, RGB(200, 190, 150));
    FillRect(img, 7, 11, 4, 2, RGB(150, 154, 166));
    Finish(img);
    return img;
}

Image Urchin()
{
    Person p;
    p.child = true;
    p.hair = RGB(70, 50, 30);
    p.hairStyle = Hair::Messy;
    p.shirt = RGB(150, 120, 80);
    p.legs = RGB(96, 80, 60);
    p.shoes = p.skin;
    Image img = NewImage(TILE, TILE);
    DrawPerson(img, p);
    // Patches and a torn hem.
    Put(img, 12, 21, RGB(100, 140, 90));
    Put(img, 13, 21, RGB(100, 140, 90));
    Put(img, 17, 23, RGB(170, 80, 60));
    Put(img, 11, 25, MAGENTA);
    Put(img, 18, 25, MAGENTA);
    Put(img, 15, 16, Darker(p.skin, 0.35)); // dirt on the cheek
    Finish(img);
    return img;
}

Image Beggar()
{
    Person p;
    p.skin = RGB(200, 160, 126);
    p.beard = RGB(120, 110, 100);
    p.shirt = RGB(110, 104, 92);
    p.legs = RGB(110, 104, 92);
    p.dress = true; // a long ragged robe
    p.hat = Hat::Hood;
    p.hatColour = RGB(96, 90, 80);
    p.held = Held::Bowl;
    p.shoes = RGB(60, 50, 40);
    Image img = NewImage(TILE, TILE);
    DrawPerson(img, p);
    // Patches and rags.
    FillRect(img, 11, 22, 3, 3, RGB(140, 110, 70));
    FillRect(img, 17, 18, 2, 3, RGB(90, 110, 90));
    for (int x = 9; x < 22; x += 2)
        Put(img, x, 27, MAGENTA);
    Finish(img);
    return img;
}

Image Drunkard()
{
    Person p;
    p.skin = RGB(236, 176, 140);
    p.hair = RGB(60, 40, 30);
    p.hairStyle = Hair::Messy;
    p.shirt = RGB(214, 206, 176);
    p.legs = RGB(90, 70, 100);
    p.rednose = true;
    p.held = Held::Bottle;
    Image upright = NewImage(TILE, TILE);
    DrawPerson(upright, p);
    // Stains on the shirt, then the whole man leans: each row shifted a little.
    Put(upright, 12, 15, RGB(150, 60, 60));
    Put(upright, 16, 17, RGB(150, 110, 60));
    Image img = NewImage(TILE, TILE);
    for (int y = 0; y < TILE; y++)
        for (int x = 0; x < TILE; x++) {
            int shift = (28 - y) / 9;
            Put(img, x + shift - 1, y, Get(upright, x, y));
        }
    Finish(img);
    return img;
}

Image Goblin()
{
    Person p;
    p.child = true;
    p.skin = RGB(110, 160, 70);
    p.pointyEars = true;
    p.hairStyle = Hair::Bald;
    p.hair = RGB(110, 160, 70);
    p.eyes = RGB(230, 40, 30);
    p.shirt = RGB(110, 160, 70);
    p.sleeves = RGB(110, 160, 70);
    p.legs = RGB(110, 160, 70);
    p.apron = RGB(120, 86, 50); // loincloth
    p.belt = RGB(70, 46, 26);
    p.shoes = RGB(90, 130, 56);
    p.held = Held::Club;
    Image img = NewImage(TILE, TILE);
    DrawPerson(img, p);
    // A wide grin with teeth.
    HLine(img, 13, 17, 15, RGB(60, 20, 20));
    Put(img, 14, 15, RGB(240, 240, 220));
    Put(img, 16, 15, RGB(240, 240, 220));
    Finish(img);
    return img;
}

// ---------------------------------------------------------------- the player

Person PlayerLook(bool dressed)
{
    Person p;
    p.skin = RGB(236, 190, 146);
    p.hair = RGB(150, 84, 40);
    p.hairStyle = Hair::Short;
    if (dressed) {
        // A traveller's green hood over a leather jerkin: nobody in town dresses so.
        p.shirt = RGB(176, 104, 44);
        p.sleeves = RGB(150, 86, 36);
        p.legs = RGB(64, 58, 70);
        p.belt = RGB(70, 40, 20);
        p.shoes = RGB(60, 40, 24);
        p.hat = Hat::Hood;
        p.hatColour = RGB(46, 112, 58);
        p.held = Held::Sword;
    } else {
        p.shirt = p.skin;
        p.sleeves = p.skin;
        p.legs = p.skin;
        p.shoes = p.skin;
        p.belt = RGB(236, 232, 220); // plain linen
    }
    return p;
}

Image DressedPlayer()
{
    Image img = NewImage(TILE, TILE);
    DrawPerson(img, PlayerLook(true));
    // Linen shirt collar and a cloak clasp: the adventurer's own marks.
    Put(img, 14, 12, RGB(236, 232, 220));
    Put(img, 15, 12, RGB(236, 232, 220));
    FillRect(img, 10, 18, 10, 1, RGB(120, 70, 30));
    Put(img, 15, 18, RGB(230, 200, 80));
    Finish(img);
    return img;
}

// ---------------------------------------------------------------- animals

Image Bunny(bool albino)
{
    Image img = NewImage(TILE, TILE);
    Colour fur = albino ? RGB(240, 238, 236) : RGB(150, 110, 74);
    Colour belly = albino ? RGB(250, 250, 250) : RGB(200, 170, 130);
    Colour inner = RGB(236, 150, 160);
    FillEllipse(img, 17, 21, 8, 6, fur);               // body
    FillEllipse(img, 18, 23, 5, 3, belly);
    FillCircle(img, 25, 18.5, 2.5, RGB(252, 252, 252)); // tail
    FillEllipse(img, 10, 17, 5, 4.5, fur);             // head
    FillEllipse(img, 8.5, 8.5, 1.8, 5, fur);           // ears
    FillEllipse(img, 12, 9, 1.8, 5, Darker(fur, 0.08));
    VLine(img, 8, 6, 11, inner);
    VLine(img, 12, 7, 11, inner);
    FillRect(img, 11, 25, 4, 2, fur);                  // front paw
    FillEllipse(img, 20, 26, 4, 1.6, Darker(fur, 0.1)); // hind foot
    Put(img, 8, 16, albino ? RGB(220, 40, 60) : RGB(20, 16, 16));
    Put(img, 5, 18, RGB(236, 130, 150));
    Finish(img);
    return img;
}

Image Rat()
{
    Image img = NewImage(TILE, TILE);
    Colour fur = RGB(236, 234, 228), pink = RGB(236, 160, 166);
    // Tail first, curling away behind.
    for (int i = 0; i < 12; i++) {
        double t = i / 11.0;
        Put(img, 21 + i, static_cast<int>(std::lround(22 - 5 * std::sin(t * 3.0))), pink);
    }
    FillEllipse(img, 16, 21, 7.5, 4.5, fur);
    FillPolygon(img, {10.0, 17.5, 10.0, 24.5, 4.0, 22.0}, fur); // snout
    FillCircle(img, 11, 17, 2.2, pink);                           // ear
    Put(img, 8, 20, RGB(210, 30, 40));                            // red eye
    Put(img, 4, 22, pink);
    HLine(img, 12, 14, 25, pink);
    HLine(img, 18, 20, 25, pink);
    Finish(img);
    return img;
}

Image Frog(bool black)
{
    Image img = NewImage(TILE, TILE);
    Colour skin = black ? RGB(54, 54, 66) : RGB(76, 162, 62);
    Colour spot = black ? RGB(34, 34, 44) : RGB(50, 120, 44);
    Colour leg = Darker(skin, 0.1);
    // Seen from above: folded hind legs, front legs, body, bulging eyes.
    FillEllipse(img, 7, 22, 4, 3, leg);
    FillEllipse(img, 23, 22, 4, 3, leg);
    FillRect(img, 3, 24, 4, 2, leg);
    FillRect(img, 23, 24, 4, 2, leg);
    FillRect(img, 8, 12, 2, 5, leg);
    FillRect(img, 20, 12, 2, 5, leg);
    FillEllipse(img, 15, 17, 8, 8.5, skin);
    FillCircle(img, 11, 10, 3, skin);
    FillCircle(img, 19, 10, 3, skin);
    Colour eye = black ? RGB(240, 150, 40) : RGB(236, 220, 90);
    FillCircle(img, 11, 9.5, 1.8, eye);
    FillCircle(img, 19, 9.5, 1.8, eye);
    Put(img, 11, 9, BLACK);
    Put(img, 19, 9, BLACK);
    FillCircle(img, 13, 18, 1.5, spot);
    FillCircle(img, 18, 21, 1.3, spot);
    FillCircle(img, 16, 14, 1, spot);
    if (black) {
        Put(img, 12, 14, RGB(110, 120, 160));
        Put(img, 13, 13, RGB(110, 120, 160));
    }
    HLine(img, 12, 18, 7, MAGENTA);
    Finish(img);
    return img;
}

Image Griffin()
{
    Image img = NewImage(TILE, TILE);
    Colour lion = RGB(206, 160, 80), lionD = RGB(170, 126, 60);
    Colour feather = RGB(120, 80, 44), white = RGB(240, 236, 226);
    // Tail with its tuft.
    ThickLine(img, 24, 20, 28, 13, 1.5, lion);
    FillCircle(img, 28, 12, 1.8, feather);
    // Legs: lion's behind, eagle's claws in front.
    FillRect(img, 21, 23, 2, 5, lionD);
    FillRect(img, 24, 22, 2, 6, lion);
    FillRect(img, 11, 23, 2, 5, RGB(230, 190, 60));
    FillRect(img, 14, 23, 2, 5, RGB(214, 176, 50));
    FillEllipse(img, 18, 20, 8, 5, lion); // body
    // The wing, raised.
    FillPolygon(img, {13.0, 17.0, 22.0, 17.0, 27.0, 3.0, 22.0, 6.0, 18.0, 5.0}, feather);
    for (int i = 0; i < 4; i++)
        DrawLine(img, 15 + i * 2, 16, 20 + i * 2, 5 + i, Darker(feather, 0.25));
    // Eagle's neck and head.
    FillEllipse(img, 11, 15, 4, 5, white);
    FillCircle(img, 9, 9, 4, white);
    FillPolygon(img, {5.5, 8.0, 5.5, 11.5, 1.5, 11.5}, RGB(236, 180, 40)); // beak
    Put(img, 2, 11, RGB(120, 80, 20));
    Put(img, 8, 8, BLACK);
    Put(img, 9, 7, RGB(110, 80, 40));
    Finish(img);
    return img;
}

Image VenusManTrap()
{
    Image img = NewImage(TILE, TILE);
    Colour stem = RGB(60, 130, 50), leaf = RGB(80, 156, 60), jaw = RGB(110, 170, 60), maw = RGB(190, 40, 50);
    // Leaves at the foot, the stem, then the open jaws.
    FillPolygon(img, {15.0, 27.0, 4.0, 22.0, 6.0, 28.0}, leaf);
    FillPolygon(img, {15.0, 27.0, 26.0, 21.0, 25.0, 28.0}, leaf);
    ThickLine(img, 15, 28, 16, 16, 3, stem);
    FillEllipse(img, 15.5, 9, 11, 5.5, jaw);          // upper jaw
    FillEllipse(img, 15.5, 17, 9, 4, jaw);            // lower jaw
    FillEllipse(img, 15.5, 11.5, 9, 3, maw);          // the maw
    FillEllipse(img, 15.5, 15, 7.5, 2, maw);
    for (int x = 8; x <= 23; x += 3) {                // teeth
        Put(img, x, 13, RGB(250, 250, 236));
        Put(img, x, 14, RGB(250, 250, 236));
        Put(img, x + 1, 16, RGB(250, 250, 236));
    }
    for (int x = 6; x <= 25; x += 4)                  // spines on the rim
        Put(img, x, 3 + (x % 3 == 0 ? 0 : 1), jaw);
    Put(img, 12, 6, RGB(250, 230, 60));
    Put(img, 19, 6, RGB(250, 230, 60));
    Finish(img);
    return img;
}

Image EntYouth()
{
    Image img = NewImage(TILE, TILE);
    Colour bark = RGB(120, 84, 50), barkD = RGB(92, 62, 36);
    Colour leaf = RGB(70, 150, 56), leafL = RGB(120, 190, 80);
    // Root feet, a trunk for a body, branch arms with leaves, a small leafy crown.
    FillPolygon(img, {11.0, 28.0, 13.0, 22.0, 14.0, 28.0}, barkD);
    FillPolygon(img, {16.0, 28.0, 17.0, 22.0, 20.0, 28.0}, barkD);
    FillRect(img, 11, 11, 9, 13, bark);
    for (int y = 12; y < 24; y += 2)
        Put(img, 12 + (y / 2) % 3 * 2, y, barkD);
    ThickLine(img, 11, 15, 5, 10, 2, bark); // arms like branches
    ThickLine(img, 5, 10, 4, 6, 1.5, bark);
    ThickLine(img, 19, 15, 25, 11, 2, bark);
    ThickLine(img, 25, 11, 27, 7, 1.5, bark);
    FillCircle(img, 4, 5, 2.5, leaf);
    FillCircle(img, 27, 6, 2.5, leaf);
    FillCircle(img, 15.5, 7, 6.5, leaf); // crown
    FillCircle(img, 11, 9, 3.5, leaf);
    FillCircle(img, 20, 9, 3.5, leaf);
    FillCircle(img, 14, 5, 2.5, leafL);
    FillCircle(img, 18, 7, 1.5, leafL);
    // A young, friendly face in the bark.
    FillRect(img, 13, 15, 2, 2, RGB(250, 230, 120));
    FillRect(img, 17, 15, 2, 2, RGB(250, 230, 120));
    Put(img, 13, 15, RGB(60, 40, 20));
    Put(img, 17, 15, RGB(60, 40, 20));
    HLine(img, 14, 17, 19, barkD);
    Put(img, 13, 18, barkD);
    Put(img, 18, 18, barkD);
    Finish(img);
    return img;
}

// Spiders from above: eight jointed legs, body and abdomen.
Image Spider(bool widow)
{
    Image img = NewImage(TILE, TILE);
    Colour body = widow ? RGB(30, 28, 34) : RGB(110, 88, 62);
    Colour leg = widow ? RGB(22, 20, 26) : RGB(90, 70, 48);
    double width = widow ? 1.2 : 2.0;
    const double knees[4][2] = {{6, 4}, {3, 11}, {3, 18}, {6, 26}};
    const double feet[4][2] = {{4, 2}, {1, 8}, {1, 22}, {4, 27}};
    const double hips[4][2] = {{13, 11}, {13, 12.5}, {13, 14}, {13, 15.5}};
    for (int side = 0; side < 2; side++)
        for (int i = 0; i < 4; i++) {
            auto mx = [side](double x) { return side ? 30 - x : x; };
            ThickLine(img, mx(hips[i][0]), hips[i][1], mx(knees[i][0]), knees[i][1], width, leg);
            ThickLine(img, mx(knees[i][0]), knees[i][1], mx(feet[i][0]), feet[i][1], width * 0.8, leg);
        }
    FillEllipse(img, 15, 12, 4.5, 4.5, body);                   // head and thorax
    FillEllipse(img, 15, 21, widow ? 6.5 : 6, widow ? 6.5 : 7.5, body); // abdomen
    if (widow) {
        FillPolygon(img, {12.5, 18.0, 17.5, 18.0, 15.0, 21.0}, RGB(220, 30, 30)); // hourglass
        FillPolygon(img, {12.5, 24.0, 17.5, 24.0, 15.0, 21.0}, RGB(220, 30, 30));
        Put(img, 13, 17, RGB(90, 90, 110));
        Put(img, 14, 16, RGB(90, 90, 110));
    } else {
        VLine(img, 15, 15, 27, RGB(170, 150, 110)); // stripes
        VLine(img, 12, 18, 24, RGB(80, 62, 42));
        VLine(img, 18, 18, 24, RGB(80, 62, 42));
        HLine(img, 13, 17, 10, RGB(150, 130, 96));
    }
    Put(img, 13, 9, widow ? RGB(200, 40, 40) : BLACK);
    Put(img, 17, 9, widow ? RGB(200, 40, 40) : BLACK);
    Put(img, 14, 8, widow ? RGB(200, 40, 40) : BLACK);
    Put(img, 16, 8, widow ? RGB(200, 40, 40) : BLACK);
    Finish(img);
    return img;
}

Image Squirrel(bool black)
{
    Image img = NewImage(TILE, TILE);
    Colour fur = black ? RGB(46, 44, 50) : RGB(196, 104, 44);
    Colour light = black ? RGB(96, 94, 104) : RGB(236, 196, 150);
    // The bushy tail curling up behind, the body sitting up, a nut in its paws.
    FillEllipse(img, 21, 14, 6, 9, Darker(fur, 0.05));
    FillEllipse(img, 23, 7, 4, 4, Darker(fur, 0.05));
    FillEllipse(img, 20, 14, 3, 6, Lighter(fur, 0.15));
    FillEllipse(img, 13, 21, 5.5, 6, fur);
    FillEllipse(img, 12, 22, 3, 4, light);
    FillCircle(img, 11, 13, 4, fur);
    FillPolygon(img, {10.0, 10.0, 12.0, 10.0, 11.0, 6.5}, fur); // ear
    FillEllipse(img, 14, 27, 4, 1.5, fur);                       // feet
    Put(img, 10, 12, black ? RGB(220, 40, 40) : BLACK);
    Put(img, 7, 14, black ? RGB(30, 30, 30) : RGB(60, 30, 20));
    FillCircle(img, 8.5, 19, 1.8, RGB(140, 96, 50)); // nut
    Put(img, 8, 18, RGB(100, 70, 36));
    Finish(img);
    return img;
}

// Centipedes from above: a wavy line of segments, each with a pair of legs.
Image Centipede(bool yellow)
{
    Image img = NewImage(TILE, TILE);
    Colour seg = yellow ? RGB(226, 196, 50) : RGB(140, 84, 40);
    Colour leg = yellow ? RGB(170, 130, 30) : RGB(100, 60, 30);
    Colour band = yellow ? RGB(40, 36, 30) : RGB(96, 56, 26);
    const int n = 9;
    double px[n], py[n];
    for (int i = 0; i < n; i++) {
        px[i] = 4 + i * 2.8;
        py[i] = 15 + 5 * std::sin(i * 0.8);
    }
    for (int i = 1; i < n; i++) {
        double dx = px[i] - px[i - 1], dy = py[i] - py[i - 1];
        double l = std::hypot(dx, dy);
        double nx = -dy / l * 5, ny = dx / l * 5;
        DrawLine(img, static_cast<int>(px[i]), static_cast<int>(py[i]), static_cast<int>(px[i] + nx),
                 static_cast<int>(py[i] + ny), leg);
        DrawLine(img, static_cast<int>(px[i]), static_cast<int>(py[i]), static_cast<int>(px[i] - nx),
                 static_cast<int>(py[i] - ny), leg);
    }
    for (int i = n - 1; i >= 0; i--) {
        FillCircle(img, px[i], py[i], i == 0 ? 2.6 : 2.3, seg);
        if (i > 0 && yellow)
            Put(img, static_cast<int>(px[i] - 1), static_cast<int>(py[i]), band);
        if (i > 0 && !yellow)
            Put(img, static_cast<int>(px[i]), static_cast<int>(py[i] - 1), Lighter(seg, 0.3));
    }
    // Head with feelers and pincers, pointing left.
    DrawLine(img, 3, 14, 0, 9, leg);
    DrawLine(img, 3, 16, 0, 20, leg);
    Put(img, 1, 14, RGB(60, 30, 20));
    Put(img, 1, 16, RGB(60, 30, 20));
    Put(img, 3, 14, BLACK);
    Finish(img);
    return img;
}

// Ants from above: head, thorax, abdomen in a row, six legs, feelers.
Image Ant(bool warrior)
{
    Image img = NewImage(TILE, TILE);
    Colour body = warrior ? RGB(40, 30, 30) : RGB(150, 60, 34);
    Colour leg = warrior ? RGB(30, 24, 24) : RGB(110, 44, 26);
    double s = warrior ? 1.35 : 1.0;
    double cx = 15;
    double headY = 15 - 7 * s, thoraxY = 15, abdomenY = 15 + 7.5 * s;
    for (int i = 0; i < 3; i++) {
        double hy = thoraxY - 1.5 * s + i * 1.5 * s;
        double ky = hy + (i - 1) * 3 * s;
        for (int side = -1; side <= 1; side += 2) {
            ThickLine(img, cx, hy, cx + side * 5 * s, ky - 1.5 * s, 1.0 * s, leg);
            ThickLine(img, cx + side * 5 * s, ky - 1.5 * s, cx + side * 8 * s, ky + (i - 1) * 2 * s + 1, 0.9 * s, leg);
        }
    }
    DrawLine(img, static_cast<int>(cx - 1), static_cast<int>(headY - 2 * s), static_cast<int>(cx - 4 * s),
             static_cast<int>(headY - 6 * s), leg);
    DrawLine(img, static_cast<int>(cx + 1), static_cast<int>(headY - 2 * s), static_cast<int>(cx + 4 * s),
             static_cast<int>(headY - 6 * s), leg);
    FillEllipse(img, cx, abdomenY, 4.2 * s, 5 * s, body);
    FillEllipse(img, cx, thoraxY, 2.2 * s, 3.2 * s, body);
    FillEllipse(img, cx, headY, 3 * s, 2.8 * s, body);
    if (warrior) {
        // Big mandibles.
        FillPolygon(img, {cx - 3, headY - 3, cx - 1, headY - 3, cx - 2, headY - 7}, RGB(120, 40, 30));
        FillPolygon(img, {cx + 1, headY - 3, cx + 3, headY - 3, cx + 2, headY - 7}, RGB(120, 40, 30));
    }
    Put(img, static_cast<int>(cx - 2 * s), static_cast<int>(headY), RGB(250, 250, 250));
    Put(img, static_cast<int>(cx + 2 * s) - 1, static_cast<int>(headY), RGB(250, 250, 250));
    Put(img, static_cast<int>(cx - 1), static_cast<int>(abdomenY - 2 * s), Lighter(body, 0.4));
    Finish(img);
    return img;
}

Image Mutt()
{
    Image img = NewImage(TILE, TILE);
    Colour fur = RGB(150, 110, 64), patch = RGB(236, 226, 206), ear = RGB(96, 66, 36);
    ThickLine(img, 23, 17, 27, 11, 2, fur);              // tail up
    FillRect(img, 9, 21, 3, 7, fur);                      // legs
    FillRect(img, 13, 21, 2, 7, Darker(fur, 0.1));
    FillRect(img, 19, 21, 3, 7, fur);
    FillRect(img, 23, 21, 2, 7, Darker(fur, 0.1));
    FillEllipse(img, 17, 19, 8, 4.5, fur);               // body
    FillEllipse(img, 19, 18, 3.5, 2.5, patch);
    FillEllipse(img, 8, 13, 4.5, 4, fur);                // head
    FillEllipse(img, 4, 15, 2.8, 2, patch);              // muzzle
    Put(img, 2, 14, BLACK);                               // nose
    FillEllipse(img, 10, 13, 1.6, 3.5, ear);             // floppy ear
    Put(img, 7, 12, BLACK);
    HLine(img, 3, 5, 17, RGB(200, 80, 80));              // tongue
    Finish(img);
    return img;
}

Image Pig()
{
    Image img = NewImage(TILE, TILE);
    Colour pink = RGB(240, 170, 170), dark = RGB(210, 130, 136);
    for (int i = 0; i < 5; i++) // curly tail
        Put(img, 26 + (i % 2), 15 - i / 2 + (i == 2 ? 1 : 0), dark);
    FillRect(img, 9, 22, 3, 5, dark);
    FillRect(img, 20, 22, 3, 5, dark);
    FillRect(img, 13, 22, 3, 5, pink);
    FillRect(img, 23, 22, 2, 4, pink);
    FillEllipse(img, 17, 18, 9.5, 6.5, pink);
    FillEllipse(img, 7, 17, 4.5, 4.5, pink);
    FillEllipse(img, 3.5, 18.5, 2, 2.5, dark);            // snout
    Put(img, 3, 18, RGB(150, 70, 80));
    Put(img, 3, 20, RGB(150, 70, 80));
    FillPolygon(img, {7.0, 13.0, 11.0, 13.0, 10.0, 9.0}, dark); // ear
    Put(img, 7, 15, BLACK);
    HLine(img, 14, 20, 24, Darker(pink, 0.08));
    Finish(img);
    return img;
}

Image Chicken()
{
    Image img = NewImage(TILE, TILE);
    Colour white = RGB(246, 244, 238), shade = RGB(214, 210, 200);
    Colour yellow = RGB(240, 180, 40), red = RGB(220, 40, 40);
    VLine(img, 13, 22, 27, yellow);                       // legs and toes
    VLine(img, 17, 22, 27, yellow);
    HLine(img, 11, 14, 27, yellow);
    HLine(img, 16, 19, 27, yellow);
    FillPolygon(img, {19.0, 14.0, 26.0, 8.0, 25.0, 17.0}, white); // tail
    FillEllipse(img, 16, 17, 7, 6, white);
    FillEllipse(img, 17, 17, 4, 3, shade);               // wing
    FillCircle(img, 10, 10, 3.5, white);
    FillRect(img, 9, 5, 3, 2, red);                       // comb
    Put(img, 10, 4, red);
    FillPolygon(img, {6.5, 9.5, 6.5, 11.5, 3.5, 10.5}, yellow); // beak
    FillRect(img, 7, 12, 2, 2, red);                      // wattle
    Put(img, 9, 9, BLACK);
    Finish(img);
    return img;
}

// What is left of a slain creature: a skull and bones.
Image Remains()
{
    Image img = NewImage(TILE, TILE);
    Colour bone = RGB(232, 226, 206);
    ThickLine(img, 7, 24, 22, 19, 2, bone);
    ThickLine(img, 9, 18, 23, 25, 2, bone);
    FillCircle(img, 6.5, 24, 1.6, bone);
    FillCircle(img, 22.5, 19, 1.6, bone);
    FillCircle(img, 9, 17.5, 1.6, bone);
    FillCircle(img, 23, 25.5, 1.6, bone);
    FillCircle(img, 15, 14, 5, bone);
    FillRect(img, 12, 17, 6, 3, bone);
    FillRect(img, 12, 13, 2, 2, RGB(40, 34, 30));
    FillRect(img, 16, 13, 2, 2, RGB(40, 34, 30));
    Put(img, 15, 16, RGB(40, 34, 30));
    VLine(img, 13, 18, 19, RGB(150, 140, 120));
    VLine(img, 15, 18, 19, RGB(150, 140, 120));
    Finish(img);
    return img;
}

using Drawer = std::function<Image()>;

const std::map<std::string, Drawer> &CreatureDrawers()
{
    static const std::map<std::string, Drawer> d = {
        {"dead.png", [] { return Remains(); }},
        {"browncentipede.png", [] { return Centipede(false); }},
        {"yellowcentipede.png", [] { return Centipede(true); }},
        {"workerant.png", [] { return Ant(false); }},
        {"warriorant.png", [] { return Ant(true); }},
        {"bunny.png", [] { return Bunny(false); }},
        {"albinobunny.png", [] { return Bunny(true); }},
        {"whiterat.png", [] { return Rat(); }},
        {"greenfrog.png", [] { return Frog(false); }},
        {"blackfrog.png", [] { return Frog(true); }},
        {"griffin.png", [] { return Griffin(); }},
        {"goblin.png", [] { return Goblin(); }},
        {"venusmantrap.png", [] { return VenusManTrap(); }},
        {"entyouth.png", [] { return EntYouth(); }},
        {"wolfspider.png", [] { return Spider(false); }},
        {"squirrel.png", [] { return Squirrel(false); }},
        {"blacksquirrel.png", [] { return Squirrel(true); }},
        {"blackwidow.png", [] { return Spider(true); }},
        {"townsman.png", [] { return PersonImage(Townsman(1)); }},
        {"townsman2.png", [] { return PersonImage(Townsman(2)); }},
        {"townsman3.png", [] { return PersonImage(Townsman(3)); }},
        {"townswoman.png", [] { return PersonImage(Townswoman(1)); }},
        {"townswoman2.png", [] { return PersonImage(Townswoman(2)); }},
        {"townswoman3.png", [] { return PersonImage(Townswoman(3)); }},
        {"townguard.png", [] { return Guard(); }},
        {"urchin.png", [] { return Urchin(); }},
        {"beggar.png", [] { return Beggar(); }},
        {"drunkard.png", [] { return Drunkard(); }},
        {"mutt.png", [] { return Mutt(); }},
        {"veteran.png", [] { return Veteran(); }},
        {"pig.png", [] { return Pig(); }},
        {"chicken.png", [] { return Chicken(); }},
    };
    return d;
}

} // namespace

bool DrawCreaturePicture(const std::string &file, Image &out)
{
    const auto &d = CreatureDrawers();
    auto it = d.find(file);
    if (it == d.end())
        return false;
    out = it->second();
    return true;
}

// The player is drawn in two layers: the body, and the clothes over it. The clothes are
// exactly the pixels in which the dressed adventurer differs from the bare one.
Image DrawPlayerBody()
{
    return PersonImage(PlayerLook(false));
}

Image DrawPlayerClothes()
{
    Image body = DrawPlayerBody();
    Image dressed = DressedPlayer();
    Image clothes = NewImage(TILE, TILE);
    for (int y = 0; y < TILE; y++)
        for (int x = 0; x < TILE; x++)
            if (Get(dressed, x, y) != Get(body, x, y))
                Put(clothes, x, y, Get(dressed, x, y) == MAGENTA ? INK : Get(dressed, x, y));
    return clothes;
}
