#pragma once
// The field values for one card: an ordered collection of CVariant items
// keyed by field name (letter case ignored). It can be flattened into a
// data stream, entries of key, code 1, value, code 2, and filled back from
// one. Every member passes over its own failures.

#include "template/CVariant.h"
#include "util/KeyedCollection.h"
#include <QObject>
#include <QString>
#include <QVariant>
#include <functional>
#include <memory>
#include <optional>

namespace kyt
{

class KYTCORE_EXPORT CPrintData : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool CreateIfNotFound READ CreateIfNotFound WRITE setCreateIfNotFound)
    Q_PROPERTY(int Count READ Count)
    Q_CLASSINFO("DefaultMethod", "Item")

public:
    using Items = KeyedCollection<CVariantPtr>;

    explicit CPrintData(QObject* parent = nullptr);
    ~CPrintData() override;

    // When true, Item adds a new item for a key it does not find.
    bool CreateIfNotFound() const { return m_createIfNotFound; }
    void setCreateIfNotFound(bool v) { m_createIfNotFound = v; }

    // Adds oUserVariant (or a new item) under sKey, or under the item's own
    // Key when sKey is empty or omitted (Missing()). A given vValue is
    // stored. A duplicate key leaves the item out of the collection; it is
    // still returned with its Key and value set.
    Q_INVOKABLE std::shared_ptr<kyt::CVariant> Add(const QVariant& sKey = Missing(), const QVariant& vValue = Missing(),
        const std::shared_ptr<kyt::CVariant>& oUserVariant = nullptr);

    // The item at a position (a number) or under a key. A missing one gives
    // a new item, added under that key when CreateIfNotFound is true.
    Q_INVOKABLE std::shared_ptr<kyt::CVariant> Item(const QVariant& vntIndexKey);
    std::shared_ptr<CVariant> Item(int position) { return Item(QVariant(position)); }
    std::shared_ptr<CVariant> Item(const QString& key) { return Item(QVariant(key)); }
    std::shared_ptr<CVariant> Item(const char* key) { return Item(QVariant(QString::fromUtf8(key))); }

    int Count() const { return m_items.Count(); }

    // Removes by position or key; an unknown one is passed over.
    Q_INVOKABLE void Remove(const QVariant& vntIndexKey);

    // Ordered iteration over the items (shared pointers to CVariant).
    Items::const_iterator begin() const { return m_items.begin(); }
    Items::const_iterator end() const { return m_items.end(); }
    // The items for callers that reach the class by name.
    Q_INVOKABLE QList<QObject*> NewEnum() const;

    // The data stream of oPrintData's items (not this one's), skipping items
    // whose value is an object. Numbers use "." as the decimal separator.
    Q_INVOKABLE QString MakeDataStream(const std::shared_ptr<kyt::CPrintData>& oPrintData) const;
    QString MakeDataStream(const CPrintData& oPrintData) const;

    // Sets the values of a data stream, adding items for keys not present.
    // Blanks are trimmed off the text that remains after each entry.
    Q_INVOKABLE void SetCurrentDataStream(const QVariant& vPrintData);

    // A new item, not added.
    Q_INVOKABLE std::shared_ptr<kyt::CVariant> CreateVariant() const;

    // Lets the user pick a field name from this data's keys with the field
    // chooser that the widgets library installs; sFieldName takes the
    // choice. False when cancelled, when no chooser is installed (headless
    // programs) or after a failure.
    bool SelectDataField(QString& sFieldName);
    // The chooser: given the current name and the data, the chosen name or
    // std::nullopt for a cancel. Returns the previous chooser.
    using FieldChooser = std::function<std::optional<QString>(const QString& fieldName, CPrintData& data)>;
    static FieldChooser setFieldChooser(FieldChooser chooser);

    // The text a value takes in a data stream.
    static QString valueText(const QVariant& value);

private:
    Items m_items;
    bool m_createIfNotFound = false;
};

using CPrintDataPtr = std::shared_ptr<CPrintData>;

} // namespace kyt

Q_DECLARE_METATYPE(std::shared_ptr<kyt::CPrintData>)
