#include "keep/record.h"

#include <cerrno>
#include <climits>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "creatures/monster.h"
#include "items/inventory.h"
#include "items/item.h"
#include "keep/state.h"
#include "player/player.h"
#include "shell/free.h"
#include "shell/global.h"
#include "shell/history.h"
#include "shell/input.h"
#include "shell/layout.h"
#include "shell/main.h"
#include "world/level.h"

namespace {

enum LineKind { LINE_EVENT, LINE_WAIT, LINE_SIGNAL, LINE_CHECK, LINE_END };

struct RecordedLine {
    LineKind kind;
    int number; // line number in the file, for messages
    long long frame;
    int poll;
    int type;   // of an event: an InputType
    int sym;    // of a key event, or the key that answered a wait: a GameKey
    int mod;
    int x, y, button; // of a pointer event, or of the click that answered a wait
    bool clicked;     // a wait answered by a click
    std::vector<int> held;
    unsigned long long digest;
};

// Recording.
FILE *recfile;
std::string recpath;

// Replaying.
bool replaying;
bool loose;     // re-recording: events arrive at their frame or later, digests are not judged
bool stopped;   // the replay reached its end, or went wrong: the game ends now
bool viewerstopped;  // the window of a watched replay was closed
bool recordedsignal; // the quit signal now in force is the recording's, not the viewer's
int verdict = -1;
std::string replaypath;
std::vector<RecordedLine> script;
size_t next;
int lastline;   // number of the last line of the file
long lastsame;  // the last frame at which the game was seen to agree with the recording

int format;     // of the recording being replayed
long frames;    // passes of the outer loop begun
long frame;     // the pass now running
int polls;      // reads of this frame that found nothing
bool signalwritten;

void Write(const char *fmt, ...) __attribute__((format(printf, 1, 2)));
void Write(const char *fmt, ...)
{
    if (!recfile)
        return;
    va_list ap;
    va_start(ap, fmt);
    std::vfprintf(recfile, fmt, ap);
    va_end(ap);
    std::fflush(recfile); // a run that crashes keeps its recording up to here
}

int BadFile(int number, const char *why)
{
    if (number > 0)
        std::fprintf(stderr, "quorvane: %s:%d: %s\n", replaypath.c_str(), number, why);
    else
        std::fprintf(stderr, "quorvane: %s: %s\n", replaypath.c_str(), why);
    return REPLAY_BAD_FILE;
}

// The game went another way than the recording: say where, and end the replay. A
// digest that differs was last seen the same at the checkpoint before.
void Differ(const char *what, long at, int number, bool bydigest = false)
{
    if (loose || verdict >= 0)
        return;
    if (bydigest)
        std::printf("replay: %s: the game first differs from the recording between frames %ld and %ld (line %d: %s)\n",
                    replaypath.c_str(), lastsame, at, number, what);
    else
        std::printf("replay: %s: the game differs from the recording at frame %ld (line %d: %s)\n", replaypath.c_str(),
                    at, number, what);
    verdict = REPLAY_DIFFERED;
    stopped = true;
}

const RecordedLine *Peek()
{
    return next < script.size() ? &script[next] : nullptr;
}

// Parses "e F P down SYM MOD" and the other lines (the first word already read).
bool ParseNumbers(const char *text, long long *out, int count, const char **rest)
{
    const char *p = text;
    for (int i = 0; i < count; i++) {
        char *end = nullptr;
        errno = 0;
        long long v = std::strtoll(p, &end, 10);
        if (end == p || errno != 0 || v < 0)
            return false;
        out[i] = v;
        p = end;
    }
    if (rest)
        *rest = p;
    return true;
}

bool AtLineEnd(const char *p)
{
    while (*p == ' ')
        p++;
    return *p == '\0';
}

bool ParseDigest(const char *p, unsigned long long *digest)
{
    while (*p == ' ')
        p++;
    char *end = nullptr;
    errno = 0;
    *digest = std::strtoull(p, &end, 16);
    return end != p && errno == 0 && AtLineEnd(end);
}

bool ValidKey(long key)
{
    return key > KEY_UNKNOWN && key < KEY_COUNT;
}

// The next word of a line (at most 15 characters) into word; false at the line's end.
bool NextWord(const char *&p, char (&word)[16])
{
    int used = 0;
    if (std::sscanf(p, "%15s%n", word, &used) != 1)
        return false;
    p += used;
    return true;
}

// A key as the recording's format writes it: the game's word for it, or (format 1) SDL
// 1.2's number. Any other number SDL 1.2 gave is a key the game has no name for.
bool ParseKey(const char *&p, int *key, bool none_allowed)
{
    char word[16];
    if (!NextWord(p, word))
        return false;
    if (format >= 2) {
        GameKey k;
        if (!KeyOfWord(word, &k) || (k == KEY_UNKNOWN && !none_allowed))
            return false;
        *key = k;
        return true;
    }
    char *end = nullptr;
    errno = 0;
    const long v = std::strtol(word, &end, 10);
    if (*end != '\0' || end == word || errno != 0 || v < 0 || v >= 323 || (v == 0 && !none_allowed))
        return false;
    *key = KeyOfSdl12(static_cast<int>(v));
    return true;
}

// One line of the file into a RecordedLine; on a fault writes why.
bool ParseLine(const char *text, RecordedLine *l, const char **why)
{
    char word[8] = "";
    int used = 0;
    if (std::sscanf(text, "%7s%n", word, &used) != 1) {
        *why = "an empty line";
        return false;
    }
    const char *p = text + used;
    long long v[3];
    if (std::strcmp(word, "e") == 0) {
        l->kind = LINE_EVENT;
        *why = "an event line must read \"e FRAME DRAIN down KEY MODIFIERS\", \"e FRAME DRAIN up KEY "
               "MODIFIERS\", \"e FRAME DRAIN quit\" or, for the pointer, \"e FRAME DRAIN move X Y\", "
               "\"e FRAME DRAIN press X Y BUTTON\" or \"e FRAME DRAIN release X Y BUTTON\"";
        if (!ParseNumbers(p, v, 2, &p))
            return false;
        l->frame = v[0];
        if (v[1] > INT_MAX) {
            *why = "a drain number beyond any a frame makes";
            return false;
        }
        l->poll = static_cast<int>(v[1]);
        char what[16] = "";
        if (!NextWord(p, what))
            return false;
        if (std::strcmp(what, "quit") == 0) {
            l->type = INPUT_QUIT;
            return AtLineEnd(p);
        }
        static const struct {
            const char *word;
            int type;
        } pointer[] = {{"move", INPUT_POINTER_MOVE}, {"press", INPUT_POINTER_DOWN}, {"release", INPUT_POINTER_UP}};
        for (const auto &kind : pointer) {
            if (format < 2 || std::strcmp(what, kind.word) != 0)
                continue;
            l->type = kind.type;
            const int count = kind.type == INPUT_POINTER_MOVE ? 2 : 3;
            if (!ParseNumbers(p, v, count, &p) || !AtLineEnd(p))
                return false;
            if (v[0] >= SCREEN_WIDTH || v[1] >= SCREEN_HEIGHT ||
                (count == 3 && v[2] != BUTTON_LEFT && v[2] != BUTTON_RIGHT)) {
                *why = "a pointer off the picture, or a button the game has not";
                return false;
            }
            l->x = static_cast<int>(v[0]);
            l->y = static_cast<int>(v[1]);
            l->button = count == 3 ? static_cast<int>(v[2]) : BUTTON_NONE;
            return true;
        }
        if (std::strcmp(what, "down") == 0)
            l->type = INPUT_KEYDOWN;
        else if (std::strcmp(what, "up") == 0)
            l->type = INPUT_KEYUP;
        else
            return false;
        if (!ParseKey(p, &l->sym, true) || !ParseNumbers(p, v, 1, &p) || !AtLineEnd(p) || v[0] > 0xFFFF) {
            *why = format >= 2 ? "a key or modifiers that are none of the game's"
                               : "a key code or modifiers that are none of SDL's";
            return false;
        }
        l->mod = static_cast<int>(v[0]) & MOD_ALL;
        return true;
    }
    if (std::strcmp(word, "w") == 0) {
        l->kind = LINE_WAIT;
        *why = "an answer line must read \"w FRAME KEY HELD-KEYS...\"";
        if (!ParseNumbers(p, v, 1, &p))
            return false;
        l->frame = v[0];
        const char *click = p;
        char first[16] = "";
        if (format >= 2 && NextWord(click, first) && std::strcmp(first, "click") == 0) {
            p = click;
            if (!ParseNumbers(p, v, 2, &p) || v[0] >= SCREEN_WIDTH || v[1] >= SCREEN_HEIGHT) {
                *why = "an answer by a click off the picture";
                return false;
            }
            l->clicked = true;
            l->sym = KEY_UNKNOWN;
            l->x = static_cast<int>(v[0]);
            l->y = static_cast<int>(v[1]);
        } else if (!ParseKey(p, &l->sym, true)) {
            *why = format >= 2 ? "an answer by a key that is none of the game's"
                               : "an answer by a key code that is none of SDL's";
            return false;
        }
        while (!AtLineEnd(p)) {
            int held = 0;
            if (!ParseKey(p, &held, false)) {
                *why = format >= 2 ? "a held key that is none of the game's" : "a held key code that is none of SDL's";
                return false;
            }
            if (held != KEY_UNKNOWN)
                l->held.push_back(held);
        }
        return true;
    }
    if (std::strcmp(word, "s") == 0) {
        l->kind = LINE_SIGNAL;
        *why = "a signal line must read \"s FRAME\"";
        if (!ParseNumbers(p, v, 1, &p) || !AtLineEnd(p))
            return false;
        l->frame = v[0];
        return true;
    }
    if (std::strcmp(word, "c") == 0 || std::strcmp(word, "end") == 0) {
        l->kind = word[0] == 'c' ? LINE_CHECK : LINE_END;
        *why = word[0] == 'c' ? "a checkpoint line must read \"c FRAME DIGEST\""
                              : "the end line must read \"end FRAME DIGEST\"";
        if (!ParseNumbers(p, v, 1, &p) || !ParseDigest(p, &l->digest))
            return false;
        l->frame = v[0];
        return true;
    }
    *why = "a line that is not part of a recording";
    return false;
}

// The first line, "quorvane-recording FORMAT" (blanks after it are let be). Returns
// -1 when the line is right, or the status to leave with.
int ReadHeader(const std::string &line)
{
    static const char magic[] = "quorvane-recording ";
    if (line.compare(0, sizeof magic - 1, magic) != 0)
        return BadFile(1, "not a recording (it does not begin with \"quorvane-recording\")");
    const char *p = line.c_str() + sizeof magic - 1;
    while (*p == ' ')
        p++;
    const char *digits = p;
    while (*p >= '0' && *p <= '9')
        p++;
    size_t count = static_cast<size_t>(p - digits);
    if (count == 0 || !AtLineEnd(p))
        return BadFile(1, "the first line must be \"quorvane-recording <format number>\"");
    while (count > 1 && *digits == '0') {
        digits++;
        count--;
    }
    const bool ours = count == 1 && *digits - '0' >= 1 && *digits - '0' <= RECORDING_VERSION;
    if (ours)
        format = *digits - '0';
    if (!ours) {
        char why[160];
        const int shown = count > 40 ? 40 : static_cast<int>(count);
        std::snprintf(why, sizeof why, "a recording of format %.*s; this game reads format %d", shown, digits,
                      RECORDING_VERSION);
        return BadFile(1, why);
    }
    return -1;
}

// The second line, "seed S", S from 0 to 4294967295.
bool ReadSeed(const std::string &line, unsigned *seed)
{
    if (line.compare(0, 5, "seed ") != 0)
        return false;
    const char *p = line.c_str() + 5;
    while (*p == ' ')
        p++;
    if (*p < '0' || *p > '9')
        return false;
    char *end = nullptr;
    errno = 0;
    unsigned long long v = std::strtoull(p, &end, 10);
    if (errno != 0 || v > UINT_MAX || !AtLineEnd(end))
        return false;
    *seed = static_cast<unsigned>(v);
    return true;
}

// Reads the whole recording. A last line without its newline was being written when the
// recorded run stopped: it is left out, and the replay will stop short.
int LoadRecording(const char *path, unsigned *seed)
{
    replaypath = path;
    FILE *f = std::fopen(path, "r");
    if (!f)
        return BadFile(0, std::strerror(errno));
    std::vector<std::string> lines;
    std::string cur;
    int c;
    while ((c = std::fgetc(f)) != EOF) {
        const int number = static_cast<int>(lines.size()) + 1;
        if (c == '\n') {
            if (!cur.empty() && cur.back() == '\r') {
                std::fclose(f);
                return BadFile(number, "the line ends in CR LF; a recording's lines end in LF alone (was the file "
                                       "converted for another system?)");
            }
            lines.push_back(cur);
            cur.clear();
        } else if (c == '\0' || cur.size() > 4096) {
            std::fclose(f);
            return BadFile(number, "not a recording (binary data or an overlong line)");
        } else {
            cur.push_back(static_cast<char>(c));
        }
    }
    if (std::ferror(f)) {
        const int err = errno;
        std::fclose(f);
        char why[160];
        std::snprintf(why, sizeof why, "cannot be read: %s", std::strerror(err));
        return BadFile(0, why);
    }
    std::fclose(f);
    lastline = static_cast<int>(lines.size());
    if (lines.empty())
        return BadFile(0, cur.empty() ? "an empty file, not a recording"
                                      : "not a recording (it does not begin with \"quorvane-recording\")");
    int status = ReadHeader(lines[0]);
    if (status >= 0)
        return status;
    if (lines.size() < 2 || !ReadSeed(lines[1], seed))
        return BadFile(2, "the second line must be \"seed <number from 0 to 4294967295>\"");
    long long lastframe = 0;
    for (size_t i = 2; i < lines.size(); i++) {
        RecordedLine l{};
        const char *why = "";
        l.number = static_cast<int>(i) + 1;
        if (!ParseLine(lines[i].c_str(), &l, &why))
            return BadFile(l.number, why);
        if (l.frame > MAX_RECORDED_FRAME) {
            char text[160];
            std::snprintf(text, sizeof text,
                          "frame %lld is beyond any a game reaches (at most %lld: ten years at 25 frames a second)",
                          l.frame, MAX_RECORDED_FRAME);
            return BadFile(l.number, text);
        }
        if (l.frame < lastframe)
            return BadFile(l.number, "a line for an earlier frame than the line before");
        if (!script.empty() && script.back().kind == LINE_END)
            return BadFile(l.number, "a line after the end");
        lastframe = l.frame;
        script.push_back(l);
    }
    return -1;
}

void FillEvent(const RecordedLine &l, InputEvent *ev)
{
    *ev = InputEvent();
    ev->type = l.type;
    ev->key = static_cast<GameKey>(l.sym);
    ev->mod = l.mod;
    ev->x = l.x;
    ev->y = l.y;
    ev->button = l.button;
}

void WriteEvent(const InputEvent &ev)
{
    switch (ev.type) {
    case INPUT_QUIT:
        Write("e %ld %d quit\n", frame, polls);
        break;
    case INPUT_KEYDOWN:
    case INPUT_KEYUP:
        Write("e %ld %d %s %s %d\n", frame, polls, ev.type == INPUT_KEYDOWN ? "down" : "up",
              KeyWord(ev.key) ? KeyWord(ev.key) : "none", ev.mod & MOD_ALL);
        break;
    case INPUT_POINTER_MOVE:
        Write("e %ld %d move %d %d\n", frame, polls, ev.x, ev.y);
        break;
    case INPUT_POINTER_DOWN:
    case INPUT_POINTER_UP:
        Write("e %ld %d %s %d %d %d\n", frame, polls, ev.type == INPUT_POINTER_DOWN ? "press" : "release", ev.x, ev.y,
              ev.button);
        break;
    default:
        break;
    }
}

bool Before(const RecordedLine &l, long f, int p)
{
    return l.frame < f || (l.frame == f && l.kind == LINE_EVENT && l.poll < p);
}

// Replay's side of ReadEvent.
bool ReplayEvent(InputEvent *ev)
{
    // The window still answers: its close button ends a watched replay.
    InputEvent real;
    while (PollInput(&real))
        if (real.type == INPUT_QUIT)
            stopped = viewerstopped = true;
    while (const RecordedLine *l = Peek()) {
        if (l->kind == LINE_EVENT && ((l->frame == frame && l->poll == polls) || (loose && Before(*l, frame, polls)))) {
            FillEvent(*l, ev);
            next++;
            return true;
        }
        if (loose && l->kind == LINE_WAIT && l->frame < frame) {
            // The game no longer waits here: the key that answered becomes a press.
            next++;
            if (!ValidKey(l->sym))
                continue;
            RecordedLine press = *l;
            press.type = INPUT_KEYDOWN;
            press.mod = 0;
            FillEvent(press, ev);
            return true;
        }
        if (!loose && l->kind == LINE_EVENT && Before(*l, frame, polls))
            Differ("an event the game did not read", frame, l->number);
        break;
    }
    polls++;
    return false;
}

} // namespace

static bool ReadOneEvent(InputEvent *ev)
{
    if (replaying) {
        if (!ReplayEvent(ev))
            return false;
        WriteEvent(*ev); // re-recording
        return true;
    }
    if (!PollInput(ev)) {
        polls++;
        return false;
    }
    WriteEvent(*ev);
    return true;
}

bool ReadEvent(InputEvent *ev)
{
    // Repeats of keys that act once a press are read and written down, not handed on.
    do {
        if (!ReadOneEvent(ev))
            return false;
    } while (!PassKeyEvent(ev));
    return true;
}

bool ReplayingGame()
{
    return replaying;
}

GameKey ReplayWait(unsigned char *keys, bool *clicked, int *x, int *y)
{
    std::memset(keys, 0, KEY_COUNT);
    *clicked = false;
    const RecordedLine *l = Peek();
    if (l && l->kind == LINE_WAIT && (loose || l->frame == frame)) {
        *clicked = l->clicked;
        *x = l->x;
        *y = l->y;
        for (int k : l->held)
            keys[k] = 1;
        if (ValidKey(l->sym))
            keys[l->sym] = 1;
        next++;
        return static_cast<GameKey>(l->sym);
    }
    if (!loose) {
        Differ("the game waits for an answer the recording does not give here", frame, l ? l->number : lastline);
        return KEY_UNKNOWN;
    }
    // Re-recording: the next key pressed answers; with none left, Escape.
    while (l && l->kind == LINE_EVENT && l->type != INPUT_KEYDOWN) {
        next++;
        l = Peek();
    }
    GameKey answer = KEY_ESCAPE;
    if (l && l->kind == LINE_EVENT) {
        answer = static_cast<GameKey>(l->sym);
        next++;
    }
    keys[answer] = 1;
    return answer;
}

void RecordWait(GameKey pressed, const unsigned char *keys, bool clicked, int x, int y)
{
    if (!recfile)
        return;
    std::string held;
    for (int k = 1; k < KEY_COUNT; k++) {
        if (keys[k]) {
            held += ' ';
            held += KeyWord(static_cast<GameKey>(k));
        }
    }
    if (clicked)
        Write("w %ld click %d %d%s\n", frame, x, y, held.c_str());
    else
        Write("w %ld %s%s\n", frame, KeyWord(pressed) ? KeyWord(pressed) : "none", held.c_str());
}

void NoteQuitSignalled()
{
    if (!signalwritten && !stopped)
        Write("s %ld\n", frame);
    signalwritten = true;
}

bool CheckReplayQuit()
{
    if (!replaying)
        return false;
    const RecordedLine *l = Peek();
    if (l && l->kind == LINE_SIGNAL && l->frame <= frame) {
        next++;
        quit_signal = 1;
        recordedsignal = true;
    }
    return stopped;
}

void CountFrame()
{
    frame = frames++;
    polls = 0;
    if (replaying && !stopped) {
        while (const RecordedLine *l = Peek()) {
            if (l->kind == LINE_CHECK && l->frame <= frame) {
                if (!loose && l->frame == frame && l->digest != DigestGame()) {
                    Differ("the digest", frame, l->number, true);
                    return;
                }
                lastsame = frame;
                next++;
                continue;
            }
            if (l->kind == LINE_END && l->frame == frame) {
                if (!loose && verdict < 0 && l->digest != DigestGame())
                    Differ("the digest at the end", frame, l->number, true);
                if (verdict < 0) {
                    verdict = REPLAY_MATCHED;
                    lastsame = frame;
                }
                next++;
                stopped = true;
                return;
            }
            if (!loose && l->frame < frame)
                Differ(l->kind == LINE_WAIT ? "an answer the game did not ask for" : "an event the game did not read",
                       frame, l->number);
            break;
        }
        if (next >= script.size() && !stopped) {
            // No end line: the recorded run stopped short (it crashed, or the file was cut).
            std::fprintf(stderr, "quorvane: %s:%d: the recording stops short at frame %ld, before its end line\n",
                         replaypath.c_str(), lastline, frame);
            verdict = REPLAY_BAD_FILE;
            stopped = true;
        }
    }
    if (recfile && frame > 0 && frame % CHECKPOINT_FRAMES == 0)
        Write("c %ld %016llx\n", frame, DigestGame());
}

long FramesRun()
{
    return frames;
}

int StartRecordedGame(unsigned *seed)
{
    const char *replay = std::getenv("QUORVANE_REPLAY");
    const char *record = std::getenv("QUORVANE_RECORD");
    if (replay && *replay) {
        int status = LoadRecording(replay, seed);
        if (status >= 0)
            return status;
        replaying = true;
        loose = record && *record; // replayed to be recorded again
        const char *watch = std::getenv("QUORVANE_REPLAY_WATCH");
        skip_pacing = !(watch && *watch && std::strcmp(watch, "0") != 0);
    }
    if (record && *record) {
        recpath = record;
        recfile = std::fopen(record, "w");
        if (!recfile) {
            std::fprintf(stderr, "quorvane: %s: cannot write the recording: %s\n", record, std::strerror(errno));
            return REPLAY_BAD_FILE;
        }
        Write("quorvane-recording %d\nseed %u\n", RECORDING_VERSION, *seed);
    }
    return -1;
}

int FinishRecordedGame()
{
    if (recfile) {
        Write("end %ld %016llx\n", frames, DigestGame());
        std::fclose(recfile);
        recfile = nullptr;
    }
    if (!replaying)
        return REPLAY_MATCHED;
    if (verdict < 0 && !loose && (viewerstopped || (quit_signal && !recordedsignal))) {
        // The viewer closed the window or sent a quit signal: the game did not go another
        // way, it was not let finish.
        const RecordedLine *end = script.empty() || script.back().kind != LINE_END ? nullptr : &script.back();
        char until[64] = "";
        if (end)
            std::snprintf(until, sizeof until, " (the recording ends at frame %lld)", end->frame);
        std::printf("replay: %s: stopped by its viewer at frame %ld%s; it had not differed up to there\n",
                    replaypath.c_str(), frames, until);
        verdict = REPLAY_STOPPED;
    }
    if (verdict < 0) {
        // The game ended by itself: the recording must end here too.
        const RecordedLine *l = Peek();
        if (loose)
            verdict = REPLAY_MATCHED;
        else if (!l) {
            std::fprintf(stderr, "quorvane: %s:%d: the recording stops short at frame %ld, before its end line\n",
                         replaypath.c_str(), lastline, frames);
            verdict = REPLAY_BAD_FILE;
        } else if (l->kind == LINE_END && l->frame == frames) {
            if (l->digest == DigestGame())
                verdict = REPLAY_MATCHED;
            else
                Differ("the digest at the end", frames, l->number, true);
        } else {
            Differ("the game ended here, the recording goes on", frames, l->number);
        }
    }
    if (verdict == REPLAY_MATCHED)
        std::printf("replay: %s: the game matches the recording, %ld frames\n", replaypath.c_str(), frames);
    replaying = false;
    return verdict;
}

const char *RecordingPath()
{
    return recfile ? recpath.c_str() : nullptr;
}
