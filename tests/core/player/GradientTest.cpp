#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "core/Gradient.h"

namespace vx {
namespace {

std::uint32_t Rgb(std::uint32_t r, std::uint32_t g, std::uint32_t b) {
  return r | (g << 8) | (b << 16);
}

TEST(Gradient, DefaultColoursRiseByTheAbsoluteDistance) {
  const GradientSettings settings;  // (1, 101, 253) towards (3, 50, 253), 255 bands
  const auto shapes = GradientShapes(settings, 100, 255);
  ASSERT_EQ(shapes.size(), 256u);
  EXPECT_EQ(shapes[0].color, Rgb(1, 101, 253));  // the background
  EXPECT_EQ(shapes[1].color, Rgb(1, 101, 253));
  // Band 254: 1 + 254*2/255 and 101 + 254*51/255, one band short of (3, 152, 253).
  EXPECT_EQ(shapes[255].color, Rgb(2, 151, 253));
}

TEST(Gradient, PaleGreyStaysForTheFirst64Bands) {
  GradientSettings settings;
  settings.red1 = settings.green1 = settings.blue1 = 241;
  settings.red2 = settings.green2 = settings.blue2 = 245;
  const auto shapes = GradientShapes(settings, 299, 199);
  for (int i = 0; i < 64; ++i) ASSERT_EQ(shapes[1 + i].color, Rgb(241, 241, 241)) << i;
  EXPECT_EQ(shapes[1 + 64].color, Rgb(242, 242, 242));
}

TEST(Gradient, ChannelPastTopWrapsToItsLowBits) {
  GradientSettings settings;
  settings.red1 = 200;
  settings.red2 = 0;
  settings.green1 = settings.green2 = settings.blue1 = settings.blue2 = 0;
  settings.steps = 10;
  const auto shapes = GradientShapes(settings, 10, 10);
  const std::uint32_t reds[] = {200, 220, 240, 4, 24};
  for (int i = 0; i < 5; ++i) EXPECT_EQ(shapes[1 + i].color, reds[i]) << i;
}

TEST(Gradient, BandGeometryByStyle) {
  GradientSettings settings;
  settings.steps = 10;
  settings.style = TFillStyle::fsSquare;
  auto shapes = GradientShapes(settings, 100, 50);
  const GradientShape& band3 = shapes[1 + 3];
  EXPECT_FALSE(band3.ellipse);
  EXPECT_EQ((std::array{band3.left, band3.top, band3.right, band3.bottom}),
            (std::array{15, 7, 85, 43}));

  settings.style = TFillStyle::fsEllipse;
  EXPECT_TRUE(GradientShapes(settings, 100, 50)[4].ellipse);

  settings.style = TFillStyle::fsHorizontal;
  settings.steps = 3;
  shapes = GradientShapes(settings, 100, 10);  // h = 3.33: 0-3, 3-6, 6-10
  EXPECT_EQ(shapes[1].top, 0);
  EXPECT_EQ(shapes[1].bottom, 3);
  EXPECT_EQ(shapes[2].top, 3);
  EXPECT_EQ(shapes[3].bottom, 10);
  EXPECT_EQ(shapes[3].right, 100);

  settings.style = TFillStyle::fsVertical;
  shapes = GradientShapes(settings, 10, 7);
  EXPECT_EQ(shapes[2].left, 3);
  EXPECT_EQ(shapes[2].right, 6);
  EXPECT_EQ(shapes[2].bottom, 7);
}

// A row no band covers shows the background, colour 1, as a line across the band: every
// row must belong to a band, at every height a dialog can have (and every width).
TEST(Gradient, EveryRowAndColumnBelongsToABand) {
  GradientSettings settings;
  for (const TFillStyle style : {TFillStyle::fsHorizontal, TFillStyle::fsVertical}) {
    settings.style = style;
    for (std::int32_t size = 1; size <= 1500; ++size) {
      const bool across = style == TFillStyle::fsHorizontal;
      const auto shapes = GradientShapes(settings, across ? 137 : size, across ? size : 137);
      std::vector<bool> covered(static_cast<std::size_t>(size), false);
      for (std::size_t i = 1; i < shapes.size(); ++i) {
        const GradientShape& band = shapes[i];
        for (std::int32_t at = across ? band.top : band.left;
             at < (across ? band.bottom : band.right); ++at)
          covered[static_cast<std::size_t>(at)] = true;
      }
      for (std::int32_t at = 0; at < size; ++at)
        ASSERT_TRUE(covered[static_cast<std::size_t>(at)])
            << (across ? "row " : "column ") << at << " of " << size;
    }
  }
}

TEST(Gradient, OneBandFillsTheAreaAndNoneDrawsOnlyTheBackground) {
  GradientSettings settings;
  settings.steps = 1;
  auto shapes = GradientShapes(settings, 40, 30);
  ASSERT_EQ(shapes.size(), 2u);
  EXPECT_EQ(shapes[1].right, 40);
  EXPECT_EQ(shapes[1].bottom, 30);
  EXPECT_EQ(shapes[1].color, Rgb(1, 101, 253));
  for (int steps : {0, -5}) {
    settings.steps = steps;
    EXPECT_EQ(GradientShapes(settings, 40, 30).size(), 1u) << steps;
  }
}

TEST(Gradient, StepsSetterTakesValuesOnlyWhileTheCountIsAboveOne) {
  EXPECT_TRUE(GradientAcceptsSteps(255, 10));
  EXPECT_TRUE(GradientAcceptsSteps(2, 0));
  EXPECT_FALSE(GradientAcceptsSteps(255, 255));
  EXPECT_FALSE(GradientAcceptsSteps(1, 255));
  EXPECT_FALSE(GradientAcceptsSteps(0, 5));
}

}  // namespace
}  // namespace vx
