#pragma once
// A PDF part as our own drawing writes it (one cross-reference table, no
// object streams), read without building an object model: the objects are
// found through the table and copied as bytes, only their references
// rewritten. What this reader does not expect it refuses with Unsupported
// before anything is written, and the join reads that part with qpdf.

#include "kyt/kytcore_export.h"
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace kyt
{

class KYTCORE_PRIVATE_EXPORT PdfPartReader
{
public:
    struct Unsupported : std::runtime_error {
        using std::runtime_error::runtime_error;
    };
    // A reference in an object's text: where "N G R" stands and N.
    struct Reference {
        size_t begin = 0, end = 0;
        int number = 0;
    };
    struct Object {
        int number = 0;
        std::string_view text; // the dictionary, array or value
        std::string_view stream; // the stream's bytes as stored; empty when none
        bool isStream = false;
        std::vector<Reference> references; // in text, in order
    };

    // Indexes the part (bytes stay the caller's and must outlive the
    // reader): the table, the trailer, the catalog and the pages.
    explicit PdfPartReader(std::string_view bytes);

    const std::string& version() const { return m_version; }
    const std::vector<int>& pages() const { return m_pages; }
    int info() const { return m_info; } // 0: none
    int metadata() const { return m_metadata; } // 0: none
    // Objects that stand for the part's page tree or catalog (not copied).
    bool isPageTree(int number) const;
    bool isCatalog(int number) const { return number == m_catalog; }

    // Object n, located and its references found.
    Object object(int number) const;
    // The value of a dictionary's key ("/Width"), as written; empty when the
    // key is not there. `text` is a dictionary's text.
    static std::string_view value(std::string_view text, std::string_view key);
    // An integer value, following one reference; throws Unsupported.
    long long integer(std::string_view value) const;

private:
    std::string_view objectText(int number, size_t* after) const;

    std::string_view m_bytes;
    std::vector<size_t> m_offsets; // by object number; 0: free
    std::string m_version;
    std::vector<int> m_pages, m_pageTree;
    int m_catalog = 0, m_info = 0, m_metadata = 0;
};

} // namespace kyt
