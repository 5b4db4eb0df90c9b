#ifndef FRELMORY_CORE_INFO_H
#define FRELMORY_CORE_INFO_H

#include <string>
#include <vector>

namespace CFG {

// The separator of a key line.
inline constexpr const char* KEY_VALUE_SEPARATOR = "==";

// One configuration: key/value entries read from text files (each followed by
// its ".MOD" overlay chain), answered as strings, "" for a missing key.
//
// File syntax, one line at a time, each trimmed of " \t\n\r" (empty lines are
// dropped before parsing):
//   # comment                 a line whose first character is '#'
//   KEY == value              a plain entry; a later definition replaces an
//                             earlier one. A value opened with '"' and not
//                             closed continues over the following lines (a
//                             trailing '\' joins lines without a newline); all
//                             '"' at the value's start and end are removed.
//   NAME ?? SELKEY            a selector block up to the line "SELKEY": NAME
//                             answers the block's entry named by the answer for
//                             SELKEY. Blocks nest; an unclosed block takes the
//                             rest of the file.
//   END_OF_CFG_RESOURCES      ends the file at the top level.
// Inside a value, ::NAME:: is replaced by the answer for NAME when NAME holds
// no white space; a reference that leads back to a key being answered gives "".
//
// A plain entry that this configuration defines answers its parent's value
// first, when that is not empty; a key this configuration does not define is
// never asked of the parent.
class Info {
public:
    // An empty configuration over the parent (null for none, not owned).
    explicit Info(Info* parent);
    // The same, then addConfig(fileName); a file that is missing, empty or
    // fails to parse leaves the configuration empty.
    Info(const std::string& fileName, Info* parent);
    virtual ~Info();

    Info(const Info&) = delete;
    Info& operator=(const Info&) = delete;

    // Deletes every entry; the parent stays.
    virtual void reset();

    // Reads the file, then fileName + ".MOD", fileName + ".MOD.MOD", ... up to
    // the first missing or empty one; entries of the same names are replaced.
    // False when the file is missing or empty (nothing changes then), or when
    // a quoted value is still open at its last line (what was read before it
    // stays and the overlays are still read). The overlays never change the
    // result.
    virtual bool addConfig(const std::string& fileName);

    // With quiet on, later reads say nothing about the damage they meet (for
    // a second reader of a file whose first reader reports it); off at first.
    void setQuiet(bool quiet);

    // Parses the single line "key == value" as a file line would be.
    virtual bool add(const std::string& key, const std::string& value);

    // The answer for the key, with the parent's value and the references
    // applied; "" when the key is missing.
    virtual std::string get(const std::string& key) const;

    // Replaces the contents of names with the top-level entry names, in
    // ascending byte order.
    virtual void keys(std::vector<std::string>& names) const;

private:
    class Impl;
    Impl* m_impl;
};

} // namespace CFG

#endif
