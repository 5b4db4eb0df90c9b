#ifndef FRELMORY_CORE_CMDLINEPARSER_H
#define FRELMORY_CORE_CMDLINEPARSER_H

#include <cstring>
#include <list>
#include <sstream>
#include <string>
#include <type_traits>
#include <vector>

namespace Util {

// Runs a table of command-line flags over the program's arguments for an owner
// of type T. Each handler pulls its flag's values with getNext(); the tokens no
// handler consumed are written back into the caller's count and vector, so
// several tables can run one after another over what the previous one left.
template <class T>
class CmdLineParser {
public:
    // 0 when the flag and its values were accepted, anything else when not.
    typedef int (T::*Handler)(CmdLineParser<T>* parser);

    // One table entry; a table ends with an entry whose flag is null.
    struct Flag {
        const char* flag;
        Handler handler;
    };

    CmdLineParser() : m_tokens(nullptr), m_pos() {}
    virtual ~CmdLineParser() {}

    // Handles the first occurrence of each flag, in table order. Returns 0 when
    // every handler that ran accepted its flag; the leftovers then replace the
    // arguments (followed by a null pointer). Otherwise returns the first
    // failing result and leaves the arguments as they were.
    int parse(T& owner, const Flag* table, int* argc, char** argv) {
        std::list<char*> tokens;
        int count = (argc && argv) ? *argc : 0;
        for (int i = 0; i < count; ++i)
            tokens.push_back(argv[i]);
        m_tokens = &tokens;

        int result = 0;
        for (const Flag* entry = table; entry && entry->flag && result == 0; ++entry)
            result = runEntry(owner, *entry);

        if (result == 0 && argc && argv) {
            int left = 0;
            for (char* token : tokens)
                argv[left++] = token;
            argv[left] = nullptr;
            *argc = left;
        }
        m_tokens = nullptr;
        return result;
    }

    // Takes up to count tokens after the flag being handled, converting each to
    // U (a whole token's first word for text, its leading number for numbers;
    // a token that is not a number gives 0). Consumed tokens leave the list.
    // True when count tokens were there.
    template <class U>
    bool getNext(std::vector<U>& values, int count) {
        for (; count > 0; --count) {
            if (!m_tokens || m_pos == m_tokens->end())
                return false;
            values.push_back(convert<U>(*m_pos));
            m_pos = m_tokens->erase(m_pos);
        }
        return true;
    }

    // Takes the next token whole, blanks included (a file name is one
    // argument, whatever it holds). False when no token was left.
    bool getNextToken(std::string& token) {
        if (!m_tokens || m_pos == m_tokens->end())
            return false;
        token = *m_pos ? *m_pos : "";
        m_pos = m_tokens->erase(m_pos);
        return true;
    }

private:
    int runEntry(T& owner, const Flag& entry) {
        for (std::list<char*>::iterator it = m_tokens->begin(); it != m_tokens->end(); ++it) {
            if (*it && std::strcmp(*it, entry.flag) == 0) {
                m_pos = m_tokens->erase(it);
                return entry.handler ? (owner.*entry.handler)(this) : 0;
            }
        }
        return 0;
    }

    template <class U>
    static U convert(const char* token) {
        std::istringstream in(token ? token : "");
        U value = U();
        if (!(in >> value))
            value = U();
        return value;
    }

    std::list<char*>* m_tokens; // the running parse's tokens; null between parses
    std::list<char*>::iterator m_pos;
};

} // namespace Util

#endif
