#pragma once

namespace rotamind {

// Exact 128-bit integers, so that a product of two 64-bit operands is rounded
// from its true value rather than from a wrapped or floating-point one. GCC and
// Clang provide them on every 64-bit target the program builds for, but they
// are not standard C++: __extension__ keeps -Wpedantic quiet for these two
// names only, and anything else non-standard still warns.
__extension__ typedef __int128 Int128;
__extension__ typedef unsigned __int128 UInt128;

} // namespace rotamind
