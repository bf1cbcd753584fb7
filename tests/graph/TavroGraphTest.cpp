#include <gtest/gtest.h>

#include "graph/model/TavroGraph.h"
#include "tests/support/Raised.h"

using namespace Dravex;
using TestSupport::Raised;

TEST(TavroGraph, DefaultSeriesColoursStartWithTheLightOnes) {
  const GraphColour expected[] = {
      0x000000,                                // 0
      0xFF0000, 0x00FF00, 0xFFFF00, 0xFF00FF,  // 1-4
      0x000000, 0x800000, 0x008000, 0x808000,  // 5-8
      0x800080, 0x008080, 0xFFFF00, 0x0000FF,  // 9-12
      0xFF00FF, 0x00FFFF, 0xFFFFFF, 0x000000,  // 13-16
      0x800000, 0x008000, 0x808000, 0x000080,  // 17-20: n modulo 16
  };
  for (int32_t n = 0; n < static_cast<int32_t>(std::size(expected)); ++n) {
    EXPECT_EQ(TavroGraph::DefaultSeriesColour(n), expected[n]) << "series " << n;
  }
  EXPECT_EQ(TavroGraph::DefaultSeriesColour(32 + 7), 0xC0C0C0);
}

TEST(TavroGraph, NegativeSeriesNumberIsAnInvalidArgument) {
  EXPECT_EQ(Raised([] { TavroGraph::DefaultSeriesColour(-1); }),
            Runtime::ErrorNumber::InvalidProcedureCall);
  EXPECT_EQ(Raised([] { TavroGraph::DefaultSeriesColour(-16); }),
            Runtime::ErrorNumber::InvalidProcedureCall);
}
