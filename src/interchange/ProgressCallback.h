// How the long loops of the interchange let the window show how far they
// are and let the user stop them: called now and then with the work done so
// far and the whole of it (in the loop's own units), it returns false to ask
// the loop to stop. An empty callback is never called.
#pragma once

#include <cstdint>
#include <functional>

using ProgressCallback = std::function<bool(std::uint64_t done, std::uint64_t total)>;
