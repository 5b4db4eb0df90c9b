#ifndef FRELMORY_CORE_TEXTFILE_H
#define FRELMORY_CORE_TEXTFILE_H

#include <string>
#include <vector>

namespace Files {

// Whole-file text input and output. A line ends at '\n'; a '\r' right before
// the '\n' belongs to the line end, so CR-LF files read like LF files. A last
// line without a final newline is a line like the others.
class TextFile
{
public:
    TextFile() = delete;

    // What a read found.
    enum Outcome {
        READ,        // the file's text was appended
        MISSING,     // nothing at that path (or the path is empty)
        EMPTY,       // a regular file of no bytes
        REFUSED,     // the FileLimit gate turned it away, with its message
        UNREADABLE   // there, but it does not open or read (no permission, an I/O error)
    };

    // The load below, telling why nothing was read; on UNREADABLE, why holds
    // the system's reason ("Permission denied").
    static Outcome read(const std::string& fileName, std::string& out, const char* lineEnd, std::string& why);

    // Appends every line of the file to out (which is not cleared): a non-empty
    // line followed by lineEnd, an empty line by "\n". False, with out
    // untouched, when the file is missing, unreadable or empty, or when the
    // FileLimit gate turns it away (with a message naming it).
    static bool load(const std::string& fileName, std::string& out, const char* lineEnd);

    // The same, and lastLineOpen tells whether the file's last byte is
    // something other than a line end (see reportCutShort), from the same
    // read; false when the load fails.
    static bool load(const std::string& fileName, std::string& out, const char* lineEnd, bool& lastLineOpen);

    // Replaces the file with the lines, each followed by a newline, whole or
    // not at all: the text goes to a new file in the same folder, which is
    // synced to disk and then renamed over the old one, so a crash or a kill
    // leaves either the old or the new contents. False when any step fails
    // (no folder, not writable, disk full, a folder of that name); the old
    // file then stays as it was and no new file is left behind. Temporary
    // files of this name that a killed save left, untouched for ten
    // minutes, are removed first.
    static bool save(const std::string& fileName, const std::vector<std::string>& lines);

    // Replaces the file with the text followed by one newline.
    static bool save(const std::string& fileName, const std::string& text);

    // Why the file holds no text to read, as words that name it: it is
    // missing, empty, refused by the FileLimit gate or does not read (with
    // the system's reason); "" when it holds text.
    static std::string whyUnusable(const std::string& fileName);

    // When the file's last byte is something other than a line end, says so
    // on the error stream, naming the file after what (for instance "The
    // phrase rules"), and answers true: a file cut short by a failed copy or
    // download almost always stops inside a line. False for a whole, missing
    // or empty file.
    static bool reportCutShort(const std::string& fileName, const std::string& what);

    // The message reportCutShort gives, for a reader that already knows the
    // last line is open.
    static void warnCutShort(const std::string& fileName, const std::string& what);

    // Writes every byte to the open descriptor, going on after short writes
    // and interruptions. False when a write fails.
    static bool writeAll(int fd, const void* bytes, std::size_t size);
};

} // namespace Files

#endif
