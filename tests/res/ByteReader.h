// Sequential little-endian reads over a resource's raw bytes. Reading past the end
// yields zeros and marks the reader failed, so a truncated resource fails its test
// instead of crashing it.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

class ByteReader
{
public:
    ByteReader(const BYTE* data, size_t size, size_t offset = 0);

    BYTE Byte();
    WORD Word();
    DWORD Dword();
    // A zero-terminated UTF-16 string.
    std::wstring String();
    // Skips to the next multiple of `n` bytes from the start of the data.
    void Align(size_t n);
    void Skip(size_t n);

    size_t Offset() const { return m_offset; }
    bool Failed() const { return m_failed; }

private:
    const BYTE* m_data;
    size_t m_size;
    size_t m_offset;
    bool m_failed;
};
