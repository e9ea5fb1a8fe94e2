// Translation through a code table and its pair table, against the byte-by-byte loop over the same buffer.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "ZRTranslate.h"

namespace
{
constexpr unsigned char kFill = 0x40;
constexpr size_t kFrom = 300;

class TranslateTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        for (size_t i = 0; i < 256; ++i)
            m_table[i] = static_cast<unsigned char>(i * 167 + 29);
        BuildPairTable(m_table, m_pairs.data());
        for (size_t i = 0; i < m_bytes.size(); ++i)
            m_bytes[i] = static_cast<char>(i * 73 + i / 256);
    }

    // Translates `length` bytes at kFrom into a destination of `capacity` bytes at kFrom + shift of the same buffer,
    // and checks the buffer and the count against the definition's loop.
    void Check(const uint16_t* pairs, ptrdiff_t shift, WORD length, WORD capacity)
    {
        std::string translated = m_bytes;
        WORD count = capacity;
        TranslateWithTable(m_table, pairs, kFill, translated.data() + kFrom, translated.data() + kFrom + shift, length,
                           &count);
        std::string expected = m_bytes;
        const size_t n = length < capacity ? length : capacity;
        for (size_t i = 0; i < n; ++i)
            expected[kFrom + shift + i] = static_cast<char>(m_table[static_cast<unsigned char>(expected[kFrom + i])]);
        for (size_t i = n; i < capacity; ++i)
            expected[kFrom + shift + i] = static_cast<char>(kFill);
        ASSERT_EQ(count, n) << "shift " << shift << ", length " << length << ", capacity " << capacity;
        ASSERT_EQ(translated, expected) << "shift " << shift << ", length " << length << ", capacity " << capacity;
    }

    unsigned char m_table[256];
    std::vector<uint16_t> m_pairs = std::vector<uint16_t>(kPairTableSize);
    std::string m_bytes = std::string(1024, '\0');
};
}

TEST_F(TranslateTest, PairTableHoldsBothTranslationsOfEveryPairInMemoryOrder)
{
    for (size_t pair = 0; pair < kPairTableSize; ++pair)
    {
        unsigned char bytes[2];
        std::memcpy(bytes, &m_pairs[pair], sizeof bytes);
        ASSERT_EQ(bytes[0], m_table[pair & 0xFF]) << pair;
        ASSERT_EQ(bytes[1], m_table[pair >> 8]) << pair;
    }
}

TEST_F(TranslateTest, EveryByteValueAtEveryAlignment)
{
    for (size_t i = 0; i < 256; ++i)
        m_bytes[kFrom + i] = static_cast<char>(i);
    for (ptrdiff_t shift : {-300, -64, -1, 0, 1, 256, 263})
        Check(m_pairs.data(), shift, 256, 256);
    for (size_t start = 0; start < 8; ++start)
    {
        std::string source(start, '\0');
        for (size_t i = 0; i < 256; ++i)
            source += static_cast<char>(255 - i);
        std::string destination(start + 3 + 256, '\0');
        WORD count = 256;
        TranslateWithTable(m_table, m_pairs.data(), kFill, source.data() + start, destination.data() + start + 3, 256,
                           &count);
        for (size_t i = 0; i < 256; ++i)
            ASSERT_EQ(static_cast<unsigned char>(destination[start + 3 + i]), m_table[255 - i]) << start << " " << i;
    }
}

TEST_F(TranslateTest, ApartBuffersOfEveryLengthAndAlignmentCutAndFillAsTheLoopDoes)
{
    for (const uint16_t* pairs : {static_cast<const uint16_t*>(m_pairs.data()), static_cast<const uint16_t*>(nullptr)})
        for (ptrdiff_t shift : {-64, -49, 41, 43, 48, 55, 200})
            for (int length = 0; length <= 40; ++length)
                for (int capacity : {0, 1, length / 2, length - 1, length, length + 1, length + 9})
                    if (capacity >= 0)
                        Check(pairs, shift, static_cast<WORD>(length), static_cast<WORD>(capacity));
}

TEST_F(TranslateTest, OverlappingBuffersOfEveryLengthReadAsTheLoopDoes)
{
    for (const uint16_t* pairs : {static_cast<const uint16_t*>(m_pairs.data()), static_cast<const uint16_t*>(nullptr)})
        for (ptrdiff_t shift = -17; shift <= 17; ++shift)
            for (int length = 0; length <= 40; ++length)
                for (int capacity : {length / 2, length, length + 3})
                    Check(pairs, shift, static_cast<WORD>(length), static_cast<WORD>(capacity));
}
