#ifndef FRELMORY_CORE_SPURT_H
#define FRELMORY_CORE_SPURT_H

#include <string>

#include "core/I_Random.h"
#include "core/NamePtrStore.h"
#include "core/RuleDefinition.h"

namespace Stuff {

// Turns a file of named phrase rules into random text. Expanding a rule picks
// one of its entries by weight and copies its text, expanding references to
// other rules ("\name", "\name/letter", "\name/&") and keeping, in each group
// "{a|b|c}", the alternative chosen by the variant letter.
class Spurt {
public:
    // The rule set: rule names to owned definitions.
    class RuleSet : public Util::NamePtrStore<RuleDefinition> {
    public:
        RuleSet();
    };

    // Deepest chain of references one expansion follows, and the most
    // references it expands in all; a rule file whose rules refer to each
    // other without end fails the expansion instead of running away.
    static const int k_maxDepth = 64;
    static const long k_maxReferences = 10000;
    // A phrase longer than this (bytes) fails its expansion.
    static const std::size_t k_maxPhraseLength = 65536;

    // Uses the given source (not owned) or, when null, a shared generator
    // over the C library seeded with the time.
    explicit Spurt(RNG::I_Random* random);
    virtual ~Spurt();

    // Adds the rules of the file to the set (rules already there stay, and a
    // repeated name keeps its first rule). On failure the error text is
    // replaced by one message and false is returned; rules read before the
    // fault stay in the set.
    virtual bool parse(const std::string& fileName, std::string& error);

    // Appends one expansion of the named rule, with the blank variant.
    virtual bool get(std::string& out, const std::string& rule) const;

    // Appends one expansion of the reference ("name" or "name/option") with
    // the given variant letter. On failure what was appended stays.
    virtual bool expand(std::string& out, const std::string& reference, char letter) const;

private:
    struct Budget;

    Spurt(const Spurt&) = delete;
    Spurt& operator=(const Spurt&) = delete;

    bool expandReference(std::string& out, const std::string& reference, char letter, Budget& budget) const;
    const RuleEntry* pickEntry(const RuleDefinition& rule) const;
    bool copyText(std::string& out, const std::string& text, std::string::size_type variant, char letter,
                  Budget& budget) const;

    RuleSet* m_rules;        // owned
    RNG::I_Random* m_random; // not owned
};

} // namespace Stuff

#endif
