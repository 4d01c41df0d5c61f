// How a figure stands against its goal, printed beside it so that the table shows at a
// glance what holds.
#pragma once

inline const char* Verdict(bool met)
{
    return met ? "met" : "MISSED";
}
