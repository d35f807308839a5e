// Checked arithmetic: faults instead of nan, inf or a write out of bounds.
#include "numeric/aritmetica.h"

#include <gtest/gtest.h>

#include <limits>

namespace tessaro {

TEST(Aritmetica, NearestRoundsHalvesToEvenWithinSixteenBits) {
    EXPECT_EQ(nearest(2.5), 2);
    EXPECT_EQ(nearest(3.5), 4);
    EXPECT_EQ(nearest(-2.5), -2);
    EXPECT_EQ(nearest(3.25), 3);
    EXPECT_EQ(nearest(32767.4), 32767);
    EXPECT_EQ(nearest(-32768.5), -32768);
    EXPECT_THROW(nearest(32767.5), Fault);
    EXPECT_THROW(nearest(-32769), Fault);
    EXPECT_THROW(nearest(std::numeric_limits<double>::quiet_NaN()), Fault);
}

TEST(Aritmetica, FaultsInsteadOfNonFiniteResults) {
    EXPECT_THROW(fdiv(1, 0), Fault);
    EXPECT_THROW(fdiv(0, 0), Fault);
    EXPECT_THROW(fdiv(1e308, 1e-308), Fault);
    EXPECT_THROW(fsqrt(-1e-300), Fault);
    EXPECT_THROW(fpow(-8, 1.0 / 3.0), Fault);
    EXPECT_DOUBLE_EQ(fpow(-2, 3), -8);
    EXPECT_THROW(fpow(0, -1), Fault);
    EXPECT_THROW(flog(0), Fault);
    EXPECT_THROW(checked(std::numeric_limits<double>::infinity()), Fault);
}

TEST(Aritmetica, VettoreRejectsIndexesOutsideItsBounds) {
    Vettore<double, 1001> v;
    v[1000] = 1;
    EXPECT_EQ(v[1000], 1);
    EXPECT_THROW(v[1001] = 2, Fault);
    EXPECT_THROW(v[-1], Fault);
}

} // namespace tessaro
