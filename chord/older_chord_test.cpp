#include "chord/older_chord.h"

#include <gtest/gtest.h>

namespace scoretext::chord {
namespace {

TEST(WithNewVelocity, ReplacesTheVelocityOfAChord) {
  EXPECT_EQ(with_new_velocity("1Cm7 V90", "V60"), "1Cm7  V60");
  EXPECT_EQ(with_new_velocity("Cm7", "V60"), "Cm7 V60");
  // Repeated once more, the blank left by the first cut stays.
  EXPECT_EQ(with_new_velocity("1Cm7  V60", "V50"), "1Cm7   V50");
}

TEST(WithNewVelocity, KeepsEveryExplicitNote) {
  EXPECT_EQ(with_new_velocity(" *C4 *E4 V100", "V60"), " *C4 *E4  V60");
  // Notes after a velocity are not lost with it.
  EXPECT_EQ(with_new_velocity(" *C4 V10 *E4 V20", "V60"), " *C4  *E4  V60");
  EXPECT_EQ(with_new_velocity(" *C4 V10 *E4", "V+5"), " *C4  *E4 V+5");
}

}  // namespace
}  // namespace scoretext::chord
