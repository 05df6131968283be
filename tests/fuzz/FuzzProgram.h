// FuzzProgram.h -- what the fuzz targets share: a scratch working directory, files written into it,
// and the message box that ends set-up by throwing instead of ending the process.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

// The text and caption of the message box that set-up showed before it would have ended the program.
struct ProgramStopped {
    std::string Text;
    std::string Caption;
};

// Makes a fresh private directory and changes into it (the program reads its files from there).
void EnterScratchDirectory();
void WriteScratchFile(const char* name, const uint8_t* data, size_t size);
void RemoveScratchFile(const char* name);
// Reads every byte of a buffer, so AddressSanitizer notices one that is shorter than it claims.
void TouchBytes(const uint8_t* bytes, size_t size);
// What TickCount() reads: 10000 until the program sleeps, which moves it on.
extern uint32_t FuzzTick;
// Stops the fuzzer with a message when a property of the program does not hold.
[[noreturn]] void FuzzFailure(const std::string& what);
