// Code-page translation through EnvironmentCallbacks::TranslateCodePage and the value conversions of the data
// sources (to the PC and to the host), against a plain table loop and memcpy over the same bytes in the same pieces.
// The five are timed in turn within each round, and each figure is the median of the rounds. Goal: translation at
// least as fast as the plain table loop.
//
// The machine is shared, so a round is kept short (a few milliseconds, well under a scheduler time slice): most
// rounds then run undisturbed and the median of many of them is each path's own speed rather than that of whatever
// else ran meanwhile. The order of the paths turns by one from round to round, so that no path always follows the
// same other one, and each path runs one untimed pass right before it is timed, so that no path pays for refilling
// the caches after the others. The piece length reaches every path through a volatile, so that the compiler cannot
// specialise one path's loop for a known length while another takes it at run time.
#include "BenchTiming.h"
#include "FakeCallerTables.h"
#include "FieldConvert.h"

#include <cstdio>
#include <cstring>
#include <vector>

namespace
{
constexpr size_t kBytes = 1 << 20;
constexpr int kPasses = 4;
constexpr int kRounds = 41;
constexpr int kPaths = 5;
volatile unsigned g_sink;
volatile size_t g_piece;

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

// The buffers and the piece length that every path runs over.
struct Pieces
{
    const EnvironmentCallbacks* environment;
    const unsigned char* table;
    const char* source;
    char* destination;
    size_t length;
    int passes;
};

// Each path runs `passes` times over the buffer; the buffers are taken into locals first, so that no store into the
// destination makes the compiler read them again.
void RunTranslation(const Pieces& pieces)
{
    const EnvironmentCallbacks* const environment = pieces.environment;
    const char* const source = pieces.source;
    char* const destination = pieces.destination;
    const size_t piece = pieces.length;
    const int passes = pieces.passes;
    for (int pass = 0; pass < passes; ++pass)
        for (size_t at = 0; at + piece <= kBytes; at += piece)
        {
            WORD length = static_cast<WORD>(piece);
            environment->TranslateCodePage(ZRCM_EBCDIC_TO_ASCII, source + at, destination + at,
                                           static_cast<WORD>(piece), &length);
        }
    g_sink = destination[kBytes / 2];
}

// A character field of one piece converted in place after place: to the PC, or from the PC to the host.
void RunConversion(const Pieces& pieces, bool toHost)
{
    const EnvironmentCallbacks* const environment = pieces.environment;
    const char* const source = pieces.source;
    char* const destination = pieces.destination;
    const size_t piece = pieces.length;
    const int passes = pieces.passes;
    DSField host{};
    DSField pc{};
    host.type = HFT_CHARACTER;
    host.length = static_cast<short>(piece);
    pc.type = PFT_TEXT_ASCII;
    pc.length = static_cast<short>(piece);
    DSField& from = toHost ? pc : host;
    DSField& to = toHost ? host : pc;
    for (int pass = 0; pass < passes; ++pass)
        for (size_t at = 0; at + piece <= kBytes; at += piece)
        {
            from.value = const_cast<char*>(source) + at;
            to.value = destination + at;
            if (toHost)
                ConvertFieldToHost(pc, host, environment);
            else
                ConvertFieldToPC(host, pc, environment);
        }
    g_sink = destination[kBytes / 3];
}

void RunConversionToPc(const Pieces& pieces)
{
    RunConversion(pieces, false);
}

void RunConversionToHost(const Pieces& pieces)
{
    RunConversion(pieces, true);
}

void RunTableLoop(const Pieces& pieces)
{
    const unsigned char* const table = pieces.table;
    const unsigned char* const source = reinterpret_cast<const unsigned char*>(pieces.source);
    char* const destination = pieces.destination;
    const size_t piece = pieces.length;
    const int passes = pieces.passes;
    for (int pass = 0; pass < passes; ++pass)
        for (size_t at = 0; at + piece <= kBytes; at += piece)
            TranslatePlainly(table, source + at, destination + at, piece);
    g_sink = destination[kBytes / 4];
}

void RunCopy(const Pieces& pieces)
{
    const char* const source = pieces.source;
    char* const destination = pieces.destination;
    const size_t piece = pieces.length;
    const int passes = pieces.passes;
    for (int pass = 0; pass < passes; ++pass)
        for (size_t at = 0; at + piece <= kBytes; at += piece)
            std::memcpy(destination + at, source + at, piece);
    g_sink = destination[kBytes / 5];
}

// MB/s of each path over `kPasses` passes: the median of the rounds. Right before it is timed, each path runs one
// untimed pass, which brings its tables and code back into the caches after the other paths.
Figures Measure(const Pieces& pieces)
{
    void (*const runs[kPaths])(const Pieces&) = {RunTranslation, RunConversionToPc, RunConversionToHost, RunTableLoop,
                                                 RunCopy};
    double Figures::*const figures[kPaths] = {&Figures::translate, &Figures::toPc, &Figures::toHost, &Figures::table,
                                              &Figures::copy};
    Pieces warming = pieces;
    warming.passes = 1;
    Pieces timed = pieces;
    timed.passes = kPasses;
    std::vector<double> seconds[kPaths];
    for (int round = 0; round < kRounds; ++round)
        for (int turn = 0; turn < kPaths; ++turn)
        {
            const int path = (round + turn) % kPaths;
            runs[path](warming);
            seconds[path].push_back(Seconds([&] { runs[path](timed); }));
        }
    Figures result{};
    for (int path = 0; path < kPaths; ++path)
        result.*figures[path] = MegabytesPerSecond(double(kBytes) * kPasses, Median(seconds[path]));
    return result;
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
        g_piece = piece;
        const Figures figures = Measure({environment, table, source.data(), destination.data(), g_piece, kPasses});
        const double ratio = figures.translate / figures.table;
        met = met && ratio >= 1.0;
        std::printf("  %5zu  %17.0f  %16.0f  %18.0f  %16.0f  %7.0f  %16.2f\n", piece, figures.translate, figures.toPc,
                    figures.toHost, figures.table, figures.copy, ratio);
    }
    std::printf("  goal: translation at least as fast as the plain table loop: %s\n", met ? "met" : "missed");
    return met ? 0 : 1;
}
