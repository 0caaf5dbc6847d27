#pragma once

#include "builder/appdata.h"
#include "document/objectkind.h"
#include "records/memoryrecordset.h"
#include "records/recordschema.h"

#include <gtest/gtest.h>

namespace qv::test {

// An invoice-like design as its data block holds it: fields Customer (F1), Quantity (F2,
// numbers), Price (F3, 2 decimals), Total (F4, a formula), a dummy field F5; a notes box
// Remarks (M1), a combo box Delivery (C1), a check box Paid (K0).
inline AppData invoiceDesign()
{
    AppData a;
    auto field = [&](const char* tag, int format, int length, int16_t order) {
        BlockField f;
        f.field.tag = tag;
        f.searchLabel = tag;
        f.field.fieldFormat = static_cast<uint8_t>(format);
        f.field.maxLength = length;
        f.field.tabOrder = order;
        a.fields.push_back(f);
    };
    field("Customer", 0, 40, 1);
    field("Quantity", 1, 6, 2);
    field("Price", 2, 10, 3);
    field("Total", 2, 12, 4);
    field("Scratch", 0, 10, 5);
    a.fields.back().field.dummyField = true;
    BlockNotes remarks;
    remarks.notes.tag = "Remarks";
    remarks.notes.maxLength = 500;
    remarks.notes.tabOrder = 8;
    a.notes.push_back(remarks);
    Combo delivery;
    delivery.tag = "Delivery";
    delivery.maxLength = 20;
    delivery.tabOrder = 6;
    a.combos.push_back(delivery);
    Checkbox paid;
    paid.tag = "Paid";
    paid.tabOrder = 7;
    a.checkboxes.push_back(paid);
    return a;
}

inline constexpr InputRef F(int n)
{
    return {InputKind::Field, n};
}
inline constexpr InputRef M(int n)
{
    return {InputKind::Notes, n};
}
inline constexpr InputRef C(int n)
{
    return {InputKind::Combo, n};
}
inline constexpr InputRef K(int n)
{
    return {InputKind::Checkbox, n};
}

// Records of the invoice design: customer, quantity, price, total, delivery, paid.
inline MemoryRecordSet invoices()
{
    MemoryRecordSet set;
    struct Row {
        const char* customer;
        const char* quantity;
        const char* price;
        const char* total;
        const char* delivery;
        const char* paid;
    } rows[] = {
        {"Smith & Sons", "3", "12.50", "37.50", "Post", "1"},
        {"Jones", "10", "1,000.00", "10,000.00", "Courier", "0"},
        {"smithers", "1", "7.25", "7.25", "Post", "1"},
        {"Müller", "", "", "", "Pickup", "0"},
    };
    for (const Row& r : rows) {
        set.add()
            .set(F(1), r.customer)
            .set(F(2), r.quantity)
            .set(F(3), r.price)
            .set(F(4), r.total)
            .set(C(1), r.delivery)
            .set(K(0), r.paid);
    }
    return set;
}

// The records of `whole` of which only the first `readable` can be read, as from a store
// whose file is damaged half way.
class BrokenRecordSet : public RecordSet {
public:
    BrokenRecordSet(const MemoryRecordSet& whole, std::size_t readable)
        : whole_(whole), readable_(readable)
    {
    }

    std::size_t size() const override { return whole_.size(); }
    void forEach(const std::function<bool(const RecordRow&)>& visit) const override
    {
        failure_.clear();
        std::size_t read = 0;
        whole_.forEach([&](const RecordRow& row) {
            if (read++ == readable_) {
                failure_ = "the disk image is malformed";
                return false;
            }
            return visit(row);
        });
    }
    std::string failure() const override { return failure_; }

private:
    const MemoryRecordSet& whole_;
    std::size_t readable_;
    mutable std::string failure_;
};

} // namespace qv::test
