#pragma once

#include <thread>

// The system's font configuration, loaded on another thread while the application connects to the display:
// reading it takes a good part of start-up and needs nothing of Qt, which then finds it loaded. Nothing may
// measure or draw text before Wait() has returned, or Qt would load it a second time alongside.
class FontConfigLoader {
public:
    FontConfigLoader();
    ~FontConfigLoader();
    FontConfigLoader(const FontConfigLoader&) = delete;
    FontConfigLoader& operator=(const FontConfigLoader&) = delete;

    void Wait();

private:
    std::thread m_thread;
};
