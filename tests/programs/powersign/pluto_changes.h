// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The changes of Pluto's sign as the table is published, for tests to
// check the program's table against.

namespace {

struct Change
{
    int year, month, day; // the first day of the new sign
    const char *before;
    const char *after;
};

// Each period's first day after the first one, as the table is published.
const Change kChanges[27] = {
    {1912, 9, 11, "Gemini", "Cancer"},      {1912, 10, 21, "Cancer", "Gemini"},
    {1913, 7, 10, "Gemini", "Cancer"},      {1913, 12, 29, "Cancer", "Gemini"},
    {1914, 5, 27, "Gemini", "Cancer"},      {1937, 10, 8, "Cancer", "Leo"},
    {1937, 11, 26, "Leo", "Cancer"},        {1938, 8, 4, "Cancer", "Leo"},
    {1939, 2, 8, "Leo", "Cancer"},          {1939, 6, 15, "Cancer", "Leo"},
    {1956, 10, 21, "Leo", "Virgo"},         {1957, 1, 16, "Virgo", "Leo"},
    {1957, 8, 20, "Leo", "Virgo"},          {1958, 4, 12, "Virgo", "Leo"},
    {1958, 6, 11, "Leo", "Virgo"},          {1971, 10, 6, "Virgo", "Libra"},
    {1972, 4, 18, "Libra", "Virgo"},        {1972, 7, 31, "Virgo", "Libra"},
    {1983, 11, 6, "Libra", "Scorpio"},      {1984, 5, 19, "Scorpio", "Libra"},
    {1984, 8, 29, "Libra", "Scorpio"},      {1995, 1, 18, "Scorpio", "Sagittarius"},
    {1995, 4, 22, "Sagittarius", "Scorpio"}, {1995, 11, 11, "Scorpio", "Sagittarius"},
    {2008, 1, 27, "Sagittarius", "Capricorn"}, {2008, 6, 15, "Capricorn", "Sagittarius"},
    {2008, 11, 28, "Sagittarius", "Capricorn"},
};

} // namespace
