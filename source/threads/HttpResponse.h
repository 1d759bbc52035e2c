#pragma once
// Reading an HTTP/1.0 response held in a byte buffer: the status line, the
// content length and the end of the header.

namespace file {
class BufferBinary;
}

namespace http {

// The line end and the end of the header.
extern const wchar_t *const LineEnd;
extern const wchar_t *const HeaderEnd;

// status: 200 or 302 as found, else 303; statusClass: 100..500 from the
// code's first digit, else 501.
void readStatusLine(const file::BufferBinary &response, int &status, int &statusClass);

// Finds the "content-length" field in any case. headerLength counts the
// header with its blank line. False when the response is empty or lacks it,
// when the header has no blank line yet, or when the length is not a
// non-negative decimal that fits an int (the outputs are then untouched).
bool readContentLength(const file::BufferBinary &response, unsigned int &headerLength,
                       int &contentLength);

// 100, 200, 300, 400 or 500 by the code's hundreds; 501 outside 100..599.
int statusClass(int code);

// Looks for the second "\r\n" below limit; on success limit becomes the offset
// just past it.
bool findSecondLineEnd(const file::BufferBinary &response, unsigned int &limit);

} // namespace http
