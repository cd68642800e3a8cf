// The core in memory, for finding hot spots: the conversion of one text value, and of every
// text field of one record of each large type, as the record engine walks them.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "bench/BenchText.h"
#include "charset/PlLetters.h"
#include "convert/JobInterfaces.h"
#include "records/REKORDY.h"

namespace {

using namespace konwpl;

std::vector<std::uint8_t> MazoviaText(std::size_t size) {
    std::string text;
    for (std::size_t i = 0; text.size() < size; ++i) {
        text += bench::ToMazovia(bench::kPhrases[i % bench::kPhrases.size()]);
        text += ' ';
    }
    return {text.begin(), text.begin() + static_cast<std::ptrdiff_t>(size)};
}

// One field value through the translation table.
void BM_TranslateField(benchmark::State& state) {
    std::vector<std::uint8_t> text = MazoviaText(static_cast<std::size_t>(state.range(0)));
    const TranslationTable& table = TranslationFor(PlCharset::Mazovia, PlCharset::CP852);
    for (auto _ : state) {
        Translate(table, text);
        benchmark::DoNotOptimize(text.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_TranslateField)->Arg(3)->Arg(10)->Arg(40)->Arg(255)->Arg(1 << 20);

// The same through the module's process-wide encodings, as the window's selectors set them.
void BM_ConvertTextWithSelectors(benchmark::State& state) {
    std::vector<std::uint8_t> text = MazoviaText(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        ConvertTextWithSelectors(1, 0, text);
        benchmark::DoNotOptimize(text.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ConvertTextWithSelectors)->Arg(10)->Arg(40);

// Every text field of one record, the engine's inner loop: clamp the length, convert the text.
// Each field is filled to about two thirds of its capacity.
void BM_Record(benchmark::State& state, TTypDokumentu type, Edition edition) {
    const RecordLayout* layout = LayoutFor(type, edition);
    if (layout == nullptr) {
        state.SkipWithError("no layout for this type in this build");
        return;
    }
    std::vector<std::uint8_t> record = MazoviaText(layout->size);
    struct Placed {
        std::size_t offset;
        std::uint8_t capacity;
    };
    std::vector<Placed> fields;
    ForEachTextField(*layout, [&](std::size_t offset, std::uint8_t capacity) {
        fields.push_back({offset, capacity});
        record[offset] = static_cast<std::uint8_t>(capacity * 2 / 3);
    });
    FixedConversion conversion(PlCharset::Mazovia, PlCharset::CP852);
    ConvertText& convert = conversion;
    for (auto _ : state) {
        for (const Placed& field : fields) {
            convert.Convert(ShortText(record.data() + field.offset, field.capacity).ClampedText());
        }
        benchmark::DoNotOptimize(record.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * layout->size);
    state.counters["fields"] = static_cast<double>(fields.size());
}

BENCHMARK_CAPTURE(BM_Record, tdSprzedaz, tdSprzedaz, Edition::Standard);
BENCHMARK_CAPTURE(BM_Record, tdSprzedaz_eksport, tdSprzedaz, Edition::Export);
BENCHMARK_CAPTURE(BM_Record, tdSpKorekta, tdSpKorekta, Edition::Standard);
BENCHMARK_CAPTURE(BM_Record, tdGenerator, tdGenerator, Edition::Standard);
BENCHMARK_CAPTURE(BM_Record, tdNota, tdNota, Edition::Standard);
BENCHMARK_CAPTURE(BM_Record, tdZam, tdZam, Edition::Standard);
BENCHMARK_CAPTURE(BM_Record, tdRuch, tdRuch, Edition::Standard);
BENCHMARK_CAPTURE(BM_Record, tdZakup, tdZakup, Edition::Standard);
BENCHMARK_CAPTURE(BM_Record, tdWyroby, tdWyroby, Edition::Standard);
BENCHMARK_CAPTURE(BM_Record, tdKonfig, tdKonfig, Edition::Standard);
BENCHMARK_CAPTURE(BM_Record, tdAdresy, tdAdresy, Edition::Standard);

}  // namespace
