#include "platform/fontconfigloader.h"

#include <fontconfig/fontconfig.h>

// Where the configuration cannot be read, Qt tries again itself and reports it as it would anyway.
FontConfigLoader::FontConfigLoader() : m_thread([] { FcInit(); }) {}

FontConfigLoader::~FontConfigLoader() {
    Wait();
}

void FontConfigLoader::Wait() {
    if (m_thread.joinable()) m_thread.join();
}
