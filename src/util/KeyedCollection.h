#pragma once
// Ordered collection with 1-based positions and optional unique keys that
// compare without regard to letter case. Used for a template's objects, print
// data items and target applications.

#include <QHash>
#include <QString>
#include <QVariant>
#include <iterator>
#include <optional>
#include <stdexcept>
#include <vector>

namespace kyt
{

// Thrown by the collection where the original raised a run-time error
// (duplicate key, position out of range, unknown key).
class CollectionError : public std::runtime_error
{
public:
    enum Code { InvalidCall = 5, SubscriptOutOfRange = 9, DuplicateKey = 457 };
    CollectionError(Code code, const char* what)
        : std::runtime_error(what)
        , m_code(code)
    {
    }
    Code code() const { return m_code; }

private:
    Code m_code;
};

template <typename T> class KeyedCollection
{
public:
    int Count() const { return static_cast<int>(m_items.size()); }
    bool isEmpty() const { return m_items.empty(); }

    // Appends; an empty key adds the item without a key.
    // Throws CollectionError(DuplicateKey) when the key is already present.
    void Add(T item, const QString& key = QString())
    {
        if (!key.isEmpty()) {
            const QString folded = fold(key);
            if (m_index.contains(folded))
                throw CollectionError(
                    CollectionError::DuplicateKey, "This key is already associated with an element of this collection");
            m_index.insert(folded, static_cast<int>(m_items.size()));
        }
        m_items.push_back(Entry { std::move(item), key });
    }

    bool Contains(const QString& key) const { return !key.isEmpty() && m_index.contains(fold(key)); }

    // 1-based position, or 0 when the key is absent.
    int PositionOf(const QString& key) const
    {
        if (key.isEmpty())
            return 0;
        auto it = m_index.constFind(fold(key));
        return it == m_index.constEnd() ? 0 : *it + 1;
    }

    T& Item(int position)
    {
        if (position < 1 || position > Count())
            throw CollectionError(CollectionError::SubscriptOutOfRange, "Subscript out of range");
        return m_items[static_cast<size_t>(position - 1)].value;
    }
    const T& Item(int position) const { return const_cast<KeyedCollection*>(this)->Item(position); }

    T& Item(const QString& key)
    {
        const int pos = PositionOf(key);
        if (pos == 0)
            throw CollectionError(CollectionError::InvalidCall, "Invalid procedure call or argument");
        return m_items[static_cast<size_t>(pos - 1)].value;
    }
    const T& Item(const QString& key) const { return const_cast<KeyedCollection*>(this)->Item(key); }

    T& Item(const char* key) { return Item(QString::fromUtf8(key)); }

    // A variant holding a number is a position, anything else a key.
    T& Item(const QVariant& indexOrKey)
    {
        if (isNumber(indexOrKey))
            return Item(indexOrKey.toInt());
        return Item(indexOrKey.toString());
    }

    // Lookup that never throws.
    std::optional<T> Find(const QString& key) const
    {
        const int pos = PositionOf(key);
        if (pos == 0)
            return std::nullopt;
        return m_items[static_cast<size_t>(pos - 1)].value;
    }

    QString KeyAt(int position) const
    {
        if (position < 1 || position > Count())
            return QString();
        return m_items[static_cast<size_t>(position - 1)].key;
    }

    void Remove(int position)
    {
        if (position < 1 || position > Count())
            throw CollectionError(CollectionError::SubscriptOutOfRange, "Subscript out of range");
        m_items.erase(m_items.begin() + (position - 1));
        reindex();
    }
    void Remove(const QString& key)
    {
        const int pos = PositionOf(key);
        if (pos == 0)
            throw CollectionError(CollectionError::InvalidCall, "Invalid procedure call or argument");
        Remove(pos);
    }
    void Remove(const char* key) { Remove(QString::fromUtf8(key)); }
    void Remove(const QVariant& indexOrKey)
    {
        if (isNumber(indexOrKey))
            Remove(indexOrKey.toInt());
        else
            Remove(indexOrKey.toString());
    }

    void Clear()
    {
        m_items.clear();
        m_index.clear();
    }

private:
    // Declared before the iterator that names it (clang requires it).
    struct Entry {
        T value;
        QString key;
    };

public:
    // Ordered iteration over the values.
    class const_iterator
    {
    public:
        using Inner = typename std::vector<typename KeyedCollection::Entry>::const_iterator;
        using iterator_category = std::forward_iterator_tag;
        using value_type = T;
        using difference_type = std::ptrdiff_t;
        using pointer = const T*;
        using reference = const T&;
        const_iterator() = default;
        explicit const_iterator(Inner it)
            : m_it(it)
        {
        }
        const T& operator*() const { return m_it->value; }
        const T* operator->() const { return &m_it->value; }
        const_iterator& operator++()
        {
            ++m_it;
            return *this;
        }
        bool operator==(const const_iterator& o) const { return m_it == o.m_it; }
        bool operator!=(const const_iterator& o) const { return m_it != o.m_it; }

    private:
        Inner m_it;
    };
    const_iterator begin() const { return const_iterator(m_items.cbegin()); }
    const_iterator end() const { return const_iterator(m_items.cend()); }

    static bool isNumber(const QVariant& v)
    {
        switch (v.typeId()) {
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::Short:
        case QMetaType::UShort:
        case QMetaType::Long:
        case QMetaType::ULong:
        case QMetaType::LongLong:
        case QMetaType::ULongLong:
        case QMetaType::Double:
        case QMetaType::Float:
        case QMetaType::Char:
        case QMetaType::UChar:
        case QMetaType::SChar:
            return true;
        default:
            return false;
        }
    }

private:
    static QString fold(const QString& key) { return key.toCaseFolded(); }
    void reindex()
    {
        m_index.clear();
        for (size_t i = 0; i < m_items.size(); ++i)
            if (!m_items[i].key.isEmpty())
                m_index.insert(fold(m_items[i].key), static_cast<int>(i));
    }

    std::vector<Entry> m_items;
    QHash<QString, int> m_index;
};

} // namespace kyt
