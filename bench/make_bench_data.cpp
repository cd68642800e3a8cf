// Writes the data files that run.sh times konwpl-cli on:
//   make_bench_data sales FILE BYTES   standard sales records (4642 bytes) with Mazovia text
//   make_bench_data text FILE BYTES    Mazovia text lines ending in CR LF
// A sales file holds as many whole records as fit in BYTES; a text file ends at a line break at
// or before BYTES. The same arguments always give the same bytes.
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <random>
#include <string>
#include <vector>

#include "bench/BenchText.h"

namespace {

using konwpl::bench::kPhrases;
using konwpl::bench::ToMazovia;

// The standard sales record as KV720 writes it: 13 fixed text fields and 40 invoice lines of
// four text fields each. Written out here rather than taken from the catalogue, so that the data
// do not depend on the code they measure.
struct Field {
    std::size_t offset;
    std::size_t capacity;
};
constexpr std::size_t kSalesSize = 4642;
constexpr std::array<Field, 13> kSalesFields{{{8, 10},
                                              {32, 40},
                                              {73, 40},
                                              {114, 40},
                                              {155, 20},
                                              {183, 20},
                                              {204, 30},
                                              {235, 21},
                                              {257, 19},
                                              {277, 23},
                                              {301, 29},
                                              {4613, 20},
                                              {4634, 3}}};
constexpr std::size_t kLineFirst = 377;
constexpr std::size_t kLineCount = 40;
constexpr std::size_t kLineStride = 106;
constexpr std::array<Field, 4> kLineFields{{{0, 31}, {32, 10}, {43, 6}, {71, 12}}};

class Writer {
public:
    explicit Writer(unsigned seed) : random_(seed) {
        for (std::string_view phrase : kPhrases) {
            phrases_.push_back(ToMazovia(phrase));
        }
    }

    const std::string& Phrase() { return phrases_[random_() % phrases_.size()]; }
    std::uint32_t Next() { return static_cast<std::uint32_t>(random_()); }

    // A text field holding a phrase cut to the capacity; spaces after it, as KV720 leaves them.
    void PutText(std::uint8_t* field, std::size_t capacity) {
        const std::string& text = Phrase();
        const std::size_t length = std::min(text.size(), capacity);
        field[0] = static_cast<std::uint8_t>(length);
        std::fill(field + 1, field + 1 + capacity, ' ');
        std::copy(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(length), field + 1);
    }

    void SalesRecord(std::uint8_t* record) {
        // Numbers, dates and flags: opaque bytes of any value.
        for (std::size_t i = 0; i < kSalesSize; ++i) {
            record[i] = static_cast<std::uint8_t>(Next() >> 13);
        }
        for (const Field& field : kSalesFields) {
            PutText(record + field.offset, field.capacity);
        }
        // An invoice uses its first few lines; the others are empty.
        const std::size_t used = 1 + Next() % 12;
        for (std::size_t line = 0; line < kLineCount; ++line) {
            std::uint8_t* element = record + kLineFirst + line * kLineStride;
            for (const Field& field : kLineFields) {
                if (line < used) {
                    PutText(element + field.offset, field.capacity);
                } else {
                    std::fill(element + field.offset, element + field.offset + field.capacity + 1,
                              std::uint8_t{0});
                }
            }
        }
    }

private:
    std::mt19937 random_;
    std::vector<std::string> phrases_;
};

int WriteSales(std::ofstream& out, std::uint64_t bytes) {
    Writer writer(20080101);
    std::vector<std::uint8_t> record(kSalesSize);
    for (std::uint64_t n = bytes / kSalesSize; n > 0; --n) {
        writer.SalesRecord(record.data());
        out.write(reinterpret_cast<const char*>(record.data()),
                  static_cast<std::streamsize>(record.size()));
    }
    return 0;
}

int WriteText(std::ofstream& out, std::uint64_t bytes) {
    Writer writer(852);
    std::string line;
    std::uint64_t written = 0;
    for (;;) {
        line.clear();
        for (std::uint32_t words = 3 + writer.Next() % 5; words > 0; --words) {
            line += writer.Phrase();
            line += words > 1 ? " " : "\r\n";
        }
        if (written + line.size() > bytes) {
            break;
        }
        out << line;
        written += line.size();
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::cerr << "usage: make_bench_data sales|text FILE BYTES\n";
        return 2;
    }
    const std::string kind = argv[1];
    const std::uint64_t bytes = std::strtoull(argv[3], nullptr, 10);
    std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
    if (!out) {
        std::cerr << "make_bench_data: cannot create " << argv[2] << '\n';
        return 1;
    }
    int status = 2;
    if (kind == "sales") {
        status = WriteSales(out, bytes);
    } else if (kind == "text") {
        status = WriteText(out, bytes);
    } else {
        std::cerr << "make_bench_data: unknown kind " << kind << '\n';
    }
    out.close();
    if (!out) {
        std::cerr << "make_bench_data: cannot write " << argv[2] << '\n';
        return 1;
    }
    return status;
}
