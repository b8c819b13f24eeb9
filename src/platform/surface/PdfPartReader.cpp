#include "platform/surface/PdfPartReader.h"

#include <algorithm>
#include <charconv>
#include <cstring>

namespace kyt
{

namespace
{

using Unsupported = PdfPartReader::Unsupported;

constexpr int MostNesting = 64; // dictionaries and arrays in one another
constexpr int MostTreeDepth = 32; // page tree levels
constexpr int MostObjects = 4'000'000;

bool isSpace(char c)
{
    return c == ' ' || c == '\n' || c == '\r' || c == '\t' || c == '\f' || c == '\0';
}

bool isDelimiter(char c)
{
    return std::strchr("()<>[]{}/%", c) != nullptr && c != '\0';
}

// One token of the syntax. Strings, names and numbers are whole tokens;
// "<<", ">>", "[", "]" stand alone.
struct Token {
    enum Kind { End, Open, Close, OpenArray, CloseArray, Name, String, Word } kind = End;
    size_t begin = 0, end = 0;
};

class Lexer
{
public:
    Lexer(std::string_view text, size_t pos = 0)
        : m_text(text)
        , m_pos(pos)
    {
    }
    size_t pos() const { return m_pos; }

    Token next()
    {
        skipSpace();
        Token t;
        t.begin = m_pos;
        if (m_pos >= m_text.size()) {
            t.end = m_pos;
            return t;
        }
        const char c = m_text[m_pos];
        if (c == '<' && at(1) == '<') {
            m_pos += 2;
            t.kind = Token::Open;
        } else if (c == '>' && at(1) == '>') {
            m_pos += 2;
            t.kind = Token::Close;
        } else if (c == '[') {
            ++m_pos;
            t.kind = Token::OpenArray;
        } else if (c == ']') {
            ++m_pos;
            t.kind = Token::CloseArray;
        } else if (c == '(') {
            literalString();
            t.kind = Token::String;
        } else if (c == '<') {
            const size_t close = m_text.find('>', m_pos);
            if (close == std::string_view::npos)
                throw Unsupported("an unterminated hex string");
            m_pos = close + 1;
            t.kind = Token::String;
        } else if (c == '/') {
            ++m_pos;
            while (m_pos < m_text.size() && !isSpace(m_text[m_pos]) && !isDelimiter(m_text[m_pos]))
                ++m_pos;
            t.kind = Token::Name;
        } else if (c == ')' || c == '>' || c == '{' || c == '}') {
            throw Unsupported("an unexpected delimiter");
        } else {
            while (m_pos < m_text.size() && !isSpace(m_text[m_pos]) && !isDelimiter(m_text[m_pos]))
                ++m_pos;
            t.kind = Token::Word;
        }
        t.end = m_pos;
        return t;
    }

    std::string_view text(const Token& t) const { return m_text.substr(t.begin, t.end - t.begin); }

private:
    char at(size_t ahead) const { return m_pos + ahead < m_text.size() ? m_text[m_pos + ahead] : '\0'; }

    void skipSpace()
    {
        while (m_pos < m_text.size()) {
            if (isSpace(m_text[m_pos])) {
                ++m_pos;
            } else if (m_text[m_pos] == '%') {
                while (m_pos < m_text.size() && m_text[m_pos] != '\n' && m_text[m_pos] != '\r')
                    ++m_pos;
            } else {
                break;
            }
        }
    }

    void literalString()
    {
        int depth = 0;
        for (; m_pos < m_text.size(); ++m_pos) {
            const char c = m_text[m_pos];
            if (c == '\\') {
                ++m_pos; // the escaped character, whatever it is
            } else if (c == '(') {
                ++depth;
            } else if (c == ')' && --depth == 0) {
                ++m_pos;
                return;
            }
        }
        throw Unsupported("an unterminated string");
    }

    std::string_view m_text;
    size_t m_pos;
};

bool toInt(std::string_view s, long long* out)
{
    if (s.empty())
        return false;
    const char* first = s.data() + (s.front() == '+' ? 1 : 0);
    const auto [end, error] = std::from_chars(first, s.data() + s.size(), *out);
    return error == std::errc() && end == s.data() + s.size();
}

// Every reference ("N G R") in text, strings and names passed over.
std::vector<PdfPartReader::Reference> referencesIn(std::string_view text)
{
    std::vector<PdfPartReader::Reference> out;
    Lexer lex(text);
    Token w[3]; // the last three tokens
    int depth = 0;
    for (Token t = lex.next(); t.kind != Token::End; t = lex.next()) {
        if (t.kind == Token::Open || t.kind == Token::OpenArray) {
            if (++depth > MostNesting)
                throw Unsupported("objects nested too deep");
        } else if (t.kind == Token::Close || t.kind == Token::CloseArray) {
            --depth;
        }
        w[0] = w[1];
        w[1] = w[2];
        w[2] = t;
        long long n = 0, g = 0;
        if (t.kind == Token::Word && lex.text(t) == "R" && w[0].kind == Token::Word && w[1].kind == Token::Word
            && toInt(lex.text(w[0]), &n) && toInt(lex.text(w[1]), &g)) {
            if (n < 1 || n >= MostObjects || g != 0)
                throw Unsupported("a reference the part cannot hold");
            out.push_back({ w[0].begin, t.end, int(n) });
            w[2] = Token(); // "1 0 R 0 R" is not two references
        }
    }
    if (depth != 0)
        throw Unsupported("unbalanced brackets");
    return out;
}

// The object a value refers to ("12 0 R"), or 0.
int referenced(std::string_view value)
{
    const std::vector<PdfPartReader::Reference> refs = referencesIn(value);
    return refs.size() == 1 && refs[0].begin == 0 && refs[0].end == value.size() ? refs[0].number : 0;
}

} // namespace

PdfPartReader::PdfPartReader(std::string_view bytes)
    : m_bytes(bytes)
{
    const std::string_view all(m_bytes);
    if (all.substr(0, 5) != "%PDF-")
        throw Unsupported("not a PDF file");
    m_version = std::string(all.substr(5, all.find_first_of("\r\n", 5) - 5));
    // The last cross-reference table, as "startxref" names it.
    const size_t start = all.rfind("startxref");
    if (start == std::string_view::npos)
        throw Unsupported("no startxref");
    Lexer tail(all, start + 9);
    long long xref = 0;
    const Token at = tail.next();
    if (!toInt(tail.text(at), &xref) || xref <= 0 || size_t(xref) >= all.size())
        throw Unsupported("a bad startxref");
    Lexer lex(all, size_t(xref));
    if (lex.text(lex.next()) != "xref")
        throw Unsupported("no cross-reference table (a stream)");
    for (;;) {
        const Token first = lex.next();
        if (lex.text(first) == "trailer")
            break;
        long long from = 0, count = 0;
        if (!toInt(lex.text(first), &from) || !toInt(lex.text(lex.next()), &count) || from < 0 || count < 0
            || from + count > MostObjects)
            throw Unsupported("a bad cross-reference section");
        if (m_offsets.size() < size_t(from + count))
            m_offsets.resize(size_t(from + count), 0);
        for (long long i = 0; i < count; ++i) {
            long long offset = 0, generation = 0;
            const bool ok = toInt(lex.text(lex.next()), &offset) && toInt(lex.text(lex.next()), &generation);
            const std::string_view kind = lex.text(lex.next());
            if (!ok || (kind != "n" && kind != "f") || offset < 0 || size_t(offset) >= all.size())
                throw Unsupported("a bad cross-reference entry");
            m_offsets[size_t(from + i)] = kind == "n" && generation == 0 ? size_t(offset) : 0;
        }
    }
    // The trailer's dictionary runs to its closing ">>".
    const size_t trailer = lex.pos();
    const size_t end = all.find("startxref", trailer);
    const std::string_view dict = all.substr(trailer, end - trailer);
    m_catalog = referenced(value(dict, "/Root"));
    m_info = referenced(value(dict, "/Info"));
    if (m_catalog == 0)
        throw Unsupported("no catalog");
    const Object catalog = object(m_catalog);
    m_metadata = referenced(value(catalog.text, "/Metadata"));

    // The pages in order, from the page tree; what a page could inherit
    // from the tree is not expected (the join does not copy the tree).
    std::vector<std::pair<int, int>> todo { { referenced(value(catalog.text, "/Pages")), 0 } };
    while (!todo.empty()) {
        const auto [n, depth] = todo.back();
        todo.pop_back();
        if (n == 0 || depth > MostTreeDepth)
            throw Unsupported("a bad page tree");
        const Object node = object(n);
        const std::string_view type = value(node.text, "/Type");
        if (type == "/Page") {
            m_pages.push_back(n);
            continue;
        }
        if (type != "/Pages")
            throw Unsupported("a page tree node of another type");
        for (const char* inherited : { "/Resources", "/MediaBox", "/CropBox", "/Rotate" })
            if (!value(node.text, inherited).empty())
                throw Unsupported("pages inherit from the page tree");
        m_pageTree.push_back(n);
        const std::vector<Reference> kids = referencesIn(value(node.text, "/Kids"));
        for (auto it = kids.rbegin(); it != kids.rend(); ++it)
            todo.push_back({ it->number, depth + 1 });
        if (m_pages.size() + todo.size() > size_t(MostObjects))
            throw Unsupported("a bad page tree");
    }
    if (m_pages.empty())
        throw Unsupported("no pages");
}

bool PdfPartReader::isPageTree(int number) const
{
    return std::find(m_pageTree.begin(), m_pageTree.end(), number) != m_pageTree.end();
}

std::string_view PdfPartReader::objectText(int number, size_t* after) const
{
    if (number < 1 || size_t(number) >= m_offsets.size() || m_offsets[size_t(number)] == 0)
        throw Unsupported("a reference to no object");
    const std::string_view all(m_bytes);
    Lexer lex(all, m_offsets[size_t(number)]);
    long long n = 0, g = 0;
    if (!toInt(lex.text(lex.next()), &n) || n != number || !toInt(lex.text(lex.next()), &g) || g != 0
        || lex.text(lex.next()) != "obj")
        throw Unsupported("an object not where the table says");
    const size_t begin = lex.pos();
    // To the "endobj" or "stream" keyword outside strings and brackets.
    int depth = 0;
    for (Token t = lex.next();; t = lex.next()) {
        if (t.kind == Token::End)
            throw Unsupported("an unterminated object");
        if (t.kind == Token::Open || t.kind == Token::OpenArray)
            ++depth;
        else if (t.kind == Token::Close || t.kind == Token::CloseArray)
            --depth;
        if (depth > MostNesting || depth < 0)
            throw Unsupported("unbalanced brackets");
        if (depth == 0 && t.kind == Token::Word && (lex.text(t) == "endobj" || lex.text(t) == "stream")) {
            *after = t.begin;
            return all.substr(begin, t.begin - begin);
        }
    }
}

PdfPartReader::Object PdfPartReader::object(int number) const
{
    Object o;
    o.number = number;
    size_t keyword = 0;
    o.text = objectText(number, &keyword);
    // Trailing blanks belong to the layout, not the value.
    while (!o.text.empty() && isSpace(o.text.back()))
        o.text.remove_suffix(1);
    while (!o.text.empty() && isSpace(o.text.front()))
        o.text.remove_prefix(1);
    o.references = referencesIn(o.text);
    const std::string_view all(m_bytes);
    if (all.substr(keyword, 6) == "stream") {
        size_t data = keyword + 6;
        if (all.substr(data, 2) == "\r\n")
            data += 2;
        else if (data < all.size() && all[data] == '\n')
            ++data;
        else
            throw Unsupported("a stream without its line end");
        const long long length = integer(value(o.text, "/Length"));
        if (length < 0 || size_t(length) > all.size() - data)
            throw Unsupported("a stream longer than the part");
        Lexer after(all, data + size_t(length));
        if (after.text(after.next()) != "endstream")
            throw Unsupported("a stream whose length is not its /Length");
        o.stream = all.substr(data, size_t(length));
        o.isStream = true;
    }
    return o;
}

std::string_view PdfPartReader::value(std::string_view text, std::string_view key)
{
    Lexer lex(text);
    if (lex.next().kind != Token::Open)
        return {};
    for (;;) {
        const Token k = lex.next();
        if (k.kind != Token::Name)
            return {};
        // The value: one token, a reference or a bracketed whole.
        const Token first = lex.next();
        size_t end = first.end;
        if (first.kind == Token::Open || first.kind == Token::OpenArray) {
            int depth = 1;
            while (depth > 0) {
                const Token t = lex.next();
                if (t.kind == Token::End || depth > MostNesting)
                    throw Unsupported("an unterminated dictionary");
                if (t.kind == Token::Open || t.kind == Token::OpenArray)
                    ++depth;
                else if (t.kind == Token::Close || t.kind == Token::CloseArray)
                    --depth;
                end = t.end;
            }
        } else if (first.kind == Token::Word) {
            // "N G R" is one value.
            Lexer ahead(text, first.end);
            const Token g = ahead.next(), r = ahead.next();
            long long a = 0, b = 0;
            if (g.kind == Token::Word && r.kind == Token::Word && ahead.text(r) == "R" && toInt(lex.text(first), &a)
                && toInt(ahead.text(g), &b)) {
                end = r.end;
                lex = Lexer(text, end);
            }
        } else if (first.kind != Token::Name && first.kind != Token::String) {
            return {};
        }
        if (lex.text(k) == key)
            return text.substr(first.begin, end - first.begin);
    }
}

long long PdfPartReader::integer(std::string_view v) const
{
    long long n = 0;
    if (toInt(v, &n))
        return n;
    if (const int ref = referenced(v)) {
        size_t after = 0;
        std::string_view text = objectText(ref, &after);
        while (!text.empty() && isSpace(text.back()))
            text.remove_suffix(1);
        while (!text.empty() && isSpace(text.front()))
            text.remove_prefix(1);
        if (toInt(text, &n))
            return n;
    }
    throw Unsupported("an integer was expected");
}

} // namespace kyt
