#pragma once

#include "buttongrid/mxobject.h"

// Counts the change notifications of one persistent object and remembers who sent the last one.
struct ChangeCounter {
    int calls = 0;
    TMxObject* lastSender = nullptr;

    void Hook(TMxObject& object) {
        object.SetOnChange([this](TMxObject* sender) {
            ++calls;
            lastSender = sender;
        });
    }
};
