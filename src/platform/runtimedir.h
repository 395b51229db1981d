#pragma once

// Gives the process a private runtime folder when the session has none (as under root on a headless
// machine), so Qt starts without a warning on the console. Call before the application object exists.
void PrepareRuntimeDir();
