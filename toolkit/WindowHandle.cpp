#include "toolkit/Backend.h"

std::uintptr_t TWinControl::WindowHandle() const {
    return Peer() ? Peer()->Handle() : 0;
}
