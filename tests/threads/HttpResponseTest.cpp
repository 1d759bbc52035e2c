#include "threads/HttpResponse.h"
#include "file/BufferBinary.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

file::BufferBinary responseOf(const char *text) {
  file::BufferBinary out;
  out.receiveBytes(text, uint32_t(strlen(text)));
  return out;
}

} // namespace

TEST(HttpResponse, StatusLine) {
  struct Case {
    const char *response;
    int status;
    int statusClass;
  } cases[] = {
      {"HTTP/1.0 200 OK\r\n\r\n", 200, 200},
      {"HTTP/1.0 404 Not Found\r\nServer: x\r\n\r\n", 303, 400},
      {"HTTP/1.0 302 Found\n", 302, 300},
      {"HTTP/1.0 500 Oops\r\n", 303, 500},
      {"HTTP/1.0 101 Switching\r\n", 303, 100},
      {"HTTP/1.0 699 Odd\r\n", 303, 501},
      {"HTTP/1.0\r\n200 OK\r\n", 303, 501},
      {"HTTP/1.0 20\r\n", 303, 501},
      {"", 303, 501},
  };
  for (const Case &c : cases) {
    int status = 0, statusClass = 0;
    http::readStatusLine(responseOf(c.response), status, statusClass);
    EXPECT_EQ(status, c.status) << c.response;
    EXPECT_EQ(statusClass, c.statusClass) << c.response;
  }
}

TEST(HttpResponse, ContentLengthInAnyCase) {
  const char *header = "HTTP/1.0 200 OK\r\nServer: test\r\nCONTENT-Length: 12\r\n\r\n";
  for (const char *text : {header, "HTTP/1.0 200 OK\r\ncontent-length:12\r\n\r\nhello, world"}) {
    file::BufferBinary response = responseOf(text);
    unsigned int headerLength = 0;
    int contentLength = 0;
    ASSERT_TRUE(http::readContentLength(response, headerLength, contentLength)) << text;
    EXPECT_EQ(contentLength, 12);
    EXPECT_EQ(headerLength, uint32_t(strstr(text, "\r\n\r\n") - text + 4));
  }

  unsigned int headerLength = 0;
  int contentLength = 0;
  EXPECT_FALSE(http::readContentLength(responseOf(""), headerLength, contentLength));
  EXPECT_FALSE(http::readContentLength(responseOf("HTTP/1.0 200 OK\r\n\r\nContent-Length: 5"),
                                       headerLength, contentLength));
  EXPECT_FALSE(http::readContentLength(responseOf("HTTP/1.0 200 OK\r\nContent-Length: 5 6\r\n"),
                                       headerLength, contentLength));
}

TEST(HttpResponse, StatusClassAndSecondLineEnd) {
  struct {
    int code, statusClass;
  } classes[] = {{99, 501},  {100, 100}, {199, 100}, {200, 200}, {299, 200},
                 {300, 300}, {404, 400}, {599, 500}, {600, 501}, {-1, 501}};
  for (auto c : classes)
    EXPECT_EQ(http::statusClass(c.code), c.statusClass) << c.code;

  file::BufferBinary response = responseOf("a\r\nbc\r\ndef");
  unsigned int limit = 100;
  EXPECT_TRUE(http::findSecondLineEnd(response, limit));
  EXPECT_EQ(limit, 7u);
  limit = 6;
  EXPECT_FALSE(http::findSecondLineEnd(response, limit));
  EXPECT_EQ(limit, 6u);
  limit = 100;
  EXPECT_FALSE(http::findSecondLineEnd(responseOf("one\r\ntwo"), limit));
}

// content-length is a non-negative decimal that fits; a header without its
// blank line is not complete yet.
TEST(HttpResponse, ContentLengthIsStrict) {
  struct Case {
    const char *response;
    bool found;
    int contentLength;
  } cases[] = {
      {"HTTP/1.0 200 OK\r\nContent-Length: 0\r\n\r\n", true, 0},
      {"HTTP/1.0 200 OK\r\nContent-Length: 2147483647\r\n\r\n", true, 2147483647},
      {"HTTP/1.0 200 OK\r\nContent-Length: 007\r\n\r\n", true, 7},
      {"HTTP/1.0 200 OK\r\nContent-Length: -5\r\n\r\n", false, 0},
      {"HTTP/1.0 200 OK\r\nContent-Length: +5\r\n\r\n", false, 0},
      {"HTTP/1.0 200 OK\r\nContent-Length: 99999999999\r\n\r\n", false, 0},
      {"HTTP/1.0 200 OK\r\nContent-Length: 2147483648\r\n\r\n", false, 0},
      {"HTTP/1.0 200 OK\r\nContent-Length: 12abc\r\n\r\n", false, 0},
      {"HTTP/1.0 200 OK\r\nContent-Length: 0x10\r\n\r\n", false, 0},
      {"HTTP/1.0 200 OK\r\nContent-Length: 12\r\n", false, 0},
      {"HTTP/1.0 200 OK\r\nContent-Length: 12\r\nServer: x", false, 0},
      {"HTTP/1.0 200 OK\r\nContent-Length: 12", false, 0},
  };
  for (const Case &c : cases) {
    unsigned int headerLength = 0;
    int contentLength = 0;
    EXPECT_EQ(http::readContentLength(responseOf(c.response), headerLength, contentLength), c.found)
        << c.response;
    if (c.found) {
      EXPECT_EQ(contentLength, c.contentLength) << c.response;
    }
  }
}
