#pragma once

// Screen and match-stage tests end by checking that no property write was refused while
// they ran: a refused key (a typo, a read-only "width") changes nothing on screen and is
// easily missed.

#include "engine/core/RefusedProperty.h"

#include <gtest/gtest.h>

#include <type_traits>

namespace zelka {

// Mixed into a fixture whose TearDown calls ExpectNothingRefused.
class NothingRefused {
protected:
    // A line refused by an earlier test in this process reports again in this one.
    NothingRefused() { ForgetRefusedCallSites(); }

    // Refusals reported since the test began (or since the last Forgive).
    int RefusedSinceStart() const { return RefusedPropertyCount() - start_; }
    // For a test that provokes a refusal on purpose.
    void ForgiveRefusals() { start_ = RefusedPropertyCount(); }
    void ExpectNothingRefused() const
    {
        EXPECT_EQ(RefusedSinceStart(), 0) << "a property key was refused (see standard error)";
    }

private:
    int start_ = RefusedPropertyCount();
};

// The mixin for a fixture built on `Base`, unless Base carries it already (and checks).
template <typename Base>
inline constexpr bool kBaseWatchesRefusals = std::is_base_of_v<NothingRefused, Base>;
struct RefusalsWatchedByBase {};
template <typename Base>
using NothingRefusedUnlessIn =
    std::conditional_t<kBaseWatchesRefusals<Base>, RefusalsWatchedByBase, NothingRefused>;

}  // namespace zelka
