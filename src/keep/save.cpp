#include "keep/save.h"

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "keep/invariants.h"
#include "keep/state.h"
#include "platform/platform.h"
#include "player/player.h"
#include "screens/menu.h"
#include "shell/dice.h"
#include "shell/history.h"
#include "shell/main.h"
#include "world/level.h"

bool keep_games;

namespace {

// No game comes near this; a bigger file is not one of ours.
constexpr long MAX_SAVE_BYTES = 8L << 20;
constexpr int NAME_TEXT = 64;

// ---- Writing ----

class TextWriter : public StateWalker {
public:
    std::string out;

    void Section(const char *name) override
    {
        if (!out.empty())
            out += '\n';
        out += name;
    }
    void Int(int &value, int, int) override { Number(value); }
    void Byte(unsigned char &value, int, int) override { Number(value); }
    void Text(char *text, size_t size) override
    {
        size_t n = strnlen(text, size);
        Number(static_cast<long long>(n));
        out += ':';
        out.append(text, n);
    }
    void Name(const char *&name, const char *&, const char *const *, const char *const *, int) override
    {
        char text[NAME_TEXT] = "";
        if (name)
            std::snprintf(text, sizeof text, "%s", name);
        Text(text, sizeof text);
    }
    void Check(bool, const char *) override {}

private:
    void Number(long long v)
    {
        char buf[24];
        std::snprintf(buf, sizeof buf, " %lld", v);
        out += buf;
    }
};

// The game as it stands, or (kept) as a saved game holds it: on the title, in normal mode.
std::string WriteState(bool kept)
{
    const int was_done = done;
    const int was_mode = mode;
    if (kept) {
        done = STATE_MENU;
        mode = MODE_NORMAL;
    }
    char head[80];
    std::snprintf(head, sizeof head, "quorvane-save %d\ndigest %016llx", SAVE_VERSION, DigestKeptGame());
    TextWriter w;
    w.out = head;
    WalkGame(w);
    WalkDice(w);
    w.out += "\nend\n";
    done = was_done;
    mode = was_mode;
    return w.out;
}

// ---- Reading ----

class TextReader : public StateWalker {
public:
    TextReader(const std::string &text, size_t from, bool checked) : s(text), pos(from), checked(checked) {}

    bool failed = false;
    char why[160] = "";

    void Section(const char *name) override
    {
        if (failed)
            return;
        SkipBlanks();
        size_t n = std::strlen(name);
        if (s.compare(pos, n, name) != 0 || !EndsWord(pos + n))
            return Fail("'%s' expected", name);
        pos += n;
    }
    void Int(int &value, int low, int high) override
    {
        long long v = 0;
        if (ReadNumber(&v, low, high))
            value = static_cast<int>(v);
    }
    void Byte(unsigned char &value, int low, int high) override
    {
        long long v = 0;
        if (ReadNumber(&v, low, high))
            value = static_cast<unsigned char>(v);
    }
    void Text(char *text, size_t size) override
    {
        std::string t;
        if (ReadText(&t, size)) {
            std::memset(text, 0, size);
            std::memcpy(text, t.data(), t.size());
        }
    }
    void Name(const char *&name, const char *&partner, const char *const *names, const char *const *partners,
              int count) override
    {
        std::string t;
        if (!ReadText(&t, NAME_TEXT))
            return;
        if (t.empty()) {
            name = nullptr;
            partner = nullptr;
            return;
        }
        for (int k = 0; k < count; k++)
            if (names[k] && t == names[k]) {
                name = names[k];
                partner = partners[k];
                return;
            }
        Fail("a name no creature has");
    }
    void Check(bool ok, const char *what) override
    {
        if (!failed && checked && !ok)
            Fail("%s", what);
    }

    // After the walk: the end line and nothing but blanks behind it.
    void Finish()
    {
        Section("end");
        SkipBlanks();
        if (!failed && pos != s.size())
            Fail("more after the end");
    }

    size_t Position() const { return pos; }

    // Reads "WORD NUMBER" (the header's lines).
    bool HeaderLine(const char *word, long long *v, bool hex)
    {
        Section(word);
        if (failed)
            return false;
        SkipBlanks();
        const char *p = s.c_str() + pos;
        char *end = nullptr;
        errno = 0;
        unsigned long long u = std::strtoull(p, &end, hex ? 16 : 10);
        if (end == p || errno == ERANGE || !EndsWord(pos + static_cast<size_t>(end - p)) || *p == '-' || *p == '+') {
            Fail("a bad %s line", word);
            return false;
        }
        pos += static_cast<size_t>(end - p);
        *v = static_cast<long long>(u);
        return true;
    }

private:
    const std::string &s;
    size_t pos;
    bool checked;

    void SkipBlanks()
    {
        while (pos < s.size() && (s[pos] == ' ' || s[pos] == '\n' || s[pos] == '\r' || s[pos] == '\t'))
            pos++;
    }
    bool EndsWord(size_t at) const
    {
        return at >= s.size() || s[at] == ' ' || s[at] == '\n' || s[at] == '\r' || s[at] == '\t';
    }
    int LineAt(size_t at) const
    {
        int n = 1;
        for (size_t i = 0; i < at && i < s.size(); i++)
            n += s[i] == '\n';
        return n;
    }
    void Fail(const char *format, const char *what = "")
    {
        if (failed)
            return;
        failed = true;
        char text[120];
        std::snprintf(text, sizeof text, format, what);
        if (pos >= s.size())
            std::snprintf(why, sizeof why, "the file is cut short (%s)", text);
        else
            std::snprintf(why, sizeof why, "damaged at line %d: %s", LineAt(pos), text);
    }
    // Digits, with a minus sign in front for a negative number.
    bool ReadDigits(long long *v)
    {
        SkipBlanks();
        size_t p = pos;
        bool negative = p < s.size() && s[p] == '-';
        if (negative)
            p++;
        size_t first = p;
        long long n = 0;
        while (p < s.size() && s[p] >= '0' && s[p] <= '9' && p - first < 12)
            n = n * 10 + (s[p++] - '0');
        if (p == first || (p < s.size() && s[p] >= '0' && s[p] <= '9'))
            return false;
        pos = p;
        *v = negative ? -n : n;
        return true;
    }
    bool ReadNumber(long long *v, int low, int high)
    {
        if (failed)
            return false;
        if (!ReadDigits(v) || !EndsWord(pos)) {
            Fail("a number expected");
            return false;
        }
        if (*v < INT_MIN || *v > INT_MAX || (checked && (*v < low || *v > high))) {
            Fail("a number out of range");
            return false;
        }
        return true;
    }
    bool ReadText(std::string *t, size_t size)
    {
        long long n = 0;
        if (failed)
            return false;
        if (!ReadDigits(&n) || n < 0 || static_cast<unsigned long long>(n) >= size || pos >= s.size() ||
            s[pos] != ':') {
            Fail("a text expected");
            return false;
        }
        pos++;
        if (s.size() - pos < static_cast<size_t>(n)) {
            pos = s.size();
            Fail("a text");
            return false;
        }
        t->assign(s, pos, static_cast<size_t>(n));
        if (t->find('\0') != std::string::npos) {
            Fail("a text with a zero in it");
            return false;
        }
        pos += static_cast<size_t>(n);
        return true;
    }
};

bool ReadState(const std::string &text, bool checked, char *why, size_t size)
{
    if (text.empty()) {
        std::snprintf(why, size, "the file is empty");
        return false;
    }
    TextReader head(text, 0, checked);
    long long version = 0;
    long long digest = 0;
    if (!head.HeaderLine("quorvane-save", &version, false)) {
        std::snprintf(why, size, "not a saved game");
        return false;
    }
    if (version > SAVE_VERSION) {
        std::snprintf(why, size, "a saved game of a newer version (%lld); this game reads version %d", version,
                      SAVE_VERSION);
        return false;
    }
    if (version < 1) {
        std::snprintf(why, size, "not a saved game (version %lld)", version);
        return false;
    }
    if (!head.HeaderLine("digest", &digest, true)) {
        std::snprintf(why, size, "%s", head.why);
        return false;
    }
    // The game itself follows the header; it is read in place.
    TextReader r(text, head.Position(), checked);
    WalkGame(r);
    // Version 1 kept no dice: such a game rolls on with the dice of this run.
    if (version >= 2)
        WalkDice(r);
    r.Finish();
    if (r.failed) {
        std::snprintf(why, size, "%s", r.why);
        return false;
    }
    if (checked && (version >= 2 ? DigestKeptGame() : DigestGame()) != static_cast<unsigned long long>(digest)) {
        std::snprintf(why, size, "its digest does not match the game it holds");
        return false;
    }
    char broken[160];
    if (checked && !CheckGame(broken, sizeof broken)) {
        std::snprintf(why, size, "the game it holds breaks a rule of the game: %s", broken);
        return false;
    }
    return true;
}

// ---- What the player is told ----

// The troubles with keeping the game, each told once: on stderr, in the message line
// when a game is being played, and on the title until it is over.
enum Trouble {
    TROUBLE_DISK_FULL,
    TROUBLE_READ_ONLY,
    TROUBLE_IN_THE_WAY,
    TROUBLE_OTHER,
    TROUBLE_PLAYED_ELSEWHERE,
    TROUBLE_UNREADABLE,
    TROUBLE_NOT_KEPT
};

// The failures to save told since the last save that worked (a bit for each Trouble).
unsigned told;
// What the title says about the kept game, empty when all is well.
char notice[120];

Trouble TroubleOf(int err)
{
    switch (err) {
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return TROUBLE_DISK_FULL;
    case EACCES:
    case EPERM:
    case EROFS:
        return TROUBLE_READ_ONLY;
    case EISDIR:
    case ENOTDIR:
    case ENOTEMPTY:
    case EEXIST:
        return TROUBLE_IN_THE_WAY;
    default:
        return TROUBLE_OTHER;
    }
}

// A failure to save, in the player's words, short enough for the message line (42
// characters): in the message line and on the title.
void ShowSaveFailure(Trouble trouble, int err)
{
    switch (trouble) {
    case TROUBLE_DISK_FULL: std::snprintf(notice, sizeof notice, "Game not saved: the disk is full."); break;
    case TROUBLE_READ_ONLY: std::snprintf(notice, sizeof notice, "Game not saved: the folder is read-only."); break;
    case TROUBLE_IN_THE_WAY: std::snprintf(notice, sizeof notice, "Game not saved: a folder is in its place."); break;
    default: std::snprintf(notice, sizeof notice, "Game not saved (%s).", std::strerror(err)); break;
    }
    if (played)
        AddHistory(notice);
}

void TellSaveFailure(const char *what, int err)
{
    const Trouble trouble = TroubleOf(err);
    if (told & (1u << trouble))
        return;
    told |= 1u << trouble;
    std::fprintf(stderr, "quorvane: %s: %s (%s); the game goes on\n", SAVE_FILE, what, std::strerror(err));
    ShowSaveFailure(trouble, err);
}

// A save that worked: every failure may be told again, and the title has nothing to say.
void ForgetSaveFailures()
{
    if (told != 0)
        notice[0] = '\0';
    told = 0;
}

// ---- The file ----

bool WriteAll(int fd, const std::string &text)
{
    size_t done_bytes = 0;
    while (done_bytes < text.size()) {
        ssize_t n = write(fd, text.data() + done_bytes, text.size() - done_bytes);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = ENOSPC;
            return false;
        }
        done_bytes += static_cast<size_t>(n);
    }
    return true;
}

// The text goes to a new file beside the save, is flushed to the disk, and only then
// takes the save's name: a crash or a full disk part way leaves the last save whole.
bool WriteFileSafely(const char *path, const std::string &text)
{
    char temp[64];
    std::snprintf(temp, sizeof temp, "%s.XXXXXX", path);
    int fd = mkstemp(temp);
    if (fd < 0) {
        TellSaveFailure("the game could not be saved", errno);
        return false;
    }
    bool ok = WriteAll(fd, text) && fsync(fd) == 0;
    int err = errno;
    if (close(fd) != 0 && ok) {
        ok = false;
        err = errno;
    }
    if (ok && rename(temp, path) != 0) {
        ok = false;
        err = errno;
    }
    if (!ok) {
        unlink(temp);
        TellSaveFailure("the game could not be saved, the last save is kept", err);
        return false;
    }
    // The new name itself reaches the disk.
    int dir = open(".", O_RDONLY | O_DIRECTORY);
    if (dir >= 0) {
        fsync(dir);
        close(dir);
    }
    ForgetSaveFailures();
    return true;
}

// A name a save being written had (quorvane.sav.XXXXXX, as mkstemp makes it), not one
// of the files set aside (quorvane.sav.bad, .bad1, ...).
bool IsSaveDebris(const char *name)
{
    const size_t n = std::strlen(SAVE_FILE);
    if (std::strncmp(name, SAVE_FILE, n) != 0 || name[n] != '.')
        return false;
    const char *tail = name + n + 1;
    if (std::strlen(tail) != 6)
        return false;
    for (const char *p = tail; *p; p++)
        if (!std::isalnum(static_cast<unsigned char>(*p)))
            return false;
    if (std::strncmp(tail, "bad", 3) == 0 && std::isdigit(static_cast<unsigned char>(tail[3])) &&
        std::isdigit(static_cast<unsigned char>(tail[4])) && std::isdigit(static_cast<unsigned char>(tail[5])))
        return false;
    return true;
}

// The saves a kill or a power cut interrupted are of no use: each left a file behind.
// Only the copy of the game that holds the folder clears them.
void ClearSaveDebris()
{
    DIR *dir = opendir(".");
    if (!dir)
        return;
    while (struct dirent *e = readdir(dir)) {
        struct stat st;
        if (IsSaveDebris(e->d_name) && lstat(e->d_name, &st) == 0 && S_ISREG(st.st_mode))
            unlink(e->d_name);
    }
    closedir(dir);
}

// Moves a file that is not a usable save out of the way, never over one moved before.
// Leaves the new name in aside; false when it could not be moved.
bool MoveAside(const char *path, char *aside, size_t size)
{
    for (int n = 0; n < 1000; n++) {
        if (n == 0)
            std::snprintf(aside, size, "%s.bad", path);
        else
            std::snprintf(aside, size, "%s.bad%d", path, n);
        if (link(path, aside) == 0)
            return unlink(path) == 0 || errno == ENOENT;
        if (errno == EEXIST)
            continue;
        // A file system without links: a rename, once the name is known to be free.
        struct stat st;
        if (lstat(aside, &st) == 0)
            continue;
        return rename(path, aside) == 0;
    }
    errno = EEXIST;
    return false;
}

} // namespace

bool ReadAll(int fd, std::string *text)
{
    char buf[65536];
    for (;;) {
        ssize_t n = read(fd, buf, sizeof buf);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        if (n == 0)
            return true;
        text->append(buf, static_cast<size_t>(n));
        if (static_cast<long>(text->size()) > MAX_SAVE_BYTES) {
            errno = EFBIG;
            return false;
        }
    }
}

namespace {

// A file that cannot be resumed: one line, and the file out of the way.
void SetAside(const char *why)
{
    char aside[96];
    if (MoveAside(SAVE_FILE, aside, sizeof aside))
        std::fprintf(stderr, "quorvane: %s: %s; moved aside to %s, a new game can be started\n", SAVE_FILE, why,
                     aside);
    else
        std::fprintf(stderr, "quorvane: %s: %s; it could not be moved aside (%s) and is left as it is\n", SAVE_FILE,
                     why, std::strerror(errno));
    NotePlayerFileChanged();
}

// This run keeps nothing: the title says why, once.
void KeepNothing(Trouble trouble, const char *text)
{
    keep_games = false;
    told |= 1u << trouble;
    std::snprintf(notice, sizeof notice, "%s", text);
}

} // namespace

std::string WriteGameText()
{
    return WriteState(true);
}

bool ReadGameText(const std::string &text, char *why, size_t size)
{
    // The game as it was, to come back to when the text is refused part way.
    const std::string before = WriteState(false);
    if (ReadState(text, true, why, size))
        return true;
    char unused[200];
    ReadState(before, false, unused, sizeof unused);
    return false;
}

bool KeepGame()
{
    if (!keep_games || !played || player.chp < 0)
        return false;
    const bool kept = WriteFileSafely(SAVE_FILE, WriteGameText());
    NotePlayerFileChanged();
    return kept;
}

void ResumeSavedGame()
{
    // A start: nothing has been told yet.
    told = 0;
    notice[0] = '\0';
    if (!keep_games)
        return;
    const char *keep = std::getenv("QUORVANE_KEEP");
    if (keep && std::strcmp(keep, "0") == 0) {
        KeepNothing(TROUBLE_NOT_KEPT, "This game is not kept: there is no folder to keep it in.");
        return;
    }
    // One game per folder: a second copy started here plays, but keeps nothing.
    if (!LockPlayerFolder()) {
        std::fprintf(stderr, "quorvane: the game is already being played in this folder; this copy keeps nothing\n");
        KeepNothing(TROUBLE_PLAYED_ELSEWHERE, "The game is already being played in another window: nothing is kept here.");
        return;
    }
    ClearSaveDebris();
    // Opened without waiting on anything that is not a file (a named pipe), then looked at.
    int fd = open(SAVE_FILE, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        const int err = errno;
        if (err == ENOENT)
            return;
        if (err == EACCES || err == EPERM) {
            // The player's game is there, only not theirs to read (a sudo run made it):
            // it stays where it is, and nothing is written over it.
            std::fprintf(stderr, "quorvane: %s: the saved game cannot be read (%s); it is left as it is and nothing is kept until it can be read\n",
                         SAVE_FILE, std::strerror(err));
            KeepNothing(TROUBLE_UNREADABLE, "Your saved game cannot be read (no permission): nothing is kept.");
            return;
        }
        char reason[120];
        std::snprintf(reason, sizeof reason, "the saved game cannot be read (%s)", std::strerror(err));
        SetAside(reason);
        return;
    }
    struct stat st;
    const bool known = fstat(fd, &st) == 0;
    if (!known || !S_ISREG(st.st_mode)) {
        const bool folder = known && S_ISDIR(st.st_mode);
        close(fd);
        if (folder) {
            std::fprintf(stderr, "quorvane: %s: a folder stands where the saved game goes; no game can be kept until it is moved\n",
                         SAVE_FILE);
            told |= 1u << TROUBLE_IN_THE_WAY;
            ShowSaveFailure(TROUBLE_IN_THE_WAY, EISDIR);
        } else {
            SetAside("not a file");
        }
        return;
    }
    std::string text;
    char why[200];
    const bool read = ReadAll(fd, &text);
    const int err = errno;
    close(fd);
    if (!read) {
        char reason[120];
        std::snprintf(reason, sizeof reason, "the saved game cannot be read (%s)", std::strerror(err));
        SetAside(reason);
        return;
    }
    if (!ReadGameText(text, why, sizeof why)) {
        SetAside(why);
        return;
    }
    std::printf("Loading saved game...\n");
    played = true;
    selectmenu = 0;
    ForgetGround();
}

const char *KeepNotice()
{
    return notice[0] ? notice : nullptr;
}

void ForgetSavedGame()
{
    if (keep_games && unlink(SAVE_FILE) != 0 && errno != ENOENT && errno != EISDIR)
        std::fprintf(stderr, "quorvane: %s: the dead hero's save could not be removed (%s)\n", SAVE_FILE,
                     std::strerror(errno));
    NotePlayerFileChanged();
}

bool CheckKeptGame(char *why, size_t size)
{
    const unsigned long long digest = DigestGame();
    const int was_done = done;
    const int was_mode = mode;
    const std::string text = WriteGameText();
    const bool ok = ReadGameText(text, why, size);
    done = was_done;
    mode = was_mode;
    if (ok && DigestGame() != digest) {
        std::snprintf(why, size, "the game read back differs from the game written");
        return false;
    }
    return ok;
}
