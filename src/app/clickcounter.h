#pragma once

#include <QString>
#include <cstdint>

class BoardHost;

// The counter label's text: plain decimal, a minus sign when negative, no grouping.
QString CounterText(std::int32_t counter);

// The counter after one more click: past the largest 32-bit value it wraps to the smallest.
std::int32_t NextCount(std::int32_t counter);

// Stores the click counter and shows it in the counter label at once, as every change of it must.
void SetCounter(BoardHost& host, std::int32_t counter);
