#pragma once
// Distance and beam heading between two Maidenhead locators, as the bearing calculator
// window computes them. No windows here: the window decides what to write where.

#include <string_view>

namespace zelora {

struct LocatorResult {
    bool error = false;                 // some check failed: the numbers below are not meaningful
    bool own_locator_failed = false;    // Locator 1 itself is empty, too long or misshapen
    bool own_locator_too_long = false;  // Locator 1 has more than 6 characters (notice)
    long km = 0;                        // distance, rounded half up
    long bearing = 0;                   // heading from Locator 1 to Locator 2, degrees 0..360
};

// The calculator's check of one locator: once completed (1 to 4 characters get "LL"), at most 6
// characters, the third a digit. Nothing else is checked: it measures any letters. The strict
// check of a locator's form is Locator::parse (geo/locator.h).
bool calculator_reads(std::string_view locator);

// Completes ("JN61" is taken as "JN61LL") and checks both locators, then measures the great
// circle between the centres of their sub-squares. Lower case is taken as upper case. Any
// bytes are accepted; characters past the end of a locator count as code 0.
LocatorResult locator_math(std::string_view locator1, std::string_view locator2);

}  // namespace zelora
