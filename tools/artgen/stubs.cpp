#include "artgen.h"
bool DrawItemPicture(const std::string &, int size, Image &out) { out = NewImage(size,size); FillCircle(out,size/2,size/2,size/4,0x808080); return true; }
Image DrawLogo() { return NewImage(600,130); }
Image DrawBackground() { return NewImage(800,600,0x203040); }
Image DrawTombstone() { return NewImage(800,600,0x203040); }
Image DrawLoadBox() { return NewImage(20,20,0x808080); }
Image DrawIcon() { return NewImage(32,32); }
Image DrawCrow() { return NewImage(20,12,0); }
Image DrawCloud() { return NewImage(100,50,0xffffff); }
Image DrawMapCursor() { return NewImage(30,30); }
Image DrawHighlighter() { return NewImage(60,60); }
Image DrawBottomBar() { return NewImage(800,150,0x202020); }
Image DrawStatsBar() { return NewImage(140,600,0x202020); }
std::vector<std::int16_t> MakeCrowSound() { return std::vector<std::int16_t>(1000); }
std::vector<std::int16_t> MakeDieSound() { return std::vector<std::int16_t>(1000); }
