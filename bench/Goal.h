// How a figure stands against its goal, printed beside it so that the table shows at a
// glance what holds.
#pragma once
#include <algorithm>
#include <cstdio>
#include <vector>

// A figure that comes out the same in every run: a count or a size.
inline const char* Verdict(bool met)
{
    return met ? "met" : "MISSED";
}

// A timed figure, measured in rounds in which Tintlet and its floor take turns, so that
// both see the same machine: its median round and its quartiles (the rounds a quarter and
// three quarters of the way up), which show how far another machine load moves it.
struct Spread
{
    double median;
    double lower;
    double upper;
    int rounds;
};

inline Spread SpreadOf(std::vector<double> rounds)
{
    std::sort(rounds.begin(), rounds.end());
    size_t n = rounds.size();
    return {rounds[n / 2], rounds[n / 4], rounds[3 * n / 4], int(n)};
}

// A goal of at most `goal` is met when the upper quartile is within it and MISSED when
// the lower quartile is over it. Between, a quarter of the rounds or more fall on each
// side, and one run cannot tell which side the program stands on.
inline const char* Verdict(const Spread& s, double goal)
{
    return s.upper <= goal ? "met" : s.lower > goal ? "MISSED" : "unsettled";
}

// The note beside such a figure: "quartiles 0.98..1.07 of 11 rounds; goal <= 1.05: met".
inline void DescribeGoal(char* out, size_t size, const Spread& s, double goal, const char* unit)
{
    snprintf(out, size, "quartiles %.2f..%.2f of %d rounds; goal <= %g%s: %s", s.lower, s.upper, s.rounds, goal, unit,
             Verdict(s, goal));
}
