#pragma once

#include "platform/change.h"

// Base of the panel's persistent property objects (gradient, fill object, bevel, layout): the shared change
// notification, whose handler the owner hooks, capturing the sender when it needs one. Objects are owned in
// place by their owner, so they are neither copied nor moved; use Assign to copy values.
class TMxObject : public ChangeNotify {
public:
    TMxObject() = default;
    TMxObject(const TMxObject&) = delete;
    TMxObject& operator=(const TMxObject&) = delete;
    virtual ~TMxObject() = default;

protected:
    // The change routine: notifies, or only remembers inside an update. Subclasses that keep derived state
    // rebuild it first and then call this.
    virtual void Changed() { ChangeNotify::Changed(); }
};
