// Record layouts: the record buffer and its limits, and the copy of the current field.
#include "DataSource.h"

#include <gtest/gtest.h>

#include <cstring>

namespace
{
void SetLengths(DSRecordLayout& layout, std::initializer_list<unsigned> lengths)
{
    ASSERT_TRUE(AllocateLayoutFields(layout, static_cast<int>(lengths.size())));
    int i = 0;
    for (unsigned length : lengths)
        layout.fields[i++].length = static_cast<short>(length);
}
}

TEST(RecordLayout, BuildsOneBufferWithEachValueAtItsOffset)
{
    DSRecordLayout layout{};
    SetLengths(layout, {10, 5, 7});
    ASSERT_TRUE(BuildRecordBuffer(layout));
    EXPECT_EQ(layout.count, 3);
    EXPECT_EQ(layout.length, 22u);
    EXPECT_EQ(layout.fields[0].value, layout.buffer);
    EXPECT_EQ(layout.fields[1].value, layout.buffer + 10);
    EXPECT_EQ(layout.fields[2].value, layout.buffer + 15);
    FreeRecordLayout(layout);
    EXPECT_EQ(layout.fields, nullptr);
    EXPECT_EQ(layout.buffer, nullptr);
    EXPECT_EQ(layout.count, 0);
    EXPECT_EQ(layout.length, 0u);
}

TEST(RecordLayout, RefusesARecordOf65536BytesAndNamesTheFieldThatOverflows)
{
    DSRecordLayout layout{};
    SetLengths(layout, {30000, 30000, 5535});
    EXPECT_EQ(FirstOverflowingField(layout), -1);
    ASSERT_TRUE(BuildRecordBuffer(layout));
    EXPECT_EQ(layout.length, 65535u);
    SetLengths(layout, {30000, 30000, 5536, 1});
    EXPECT_EQ(FirstOverflowingField(layout), 2);
    EXPECT_FALSE(BuildRecordBuffer(layout));
    FreeRecordLayout(layout);
}

TEST(RecordLayout, CopiesTheCurrentFieldWithItsValuePointer)
{
    DSRecordLayout layout{};
    SetLengths(layout, {3, 4});
    std::strcpy(layout.fields[1].name, "QTY");
    layout.fields[1].type = PFT_SHORT_INTEGER_ASCII;
    layout.fields[1].decimals = 1;
    ASSERT_TRUE(BuildRecordBuffer(layout));
    layout.current = 1;
    DSField copy{};
    ASSERT_TRUE(CopyCurrentField(layout, &copy));
    EXPECT_EQ(std::memcmp(&copy, &layout.fields[1], sizeof copy), 0);
    EXPECT_EQ(copy.value, layout.buffer + 3);
    layout.current = 2;
    EXPECT_FALSE(CopyCurrentField(layout, &copy));
    FreeRecordLayout(layout);
}
