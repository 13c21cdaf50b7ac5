#pragma once

#include <utility>

// One instance of `Interface` for the whole program: a `Default` made on first use, unless a
// replacement is in place (tests put scripted ones there).
template <typename Interface, typename Default>
class ReplaceableSingleton
{
public:
    static Interface &current()
    {
        static Default fallback;
        Interface *replacement = slot();
        return replacement ? *replacement : fallback;
    }

    // Puts `replacement` in place (null: the default) and answers the one it replaces.
    static Interface *replace(Interface *replacement) { return std::exchange(slot(), replacement); }

private:
    static Interface *&slot()
    {
        static Interface *replacement = nullptr;
        return replacement;
    }
};
