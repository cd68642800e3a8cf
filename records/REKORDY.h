// REKORDY: how KV720 lays out its record files, as constant data.
//
// A KV720 data file is a run of fixed-size records with no header: record n occupies bytes
// n*S .. n*S+S-1. Inside a record, text is held in ShortText fields (a length byte followed by
// the characters, capacity fixed); every other byte is opaque and passes unchanged.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace konwpl {

// A text field of capacity C inside a record buffer: byte 0 is the length L, bytes 1..C the
// characters. The text is the first L characters; the bytes after it carry no meaning and are
// never changed. A stored L above C is tolerated: the text is then the first C characters, and
// C is written back as the length.
class ShortText {
public:
    ShortText(std::uint8_t* bytes, std::uint8_t capacity) : bytes_(bytes), capacity_(capacity) {}

    // Lowers a length above the capacity to the capacity and returns the text's characters.
    std::span<std::uint8_t> ClampedText() {
        if (bytes_[0] > capacity_) {
            bytes_[0] = capacity_;
        }
        return {bytes_ + 1, bytes_[0]};
    }

private:
    std::uint8_t* bytes_;
    std::uint8_t capacity_;
};

// One text field: the offset of its length byte (from the start of the record, or inside a
// group from the start of the element) and its capacity C; the field occupies C + 1 bytes.
struct FieldSpec {
    std::uint16_t offset;
    std::uint8_t capacity;
};

// An array of equal elements inside a record: element i starts at first + i * stride and holds
// the same text fields, at offsets counted from the element's start.
struct GroupSpec {
    std::uint16_t first;
    std::uint16_t count;
    std::uint16_t stride;
    std::span<const FieldSpec> fields;
};

// One record type in one edition: its size, its fixed text fields and its repeated groups.
struct RecordLayout {
    std::uint16_t size;
    std::span<const FieldSpec> fields;
    std::span<const GroupSpec> groups;
};

// The build-time choice between the standard edition (konwpl) and the export edition
// (konwpl-eksport), whose records are larger for seven types.
enum class Edition { Standard, Export };

// The type code that a button hands to the batch driver.
enum TTypDokumentu : std::uint8_t {
    tdNone = 0,  // copy without conversion
    tdSprzedaz = 1,
    tdSpKorekta = 2,
    tdGenerator = 3,
    tdNota = 4,
    tdMagazyn = 5,
    tdMagazynID = 6,  // has a record size, no converter
    tdWyroby = 7,
    tdZam = 8,
    tdReklam = 9,
    tdRuch = 10,
    tdZakup = 11,
    tdKpKw = 12,
    tdBanki = 13,
    tdOperBanki = 14,
    tdRRK = 15,
    tdPrzekazy = 16,
    tdAdresy = 17,
    tdKonfig = 18,
    tdNumXXXX = 19,  // has a record size, no converter
    tdRemanent = 20,
    tdCalyPlik = 21,  // the whole file converted as text
};

inline constexpr int kTypeCount = 22;

// "tdAdresy" for 17; an empty view for a code above 21.
std::string_view TypeName(TTypDokumentu type);

// The layout of a type in an edition, or nullptr for tdNone, tdMagazynID, tdNumXXXX,
// tdCalyPlik and codes above 21.
const RecordLayout* LayoutFor(TTypDokumentu type, Edition edition);

// The standard edition's record size of a type, which its size check holds a file against;
// 0 (no check) for tdNone, tdCalyPlik and codes above 21.
std::uint32_t ExpectedRecordSize(TTypDokumentu type);

// Calls visit(offset, capacity) for every text field of a record, fixed fields first, then
// every field of every element of every group, with offsets from the start of the record.
template <class Visit>
constexpr void ForEachTextField(const RecordLayout& layout, Visit&& visit) {
    for (const FieldSpec& field : layout.fields) {
        visit(std::size_t{field.offset}, field.capacity);
    }
    for (const GroupSpec& group : layout.groups) {
        for (std::size_t i = 0; i < group.count; ++i) {
            const std::size_t element = group.first + i * std::size_t{group.stride};
            for (const FieldSpec& field : group.fields) {
                visit(element + field.offset, field.capacity);
            }
        }
    }
}

constexpr std::size_t TextFieldCount(const RecordLayout& layout) {
    std::size_t count = 0;
    ForEachTextField(layout, [&](std::size_t, std::uint8_t) { ++count; });
    return count;
}

// A row of a layout table for a type whose two editions differ: both offsets and both
// capacities side by side, as KV720's documentation lists them.
struct EditionField {
    std::uint16_t offsetStandard;
    std::uint16_t offsetExport;
    std::uint8_t capacityStandard;
    std::uint8_t capacityExport;
};

// The column of one edition out of a two-edition table.
template <std::size_t N>
constexpr std::array<FieldSpec, N> FieldsOf(const std::array<EditionField, N>& rows,
                                            Edition edition) {
    std::array<FieldSpec, N> fields{};
    for (std::size_t i = 0; i < N; ++i) {
        fields[i] = edition == Edition::Standard
                        ? FieldSpec{rows[i].offsetStandard, rows[i].capacityStandard}
                        : FieldSpec{rows[i].offsetExport, rows[i].capacityExport};
    }
    return fields;
}

// A row of a group table for a type whose two editions differ: where element 0 starts and how
// far apart the elements lie, in each edition; the number of elements is the same in both.
struct EditionGroup {
    std::uint16_t firstStandard;
    std::uint16_t firstExport;
    std::uint16_t count;
    std::uint16_t strideStandard;
    std::uint16_t strideExport;
};

// The group of one edition out of a two-edition row, with that edition's element fields.
constexpr GroupSpec GroupOf(const EditionGroup& row, Edition edition,
                            std::span<const FieldSpec> fields) {
    return edition == Edition::Standard
               ? GroupSpec{row.firstStandard, row.count, row.strideStandard, fields}
               : GroupSpec{row.firstExport, row.count, row.strideExport, fields};
}

}  // namespace konwpl
