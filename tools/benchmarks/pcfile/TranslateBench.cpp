// Code-page translation through EnvironmentCallbacks::TranslateCodePage and the value conversions of the data
// sources (to the PC and to the host), against a plain table loop and memcpy over the same bytes in the same pieces.
// The five are timed in turn within each round, and each figure is the median of the rounds. Goal: translation at
// least as fast as the plain table loop.
#include "BenchTiming.h"
#include "FakeCallerTables.h"
#include "FieldConvert.h"

#include <cstdio>
#include <cstring>
#include <vector>

namespace
{
constexpr size_t kBytes = 1 << 20;
constexpr int kPasses = 32;
constexpr int kRounds = 5;
volatile unsigned g_sink;

struct Figures
{
    double translate;
    double toPc;
    double toHost;
    double table;
    double copy;
};

// The plain table loop over one piece, free to assume that no destination byte overwrites the table or the source.
void TranslatePlainly(const unsigned char* __restrict table, const unsigned char* __restrict in, char* __restrict out,
                      size_t count)
{
    for (size_t i = 0; i < count; ++i)
        out[i] = static_cast<char>(table[in[i]]);
}

// The five paths over the same pieces, each timed once: seconds in the order of Figures.
Figures MeasureRound(const EnvironmentCallbacks* environment, const unsigned char* table,
                     const std::vector<char>& source, std::vector<char>& destination, size_t piece)
{
    Figures figures{};
    figures.translate = Seconds([&] {
        for (int pass = 0; pass < kPasses; ++pass)
            for (size_t at = 0; at + piece <= kBytes; at += piece)
            {
                WORD length = static_cast<WORD>(piece);
                environment->TranslateCodePage(ZRCM_EBCDIC_TO_ASCII, source.data() + at, destination.data() + at,
                                               static_cast<WORD>(piece), &length);
            }
        g_sink = destination[kBytes / 2];
    });
    DSField host{};
    DSField pc{};
    host.type = HFT_CHARACTER;
    host.length = static_cast<short>(piece);
    pc.type = PFT_TEXT_ASCII;
    pc.length = static_cast<short>(piece);
    figures.toPc = Seconds([&] {
        for (int pass = 0; pass < kPasses; ++pass)
            for (size_t at = 0; at + piece <= kBytes; at += piece)
            {
                host.value = const_cast<char*>(source.data()) + at;
                pc.value = destination.data() + at;
                ConvertFieldToPC(host, pc, environment);
            }
        g_sink = destination[kBytes / 3];
    });
    figures.toHost = Seconds([&] {
        for (int pass = 0; pass < kPasses; ++pass)
            for (size_t at = 0; at + piece <= kBytes; at += piece)
            {
                pc.value = const_cast<char*>(source.data()) + at;
                host.value = destination.data() + at;
                ConvertFieldToHost(pc, host, environment);
            }
        g_sink = destination[kBytes / 3];
    });
    figures.table = Seconds([&] {
        for (int pass = 0; pass < kPasses; ++pass)
            for (size_t at = 0; at + piece <= kBytes; at += piece)
                TranslatePlainly(table, reinterpret_cast<const unsigned char*>(source.data()) + at,
                                 destination.data() + at, piece);
        g_sink = destination[kBytes / 4];
    });
    figures.copy = Seconds([&] {
        for (int pass = 0; pass < kPasses; ++pass)
            for (size_t at = 0; at + piece <= kBytes; at += piece)
                std::memcpy(destination.data() + at, source.data() + at, piece);
        g_sink = destination[kBytes / 5];
    });
    return figures;
}

// MB/s of each path: the median of the rounds.
Figures Measure(const EnvironmentCallbacks* environment, const unsigned char* table, const std::vector<char>& source,
                std::vector<char>& destination, size_t piece)
{
    std::vector<Figures> rounds;
    for (int round = 0; round < kRounds; ++round)
        rounds.push_back(MeasureRound(environment, table, source, destination, piece));
    Figures figures{};
    for (double Figures::*path : {&Figures::translate, &Figures::toPc, &Figures::toHost, &Figures::table,
                                  &Figures::copy})
    {
        std::vector<double> seconds;
        for (const Figures& round : rounds)
            seconds.push_back(round.*path);
        figures.*path = MegabytesPerSecond(double(kBytes) * kPasses, Median(seconds));
    }
    return figures;
}
}

int main()
{
    CFakeCallerTables tables(ZRHOST_AS400, ZRDIR_HOST_TO_PC);
    if (!tables.HasVersionLibrary())
    {
        std::printf("translation benchmark: the version library and its code tables are missing\n");
        return 2;
    }
    const EnvironmentCallbacks* environment = tables.EnvironmentTable();
    unsigned char table[256];
    char all[256];
    for (int i = 0; i < 256; ++i)
        all[i] = static_cast<char>(i);
    WORD length = 256;
    environment->TranslateCodePage(ZRCM_EBCDIC_TO_ASCII, all, reinterpret_cast<char*>(table), 256, &length);

    std::vector<char> source(kBytes);
    std::vector<char> destination(kBytes);
    unsigned seed = 12345;
    for (char& byte : source)
        byte = static_cast<char>((seed = seed * 1103515245 + 12345) >> 16);

    bool met = true;
    std::printf("code-page translation (EBCDIC to ASCII), MB/s, median of %d rounds of %d MB:\n", kRounds,
                kPasses * int(kBytes >> 20));
    std::printf("  piece  TranslateCodePage  ConvertFieldToPC  ConvertFieldToHost  plain table loop   memcpy  "
                "translation/loop\n");
    for (size_t piece : {10, 80, 1760, 32000})
    {
        const Figures figures = Measure(environment, table, source, destination, piece);
        const double ratio = figures.translate / figures.table;
        met = met && ratio >= 1.0;
        std::printf("  %5zu  %17.0f  %16.0f  %18.0f  %16.0f  %7.0f  %16.2f\n", piece, figures.translate, figures.toPc,
                    figures.toHost, figures.table, figures.copy, ratio);
    }
    std::printf("  goal: translation at least as fast as the plain table loop: %s\n", met ? "met" : "missed");
    return met ? 0 : 1;
}
