#pragma once
// Run-time errors of the game: a number and a message, as the player sees them in
// "Run-time error 'N':". No play reaches them; they guard the 16-bit counters, the bounds of
// every list and array, the display's resolution and the program's own pictures.

#include <array>
#include <cstdint>
#include <limits>
#include <stdexcept>
#include <string>

namespace veltrane {

using Int16 = std::int16_t;

class RuntimeError : public std::runtime_error {
  public:
    RuntimeError(int number, const std::string& message)
        : std::runtime_error(message), number_(number) {}
    int number() const noexcept { return number_; }

  private:
    int number_;
};

// Every run-time error the program can report: its number and its message.
enum : int {
    ErrOverflow = 6,
    ErrOutOfMemory = 7,
    ErrSubscript = 9,
    ErrDivisionByZero = 11,
    ErrInternal = 51,
    ErrInvalidPicture = 481
};

inline const char* errorMessage(int number) noexcept {
    struct Known {
        int number;
        const char* message;
    };
    static constexpr std::array<Known, 5> known = {{{ErrOverflow, "Overflow"},
                                                    {ErrOutOfMemory, "Out of memory"},
                                                    {ErrSubscript, "Subscript out of range"},
                                                    {ErrDivisionByZero, "Division by zero"},
                                                    {ErrInvalidPicture, "Invalid picture"}}};
    for (const Known& error : known) {
        if (error.number == number) {
            return error.message;
        }
    }
    return "Internal error";
}

[[noreturn]] inline void raiseError(int number) {
    throw RuntimeError(number, errorMessage(number));
}
[[noreturn]] inline void raiseOverflow() {
    raiseError(ErrOverflow);
}
[[noreturn]] inline void raiseSubscript() {
    raiseError(ErrSubscript);
}

// Narrows a wider result to a 16-bit counter, as every counter of the game is stored.
inline Int16 toInt16(long value) {
    if (value < std::numeric_limits<Int16>::min() || value > std::numeric_limits<Int16>::max()) {
        raiseOverflow();
    }
    return static_cast<Int16>(value);
}

inline Int16 add16(Int16 a, Int16 b) {
    return toInt16(long{a} + long{b});
}
inline Int16 sub16(Int16 a, Int16 b) {
    return toInt16(long{a} - long{b});
}

} // namespace veltrane
