// How a run reports its progress: a position on a bar whose maximum the run names.
#pragma once

#include <cstdint>
#include <functional>

using TRunProgressEvent = std::function<void(std::uint32_t Position)>;
