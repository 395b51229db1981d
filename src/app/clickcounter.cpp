#include "app/clickcounter.h"

#include "app/boardhost.h"

QString CounterText(std::int32_t counter) {
    return QString::number(counter);
}

std::int32_t NextCount(std::int32_t counter) {
    // Unsigned arithmetic wraps by definition; signed overflow would not.
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(counter) + 1u);
}

void SetCounter(BoardHost& host, std::int32_t counter) {
    host.SetClickCounter(counter);
    host.SetCounterLabel(CounterText(counter));
}
