#include "mesh/qzParser.h"

#include <algorithm>
#include <cstring>
#include <iterator>
#include <stdexcept>

namespace misc
{
namespace
{
// Character classes, as bits: a character may be both.
enum : unsigned char
{
    kDelimiter = 1,
    kQuote = 2
};
} // namespace

qzStringTokenizer::qzStringTokenizer() : m_delimiters(" "), m_nbSigns("\"")
{
    Classify();
}

qzStringTokenizer::qzStringTokenizer(const std::string& delimiters, const std::string& nbSigns)
    : m_delimiters(delimiters), m_nbSigns(nbSigns)
{
    Classify();
}

void qzStringTokenizer::SetDelimiters(const std::string& delimiters)
{
    m_delimiters = delimiters;
    Classify();
}

void qzStringTokenizer::SetNBSigns(const std::string& nbSigns)
{
    m_nbSigns = nbSigns;
    Classify();
}

void qzStringTokenizer::Classify()
{
    std::fill(std::begin(m_class), std::end(m_class), static_cast<unsigned char>(0));
    for (char c : m_delimiters)
        m_class[static_cast<unsigned char>(c)] |= kDelimiter;
    for (char c : m_nbSigns)
        m_class[static_cast<unsigned char>(c)] |= kQuote;
}

void qzStringTokenizer::Parse(const std::string& text)
{
    // Words go into strings kept from earlier lines, so parsing many short lines allocates
    // nothing once the vector has grown; runs of word characters are appended at once.
    std::vector<std::string>& tokens = m_tokens;
    std::size_t used = 0;
    // The usual case, one delimiter and no quote sign in the text: words are the runs between
    // delimiters, found with memchr.
    if (m_delimiters.size() == 1 && std::none_of(m_nbSigns.begin(), m_nbSigns.end(), [&text](char sign) {
            return text.find(sign) != std::string::npos;
        }))
    {
        const char delimiter = m_delimiters[0];
        const char* c = text.data();
        const char* const end = c + text.size();
        while (c != end)
        {
            const void* found = std::memchr(c, delimiter, static_cast<std::size_t>(end - c));
            const char* stop = found ? static_cast<const char*>(found) : end;
            if (stop != c)
            {
                if (used == tokens.size())
                    tokens.emplace_back();
                std::string& word = tokens[used++];
                word.clear();
                word.append(c, static_cast<std::size_t>(stop - c));
            }
            c = stop == end ? end : stop + 1;
        }
        tokens.resize(used);
        return;
    }
    bool quoted = false;
    bool inWord = false;
    const char* c = text.data();
    const char* const end = c + text.size();
    // A delimiter splits unless quoted; otherwise a quote sign toggles quoting; anything else
    // belongs to the word.
    const auto splits = [&](unsigned char kind) { return (kind & kDelimiter) && !quoted; };
    while (c != end)
    {
        const unsigned char kind = m_class[static_cast<unsigned char>(*c)];
        if (splits(kind))
        {
            inWord = false;
            ++c;
            continue;
        }
        if (kind & kQuote)
        {
            quoted = !quoted;
            ++c;
            continue;
        }
        const char* run = c;
        // Quoted, only a quote sign ends the run; otherwise a delimiter does too.
        const unsigned char stop = quoted ? kQuote : (kQuote | kDelimiter);
        while (c != end && !(m_class[static_cast<unsigned char>(*c)] & stop))
            ++c;
        if (!inWord)
        {
            if (used == tokens.size())
                tokens.emplace_back();
            std::string& word = tokens[used++];
            word.clear();
            word.append(run, static_cast<std::size_t>(c - run));
            inWord = true;
        }
        else
            tokens[used - 1].append(run, static_cast<std::size_t>(c - run));
    }
    tokens.resize(used);
}

const std::string& qzStringTokenizer::operator[](unsigned long index) const
{
    if (index >= m_tokens.size())
        throw std::out_of_range("invalid vector<T> subscript");
    return m_tokens[index];
}
} // namespace misc
