#include <gtest/gtest.h>

#include "core/forms/BevelBands.h"

namespace vx {
namespace {

// The colour a row of the bar shows: the last band that covers it.
BandColor RowColor(const std::vector<Band>& bands, int row) {
  BandColor color{};
  for (const Band& band : bands)
    if (row >= band.top && row < band.bottom) color = band.color;
  return color;
}

TEST(BevelBands, ABarOf255RowsShowsOneBandPerRowFromTheStartColourUp) {
  const std::vector<Band> bands = BevelBands(255);
  ASSERT_EQ(bands.size(), 256u);  // the fill and 255 bands of one row each
  for (int row = 0; row < 255; ++row) EXPECT_EQ(bands[row + 1].top, row);
  EXPECT_EQ(RowColor(bands, 0), (BandColor{241, 242, 238}));
  // Each channel steps up when its running sum passes a whole number: red and green at
  // band 128, not one band early.
  EXPECT_EQ(RowColor(bands, 127), (BandColor{241, 243, 243}));
  EXPECT_EQ(RowColor(bands, 128), (BandColor{242, 244, 243}));
  EXPECT_EQ(RowColor(bands, 254), (BandColor{242, 245, 248}));
}

TEST(BevelBands, ALowBarShowsOnlyAFewRowsAndLeavesNoRowUnpainted) {
  const std::vector<Band> bands = BevelBands(20);
  // Zero-height bands are left out: one visible band per row at most, plus the fill.
  EXPECT_LE(bands.size(), 21u);
  EXPECT_EQ(bands.front(), (Band{0, 20, {241, 242, 238}}));
  for (std::size_t i = 2; i < bands.size(); ++i) EXPECT_EQ(bands[i].top, bands[i - 1].bottom);
  EXPECT_EQ(RowColor(bands, 0), (BandColor{241, 242, 238}));
  EXPECT_EQ(RowColor(bands, 18), (BandColor{242, 245, 248}));
  // 20 / 255 is not exact in binary: the 255 bands end just short of row 19, which keeps
  // the fill's colour.
  EXPECT_EQ(RowColor(bands, 19), (BandColor{241, 242, 238}));
}

TEST(BevelBands, CaptionIsCentredWithTruncation) {
  EXPECT_EQ(BevelCaptionOrigin(50, 50, 41, 13).x, 4);
  EXPECT_EQ(BevelCaptionOrigin(50, 50, 41, 13).y, 18);
  EXPECT_EQ(BevelCaptionOrigin(20, 10, 41, 13).x, -10);  // toward zero, not down
  EXPECT_EQ(BevelCaptionOrigin(20, 10, 41, 13).y, -1);
}

}  // namespace
}  // namespace vx
