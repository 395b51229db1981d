#pragma once

#include "platform/change.h"

// Counts the change notifications of one object and remembers who sent the last one.
struct ChangeCounter {
    int calls = 0;
    const ChangeNotify* lastSender = nullptr;

    void Hook(ChangeNotify& object) {
        object.SetOnChange([this, &object] {
            ++calls;
            lastSender = &object;
        });
    }
};
